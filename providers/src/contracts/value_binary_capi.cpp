// C face of the byte cells.
#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_support.hpp"

TARVELIN_LOG_TAG("value_binary_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

// new and construct from a byte array and its length.
#define TARVELIN_BYTES_CONSTRUCTORS(Class, CType, prefix)                                                   \
    CType* prefix##_construct(GType object_type, const guint8* data, gint data_length1) {                   \
        g_return_val_if_fail(data_length1 >= 0, NULL);                                                      \
        g_return_val_if_fail(data != NULL || data_length1 == 0, NULL);                                      \
        return hand_over<CType>(G_STRFUNC, [&] { return Class::create(data, data_length1, object_type); }); \
    }                                                                                                       \
    CType* prefix##_new(const guint8* data, gint data_length1) {                                            \
        return prefix##_construct(Class::gtype(), data, data_length1);                                      \
    }                                                                                                       \
    GType prefix##_get_type(void) { return Class::gtype(); }

extern "C" {

TARVELIN_BYTES_CONSTRUCTORS(ValueBinary, TarvelinProvidersContractsValueBinary, tarvelin_providers_contracts_value_binary)
TARVELIN_BYTES_CONSTRUCTORS(ValueBlob, TarvelinProvidersContractsValueBlob, tarvelin_providers_contracts_value_blob)

GBytes* tarvelin_providers_contracts_value_binary_get_itsvalue(TarvelinProvidersContractsValueBinary* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<ValueBinary>(self)->get_itsvalue();
}
void tarvelin_providers_contracts_value_binary_set_itsvalue(TarvelinProvidersContractsValueBinary* self,
                                                            GBytes* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { cast<ValueBinary>(self)->set_itsvalue(value); });
}
guint8* tarvelin_providers_contracts_value_binary_to_bytes(TarvelinProvidersContractsValueBinary* self,
                                                           gint* result_length1) {
    if (result_length1) *result_length1 = 0;
    g_return_val_if_fail(self != NULL, NULL);
    GBytes* bytes = cast<ValueBinary>(self)->get_itsvalue();
    gsize size = 0;
    gconstpointer data = bytes ? g_bytes_get_data(bytes, &size) : nullptr;
    if (!data || size == 0) return nullptr;
    if (result_length1) *result_length1 = static_cast<gint>(size);
    return static_cast<guint8*>(g_memdup2(data, size));
}
gchar* tarvelin_providers_contracts_value_binary_to_hexadecimal(TarvelinProvidersContractsValueBinary* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(G_STRFUNC, [&] { return gobj::dup_string(cast<ValueBinary>(self)->to_hexadecimal()); });
}
void tarvelin_providers_contracts_value_binary_write(TarvelinProvidersContractsValueBinary* self, GOutputStream* stream,
                                                     GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(stream != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<ValueBinary>(self)->write(stream); });
}
void tarvelin_providers_contracts_value_binary_load(TarvelinProvidersContractsValueBinary* self,
                                                    const gchar* filename, GAsyncReadyCallback _callback_,
                                                    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::guarded(G_STRFUNC, [&] { cast<ValueBinary>(self)->load(filename, _callback_, _user_data_); });
}
void tarvelin_providers_contracts_value_binary_load_finish(TarvelinProvidersContractsValueBinary* self,
                                                           GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<ValueBinary>(self)->load_finish(_res_); });
}
void tarvelin_providers_contracts_value_binary_save(TarvelinProvidersContractsValueBinary* self,
                                                    const gchar* filename, GAsyncReadyCallback _callback_,
                                                    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::guarded(G_STRFUNC, [&] { cast<ValueBinary>(self)->save(filename, _callback_, _user_data_); });
}
void tarvelin_providers_contracts_value_binary_save_finish(TarvelinProvidersContractsValueBinary* self,
                                                           GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<ValueBinary>(self)->save_finish(_res_); });
}

}  // extern "C"
