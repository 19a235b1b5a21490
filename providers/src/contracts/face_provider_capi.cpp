// C face of the provider contract: the dispatchers through the interface structure. The
// argument checks of every operation live here, for our drivers and a host's alike.
#include "providers/contracts/face_provider.hpp"

TARVELIN_LOG_TAG("face_provider_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using V = TarvelinProvidersContractsIProviderInterface;

extern "C" {

GType tarvelin_providers_contracts_iprovider_get_type(void) { return IProvider::gtype(); }

void tarvelin_providers_contracts_iprovider_open(TarvelinProvidersContractsIProvider* self,
                                                 TarvelinProvidersContractsServer* server,
                                                 const gchar* connection_string, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(server != NULL);
    g_return_if_fail(connection_string != NULL);
    gobj::dispatch<&V::open>(G_STRFUNC, self, server, connection_string, error);
}
void tarvelin_providers_contracts_iprovider_close(TarvelinProvidersContractsIProvider* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&V::close>(G_STRFUNC, self, error);
}
TarvelinProvidersContractsTableModel* tarvelin_providers_contracts_iprovider_execute_model(
    TarvelinProvidersContractsIProvider* self, const gchar* statement, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(statement != NULL, NULL);
    return gobj::dispatch<&V::execute_model>(G_STRFUNC, self, statement, flag, error);
}
gint64 tarvelin_providers_contracts_iprovider_execute_affect(TarvelinProvidersContractsIProvider* self,
                                                             const gchar* statement, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, 0);
    g_return_val_if_fail(statement != NULL, 0);
    return gobj::dispatch<&V::execute_affect>(G_STRFUNC, self, statement, flag, error);
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_iprovider_execute_scalar(
    TarvelinProvidersContractsIProvider* self, const gchar* statement, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(statement != NULL, NULL);
    return gobj::dispatch<&V::execute_scalar>(G_STRFUNC, self, statement, flag, error);
}
GObject** tarvelin_providers_contracts_iprovider_execute_statements(TarvelinProvidersContractsIProvider* self,
                                                                    const gchar* statements, gboolean flag,
                                                                    gint* result_length1, GError** error) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(statements != NULL, NULL);
    return gobj::dispatch<&V::execute_statements>(G_STRFUNC, self, statements, flag, result_length1, error);
}
TarvelinProvidersContractsIDataReader* tarvelin_providers_contracts_iprovider_execute_reader(
    TarvelinProvidersContractsIProvider* self, const gchar* statement, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(statement != NULL, NULL);
    return gobj::dispatch<&V::execute_reader>(G_STRFUNC, self, statement, error);
}
gboolean tarvelin_providers_contracts_iprovider_transaction(TarvelinProvidersContractsIProvider* self,
                                                            GError** error) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::dispatch<&V::transaction>(G_STRFUNC, self, error);
}
void tarvelin_providers_contracts_iprovider_commit(TarvelinProvidersContractsIProvider* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&V::commit>(G_STRFUNC, self, error);
}
void tarvelin_providers_contracts_iprovider_rollback(TarvelinProvidersContractsIProvider* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&V::rollback>(G_STRFUNC, self, error);
}
gboolean tarvelin_providers_contracts_iprovider_get_is_opened(TarvelinProvidersContractsIProvider* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::dispatch<&V::get_is_opened>(G_STRFUNC, self);
}

}  // extern "C"
