// Pins the process's local zone before any test runs, whatever the caller's TZ.
#include <glib.h>

namespace {
[[maybe_unused]] const bool zone_pinned = g_setenv("TZ", VALUES_TEST_ZONE, TRUE);
}  // namespace
