// The PostgreSQL inspector through the IInspectable dispatchers, and the dialect's six
// registered names.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/postgresql.h>

#include "fixture.hpp"

namespace tarvelin::test {
namespace {

using Insp = TarvelinRezezadovuContractsDatabaseIInspectable;
using DataType = TarvelinProvidersContractsDataType;

class PostgresqlInspector : public ::testing::Test {
protected:
    void SetUp() override {
        connection = tarvelin_rezezadovu_supports_database_postgre_sql_connection_new();
        insp = tarvelin_rezezadovu_contracts_database_iconnection_inspector(iconnection(connection));
        ASSERT_NE(insp, nullptr);
    }
    void TearDown() override {
        g_clear_object(&insp);
        g_clear_object(&connection);
    }
    std::string default_of(const char* name) {
        return gobj::take_string(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(insp, name));
    }
    std::vector<std::string> support(int kind, gint* length) {
        gchar** texts = tarvelin_rezezadovu_contracts_database_iinspectable_support(
            insp, static_cast<TarvelinRezezadovuContractsDatabaseDbMetaType>(kind), length);
        std::vector<std::string> out;
        for (gchar** t = texts; t && *t; ++t) out.emplace_back(*t);
        g_strfreev(texts);
        return out;
    }
    TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* connection = nullptr;
    Insp* insp = nullptr;
};

#define DT(x) TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_##x

TEST_F(PostgresqlInspector, NativeNamesMapToTypesValuesAndDefaults) {
    struct Case {
        const char* name;
        DataType type;
        GType glib;
        const char* fallback;  // nullptr: a clock default
    } cases[] = {
        {"integer", DT(INT32), G_TYPE_INT, "0"},
        {"INTEGER", DT(INT32), G_TYPE_INT, "0"},
        {"InT4", DT(INT32), G_TYPE_INT, "0"},
        {"bool", DT(BOOLEAN), G_TYPE_BOOLEAN, "''"},
        {"smallint", DT(INT16), G_TYPE_INT, "0"},
        {"smallserial", DT(INT16), G_TYPE_UINT, "0"},
        {"oid", DT(UINT32), G_TYPE_UINT, "0"},
        {"bigserial", DT(INT64), G_TYPE_INT64, "0"},
        {"bit varying", DT(STRING), G_TYPE_STRING, "''"},
        {"character varying", DT(STRING), G_TYPE_STRING, "''"},
        {"bytea", DT(BINARY), g_bytes_get_type(), "0x0000"},
        {"float8", DT(DOUBLE), G_TYPE_DOUBLE, "0.0"},
        {"double precision", DT(DOUBLE), G_TYPE_DOUBLE, "0.0"},
        {"real", DT(FLOAT), G_TYPE_FLOAT, "0.0"},
        {"numeric", DT(MONEY), G_TYPE_FLOAT, "0.0"},
        {"uuid", DT(UUID), G_TYPE_STRING, "''"},
        {"jsonb", DT(JSON), G_TYPE_STRING, "''"},
        {"polygon", DT(GEOMETRY), G_TYPE_STRING, "''"},
        {"time", DT(TIME), G_TYPE_POINTER, nullptr},
        {"time without time zone", DT(TIME), G_TYPE_POINTER, nullptr},
        {"timetz", DT(TIME), g_date_time_get_type(), nullptr},
        {"time with time zone", DT(TIME), g_date_time_get_type(), nullptr},
        {"interval", DT(TIMESPAN), g_date_time_get_type(), nullptr},
        {"timestamp with time zone", DT(DATETIME), g_date_time_get_type(), nullptr},
        {"timestamp without time zone", DT(DATETIME), g_date_time_get_type(), nullptr},
        {"datetime", DT(UNKNOWN), G_TYPE_NONE, nullptr},
        {"date", DT(DATE), g_date_get_type(), nullptr},
        {"pg_lsn", DT(OBJECT), G_TYPE_OBJECT, "0x0000"},
        // Lengths, arrays and the empty name match no row.
        {"varchar(20)", DT(UNKNOWN), G_TYPE_NONE, "''"},
        {"int4[]", DT(UNKNOWN), G_TYPE_NONE, "''"},
        {"_int4", DT(UNKNOWN), G_TYPE_NONE, "''"},
        {"", DT(UNKNOWN), G_TYPE_NONE, "''"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(insp, c.name), c.type) << c.name;
        EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(insp, c.name), c.glib) << c.name;
        if (c.fallback) {
            EXPECT_EQ(default_of(c.name), c.fallback) << c.name;
        }
    }
}

TEST_F(PostgresqlInspector, ClockDefaultsAreQuotedLiteralsOfNow) {
    GDateTime* now = g_date_time_new_now_local();
    std::string date = gobj::take_string(g_date_time_format(now, "'%Y-%m-%d'"));
    g_date_time_unref(now);
    EXPECT_EQ(default_of("date"), date);
    EXPECT_TRUE(g_regex_match_simple("^'\\d{2}:\\d{2}:\\d{2}'$", default_of("time").c_str(), GRegexCompileFlags(0),
                                     GRegexMatchFlags(0)));
    EXPECT_TRUE(g_regex_match_simple("^'\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}'$",
                                     default_of("datetime").c_str(), GRegexCompileFlags(0), GRegexMatchFlags(0)));
}

TEST_F(PostgresqlInspector, TypesMapBackToNames) {
    struct Case {
        int type;
        const char* name;
    } cases[] = {
        {DT(BOOLEAN), "BOOLEAN"},   {DT(INT8), "SMALLINT"},    {DT(UINT16), "SMALLINT"}, {DT(INT32), "INTEGER"},
        {DT(UINT32), "INTEGER"},    {DT(INT64), "BIGINT"},     {DT(UINT64), "BIGINT"},   {DT(ENUM), "VARCHAR"},
        {DT(SET), "VARCHAR"},       {DT(STRING), "VARCHAR"},   {DT(FLOAT), "FLOAT4"},    {DT(DOUBLE), "FLOAT8"},
        {DT(DATE), "DATE"},         {DT(TIME), "TIME"},        {DT(DATETIME), "TIMESTAMP"},
        {DT(TIMESTAMP), "TIMESTAMP"}, {DT(TIMESPAN), "INTERVAL"}, {DT(XML), "XML"},        {DT(JSON), "JSON"},
        {DT(GEOMETRY), "GEOMETRY"}, {DT(BINARY), "BYTEA"},     {DT(BLOB), "BYTEA"},      {DT(OBJECT), "BYTEA"},
        // A numeric column reads as MONEY and must be written back as NUMERIC, not money.
        {DT(MONEY), "NUMERIC"},     {DT(UUID), "UUID"},        {DT(DECIMAL), "VARCHAR"}, {DT(UNKNOWN), "VARCHAR"},
        {DT(WSTRING), "VARCHAR"},   {DT(ERROR), "VARCHAR"},
        // Outside the enumeration but inside what its C++ type can hold (99 would not be).
        {50, "VARCHAR"},
    };
    for (const auto& c : cases) {
        gchar* name =
            tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(insp, static_cast<DataType>(c.type));
        EXPECT_STREQ(name, c.name) << c.type;
        g_free(name);
    }
}

TEST_F(PostgresqlInspector, MissingNativeNamesAreCriticals) {
    LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(insp, nullptr), DT(UNKNOWN));
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(insp, nullptr), G_TYPE_INVALID);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(insp, nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "native_type != NULL"), 3);
}

#define MT(x) TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_##x

TEST_F(PostgresqlInspector, ChoiceListsHaveTheirLengths) {
    struct Case {
        int kind;
        gint length;
        const char* first;
        const char* last;
    } cases[] = {
        {MT(CHARSET), 1, "SELECT DISTINCT pg_encoding_to_char(conforencoding) AS charset FROM pg_catalog.pg_conversion ORDER BY charset ASC;", nullptr},
        {MT(COLLATION), 3, "SELECT collname FROM pg_collation ORDER BY collname;",
         "SELECT DISTINCT concat(n.nspname, '.', c.collname) as collations FROM pg_collation c LEFT JOIN pg_namespace n ON n.oid = c.collnamespace ORDER BY collations;"},
        {MT(COLUMN_NAME), 1, nullptr, nullptr},
        {MT(DATA_TYPE), 2, nullptr, nullptr},
        {MT(OPERATOR_CLASS), 3, nullptr, nullptr},
        {MT(ROUTINE_FUNCTION), 1, nullptr, nullptr},
        {MT(TABLE_INHERITS), 1, nullptr, nullptr},
        {MT(TABLE_NAME), 1, "SELECT table_name FROM information_schema.tables WHERE table_schema = '%s';", nullptr},
        {MT(TABLE_NAMESPACE), 1, "SELECT nspname FROM pg_namespace WHERE nspacl IS NOT NULL;", nullptr},
        {MT(TABLE_OWNER), 1, "SELECT rolname AS name FROM pg_roles ORDER BY rolname ASC", nullptr},
        {MT(TABLE_TABLESPACE), 1, "SELECT spcname FROM pg_tablespace;", nullptr},
        {MT(COLUMN_DEFAULT), 2, "EMPYT STRING", "NULL"},
        {MT(DATASET_STATEMENT), 2, "SELECT", "PRAGMA"},
        {MT(DEFERRED_ACTION), 2, "INITIALLY IMMEDIATE", "INITIALLY DEFERRED"},
        {MT(TRIGGER_DEFERRED), 2, "INITIALLY IMMEDIATE", "INITIALLY DEFERRED"},
        {MT(EXPLORABLE), 23, "database", "type"},
        {MT(FOREIGNKEY_ACTION), 5, "RESTRICT", "SET DEFAULT"},
        {MT(FOREIGNKEY_MATCH), 3, "FULL", "SIMPLE"},
        {MT(IDENTITY_ACTION), 2, "GENERATED ALWAYS", "GENERATED BY DEFAULT"},
        {MT(INDEX_BUFFERING), 3, "OFF", "AUTO"},
        {MT(INDEX_FAST_UPDATE), 2, "OFF", "ON"},
        {MT(INDEX_METHOD), 6, "BTREE", "BRIN"},
        {MT(INDEX_TYPE), 1, "UNIQUE", "UNIQUE"},
        {MT(ORDER_NORMAL), 2, "ASC", "DESC"},
        {MT(ORDER_NULLS), 2, "FIRST", "LAST"},
        {MT(ROUTINE_DIRECTION), 3, "IN", "INOUT"},
        {MT(ROUTINE_LANGUAGE), 3, "sql", "plpgsql"},
        {MT(ROUTINE_SECURITY), 2, "DEFINER", "INVOKER"},
        {MT(ROUTINE_TYPE), 2, "FUNCTION", "PROCEDURE"},
        {MT(RULE_ACTION), 2, "ALSO", "INSTEAD"},
        {MT(RULE_APPLY), 4, "ORIGIN", "ALWAYS"},
        {MT(RULE_EVENT), 4, "SELECT", "DELETE"},
        {MT(SYNC_TRANSFER), 21, "AUTOINC", "LOCK_SOURCE"},
        {MT(SYNC_STRUCTURE), 16, "AUTOINC", "VIEW"},
        {MT(SYNC_DATA), 3, "DELETE", "UPDATE"},
        {MT(TABLE_COMMIT), 3, "PRESERVE ROWS", "DROP"},
        {MT(TABLE_FLAG), 3, "PERMANENT", "UNLOGGED"},
        {MT(TABLE_PARTITION), 3, "RANGE", "HASH"},
        {MT(TRIGGER_DEFERRABLE), 2, "NOT DEFERRABLE", "DEFERRABLE"},
        {MT(TRIGGER_FIRE_TIME), 3, "BEFORE", "INSTEAD"},
        {MT(TRIGGER_FIRE_TIME_TABLE), 2, "AFTER", "BEFORE"},
        {MT(TRIGGER_FIRE_TIME_VIEW), 1, "INSTEAD OF", "INSTEAD OF"},
        {MT(TRIGGER_FOR_EACH), 2, "ROW", "STATEMENT"},
        {MT(TRIGGER_TYPE), 3, "TABLE", "FOREIGN TABLE"},
        {MT(VIEW_ALGORITHM), 2, "TEMPORARY", "RECURSIVE"},
        {MT(VIEW_SECURITY), 1, "security_barrier", "security_barrier"},
        {MT(VIEW_CHECK_OPTION), 2, "CASCADED", "LOCAL"},
        {MT(TEMPLATE_FUNCTION), 1, "  # Routine body\n  \n  RETURN %s;", nullptr},
        {MT(TEMPLATE_PROCEDURE), 1, "  # Routine body\n  ", nullptr},
        {MT(TRIGGER_TEMPLATE), 1, "", nullptr},
        {MT(COLUMN_TYPE), 55, "##Numeric", "PG_LSN"},
        // Kinds without a list, and numbers outside the enumeration.
        {MT(NONE), 0, nullptr, nullptr},
        {MT(INDEX_ALGORITHM), 0, nullptr, nullptr},
        {MT(ROW_FORMAT), 0, nullptr, nullptr},
        {MT(VIRTUAL_TYPE), 0, nullptr, nullptr},
        {94, 0, nullptr, nullptr},
        {127, 0, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        gint length = -1;
        auto texts = support(c.kind, &length);
        EXPECT_EQ(length, c.length) << c.kind;
        ASSERT_EQ(texts.size(), static_cast<size_t>(c.length)) << c.kind;
        if (c.first) {
            EXPECT_EQ(texts.front(), c.first) << c.kind;
        }
        if (c.last) {
            EXPECT_EQ(texts.back(), c.last) << c.kind;
        }
    }
}

TEST_F(PostgresqlInspector, ColumnTypesComeInTranslatedGroups) {
    auto types = support(MT(COLUMN_TYPE), nullptr);
    std::vector<std::string> headers;
    for (const auto& t : types)
        if (t.rfind("##", 0) == 0) headers.push_back(t);
    EXPECT_EQ(headers, (std::vector<std::string>{"##Numeric", "##String", "##Date time", "##Network", "##Spatial",
                                                 "##Range", "##Special"}));
    EXPECT_EQ(types[1], "BOOLEAN");
    EXPECT_EQ(types[12], "##String");
}

TEST_F(PostgresqlInspector, EachCallGivesItsOwnArray) {
    gint length = 0;
    gchar** one = tarvelin_rezezadovu_contracts_database_iinspectable_support(insp, MT(COLLATION), &length);
    gchar** two = tarvelin_rezezadovu_contracts_database_iinspectable_support(insp, MT(COLLATION), nullptr);
    ASSERT_EQ(length, 3);
    EXPECT_NE(one, two);
    EXPECT_NE(one[0], two[0]);
    EXPECT_EQ(one[3], nullptr);
    one[0][0] = 'X';
    EXPECT_STREQ(two[0], "SELECT collname FROM pg_collation ORDER BY collname;");
    g_strfreev(one);
    g_strfreev(two);
    // The table builder runs the first COLLATION query; here it is valid SQL for the server
    // whose rows are collation names (checked live in the reader suite).
}

TEST(PostgresqlDialect, SixRegisteredNames) {
    // get_type registers each once; afterwards the names are known to GLib.
    const GType types[] = {
        tarvelin_rezezadovu_supports_database_postgre_sql_connection_get_type(),
        tarvelin_rezezadovu_supports_database_postgre_sql_statement_get_type(),
        tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_type(),
        tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_get_type(),
        tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_get_type(),
        tarvelin_rezezadovu_supports_database_postgre_sql_inspector_get_type(),
    };
    const char* names[] = {
        "TarvelinRezezadovuSupportsDatabasePostgreSQLConnection",
        "TarvelinRezezadovuSupportsDatabasePostgreSQLStatement",
        "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x",
        "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x",
        "TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x",
        "TarvelinRezezadovuSupportsDatabasePostgreSQLInspector",
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(g_type_from_name(names[i]), types[i]) << names[i];
        EXPECT_STREQ(g_type_name(types[i]), names[i]);
    }
    EXPECT_EQ(g_type_parent(types[0]), tarvelin_rezezadovu_supports_database_connection_impl_get_type());
    EXPECT_EQ(g_type_parent(types[1]), tarvelin_rezezadovu_supports_database_statement_get_type());
    EXPECT_EQ(g_type_parent(types[2]), tarvelin_rezezadovu_supports_database_adapter_get_type());
    EXPECT_EQ(g_type_parent(types[3]), types[2]);
    EXPECT_EQ(g_type_parent(types[4]), types[2]);
    EXPECT_TRUE(g_type_is_a(types[5], tarvelin_rezezadovu_contracts_database_iinspectable_get_type()));
}

TEST(PostgresqlDialect, ConstructorsNeedAConnection) {
    LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_postgre_sql_statement_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_new(nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "connection != NULL"), 4);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_postgre_sql_inspector_new(nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "conn != NULL"), 1);
}

#undef MT
#undef DT

}  // namespace
}  // namespace tarvelin::test
