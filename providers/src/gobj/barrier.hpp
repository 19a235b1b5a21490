// Exception barriers: every callback GLib calls and every C function runs behind one.
// `where` is the caller's function (G_STRFUNC), named in the critical message.
//
//   gobj::guarded(G_STRFUNC, [&] { ... }, fallback);       // log any exception
//   gobj::capi(G_STRFUNC, error, [&] { ... }, fallback);   // Error -> *error; any other
//                                                         // exception: critical + G_IO_ERROR_FAILED
#pragma once

#include <gio/gio.h>

#include <type_traits>

#include "providers/gobj/error.hpp"
#include "providers/gobj/log.hpp"

namespace tarvelin::gobj {

namespace detail {
// Inside a catch: logs the exception in flight as critical, naming `where`; when
// `error` is given, a non-Error exception also sets it (G_IO_ERROR_FAILED, its text).
TARVELIN_EXPORT void report_exception(const char* where, GError** error = nullptr) noexcept;
}  // namespace detail

// Runs f; any exception is logged as critical and `fallback` returned.
template <class F, class R = std::invoke_result_t<F>>
    requires(!std::is_void_v<R>)
R guarded(const char* where, F&& f, R fallback = R()) noexcept {
    try {
        return f();
    } catch (...) {
        detail::report_exception(where);
    }
    return fallback;
}
template <class F>
    requires std::is_void_v<std::invoke_result_t<F>>
void guarded(const char* where, F&& f) noexcept {
    try {
        f();
    } catch (...) {
        detail::report_exception(where);
    }
}

// The C skin of an operation with a GError** parameter: an Error goes to `error`; any
// other exception is logged and sets `error` too, so an empty result always comes with
// its error.
template <class F, class R = std::invoke_result_t<F>>
    requires(!std::is_void_v<R>)
R capi(const char* where, GError** error, F&& f, R fallback = R()) noexcept {
    try {
        return f();
    } catch (const Error& e) {
        e.propagate(error);
    } catch (...) {
        detail::report_exception(where, error);
    }
    return fallback;
}
template <class F>
    requires std::is_void_v<std::invoke_result_t<F>>
void capi(const char* where, GError** error, F&& f) noexcept {
    try {
        f();
    } catch (const Error& e) {
        e.propagate(error);
    } catch (...) {
        detail::report_exception(where, error);
    }
}

}  // namespace tarvelin::gobj
