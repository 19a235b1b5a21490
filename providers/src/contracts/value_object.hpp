// The cell value contract and its general members.
// Thread-safe: the general, null and error values never change after construction.
#pragma once

#include <tarvelin/providers/value_object.h>

#include <string>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/ref.hpp"
#include "providers/gobj/slot.hpp"

namespace tarvelin::providers::contracts {

class ValueObject;

// A typed cell value. C++ classes implement it through ValueObject's virtuals.
class TARVELIN_EXPORT IValue : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIValueInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<IValue>& spec);

    virtual void to_value(GValue* result) const = 0;
    virtual std::string to_string() const = 0;
    virtual gobj::Ref<ValueObject> clone() const = 0;
    virtual std::string dump() const = 0;
    virtual const char* get_name() const = 0;
    virtual DataType get_data_type() const = 0;
    virtual bool get_is_null() const = 0;

    // A cell of any data type from a text, or the type's default without one. `type` is
    // a DataType or any number a C caller passed: an unknown one gives an XML cell.
    static gobj::Ref<ValueObject> factory(int type, const char* text);

    template <class T>
    static void fill(Vtable* vt) {
        vt->to_value = gobj::slot<T, &IValue::to_value>(vt->to_value);
        vt->to_string = gobj::slot<T, &IValue::to_string>(vt->to_string);
        vt->clone = gobj::slot<T, &IValue::clone>(vt->clone);
        vt->dump = gobj::slot<T, &IValue::dump>(vt->dump);
        vt->get_name = gobj::slot<T, &IValue::get_name>(vt->get_name);
        vt->get_data_type = gobj::slot<T, &IValue::get_data_type>(vt->get_data_type);
        vt->get_is_null = gobj::slot<T, &IValue::get_is_null>(vt->get_is_null);
    }
};

// Base of every cell value class; also the plain, typeless value.
class TARVELIN_EXPORT ValueObject : public gobj::Object, public IValue {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueObject>& c);
    static gobj::Ref<ValueObject> create(GType type = gtype());

    void to_value(GValue* result) const override;
    std::string to_string() const override;
    gobj::Ref<ValueObject> clone() const override;
    // "<type name> => <text>"; no class overrides it.
    std::string dump() const final;
    const char* get_name() const override;
    DataType get_data_type() const override;
    bool get_is_null() const override;
    // The value as a text that loses nothing, for what leaves as text (exports, SQL
    // literals, transfers): to_string unless the class says otherwise. The numeric
    // classes give the server's own digits, or the shortest text that reads back to
    // their number, where to_string shows six decimals.
    virtual std::string exact_text() const { return to_string(); }

    // The "name" and "data-type" properties every concrete value class installs on
    // itself (with its "itsvalue" between them).
    template <class T>
    static void install_name(gobj::ClassSpec<T>& c) {
        c.template property<&ValueObject::get_name>(gobj::pspec::text("name", gobj::kRead));
    }
    template <class T>
    static void install_data_type(gobj::ClassSpec<T>& c) {
        c.template property<&ValueObject::get_data_type>(gobj::pspec::enumeration(
            "data-type", data_type_gtype(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, gobj::kRead));
    }
    template <class T>
    static void install_is_null(gobj::ClassSpec<T>& c) {
        c.template property<&ValueObject::get_is_null>(gobj::pspec::boolean("is-null", gobj::kRead));
    }
};

// SQL NULL.
class TARVELIN_EXPORT ValueNull : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueNull>& c);
    static gobj::Ref<ValueNull> create(GType type = gtype());

    void to_value(GValue* result) const override;
    std::string to_string() const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
    bool get_is_null() const override;
    const char* get_itsvalue() const { return "NULL"; }
};

// The error of one statement in a multi-statement run.
class TARVELIN_EXPORT ValueError : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueError>& c);
    static gobj::Ref<ValueError> create(gint32 code, std::string message, GType type = gtype());

    void to_value(GValue* result) const override;
    std::string to_string() const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
    bool get_is_null() const override;
    std::string get_itsvalue() const { return to_string(); }

    gint32 code() const { return code_; }
    const std::string& message() const { return message_; }

private:
    gint32 code_ = 0;
    std::string message_;
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIValueInterface, tarvelin::providers::contracts::IValue)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIValue, tarvelin::providers::contracts::IValue)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueObject, tarvelin::providers::contracts::ValueObject)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueNull, tarvelin::providers::contracts::ValueNull)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueError, tarvelin::providers::contracts::ValueError)
