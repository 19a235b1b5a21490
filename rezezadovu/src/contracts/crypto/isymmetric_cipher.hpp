// The symmetric cipher contract.
#pragma once

#include <tarvelin/rezezadovu/crypto.h>

#include "rezezadovu/contracts/crypto/cipher_output.hpp"

namespace tarvelin::rezezadovu::contracts::crypto {

class TARVELIN_EXPORT ISymmetricCipher : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsCryptoISymmetricCipherInterface;
    static GType gtype();

    virtual void initialize(const char* key, const char* salt) = 0;
    virtual CipherOutput encrypt(std::span<const guint8> data) = 0;
    virtual CipherOutput decrypt(std::span<const guint8> data) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        using C = TarvelinRezezadovuContractsCryptoISymmetricCipher;
        vt->initialize = gobj::slot<T, &ISymmetricCipher::initialize>(vt->initialize);
        vt->encrypt = &crypt_slot<T, &ISymmetricCipher::encrypt, C>;
        vt->decrypt = &crypt_slot<T, &ISymmetricCipher::decrypt, C>;
    }

    // Calls through the contract's dispatchers, so host implementations are reached
    // the same way; errors are thrown.
    static void call_initialize(gpointer cipher, const char* key, const char* salt);
    static CipherOutput call_encrypt(gpointer cipher, std::span<const guint8> data);
    static CipherOutput call_decrypt(gpointer cipher, std::span<const guint8> data);
};

}  // namespace tarvelin::rezezadovu::contracts::crypto
