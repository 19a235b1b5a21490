/* The SQLite driver: provider and reader over SQLite3 Multiple Ciphers, the error
 * interface that turns SQLite result codes into "SQLite" errors, and the map of the
 * five storage classes. */
#pragma once

#include <tarvelin/providers/vocabulary.h>

G_BEGIN_DECLS

/* The SQLite library's own handles, declared the way sqlite3.h declares them so a host
 * need not have that header. */
typedef struct sqlite3 sqlite3;
typedef struct sqlite3_stmt sqlite3_stmt;

#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_ISQ_LITE_ERROR (tarvelin_providers_supports_isq_lite_error_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_ISQ_LITE_TYPE (tarvelin_providers_supports_isq_lite_type_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQ_LITE_PROVIDER (tarvelin_providers_supports_sq_lite_provider_get_type())
#define TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQ_LITE_READER (tarvelin_providers_supports_sq_lite_reader_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsISQLiteError, tarvelin_providers_supports_isq_lite_error,
                           TARVELIN_PROVIDERS_SUPPORTS, ISQ_LITE_ERROR)
TARVELIN_DECLARE_INTERFACE(TarvelinProvidersSupportsISQLiteType, tarvelin_providers_supports_isq_lite_type,
                           TARVELIN_PROVIDERS_SUPPORTS, ISQ_LITE_TYPE)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsSQLiteProvider, tarvelin_providers_supports_sq_lite_provider,
                           TARVELIN_PROVIDERS_SUPPORTS, SQ_LITE_PROVIDER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersSupportsSQLiteReader, tarvelin_providers_supports_sq_lite_reader,
                           TARVELIN_PROVIDERS_SUPPORTS, SQ_LITE_READER)

/* Both interfaces carry plain operations only. */
struct _TarvelinProvidersSupportsISQLiteErrorInterface {
    GTypeInterface parent_iface;
};
struct _TarvelinProvidersSupportsISQLiteTypeInterface {
    GTypeInterface parent_iface;
};

/**
 * tarvelin_providers_supports_isq_lite_error_raise_error:
 * @self: (not nullable): the instance
 * @database: (not nullable): a #sqlite3
 *
 * Result codes 0 (OK), 100 (ROW) and 101 (DONE) pass; any other sets an error of the
 * domain "SQLite" with the connection's latest code and message.
 */
TARVELIN_API void tarvelin_providers_supports_isq_lite_error_raise_error(TarvelinProvidersSupportsISQLiteError *self,
                                                                         sqlite3 *database, gint result,
                                                                         GError **error);

/* The data type and type name of a storage class as sqlite3_column_type reports it. */
/**
 * tarvelin_providers_supports_isq_lite_type_map_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_supports_isq_lite_type_map_data_type(
    TarvelinProvidersSupportsISQLiteType *self, gint type);
/**
 * tarvelin_providers_supports_isq_lite_type_map_dbms_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_supports_isq_lite_type_map_dbms_type(TarvelinProvidersSupportsISQLiteType *self,
                                                                            gint type);

/* A new, closed provider (implements IProvider and ISQLiteError). */
/**
 * tarvelin_providers_supports_sq_lite_provider_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsSQLiteProvider *tarvelin_providers_supports_sq_lite_provider_new(void);
/**
 * tarvelin_providers_supports_sq_lite_provider_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsSQLiteProvider *tarvelin_providers_supports_sq_lite_provider_construct(
    GType object_type);
/**
 * tarvelin_providers_supports_sq_lite_provider_get_engine:
 * @self: (not nullable): the instance
 *
 * The database handle (borrowed): none before the first open and after close.
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API sqlite3 *tarvelin_providers_supports_sq_lite_provider_get_engine(
    TarvelinProvidersSupportsSQLiteProvider *self);

/* A reader over a statement that has been stepped once: it stands on the first row.
 * The statement stays the caller's (implements IDataReader, ISQLiteType, ISQLiteError). */
/**
 * tarvelin_providers_supports_sq_lite_reader_new:
 * @connection: (not nullable): a #sqlite3
 * @stmt: (not nullable): a #sqlite3_stmt
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsSQLiteReader *tarvelin_providers_supports_sq_lite_reader_new(
    sqlite3 *connection, sqlite3_stmt *stmt);
/**
 * tarvelin_providers_supports_sq_lite_reader_construct:
 * @connection: (not nullable): a #sqlite3
 * @stmt: (not nullable): a #sqlite3_stmt
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersSupportsSQLiteReader *tarvelin_providers_supports_sq_lite_reader_construct(
    GType object_type, sqlite3 *connection, sqlite3_stmt *stmt);

G_END_DECLS
