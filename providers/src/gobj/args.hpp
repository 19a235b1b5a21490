// Argument packs between C and C++: how the C arguments of an exported function or an
// interface slot become the parameters of a C++ member, and back. Used by invoke (the C
// face), slot (C++ implementations of interface slots) and call (C++ callers of them).
//
// One C++ parameter takes one C argument, except:
//   std::span<const guint8>, std::vector<guint8>     (const guint8* data, gint length)
//   std::vector<Ref<T>> (by value or const&)          (T** items, gint length)
//   std::vector<std::string> (by value or const&),
//   std::span<const std::string>                      (gchar** items, gint length; a negative
//                                                      length counts up to the NULL entry)
//   std::vector<guint8>& (an out parameter)           (guint8** result, gint* length)
//   std::vector<std::string>& (an out parameter)      (gchar*** result, gint* length)
//   std::string& / std::optional<std::string>&        (gchar** result)
//   X& for a number, truth value or enum (out)        (X* result)
//   X& for a plain C structure such as GDate (out)    (X* result), filled from zero
//   Ref<T>& (an out object)                           (T** result): transfer full, NULL
//                                                      when the member leaves it empty or fails
//   VaText                                            (const gchar* format, va_list args)
// A C++ result that is a vector leaves a trailing `gint* length` C argument (the array
// comes back NULL-terminated where its elements are pointers; a vector of numbers comes
// back as a plain C array), and a trailing GError** takes the error. Bytes handed to C
// (results and out vectors) carry one zero byte after their length, so bytes that hold
// a text read as a C string; no bytes are handed out as NULL.
//
// Ownership of results: transfer full by default (Ref released, texts duplicated); with
// the policy `borrow` an object or text result is handed out without a new reference or
// copy, for getters whose owner keeps the value alive; with `add_ref` a plain object
// pointer the owner keeps is handed out with a new reference; with `never_null` an empty
// byte buffer is a zero-length allocation rather than NULL. A GeeArray (a typed list
// view) is handed out as the list itself.
#pragma once

#include <glib-object.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstring>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "providers/gobj/convert.hpp"

namespace tarvelin::gobj {

// ---------------------------------------------------------------- policies and bindings

// Result ownership policies (template arguments of invoke, slot and call).
struct full {};
struct borrow {};
// An object result its owner keeps, handed out with a new reference of the caller's own.
struct add_ref {};
// Transfer full, and a byte buffer is never NULL: an empty one is a real zero-length
// allocation (for results a contract gives as "an empty buffer").
struct never_null {};
// Transfer full, and the operation's empty result is V rather than 0: what a slot gives
// when its member fails, and what call gives for a slot the instance left empty
// (gobj::slot<T, &IProvider::execute_affect, gobj::empty_value<-1>>).
template <auto V>
struct empty_value {
    static constexpr auto value = V;
};
namespace detail {
template <class P>
struct is_empty_value : std::false_type {};
template <auto V>
struct is_empty_value<empty_value<V>> : std::true_type {};
// The empty result of type CR under Policy.
template <class CR, class Policy>
constexpr CR failed_result() {
    if constexpr (is_empty_value<Policy>::value) {
        return CR(Policy::value);
    } else {
        return CR();
    }
}
}  // namespace detail

// The C++ class behind a C instance type or interface structure, declared once next to
// the class with TARVELIN_BIND_C_TYPE. invoke uses it to check and cast `self`; call
// uses it to find an interface's GType from its structure and to type object results.
template <class C>
struct CppOf {
    using type = void;
};
template <class C>
using cpp_of_t = typename CppOf<std::remove_cv_t<C>>::type;

}  // namespace tarvelin::gobj

#define TARVELIN_BIND_C_TYPE(CType, Cpp)            \
    template <>                                     \
    struct tarvelin::gobj::CppOf<CType> {           \
        using type = Cpp;                           \
    };

namespace tarvelin::gobj {

// A text formatted from a printf format and a va_list (the logging operations).
struct VaText {
    std::string text;
};

// A pointer released with `Free`: the one owner of C handles without a C++ side.
template <class T, auto Free>
class Owned {
public:
    Owned() noexcept = default;
    explicit Owned(T* p) noexcept : p_(p) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    Owned& operator=(Owned&& o) noexcept {
        reset(std::exchange(o.p_, nullptr));
        return *this;
    }
    ~Owned() { reset(); }
    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    T* release() noexcept { return std::exchange(p_, nullptr); }
    void reset(T* p = nullptr) noexcept {
        T* old = std::exchange(p_, p);
        if (old) Free(old);
    }
    // For C functions that fill an out pointer.
    T** out() noexcept {
        reset();
        return &p_;
    }
    explicit operator bool() const noexcept { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};
using DateTime = Owned<GDateTime, &g_date_time_unref>;

namespace detail {

template <class T>
struct is_vector : std::false_type {};
template <class T, class A>
struct is_vector<std::vector<T, A>> : std::true_type {};
template <class T>
struct is_owned : std::false_type {};
template <class T, auto F>
struct is_owned<Owned<T, F>> : std::true_type {};
template <class T>
struct is_gptr : std::false_type {};
template <class T>
struct is_gptr<GPtr<T>> : std::true_type {};

template <class P>
using bare = std::remove_cvref_t<P>;

template <class P>
inline constexpr bool is_bytes_in =
    (std::is_same_v<bare<P>, std::span<const guint8>> || std::is_same_v<bare<P>, std::vector<guint8>>) &&
    !(std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>);
template <class P>
inline constexpr bool is_bytes_out =
    std::is_same_v<P, std::vector<guint8>&>;
template <class T>
struct is_ref_vector : std::false_type {};
template <class T, class A>
struct is_ref_vector<std::vector<T, A>> : is_ref<T> {};
template <class P>
inline constexpr bool is_objects_in = is_ref_vector<bare<P>>::value &&
                                      !(std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>);
template <class P>
inline constexpr bool is_strings_in =
    (std::is_same_v<bare<P>, std::vector<std::string>> || std::is_same_v<bare<P>, std::span<const std::string>>) &&
    !(std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>);
template <class P>
inline constexpr bool is_texts_out = std::is_same_v<P, std::vector<std::string>&>;
template <class P>
inline constexpr bool is_text_out =
    std::is_same_v<P, std::string&> || std::is_same_v<P, std::optional<std::string>&>;
// A plain C structure the member fills (a GDate): (X* result).
template <class P>
inline constexpr bool is_struct_out =
    std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>> && std::is_class_v<bare<P>> &&
    std::is_trivial_v<bare<P>> && std::is_standard_layout_v<bare<P>>;
template <class P>
inline constexpr bool is_ref_out = std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>> &&
                                   is_ref<bare<P>>::value;
template <class P>
inline constexpr bool is_scalar_out =
    std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>> &&
    (std::is_arithmetic_v<bare<P>> || std::is_enum_v<bare<P>>);

// A new buffer of the bytes and one zero byte after them; NULL for no bytes.
inline guint8* dup_bytes(const std::vector<guint8>& bytes) {
    if (bytes.empty()) return nullptr;
    auto* out = static_cast<guint8*>(g_malloc(bytes.size() + 1));
    std::copy(bytes.begin(), bytes.end(), out);
    out[bytes.size()] = 0;
    return out;
}
// A new NULL-terminated array of new texts.
inline gchar** dup_strv(const std::vector<std::string>& texts) {
    auto** out = g_new0(gchar*, texts.size() + 1);
    for (std::size_t i = 0; i < texts.size(); ++i) out[i] = dup_string(texts[i]);
    return out;
}

// How many C arguments the C++ parameter P takes.
template <class P>
constexpr std::size_t width_of() {
    if constexpr (std::is_same_v<bare<P>, VaText> || is_bytes_in<P> || is_bytes_out<P> || is_objects_in<P> ||
                  is_strings_in<P> || is_texts_out<P>) {
        return 2;
    } else {
        return 1;
    }
}

// The C arguments at Off (and Off + 1 for the two-argument forms) of the tuple CT, as the
// C++ parameter P. get() hands the value to the member; finish() writes out parameters
// back once the member returned.
template <class P, class CT, std::size_t Off>
struct Arg {
    using CA = std::tuple_element_t<Off, CT>;
    using R = decltype(from_c<P>(std::declval<CA>()));
    static constexpr bool kRef = std::is_lvalue_reference_v<R>;
    using Held = std::conditional_t<kRef, std::remove_reference_t<R>*, std::remove_cvref_t<R>>;
    Held held;
    explicit Arg(CT& c) : held(make(std::get<Off>(c))) {}
    static Held make(CA a) {
        if constexpr (kRef) {
            return &from_c<P>(a);
        } else {
            return from_c<P>(a);
        }
    }
    decltype(auto) get() {
        if constexpr (kRef) {
            return static_cast<R>(*held);
        } else if constexpr (std::is_lvalue_reference_v<P>) {
            return static_cast<Held&>(held);
        } else {
            return static_cast<Held&&>(held);
        }
    }
    void finish() {}
};

template <class P, class CT, std::size_t Off>
    requires is_bytes_in<P>
struct Arg<P, CT, Off> {
    bare<P> held;
    explicit Arg(CT& c) {
        const auto* data = reinterpret_cast<const guint8*>(std::get<Off>(c));
        auto length = std::get<Off + 1>(c);
        if (data && length > 0) held = bare<P>(data, data + length);
    }
    bare<P>& get() { return held; }
    void finish() {}
};

template <class P, class CT, std::size_t Off>
    requires is_objects_in<P>
struct Arg<P, CT, Off> {
    bare<P> held;
    explicit Arg(CT& c) {
        auto items = std::get<Off>(c);
        auto length = std::get<Off + 1>(c);
        using Item = typename bare<P>::value_type;
        for (decltype(length) i = 0; items && i < length; ++i) held.push_back(Item::retain((gpointer)items[i]));
    }
    bare<P>& get() { return held; }
    void finish() {}
};

template <class P, class CT, std::size_t Off>
    requires is_strings_in<P>
struct Arg<P, CT, Off> {
    std::vector<std::string> held;
    explicit Arg(CT& c) {
        auto items = std::get<Off>(c);
        auto length = std::get<Off + 1>(c);
        for (decltype(length) i = 0; items && (length < 0 ? items[i] != nullptr : i < length); ++i) {
            held.emplace_back(items[i] ? items[i] : "");
        }
    }
    std::vector<std::string>& get() { return held; }
    void finish() {}
};

template <class P, class CT, std::size_t Off>
    requires is_bytes_out<P>
struct Arg<P, CT, Off> {
    std::vector<guint8> held;
    guint8** result;
    gint* length;
    explicit Arg(CT& c) : result(std::get<Off>(c)), length(std::get<Off + 1>(c)) {}
    std::vector<guint8>& get() { return held; }
    void finish() {
        if (result) *result = dup_bytes(held);
        if (length) *length = static_cast<gint>(held.size());
    }
};

template <class P, class CT, std::size_t Off>
    requires is_texts_out<P>
struct Arg<P, CT, Off> {
    std::vector<std::string> held;
    gchar*** result;
    gint* length;
    explicit Arg(CT& c) : result(std::get<Off>(c)), length(std::get<Off + 1>(c)) {}
    std::vector<std::string>& get() { return held; }
    void finish() {
        if (result) *result = dup_strv(held);
        if (length) *length = static_cast<gint>(held.size());
    }
};

template <class P, class CT, std::size_t Off>
    requires is_text_out<P>
struct Arg<P, CT, Off> {
    bare<P> held;
    gchar** result;
    explicit Arg(CT& c) : result(std::get<Off>(c)) {}
    bare<P>& get() { return held; }
    void finish() {
        if (result) *result = dup_string(held);
    }
};

template <class P, class CT, std::size_t Off>
    requires is_scalar_out<P>
struct Arg<P, CT, Off> {
    // invoke hands its C arguments over as references.
    using CP = std::remove_reference_t<std::tuple_element_t<Off, CT>>;
    bare<P> held{};
    CP result;
    explicit Arg(CT& c) : result(std::get<Off>(c)) {
        if (result) held = static_cast<bare<P>>(*result);
    }
    bare<P>& get() { return held; }
    void finish() {
        if (result) *result = static_cast<std::remove_pointer_t<CP>>(held);
    }
};

template <class P, class CT, std::size_t Off>
    requires is_ref_out<P>
struct Arg<P, CT, Off> {
    // invoke hands its C arguments over as references.
    using CP = std::remove_reference_t<std::tuple_element_t<Off, CT>>;
    bare<P> held;
    CP result;
    // Cleared first, so a member that throws leaves NULL behind.
    explicit Arg(CT& c) : result(std::get<Off>(c)) {
        if (result) *result = nullptr;
    }
    bare<P>& get() { return held; }
    void finish() {
        if (result) *result = static_cast<std::remove_pointer_t<CP>>(held.release());
    }
};

template <class P, class CT, std::size_t Off>
    requires is_struct_out<P>
struct Arg<P, CT, Off> {
    // The member fills a zeroed structure (a cleared GDate), written back when it returns.
    bare<P> held{};
    bare<P>* result;
    explicit Arg(CT& c) : result(std::get<Off>(c)) {}
    bare<P>& get() { return held; }
    void finish() {
        if (result) *result = held;
    }
};

template <class P, class CT, std::size_t Off>
    requires std::is_same_v<bare<P>, VaText>
struct Arg<P, CT, Off> {
    VaText held;
    explicit Arg(CT& c) {
        const char* format = std::get<Off>(c);
        if (!format) return;
        // The va_list is read once, by the one call made here.
        gchar* text = g_strdup_vprintf(format, std::get<Off + 1>(c));
        held.text = take_string(text);
    }
    VaText& get() { return held; }
    void finish() {}
};

// Offsets of each parameter's first C argument.
template <class... P>
constexpr std::array<std::size_t, sizeof...(P) + 1> offsets_of() {
    std::array<std::size_t, sizeof...(P) + 1> o{};
    std::size_t w[] = {width_of<P>()..., 0};
    for (std::size_t i = 0; i < sizeof...(P); ++i) o[i + 1] = o[i] + w[i];
    return o;
}

template <class Params, class CT, class Seq>
struct ArgPack;
template <class... P, class CT, std::size_t... I>
struct ArgPack<std::tuple<P...>, CT, std::index_sequence<I...>> {
    static constexpr auto kOffsets = offsets_of<P...>();
    static constexpr std::size_t kWidth = kOffsets[sizeof...(P)];
    using type = std::tuple<Arg<P, CT, kOffsets[I]>...>;
    static type make(CT& c) { return type(Arg<P, CT, kOffsets[I]>(c)...); }
    template <class F>
    static decltype(auto) apply(type& args, F&& f) {
        return std::forward<F>(f)(std::get<I>(args).get()...);
    }
    static void finish(type& args) { (std::get<I>(args).finish(), ...); }
};
template <class Params, class CT>
using ArgPackOf = ArgPack<Params, CT, std::make_index_sequence<std::tuple_size_v<Params>>>;

// ---------------------------------------------------------------- callables

template <class M>
struct callable;
template <class C, class R, class... A>
struct callable<R (C::*)(A...)> {
    using klass = C;
    using result = R;
    using args = std::tuple<A...>;
};
template <class C, class R, class... A>
struct callable<R (C::*)(A...) const> : callable<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct callable<R (C::*)(A...) noexcept> : callable<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct callable<R (C::*)(A...) const noexcept> : callable<R (C::*)(A...)> {};
template <class R, class... A>
struct callable<R (*)(A...)> {
    using klass = void;
    using result = R;
    using args = std::tuple<A...>;
};
template <class R, class... A>
struct callable<R (*)(A...) noexcept> : callable<R (*)(A...)> {};

template <class T>
inline constexpr bool is_gerror_out = std::is_same_v<T, GError**>;

template <class... CA>
constexpr bool ends_with_gerror() {
    if constexpr (sizeof...(CA) == 0) {
        return false;
    } else {
        return is_gerror_out<std::tuple_element_t<sizeof...(CA) - 1, std::tuple<CA...>>>;
    }
}

// Results that hand their length out through a trailing gint*.
template <class R>
inline constexpr bool has_length = is_vector<bare<R>>::value;

// ---------------------------------------------------------------- results to C

template <class CR, class Policy, class R>
CR result_to_c(R&& r, [[maybe_unused]] gint* length) {
    using D = bare<R>;
    if constexpr (is_vector<D>::value) {
        using E = typename D::value_type;
        if (length) *length = static_cast<gint>(r.size());
        if constexpr (std::is_same_v<E, guint8> && std::is_same_v<Policy, never_null>) {
            auto* out = static_cast<guint8*>(g_malloc0(r.empty() ? 1 : r.size()));
            if (!r.empty()) memcpy(out, r.data(), r.size());
            return static_cast<CR>(out);
        } else if constexpr (std::is_same_v<E, guint8>) {
            return static_cast<CR>(dup_bytes(r));
        } else if constexpr (std::is_same_v<E, std::string>) {
            return reinterpret_cast<CR>(dup_strv(r));
        } else if constexpr (std::is_arithmetic_v<E>) {
            return static_cast<CR>(g_memdup2(r.data(), r.size() * sizeof(E)));
        } else if constexpr (is_ref<E>::value || is_gptr<E>::value) {
            auto** out = g_new0(gpointer, r.size() + 1);
            for (std::size_t i = 0; i < r.size(); ++i) {
                if constexpr (is_ref<E>::value) {
                    out[i] = std::is_same_v<Policy, borrow> ? r[i].instance() : r[i].dup();
                } else {
                    out[i] = std::is_same_v<Policy, borrow> ? (gpointer)r[i].get() : (gpointer)r[i].release();
                }
            }
            return reinterpret_cast<CR>(out);
        } else {
            static_assert(sizeof(E) == 0, "no C array form for this element type");
        }
    } else if constexpr (is_ref<D>::value) {
        if constexpr (std::is_same_v<Policy, borrow>) {
            return (CR)r.instance();
        } else if constexpr (std::is_rvalue_reference_v<R&&> && !std::is_const_v<std::remove_reference_t<R>>) {
            return (CR)r.release();
        } else {
            return (CR)r.dup();
        }
    } else if constexpr (is_gptr<D>::value || is_owned<D>::value) {
        if constexpr (std::is_same_v<Policy, borrow>) {
            return (CR)r.get();
        } else {
            return (CR)r.release();
        }
    } else if constexpr (std::is_same_v<D, std::string> || std::is_same_v<D, std::optional<std::string>>) {
        if constexpr (std::is_same_v<Policy, borrow>) {
            static_assert(std::is_lvalue_reference_v<R>, "a borrowed text must live in its owner");
            return const_cast<CR>(c_str_of(r));
        } else {
            return dup_string(r);
        }
    } else if constexpr (std::is_lvalue_reference_v<R> && std::is_class_v<D> &&
                         (std::is_base_of_v<Object, D> || std::is_base_of_v<Fundamental, D>)) {
        // A C++ object handed out by reference: its instance, borrowed.
        if constexpr (std::is_base_of_v<Object, D>) {
            return (CR)r.gobj();
        } else {
            return (CR)r.instance();
        }
    } else if constexpr (std::is_same_v<D, bool>) {
        return static_cast<CR>(r ? TRUE : FALSE);
    } else if constexpr (std::is_same_v<Policy, add_ref> && std::is_pointer_v<D>) {
        return (CR)(r ? g_object_ref((gpointer)r) : nullptr);
    } else if constexpr (std::is_pointer_v<CR> && std::is_pointer_v<D>) {
        return (CR)r;
    } else if constexpr (is_gee_array<D>::value) {
        // The list itself, whatever the policy: a list property is handed out by identity.
        return (CR)r.list();
    } else {
        return static_cast<CR>(r);
    }
}

}  // namespace detail

}  // namespace tarvelin::gobj
