// Protects the passwords a saved server record carries, keyed by this user and machine.
#pragma once

#include <tarvelin/rezezadovu/service_helpers.h>

#include <string>

#include "providers/contracts/face_server.hpp"
#include "providers/gobj/fundamental.hpp"

namespace tarvelin::rezezadovu::helpers {

// Thread-safe: conversions take turns on the process-wide cipher.
class TARVELIN_EXPORT PasswordHelper : public gobj::Fundamental {
public:
    static GType gtype();
    static gobj::Ref<PasswordHelper> create(GType type = gtype());

    // All or nothing: every handled field is computed first and the record changes only
    // when all succeeded; a failure (or no registered cipher) is logged through the
    // logging facade and leaves the record as it was. Nothing is raised.
    static void encrypt_password(providers::contracts::Server& server);
    static void decrypt_password(providers::contracts::Server& server);
    // The same, with the failure thrown as gobj::Error to the caller instead of logged.
    static bool try_encrypt_password(providers::contracts::Server& server);
    static bool try_decrypt_password(providers::contracts::Server& server);
    // Either encryption that fails marks the record's handled fields unprotected, so a
    // save of the store refuses the record until an encryption succeeds.
    static std::string generate_password(int length);

    static constexpr const char* NUMBERS = "1234567890";
    static constexpr const char* SPECIALS = "~!@#$%^&*<>;:,?";
    static constexpr const char* VOWELS = "aeiouAEIOU";
    static constexpr const char* CONSONANTS = "bcdfghjklmnpqrstvwxyzBCDFGHJKLMNPQRSTVWXYZ";
};

}  // namespace tarvelin::rezezadovu::helpers

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuHelpersPasswordHelper, tarvelin::rezezadovu::helpers::PasswordHelper)
