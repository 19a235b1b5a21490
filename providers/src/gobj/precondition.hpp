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
