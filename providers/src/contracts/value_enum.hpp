// Enumerated cells: the chosen member of an enumeration, flags or set column.
// Callers serialise: a value's name and member list change without a lock.
#pragma once

#include <tarvelin/providers/value_enum.h>

#include <optional>
#include <string>
#include <vector>

#include "providers/contracts/value_object.hpp"
#include "providers/gobj/property_row.hpp"

// The member name, or none; every set announces it.
#define TARVELIN_VALUE_ENUM_PROPERTIES(P) P(Text, itsvalue, "itsvalue", nullptr, RW, nullptr, Always)

namespace tarvelin::providers::contracts {

// The member name (a flags or set value keeps its whole text) and a list of allowed
// member names that only initialize fills.
class TARVELIN_EXPORT ValueEnum : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueEnum>& c);
    static gobj::Ref<ValueEnum> create(std::string enum_value, GType type = gtype());

    TARVELIN_VALUE_ENUM_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    // Appends the names to the member list.
    virtual void initialize(const std::vector<std::string>& names);
    const std::vector<std::string>& members() const noexcept { return members_; }

    // The member name; the empty text (after a precondition message) when none.
    std::string to_string() const override;
    void to_value(GValue* result) const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;

protected:
    template <class T>
    static gobj::Ref<T> make(std::string name, GType type) {
        auto v = gobj::create<T>(type);
        if (v) v->itsvalue_ = std::move(name);
        return v;
    }

    TARVELIN_VALUE_ENUM_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
    std::vector<std::string> members_;
};

class TARVELIN_EXPORT ValueFlags : public ValueEnum {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueFlags>& c);
    static gobj::Ref<ValueFlags> create(std::string flag_value, GType type = gtype());

    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
};

class TARVELIN_EXPORT ValueSet : public ValueEnum {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueSet>& c);
    static gobj::Ref<ValueSet> create(std::string set_value, GType type = gtype());

    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueEnum, tarvelin::providers::contracts::ValueEnum)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueFlags, tarvelin::providers::contracts::ValueFlags)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueSet, tarvelin::providers::contracts::ValueSet)
