// Helpers of the driver tests (SQL Server and Redis).
#pragma once

#include <glib.h>
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "gobj/error.hpp"

namespace tarvelin::test {

// The error `f` raises; a test failure when it raises none.
inline gobj::Error error_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const gobj::Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error was raised";
    return gobj::Error("none", 0, "");
}

// "<domain> <code> <message>" of a C error, which it frees; "(none)" without one.
inline std::string describe(GError* e) {
    if (!e) return "(none)";
    std::string r = std::string(g_quark_to_string(e->domain)) + " " + std::to_string(e->code) + " " + e->message;
    g_error_free(e);
    return r;
}

// Records the GLib log lines of the default domain (the drivers log without one) while
// it lives, instead of printing them, so tests can check what was logged.
class LogCapture {
public:
    struct Record {
        GLogLevelFlags level;
        std::string message;
    };

    LogCapture() {
        id_ = g_log_set_handler(nullptr, GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
                                &LogCapture::handler, this);
    }
    ~LogCapture() { g_log_remove_handler(nullptr, id_); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Lines of that level holding `fragment`.
    int count(GLogLevelFlags level, const std::string& fragment) const {
        std::lock_guard lock(mutex_);
        int n = 0;
        for (const Record& r : records_)
            if ((r.level & level) && r.message.find(fragment) != std::string::npos) ++n;
        return n;
    }
    bool contains(GLogLevelFlags level, const std::string& fragment) const { return count(level, fragment) > 0; }
    void clear() {
        std::lock_guard lock(mutex_);
        records_.clear();
    }

private:
    static void handler(const gchar*, GLogLevelFlags level, const gchar* message, gpointer self) {
        auto* c = static_cast<LogCapture*>(self);
        std::lock_guard lock(c->mutex_);
        c->records_.push_back({GLogLevelFlags(level & G_LOG_LEVEL_MASK), message ? message : ""});
    }

    guint id_ = 0;
    mutable std::mutex mutex_;
    std::vector<Record> records_;
};

}  // namespace tarvelin::test
