// Interface slots: the C thunk that fills a slot from a C++ override.
#pragma once

#include <tuple>
#include <utility>

#include "providers/gobj/barrier.hpp"
#include "providers/gobj/convert.hpp"

namespace tarvelin::gobj {

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
            detail::report_exception(g_type_name(T::gtype()));
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


}  // namespace tarvelin::gobj
