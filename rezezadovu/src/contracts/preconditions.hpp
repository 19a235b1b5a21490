// Preconditions whose logged condition text differs from the C++ expression
// (g_return_if_fail would print the expression itself).
#pragma once

#include <glib.h>

// True when `ok`; otherwise logs "assertion '<text>' failed" as a critical, like
// g_return_if_fail, and gives false.
#define TARVELIN_REQUIRE(ok, text) \
    (G_LIKELY(ok) ? true : (g_return_if_fail_warning(G_LOG_DOMAIN, G_STRFUNC, (text)), false))
