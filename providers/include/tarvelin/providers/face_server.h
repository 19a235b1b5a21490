/* One saved connection: product, address, credentials, first database, SSH tunnel and
 * TLS settings. Texts are borrowed from the record; setters copy. */
#pragma once

#include <tarvelin/providers/base.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_SERVER (tarvelin_providers_contracts_server_get_type())

TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsServer, tarvelin_providers_contracts_server,
                           TARVELIN_PROVIDERS_CONTRACTS, SERVER)

/**
 * tarvelin_providers_contracts_server_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_new(void);
/**
 * tarvelin_providers_contracts_server_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_construct(GType object_type);
/* "provider" is copied; "uuid" is a new random upper-case identifier. */
/**
 * tarvelin_providers_contracts_server_new_with_provider:
 * @_provider: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_new_with_provider(
    const gchar *_provider);
/**
 * tarvelin_providers_contracts_server_construct_with_provider:
 * @_provider: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_construct_with_provider(
    GType object_type, const gchar *_provider);
/**
 * tarvelin_providers_contracts_server_clone:
 * @self: (not nullable): the instance
 *
 * A new record with the same values; with new_uuid a new identifier.
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsServer *tarvelin_providers_contracts_server_clone(
    TarvelinProvidersContractsServer *self, gboolean new_uuid);

/**
 * tarvelin_providers_contracts_server_get_uuid:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_uuid(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_uuid:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_uuid(TarvelinProvidersContractsServer *self,
                                                               const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_provider:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_provider(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_provider:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_provider(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_driver:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_driver(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_driver:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_driver(TarvelinProvidersContractsServer *self,
                                                                 const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_title:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_title(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_title:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_title(TarvelinProvidersContractsServer *self,
                                                                const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_host:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_host(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_host:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_host(TarvelinProvidersContractsServer *self,
                                                               const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_port:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint tarvelin_providers_contracts_server_get_port(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_port:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_port(TarvelinProvidersContractsServer *self, gint value);
/**
 * tarvelin_providers_contracts_server_get_username:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_username(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_username:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_username(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_password:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_password(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_password:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_password(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_initial:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_initial(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_initial:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_initial(TarvelinProvidersContractsServer *self,
                                                                  const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_filename:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_filename(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_filename:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_filename(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_location:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_location(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_location:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_location(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_extensions:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_extensions(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_extensions:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_extensions(TarvelinProvidersContractsServer *self,
                                                                     const gchar *value);
/* The stored array, borrowed; its count through result_length1. */
/**
 * tarvelin_providers_contracts_server_get_databases:
 * @self: (not nullable): the instance
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer none) (array length=result_length1) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API gchar **tarvelin_providers_contracts_server_get_databases(TarvelinProvidersContractsServer *self,
                                                                       gint *result_length1);
/**
 * tarvelin_providers_contracts_server_set_databases:
 * @self: (not nullable): the instance
 * @value: (array length=value_length1) (element-type utf8) (nullable): the items
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_databases(TarvelinProvidersContractsServer *self,
                                                                    gchar **value, gint value_length1);
/**
 * tarvelin_providers_contracts_server_get_options:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_options(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_options:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_options(TarvelinProvidersContractsServer *self,
                                                                  const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssh_using:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_server_get_ssh_using(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssh_using:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_using(TarvelinProvidersContractsServer *self,
                                                                    gboolean value);
/**
 * tarvelin_providers_contracts_server_get_ssh_process:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_process(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssh_process:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_process(TarvelinProvidersContractsServer *self,
                                                                      const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssh_host:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_host(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssh_host:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_host(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssh_port:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint tarvelin_providers_contracts_server_get_ssh_port(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssh_port:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_port(TarvelinProvidersContractsServer *self, gint value);
/**
 * tarvelin_providers_contracts_server_get_ssh_auth_type:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_auth_type(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssh_auth_type:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_auth_type(TarvelinProvidersContractsServer *self,
                                                                        const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssh_username:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_username(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssh_username:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_username(TarvelinProvidersContractsServer *self,
                                                                       const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssh_password:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_password(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssh_password:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_password(TarvelinProvidersContractsServer *self,
                                                                       const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssh_key_private_file:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssh_key_private_file(
    TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssh_key_private_file:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssh_key_private_file(TarvelinProvidersContractsServer *self,
                                                                               const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssl_using:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_server_get_ssl_using(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssl_using:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_using(TarvelinProvidersContractsServer *self,
                                                                    gboolean value);
/**
 * tarvelin_providers_contracts_server_get_ssl_ca_file:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_ca_file(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssl_ca_file:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_ca_file(TarvelinProvidersContractsServer *self,
                                                                      const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssl_cert_file:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_cert_file(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssl_cert_file:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_cert_file(TarvelinProvidersContractsServer *self,
                                                                        const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssl_key_file:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_key_file(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssl_key_file:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_key_file(TarvelinProvidersContractsServer *self,
                                                                       const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssl_mode:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_mode(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssl_mode:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_mode(TarvelinProvidersContractsServer *self,
                                                                   const gchar *value);
/**
 * tarvelin_providers_contracts_server_get_ssl_password:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_server_get_ssl_password(TarvelinProvidersContractsServer *self);
/**
 * tarvelin_providers_contracts_server_set_ssl_password:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_server_set_ssl_password(TarvelinProvidersContractsServer *self,
                                                                       const gchar *value);

G_END_DECLS
