// C face of the MariaDB driver.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_supports_maria_db_provider_get_type,
// tarvelin_providers_supports_maria_db_provider_construct, tarvelin_providers_supports_maria_db_provider_new.
#include "providers/supports/mariadb/provider.hpp"
#include "providers/supports/mysql_common/error.hpp"
#include "providers/supports/mysql_common/type.hpp"

TARVELIN_LOG_TAG("mariadb_capi")

using namespace tarvelin;
using namespace tarvelin::providers::supports;
using namespace tarvelin::providers::supports::mariadb;

static_assert(sizeof(TarvelinProvidersSupportsMariaDBProvider) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsMariaDBReader) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsMariaDBProviderClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_CLASS_CAPI(MariaDBProvider, TarvelinProvidersSupportsMariaDBProvider,
                    tarvelin_providers_supports_maria_db_provider)

GType tarvelin_providers_supports_maria_db_reader_get_type(void) { return MariaDBReader::gtype(); }
TarvelinProvidersSupportsMariaDBReader* tarvelin_providers_supports_maria_db_reader_construct(GType object_type,
                                                                                              MYSQL_RES* _result_) {
    g_return_val_if_fail(_result_ != NULL, NULL);
    return gobj::invoke<&MariaDBReader::construct>(G_STRFUNC, object_type, _result_);
}
TarvelinProvidersSupportsMariaDBReader* tarvelin_providers_supports_maria_db_reader_new(MYSQL_RES* _result_) {
    return tarvelin_providers_supports_maria_db_reader_construct(MariaDBReader::gtype(), _result_);
}
guint tarvelin_providers_supports_maria_db_reader_get_decimals_size(TarvelinProvidersSupportsMariaDBReader* self,
                                                                    guint16 ordinal) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&MariaDBReader::get_decimals_size>(G_STRFUNC, self, ordinal);
}

// The helpers of these interfaces use nothing of the instance they are called on.
GType tarvelin_providers_supports_imaria_db_error_get_type(void) { return IMariaDBError::gtype(); }
GType tarvelin_providers_supports_imaria_db_type_get_type(void) { return IMariaDBType::gtype(); }

void tarvelin_providers_supports_imaria_db_error_raise_error(TarvelinProvidersSupportsIMariaDBError* self,
                                                             MYSQL* connection, gint result, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    gobj::invoke<&IMariaDBError::raise_error>(G_STRFUNC, connection, result, error);
}
void tarvelin_providers_supports_imaria_db_error_dump(TarvelinProvidersSupportsIMariaDBError* self, MYSQL* connection) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    gobj::invoke<&mysql_common::dump>(G_STRFUNC, connection);
}
TarvelinProvidersContractsDataType tarvelin_providers_supports_imaria_db_type_map_data_type(
    TarvelinProvidersSupportsIMariaDBType* self, guint field_type, guint flags) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::invoke<&mysql_common::map_data_type>(G_STRFUNC, field_type, flags);
}
gchar* tarvelin_providers_supports_imaria_db_type_map_dbms_type(TarvelinProvidersSupportsIMariaDBType* self,
                                                                guint field_type, guint) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&mysql_common::map_dbms_type>(G_STRFUNC, field_type);
}

}  // extern "C"
