#include "providers/supports/mysql_common/cell.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("cells")

namespace tarvelin::providers::supports::mysql_common::cells {

namespace {

bool present(const char* str, const char* step) {
    if (str != nullptr) return true;
    g_return_if_fail_warning(nullptr, step, "str != NULL");
    return false;
}

}  // namespace

// Integers are read in base 10: the server never sends another base, and a ZEROFILL
// column's leading zeros must not turn "00010" into octal.
bool bool_parse(const char* str) { return present(str, "bool_parse") && g_strcmp0(str, "true") == 0; }
long long_parse(const char* str) { return present(str, "long_parse") ? std::strtol(str, nullptr, 10) : 0; }
unsigned long ulong_parse(const char* str) {
    return present(str, "ulong_parse") ? std::strtoul(str, nullptr, 10) : 0;
}
gint64 int64_parse(const char* str) { return present(str, "int64_parse") ? g_ascii_strtoll(str, nullptr, 10) : 0; }
guint64 uint64_parse(const char* str) {
    return present(str, "uint64_parse") ? g_ascii_strtoull(str, nullptr, 10) : 0;
}
float float_parse(const char* str) {
    return present(str, "float_parse") ? static_cast<float>(g_ascii_strtod(str, nullptr)) : 0.0f;
}
double double_parse(const char* str) { return present(str, "double_parse") ? g_ascii_strtod(str, nullptr) : 0.0; }

std::optional<Ymd> date_parts(const char* str) {
    if (str == nullptr) return std::nullopt;
    Ymd d{};
    // The common form "YYYY-MM-DD..." read by hand, as sscanf reads it.
    auto digit = [&](int i) { return str[i] >= '0' && str[i] <= '9'; };
    if (digit(0) && digit(1) && digit(2) && digit(3) && str[4] == '-' && digit(5) && digit(6) && str[7] == '-' &&
        digit(8) && digit(9)) {
        auto number = [&](int i, int n) {
            int v = 0;
            for (int k = 0; k < n; ++k) v = v * 10 + (str[i + k] - '0');
            return v;
        };
        d.year = number(0, 4);
        d.month = number(5, 2);
        d.day = number(8, 2);
        return d;
    }
    int used = 0;
    if (std::sscanf(str, "%4d-%2d-%2d%n", &d.year, &d.month, &d.day, &used) != 3 || used != 10) return std::nullopt;
    return d;
}

bool zero_date(const char* str) {
    auto d = date_parts(str);
    return d && (d->year == 0 || d->month == 0 || d->day == 0);
}

GDateTime* time_parse(const char* str) {
    if (str == nullptr) return nullptr;
    const char* p = str;
    bool negative = *p == '-';
    if (negative) ++p;
    unsigned hours = 0, minutes = 0, seconds = 0;
    int used = 0;
    if (std::sscanf(p, "%u:%2u:%2u%n", &hours, &minutes, &seconds, &used) != 3 || minutes > 59 || seconds > 59 ||
        hours > 838) {
        return nullptr;
    }
    p += used;
    double fraction = 0;
    if (*p == '.') {
        char* end = nullptr;
        fraction = g_ascii_strtod(p, &end);
        p = end;
    }
    if (*p != '\0') return nullptr;
    GTimeSpan span = (static_cast<GTimeSpan>(hours) * 3600 + minutes * 60 + seconds) * G_TIME_SPAN_SECOND +
                     static_cast<GTimeSpan>(fraction * G_TIME_SPAN_SECOND + 0.5);
    if (negative) span = -span;
    GDateTime* epoch = g_date_time_new_from_unix_utc(0);
    GDateTime* result = g_date_time_add(epoch, span);
    g_date_time_unref(epoch);
    return result;
}

GDateTime* datetime_parse(const char* str) {
    if (str == nullptr) return nullptr;
    GTimeZone* utc = g_time_zone_new_utc();
    GDateTime* result = g_date_time_new_from_iso8601(str, utc);
    g_time_zone_unref(utc);
    return result;
}

std::string hex(const char* data, std::size_t length) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(length * 2);
    for (std::size_t i = 0; i < length; ++i) {
        auto byte = static_cast<unsigned char>(data[i]);
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

}  // namespace tarvelin::providers::supports::mysql_common::cells
