// Floating-point cells: single and double precision, money and decimal amounts.
// Callers serialise: a value's number changes without a lock.
#pragma once

#include <tarvelin/providers/value_numeric.h>

#include "providers/contracts/value_scalar.hpp"

namespace tarvelin::providers::contracts {

// Any floating-point cell read as a double.
class TARVELIN_EXPORT INumeric : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsINumericInterface;
    static GType gtype();

    virtual double to_double() const = 0;

    // Calls the operation through the instance's interface structure (-1 for an empty slot).
    static double to_double_of(gpointer instance);
    static bool implemented_by(gpointer instance) noexcept {
        return instance && G_TYPE_CHECK_INSTANCE_TYPE(instance, gtype());
    }

    template <class T>
    static void fill(Vtable* vt) {
        vt->to_double = gobj::slot<T, &INumeric::to_double>(vt->to_double);
    }
};

// What the four classes share: the held number as text and as a GValue, and as a double.
template <class Self, class Held>
class TARVELIN_EXPORT NumericValue : public ScalarValue<Self, Held>, public INumeric {
public:
    void to_value(GValue* result) const override;
    // "%f" whatever the process locale: "." and six fractional digits.
    std::string to_string() const override;
    double to_double() const override { return static_cast<double>(this->value_); }

protected:
    // "itsvalue" over the type's whole finite range.
    static void install(gobj::ClassSpec<Self>& c);
};

class TARVELIN_EXPORT ValueFloat : public NumericValue<ValueFloat, float> {
public:
    static constexpr const char* kName = "float";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT;
    static inline GParamSpec* itsvalue_pspec = nullptr;
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueFloat>& c) { install(c); }
};

class TARVELIN_EXPORT ValueDouble : public NumericValue<ValueDouble, double> {
public:
    static constexpr const char* kName = "double";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
    static inline GParamSpec* itsvalue_pspec = nullptr;
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueDouble>& c) { install(c); }
};

class TARVELIN_EXPORT ValueMoney : public NumericValue<ValueMoney, double> {
public:
    static constexpr const char* kName = "money";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY;
    static inline GParamSpec* itsvalue_pspec = nullptr;
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueMoney>& c) { install(c); }
};

class TARVELIN_EXPORT ValueDecimal : public NumericValue<ValueDecimal, double> {
public:
    static constexpr const char* kName = "decimal";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL;
    static inline GParamSpec* itsvalue_pspec = nullptr;
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueDecimal>& c) { install(c); }
};

// Bodies live in the library.
extern template class NumericValue<ValueFloat, float>;
extern template class NumericValue<ValueDouble, double>;
extern template class NumericValue<ValueMoney, double>;
extern template class NumericValue<ValueDecimal, double>;

// "%f" of a double, independent of the process locale.
TARVELIN_EXPORT std::string format_fixed(double d);

}  // namespace tarvelin::providers::contracts
