// The value factory and its 32-bit C library conversions.
#include <tarvelin/providers/providers.h>

#include <cmath>

#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_factory.hpp"
#include "providers/contracts/value_object.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using namespace tarvelin::providers::contracts::text_number;
using value_test::text_of;

TEST(FactoryConversions, Atoi32) {
    struct Case {
        const char* text;
        gint32 value;
    } cases[] = {
        {"0", 0},           {"42", 42},          {"-42", -42},         {"+7", 7},
        {"  \t\n12", 12},   {"010", 10},         {"0x10", 0},          {"12abc", 12},
        {"abc", 0},         {"", 0},             {"- 5", 0},           {"--5", 0},
        {"2147483647", 2147483647},              {"2147483648", 2147483647},
        {"99999999999999999999", 2147483647},    {"-2147483648", G_MININT32},
        {"-2147483649", G_MININT32},             {"-99999999999999999999", G_MININT32},
        {"1.9", 1},         {"3e2", 3},          {"\v\f\r-0", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(atoi32(c.text), c.value) << '"' << c.text << '"';
}

TEST(FactoryConversions, Strtoul32) {
    struct Case {
        const char* text;
        guint32 value;
    } cases[] = {
        {"0", 0},
        {"10", 10},
        {"010", 8},
        {"0x10", 16},
        {"0X1f", 31},
        {"0x", 0},
        {"0xg", 0},
        {"08", 0},
        {"-1", 4294967295u},
        {"-0x10", 4294967280u},
        {"+5", 5},
        {"  9z", 9},
        {"4294967295", 4294967295u},
        {"4294967296", 4294967295u},
        {"-4294967296", 4294967295u},
        {"0xFFFFFFFFF", 4294967295u},
        {"-4294967295", 1},
        {"", 0},
        {"x", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(strtoul32(c.text), c.value) << '"' << c.text << '"';
}

TEST(FactoryConversions, SinglePrecision) {
    EXPECT_EQ(strtof_widened("0.1"), static_cast<double>(0.1f));
    EXPECT_EQ(strtof_widened("123456789.123"), static_cast<double>(123456789.123f));
    EXPECT_EQ(strtof_widened("1e39"), HUGE_VAL);
    EXPECT_EQ(strtof_widened("-1e39"), -HUGE_VAL);
    EXPECT_EQ(strtof_widened("2.5e1xyz"), 25.0);
    EXPECT_EQ(strtof_widened("1,5"), 1.0);  // "." is the only decimal point
    EXPECT_EQ(strtof_widened("junk"), 0.0);
}

TEST(Factory, ValueOfEachTypeFromText) {
    struct Case {
        int type;          // a number, so that one outside the enumeration stays defined
        const char* text;  // nullptr: the type's default
        const char* class_name;
        const char* shown;
    } cases[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL, "anything", "TarvelinProvidersContractsValueNull", ""},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "true", "TarvelinProvidersContractsValueBoolean", "true"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "TRUE", "TarvelinProvidersContractsValueBoolean", "false"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "1", "TarvelinProvidersContractsValueBoolean", "false"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "", "TarvelinProvidersContractsValueBoolean", "false"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, nullptr, "TarvelinProvidersContractsValueBoolean", "false"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, "300", "TarvelinProvidersContractsValueInt8", "44"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, "-129", "TarvelinProvidersContractsValueInt8", "127"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, "70000", "TarvelinProvidersContractsValueInt16", "4464"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "010", "TarvelinProvidersContractsValueInt32", "10"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "0x10", "TarvelinProvidersContractsValueInt32", "0"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "3000000000", "TarvelinProvidersContractsValueInt32",
         "2147483647"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, nullptr, "TarvelinProvidersContractsValueInt32", "0"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "010", "TarvelinProvidersContractsValueInt64", "8"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "0x10", "TarvelinProvidersContractsValueInt64", "16"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "99999999999999999999", "TarvelinProvidersContractsValueInt64",
         "9223372036854775807"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "-99999999999999999999", "TarvelinProvidersContractsValueInt64",
         "-9223372036854775808"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, "-1", "TarvelinProvidersContractsValueUInt8", "255"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16, "0x12345", "TarvelinProvidersContractsValueUInt16", "9029"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, "-1", "TarvelinProvidersContractsValueUInt32", "4294967295"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, "010", "TarvelinProvidersContractsValueUInt32", "8"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, "0x10", "TarvelinProvidersContractsValueUInt32", "16"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "-1", "TarvelinProvidersContractsValueUInt64",
         "18446744073709551615"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "99999999999999999999999", "TarvelinProvidersContractsValueUInt64",
         "18446744073709551615"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "0x10", "TarvelinProvidersContractsValueUInt64", "16"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "19.99", "TarvelinProvidersContractsValueMoney", "19.990000"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "123456789.125", "TarvelinProvidersContractsValueMoney",
         "123456792.000000"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "0.1", "TarvelinProvidersContractsValueFloat", "0.100000"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "123456789.125", "TarvelinProvidersContractsValueDouble",
         "123456789.125000"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "1e3", "TarvelinProvidersContractsValueDouble", "1000.000000"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "x", "TarvelinProvidersContractsValueDouble", "0.000000"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "2024-03-05T10:00:00", "TarvelinProvidersContractsValueDate",
         "2024-03-05"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "2024-03-05", "TarvelinProvidersContractsValueDate", "1970-01-01"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "2024-03-05T07:08:09.5", "TarvelinProvidersContractsValueTime",
         "07:08:09"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "07:08:09", "TarvelinProvidersContractsValueTime", "00:00:00"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "2024-03-05T07:08:09",
         "TarvelinProvidersContractsValueDateTime", "2024-03-05 07:08:09"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, "bad", "TarvelinProvidersContractsValueDateTime",
         "1970-01-01 00:00:00"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, "0x10", "TarvelinProvidersContractsValueTimeSpan", ""},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "text", "TarvelinProvidersContractsValueString", "text"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, nullptr, "TarvelinProvidersContractsValueString", ""},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID, "not-a-uuid", "TarvelinProvidersContractsValueUuid", "not-a-uuid"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID, nullptr, "TarvelinProvidersContractsValueUuid", ""},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON, "{", "TarvelinProvidersContractsValueJson", "{"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "abc", "TarvelinProvidersContractsValueBinary", "abc"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, nullptr, "TarvelinProvidersContractsValueBinary", ""},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "\xFF", "TarvelinProvidersContractsValueBlob", "FF"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, "ignored", "TarvelinProvidersContractsValueObject", ""},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "12.5", "TarvelinProvidersContractsValueXml", "12.5"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, "small", "TarvelinProvidersContractsValueXml", "small"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET, "a,b", "TarvelinProvidersContractsValueXml", "a,b"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, "POINT(1 2)", "TarvelinProvidersContractsValueXml",
         "POINT(1 2)"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, nullptr, "TarvelinProvidersContractsValueXml", ""},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR, "e", "TarvelinProvidersContractsValueXml", "e"},
        {40, "far", "TarvelinProvidersContractsValueXml", "far"},
    };
    for (const auto& c : cases) {
        auto* v = tarvelin_providers_contracts_ivalue_factory(TarvelinProvidersContractsDataType(c.type), c.text);
        ASSERT_NE(v, nullptr);
        EXPECT_STREQ(G_OBJECT_TYPE_NAME(v), c.class_name) << c.type << " " << (c.text ? c.text : "(null)");
        EXPECT_EQ(text_of(tarvelin_providers_contracts_value_object_to_string(v)), c.shown)
            << c.type << " " << (c.text ? c.text : "(null)");
        g_object_unref(v);
    }
}

TEST(Factory, MoneyKeepsSinglePrecisionDoubleKeepsAll) {
    auto money = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "12345678.91");
    auto dbl = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "12345678.91");
    EXPECT_EQ(tarvelin_providers_contracts_inumeric_to_double(TARVELIN_PROVIDERS_CONTRACTS_INUMERIC(money.gobj())),
              static_cast<double>(12345678.91f));
    EXPECT_EQ(tarvelin_providers_contracts_inumeric_to_double(TARVELIN_PROVIDERS_CONTRACTS_INUMERIC(dbl.gobj())),
              12345678.91);
}

TEST(Factory, DefaultsWithoutText) {
    auto span = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, nullptr);
    EXPECT_EQ(gobj::cast<ValueTimeSpan>(span.instance())->get_itsvalue(), 0);
    auto span16 = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, "0x10");
    EXPECT_EQ(gobj::cast<ValueTimeSpan>(span16.instance())->get_itsvalue(), 16);

    // Date-times without a text are the current moment.
    gint64 before = g_get_real_time() / G_USEC_PER_SEC;
    for (auto type : {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME,
                      TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP}) {
        auto v = IValue::factory(type, nullptr);
        gint64 at = g_date_time_to_unix(gobj::cast<ValueDateTime>(v.instance())->get_itsvalue());
        EXPECT_GE(at, before);
        EXPECT_LE(at, before + 5);
    }
    auto now = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, nullptr);
    EXPECT_NE(now->to_string(), "(NULL)");

    gint length = -1;
    auto bin = IValue::factory(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, nullptr);
    EXPECT_EQ(tarvelin_providers_contracts_value_binary_to_bytes(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(bin.gobj()),
                                                                 &length),
              nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(g_bytes_get_size(tarvelin_providers_contracts_value_binary_get_itsvalue(
                  TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(bin.gobj()))),
              0u);
}
