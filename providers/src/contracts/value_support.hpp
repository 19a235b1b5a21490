// Shared pieces of the value families: precondition messages, copies of held texts,
// and the C faces' common shapes.
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

// Runs `make` behind the exception barrier and hands the new reference to C.
template <class CType, class F>
CType* hand_over(const char* where, F&& make) noexcept {
    return tarvelin::gobj::guarded(where, [&] { return static_cast<CType*>(make().release()); },
                                   static_cast<CType*>(nullptr));
}

}  // namespace tarvelin::providers::contracts

// new, construct, get_itsvalue, set_itsvalue and get_type of a class holding one plain
// number or truth value (`held` is the C type; Class::create takes it).
#define TARVELIN_SCALAR_VALUE_CAPI(Class, CType, prefix, held)                                              \
    CType* prefix##_construct(GType object_type, held value) {                                               \
        return hand_over<CType>(                                                                             \
            G_STRFUNC, [&] { return Class::create(static_cast<Class::held_type>(value), object_type); });    \
    }                                                                                                        \
    CType* prefix##_new(held value) { return prefix##_construct(Class::gtype(), value); }                    \
    held prefix##_get_itsvalue(CType* self) {                                                                \
        g_return_val_if_fail(self != NULL, held(0));                                                         \
        return static_cast<held>(gobj::cast<Class>(self)->get_itsvalue());                                   \
    }                                                                                                        \
    void prefix##_set_itsvalue(CType* self, held value) {                                                    \
        g_return_if_fail(self != NULL);                                                                      \
        gobj::guarded(G_STRFUNC,                                                                        \
                           [&] { gobj::cast<Class>(self)->set_itsvalue(static_cast<Class::held_type>(value)); }); \
    }                                                                                                        \
    GType prefix##_get_type(void) { return Class::gtype(); }

// new and construct of a class built from one non-null text argument.
#define TARVELIN_TEXT_CONSTRUCTORS(Class, CType, prefix, arg)                                              \
    CType* prefix##_construct(GType object_type, const gchar* arg) {                                        \
        g_return_val_if_fail(arg != NULL, NULL);                                                            \
        return tarvelin::providers::contracts::hand_over<CType>(G_STRFUNC, [&] { return Class::create(arg, object_type); });                                \
    }                                                                                                       \
    CType* prefix##_new(const gchar* arg) { return prefix##_construct(Class::gtype(), arg); }              \
    GType prefix##_get_type(void) { return Class::gtype(); }

// get_itsvalue (borrowed, NULL for none) and set_itsvalue (a copy, NULL allowed) of a
// class holding an optional text.
#define TARVELIN_TEXT_ITSVALUE(Class, CType, prefix)                                                        \
    const gchar* prefix##_get_itsvalue(CType* self) {                                                       \
        g_return_val_if_fail(self != NULL, NULL);                                                           \
        return gobj::cast<Class>(self)->get_itsvalue();                                                     \
    }                                                                                                       \
    void prefix##_set_itsvalue(CType* self, const gchar* value) {                                           \
        g_return_if_fail(self != NULL);                                                                     \
        gobj::guarded(G_STRFUNC, [&] { gobj::cast<Class>(self)->set_itsvalue(gobj::opt(value)); });   \
    }
