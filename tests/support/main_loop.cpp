#include "support/main_loop.hpp"

#include <glib.h>

namespace tarvelin::test {

namespace {
// Wakes the loop so the deadline is seen even when nothing else happens.
gboolean tick(gpointer) { return G_SOURCE_CONTINUE; }
}  // namespace

bool run_until(const std::function<bool()>& done, int timeout_ms) {
    GMainContext* context = g_main_context_default();
    gint64 deadline = g_get_monotonic_time() + gint64(timeout_ms) * 1000;
    guint ticker = g_timeout_add(10, tick, nullptr);
    bool ok = false;
    while (true) {
        if (done()) {
            ok = true;
            break;
        }
        if (g_get_monotonic_time() >= deadline) break;
        g_main_context_iteration(context, TRUE);
    }
    g_source_remove(ticker);
    return ok;
}

void run_for(int ms) {
    run_until([] { return false; }, ms);
}

}  // namespace tarvelin::test
