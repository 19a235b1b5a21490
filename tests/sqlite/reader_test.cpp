#include "sqlite/fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using providers::contracts::IDataReader;
using RV = providers::contracts::IDataReader::Vtable;

namespace {

class SqliteReaderTest : public SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        affect("CREATE TABLE t (id INTEGER, txt TEXT, num REAL, bin BLOB)");
        affect("INSERT INTO t VALUES (1, '2024-03-05T07:08:09', 1.5, x'00ff10')");
        affect("INSERT INTO t VALUES (2, '2024-03-05', -2.25, x'')");
        affect("INSERT INTO t VALUES (3, '0x10', 3e0, NULL)");
    }
    // The reader execute_reader hands out, as its own C++ class.
    gobj::Ref<SQLiteReader> reader(const std::string& sql) {
        return gobj::ref_cast<SQLiteReader>(gobj::call<&PV::execute_reader>(p(), sql));
    }
};

}  // namespace

TEST_F(SqliteReaderTest, StandsOnTheFirstRowAndReadsForwardOnly) {
    auto r = reader("SELECT id, txt FROM t ORDER BY id");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->get_field_count(), 2);
    gint count = 0;
    g_object_get(r.gobj(), "field-count", &count, nullptr);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(r->get_name(1), "txt");
    EXPECT_EQ(r->get_dbms_type(0), "INTEGER");
    EXPECT_EQ(r->get_int64(0), 1);  // before any read
    EXPECT_TRUE(r->read());
    EXPECT_EQ(r->get_int64(0), 2);
    EXPECT_TRUE(r->read());
    EXPECT_FALSE(r->get_is_closed());
    EXPECT_FALSE(r->read());
    EXPECT_TRUE(r->get_is_closed());
    // A finished statement is not run again from the start.
    EXPECT_FALSE(r->read());
    EXPECT_FALSE(r->bulk());
    r->close();
    gobj::Error e = error_of([&] { r->get_int64(0); });
    EXPECT_TRUE(e.matches("SQLite"));
    EXPECT_EQ(e.message(), "The reader is closed.");
}

TEST_F(SqliteReaderTest, QueryWithoutRowsGivesAClosedReaderAndAStatementWithoutColumnsFails) {
    auto empty = reader("SELECT id FROM t WHERE 0");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->get_is_closed());
    EXPECT_EQ(empty->get_name(0), "id");
    EXPECT_FALSE(empty->read());

    gobj::Error e = error_of([&] { gobj::call<&PV::execute_reader>(p(), "UPDATE t SET id = id"); });
    EXPECT_TRUE(e.matches("SQLite"));
    EXPECT_EQ(e.code(), -1);
    EXPECT_EQ(e.message(), "No data return by non-select statement");
}

TEST_F(SqliteReaderTest, TypedGettersConvertTheCurrentCell) {
    auto r = reader("SELECT id, txt, num, bin, 300, -1, 'yes', 0 FROM t ORDER BY id");
    // Row 1: an ISO 8601 date and time without an offset is that instant in UTC.
    gobj::DateTime when = r->get_datetime(1);
    ASSERT_TRUE(when);
    EXPECT_EQ(g_date_time_to_unix(when.get()), 1709622489);
    EXPECT_EQ(gobj::take_string(g_date_time_format(when.get(), "%H:%M:%S %z")), "07:08:09 +0000");
    EXPECT_TRUE(r->get_timestamp(1));
    EXPECT_EQ(r->get_float(2), 1.5f);
    EXPECT_EQ(r->get_binary(3), (std::vector<guint8>{0x00, 0xff, 0x10}));
    EXPECT_EQ(r->get_size(3), 3u);
    EXPECT_EQ(r->get_int8(4), gint8(300 & 0xff));  // cut to the width of the result
    EXPECT_EQ(r->get_uint8(5), 255);
    EXPECT_EQ(r->get_uint64(5), G_MAXUINT64);
    EXPECT_TRUE(r->get_boolean(0));
    EXPECT_FALSE(r->get_boolean(7));
    EXPECT_FALSE(r->get_boolean(6));  // a text that is no number reads 0
    EXPECT_EQ(r->get_string(1), "2024-03-05T07:08:09");
    EXPECT_EQ(r->get_guid(1), r->get_string16(1));

    // Row 2: a date alone is no date-time, but a date.
    ASSERT_TRUE(r->read());
    EXPECT_FALSE(r->get_datetime(1));
    GDate date;
    g_date_clear(&date, 1);
    r->get_date(1, date);
    ASSERT_TRUE(g_date_valid(&date));
    EXPECT_EQ(g_date_get_year(&date), 2024);
    EXPECT_EQ(g_date_get_day(&date), 5);
    EXPECT_TRUE(r->get_binary(3).empty());
    EXPECT_EQ(r->get_double(2), -2.25);
    EXPECT_EQ(r->get_money(2), -2.25);

    // Row 3: the time span reads "0x" as hexadecimal; a NULL cell has no text.
    ASSERT_TRUE(r->read());
    EXPECT_EQ(r->get_timespan(1), 16);
    EXPECT_TRUE(r->is_null(3));
    EXPECT_EQ(r->get_data_type(3), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL);
    EXPECT_EQ(r->get_string(3), std::nullopt);
    EXPECT_EQ(r->get_timespan(3), 0);
    GDate none;
    g_date_clear(&none, 1);
    r->get_date(3, none);
    EXPECT_FALSE(g_date_valid(&none));
}

TEST_F(SqliteReaderTest, ValuesFollowTheStorageClassOfEachCell) {
    affect("CREATE TABLE mixed (v)");
    affect("INSERT INTO mixed VALUES (5), ('five'), (5.5), (x'05'), (NULL)");
    auto r = reader("SELECT v FROM mixed ORDER BY rowid");
    std::vector<std::string> kinds;
    do {
        kinds.push_back(kind(gobj::call<&RV::get_value>(r.instance(), 0)));
    } while (r->read());
    EXPECT_EQ(kinds, (std::vector<std::string>{
                         "TarvelinProvidersContractsValueInt64", "TarvelinProvidersContractsValueString",
                         "TarvelinProvidersContractsValueDouble", "TarvelinProvidersContractsValueBlob",
                         "TarvelinProvidersContractsValueNull"}));
}

TEST_F(SqliteReaderTest, AnOrdinalPastTheLastColumnRaises) {
    auto r = reader("SELECT id FROM t");
    gobj::Error e = error_of([&] { r->get_string(1); });
    EXPECT_TRUE(e.matches("SQLite"));
    EXPECT_EQ(e.code(), 25);  // SQLITE_RANGE
    GError* error = nullptr;
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_value(
                  TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(r.instance()), 7, &error),
              nullptr);
    ASSERT_NE(error, nullptr);
    g_error_free(error);
}

TEST_F(SqliteReaderTest, AHandedOutReaderOutlivesItsProvider) {
    auto r = reader("SELECT id FROM t ORDER BY id");
    gobj::call<&PV::close>(p());
    provider.reset();
    EXPECT_EQ(r->get_int64(0), 1);
    EXPECT_TRUE(r->read());
    EXPECT_EQ(r->get_int64(0), 2);
    r->close();
}

