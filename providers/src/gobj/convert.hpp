// Conversions between C and C++ values: texts, GValues, and the from_c/to_c pair that
// invoke, slot and call use for arguments and results.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "providers/gobj/ref.hpp"

namespace tarvelin::gobj {

// ---------------------------------------------------------------- texts

// Takes a C text (transfer full) and frees it.
TARVELIN_EXPORT std::string take_string(gchar* s);
TARVELIN_EXPORT std::optional<std::string> take_optional(gchar* s);
inline gchar* dup_string(const std::string& s) { return g_strndup(s.data(), s.size()); }
inline gchar* dup_string(const std::optional<std::string>& s) { return s ? dup_string(*s) : nullptr; }
inline const char* c_str(const std::optional<std::string>& s) { return s ? s->c_str() : nullptr; }
inline const char* c_str_of(const std::string& s) { return s.c_str(); }
inline const char* c_str_of(const std::optional<std::string>& s) { return c_str(s); }
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


// ---------------------------------------------------------------- GValue conversions

template <class T>
struct is_ref : std::false_type {};
template <class T>
struct is_ref<Ref<T>> : std::true_type {};
template <class T>
struct is_optional : std::false_type {};
template <class T>
struct is_optional<std::optional<T>> : std::true_type {};

// A typed view over a GeeArrayList (gee.hpp): to C and to GValues it is the list itself.
template <class T>
class GeeArray;
template <class T>
struct is_gee_array : std::false_type {};
template <class T>
struct is_gee_array<GeeArray<T>> : std::true_type {};

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
    } else if constexpr (is_gee_array<D>::value) {
        value_set_instance(v, x.list());
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

// A pointer to one of our C++ classes (an object, interface or fundamental class); false
// for the opaque C types, which stay incomplete.
template <class P, class = void>
struct is_cpp_pointer : std::false_type {};
template <class T>
struct is_cpp_pointer<T*, std::void_t<decltype(sizeof(T))>>
    : std::bool_constant<std::is_base_of_v<Object, std::remove_cv_t<T>> ||
                         std::is_base_of_v<Interface, std::remove_cv_t<T>> ||
                         std::is_base_of_v<Fundamental, std::remove_cv_t<T>>> {};

// Converts a C argument of a slot or a C function to the C++ parameter type.
template <class P, class CA>
decltype(auto) from_c(CA a) {
    using D = std::remove_cvref_t<P>;
    if constexpr (std::is_same_v<D, std::remove_cv_t<CA>>) {
        return a;
    } else if constexpr (std::is_pointer_v<D> && std::is_pointer_v<CA> && std::is_convertible_v<CA, D>) {
        // A native handle handed on as const (PGconn* to const PGconn*); its type may be incomplete.
        return static_cast<D>(a);
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
    } else if constexpr (is_cpp_pointer<D>::value) {
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


}  // namespace tarvelin::gobj
