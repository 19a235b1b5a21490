// The SQLite statement texts: a golden table of every text and out integer, the same
// operations with hostile names, and the view rename run on a real file.
#include <functional>

#include "dialect_fixture.hpp"
#include "rezezadovu/supports/database/sqlite/statement.hpp"

namespace sqlite_dialect_test {
namespace {

constexpr auto kIndex = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX;
constexpr auto kSchema = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA;
constexpr auto kTable = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE;
constexpr auto kTrigger = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER;
constexpr auto kView = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW;
constexpr auto kFunction = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION;

class SqliteStatement : public Dialect {
protected:
    struct Case {
        const char* operation;
        std::function<gchar*(IStatement*, gint*)> make;
        std::string text;
        gint column;  // -1: the operation has no out integer
    };
    void check(const std::vector<Case>& cases) {
        IStatement* s = statement();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.operation);
            gint column = -7;
            EXPECT_EQ(take(c.make(s, &column)), c.text);
            if (c.column >= 0) {
                EXPECT_EQ(column, c.column);
            }
        }
    }
};

#define ST(op, ...) tarvelin_rezezadovu_contracts_database_istatement_##op(s, __VA_ARGS__)

TEST_F(SqliteStatement, GoldenTexts) {
    check({
        {"show_databases", [](IStatement* s, gint* n) { return ST(show_databases, n); },
         "SELECT 'main' as database;", 0},
        {"show_tables", [](IStatement* s, gint* n) { return ST(show_tables, "db", "main", n); },
         "SELECT name, type FROM \"main\".sqlite_master WHERE type='table' ORDER BY name;", 0},
        {"show_views", [](IStatement* s, gint* n) { return ST(show_views, "db", "main", n); },
         "SELECT name, type FROM \"main\".sqlite_master WHERE type='view' ORDER BY name;", 0},
        {"show_table_spaces", [](IStatement* s, gint* n) { return ST(show_table_spaces, "db", n); },
         "SELECT 'main' as name;", 0},
        {"show_table_schemas", [](IStatement* s, gint* n) { return ST(show_table_schemas, "db", n); },
         "PRAGMA database_list;", 1},
        {"show_indexes", [](IStatement* s, gint* n) { return ST(show_indexes, "db", "main", n); },
         "SELECT name FROM \"main\".sqlite_master WHERE type = 'index';", 0},
        {"show_triggers", [](IStatement* s, gint* n) { return ST(show_triggers, "db", "main", n); },
         "SELECT name FROM \"main\".sqlite_master WHERE type = 'trigger';", 0},
        {"show_functions", [](IStatement* s, gint* n) { return ST(show_functions, "db", "main", n); },
         "PRAGMA function_list;", 0},
        {"show_procedures", [](IStatement* s, gint* n) { return ST(show_procedures, "db", "main", n); },
         "PRAGMA function_list;", 0},
        {"call_function", [](IStatement* s, gint*) { return ST(call_function, "db", "main", "f", "(1, 2)"); },
         "SELECT \"main\".\"f\"(1, 2);", -1},
        {"call_procedure", [](IStatement* s, gint*) { return ST(call_procedure, "db", "main", "p", "()"); },
         "CALL \"main\".\"p\"();", -1},
        {"show_source index", [](IStatement* s, gint* n) { return ST(show_source, kIndex, "db", "main", "i", n); },
         "SELECT sql FROM \"main\".sqlite_master WHERE type = 'index' and name = 'i';", 0},
        {"show_source table", [](IStatement* s, gint* n) { return ST(show_source, kTable, "db", "main", "t", n); },
         "SELECT sql FROM \"main\".sqlite_master WHERE type = 'table' and name = 't';", 0},
        {"show_source trigger", [](IStatement* s, gint* n) { return ST(show_source, kTrigger, "db", "main", "tr", n); },
         "SELECT sql FROM \"main\".sqlite_master WHERE type = 'trigger' and name = 'tr';", 0},
        {"show_source view", [](IStatement* s, gint* n) { return ST(show_source, kView, "db", "main", "v", n); },
         "SELECT sql FROM \"main\".sqlite_master WHERE type = 'view' and name = 'v';", 0},
        {"show_source other", [](IStatement* s, gint* n) { return ST(show_source, kFunction, "db", "main", "f", n); },
         "", 0},
        {"show_structure", [](IStatement* s, gint* n) { return ST(show_structure, "db", "main", "t", n); },
         "PRAGMA table_info(\"t\");", 1},
        {"show_content paged",
         [](IStatement* s, gint*) { return ST(show_content, "db", "main", "t", "a, b", "a > 1", "b DESC", 40, 20); },
         "SELECT a, b FROM \"main\".\"t\" WHERE a > 1 ORDER BY b DESC LIMIT 20 OFFSET 40;", -1},
        // Without a limit: no LIMIT, no OFFSET, no semicolon, one blank after the name.
        {"show_content whole",
         [](IStatement* s, gint*) { return ST(show_content, "db", "main", "t", "*", "", "", 40, 0); },
         "SELECT * FROM \"main\".\"t\" ", -1},
        {"show_privileges",
         [](IStatement* s, gint* n) {
             gint context = -7;
             gchar* text = ST(show_privileges, n, &context);
             EXPECT_EQ(context, 0);
             return text;
         },
         "", 0},
        {"show_effected filtered", [](IStatement* s, gint*) { return ST(show_effected, "db", "main", "t", "a = 1"); },
         "SELECT count(*) FROM \"main\".\"t\" WHERE a = 1;", -1},
        {"show_effected all", [](IStatement* s, gint*) { return ST(show_effected, "db", "main", "t", ""); },
         "SELECT count(*) FROM \"main\".\"t\";", -1},
        {"show_relations", [](IStatement* s, gint*) { return ST(show_relations, "db", "main", "t"); },
         "PRAGMA foreign_key_list(\"t\");", -1},
        {"rename table", [](IStatement* s, gint*) { return ST(rename_object, kTable, "db", "main", "t", "u"); },
         "ALTER TABLE \"t\" RENAME TO \"u\";", -1},
        {"rename other", [](IStatement* s, gint*) { return ST(rename_object, kIndex, "db", "main", "i", "j"); }, "",
         -1},
        {"drop index", [](IStatement* s, gint*) { return ST(drop_object, kIndex, "db", "main", "i", "t"); },
         "DROP INDEX IF EXISTS \"i\";", -1},
        {"drop schema", [](IStatement* s, gint*) { return ST(drop_object, kSchema, "db", "main", "aux", ""); },
         "DETACH DATABASE \"aux\";", -1},
        {"drop table", [](IStatement* s, gint*) { return ST(drop_object, kTable, "db", "main", "t", ""); },
         "DROP TABLE IF EXISTS \"t\";", -1},
        {"drop trigger", [](IStatement* s, gint*) { return ST(drop_object, kTrigger, "db", "main", "tr", "t"); },
         "DROP TRIGGER IF EXISTS \"tr\";", -1},
        {"drop view", [](IStatement* s, gint*) { return ST(drop_object, kView, "db", "main", "v", ""); },
         "DROP VIEW IF EXISTS \"v\";", -1},
        {"drop other", [](IStatement* s, gint*) { return ST(drop_object, kFunction, "db", "main", "f", ""); }, "", -1},
        {"empty_table", [](IStatement* s, gint*) { return ST(empty_table, "db", "main", "t"); },
         "DELETE FROM \"t\";\nUPDATE sqlite_sequence SET seq=0 WHERE name='t';", -1},
        {"transaction", [](IStatement* s, gint*) { return ST(transaction, "x"); }, "BEGIN TRANSACTION;", -1},
        {"rollback", [](IStatement* s, gint*) { return ST(rollback, "x"); }, "ROLLBACK;", -1},
        {"commit", [](IStatement* s, gint*) { return ST(commit, "x"); }, "COMMIT;", -1},
        {"quote_identifier", [](IStatement* s, gint*) { return ST(quote_identifier, "t", "main"); }, "\"main\".\"t\"", -1},
        {"quote_identifier bare", [](IStatement* s, gint*) { return ST(quote_identifier, "t", ""); }, "\"t\"", -1},
        {"quote_identifier empty", [](IStatement* s, gint*) { return ST(quote_identifier, "", ""); }, "\"\"", -1},
        // The base row texts name the table through this dialect's quoting.
        {"build_sql_delete",
         [](IStatement* s, gint*) {
             gchar* keys[] = {(gchar*)"id", nullptr};
             gchar* values[] = {(gchar*)"5", nullptr};
             return ST(build_sql_delete, "main", "t", keys, 1, values, 1);
         },
         "DELETE FROM \"main\".\"t\" WHERE id=5;", -1},
    });
}

TEST_F(SqliteStatement, ConnectionTexts) {
    IStatement* s = statement();
    auto* server = tarvelin_providers_contracts_server_new();
    g_object_set(server, "driver", "SQLite", "filename", "/tmp/a.db", nullptr);
    EXPECT_EQ(take(ST(build_connection_string, server)), "DRIVER={SQLite};DATABASE=/tmp/a.db;");
    g_object_set(server, "password", "secret", "extensions", "/lib/x.so", nullptr);
    EXPECT_EQ(take(ST(build_connection_string, server)), "DRIVER={SQLite};DATABASE=/tmp/a.db;PWD=secret;LoadExt=/lib/x.so");
    g_object_unref(server);
    EXPECT_STRNE(tarvelin_rezezadovu_supports_database_connection_impl_get_version(c()), "");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_version(c()),
              scalar("SELECT sqlite_version()"));
}

TEST_F(SqliteStatement, HostileNamesStayNames) {
    IStatement* s = statement();
    struct Name {
        const char* name;
        const char* single;  // '...'
        const char* dbl;     // "..."
    } names[] = {
        {"a'b", "'a''b'", "\"a'b\""},       {"a`b", "'a`b'", "\"a`b\""},  {"a\"b", "'a\"b'", "\"a\"\"b\""},
        {"a]b", "'a]b'", "\"a]b\""},        {"a b", "'a b'", "\"a b\""},  {"ß", "'ß'", "\"ß\""},
    };
    for (const auto& n : names) {
        SCOPED_TRACE(n.name);
        const std::string q = n.single, d = n.dbl;
        gint col = 0;
        EXPECT_EQ(take(ST(show_tables, "db", n.name, &col)),
                  "SELECT name, type FROM " + d + ".sqlite_master WHERE type='table' ORDER BY name;");
        EXPECT_EQ(take(ST(show_source, kView, "db", n.name, n.name, &col)),
                  "SELECT sql FROM " + d + ".sqlite_master WHERE type = 'view' and name = " + q + ";");
        EXPECT_EQ(take(ST(show_structure, "db", "main", n.name, &col)), "PRAGMA table_info(" + d + ");");
        EXPECT_EQ(take(ST(show_content, "db", n.name, n.name, "*", "", "", 0, 1)),
                  "SELECT * FROM " + d + "." + d + " LIMIT 1 OFFSET 0;");
        EXPECT_EQ(take(ST(show_effected, "db", n.name, n.name, "")), "SELECT count(*) FROM " + d + "." + d + ";");
        EXPECT_EQ(take(ST(show_relations, "db", "main", n.name)), "PRAGMA foreign_key_list(" + d + ");");
        EXPECT_EQ(take(ST(rename_object, kTable, "db", "main", n.name, n.name)),
                  "ALTER TABLE " + d + " RENAME TO " + d + ";");
        EXPECT_EQ(take(ST(drop_object, kTrigger, "db", "main", n.name, "")), "DROP TRIGGER IF EXISTS " + d + ";");
        EXPECT_EQ(take(ST(empty_table, "db", "main", n.name)),
                  "DELETE FROM " + d + ";\nUPDATE sqlite_sequence SET seq=0 WHERE name=" + q + ";");
        EXPECT_EQ(take(ST(quote_identifier, n.name, "main")), "\"main\"." + d);
        EXPECT_EQ(take(ST(call_function, "db", n.name, n.name, "()")), "SELECT " + d + "." + d + "();");
    }
}

// The dialect's one quoting of names and of values, as texts and run on the file: each
// name comes back as the name of the table it made, each literal as the value it gave, and
// the sentinel table is still there.
TEST_F(SqliteStatement, QuotingAndLiteralTables) {
    using tarvelin::rezezadovu::supports::database::SQLiteStatement;
    IStatement* s = statement();
    run("CREATE TABLE victim (x INTEGER);");
    struct NameCase {
        const char* name;
        const char* quoted;
    } names[] = {
        {"orders", "\"orders\""},
        {"MixedCase", "\"MixedCase\""},
        {"select", "\"select\""},
        {"a\"b", "\"a\"\"b\""},
        {"\"\"", "\"\"\"\"\"\""},
        {"a'b`c[d]e", "\"a'b`c[d]e\""},
        {"zürich_表_🙂", "\"zürich_表_🙂\""},
        {"id); DROP TABLE victim; CREATE INDEX zz ON other(a", "\"id); DROP TABLE victim; CREATE INDEX zz ON other(a\""},
        {"a\nb -- c /* d \\ e", "\"a\nb -- c /* d \\ e\""},
    };
    for (const auto& c : names) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(take(ST(quote_identifier, c.name, "")), c.quoted);
        EXPECT_EQ(SQLiteStatement::quoted(c.name), c.quoted);
        run("CREATE TABLE " + SQLiteStatement::quoted(c.name) + " (x INTEGER);");
        EXPECT_EQ(rows("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = " +
                       SQLiteStatement::literal(c.name)),
                  (std::vector<std::string>{"1"}));
        run("DROP TABLE " + SQLiteStatement::quoted(c.name) + ";");
    }
    EXPECT_EQ(take(ST(quote_identifier, "", "")), "\"\"");

    constexpr auto kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
    constexpr auto kBlob = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB;
    struct ValueCase {
        TarvelinProvidersContractsDataType type;
        const char* value;
        const char* literal;
        const char* read_back;  // what SELECT of the literal gives; none: not run
    } values[] = {
        {kString, "O'Brien", "'O''Brien'", "O'Brien"},
        {kString, "", "''", ""},
        {kString, "a\\b\nc", "'a\\b\nc'", "a\\b\nc"},
        {kString, "'); DROP TABLE victim; --", "'''); DROP TABLE victim; --'", "'); DROP TABLE victim; --"},
        {kString, "zürich_表_🙂", "'zürich_表_🙂'", "zürich_表_🙂"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "42", "42", "42"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "1; DROP TABLE victim", "'1; DROP TABLE victim'",
         "1; DROP TABLE victim"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "1.5", "1.5", nullptr},
        // A number SQLite would round to a double goes as its digits; what it reads whole stays bare.
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "18446744073709551615", "'18446744073709551615'",
         "18446744073709551615"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "-9223372036854775808", "-9223372036854775808", nullptr},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "12345678901234567890.0123456789",
         "'12345678901234567890.0123456789'", "12345678901234567890.0123456789"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "-0.000123456789012345", "-0.000123456789012345", nullptr},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "1.2345678901234567e+300", "'1.2345678901234567e+300'", nullptr},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "1.5", "'1.5'", "1.5"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL, "NULL", "'NULL'", "NULL"},
        {kBlob, "00FF", "X'00FF'", nullptr},
        {kBlob, "0F'); --", "'0F''); --'", "0F'); --"},
    };
    for (const auto& c : values) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(take(ST(pack_value, c.type, c.value)), c.literal);
        EXPECT_EQ(SQLiteStatement::literal(c.type, c.value), c.literal);
        if (c.read_back) {
            EXPECT_EQ(rows(std::string("SELECT ") + c.literal), (std::vector<std::string>{c.read_back}));
        }
    }
    // A number stays a number and a decimal a text; a blob is bytes.
    EXPECT_EQ(rows("SELECT typeof(" + SQLiteStatement::literal(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "1.5") +
                   "), typeof(" + SQLiteStatement::literal(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "1.5") +
                   "), hex(" + SQLiteStatement::literal(kBlob, "00FF") + ")"),
              (std::vector<std::string>{"real|text|00FF"}));
    EXPECT_EQ(SQLiteStatement::literal("it's"), "'it''s'");
    EXPECT_EQ(rows("SELECT name FROM sqlite_master"), (std::vector<std::string>{"victim"}));
}

TEST_F(SqliteStatement, HostileTextsRunAsNames) {
    // Every listing and drop text is run against tables named with each hostile name.
    IStatement* s = statement();
    for (const char* name : kSpellings) {
        SCOPED_TRACE(name);
        gint col = 0;
        std::string create = "CREATE TABLE " + take(ST(quote_identifier, name, "")) + " (x INTEGER PRIMARY KEY AUTOINCREMENT);";
        run(create + "INSERT INTO " + take(ST(quote_identifier, name, "")) + " (x) VALUES (1);");
        EXPECT_EQ(rows(take(ST(show_source, kTable, "db", "main", name, &col))).size(), 1u);
        EXPECT_EQ(rows(take(ST(show_structure, "db", "main", name, &col))).size(), 1u);
        EXPECT_EQ(scalar(take(ST(show_effected, "db", "main", name, "x = 1"))), "1");
        run(take(ST(empty_table, "db", "main", name)));
        EXPECT_EQ(scalar(take(ST(show_effected, "db", "main", name, ""))), "0");
        run(take(ST(drop_object, kTable, "db", "main", name, "")));
        EXPECT_EQ(rows(take(ST(show_source, kTable, "db", "main", name, &col))).size(), 0u);
    }
}

TEST_F(SqliteStatement, ViewRename) {
    IStatement* s = statement();
    run("CREATE TABLE t (a INTEGER, b TEXT);"
        "CREATE VIEW v AS SELECT a FROM t;"
        "CREATE VIEW \"a b\" (x) AS SELECT b FROM t;"
        "CREATE VIEW [odd] AS SELECT 1;");
    // The new name is put in literally, replacement escapes and all.
    EXPECT_EQ(take(ST(rename_object, kView, "db", "main", "v", "v\\1")), "CREATE VIEW \"v\\1\" as SELECT a FROM t;");
    EXPECT_EQ(take(ST(rename_object, kView, "db", "main", "v", "w]x")), "CREATE VIEW \"w]x\" as SELECT a FROM t;");
    EXPECT_EQ(take(ST(rename_object, kView, "db", "main", "a b", "c'd")), "CREATE VIEW \"c'd\" (x) as SELECT b FROM t;");
    EXPECT_EQ(take(ST(rename_object, kView, "db", "main", "odd", "even")), "CREATE VIEW \"even\" as SELECT 1;");
    // No such view, or an unreadable schema: nothing to run.
    EXPECT_EQ(take(ST(rename_object, kView, "db", "main", "missing", "x")), "");
    EXPECT_EQ(take(ST(rename_object, kView, "db", "no'such", "v", "x")), "");
    // Each rename text creates the view under its new name.
    run(take(ST(rename_object, kView, "db", "main", "v", "v\\1")) +
        take(ST(rename_object, kView, "db", "main", "a b", "c'd")));
    EXPECT_EQ(rows("SELECT name FROM sqlite_master WHERE type = 'view' ORDER BY name"),
              (std::vector<std::string>{"a b", "c'd", "odd", "v", "v\\1"}));
}

TEST(SqliteViewRename, RenamedViewWithoutARecognisableNameIsKept) {
    using tarvelin::rezezadovu::supports::database::SQLiteStatement;
    EXPECT_EQ(SQLiteStatement::renamed_view("SELECT 1", "x"), "SELECT 1;");
    EXPECT_EQ(SQLiteStatement::renamed_view("CREATE VIEW `a``b`AS SELECT 1", "x"), "CREATE VIEW \"x\" as SELECT 1;");
}

TEST_F(SqliteStatement, MissingArgumentsAreRefused) {
    IStatement* s = statement();
    test::LogCapture log;
    gint col = -7;
    EXPECT_EQ(ST(show_tables, "db", nullptr, &col), nullptr);
    EXPECT_EQ(col, -7);
    EXPECT_EQ(ST(show_content, "db", "main", "t", "*", nullptr, "", 0, 0), nullptr);
    EXPECT_EQ(ST(rename_object, kView, "db", "main", "v", nullptr), nullptr);
    EXPECT_EQ(ST(build_connection_string, nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "object_schema != NULL"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "where != NULL"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "new_name != NULL"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "server != NULL"), 1);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sq_lite_statement_new(nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "connection != NULL"), 1);
}

TEST_F(SqliteStatement, DialectObjectsAreMadeOnceEach) {
    gpointer a = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i());
    gpointer b = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i());
    EXPECT_EQ(a, b);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(a), "TarvelinRezezadovuSupportsDatabaseSQLiteAdapter");
    g_object_unref(a);
    g_object_unref(b);
    const char* names[] = {"TarvelinRezezadovuSupportsDatabaseSQLiteStatement",
                           "TarvelinRezezadovuSupportsDatabaseSQLiteBuilder",
                           "TarvelinRezezadovuSupportsDatabaseSQLiteExplorer",
                           "TarvelinRezezadovuSupportsDatabaseSQLiteInspector"};
    GObject* objects[] = {G_OBJECT(statement()), G_OBJECT(builder()), G_OBJECT(explorer()), G_OBJECT(inspector())};
    for (int k = 0; k < 4; ++k) EXPECT_STREQ(G_OBJECT_TYPE_NAME(objects[k]), names[k]);
    EXPECT_STREQ(g_type_name(g_type_parent(G_OBJECT_TYPE(conn))), "TarvelinRezezadovuSupportsDatabaseConnectionImpl");
}

}  // namespace
}  // namespace sqlite_dialect_test
