// C face of the SQLite driver.
#include <sqlite3.h>

#include "supports/sqlite/error.hpp"
#include "supports/sqlite/type.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::supports::sqlite;

extern "C" {

TARVELIN_API GType tarvelin_providers_supports_isq_lite_error_get_type(void) { return ISQLiteError::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_isq_lite_type_get_type(void) { return ISQLiteType::gtype(); }

void tarvelin_providers_supports_isq_lite_error_raise_error(TarvelinProvidersSupportsISQLiteError* self,
                                                            sqlite3* database, gint result, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(database != NULL);
    // gobj::capi does not take a void body: return a dummy flag.
    gobj::capi(error, [&] { ISQLiteError::raise_error(database, result); return true; }, false);
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

}  // extern "C"
