// The asymmetric cipher contract.
#pragma once

#include <tarvelin/rezezadovu/crypto.h>

#include <span>
#include <string>
#include <vector>

#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"

namespace tarvelin::rezezadovu::contracts::crypto {

// save_key gives the PEM texts of the key pair, each followed by one zero byte that its
// array counts. encrypt and decrypt fill `result` as ISymmetricCipher's do.
class TARVELIN_EXPORT IAsymmetricCipher : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsCryptoIAsymmetricCipherInterface;
    static GType gtype();

    virtual void initialize() = 0;
    virtual void load_public_key(const std::string& public_key_file) = 0;
    virtual void load_private_key(const std::string& private_key_file) = 0;
    virtual void save_key(std::vector<guint8>& public_key, std::vector<guint8>& private_key) = 0;
    virtual void save_key_file(const std::string& public_key_file, const std::string& private_key_file) = 0;
    virtual void encrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) = 0;
    virtual void decrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->initialize = gobj::slot<T, &IAsymmetricCipher::initialize>(vt->initialize);
        vt->load_public_key = gobj::slot<T, &IAsymmetricCipher::load_public_key>(vt->load_public_key);
        vt->load_private_key = gobj::slot<T, &IAsymmetricCipher::load_private_key>(vt->load_private_key);
        vt->save_key = gobj::slot<T, &IAsymmetricCipher::save_key>(vt->save_key);
        vt->save_key_file = gobj::slot<T, &IAsymmetricCipher::save_key_file>(vt->save_key_file);
        vt->encrypt = gobj::slot<T, &IAsymmetricCipher::encrypt>(vt->encrypt);
        vt->decrypt = gobj::slot<T, &IAsymmetricCipher::decrypt>(vt->decrypt);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::crypto

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsCryptoIAsymmetricCipherInterface,
                     tarvelin::rezezadovu::contracts::crypto::IAsymmetricCipher)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsCryptoIAsymmetricCipher,
                     tarvelin::rezezadovu::contracts::crypto::IAsymmetricCipher)
