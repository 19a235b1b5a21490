// The GObject bridge: the one place that speaks GType registration.
//
// Every class of the system is an ordinary C++ class whose GObject face (type name,
// parent, interfaces, properties, signals) is declared next to it:
//
//   class TARVELIN_EXPORT ValueInt32 : public ValueObject, public IInteger {
//   public:
//       static GType gtype();
//       static void describe(gobj::ClassSpec<ValueInt32>& c);   // properties, signals
//       ...
//   };
//   TARVELIN_GTYPE(ValueInt32, "TarvelinProvidersContractsValueInt32", ValueObject, IInteger)
//
// The GObject instance owns its C++ object: root instances are { GObject; Object* },
// the C++ object is made in instance_init from the most derived C++-backed class
// (so g_object_new of any of our types, or of a type a host derives from one of
// them, gives a working object) and deleted in finalize.
//
// Rules:
//  - Constructors only initialise members. Anything that touches the GObject (signals,
//    Refs to self, the type name) belongs in constructed().
//  - dispose() is idempotent: GObject may run it more than once.
//  - Destructors never touch the dying GObject (reference count is 0).
//  - Setters notify themselves: `assign()` for "on change", unconditional where a
//    property notifies always.
//  - No G_PARAM_CONSTRUCT flags unless the class needs the declared default to be the
//    starting value: g_object_new calls the setter with it.
//  - Every bridged class is TARVELIN_EXPORTed. Interfaces are listed after their
//    prerequisites. C++ interface classes do not derive from one another.
//  - Every callback GLib calls, and every C function, is an exception barrier.
//  - Do not reuse C type names (GeeList, ...) in this namespace.
#pragma once

#include <glib-object.h>
#include <gio/gio.h>

#include <atomic>
#include <concepts>
#include <deque>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "providers/gobj/error.hpp"
#include "providers/gobj/export.hpp"

namespace tarvelin::gobj {

class Object;
class Fundamental;

// ---------------------------------------------------------------- layouts

// Must match TARVELIN_DECLARE_ROOT_TYPE / TARVELIN_DECLARE_FUNDAMENTAL_TYPE in base.h.
struct Instance {
    GObject parent;
    Object* self;
};
struct Class {
    GObjectClass parent;
    Object* (*make)();
    gpointer reserved[3];
};
struct FundamentalInstance {
    GTypeInstance parent;
    volatile int ref_count;
    Fundamental* self;
};
struct FundamentalClass {
    GTypeClass parent;
    void (*finalize)(FundamentalInstance*);
    Fundamental* (*make)();
    gpointer reserved[3];
};

// ---------------------------------------------------------------- base classes

// Base of every class whose GObject face derives from GObject.
class TARVELIN_EXPORT Object {
public:
    virtual ~Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    static GType gtype() noexcept { return G_TYPE_OBJECT; }

    GObject* gobj() const noexcept { return gobj_; }
    GType type() const noexcept { return G_OBJECT_TYPE(gobj_); }
    const char* type_name() const noexcept { return G_OBJECT_TYPE_NAME(gobj_); }

    // Construct properties are set; G_OBJECT_TYPE is final.
    virtual void constructed() {}
    // Drop references that may form cycles. Runs once or more.
    virtual void dispose() {}

    void notify(GParamSpec* pspec) const noexcept { g_object_notify_by_pspec(gobj_, pspec); }
    void notify(const char* name) const noexcept { g_object_notify(gobj_, name); }
    template <class... A>
    void emit(guint signal_id, A... args) const noexcept {
        g_signal_emit(gobj_, signal_id, 0, args...);
    }

protected:
    Object() noexcept;  // only g_object_new may make one

private:
    GObject* const gobj_;
};

// Tag base of C++ interface classes (pure virtuals or default bodies).
class TARVELIN_EXPORT Interface {
public:
    virtual ~Interface() = default;
};

// Base of the reference-counted classes without a GObject parent.
class TARVELIN_EXPORT Fundamental {
public:
    virtual ~Fundamental();
    Fundamental(const Fundamental&) = delete;
    Fundamental& operator=(const Fundamental&) = delete;

    static GType gtype() noexcept { return G_TYPE_INVALID; }
    gpointer instance() const noexcept { return instance_; }
    GType type() const noexcept { return G_TYPE_FROM_INSTANCE(instance_); }

protected:
    Fundamental() noexcept;

private:
    GTypeInstance* const instance_;
};

// The C++ side of a bridged instance, or nullptr for an object we did not make.
TARVELIN_EXPORT Object* self_of(gpointer gobject) noexcept;
TARVELIN_EXPORT Fundamental* fundamental_self_of(gpointer instance) noexcept;

// Fast cast for the C skin, after its type checks.
template <class T>
T* cast(gpointer g) noexcept {
    if (!g) return nullptr;
    if constexpr (std::is_base_of_v<Fundamental, T>) {
        return static_cast<T*>(static_cast<FundamentalInstance*>(g)->self);
    } else if constexpr (std::is_base_of_v<Object, T>) {
        return static_cast<T*>(static_cast<Instance*>(g)->self);
    } else {
        return dynamic_cast<T*>(self_of(g));
    }
}
// Cast that checks the dynamic type; nullptr when it does not fit.
template <class T>
T* checked_cast(gpointer g) noexcept {
    if (!g) return nullptr;
    if constexpr (std::is_base_of_v<Fundamental, T>) {
        return dynamic_cast<T*>(fundamental_self_of(g));
    } else {
        return dynamic_cast<T*>(self_of(g));
    }
}

// ---------------------------------------------------------------- Ref

template <class T>
inline constexpr bool is_fundamental_v = std::is_base_of_v<Fundamental, T>;

TARVELIN_EXPORT gpointer fundamental_ref(gpointer instance) noexcept;
TARVELIN_EXPORT void fundamental_unref(gpointer instance) noexcept;

// One reference on a bridged instance: the instance and its T subobject (which may be
// null for an interface implemented by a host in C).
template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    explicit Ref(T& live) noexcept : g_(instance_of(live)), p_(&live) { acquire(); }
    Ref(const Ref& o) noexcept : g_(o.g_), p_(o.p_) { acquire(); }
    Ref(Ref&& o) noexcept : g_(std::exchange(o.g_, nullptr)), p_(std::exchange(o.p_, nullptr)) {}
    template <class U>
        requires(std::is_convertible_v<U*, T*> && !std::is_same_v<U, T>)
    Ref(const Ref<U>& o) noexcept : g_(o.instance()), p_(o.get()) {
        acquire();
    }
    template <class U>
        requires(std::is_convertible_v<U*, T*> && !std::is_same_v<U, T>)
    Ref(Ref<U>&& o) noexcept : p_(o.get()) {
        g_ = o.release();
    }
    ~Ref() { drop(); }
    Ref& operator=(Ref o) noexcept {
        std::swap(g_, o.g_);
        std::swap(p_, o.p_);
        return *this;
    }

    // Takes over a reference (results of g_object_new, "new" returns).
    static Ref adopt(gpointer g) noexcept {
        Ref r;
        r.g_ = g;
        r.p_ = g ? cast<T>(g) : nullptr;
        return r;
    }
    // Adds a reference (borrowed arguments).
    static Ref retain(gpointer g) noexcept {
        Ref r = adopt(g);
        r.acquire();
        return r;
    }

    T* operator->() const noexcept { return p_; }
    T& operator*() const noexcept { return *p_; }
    T* get() const noexcept { return p_; }
    gpointer instance() const noexcept { return g_; }
    GObject* gobj() const noexcept { return static_cast<GObject*>(g_); }
    explicit operator bool() const noexcept { return g_ != nullptr; }
    bool operator==(const Ref& o) const noexcept { return g_ == o.g_; }

    // Hands the reference to C (transfer full).
    gpointer release() noexcept {
        p_ = nullptr;
        return std::exchange(g_, nullptr);
    }
    // A new reference for C (transfer full), keeping ours.
    gpointer dup() const noexcept {
        Ref copy(*this);
        return copy.release();
    }
    void reset() noexcept { drop(); }

private:
    static gpointer instance_of(T& live) noexcept {
        if constexpr (is_fundamental_v<T>) {
            return live.instance();
        } else if constexpr (std::is_base_of_v<Object, T>) {
            return live.gobj();
        } else {
            return dynamic_cast<Object&>(live).gobj();
        }
    }
    void acquire() noexcept {
        if (!g_) return;
        if constexpr (is_fundamental_v<T>) {
            fundamental_ref(g_);
        } else {
            g_object_ref(g_);
        }
    }
    void drop() noexcept {
        gpointer g = std::exchange(g_, nullptr);
        p_ = nullptr;
        if (!g) return;
        if constexpr (is_fundamental_v<T>) {
            fundamental_unref(g);
        } else {
            g_object_unref(g);
        }
    }

    gpointer g_ = nullptr;
    T* p_ = nullptr;
};

// A new instance of `type` (T's type or one derived from it).
template <class T>
Ref<T> create(GType type = T::gtype()) {
    g_return_val_if_fail(g_type_is_a(type, T::gtype()), Ref<T>());
    if constexpr (is_fundamental_v<T>) {
        return Ref<T>::adopt(g_type_create_instance(type));
    } else {
        return Ref<T>::adopt(g_object_new(type, nullptr));
    }
}

// Down- or cross-cast, checked by the dynamic type; empty when it does not fit.
template <class T, class U>
Ref<T> ref_cast(const Ref<U>& r) {
    if (!r) return {};
    if constexpr (!is_fundamental_v<T> && !std::is_base_of_v<Object, T>) {
        // An interface: accept any instance whose type implements it.
        if (!cast<T>(r.instance())) return {};
    } else if (!checked_cast<T>(r.instance())) {
        return {};
    }
    return Ref<T>::retain(r.instance());
}

// Owning wrapper over a plain GObject that has no C++ side (GeeArrayList, GTask, ...).
template <class C>
class GPtr {
public:
    GPtr() noexcept = default;
    static GPtr adopt(C* p) noexcept {
        GPtr r;
        r.p_ = p;
        return r;
    }
    static GPtr retain(C* p) noexcept { return adopt(p ? static_cast<C*>(g_object_ref(p)) : nullptr); }
    GPtr(const GPtr& o) noexcept : p_(o.p_ ? static_cast<C*>(g_object_ref(o.p_)) : nullptr) {}
    GPtr(GPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    GPtr& operator=(GPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~GPtr() {
        if (p_) g_object_unref(p_);
    }
    C* get() const noexcept { return p_; }
    C* release() noexcept { return std::exchange(p_, nullptr); }
    explicit operator bool() const noexcept { return p_ != nullptr; }

private:
    C* p_ = nullptr;
};

// ---------------------------------------------------------------- texts

// Takes a C text (transfer full) and frees it.
TARVELIN_EXPORT std::string take_string(gchar* s);
TARVELIN_EXPORT std::optional<std::string> take_optional(gchar* s);
inline gchar* dup_string(const std::string& s) { return g_strndup(s.data(), s.size()); }
inline gchar* dup_string(const std::optional<std::string>& s) { return s ? dup_string(*s) : nullptr; }
inline const char* c_str(const std::optional<std::string>& s) { return s ? s->c_str() : nullptr; }
inline std::optional<std::string> opt(const char* s) {
    return s ? std::optional<std::string>(s) : std::nullopt;
}

// Stores `v` in `field`; true when it changed (so the setter notifies).
template <class F, class V>
bool assign(F& field, V&& v) {
    if (field == v) return false;
    field = std::forward<V>(v);
    return true;
}

// ---------------------------------------------------------------- exception barriers

TARVELIN_EXPORT void report_exception(const char* where) noexcept;

// Runs f; any exception is logged as critical and `fallback` returned.
template <class F, class R = std::invoke_result_t<F>>
    requires(!std::is_void_v<R>)
R guarded(const char* where, F&& f, R fallback = R()) noexcept {
    try {
        return f();
    } catch (...) {
        report_exception(where);
    }
    return fallback;
}
template <class F>
    requires std::is_void_v<std::invoke_result_t<F>>
void guarded(const char* where, F&& f) noexcept {
    try {
        f();
    } catch (...) {
        report_exception(where);
    }
}
template <class F>
void guarded_void(const char* where, F&& f) noexcept {
    guarded(where, [&] { f(); });
}

// The C skin of an operation that reports errors: an Error goes to `error`.
template <class F, class R = std::invoke_result_t<F>>
    requires(!std::is_void_v<R>)
R capi(GError** error, F&& f, R fallback = R()) noexcept {
    try {
        return f();
    } catch (const Error& e) {
        e.propagate(error);
    } catch (...) {
        report_exception("C API");
    }
    return fallback;
}
template <class F>
    requires std::is_void_v<std::invoke_result_t<F>>
void capi(GError** error, F&& f) noexcept {
    try {
        f();
    } catch (const Error& e) {
        e.propagate(error);
    } catch (...) {
        report_exception("C API");
    }
}

// ---------------------------------------------------------------- GValue conversions

template <class T>
struct is_ref : std::false_type {};
template <class T>
struct is_ref<Ref<T>> : std::true_type {};
template <class T>
struct is_optional : std::false_type {};
template <class T>
struct is_optional<std::optional<T>> : std::true_type {};

TARVELIN_EXPORT void value_set_int(GValue* v, gint64 n);
TARVELIN_EXPORT void value_set_uint(GValue* v, guint64 n);
TARVELIN_EXPORT void value_set_double(GValue* v, double d);
TARVELIN_EXPORT void value_set_instance(GValue* v, gpointer p);
TARVELIN_EXPORT gint64 value_get_int(const GValue* v);
TARVELIN_EXPORT guint64 value_get_uint(const GValue* v);
TARVELIN_EXPORT double value_get_double(const GValue* v);
TARVELIN_EXPORT gpointer value_get_instance(const GValue* v);

// C++ value -> GValue of the property's type.
template <class X>
void value_set(GValue* v, const X& x) {
    using D = std::decay_t<X>;
    if constexpr (std::is_same_v<D, bool>) {
        g_value_set_boolean(v, x);
    } else if constexpr (std::is_enum_v<D>) {
        value_set_int(v, static_cast<gint64>(x));
    } else if constexpr (std::is_floating_point_v<D>) {
        value_set_double(v, x);
    } else if constexpr (std::is_integral_v<D> && std::is_signed_v<D>) {
        value_set_int(v, x);
    } else if constexpr (std::is_integral_v<D>) {
        value_set_uint(v, x);
    } else if constexpr (std::is_same_v<D, std::string>) {
        g_value_set_string(v, x.c_str());
    } else if constexpr (std::is_same_v<D, std::optional<std::string>>) {
        g_value_set_string(v, x ? x->c_str() : nullptr);
    } else if constexpr (std::is_same_v<D, const char*> || std::is_same_v<D, char*>) {
        g_value_set_string(v, x);
    } else if constexpr (is_ref<D>::value) {
        value_set_instance(v, x.instance());
    } else if constexpr (std::is_pointer_v<D>) {
        value_set_instance(v, (gpointer)x);
    } else {
        static_assert(sizeof(D) == 0, "no GValue conversion for this type");
    }
}

// GValue -> C++ value.
template <class X>
X value_get(const GValue* v) {
    using D = std::decay_t<X>;
    if constexpr (std::is_same_v<D, bool>) {
        return G_VALUE_HOLDS_BOOLEAN(v) ? g_value_get_boolean(v) != FALSE : value_get_int(v) != 0;
    } else if constexpr (std::is_enum_v<D>) {
        return static_cast<D>(value_get_int(v));
    } else if constexpr (std::is_floating_point_v<D>) {
        return static_cast<D>(value_get_double(v));
    } else if constexpr (std::is_integral_v<D> && std::is_signed_v<D>) {
        return static_cast<D>(value_get_int(v));
    } else if constexpr (std::is_integral_v<D>) {
        return static_cast<D>(value_get_uint(v));
    } else if constexpr (std::is_same_v<D, std::string> || std::is_same_v<D, std::string_view>) {
        const char* s = g_value_get_string(v);
        return D(s ? s : "");
    } else if constexpr (std::is_same_v<D, std::optional<std::string>>) {
        return opt(g_value_get_string(v));
    } else if constexpr (std::is_same_v<D, const char*>) {
        return g_value_get_string(v);
    } else if constexpr (is_ref<D>::value) {
        return D::retain(value_get_instance(v));
    } else if constexpr (std::is_pointer_v<D>) {
        return static_cast<D>(value_get_instance(v));
    } else {
        static_assert(sizeof(D) == 0, "no GValue conversion for this type");
    }
}

// ---------------------------------------------------------------- C <-> C++ argument conversion

// Converts a C argument of a slot or a C function to the C++ parameter type.
template <class P, class CA>
decltype(auto) from_c(CA a) {
    using D = std::remove_cvref_t<P>;
    if constexpr (std::is_same_v<D, std::remove_cv_t<CA>>) {
        return a;
    } else if constexpr (std::is_same_v<D, bool>) {
        return a != 0;
    } else if constexpr (std::is_same_v<D, std::string> || std::is_same_v<D, std::string_view>) {
        return D(a ? a : "");
    } else if constexpr (std::is_same_v<D, std::optional<std::string>>) {
        return opt(a);
    } else if constexpr (is_ref<D>::value) {
        return D::retain((gpointer)a);
    } else if constexpr (std::is_lvalue_reference_v<P> && std::is_class_v<D>) {
        return static_cast<P>(*cast<D>((gpointer)a));
    } else if constexpr (std::is_pointer_v<D> && std::is_class_v<std::remove_pointer_t<D>> &&
                         (std::is_base_of_v<Object, std::remove_cv_t<std::remove_pointer_t<D>>> ||
                          std::is_base_of_v<Interface, std::remove_cv_t<std::remove_pointer_t<D>>> ||
                          std::is_base_of_v<Fundamental, std::remove_cv_t<std::remove_pointer_t<D>>>)) {
        return cast<std::remove_cv_t<std::remove_pointer_t<D>>>((gpointer)a);
    } else if constexpr (std::is_pointer_v<D>) {
        return (D)a;
    } else {
        return static_cast<D>(a);
    }
}

// Converts a C++ result to the C return type.
template <class CR, class R>
CR to_c(R&& r) {
    using D = std::remove_cvref_t<R>;
    if constexpr (std::is_same_v<D, CR>) {
        return std::forward<R>(r);
    } else if constexpr (std::is_same_v<D, std::string> || std::is_same_v<D, std::optional<std::string>>) {
        return dup_string(r);
    } else if constexpr (is_ref<D>::value) {
        if constexpr (std::is_rvalue_reference_v<R&&>) {
            return (CR)r.release();
        } else {
            return (CR)r.dup();
        }
    } else if constexpr (std::is_pointer_v<CR> && std::is_pointer_v<D>) {
        return (CR)r;
    } else {
        return static_cast<CR>(r);
    }
}

// ---------------------------------------------------------------- interface slots

namespace detail {
template <class M>
struct member_traits;
template <class C, class R, class... A>
struct member_traits<R (C::*)(A...)> {
    using klass = C;
    using result = R;
    using args = std::tuple<A...>;
};
template <class C, class R, class... A>
struct member_traits<R (C::*)(A...) const> : member_traits<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct member_traits<R (C::*)(A...) noexcept> : member_traits<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct member_traits<R (C::*)(A...) const noexcept> : member_traits<R (C::*)(A...)> {};

template <class... A>
struct last_is_gerror : std::false_type {};
template <class A>
struct last_is_gerror<A> : std::is_same<A, GError**> {};
template <class A, class B, class... R>
struct last_is_gerror<A, B, R...> : last_is_gerror<B, R...> {};

template <class Fn>
struct fn_traits;
template <class R, class... A>
struct fn_traits<R (*)(A...)> {
    using result = R;
    using args = std::tuple<A...>;
};
}  // namespace detail

// The C function that fills one interface slot of type `Slot` for the C++ class T:
// it converts the C arguments, calls the member `M` (a virtual of T's C++ interface
// base) and converts the result. When the slot's last parameter is GError**, an Error
// thrown by the member goes there; any other exception is logged and the empty
// result (0, NULL, FALSE) returned.
template <class T, auto M, class Slot>
struct SlotThunk;
template <class T, auto M, class CR, class CSelf, class... CA>
struct SlotThunk<T, M, CR (*)(CSelf*, CA...)> {
    using Traits = detail::member_traits<decltype(M)>;
    using Owner = typename Traits::klass;
    using Args = typename Traits::args;
    static constexpr bool kError = detail::last_is_gerror<CA...>::value;

    template <std::size_t... I>
    static CR invoke(CSelf* self, std::tuple<CA...>& cargs, std::index_sequence<I...>) {
        Owner* owner = static_cast<Owner*>(cast<T>(self));
        if constexpr (std::is_void_v<CR>) {
            (owner->*M)(from_c<std::tuple_element_t<I, Args>>(std::get<I>(cargs))...);
        } else if constexpr (std::is_void_v<typename Traits::result>) {
            (owner->*M)(from_c<std::tuple_element_t<I, Args>>(std::get<I>(cargs))...);
            return CR();
        } else {
            return to_c<CR>((owner->*M)(from_c<std::tuple_element_t<I, Args>>(std::get<I>(cargs))...));
        }
    }

    static CR call(CSelf* self, CA... a) {
        std::tuple<CA...> cargs(a...);
        constexpr std::size_t n = std::tuple_size_v<Args>;
        static_assert(n == sizeof...(CA) - (kError ? 1 : 0), "slot and member take different arguments");
        try {
            return invoke(self, cargs, std::make_index_sequence<n>());
        } catch (const Error& e) {
            if constexpr (kError) {
                e.propagate(std::get<sizeof...(CA) - 1>(cargs));
            } else {
                TARVELIN_UNCAUGHT(e);
            }
        } catch (...) {
            report_exception(g_type_name(T::gtype()));
        }
        if constexpr (!std::is_void_v<CR>) return CR();
    }
};

// vtable->op = gobj::slot<T, &IFoo::op>(vtable->op);
template <class T, auto M, class Slot>
constexpr Slot slot(Slot) noexcept {
    return &SlotThunk<T, M, Slot>::call;
}

// The exported dispatcher of an interface operation: finds the instance's interface
// structure and calls the slot; an empty slot gives `empty`.
template <class Iface, class Slot, class... A>
auto dispatch(GType iface_type, gpointer self, Slot Iface::*member,
              typename detail::fn_traits<Slot>::result empty, A&&... args) ->
    typename detail::fn_traits<Slot>::result {
    auto* vt = static_cast<Iface*>(g_type_interface_peek(G_TYPE_INSTANCE_GET_CLASS(self, GTypeInstance, GTypeClass),
                                                         iface_type));
    if (!vt || !(vt->*member)) return empty;
    using First = std::tuple_element_t<0, typename detail::fn_traits<Slot>::args>;
    return (vt->*member)(static_cast<First>(self), std::forward<A>(args)...);
}
template <class Iface, class Slot, class... A>
void dispatch_void(GType iface_type, gpointer self, Slot Iface::*member, A&&... args) {
    auto* vt = static_cast<Iface*>(g_type_interface_peek(G_TYPE_INSTANCE_GET_CLASS(self, GTypeInstance, GTypeClass),
                                                         iface_type));
    if (!vt || !(vt->*member)) return;
    using First = std::tuple_element_t<0, typename detail::fn_traits<Slot>::args>;
    (vt->*member)(static_cast<First>(self), std::forward<A>(args)...);
}

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

// ---------------------------------------------------------------- GListModel

// A class lists gobj::ListModel among its interfaces and implements these three.
class TARVELIN_EXPORT ListModel : public Interface {
public:
    using Vtable = GListModelInterface;
    static GType gtype() noexcept { return G_TYPE_LIST_MODEL; }
    virtual GType list_item_type() const = 0;
    virtual guint list_n_items() const = 0;
    virtual gpointer list_item(guint position) const = 0;  // new reference or nullptr

    template <class T>
    static void fill(Vtable* vt) {
        vt->get_item_type = [](GListModel* m) -> GType {
            return guarded("get_item_type", [&] { return static_cast<const ListModel*>(cast<T>(m))->list_item_type(); },
                           G_TYPE_OBJECT);
        };
        vt->get_n_items = [](GListModel* m) -> guint {
            return guarded("get_n_items", [&] { return static_cast<const ListModel*>(cast<T>(m))->list_n_items(); },
                           0u);
        };
        vt->get_item = [](GListModel* m, guint position) -> gpointer {
            return guarded("get_item", [&] { return static_cast<const ListModel*>(cast<T>(m))->list_item(position); },
                           (gpointer) nullptr);
        };
    }
};
TARVELIN_EXPORT void items_changed(const Object& self, guint position, guint removed, guint added);

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

// ---------------------------------------------------------------- fundamental classes

namespace detail {
TARVELIN_EXPORT GType register_fundamental_type(const char* name, GType parent, GClassInitFunc class_init,
                                                GTypeFlags flags);
template <class T>
Fundamental* make_fundamental() {
    return new T();
}
template <class T>
void fundamental_class_init(gpointer g_class, gpointer) {
    reinterpret_cast<FundamentalClass*>(g_class)->make = &make_fundamental<T>;
}
}  // namespace detail

// Parent = Fundamental for a new fundamental root.
template <class T, class Parent = Fundamental>
GType register_fundamental(const char* name) {
    static_assert(std::is_base_of_v<Fundamental, T>);
    GType parent = std::is_same_v<Parent, Fundamental> ? G_TYPE_INVALID : Parent::gtype();
    return detail::register_fundamental_type(name, parent, &detail::fundamental_class_init<T>, GTypeFlags(0));
}

// GValue support of fundamental classes (value_set_x, value_take_x, value_get_x, param_spec_x).
TARVELIN_EXPORT void fundamental_value_set(GValue* value, GType type, gpointer instance);
TARVELIN_EXPORT void fundamental_value_take(GValue* value, GType type, gpointer instance);
TARVELIN_EXPORT gpointer fundamental_value_get(const GValue* value, GType type);
TARVELIN_EXPORT GParamSpec* fundamental_param_spec(GType type, const char* name, const char* nick, const char* blurb,
                                                   GType object_type, GParamFlags flags);

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

#define TARVELIN_FUNDAMENTAL_GTYPE(T, NAME, ...)                                               \
    GType T::gtype() {                                                                        \
        static const GType t = ::tarvelin::gobj::register_fundamental<T __VA_OPT__(, ) __VA_ARGS__>(NAME); \
        return t;                                                                             \
    }                                                                                         \
    [[maybe_unused]] static const GType tarvelin_registered_##T = T::gtype();
