// Preconditions: the one helper for a failed check whose logged condition text differs
// from the C++ expression (g_return_val_if_fail prints the expression itself). Write
// the condition as the C face states it ("self != NULL", never nullptr).
#pragma once

#include <glib.h>

namespace tarvelin::gobj {
// Logs "<function>: assertion '<condition>' failed" as a critical, like g_return_if_fail.
inline void precondition_failed(const char* function, const char* condition) noexcept {
    g_return_if_fail_warning(nullptr, function, condition);
}
}  // namespace tarvelin::gobj

// True when `ok`; otherwise logs the failed precondition `text` and gives false:
//   if (!TARVELIN_REQUIRE(key != nullptr, "key != NULL")) return nullptr;
#define TARVELIN_REQUIRE(ok, text) \
    (G_LIKELY(ok) ? true : (::tarvelin::gobj::precondition_failed(G_STRFUNC, (text)), false))

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
