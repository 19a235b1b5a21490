// Whole-number and truth-value cells, and the two interfaces that read any of them
// as a wide integer.
#pragma once

#include <tarvelin/providers/value_integer.h>

#include "providers/contracts/value_scalar.hpp"

namespace tarvelin::providers::contracts {

// Any integer or boolean cell read as a signed 64-bit number.
class TARVELIN_EXPORT IInteger : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIIntegerInterface;
    static GType gtype();

    virtual gint64 to_integer() const = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->to_integer = gobj::slot<T, &IInteger::to_integer>(vt->to_integer);
    }
};

// Any unsigned integer or boolean cell read as an unsigned 64-bit number.
class TARVELIN_EXPORT IUnsigned : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIUnsignedInterface;
    static GType gtype();

    virtual guint64 to_unsigned() const = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->to_unsigned = gobj::slot<T, &IUnsigned::to_unsigned>(vt->to_unsigned);
    }
};

// What the nine classes share: the held number (or truth value) as text and as a
// GValue, and its signed reading.
template <class Self, class Held>
class TARVELIN_EXPORT IntegerValue : public ScalarValue<Self, Held>, public IInteger {
public:
    void to_value(GValue* result) const override;
    std::string to_string() const override;
    gint64 to_integer() const override { return static_cast<gint64>(this->itsvalue_); }
};

template <class Self, class Held>
class TARVELIN_EXPORT UnsignedValue : public IntegerValue<Self, Held>, public IUnsigned {
public:
    guint64 to_unsigned() const override { return static_cast<guint64>(this->itsvalue_); }
};

class TARVELIN_EXPORT ValueInt8 : public IntegerValue<ValueInt8, gint8> {
public:
    static constexpr const char* kName = "byte";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8;
    static GType gtype();
    gint8 get_int8() const noexcept { return itsvalue_; }
};

class TARVELIN_EXPORT ValueInt16 : public IntegerValue<ValueInt16, gint16> {
public:
    static constexpr const char* kName = "int16";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16;
    static GType gtype();
    gint16 get_int16() const noexcept { return itsvalue_; }
};

class TARVELIN_EXPORT ValueInt32 : public IntegerValue<ValueInt32, gint32> {
public:
    static constexpr const char* kName = "int32";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
    static GType gtype();
    gint32 get_int32() const noexcept { return itsvalue_; }
};

class TARVELIN_EXPORT ValueInt64 : public IntegerValue<ValueInt64, gint64> {
public:
    static constexpr const char* kName = "int64";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
    static GType gtype();
    gint64 get_int64() const noexcept { return itsvalue_; }
};

class TARVELIN_EXPORT ValueUInt8 : public UnsignedValue<ValueUInt8, guint8> {
public:
    static constexpr const char* kName = "uint8";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8;
    static GType gtype();
    guint8 get_uint8() const noexcept { return itsvalue_; }
};

class TARVELIN_EXPORT ValueUInt16 : public UnsignedValue<ValueUInt16, guint16> {
public:
    static constexpr const char* kName = "uint16";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16;
    static GType gtype();
    guint16 get_uint16() const noexcept { return itsvalue_; }
};

class TARVELIN_EXPORT ValueUInt32 : public UnsignedValue<ValueUInt32, guint32> {
public:
    static constexpr const char* kName = "uint32";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32;
    static GType gtype();
    guint32 get_uint32() const noexcept { return itsvalue_; }
};

class TARVELIN_EXPORT ValueUInt64 : public UnsignedValue<ValueUInt64, guint64> {
public:
    static constexpr const char* kName = "uint64";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64;
    static GType gtype();
    guint64 get_uint64() const noexcept { return itsvalue_; }
    // Numbers above the signed range read as its largest member.
    gint64 to_integer() const override;
};

class TARVELIN_EXPORT ValueBoolean : public UnsignedValue<ValueBoolean, bool> {
public:
    static constexpr const char* kName = "bool";
    static constexpr DataType kDataType = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN;
    static GType gtype();
    bool get_boolean() const noexcept { return itsvalue_; }
};

// Bodies live in the library.
extern template class IntegerValue<ValueInt8, gint8>;
extern template class IntegerValue<ValueInt16, gint16>;
extern template class IntegerValue<ValueInt32, gint32>;
extern template class IntegerValue<ValueInt64, gint64>;
extern template class IntegerValue<ValueUInt8, guint8>;
extern template class IntegerValue<ValueUInt16, guint16>;
extern template class IntegerValue<ValueUInt32, guint32>;
extern template class IntegerValue<ValueUInt64, guint64>;
extern template class IntegerValue<ValueBoolean, bool>;

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIIntegerInterface, tarvelin::providers::contracts::IInteger)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIInteger, tarvelin::providers::contracts::IInteger)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIUnsignedInterface, tarvelin::providers::contracts::IUnsigned)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIUnsigned, tarvelin::providers::contracts::IUnsigned)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueInt8, tarvelin::providers::contracts::ValueInt8)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueInt16, tarvelin::providers::contracts::ValueInt16)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueInt32, tarvelin::providers::contracts::ValueInt32)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueInt64, tarvelin::providers::contracts::ValueInt64)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueUInt8, tarvelin::providers::contracts::ValueUInt8)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueUInt16, tarvelin::providers::contracts::ValueUInt16)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueUInt32, tarvelin::providers::contracts::ValueUInt32)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueUInt64, tarvelin::providers::contracts::ValueUInt64)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueBoolean, tarvelin::providers::contracts::ValueBoolean)
