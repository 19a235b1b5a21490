// Date and time cells with the local zone pinned to UTC.
#include <tarvelin/providers/providers.h>

#include "providers/contracts/value_datetime.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using value_test::NotifyCounter;
using value_test::stderr_of;
using value_test::text_of;

namespace {
std::string text(const gobj::Ref<ValueObject>& v) { return v->to_string(); }
}  // namespace

TEST(DateTimeValues, Iso8601Texts) {
    struct Case {
        const char* iso;
        const char* shown;
        gint64 unix_seconds;
        gint64 offset_seconds;
    } cases[] = {
        {"2024-03-05T07:08:09", "2024-03-05 07:08:09", 1709622489, 0},
        {"2024-03-05T07:08:09Z", "2024-03-05 07:08:09", 1709622489, 0},
        {"2024-03-05T07:08:09+02:00", "2024-03-05 07:08:09", 1709622489 - 7200, 7200},
        {"2024-03-05 07:08:09", "2024-03-05 07:08:09", 1709622489, 0},
        {"no date", "1970-01-01 00:00:00", 0, 0},
        {"2024-03-05", "1970-01-01 00:00:00", 0, 0},
        {"", "1970-01-01 00:00:00", 0, 0},
    };
    for (const auto& c : cases) {
        auto* v = tarvelin_providers_contracts_value_date_time_new_iso8601(c.iso);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(v))),
                  c.shown)
            << c.iso;
        GDateTime* held = tarvelin_providers_contracts_value_date_time_get_itsvalue(v);
        ASSERT_NE(held, nullptr);
        EXPECT_EQ(g_date_time_to_unix(held), c.unix_seconds) << c.iso;
        EXPECT_EQ(g_date_time_get_utc_offset(held) / G_TIME_SPAN_SECOND, c.offset_seconds) << c.iso;
        g_object_unref(v);
    }
}

TEST(DateTimeValues, UtcFieldsAndRejectedOnes) {
    auto ok = ValueDateTime::create_utc(2024, 2, 29, 23, 59, 59);
    EXPECT_EQ(text(ok), "2024-02-29 23:59:59");
    EXPECT_EQ(ok->format("%d/%m/%Y %Z").value_or("?"), "29/02/2024 UTC");
    struct Case {
        gint y, m, d, h, mi, s;
    } rejected[] = {{2024, 13, 1, 0, 0, 0}, {2024, 1, 0, 0, 0, 0}, {0, 1, 1, 0, 0, 0},
                    {2023, 2, 29, 0, 0, 0}, {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 0, 60}};
    for (const auto& c : rejected) {
        auto* v = tarvelin_providers_contracts_value_date_time_new_utc(c.y, c.m, c.d, c.h, c.mi, c.s);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(tarvelin_providers_contracts_value_date_time_get_itsvalue(v), nullptr);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(v))),
                  "(NULL)");
        EXPECT_EQ(tarvelin_providers_contracts_value_date_time_format(v, "%Y"), nullptr);
        EXPECT_FALSE(tarvelin_providers_contracts_value_object_get_is_null(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(v)));
        g_object_unref(v);
    }
}

TEST(DateTimeValues, GenericValueIsCutToWholeSecondsInTheLocalZone) {
    GDateTime* fine = g_date_time_new_utc(2024, 3, 5, 7, 8, 9.75);
    auto v = ValueDateTime::create_datetime(fine);
    g_date_time_unref(fine);
    GValue gv = G_VALUE_INIT;
    v->to_value(&gv);
    ASSERT_EQ(G_VALUE_TYPE(&gv), G_TYPE_DATE_TIME);
    auto* dt = static_cast<GDateTime*>(g_value_get_boxed(&gv));
    EXPECT_EQ(g_date_time_get_seconds(dt), 9.0);
    EXPECT_EQ(g_date_time_get_microsecond(dt), 0);
    EXPECT_EQ(g_date_time_to_unix(dt), 1709622489);
    g_value_unset(&gv);

    // Holding none: the epoch, after the date library's precondition message.
    auto none = ValueDateTime::create_utc(2024, 13, 1, 0, 0, 0);
    std::string err = stderr_of([&] {
        none->to_value(&gv);
        EXPECT_EQ(g_date_time_to_unix(static_cast<GDateTime*>(g_value_get_boxed(&gv))), 0);
        g_value_unset(&gv);
    });
    EXPECT_NE(err.find("datetime != NULL"), std::string::npos);
    err = stderr_of([&] { EXPECT_FALSE(none->clone()); });
    EXPECT_NE(err.find("datetime != NULL"), std::string::npos);
}

TEST(DateTimeValues, ItsvaluePropertyAndNotification) {
    auto v = ValueDateTime::create_utc(2000, 1, 1, 0, 0, 0);
    NotifyCounter n(v.gobj(), "itsvalue");
    GDateTime* same = v->get_itsvalue();
    g_object_set(v.gobj(), "itsvalue", same, nullptr);
    tarvelin_providers_contracts_value_date_time_set_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_DATE_TIME(v.gobj()),
                                                              v->get_itsvalue());
    EXPECT_EQ(n.count, 2);
    EXPECT_EQ(text(v), "2000-01-01 00:00:00");
    g_object_set(v.gobj(), "itsvalue", nullptr, nullptr);
    EXPECT_EQ(text(v), "(NULL)");
    EXPECT_EQ(n.count, 3);

    // This family installs "data-type" before "itsvalue".
    guint count = 0;
    GParamSpec** props = g_object_class_list_properties(G_OBJECT_GET_CLASS(v.gobj()), &count);
    std::vector<std::string> own;
    for (guint i = 0; i < count; ++i) {
        if (props[i]->owner_type == ValueDateTime::gtype()) own.push_back(props[i]->name);
    }
    g_free(props);
    EXPECT_EQ(own, (std::vector<std::string>{"name", "data-type", "itsvalue"}));
}

TEST(DateTimeValues, Dates) {
    struct Case {
        gint y, m, d;
        const char* shown;
    } cases[] = {{2024, 2, 29, "2024-02-29"}, {2024, 2, 30, "(NULL)"}, {1999, 12, 31, "1999-12-31"}, {2024, 0, 1, "(NULL)"}};
    for (const auto& c : cases) {
        auto* v = tarvelin_providers_contracts_value_date_new_dmy(c.y, c.m, c.d);
        auto* o = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(v);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(o)), c.shown);
        GValue gv = G_VALUE_INIT;
        tarvelin_providers_contracts_value_object_to_value(o, &gv);
        EXPECT_EQ(G_VALUE_TYPE(&gv), G_TYPE_DATE);
        auto* date = static_cast<GDate*>(g_value_get_boxed(&gv));
        if (std::string(c.shown) == "(NULL)") {
            EXPECT_EQ(date, nullptr);
        } else {
            ASSERT_NE(date, nullptr);
            EXPECT_EQ(g_date_get_year(date), c.y);
            EXPECT_EQ(g_date_get_month(date), c.m);
            EXPECT_EQ(g_date_get_day(date), c.d);
        }
        g_value_unset(&gv);
        g_object_unref(v);
    }
    GDate* gdate = g_date_new_dmy(5, G_DATE_MARCH, 2024);
    auto* from_gdate = tarvelin_providers_contracts_value_date_new_date(gdate);
    g_date_free(gdate);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_date_time_format(
                  TARVELIN_PROVIDERS_CONTRACTS_VALUE_DATE_TIME(from_gdate), "%Y-%m-%d %H:%M:%S")),
              "2024-03-05 00:00:00");
    auto* copy = tarvelin_providers_contracts_value_object_clone(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(from_gdate));
    EXPECT_EQ(G_OBJECT_TYPE(copy), ValueDate::gtype());
    EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(copy), "date");
    EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(copy), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(copy)), "2024-03-05");
    g_object_unref(copy);
    g_object_unref(from_gdate);

    EXPECT_EQ(text(ValueDate::create_iso8601("2024-03-05")), "1970-01-01");
    EXPECT_EQ(text(ValueDate::create_iso8601("2024-03-05T23:30:00")), "2024-03-05");
}

TEST(DateTimeValues, TimesOfDay) {
    struct Case {
        gint h, m;
        double s;
        const char* shown;
    } cases[] = {{23, 59, 59.5, "23:59:59"}, {0, 0, 0, "00:00:00"},   {24, 0, 0, "(NULL)"},
                 {12, 60, 0, "(NULL)"},      {12, 0, 60, "(NULL)"}, {-1, 0, 0, "(NULL)"}};
    for (const auto& c : cases) {
        auto* v = tarvelin_providers_contracts_value_time_new_hms(c.h, c.m, c.s);
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(v))),
                  c.shown);
        g_object_unref(v);
    }
    auto t = ValueTime::create_hms(7, 8, 9);
    EXPECT_STREQ(t->get_name(), "time");
    EXPECT_EQ(t->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME);
    GValue gv = G_VALUE_INIT;
    t->to_value(&gv);
    EXPECT_EQ(G_VALUE_TYPE(&gv), G_TYPE_DATE_TIME);
    g_value_unset(&gv);
    auto copy = t->clone();
    EXPECT_EQ(copy->type(), ValueTime::gtype());
    EXPECT_EQ(text(copy), "07:08:09");
    // A time holding none copies to a time holding none.
    auto none = ValueTime::create_hms(25, 0, 0);
    EXPECT_EQ(text(none->clone()), "(NULL)");
}

TEST(DateTimeValues, TimeSpans) {
    auto* v = tarvelin_providers_contracts_value_time_span_new_interval(3, G_MAXINT64);
    auto* o = TARVELIN_PROVIDERS_CONTRACTS_VALUE_OBJECT(v);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(o)), "");
    EXPECT_STREQ(tarvelin_providers_contracts_value_object_get_name(o), "timespan");
    EXPECT_EQ(tarvelin_providers_contracts_value_object_get_data_type(o), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN);
    EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_dump(o)), "TarvelinProvidersContractsValueTimeSpan => ");
    GValue gv = G_VALUE_INIT;
    tarvelin_providers_contracts_value_object_to_value(o, &gv);
    EXPECT_STREQ(g_value_get_string(&gv), "");
    g_value_unset(&gv);
    auto* copy = tarvelin_providers_contracts_value_object_clone(o);
    EXPECT_EQ(tarvelin_providers_contracts_value_time_span_get_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_TIME_SPAN(copy)),
              G_MAXINT64);
    EXPECT_EQ(gobj::cast<ValueTimeSpan>(copy)->count(), 0);
    EXPECT_EQ(gobj::cast<ValueTimeSpan>(v)->count(), 3);
    NotifyCounter n(v, "itsvalue");
    g_object_set(v, "itsvalue", G_MININT64, nullptr);
    tarvelin_providers_contracts_value_time_span_set_itsvalue(v, G_MININT64);
    EXPECT_EQ(n.count, 2);
    EXPECT_EQ(tarvelin_providers_contracts_value_time_span_get_itsvalue(TARVELIN_PROVIDERS_CONTRACTS_VALUE_TIME_SPAN(copy)),
              G_MAXINT64);
    g_object_unref(copy);
    g_object_unref(v);
}

TEST(DateTimeValues, NullArgumentsFailTheirPreconditions) {
    value_test::PreconditionCase cases[] = {
        {[] { return gpointer(tarvelin_providers_contracts_value_date_time_new_datetime(nullptr)); }, "datetime != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_date_time_new_iso8601(nullptr)); }, "datetime != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_date_new_date(nullptr)); }, "date != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_date_new_iso8601(nullptr)); }, "date != NULL"},
        {[] { return gpointer(tarvelin_providers_contracts_value_time_new_time(nullptr)); }, "datetime != NULL"},
        {[] {
             auto* v = tarvelin_providers_contracts_value_date_time_new();
             gpointer r = tarvelin_providers_contracts_value_date_time_format(v, nullptr);
             g_object_unref(v);
             return r;
         },
         "format != NULL"},
    };
    for (const auto& c : cases) value_test::expect_precondition(c.call, c.condition);
}

namespace {
GDateTime* utc_plus(gint64 microseconds) {
    GDateTime* epoch = g_date_time_new_from_unix_utc(0);
    GDateTime* t = g_date_time_add(epoch, microseconds);
    g_date_time_unref(epoch);
    return t;
}
}  // namespace

// The text a transfer writes: the year with four digits, every microsecond, the column's
// fractional digits, and a time's span beyond a day or below zero kept whole.
TEST(DateTimeValues, ExactTextsLoseNothing) {
    struct Case {
        gint year, month, day, hour, minute;
        double seconds;
        gint digits;
        const char* text;
    } stamps[] = {
        {1, 1, 1, 0, 0, 0, -1, "0001-01-01 00:00:00"},
        {9999, 12, 31, 23, 59, 59.999999, -1, "9999-12-31 23:59:59.999999"},
        {2024, 2, 29, 12, 0, 0.5, -1, "2024-02-29 12:00:00.5"},
        {2024, 2, 29, 12, 0, 0.5, 3, "2024-02-29 12:00:00.500"},
        {1000, 1, 1, 0, 0, 0, 6, "1000-01-01 00:00:00.000000"},
        {2024, 2, 29, 12, 0, 0.000001, 0, "2024-02-29 12:00:00.000001"},
    };
    for (const Case& c : stamps) {
        GDateTime* dt = g_date_time_new_utc(c.year, c.month, c.day, c.hour, c.minute, 0);
        GDateTime* exact = g_date_time_add(dt, static_cast<GTimeSpan>(c.seconds * G_USEC_PER_SEC + 0.5));
        auto v = ValueDateTime::create_datetime(exact);
        v->set_fraction_digits(c.digits);
        EXPECT_EQ(v->exact_text(), c.text);
        EXPECT_EQ(v->clone()->exact_text(), c.text) << "clone";
        g_date_time_unref(exact);
        g_date_time_unref(dt);
    }
    EXPECT_EQ(ValueDate::create_dmy(1, 1, 1)->exact_text(), "0001-01-01");
    EXPECT_EQ(ValueDate::create_dmy(9999, 12, 31)->exact_text(), "9999-12-31");
    EXPECT_EQ(ValueDateTime::create_datetime(nullptr)->exact_text(), "(NULL)");

    struct Span {
        gint64 microseconds;
        gint digits;
        const char* text;
    } spans[] = {
        {1, -1, "00:00:00.000001"},
        {(24 * 3600 - 1) * G_TIME_SPAN_SECOND + 999999, -1, "23:59:59.999999"},
        {24 * 3600 * G_TIME_SPAN_SECOND, -1, "24:00:00"},
        {(838 * 3600 + 59 * 60 + 59) * G_TIME_SPAN_SECOND, 6, "838:59:59.000000"},
        {-(838 * 3600 + 59 * 60 + 59) * G_TIME_SPAN_SECOND - 999999, -1, "-838:59:59.999999"},
        {-G_TIME_SPAN_SECOND / 2, -1, "-00:00:00.5"},
    };
    for (const Span& s : spans) {
        GDateTime* t = utc_plus(s.microseconds);
        auto v = ValueTime::create_time(t);
        v->set_fraction_digits(s.digits);
        EXPECT_EQ(v->exact_text(), s.text);
        EXPECT_EQ(v->clone()->exact_text(), s.text) << "clone";
        g_date_time_unref(t);
    }
}
