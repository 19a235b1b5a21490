// The SQLite inspector: native type names, SQLite type names per DataType and the choice lists.
#include "dialect_fixture.hpp"

namespace sqlite_dialect_test {
namespace {

using SqliteInspector = Dialect;

TEST_F(SqliteInspector, NativeTypes) {
    IInspectable* in = inspector();
    struct Case {
        const char* native;
        TarvelinProvidersContractsDataType data_type;
        GType glib_type;
        const char* default_value;
    } cases[] = {
        {"TEXT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {"text", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {"Text", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {"varchar", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_STRING, "''"},
        {"INTEGER", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, G_TYPE_INT64, "0"},
        {"NUMERIC", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, G_TYPE_FLOAT, "0.0"},
        {"REAL", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, G_TYPE_DOUBLE, "0.0"},
        {"BLOB", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, G_TYPE_BYTES, "0x0"},
        // Integer and date-time names keep their family, an integer as wide as its name.
        {"INT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, G_TYPE_NONE, "''"},
        {"int(11)", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, G_TYPE_NONE, "''"},
        {"tinyint", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8, G_TYPE_NONE, "''"},
        {"SMALLINT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, G_TYPE_NONE, "''"},
        {"bigint", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, G_TYPE_NONE, "''"},
        {"INT UNSIGNED", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, G_TYPE_NONE, "''"},
        {"DATE", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, G_TYPE_NONE, "''"},
        {"datetime", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_NONE, "''"},
        {"TIMESTAMP", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, G_TYPE_NONE, "''"},
        {"TIME", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, G_TYPE_NONE, "''"},
        // A copy's exact number of more digits than a double holds (stored as text).
        {"DECIMAL_TEXT(30,10)", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, G_TYPE_NONE, "''"},
        // Other names are placed by the words they hold, as SQLite places them; what SQLite
        // keeps as a number only when it looks like one is text.
        {"VARCHAR(255)", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_NONE, "''"},
        {"MEDIUM INT", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, G_TYPE_NONE, "''"},
        {"unsigned big int", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, G_TYPE_NONE, "''"},
        {"TEXT ", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_NONE, "''"},
        {"CLOB", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_NONE, "''"},
        {"double precision", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, G_TYPE_NONE, "''"},
        {"DECIMAL", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, G_TYPE_NONE, "''"},
        {"BOOLEAN", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, G_TYPE_NONE, "''"},
        {"", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, G_TYPE_NONE, "''"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.native);
        EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(in, c.native), c.data_type);
        EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(in, c.native), c.glib_type);
        EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(in, c.native)),
                  c.default_value);
    }
}

TEST_F(SqliteInspector, SqlTypes) {
    IInspectable* in = inspector();
    const char* expected[37] = {"NULL", "NULL", "INTEGER", "INTEGER", "INTEGER", "INTEGER", "INTEGER", "INTEGER",
                                "INTEGER", "INTEGER", "INTEGER", "TEXT", "TEXT", "TEXT", "NUMERIC", "NUMERIC",
                                "REAL", "REAL", "DATE", "TIME", "DATETIME", "TEXT", "DATETIME", "TEXT", "TEXT",
                                "TEXT", "TEXT", "TEXT", "TEXT", "TEXT", "BLOB", "BLOB", "BLOB", "TEXT", "TEXT",
                                "TEXT", "TEXT"};
    for (int t = 0; t < 37; ++t)
        EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(
                      in, static_cast<TarvelinProvidersContractsDataType>(t))),
                  expected[t])
            << "data type " << t;
}

TEST_F(SqliteInspector, ChoiceLists) {
    IInspectable* in = inspector();
    struct Case {
        int kind;
        std::vector<std::string> choices;
    } cases[] = {
        {3, {}},
        {4, {"BINARY", "NOCASE", "RTRIM"}},
        {5, {"EMPYT STRING", "NULL"}},
        {7, {"INTEGER", "REAL", "TEXT", "BLOB"}},
        {13, {"SELECT", "PRAGMA"}},
        {14, {"NOT", "NOTHING", "INITIALLY IMMEDIATE", "INITIALLY DEFERRED"}},
        {16, {"database", "schema", "table", "view", "index", "trigger"}},
        {17, {"CASCADE", "SET NULL", "NO ACTION", "RESTRICT", "SET DEFAULT"}},
        {27, {"UNIQUE"}},
        {34, {"FAIL", "ABORT", "IGNORE", "REPLACE", "ROLLBACK"}},
        {36, {"ASC", "DESC"}},
        {56, {"AUTOINC", "CHECK", "FOREIGN", "INDEX", "TRIGGER", "UNIQUE", "BLOB", "INSERT", "TRANSACTION", "CONTINUE",
              "DROP_OBJECT", "IDENTIFIER"}},
        {58, {"DELETE", "INSERT", "UPDATE"}},
        {78, {"INSERT", "UPDATE", "DELETE"}},
        {79, {"AFTER", "BEFORE"}},
        {80, {"AFTER", "BEFORE"}},
        {81, {"INSTEAD OF"}},
        {84, {"BEGIN\n  -- Type the SQL Here.\nEND"}},
        {85, {"TABLE", "VIEW"}},
        {91, {"TEMPORARY"}},
        {93, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        gint length = -1;
        gchar** texts = tarvelin_rezezadovu_contracts_database_iinspectable_support(
            in, static_cast<TarvelinRezezadovuContractsDatabaseDbMetaType>(c.kind), &length);
        ASSERT_NE(texts, nullptr);
        EXPECT_EQ(length, gint(c.choices.size()));
        std::vector<std::string> got;
        for (gchar** t = texts; *t; ++t) got.emplace_back(*t);
        EXPECT_EQ(got, c.choices);
        g_strfreev(texts);
    }
}

TEST_F(SqliteInspector, MissingNativeTypeIsRefused) {
    IInspectable* in = inspector();
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(in, nullptr),
              TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(in, nullptr), G_TYPE_INVALID);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(in, nullptr), nullptr);
    EXPECT_GE(log.count(G_LOG_LEVEL_CRITICAL, "native_type != NULL"), 3);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sq_lite_inspector_new(nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "conn != NULL"), 1);
}

}  // namespace
}  // namespace sqlite_dialect_test
