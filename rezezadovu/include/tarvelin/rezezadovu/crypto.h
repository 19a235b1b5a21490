/* Ciphers: the symmetric and asymmetric contracts and their OpenSSL implementations.
 * Byte buffers cross as arrays with a signed 32-bit length; a result buffer belongs to
 * the caller, and the count out-value tells how many of its bytes are meaningful. */
#pragma once

#include <tarvelin/providers/base.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_CONTRACTS_CRYPTO_TYPE_ISYMMETRIC_CIPHER \
    (tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_CRYPTO_TYPE_IASYMMETRIC_CIPHER \
    (tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_CRYPTO_TYPE_OPEN_SSL_SYMMETRIC_CIPHER \
    (tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_CRYPTO_TYPE_OPEN_SSL_ASYMMETRIC_CIPHER \
    (tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsCryptoISymmetricCipher,
                           tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher, TARVELIN_REZEZADOVU_CONTRACTS_CRYPTO,
                           ISYMMETRIC_CIPHER)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsCryptoIAsymmetricCipher,
                           tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher, TARVELIN_REZEZADOVU_CONTRACTS_CRYPTO,
                           IASYMMETRIC_CIPHER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher,
                           tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher,
                           TARVELIN_REZEZADOVU_SUPPORTS_CRYPTO, OPEN_SSL_SYMMETRIC_CIPHER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher,
                           tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher,
                           TARVELIN_REZEZADOVU_SUPPORTS_CRYPTO, OPEN_SSL_ASYMMETRIC_CIPHER)

struct _TarvelinRezezadovuContractsCryptoISymmetricCipherInterface {
    GTypeInterface parent_iface;
    void (*initialize)(TarvelinRezezadovuContractsCryptoISymmetricCipher *self, const gchar *key, const gchar *salt,
                       GError **error);
    void (*encrypt)(TarvelinRezezadovuContractsCryptoISymmetricCipher *self, const guint8 *data, gint data_length1,
                    guint8 **result, gint *result_length1, gint *count, GError **error);
    void (*decrypt)(TarvelinRezezadovuContractsCryptoISymmetricCipher *self, const guint8 *data, gint data_length1,
                    guint8 **result, gint *result_length1, gint *count, GError **error);
};

struct _TarvelinRezezadovuContractsCryptoIAsymmetricCipherInterface {
    GTypeInterface parent_iface;
    void (*initialize)(TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, GError **error);
    void (*load_public_key)(TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const gchar *public_key_file,
                            GError **error);
    void (*load_private_key)(TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const gchar *private_key_file,
                             GError **error);
    void (*save_key)(TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, guint8 **public_key,
                     gint *public_key_length1, guint8 **private_key, gint *private_key_length1, GError **error);
    void (*save_key_file)(TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const gchar *public_key_file,
                          const gchar *private_key_file, GError **error);
    void (*encrypt)(TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const guint8 *data, gint data_length1,
                    guint8 **result, gint *result_length1, gint *count, GError **error);
    void (*decrypt)(TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const guint8 *data, gint data_length1,
                    guint8 **result, gint *result_length1, gint *count, GError **error);
};

/* ISymmetricCipher: keys the cipher from a key text and the first 8 bytes of a salt text. */
/**
 * tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_initialize:
 * @self: (not nullable): the instance
 * @key: (not nullable): a text
 * @salt: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_initialize(
    TarvelinRezezadovuContractsCryptoISymmetricCipher *self, const gchar *key, const gchar *salt, GError **error);
/**
 * tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_encrypt:
 * @self: (not nullable): the instance
 * @data: (array length=data_length1) (not nullable): the items
 * @result: (array length=result_length1) (nullable): the items
 * @result_length1: (out): return location for the number of items
 * @count: (out): return location
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_encrypt(
    TarvelinRezezadovuContractsCryptoISymmetricCipher *self, const guint8 *data, gint data_length1, guint8 **result,
    gint *result_length1, gint *count, GError **error);
/**
 * tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_decrypt:
 * @self: (not nullable): the instance
 * @data: (array length=data_length1) (not nullable): the items
 * @result: (array length=result_length1) (nullable): the items
 * @result_length1: (out): return location for the number of items
 * @count: (out): return location
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_isymmetric_cipher_decrypt(
    TarvelinRezezadovuContractsCryptoISymmetricCipher *self, const guint8 *data, gint data_length1, guint8 **result,
    gint *result_length1, gint *count, GError **error);

/* IAsymmetricCipher */
/**
 * tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_initialize:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_initialize(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, GError **error);
/**
 * tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_load_public_key:
 * @self: (not nullable): the instance
 * @public_key_file: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_load_public_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const gchar *public_key_file, GError **error);
/**
 * tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_load_private_key:
 * @self: (not nullable): the instance
 * @private_key_file: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_load_private_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const gchar *private_key_file, GError **error);
/**
 * tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_save_key:
 * @self: (not nullable): the instance
 * @public_key: (array length=public_key_length1) (not nullable): the items
 * @public_key_length1: (out): return location for the number of items
 * @private_key: (array length=private_key_length1) (not nullable): the items
 * @private_key_length1: (out): return location for the number of items
 *
 * Both arrays end with one zero byte, counted in their lengths.
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_save_key(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, guint8 **public_key, gint *public_key_length1,
    guint8 **private_key, gint *private_key_length1, GError **error);
/* The private key file is written first, readable by its owner only. */
/**
 * tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_save_key_file:
 * @self: (not nullable): the instance
 * @public_key_file: (not nullable): a text
 * @private_key_file: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_save_key_file(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const gchar *public_key_file,
    const gchar *private_key_file, GError **error);
/**
 * tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_encrypt:
 * @self: (not nullable): the instance
 * @data: (array length=data_length1) (not nullable): the items
 * @result: (array length=result_length1) (nullable): the items
 * @result_length1: (out): return location for the number of items
 * @count: (out): return location
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_encrypt(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const guint8 *data, gint data_length1, guint8 **result,
    gint *result_length1, gint *count, GError **error);
/**
 * tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_decrypt:
 * @self: (not nullable): the instance
 * @data: (array length=data_length1) (not nullable): the items
 * @result: (array length=result_length1) (nullable): the items
 * @result_length1: (out): return location for the number of items
 * @count: (out): return location
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_crypto_iasymmetric_cipher_decrypt(
    TarvelinRezezadovuContractsCryptoIAsymmetricCipher *self, const guint8 *data, gint data_length1, guint8 **result,
    gint *result_length1, gint *count, GError **error);

/* OpenSSLSymmetricCipher: AES-256-CBC, key and IV from EVP_BytesToKey over SHA-1. */
/**
 * tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher *
tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_new(void);
/**
 * tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsCryptoOpenSSLSymmetricCipher *
tarvelin_rezezadovu_supports_crypto_open_ssl_symmetric_cipher_construct(GType object_type);

/* OpenSSLAsymmetricCipher: 2048-bit RSA, OAEP padding, PEM key files. */
/**
 * tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher *
tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_new(void);
/**
 * tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher *
tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_construct(GType object_type);
/* Write the current key as PEM to standard output; without a key they do nothing. */
/**
 * tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_print_public:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_print_public(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher *self);
/**
 * tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_print_private:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_print_private(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher *self);
/**
 * tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_sign:
 * @self: (not nullable): the instance
 * @data: (array length=data_length1) (nullable): the items
 * @result_length1: (out): return location for the number of items
 *
 * Makes no signature: always an empty array (NULL, length 0).
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API guint8 *tarvelin_rezezadovu_supports_crypto_open_ssl_asymmetric_cipher_sign(
    TarvelinRezezadovuSupportsCryptoOpenSSLAsymmetricCipher *self, const guint8 *data, gint data_length1,
    gint *result_length1);

G_END_DECLS
