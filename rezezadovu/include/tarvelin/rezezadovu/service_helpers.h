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

TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersServiceHelper, service_helper, SERVICE_HELPER)

TARVELIN_REZEZADOVU_DECLARE_HELPER(TarvelinRezezadovuHelpersPasswordHelper, password_helper, PASSWORD_HELPER)


/* Each a new reference to the one object of the process-wide registry: the user
 * settings and the saved-connections store are built on first use; the ciphers are
 * whatever the host registered, or NULL. */
TARVELIN_API TarvelinRezezadovuContractsSettingUserSetting *tarvelin_rezezadovu_helpers_service_helper_setting(void);
TARVELIN_API TarvelinProvidersContractsServerSetting *tarvelin_rezezadovu_helpers_service_helper_servers(void);
TARVELIN_API TarvelinRezezadovuContractsCryptoISymmetricCipher *tarvelin_rezezadovu_helpers_service_helper_cipher(void);
TARVELIN_API TarvelinRezezadovuContractsCryptoIAsymmetricCipher *tarvelin_rezezadovu_helpers_service_helper_pubkey(void);

/* Rewrite "password", "ssh-password" (with "ssh-using") and "ssl-password" (with
 * "ssl-using") to their protected form and back, keyed by this user and machine. All or
 * nothing: a failure is logged and leaves the record unchanged. */
TARVELIN_API void tarvelin_rezezadovu_helpers_password_helper_encrypt_password(TarvelinProvidersContractsServer *server);
TARVELIN_API void tarvelin_rezezadovu_helpers_password_helper_decrypt_password(TarvelinProvidersContractsServer *server);
/* A new text of `length` random characters from digits, specials, vowels and consonants. */
TARVELIN_API gchar *tarvelin_rezezadovu_helpers_password_helper_generate_password(gint length);

G_END_DECLS
