// C face of the text cells.
//
// The TARVELIN_VALUE_STRING_PROPERTIES row makes tarvelin_providers_contracts_value_string_get_itsvalue
// and tarvelin_providers_contracts_value_string_set_itsvalue; the TARVELIN_VALUE_UTF16_PROPERTIES row
// makes tarvelin_providers_contracts_value_utf16_get_itsvalue and
// tarvelin_providers_contracts_value_utf16_set_itsvalue. TARVELIN_CLASS_CAPI makes
// tarvelin_providers_contracts_value_uuid_get_type, tarvelin_providers_contracts_value_uuid_construct
// and tarvelin_providers_contracts_value_uuid_new.
#include "providers/contracts/value_string.hpp"

TARVELIN_LOG_TAG("value_string_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

extern "C" {

// ---------------------------------------------------------------- ValueString

#define TARVELIN_CAPI_CLASS ValueString
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueString
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_string
TARVELIN_VALUE_STRING_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_string_get_type(void) { return ValueString::gtype(); }
TarvelinProvidersContractsValueString* tarvelin_providers_contracts_value_string_construct(GType object_type,
                                                                                         const gchar* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return gobj::invoke<&ValueString::create>(G_STRFUNC, text, object_type);
}
TarvelinProvidersContractsValueString* tarvelin_providers_contracts_value_string_new(const gchar* text) {
    return tarvelin_providers_contracts_value_string_construct(ValueString::gtype(), text);
}
void tarvelin_providers_contracts_value_string_load(TarvelinProvidersContractsValueString* self,
                                                    const gchar* filename, GAsyncReadyCallback _callback_,
                                                    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::invoke<&ValueString::load>(G_STRFUNC, self, filename, _callback_, _user_data_);
}
void tarvelin_providers_contracts_value_string_load_finish(TarvelinProvidersContractsValueString* self,
                                                           GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ValueString::load_finish>(G_STRFUNC, self, _res_, error);
}
void tarvelin_providers_contracts_value_string_save(TarvelinProvidersContractsValueString* self,
                                                    const gchar* filename, GAsyncReadyCallback _callback_,
                                                    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(filename != NULL);
    gobj::invoke<&ValueString::save>(G_STRFUNC, self, filename, _callback_, _user_data_);
}
void tarvelin_providers_contracts_value_string_save_finish(TarvelinProvidersContractsValueString* self,
                                                           GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ValueString::save_finish>(G_STRFUNC, self, _res_, error);
}

// ---------------------------------------------------------------- XML, JSON, UUID

GType tarvelin_providers_contracts_value_xml_get_type(void) { return ValueXml::gtype(); }
TarvelinProvidersContractsValueXml* tarvelin_providers_contracts_value_xml_construct(GType object_type,
                                                                                   const gchar* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return gobj::invoke<&ValueXml::create>(G_STRFUNC, text, object_type);
}
TarvelinProvidersContractsValueXml* tarvelin_providers_contracts_value_xml_new(const gchar* text) {
    return tarvelin_providers_contracts_value_xml_construct(ValueXml::gtype(), text);
}

GType tarvelin_providers_contracts_value_json_get_type(void) { return ValueJson::gtype(); }
TarvelinProvidersContractsValueJson* tarvelin_providers_contracts_value_json_construct(GType object_type,
                                                                                     const gchar* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return gobj::invoke<&ValueJson::create>(G_STRFUNC, text, object_type);
}
TarvelinProvidersContractsValueJson* tarvelin_providers_contracts_value_json_new(const gchar* text) {
    return tarvelin_providers_contracts_value_json_construct(ValueJson::gtype(), text);
}

TARVELIN_CLASS_CAPI(ValueUuid, TarvelinProvidersContractsValueUuid, tarvelin_providers_contracts_value_uuid)
TarvelinProvidersContractsValueUuid* tarvelin_providers_contracts_value_uuid_construct_uuid(GType object_type,
                                                                                          const gchar* uuid) {
    g_return_val_if_fail(uuid != NULL, NULL);
    return gobj::invoke<&ValueUuid::create_uuid>(G_STRFUNC, uuid, object_type);
}
TarvelinProvidersContractsValueUuid* tarvelin_providers_contracts_value_uuid_new_uuid(const gchar* uuid) {
    return tarvelin_providers_contracts_value_uuid_construct_uuid(ValueUuid::gtype(), uuid);
}

// ---------------------------------------------------------------- ValueUtf16

#define TARVELIN_CAPI_CLASS ValueUtf16
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueUtf16
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_utf16
TARVELIN_VALUE_UTF16_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_utf16_get_type(void) { return ValueUtf16::gtype(); }
TarvelinProvidersContractsValueUtf16* tarvelin_providers_contracts_value_utf16_construct(GType object_type,
                                                                                       gunichar2* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return gobj::invoke<&ValueUtf16::create>(G_STRFUNC, text, object_type);
}
TarvelinProvidersContractsValueUtf16* tarvelin_providers_contracts_value_utf16_new(gunichar2* text) {
    return tarvelin_providers_contracts_value_utf16_construct(ValueUtf16::gtype(), text);
}
TarvelinProvidersContractsValueUtf16* tarvelin_providers_contracts_value_utf16_construct_string(GType object_type,
                                                                                              const gchar* text) {
    g_return_val_if_fail(text != NULL, NULL);
    return gobj::invoke<&ValueUtf16::create_string>(G_STRFUNC, text, object_type);
}
TarvelinProvidersContractsValueUtf16* tarvelin_providers_contracts_value_utf16_new_string(const gchar* text) {
    return tarvelin_providers_contracts_value_utf16_construct_string(ValueUtf16::gtype(), text);
}

}  // extern "C"
