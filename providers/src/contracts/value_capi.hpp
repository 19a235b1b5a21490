// Shared pieces of the value families' C faces.
#pragma once

#include "contracts/value_object.hpp"

namespace tarvelin::providers::contracts {

// Logs a failed precondition the way g_return_if_fail does, naming `condition`.
inline void precondition_failed(const char* function, const char* condition) {
    g_return_if_fail_warning(nullptr, function, condition);
}

}  // namespace tarvelin::providers::contracts

// new, construct, get_itsvalue, set_itsvalue and get_type of a class holding one plain
// number or truth value (`held` is the C type; Class::create takes it).
#define TARVELIN_SCALAR_VALUE_CAPI(Class, CType, prefix, held)                                              \
    CType* prefix##_construct(GType object_type, held value) {                                               \
        return gobj::guarded(G_STRFUNC, [&] {                                                                \
            return static_cast<CType*>(                                                                      \
                Class::create(static_cast<Class::held_type>(value), object_type).release());                 \
        });                                                                                                  \
    }                                                                                                        \
    CType* prefix##_new(held value) { return prefix##_construct(Class::gtype(), value); }                    \
    held prefix##_get_itsvalue(CType* self) {                                                                \
        g_return_val_if_fail(self != NULL, held(0));                                                         \
        return static_cast<held>(gobj::cast<Class>(self)->get_itsvalue());                                   \
    }                                                                                                        \
    void prefix##_set_itsvalue(CType* self, held value) {                                                    \
        g_return_if_fail(self != NULL);                                                                      \
        gobj::guarded_void(G_STRFUNC,                                                                        \
                           [&] { gobj::cast<Class>(self)->set_itsvalue(static_cast<Class::held_type>(value)); }); \
    }                                                                                                        \
    GType prefix##_get_type(void) { return Class::gtype(); }
