// MariaDBInspector through the IInspectable dispatchers: the native type map (BIT a
// boolean), the defaults, the type names it writes, and every choice list. No server.
#include "fixture.hpp"

namespace mariadb_dialect_test {
namespace {

using CInspectable = TarvelinRezezadovuContractsDatabaseIInspectable;
using V = std::vector<std::string>;

class MariaDBInspectorTest : public ::testing::Test {
protected:
    Scripted scripted;
    CInspectable* inspector = tarvelin_rezezadovu_contracts_database_iconnection_inspector(scripted.c());
    void TearDown() override { g_object_unref(inspector); }

    V support(int kind) {
        gint length = -1;
        gchar** list = tarvelin_rezezadovu_contracts_database_iinspectable_support(
            inspector, TarvelinRezezadovuContractsDatabaseDbMetaType(kind), &length);
        V out;
        for (gint i = 0; i < length; ++i) out.push_back(list[i]);
        EXPECT_EQ(list[length], nullptr);
        g_strfreev(list);
        return out;
    }
    std::string type_default(const char* native) {
        return take(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(inspector, native));
    }
};

TEST_F(MariaDBInspectorTest, NativeNamesByGroup) {
    struct Row {
        V names;
        DataType data_type;
        GType glib_type;
        const char* default_value;  // nullptr: a current date or time
    };
    const Row rows[] = {
        {{"TINYINT", "tinyint"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, G_TYPE_CHAR, "0"},
        {{"SMALLINT", "year"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, G_TYPE_INT, "0"},
        {{"MEDIUMINT", "int", "Integer"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, G_TYPE_INT, "0"},
        {{"BIGINT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, G_TYPE_INT64, "0"},
        {{"FLOAT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, G_TYPE_FLOAT, "0.0"},
        {{"double", "Double", "DOUBLE", "REAL"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, G_TYPE_DOUBLE, "0.0"},
        {{"decimal", "NUMERIC"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, G_TYPE_FLOAT, "0.0"},
        {{"DATE"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, G_TYPE_DATE, nullptr},
        {{"TIME"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, G_TYPE_POINTER, nullptr},
        {{"datetime", "TIMESTAMP"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_DATE_TIME, nullptr},
        {{"CHAR"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_CHAR, "''"},
        {{"VARCHAR", "TINYTEXT", "TEXT", "MEDIUMTEXT", "LONGTEXT", "enum", "SET", "JSON"},
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {{"BIT", "bit"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, G_TYPE_BOOLEAN, "0x0000"},
        {{"BINARY", "varbinary"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, G_TYPE_BYTES, "0x0000"},
        {{"TINYBLOB", "BLOB", "MEDIUMBLOB", "longblob"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, G_TYPE_BYTES,
         "0x0000"},
        {{"GEOMETRY", "POINT", "LINESTRING", "POLYGON", "MULTIPOINT", "MULTILINESTRING", "MULTIPOLYGON",
          "GEOMETRYCOLLECTION"},
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, G_TYPE_STRING, "''"},
        {{"varchar(20)", "INT UNSIGNED", "BOOLEAN", "", " INT", "uuid"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN,
         G_TYPE_NONE, "''"},
    };
    for (const auto& row : rows)
        for (const auto& name : row.names) {
            EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(inspector, name.c_str()),
                      row.data_type)
                << name;
            EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(inspector, name.c_str()),
                      row.glib_type)
                << name;
            if (row.default_value) {
                EXPECT_EQ(type_default(name.c_str()), row.default_value) << name;
            }
        }
}

TEST_F(MariaDBInspectorTest, DateAndTimeDefaultsAreQuotedCurrentValues) {
    const std::pair<const char*, const char*> cases[] = {
        {"date", "^'\\d{4}-\\d{2}-\\d{2}'$"},
        {"TIME", "^'\\d{2}:\\d{2}:\\d{2}'$"},
        {"DATETIME", "^'\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}'$"},
        {"timestamp", "^'\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}'$"},
    };
    for (auto [name, pattern] : cases)
        EXPECT_TRUE(
            g_regex_match_simple(pattern, type_default(name).c_str(), GRegexCompileFlags(0), GRegexMatchFlags(0)))
            << name << ": " << type_default(name);
}

TEST_F(MariaDBInspectorTest, TypeNamesWritten) {
    const std::pair<int, const char*> cases[] = {
        {0, "VARCHAR"},      {1, "VARCHAR"},   {2, "BOOLEAN"},  {3, "TINYINT"}, {4, "SMALLINT"},  {5, "INTEGER"},
        {6, "BIGINT"},       {7, "TINYINT"},   {8, "SMALLINT"}, {9, "INTEGER"}, {10, "BIGINT"},   {11, "ENUM"},
        {12, "VARCHAR"},     {13, "SET"},      {14, "DECIMAL"}, {15, "DECIMAL"}, {16, "FLOAT"},   {17, "DOUBLE"},
        {18, "DATE"},        {19, "TIME"},     {20, "DATETIME"}, {21, "VARCHAR"}, {22, "DATETIME"}, {23, "VARCHAR"},
        {24, "VARCHAR"},     {25, "LONGTEXT"}, {26, "VARCHAR"}, {27, "JSON"},    {28, "GEOMETRY"}, {29, "VARCHAR"},
        {30, "BLOB"},        {31, "LONGBLOB"}, {32, "BLOB"},    {33, "VARCHAR"}, {34, "VARCHAR"},  {35, "VARCHAR"},
        {36, "VARCHAR"},
        // Outside the enumeration but inside what its C++ type can hold (99 would not be).
        {50, "VARCHAR"},
    };
    for (auto [type, name] : cases)
        EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(inspector, DataType(type))), name)
            << type;
}

TEST_F(MariaDBInspectorTest, ColumnTypesAreFortyFourInSixGroups) {
    EXPECT_EQ(support(7), (V{"##Numeric", "BIT",      "BOOLEAN",    "TINYINT",    "SMALLINT",   "MEDIUMINT",
                             "INT",       "BIGINT",   "FLOAT",      "DOUBLE",     "DECIMAL",    "##String",
                             "CHAR",      "VARCHAR",  "TINYTEXT",   "MEDIUMTEXT", "TEXT",       "LONGTEXT",
                             "ENUM",      "SET",      "##Date time", "YEAR",      "DATE",       "TIME",
                             "DATETIME",  "TIMESTAMP", "##Binary",  "BINARY",     "VARBINARY",  "TINYBLOB",
                             "MEDIUMBLOB", "BLOB",    "LONGBLOB",   "##Spatial",  "GEOMETRY",   "POINT",
                             "LINESTRING", "POLYGON", "MULTIPOINT", "MULTILINESTRING", "MULTIPOLYGON",
                             "GEOMETRYCOLLECTION", "##Special", "JSON"}));
}

TEST_F(MariaDBInspectorTest, EveryChoiceList) {
    const std::pair<int, V> lists[] = {
        {3, {"SHOW CHARACTER SET;", "SHOW CHARACTER SET LIKE '%%%s%%';"}},
        {4, {"SHOW COLLATION;", "SHOW COLLATION WHERE Charset = '%s';"}},
        {5, {"EMPYT STRING", "NULL"}},
        {8, {"LZ4", "ZLIB", "NONE"}},
        {13, {"SELECT", "SHOW"}},
        {16, {"database", "schema", "table", "view", "index", "trigger", "routine", "function", "procedure", "user",
              "role", "sequence", "event", "package"}},
        {17, {"CASCADE", "NO ACTION", "RESTRICT", "SET NULL"}},
        {18, {"FULL", "PARTIAL", "SIMPLE"}},
        {20, {"DEFAULT", "INPLACE", "COPY", "NOCOPY", "INSTANT"}},
        {23, {"0", "1", "2", "4", "8", "16"}},
        {24, {"DEFAULT", "NONE", "SHARED", "EXCLUSIVE"}},
        {25, {"BTREE", "HASH", "RTREE"}},
        {26, {"SELECT PLUGIN_NAME FROM information_schema.`PLUGINS` WHERE PLUGIN_TYPE = 'FTPARSER' ORDER BY PLUGIN_NAME "
              "ASC;"}},
        {27, {"FULLTEXT", "SPATIAL", "UNIQUE"}},
        {28, {"0", "1", "DEFAULT"}},
        {34, {"FAIL", "ABORT", "IGNORE", "REPLACE", "ROLLBACK"}},
        {36, {"ASC", "DESC"}},
        {39, {"SELECT PLUGIN_NAME FROM INFORMATION_SCHEMA.PLUGINS WHERE PLUGIN_STATUS = 'ACTIVE' AND PLUGIN_TYPE = "
              "'AUTHENTICATION';"}},
        {45, {"IN", "OUT", "INOUT"}},
        {48, {"CONTAINS SQL", "NO SQL", "READS SQL DATA", "MODIFIES SQL DATA"}},
        {51, {"FUNCTION", "PROCEDURE"}},
        {52, {"COMPACT", "COMPRESSED", "DEFAULT", "DYNAMIC", "FIXED", "REDUNDANT"}},
        {56, {"AUTOINC", "CHARSET", "CHECK", "ENGINE", "FOREIGN", "INDEX", "OPTION", "PARTITION", "PRIMARY", "TRIGGER",
              "UNIQUE", "BLOB", "INSERT", "LOCK_TARGET", "TRANSACTION", "CONTINUE", "CREATE_DATABASE", "CREATE_SCHEMA",
              "DEFINER", "DROP_OBJECT", "LOCK_SOURCE"}},
        {57, {"AUTOINC", "CHARSET", "CHECK", "ENGINE", "FOREIGN", "INDEX", "OPTION", "PARTITION", "PRIMARY", "TRIGGER",
              "UNIQUE", "DEFINER", "EVENT", "FUNCTION", "IDENTIFIER", "VIEW"}},
        {58, {"DELETE", "INSERT", "UPDATE"}},
        {61, {"SELECT ENGINE FROM information_schema.`ENGINES` WHERE support <> 'NO' ORDER BY ENGINE ASC;"}},
        {69, {"DEFAULT", "DISK", "MEMORY"}},
        {70, {"SELECT DISTINCT (TABLESPACE_NAME) AS TABLESPACE FROM information_schema.FILES WHERE "
              "FILE_TYPE='TABLESPACE' AND TABLESPACE_NAME like '%%%s%%';"}},
        {72, {"  # Routine body\n  \n  RETURN %s;"}},
        {73, {"  # Routine body\n  "}},
        {78, {"DELETE", "INSERT", "UPDATE"}},
        {79, {"AFTER", "BEFORE"}},
        {83, {"FOLLOWS", "PRECEDES"}},
        {84, {""}},
        {90, {"STORED", "VIRTUAL"}},
        {91, {"UNDEFINED", "MERGE", "TEMPTABLE"}},
        {92, {"DEFINER", "INVOKER"}},
        {93, {"CASCADED", "LOCAL"}},
    };
    for (const auto& [kind, list] : lists) EXPECT_EQ(support(kind), list) << kind;
    for (int kind : {0, 1, 2, 6, 9, 10, 11, 12, 14, 15, 19, 21, 22, 29, 30, 31, 32, 33, 35, 37, 38, 40, 41, 42, 43, 44,
                     46, 47, 49, 50, 53, 54, 55, 59, 60, 62, 63, 64, 65, 66, 67, 68, 71, 74, 75, 76, 77, 80, 81, 82, 85,
                     86, 87, 88, 89, 94, 127})
        EXPECT_EQ(support(kind), V{}) << kind;
    // The charset filter is a printf format: its wildcards come out once formatted.
    EXPECT_EQ(take(g_strdup_printf(support(3).at(1).c_str(), "utf8")), "SHOW CHARACTER SET LIKE '%utf8%';");
    // Without a place for the length the list is the same.
    gchar** list = tarvelin_rezezadovu_contracts_database_iinspectable_support(
        inspector, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_METHOD, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(g_strv_length(list), 3u);
    g_strfreev(list);
}

TEST_F(MariaDBInspectorTest, AMissingNameIsNamed) {
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(inspector, nullptr),
              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(inspector, nullptr), G_TYPE_INVALID);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(inspector, nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "native_type != NULL"), 3);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_maria_db_inspector_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'conn != NULL'"));
}

}  // namespace
}  // namespace mariadb_dialect_test
