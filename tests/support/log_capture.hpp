// The one GLib log writer of a test process. Messages from g_log and from structured
// logging (g_critical, g_warning under G_LOG_USE_STRUCTURED) both reach it; each live
// LogSink sees them and says whether it kept them from the console.
#pragma once

#include <glib.h>

#include <vector>

namespace tarvelin::test {

class LogSink {
public:
    LogSink();
    virtual ~LogSink();
    LogSink(const LogSink&) = delete;
    LogSink& operator=(const LogSink&) = delete;
    // Called on whatever thread logged; true when the message is handled.
    virtual bool take(GLogLevelFlags level, const char* message) = 0;
};

}  // namespace tarvelin::test
