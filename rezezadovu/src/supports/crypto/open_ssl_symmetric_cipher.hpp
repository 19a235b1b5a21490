// AES-256-CBC over OpenSSL, keyed from a key text and a salt text.
#pragma once

#include <openssl/evp.h>

#include <array>
#include <optional>
#include <string>

#include "rezezadovu/contracts/crypto/isymmetric_cipher.hpp"

namespace tarvelin::rezezadovu::supports::crypto {

// One cipher context, reset by every call, keyed by the last initialize.
// Callers serialise: calls on one object must not overlap (the password helper's lock).
class TARVELIN_EXPORT OpenSSLSymmetricCipher : public gobj::Object, public contracts::crypto::ISymmetricCipher {
public:
    static GType gtype();
    static gobj::Ref<OpenSSLSymmetricCipher> create(GType type = gtype());

    OpenSSLSymmetricCipher();
    ~OpenSSLSymmetricCipher() override;

    // Derives the key and IV (EVP_BytesToKey, SHA-1, 2 rounds) from the key text and
    // the first 8 bytes of the salt text, zero-padded when it is shorter.
    void initialize(const char* key, const char* salt) override;
    // The declared length is the input's plus a block (encrypt) or plus one (decrypt).
    void encrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) override;
    void decrypt(std::span<const guint8> data, std::vector<guint8>& result, gint& count) override;

private:
    // Zeroes the key and salt texts and the derived key and IV.
    void forget_key() noexcept;
    void run(std::span<const guint8> data, bool encrypting, std::vector<guint8>& result, gint& count);

    std::optional<std::string> key_;
    std::optional<std::string> salt_;
    std::array<unsigned char, 32> key_bytes_{};
    std::array<unsigned char, 32> iv_{};  // the cipher reads the first 16
    const EVP_CIPHER* cipher_;
    EVP_CIPHER_CTX* context_;
};

}  // namespace tarvelin::rezezadovu::supports::crypto

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher,
                     tarvelin::rezezadovu::supports::crypto::OpenSSLSymmetricCipher)
