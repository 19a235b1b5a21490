// C face of the floating-point cells.
#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_numeric.hpp"

TARVELIN_LOG_TAG("value_numeric_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

static_assert(sizeof(TarvelinProvidersContractsINumericInterface) == sizeof(GTypeInterface) + sizeof(gpointer));

extern "C" {

TARVELIN_API GType tarvelin_providers_contracts_inumeric_get_type(void) { return INumeric::gtype(); }

gdouble tarvelin_providers_contracts_inumeric_to_double(TarvelinProvidersContractsINumeric* self) {
    g_return_val_if_fail(self != NULL, 0.0);
    return INumeric::to_double_of(self);
}

TARVELIN_SCALAR_VALUE_CAPI(ValueFloat, TarvelinProvidersContractsValueFloat, tarvelin_providers_contracts_value_float,
                      gfloat)
TARVELIN_SCALAR_VALUE_CAPI(ValueDouble, TarvelinProvidersContractsValueDouble, tarvelin_providers_contracts_value_double,
                      gdouble)
TARVELIN_SCALAR_VALUE_CAPI(ValueMoney, TarvelinProvidersContractsValueMoney, tarvelin_providers_contracts_value_money,
                      gdouble)
TARVELIN_SCALAR_VALUE_CAPI(ValueDecimal, TarvelinProvidersContractsValueDecimal,
                      tarvelin_providers_contracts_value_decimal, gdouble)

}  // extern "C"
