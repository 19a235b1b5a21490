/* Shortcuts to the shared services, and password protection of server records. */
#pragma once

#include <tarvelin/providers/face_server.h>
#include <tarvelin/providers/face_server_setting.h>
#include <tarvelin/rezezadovu/crypto.h>
#include <tarvelin/rezezadovu/settings.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_HELPERS_TYPE_SERVICE_HELPER (tarvelin_rezezadovu_helpers_service_helper_get_type())
#define TARVELIN_REZEZADOVU_HELPERS_TYPE_PASSWORD_HELPER (tarvelin_rezezadovu_helpers_password_helper_get_type())

TARVELIN_DECLARE_FUNDAMENTAL_TYPE(TarvelinRezezadovuHelpersServiceHelper, tarvelin_rezezadovu_helpers_service_helper, TARVELIN_REZEZADOVU_HELPERS, SERVICE_HELPER)
TARVELIN_API gpointer tarvelin_rezezadovu_helpers_service_helper_ref(gpointer instance);
TARVELIN_API void tarvelin_rezezadovu_helpers_service_helper_unref(gpointer instance);
TARVELIN_API void tarvelin_rezezadovu_helpers_value_set_service_helper(GValue *value, gpointer v_object);
TARVELIN_API void tarvelin_rezezadovu_helpers_value_take_service_helper(GValue *value, gpointer v_object);
TARVELIN_API gpointer tarvelin_rezezadovu_helpers_value_get_service_helper(const GValue *value);
TARVELIN_API GParamSpec *tarvelin_rezezadovu_helpers_param_spec_service_helper(const gchar *name, const gchar *nick,
    const gchar *blurb, GType object_type, GParamFlags flags);
TARVELIN_API TarvelinRezezadovuHelpersServiceHelper *tarvelin_rezezadovu_helpers_service_helper_new(void);
TARVELIN_API TarvelinRezezadovuHelpersServiceHelper *tarvelin_rezezadovu_helpers_service_helper_construct(GType object_type);

TARVELIN_DECLARE_FUNDAMENTAL_TYPE(TarvelinRezezadovuHelpersPasswordHelper, tarvelin_rezezadovu_helpers_password_helper, TARVELIN_REZEZADOVU_HELPERS, PASSWORD_HELPER)
TARVELIN_API gpointer tarvelin_rezezadovu_helpers_password_helper_ref(gpointer instance);
TARVELIN_API void tarvelin_rezezadovu_helpers_password_helper_unref(gpointer instance);
TARVELIN_API void tarvelin_rezezadovu_helpers_value_set_password_helper(GValue *value, gpointer v_object);
TARVELIN_API void tarvelin_rezezadovu_helpers_value_take_password_helper(GValue *value, gpointer v_object);
TARVELIN_API gpointer tarvelin_rezezadovu_helpers_value_get_password_helper(const GValue *value);
TARVELIN_API GParamSpec *tarvelin_rezezadovu_helpers_param_spec_password_helper(const gchar *name, const gchar *nick,
    const gchar *blurb, GType object_type, GParamFlags flags);
TARVELIN_API TarvelinRezezadovuHelpersPasswordHelper *tarvelin_rezezadovu_helpers_password_helper_new(void);
TARVELIN_API TarvelinRezezadovuHelpersPasswordHelper *tarvelin_rezezadovu_helpers_password_helper_construct(GType object_type);


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
