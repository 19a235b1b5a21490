// C face of the SQL Server driver.
//
// Made by TARVELIN_FUNDAMENTAL_CAPI: tarvelin_providers_supports_tds_message_get_type,
// tarvelin_providers_supports_tds_message_ref, tarvelin_providers_supports_tds_message_unref,
// tarvelin_providers_supports_param_spec_tds_message, tarvelin_providers_supports_value_set_tds_message,
// tarvelin_providers_supports_value_take_tds_message, tarvelin_providers_supports_value_get_tds_message.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_supports_sql_server_provider_get_type,
// tarvelin_providers_supports_sql_server_provider_construct, tarvelin_providers_supports_sql_server_provider_new.
#include "providers/gobj/fundamental_capi.hpp"
#include "providers/supports/sqlserver/provider.hpp"
#include "providers/supports/sqlserver/reader.hpp"
#include "providers/supports/sqlserver/error.hpp"
#include "providers/supports/sqlserver/type.hpp"
#include "providers/supports/sqlserver/tds_message.hpp"
#include "providers/supports/sqlserver/tds_user_data.hpp"

TARVELIN_LOG_TAG("sqlserver_capi")

using namespace tarvelin;
using namespace tarvelin::providers::supports::sqlserver;

static_assert(sizeof(TarvelinProvidersSupportsSQLServerProvider) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsSQLServerProviderClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinProvidersSupportsSQLServerReader) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersSupportsSQLServerReaderClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinProvidersSupportsTdsMessage) == sizeof(gobj::FundamentalInstance));
static_assert(sizeof(TarvelinProvidersSupportsTdsMessageClass) == sizeof(gobj::FundamentalClass));

extern "C" {

// ---------------------------------------------------------------- TdsMessage

TARVELIN_FUNDAMENTAL_CAPI(TdsMessage, tarvelin_providers_supports_, tds_message)

TarvelinProvidersSupportsTdsMessage* tarvelin_providers_supports_tds_message_construct(GType object_type) {
    return gobj::invoke<&TdsMessage::create>(G_STRFUNC, object_type);
}
TarvelinProvidersSupportsTdsMessage* tarvelin_providers_supports_tds_message_new(void) {
    return tarvelin_providers_supports_tds_message_construct(TdsMessage::gtype());
}
gint32 tarvelin_providers_supports_tds_message_get_error(TarvelinProvidersSupportsTdsMessage* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&TdsMessage::get_error>(G_STRFUNC, self);
}
void tarvelin_providers_supports_tds_message_set_error(TarvelinProvidersSupportsTdsMessage* self, gint32 value) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&TdsMessage::set_error>(G_STRFUNC, self, value);
}
gint32 tarvelin_providers_supports_tds_message_get_severity(TarvelinProvidersSupportsTdsMessage* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&TdsMessage::get_severity>(G_STRFUNC, self);
}
void tarvelin_providers_supports_tds_message_set_severity(TarvelinProvidersSupportsTdsMessage* self, gint32 value) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&TdsMessage::set_severity>(G_STRFUNC, self, value);
}
const gchar* tarvelin_providers_supports_tds_message_get_source(TarvelinProvidersSupportsTdsMessage* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&TdsMessage::get_source, gobj::borrow>(G_STRFUNC, self);
}
void tarvelin_providers_supports_tds_message_set_source(TarvelinProvidersSupportsTdsMessage* self,
                                                        const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&TdsMessage::set_source>(G_STRFUNC, self, value);
}
const gchar* tarvelin_providers_supports_tds_message_get_message(TarvelinProvidersSupportsTdsMessage* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&TdsMessage::get_message, gobj::borrow>(G_STRFUNC, self);
}
void tarvelin_providers_supports_tds_message_set_message(TarvelinProvidersSupportsTdsMessage* self,
                                                         const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&TdsMessage::set_message>(G_STRFUNC, self, value);
}

// ---------------------------------------------------------------- TdsUserData

GType tarvelin_providers_supports_tds_user_data_get_type(void) { return tds_user_data_gtype(); }

void tarvelin_providers_supports_tds_user_data_copy(const TarvelinProvidersSupportsTdsUserData* self,
                                                    TarvelinProvidersSupportsTdsUserData* dest) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(dest != NULL);
    gobj::invoke<&copy_user_data>(G_STRFUNC, self, dest);
}
TarvelinProvidersSupportsTdsUserData* tarvelin_providers_supports_tds_user_data_dup(
    const TarvelinProvidersSupportsTdsUserData* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&dup_user_data>(G_STRFUNC, self);
}
void tarvelin_providers_supports_tds_user_data_destroy(TarvelinProvidersSupportsTdsUserData* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&destroy_user_data>(G_STRFUNC, self);
}
void tarvelin_providers_supports_tds_user_data_free(TarvelinProvidersSupportsTdsUserData* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&free_user_data>(G_STRFUNC, self);
}

// ---------------------------------------------------------------- ISQLServerError, ISQLServerType

GType tarvelin_providers_supports_isql_server_error_get_type(void) { return ISQLServerError::gtype(); }

TarvelinProvidersSupportsTdsUserData* tarvelin_providers_supports_isql_server_error_get_userdata(
    TarvelinProvidersSupportsISQLServerError* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinProvidersSupportsISQLServerErrorInterface::get_userdata>(G_STRFUNC, self);
}
void tarvelin_providers_supports_isql_server_error_raise_error(TarvelinProvidersSupportsISQLServerError* self,
                                                               gint code, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ISQLServerError::raise_error_of>(G_STRFUNC, self, code, error);
}

// The type helpers use nothing of the instance they are called on.
GType tarvelin_providers_supports_isql_server_type_get_type(void) { return ISQLServerType::gtype(); }

TarvelinProvidersContractsDataType tarvelin_providers_supports_isql_server_type_map_data_type(
    TarvelinProvidersSupportsISQLServerType* self, gint type, gint length) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::invoke<&ISQLServerType::map_data_type>(G_STRFUNC, type, length);
}
gchar* tarvelin_providers_supports_isql_server_type_map_dbms_type(TarvelinProvidersSupportsISQLServerType* self,
                                                                  gint type, gint length) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ISQLServerType::map_dbms_type>(G_STRFUNC, type, length);
}
gint tarvelin_providers_supports_isql_server_type_map_bind_type(TarvelinProvidersSupportsISQLServerType* self,
                                                                gint type) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ISQLServerType::map_bind_type>(G_STRFUNC, type);
}

// ---------------------------------------------------------------- provider and reader

TARVELIN_CLASS_CAPI(SQLServerProvider, TarvelinProvidersSupportsSQLServerProvider,
                    tarvelin_providers_supports_sql_server_provider)

GType tarvelin_providers_supports_sql_server_reader_get_type(void) { return SQLServerReader::gtype(); }
TarvelinProvidersSupportsSQLServerReader* tarvelin_providers_supports_sql_server_reader_construct(
    GType object_type, struct tds_dblib_dbprocess* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLServerReader::construct>(G_STRFUNC, object_type, connection);
}
TarvelinProvidersSupportsSQLServerReader* tarvelin_providers_supports_sql_server_reader_new(
    struct tds_dblib_dbprocess* connection) {
    return tarvelin_providers_supports_sql_server_reader_construct(SQLServerReader::gtype(), connection);
}

}  // extern "C"
