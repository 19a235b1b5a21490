// The type map over a table holding one column of every common type, and the cell
// readings that need more than a number parser.
#include <unistd.h>

#include <clocale>
#include <functional>

#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_datetime.hpp"
#include "postgresql/fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using providers::contracts::ValueBinary;
using providers::contracts::ValueDateTime;

namespace {

struct Column {
    const char* name;
    const char* sql_type;
    const char* literal;
    const char* data_type;  // nick of the column's DataType
    const char* dbms_type;
    const char* value;      // kind=text of the cell holding `literal`
};

const Column kColumns[] = {
    {"c_bool", "boolean", "true", "boolean", "BOOLEAN", "ValueBoolean=true"},
    {"c_int2", "smallint", "-12", "int16", "INT2", "ValueInt16=-12"},
    {"c_int4", "integer", "2147483647", "int32", "INT4", "ValueInt32=2147483647"},
    {"c_int8", "bigint", "-9007199254740993", "int64", "INT8", "ValueInt64=-9007199254740993"},
    {"c_float4", "real", "1.5", "float", "FLOAT4", "ValueFloat=1.500000"},
    {"c_float8", "double precision", "-2.25", "double", "FLOAT8", "ValueDouble=-2.250000"},
    {"c_numeric", "numeric(10,3)", "1234.125", "double", "NUMERIC", "ValueDouble=1234.125000"},
    {"c_money", "money", "1234.5", "money", "MONEY", "ValueMoney=1234.500000"},
    {"c_text", "text", "'héllo'", "string", "TEXT", "ValueString=héllo"},
    {"c_varchar", "varchar(10)", "'v'", "string", "VARCHAR", "ValueString=v"},
    {"c_bpchar", "char(3)", "'ab'", "string", "BPCHAR", "ValueString=ab "},
    {"c_char", "\"char\"", "'r'", "string", "CHAR", "ValueString=r"},
    {"c_name", "name", "'pg_class'", "string", "NAME", "ValueString=pg_class"},
    {"c_bytea", "bytea", "'\\x0a0b00ff'", "binary", "BYTEA", "ValueBinary=\n\x0b"},
    {"c_date", "date", "'2024-03-05'", "date", "DATE", "ValueDate=2024-03-05"},
    {"c_time", "time", "'13:45:07.25'", "time", "TIME", "ValueTime=13:45:07"},
    {"c_timetz", "timetz", "'13:45:07+05:30'", "time", "TIMETZ", "ValueTime=13:45:07"},
    {"c_ts", "timestamp", "'2024-03-05 07:08:09.5'", "timestamp", "TIMESTAMP", "ValueDateTime=2024-03-05 07:08:09"},
    {"c_tstz", "timestamptz", "'2024-03-05 09:08:09+02'", "timestamp", "TIMESTAMPTZ",
     "ValueDateTime=2024-03-05 07:08:09"},
    {"c_interval", "interval", "'1 day 02:00:00'", "object", "INTERVAL", "ValueBinary=1 day 02:00:00"},
    {"c_uuid", "uuid", "'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11'", "uuid", "UUID",
     "ValueUuid=a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11"},
    {"c_json", "json", "'{\"a\": 1}'", "json", "JSON", "ValueJson={\"a\": 1}"},
    {"c_jsonb", "jsonb", "'{\"b\": [1, 2]}'", "json", "JSONB", "ValueJson={\"b\": [1, 2]}"},
    {"c_xml", "xml", "'<a>x</a>'", "xml", "XML", "ValueXml=<a>x</a>"},
    {"c_inet", "inet", "'192.168.0.1/24'", "object", "INET", "ValueBinary=192.168.0.1/24"},
    {"c_point", "point", "'(1.5,2)'", "geometry", "POINT", "ValueGeometry=(1.5,2)"},
    {"c_polygon", "polygon", "'((0,0),(1,1),(1,0))'", "geometry", "POLYGON", "ValueGeometry=((0,0),(1,1),(1,0))"},
    {"c_bit", "bit(1)", "B'1'", "boolean", "BIT", "ValueBoolean=true"},
    {"c_varbit", "varbit", "B'101'", "object", "VARBIT", "ValueBinary=101"},
    {"c_array", "integer[]", "'{1,2,3}'", "array", "ARRAY", "ValueString={1,2,3}"},
    {"c_oid", "oid", "4000000000", "uint64", "OID", "ValueUInt64=4000000000"},
};

class PostgresqlTypes : public PostgresqlTest {
protected:
    void SetUp() override {
        PostgresqlTest::SetUp();
        if (HasFatalFailure() || IsSkipped()) return;
        std::string create = "CREATE TEMP TABLE every_type (", values = "INSERT INTO every_type VALUES (";
        for (const Column& c : kColumns) {
            create += std::string(c.name) + " " + c.sql_type + ",";
            values += std::string(c.literal) + ",";
        }
        create.back() = ')';
        values.back() = ')';
        affect(create);
        affect(values);
        affect("INSERT INTO every_type DEFAULT VALUES");  // a row of NULLs
    }
};

}  // namespace

TEST_F(PostgresqlTypes, EveryCommonTypeMapsToItsDataTypeAndValue) {
    auto table = model("SELECT * FROM every_type ORDER BY c_int4 NULLS LAST");
    auto heads = column_heads(*table);
    auto rows = cells(*table);
    ASSERT_EQ(heads.size(), std::size(kColumns));
    ASSERT_EQ(rows.size(), 2u);
    auto r = gobj::ref_cast<PostgreSQLReader>(
        gobj::call<&PV::execute_reader>(p(), "SELECT * FROM every_type ORDER BY c_int4 NULLS LAST"));
    for (std::size_t i = 0; i < std::size(kColumns); ++i) {
        const Column& c = kColumns[i];
        EXPECT_EQ(heads[i], std::string(c.name) + ":" + c.data_type);
        EXPECT_EQ(r->get_dbms_type(guint16(i)), c.dbms_type) << c.name;
        EXPECT_EQ(rows[0][i], c.value) << c.name;
        EXPECT_EQ(rows[1][i], "ValueNull=") << c.name;
    }
}

TEST_F(PostgresqlTypes, CellReadingsOfTheTextFormat) {
    auto r = gobj::ref_cast<PostgreSQLReader>(gobj::call<&PV::execute_reader>(
        p(), "SELECT '\\x0a0b'::bytea, '\\x'::bytea, 'a\\000b'::bytea, B'0'::bit(1), '-$1,234.50'::money, "
             "'13:45:07'::time, '2024-03-05 07:08:09+00'::timestamptz, 'infinity'::timestamp, '24:00'::time"));
    ASSERT_TRUE(r->read());
    EXPECT_EQ(r->get_binary(0), (std::vector<guint8>{0x0a, 0x0b}));
    EXPECT_TRUE(r->get_binary(1).empty());
    EXPECT_EQ(r->get_binary(2), (std::vector<guint8>{'a', 0, 'b'}));
    EXPECT_FALSE(r->get_boolean(3));
    EXPECT_DOUBLE_EQ(r->get_money(4), -1234.5);
    auto time = r->get_time(5);
    ASSERT_TRUE(time);
    EXPECT_EQ(gobj::take_string(g_date_time_format(time.get(), "%H:%M:%S")), "13:45:07");
    auto ts = r->get_timestamp(6);
    ASSERT_TRUE(ts);
    EXPECT_EQ(g_date_time_to_unix(ts.get()), 1709622489);
    // No date-time holds infinity: the getter refuses it, the cell is its text.
    EXPECT_THROW(r->get_datetime(7), gobj::Error);
    EXPECT_TRUE(r->holds_text_of_no_date(7));
    auto infinity = r->get_value(7);
    EXPECT_EQ(kind(infinity), "TarvelinProvidersContractsValueString");
    EXPECT_EQ(infinity->exact_text(), "infinity");
    EXPECT_TRUE(r->get_time(8));

    // The older escape output of bytea decodes to the same bytes.
    affect("SET bytea_output = 'escape'");
    auto escaped = gobj::ref_cast<PostgreSQLReader>(gobj::call<&PV::execute_reader>(p(), "SELECT '\\x0a0bff'::bytea"));
    ASSERT_TRUE(escaped->read());
    EXPECT_EQ(escaped->get_binary(0), (std::vector<guint8>{0x0a, 0x0b, 0xff}));
}

// A date the server holds and no date-time can reads as the server's text, beside the
// dates of its column, through the reader and the table model alike: the table reads and
// nothing is lost.
TEST_F(PostgresqlTest, DatesNoDateTimeHoldsReadAsTheServersText) {
    struct Case {
        const char* type;
        const char* literal;
        const char* value;  // kind=text of the cell
    } cases[] = {
        {"date", "'2024-02-29'", "ValueDate=2024-02-29"},
        {"date", "'infinity'", "ValueString=infinity"},
        {"date", "'-infinity'", "ValueString=-infinity"},
        {"date", "'0044-03-15 BC'", "ValueString=0044-03-15 BC"},
        {"date", "'10000-01-01'", "ValueString=10000-01-01"},
        {"timestamp", "'2024-02-29 12:34:56.5'", "ValueDateTime=2024-02-29 12:34:56"},
        {"timestamp", "'0001-01-01 00:00:00 BC'", "ValueString=0001-01-01 00:00:00 BC"},
        {"timestamp", "'10000-01-01 00:00:00'", "ValueString=10000-01-01 00:00:00"},
        {"timestamp", "'infinity'", "ValueString=infinity"},
        {"timestamptz", "'-infinity'", "ValueString=-infinity"},
        {"timestamptz", "'0100-06-01 12:00:00+00 BC'", "ValueString=0100-06-01 12:00:00+00 BC"},
        {"timestamptz", "'2024-02-29 12:00:00+00'", "ValueDateTime=2024-02-29 12:00:00"},
    };
    affect("CREATE TEMP TABLE unheld_dates (k integer, d date, ts timestamp, tz timestamptz)");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string column = std::string(cases[i].type) == "date" ? "d" : cases[i].type[9] ? "tz" : "ts";
        affect("INSERT INTO unheld_dates (k, " + column + ") VALUES (" + std::to_string(i) + ", " + cases[i].literal +
               ")");
    }
    const std::string select = "SELECT k, d, ts, tz FROM unheld_dates ORDER BY k";
    auto rows = cells(*model(select));
    ASSERT_EQ(rows.size(), std::size(cases));
    auto r = gobj::ref_cast<PostgreSQLReader>(gobj::call<&PV::execute_reader>(p(), select));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(std::string(c.type) + " " + c.literal);
        const std::size_t column = std::string(c.type) == "date" ? 1 : c.type[9] ? 3 : 2;
        EXPECT_EQ(rows[i][column], c.value) << "from the table model";
        ASSERT_TRUE(r->read());
        auto value = r->get_value(static_cast<guint16>(column));
        std::string k = kind(value);
        EXPECT_EQ(k.substr(std::string("TarvelinProvidersContracts").size()) + "=" + value->to_string(), c.value)
            << "from the reader";
    }
}

// The session reads and writes in the styles its parsers expect whatever the database
// sets for its sessions, and keeps the database's order of day and month for input.
TEST_F(PostgresqlTest, DatesReadTheSameUnderAnotherDefaultDateStyle) {
    const std::string database = "tarvelin_styles_" + std::to_string(getpid());
    affect("CREATE DATABASE " + database);
    struct Finally {
        std::function<void()> run;
        ~Finally() { run(); }
    } drop{[&] {
        try {
            affect("DROP DATABASE IF EXISTS " + database + " WITH (FORCE)");
        } catch (const gobj::Error& e) {
            ADD_FAILURE() << e.what();
        }
    }};
    affect("ALTER DATABASE " + database + " SET DateStyle = 'SQL, DMY'");
    affect("ALTER DATABASE " + database + " SET IntervalStyle = 'sql_standard'");
    {
        auto other = PostgreSQLProvider::create();
        auto there = pg_record(*pg);
        there->set_initial(database);
        gobj::call<&PV::open>(other.instance(), *there, "");
        auto rows = cells(*gobj::call<&PV::execute_model>(
            other.instance(),
            "SELECT '2024-03-05'::date, '2024-03-05 07:08:09'::timestamp, '-1 day 02:00:00'::interval, "
            "'05/03/2024'::date, current_setting('DateStyle')",
            true));
        gobj::call<&PV::close>(other.instance());
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"ValueDate=2024-03-05", "ValueDateTime=2024-03-05 07:08:09",
                                                     "ValueBinary=-1 days +02:00:00", "ValueDate=2024-03-05",
                                                     "ValueString=ISO, DMY"}));
    }
}

TEST_F(PostgresqlTypes, NumbersReadTheSameUnderAnyNumericLocale) {
    // A locale whose decimal separator is a comma, where one is installed.
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8", "fr_FR.utf8"}) {
        if (setlocale(LC_NUMERIC, name)) {
            found = name;
            break;
        }
    }
    auto r = gobj::ref_cast<PostgreSQLReader>(
        gobj::call<&PV::execute_reader>(p(), "SELECT 1.5::real, 2.25::float8, 3.125::numeric"));
    ASSERT_TRUE(r->read());
    EXPECT_EQ(r->get_float(0), 1.5f) << (found ? found : "C");
    EXPECT_EQ(r->get_double(1), 2.25);
    EXPECT_EQ(r->get_decimal(2), 3.125);
    setlocale(LC_NUMERIC, "C");
}
