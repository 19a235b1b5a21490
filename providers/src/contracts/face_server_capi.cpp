// C face of the server record.
//
// Made by TARVELIN_CLASS_CAPI: tarvelin_providers_contracts_server_get_type,
// tarvelin_providers_contracts_server_construct, tarvelin_providers_contracts_server_new.
//
// Made by the property rows (every row but "databases"):
// tarvelin_providers_contracts_server_get_uuid, tarvelin_providers_contracts_server_set_uuid,
// tarvelin_providers_contracts_server_get_provider, tarvelin_providers_contracts_server_set_provider,
// tarvelin_providers_contracts_server_get_driver, tarvelin_providers_contracts_server_set_driver,
// tarvelin_providers_contracts_server_get_title, tarvelin_providers_contracts_server_set_title,
// tarvelin_providers_contracts_server_get_host, tarvelin_providers_contracts_server_set_host,
// tarvelin_providers_contracts_server_get_port, tarvelin_providers_contracts_server_set_port,
// tarvelin_providers_contracts_server_get_username, tarvelin_providers_contracts_server_set_username,
// tarvelin_providers_contracts_server_get_password, tarvelin_providers_contracts_server_set_password,
// tarvelin_providers_contracts_server_get_initial, tarvelin_providers_contracts_server_set_initial,
// tarvelin_providers_contracts_server_get_filename, tarvelin_providers_contracts_server_set_filename,
// tarvelin_providers_contracts_server_get_location, tarvelin_providers_contracts_server_set_location,
// tarvelin_providers_contracts_server_get_extensions, tarvelin_providers_contracts_server_set_extensions,
// tarvelin_providers_contracts_server_get_options, tarvelin_providers_contracts_server_set_options,
// tarvelin_providers_contracts_server_get_ssh_using, tarvelin_providers_contracts_server_set_ssh_using,
// tarvelin_providers_contracts_server_get_ssh_process, tarvelin_providers_contracts_server_set_ssh_process,
// tarvelin_providers_contracts_server_get_ssh_host, tarvelin_providers_contracts_server_set_ssh_host,
// tarvelin_providers_contracts_server_get_ssh_port, tarvelin_providers_contracts_server_set_ssh_port,
// tarvelin_providers_contracts_server_get_ssh_auth_type, tarvelin_providers_contracts_server_set_ssh_auth_type,
// tarvelin_providers_contracts_server_get_ssh_username, tarvelin_providers_contracts_server_set_ssh_username,
// tarvelin_providers_contracts_server_get_ssh_password, tarvelin_providers_contracts_server_set_ssh_password,
// tarvelin_providers_contracts_server_get_ssh_key_private_file,
// tarvelin_providers_contracts_server_set_ssh_key_private_file, tarvelin_providers_contracts_server_get_ssl_using,
// tarvelin_providers_contracts_server_set_ssl_using, tarvelin_providers_contracts_server_get_ssl_ca_file,
// tarvelin_providers_contracts_server_set_ssl_ca_file, tarvelin_providers_contracts_server_get_ssl_cert_file,
// tarvelin_providers_contracts_server_set_ssl_cert_file, tarvelin_providers_contracts_server_get_ssl_key_file,
// tarvelin_providers_contracts_server_set_ssl_key_file, tarvelin_providers_contracts_server_get_ssl_mode,
// tarvelin_providers_contracts_server_set_ssl_mode, tarvelin_providers_contracts_server_get_ssl_password,
// tarvelin_providers_contracts_server_set_ssl_password.
#include "providers/contracts/face_server.hpp"

TARVELIN_LOG_TAG("face_server_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

static_assert(sizeof(TarvelinProvidersContractsServer) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsServerClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_CLASS_CAPI(Server, TarvelinProvidersContractsServer, tarvelin_providers_contracts_server)

TarvelinProvidersContractsServer* tarvelin_providers_contracts_server_construct_with_provider(GType object_type,
                                                                                            const gchar* _provider) {
    g_return_val_if_fail(_provider != NULL, NULL);
    return gobj::invoke<&Server::construct_with_provider>(G_STRFUNC, object_type, _provider);
}
TarvelinProvidersContractsServer* tarvelin_providers_contracts_server_new_with_provider(const gchar* _provider) {
    return tarvelin_providers_contracts_server_construct_with_provider(Server::gtype(), _provider);
}
TarvelinProvidersContractsServer* tarvelin_providers_contracts_server_clone(TarvelinProvidersContractsServer* self,
                                                                           gboolean new_uuid) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Server::clone>(G_STRFUNC, self, new_uuid);
}

#define TARVELIN_CAPI_CLASS Server
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsServer
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_server
TARVELIN_SERVER_PROPERTIES(TARVELIN_PROPERTY_CAPI, TARVELIN_SERVER_SKIP)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

gchar** tarvelin_providers_contracts_server_get_databases(TarvelinProvidersContractsServer* self,
                                                          gint* result_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Server::databases_with_length, gobj::borrow>(G_STRFUNC, self, result_length1);
}
void tarvelin_providers_contracts_server_set_databases(TarvelinProvidersContractsServer* self, gchar** value,
                                                       gint value_length1) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Server::copy_databases>(G_STRFUNC, self, value, value_length1);
}

}  // extern "C"
