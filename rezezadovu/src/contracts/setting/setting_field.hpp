// Property kinds of the settings groups. Each group lists its properties once, in
// registration order, as an X-macro table (kind, name, "property-name", initial value,
// declared default); the accessors, the storage, the registration and the C functions
// are all expanded from that one table, so the file format cannot drift from it.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::rezezadovu::contracts::setting::field {

// Marks the one initial value that is not a constant: the moment of creation.
inline constexpr struct Now {
} now{};

template <class V, class C = V>
struct Scalar {
    using value_type = V;
    using c_type = C;
    using stored = V;
    static stored initial(V v) { return v; }
    static V get(const stored& s) { return s; }
    static bool put(stored& s, V v) { return gobj::assign(s, v); }
};

struct Int : Scalar<gint32> {
    static GParamSpec* spec(const char* n, gint32 d) {
        return gobj::pspec::int32(n, G_MININT32, G_MAXINT32, d, gobj::kReadWrite);
    }
};
struct UInt : Scalar<guint32> {
    static GParamSpec* spec(const char* n, guint32 d) {
        return gobj::pspec::uint32(n, 0, G_MAXUINT32, d, gobj::kReadWrite);
    }
};
// A 16-bit port behind an unsigned int property: values set through the property keep
// their low 16 bits (the GValue conversion truncates), and so do the comparisons.
struct Port : Scalar<guint16> {
    static GParamSpec* spec(const char* n, guint32 d) {
        return gobj::pspec::uint32(n, 0, G_MAXUINT32, d, gobj::kReadWrite);
    }
};
struct Bool : Scalar<bool, gboolean> {
    static GParamSpec* spec(const char* n, bool d) { return gobj::pspec::boolean(n, gobj::kReadWrite, d); }
};
struct Double : Scalar<double> {
    static GParamSpec* spec(const char* n, double d) {
        return gobj::pspec::dbl(n, -G_MAXDOUBLE, G_MAXDOUBLE, d, gobj::kReadWrite);
    }
};

// Null and the empty text differ.
struct Text {
    using value_type = const char*;
    using c_type = const gchar*;
    using stored = std::optional<std::string>;
    static GParamSpec* spec(const char* n, std::nullptr_t) { return gobj::pspec::text(n, gobj::kReadWrite); }
    static stored initial(const char* v) { return gobj::opt(v); }
    static const char* get(const stored& s) { return gobj::c_str(s); }
    static bool put(stored& s, const char* v) {
        if (s ? (v && *s == v) : !v) return false;
        s = gobj::opt(v);
        return true;
    }
};

// One reference to a date-time; compared by identity.
class DateTimeRef {
public:
    explicit DateTimeRef(GDateTime* owned = nullptr) noexcept : p_(owned) {}
    DateTimeRef(const DateTimeRef&) = delete;
    DateTimeRef& operator=(const DateTimeRef&) = delete;
    ~DateTimeRef() {
        if (p_) g_date_time_unref(p_);
    }
    GDateTime* get() const noexcept { return p_; }
    void reset(GDateTime* owned) noexcept {
        GDateTime* old = std::exchange(p_, owned);
        if (old) g_date_time_unref(old);
    }

private:
    GDateTime* p_;
};
struct DateTime {
    using value_type = GDateTime*;
    using c_type = GDateTime*;
    using stored = DateTimeRef;
    static GParamSpec* spec(const char* n, std::nullptr_t) {
        return gobj::pspec::boxed(n, G_TYPE_DATE_TIME, gobj::kReadWrite);
    }
    static GDateTime* initial(Now) { return g_date_time_new_now_utc(); }
    static GDateTime* get(const stored& s) { return s.get(); }
    static bool put(stored& s, GDateTime* v) {
        if (s.get() == v) return false;
        s.reset(v ? g_date_time_ref(v) : nullptr);
        return true;
    }
};

}  // namespace tarvelin::rezezadovu::contracts::setting::field

// Inside a group class: a getter, a setter that notifies on change, and the param spec.
#define TARVELIN_SETTING_ACCESSORS(K, name, prop, init, dflt)                                     \
    field::K::value_type get_##name() const { return field::K::get(name##_); }                   \
    void set_##name(field::K::value_type v) {                                                      \
        if (field::K::put(name##_, v)) notify(s_##name);                                           \
    }                                                                                              \
    static inline GParamSpec* s_##name = nullptr;

#define TARVELIN_SETTING_STORAGE(K, name, prop, init, dflt) field::K::stored name##_{field::K::initial(init)};

// Inside describe(ClassSpec<Self>& c).
#define TARVELIN_SETTING_PROPERTY(K, name, prop, init, dflt) \
    s_##name = c.template property<&Self::get_##name, &Self::set_##name>(field::K::spec(prop, dflt));

// The C accessors of one property; expects SETTING_CLASS, SETTING_CTYPE and the
// function-name prefix through the wrapper that calls it.
#define TARVELIN_SETTING_CAPI(Cls, CType, prefix, K, name, prop, init, dflt)                                    \
    ::tarvelin::rezezadovu::contracts::setting::field::K::c_type prefix##_get_##name(CType* self) {               \
        g_return_val_if_fail(self != NULL, ::tarvelin::rezezadovu::contracts::setting::field::K::c_type()); \
        return ::tarvelin::gobj::cast<Cls>(self)->get_##name();                                                  \
    }                                                                                                            \
    void prefix##_set_##name(CType* self, ::tarvelin::rezezadovu::contracts::setting::field::K::c_type value) { \
        g_return_if_fail(self != NULL);                                                                          \
        ::tarvelin::gobj::guarded(#prefix "_set_" #name,                                                    \
                                       [&] { ::tarvelin::gobj::cast<Cls>(self)->set_##name(value); });          \
    }
