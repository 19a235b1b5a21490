// Interface slots: the C function that fills a slot from a C++ override.
//
//   vt->execute_model = gobj::slot<T, &IProvider::execute_model>(vt->execute_model);
//   vt->get_server = gobj::slot<T, &IConnection::get_server, gobj::borrow>(vt->get_server);
//
// The thunk converts the C arguments (args.hpp), calls the member on T's C++ object and
// converts the result (transfer full unless the policy is `borrow`). When the slot's last
// parameter is GError**, an Error thrown by the member goes there and any other
// exception sets G_IO_ERROR_FAILED; otherwise exceptions are logged. On failure the slot
// gives the empty result (0, NULL, FALSE, or the policy empty_value's value). Argument
// checks belong to the exported dispatcher of the operation, so a slot trusts its
// arguments.
//
// An interface's default body (I::defaults), which serves any implementer, ours or a
// host's, is a static function taking the instance first:
//   vt->clone = gobj::slot<&IClonable::clone_object>(vt->clone);
#pragma once

#include <tuple>
#include <utility>

#include "providers/gobj/barrier.hpp"
#include "providers/gobj/invoke.hpp"

namespace tarvelin::gobj {

namespace detail {
// Kept for the property thunks and older callers: the class, result and arguments of a member.
template <class M>
using member_traits = callable<M>;
}  // namespace detail

namespace detail {
// The body of every slot thunk: converts the C arguments to the parameters Params, runs
// `body` with them behind the exception barrier and converts its result R; `where`
// names the type in the log when there is no GError** to take a failure.
template <class R, class Params, class Policy, class CR, class... CA>
struct ThunkRun {
    static constexpr bool kError = ends_with_gerror<CA...>();
    static constexpr bool kLength = has_length<R>;
    using CT = std::tuple<CA...>;
    using Pack = ArgPackOf<Params, CT>;
    static_assert(Pack::kWidth + (kLength ? 1 : 0) + (kError ? 1 : 0) == sizeof...(CA),
                  "slot and member take different arguments");

    template <class Where, class Body>
    static CR run(Where where, Body body, CA... a) {
        CT cargs(a...);
        [[maybe_unused]] GError** error = nullptr;
        if constexpr (kError) error = std::get<sizeof...(CA) - 1>(cargs);
        [[maybe_unused]] gint* length = nullptr;
        if constexpr (kLength) {
            length = std::get<Pack::kWidth>(cargs);
            if (length) *length = 0;
        }
        try {
            auto args = Pack::make(cargs);
            if constexpr (std::is_void_v<R>) {
                Pack::apply(args, body);
                Pack::finish(args);
                if constexpr (!std::is_void_v<CR>) return CR();
            } else if constexpr (std::is_void_v<CR>) {
                Pack::apply(args, body);
                Pack::finish(args);
            } else {
                decltype(auto) r = Pack::apply(args, body);
                Pack::finish(args);
                return result_to_c<CR, Policy, R>(static_cast<R&&>(r), length);
            }
        } catch (const Error& e) {
            if constexpr (kError) {
                e.propagate(error);
            } else {
                report_exception(where());
            }
        } catch (...) {
            report_exception(where(), error);
        }
        if constexpr (!std::is_void_v<CR>) return failed_result<CR, Policy>();
    }
};
}  // namespace detail

template <class T, auto M, class Policy, class Slot>
struct SlotThunk;
template <class T, auto M, class Policy, class CR, class CSelf, class... CA>
struct SlotThunk<T, M, Policy, CR (*)(CSelf*, CA...)> {
    using F = detail::callable<decltype(M)>;
    using Owner = typename F::klass;
    using R = typename F::result;

    static CR call(CSelf* self, CA... a) {
        auto* owner = static_cast<Owner*>(cast<T>(self));
        auto member = [&](auto&&... x) -> R { return (owner->*M)(std::forward<decltype(x)>(x)...); };
        return detail::ThunkRun<R, typename F::args, Policy, CR, CA...>::run(
            [] { return g_type_name(T::gtype()); }, member, a...);
    }
};

template <class T, auto M, class Policy = full, class Slot>
constexpr Slot slot(Slot) noexcept {
    return &SlotThunk<T, M, Policy, Slot>::call;
}

// The slot filled by a static function F(instance, args...): every C argument, the
// instance included, converts to F's parameters.
template <auto F, class Policy, class Slot>
struct DefaultThunk;
template <auto F, class Policy, class CR, class CSelf, class... CA>
struct DefaultThunk<F, Policy, CR (*)(CSelf*, CA...)> {
    using Fn = detail::callable<decltype(F)>;
    using R = typename Fn::result;
    static_assert(std::is_void_v<typename Fn::klass>);

    static CR call(CSelf* self, CA... a) {
        return detail::ThunkRun<R, typename Fn::args, Policy, CR, CSelf*, CA...>::run(
            [self] { return g_type_name(G_TYPE_FROM_INSTANCE(self)); }, F, self, a...);
    }
};

template <auto F, class Policy = full, class Slot>
    requires std::is_void_v<typename detail::callable<decltype(F)>::klass>
constexpr Slot slot(Slot) noexcept {
    return &DefaultThunk<F, Policy, Slot>::call;
}

}  // namespace tarvelin::gobj
