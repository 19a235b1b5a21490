#include "rezezadovu/supports/log/formatter_default.hpp"

#include "rezezadovu/helpers/helper_date_time.hpp"

TARVELIN_LOG_TAG("formatter_default")

namespace tarvelin::rezezadovu::supports::log {

TARVELIN_GTYPE(DefaultFormatter, "TarvelinRezezadovuSupportsLogDefaultFormatter", gobj::Object,
               contracts::log::IFormatter)
TARVELIN_GTYPE(SimpleFormatter, "TarvelinRezezadovuSupportsLogSimpleFormatter", DefaultFormatter)
TARVELIN_GTYPE(ColorFormatter, "TarvelinRezezadovuSupportsLogColorFormatter", DefaultFormatter)

using helpers::DateTimeHelper;

namespace {
long long now_ms() { return static_cast<long long>(DateTimeHelper::milliseconds()); }

std::string now_as(const char* pattern) { return DateTimeHelper::datetime_as_string(pattern).value_or(""); }
}  // namespace

std::string DefaultFormatter::line_template(const std::string& head, const char* format) {
    // The handler expands the whole template, so a "%" in a server or logger name must
    // come out as it is rather than be read as a conversion.
    std::string out;
    out.reserve(head.size() + 32);
    for (char c : head) {
        out += c;
        if (c == '%') out += '%';
    }
    out += format;
    out += '\n';
    return out;
}

gobj::Ref<DefaultFormatter> DefaultFormatter::create(GType type) { return gobj::create<DefaultFormatter>(type); }

std::string DefaultFormatter::get_level_name(LogLevel level, const char*, const char*) {
    switch (level) {
        case contracts::log::kRisky: return "RISKY";
        case contracts::log::kPlain: return "PLAIN";
        case contracts::log::kDebug: return "DEBUG";
        default: return contracts::log::log_level_to_number(level);
    }
}

std::string DefaultFormatter::format(LogLevel level, const char* server, const char* name, const char* format) {
    std::string date = now_as("%Y%m%d %H:%M:%S");
    std::string level_name = get_level_name(level, server, name);
    std::string head = gobj::take_string(
        g_strdup_printf("%s.%03lli [%s][%s][%s] ", date.c_str(), now_ms(), server, name, level_name.c_str()));
    return line_template(head, format);
}

gobj::Ref<SimpleFormatter> SimpleFormatter::create(GType type) { return gobj::create<SimpleFormatter>(type); }

std::string SimpleFormatter::format(LogLevel, const char*, const char*, const char* format) {
    std::string time = now_as("%H:%M:%S");
    return line_template(gobj::take_string(g_strdup_printf("%s.%03lli ", time.c_str(), now_ms())), format);
}

gobj::Ref<ColorFormatter> ColorFormatter::create(GType type) { return gobj::create<ColorFormatter>(type); }

std::string ColorFormatter::get_level_name(LogLevel level, const char* server, const char* name) {
    const char* rendition;
    switch (level) {
        case contracts::log::kRisky: rendition = "\033[1;31m"; break;
        case contracts::log::kPlain: rendition = "\033[1;34m"; break;
        case contracts::log::kDebug: rendition = "\033[1;32m"; break;
        default: rendition = "\033[1;37m";
    }
    std::string plain = DefaultFormatter::get_level_name(level, server, name);
    return gobj::take_string(g_strdup_printf("%s%s%s", rendition, plain.c_str(), "\033[00m"));
}

std::string ColorFormatter::format(LogLevel level, const char* server, const char* name, const char* format) {
    std::string time = now_as("%H:%M:%S");
    std::string level_name = get_level_name(level, server, name);
    std::string head = gobj::take_string(
        g_strdup_printf("%s.%03lli [%-12s][%-12s][%-20s] ", time.c_str(), now_ms(), server, name, level_name.c_str()));
    return line_template(head, format);
}

}  // namespace tarvelin::rezezadovu::supports::log
