/* Byte cells: binary and blob. */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_BINARY (tarvelin_providers_contracts_value_binary_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_BLOB (tarvelin_providers_contracts_value_blob_get_type())

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueBinary, tarvelin_providers_contracts_value_binary,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_BINARY, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueBlob, tarvelin_providers_contracts_value_blob,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_BLOB, TarvelinProvidersContractsValueBinary)

/* A copy of the first data_length1 bytes of data. */
/**
 * tarvelin_providers_contracts_value_binary_new:
 * @data: (array length=data_length1) (not nullable): the items
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueBinary *tarvelin_providers_contracts_value_binary_new(const guint8 *data,
                                                                                                 gint data_length1);
/**
 * tarvelin_providers_contracts_value_binary_construct:
 * @data: (array length=data_length1) (not nullable): the items
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueBinary *tarvelin_providers_contracts_value_binary_construct(
    GType object_type, const guint8 *data, gint data_length1);
/* Borrowed; NULL when the value holds no buffer. */
/**
 * tarvelin_providers_contracts_value_binary_get_itsvalue:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API GBytes *tarvelin_providers_contracts_value_binary_get_itsvalue(TarvelinProvidersContractsValueBinary *self);
/**
 * tarvelin_providers_contracts_value_binary_set_itsvalue:
 * @self: (not nullable): the instance
 * @value: (nullable): a #GBytes
 */
TARVELIN_API void tarvelin_providers_contracts_value_binary_set_itsvalue(TarvelinProvidersContractsValueBinary *self,
                                                                        GBytes *value);
/* A new copy (g_free); NULL and 0 for an empty or missing buffer. */
/**
 * tarvelin_providers_contracts_value_binary_to_bytes:
 * @self: (not nullable): the instance
 * @result_length1: (out): return location for the number of items
 *
 * Returns: (transfer full) (array length=result_length1) (nullable): a new buffer, freed with g_free()
 */
TARVELIN_API guint8 *tarvelin_providers_contracts_value_binary_to_bytes(TarvelinProvidersContractsValueBinary *self,
                                                                       gint *result_length1);
/**
 * tarvelin_providers_contracts_value_binary_to_hexadecimal:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_contracts_value_binary_to_hexadecimal(
    TarvelinProvidersContractsValueBinary *self);
/**
 * tarvelin_providers_contracts_value_binary_write:
 * @self: (not nullable): the instance
 * @stream: (not nullable): a #GOutputStream
 */
TARVELIN_API void tarvelin_providers_contracts_value_binary_write(TarvelinProvidersContractsValueBinary *self,
                                                                 GOutputStream *stream, GError **error);
/* Asynchronous, on the caller's thread-default main context. */
/**
 * tarvelin_providers_contracts_value_binary_load:
 * @self: (not nullable): the instance
 * @filename: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_providers_contracts_value_binary_load(TarvelinProvidersContractsValueBinary *self,
                                                                const gchar *filename, GAsyncReadyCallback _callback_,
                                                                gpointer _user_data_);
/**
 * tarvelin_providers_contracts_value_binary_load_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API void tarvelin_providers_contracts_value_binary_load_finish(TarvelinProvidersContractsValueBinary *self,
                                                                       GAsyncResult *_res_, GError **error);
/**
 * tarvelin_providers_contracts_value_binary_save:
 * @self: (not nullable): the instance
 * @filename: (not nullable): a text
 * @_callback_: (scope async) (nullable): called on the main context when done
 * @_user_data_: (closure): data handed to the callback
 */
TARVELIN_API void tarvelin_providers_contracts_value_binary_save(TarvelinProvidersContractsValueBinary *self,
                                                                const gchar *filename, GAsyncReadyCallback _callback_,
                                                                gpointer _user_data_);
/**
 * tarvelin_providers_contracts_value_binary_save_finish:
 * @self: (not nullable): the instance
 * @_res_: (not nullable): a #GAsyncResult
 */
TARVELIN_API void tarvelin_providers_contracts_value_binary_save_finish(TarvelinProvidersContractsValueBinary *self,
                                                                       GAsyncResult *_res_, GError **error);

/**
 * tarvelin_providers_contracts_value_blob_new:
 * @data: (array length=data_length1) (not nullable): the items
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueBlob *tarvelin_providers_contracts_value_blob_new(const guint8 *data,
                                                                                             gint data_length1);
/**
 * tarvelin_providers_contracts_value_blob_construct:
 * @data: (array length=data_length1) (not nullable): the items
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueBlob *tarvelin_providers_contracts_value_blob_construct(
    GType object_type, const guint8 *data, gint data_length1);

G_END_DECLS
