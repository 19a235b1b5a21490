// The type, reference and GValue functions every fundamental class exports:
// <ns><name>_get_type/_ref/_unref and <ns>param_spec_<name>, <ns>value_set_<name>,
// <ns>value_take_<name>, <ns>value_get_<name>. Use inside extern "C".
#pragma once

#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/invoke.hpp"
#include "providers/gobj/ref.hpp"

#define TARVELIN_FUNDAMENTAL_CAPI(Class, ns, name)                                                                  \
    TARVELIN_API GType ns##name##_get_type(void) { return Class::gtype(); }                                         \
    TARVELIN_API gpointer ns##name##_ref(gpointer instance) { return ::tarvelin::gobj::fundamental_ref(instance); } \
    TARVELIN_API void ns##name##_unref(gpointer instance) { ::tarvelin::gobj::fundamental_unref(instance); }        \
    TARVELIN_API GParamSpec* ns##param_spec_##name(const gchar* name_, const gchar* nick, const gchar* blurb,       \
                                                   GType object_type, GParamFlags flags) {                          \
        return ::tarvelin::gobj::fundamental_param_spec(Class::gtype(), name_, nick, blurb, object_type, flags);    \
    }                                                                                                               \
    TARVELIN_API void ns##value_set_##name(GValue* value, gpointer v_object) {                                      \
        ::tarvelin::gobj::fundamental_value_set(value, Class::gtype(), v_object);                                   \
    }                                                                                                               \
    TARVELIN_API void ns##value_take_##name(GValue* value, gpointer v_object) {                                     \
        ::tarvelin::gobj::fundamental_value_take(value, Class::gtype(), v_object);                                  \
    }                                                                                                               \
    TARVELIN_API gpointer ns##value_get_##name(const GValue* value) {                                               \
        return ::tarvelin::gobj::fundamental_value_get(value, Class::gtype());                                      \
    }

// The functions above, and construct and new of a class made by `Class::create(GType)`.
#define TARVELIN_FUNDAMENTAL_CLASS_CAPI(Class, CType, ns, name)                                                   \
    TARVELIN_FUNDAMENTAL_CAPI(Class, ns, name)                                                                      \
    CType* ns##name##_construct(GType object_type) {                                                                \
        return ::tarvelin::gobj::invoke<static_cast<::tarvelin::gobj::Ref<Class> (*)(GType)>(&Class::create)>(    \
            G_STRFUNC, object_type);                                                                                \
    }                                                                                                               \
    CType* ns##name##_new(void) { return ns##name##_construct(Class::gtype()); }
