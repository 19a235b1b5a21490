/* The MariaDB driver over MariaDB Connector/C: a provider (IProvider) and its reader
 * (IDataReader), the field-type map (IMariaDBType) and the error helpers (IMariaDBError).
 * Errors are raised in the domain "MariaDB". The native handle and result types are
 * declared by <mysql.h>; these declarations name only their structure tags. */
#pragma once

#include <tarvelin/providers/vocabulary.h>

G_BEGIN_DECLS

struct st_mysql;
struct st_mysql_res;

#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_MARIA_DB_PROVIDER (tarvelin_providers_supports_maria_db_provider_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_MARIA_DB_READER (tarvelin_providers_supports_maria_db_reader_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_IMARIA_DB_ERROR (tarvelin_providers_supports_imaria_db_error_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_IMARIA_DB_TYPE (tarvelin_providers_supports_imaria_db_type_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsIMariaDBError, tarvelin_providers_supports_imaria_db_error,
                           TARVELIN_PROVIDERS_SUPPORTS, IMARIA_DB_ERROR)
TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsIMariaDBType, tarvelin_providers_supports_imaria_db_type,
                           TARVELIN_PROVIDERS_SUPPORTS, IMARIA_DB_TYPE)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsMariaDBProvider, tarvelin_providers_supports_maria_db_provider,
                           TARVELIN_PROVIDERS_SUPPORTS, MARIA_DB_PROVIDER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsMariaDBReader, tarvelin_providers_supports_maria_db_reader,
                           TARVELIN_PROVIDERS_SUPPORTS, MARIA_DB_READER)

/* Neither interface has virtual operations: their operations are plain functions. */
struct _TarvelinProvidersSupportsIMariaDBErrorInterface {
    GTypeInterface parent_iface;
};
struct _TarvelinProvidersSupportsIMariaDBTypeInterface {
    GTypeInterface parent_iface;
};

/**
 * tarvelin_providers_supports_imaria_db_error_raise_error:
 * @self: (not nullable): the instance
 * @connection: (not nullable): a #st_mysql
 *
 * A result of 0 passes; any other result raises the handle's error number and text
 * (code -1 when the handle holds no number) after logging the option dump.
 */
TARVELIN_API void tarvelin_providers_supports_imaria_db_error_raise_error(TarvelinProvidersSupportsIMariaDBError *self,
                                                                        struct st_mysql *connection, gint result,
                                                                        GError **error);
/**
 * tarvelin_providers_supports_imaria_db_error_dump:
 * @self: (not nullable): the instance
 * @connection: (not nullable): a #st_mysql
 *
 * Logs the handle's options as a warning.
 */
TARVELIN_API void tarvelin_providers_supports_imaria_db_error_dump(TarvelinProvidersSupportsIMariaDBError *self,
                                                                 struct st_mysql *connection);

/**
 * tarvelin_providers_supports_imaria_db_type_map_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_supports_imaria_db_type_map_data_type(
    TarvelinProvidersSupportsIMariaDBType *self, guint field_type, guint flags);
/**
 * tarvelin_providers_supports_imaria_db_type_map_dbms_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_supports_imaria_db_type_map_dbms_type(TarvelinProvidersSupportsIMariaDBType *self,
                                                                           guint field_type, guint flags);

/* A closed provider. */
/**
 * tarvelin_providers_supports_maria_db_provider_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsMariaDBProvider *tarvelin_providers_supports_maria_db_provider_new(void);
/**
 * tarvelin_providers_supports_maria_db_provider_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsMariaDBProvider *tarvelin_providers_supports_maria_db_provider_construct(
    GType object_type);

/* A reader over a stored result (mysql_store_result), before its first row. The
 * result is borrowed: the caller frees it after the reader is released. */
/**
 * tarvelin_providers_supports_maria_db_reader_new:
 * @_result_: (not nullable): a #st_mysql_res
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsMariaDBReader *tarvelin_providers_supports_maria_db_reader_new(
    struct st_mysql_res *_result_);
/**
 * tarvelin_providers_supports_maria_db_reader_construct:
 * @_result_: (not nullable): a #st_mysql_res
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsMariaDBReader *tarvelin_providers_supports_maria_db_reader_construct(
    GType object_type, struct st_mysql_res *_result_);
/**
 * tarvelin_providers_supports_maria_db_reader_get_decimals_size:
 * @self: (not nullable): the instance
 *
 * The number of decimals of a column.
 */
TARVELIN_API guint tarvelin_providers_supports_maria_db_reader_get_decimals_size(TarvelinProvidersSupportsMariaDBReader *self,
                                                                               guint16 ordinal);

G_END_DECLS
