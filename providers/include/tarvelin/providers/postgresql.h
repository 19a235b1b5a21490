/* The PostgreSQL driver: provider and reader over libpq, the error interface that turns
 * connection and result states into "PostgreSQL" errors, the type interface that maps
 * type OIDs, and the enumeration of the type OIDs the driver knows. */
#pragma once

#include <tarvelin/providers/vocabulary.h>

G_BEGIN_DECLS

/* libpq's own handles, declared the way libpq-fe.h declares them so a host need not
 * have that header on its include path. */
typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_TYPE (tarvelin_providers_supports_postgre_sql_type_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_IPOSTGRE_SQL_ERROR (tarvelin_providers_supports_ipostgre_sql_error_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_IPOSTGRE_SQL_TYPE (tarvelin_providers_supports_ipostgre_sql_type_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_PROVIDER (tarvelin_providers_supports_postgre_sql_provider_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_POSTGRE_SQL_READER (tarvelin_providers_supports_postgre_sql_reader_get_type())

/* Type OIDs, in registration order. */
typedef enum {
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_UNSPECIFIED = 0,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BIT = 1560,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BIT_ARRAY = 1561,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BOOLEAN = 16,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BOOLEAN_ARRAY = 1000,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BOX = 603,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BOX_ARRAY = 1020,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BPCHAR = 1042,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BPCHAR_ARRAY = 1014,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BYTEA = 17,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_BYTEA_ARRAY = 1001,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_CHAR = 18,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_CHAR_ARRAY = 1002,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_CIDR = 650,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_CIRCLE = 718,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_DATE = 1082,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_DATE_ARRAY = 1182,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_FLOAT4 = 700,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_FLOAT4_ARRAY = 1021,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_FLOAT8 = 701,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_FLOAT8_ARRAY = 1022,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INET = 869,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INT2 = 21,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INT2_ARRAY = 1005,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INT4 = 23,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INT4_ARRAY = 1007,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INT8 = 20,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INT8_ARRAY = 1016,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INTERVAL = 1186,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_INTERVAL_ARRAY = 1187,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_JSON = 114,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_JSON_ARRAY = 199,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_JSONB = 3802,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_JSONB_ARRAY = 3807,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_LINE = 628,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_LSEG = 601,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_MACADDR = 829,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_MACADDR8 = 774,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_MONEY = 790,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_MONEY_ARRAY = 791,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_NAME = 19,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_NAME_ARRAY = 1003,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_NUMERIC = 1700,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_NUMERIC_ARRAY = 1231,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_OID = 26,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_OID_ARRAY = 1028,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_PATH = 602,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_POINT = 600,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_POINT_ARRAY = 1017,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_POLYGON = 604,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_REF_CURSOR = 1790,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_REF_CURSOR_ARRAY = 2201,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TEXT = 25,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TEXT_ARRAY = 1009,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TIME = 1083,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TIME_ARRAY = 1183,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TIMESTAMP = 1114,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TIMESTAMP_ARRAY = 1115,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TIMESTAMPTZ = 1184,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TIMESTAMPTZ_ARRAY = 1185,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TIMETZ = 1266,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TIMETZ_ARRAY = 1270,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TSQUERY = 3615,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_TSVECTOR = 3614,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_UUID = 2950,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_UUID_ARRAY = 2951,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_VARBIT = 1562,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_VARBIT_ARRAY = 1563,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_VARCHAR = 1043,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_VARCHAR_ARRAY = 1015,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_VOID = 2278,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_XML = 142,
    TARVELIN_PROVIDERS_SUPPORTS_POSTGRE_SQL_TYPE_XML_ARRAY = 143,
} TarvelinProvidersSupportsPostgreSQLType;

TARVELIN_API GType tarvelin_providers_supports_postgre_sql_type_get_type(void);

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsIPostgreSQLError, tarvelin_providers_supports_ipostgre_sql_error,
                           TARVELIN_PROVIDERS_SUPPORTS, IPOSTGRE_SQL_ERROR)
TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsIPostgreSQLType, tarvelin_providers_supports_ipostgre_sql_type,
                           TARVELIN_PROVIDERS_SUPPORTS, IPOSTGRE_SQL_TYPE)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsPostgreSQLProvider, tarvelin_providers_supports_postgre_sql_provider,
                           TARVELIN_PROVIDERS_SUPPORTS, POSTGRE_SQL_PROVIDER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsPostgreSQLReader, tarvelin_providers_supports_postgre_sql_reader,
                           TARVELIN_PROVIDERS_SUPPORTS, POSTGRE_SQL_READER)

/* Both interfaces carry plain operations only. */
struct _TarvelinProvidersSupportsIPostgreSQLErrorInterface {
    GTypeInterface parent_iface;
};
struct _TarvelinProvidersSupportsIPostgreSQLTypeInterface {
    GTypeInterface parent_iface;
};

/**
 * tarvelin_providers_supports_ipostgre_sql_error_raise_error_connection:
 * @self: (not nullable): the instance
 * @connection: (not nullable): a #PGconn
 *
 * A connection whose status is not CONNECTION_OK sets "PostgreSQL" -1 "<status> : <message>".
 */
TARVELIN_API void tarvelin_providers_supports_ipostgre_sql_error_raise_error_connection(
    TarvelinProvidersSupportsIPostgreSQLError *self, PGconn *connection, GError **error);
/**
 * tarvelin_providers_supports_ipostgre_sql_error_raise_error_result:
 * @self: (not nullable): the instance
 * @_result_: (not nullable): a #PGresult
 *
 * Statuses COMMAND_OK, TUPLES_OK and SINGLE_TUPLE pass; any other (a missing result counts
 * as FATAL_ERROR) sets "PostgreSQL" -2 "<status name> : <message>".
 */
TARVELIN_API void tarvelin_providers_supports_ipostgre_sql_error_raise_error_result(
    TarvelinProvidersSupportsIPostgreSQLError *self, PGresult *_result_, GError **error);

/* The data type and upper-case type name of a type OID. */
/**
 * tarvelin_providers_supports_ipostgre_sql_type_map_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_supports_ipostgre_sql_type_map_data_type(
    TarvelinProvidersSupportsIPostgreSQLType *self, guint oid);
/**
 * tarvelin_providers_supports_ipostgre_sql_type_map_dbms_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_supports_ipostgre_sql_type_map_dbms_type(
    TarvelinProvidersSupportsIPostgreSQLType *self, guint oid);

/* A new, closed provider (implements IProvider and IPostgreSQLError). */
/**
 * tarvelin_providers_supports_postgre_sql_provider_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsPostgreSQLProvider *tarvelin_providers_supports_postgre_sql_provider_new(void);
/**
 * tarvelin_providers_supports_postgre_sql_provider_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsPostgreSQLProvider *tarvelin_providers_supports_postgre_sql_provider_construct(
    GType object_type);

/* A reader over a result, before its first row. The result stays the caller's and must
 * outlive the reader (implements IDataReader and IPostgreSQLType). */
/**
 * tarvelin_providers_supports_postgre_sql_reader_new:
 * @_result_: (not nullable): a #PGresult
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsPostgreSQLReader *tarvelin_providers_supports_postgre_sql_reader_new(
    PGresult *_result_);
/**
 * tarvelin_providers_supports_postgre_sql_reader_construct:
 * @_result_: (not nullable): a #PGresult
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsPostgreSQLReader *tarvelin_providers_supports_postgre_sql_reader_construct(
    GType object_type, PGresult *_result_);

G_END_DECLS
