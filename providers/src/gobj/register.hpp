// Type registration: classes, interfaces, enumerations, flags and boxed types.
#pragma once

#include "providers/gobj/property.hpp"

namespace tarvelin::gobj {

// ---------------------------------------------------------------- registration entry points

namespace detail {
template <class T>
Object* make_object() {
    if constexpr (std::is_abstract_v<T>) {
        return nullptr;
    } else {
        return new T();
    }
}

template <class T, class... Ifaces>
void class_init(gpointer g_class, gpointer) {
    auto* klass = static_cast<GObjectClass*>(g_class);
    reinterpret_cast<Class*>(klass)->make = &make_object<T>;
    install_class_hooks(klass, false, &property_table<T>());
    if constexpr (Describes<T>) {
        ClassSpec<T> spec(klass, property_table<T>());
        T::describe(spec);
    }
    (override_iface_properties<T, Ifaces>(klass), ...);
}
}  // namespace detail

TARVELIN_EXPORT void set_class_getter_override(GType type);

template <class T, class Parent, class... Ifaces>
GType register_class(const char* name, GTypeFlags flags = GTypeFlags(0)) {
    static_assert(std::is_base_of_v<Object, T>);
    constexpr bool root = std::is_same_v<Parent, Object>;
    GType parent = Parent::gtype();
    if (std::is_abstract_v<T>) flags = GTypeFlags(flags | G_TYPE_FLAG_ABSTRACT);
    GType type = detail::register_class_type(parent, name, flags, &detail::class_init<T, Ifaces...>, root);
    (detail::add_interface(type, Ifaces::gtype(), &detail::interface_init<T, Ifaces>), ...);
    detail::mark_bridged(type);
    return type;
}

namespace detail {
TARVELIN_EXPORT GType register_interface_type(const char* name, GClassInitFunc default_init, guint16 size);
template <class I>
void iface_default_init(gpointer iface, gpointer) {
    if constexpr (DescribesIface<I>) {
        InterfaceSpec<I> spec(iface);
        I::describe(spec);
    }
    if constexpr (requires { I::defaults(static_cast<typename I::Vtable*>(iface)); }) {
        I::defaults(static_cast<typename I::Vtable*>(iface));
    }
}
}  // namespace detail

// I::Vtable is the public C interface structure; I::describe (optional) declares
// properties and signals; I::defaults (optional) fills default slot bodies.
template <class I>
GType register_interface(const char* name, std::initializer_list<GType> prerequisites = {G_TYPE_OBJECT}) {
    GType t = detail::register_interface_type(name, &detail::iface_default_init<I>,
                                              static_cast<guint16>(sizeof(typename I::Vtable)));
    for (GType p : prerequisites) g_type_interface_add_prerequisite(t, p);
    return t;
}

TARVELIN_EXPORT GType register_enum(const char* name, const GEnumValue* values);
TARVELIN_EXPORT GType register_flags(const char* name, const GFlagsValue* values);
TARVELIN_EXPORT GType register_boxed(const char* name, GBoxedCopyFunc copy, GBoxedFreeFunc free);


}  // namespace tarvelin::gobj


// Defines T::gtype() and registers the type when the library loads, so its name is
// known to g_type_from_name from the start.
#define TARVELIN_GTYPE(T, NAME, ...)                                                          \
    GType T::gtype() {                                                                        \
        static const GType t = ::tarvelin::gobj::register_class<T, __VA_ARGS__>(NAME);       \
        return t;                                                                             \
    }                                                                                         \
    [[maybe_unused]] static const GType tarvelin_registered_##T = T::gtype();

#define TARVELIN_INTERFACE_GTYPE(I, NAME, ...)                                                \
    GType I::gtype() {                                                                        \
        static const GType t = ::tarvelin::gobj::register_interface<I>(NAME, {__VA_ARGS__});   \
        return t;                                                                             \
    }                                                                                         \
    [[maybe_unused]] static const GType tarvelin_registered_##I = I::gtype();
