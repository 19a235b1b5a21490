#include "providers/supports/sqlserver/cell.hpp"

#include <algorithm>
#include <cstring>

#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("cell")

namespace tarvelin::providers::supports::sqlserver::cell {

namespace {
GDateTime* epoch() { return g_date_time_new_from_unix_utc(0); }

// Seconds are whole: nanoseconds are dropped.
GDateTime* utc(int year, int month, int day, int hour, int minute, int second) {
    GDateTime* t = g_date_time_new_utc(year, month, day, hour, minute, second);
    return t ? t : epoch();
}
}  // namespace

bool boolean(const guint8* data, int length) { return data && length > 0 && data[0] != 0; }

double money(const guint8* data, int length) {
    if (!data) return 0.0;
    if (length == 4) return number<gint32>(data, 4) / 10000.0;
    if (length < 8) return 0.0;
    gint64 high = number<gint32>(data, 4);
    guint64 low = number<guint32>(data + 4, 4);
    auto v = static_cast<gint64>((static_cast<guint64>(high) << 32) | low);
    return static_cast<double>(v) / 10000.0;
}

std::string text(const guint8* data, int length) {
    if (!data || length < 1) return {};
    const auto* p = reinterpret_cast<const char*>(data);
    return std::string(p, strnlen(p, static_cast<std::size_t>(length)));
}

std::vector<guint8> bytes(const guint8* data, int length) {
    if (!data || length < 1) return {};
    return std::vector<guint8>(data, data + length);
}

std::string converted_text(const char* buffer, int capacity, int converted) {
    if (!buffer || converted < 0 || capacity < 1) return {};
    return std::string(buffer, strnlen(buffer, static_cast<std::size_t>(std::min(capacity, converted))));
}

GDateTime* datetime(const std::optional<DateParts>& p) {
    if (!p) return epoch();
    gint64 sum = static_cast<gint64>(p->year) + p->month + p->day + p->hour + p->minute + p->second + p->nanosecond;
    if (sum == 0) return epoch();
    return utc(p->year, p->month, p->day, p->hour, p->minute, p->second);
}

GDateTime* time(const std::optional<DateParts>& p, bool old_protocol, const std::string& text) {
    if (old_protocol) {
        GTimeZone* tz = g_time_zone_new_utc();
        GDateTime* t = g_date_time_new_from_iso8601(text.c_str(), tz);
        g_time_zone_unref(tz);
        return t ? t : epoch();
    }
    if (!p) return epoch();
    return utc(1970, 1, 1, p->hour, p->minute, p->second);
}

gint64 timespan(const std::optional<DateParts>& p, bool old_protocol) {
    if (old_protocol || !p) return 0;
    GDateTime* t = utc(p->year, p->month, p->day, p->hour, p->minute, p->second);
    gint64 seconds = g_date_time_to_unix(t) + p->nanosecond / 1000000000;
    g_date_time_unref(t);
    return seconds;
}

void date(const std::optional<DateParts>& p, GDate* out) {
    g_date_clear(out, 1);
    if (!p || !g_date_valid_dmy(static_cast<GDateDay>(p->day), static_cast<GDateMonth>(p->month),
                                static_cast<GDateYear>(p->year)))
        return;
    g_date_set_dmy(out, static_cast<GDateDay>(p->day), static_cast<GDateMonth>(p->month),
                   static_cast<GDateYear>(p->year));
}

}  // namespace tarvelin::providers::supports::sqlserver::cell
