// C face of the SQLite driver.
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

TARVELIN_API GType tarvelin_providers_supports_isq_lite_error_get_type(void) { return ISQLiteError::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_isq_lite_type_get_type(void) { return ISQLiteType::gtype(); }

void tarvelin_providers_supports_isq_lite_error_raise_error(TarvelinProvidersSupportsISQLiteError* self,
                                                            sqlite3* database, gint result, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(database != NULL);
    gobj::capi(G_STRFUNC, error, [&] { ISQLiteError::raise_error(database, result); });
}

TarvelinProvidersContractsDataType tarvelin_providers_supports_isq_lite_type_map_data_type(
    TarvelinProvidersSupportsISQLiteType* self, gint type) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return ISQLiteType::map_data_type(type);
}
gchar* tarvelin_providers_supports_isq_lite_type_map_dbms_type(TarvelinProvidersSupportsISQLiteType* self, gint type) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(ISQLiteType::map_dbms_type(type)); });
}

TARVELIN_API GType tarvelin_providers_supports_sq_lite_provider_get_type(void) { return SQLiteProvider::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_sq_lite_reader_get_type(void) { return SQLiteReader::gtype(); }

TarvelinProvidersSupportsSQLiteProvider* tarvelin_providers_supports_sq_lite_provider_new(void) {
    return tarvelin_providers_supports_sq_lite_provider_construct(SQLiteProvider::gtype());
}
TarvelinProvidersSupportsSQLiteProvider* tarvelin_providers_supports_sq_lite_provider_construct(GType object_type) {
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsSQLiteProvider*>(SQLiteProvider::create(object_type).release());
    });
}
sqlite3* tarvelin_providers_supports_sq_lite_provider_get_engine(TarvelinProvidersSupportsSQLiteProvider* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::cast<SQLiteProvider>(self)->get_engine(); });
}

TarvelinProvidersSupportsSQLiteReader* tarvelin_providers_supports_sq_lite_reader_construct(GType object_type,
                                                                                          sqlite3* connection,
                                                                                          sqlite3_stmt* stmt) {
    g_return_val_if_fail(connection != NULL, NULL);
    g_return_val_if_fail(stmt != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsSQLiteReader*>(
            SQLiteReader::create(connection, stmt, false, true, object_type).release());
    });
}
TarvelinProvidersSupportsSQLiteReader* tarvelin_providers_supports_sq_lite_reader_new(sqlite3* connection,
                                                                                    sqlite3_stmt* stmt) {
    return tarvelin_providers_supports_sq_lite_reader_construct(SQLiteReader::gtype(), connection, stmt);
}

}  // extern "C"
