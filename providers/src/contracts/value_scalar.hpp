// The shared body of the cells that hold one plain number or truth value.
// Callers serialise: the held number changes without a lock.
#pragma once

#include <cstddef>
#include <tuple>
#include <type_traits>

#include "providers/contracts/value_object.hpp"
#include "providers/gobj/property_row.hpp"

namespace tarvelin::gobj::prop {

// The row kind whose value type is Held (gint16 -> Int16, bool -> Bool, ...).
template <class Held, class... K>
struct KindHolding {
    static constexpr std::size_t index = [] {
        constexpr bool holds[] = {std::is_same_v<Held, typename K::value_type>...};
        std::size_t i = 0;
        while (i < sizeof...(K) && !holds[i]) ++i;
        return i;
    }();
    using type = std::tuple_element_t<index, std::tuple<K...>>;
};
template <class Held>
using HeldScalar =
    typename KindHolding<Held, Bool, Int8, UInt8, Int16, UInt16, Int, UInt, Int64, UInt64, Float, Double>::type;

}  // namespace tarvelin::gobj::prop

// "itsvalue" of a scalar cell, K being HeldScalar of its held type. The 16-bit cells
// declare it over the whole 32-bit range (a wider number keeps its low 16 bits), the
// 8-bit ones over exactly their own; every set announces it.
#define TARVELIN_SCALAR_VALUE_PROPERTIES(P, K) P(K, itsvalue, "itsvalue", 0, RW, 0, Always)

namespace tarvelin::providers::contracts {

// `Self` supplies gtype(), kName and kDataType; its family supplies to_value and to_string.
template <class Self, class Held>
class TARVELIN_EXPORT ScalarValue : public ValueObject {
public:
    using held_type = Held;
    TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS, HeldScalar<Held>)

    static gobj::Ref<Self> create(Held value, GType type = Self::gtype()) {
        auto v = gobj::create<Self>(type);
        if (v) v->itsvalue_ = value;
        return v;
    }
    // "name", "itsvalue", "data-type".
    static void describe(gobj::ClassSpec<Self>& c) {
        install_name(c);
        TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_INSTALL, HeldScalar<Held>)
        install_data_type(c);
    }

    gobj::Ref<ValueObject> clone() const override { return create(itsvalue_); }
    const char* get_name() const override { return Self::kName; }
    DataType get_data_type() const override { return Self::kDataType; }

protected:
    TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_STORAGE, HeldScalar<Held>)
};

}  // namespace tarvelin::providers::contracts
