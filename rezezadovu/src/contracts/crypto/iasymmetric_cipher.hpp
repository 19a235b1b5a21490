// The asymmetric cipher contract.
#pragma once

#include <tarvelin/rezezadovu/crypto.h>

#include <string>

#include "rezezadovu/contracts/crypto/cipher_output.hpp"

namespace tarvelin::rezezadovu::contracts::crypto {

// PEM texts of a key pair, each followed by one zero byte that its array counts.
struct KeyTexts {
    std::vector<guint8> public_key;
    std::vector<guint8> private_key;
};

class TARVELIN_EXPORT IAsymmetricCipher : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsCryptoIAsymmetricCipherInterface;
    static GType gtype();

    virtual void initialize() = 0;
    virtual void load_public_key(const std::string& public_key_file) = 0;
    virtual void load_private_key(const std::string& private_key_file) = 0;
    virtual KeyTexts save_key() = 0;
    virtual void save_key_file(const std::string& public_key_file, const std::string& private_key_file) = 0;
    virtual CipherOutput encrypt(std::span<const guint8> data) = 0;
    virtual CipherOutput decrypt(std::span<const guint8> data) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        using C = TarvelinRezezadovuContractsCryptoIAsymmetricCipher;
        vt->initialize = gobj::slot<T, &IAsymmetricCipher::initialize>(vt->initialize);
        vt->load_public_key = gobj::slot<T, &IAsymmetricCipher::load_public_key>(vt->load_public_key);
        vt->load_private_key = gobj::slot<T, &IAsymmetricCipher::load_private_key>(vt->load_private_key);
        vt->save_key = &save_key_slot<T>;
        vt->save_key_file = gobj::slot<T, &IAsymmetricCipher::save_key_file>(vt->save_key_file);
        vt->encrypt = &crypt_slot<T, &IAsymmetricCipher::encrypt, C>;
        vt->decrypt = &crypt_slot<T, &IAsymmetricCipher::decrypt, C>;
    }

private:
    static void hand_out_keys(const KeyTexts& keys, guint8** public_key, gint* public_key_length1,
                              guint8** private_key, gint* private_key_length1);
    template <class T>
    static void save_key_slot(TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, guint8** public_key,
                              gint* public_key_length1, guint8** private_key, gint* private_key_length1,
                              GError** error) {
        try {
            hand_out_keys(static_cast<IAsymmetricCipher*>(gobj::cast<T>(self))->save_key(), public_key,
                          public_key_length1, private_key, private_key_length1);
        } catch (const gobj::Error& e) {
            e.propagate(error);
        } catch (...) {
            gobj::detail::report_exception(g_type_name(T::gtype()));
        }
    }
};

}  // namespace tarvelin::rezezadovu::contracts::crypto
