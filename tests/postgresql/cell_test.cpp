#include <gtest/gtest.h>

#include "providers/supports/postgresql/cell.hpp"
#include "providers/supports/postgresql/type.hpp"

using namespace tarvelin::providers::supports::postgresql;

TEST(PostgresqlCellText, MoneyReadsItsNumberWhateverTheCurrencyFormat) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"$1,234.56", 1234.56}, {"-$0.50", -0.5},     {"($3.00)", -3.0},      {"1.234,56 €", 1234.56},
        {"€12,50", 12.5},       {"¥1,234", 1234.0},   {"$92,233,720.01", 92233720.01},
        {"12.34", 12.34},       {"", 0.0},            {"$0.00", 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(parse_money(c.text), c.value) << c.text;
    }
}

TEST(PostgresqlCellText, TimeOfDayKeepsItsWallClockTimeInUtc) {
    struct Case {
        const char* text;
        const char* shown;  // "%H:%M:%S" in UTC, or nullptr for no time
    } cases[] = {
        {"13:45:07", "13:45:07"},
        {"13:45:07.75", "13:45:07"},
        {"13:45:07+05:30", "13:45:07"},
        {"00:00:00-08", "00:00:00"},
        {"24:00:00", "00:00:00"},
        {"25:00:00", nullptr},
        {"noon", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        GDateTime* t = parse_time_of_day(c.text);
        if (!c.shown) {
            EXPECT_EQ(t, nullptr) << c.text;
            continue;
        }
        ASSERT_NE(t, nullptr) << c.text;
        gchar* shown = g_date_time_format(t, "%H:%M:%S");
        EXPECT_STREQ(shown, c.shown) << c.text;
        EXPECT_EQ(g_date_time_get_utc_offset(t), 0);
        g_free(shown);
        g_date_time_unref(t);
    }
}

TEST(PostgresqlCellText, TruthOfBooleanAndBitTexts) {
    EXPECT_TRUE(parse_truth("t"));
    EXPECT_FALSE(parse_truth("f"));
    EXPECT_TRUE(parse_truth("1"));
    EXPECT_FALSE(parse_truth("0"));
    EXPECT_TRUE(parse_truth("0010"));
    EXPECT_FALSE(parse_truth("0000"));
    EXPECT_FALSE(parse_truth(""));
    EXPECT_FALSE(parse_truth("true1"));
}
