// C face of the server record.
#include "providers/contracts/face_server.hpp"

TARVELIN_LOG_TAG("face_server_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

static_assert(sizeof(TarvelinProvidersContractsServer) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsServerClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_API GType tarvelin_providers_contracts_server_get_type(void) { return Server::gtype(); }

TarvelinProvidersContractsServer* tarvelin_providers_contracts_server_construct(GType object_type) {
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersContractsServer*>(Server::create(object_type).release());
    });
}
TarvelinProvidersContractsServer* tarvelin_providers_contracts_server_new(void) {
    return tarvelin_providers_contracts_server_construct(Server::gtype());
}
TarvelinProvidersContractsServer* tarvelin_providers_contracts_server_construct_with_provider(GType object_type,
                                                                                            const gchar* _provider) {
    g_return_val_if_fail(_provider != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersContractsServer*>(
            Server::create_with_provider(_provider, object_type).release());
    });
}
TarvelinProvidersContractsServer* tarvelin_providers_contracts_server_new_with_provider(const gchar* _provider) {
    return tarvelin_providers_contracts_server_construct_with_provider(Server::gtype(), _provider);
}
TarvelinProvidersContractsServer* tarvelin_providers_contracts_server_clone(TarvelinProvidersContractsServer* self,
                                                                           gboolean new_uuid) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersContractsServer*>(cast<Server>(self)->clone(new_uuid != FALSE).release());
    });
}

#define SERVER_TEXT_CAPI(field, name, initial)                                                                 \
    const gchar* tarvelin_providers_contracts_server_get_##field(TarvelinProvidersContractsServer* self) {     \
        g_return_val_if_fail(self != NULL, NULL);                                                              \
        return gobj::c_str(cast<Server>(self)->get_##field());                                                 \
    }                                                                                                          \
    void tarvelin_providers_contracts_server_set_##field(TarvelinProvidersContractsServer* self,               \
                                                         const gchar* value) {                                 \
        g_return_if_fail(self != NULL);                                                                        \
        gobj::guarded(__func__, [&] { cast<Server>(self)->set_##field(gobj::opt(value)); });              \
    }
TARVELIN_SERVER_TEXTS(SERVER_TEXT_CAPI)
#undef SERVER_TEXT_CAPI

#define SERVER_VALUE_CAPI(field, ctype)                                                                        \
    ctype tarvelin_providers_contracts_server_get_##field(TarvelinProvidersContractsServer* self) {            \
        g_return_val_if_fail(self != NULL, 0);                                                                 \
        return ctype(cast<Server>(self)->get_##field());                                                       \
    }                                                                                                          \
    void tarvelin_providers_contracts_server_set_##field(TarvelinProvidersContractsServer* self, ctype value) { \
        g_return_if_fail(self != NULL);                                                                        \
        cast<Server>(self)->set_##field(value);                                                                \
    }
SERVER_VALUE_CAPI(port, gint)
SERVER_VALUE_CAPI(ssh_port, gint)
#undef SERVER_VALUE_CAPI

gboolean tarvelin_providers_contracts_server_get_ssh_using(TarvelinProvidersContractsServer* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return cast<Server>(self)->get_ssh_using();
}
void tarvelin_providers_contracts_server_set_ssh_using(TarvelinProvidersContractsServer* self, gboolean value) {
    g_return_if_fail(self != NULL);
    cast<Server>(self)->set_ssh_using(value != FALSE);
}
gboolean tarvelin_providers_contracts_server_get_ssl_using(TarvelinProvidersContractsServer* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return cast<Server>(self)->get_ssl_using();
}
void tarvelin_providers_contracts_server_set_ssl_using(TarvelinProvidersContractsServer* self, gboolean value) {
    g_return_if_fail(self != NULL);
    cast<Server>(self)->set_ssl_using(value != FALSE);
}

gchar** tarvelin_providers_contracts_server_get_databases(TarvelinProvidersContractsServer* self,
                                                          gint* result_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    auto* s = cast<Server>(self);
    if (result_length1) *result_length1 = s->get_databases_length();
    return s->get_databases();
}
void tarvelin_providers_contracts_server_set_databases(TarvelinProvidersContractsServer* self, gchar** value,
                                                       gint value_length1) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<Server>(self)->set_databases(value, value_length1); });
}

}  // extern "C"
