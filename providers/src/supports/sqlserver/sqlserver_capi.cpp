// C face of the SQL Server driver.
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
using gobj::cast;

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
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsTdsMessage*>(TdsMessage::create(object_type).release());
    });
}
TarvelinProvidersSupportsTdsMessage* tarvelin_providers_supports_tds_message_new(void) {
    return tarvelin_providers_supports_tds_message_construct(TdsMessage::gtype());
}
gint32 tarvelin_providers_supports_tds_message_get_error(TarvelinProvidersSupportsTdsMessage* self) {
    g_return_val_if_fail(self != NULL, 0);
    return cast<TdsMessage>(self)->get_error();
}
void tarvelin_providers_supports_tds_message_set_error(TarvelinProvidersSupportsTdsMessage* self, gint32 value) {
    g_return_if_fail(self != NULL);
    cast<TdsMessage>(self)->set_error(value);
}
gint32 tarvelin_providers_supports_tds_message_get_severity(TarvelinProvidersSupportsTdsMessage* self) {
    g_return_val_if_fail(self != NULL, 0);
    return cast<TdsMessage>(self)->get_severity();
}
void tarvelin_providers_supports_tds_message_set_severity(TarvelinProvidersSupportsTdsMessage* self, gint32 value) {
    g_return_if_fail(self != NULL);
    cast<TdsMessage>(self)->set_severity(value);
}
const gchar* tarvelin_providers_supports_tds_message_get_source(TarvelinProvidersSupportsTdsMessage* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<TdsMessage>(self)->get_source();
}
void tarvelin_providers_supports_tds_message_set_source(TarvelinProvidersSupportsTdsMessage* self,
                                                        const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<TdsMessage>(self)->set_source(value); });
}
const gchar* tarvelin_providers_supports_tds_message_get_message(TarvelinProvidersSupportsTdsMessage* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<TdsMessage>(self)->get_message();
}
void tarvelin_providers_supports_tds_message_set_message(TarvelinProvidersSupportsTdsMessage* self,
                                                         const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<TdsMessage>(self)->set_message(value); });
}

// ---------------------------------------------------------------- TdsUserData

GType tarvelin_providers_supports_tds_user_data_get_type(void) { return tds_user_data_gtype(); }

void tarvelin_providers_supports_tds_user_data_copy(const TarvelinProvidersSupportsTdsUserData* self,
                                                    TarvelinProvidersSupportsTdsUserData* dest) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(dest != NULL);
    // Take the new reference before dropping the old one: self and dest may share the queue.
    GeeArrayQueue* shared = self->messages ? static_cast<GeeArrayQueue*>(g_object_ref(self->messages)) : nullptr;
    GeeArrayQueue* old = dest->messages;
    *dest = *self;
    dest->messages = shared;
    if (old) g_object_unref(old);
}
TarvelinProvidersSupportsTdsUserData* tarvelin_providers_supports_tds_user_data_dup(
    const TarvelinProvidersSupportsTdsUserData* self) {
    g_return_val_if_fail(self != NULL, NULL);
    auto* dup = g_new0(TarvelinProvidersSupportsTdsUserData, 1);
    tarvelin_providers_supports_tds_user_data_copy(self, dup);
    return dup;
}
void tarvelin_providers_supports_tds_user_data_destroy(TarvelinProvidersSupportsTdsUserData* self) {
    g_return_if_fail(self != NULL);
    if (self->messages) g_object_unref(std::exchange(self->messages, nullptr));
}
void tarvelin_providers_supports_tds_user_data_free(TarvelinProvidersSupportsTdsUserData* self) {
    g_return_if_fail(self != NULL);
    tarvelin_providers_supports_tds_user_data_destroy(self);
    g_free(self);
}

// ---------------------------------------------------------------- ISQLServerError

GType tarvelin_providers_supports_isql_server_error_get_type(void) { return ISQLServerError::gtype(); }

TarvelinProvidersSupportsTdsUserData* tarvelin_providers_supports_isql_server_error_get_userdata(
    TarvelinProvidersSupportsISQLServerError* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch(ISQLServerError::gtype(), self, &TarvelinProvidersSupportsISQLServerErrorInterface::get_userdata,
                          static_cast<TarvelinProvidersSupportsTdsUserData*>(nullptr));
}
void tarvelin_providers_supports_isql_server_error_raise_error(TarvelinProvidersSupportsISQLServerError* self,
                                                               gint code, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] {
        ISQLServerError::raise_error_for(tarvelin_providers_supports_isql_server_error_get_userdata(self), code);
    });
}

// ---------------------------------------------------------------- ISQLServerType

GType tarvelin_providers_supports_isql_server_type_get_type(void) { return ISQLServerType::gtype(); }

TarvelinProvidersContractsDataType tarvelin_providers_supports_isql_server_type_map_data_type(
    TarvelinProvidersSupportsISQLServerType* self, gint type, gint length) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return ISQLServerType::map_data_type(type, length);
}
gchar* tarvelin_providers_supports_isql_server_type_map_dbms_type(TarvelinProvidersSupportsISQLServerType* self,
                                                                  gint type, gint length) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(ISQLServerType::map_dbms_type(type, length)); });
}
gint tarvelin_providers_supports_isql_server_type_map_bind_type(TarvelinProvidersSupportsISQLServerType* self,
                                                                gint type) {
    g_return_val_if_fail(self != NULL, 0);
    return ISQLServerType::map_bind_type(type);
}

// ---------------------------------------------------------------- provider and reader

GType tarvelin_providers_supports_sql_server_provider_get_type(void) { return SQLServerProvider::gtype(); }

TarvelinProvidersSupportsSQLServerProvider* tarvelin_providers_supports_sql_server_provider_construct(
    GType object_type) {
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsSQLServerProvider*>(
            SQLServerProvider::create(object_type).release());
    });
}
TarvelinProvidersSupportsSQLServerProvider* tarvelin_providers_supports_sql_server_provider_new(void) {
    return tarvelin_providers_supports_sql_server_provider_construct(SQLServerProvider::gtype());
}

GType tarvelin_providers_supports_sql_server_reader_get_type(void) { return SQLServerReader::gtype(); }

TarvelinProvidersSupportsSQLServerReader* tarvelin_providers_supports_sql_server_reader_construct(
    GType object_type, struct tds_dblib_dbprocess* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersSupportsSQLServerReader*>(
            SQLServerReader::create(connection, {}, object_type).release());
    });
}
TarvelinProvidersSupportsSQLServerReader* tarvelin_providers_supports_sql_server_reader_new(
    struct tds_dblib_dbprocess* connection) {
    return tarvelin_providers_supports_sql_server_reader_construct(SQLServerReader::gtype(), connection);
}

}  // extern "C"
