#include "support/log_capture.hpp"

#include <algorithm>
#include <mutex>

namespace tarvelin::test {

namespace {
std::mutex sinks_mutex;
std::vector<LogSink*>& sinks() {
    static auto* s = new std::vector<LogSink*>();  // outlives every static destructor
    return *s;
}

GLogWriterOutput writer(GLogLevelFlags level, const GLogField* fields, gsize n, gpointer) {
    const char* message = "";
    for (gsize i = 0; i < n; ++i) {
        if (g_strcmp0(fields[i].key, "MESSAGE") == 0 && fields[i].value) message = static_cast<const char*>(fields[i].value);
    }
    bool handled = false;
    {
        std::lock_guard lock(sinks_mutex);
        for (LogSink* s : sinks()) handled = s->take(GLogLevelFlags(level & G_LOG_LEVEL_MASK), message) || handled;
    }
    return handled ? G_LOG_WRITER_HANDLED : g_log_writer_default(level, fields, n, nullptr);
}
}  // namespace

LogSink::LogSink() {
    static std::once_flag once;
    std::call_once(once, [] { g_log_set_writer_func(&writer, nullptr, nullptr); });
    std::lock_guard lock(sinks_mutex);
    sinks().push_back(this);
}

LogSink::~LogSink() {
    std::lock_guard lock(sinks_mutex);
    auto& s = sinks();
    s.erase(std::remove(s.begin(), s.end(), this), s.end());
}

}  // namespace tarvelin::test
