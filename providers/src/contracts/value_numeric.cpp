#include "providers/contracts/value_numeric.hpp"
#include "providers/gobj/register.hpp"

#include <charconv>
#include <cfloat>
#include <cstring>

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

namespace {
template <class F>
std::string shortest_of(F value) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : format_fixed(static_cast<double>(value));
}
}  // namespace

std::string shortest_text(double d) { return shortest_of(d); }
std::string shortest_text(float f) { return shortest_of(f); }

template <class Self, class Held>
gobj::Ref<Self> NumericValue<Self, Held>::create_exact(Held value, std::string_view server_text) {
    auto v = Self::create(value);
    if (v) {
        v->server_text_ = std::make_shared<const std::string>(server_text);
        v->server_number_ = value;
    }
    return v;
}

template <class Self, class Held>
std::string NumericValue<Self, Held>::exact_text() const {
    // Bit for bit, so that -0 and 0 are told apart.
    if (server_text_ && std::memcmp(&server_number_, &this->itsvalue_, sizeof(Held)) == 0) return *server_text_;
    return shortest_text(this->itsvalue_);
}

template <class Self, class Held>
gobj::Ref<ValueObject> NumericValue<Self, Held>::clone() const {
    auto copy = Self::create(this->itsvalue_);
    if (copy) {
        copy->server_text_ = server_text_;
        copy->server_number_ = server_number_;
    }
    return copy;
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
