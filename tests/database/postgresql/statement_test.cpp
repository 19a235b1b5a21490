// PostgreSQL statement texts, reached as a host reaches them: the connection's statement
// object through the IStatement dispatchers.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/postgresql.h>

#include <functional>

#include "fixture.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

namespace tarvelin::test {
namespace {

using Stmt = TarvelinRezezadovuContractsDatabaseIStatement;

class PostgresqlStatement : public ::testing::Test {
protected:
    void SetUp() override {
        connection = tarvelin_rezezadovu_supports_database_postgre_sql_connection_new();
        stmt = tarvelin_rezezadovu_contracts_database_iconnection_statement(iconnection(connection));
        ASSERT_NE(stmt, nullptr);
    }
    void TearDown() override {
        g_clear_object(&stmt);
        g_clear_object(&connection);
    }
    TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* connection = nullptr;
    Stmt* stmt = nullptr;
};

struct TextCase {
    const char* what;
    std::function<gchar*(Stmt*, gint*)> make;
    const char* expected;
    gint column;  // the out column index the text sets (-1: none)
};

constexpr auto FUNCTION = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION;
constexpr auto PROCEDURE = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE;
constexpr auto INDEX = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX;
constexpr auto TRIGGER = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER;
constexpr auto VIEW = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW;
constexpr auto TABLE = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE;
constexpr auto DATABASE = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE;
constexpr auto SCHEMA = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA;
constexpr auto USER = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER;
constexpr auto EVENT = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT;
constexpr auto SEQUENCE = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE;

#define S(op, ...) tarvelin_rezezadovu_contracts_database_istatement_##op(s, __VA_ARGS__)

const std::string kConstraints =
    "SELECT con.conname FROM pg_catalog.pg_constraint con INNER JOIN pg_catalog.pg_class rel ON rel.oid = "
    "con.conrelid INNER JOIN pg_catalog.pg_namespace nsp ON nsp.oid = connamespace WHERE nsp.nspname = 'app' AND "
    "contype = ";

std::vector<TextCase> listing_cases() {
    static const std::string checks = kConstraints + "'c';", excludes = kConstraints + "'x';",
                             foreigns = kConstraints + "'f';", uniques = kConstraints + "'u';",
                             triggers = kConstraints + "'t';";
    return {
        {"show_databases", [](Stmt* s, gint* c) { return S(show_databases, c); },
         "SELECT datname FROM pg_database WHERE datistemplate = FALSE ORDER BY datname ASC;", 0},
        {"show_table_spaces", [](Stmt* s, gint* c) { return S(show_table_spaces, "db", c); },
         "SELECT spcname AS name FROM pg_tablespace ORDER BY spcname ASC;", 0},
        {"show_table_schemas", [](Stmt* s, gint* c) { return S(show_table_schemas, "db", c); },
         "select schema_name from information_schema.schemata where catalog_name = 'db';", 0},
        {"show_tables", [](Stmt* s, gint* c) { return S(show_tables, "db", "app", c); },
         "SELECT table_name, table_schema FROM information_schema.tables WHERE table_type = 'BASE TABLE' AND "
         "table_catalog = 'db' AND table_schema = 'app' ORDER BY table_name ASC;",
         0},
        {"show_views", [](Stmt* s, gint* c) { return S(show_views, "db", "app", c); },
         "SELECT table_name, table_schema FROM information_schema.tables WHERE table_type = 'VIEW' AND "
         "table_catalog = 'db' AND table_schema = 'app' ORDER BY table_name ASC;",
         0},
        {"show_checks", [](Stmt* s, gint* c) { return S(show_checks, "db", "app", c); }, checks.c_str(), 0},
        {"show_excludes", [](Stmt* s, gint* c) { return S(show_excludes, "db", "app", c); }, excludes.c_str(), 0},
        {"show_foreigns", [](Stmt* s, gint* c) { return S(show_foreigns, "db", "app", c); }, foreigns.c_str(), 0},
        {"show_uniques", [](Stmt* s, gint* c) { return S(show_uniques, "db", "app", c); }, uniques.c_str(), 0},
        {"show_triggers", [](Stmt* s, gint* c) { return S(show_triggers, "db", "app", c); }, triggers.c_str(), 0},
        {"show_rules", [](Stmt* s, gint* c) { return S(show_rules, "db", "app", c); },
         "select rulename from pg_rules WHERE schemaname = 'app';", 0},
        {"show_indexes", [](Stmt* s, gint* c) { return S(show_indexes, "db", "app", c); },
         "SELECT indexname FROM pg_indexes WHERE schemaname = 'app';", 0},
        {"show_functions", [](Stmt* s, gint* c) { return S(show_functions, "db", "app", c); },
         "SELECT routine_name FROM information_schema.routines WHERE routine_type='FUNCTION' AND "
         "specific_catalog='db' AND specific_schema='app';",
         0},
        {"show_procedures", [](Stmt* s, gint* c) { return S(show_procedures, "db", "app", c); },
         "SELECT p.proname FROM pg_catalog.pg_proc p LEFT JOIN pg_catalog.pg_namespace n ON p.pronamespace = n.oid "
         "WHERE n.nspname = 'app';",
         0},
        {"show_users", [](Stmt* s, gint* c) { return S(show_users, "db", "app", c); },
         "SELECT rolname FROM pg_catalog.pg_roles WHERE rolcanlogin = true;", 0},
        {"show_roles", [](Stmt* s, gint* c) { return S(show_roles, "db", "app", c); },
         "SELECT rolname FROM pg_catalog.pg_roles WHERE rolcanlogin = false;", 0},
        {"show_structure", [](Stmt* s, gint* c) { return S(show_structure, "db", "app", "t", c); },
         "SELECT column_name, data_type, udt_name, character_maximum_length, is_nullable, column_default FROM "
         "information_schema.columns WHERE table_schema = 'app' AND table_name = 't' ORDER BY ordinal_position ASC",
         0},
    };
}

std::vector<TextCase> object_cases() {
    return {
        {"show_source FUNCTION", [](Stmt* s, gint* c) { return S(show_source, FUNCTION, "db", "app", "f", c); },
         "SELECT pg_get_functiondef(p.oid) from pg_proc p LEFT JOIN pg_namespace n ON n.oid=p.pronamespace WHERE "
         "n.nspname='app' and p.proname='f';",
         0},
        {"show_source PROCEDURE", [](Stmt* s, gint* c) { return S(show_source, PROCEDURE, "db", "app", "p", c); },
         "SELECT pg_get_functiondef(p.oid) from pg_proc p LEFT JOIN pg_namespace n ON n.oid=p.pronamespace WHERE "
         "n.nspname='app' and p.proname='p';",
         0},
        // An index and a trigger take their schema in `database` and their table in `user_schema`.
        {"show_source INDEX", [](Stmt* s, gint* c) { return S(show_source, INDEX, "app", "t", "ix", c); },
         "SELECT indexdef from pg_indexes WHERE schemaname='app' and tablename='t' and indexname='ix';", 0},
        {"show_source TRIGGER", [](Stmt* s, gint* c) { return S(show_source, TRIGGER, "app", "t", "tg", c); },
         "SELECT pg_get_triggerdef(t.oid) AS def FROM pg_trigger t LEFT JOIN pg_class c ON c.oid=t.tgrelid LEFT JOIN "
         "pg_namespace n ON n.oid=c.relnamespace WHERE n.nspname='app' AND c.relname='t' and t.tgname='tg';",
         0},
        {"show_source VIEW", [](Stmt* s, gint* c) { return S(show_source, VIEW, "db", "app", "v", c); },
         "SELECT definition from pg_views WHERE schemaname='app' and viewname='v';", 0},
        {"show_source TABLE", [](Stmt* s, gint* c) { return S(show_source, TABLE, "db", "app", "t", c); }, "", 1},
        {"show_content page", [](Stmt* s, gint*) { return S(show_content, "db", "app", "t", "a, b", "a > 1", "b DESC", 100, 50); },
         "SELECT a, b FROM \"app\".\"t\" WHERE a > 1 ORDER BY b DESC LIMIT 50 OFFSET 100;", -1},
        {"show_content no page", [](Stmt* s, gint*) { return S(show_content, "db", "app", "t", "*", "", "", 100, 0); },
         "SELECT * FROM \"app\".\"t\"", -1},
        {"show_content negative limit", [](Stmt* s, gint*) { return S(show_content, "db", "app", "t", "*", "", "", 0, -5); },
         "SELECT * FROM \"app\".\"t\"", -1},
        {"show_content 64-bit offset",
         [](Stmt* s, gint*) { return S(show_content, "db", "app", "t", "*", "", "", G_GINT64_CONSTANT(5000000000), 10); },
         "SELECT * FROM \"app\".\"t\" LIMIT 10 OFFSET 5000000000;", -1},
        {"show_effected", [](Stmt* s, gint*) { return S(show_effected, "db", "app", "t", "a = 1"); },
         "SELECT count(*) FROM \"app\".\"t\" WHERE a = 1;", -1},
        {"show_effected all", [](Stmt* s, gint*) { return S(show_effected, "db", "app", "t", ""); },
         "SELECT count(*) FROM \"app\".\"t\";", -1},
        {"show_relations", [](Stmt* s, gint*) { return S(show_relations, "db", "app", "t"); },
         "SELECT COLUMN_NAME, CONSTRAINT_NAME, REFERENCED_COLUMN_NAME, REFERENCED_TABLE_NAME FROM "
         "information_schema.KEY_COLUMN_USAGE WHERE TABLE_NAME = 't' AND TABLE_SCHEMA = 'app'",
         -1},
        {"call_function", [](Stmt* s, gint*) { return S(call_function, "db", "app", "f", "(1, 'x')"); },
         "SELECT \"app\".\"f\"(1, 'x');", -1},
        {"call_function bare", [](Stmt* s, gint*) { return S(call_function, "db", "app", "now", ""); },
         "SELECT \"app\".\"now\";", -1},
        {"call_procedure", [](Stmt* s, gint*) { return S(call_procedure, "db", "app", "p", "()"); },
         "CALL \"app\".\"p\"();", -1},
        {"empty_table", [](Stmt* s, gint*) { return S(empty_table, "db", "app", "t"); }, "TRUNCATE TABLE \"app\".\"t\";",
         -1},
        {"change_database", [](Stmt* s, gint*) { return S(change_database, "other"); }, "\\connect other;", -1},
        {"build_explain", [](Stmt* s, gint*) { return S(build_explain, "SELECT 1", ""); }, "EXPLAIN SELECT 1;", -1},
        {"build_explain JSON", [](Stmt* s, gint*) { return S(build_explain, "SELECT 1", "JSON"); },
         "EXPLAIN (FORMAT JSON) SELECT 1;", -1},
        {"build_analyze", [](Stmt* s, gint*) { return S(build_analyze, "SELECT 1", "JSON"); },
         "EXPLAIN ANALYZE SELECT 1;", -1},
        {"flush_privileges", [](Stmt* s, gint*) { return tarvelin_rezezadovu_contracts_database_istatement_flush_privileges(s); },
         "FLUSH PRIVILEGES;", -1},
        // Inherited from Statement.
        {"transaction", [](Stmt* s, gint*) { return S(transaction, ""); }, "START TRANSACTION;", -1},
        {"show_user_rights", [](Stmt* s, gint*) { return S(show_user_rights, "db", "app", "u"); }, "", -1},
    };
}

std::vector<TextCase> change_cases() {
    return {
        {"rename DATABASE", [](Stmt* s, gint*) { return S(rename_object, DATABASE, "db", "app", "a", "b"); },
         "ALTER DATABASE \"a\" RENAME TO \"b\";", -1},
        {"rename FUNCTION", [](Stmt* s, gint*) { return S(rename_object, FUNCTION, "db", "app", "a", "b"); },
         "ALTER FUNCTION \"a\" RENAME TO \"b\";", -1},
        {"rename INDEX", [](Stmt* s, gint*) { return S(rename_object, INDEX, "db", "app", "a", "b"); },
         "ALTER INDEX \"a\" RENAME TO \"b\";", -1},
        {"rename SCHEMA", [](Stmt* s, gint*) { return S(rename_object, SCHEMA, "db", "app", "a", "b"); },
         "ALTER SCHEMA \"a\" RENAME TO \"b\";", -1},
        {"rename TABLE", [](Stmt* s, gint*) { return S(rename_object, TABLE, "db", "app", "a", "b"); },
         "ALTER TABLE \"a\" RENAME TO \"b\";", -1},
        {"rename USER", [](Stmt* s, gint*) { return S(rename_object, USER, "db", "app", "a", "b"); },
         "ALTER USER \"a\" RENAME TO \"b\";", -1},
        {"rename VIEW", [](Stmt* s, gint*) { return S(rename_object, VIEW, "db", "app", "a", "b"); },
         "ALTER VIEW \"a\" RENAME TO \"b\";", -1},
        {"rename SEQUENCE", [](Stmt* s, gint*) { return S(rename_object, SEQUENCE, "db", "app", "a", "b"); }, "", -1},
        {"drop DATABASE", [](Stmt* s, gint*) { return S(drop_object, DATABASE, "db", "ignored", "d", ""); },
         "DROP DATABASE IF EXISTS \"d\";", -1},
        {"drop EVENT", [](Stmt* s, gint*) { return S(drop_object, EVENT, "db", "app", "e", ""); },
         "DROP EVENT IF EXISTS \"app\".\"e\";", -1},
        {"drop FUNCTION", [](Stmt* s, gint*) { return S(drop_object, FUNCTION, "db", "app", "f", ""); },
         "DROP FUNCTION IF EXISTS \"app\".\"f\";", -1},
        {"drop INDEX", [](Stmt* s, gint*) { return S(drop_object, INDEX, "db", "app", "i", ""); },
         "DROP INDEX IF EXISTS \"app\".\"i\";", -1},
        {"drop PROCEDURE", [](Stmt* s, gint*) { return S(drop_object, PROCEDURE, "db", "app", "p", ""); },
         "DROP PROCEDURE IF EXISTS \"app\".\"p\";", -1},
        {"drop SCHEMA", [](Stmt* s, gint*) { return S(drop_object, SCHEMA, "db", "ignored", "app", ""); },
         "DROP SCHEMA IF EXISTS \"app\";", -1},
        {"drop TABLE", [](Stmt* s, gint*) { return S(drop_object, TABLE, "db", "app", "t", ""); },
         "DROP TABLE IF EXISTS \"app\".\"t\";", -1},
        {"drop TRIGGER", [](Stmt* s, gint*) { return S(drop_object, TRIGGER, "db", "app", "tg", "t"); },
         "DROP TRIGGER IF EXISTS \"tg\" ON \"app\".\"t\";", -1},
        {"drop USER", [](Stmt* s, gint*) { return S(drop_object, USER, "db", "ignored", "u", ""); },
         "DROP USER IF EXISTS \"u\";", -1},
        {"drop VIEW", [](Stmt* s, gint*) { return S(drop_object, VIEW, "db", "app", "v", ""); },
         "DROP VIEW IF EXISTS \"app\".\"v\";", -1},
        {"drop SEQUENCE", [](Stmt* s, gint*) { return S(drop_object, SEQUENCE, "db", "app", "q", ""); }, "", -1},
        {"grant", [](Stmt* s, gint*) { return S(grant_user_rights, "db", "app", "bob", "TABLE app.t", "SELECT, INSERT"); },
         "GRANT SELECT, INSERT ON TABLE app.t TO \"bob\";", -1},
        {"grant with grant option",
         [](Stmt* s, gint*) { return S(grant_user_rights, "db", "app", "bob", "TABLE app.t", "SELECT, GRANT OPTION, UPDATE (a, b)"); },
         "GRANT SELECT, UPDATE (a, b) ON TABLE app.t TO \"bob\" WITH GRANT OPTION;", -1},
        {"revoke", [](Stmt* s, gint*) { return S(revoke_user_rights, "db", "app", "bob", "TABLE app.t", "ALL"); },
         "REVOKE ALL ON TABLE app.t FROM \"bob\";", -1},
    };
}

void run(Stmt* stmt, const std::vector<TextCase>& cases) {
    for (const auto& c : cases) {
        gint column = 99;
        gchar* text = c.make(stmt, &column);
        ASSERT_NE(text, nullptr) << c.what;
        EXPECT_STREQ(text, c.expected) << c.what;
        if (c.column >= 0) {
            EXPECT_EQ(column, c.column) << c.what;
        }
        g_free(text);
    }
}

TEST_F(PostgresqlStatement, ListingsSetTheirNameColumn) { run(stmt, listing_cases()); }
TEST_F(PostgresqlStatement, ObjectAndRowTexts) { run(stmt, object_cases()); }
TEST_F(PostgresqlStatement, RenamesDropsAndRights) { run(stmt, change_cases()); }

TEST_F(PostgresqlStatement, ShowPrivilegesSetsBothColumns) {
    gint name = 9, context = 9;
    gchar* text = tarvelin_rezezadovu_contracts_database_istatement_show_privileges(stmt, &name, &context);
    EXPECT_STREQ(text, "SHOW PRIVILEGES;");
    EXPECT_EQ(name, 0);
    EXPECT_EQ(context, 1);
    g_free(text);
    // No place for the indexes is fine.
    text = tarvelin_rezezadovu_contracts_database_istatement_show_privileges(stmt, nullptr, nullptr);
    EXPECT_STREQ(text, "SHOW PRIVILEGES;");
    g_free(text);
}

TEST_F(PostgresqlStatement, RoleDetailsKeepTheirColumnOrder) {
    const std::string select =
        "SELECT cast(ro.oid as text) AS oids, ro.rolname, ro.rolsuper, ro.rolinherit, ro.rolcreaterole, "
        "ro.rolcreatedb, ro.rolbypassrls, ro.rolreplication, ro.rolcanlogin, ro.rolconnlimit, au.rolpassword, "
        "ro.rolvaliduntil, pg_catalog.shobj_description(ro.oid, 'pg_authid') AS comment ";
    gchar* user = tarvelin_rezezadovu_contracts_database_istatement_show_user_detail(stmt, "db", "app", "bob");
    EXPECT_EQ(std::string(user),
              select + "FROM pg_roles ro, pg_authid au  WHERE ro.oid = au.oid AND ro.rolname = 'bob';");
    gchar* role = tarvelin_rezezadovu_contracts_database_istatement_show_role_detail(stmt, "db", "app", "readers");
    EXPECT_EQ(std::string(role), select +
                                     "FROM pg_roles ro, pg_authid au  WHERE ro.rolcanlogin = 'N' AND ro.oid = au.oid "
                                     "AND ro.rolname = 'readers';");
    g_free(user);
    g_free(role);
}

TEST_F(PostgresqlStatement, ConnectionTextAddsSslModeOnlyWhenAsked) {
    auto* server = tarvelin_providers_contracts_server_new();
    g_object_set(server, "driver", "PostgreSQL", "host", "db.example", "initial", "shop", "port", 5432, "username",
                 "bob", "password", "p;w", "ssl-mode", "disable", nullptr);
    gchar* plain = tarvelin_rezezadovu_contracts_database_istatement_build_connection_string(stmt, server);
    EXPECT_STREQ(plain, "DRIVER={PostgreSQL};SERVER=db.example;DATABASE=shop;PORT=5432;UID=bob;PWD=p;w;");
    g_object_set(server, "ssl-using", TRUE, nullptr);
    gchar* ssl = tarvelin_rezezadovu_contracts_database_istatement_build_connection_string(stmt, server);
    EXPECT_STREQ(ssl,
                 "DRIVER={PostgreSQL};SERVER=db.example;DATABASE=shop;PORT=5432;UID=bob;PWD=p;w;SSLMODE=require;");
    g_free(plain);
    g_free(ssl);
    g_object_unref(server);
}

// Names and values placed between quotes keep their quote characters inside them.
TEST_F(PostgresqlStatement, HostileNamesStayInsideTheirQuotes) {
    const char* schema = "we\"ird s'ch";
    const char* table = "ta\"b l'e";
    struct Case {
        const char* what;
        gchar* text;
        const char* expected;
    } cases[] = {
        {"show_tables", tarvelin_rezezadovu_contracts_database_istatement_show_tables(stmt, "d'b", schema, nullptr),
         "SELECT table_name, table_schema FROM information_schema.tables WHERE table_type = 'BASE TABLE' AND "
         "table_catalog = 'd''b' AND table_schema = 'we\"ird s''ch' ORDER BY table_name ASC;"},
        {"empty_table", tarvelin_rezezadovu_contracts_database_istatement_empty_table(stmt, "db", schema, table),
         "TRUNCATE TABLE \"we\"\"ird s'ch\".\"ta\"\"b l'e\";"},
        {"drop trigger",
         tarvelin_rezezadovu_contracts_database_istatement_drop_object(stmt, TRIGGER, "db", schema, "t\"g", table),
         "DROP TRIGGER IF EXISTS \"t\"\"g\" ON \"we\"\"ird s'ch\".\"ta\"\"b l'e\";"},
        {"show_source trigger",
         tarvelin_rezezadovu_contracts_database_istatement_show_source(stmt, TRIGGER, schema, table, "it's", nullptr),
         "SELECT pg_get_triggerdef(t.oid) AS def FROM pg_trigger t LEFT JOIN pg_class c ON c.oid=t.tgrelid LEFT JOIN "
         "pg_namespace n ON n.oid=c.relnamespace WHERE n.nspname='we\"ird s''ch' AND c.relname='ta\"b l''e' and "
         "t.tgname='it''s';"},
        {"show_relations", tarvelin_rezezadovu_contracts_database_istatement_show_relations(stmt, "db", schema, table),
         "SELECT COLUMN_NAME, CONSTRAINT_NAME, REFERENCED_COLUMN_NAME, REFERENCED_TABLE_NAME FROM "
         "information_schema.KEY_COLUMN_USAGE WHERE TABLE_NAME = 'ta\"b l''e' AND TABLE_SCHEMA = 'we\"ird s''ch'"},
        {"rename", tarvelin_rezezadovu_contracts_database_istatement_rename_object(stmt, TABLE, "db", schema, table, "x\"y"),
         "ALTER TABLE \"ta\"\"b l'e\" RENAME TO \"x\"\"y\";"},
        {"user detail", tarvelin_rezezadovu_contracts_database_istatement_show_user_detail(stmt, "db", schema, "o'neil"),
         nullptr},
        {"grant", tarvelin_rezezadovu_contracts_database_istatement_grant_user_rights(stmt, "db", schema, "b\"ob", "t", "ALL"),
         "GRANT ALL ON t TO \"b\"\"ob\";"},
    };
    for (auto& c : cases) {
        ASSERT_NE(c.text, nullptr) << c.what;
        if (c.expected)
            EXPECT_STREQ(c.text, c.expected) << c.what;
        else
            EXPECT_NE(std::string(c.text).find("ro.rolname = 'o''neil';"), std::string::npos) << c.text;
        g_free(c.text);
    }
}

// The dialect's one way of writing a name and a text, as the interface gives them to the
// transfer and the importers, and as the builder and readers call them.
TEST_F(PostgresqlStatement, TheQuotingAndLiteralTables) {
    struct Name {
        const char* identifier;
        const char* schema;
        const char* expected;
    } names[] = {
        {"orders", "", "\"orders\""},
        {"orders", "app", "\"app\".\"orders\""},
        {"", "app", "\"app\".\"\""},
        {"", "", "\"\""},
        {"we\"ird", "", "\"we\"\"ird\""},
        {"Mixed Case", "s'x", "\"s'x\".\"Mixed Case\""},
        {"z\u00fcrich_\u8868_\U0001F642", "", "\"z\u00fcrich_\u8868_\U0001F642\""},
        {"id); DROP TABLE victim; --", "", "\"id); DROP TABLE victim; --\""},
        {"a\\b\n/*c*/[d]`e`", "", "\"a\\b\n/*c*/[d]`e`\""},
    };
    for (const auto& n : names) {
        gchar* text = tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(stmt, n.identifier, n.schema);
        EXPECT_STREQ(text, n.expected) << n.identifier;
        g_free(text);
    }
    struct Value {
        providers::contracts::DataType type;
        const char* value;
        const char* expected;
    } values[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "42", "42"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "1; DROP TABLE victim", "'1; DROP TABLE victim'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "1.5", "1.5"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "1.5", "'1.5'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "true", "true"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "O'Brien", "'O''Brien'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "a\\b \"c\"", "'a\\b \"c\"'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "", "''"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL, "NULL", "'NULL'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "00FF", "'\\x00FF'::bytea"},
    };
    for (const auto& v : values) {
        gchar* text = tarvelin_rezezadovu_contracts_database_istatement_pack_value(stmt, v.type, v.value);
        EXPECT_STREQ(text, v.expected) << v.value;
        g_free(text);
    }
    using rezezadovu::supports::database::PostgreSQLStatement;
    EXPECT_EQ(PostgreSQLStatement::literal("it's"), "'it''s'");
    EXPECT_EQ(PostgreSQLStatement::qualified("s", "t\"x"), "\"s\".\"t\"\"x\"");
    // As the server prints names: bare where it would fold to the same name.
    // "default" is a reserved word: bare it would not read as a name (COLLATE pg_catalog.default).
    EXPECT_EQ(PostgreSQLStatement::printed("pg_catalog", "default"), "pg_catalog.\"default\"");
    EXPECT_EQ(PostgreSQLStatement::printed("pg_catalog", "C"), "pg_catalog.\"C\"");
    EXPECT_EQ(PostgreSQLStatement::printed("my schema", "text_ops"), "\"my schema\".text_ops");
    EXPECT_EQ(PostgreSQLStatement::printed("a\"b"), "\"a\"\"b\"");
    // Key words the server reserves are quoted; those it takes as names stay bare.
    for (const char* reserved : {"order", "user", "int", "left", "default", "xmltable"})
        EXPECT_EQ(PostgreSQLStatement::printed(reserved), "\"" + std::string(reserved) + "\"");
    for (const char* plain : {"name", "type", "comment", "orders", "text"})
        EXPECT_EQ(PostgreSQLStatement::printed(plain), plain);
}

TEST_F(PostgresqlStatement, MissingArgumentsAreNamedAndLeaveTheIndex) {
    LogCapture log;
    struct Case {
        const char* condition;
        std::function<gchar*(gint*)> call;
    };
    auto* s = stmt;
    std::vector<Case> cases = {
        {"database != NULL", [&](gint* c) { return S(show_tables, nullptr, "app", c); }},
        {"user_schema != NULL", [&](gint* c) { return S(show_tables, "db", nullptr, c); }},
        {"table != NULL", [&](gint* c) { return S(show_structure, "db", "app", nullptr, c); }},
        {"name != NULL", [&](gint* c) { return S(show_source, VIEW, "db", "app", nullptr, c); }},
        {"columns != NULL", [&](gint*) { return S(show_content, "db", "app", "t", nullptr, "", "", 0, 0); }},
        {"where != NULL", [&](gint*) { return S(show_content, "db", "app", "t", "*", nullptr, "", 0, 0); }},
        {"order != NULL", [&](gint*) { return S(show_content, "db", "app", "t", "*", "", nullptr, 0, 0); }},
        {"object_schema != NULL", [&](gint*) { return S(drop_object, TABLE, "db", nullptr, "t", ""); }},
        {"object_target != NULL", [&](gint*) { return S(drop_object, TABLE, "db", "app", "t", nullptr); }},
        {"old_name != NULL", [&](gint*) { return S(rename_object, TABLE, "db", "app", nullptr, "b"); }},
        {"new_name != NULL", [&](gint*) { return S(rename_object, TABLE, "db", "app", "a", nullptr); }},
        {"username != NULL", [&](gint*) { return S(show_user_detail, "db", "app", nullptr); }},
        {"rolename != NULL", [&](gint*) { return S(show_role_detail, "db", "app", nullptr); }},
        {"object != NULL", [&](gint*) { return S(grant_user_rights, "db", "app", "u", nullptr, "ALL"); }},
        {"rights != NULL", [&](gint*) { return S(revoke_user_rights, "db", "app", "u", "t", nullptr); }},
        {"function != NULL", [&](gint*) { return S(call_function, "db", "app", nullptr, ""); }},
        {"procedure != NULL", [&](gint*) { return S(call_procedure, "db", "app", nullptr, ""); }},
        {"parameters != NULL", [&](gint*) { return S(call_procedure, "db", "app", "p", nullptr); }},
        {"statement != NULL", [&](gint*) { return S(build_explain, nullptr, ""); }},
        {"format != NULL", [&](gint*) { return S(build_analyze, "SELECT 1", nullptr); }},
        {"server != NULL", [&](gint*) { return tarvelin_rezezadovu_contracts_database_istatement_build_connection_string(s, nullptr); }},
    };
    for (const auto& c : cases) {
        log.clear();
        gint column = 42;
        gchar* text = c.call(&column);
        EXPECT_EQ(text, nullptr) << c.condition;
        g_free(text);
        EXPECT_EQ(column, 42) << c.condition;
        EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, c.condition)) << c.condition;
    }
}

#undef S

}  // namespace
}  // namespace tarvelin::test
