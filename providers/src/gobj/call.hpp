// Calling an interface operation from C++: the one way.
//
//   auto model = gobj::call<&TarvelinProvidersContractsIProviderInterface::execute_model>(provider, sql, true);
//   Ref<TableModel> model;  std::string text = gobj::call<&...IValue...::to_string>(value);
//
// call goes through the instance's interface structure, so an implementation written in C
// by a host is reached exactly like ours, and never through a C++ pointer to the host's
// object. Arguments convert from C++ (texts, truth values, Refs, objects, byte spans,
// vectors of Refs or texts, out byte vectors and numbers, a VaText for a (format, va_list) pair;
// see args.hpp for the C forms); a
// trailing GError** is supplied and an error it receives is thrown as gobj::Error; a
// trailing `gint* length` after an array result is supplied too. Results convert back:
// a new text (gchar*) becomes std::string (std::optional<std::string> with the policy
// `nullable`), a borrowed one (const gchar*) stays a pointer, an object of a bound C type
// becomes a Ref (adopted, or retained with the policy `borrow`), a GDateTime* becomes
// gobj::DateTime, arrays with their length become vectors.
// An instance that does not implement the interface gives a critical and the
// empty result; an empty slot gives the empty result without one (or the policy
// empty_value's value). A plain C structure passed by reference is filled through its
// address (a GDate).
#pragma once

#include "providers/gobj/invoke.hpp"

namespace tarvelin::gobj {

namespace detail {

// A pointer to a C++ object of ours; false for the opaque (incomplete) C instance types.
template <class P, class = void>
struct is_object_ptr : std::false_type {};
template <class T>
struct is_object_ptr<T*, std::void_t<decltype(sizeof(T))>> : std::is_base_of<Object, std::remove_cv_t<T>> {};

template <class A>
gpointer instance_arg(const A& a) {
    using D = bare<A>;
    if constexpr (is_ref<D>::value) {
        return a.instance();
    } else if constexpr (std::is_base_of_v<Object, D>) {
        return a.gobj();
    } else if constexpr (std::is_base_of_v<Fundamental, D>) {
        return a.instance();
    } else if constexpr (is_object_ptr<D>::value) {
        return a ? a->gobj() : nullptr;
    } else {
        return (gpointer)a;
    }
}

// One C++ argument as the C argument(s) at J of the slot's parameter tuple CP.
template <class A, class CP, std::size_t J>
struct CallArg {
    using C = std::tuple_element_t<J, CP>;
    static constexpr std::size_t width = 1;
    using AR = std::remove_reference_t<A>;
    C value;
    explicit CallArg(AR& a) : value(make(a)) {}
    static C make(AR& a) {
        using D = bare<A>;
        if constexpr (std::is_same_v<D, std::string>) {
            return a.c_str();
        } else if constexpr (std::is_same_v<D, std::optional<std::string>>) {
            return c_str(a);
        } else if constexpr (std::is_same_v<D, bool>) {
            return a ? TRUE : FALSE;
        } else if constexpr (is_ref<D>::value || std::is_base_of_v<Object, D> || std::is_base_of_v<Fundamental, D> ||
                             is_object_ptr<D>::value) {
            return static_cast<C>(instance_arg(a));
        } else if constexpr (std::is_pointer_v<C> && std::is_pointer_v<D>) {
            return (C)a;
        } else if constexpr (std::is_pointer_v<C> && std::is_lvalue_reference_v<A> &&
                             (std::is_arithmetic_v<D> || std::is_enum_v<D>)) {
            // An out number: the slot writes through the pointer.
            return reinterpret_cast<C>(&a);
        } else {
            return static_cast<C>(a);
        }
    }
    std::tuple<C> c() const { return {value}; }
    void finish() {}
};

// A byte span or vector in (const guint8*, gint).
template <class A, class CP, std::size_t J>
    requires((std::is_same_v<bare<A>, std::span<const guint8>> || std::is_same_v<bare<A>, std::vector<guint8>>) &&
             !std::is_pointer_v<std::remove_pointer_t<std::tuple_element_t<J, CP>>> &&
             (J + 1 < std::tuple_size_v<CP>) && std::is_integral_v<std::tuple_element_t<J + 1, CP>>)
struct CallArg<A, CP, J> {
    using C0 = std::tuple_element_t<J, CP>;
    using C1 = std::tuple_element_t<J + 1, CP>;
    static constexpr std::size_t width = 2;
    C0 data;
    C1 length;
    explicit CallArg(std::remove_reference_t<A>& a) : data((C0)a.data()), length(static_cast<C1>(a.size())) {}
    std::tuple<C0, C1> c() const { return {data, length}; }
    void finish() {}
};

// A vector of Refs in (T** items, gint length).
template <class A, class CP, std::size_t J>
    requires(is_ref_vector<bare<A>>::value &&
             (J + 1 < std::tuple_size_v<CP>) && std::is_integral_v<std::tuple_element_t<J + 1, CP>>)
struct CallArg<A, CP, J> {
    using C0 = std::tuple_element_t<J, CP>;
    using C1 = std::tuple_element_t<J + 1, CP>;
    static constexpr std::size_t width = 2;
    std::vector<gpointer> items;
    explicit CallArg(std::remove_reference_t<A>& a) {
        for (const auto& r : a) items.push_back(r.instance());
        items.push_back(nullptr);
    }
    std::tuple<C0, C1> c() const { return {(C0)items.data(), static_cast<C1>(items.size() - 1)}; }
    void finish() {}
};

// A vector of texts in (gchar** items, gint length), the array NULL-terminated.
template <class A, class CP, std::size_t J>
    requires(std::is_same_v<bare<A>, std::vector<std::string>> && (J + 1 < std::tuple_size_v<CP>) &&
             std::is_integral_v<std::tuple_element_t<J + 1, CP>>)
struct CallArg<A, CP, J> {
    using C0 = std::tuple_element_t<J, CP>;
    using C1 = std::tuple_element_t<J + 1, CP>;
    static constexpr std::size_t width = 2;
    std::vector<const gchar*> items;
    explicit CallArg(std::remove_reference_t<A>& a) {
        for (const auto& s : a) items.push_back(s.c_str());
        items.push_back(nullptr);
    }
    std::tuple<C0, C1> c() const { return {(C0)items.data(), static_cast<C1>(items.size() - 1)}; }
    void finish() {}
};

// A plain C structure the slot fills, as (X* result).
template <class A, class CP, std::size_t J>
    requires(is_struct_out<A> && std::is_pointer_v<std::tuple_element_t<J, CP>>)
struct CallArg<A, CP, J> {
    using C = std::tuple_element_t<J, CP>;
    static constexpr std::size_t width = 1;
    C value;
    explicit CallArg(std::remove_reference_t<A>& a) : value(reinterpret_cast<C>(&a)) {}
    std::tuple<C> c() const { return {value}; }
    void finish() {}
};

// An out byte vector as (guint8** result, gint* length).
template <class A, class CP, std::size_t J>
    requires(std::is_same_v<A, std::vector<guint8>&> &&
             std::is_pointer_v<std::remove_pointer_t<std::tuple_element_t<J, CP>>>)
struct CallArg<A, CP, J> {
    static constexpr std::size_t width = 2;
    std::vector<guint8>& target;
    guint8* buffer = nullptr;
    gint length = 0;
    explicit CallArg(A& a) : target(a) {}
    std::tuple<guint8**, gint*> c() { return {&buffer, &length}; }
    void finish() {
        target.assign(buffer, buffer + (buffer && length > 0 ? length : 0));
        g_free(buffer);
        buffer = nullptr;
    }
};

// A formatted text as (const gchar* format, va_list args): the slot gets "%s" and a
// va_list holding the text, made by a variadic frame around the call (apply_slot).
struct VaHole {
    const char* text;
};
template <class A, class CP, std::size_t J>
    requires std::is_same_v<bare<A>, VaText>
struct CallArg<A, CP, J> {
    static constexpr std::size_t width = 2;
    const char* text;
    explicit CallArg(std::remove_reference_t<A>& a) : text(a.text.c_str()) {}
    std::tuple<const gchar*, VaHole> c() const { return {"%s", VaHole{text}}; }
    void finish() {}
};

// Runs body(context, args) with a va_list of the arguments after `context`.
TARVELIN_EXPORT void with_va_list(void (*body)(void* context, va_list args), void* context, ...);

template <class Tuple, std::size_t... I>
constexpr std::size_t hole_index(std::index_sequence<I...>) {
    std::size_t k = sizeof...(I);
    ((std::is_same_v<std::tuple_element_t<I, Tuple>, VaHole> ? (k = I, 0) : 0), ...);
    return k;
}
template <std::size_t I, std::size_t K, class Tuple, class VA>
decltype(auto) arg_or_va(Tuple& t, VA args) {
    if constexpr (I == K) {
        return args;
    } else {
        return std::get<I>(t);
    }
}

// Calls the slot with the C arguments; a VaHole among them becomes a real va_list.
template <class CR, class Fn, class Tuple>
CR apply_slot(Fn fn, Tuple& cargs) {
    constexpr std::size_t n = std::tuple_size_v<Tuple>;
    constexpr std::size_t k = hole_index<Tuple>(std::make_index_sequence<n>());
    if constexpr (k == n) {
        return std::apply(fn, cargs);
    } else {
        struct Frame {
            Fn fn;
            Tuple* cargs;
            std::conditional_t<std::is_void_v<CR>, int, CR> result{};
        } frame{fn, &cargs};
        void (*body)(void*, va_list) = [](void* f, va_list args) {
            auto& fr = *static_cast<Frame*>(f);
            auto run = [&]<std::size_t... I>(std::index_sequence<I...>) {
                return fr.fn(arg_or_va<I, k>(*fr.cargs, args)...);
            };
            if constexpr (std::is_void_v<CR>) {
                run(std::make_index_sequence<n>());
            } else {
                fr.result = run(std::make_index_sequence<n>());
            }
        };
        with_va_list(body, &frame, std::get<k>(cargs).text);
        if constexpr (!std::is_void_v<CR>) return frame.result;
    }
}

template <class CP, std::size_t J, class... A>
struct CallPack;
template <class CP, std::size_t J>
struct CallPack<CP, J> {
    static constexpr std::size_t next = J;
    std::tuple<> holders;
    CallPack() = default;
    auto c() { return std::tuple<>(); }
    void finish() {}
};
template <class CP, std::size_t J, class A0, class... A>
struct CallPack<CP, J, A0, A...> {
    using Head = CallArg<A0, CP, J>;
    using Tail = CallPack<CP, J + Head::width, A...>;
    static constexpr std::size_t next = Tail::next;
    Head head;
    Tail tail;
    CallPack(std::remove_reference_t<A0>& a0, std::remove_reference_t<A>&... a) : head(a0), tail(a...) {}
    auto c() { return std::tuple_cat(head.c(), tail.c()); }
    void finish() {
        head.finish();
        tail.finish();
    }
};

template <class P>
struct is_nullable : std::false_type {};

// The C++ form of a slot's C result.
template <class CR, class Policy>
struct CallResult {
    static auto from(CR r) {
        using P = std::remove_pointer_t<CR>;
        if constexpr (std::is_same_v<CR, gchar*> && is_nullable<Policy>::value) {
            return take_optional(r);
        } else if constexpr (std::is_same_v<CR, gchar*>) {
            return take_string(r);
        } else if constexpr (std::is_same_v<CR, GDateTime*>) {
            if constexpr (std::is_same_v<Policy, borrow>) {
                return DateTime(r ? g_date_time_ref(r) : nullptr);
            } else {
                return DateTime(r);
            }
        } else if constexpr (std::is_pointer_v<CR> && !std::is_void_v<cpp_of_t<P>>) {
            using T = cpp_of_t<P>;
            if constexpr (std::is_same_v<Policy, borrow>) {
                return Ref<T>::retain((gpointer)r);
            } else {
                return Ref<T>::adopt((gpointer)r);
            }
        } else {
            return r;
        }
    }
};

// Arrays with their length: (X** or guint8*, gint length) -> vector.
template <class CR, class Policy>
auto array_from(CR r, gint length) {
    using E = std::remove_pointer_t<CR>;
    length = r ? length : 0;
    if constexpr (std::is_same_v<E, guint8>) {
        std::vector<guint8> out(r, r + (length > 0 ? length : 0));
        g_free(r);
        return out;
    } else if constexpr (std::is_same_v<E, gchar*>) {
        std::vector<std::string> out;
        for (gint i = 0; i < length; ++i) out.emplace_back(r[i] ? r[i] : "");
        g_strfreev(r);
        return out;
    } else {
        using P = std::remove_pointer_t<E>;
        using T = cpp_of_t<P>;
        using Item = std::conditional_t<std::is_void_v<T>, GPtr<P>, Ref<std::conditional_t<std::is_void_v<T>, Object, T>>>;
        std::vector<Item> out;
        for (gint i = 0; i < length; ++i) {
            if constexpr (std::is_same_v<Policy, borrow>) {
                out.push_back(Item::retain(r[i]));
            } else {
                out.push_back(Item::adopt(r[i]));
            }
        }
        g_free(r);
        return out;
    }
}

TARVELIN_EXPORT void call_without_interface(GType iface, gpointer instance) noexcept;

// The C++ result type of a slot returning CR.
template <class CR, class Policy, bool kLength>
auto result_probe() {
    if constexpr (std::is_void_v<CR>) {
        return;
    } else if constexpr (kLength) {
        return array_from<CR, Policy>(CR(), 0);
    } else {
        return CallResult<CR, Policy>::from(CR());
    }
}

// True when the slot's parameter at J is the `gint* length` of an array result.
template <class CP, std::size_t J>
constexpr bool is_length_at() {
    if constexpr (J < std::tuple_size_v<CP>) {
        return std::is_same_v<std::tuple_element_t<J, CP>, gint*>;
    } else {
        return false;
    }
}

}  // namespace detail

// A policy of call: a new text result comes back as std::optional<std::string>, so a
// NULL text (or an empty slot) is told from "".
struct nullable {};
template <>
struct detail::is_nullable<nullable> : std::true_type {};

template <auto Slot, class Policy = full, class Instance, class... A>
auto call(const Instance& instance, A&&... args) {
    using S = detail::slot_type<decltype(Slot)>;
    using CP = typename S::args;
    using CR = typename S::result;
    using V = typename S::vtable;
    constexpr std::size_t n = std::tuple_size_v<CP>;
    constexpr bool kError = detail::is_gerror_out<std::tuple_element_t<n - 1, CP>>;
    using Pack = detail::CallPack<CP, 1, A...>;
    constexpr std::size_t kRest = n - Pack::next - (kError ? 1 : 0);
    static_assert(kRest == 0 || (kRest == 1 && std::is_pointer_v<CR> && detail::is_length_at<CP, Pack::next>()),
                  "the arguments do not match the slot's parameters");
    constexpr bool kLength = kRest == 1;
    using Result = decltype(detail::result_probe<CR, Policy, kLength>());

    gpointer self = detail::instance_arg(instance);
    V* vt = detail::vtable_of<V>(self);
    if (!vt) detail::call_without_interface(cpp_of_t<V>::gtype(), self);
    if (!vt || !(vt->*Slot)) {
        if constexpr (!std::is_void_v<Result>) {
            if constexpr (kLength) {
                return Result();
            } else if constexpr (detail::is_empty_value<Policy>::value) {
                return detail::CallResult<CR, Policy>::from(detail::failed_result<CR, Policy>());
            } else {
                return detail::CallResult<CR, Policy>::from(detail::empty_result<CR>());
            }
        } else {
            return;
        }
    }
    using First = std::tuple_element_t<0, CP>;
    Pack pack(args...);
    GError* error = nullptr;
    gint length = 0;
    auto tail = [&] {
        if constexpr (kLength && kError) {
            return std::tuple<gint*, GError**>(&length, &error);
        } else if constexpr (kLength) {
            return std::tuple<gint*>(&length);
        } else if constexpr (kError) {
            return std::tuple<GError**>(&error);
        } else {
            return std::tuple<>();
        }
    }();
    auto cargs = std::tuple_cat(std::tuple<First>((First)self), pack.c(), tail);
    if constexpr (std::is_void_v<CR>) {
        detail::apply_slot<CR>(vt->*Slot, cargs);
        pack.finish();
        if constexpr (kError) check(error);
    } else {
        CR r = detail::apply_slot<CR>(vt->*Slot, cargs);
        pack.finish();
        if constexpr (kLength) {
            auto out = detail::array_from<CR, Policy>(r, length);
            if constexpr (kError) check(error);
            return out;
        } else {
            auto out = detail::CallResult<CR, Policy>::from(r);
            if constexpr (kError) check(error);
            return out;
        }
    }
}

}  // namespace tarvelin::gobj
