#include "rezezadovu/supports/log/handler_base.hpp"

TARVELIN_LOG_TAG("handler_base")

namespace tarvelin::rezezadovu::supports::log {

TarvelinRezezadovuContractsLogIFormatter* HandlerBase::get_formatter() const {
    return static_cast<TarvelinRezezadovuContractsLogIFormatter*>(formatter_.instance());
}

void HandlerBase::set_formatter(gobj::Ref<contracts::log::IFormatter> value) {
    if (value.instance() == formatter_.instance()) return;
    formatter_ = std::move(value);
    notify("formatter");
}

void HandlerBase::set_threshold(LogLevel value) {
    if (gobj::assign(threshold_, value)) notify("threshold");
}

void HandlerBase::default_formatter(gobj::Ref<contracts::log::IFormatter> made) {
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
    if (!contracts::log::level_passes(level, threshold_)) return std::nullopt;
    if (!formatter_) {
        // No template to expand: keep the record's own text rather than lose it.
        return expand(format, args) + "\n";
    }
    gchar* line_template =
        tarvelin_rezezadovu_contracts_log_iformatter_format(get_formatter(), level, server, name, format);
    if (!line_template) return std::nullopt;
    std::string line = expand(line_template, args);
    g_free(line_template);
    return line;
}

}  // namespace tarvelin::rezezadovu::supports::log
