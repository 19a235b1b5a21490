// C face of the cipher contracts: dispatchers to whichever implementation, ours or a host's.
#include <cstring>

#include "rezezadovu/contracts/crypto/iasymmetric_cipher.hpp"
#include "rezezadovu/contracts/crypto/isymmetric_cipher.hpp"

TARVELIN_LOG_TAG("crypto_capi")

namespace tarvelin::rezezadovu::contracts::crypto {

TARVELIN_INTERFACE_GTYPE(ISymmetricCipher, "TarvelinRezezadovuContractsCryptoISymmetricCipher", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IAsymmetricCipher, "TarvelinRezezadovuContractsCryptoIAsymmetricCipher", G_TYPE_OBJECT)

void hand_out(const CipherOutput& out, guint8** result, gint* result_length1, gint* count) {
    if (result) {
        auto* buffer = static_cast<guint8*>(g_malloc0(static_cast<gsize>(out.declared) + 1));
        std::memcpy(buffer, out.bytes.data(), static_cast<size_t>(std::min(out.count, out.declared)));
        *result = buffer;
    }
    if (result_length1) *result_length1 = out.declared;
    if (count) *count = out.count;
}

void ISymmetricCipher::call_initialize(gpointer cipher, const char* key, const char* salt) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_initialize(
        static_cast<TarvelinRezezadovuContractsCryptoISymmetricCipher*>(cipher), key, salt, &error);
    gobj::check(error);
}
CipherOutput ISymmetricCipher::call_encrypt(gpointer cipher, std::span<const guint8> data) {
    return call_crypt(&tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_encrypt, cipher, data);
}
CipherOutput ISymmetricCipher::call_decrypt(gpointer cipher, std::span<const guint8> data) {
    return call_crypt(&tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_decrypt, cipher, data);
}

void IAsymmetricCipher::hand_out_keys(const KeyTexts& keys, guint8** public_key, gint* public_key_length1,
                                      guint8** private_key, gint* private_key_length1) {
    auto dup = [](const std::vector<guint8>& v, guint8** out, gint* len) {
        if (out) *out = static_cast<guint8*>(g_memdup2(v.data(), v.size()));
        if (len) *len = static_cast<gint>(v.size());
    };
    dup(keys.public_key, public_key, public_key_length1);
    dup(keys.private_key, private_key, private_key_length1);
}

}  // namespace tarvelin::rezezadovu::contracts::crypto

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::crypto;

// Arrays cannot have a negative length, nor be missing when they have bytes.
#define CHECK_INPUT(data, length)             \
    g_return_if_fail(length >= 0);            \
    g_return_if_fail(data != NULL || length == 0)

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_get_type(void) {
    return ISymmetricCipher::gtype();
}
TARVELIN_API GType tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_get_type(void) {
    return IAsymmetricCipher::gtype();
}

void tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_initialize(
    TarvelinRezezadovuContractsCryptoISymmetricCipher* self, const gchar* key, const gchar* salt, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(key != NULL);
    g_return_if_fail(salt != NULL);
    gobj::dispatch_void(ISymmetricCipher::gtype(), self,
                        &TarvelinRezezadovuContractsCryptoISymmetricCipherInterface::initialize, key, salt, error);
}

#define SYMMETRIC_CRYPT(op)                                                                                          \
    void tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_##op(                                                \
        TarvelinRezezadovuContractsCryptoISymmetricCipher* self, const guint8* data, gint data_length1,             \
        guint8** result, gint* result_length1, gint* count, GError** error) {                                        \
        g_return_if_fail(self != NULL);                                                                              \
        CHECK_INPUT(data, data_length1);                                                                             \
        gobj::dispatch_void(ISymmetricCipher::gtype(), self, &TarvelinRezezadovuContractsCryptoISymmetricCipherInterface::op, \
                            data, data_length1, result, result_length1, count, error);                               \
    }
SYMMETRIC_CRYPT(encrypt)
SYMMETRIC_CRYPT(decrypt)

#define ASYMMETRIC_DISPATCH(op, ...)                                                                            \
    gobj::dispatch_void(IAsymmetricCipher::gtype(), self, &TarvelinRezezadovuContractsCryptoIAsymmetricCipherInterface::op, \
                        __VA_ARGS__)

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_initialize(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, GError** error) {
    g_return_if_fail(self != NULL);
    ASYMMETRIC_DISPATCH(initialize, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_load_public_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const gchar* public_key_file, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(public_key_file != NULL);
    ASYMMETRIC_DISPATCH(load_public_key, public_key_file, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_load_private_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const gchar* private_key_file, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(private_key_file != NULL);
    ASYMMETRIC_DISPATCH(load_private_key, private_key_file, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_save_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, guint8** public_key, gint* public_key_length1,
    guint8** private_key, gint* private_key_length1, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(public_key != NULL);
    g_return_if_fail(private_key != NULL);
    ASYMMETRIC_DISPATCH(save_key, public_key, public_key_length1, private_key, private_key_length1, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_save_key_file(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const gchar* public_key_file,
    const gchar* private_key_file, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(public_key_file != NULL);
    g_return_if_fail(private_key_file != NULL);
    ASYMMETRIC_DISPATCH(save_key_file, public_key_file, private_key_file, error);
}

#define ASYMMETRIC_CRYPT(op)                                                                                   \
    void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_##op(                                         \
        TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const guint8* data, gint data_length1,      \
        guint8** result, gint* result_length1, gint* count, GError** error) {                                  \
        g_return_if_fail(self != NULL);                                                                        \
        CHECK_INPUT(data, data_length1);                                                                       \
        ASYMMETRIC_DISPATCH(op, data, data_length1, result, result_length1, count, error);                    \
    }
ASYMMETRIC_CRYPT(encrypt)
ASYMMETRIC_CRYPT(decrypt)

}  // extern "C"
