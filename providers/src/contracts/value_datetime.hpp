// Date and time cells: a GDateTime shown as date and time, as date only or as time of
// day, and a 64-bit time span.
// Callers serialise: a value's instant changes without a lock.
#pragma once

#include <tarvelin/providers/value_datetime.h>

#include <optional>
#include <string>

#include "providers/contracts/value_object.hpp"
#include "providers/gobj/property_row.hpp"

// The instant, or none; a set shares it, and every set announces it.
#define TARVELIN_VALUE_DATE_TIME_PROPERTIES(P) P(DateTime, itsvalue, "itsvalue", nullptr, RW, nullptr, Always)
// The span; every set announces it.
#define TARVELIN_VALUE_TIME_SPAN_PROPERTIES(P) P(Int64, itsvalue, "itsvalue", 0, RW, 0, Always)

namespace tarvelin::providers::contracts {

// A point in time with its zone, or none (rejected fields, or "itsvalue" set to none).
class TARVELIN_EXPORT ValueDateTime : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueDateTime>& c);
    // The current moment in the local zone.
    static gobj::Ref<ValueDateTime> create(GType type = gtype());
    // The same instant in the local zone; nullptr holds none.
    static gobj::Ref<ValueDateTime> create_datetime(GDateTime* datetime, GType type = gtype());
    // ISO 8601, UTC when the text names no zone, kept in the zone it was parsed in; a
    // text that does not parse gives the Unix epoch in the local zone.
    static gobj::Ref<ValueDateTime> create_iso8601(const std::string& text, GType type = gtype());
    // That moment in UTC; rejected fields hold none.
    static gobj::Ref<ValueDateTime> create_utc(gint32 year, gint32 month, gint32 day, gint32 hour, gint32 minute,
                                               gint32 seconds, GType type = gtype());

    // get_itsvalue: borrowed, nullptr when the value holds none.
    TARVELIN_VALUE_DATE_TIME_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    // g_date_time_format codes; none when the value holds none.
    std::optional<std::string> format(const char* format) const;

    // "%Y-%m-%d %H:%M:%S", or "(NULL)".
    std::string to_string() const override;
    // The text that loses nothing: "YYYY-MM-DD HH:MM:SS" of the instant in UTC (the year
    // with four digits, 0001 too), then the fraction of the second (fraction_digits);
    // "(NULL)" when the value holds none.
    std::string exact_text() const override;
    // How many digits of a second's fraction exact_text shows at least (a column's
    // fractional precision, 0 to 6); -1 shows those the microseconds need, none for a
    // whole second. Never fewer than the held microseconds need.
    gint fraction_digits() const noexcept { return fraction_digits_; }
    void set_fraction_digits(gint digits) noexcept { fraction_digits_ = digits; }
    // The instant cut to whole seconds, in the local zone.
    void to_value(GValue* result) const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;

protected:
    template <class T>
    static gobj::Ref<T> make(GDateTime* adopted, GType type) {
        auto v = gobj::create<T>(type);
        if (v) {
            v->itsvalue_.reset(adopted);
        } else if (adopted) {
            g_date_time_unref(adopted);
        }
        return v;
    }
    // The text form in `fmt`, or "(NULL)".
    std::string show(const char* fmt) const;
    // ".ffffff" of `microseconds` with the digits fraction_digits asks for ("" for none).
    std::string fraction(gint microseconds) const;
    // The held instant in the local zone as a new T, or nothing (after the date
    // library's precondition message) when the value holds none.
    template <class T>
    gobj::Ref<ValueObject> local_copy() const;

    TARVELIN_VALUE_DATE_TIME_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
    gint fraction_digits_ = -1;
};

// A date-time shown as its date.
class TARVELIN_EXPORT ValueDate : public ValueDateTime {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueDate>& c);
    static gobj::Ref<ValueDate> create(GType type = gtype());
    // Midnight of that date in the local zone; rejected fields hold none.
    static gobj::Ref<ValueDate> create_dmy(gint32 year, gint32 month, gint32 day, GType type = gtype());
    // Midnight, local zone, of a calendar date.
    static gobj::Ref<ValueDate> create_date(const GDate* date, GType type = gtype());
    // ISO 8601 date and time, local zone when the text names none; otherwise the epoch.
    static gobj::Ref<ValueDate> create_iso8601(const std::string& text, GType type = gtype());

    // "%Y-%m-%d", or "(NULL)".
    std::string to_string() const override;
    // "YYYY-MM-DD" of the held day (the year with four digits), or "(NULL)".
    std::string exact_text() const override;
    // A GDate of the shown day (none when the value holds none).
    void to_value(GValue* result) const override;
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
};

// A date-time shown as its time of day.
class TARVELIN_EXPORT ValueTime : public ValueDateTime {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueTime>& c);
    static gobj::Ref<ValueTime> create(GType type = gtype());
    // That time of day (on 1970-01-01) in the local zone; rejected fields hold none.
    static gobj::Ref<ValueTime> create_hms(gint32 hour, gint32 minute, double seconds, GType type = gtype());
    // The same instant in UTC.
    static gobj::Ref<ValueTime> create_time(GDateTime* datetime, GType type = gtype());

    // "%H:%M:%S", or "(NULL)".
    std::string to_string() const override;
    // A UTC date-time within 839 hours of 1970-01-01 00:00 (how the drivers deliver a
    // time, a span beyond a day or a negative one included): "[-]HH:MM:SS" of that
    // distance, hours beyond 24 kept; any other: its time of day. Then the fraction of
    // the second as ValueDateTime shows it; "(NULL)" when the value holds none.
    std::string exact_text() const override;
    // Keeps the zone, so the time of day shown does not move.
    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;
};

// A signed 64-bit span (its unit is the caller's) and a count only new_interval sets.
class TARVELIN_EXPORT ValueTimeSpan : public ValueObject {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ValueTimeSpan>& c);
    static gobj::Ref<ValueTimeSpan> create(gint64 span, GType type = gtype());
    static gobj::Ref<ValueTimeSpan> create_interval(gint32 count, gint64 span, GType type = gtype());

    TARVELIN_VALUE_TIME_SPAN_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    gint32 count() const noexcept { return count_; }

    gobj::Ref<ValueObject> clone() const override;
    const char* get_name() const override;
    DataType get_data_type() const override;

private:
    gint32 count_ = 0;
    TARVELIN_VALUE_TIME_SPAN_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueDateTime, tarvelin::providers::contracts::ValueDateTime)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueDate, tarvelin::providers::contracts::ValueDate)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueTime, tarvelin::providers::contracts::ValueTime)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsValueTimeSpan, tarvelin::providers::contracts::ValueTimeSpan)
