// The SQL Server statement texts: a golden table over every operation (the long texts
// come from data/statement_texts.json), names that try to leave their quotes, literals,
// and the argument checks.
#include <functional>

#include "providers/contracts/face_server.hpp"
#include "rezezadovu/supports/database/sqlserver/statement.hpp"
#include "sqlserver_support.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;
using rezezadovu::supports::database::SQLServerStatement;
using Text = SQLServerStatement::Text;

namespace {

constexpr auto kTable = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE;
constexpr auto kView = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW;
constexpr auto kIndex = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX;
constexpr auto kTrigger = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER;
constexpr auto kUser = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER;

std::string spec_text(const std::string& name, const std::vector<std::string>& args = {}) {
    return text_of("statement_texts.json", name, args);
}

class SqlServerStatementTest : public ::testing::Test {
protected:
    gobj::Ref<SQLServerConnection> connection = scripted_connection(ScriptedProvider::create());
    gobj::Ref<SQLServerStatement> statement =
        SQLServerStatement::create(SQLServerStatement::gtype(), c_of(connection));
};

struct Case {
    const char* what;
    std::function<Text(SQLServerStatement&, gint*)> run;
    std::string expected;
    gint name_column = 0;  // 99: the operation has no name column
};

}  // namespace

TEST_F(SqlServerStatementTest, GoldenTextsOfEveryOperation) {
    auto server = record();
    auto no_port = record();
    no_port->set_port(0);
    const std::vector<Case> cases = {
        {"connection text", [&](auto& s, gint*) { return s.build_connection_string(server.get()); },
         "Server={db.example},1433;Database=shop;User Id=sa;Password=secret;", 99},
        {"connection text without port", [&](auto& s, gint*) { return s.build_connection_string(no_port.get()); },
         "Server={db.example};Database=shop;User Id=sa;Password=secret;", 99},
        {"databases", [](auto& s, gint* n) { return s.show_databases(n); }, spec_text("show_databases")},
        {"change database", [](auto& s, gint*) { return s.change_database("shop"); }, "use [shop];", 99},
        {"tables", [](auto& s, gint* n) { return s.show_tables("shop", "dbo", n); }, spec_text("show_tables", {"dbo"})},
        {"views", [](auto& s, gint* n) { return s.show_views("shop", "dbo", n); }, spec_text("show_views", {"dbo"})},
        {"table spaces", [](auto& s, gint* n) { return s.show_table_spaces("shop", n); }, "", -1},
        {"schemas", [](auto& s, gint* n) { return s.show_table_schemas("shop", n); }, spec_text("show_table_schemas")},
        {"indexes", [](auto& s, gint* n) { return s.show_indexes("shop", "dbo", n); },
         spec_text("show_indexes", {"dbo"})},
        {"triggers", [](auto& s, gint* n) { return s.show_triggers("shop", "dbo", n); },
         spec_text("show_triggers", {"dbo"})},
        {"functions", [](auto& s, gint* n) { return s.show_functions("shop", "dbo", n); },
         spec_text("show_functions", {"shop", "dbo"})},
        {"procedures", [](auto& s, gint* n) { return s.show_procedures("shop", "dbo", n); },
         spec_text("show_procedures", {"shop", "dbo"})},
        {"call function", [](auto& s, gint*) { return s.call_function("shop", "dbo", "fn_total", "(7)"); },
         "SELECT [dbo].[fn_total](7);", 99},
        {"call procedure", [](auto& s, gint*) { return s.call_procedure("shop", "dbo", "usp_place", "7, 'x'"); },
         "EXEC [dbo].[usp_place] 7, 'x';", 99},
        {"table source", [](auto& s, gint* n) { return s.show_source(kTable, "shop", "dbo", "orders", n); },
         spec_text("source_table", {"dbo", "orders"})},
        // The three places take database, schema and name as received.
        {"index source", [](auto& s, gint* n) { return s.show_source(kIndex, "dbo", "orders", "ix_orders", n); },
         spec_text("source_index", {"dbo", "orders", "ix_orders"})},
        {"trigger source", [](auto& s, gint* n) { return s.show_source(kTrigger, "shop", "dbo", "trg", n); },
         spec_text("source_trigger", {"dbo", "trg"})},
        {"view source", [](auto& s, gint* n) { return s.show_source(kView, "shop", "dbo", "v_orders", n); },
         spec_text("source_view", {"shop", "dbo", "v_orders"})},
        {"function source", [](auto& s, gint* n) {
             return s.show_source(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION, "shop", "dbo", "f", n);
         }, ""},
        {"structure", [](auto& s, gint* n) { return s.show_structure("shop", "dbo", "orders", n); },
         spec_text("show_structure", {"shop", "dbo", "orders"})},
        {"content, no paging without an order",
         [](auto& s, gint*) { return s.show_content("shop", "dbo", "t", "*", "", "", 0, 100); },
         "SELECT * FROM [dbo].[t] ;", 99},
        {"content page", [](auto& s, gint*) { return s.show_content("shop", "dbo", "t", "*", "", "id", 100, 50); },
         "SELECT * FROM [dbo].[t] ORDER BY id OFFSET 100 ROWS FETCH NEXT 50 ROWS ONLY;", 99},
        {"content, order and count 0", [](auto& s, gint*) { return s.show_content("shop", "dbo", "t", "*", "", "id", 0, 0); },
         "SELECT * FROM [dbo].[t] ORDER BY id ;", 99},
        {"content, filter and large offset",
         [](auto& s, gint*) { return s.show_content("shop", "dbo", "t", "a, b", "a>1", "b DESC", 5000000000, 10); },
         "SELECT a, b FROM [dbo].[t] WHERE a>1 ORDER BY b DESC OFFSET 5000000000 ROWS FETCH NEXT 10 ROWS ONLY;", 99},
        {"users", [](auto& s, gint* n) { return s.show_users("shop", "dbo", n); }, spec_text("show_users")},
        {"roles", [](auto& s, gint* n) { return s.show_roles("shop", "dbo", n); }, spec_text("show_roles")},
        {"user detail", [](auto& s, gint*) { return s.show_user_detail("shop", "dbo", "clerk"); },
         spec_text("show_user_detail", {"clerk"}), 99},
        {"role detail", [](auto& s, gint*) { return s.show_role_detail("shop", "dbo", "readers"); },
         spec_text("show_role_detail", {"readers"}), 99},
        {"user rights", [](auto& s, gint*) { return s.show_user_rights("shop", "dbo", "clerk"); },
         spec_text("show_user_rights", {"clerk"}), 99},
        {"role rights", [](auto& s, gint*) { return s.show_role_rights("shop", "dbo", "readers"); },
         spec_text("show_role_rights", {"readers"}), 99},
        {"grant to user", [](auto& s, gint*) { return s.grant_user_rights("shop", "dbo", "clerk", "alice", "IMPERSONATE"); },
         "GRANT IMPERSONATE ON USER::alice TO [clerk];", 99},
        {"grant to user with grant option",
         [](auto& s, gint*) { return s.grant_user_rights("shop", "dbo", "clerk", "alice", "CONTROL GRANT OPTION"); },
         "GRANT CONTROL GRANT OPTION ON USER::alice TO [clerk] WITH GRANT OPTION;", 99},
        {"revoke from user", [](auto& s, gint*) { return s.revoke_user_rights("shop", "dbo", "clerk", "alice", "ALTER"); },
         "REVOKE ALTER ON USER::alice FROM [clerk];", 99},
        {"revoke grant option from user",
         [](auto& s, gint*) { return s.revoke_user_rights("shop", "dbo", "clerk", "alice", "CONTROL GRANT OPTION"); },
         "REVOKE GRANT OPTION FOR CONTROL GRANT OPTION ON USER::alice FROM [clerk];", 99},
        {"grant to role", [](auto& s, gint*) { return s.grant_role_rights("shop", "dbo", "readers", "writers", "VIEW DEFINITION"); },
         "GRANT VIEW DEFINITION ON ROLE::writers TO [readers];", 99},
        {"revoke from role",
         [](auto& s, gint*) { return s.revoke_role_rights("shop", "dbo", "readers", "writers", "TAKE OWNERSHIP"); },
         "REVOKE TAKE OWNERSHIP ON ROLE::writers FROM [readers];", 99},
        {"privileges", [](auto& s, gint* n) {
             gint context = 5;
             Text t = s.show_privileges(n, &context);
             EXPECT_EQ(context, 0);
             return t;
         }, spec_text("show_privileges")},
        {"count", [](auto& s, gint*) { return s.show_effected("shop", "dbo", "t", ""); },
         "SELECT count(*) FROM [dbo].[t];", 99},
        {"count with a filter", [](auto& s, gint*) { return s.show_effected("shop", "dbo", "t", "a>1"); },
         "SELECT count(*) FROM [dbo].[t] WHERE a>1;", 99},
        {"relations", [](auto& s, gint*) { return s.show_relations("shop", "dbo", "orders"); },
         spec_text("show_relations", {"dbo", "orders"}), 99},
        {"rename database", [](auto& s, gint*) {
             return s.rename_object(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE, "shop", "dbo", "a", "b");
         }, "ALTER DATABASE [a] MODIFY NAME = [b];", 99},
        {"rename schema", [](auto& s, gint*) {
             return s.rename_object(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA, "shop", "dbo", "a", "b");
         }, "CREATE SCHEMA [b]; ALTER SCHEMA [a] TRANSFER [b]; DROP SCHEMA [a]", 99},
        {"rename table", [](auto& s, gint*) { return s.rename_object(kTable, "shop", "dbo", "a", "b"); },
         "EXEC sp_rename [dbo].[a], [b];", 99},
        {"rename view", [](auto& s, gint*) { return s.rename_object(kView, "shop", "dbo", "a", "b"); },
         "EXEC sp_rename [dbo].[a], [b];", 99},
        {"rename user", [](auto& s, gint*) { return s.rename_object(kUser, "shop", "dbo", "a", "b"); },
         "ALTER USER [a] WITH NAME = [b];", 99},
        {"rename index", [](auto& s, gint*) { return s.rename_object(kIndex, "shop", "dbo", "a", "b"); }, "", 99},
        {"drop database", [](auto& s, gint*) {
             return s.drop_object(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE, "shop", "dbo", "old", "");
         }, "DROP DATABASE [old];", 99},
        {"drop event", [](auto& s, gint*) {
             return s.drop_object(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT, "shop", "dbo", "ev", "");
         }, "DROP EVENT NOTIFICATION [dbo].[ev] ON DATABASE;", 99},
        {"drop function", [](auto& s, gint*) {
             return s.drop_object(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION, "shop", "dbo", "f", "");
         }, "DROP FUNCTION [dbo].[f];", 99},
        {"drop index", [](auto& s, gint*) { return s.drop_object(kIndex, "shop", "dbo", "ix", "orders"); },
         "DROP INDEX [ix] ON [dbo].[orders];", 99},
        {"drop procedure", [](auto& s, gint*) {
             return s.drop_object(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE, "shop", "dbo", "p", "");
         }, "DROP PROCEDURE [dbo].[p];", 99},
        {"drop schema", [](auto& s, gint*) {
             return s.drop_object(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA, "shop", "dbo", "sales", "");
         }, "DROP SCHEMA [sales];", 99},
        {"drop table", [](auto& s, gint*) { return s.drop_object(kTable, "shop", "dbo", "t", ""); },
         "DROP TABLE [dbo].[t];", 99},
        {"drop trigger", [](auto& s, gint*) { return s.drop_object(kTrigger, "shop", "dbo", "trg", ""); },
         "DROP TRIGGER [dbo].[trg];", 99},
        {"drop login", [](auto& s, gint*) { return s.drop_object(kUser, "shop", "dbo", "appl", "SQL_LOGIN"); },
         "DROP LOGIN [appl];", 99},
        {"drop user", [](auto& s, gint*) { return s.drop_object(kUser, "shop", "dbo", "clerk", "SQL_USER"); },
         "DROP USER [clerk];", 99},
        {"drop view", [](auto& s, gint*) { return s.drop_object(kView, "shop", "dbo", "v", ""); },
         "DROP VIEW [dbo].[v];", 99},
        {"drop sequence", [](auto& s, gint*) {
             return s.drop_object(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE, "shop", "dbo", "seq", "");
         }, "", 99},
        {"empty table", [](auto& s, gint*) { return s.empty_table("shop", "dbo", "t"); }, "DELETE FROM [dbo].[t];", 99},
        {"begin", [](auto& s, gint*) { return s.transaction("x"); }, "BEGIN TRANSACTION;", 99},
        {"rollback", [](auto& s, gint*) { return s.rollback("x"); }, "ROLLBACK;", 99},
        {"commit", [](auto& s, gint*) { return s.commit("x"); }, "COMMIT;", 99},
        {"quote with schema", [](auto& s, gint*) { return s.quote_identifier("t", "dbo"); }, "[dbo].[t]", 99},
        {"quote without schema", [](auto& s, gint*) { return s.quote_identifier("t", ""); }, "[t]", 99},
        {"quote empty identifier", [](auto& s, gint*) { return s.quote_identifier("", "dbo"); }, "[dbo].[]", 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        gint column = 42;
        Text text = c.run(*statement, &column);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, c.expected);
        EXPECT_EQ(column, c.name_column == 99 ? 42 : c.name_column);
    }
}

// Names and values that would leave their quotes or brackets are doubled; fragments the
// caller writes (where, order, columns) go in as given.
TEST_F(SqlServerStatementTest, HostileNamesStayInsideTheirQuotes) {
    auto& s = *statement;
    const std::vector<std::pair<Text, std::string>> cases = {
        {s.show_tables("shop", "O'Brien", nullptr), spec_text("show_tables", {"O'Brien"})},
        {s.show_functions("x'y", "O'Brien", nullptr), spec_text("show_functions", {"x'y", "O'Brien"})},
        {s.show_source(kIndex, "O'Brien", "a]b", "i'1", nullptr), spec_text("source_index", {"O'Brien", "a]b", "i'1"})},
        {s.show_content("shop", "a]b", "O'Brien", "*", "n = 'x'", "", 0, 0), "SELECT * FROM [a]]b].[O'Brien] WHERE n = 'x' ;"},
        {s.show_effected("shop", "a]b", "t]", ""), "SELECT count(*) FROM [a]]b].[t]]];"},
        {s.drop_object(kTable, "shop", "a]b", "x];DROP TABLE y;--", ""), "DROP TABLE [a]]b].[x]];DROP TABLE y;--];"},
        {s.rename_object(kUser, "shop", "dbo", "O'Brien", "a]b"), "ALTER USER [O'Brien] WITH NAME = [a]]b];"},
        {s.grant_user_rights("shop", "dbo", "a]b", "alice", "SELECT"), "GRANT SELECT ON USER::alice TO [a]]b];"},
        {s.quote_identifier("a]b", "O'Brien"), "[O'Brien].[a]]b]"},
        {s.change_database("a]b"), "use [a]]b];"},
        {s.show_user_detail("shop", "dbo", "O'Brien"), spec_text("show_user_detail", {"O'Brien"})},
    };
    for (const auto& [got, want] : cases) {
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, want);
    }
    EXPECT_NE(spec_text("show_tables", {"O'Brien"}).find("'O''Brien'"), std::string::npos);
}

// The one quoting of names and of texts, on the names that break naive quoting: each
// comes back whole between its delimiters, with only the closing delimiter doubled, and
// quote_identifier and pack_value give the same texts.
TEST_F(SqlServerStatementTest, QuotingTables) {
    struct Quoting {
        const char* text;
        const char* name;     // quoted()
        const char* literal;  // literal()
    } cases[] = {
        {"id); DROP TABLE victim; CREATE INDEX zz ON other(a", "[id); DROP TABLE victim; CREATE INDEX zz ON other(a]",
         "'id); DROP TABLE victim; CREATE INDEX zz ON other(a'"},
        {"MixedCase", "[MixedCase]", "'MixedCase'"},
        {"zürich_表_🙂", "[zürich_表_🙂]", "'zürich_表_🙂'"},
        {"a]b", "[a]]b]", "'a]b'"},
        {"]", "[]]]", "']'"},
        {"[x]", "[[x]]]", "'[x]'"},
        {"O'Brien", "[O'Brien]", "'O''Brien'"},
        {"''", "['']", "''''''"},
        {"a\"b`c", "[a\"b`c]", "'a\"b`c'"},
        {"x -- y /* z */", "[x -- y /* z */]", "'x -- y /* z */'"},
        {"line\nbreak\\", "[line\nbreak\\]", "'line\nbreak\\'"},
        {"", "[]", "''"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SQLServerStatement::quoted(c.text), c.name);
        EXPECT_EQ(SQLServerStatement::literal(c.text), c.literal);
        EXPECT_EQ(statement->quote_identifier(c.text, "").value_or("(none)"), c.name);
        EXPECT_EQ(statement->quote_identifier("t", c.text).value_or("(none)"),
                  *c.text ? std::string(c.name) + ".[t]" : std::string("[t]"));
        EXPECT_EQ(statement->pack_value(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, c.text).value_or("(none)"),
                  std::string("N") + c.literal);
        // A routine call names its routine and schema as names, whatever they hold.
        EXPECT_EQ(statement->call_function("shop", "dbo", c.text, "(1)").value_or("(none)"),
                  std::string("SELECT [dbo].") + c.name + "(1);");
        EXPECT_EQ(statement->call_procedure("shop", c.text, "p", "1").value_or("(none)"),
                  std::string("EXEC ") + c.name + ".[p] 1;");
    }
    // A template places each argument by what surrounds it: a literal, a name, or SQL.
    EXPECT_EQ(SQLServerStatement::fill("WHERE a = N'%s' AND b = [%s] AND %s", {"O'Brien", "a]b", "c = 1"}),
              "WHERE a = N'O''Brien' AND b = [a]]b] AND c = 1");
}

TEST_F(SqlServerStatementTest, LiteralsByValueType) {
    struct Literal {
        providers::contracts::DataType type;
        const char* value;
        const char* expected;
    } cases[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "O'Brien", "N'O''Brien'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "Ünïcode €", "N'Ünïcode €'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML, "<a b='1'/>", "N'<a b=''1''/>'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "DEADbeef", "0xDEADbeef"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "", "0x"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, "ABC", "'ABC'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "0x'1'", "'0x''1'''"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "42", "42"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "1; DROP TABLE t", "'1; DROP TABLE t'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "2020-01-31", "'2020-01-31'"},
        // T-SQL has no TRUE or FALSE: a truth value is a bit.
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "false", "0"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "TRUE", "1"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "t", "1"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "0", "0"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "1); DROP TABLE t", "'1); DROP TABLE t'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(statement->pack_value(c.type, c.value).value_or("(none)"), c.expected);
    }
}

// The row texts of the base name their table through this dialect's quoting.
TEST_F(SqlServerStatementTest, RowStatementsNameTheSchemaQualifiedTable) {
    auto* self = reinterpret_cast<TarvelinRezezadovuContractsDatabaseIStatement*>(statement.gobj());
    gchar* columns[] = {const_cast<gchar*>("a"), nullptr};
    gchar* values[] = {const_cast<gchar*>("1"), nullptr};
    gchar* insert =
        tarvelin_rezezadovu_contracts_database_istatement_build_sql_insert(self, "sales", "o]rders", columns, 1, values, 1);
    EXPECT_STREQ(insert, "INSERT INTO [sales].[o]]rders](a) VALUES(1);");
    g_free(insert);
    gchar* del = tarvelin_rezezadovu_contracts_database_istatement_build_sql_delete(self, "sales", "t", columns, 1,
                                                                                   values, 1);
    EXPECT_STREQ(del, "DELETE FROM [sales].[t] WHERE a=1;");
    g_free(del);
}

// The checks name the operation's own parameter, first missing first, and leave the out
// integer alone; the interface reaches the same code.
TEST_F(SqlServerStatementTest, MissingArgumentsAreRefusedWithTheirNames) {
    auto* self = reinterpret_cast<TarvelinRezezadovuContractsDatabaseIStatement*>(statement.gobj());
    struct Refused {
        const char* condition;
        std::function<gchar*(gint*)> run;
    } cases[] = {
        {"object_schema != NULL",
         [&](gint* n) { return tarvelin_rezezadovu_contracts_database_istatement_show_tables(self, "shop", nullptr, n); }},
        {"database != NULL",
         [&](gint* n) { return tarvelin_rezezadovu_contracts_database_istatement_show_tables(self, nullptr, nullptr, n); }},
        {"rolename != NULL", [&](gint*) {
             return tarvelin_rezezadovu_contracts_database_istatement_grant_role_rights(self, "shop", "dbo", nullptr, "o", "r");
         }},
        {"order != NULL", [&](gint*) {
             return tarvelin_rezezadovu_contracts_database_istatement_show_content(self, "shop", "dbo", "t", "*", "",
                                                                                  nullptr, 0, 1);
         }},
        {"object_target != NULL", [&](gint*) {
             return tarvelin_rezezadovu_contracts_database_istatement_drop_object(self, kUser, "shop", "dbo", "u", nullptr);
         }},
        {"name != NULL", [&](gint*) { return tarvelin_rezezadovu_contracts_database_istatement_commit(self, nullptr); }},
        {"identifier != NULL", [&](gint*) {
             return tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(self, nullptr, "dbo");
         }},
        {"server != NULL", [&](gint*) {
             return tarvelin_rezezadovu_contracts_database_istatement_build_connection_string(self, nullptr);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.condition);
        LogCapture log;
        gint column = 7;
        EXPECT_EQ(c.run(&column), nullptr);
        EXPECT_EQ(column, 7);
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, std::string("'") + c.condition + "'"), 1);
    }
}

TEST_F(SqlServerStatementTest, ConstructorsRequireAConnection) {
    LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_statement_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "connection != NULL"));
    auto* s = tarvelin_rezezadovu_supports_database_sql_server_statement_new(c_of(connection));
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(s), "TarvelinRezezadovuSupportsDatabaseSQLServerStatement");
    EXPECT_TRUE(g_type_is_a(G_OBJECT_TYPE(s), g_type_from_name("TarvelinRezezadovuSupportsDatabaseStatement")));
    g_object_unref(s);
}
