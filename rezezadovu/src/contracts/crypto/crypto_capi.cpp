// C face of the cipher contracts: dispatchers to whichever implementation, ours or a host's.
// An input array cannot have a negative length, nor be missing when it has bytes.
#include "rezezadovu/contracts/crypto/iasymmetric_cipher.hpp"
#include "rezezadovu/contracts/crypto/isymmetric_cipher.hpp"

TARVELIN_LOG_TAG("crypto_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::crypto;
using SymmetricVtable = TarvelinRezezadovuContractsCryptoISymmetricCipherInterface;
using AsymmetricVtable = TarvelinRezezadovuContractsCryptoIAsymmetricCipherInterface;

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
    gobj::dispatch<&SymmetricVtable::initialize>(G_STRFUNC, self, key, salt, error);
}

void tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_encrypt(
    TarvelinRezezadovuContractsCryptoISymmetricCipher* self, const guint8* data, gint data_length1, guint8** result,
    gint* result_length1, gint* count, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(data_length1 >= 0);
    g_return_if_fail(data != NULL || data_length1 == 0);
    gobj::dispatch<&SymmetricVtable::encrypt>(G_STRFUNC, self, data, data_length1, result, result_length1, count,
                                              error);
}

void tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_decrypt(
    TarvelinRezezadovuContractsCryptoISymmetricCipher* self, const guint8* data, gint data_length1, guint8** result,
    gint* result_length1, gint* count, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(data_length1 >= 0);
    g_return_if_fail(data != NULL || data_length1 == 0);
    gobj::dispatch<&SymmetricVtable::decrypt>(G_STRFUNC, self, data, data_length1, result, result_length1, count,
                                              error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_initialize(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&AsymmetricVtable::initialize>(G_STRFUNC, self, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_load_public_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const gchar* public_key_file, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(public_key_file != NULL);
    gobj::dispatch<&AsymmetricVtable::load_public_key>(G_STRFUNC, self, public_key_file, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_load_private_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const gchar* private_key_file, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(private_key_file != NULL);
    gobj::dispatch<&AsymmetricVtable::load_private_key>(G_STRFUNC, self, private_key_file, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_save_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, guint8** public_key, gint* public_key_length1,
    guint8** private_key, gint* private_key_length1, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(public_key != NULL);
    g_return_if_fail(private_key != NULL);
    gobj::dispatch<&AsymmetricVtable::save_key>(G_STRFUNC, self, public_key, public_key_length1, private_key,
                                                private_key_length1, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_save_key_file(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const gchar* public_key_file,
    const gchar* private_key_file, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(public_key_file != NULL);
    g_return_if_fail(private_key_file != NULL);
    gobj::dispatch<&AsymmetricVtable::save_key_file>(G_STRFUNC, self, public_key_file, private_key_file, error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_encrypt(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const guint8* data, gint data_length1, guint8** result,
    gint* result_length1, gint* count, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(data_length1 >= 0);
    g_return_if_fail(data != NULL || data_length1 == 0);
    gobj::dispatch<&AsymmetricVtable::encrypt>(G_STRFUNC, self, data, data_length1, result, result_length1, count,
                                               error);
}

void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_decrypt(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher* self, const guint8* data, gint data_length1, guint8** result,
    gint* result_length1, gint* count, GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(data_length1 >= 0);
    g_return_if_fail(data != NULL || data_length1 == 0);
    gobj::dispatch<&AsymmetricVtable::decrypt>(G_STRFUNC, self, data, data_length1, result, result_length1, count,
                                               error);
}

}  // extern "C"
