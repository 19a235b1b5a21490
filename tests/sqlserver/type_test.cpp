// The db-lib type maps and the conversions of db-lib's binary column data.
#include <gtest/gtest.h>

#include <tarvelin/providers/sqlserver.h>

#include "providers/contracts/value_integer.hpp"
#include "providers/supports/sqlserver/cell.hpp"
#include "providers/supports/sqlserver/reader.hpp"
#include "providers/supports/sqlserver/type.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::supports::sqlserver;

namespace {
constexpr auto STRING = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
constexpr auto UNKNOWN = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}  // namespace

TEST(ISQLServerType, MapsColumnTypesByCodeAndLength) {
    struct Case {
        int type, length;
        TarvelinProvidersContractsDataType data_type;
        const char* name;
        int bind;
    } cases[] = {
        {31, 0, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_POINTER, "void", 0},
        {34, 16, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "image", 15},
        {36, 16, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID, "uniqueidentifier", 0},
        {38, 1, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, "tinyint", 0},
        {38, 2, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, "smallint", 0},
        {38, 4, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "int", 0},
        {38, 8, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "bigint", 0},
        {38, 3, UNKNOWN, "", 0},
        {43, 16, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, "datetimeoffset", 31},
        {47, 10, STRING, "char", 2},
        {48, 1, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, "tinyint", 6},
        {50, 1, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "bit", 16},
        {60, 8, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "money", 13},
        {62, 8, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "float(53)", 9},
        {98, 8016, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT, "sql_variant", 0},
        {103, 100, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "nvarchar", 2},
        {106, 9, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "decimal", 18},
        {108, 9, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "decimal", 17},
        {109, 4, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "float(24)", 0},
        {109, 8, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "float(53)", 0},
        {109, 2, UNKNOWN, "", 0},
        {110, 4, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "smallmoney", 0},
        {110, 16, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "", 0},
        {111, 4, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "smalldatetime", 0},
        {111, 8, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "datetime", 0},
        {122, 4, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "smallmoney", 14},
        {127, 8, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "bigint", 30},
        {175, 10, STRING, "", 2},
        {239, 10, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "nchar", 2},
        // Bind types exist for codes 34 to 239 only.
        {241, 0, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML, "xml", 0},
        {243, 0, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, "table", 0},
        // Codes the maps do not name.
        {0, 0, STRING, "", 0},
        {55, 4, STRING, "", 0},
        {200, 4, STRING, "", 0},
    };
    // Through the C face, on a reader (which implements the interface).
    GObject* reader = G_OBJECT(g_object_new(TARVELIN_PROVIDERS_SUPPORTS_TYPE_SQL_SERVER_READER, nullptr));
    auto* self = reinterpret_cast<TarvelinProvidersSupportsISQLServerType*>(reader);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.length);
        EXPECT_EQ(tarvelin_providers_supports_isql_server_type_map_data_type(self, c.type, c.length), c.data_type);
        gchar* name = tarvelin_providers_supports_isql_server_type_map_dbms_type(self, c.type, c.length);
        EXPECT_STREQ(name, c.name);
        g_free(name);
        EXPECT_EQ(tarvelin_providers_supports_isql_server_type_map_bind_type(self, c.type), c.bind);
    }
    g_object_unref(reader);
}

TEST(SqlServerCells, NumbersMoneyAndTruthFromBinaryData) {
    // money -1.5: high word first (negative), then the low word.
    const guint8 money[] = {0xff, 0xff, 0xff, 0xff, 0x68, 0xc5, 0xff, 0xff};
    EXPECT_DOUBLE_EQ(cell::money(money, 8), -1.5);
    const guint8 big_money[] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};  // 2^32 / 10^4
    EXPECT_DOUBLE_EQ(cell::money(big_money, 8), 429496.7296);
    const guint8 small_money[] = {0x1c, 0xa8, 0xff, 0xff};  // smallmoney: one 32-bit word
    EXPECT_DOUBLE_EQ(cell::money(small_money, 4), -2.25);
    EXPECT_DOUBLE_EQ(cell::money(nullptr, 0), 0.0);

    const guint8 zero = 0, two = 2;
    EXPECT_FALSE(cell::boolean(&zero, 1));
    EXPECT_TRUE(cell::boolean(&two, 1));
    EXPECT_FALSE(cell::boolean(nullptr, 0));

    const guint8 int32[] = {0xfe, 0xff, 0xff, 0xff};
    EXPECT_EQ(cell::number<gint32>(int32, 4), -2);
    EXPECT_EQ(cell::number<guint8>(int32, 4), 0xfe);
    EXPECT_EQ(cell::number<gint64>(int32, 4), 0xfffffffe);  // a short buffer reads as far as it goes
    EXPECT_EQ(cell::number<gint32>(nullptr, 0), 0);
}

TEST(SqlServerCells, TextsAndBytes) {
    const guint8 text[] = {'a', 'b', 0, 'c'};
    EXPECT_EQ(cell::text(text, 4), "ab");  // ends at the first NUL
    EXPECT_EQ(cell::text(text, 0), "");
    const guint8 hex[] = {'\\', 'x', '4', '1'};
    EXPECT_EQ(cell::bytes(hex, 4), (std::vector<guint8>{'\\', 'x', '4', '1'}));  // never hex-decoded
    EXPECT_TRUE(cell::bytes(hex, 0).empty());

    // dbconvert pads to the capacity and writes no terminator.
    const char padded[] = "-12.345     ";
    EXPECT_EQ(cell::converted_text(padded, 12, 7), "-12.345");
    EXPECT_EQ(cell::converted_text(padded, 12, -1), "");
    const char full[4] = {'1', '2', '3', '4'};
    EXPECT_EQ(cell::converted_text(full, 4, 4), "1234");

    struct Case {
        std::vector<guint8> bytes;
        const char* dump;
    } variants[] = {
        {{0xff}, "TarvelinProvidersContractsValueUInt8 => 255"},
        {{0xfe, 0xff}, "TarvelinProvidersContractsValueInt16 => -2"},
        {{0xfe, 0xff, 0xff, 0xff}, "TarvelinProvidersContractsValueInt32 => -2"},
        {{1, 0, 0, 0, 0, 0, 0, 0x80}, "TarvelinProvidersContractsValueInt64 => -9223372036854775807"},
        {{'a', 'b', 'c'}, "TarvelinProvidersContractsValueString => abc"},
    };
    for (const Case& c : variants)
        EXPECT_EQ(SQLServerReader::variant_value(c.bytes.data(), static_cast<int>(c.bytes.size()))->dump(), c.dump);
}

TEST(SqlServerCells, DatesAndTimes) {
    auto text = [](GDateTime* t) {
        gchar* s = g_date_time_format(t, "%F %T");
        std::string r = s;
        g_free(s);
        g_date_time_unref(t);
        return r;
    };
    using P = cell::DateParts;
    const std::optional<P> none;
    EXPECT_EQ(text(cell::datetime(P{1900, 1, 1, 0, 0, 0, 0})), "1900-01-01 00:00:00");  // not the epoch
    EXPECT_EQ(text(cell::datetime(P{})), "1970-01-01 00:00:00");  // all parts 0
    EXPECT_EQ(text(cell::datetime(none)), "1970-01-01 00:00:00");  // db-lib could not split it
    EXPECT_EQ(text(cell::datetime(P{2020, 5, 6, 7, 8, 9, 999999999})), "2020-05-06 07:08:09");

    EXPECT_EQ(text(cell::time(P{2020, 5, 6, 7, 8, 9, 0}, false, "")), "1970-01-01 07:08:09");
    EXPECT_EQ(text(cell::time(none, true, "2020-01-02T03:04:05Z")), "2020-01-02 03:04:05");
    EXPECT_EQ(text(cell::time(none, true, "03:04:05")), "1970-01-01 00:00:00");

    EXPECT_EQ(cell::timespan(P{2022, 1, 1, 10, 0, 0, 500}, false), 1641031200);
    EXPECT_EQ(cell::timespan(P{2022, 1, 1, 10, 0, 0, 500}, true), 0);
    EXPECT_EQ(cell::timespan(none, false), 0);

    GDate d;
    cell::date(P{2021, 2, 3, 0, 0, 0, 0}, &d);
    ASSERT_TRUE(g_date_valid(&d));
    EXPECT_EQ(g_date_get_year(&d), 2021);
    EXPECT_EQ(g_date_get_month(&d), G_DATE_FEBRUARY);
    EXPECT_EQ(g_date_get_day(&d), 3);
    cell::date(P{1, 1, 178, 0, 0, 0, 0}, &d);
    EXPECT_FALSE(g_date_valid(&d));
    cell::date(none, &d);
    EXPECT_FALSE(g_date_valid(&d));
}
