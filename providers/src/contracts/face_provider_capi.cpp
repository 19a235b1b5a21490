// C face of the provider contract: dispatchers through the interface structure.
#include "providers/contracts/face_provider.hpp"

TARVELIN_LOG_TAG("face_provider_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

#define IPROVIDER_DISPATCH(slot, empty, ...)                                                 \
    gobj::dispatch(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IPROVIDER, self,                         \
                   &TarvelinProvidersContractsIProviderInterface::slot, empty __VA_OPT__(, ) __VA_ARGS__)
#define IPROVIDER_DISPATCH_VOID(slot, ...)                                                   \
    gobj::dispatch_void(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IPROVIDER, self,                    \
                        &TarvelinProvidersContractsIProviderInterface::slot __VA_OPT__(, ) __VA_ARGS__)

extern "C" {

TARVELIN_API GType tarvelin_providers_contracts_iprovider_get_type(void) { return IProvider::gtype(); }

void tarvelin_providers_contracts_iprovider_open(TarvelinProvidersContractsIProvider* self,
                                                 TarvelinProvidersContractsServer* server,
                                                 const gchar* connection_string, GError** error) {
    g_return_if_fail(self != NULL);
    IPROVIDER_DISPATCH_VOID(open, server, connection_string, error);
}
void tarvelin_providers_contracts_iprovider_close(TarvelinProvidersContractsIProvider* self, GError** error) {
    g_return_if_fail(self != NULL);
    IPROVIDER_DISPATCH_VOID(close, error);
}
TarvelinProvidersContractsTableModel* tarvelin_providers_contracts_iprovider_execute_model(
    TarvelinProvidersContractsIProvider* self, const gchar* statement, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return IPROVIDER_DISPATCH(execute_model, nullptr, statement, flag, error);
}
gint64 tarvelin_providers_contracts_iprovider_execute_affect(TarvelinProvidersContractsIProvider* self,
                                                             const gchar* statement, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, 0);
    return IPROVIDER_DISPATCH(execute_affect, gint64(-1), statement, flag, error);
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_iprovider_execute_scalar(
    TarvelinProvidersContractsIProvider* self, const gchar* statement, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return IPROVIDER_DISPATCH(execute_scalar, nullptr, statement, flag, error);
}
GObject** tarvelin_providers_contracts_iprovider_execute_statements(TarvelinProvidersContractsIProvider* self,
                                                                    const gchar* statements, gboolean flag,
                                                                    gint* result_length1, GError** error) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    return IPROVIDER_DISPATCH(execute_statements, nullptr, statements, flag, result_length1, error);
}
TarvelinProvidersContractsIDataReader* tarvelin_providers_contracts_iprovider_execute_reader(
    TarvelinProvidersContractsIProvider* self, const gchar* statement, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return IPROVIDER_DISPATCH(execute_reader, nullptr, statement, error);
}
gboolean tarvelin_providers_contracts_iprovider_transaction(TarvelinProvidersContractsIProvider* self,
                                                            GError** error) {
    g_return_val_if_fail(self != NULL, FALSE);
    return IPROVIDER_DISPATCH(transaction, FALSE, error);
}
void tarvelin_providers_contracts_iprovider_commit(TarvelinProvidersContractsIProvider* self, GError** error) {
    g_return_if_fail(self != NULL);
    IPROVIDER_DISPATCH_VOID(commit, error);
}
void tarvelin_providers_contracts_iprovider_rollback(TarvelinProvidersContractsIProvider* self, GError** error) {
    g_return_if_fail(self != NULL);
    IPROVIDER_DISPATCH_VOID(rollback, error);
}
gboolean tarvelin_providers_contracts_iprovider_get_is_opened(TarvelinProvidersContractsIProvider* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return IPROVIDER_DISPATCH(get_is_opened, FALSE);
}

}  // extern "C"
