// Floating-point cells: single and double precision, money and decimal amounts.
// Callers serialise: a value's number changes without a lock.
#pragma once

#include <tarvelin/providers/value_numeric.h>

#include <memory>
#include <string_view>

#include "providers/contracts/value_scalar.hpp"

namespace tarvelin::providers::contracts {

// Any floating-point cell read as a double.
class TARVELIN_EXPORT INumeric : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsINumericInterface;
    static GType gtype();

    virtual double to_double() const = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->to_double = gobj::slot<T, &INumeric::to_double>(vt->to_double);
    }
};

// What the four classes share: the held number as text and as a GValue, and as a double.
template <class Self, class Held>
class TARVELIN_EXPORT NumericValue : public ScalarValue<Self, Held>, public INumeric {
public:
    // A value that also keeps the text the server wrote for `value` (a NUMERIC or
    // DECIMAL cell holds digits no double can).
    static gobj::Ref<Self> create_exact(Held value, std::string_view server_text);

    void to_value(GValue* result) const override;
    // "%f" whatever the process locale: "." and six fractional digits.
    std::string to_string() const override;
    // The server's text while the value still holds the number it was read with, else
    // the shortest text that reads back to the number.
    std::string exact_text() const override;
    gobj::Ref<ValueObject> clone() const override;
    double to_double() const override { return static_cast<double>(this->itsvalue_); }

private:
    // The server's text and the number it was kept for: setting another number drops it.
    std::shared_ptr<const std::string> server_text_;
    Held server_number_{};
};

class TARVELIN_EXPORT ValueFloat : public NumericValue<ValueFloat, float> {
public:
    static constexpr const char* kName = "float";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT;
    static GType gtype();
};

class TARVELIN_EXPORT ValueDouble : public NumericValue<ValueDouble, double> {
public:
    static constexpr const char* kName = "double";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
    static GType gtype();
};

class TARVELIN_EXPORT ValueMoney : public NumericValue<ValueMoney, double> {
public:
    static constexpr const char* kName = "money";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY;
    static GType gtype();
};

class TARVELIN_EXPORT ValueDecimal : public NumericValue<ValueDecimal, double> {
public:
    static constexpr const char* kName = "decimal";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL;
    static GType gtype();
};

// Bodies live in the library.
extern template class NumericValue<ValueFloat, float>;
extern template class NumericValue<ValueDouble, double>;
extern template class NumericValue<ValueMoney, double>;
extern template class NumericValue<ValueDecimal, double>;

// "%f" of a double, independent of the process locale.
TARVELIN_EXPORT std::string format_fixed(double d);
// The shortest text that reads back to exactly this number ("0.1", "1e-09", "-0",
// "1e+300"), with a full stop whatever the locale; "inf", "-inf" or "nan" for those.
TARVELIN_EXPORT std::string shortest_text(double d);
TARVELIN_EXPORT std::string shortest_text(float f);

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsINumericInterface, tarvelin::providers::contracts::INumeric)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsINumeric, tarvelin::providers::contracts::INumeric)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueFloat, tarvelin::providers::contracts::ValueFloat)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueDouble, tarvelin::providers::contracts::ValueDouble)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueMoney, tarvelin::providers::contracts::ValueMoney)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueDecimal, tarvelin::providers::contracts::ValueDecimal)
