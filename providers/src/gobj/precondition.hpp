// Preconditions: the one helper for a failed check whose logged condition text differs
// from the C++ expression (g_return_val_if_fail prints the expression itself). Write
// the condition as the C face states it ("self != NULL", never nullptr).
#pragma once

#include <gio/gio.h>

#include <string>

namespace tarvelin::gobj {
// Logs "<function>: assertion '<condition>' failed" as a critical, like g_return_if_fail.
inline void precondition_failed(const char* function, const char* condition) noexcept {
    g_return_if_fail_warning(nullptr, function, condition);
}

// The same, for a function with an error out-parameter: the error is set too
// (G_IO_ERROR_INVALID_ARGUMENT with the critical's text), so that its failure result
// always comes with its error.
inline void precondition_failed(const char* function, const char* condition, GError** error) noexcept {
    precondition_failed(function, condition);
    g_set_error(error, G_IO_ERROR, G_IO_ERROR_INVALID_ARGUMENT, "%s: assertion '%s' failed", function, condition);
}

// True when `instance` is an instance of `type` (or implements it); otherwise logs
// "G_TYPE_CHECK_INSTANCE_TYPE (<name>, <type>)" as above, sets the error, and gives false.
inline bool instance_or_error(gpointer instance, GType type, const char* name, const char* function,
                              GError** error) noexcept {
    if (G_LIKELY(G_TYPE_CHECK_INSTANCE_TYPE(instance, type))) return true;
    std::string condition = std::string("G_TYPE_CHECK_INSTANCE_TYPE (") + name + ", " + g_type_name(type) + ")";
    precondition_failed(function, condition.c_str(), error);
    return false;
}
}  // namespace tarvelin::gobj

// True when `ok`; otherwise logs the failed precondition `text` and gives false:
//   if (!TARVELIN_REQUIRE(key != nullptr, "key != NULL")) return nullptr;
#define TARVELIN_REQUIRE(ok, text) \
    (G_LIKELY(ok) ? true : (::tarvelin::gobj::precondition_failed(G_STRFUNC, (text)), false))

// TARVELIN_REQUIRE for a function with an error out-parameter, which a failed check sets:
//   if (!TARVELIN_REQUIRE_OR_ERROR(model != nullptr, "model != NULL", error)) return -1;
#define TARVELIN_REQUIRE_OR_ERROR(ok, text, error) \
    (G_LIKELY(ok) ? true : (::tarvelin::gobj::precondition_failed(G_STRFUNC, (text), (error)), false))

// True when the argument is an instance of `type`; otherwise the critical naming the
// argument and the error, and false:
//   if (!TARVELIN_INSTANCE_OR_ERROR(self, IExporter::gtype(), error)) return -1;
#define TARVELIN_INSTANCE_OR_ERROR(arg, type, error) \
    ::tarvelin::gobj::instance_or_error((gpointer)(arg), (type), #arg, G_STRFUNC, (error))

// True when every named pointer argument is given; otherwise logs "<name> != NULL" for
// the first missing one, in the order written, and gives false. The parameter's own
// name is the condition text, so an override names its own parameters:
//   if (!TARVELIN_GIVEN(database, user_schema)) return {};
#define TARVELIN_GIVEN(...) (TARVELIN_GIVEN_EXPAND_(TARVELIN_GIVEN_EACH_(__VA_ARGS__)))
#define TARVELIN_GIVEN_ONE_(x) TARVELIN_REQUIRE((x) != nullptr, #x " != NULL")
#define TARVELIN_GIVEN_EACH_(a, ...) TARVELIN_GIVEN_ONE_(a) __VA_OPT__(&& TARVELIN_GIVEN_AGAIN_ TARVELIN_GIVEN_PARENS_(__VA_ARGS__))
#define TARVELIN_GIVEN_AGAIN_() TARVELIN_GIVEN_EACH_
#define TARVELIN_GIVEN_PARENS_ ()
#define TARVELIN_GIVEN_EXPAND_(...) TARVELIN_GIVEN_EXPAND3_(TARVELIN_GIVEN_EXPAND3_(TARVELIN_GIVEN_EXPAND3_(__VA_ARGS__)))
#define TARVELIN_GIVEN_EXPAND3_(...) TARVELIN_GIVEN_EXPAND2_(TARVELIN_GIVEN_EXPAND2_(TARVELIN_GIVEN_EXPAND2_(__VA_ARGS__)))
#define TARVELIN_GIVEN_EXPAND2_(...) TARVELIN_GIVEN_EXPAND1_(TARVELIN_GIVEN_EXPAND1_(TARVELIN_GIVEN_EXPAND1_(__VA_ARGS__)))
#define TARVELIN_GIVEN_EXPAND1_(...) __VA_ARGS__
