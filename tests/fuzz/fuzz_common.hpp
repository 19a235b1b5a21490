// What every fuzz target shares. Included once per target.
#pragma once

#include <glib.h>

// The libraries link the shared sanitizer runtime, which a libFuzzer executable does not
// load first; that order is harmless here.
extern "C" __attribute__((visibility("default"))) const char* __asan_default_options() {
    return "verify_asan_link_order=0";
}

namespace fuzz {

// Silences the log: libFuzzer would print millions of warnings.
inline void quiet() {
    static const bool done = [] {
        g_log_set_default_handler([](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
        g_log_set_writer_func([](GLogLevelFlags, const GLogField*, gsize, gpointer) { return G_LOG_WRITER_HANDLED; },
                              nullptr, nullptr);
        return true;
    }();
    (void)done;
}

}  // namespace fuzz
