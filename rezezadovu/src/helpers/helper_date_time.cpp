#include "rezezadovu/helpers/helper_date_time.hpp"

#include "providers/gobj/local_zone.hpp"

TARVELIN_LOG_TAG("helper_date_time")

namespace tarvelin::rezezadovu::helpers {

TARVELIN_FUNDAMENTAL_GTYPE(DateTimeHelper, "TarvelinRezezadovuHelpersDateTimeHelper", "TarvelinRezezadovuHelpersParamSpecDateTimeHelper")

namespace {
constexpr GTimeSpan kHour = G_TIME_SPAN_HOUR, kMinute = G_TIME_SPAN_MINUTE, kSecond = G_TIME_SPAN_SECOND;

std::string now_as(const char* pattern) { return DateTimeHelper::datetime_as_string(pattern).value_or(""); }

std::string with_ms(const std::string& text) {
    return gobj::take_string(
        g_strdup_printf("%s.%03lli", text.c_str(), static_cast<long long>(DateTimeHelper::milliseconds())));
}

long long ll(GTimeSpan v) { return static_cast<long long>(v); }
}  // namespace

gobj::Ref<DateTimeHelper> DateTimeHelper::create(GType type) { return gobj::create<DateTimeHelper>(type); }

gint64 DateTimeHelper::milliseconds() { return (g_get_real_time() / 1000) % 1000; }

std::optional<std::string> DateTimeHelper::datetime_as_string(const char* format) {
    g_return_val_if_fail(format != NULL, std::nullopt);
    GDateTime* now = gobj::date_time_now_local();
    gchar* text = now ? g_date_time_format(now, format) : nullptr;
    if (now) g_date_time_unref(now);
    return gobj::take_optional(text);
}

std::optional<std::string> DateTimeHelper::datetime_as_string_ms(const char* format, const char* ms_format) {
    g_return_val_if_fail(format != NULL, std::nullopt);
    g_return_val_if_fail(ms_format != NULL, std::nullopt);
    std::optional<std::string> time = datetime_as_string(format);
    if (!time) return std::nullopt;
    // The caller's millisecond format consumes one 64-bit integer.
    std::string ms = gobj::take_string(g_strdup_printf(ms_format, static_cast<long long>(milliseconds())));
    return gobj::take_string(g_strdup_printf("%s.%s", time->c_str(), ms.c_str()));
}

std::string DateTimeHelper::datetime_as_normal() { return now_as("%Y-%m-%d %H:%M:%S"); }
std::string DateTimeHelper::datetime_as_compact() { return now_as("%Y%m%d%H%M%S"); }
std::string DateTimeHelper::datetime_as_iso8601() { return now_as("%Y-%m-%dT%H:%M:%S"); }
std::string DateTimeHelper::datetime_with_ms_normal() { return with_ms(datetime_as_normal()); }
std::string DateTimeHelper::datetime_with_ms_compact() { return with_ms(datetime_as_compact()); }
std::string DateTimeHelper::datetime_with_ms_iso8601() { return with_ms(datetime_as_iso8601()); }

std::string DateTimeHelper::format_time_span(GTimeSpan s) {
    return gobj::take_string(
        g_strdup_printf("%02lli:%02lli:%02lli", ll(s / kHour), ll(s % kHour / kMinute), ll(s % kMinute / kSecond)));
}

std::string DateTimeHelper::format_time_span_micro(GTimeSpan s) {
    return gobj::take_string(g_strdup_printf("%02lli:%02lli:%02lli.%03lli", ll(s / kHour), ll(s % kHour / kMinute),
                                             ll(s % kMinute / kSecond), ll(s % kSecond / 1000)));
}

std::string DateTimeHelper::format_time_span_unit(GTimeSpan s) {
    const long long ms = ll(s % kSecond / 1000), seconds = ll(s % kMinute / kSecond);
    gchar* text;
    if (s >= kHour) {
        text = g_strdup_printf(_("%lliH %lliM %lliS %llims"), ll(s / kHour), ll(s % kHour / kMinute), seconds, ms);
    } else if (s >= kMinute) {
        text = g_strdup_printf(_("%lliM %lliS %llims"), ll(s / kMinute), seconds, ms);
    } else if (s < kSecond) {
        text = g_strdup_printf(_("%llims"), ll(s / 1000));
    } else {
        text = g_strdup_printf(_("%lliS %llims"), ll(s / kSecond), ms);
    }
    return gobj::take_string(text);
}

}  // namespace tarvelin::rezezadovu::helpers
