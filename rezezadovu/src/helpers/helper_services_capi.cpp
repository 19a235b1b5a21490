// C face of the service shortcuts and the password protection.
#include "rezezadovu/helpers/helper_capi.hpp"
#include "rezezadovu/helpers/helper_password.hpp"
#include "rezezadovu/helpers/helper_service.hpp"

TARVELIN_LOG_TAG("helper_services_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::helpers;

extern "C" {

TARVELIN_HELPER_CAPI(ServiceHelper, service_helper)
TARVELIN_HELPER_CAPI(PasswordHelper, password_helper)

TarvelinRezezadovuContractsSettingUserSetting* tarvelin_rezezadovu_helpers_service_helper_setting(void) {
    return static_cast<TarvelinRezezadovuContractsSettingUserSetting*>(ServiceHelper::setting().release());
}
TarvelinProvidersContractsServerSetting* tarvelin_rezezadovu_helpers_service_helper_servers(void) {
    return static_cast<TarvelinProvidersContractsServerSetting*>(ServiceHelper::servers().release());
}
TarvelinRezezadovuContractsCryptoISymmetricCipher* tarvelin_rezezadovu_helpers_service_helper_cipher(void) {
    return static_cast<TarvelinRezezadovuContractsCryptoISymmetricCipher*>(ServiceHelper::cipher().release());
}
TarvelinRezezadovuContractsCryptoIAsymmetricCipher* tarvelin_rezezadovu_helpers_service_helper_pubkey(void) {
    return static_cast<TarvelinRezezadovuContractsCryptoIAsymmetricCipher*>(ServiceHelper::pubkey().release());
}

void tarvelin_rezezadovu_helpers_password_helper_encrypt_password(TarvelinProvidersContractsServer* server) {
    g_return_if_fail(server != NULL);
    gobj::guarded(__func__, [&] { PasswordHelper::encrypt_password(*gobj::cast<tarvelin::providers::contracts::Server>(server)); });
}
void tarvelin_rezezadovu_helpers_password_helper_decrypt_password(TarvelinProvidersContractsServer* server) {
    g_return_if_fail(server != NULL);
    gobj::guarded(__func__, [&] { PasswordHelper::decrypt_password(*gobj::cast<tarvelin::providers::contracts::Server>(server)); });
}
gchar* tarvelin_rezezadovu_helpers_password_helper_generate_password(gint length) {
    g_return_val_if_fail(length >= 0, NULL);
    return gobj::dup_string(PasswordHelper::generate_password(length));
}

}  // extern "C"
