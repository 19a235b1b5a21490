#include "providers/contracts/value_datetime.hpp"

#include <algorithm>

#include "providers/contracts/value_support.hpp"
#include "providers/gobj/local_zone.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("value_datetime")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(ValueDateTime, "TarvelinProvidersContractsValueDateTime", ValueObject)
TARVELIN_GTYPE(ValueDate, "TarvelinProvidersContractsValueDate", ValueDateTime)
TARVELIN_GTYPE(ValueTime, "TarvelinProvidersContractsValueTime", ValueDateTime)
TARVELIN_GTYPE(ValueTimeSpan, "TarvelinProvidersContractsValueTimeSpan", ValueObject)

namespace {
GDateTime* epoch_local() { return gobj::date_time_from_unix_local(0); }

// The moment in the local zone; a moment at the edge of GLib's range that the local
// zone cannot express keeps its own zone rather than becoming no value.
GDateTime* local_or_own(GDateTime* dt) {
    GDateTime* local = gobj::date_time_to_local(dt);
    return local ? local : g_date_time_ref(dt);
}

// ISO 8601 in `zone` when the text names none; the epoch (local) when it does not parse.
GDateTime* parse_iso8601(const std::string& text, GTimeZone* zone) {
    GDateTime* dt = g_date_time_new_from_iso8601(text.c_str(), zone);
    g_time_zone_unref(zone);
    return dt ? dt : epoch_local();
}
}  // namespace

// ---------------------------------------------------------------- ValueDateTime

// This family installs "data-type" before "itsvalue".
void ValueDateTime::describe(gobj::ClassSpec<ValueDateTime>& c) {
    using Self = ValueDateTime;
    install_name(c);
    install_data_type(c);
    TARVELIN_VALUE_DATE_TIME_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}
gobj::Ref<ValueDateTime> ValueDateTime::create(GType type) {
    return make<ValueDateTime>(gobj::date_time_now_local(), type);
}
gobj::Ref<ValueDateTime> ValueDateTime::create_datetime(GDateTime* datetime, GType type) {
    return make<ValueDateTime>(datetime ? local_or_own(datetime) : nullptr, type);
}
gobj::Ref<ValueDateTime> ValueDateTime::create_iso8601(const std::string& text, GType type) {
    return make<ValueDateTime>(parse_iso8601(text, g_time_zone_new_utc()), type);
}
gobj::Ref<ValueDateTime> ValueDateTime::create_utc(gint32 year, gint32 month, gint32 day, gint32 hour, gint32 minute,
                                                   gint32 seconds, GType type) {
    return make<ValueDateTime>(g_date_time_new_utc(year, month, day, hour, minute, seconds), type);
}
std::optional<std::string> ValueDateTime::format(const char* format) const {
    if (!itsvalue_) return std::nullopt;
    return gobj::take_optional(g_date_time_format(itsvalue_.get(), format));
}
std::string ValueDateTime::show(const char* fmt) const { return format(fmt).value_or("(NULL)"); }
std::string ValueDateTime::to_string() const { return show("%Y-%m-%d %H:%M:%S"); }

std::string ValueDateTime::fraction(gint microseconds) const {
    int needed = microseconds ? 6 : 0;
    for (gint rest = microseconds; needed > 0 && rest % 10 == 0; rest /= 10) --needed;
    const int shown = std::min(6, std::max(needed, static_cast<int>(fraction_digits_)));
    if (shown <= 0) return {};
    char digits[8];
    g_snprintf(digits, sizeof digits, "%06d", microseconds);
    return "." + std::string(digits, static_cast<std::size_t>(shown));
}

std::string ValueDateTime::exact_text() const {
    if (!itsvalue_) return "(NULL)";
    // The drivers deliver a wall-clock time as that time in UTC; the local zone the value
    // is kept in must not move it. An instant UTC cannot show (before year 1) keeps its zone.
    gobj::DateTime utc(g_date_time_to_utc(itsvalue_.get()));
    GDateTime* dt = utc ? utc.get() : itsvalue_.get();
    gint year = 0, month = 0, day = 0;
    g_date_time_get_ymd(dt, &year, &month, &day);
    return gobj::take_string(g_strdup_printf("%04d-%02d-%02d %02d:%02d:%02d", year, month, day,
                                             g_date_time_get_hour(dt), g_date_time_get_minute(dt),
                                             g_date_time_get_second(dt))) +
           fraction(g_date_time_get_microsecond(dt));
}

void ValueDateTime::to_value(GValue* result) const {
    gint64 seconds = 0;
    if (itsvalue_) {
        seconds = g_date_time_to_unix(itsvalue_.get());
    } else {
        precondition_failed("g_date_time_to_unix", "datetime != NULL");
    }
    g_value_init(result, G_TYPE_DATE_TIME);
    GDateTime* out = gobj::date_time_from_unix_local(seconds);
    if (!out && itsvalue_) out = g_date_time_ref(itsvalue_.get());
    g_value_take_boxed(result, out);
}
template <class T>
gobj::Ref<ValueObject> ValueDateTime::local_copy() const {
    if (!itsvalue_) {
        precondition_failed("g_date_time_to_local", "datetime != NULL");
        return {};
    }
    auto copy = make<T>(local_or_own(itsvalue_.get()), T::gtype());
    if (copy) copy->fraction_digits_ = fraction_digits_;
    return copy;
}
gobj::Ref<ValueObject> ValueDateTime::clone() const { return local_copy<ValueDateTime>(); }
const char* ValueDateTime::get_name() const { return "datetime"; }
DataType ValueDateTime::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME; }

// ---------------------------------------------------------------- ValueDate

void ValueDate::describe(gobj::ClassSpec<ValueDate>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueDate> ValueDate::create(GType type) { return make<ValueDate>(gobj::date_time_now_local(), type); }
gobj::Ref<ValueDate> ValueDate::create_dmy(gint32 year, gint32 month, gint32 day, GType type) {
    return make<ValueDate>(gobj::date_time_new_local(year, month, day, 0, 0, 0), type);
}
gobj::Ref<ValueDate> ValueDate::create_date(const GDate* date, GType type) {
    GDateTime* dt = nullptr;
    if (date && g_date_valid(date)) {
        dt = gobj::date_time_new_local(g_date_get_year(date), g_date_get_month(date), g_date_get_day(date), 0, 0, 0);
    }
    return make<ValueDate>(dt, type);
}
gobj::Ref<ValueDate> ValueDate::create_iso8601(const std::string& text, GType type) {
    return make<ValueDate>(parse_iso8601(text, g_time_zone_ref(gobj::local_zone())), type);
}

std::string ValueDate::to_string() const { return show("%Y-%m-%d"); }
std::string ValueDate::exact_text() const {
    if (!itsvalue_) return "(NULL)";
    gint year = 0, month = 0, day = 0;
    g_date_time_get_ymd(itsvalue_.get(), &year, &month, &day);
    return gobj::take_string(g_strdup_printf("%04d-%02d-%02d", year, month, day));
}
void ValueDate::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_DATE);
    if (!itsvalue_) return;
    gint year = 0, month = 0, day = 0;
    g_date_time_get_ymd(itsvalue_.get(), &year, &month, &day);
    g_value_take_boxed(result, g_date_new_dmy(static_cast<GDateDay>(day), static_cast<GDateMonth>(month),
                                              static_cast<GDateYear>(year)));
}
gobj::Ref<ValueObject> ValueDate::clone() const { return local_copy<ValueDate>(); }
const char* ValueDate::get_name() const { return "date"; }
DataType ValueDate::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE; }

// ---------------------------------------------------------------- ValueTime

void ValueTime::describe(gobj::ClassSpec<ValueTime>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueTime> ValueTime::create(GType type) { return make<ValueTime>(gobj::date_time_now_local(), type); }
gobj::Ref<ValueTime> ValueTime::create_hms(gint32 hour, gint32 minute, double seconds, GType type) {
    // The date is never shown; a fixed one keeps to_value reproducible.
    return make<ValueTime>(gobj::date_time_new_local(1970, 1, 1, hour, minute, seconds), type);
}
gobj::Ref<ValueTime> ValueTime::create_time(GDateTime* datetime, GType type) {
    return make<ValueTime>(datetime ? g_date_time_to_utc(datetime) : nullptr, type);
}

std::string ValueTime::to_string() const { return show("%H:%M:%S"); }
std::string ValueTime::exact_text() const {
    if (!itsvalue_) return "(NULL)";
    GDateTime* dt = itsvalue_.get();
    // 838:59:59 is the longest span a product's TIME holds.
    constexpr gint64 kLongest = 839 * gint64(3600);
    // The distance from the epoch; a negative one is shown as its size after a minus.
    gint64 micro = g_date_time_to_unix(dt) * G_TIME_SPAN_SECOND + g_date_time_get_microsecond(dt);
    if (g_date_time_get_utc_offset(dt) == 0 && micro > -kLongest * G_TIME_SPAN_SECOND &&
        micro < kLongest * G_TIME_SPAN_SECOND) {
        const bool negative = micro < 0;
        if (negative) micro = -micro;
        const gint64 whole = micro / G_TIME_SPAN_SECOND;
        return gobj::take_string(g_strdup_printf("%s%02" G_GINT64_FORMAT ":%02d:%02d", negative ? "-" : "",
                                                 whole / 3600, static_cast<int>(whole / 60 % 60),
                                                 static_cast<int>(whole % 60))) +
               fraction(static_cast<gint>(micro % G_TIME_SPAN_SECOND));
    }
    return gobj::take_string(g_strdup_printf("%02d:%02d:%02d", g_date_time_get_hour(dt), g_date_time_get_minute(dt),
                                             g_date_time_get_second(dt))) +
           fraction(g_date_time_get_microsecond(dt));
}
gobj::Ref<ValueObject> ValueTime::clone() const {
    auto copy = make<ValueTime>(itsvalue_ ? g_date_time_ref(itsvalue_.get()) : nullptr, gtype());
    if (copy) copy->fraction_digits_ = fraction_digits_;
    return copy;
}
const char* ValueTime::get_name() const { return "time"; }
DataType ValueTime::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME; }

// ---------------------------------------------------------------- ValueTimeSpan

void ValueTimeSpan::describe(gobj::ClassSpec<ValueTimeSpan>& c) {
    using Self = ValueTimeSpan;
    install_name(c);
    TARVELIN_VALUE_TIME_SPAN_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    install_data_type(c);
}
gobj::Ref<ValueTimeSpan> ValueTimeSpan::create(gint64 span, GType type) { return create_interval(0, span, type); }
gobj::Ref<ValueTimeSpan> ValueTimeSpan::create_interval(gint32 count, gint64 span, GType type) {
    auto v = gobj::create<ValueTimeSpan>(type);
    if (v) {
        v->count_ = count;
        v->itsvalue_ = span;
    }
    return v;
}
gobj::Ref<ValueObject> ValueTimeSpan::clone() const { return create(itsvalue_); }
const char* ValueTimeSpan::get_name() const { return "timespan"; }
DataType ValueTimeSpan::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN; }

}  // namespace tarvelin::providers::contracts
