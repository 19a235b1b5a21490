// MariaDBStatement texts: every operation's text and column, the texts MariaDB has of its
// own, hostile names and values, and the criticals of missing arguments. No server.
#include <functional>

#include "fixture.hpp"
#include "providers/contracts/face_server.hpp"
#include "rezezadovu/supports/database/mariadb/statement.hpp"

namespace mariadb_dialect_test {
namespace {

using rezezadovu::supports::database::MariaDBStatement;
using Text = MariaDBStatement::Text;
using S = MariaDBStatement&;

constexpr auto kDatabase = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE;
constexpr auto kEvent = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT;
constexpr auto kFunction = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION;
constexpr auto kIndex = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX;
constexpr auto kPackage = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE;
constexpr auto kProcedure = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE;
constexpr auto kRole = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE;
constexpr auto kSchema = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA;
constexpr auto kSequence = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE;
constexpr auto kTable = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE;
constexpr auto kTrigger = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER;
constexpr auto kUser = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER;
constexpr auto kView = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW;
constexpr auto kColumn = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN;

struct Case {
    const char* what;
    std::function<Text(S, gint*)> call;
    const char* text;
    int column;  // -1: no out column
};

class MariaDBStatementTexts : public ::testing::Test {
protected:
    void check(const std::vector<Case>& cases) {
        for (const auto& c : cases) {
            gint column = -7;
            Text text = c.call(*st, &column);
            ASSERT_TRUE(text) << c.what;
            EXPECT_EQ(*text, c.text) << c.what;
            EXPECT_EQ(column, c.column < 0 ? -7 : c.column) << c.what;
        }
    }
    Scripted scripted;
    Ref<MariaDBStatement> st = MariaDBStatement::create(MariaDBStatement::gtype(), scripted.c());
};

TEST_F(MariaDBStatementTexts, TheTextsMariaDBWritesOfItsOwn) {
    check({
        {"build_analyze", [](S s, gint*) { return s.build_analyze("SELECT 1", ""); }, "ANALYZE SELECT 1;", -1},
        {"build_analyze json", [](S s, gint*) { return s.build_analyze("SELECT 1", "JSON"); },
         "ANALYZE FORMAT=JSON SELECT 1;", -1},
        {"show_users", [](S s, gint* c) { return s.show_users("d", "d", c); },
         "SELECT CONCAT(`user`, '@', `host`) username FROM `mysql`.`user` WHERE BINARY is_role IN ('N', 'n') ORDER BY "
         "username ASC;", 0},
        {"show_roles", [](S s, gint* c) { return s.show_roles("d", "d", c); },
         "SELECT User FROM `mysql`.`user` WHERE BINARY is_role IN ('Y', 'y') ORDER BY User ASC;", 0},
        {"drop index", [](S s, gint*) { return s.drop_object(kIndex, "d", "s", "t", "ix"); }, "DROP INDEX `ix` ON `t`;", -1},
        {"show_user_detail", [](S s, gint*) { return s.show_user_detail("d", "d", "app@10.0.0.%"); },
         "SELECT mu.Host, mu.User, authentication_string, plugin, password_expired, ssl_type, ssl_cipher, x509_issuer, "
         "x509_subject, max_questions, max_updates, max_connections, max_user_connections, max_statement_time, "
         "JSON_VALUE(mgp.priv, '$.password_last_changed') as password_last_changed, JSON_VALUE(mgp.priv, "
         "'$.password_lifetime') as password_lifetime, JSON_VALUE(mgp.priv, '$.account_locked') as account_locked FROM "
         "mysql.user mu, mysql.global_priv mgp WHERE mu.host = mgp.host AND mu.user = mgp.user AND mu.HOST = "
         "'10.0.0.%' AND mu.USER ='app';", -1},
        {"show_user_detail without host", [](S s, gint*) { return s.show_user_detail("d", "d", "app"); },
         "SELECT mu.Host, mu.User, authentication_string, plugin, password_expired, ssl_type, ssl_cipher, x509_issuer, "
         "x509_subject, max_questions, max_updates, max_connections, max_user_connections, max_statement_time, "
         "JSON_VALUE(mgp.priv, '$.password_last_changed') as password_last_changed, JSON_VALUE(mgp.priv, "
         "'$.password_lifetime') as password_lifetime, JSON_VALUE(mgp.priv, '$.account_locked') as account_locked FROM "
         "mysql.user mu, mysql.global_priv mgp WHERE mu.host = mgp.host AND mu.user = mgp.user AND mu.HOST = '%' AND "
         "mu.USER ='app';", -1},
        {"show_role_detail", [](S s, gint*) { return s.show_role_detail("d", "d", "r1@%"); },
         "SELECT `Host`, `User` FROM mysql.global_priv WHERE JSON_VALUE(Priv, '$.is_role') = true AND USER='r1';", -1},
        {"show_role_rights", [](S s, gint*) { return s.show_role_rights("d", "d", "r1@%"); }, "SHOW GRANTS FOR `r1`;", -1},
        {"grant_role_rights", [](S s, gint*) { return s.grant_role_rights("d", "d", "r1@%", "d.*", "SELECT, INSERT"); },
         "GRANT SELECT, INSERT ON d.* TO `r1`;", -1},
        {"grant_role_rights with grant option",
         [](S s, gint*) { return s.grant_role_rights("d", "d", "r1", "d.*", "SELECT, GRANT OPTION"); },
         "GRANT SELECT, USAGE ON d.* TO `r1` WITH GRANT OPTION;", -1},
        {"revoke_role_rights", [](S s, gint*) { return s.revoke_role_rights("d", "d", "r1@%", "d.*", "SELECT"); },
         "REVOKE SELECT ON d.* FROM `r1`;", -1},
    });
}

TEST_F(MariaDBStatementTexts, SourcesByKindWithTheirColumns) {
    auto source = [](DBObject kind) { return [kind](S s, gint* c) { return s.show_source(kind, "d", "s", "n", c); }; };
    check({
        {"event", source(kEvent), "SHOW CREATE EVENT `s`.`n`;", 3},
        {"function", source(kFunction), "SHOW CREATE FUNCTION `s`.`n`;", 2},
        {"package", source(kPackage), "SHOW CREATE PACKAGE `s`.`n`;", 2},
        {"procedure", source(kProcedure), "SHOW CREATE PROCEDURE   `s`.`n`;", 2},
        {"sequence", source(kSequence), "SHOW CREATE SEQUENCE `s`.`n`;", 1},
        {"table", source(kTable), "SHOW CREATE TABLE `s`.`n`;", 1},
        {"trigger", source(kTrigger), "SHOW CREATE TRIGGER `s`.`n`;", 2},
        {"view", source(kView), "SHOW CREATE VIEW `s`.`n`;", 1},
        {"column", source(kColumn), "", 1},
        {"user", [](S s, gint* c) { return s.show_source(kUser, "d", "s", "app@%", c); }, "SHOW CREATE USER `app`@`%`;", 0},
    });
}

// The texts MariaDB shares with MySQL, as MariaDBStatement writes them.
TEST_F(MariaDBStatementTexts, TheFamilyTexts) {
    check({
        {"show_databases", [](S s, gint* c) { return s.show_databases(c); }, "SHOW DATABASES;", 0},
        {"change_database", [](S s, gint*) { return s.change_database("shop"); }, "use `shop`;", -1},
        {"show_tables", [](S s, gint* c) { return s.show_tables("shop", "shop", c); },
         "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = 'shop' AND "
         "table_type LIKE '%TABLE%' ORDER BY table_name;", 0},
        {"show_views", [](S s, gint* c) { return s.show_views("shop", "shop", c); },
         "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = 'shop' AND "
         "table_type LIKE '%VIEW%' ORDER BY table_name;", 0},
        {"show_table_spaces", [](S s, gint* c) { return s.show_table_spaces("shop", c); }, "SELECT 'shop' as name;", 0},
        {"show_table_schemas", [](S s, gint* c) { return s.show_table_schemas("", c); }, "SELECT '' as name;", 0},
        {"show_checks", [](S s, gint* c) { return s.show_checks("shop", "shop", c); },
         "select CONSTRAINT_NAME from INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_SCHEMA = 'shop' AND "
         "CONSTRAINT_TYPE = 'CHECK';", 0},
        {"show_foreigns", [](S s, gint* c) { return s.show_foreigns("shop", "shop", c); },
         "select CONSTRAINT_NAME from INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_SCHEMA = 'shop' AND "
         "CONSTRAINT_TYPE = 'FOREIGN KEY';", 0},
        {"show_uniques", [](S s, gint* c) { return s.show_uniques("shop", "shop", c); },
         "select CONSTRAINT_NAME from INFORMATION_SCHEMA.TABLE_CONSTRAINTS WHERE CONSTRAINT_SCHEMA = 'shop' AND "
         "CONSTRAINT_TYPE = 'UNIQUE';", 0},
        {"show_indexes", [](S s, gint* c) { return s.show_indexes("shop", "shop", c); },
         "SELECT DISTINCT CONCAT(TABLE_NAME, '.', INDEX_NAME) FROM INFORMATION_SCHEMA.STATISTICS  WHERE table_schema = "
         "'shop';", 0},
        {"show_triggers", [](S s, gint* c) { return s.show_triggers("shop", "shop", c); },
         "SELECT TRIGGER_NAME FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA = 'shop';", 0},
        {"show_functions", [](S s, gint* c) { return s.show_functions("shop", "shop", c); },
         "SHOW FUNCTION STATUS WHERE Db = 'shop'", 1},
        {"show_procedures", [](S s, gint* c) { return s.show_procedures("shop", "shop", c); },
         "SHOW PROCEDURE STATUS WHERE Db = 'shop'", 1},
        {"show_structure", [](S s, gint* c) { return s.show_structure("shop", "shop", "t", c); },
         "SHOW FULL COLUMNS FROM `shop`.`t`;", 0},
        {"call_function", [](S s, gint*) { return s.call_function("d", "s", "f", "(1, 2)"); }, "SELECT `s`.`f`(1, 2);", -1},
        {"call_procedure", [](S s, gint*) { return s.call_procedure("d", "s", "p", "()"); }, "CALL `s`.`p`();", -1},
        {"show_content no page", [](S s, gint*) { return s.show_content("d", "s", "t", "*", "", "", 100, 0); },
         "SELECT * FROM `s`.`t` ", -1},
        {"show_content page", [](S s, gint*) { return s.show_content("d", "s", "t", "a, b", "a > 1", "b", 100, 50); },
         "SELECT a, b FROM `s`.`t` WHERE a > 1 ORDER BY b LIMIT 50 OFFSET 100;", -1},
        {"show_effected", [](S s, gint*) { return s.show_effected("d", "s", "t", ""); }, "SELECT count(*) FROM `s`.`t`;",
         -1},
        {"show_effected where", [](S s, gint*) { return s.show_effected("d", "s", "t", "a = 1"); },
         "SELECT count(*) FROM `s`.`t` WHERE a = 1;", -1},
        {"show_relations", [](S s, gint*) { return s.show_relations("d", "s", "t"); },
         "SELECT COLUMN_NAME, CONSTRAINT_NAME, REFERENCED_COLUMN_NAME, REFERENCED_TABLE_NAME FROM "
         "information_schema.KEY_COLUMN_USAGE WHERE TABLE_NAME = 't' AND TABLE_SCHEMA = 's';", -1},
        {"empty_table", [](S s, gint*) { return s.empty_table("d", "s", "t"); }, "TRUNCATE TABLE `s`.`t`;", -1},
        {"rename table", [](S s, gint*) { return s.rename_object(kTable, "d", "s", "a", "b"); }, "RENAME TABLE `a` TO `b`;",
         -1},
        {"rename column", [](S s, gint*) { return s.rename_object(kColumn, "d", "s", "a", "b"); }, "", -1},
        {"drop database", [](S s, gint*) { return s.drop_object(kDatabase, "d", "s", "x", ""); },
         "DROP DATABASE IF EXISTS `x`;", -1},
        {"drop role", [](S s, gint*) { return s.drop_object(kRole, "d", "s", "r@%", ""); }, "DROP ROLE IF EXISTS `r`;",
         -1},
        {"drop user", [](S s, gint*) { return s.drop_object(kUser, "d", "s", "app", ""); }, "DROP USER IF EXISTS `app`@`%`;",
         -1},
        {"drop schema", [](S s, gint*) { return s.drop_object(kSchema, "d", "s", "x", ""); }, "DROP TABLESPACE `x`;", -1},
        {"drop sequence", [](S s, gint*) { return s.drop_object(kSequence, "d", "s", "x", ""); }, "", -1},
        {"build_explain", [](S s, gint*) { return s.build_explain("SELECT 1", "JSON"); }, "EXPLAIN FORMAT=JSON SELECT 1;",
         -1},
        {"quote_identifier", [](S s, gint*) { return s.quote_identifier("", "s"); }, "`s`.``", -1},
        {"show_user_rights", [](S s, gint*) { return s.show_user_rights("d", "d", "a@b@c"); }, "SHOW GRANTS FOR `a`@`b`;",
         -1},
        {"grant_user_rights", [](S s, gint*) { return s.grant_user_rights("d", "d", "app", "*.*", "GRANT OPTION"); },
         "GRANT USAGE ON *.* TO `app`@`%` WITH GRANT OPTION;", -1},
        {"revoke_user_rights", [](S s, gint*) { return s.revoke_user_rights("d", "d", "app@h", "d.t", "SELECT"); },
         "REVOKE SELECT ON d.t FROM `app`@`h`;", -1},
        {"show_privileges", [](S s, gint* c) { return s.show_privileges(c, nullptr); }, "SHOW PRIVILEGES;", 0},
        {"flush_privileges", [](S s, gint*) { return s.flush_privileges(); }, "FLUSH PRIVILEGES;", -1},
        {"show_excludes", [](S s, gint* c) { return s.show_excludes("d", "s", c); }, "", 0},
        {"transaction", [](S s, gint*) { return s.transaction(""); }, "START TRANSACTION;", -1},
    });
}

TEST_F(MariaDBStatementTexts, TheConnectionTextCarriesTheRecord) {
    auto server = providers::contracts::Server::create();
    g_object_set(server->gobj(), "driver", "MariaDB", "host", "db.example", "initial", "shop", "port", 3307, "username",
                 "ann", "password", "p;w", "ssl-using", TRUE, "ssl-ca-file", "/ca.pem", "ssl-cert-file", "/c.pem",
                 "ssl-key-file", "/k.pem", "ssl-password", "AES256-SHA", nullptr);
    EXPECT_EQ(*st->build_connection_string(server.get()),
              "DRIVER={MariaDB};SERVER=db.example;DATABASE=shop;PORT=3307;USER=ann;PASSWORD=p;w;CHARSET=utf8mb4;"
              "SSLCA=/ca.pem;SSLCERT=/c.pem;SSLKEY=/k.pem;SSLCIPHER=AES256-SHA;SSLVERIFY=1;INTERACTIVE=1;");
}

// Names end their backquotes only where the text does, values their quotes likewise,
// in both of MariaDB's string modes.
TEST_F(MariaDBStatementTexts, HostileNamesAndValuesStayInsideTheirQuotes) {
    check({
        {"show_tables", [](S s, gint* c) { return s.show_tables("x' OR '1'='1", "s", c); },
         "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = 'x'' OR ''1''=''1' "
         "AND table_type LIKE '%TABLE%' ORDER BY table_name;", 0},
        {"show_functions", [](S s, gint* c) { return s.show_functions("a\\'b", "s", c); },
         "SHOW FUNCTION STATUS WHERE Db = 'a\\\\''b'", 1},
        {"source", [](S s, gint* c) { return s.show_source(kProcedure, "d", "s`x", "p`; DROP", c); },
         "SHOW CREATE PROCEDURE   `s``x`.`p``; DROP`;", 2},
        {"drop index", [](S s, gint*) { return s.drop_object(kIndex, "d", "s", "t`1", "i`1"); },
         "DROP INDEX `i``1` ON `t``1`;", -1},
        {"user detail", [](S s, gint*) { return s.show_user_detail("d", "d", "o'k@h\\"); },
         "SELECT mu.Host, mu.User, authentication_string, plugin, password_expired, ssl_type, ssl_cipher, x509_issuer, "
         "x509_subject, max_questions, max_updates, max_connections, max_user_connections, max_statement_time, "
         "JSON_VALUE(mgp.priv, '$.password_last_changed') as password_last_changed, JSON_VALUE(mgp.priv, "
         "'$.password_lifetime') as password_lifetime, JSON_VALUE(mgp.priv, '$.account_locked') as account_locked FROM "
         "mysql.user mu, mysql.global_priv mgp WHERE mu.host = mgp.host AND mu.user = mgp.user AND mu.HOST = 'h\\\\' "
         "AND mu.USER ='o''k';", -1},
        {"role detail", [](S s, gint*) { return s.show_role_detail("d", "d", "r'1"); },
         "SELECT `Host`, `User` FROM mysql.global_priv WHERE JSON_VALUE(Priv, '$.is_role') = true AND USER='r''1';", -1},
        {"role rights", [](S s, gint*) { return s.show_role_rights("d", "d", "r`1@%"); }, "SHOW GRANTS FOR `r``1`;", -1},
        {"pack_value", [](S s, gint*) { return s.pack_value(kString, "a'\\b"); }, "'a''\\\\b'", -1},
    });
}

TEST_F(MariaDBStatementTexts, AMissingArgumentIsNamedAndGivesNoText) {
    struct Missing {
        const char* condition;
        std::function<Text(S)> call;
    };
    const Missing cases[] = {
        {"rolename != NULL", [](S s) { return s.show_role_rights("d", "d", nullptr); }},
        {"rights != NULL", [](S s) { return s.grant_role_rights("d", "d", "r", "*.*", nullptr); }},
        {"object != NULL", [](S s) { return s.revoke_role_rights("d", "d", "r", nullptr, "SELECT"); }},
        {"user_schema != NULL", [](S s) { return s.show_users("d", nullptr, nullptr); }},
        {"username != NULL", [](S s) { return s.show_user_detail("d", "d", nullptr); }},
        {"object_target != NULL", [](S s) { return s.drop_object(kIndex, "d", "s", "t", nullptr); }},
        {"format != NULL", [](S s) { return s.build_analyze("SELECT 1", nullptr); }},
        {"name != NULL", [](S s) { return s.show_source(kTable, "d", "s", nullptr, nullptr); }},
    };
    for (const auto& c : cases) {
        test::LogCapture log;
        EXPECT_FALSE(c.call(*st)) << c.condition;
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, c.condition), 1) << c.condition;
    }
    // The out column is left as it was.
    test::LogCapture log;
    gint column = 9;
    EXPECT_FALSE(st->show_source(kTable, "d", nullptr, "n", &column));
    EXPECT_EQ(column, 9);
}

// The C face reaches the same texts through the contract's dispatchers.
TEST_F(MariaDBStatementTexts, TheDispatchersReachTheOverrides) {
    auto* statement = reinterpret_cast<CStatement*>(st.gobj());
    gint column = -1;
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_istatement_show_source(statement, kSequence, "d", "s", "q",
                                                                                 &column)),
              "SHOW CREATE SEQUENCE `s`.`q`;");
    EXPECT_EQ(column, 1);
    EXPECT_EQ(take(tarvelin_rezezadovu_contracts_database_istatement_grant_role_rights(statement, "d", "s", "r1@%", "*.*",
                                                                                      "SELECT")),
              "GRANT SELECT ON *.* TO `r1`;");
    // The connection hands out this class.
    EXPECT_EQ(type_name(scripted.statement()), "TarvelinRezezadovuSupportsDatabaseMariaDBStatement");
    EXPECT_EQ(g_type_parent(MariaDBStatement::gtype()), rezezadovu::supports::database::Statement::gtype());
}

}  // namespace
}  // namespace mariadb_dialect_test
