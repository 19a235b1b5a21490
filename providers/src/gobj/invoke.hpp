// The C face: the one way to write the body of an exported function.
//
//   const gchar* tarvelin_..._meta_column_get_alias(TarvelinRezezadovuMetaModelMetaColumn* self) {
//       g_return_val_if_fail(self != NULL, NULL);
//       return gobj::invoke<&MetaColumn::get_alias>(G_STRFUNC, self);
//   }
//   TarvelinProvidersContractsTableModel* tarvelin_..._execute_model(..., const gchar* sql, GError** error) {
//       g_return_val_if_fail(self != NULL, NULL);
//       g_return_val_if_fail(sql != NULL, NULL);
//       return gobj::invoke<&SQLiteProvider::execute_model>(G_STRFUNC, self, sql, error);
//   }
//   gint64 ..._execute_affect(...) { ...; return gobj::invoke<&P::execute_affect>(G_STRFUNC, self, sql, error).value_or(-1); }
//   gint tarvelin_..._iinteger_to_integer(TarvelinProvidersContractsIInteger* self) {
//       g_return_val_if_fail(self != NULL, 0);
//       return gobj::dispatch<&TarvelinProvidersContractsIIntegerInterface::to_integer>(G_STRFUNC, self);
//   }
//
// invoke checks that `self` is an instance of the class (the class bound to the C type
// with TARVELIN_BIND_C_TYPE, else the member's class), logging a critical in the style
// of g_return_val_if_fail otherwise; converts the C arguments (args.hpp); calls the member
// (or, for a static member or free function, calls it with every argument) behind the
// exception barrier; and converts the result for C (transfer full by default, `borrow`
// as the second template argument for borrowed results). A trailing GError** receives
// an Error, and any other exception as G_IO_ERROR_FAILED; without one, exceptions are
// logged as critical. On failure the result is the empty value of the C type (0, NULL,
// FALSE), or the one given to value_or.
//
// dispatch is the exported dispatcher of an interface operation: it checks that `self`
// implements the interface, then calls the slot of its interface structure; an empty
// slot gives the empty result (-1 for signed integers wider or narrower than int and for
// floating results, otherwise 0, NULL or FALSE; a further template argument overrides it).
#pragma once

#include <string>

#include "providers/gobj/args.hpp"
#include "providers/gobj/barrier.hpp"

namespace tarvelin::gobj {

namespace detail {

// Logs "<where>: assertion 'G_TYPE_CHECK_INSTANCE_TYPE (self, <type name>)' failed".
TARVELIN_EXPORT void instance_type_failed(const char* where, GType expected) noexcept;

inline bool instance_is(gpointer self, GType type, const char* where) noexcept {
    if (G_LIKELY(G_TYPE_CHECK_INSTANCE_TYPE(self, type))) return true;
    instance_type_failed(where, type);
    return false;
}

// The C++ result of a call, converted to the C return type where the caller returns it.
template <class R, class Policy>
class Outcome {
public:
    using Stored = std::conditional_t<std::is_reference_v<R>, std::remove_reference_t<R>*, R>;

    void set(R&& r) {
        if constexpr (std::is_reference_v<R>) {
            value_ = &r;
        } else {
            value_.emplace(std::forward<R>(r));
        }
    }
    gint* length = nullptr;
    bool has_value() const noexcept { return value_.has_value(); }

    template <class CR>
    operator CR() && {
        if (!value_) {
            if (length) *length = 0;
            return CR();
        }
        if constexpr (std::is_reference_v<R>) {
            return result_to_c<CR, Policy, R>(**value_, length);
        } else {
            return result_to_c<CR, Policy>(std::move(*value_), length);
        }
    }
    // The C result, or `fallback` when the call failed.
    template <class CR>
    CR value_or(CR fallback) && {
        if (!value_) return fallback;
        return std::move(*this).operator CR();
    }

private:
    std::optional<Stored> value_;
};

template <class Tuple>
auto tail(Tuple& t) {
    return std::apply([](auto&, auto&... rest) { return std::tuple<decltype(rest)...>(rest...); }, t);
}

template <class T>
inline constexpr bool is_bridged_class = std::is_base_of_v<Object, T> || std::is_base_of_v<Fundamental, T>;

// The class whose instance `self` must be: the one bound to self's C type, else the
// member's own class. void for free functions.
template <class F, class... CA>
struct SelfClass {
    using type = void;
};
template <class F, class CSelf, class... CA>
    requires(!std::is_void_v<typename F::klass>)
struct SelfClass<F, CSelf, CA...> {
    using Bound = cpp_of_t<std::remove_pointer_t<CSelf>>;
    using type = std::conditional_t<std::is_void_v<Bound>, typename F::klass, Bound>;
    static_assert(is_bridged_class<type>,
                  "an interface operation's exported function is a gobj::dispatch, not an invoke");
    static_assert(std::is_base_of_v<typename F::klass, type>);
};

}  // namespace detail

template <auto M, class Policy = full, class... CA>
auto invoke(const char* where, CA... c) {
    using F = detail::callable<decltype(M)>;
    using R = typename F::result;
    constexpr bool kMember = !std::is_void_v<typename F::klass>;
    constexpr bool kError = detail::ends_with_gerror<CA...>();
    constexpr bool kLength = detail::has_length<R>;

    std::tuple<CA...> all(c...);
    auto rest = [&] {
        if constexpr (kMember) {
            return detail::tail(all);
        } else {
            return all;
        }
    }();
    using CT = decltype(rest);
    using Pack = detail::ArgPackOf<typename F::args, CT>;
    static_assert(Pack::kWidth + (kLength ? 1 : 0) + (kError ? 1 : 0) == std::tuple_size_v<CT>,
                  "the C arguments do not match the member's parameters");

    [[maybe_unused]] GError** error = nullptr;
    if constexpr (kError) error = std::get<sizeof...(CA) - 1>(all);
    detail::Outcome<std::conditional_t<std::is_void_v<R>, int, R>, Policy> out;
    if constexpr (kLength) {
        out.length = std::get<Pack::kWidth>(rest);
        if (out.length) *out.length = 0;
    }

    using Cls = typename detail::SelfClass<F, CA...>::type;
    if constexpr (kMember) {
        if (!detail::instance_is((gpointer)std::get<0>(all), Cls::gtype(), where)) {
            if constexpr (std::is_void_v<R>) {
                return;
            } else {
                return out;
            }
        }
    }
    try {
        auto args = Pack::make(rest);
        auto call = [&](auto&&... a) -> R {
            if constexpr (kMember) {
                auto* object = static_cast<typename F::klass*>(cast<Cls>((gpointer)std::get<0>(all)));
                return (object->*M)(std::forward<decltype(a)>(a)...);
            } else {
                return M(std::forward<decltype(a)>(a)...);
            }
        };
        if constexpr (std::is_void_v<R>) {
            Pack::apply(args, call);
        } else {
            out.set(Pack::apply(args, call));
        }
        Pack::finish(args);
    } catch (const Error& e) {
        if constexpr (kError) {
            e.propagate(error);
        } else {
            detail::report_exception(where);
        }
    } catch (...) {
        detail::report_exception(where, error);
    }
    if constexpr (!std::is_void_v<R>) return out;
}

// ---------------------------------------------------------------- interface dispatchers

namespace detail {

template <class S>
struct slot_type;
template <class V, class R, class... A>
struct slot_type<R (*V::*)(A...)> {
    using vtable = V;
    using result = R;
    using args = std::tuple<A...>;
};

template <class CR>
constexpr CR empty_result() {
    if constexpr (std::is_floating_point_v<CR>) {
        return CR(-1);
    } else if constexpr (std::is_integral_v<CR> && std::is_signed_v<CR> && !std::is_same_v<CR, int>) {
        return CR(-1);
    } else {
        return CR();
    }
}

// The interface structure of `instance` for the interface bound to V, or nullptr.
template <class V>
V* vtable_of(gpointer instance) noexcept {
    using I = cpp_of_t<V>;
    static_assert(!std::is_void_v<I>, "bind the interface structure to its C++ class with TARVELIN_BIND_C_TYPE");
    if (!instance || !G_TYPE_CHECK_INSTANCE_TYPE(instance, I::gtype())) return nullptr;
    return static_cast<V*>(g_type_interface_peek(G_TYPE_INSTANCE_GET_CLASS(instance, GTypeInstance, GTypeClass),
                                                 I::gtype()));
}

}  // namespace detail

template <auto Slot, auto... Empty, class CSelf, class... CA>
auto dispatch(const char* where, CSelf* self, CA... args) {
    using S = detail::slot_type<decltype(Slot)>;
    using CR = typename S::result;
    using First = std::tuple_element_t<0, typename S::args>;
    using I = cpp_of_t<typename S::vtable>;
    constexpr auto empty = [] {
        if constexpr (sizeof...(Empty) > 0) {
            return CR(Empty...);
        } else if constexpr (!std::is_void_v<CR>) {
            return detail::empty_result<CR>();
        }
    };
    if (!detail::instance_is((gpointer)self, I::gtype(), where)) {
        if constexpr (std::is_void_v<CR>) {
            return;
        } else {
            return empty();
        }
    }
    auto* vt = detail::vtable_of<typename S::vtable>((gpointer)self);
    if (!vt || !(vt->*Slot)) {
        if constexpr (std::is_void_v<CR>) {
            return;
        } else {
            return empty();
        }
    }
    return (vt->*Slot)((First)self, args...);
}

}  // namespace tarvelin::gobj

// get_type, construct and new of a class made by `Cls::create(GType)`; a capi file that
// uses it names the three functions in its header comment.
#define TARVELIN_CLASS_CAPI(Cls, CType, prefix)                                                   \
    GType prefix##_get_type(void) { return Cls::gtype(); }                                       \
    CType* prefix##_construct(GType object_type) {                                                \
        return ::tarvelin::gobj::invoke<static_cast<::tarvelin::gobj::Ref<Cls> (*)(GType)>(&Cls::create)>( \
            G_STRFUNC, object_type);                                                              \
    }                                                                                             \
    CType* prefix##_new(void) { return prefix##_construct(Cls::gtype()); }

