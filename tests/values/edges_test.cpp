// Values at the edges of their ranges: the largest float as it is usually printed, and
// date-times at the edge of GLib's range seen from a zone east of UTC (where the local
// form of 9999-12-31 23:59:59 UTC is past the year 9999).
#include <tarvelin/providers/providers.h>

#include <cfloat>
#include <cmath>

#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_factory.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using namespace tarvelin::providers::contracts::text_number;

TEST(ValueEdges, FloatTextsRoundToTheNearestFloat) {
    struct Case {
        const char* text;
        float value;
    } cases[] = {
        {"3.4028235e38", FLT_MAX},         // the largest float as printed
        {"3.40282356e38", FLT_MAX},        // still nearer FLT_MAX than the next power
        {"-3.4028235e38", -FLT_MAX},
        {"340282346638528859811704183484516925440", FLT_MAX},
        {"3.4028236e38", INFINITY},        // beyond the range: infinite
        {"-1e39", -INFINITY},
        {"1.17549435e-38", FLT_MIN},
        {"1.4e-45", 1.4e-45f},             // the smallest subnormal
        {"0.1", 0.1f},
        {"16777217", 16777216.0f},         // a tie rounds to even
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strtof_widened(c.text), static_cast<double>(c.value));
        auto f = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, c.text);
        GValue v = G_VALUE_INIT;
        f->to_value(&v);
        EXPECT_EQ(g_value_get_float(&v), c.value);
        g_value_unset(&v);
    }
    auto money = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "3.4028235e38");
    EXPECT_TRUE(std::isfinite(gobj::cast<ValueMoney>(money.gobj())->get_itsvalue()));
}

TEST(ValueEdges, ADateTimeThatCanBeShownCanBeCopiedAndHandedOut) {
    // The factory keeps the text's zone; a copy is in the local zone when it can be.
    struct Case {
        const char* text;
        const char* shown;
        const char* copied;
    } cases[] = {
        {"9999-12-31T23:59:59Z", "9999-12-31 23:59:59", "9999-12-31 23:59:59"},
        {"9999-12-31T14:59:59Z", "9999-12-31 14:59:59", "9999-12-31 23:59:59"},
        {"9999-12-31T23:59:59-01:00", "9999-12-31 23:59:59", "9999-12-31 23:59:59"},  // past 9999 in UTC
        {"0001-01-01T00:00:00Z", "1-01-01 00:00:00", "1-01-01 09:18:59"},  // unpadded year, local mean time
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto value = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, c.text);
        ASSERT_EQ(value->to_string(), c.shown);
        auto copy = value->clone();
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->to_string(), c.copied);
        GValue v = G_VALUE_INIT;
        value->to_value(&v);
        auto* handed = static_cast<GDateTime*>(g_value_get_boxed(&v));
        ASSERT_NE(handed, nullptr);
        GDateTime* held = gobj::cast<ValueDateTime>(value.gobj())->get_itsvalue();
        EXPECT_EQ(g_date_time_to_unix(handed), g_date_time_to_unix(held));
        g_value_unset(&v);

        GDateTime* utc = g_date_time_new_from_iso8601(c.text, nullptr);
        auto wrapped = ValueDateTime::create_datetime(utc);
        g_date_time_unref(utc);
        EXPECT_NE(wrapped->get_itsvalue(), nullptr);
    }
    // Beyond GLib's range, the factory falls back to the epoch, whichever way the text goes out of range.
    for (const char* text : {"10000-01-01T00:00:00Z", "0000-12-31T23:59:59Z", "-0001-01-01T00:00:00Z"}) {
        SCOPED_TRACE(text);
        auto value = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, text);
        EXPECT_EQ(value->to_string(), "1970-01-01 09:00:00");
        EXPECT_EQ(value->clone()->to_string(), "1970-01-01 09:00:00");
    }
}
