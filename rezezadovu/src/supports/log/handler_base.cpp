#include "rezezadovu/supports/log/handler_base.hpp"

TARVELIN_LOG_TAG("handler_base")

namespace tarvelin::rezezadovu::supports::log {

TarvelinRezezadovuContractsLogIFormatter* HandlerBase::get_formatter() const {
    std::lock_guard guard(lock_);
    return static_cast<TarvelinRezezadovuContractsLogIFormatter*>(formatter_.instance());
}

void HandlerBase::set_formatter(gobj::Ref<contracts::log::IFormatter> value) {
    {
        std::lock_guard guard(lock_);
        if (value.instance() == formatter_.instance()) return;
        // `value` leaves with the previous formatter, released after the lock.
        std::swap(formatter_, value);
    }
    notify("formatter");
}

LogLevel HandlerBase::get_threshold() const {
    std::lock_guard guard(lock_);
    return threshold_;
}

void HandlerBase::set_threshold(LogLevel value) {
    bool changed;
    {
        std::lock_guard guard(lock_);
        changed = gobj::assign(threshold_, value);
    }
    if (changed) notify("threshold");
}

void HandlerBase::default_formatter(gobj::Ref<contracts::log::IFormatter> made) {
    std::lock_guard guard(lock_);
    if (!formatter_) formatter_ = std::move(made);
}

void HandlerBase::report_close_error(GError* error, const char* tag) {
    gobj::Error e(error);
    if (e.domain() == G_IO_ERROR) {
        g_warning("%s: Error in FileHandler.close: %s\n", tag, e.message().c_str());
    } else {
        TARVELIN_UNEXPECTED(e);
    }
}

bool HandlerBase::record_ok(const char* server, const char* name, const char* format) {
    g_return_val_if_fail(server != NULL, false);
    g_return_val_if_fail(name != NULL, false);
    g_return_val_if_fail(format != NULL, false);
    return true;
}

std::string HandlerBase::expand(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    std::string text = gobj::take_string(g_strdup_vprintf(format, copy));
    va_end(copy);
    return text;
}

std::optional<std::string> HandlerBase::make_line(LogLevel level, const char* server, const char* name,
                                                  const char* format, va_list args) const {
    gobj::Ref<contracts::log::IFormatter> formatter;
    {
        std::lock_guard guard(lock_);
        if (!contracts::log::level_passes(level, threshold_)) return std::nullopt;
        formatter = formatter_;
    }
    if (!formatter) {
        // No template to expand: keep the record's own text rather than lose it.
        return expand(format, args) + "\n";
    }
    gchar* line_template = tarvelin_rezezadovu_contracts_log_iformatter_format(
        static_cast<TarvelinRezezadovuContractsLogIFormatter*>(formatter.instance()), level, server, name, format);
    if (!line_template) return std::nullopt;
    std::string line = expand(line_template, args);
    g_free(line_template);
    return line;
}

}  // namespace tarvelin::rezezadovu::supports::log
