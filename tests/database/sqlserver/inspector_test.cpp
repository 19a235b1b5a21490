// The SQL Server inspector through its interface: the four type maps and the choice
// lists of every kind.
#include <map>

#include "rezezadovu/supports/database/sqlserver/inspector.hpp"
#include "sqlserver_support.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;
using rezezadovu::supports::database::SQLServerInspector;
using DataType = providers::contracts::DataType;
using CInspectable = TarvelinRezezadovuContractsDatabaseIInspectable;

namespace {

class SqlServerInspectorTest : public ::testing::Test {
protected:
    std::vector<std::string> support(int kind, gint* length = nullptr) {
        gint n = -1;
        gchar** entries = tarvelin_rezezadovu_contracts_database_iinspectable_support(
            self(), static_cast<TarvelinRezezadovuContractsDatabaseDbMetaType>(kind), &n);
        std::vector<std::string> out;
        for (gchar** e = entries; e && *e; ++e) out.emplace_back(*e);
        g_strfreev(entries);
        if (length) *length = n;
        return out;
    }
    std::string text(gchar* t) {
        std::string out = t ? t : "(null)";
        g_free(t);
        return out;
    }
    CInspectable* self() {
        if (!inspector) {
            inspector = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_inspector(
                c_of(connection)));
        }
        return reinterpret_cast<CInspectable*>(inspector.gobj());
    }

    gobj::Ref<SQLServerConnection> connection = scripted_connection(ScriptedProvider::create());
    gobj::Ref<gobj::Object> inspector;
};

}  // namespace

TEST_F(SqlServerInspectorTest, NativeNamesToValueTypesGLibTypesAndDefaults) {
    struct Row {
        const char* name;
        DataType data_type;
        GType glib_type;
        const char* default_value;
    } rows[] = {
        {"bit", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, G_TYPE_BOOLEAN, "0"},
        {"TINYINT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, G_TYPE_CHAR, "0"},
        {"smallint", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, G_TYPE_INT, "0"},
        {"Int", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, G_TYPE_INT, "0"},
        {"bigint", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, G_TYPE_INT64, "0"},
        {"float", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, G_TYPE_FLOAT, "0.0"},
        {"real", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, G_TYPE_DOUBLE, "0.0"},
        {"double", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, G_TYPE_DOUBLE, "0.0"},
        {"decimal", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, G_TYPE_FLOAT, "0.0"},
        {"numeric", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, G_TYPE_FLOAT, "0.0"},
        {"money", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, G_TYPE_NONE, "0.0"},
        {"smallmoney", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, G_TYPE_NONE, "0.0"},
        {"date", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, G_TYPE_DATE, "'1900-01-01'"},
        {"time", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, G_TYPE_POINTER, "'00:00:00'"},
        {"datetime", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_DATE_TIME, "'1900-01-01 00:00:00'"},
        {"smalldatetime", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_NONE, "'1900-01-01 00:00:00'"},
        {"datetime2", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_NONE, "'1900-01-01 00:00:00'"},
        {"datetimeoffset", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_NONE, "'1900-01-01 00:00:00 00:00'"},
        {"timestamp", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_DATE_TIME, "''"},
        {"char", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {"varchar", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {"text", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {"nchar", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, G_TYPE_STRING, "''"},
        {"NVarChar", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, G_TYPE_STRING, "''"},
        {"ntext", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, G_TYPE_STRING, "''"},
        {"xml", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML, G_TYPE_STRING, "''"},
        {"binary", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, G_TYPE_BYTES, "0x0000"},
        {"image", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, G_TYPE_BYTES, "0x0000"},
        {"varbinary", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, G_TYPE_BYTES, "0x0000"},
        {"geometry", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, G_TYPE_STRING, "''"},
        {"geography", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY, G_TYPE_STRING, "''"},
        {"year", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_NONE, "0"},
        {"uniqueidentifier", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_NONE, "''"},
        {"nvarchar(50)", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_NONE, "''"},
        {"int ", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_NONE, "''"},
        {"my_udt", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_NONE, "''"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(self(), r.name), r.data_type);
        EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(self(), r.name), r.glib_type);
        EXPECT_EQ(text(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(self(), r.name)),
                  r.default_value);
    }
}

// Each value type gets a type that holds all its values: DOUBLE is no T-SQL type and
// BINARY alone is binary(1) (FLOAT and VARBINARY stand for them), TINYINT holds no
// negative numbers, MONEY keeps four decimals and DATETIME neither year 1 nor
// microseconds; texts are national, and whatever has no type of its own is text.
TEST_F(SqlServerInspectorTest, ValueTypesToSqlTypes) {
    const std::map<int, const char*> sql = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "BIT"},     {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, "SMALLINT"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, "TINYINT"},   {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, "SMALLINT"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16, "INT"},      {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "INT"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32, "BIGINT"},   {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "BIGINT"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "DECIMAL(20, 0)"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "DECIMAL"},   {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "DECIMAL"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "FLOAT"},     {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "FLOAT"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "DATE"},       {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "TIME"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "DATETIME2"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, "DATETIME2"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML, "XML"},         {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID, "UNIQUEIDENTIFIER"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY, "GEOMETRY"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY, "GEOGRAPHY"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "VARBINARY"}, {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "VARBINARY"},
    };
    for (int type = 0; type <= 50; ++type) {
        SCOPED_TRACE(type);
        auto it = sql.find(type);
        EXPECT_EQ(text(tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(self(), static_cast<DataType>(type))),
                  it == sql.end() ? "NVARCHAR" : it->second);
    }
}

// The number of entries of every kind: 52 kinds are listed, all others have none.
TEST_F(SqlServerInspectorTest, ChoiceListLengthsOfEveryKind) {
    const std::map<int, int> lengths = {
        {1, 6},  {2, 5},  {3, 1},  {4, 1},  {5, 2},  {6, 1},  {7, 45}, {9, 5},  {10, 2}, {11, 1}, {12, 1},
        {13, 1}, {15, 1}, {16, 31}, {17, 4}, {27, 4}, {29, 1}, {30, 3}, {31, 1}, {32, 1}, {33, 1}, {36, 2},
        {38, 1}, {40, 1}, {41, 1}, {42, 1}, {43, 1}, {45, 3}, {46, 1}, {51, 2}, {56, 21}, {57, 16}, {58, 3},
        {59, 1}, {60, 3}, {64, 1}, {65, 1}, {66, 2}, {67, 1}, {68, 1}, {70, 2}, {72, 1}, {73, 1}, {76, 2},
        {77, 4}, {79, 3}, {84, 1}, {85, 2}, {86, 1}, {87, 1}, {88, 3}, {89, 2},
    };
    ASSERT_EQ(lengths.size(), 52u);
    for (int kind = 0; kind <= 95; ++kind) {
        SCOPED_TRACE(kind);
        auto it = lengths.find(kind);
        gint reported = -1;
        auto entries = support(kind, &reported);
        EXPECT_EQ(reported, it == lengths.end() ? 0 : it->second);
        EXPECT_EQ(entries.size(), static_cast<std::size_t>(reported));
    }
}

TEST_F(SqlServerInspectorTest, ChoiceListContents) {
    auto types = support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_TYPE);
    ASSERT_EQ(types.size(), 45u);
    EXPECT_EQ(types.front(), "##Numeric");
    EXPECT_EQ(types[12], "##String");
    EXPECT_EQ(types[15], "VARCHAR(max)");
    EXPECT_EQ(types.back(), "(COMPUTED)");
    EXPECT_EQ(std::count_if(types.begin(), types.end(), [](auto& t) { return t.rfind("##", 0) == 0; }), 7);

    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLUMN_DEFAULT),
              (std::vector<std::string>{"EMPYT STRING", "NULL"}));
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_NAMESPACE),
              support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TABLE_SCHEMA));
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_LOGIN_CERTIFICATE),
              (std::vector<std::string>{
                  "SELECT name FROM master.sys.certificates WHERE name NOT LIKE '##%%##' ORDER BY name;"}));
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_TEMPLATE_FUNCTION),
              (std::vector<std::string>{"  # Routine body\n  \n  RETURN %s;"}));
    EXPECT_EQ(support(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_AUTHENTICATION).front(), "Login");
    // Queries without a closing semicolon keep it that way.
    for (int kind : {40, 41, 11, 29, 15, 38, 31}) {
        auto q = support(kind);
        ASSERT_EQ(q.size(), 1u);
        EXPECT_NE(q[0].back(), ';') << kind;
    }
}

TEST_F(SqlServerInspectorTest, MissingNamesAndConnection) {
    LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(self(), nullptr),
              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(self(), nullptr), G_TYPE_INVALID);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(self(), nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "native_type != NULL"), 3);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_inspector_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "conn != NULL"));
}
