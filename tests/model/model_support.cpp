#include "model_support.hpp"

#include <mutex>

namespace model_test {

namespace {
LogCapture* current = nullptr;
}

GLogWriterOutput LogCapture::writer(GLogLevelFlags level, const GLogField* fields, gsize n, gpointer) {
    if (current && (level & current->level_)) {
        for (gsize i = 0; i < n; ++i) {
            if (g_strcmp0(fields[i].key, "MESSAGE") == 0) {
                current->messages_.emplace_back(static_cast<const char*>(fields[i].value));
            }
        }
        return G_LOG_WRITER_HANDLED;
    }
    return g_log_writer_default(level, fields, n, nullptr);
}

LogCapture::LogCapture(GLogLevelFlags level) : level_(level) {
    static std::once_flag once;
    std::call_once(once, [] { g_log_set_writer_func(&LogCapture::writer, nullptr, nullptr); });
    current = this;
}

LogCapture::~LogCapture() { current = nullptr; }

}  // namespace model_test
