// C face of the text cells.
#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_string.hpp"

TARVELIN_LOG_TAG("value_string_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

extern "C" {

TARVELIN_TEXT_CONSTRUCTORS(ValueString, TarvelinProvidersContractsValueString, tarvelin_providers_contracts_value_string,
                           text)
TARVELIN_TEXT_CONSTRUCTORS(ValueXml, TarvelinProvidersContractsValueXml, tarvelin_providers_contracts_value_xml, text)
TARVELIN_TEXT_CONSTRUCTORS(ValueJson, TarvelinProvidersContractsValueJson, tarvelin_providers_contracts_value_json,
                           text)

TARVELIN_TEXT_ITSVALUE(ValueString, TarvelinProvidersContractsValueString, tarvelin_providers_contracts_value_string)
void tarvelin_providers_contracts_value_string_load(TarvelinProvidersContractsValueString* self,
                                                    const gchar* filename, GAsyncReadyCallback _callback_,
                                                    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::guarded(G_STRFUNC, [&] { cast<ValueString>(self)->load(filename, _callback_, _user_data_); });
}
void tarvelin_providers_contracts_value_string_load_finish(TarvelinProvidersContractsValueString* self,
                                                           GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<ValueString>(self)->load_finish(_res_); });
}
void tarvelin_providers_contracts_value_string_save(TarvelinProvidersContractsValueString* self,
                                                    const gchar* filename, GAsyncReadyCallback _callback_,
                                                    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::guarded(G_STRFUNC, [&] { cast<ValueString>(self)->save(filename, _callback_, _user_data_); });
}
void tarvelin_providers_contracts_value_string_save_finish(TarvelinProvidersContractsValueString* self,
                                                           GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<ValueString>(self)->save_finish(_res_); });
}

TarvelinProvidersContractsValueUuid* tarvelin_providers_contracts_value_uuid_construct(GType object_type) {
    return hand_over<TarvelinProvidersContractsValueUuid>(G_STRFUNC, [&] { return ValueUuid::create(object_type); });
}
TarvelinProvidersContractsValueUuid* tarvelin_providers_contracts_value_uuid_new(void) {
    return tarvelin_providers_contracts_value_uuid_construct(ValueUuid::gtype());
}
TarvelinProvidersContractsValueUuid* tarvelin_providers_contracts_value_uuid_construct_uuid(GType object_type,
                                                                                          const gchar* uuid) {
    g_return_val_if_fail(uuid != NULL, NULL);
    return hand_over<TarvelinProvidersContractsValueUuid>(G_STRFUNC, [&] { return ValueUuid::create_uuid(uuid, object_type); });
}
TarvelinProvidersContractsValueUuid* tarvelin_providers_contracts_value_uuid_new_uuid(const gchar* uuid) {
    return tarvelin_providers_contracts_value_uuid_construct_uuid(ValueUuid::gtype(), uuid);
}
GType tarvelin_providers_contracts_value_uuid_get_type(void) { return ValueUuid::gtype(); }

TarvelinProvidersContractsValueUtf16* tarvelin_providers_contracts_value_utf16_construct(GType object_type,
                                                                                       gunichar2* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return hand_over<TarvelinProvidersContractsValueUtf16>(G_STRFUNC, [&] { return ValueUtf16::create(text, object_type); });
}
TarvelinProvidersContractsValueUtf16* tarvelin_providers_contracts_value_utf16_new(gunichar2* text) {
    return tarvelin_providers_contracts_value_utf16_construct(ValueUtf16::gtype(), text);
}
TarvelinProvidersContractsValueUtf16* tarvelin_providers_contracts_value_utf16_construct_string(GType object_type,
                                                                                              const gchar* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return hand_over<TarvelinProvidersContractsValueUtf16>(G_STRFUNC, [&] { return ValueUtf16::create_string(text, object_type); });
}
TarvelinProvidersContractsValueUtf16* tarvelin_providers_contracts_value_utf16_new_string(const gchar* text) {
    return tarvelin_providers_contracts_value_utf16_construct_string(ValueUtf16::gtype(), text);
}
gunichar2* tarvelin_providers_contracts_value_utf16_get_itsvalue(TarvelinProvidersContractsValueUtf16* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return cast<ValueUtf16>(self)->get_itsvalue();
}
void tarvelin_providers_contracts_value_utf16_set_itsvalue(TarvelinProvidersContractsValueUtf16* self,
                                                           gunichar2* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { cast<ValueUtf16>(self)->set_itsvalue(value); });
}
GType tarvelin_providers_contracts_value_utf16_get_type(void) { return ValueUtf16::gtype(); }

}  // extern "C"
