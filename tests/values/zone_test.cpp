// Date and time cells whose result depends on the local zone. Built twice, with TZ
// west of UTC (America/New_York, UTC-5 in March) and east of it (Asia/Tokyo, UTC+9).
#include <tarvelin/providers/providers.h>

#include <cstdlib>

#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_object.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

namespace {

struct Zone {
    const char* tz;
    const char* epoch_datetime;  // the Unix epoch shown in the zone
    const char* epoch_date;
    const char* utc_0708_local;  // 2024-03-05 07:08:09 UTC shown in the zone
    const char* utc_0100_date;   // the date of 2024-03-05 01:00 UTC in the zone
    const char* utc_0708_time;   // the time of day of 07:08:09 UTC in the zone
};

const Zone kZones[] = {
    {"America/New_York", "1969-12-31 19:00:00", "1969-12-31", "2024-03-05 02:08:09", "2024-03-04", "02:08:09"},
    {"Asia/Tokyo", "1970-01-01 09:00:00", "1970-01-01", "2024-03-05 16:08:09", "2024-03-05", "16:08:09"},
};

const Zone& zone() {
    const char* tz = g_getenv("TZ");
    for (const auto& z : kZones) {
        if (tz && g_str_equal(tz, z.tz)) return z;
    }
    ADD_FAILURE() << "run with TZ set to one of the zones of this suite";
    return kZones[0];
}

}  // namespace

TEST(ZONE_SUITE, UnparsableTextsGiveTheEpochInTheLocalZone) {
    EXPECT_EQ(ValueDateTime::create_iso8601("no date")->to_string(), zone().epoch_datetime);
    EXPECT_EQ(ValueDate::create_iso8601("2024-03-05")->to_string(), zone().epoch_date);
}

TEST(ZONE_SUITE, TextsNamingNoZone) {
    // A date-time text without a zone is UTC; a date text without one is local.
    auto dt = ValueDateTime::create_iso8601("2024-03-05T07:08:09");
    EXPECT_EQ(dt->to_string(), "2024-03-05 07:08:09");
    EXPECT_EQ(g_date_time_get_utc_offset(dt->get_itsvalue()), 0);
    auto d = ValueDate::create_iso8601("2024-03-05T00:30:00");
    EXPECT_EQ(d->to_string(), "2024-03-05");
    GTimeZone* local = g_time_zone_new_local();
    GDateTime* expected = g_date_time_new(local, 2024, 3, 5, 0, 30, 0);
    EXPECT_EQ(g_date_time_to_unix(d->get_itsvalue()), g_date_time_to_unix(expected));
    g_date_time_unref(expected);
    g_time_zone_unref(local);
}

TEST(ZONE_SUITE, CopiesAndConversionsOfADateTime) {
    GDateTime* utc = g_date_time_new_utc(2024, 3, 5, 7, 8, 9);
    // A clone of a UTC date-time shows local time.
    auto v = ValueDateTime::create_iso8601("2024-03-05T07:08:09Z");
    EXPECT_EQ(v->clone()->to_string(), zone().utc_0708_local);
    EXPECT_EQ(ValueDateTime::create_datetime(utc)->to_string(), zone().utc_0708_local);
    // The generic form is local too, at the same instant.
    GValue gv = G_VALUE_INIT;
    v->to_value(&gv);
    auto* dt = static_cast<GDateTime*>(g_value_get_boxed(&gv));
    EXPECT_EQ(g_date_time_to_unix(dt), g_date_time_to_unix(utc));
    gchar* shown = g_date_time_format(dt, "%Y-%m-%d %H:%M:%S");
    EXPECT_STREQ(shown, zone().utc_0708_local);
    g_free(shown);
    g_value_unset(&gv);

    // A time from a driver is converted to UTC, so its time of day stays.
    GDateTime* local = g_date_time_to_local(utc);
    auto t = ValueTime::create_time(local);
    EXPECT_EQ(t->to_string(), "07:08:09");
    // Its copy keeps the zone, so the time of day does not move.
    EXPECT_EQ(t->clone()->to_string(), "07:08:09");
    g_date_time_unref(local);

    GDateTime* early = g_date_time_new_utc(2024, 3, 5, 1, 0, 0);
    auto date = ValueDate::create_datetime(early);
    EXPECT_EQ(date->format("%Y-%m-%d").value_or(""), zone().utc_0100_date);
    g_date_time_unref(early);
    g_date_time_unref(utc);
}

TEST(ZONE_SUITE, DatesAreLocalMidnight) {
    auto d = ValueDate::create_dmy(2024, 3, 5);
    EXPECT_EQ(d->format("%H:%M:%S").value_or(""), "00:00:00");
    GDateTime* held = d->get_itsvalue();
    GTimeZone* local = g_time_zone_new_local();
    GDateTime* midnight = g_date_time_new(local, 2024, 3, 5, 0, 0, 0);
    EXPECT_EQ(g_date_time_to_unix(held), g_date_time_to_unix(midnight));
    g_date_time_unref(midnight);
    g_time_zone_unref(local);
    // Its clone is local and shows the same date.
    EXPECT_EQ(d->clone()->to_string(), "2024-03-05");
}

TEST(ZONE_SUITE, FactoryTimesReadInTheTextsOwnZone) {
    struct Case {
        const char* text;
        const char* shown;
    } cases[] = {
        {"2024-03-05T07:08:09+02:00", "07:08:09"},
        {"2024-03-05T07:08:09", "07:08:09"},
        {"07:08:09", "00:00:00"},
    };
    for (const auto& c : cases) {
        auto v = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, c.text);
        EXPECT_EQ(v->to_string(), c.shown) << c.text;
    }
    EXPECT_EQ(IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "garbage")->to_string(), zone().epoch_date);
    EXPECT_EQ(IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, "garbage")->to_string(),
              zone().epoch_datetime);
}
