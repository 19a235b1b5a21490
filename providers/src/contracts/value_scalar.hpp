// The shared body of the cells that hold one plain number or truth value.
// Callers serialise: the held number changes without a lock.
#pragma once

#include "providers/contracts/value_object.hpp"

namespace tarvelin::providers::contracts {

// `Self` supplies gtype(), kName, kDataType and the static itsvalue_pspec; its family
// supplies to_value and to_string.
template <class Self, class Held>
class TARVELIN_EXPORT ScalarValue : public ValueObject {
public:
    using held_type = Held;

    static gobj::Ref<Self> create(Held value, GType type = Self::gtype()) {
        auto v = gobj::create<Self>(type);
        if (v) v->value_ = value;
        return v;
    }

    Held get_itsvalue() const noexcept { return value_; }
    // Stores the value and announces "itsvalue" on every call.
    void set_itsvalue(Held value) {
        value_ = value;
        notify(Self::itsvalue_pspec);
    }

    gobj::Ref<ValueObject> clone() const override { return create(value_); }
    const char* get_name() const override { return Self::kName; }
    DataType get_data_type() const override { return Self::kDataType; }

protected:
    // "name", "itsvalue" (declared by `spec`), "data-type".
    static void install(gobj::ClassSpec<Self>& c, GParamSpec* spec) {
        install_name(c);
        Self::itsvalue_pspec = c.template property<&Self::get_itsvalue, &Self::set_itsvalue>(spec);
        install_data_type(c);
    }

    Held value_{};
};

}  // namespace tarvelin::providers::contracts
