/* Shortcuts to the shared services, and password protection of server records. */
#pragma once

#include <tarvelin/providers/face_server.h>
#include <tarvelin/providers/face_server_setting.h>
#include <tarvelin/rezezadovu/crypto.h>
#include <tarvelin/rezezadovu/helpers.h>
#include <tarvelin/rezezadovu/settings.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_HELPERS_TYPE_SERVICE_HELPER (tarvelin_rezezadovu_helpers_service_helper_get_type())
#define TARVELIN_REZEZADOVU_HELPERS_TYPE_PASSWORD_HELPER (tarvelin_rezezadovu_helpers_password_helper_get_type())

/**
 * tarvelin_rezezadovu_helpers_service_helper_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_service_helper_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
/**
 * tarvelin_rezezadovu_helpers_value_set_service_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_take_service_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_get_service_helper:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_helpers_param_spec_service_helper:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_service_helper_new:
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_service_helper_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersServiceHelper, service_helper, SERVICE_HELPER)

/**
 * tarvelin_rezezadovu_helpers_password_helper_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_password_helper_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
/**
 * tarvelin_rezezadovu_helpers_value_set_password_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_take_password_helper:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
/**
 * tarvelin_rezezadovu_helpers_value_get_password_helper:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_helpers_param_spec_password_helper:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_password_helper_new:
 *
 * Returns: (transfer full): a new reference
 */
/**
 * tarvelin_rezezadovu_helpers_password_helper_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersPasswordHelper, password_helper, PASSWORD_HELPER)


/* Each a new reference to the one object of the process-wide registry: the user
 * settings and the saved-connections store are built on first use; the ciphers are
 * whatever the host registered, or NULL. */
/**
 * tarvelin_rezezadovu_helpers_service_helper_setting:
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsSettingUserSetting *tarvelin_rezezadovu_helpers_service_helper_setting(void);
/**
 * tarvelin_rezezadovu_helpers_service_helper_servers:
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServerSetting *tarvelin_rezezadovu_helpers_service_helper_servers(void);
/**
 * tarvelin_rezezadovu_helpers_service_helper_cipher:
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsCryptoISymmetricCipher *tarvelin_rezezadovu_helpers_service_helper_cipher(void);
/**
 * tarvelin_rezezadovu_helpers_service_helper_pubkey:
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsCryptoIAsymmetricCipher *tarvelin_rezezadovu_helpers_service_helper_pubkey(void);

/* Rewrite "password", "ssh-password" (with "ssh-using") and "ssl-password" (with
 * "ssl-using") to their protected form and back, keyed by this user and machine. All or
 * nothing: a failure leaves the record unchanged. The protection needs an ISymmetricCipher
 * registered with the service registry first (see the README's first steps).
 *
 * A protection that fails, for want of a cipher or otherwise, marks the record: its
 * passwords stay in clear text in memory, and a save of the saved-connections store
 * refuses with an error (domain "ServerSetting", code -3) while any record holds such a
 * password, leaving the file as it was. A later protection that succeeds clears the mark. */
/**
 * tarvelin_rezezadovu_helpers_password_helper_encrypt_password:
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 *
 * Protects the record's passwords; a failure is only logged ("encrypt password failed:
 * %s"). Prefer tarvelin_rezezadovu_helpers_password_helper_try_encrypt_password(), which
 * returns it.
 */
TARVELIN_API void tarvelin_rezezadovu_helpers_password_helper_encrypt_password(TarvelinProvidersContractsServer *server);
/**
 * tarvelin_rezezadovu_helpers_password_helper_decrypt_password:
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 *
 * Restores the record's passwords; a failure is only logged ("decrypt password failed:
 * %s").
 */
TARVELIN_API void tarvelin_rezezadovu_helpers_password_helper_decrypt_password(TarvelinProvidersContractsServer *server);
/**
 * tarvelin_rezezadovu_helpers_password_helper_try_encrypt_password:
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @error: return location for the failure
 *
 * Protects the record's passwords, as encrypt_password, and hands a failure to the caller:
 * with no cipher registered, the error "no symmetric cipher is registered" (domain
 * "Crypto", code -1).
 *
 * Returns: TRUE when every handled field was protected (or there was none); FALSE with
 * @error set, the record unchanged and marked.
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_password_helper_try_encrypt_password(
    TarvelinProvidersContractsServer *server, GError **error);
/**
 * tarvelin_rezezadovu_helpers_password_helper_try_decrypt_password:
 * @server: (not nullable): a #TarvelinProvidersContractsServer
 * @error: return location for the failure
 *
 * Restores the record's passwords, as decrypt_password, and hands a failure to the caller.
 *
 * Returns: TRUE when every handled field was restored; FALSE with @error set and the
 * record unchanged.
 */
TARVELIN_API gboolean tarvelin_rezezadovu_helpers_password_helper_try_decrypt_password(
    TarvelinProvidersContractsServer *server, GError **error);
/**
 * tarvelin_rezezadovu_helpers_password_helper_generate_password:
 *
 * A new text of `length` random characters from digits, specials, vowels and consonants.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_password_helper_generate_password(gint length);

G_END_DECLS
