// C face of the MySQL driver.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_supports_my_sql_provider_get_type,
// tarvelin_providers_supports_my_sql_provider_construct, tarvelin_providers_supports_my_sql_provider_new.
#include "providers/supports/mysql/provider.hpp"
#include "providers/supports/mysql_common/error.hpp"
#include "providers/supports/mysql_common/type.hpp"

TARVELIN_LOG_TAG("mysql_capi")

using namespace tarvelin;
using namespace tarvelin::providers::supports;
using namespace tarvelin::providers::supports::mysql;

static_assert(sizeof(TarvelinProvidersSupportsMySQLProvider) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsMySQLReader) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsMySQLProviderClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_CLASS_CAPI(MySQLProvider, TarvelinProvidersSupportsMySQLProvider, tarvelin_providers_supports_my_sql_provider)

GType tarvelin_providers_supports_my_sql_reader_get_type(void) { return MySQLReader::gtype(); }
TarvelinProvidersSupportsMySQLReader* tarvelin_providers_supports_my_sql_reader_construct(GType object_type,
                                                                                          MYSQL_RES* _result_) {
    g_return_val_if_fail(_result_ != NULL, NULL);
    return gobj::invoke<&MySQLReader::construct>(G_STRFUNC, object_type, _result_);
}
TarvelinProvidersSupportsMySQLReader* tarvelin_providers_supports_my_sql_reader_new(MYSQL_RES* _result_) {
    return tarvelin_providers_supports_my_sql_reader_construct(MySQLReader::gtype(), _result_);
}
guint tarvelin_providers_supports_my_sql_reader_get_decimals_size(TarvelinProvidersSupportsMySQLReader* self,
                                                                  guint16 ordinal) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&MySQLReader::get_decimals_size>(G_STRFUNC, self, ordinal);
}

// The helpers of these interfaces use nothing of the instance they are called on.
GType tarvelin_providers_supports_imy_sql_error_get_type(void) { return IMySQLError::gtype(); }
GType tarvelin_providers_supports_imy_sql_type_get_type(void) { return IMySQLType::gtype(); }

void tarvelin_providers_supports_imy_sql_error_raise_error(TarvelinProvidersSupportsIMySQLError* self,
                                                           MYSQL* connection, gint result, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    gobj::invoke<&IMySQLError::raise_error>(G_STRFUNC, connection, result, error);
}
void tarvelin_providers_supports_imy_sql_error_dump(TarvelinProvidersSupportsIMySQLError* self, MYSQL* connection) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    gobj::invoke<&mysql_common::dump>(G_STRFUNC, connection);
}
TarvelinProvidersContractsDataType tarvelin_providers_supports_imy_sql_type_map_data_type(
    TarvelinProvidersSupportsIMySQLType* self, guint field_type, guint flags) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::invoke<&mysql_common::map_data_type>(G_STRFUNC, field_type, flags);
}
gchar* tarvelin_providers_supports_imy_sql_type_map_dbms_type(TarvelinProvidersSupportsIMySQLType* self,
                                                              guint field_type, guint) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&mysql_common::map_dbms_type>(G_STRFUNC, field_type);
}

}  // extern "C"
