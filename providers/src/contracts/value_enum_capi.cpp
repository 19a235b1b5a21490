// C face of the enumerated cells.
//
// The TARVELIN_VALUE_ENUM_PROPERTIES row makes tarvelin_providers_contracts_value_enum_get_itsvalue and
// tarvelin_providers_contracts_value_enum_set_itsvalue.
#include "providers/contracts/value_enum.hpp"

TARVELIN_LOG_TAG("value_enum_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

extern "C" {

#define TARVELIN_CAPI_CLASS ValueEnum
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueEnum
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_enum
TARVELIN_VALUE_ENUM_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_enum_get_type(void) { return ValueEnum::gtype(); }
TarvelinProvidersContractsValueEnum* tarvelin_providers_contracts_value_enum_construct(GType object_type,
                                                                                     const gchar* enum_value) {
    g_return_val_if_fail(enum_value != NULL, NULL);
    return gobj::invoke<&ValueEnum::create>(G_STRFUNC, enum_value, object_type);
}
TarvelinProvidersContractsValueEnum* tarvelin_providers_contracts_value_enum_new(const gchar* enum_value) {
    return tarvelin_providers_contracts_value_enum_construct(ValueEnum::gtype(), enum_value);
}
void tarvelin_providers_contracts_value_enum_initialize(TarvelinProvidersContractsValueEnum* self, gchar** values,
                                                        gint values_length1) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ValueEnum::initialize>(G_STRFUNC, self, values, values_length1);
}

GType tarvelin_providers_contracts_value_flags_get_type(void) { return ValueFlags::gtype(); }
TarvelinProvidersContractsValueFlags* tarvelin_providers_contracts_value_flags_construct(GType object_type,
                                                                                       const gchar* flag_value) {
    g_return_val_if_fail(flag_value != NULL, NULL);
    return gobj::invoke<&ValueFlags::create>(G_STRFUNC, flag_value, object_type);
}
TarvelinProvidersContractsValueFlags* tarvelin_providers_contracts_value_flags_new(const gchar* flag_value) {
    return tarvelin_providers_contracts_value_flags_construct(ValueFlags::gtype(), flag_value);
}

GType tarvelin_providers_contracts_value_set_get_type(void) { return ValueSet::gtype(); }
TarvelinProvidersContractsValueSet* tarvelin_providers_contracts_value_set_construct(GType object_type,
                                                                                   const gchar* set_value) {
    g_return_val_if_fail(set_value != NULL, NULL);
    return gobj::invoke<&ValueSet::create>(G_STRFUNC, set_value, object_type);
}
TarvelinProvidersContractsValueSet* tarvelin_providers_contracts_value_set_new(const gchar* set_value) {
    return tarvelin_providers_contracts_value_set_construct(ValueSet::gtype(), set_value);
}

}  // extern "C"
