// C face of the MariaDB driver.
#include "providers/supports/mariadb/provider.hpp"
#include "providers/supports/mysql_common/capi.hpp"

TARVELIN_LOG_TAG("mariadb_capi")

using namespace tarvelin;
using namespace tarvelin::providers::supports;
using namespace tarvelin::providers::supports::mariadb;
namespace capi = mysql_common::capi;

static_assert(sizeof(TarvelinProvidersSupportsMariaDBProvider) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsMariaDBReader) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsMariaDBProviderClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_API GType tarvelin_providers_supports_maria_db_provider_get_type(void) { return MariaDBProvider::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_maria_db_reader_get_type(void) { return MariaDBReader::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_imaria_db_error_get_type(void) { return IMariaDBError::gtype(); }
TARVELIN_API GType tarvelin_providers_supports_imaria_db_type_get_type(void) { return IMariaDBType::gtype(); }

TarvelinProvidersSupportsMariaDBProvider* tarvelin_providers_supports_maria_db_provider_construct(GType object_type) {
    return capi::provider_construct<MariaDBProvider, TarvelinProvidersSupportsMariaDBProvider>(object_type);
}
TarvelinProvidersSupportsMariaDBProvider* tarvelin_providers_supports_maria_db_provider_new(void) {
    return tarvelin_providers_supports_maria_db_provider_construct(MariaDBProvider::gtype());
}

TarvelinProvidersSupportsMariaDBReader* tarvelin_providers_supports_maria_db_reader_construct(GType object_type,
                                                                                       MYSQL_RES* _result_) {
    g_return_val_if_fail(_result_ != NULL, NULL);
    return capi::reader_construct<MariaDBReader, TarvelinProvidersSupportsMariaDBReader>(object_type, _result_);
}
TarvelinProvidersSupportsMariaDBReader* tarvelin_providers_supports_maria_db_reader_new(MYSQL_RES* _result_) {
    return tarvelin_providers_supports_maria_db_reader_construct(MariaDBReader::gtype(), _result_);
}
guint tarvelin_providers_supports_maria_db_reader_get_decimals_size(TarvelinProvidersSupportsMariaDBReader* self,
                                                                  guint16 ordinal) {
    g_return_val_if_fail(self != NULL, 0);
    return capi::decimals_size<MariaDBReader>(self, ordinal);
}

void tarvelin_providers_supports_imaria_db_error_raise_error(TarvelinProvidersSupportsIMariaDBError* self,
                                                           MYSQL* connection, gint result, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    capi::raise_error(kProduct, connection, result, error);
}
void tarvelin_providers_supports_imaria_db_error_dump(TarvelinProvidersSupportsIMariaDBError* self, MYSQL* connection) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(connection != NULL);
    mysql_common::dump(connection);
}

TarvelinProvidersContractsDataType tarvelin_providers_supports_imaria_db_type_map_data_type(
    TarvelinProvidersSupportsIMariaDBType* self, guint field_type, guint flags) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return mysql_common::map_data_type(field_type, flags);
}
gchar* tarvelin_providers_supports_imaria_db_type_map_dbms_type(TarvelinProvidersSupportsIMariaDBType* self,
                                                              guint field_type, guint) {
    g_return_val_if_fail(self != NULL, NULL);
    return capi::dbms_type(field_type);
}

}  // extern "C"
