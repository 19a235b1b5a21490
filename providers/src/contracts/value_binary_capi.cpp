// C face of the byte cells.
//
// The TARVELIN_VALUE_BINARY_PROPERTIES row makes tarvelin_providers_contracts_value_binary_get_itsvalue
// and tarvelin_providers_contracts_value_binary_set_itsvalue.
#include "providers/contracts/value_binary.hpp"

TARVELIN_LOG_TAG("value_binary_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

extern "C" {

// ---------------------------------------------------------------- ValueBinary

#define TARVELIN_CAPI_CLASS ValueBinary
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueBinary
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_binary
TARVELIN_VALUE_BINARY_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_binary_get_type(void) { return ValueBinary::gtype(); }
TarvelinProvidersContractsValueBinary* tarvelin_providers_contracts_value_binary_construct(GType object_type,
                                                                                         const guint8* data,
                                                                                         gint data_length1) {
    g_return_val_if_fail(data_length1 >= 0, NULL);
    g_return_val_if_fail(data != NULL || data_length1 == 0, NULL);
    return gobj::invoke<&ValueBinary::create>(G_STRFUNC, data, data_length1, object_type);
}
TarvelinProvidersContractsValueBinary* tarvelin_providers_contracts_value_binary_new(const guint8* data,
                                                                                   gint data_length1) {
    return tarvelin_providers_contracts_value_binary_construct(ValueBinary::gtype(), data, data_length1);
}
// NULL, with a length of 0, for no bytes or an empty buffer.
guint8* tarvelin_providers_contracts_value_binary_to_bytes(TarvelinProvidersContractsValueBinary* self,
                                                           gint* result_length1) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ValueBinary::to_bytes>(G_STRFUNC, self, result_length1);
}
gchar* tarvelin_providers_contracts_value_binary_to_hexadecimal(TarvelinProvidersContractsValueBinary* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ValueBinary::to_hexadecimal>(G_STRFUNC, self);
}
void tarvelin_providers_contracts_value_binary_write(TarvelinProvidersContractsValueBinary* self, GOutputStream* stream,
                                                     GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(stream != NULL);
    gobj::invoke<&ValueBinary::write>(G_STRFUNC, self, stream, error);
}
void tarvelin_providers_contracts_value_binary_load(TarvelinProvidersContractsValueBinary* self,
                                                    const gchar* filename, GAsyncReadyCallback _callback_,
                                                    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::invoke<&ValueBinary::load>(G_STRFUNC, self, filename, _callback_, _user_data_);
}
void tarvelin_providers_contracts_value_binary_load_finish(TarvelinProvidersContractsValueBinary* self,
                                                           GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ValueBinary::load_finish>(G_STRFUNC, self, _res_, error);
}
void tarvelin_providers_contracts_value_binary_save(TarvelinProvidersContractsValueBinary* self,
                                                    const gchar* filename, GAsyncReadyCallback _callback_,
                                                    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::invoke<&ValueBinary::save>(G_STRFUNC, self, filename, _callback_, _user_data_);
}
void tarvelin_providers_contracts_value_binary_save_finish(TarvelinProvidersContractsValueBinary* self,
                                                           GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ValueBinary::save_finish>(G_STRFUNC, self, _res_, error);
}

// ---------------------------------------------------------------- ValueBlob

GType tarvelin_providers_contracts_value_blob_get_type(void) { return ValueBlob::gtype(); }
TarvelinProvidersContractsValueBlob* tarvelin_providers_contracts_value_blob_construct(GType object_type,
                                                                                     const guint8* data,
                                                                                     gint data_length1) {
    g_return_val_if_fail(data_length1 >= 0, NULL);
    g_return_val_if_fail(data != NULL || data_length1 == 0, NULL);
    return gobj::invoke<&ValueBlob::create>(G_STRFUNC, data, data_length1, object_type);
}
TarvelinProvidersContractsValueBlob* tarvelin_providers_contracts_value_blob_new(const guint8* data,
                                                                               gint data_length1) {
    return tarvelin_providers_contracts_value_blob_construct(ValueBlob::gtype(), data, data_length1);
}

}  // extern "C"
