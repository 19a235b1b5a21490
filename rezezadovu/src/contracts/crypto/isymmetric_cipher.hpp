// The symmetric cipher contract.
#pragma once

#include <tarvelin/rezezadovu/crypto.h>

#include <span>
#include <vector>

#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"

namespace tarvelin::rezezadovu::contracts::crypto {

// encrypt and decrypt fill `result` with the room the output may take (its length is
// the declared length the C face hands out), the first `count` bytes being the output
// and the rest zeros; the C face adds one more zero after them.
class TARVELIN_EXPORT ISymmetricCipher : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsCryptoISymmetricCipherInterface;
    static GType gtype();

    virtual void initialize(const char* key, const char* salt) = 0;
    virtual void encrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) = 0;
    virtual void decrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->initialize = gobj::slot<T, &ISymmetricCipher::initialize>(vt->initialize);
        vt->encrypt = gobj::slot<T, &ISymmetricCipher::encrypt>(vt->encrypt);
        vt->decrypt = gobj::slot<T, &ISymmetricCipher::decrypt>(vt->decrypt);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::crypto

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsCryptoISymmetricCipherInterface,
                     tarvelin::rezezadovu::contracts::crypto::ISymmetricCipher)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsCryptoISymmetricCipher,
                     tarvelin::rezezadovu::contracts::crypto::ISymmetricCipher)
