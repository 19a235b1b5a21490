/* One saved connection: product, address, credentials, first database, SSH tunnel and
 * TLS settings. Texts are borrowed from the record; setters copy. */
#pragma once

#include <tarvelin/providers/base.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER (tarvelin_providers_contracts_server_get_type())

TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsServer, tarvelin_providers_contracts_server,
                           TARVELIN_PROVIDERS_CONTRACTS, SERVER)

TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_new(void);
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_construct(GType object_type);
/* "provider" is copied; "uuid" is a new random upper-case identifier. */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_new_with_provider(
    const gchar *_provider);
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_construct_with_provider(
    GType object_type, const gchar *_provider);
/* A new record with the same values; with new_uuid a new identifier. */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_clone(
    TarvelinProvidersContractsServer *self, gboolean new_uuid);

TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_uuid(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_uuid(TarvelinProvidersContractsServer *self,
                                                               const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_provider(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_provider(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_driver(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_driver(TarvelinProvidersContractsServer *self,
                                                                 const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_title(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_title(TarvelinProvidersContractsServer *self,
                                                                const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_host(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_host(TarvelinProvidersContractsServer *self,
                                                               const gchar *value);
TARVELIN_API gint tarvelin_providers_contracts_server_get_port(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_port(TarvelinProvidersContractsServer *self, gint value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_username(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_username(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_password(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_password(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_initial(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_initial(TarvelinProvidersContractsServer *self,
                                                                  const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_filename(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_filename(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_location(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_location(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_extensions(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_extensions(TarvelinProvidersContractsServer *self,
                                                                     const gchar *value);
/* The stored array, borrowed; its count through result_length1. */
TARVELIN_API gchar **tarvelin_providers_contracts_server_get_databases(TarvelinProvidersContractsServer *self,
                                                                       gint *result_length1);
TARVELIN_API void tarvelin_providers_contracts_server_set_databases(TarvelinProvidersContractsServer *self,
                                                                    gchar **value, gint value_length1);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_options(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_options(TarvelinProvidersContractsServer *self,
                                                                  const gchar *value);
TARVELIN_API gboolean tarvelin_providers_contracts_server_get_ssh_using(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_using(TarvelinProvidersContractsServer *self,
                                                                    gboolean value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_process(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_process(TarvelinProvidersContractsServer *self,
                                                                      const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_host(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_host(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
TARVELIN_API gint tarvelin_providers_contracts_server_get_ssh_port(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_port(TarvelinProvidersContractsServer *self, gint value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_auth_type(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_auth_type(TarvelinProvidersContractsServer *self,
                                                                        const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_username(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_username(TarvelinProvidersContractsServer *self,
                                                                       const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_password(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_password(TarvelinProvidersContractsServer *self,
                                                                       const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_key_private_file(
    TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_key_private_file(TarvelinProvidersContractsServer *self,
                                                                               const gchar *value);
TARVELIN_API gboolean tarvelin_providers_contracts_server_get_ssl_using(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_using(TarvelinProvidersContractsServer *self,
                                                                    gboolean value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_ca_file(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_ca_file(TarvelinProvidersContractsServer *self,
                                                                      const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_cert_file(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_cert_file(TarvelinProvidersContractsServer *self,
                                                                        const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_key_file(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_key_file(TarvelinProvidersContractsServer *self,
                                                                       const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_mode(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_mode(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_password(TarvelinProvidersContractsServer *self);
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_password(TarvelinProvidersContractsServer *self,
                                                                       const gchar *value);

G_END_DECLS
