#include "rezezadovu/supports/log/handler_base.hpp"

TARVELIN_LOG_TAG("handler_base")

namespace tarvelin::rezezadovu::supports::log {

namespace {
using FormatterVtable = TarvelinRezezadovuContractsLogIFormatterInterface;

// The text as a format that expands to itself.
std::string as_format(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        out += c;
        if (c == '%') out += '%';
    }
    return out;
}

// A template whose conversions are all "%%" (the head and the record's text, made
// literal), expanded: each "%%" is one "%".
std::string expand_literal(const std::string& line_template) {
    std::string out;
    out.reserve(line_template.size());
    for (size_t i = 0; i < line_template.size(); ++i) {
        out += line_template[i];
        if (line_template[i] == '%' && i + 1 < line_template.size() && line_template[i + 1] == '%') ++i;
    }
    return out;
}
}  // namespace

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

std::optional<std::string> HandlerBase::make_line(LogLevel level, const char* server, const char* name,
                                                  const std::string& text) const {
    gobj::Ref<contracts::log::IFormatter> formatter;
    {
        std::lock_guard guard(lock_);
        if (!contracts::log::level_passes(level, threshold_)) return std::nullopt;
        formatter = formatter_;
    }
    // No template to expand: keep the record's own text rather than lose it.
    if (!formatter) return text + "\n";
    // The formatter places the record's text, given as a format of its own, in the line.
    std::string line_template = gobj::call<&FormatterVtable::format>(formatter, level, server, name, as_format(text));
    if (line_template.empty()) return std::nullopt;
    return expand_literal(line_template);
}

}  // namespace tarvelin::rezezadovu::supports::log
