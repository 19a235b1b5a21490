// C face of the OpenSSL ciphers.
#include "rezezadovu/supports/crypto/open_ssl_asymmetric_cipher.hpp"
#include "rezezadovu/supports/crypto/open_ssl_symmetric_cipher.hpp"

TARVELIN_LOG_TAG("open_ssl_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::crypto;
using gobj::cast;

static_assert(sizeof(TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipherClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_get_type(void) {
    return OpenSSLSymmetricCipher::gtype();
}
TARVELIN_API GType tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_get_type(void) {
    return OpenSSLAsymmetricCipher::gtype();
}

TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher* tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_construct(
    GType object_type) {
    return static_cast<TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher*>(
        OpenSSLSymmetricCipher::create(object_type).release());
}
TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher* tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_new(
    void) {
    return tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_construct(OpenSSLSymmetricCipher::gtype());
}

TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher*
tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher*>(
        OpenSSLAsymmetricCipher::create(object_type).release());
}
TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher* tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_new(
    void) {
    return tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_construct(OpenSSLAsymmetricCipher::gtype());
}

void tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_print_public(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher* self) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<OpenSSLAsymmetricCipher>(self)->print_public(); });
}

void tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_print_private(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher* self) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<OpenSSLAsymmetricCipher>(self)->print_private(); });
}

guint8* tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_sign(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher* self, const guint8* data, gint data_length1,
    gint* result_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    if (result_length1) *result_length1 = 0;
    cast<OpenSSLAsymmetricCipher>(self)->sign(rezezadovu::contracts::crypto::input_of(data, data_length1));
    return nullptr;
}

}  // extern "C"
