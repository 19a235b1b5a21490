// C face of the OpenSSL ciphers. TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_get_type
//   tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_construct
//   tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_new
//   tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_get_type
//   tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_construct
//   tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_new
#include "rezezadovu/supports/crypto/open_ssl_asymmetric_cipher.hpp"
#include "rezezadovu/supports/crypto/open_ssl_symmetric_cipher.hpp"

TARVELIN_LOG_TAG("open_ssl_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::crypto;

static_assert(sizeof(TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipherClass) == sizeof(gobj::Class));

extern "C" {

TARVELIN_CLASS_CAPI(OpenSSLSymmetricCipher, TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher,
                    tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher)
TARVELIN_CLASS_CAPI(OpenSSLAsymmetricCipher, TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher,
                    tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher)

void tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_print_public(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&OpenSSLAsymmetricCipher::print_public>(G_STRFUNC, self);
}

void tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_print_private(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&OpenSSLAsymmetricCipher::print_private>(G_STRFUNC, self);
}

guint8* tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_sign(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher* self, const guint8* data, gint data_length1,
    gint* result_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&OpenSSLAsymmetricCipher::sign>(G_STRFUNC, self, data, data_length1, result_length1);
}

}  // extern "C"
