// Properties: param specs, the per-class property tables and interface properties.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

#include "providers/gobj/barrier.hpp"
#include "providers/gobj/convert.hpp"
#include "providers/gobj/slot.hpp"

namespace tarvelin::gobj {

// ---------------------------------------------------------------- property specs

inline constexpr GParamFlags kRead =
    GParamFlags(G_PARAM_READABLE | G_PARAM_STATIC_STRINGS | G_PARAM_EXPLICIT_NOTIFY);
inline constexpr GParamFlags kWrite =
    GParamFlags(G_PARAM_WRITABLE | G_PARAM_STATIC_STRINGS | G_PARAM_EXPLICIT_NOTIFY);
inline constexpr GParamFlags kReadWrite =
    GParamFlags(G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS | G_PARAM_EXPLICIT_NOTIFY);

// Nick and blurb equal the name.
namespace pspec {
TARVELIN_EXPORT GParamSpec* text(const char* name, GParamFlags f, const char* dflt = nullptr);
TARVELIN_EXPORT GParamSpec* boolean(const char* name, GParamFlags f, bool dflt = false);
TARVELIN_EXPORT GParamSpec* int8(const char* name, gint8 min, gint8 max, gint8 dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* uint8(const char* name, guint8 min, guint8 max, guint8 dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* int32(const char* name, gint32 min, gint32 max, gint32 dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* uint32(const char* name, guint32 min, guint32 max, guint32 dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* int64(const char* name, gint64 min, gint64 max, gint64 dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* uint64(const char* name, guint64 min, guint64 max, guint64 dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* long_(const char* name, glong min, glong max, glong dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* dbl(const char* name, double min, double max, double dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* flt(const char* name, float min, float max, float dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* enumeration(const char* name, GType type, gint dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* flags(const char* name, GType type, guint dflt, GParamFlags f);
TARVELIN_EXPORT GParamSpec* object(const char* name, GType type, GParamFlags f);
TARVELIN_EXPORT GParamSpec* boxed(const char* name, GType type, GParamFlags f);
TARVELIN_EXPORT GParamSpec* pointer(const char* name, GParamFlags f);
// A property holding an instance of a fundamental (non-GObject) type.
TARVELIN_EXPORT GParamSpec* fundamental(const char* name, GType type, GParamFlags f);
}  // namespace pspec

// ---------------------------------------------------------------- class registration

namespace detail {
struct IfaceProperty {
    const char* name;
    // Reads or writes the property on the implementer's C++ interface subobject.
    void (*get)(void* iface, GValue*);
    void (*set)(void* iface, const GValue*);
};
}  // namespace detail

namespace detail {
// The properties an interface declared, kept by the library (one list for every
// binary, so implementers outside the defining library see them too).
TARVELIN_EXPORT std::deque<IfaceProperty>& interface_properties(GType iface);
}  // namespace detail

using Getter = void (*)(Object*, GValue*);
using Setter = void (*)(Object*, const GValue*);
struct PropertySlot {
    Getter get = nullptr;
    Setter set = nullptr;
    // For a property an interface declares: its accessors and the cast to it.
    const detail::IfaceProperty* iface_prop = nullptr;
    void* (*to_iface)(Object*) = nullptr;
};

namespace detail {
template <class T, auto Get>
void get_thunk(Object* o, GValue* v) {
    T* self = static_cast<T*>(o);
    value_set(v, std::invoke(Get, *self));
}
template <class F>
struct setter_arg;
template <class C, class R, class A>
struct setter_arg<R (C::*)(A)> {
    using type = std::remove_cvref_t<A>;
};
template <class C, class R, class A>
struct setter_arg<R (C::*)(A) noexcept> {
    using type = std::remove_cvref_t<A>;
};
template <class S, class R, class A>
struct setter_arg<R (*)(S&, A)> {
    using type = std::remove_cvref_t<A>;
};
template <class T, auto Set>
void set_thunk(Object* o, const GValue* v) {
    T* self = static_cast<T*>(o);
    using A = typename setter_arg<decltype(Set)>::type;
    std::invoke(Set, *self, value_get<A>(v));
}

TARVELIN_EXPORT void install_class_hooks(GObjectClass* klass, bool root, void* table);
TARVELIN_EXPORT GType register_class_type(GType parent, const char* name, GTypeFlags flags,
                                          void (*class_init)(gpointer, gpointer), bool root);
TARVELIN_EXPORT void add_interface(GType type, GType iface, GInterfaceInitFunc init);
TARVELIN_EXPORT guint install_property(GObjectClass* klass, std::vector<PropertySlot>& table, GParamSpec* p,
                                       PropertySlot slot);
TARVELIN_EXPORT void mark_bridged(GType type);
}  // namespace detail

template <class T>
class ClassSpec {
public:
    ClassSpec(GObjectClass* k, std::vector<PropertySlot>& table) : klass_(k), table_(table) {}

    // Installs a property; installation order is the JSON member order.
    // Get/Set: member functions of T (or a base), or free functions taking T&.
    template <auto Get, auto Set = nullptr>
    GParamSpec* property(GParamSpec* p) {
        PropertySlot s{&detail::get_thunk<T, Get>, nullptr};
        if constexpr (!std::is_same_v<decltype(Set), std::nullptr_t>) s.set = &detail::set_thunk<T, Set>;
        detail::install_property(klass_, table_, p, s);
        return p;
    }
    guint signal(const char* name, GSignalFlags flags, GType ret = G_TYPE_NONE,
                 std::initializer_list<GType> params = {}) {
        std::vector<GType> ps(params);
        return g_signal_newv(name, G_TYPE_FROM_CLASS(klass_), flags, nullptr, nullptr, nullptr, nullptr, ret,
                             static_cast<guint>(ps.size()), ps.empty() ? nullptr : ps.data());
    }
    GObjectClass* klass() const noexcept { return klass_; }

private:
    GObjectClass* klass_;
    std::vector<PropertySlot>& table_;
};

// Handed to I::describe(InterfaceSpec<I>&): properties and signals of an interface.
// Every class that implements I gets an override of each property reading its C++
// interface subobject.
template <class I>
class InterfaceSpec {
public:
    explicit InterfaceSpec(gpointer iface) : iface_(iface) {}
    template <auto Get, auto Set = nullptr>
    GParamSpec* property(GParamSpec* p) {
        g_object_interface_install_property(iface_, p);
        detail::IfaceProperty ip{g_param_spec_get_name(p), &get<Get>, nullptr};
        if constexpr (!std::is_same_v<decltype(Set), std::nullptr_t>) ip.set = &set<Set>;
        detail::interface_properties(G_TYPE_FROM_INTERFACE(iface_)).push_back(ip);
        return p;
    }
    guint signal(const char* name, GSignalFlags flags, GType ret = G_TYPE_NONE,
                 std::initializer_list<GType> params = {}) {
        std::vector<GType> ps(params);
        return g_signal_newv(name, G_TYPE_FROM_INTERFACE(iface_), flags, nullptr, nullptr, nullptr, nullptr, ret,
                             static_cast<guint>(ps.size()), ps.empty() ? nullptr : ps.data());
    }

private:
    template <auto Get>
    static void get(void* i, GValue* v) {
        value_set(v, std::invoke(Get, *static_cast<I*>(i)));
    }
    template <auto Set>
    static void set(void* i, const GValue* v) {
        using A = typename detail::setter_arg<decltype(Set)>::type;
        std::invoke(Set, *static_cast<I*>(i), value_get<A>(v));
    }
    gpointer iface_;
};

namespace detail {
template <class T>
concept Describes = requires(ClassSpec<T>& c) { T::describe(c); };
template <class I>
concept DescribesIface = requires(InterfaceSpec<I>& c) { I::describe(c); };

template <class T>
std::vector<PropertySlot>& property_table() {
    static std::vector<PropertySlot> table;
    return table;
}

template <class T, class I>
void* to_iface(Object* o) {
    return static_cast<I*>(static_cast<T*>(o));
}

TARVELIN_EXPORT bool class_has_own_property(GObjectClass* klass, const char* name);

// Each implementer reads an interface property through its C++ interface subobject,
// unless it installs a property of that name itself.
template <class T, class I>
void override_iface_properties(GObjectClass* klass) {
    static_assert(std::is_base_of_v<I, T>);
    gpointer vt = g_type_default_interface_ref(I::gtype());
    for (const IfaceProperty& ip : interface_properties(I::gtype())) {
        if (class_has_own_property(klass, ip.name)) continue;
        auto& table = property_table<T>();
        table.push_back(PropertySlot{nullptr, nullptr, &ip, &to_iface<T, I>});
        g_object_class_override_property(klass, static_cast<guint>(table.size()), ip.name);
    }
    g_type_default_interface_unref(vt);
}

template <class T, class I>
void interface_init(gpointer vtable, gpointer) {
    if constexpr (requires { I::template fill<T>(static_cast<typename I::Vtable*>(vtable)); }) {
        I::template fill<T>(static_cast<typename I::Vtable*>(vtable));
    }
}
}  // namespace detail


}  // namespace tarvelin::gobj
