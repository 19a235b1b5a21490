// Reference-counted classes without a GObject parent (fundamental types).
#pragma once

#include "providers/gobj/register.hpp"

namespace tarvelin::gobj {

// ---------------------------------------------------------------- fundamental classes

namespace detail {
TARVELIN_EXPORT GType register_fundamental_type(const char* name, GType parent, GClassInitFunc class_init,
                                                const char* param_spec_name);
// The same for a root whose public instance structure carries fields after the bridge's
// (a record whose fields a C host reads directly): `instance_size` is that structure's size.
TARVELIN_EXPORT GType register_fundamental_type_sized(const char* name, GType parent, GClassInitFunc class_init,
                                                      const char* param_spec_name, gsize instance_size);
template <class T>
Fundamental* make_fundamental() {
    return new T();
}
template <class T>
void fundamental_class_init(gpointer g_class, gpointer) {
    reinterpret_cast<FundamentalClass*>(g_class)->make = &make_fundamental<T>;
}
}  // namespace detail

// Parent = Fundamental for a new fundamental root, which also registers the parameter
// spec type `param_spec_name` for properties holding its instances.
template <class T, class Parent = Fundamental>
GType register_fundamental(const char* name, const char* param_spec_name) {
    static_assert(std::is_base_of_v<Fundamental, T>);
    GType parent = std::is_same_v<Parent, Fundamental> ? G_TYPE_INVALID : Parent::gtype();
    return detail::register_fundamental_type(name, parent, &detail::fundamental_class_init<T>, param_spec_name);
}
// A root whose public instance structure (of `instance_size` bytes) begins with the bridge's
// FundamentalInstance and goes on with public fields; GLib zeroes them at creation.
template <class T>
GType register_fundamental_sized(const char* name, const char* param_spec_name, gsize instance_size) {
    static_assert(std::is_base_of_v<Fundamental, T>);
    return detail::register_fundamental_type_sized(name, G_TYPE_INVALID, &detail::fundamental_class_init<T>,
                                                   param_spec_name, instance_size);
}

// GValue support of fundamental classes (value_set_x, value_take_x, value_get_x, param_spec_x).
TARVELIN_EXPORT void fundamental_value_set(GValue* value, GType type, gpointer instance);
TARVELIN_EXPORT void fundamental_value_take(GValue* value, GType type, gpointer instance);
TARVELIN_EXPORT gpointer fundamental_value_get(const GValue* value, GType type);
TARVELIN_EXPORT GParamSpec* fundamental_param_spec(GType type, const char* name, const char* nick, const char* blurb,
                                                   GType object_type, GParamFlags flags);


}  // namespace tarvelin::gobj


// Defines T::gtype() of a fundamental class and registers it at load. PSPEC_NAME names
// the parameter-spec type of a root ("TarvelinRezezadovuHelpersParamSpecStringHelper");
// a derived class passes its parent after it.
#define TARVELIN_FUNDAMENTAL_GTYPE(T, NAME, PSPEC_NAME, ...)                                               \
    GType T::gtype() {                                                                                    \
        static const GType t =                                                                            \
            ::tarvelin::gobj::register_fundamental<T __VA_OPT__(, ) __VA_ARGS__>(NAME, PSPEC_NAME);       \
        return t;                                                                                         \
    }                                                                                                     \
    [[maybe_unused]] static const GType tarvelin_registered_##T = T::gtype();

// The same for a root with public fields: CTYPE is its public instance structure.
#define TARVELIN_FUNDAMENTAL_GTYPE_SIZED(T, NAME, PSPEC_NAME, CTYPE)                                       \
    GType T::gtype() {                                                                                    \
        static_assert(sizeof(CTYPE) >= sizeof(::tarvelin::gobj::FundamentalInstance));                    \
        static const GType t = ::tarvelin::gobj::register_fundamental_sized<T>(NAME, PSPEC_NAME, sizeof(CTYPE)); \
        return t;                                                                                         \
    }                                                                                                     \
    [[maybe_unused]] static const GType tarvelin_registered_##T = T::gtype();
