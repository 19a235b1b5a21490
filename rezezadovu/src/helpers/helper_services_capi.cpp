// C face of the service shortcuts and the password protection. TARVELIN_FUNDAMENTAL_CLASS_CAPI makes
//   tarvelin_rezezadovu_helpers_service_helper_get_type
//   tarvelin_rezezadovu_helpers_service_helper_ref
//   tarvelin_rezezadovu_helpers_service_helper_unref
//   tarvelin_rezezadovu_helpers_param_spec_service_helper
//   tarvelin_rezezadovu_helpers_value_set_service_helper
//   tarvelin_rezezadovu_helpers_value_take_service_helper
//   tarvelin_rezezadovu_helpers_value_get_service_helper
//   tarvelin_rezezadovu_helpers_service_helper_construct
//   tarvelin_rezezadovu_helpers_service_helper_new
//   tarvelin_rezezadovu_helpers_password_helper_get_type
//   tarvelin_rezezadovu_helpers_password_helper_ref
//   tarvelin_rezezadovu_helpers_password_helper_unref
//   tarvelin_rezezadovu_helpers_param_spec_password_helper
//   tarvelin_rezezadovu_helpers_value_set_password_helper
//   tarvelin_rezezadovu_helpers_value_take_password_helper
//   tarvelin_rezezadovu_helpers_value_get_password_helper
//   tarvelin_rezezadovu_helpers_password_helper_construct
//   tarvelin_rezezadovu_helpers_password_helper_new
#include "providers/gobj/fundamental_capi.hpp"
#include "rezezadovu/helpers/helper_password.hpp"
#include "rezezadovu/helpers/helper_service.hpp"

TARVELIN_LOG_TAG("helper_services_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::helpers;

extern "C" {

TARVELIN_FUNDAMENTAL_CLASS_CAPI(ServiceHelper, TarvelinRezezadovuHelpersServiceHelper,
                                tarvelin_rezezadovu_helpers_, service_helper)
TARVELIN_FUNDAMENTAL_CLASS_CAPI(PasswordHelper, TarvelinRezezadovuHelpersPasswordHelper,
                                tarvelin_rezezadovu_helpers_, password_helper)

TarvelinRezezadovuContractsSettingUserSetting* tarvelin_rezezadovu_helpers_service_helper_setting(void) {
    return gobj::invoke<&ServiceHelper::setting>(G_STRFUNC);
}
TarvelinProvidersContractsServerSetting* tarvelin_rezezadovu_helpers_service_helper_servers(void) {
    return gobj::invoke<&ServiceHelper::servers>(G_STRFUNC);
}
TarvelinRezezadovuContractsCryptoISymmetricCipher* tarvelin_rezezadovu_helpers_service_helper_cipher(void) {
    return gobj::invoke<&ServiceHelper::cipher>(G_STRFUNC);
}
TarvelinRezezadovuContractsCryptoIAsymmetricCipher* tarvelin_rezezadovu_helpers_service_helper_pubkey(void) {
    return gobj::invoke<&ServiceHelper::pubkey>(G_STRFUNC);
}

void tarvelin_rezezadovu_helpers_password_helper_encrypt_password(TarvelinProvidersContractsServer* server) {
    g_return_if_fail(server != NULL);
    gobj::invoke<&PasswordHelper::encrypt_password>(G_STRFUNC, server);
}
void tarvelin_rezezadovu_helpers_password_helper_decrypt_password(TarvelinProvidersContractsServer* server) {
    g_return_if_fail(server != NULL);
    gobj::invoke<&PasswordHelper::decrypt_password>(G_STRFUNC, server);
}
gboolean tarvelin_rezezadovu_helpers_password_helper_try_encrypt_password(TarvelinProvidersContractsServer* server,
                                                                          GError** error) {
    g_return_val_if_fail(server != NULL, FALSE);
    return gobj::invoke<&PasswordHelper::try_encrypt_password>(G_STRFUNC, server, error);
}
gboolean tarvelin_rezezadovu_helpers_password_helper_try_decrypt_password(TarvelinProvidersContractsServer* server,
                                                                          GError** error) {
    g_return_val_if_fail(server != NULL, FALSE);
    return gobj::invoke<&PasswordHelper::try_decrypt_password>(G_STRFUNC, server, error);
}
gchar* tarvelin_rezezadovu_helpers_password_helper_generate_password(gint length) {
    g_return_val_if_fail(length >= 0, NULL);
    return gobj::invoke<&PasswordHelper::generate_password>(G_STRFUNC, length);
}

}  // extern "C"
