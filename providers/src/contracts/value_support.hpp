// Shared pieces of the value families: precondition messages, copies of held texts and
// enumerations read from C.
#pragma once

#include <cstring>
#include <optional>
#include <string>

#include "providers/contracts/value_object.hpp"
#include "providers/gobj/precondition.hpp"

namespace tarvelin::providers::contracts {

using gobj::precondition_failed;

// A copy made by `make` from the held text, or nothing (after the precondition message
// of `constructor`) when the value holds none.
template <class F>
gobj::Ref<ValueObject> copy_text(const std::optional<std::string>& text, const char* constructor,
                                 const char* condition, F&& make) {
    if (!text) {
        precondition_failed(constructor, condition);
        return {};
    }
    return make(*text);
}

// The number a C caller passed for an enumeration, read without an enum load: C may
// pass any number, and reading one outside the enumeration as the enum type is not
// defined in C++.
template <class E>
int number_of(const E& value) noexcept {
    static_assert(sizeof(E) == sizeof(int));
    int n;
    std::memcpy(&n, &value, sizeof n);
    return n;
}

}  // namespace tarvelin::providers::contracts
