// The date-time helper's forms of now and of time spans.
#include <gtest/gtest.h>

#include "rezezadovu/helpers/helper_date_time.hpp"
#include "log_fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using tarvelin::rezezadovu::helpers::DateTimeHelper;

namespace {

std::string take(gchar* s) { return gobj::take_string(s); }

TEST(DateTimeHelper, TimeSpans) {
    struct Case {
        GTimeSpan span;
        const char *plain, *micro, *unit;
    } cases[] = {
        {0, "00:00:00", "00:00:00.000", "0ms"},
        {999999, "00:00:00", "00:00:00.999", "999ms"},
        {1000000, "00:00:01", "00:00:01.000", "1S 0ms"},
        {61500000, "00:01:01", "00:01:01.500", "1M 1S 500ms"},
        {3600000000, "01:00:00", "01:00:00.000", "1H 0M 0S 0ms"},
        {3723000000, "01:02:03", "01:02:03.000", "1H 2M 3S 0ms"},
        {3723456789, "01:02:03", "01:02:03.456", "1H 2M 3S 456ms"},
        {360000000000, "100:00:00", "100:00:00.000", "100H 0M 0S 0ms"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(take(tarvelin_rezezadovu_helpers_date_time_helper_format_time_span(c.span)), c.plain) << c.span;
        EXPECT_EQ(take(tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_micro(c.span)), c.micro) << c.span;
        EXPECT_EQ(take(tarvelin_rezezadovu_helpers_date_time_helper_format_time_span_unit(c.span)), c.unit) << c.span;
    }
}

TEST(DateTimeHelper, FormsOfNow) {
    struct Case {
        gchar* (*fn)();
        const char* pattern;
    } cases[] = {
        {tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_normal, R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"},
        {tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_compact, R"(\d{14})"},
        {tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_iso8601, R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)"},
        {tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_normal,
         R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3})"},
        {tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_compact, R"(\d{14}\.\d{3})"},
        {tarvelin_rezezadovu_helpers_date_time_helper_datetime_with_ms_iso8601,
         R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3})"},
    };
    for (const auto& c : cases) {
        std::string text = take(c.fn());
        EXPECT_TRUE(matches(text, c.pattern)) << text;
    }
    std::string t = take(tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string_ms("%H:%M:%S", "%03lli"));
    EXPECT_TRUE(matches(t, R"(\d\d:\d\d:\d\d\.\d{3})")) << t;
    EXPECT_EQ(take(tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string("%Y")).size(), 4u);
}

// The local zone is the process's (TZ=UTC in the tests): compared with GLib's own now.
TEST(DateTimeHelper, NowIsLocalTime) {
    GDateTime* before = g_date_time_new_now_local();
    std::string text = DateTimeHelper::datetime_as_compact();
    GDateTime* after = g_date_time_new_now_local();
    std::string low = gobj::take_string(g_date_time_format(before, "%Y%m%d%H%M%S"));
    std::string high = gobj::take_string(g_date_time_format(after, "%Y%m%d%H%M%S"));
    EXPECT_LE(low, text);
    EXPECT_LE(text, high);
    g_date_time_unref(before);
    g_date_time_unref(after);
    gint64 ms = DateTimeHelper::milliseconds();
    EXPECT_GE(ms, 0);
    EXPECT_LE(ms, 999);
}

TEST(DateTimeHelper, MissingFormatsAndTheFundamentalType) {
    LogRecorder recorder;
    EXPECT_EQ(tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_date_time_helper_datetime_as_string_ms("%H", nullptr), nullptr);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'format != NULL'"), 1);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'ms_format != NULL'"), 1);

    auto* helper = tarvelin_rezezadovu_helpers_date_time_helper_new();
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(helper), "TarvelinRezezadovuHelpersDateTimeHelper");
    GValue v = G_VALUE_INIT;
    g_value_init(&v, TARVELIN_REZEZADOVU_HELPERS_TYPE_DATE_TIME_HELPER);
    tarvelin_rezezadovu_helpers_value_set_date_time_helper(&v, helper);
    EXPECT_EQ(tarvelin_rezezadovu_helpers_value_get_date_time_helper(&v), helper);
    EXPECT_EQ(helper->ref_count, 2);
    g_value_unset(&v);
    GParamSpec* p = tarvelin_rezezadovu_helpers_param_spec_date_time_helper(
        "helper", "helper", "helper", TARVELIN_REZEZADOVU_HELPERS_TYPE_DATE_TIME_HELPER, G_PARAM_READWRITE);
    EXPECT_STREQ(G_PARAM_SPEC_TYPE_NAME(p), "TarvelinRezezadovuHelpersParamSpecDateTimeHelper");
    g_param_spec_ref_sink(p);
    g_param_spec_unref(p);
    tarvelin_rezezadovu_helpers_date_time_helper_unref(helper);
}

}  // namespace
