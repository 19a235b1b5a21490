// Properties: one row per property, the one way to declare one.
//
// A class lists its properties once, in installation order (which is also the order
// json-glib writes them), as an X-macro table of rows
//
//   P(kind, member, "property-name", declared default, flags, starting value, notify)
//
//   #define TARVELIN_META_COLUMN_PROPERTIES(P)   (each row but the last ends in a backslash)
//       P(UInt16, ordinal, "ordinal", 0, RW, 0, OnChange)
//       P(Text, alias, "alias", nullptr, RW, "", OnChange)
//
// and expands the table four times:
//   public:   TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)  get_x, set_x, x_pspec
//   private:  TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_PROPERTY_STORAGE)    the member x_
//   describe: TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_PROPERTY_INSTALL)    the ParamSpec (needs `Self`)
//   capi:     TARVELIN_META_COLUMN_PROPERTIES(TARVELIN_PROPERTY_CAPI)       the C getter (and setter)
// A computed property (a setter with more to do than store) keeps its rows in a table of
// their own, expanded with TARVELIN_PROPERTY_PSPEC (x_pspec alone) instead of _ACCESSORS:
// the class writes get_x and set_x itself, and notifies x_pspec as the row's policy says.
// The C expansion reads three macros the capi file defines first: TARVELIN_CAPI_CLASS (the
// C++ class), TARVELIN_CAPI_CTYPE (its C instance type) and TARVELIN_CAPI_PREFIX (the
// function-name prefix); it makes `<prefix>_get_<member>` and, for RW rows,
// `<prefix>_set_<member>`. The capi file's header comment names the functions its tables
// make, so every exported name can be found with git grep.
//
// Kinds live in tarvelin::gobj::prop (a family adds its own enum, flags and object kinds
// there, as aliases, since a row cannot hold a comma). Flags: RW or RO (RO: no setter in
// the property system or the C face; the C++ setter stays for the class itself). Notify:
// OnChange (the setter notifies when the stored value changed; NULL and "" differ) or
// Always. Never G_PARAM_CONSTRUCT: g_object_new would then overwrite the starting value
// with the declared default.
#pragma once

#include <gee.h>

#include <optional>
#include <string>
#include <utility>

#include "providers/gobj/invoke.hpp"
#include "providers/gobj/property.hpp"

namespace tarvelin::gobj::prop {

// ---------------------------------------------------------------- flags and policies

struct RW {
    static constexpr bool writable = true;
    static constexpr GParamFlags flags = kReadWrite;
};
struct RO {
    static constexpr bool writable = false;
    static constexpr GParamFlags flags = kRead;
};
inline constexpr bool OnChange = false;
inline constexpr bool Always = true;

// The one starting value that is not a constant: the moment the object is made.
inline constexpr struct Now {
} now{};

// ---------------------------------------------------------------- kinds

// A plain value of type V behind a ParamSpec made by Spec.
template <class V, class C = V>
struct Scalar {
    using value_type = V;
    using param_type = V;
    using c_type = C;
    using stored = V;
    template <class S>
    static stored initial(S v) {
        return static_cast<V>(v);
    }
    static V get(const stored& s) { return s; }
    static bool put(stored& s, V v) { return assign(s, v); }
};

struct Bool : Scalar<bool, gboolean> {
    static GParamSpec* spec(const char* n, GParamFlags f, bool d) { return pspec::boolean(n, f, d); }
};
struct Int8 : Scalar<gint8> {
    static GParamSpec* spec(const char* n, GParamFlags f, gint8 d) { return pspec::int8(n, G_MININT8, G_MAXINT8, d, f); }
};
struct UInt8 : Scalar<guint8> {
    static GParamSpec* spec(const char* n, GParamFlags f, guint8 d) { return pspec::uint8(n, 0, G_MAXUINT8, d, f); }
};
// 16-bit values live behind int/uint properties: a value set through the property keeps
// its low 16 bits, as the GValue conversion to the stored type does.
struct Int16 : Scalar<gint16> {
    static GParamSpec* spec(const char* n, GParamFlags f, gint32 d) {
        return pspec::int32(n, G_MININT32, G_MAXINT32, d, f);
    }
};
struct UInt16 : Scalar<guint16> {
    static GParamSpec* spec(const char* n, GParamFlags f, guint32 d) { return pspec::uint32(n, 0, G_MAXUINT32, d, f); }
};
struct Int : Scalar<gint32> {
    static GParamSpec* spec(const char* n, GParamFlags f, gint32 d) {
        return pspec::int32(n, G_MININT32, G_MAXINT32, d, f);
    }
};
struct UInt : Scalar<guint32> {
    static GParamSpec* spec(const char* n, GParamFlags f, guint32 d) { return pspec::uint32(n, 0, G_MAXUINT32, d, f); }
};
struct Int64 : Scalar<gint64> {
    static GParamSpec* spec(const char* n, GParamFlags f, gint64 d) {
        return pspec::int64(n, G_MININT64, G_MAXINT64, d, f);
    }
};
struct UInt64 : Scalar<guint64> {
    static GParamSpec* spec(const char* n, GParamFlags f, guint64 d) { return pspec::uint64(n, 0, G_MAXUINT64, d, f); }
};
struct Double : Scalar<double> {
    static GParamSpec* spec(const char* n, GParamFlags f, double d) {
        return pspec::dbl(n, -G_MAXDOUBLE, G_MAXDOUBLE, d, f);
    }
};
struct Float : Scalar<float> {
    static GParamSpec* spec(const char* n, GParamFlags f, float d) {
        return pspec::flt(n, -G_MAXFLOAT, G_MAXFLOAT, d, f);
    }
};

// An enumeration E registered by GTypeOf(); its C type is E itself.
template <class E, GType (*GTypeOf)()>
struct Enum : Scalar<E> {
    static GParamSpec* spec(const char* n, GParamFlags f, E d) {
        return pspec::enumeration(n, GTypeOf(), static_cast<gint>(d), f);
    }
};
// A flags type F registered by GTypeOf().
template <class F, GType (*GTypeOf)()>
struct Flags : Scalar<F> {
    static GParamSpec* spec(const char* n, GParamFlags f, F d) {
        return pspec::flags(n, GTypeOf(), static_cast<guint>(d), f);
    }
};

// A text; NULL and "" differ. Handed out borrowed.
struct Text {
    using value_type = const char*;
    using param_type = const char*;
    using c_type = const gchar*;
    using stored = std::optional<std::string>;
    static GParamSpec* spec(const char* n, GParamFlags f, const char* d) { return pspec::text(n, f, d); }
    static stored initial(const char* v) { return opt(v); }
    static const char* get(const stored& s) { return c_str(s); }
    static bool put(stored& s, const char* v) {
        if (s ? (v && *s == v) : !v) return false;
        s = opt(v);
        return true;
    }
};

// One reference to a date-time, compared by identity.
struct DateTime {
    using value_type = GDateTime*;
    using param_type = GDateTime*;
    using c_type = GDateTime*;
    using stored = gobj::DateTime;
    static GParamSpec* spec(const char* n, GParamFlags f, std::nullptr_t) {
        return pspec::boxed(n, G_TYPE_DATE_TIME, f);
    }
    static stored initial(Now) { return stored(g_date_time_new_now_utc()); }
    static stored initial(std::nullptr_t) { return stored(); }
    static GDateTime* get(const stored& s) { return s.get(); }
    static bool put(stored& s, GDateTime* v) {
        if (s.get() == v) return false;
        s.reset(v ? g_date_time_ref(v) : nullptr);
        return true;
    }
};

// A bridged object of class T (C instance type C), held by one reference and compared by
// identity. The C getter hands it out borrowed.
template <class T, class C>
struct ObjectRef {
    using value_type = const Ref<T>&;
    using param_type = Ref<T>;
    using c_type = C*;
    using stored = Ref<T>;
    static GParamSpec* spec(const char* n, GParamFlags f, std::nullptr_t) { return pspec::object(n, T::gtype(), f); }
    static stored initial(std::nullptr_t) { return stored(); }
    static const Ref<T>& get(const stored& s) { return s; }
    static bool put(stored& s, Ref<T> v) {
        if (s == v) return false;
        s = std::move(v);
        return true;
    }
};

// A plain GObject C (a libgee collection, a list model) held by one reference and
// compared by identity; handed out borrowed ("the list itself").
template <class C, GType (*GTypeOf)()>
struct Container {
    using value_type = C*;
    using param_type = C*;
    using c_type = C*;
    using stored = GPtr<C>;
    static GParamSpec* spec(const char* n, GParamFlags f, std::nullptr_t) { return pspec::object(n, GTypeOf(), f); }
    // Takes over a new container made for the starting value.
    static stored initial(C* owned) { return stored::adopt(owned); }
    static stored initial(std::nullptr_t) { return stored(); }
    static C* get(const stored& s) { return s.get(); }
    static bool put(stored& s, C* v) {
        if (s.get() == v) return false;
        s = stored::retain(v);
        return true;
    }
};
using List = Container<GeeArrayList, &gee_array_list_get_type>;
using Map = Container<GeeHashMap, &gee_hash_map_get_type>;
using Model = Container<GListModel, &g_list_model_get_type>;

// The `Keep` of a Handle whose setter takes over the handle passed.
template <class T>
T* take_over(T* handle) noexcept {
    return handle;
}

// A C handle T (GBytes, a g_malloc'd buffer, ...) held once, released with Free, and
// compared by identity: a set stores Keep(v) (a new reference, or take_over<T>), and
// storing the handle already held changes nothing. A boxed property of the type
// BoxedType() gives, or a pointer property without one; the C getter hands the handle
// out borrowed.
template <class T, auto Free, T* (*Keep)(T*), auto BoxedType = nullptr>
struct Handle {
    using value_type = T*;
    using param_type = T*;
    using c_type = T*;
    using stored = Owned<T, Free>;
    static GParamSpec* spec(const char* n, GParamFlags f, std::nullptr_t) {
        if constexpr (std::is_same_v<decltype(BoxedType), std::nullptr_t>) {
            return pspec::pointer(n, f);
        } else {
            return pspec::boxed(n, BoxedType(), f);
        }
    }
    static stored initial(std::nullptr_t) { return stored(); }
    static T* get(const stored& s) { return s.get(); }
    static bool put(stored& s, T* v) {
        if (s.get() == v) return false;
        s.reset(v ? Keep(v) : nullptr);
        return true;
    }
};

// Installs one row's ParamSpec with the class's accessors.
template <class Self, class K, class F, auto Get, auto Set, class D>
GParamSpec* install(ClassSpec<Self>& c, const char* name, D dflt) {
    GParamSpec* p = K::spec(name, F::flags, dflt);
    if constexpr (F::writable) {
        return c.template property<Get, Set>(p);
    } else {
        return c.template property<Get>(p);
    }
}

}  // namespace tarvelin::gobj::prop

#define TARVELIN_PROPERTY_ACCESSORS(K, M, N, D, F, S, P)                                    \
    typename ::tarvelin::gobj::prop::K::value_type get_##M() const {                      \
        return ::tarvelin::gobj::prop::K::get(M##_);                                        \
    }                                                                                       \
    void set_##M(typename ::tarvelin::gobj::prop::K::param_type v) {                        \
        if (::tarvelin::gobj::prop::K::put(M##_, std::move(v)) || ::tarvelin::gobj::prop::P) \
            notify(M##_pspec);                                                              \
    }                                                                                       \
    static inline GParamSpec* M##_pspec = nullptr;

#define TARVELIN_PROPERTY_PSPEC(K, M, N, D, F, S, P) static inline GParamSpec* M##_pspec = nullptr;

#define TARVELIN_PROPERTY_STORAGE(K, M, N, D, F, S, P) \
    typename ::tarvelin::gobj::prop::K::stored M##_{::tarvelin::gobj::prop::K::initial(S)};

#define TARVELIN_PROPERTY_INSTALL(K, M, N, D, F, S, P)                                                            \
    M##_pspec = ::tarvelin::gobj::prop::install<Self, ::tarvelin::gobj::prop::K, ::tarvelin::gobj::prop::F,       \
                                                 &Self::get_##M, &Self::set_##M>(c, N, D);

#define TARVELIN_PASTE3_(a, b, c) a##b##c
#define TARVELIN_PASTE3(a, b, c) TARVELIN_PASTE3_(a, b, c)

#define TARVELIN_PROPERTY_CAPI(K, M, N, D, F, S, P) TARVELIN_PROPERTY_CAPI_##F(K, M)
#define TARVELIN_PROPERTY_CAPI_RO(K, M)                                                                     \
    ::tarvelin::gobj::prop::K::c_type TARVELIN_PASTE3(TARVELIN_CAPI_PREFIX, _get_, M)(TARVELIN_CAPI_CTYPE * self) { \
        g_return_val_if_fail(self != NULL, ::tarvelin::gobj::prop::K::c_type());                             \
        return ::tarvelin::gobj::invoke<&TARVELIN_CAPI_CLASS::get_##M, ::tarvelin::gobj::borrow>(G_STRFUNC, self); \
    }
#define TARVELIN_PROPERTY_CAPI_RW(K, M)                                                                     \
    TARVELIN_PROPERTY_CAPI_RO(K, M)                                                                         \
    void TARVELIN_PASTE3(TARVELIN_CAPI_PREFIX, _set_, M)(TARVELIN_CAPI_CTYPE * self,                       \
                                                         ::tarvelin::gobj::prop::K::c_type value) {        \
        g_return_if_fail(self != NULL);                                                                     \
        ::tarvelin::gobj::invoke<&TARVELIN_CAPI_CLASS::set_##M>(G_STRFUNC, self, value);                   \
    }

// ---------------------------------------------------------------- texts as C++ values, longs, vectors of texts

namespace tarvelin::gobj::prop {

// A text that C++ code reads and writes as std::optional<std::string> (NULL and ""
// differ); the C getter hands it out borrowed, as Text does.
struct OptionalText {
    using value_type = const std::optional<std::string>&;
    using param_type = std::optional<std::string>;
    using c_type = const gchar*;
    using stored = std::optional<std::string>;
    static GParamSpec* spec(const char* n, GParamFlags f, const char* d) { return pspec::text(n, f, d); }
    static stored initial(const char* v) { return opt(v); }
    static const stored& get(const stored& s) { return s; }
    static bool put(stored& s, std::optional<std::string> v) { return assign(s, std::move(v)); }
};

// An unsigned long to the property system.
struct ULong : Scalar<gulong> {
    static GParamSpec* spec(const char* n, GParamFlags f, gulong d) {
        return g_param_spec_ulong(n, n, n, 0, G_MAXULONG, d, f);
    }
};

// A NULL-terminated vector of texts (G_TYPE_STRV), held as its own copy and compared by
// identity.
struct Strv {
    using value_type = gchar**;
    using param_type = gchar**;
    using c_type = gchar**;
    using stored = Owned<gchar*, &g_strfreev>;
    static GParamSpec* spec(const char* n, GParamFlags f, std::nullptr_t) { return pspec::boxed(n, G_TYPE_STRV, f); }
    static stored initial(std::nullptr_t) { return stored(); }
    static gchar** get(const stored& s) { return s.get(); }
    static bool put(stored& s, gchar** v) {
        if (s.get() == v) return false;
        s.reset(g_strdupv(v));
        return true;
    }
};

// Read-write and set by g_object_new with the declared default, for the few properties
// declared that way: their starting value must be the declared default.
struct RWConstruct {
    static constexpr bool writable = true;
    static constexpr GParamFlags flags = GParamFlags(kReadWrite | G_PARAM_CONSTRUCT);
};

}  // namespace tarvelin::gobj::prop

#define TARVELIN_PROPERTY_CAPI_RWConstruct(K, M) TARVELIN_PROPERTY_CAPI_RW(K, M)

// A row whose accessors, storage and C functions the class writes itself (a value its C
// face hands out in a form of its own, such as a vector with its length): expands to the
// ParamSpec pointer that TARVELIN_PROPERTY_INSTALL fills.
#define TARVELIN_PROPERTY_PSPEC(K, M, N, D, F, S, P) static inline GParamSpec* M##_pspec = nullptr;
