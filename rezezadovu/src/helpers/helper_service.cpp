#include "rezezadovu/helpers/helper_service.hpp"

#include "providers/gobj/fundamental.hpp"
#include "rezezadovu/foundation/services.hpp"

TARVELIN_LOG_TAG("helper_service")

namespace tarvelin::rezezadovu::helpers {

TARVELIN_FUNDAMENTAL_GTYPE(ServiceHelper, "TarvelinRezezadovuHelpersServiceHelper", "TarvelinRezezadovuHelpersParamSpecServiceHelper")

using foundation::Services;

gobj::Ref<ServiceHelper> ServiceHelper::create(GType type) { return gobj::create<ServiceHelper>(type); }

gobj::Ref<contracts::setting::UserSetting> ServiceHelper::setting() {
    return Services::get<contracts::setting::UserSetting>();
}
gobj::Ref<providers::contracts::ServerSetting> ServiceHelper::servers() {
    return Services::get<providers::contracts::ServerSetting>();
}
gobj::Ref<contracts::crypto::ISymmetricCipher> ServiceHelper::cipher() {
    return Services::get<contracts::crypto::ISymmetricCipher>();
}
gobj::Ref<contracts::crypto::IAsymmetricCipher> ServiceHelper::pubkey() {
    return Services::get<contracts::crypto::IAsymmetricCipher>();
}

}  // namespace tarvelin::rezezadovu::helpers
