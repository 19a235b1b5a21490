// C face of the floating-point cells.
//
// The TARVELIN_SCALAR_VALUE_PROPERTIES rows make
//   tarvelin_providers_contracts_value_float_get_itsvalue, tarvelin_providers_contracts_value_float_set_itsvalue
//   tarvelin_providers_contracts_value_double_get_itsvalue, tarvelin_providers_contracts_value_double_set_itsvalue
//   tarvelin_providers_contracts_value_money_get_itsvalue, tarvelin_providers_contracts_value_money_set_itsvalue
//   tarvelin_providers_contracts_value_decimal_get_itsvalue, tarvelin_providers_contracts_value_decimal_set_itsvalue
#include "providers/contracts/value_numeric.hpp"

TARVELIN_LOG_TAG("value_numeric_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::prop::HeldScalar;

static_assert(sizeof(TarvelinProvidersContractsINumericInterface) == sizeof(GTypeInterface) + sizeof(gpointer));

extern "C" {

GType tarvelin_providers_contracts_inumeric_get_type(void) { return INumeric::gtype(); }

gdouble tarvelin_providers_contracts_inumeric_to_double(TarvelinProvidersContractsINumeric* self) {
    g_return_val_if_fail(self != NULL, 0.0);
    return gobj::dispatch<&TarvelinProvidersContractsINumericInterface::to_double>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueFloat
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueFloat
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_float
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueFloat::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_float_get_type(void) { return ValueFloat::gtype(); }
TarvelinProvidersContractsValueFloat* tarvelin_providers_contracts_value_float_construct(GType object_type,
                                                                                         gfloat value) {
    return gobj::invoke<&ValueFloat::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueFloat* tarvelin_providers_contracts_value_float_new(gfloat value) {
    return tarvelin_providers_contracts_value_float_construct(ValueFloat::gtype(), value);
}

#define TARVELIN_CAPI_CLASS ValueDouble
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueDouble
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_double
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueDouble::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_double_get_type(void) { return ValueDouble::gtype(); }
TarvelinProvidersContractsValueDouble* tarvelin_providers_contracts_value_double_construct(GType object_type,
                                                                                           gdouble value) {
    return gobj::invoke<&ValueDouble::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueDouble* tarvelin_providers_contracts_value_double_new(gdouble value) {
    return tarvelin_providers_contracts_value_double_construct(ValueDouble::gtype(), value);
}

#define TARVELIN_CAPI_CLASS ValueMoney
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueMoney
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_money
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueMoney::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_money_get_type(void) { return ValueMoney::gtype(); }
TarvelinProvidersContractsValueMoney* tarvelin_providers_contracts_value_money_construct(GType object_type,
                                                                                         gdouble value) {
    return gobj::invoke<&ValueMoney::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueMoney* tarvelin_providers_contracts_value_money_new(gdouble value) {
    return tarvelin_providers_contracts_value_money_construct(ValueMoney::gtype(), value);
}

#define TARVELIN_CAPI_CLASS ValueDecimal
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueDecimal
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_decimal
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueDecimal::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_decimal_get_type(void) { return ValueDecimal::gtype(); }
TarvelinProvidersContractsValueDecimal* tarvelin_providers_contracts_value_decimal_construct(GType object_type,
                                                                                             gdouble value) {
    return gobj::invoke<&ValueDecimal::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueDecimal* tarvelin_providers_contracts_value_decimal_new(gdouble value) {
    return tarvelin_providers_contracts_value_decimal_construct(ValueDecimal::gtype(), value);
}

}  // extern "C"
