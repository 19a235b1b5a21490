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

TEST(PostgresqlCellText, TimeOfDayKeepsItsMicroseconds) {
    for (auto [text, microsecond] : {std::pair{"00:00:00.000001", 1}, {"23:59:59.999999", 999999}, {"12:00:00.5", 500000}}) {
        GDateTime* t = parse_time_of_day(text);
        ASSERT_NE(t, nullptr) << text;
        EXPECT_EQ(g_date_time_get_microsecond(t), microsecond) << text;
        g_date_time_unref(t);
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
        {"24:00:00.000001", nullptr},
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

// Every field of the server's ISO text, the fraction to the microsecond and the offset to
// the second; a stamp outside years 1 to 9999 of the common era makes no date-time.
TEST(PostgresqlCellText, StampsReadEveryFieldAndOnlyYearsOneTo9999MakeADateTime) {
    struct Case {
        const char* text;
        const char* utc;  // "%Y-%m-%d %H:%M:%S.%f" of the date-time in UTC, or nullptr for none
    } cases[] = {
        {"0001-01-01", "1-01-01 00:00:00.000000"},
        {"9999-12-31", "9999-12-31 00:00:00.000000"},
        {"0001-01-01 00:00:00", "1-01-01 00:00:00.000000"},
        {"9999-12-31 23:59:59.999999", "9999-12-31 23:59:59.999999"},
        {"2000-01-01 00:00:00.000001", "2000-01-01 00:00:00.000001"},
        {"1969-12-31 23:59:59.5", "1969-12-31 23:59:59.500000"},
        {"2024-02-29 12:34:56.5+05:30", "2024-02-29 07:04:56.500000"},
        {"2024-02-29 00:00:00-12", "2024-02-29 12:00:00.000000"},
        {"1900-01-01 00:00:00+00:19:32", "1899-12-31 23:40:28.000000"},
        {"2000-02-29", "2000-02-29 00:00:00.000000"},
        {"1900-02-29", nullptr},
        {"0044-03-15 BC", nullptr},
        {"0001-01-01 00:00:00 BC", nullptr},
        {"10000-01-01 00:00:00", nullptr},
        {"infinity", nullptr},
        {"-infinity", nullptr},
        {"01/02/2024", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        GDateTime* t = stamp_date_time(parse_stamp(c.text));
        if (!c.utc) {
            EXPECT_EQ(t, nullptr) << c.text;
            if (t) g_date_time_unref(t);
            continue;
        }
        ASSERT_NE(t, nullptr) << c.text;
        GDateTime* utc = g_date_time_to_utc(t);
        gchar* shown = g_date_time_format(utc, "%Y-%m-%d %H:%M:%S.%f");
        EXPECT_STREQ(shown, c.utc) << c.text;
        g_free(shown);
        g_date_time_unref(utc);
        g_date_time_unref(t);
    }
    EXPECT_EQ(parse_stamp("10000-01-01").year, 10000);
    EXPECT_TRUE(parse_stamp("0044-03-15 BC").before_christ);
}

// What no date-time holds reads as text; a date that fits, and a text that is no date at
// all (which the getters refuse), do not.
TEST(PostgresqlCellText, OnlyDatesOutsideTheYearsADateTimeHoldsAreBeyondDates) {
    for (const char* beyond : {"infinity", "-infinity", "0044-03-15 BC", "0001-01-01 00:00:00 BC",
                               "0100-06-01 12:00:00+00 BC", "10000-01-01", "10000-01-01 00:00:00",
                               "294276-12-31 23:59:59.999999+00"})
        EXPECT_TRUE(beyond_dates(beyond)) << beyond;
    for (const char* within : {"0001-01-01", "9999-12-31 23:59:59.999999", "2024-02-29 12:00:00+05:30", "", "01/02/2024",
                               "05.03.2024", "Tue 05 Mar 07:08:09 2024", "infinite", "10000-13-01", "BC"})
        EXPECT_FALSE(beyond_dates(within)) << within;
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
