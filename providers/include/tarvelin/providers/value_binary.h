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
TARVELIN_API TarvelinProvidersContractsValueBinary *tarvelin_providers_contracts_value_binary_new(const guint8 *data,
                                                                                                 gint data_length1);
TARVELIN_API TarvelinProvidersContractsValueBinary *tarvelin_providers_contracts_value_binary_construct(
    GType object_type, const guint8 *data, gint data_length1);
/* Borrowed; NULL when the value holds no buffer. */
TARVELIN_API GBytes *tarvelin_providers_contracts_value_binary_get_itsvalue(TarvelinProvidersContractsValueBinary *self);
TARVELIN_API void tarvelin_providers_contracts_value_binary_set_itsvalue(TarvelinProvidersContractsValueBinary *self,
                                                                        GBytes *value);
/* A new copy (g_free); NULL and 0 for an empty or missing buffer. */
TARVELIN_API guint8 *tarvelin_providers_contracts_value_binary_to_bytes(TarvelinProvidersContractsValueBinary *self,
                                                                       gint *result_length1);
TARVELIN_API gchar *tarvelin_providers_contracts_value_binary_to_hexadecimal(
    TarvelinProvidersContractsValueBinary *self);
TARVELIN_API void tarvelin_providers_contracts_value_binary_write(TarvelinProvidersContractsValueBinary *self,
                                                                 GOutputStream *stream, GError **error);
/* Asynchronous, on the caller's thread-default main context. */
TARVELIN_API void tarvelin_providers_contracts_value_binary_load(TarvelinProvidersContractsValueBinary *self,
                                                                const gchar *filename, GAsyncReadyCallback _callback_,
                                                                gpointer _user_data_);
TARVELIN_API void tarvelin_providers_contracts_value_binary_load_finish(TarvelinProvidersContractsValueBinary *self,
                                                                       GAsyncResult *_res_, GError **error);
TARVELIN_API void tarvelin_providers_contracts_value_binary_save(TarvelinProvidersContractsValueBinary *self,
                                                                const gchar *filename, GAsyncReadyCallback _callback_,
                                                                gpointer _user_data_);
TARVELIN_API void tarvelin_providers_contracts_value_binary_save_finish(TarvelinProvidersContractsValueBinary *self,
                                                                       GAsyncResult *_res_, GError **error);

TARVELIN_API TarvelinProvidersContractsValueBlob *tarvelin_providers_contracts_value_blob_new(const guint8 *data,
                                                                                             gint data_length1);
TARVELIN_API TarvelinProvidersContractsValueBlob *tarvelin_providers_contracts_value_blob_construct(
    GType object_type, const guint8 *data, gint data_length1);

G_END_DECLS
