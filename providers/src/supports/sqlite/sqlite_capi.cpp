// C face of the SQLite driver.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_supports_sq_lite_provider_get_type,
// tarvelin_providers_supports_sq_lite_provider_construct, tarvelin_providers_supports_sq_lite_provider_new.
#include <sqlite3.h>

#include "providers/supports/sqlite/provider.hpp"
#include "providers/supports/sqlite/reader.hpp"

TARVELIN_LOG_TAG("sqlite_capi")

using namespace tarvelin;
using namespace tarvelin::providers::supports::sqlite;

static_assert(sizeof(TarvelinProvidersSupportsSQLiteProvider) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsSQLiteProviderClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinProvidersSupportsSQLiteReader) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsSQLiteReaderClass) == sizeof(gobj::Class));

extern "C" {

GType tarvelin_providers_supports_isq_lite_error_get_type(void) { return ISQLiteError::gtype(); }
GType tarvelin_providers_supports_isq_lite_type_get_type(void) { return ISQLiteType::gtype(); }

// The helpers of these interfaces use nothing of the instance they are called on.
void tarvelin_providers_supports_isq_lite_error_raise_error(TarvelinProvidersSupportsISQLiteError* self,
                                                            sqlite3* database, gint result, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(database != NULL);
    gobj::invoke<&ISQLiteError::raise_error>(G_STRFUNC, database, result, error);
}
TarvelinProvidersContractsDataType tarvelin_providers_supports_isq_lite_type_map_data_type(
    TarvelinProvidersSupportsISQLiteType* self, gint type) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::invoke<&ISQLiteType::map_data_type>(G_STRFUNC, type);
}
gchar* tarvelin_providers_supports_isq_lite_type_map_dbms_type(TarvelinProvidersSupportsISQLiteType* self, gint type) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ISQLiteType::map_dbms_type>(G_STRFUNC, type);
}

TARVELIN_CLASS_CAPI(SQLiteProvider, TarvelinProvidersSupportsSQLiteProvider, tarvelin_providers_supports_sq_lite_provider)

sqlite3* tarvelin_providers_supports_sq_lite_provider_get_engine(TarvelinProvidersSupportsSQLiteProvider* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLiteProvider::get_engine>(G_STRFUNC, self);
}

GType tarvelin_providers_supports_sq_lite_reader_get_type(void) { return SQLiteReader::gtype(); }
TarvelinProvidersSupportsSQLiteReader* tarvelin_providers_supports_sq_lite_reader_construct(GType object_type,
                                                                                          sqlite3* connection,
                                                                                          sqlite3_stmt* stmt) {
    g_return_val_if_fail(connection != NULL, NULL);
    g_return_val_if_fail(stmt != NULL, NULL);
    return gobj::invoke<&SQLiteReader::construct>(G_STRFUNC, object_type, connection, stmt);
}
TarvelinProvidersSupportsSQLiteReader* tarvelin_providers_supports_sq_lite_reader_new(sqlite3* connection,
                                                                                    sqlite3_stmt* stmt) {
    return tarvelin_providers_supports_sq_lite_reader_construct(SQLiteReader::gtype(), connection, stmt);
}

}  // extern "C"
