// C face of the MySQL driver.
#include "providers/supports/mysql/provider.hpp"
#include "providers/supports/mysql_common/capi.hpp"

TARVELIN_LOG_TAG("mysql_capi")

using namespace tarvelin;
using namespace tarvelin::providers::supports;
using namespace tarvelin::providers::supports::mysql;
namespace capi = mysql_common::capi;

static_assert(sizeof(TarvelinProvidersSupportsMySQLProvider) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsMySQLReader) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsMySQLProviderClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_API GType tarvelin_providers_supports_my_sql_provider_get_type(void) { return MySQLProvider::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_my_sql_reader_get_type(void) { return MySQLReader::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_imy_sql_error_get_type(void) { return IMySQLError::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_imy_sql_type_get_type(void) { return IMySQLType::gtype(); }

TarvelinProvidersSupportsMySQLProvider* tarvelin_providers_supports_my_sql_provider_construct(GType object_type) {
    return capi::provider_construct<MySQLProvider, TarvelinProvidersSupportsMySQLProvider>(object_type);
}
TarvelinProvidersSupportsMySQLProvider* tarvelin_providers_supports_my_sql_provider_new(void) {
    return tarvelin_providers_supports_my_sql_provider_construct(MySQLProvider::gtype());
}

TarvelinProvidersSupportsMySQLReader* tarvelin_providers_supports_my_sql_reader_construct(GType object_type,
                                                                                       MYSQL_RES* _result_) {
    g_return_val_if_fail(_result_ != NULL, NULL);
    return capi::reader_construct<MySQLReader, TarvelinProvidersSupportsMySQLReader>(object_type, _result_);
}
TarvelinProvidersSupportsMySQLReader* tarvelin_providers_supports_my_sql_reader_new(MYSQL_RES* _result_) {
    return tarvelin_providers_supports_my_sql_reader_construct(MySQLReader::gtype(), _result_);
}
guint tarvelin_providers_supports_my_sql_reader_get_decimals_size(TarvelinProvidersSupportsMySQLReader* self,
                                                                  guint16 ordinal) {
    g_return_val_if_fail(self != NULL, 0);
    return capi::decimals_size<MySQLReader>(self, ordinal);
}

void tarvelin_providers_supports_imy_sql_error_raise_error(TarvelinProvidersSupportsIMySQLError* self,
                                                           MYSQL* connection, gint result, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    capi::raise_error(kProduct, connection, result, error);
}
void tarvelin_providers_supports_imy_sql_error_dump(TarvelinProvidersSupportsIMySQLError* self, MYSQL* connection) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    mysql_common::dump(connection);
}

TarvelinProvidersContractsDataType tarvelin_providers_supports_imy_sql_type_map_data_type(
    TarvelinProvidersSupportsIMySQLType* self, guint field_type, guint flags) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return mysql_common::map_data_type(field_type, flags);
}
gchar* tarvelin_providers_supports_imy_sql_type_map_dbms_type(TarvelinProvidersSupportsIMySQLType* self,
                                                              guint field_type, guint) {
    g_return_val_if_fail(self != NULL, NULL);
    return capi::dbms_type(field_type);
}

}  // extern "C"
