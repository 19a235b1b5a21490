// MySQLInspector through the IInspectable dispatchers: the native type maps, defaults,
// the type names it writes, and the choice lists. No server.
#include "fixture.hpp"

namespace mysql_dialect_test {
namespace {

using CInspectable = TarvelinRezezadovuContractsDatabaseIInspectable;

class MySQLInspectorTest : public ::testing::Test {
protected:
    Scripted scripted;
    CInspectable* inspector = tarvelin_rezezadovu_contracts_database_iconnection_inspector(scripted.c());
    void TearDown() override { g_object_unref(inspector); }

    std::vector<std::string> support(int kind) {
        gint length = -1;
        gchar** list = tarvelin_rezezadovu_contracts_database_iinspectable_support(
            inspector, TarvelinRezezadovuContractsDatabaseDbMetaType(kind), &length);
        std::vector<std::string> out;
        for (gint i = 0; i < length; ++i) out.push_back(list[i]);
        EXPECT_EQ(list[length], nullptr);
        g_strfreev(list);
        return out;
    }
    std::string type_default(const char* native) {
        return take(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(inspector, native));
    }
};

TEST_F(MySQLInspectorTest, NativeNamesByGroup) {
    struct Row {
        std::vector<const char*> names;
        DataType data_type;
        GType glib_type;
        const char* default_value;  // nullptr: a current date or time
    };
    const Row rows[] = {
        {{"TINYINT", "tinyint"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, G_TYPE_CHAR, "0"},
        {{"SMALLINT", "year"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, G_TYPE_INT, "0"},
        {{"MEDIUMINT", "INT", "integer"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, G_TYPE_INT, "0"},
        {{"BIGINT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, G_TYPE_INT64, "0"},
        {{"FLOAT"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, G_TYPE_FLOAT, "0.0"},
        {{"double", "REAL"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, G_TYPE_DOUBLE, "0.0"},
        {{"decimal", "NUMERIC"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, G_TYPE_FLOAT, "0.0"},
        {{"DATE"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, G_TYPE_DATE, nullptr},
        {{"TIME"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, G_TYPE_POINTER, nullptr},
        {{"datetime", "timestamp"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_DATE_TIME, nullptr},
        {{"CHAR"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_CHAR, "''"},
        {{"VARCHAR", "TINYTEXT", "TEXT", "MEDIUMTEXT", "LONGTEXT", "ENUM", "SET", "json"},
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {{"bit", "BINARY", "VARBINARY"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, G_TYPE_BYTES, "0x0000"},
        {{"TINYBLOB", "blob", "MEDIUMBLOB", "LONGBLOB"}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, G_TYPE_BYTES,
         "0x0000"},
        {{"GEOMETRY", "point", "LINESTRING", "POLYGON", "MULTIPOINT", "MULTILINESTRING", "MULTIPOLYGON",
          "GEOMETRYCOLLECTION"},
         TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, G_TYPE_STRING, "''"},
        {{"varchar(20)", "INT UNSIGNED", "uuid", ""}, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_NONE, "''"},
    };
    for (const auto& row : rows)
        for (const char* name : row.names) {
            EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(inspector, name), row.data_type)
                << name;
            EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(inspector, name), row.glib_type)
                << name;
            if (row.default_value) {
                EXPECT_EQ(type_default(name), row.default_value) << name;
            }
        }
}

TEST_F(MySQLInspectorTest, DateAndTimeDefaultsAreQuotedCurrentValues) {
    const std::pair<const char*, const char*> cases[] = {
        {"DATE", "^'\\d{4}-\\d{2}-\\d{2}'$"},
        {"time", "^'\\d{2}:\\d{2}:\\d{2}'$"},
        {"DATETIME", "^'\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}'$"},
        {"TIMESTAMP", "^'\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}'$"},
    };
    for (auto [name, pattern] : cases)
        EXPECT_TRUE(g_regex_match_simple(pattern, type_default(name).c_str(), GRegexCompileFlags(0),
                                         GRegexMatchFlags(0)))
            << name << ": " << type_default(name);
}

TEST_F(MySQLInspectorTest, TypeNamesWritten) {
    const std::pair<DataType, const char*> cases[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "BOOLEAN"},   {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, "TINYINT"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, "SMALLINT"},    {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, "INTEGER"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "BIGINT"},     {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM, "ENUM"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET, "SET"},           {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "DECIMAL"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "DECIMAL"},   {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "FLOAT"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "DOUBLE"},     {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "DATE"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "TIME"},         {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "DATETIME"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, "DATETIME"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, "VARCHAR"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID, "VARCHAR"},      {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML, "LONGTEXT"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON, "JSON"},         {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, "GEOMETRY"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT, "BLOB"},       {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "LONGBLOB"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, "VARCHAR"},   {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR, "VARCHAR"},
    };
    for (auto [type, name] : cases)
        EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(inspector, type)), name) << type;
}

TEST_F(MySQLInspectorTest, ColumnTypesAreFortyFourInSixGroups) {
    auto types = support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_TYPE);
    ASSERT_EQ(types.size(), 44u);
    std::vector<std::string> headers;
    for (size_t i = 0; i < types.size(); ++i)
        if (types[i].rfind("##", 0) == 0) headers.push_back(std::to_string(i) + types[i]);
    EXPECT_EQ(headers, (std::vector<std::string>{"0##Numeric", "11##String", "20##Date time", "26##Binary",
                                                  "33##Spatial", "42##Special"}));
    EXPECT_EQ(types[1], "BIT");
    EXPECT_EQ(types[43], "JSON");
}

TEST_F(MySQLInspectorTest, ChoiceLists) {
    using V = std::vector<std::string>;
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_DEFAULT), (V{"EMPYT STRING", "NULL"}));
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_INDEX_KEY_BLOCK_SIZE),
              (V{"0", "1", "2", "4", "8", "16"}));
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_CHARSET),
              (V{"SHOW CHARACTER SET;", "SHOW CHARACTER SET LIKE '%%%s%%';"}));
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_FUNCTION).at(0).size(), 32u);
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_PROCEDURE).at(0).size(), 19u);
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TRIGGER_TEMPLATE), (V{""}));
    const std::pair<int, size_t> lengths[] = {{3, 2},   {4, 2},   {8, 3},   {13, 2},  {16, 13}, {17, 4},  {18, 3},
                                              {20, 3},  {24, 4},  {25, 2},  {26, 1},  {27, 3},  {28, 3},  {34, 5},
                                              {36, 2},  {39, 1},  {45, 3},  {48, 4},  {51, 2},  {52, 6},  {56, 21},
                                              {57, 16}, {58, 3},  {61, 1},  {69, 3},  {70, 1},  {72, 1},  {73, 1},
                                              {78, 3},  {79, 2},  {83, 2},  {84, 1},  {90, 2},  {91, 3},  {92, 2},
                                              {93, 2},  {0, 0},   {1, 0},   {2, 0},   {94, 0},  {6, 0}};
    for (auto [kind, length] : lengths) EXPECT_EQ(support(kind).size(), length) << kind;
}

TEST_F(MySQLInspectorTest, AMissingNameIsNamed) {
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(inspector, nullptr),
              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(inspector, nullptr), G_TYPE_INVALID);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(inspector, nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "native_type != NULL"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_my_sql_inspector_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'conn != NULL'"));
}

}  // namespace
}  // namespace mysql_dialect_test
