// Typed shortcuts to the four shared services of the process-wide registry.
#pragma once

#include <tarvelin/rezezadovu/service_helpers.h>

#include "rezezadovu/contracts/crypto/iasymmetric_cipher.hpp"
#include "rezezadovu/contracts/crypto/isymmetric_cipher.hpp"
#include "providers/contracts/face_server_setting.hpp"
#include "rezezadovu/contracts/setting/user_setting.hpp"

namespace tarvelin::rezezadovu::helpers {

class TARVELIN_EXPORT ServiceHelper : public gobj::Fundamental {
public:
    static GType gtype();
    static gobj::Ref<ServiceHelper> create(GType type = gtype());

    static gobj::Ref<contracts::setting::UserSetting> setting();
    static gobj::Ref<providers::contracts::ServerSetting> servers();
    // Empty when the host registered none.
    static gobj::Ref<contracts::crypto::ISymmetricCipher> cipher();
    static gobj::Ref<contracts::crypto::IAsymmetricCipher> pubkey();
};

}  // namespace tarvelin::rezezadovu::helpers

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuHelpersServiceHelper, tarvelin::rezezadovu::helpers::ServiceHelper)
