#include "providers/contracts/value_numeric.hpp"
#include "providers/gobj/register.hpp"

#include <cfloat>

TARVELIN_LOG_TAG("value_numeric")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(INumeric, "TarvelinProvidersContractsINumeric", G_TYPE_OBJECT)
TARVELIN_GTYPE(ValueFloat, "TarvelinProvidersContractsValueFloat", ValueObject, INumeric)
TARVELIN_GTYPE(ValueDouble, "TarvelinProvidersContractsValueDouble", ValueObject, INumeric)
TARVELIN_GTYPE(ValueMoney, "TarvelinProvidersContractsValueMoney", ValueObject, INumeric)
TARVELIN_GTYPE(ValueDecimal, "TarvelinProvidersContractsValueDecimal", ValueObject, INumeric)

std::string format_fixed(double d) {
    // "%f" writes every integer digit: up to 309 of them for the largest double.
    char buf[DBL_MAX_10_EXP + 32];
    g_ascii_formatd(buf, sizeof buf, "%f", d);
    return buf;
}

template <class Self, class Held>
void NumericValue<Self, Held>::to_value(GValue* result) const {
    if constexpr (std::is_same_v<Held, float>) {
        g_value_init(result, G_TYPE_FLOAT);
        g_value_set_float(result, this->itsvalue_);
    } else {
        g_value_init(result, G_TYPE_DOUBLE);
        g_value_set_double(result, this->itsvalue_);
    }
}

template <class Self, class Held>
std::string NumericValue<Self, Held>::to_string() const {
    return format_fixed(static_cast<double>(this->itsvalue_));
}

template class NumericValue<ValueFloat, float>;
template class NumericValue<ValueDouble, double>;
template class NumericValue<ValueMoney, double>;
template class NumericValue<ValueDecimal, double>;

}  // namespace tarvelin::providers::contracts
