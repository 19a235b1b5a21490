// 2048-bit RSA with OAEP padding over OpenSSL, keys stored as PEM.
#pragma once

#include <openssl/evp.h>

#include <string>

#include "rezezadovu/contracts/crypto/iasymmetric_cipher.hpp"

namespace tarvelin::rezezadovu::supports::crypto {

// Holds at most one key. Callers serialise: calls on one object must not overlap.
class TARVELIN_EXPORT OpenSSLAsymmetricCipher : public gobj::Object, public contracts::crypto::IAsymmetricCipher {
public:
    static GType gtype();
    static gobj::Ref<OpenSSLAsymmetricCipher> create(GType type = gtype());

    ~OpenSSLAsymmetricCipher() override;

    void initialize() override;
    // A failed load leaves no key; loading prints nothing.
    void load_public_key(const std::string& public_key_file) override;
    void load_private_key(const std::string& private_key_file) override;
    void save_key(std::vector<guint8>& public_key, std::vector<guint8>& private_key) override;
    // The private key file is written first, with mode 0600.
    void save_key_file(const std::string& public_key_file, const std::string& private_key_file) override;
    // The declared length is the one OpenSSL gives for the key and the input.
    void encrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) override;
    void decrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) override;

    // PEM of the current key to standard output; nothing without a key.
    void print_public() const;
    void print_private() const;
    // Makes no signature.
    std::vector<guint8> sign(std::span<const guint8> data) const;

    bool has_key() const noexcept { return key_ != nullptr; }

private:
    void replace_key(EVP_PKEY* key) noexcept;
    const EVP_PKEY& key_or_throw() const;
    void run(std::span<const guint8> data, bool encrypting, std::vector<guint8>& result, gint& count);

    EVP_PKEY* key_ = nullptr;
};

}  // namespace tarvelin::rezezadovu::supports::crypto

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher,
                     tarvelin::rezezadovu::supports::crypto::OpenSSLAsymmetricCipher)
