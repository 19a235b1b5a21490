// MySQLStatement texts: a golden table of every operation, the same with hostile names,
// the out columns, the account split, and the criticals of missing arguments. No server.
#include <functional>

#include "fixture.hpp"
#include "providers/contracts/face_server.hpp"
#include "rezezadovu/supports/database/mysql/statement.hpp"

namespace mysql_dialect_test {
namespace {

using rezezadovu::supports::database::MySQLStatement;
using Text = MySQLStatement::Text;

constexpr auto kDatabase = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE;
constexpr auto kEvent = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT;
constexpr auto kFunction = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION;
constexpr auto kIndex = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX;
constexpr auto kProcedure = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE;
constexpr auto kRole = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE;
constexpr auto kSchema = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA;
constexpr auto kTable = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE;
constexpr auto kTrigger = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER;
constexpr auto kUser = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER;
constexpr auto kView = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW;
constexpr auto kSequence = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE;

class MySQLStatementTexts : public ::testing::Test {
protected:
    Scripted scripted;
    Ref<MySQLStatement> st = MySQLStatement::create(MySQLStatement::gtype(), scripted.c());
};

struct Case {
    const char* what;
    std::function<Text(MySQLStatement&, gint*)> call;
    const char* text;
    int column;  // -1: no out column
};

void check(MySQLStatement& st, const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        gint column = -7;
        Text text = c.call(st, &column);
        ASSERT_TRUE(text) << c.what;
        EXPECT_EQ(*text, c.text) << c.what;
        if (c.column >= 0) {
            EXPECT_EQ(column, c.column) << c.what;
        }
    }
}

TEST_F(MySQLStatementTexts, EveryOperation) {
    using S = MySQLStatement&;
    check(*st, {
        {"show_databases", [](S s, gint* c) { return s.show_databases(c); }, "SHOW DATABASES;", 0},
        {"change_database", [](S s, gint*) { return s.change_database("shop"); }, "use `shop`;", -1},
        {"show_tables", [](S s, gint* c) { return s.show_tables("shop", "shop", c); },
         "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = 'shop' AND "
         "table_type LIKE '%TABLE%' ORDER BY table_name;", 0},
        {"show_views", [](S s, gint* c) { return s.show_views("shop", "shop", c); },
         "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = 'shop' AND "
         "table_type LIKE '%VIEW%' ORDER BY table_name;", 0},
        {"show_table_spaces", [](S s, gint* c) { return s.show_table_spaces("shop", c); }, "SELECT 'shop' as name;", 0},
        {"show_table_schemas", [](S s, gint* c) { return s.show_table_schemas("shop", c); }, "SELECT 'shop' as name;", 0},
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
         "SELECT DISTINCT CONCAT(TABLE_NAME, '.', INDEX_NAME) FROM INFORMATION_SCHEMA.STATISTICS  WHERE table_schema "
         "= 'shop';", 0},
        {"show_triggers", [](S s, gint* c) { return s.show_triggers("shop", "shop", c); },
         "SELECT TRIGGER_NAME FROM information_schema.TRIGGERS WHERE TRIGGER_SCHEMA = 'shop';", 0},
        {"show_functions", [](S s, gint* c) { return s.show_functions("shop", "shop", c); },
         "SHOW FUNCTION STATUS WHERE Db = 'shop'", 1},
        {"show_procedures", [](S s, gint* c) { return s.show_procedures("shop", "shop", c); },
         "SHOW PROCEDURE STATUS WHERE Db = 'shop'", 1},
        {"call_function", [](S s, gint*) { return s.call_function("shop", "shop", "f", "(1, 'a')"); },
         "SELECT `shop`.`f`(1, 'a');", -1},
        {"call_procedure", [](S s, gint*) { return s.call_procedure("shop", "shop", "p", "(@x)"); },
         "CALL `shop`.`p`(@x);", -1},
        {"show_structure", [](S s, gint* c) { return s.show_structure("shop", "shop", "orders", c); },
         "SHOW FULL COLUMNS FROM `shop`.`orders`;", 0},
        {"show_users", [](S s, gint* c) { return s.show_users("shop", "shop", c); },
         "SELECT CONCAT(`user`, '@', `host`) username FROM `mysql`.`user` WHERE LENGTH(authentication_string);", 0},
        {"show_roles", [](S s, gint* c) { return s.show_roles("shop", "shop", c); },
         "SELECT CONCAT(`user`, '@', `host`) username FROM `mysql`.`user` WHERE host = '%' AND account_locked = 'Y' "
         "AND NOT LENGTH(authentication_string);", 0},
        {"flush_privileges", [](S s, gint*) { return s.flush_privileges(); }, "FLUSH PRIVILEGES;", -1},
        {"show_content page", [](S s, gint*) { return s.show_content("shop", "shop", "orders", "*", "id > 1", "id", 100, 50); },
         "SELECT * FROM `shop`.`orders` WHERE id > 1 ORDER BY id LIMIT 50 OFFSET 100;", -1},
        {"show_content all", [](S s, gint*) { return s.show_content("shop", "shop", "orders", "id, name", "", "", 100, 0); },
         "SELECT id, name FROM `shop`.`orders` ", -1},
        {"show_effected", [](S s, gint*) { return s.show_effected("shop", "shop", "orders", "id = 2"); },
         "SELECT count(*) FROM `shop`.`orders` WHERE id = 2;", -1},
        {"show_effected all", [](S s, gint*) { return s.show_effected("shop", "shop", "orders", ""); },
         "SELECT count(*) FROM `shop`.`orders`;", -1},
        {"show_relations", [](S s, gint*) { return s.show_relations("shop", "shop", "orders"); },
         "SELECT COLUMN_NAME, CONSTRAINT_NAME, REFERENCED_COLUMN_NAME, REFERENCED_TABLE_NAME FROM "
         "information_schema.KEY_COLUMN_USAGE WHERE TABLE_NAME = 'orders' AND TABLE_SCHEMA = 'shop';", -1},
        {"empty_table", [](S s, gint*) { return s.empty_table("shop", "shop", "orders"); },
         "TRUNCATE TABLE `shop`.`orders`;", -1},
        {"build_explain", [](S s, gint*) { return s.build_explain("SELECT 1", ""); }, "EXPLAIN SELECT 1;", -1},
        {"build_explain json", [](S s, gint*) { return s.build_explain("SELECT 1", "JSON"); },
         "EXPLAIN FORMAT=JSON SELECT 1;", -1},
        {"build_analyze", [](S s, gint*) { return s.build_analyze("SELECT 1", ""); }, "EXPLAIN ANALYZE SELECT 1;", -1},
        {"build_analyze tree", [](S s, gint*) { return s.build_analyze("SELECT 1", "TREE"); },
         "EXPLAIN ANALYZE FORMAT=TREE SELECT 1;", -1},
        {"quote both", [](S s, gint*) { return s.quote_identifier("t", "s"); }, "`s`.`t`", -1},
        {"quote name", [](S s, gint*) { return s.quote_identifier("t", ""); }, "`t`", -1},
        {"quote schema", [](S s, gint*) { return s.quote_identifier("", "s"); }, "`s`.``", -1},
        {"quote none", [](S s, gint*) { return s.quote_identifier("", ""); }, "``", -1},
    });
}

TEST_F(MySQLStatementTexts, SourcesRenamesAndDropsByKind) {
    using S = MySQLStatement&;
    auto source = [](DBObject kind) {
        return [kind](S s, gint* c) { return s.show_source(kind, "shop", "shop", "thing", c); };
    };
    auto drop = [](DBObject kind) {
        return [kind](S s, gint*) { return s.drop_object(kind, "shop", "shop", "thing", "ix"); };
    };
    check(*st, {
        {"source event", source(kEvent), "SHOW CREATE EVENT `shop`.`thing`;", 3},
        {"source function", source(kFunction), "SHOW CREATE FUNCTION `shop`.`thing`;", 2},
        {"source procedure", source(kProcedure), "SHOW CREATE PROCEDURE `shop`.`thing`;", 2},
        {"source table", source(kTable), "SHOW CREATE TABLE `shop`.`thing`;", 1},
        {"source trigger", source(kTrigger), "SHOW CREATE TRIGGER `shop`.`thing`;", 2},
        {"source view", source(kView), "SHOW CREATE VIEW `shop`.`thing`;", 1},
        {"source user", [](S s, gint* c) { return s.show_source(kUser, "shop", "shop", "ann@localhost", c); },
         "SHOW CREATE USER `ann`@`localhost`;", 0},
        {"source other", source(kSequence), "", 1},
        {"rename table", [](S s, gint*) { return s.rename_object(kTable, "shop", "shop", "a", "b"); },
         "RENAME TABLE `a` TO `b`;", -1},
        {"rename view", [](S s, gint*) { return s.rename_object(kView, "shop", "shop", "a", "b"); },
         "RENAME TABLE `a` TO `b`;", -1},
        {"rename user", [](S s, gint*) { return s.rename_object(kUser, "shop", "shop", "ann@%", "bob@localhost"); },
         "RENAME USER `ann`@`%` TO `bob`@`localhost`;", -1},
        {"rename other", [](S s, gint*) { return s.rename_object(kIndex, "shop", "shop", "a", "b"); }, "", -1},
        {"drop database", drop(kDatabase), "DROP DATABASE IF EXISTS `thing`;", -1},
        {"drop event", drop(kEvent), "DROP EVENT IF EXISTS `thing`;", -1},
        {"drop function", drop(kFunction), "DROP FUNCTION IF EXISTS `thing`;", -1},
        {"drop index", drop(kIndex), "DROP INDEX `ix` ON `shop`.`thing`;", -1},
        {"drop procedure", drop(kProcedure), "DROP PROCEDURE IF EXISTS `thing`;", -1},
        {"drop role", [](S s, gint*) { return s.drop_object(kRole, "shop", "shop", "r@%", ""); },
         "DROP ROLE IF EXISTS `r`@`%`;", -1},
        {"drop schema", drop(kSchema), "DROP TABLESPACE `thing`;", -1},
        {"drop table", drop(kTable), "DROP TABLE IF EXISTS `thing`;", -1},
        {"drop trigger", drop(kTrigger), "DROP TRIGGER IF EXISTS `thing`;", -1},
        {"drop user", [](S s, gint*) { return s.drop_object(kUser, "shop", "shop", "ann@localhost", ""); },
         "DROP USER IF EXISTS `ann`@`localhost`;", -1},
        {"drop view", drop(kView), "DROP VIEW IF EXISTS `thing`;", -1},
        {"drop other", drop(kSequence), "", -1},
    });
}

TEST_F(MySQLStatementTexts, AccountTextsSplitAtTheFirstAtAndTakeHostPercentWithoutOne) {
    using S = MySQLStatement&;
    check(*st, {
        {"detail", [](S s, gint*) { return s.show_user_detail("shop", "shop", "ann@localhost"); },
         "SELECT `Host`, `User`, `authentication_string`, `plugin`, `password_expired`, `ssl_type`, `ssl_cipher`, "
         "`x509_issuer`, `x509_subject`, `max_questions`, `max_updates`, `max_connections`, `max_user_connections`, "
         "`password_last_changed`, `password_lifetime`, `account_locked` FROM mysql.user WHERE HOST = 'localhost' AND "
         "USER='ann';", -1},
        {"role detail", [](S s, gint*) { return s.show_role_detail("shop", "shop", "reader"); },
         "SELECT `Host`, `User` FROM mysql.user WHERE  account_locked='Y' AND password_expired='Y' AND "
         "authentication_string='' AND HOST = '%' AND USER='reader';", -1},
        {"rights", [](S s, gint*) { return s.show_user_rights("shop", "shop", "a@b@c"); }, "SHOW GRANTS FOR `a`@`b`;", -1},
        {"role rights", [](S s, gint*) { return s.show_role_rights("shop", "shop", "reader"); },
         "SHOW GRANTS FOR `reader`@`%`;", -1},
        {"grant", [](S s, gint*) { return s.grant_user_rights("shop", "shop", "ann", "`shop`.*", "SELECT, INSERT"); },
         "GRANT SELECT, INSERT ON `shop`.* TO `ann`@`%`;", -1},
        {"grant option", [](S s, gint*) {
             return s.grant_user_rights("shop", "shop", "ann@h", "*.*", "SELECT, INSERT, GRANT OPTION");
         },
         "GRANT SELECT, INSERT, USAGE ON *.* TO `ann`@`h` WITH GRANT OPTION;", -1},
        {"revoke", [](S s, gint*) { return s.revoke_user_rights("shop", "shop", "ann", "*.*", "SELECT"); },
         "REVOKE SELECT ON *.* FROM `ann`@`%`;", -1},
        {"privileges", [](S s, gint* c) {
             gint context = -1;
             Text t = s.show_privileges(c, &context);
             EXPECT_EQ(context, 1);
             return t;
         },
         "SHOW PRIVILEGES;", 0},
    });
}

// Hostile names stay names and hostile values stay values: backquotes doubled inside
// backquotes, quotes doubled and backslashes escaped inside quotes.
TEST_F(MySQLStatementTexts, HostileNamesAndValuesCannotLeaveTheirQuotes) {
    using S = MySQLStatement&;
    const char* n = "x`'\\y";  // x ` ' \ y
    check(*st, {
        {"change_database", [n](S s, gint*) { return s.change_database(n); }, "use `x``'\\y`;", -1},
        {"show_tables", [n](S s, gint* c) { return s.show_tables(n, n, c); },
         "SELECT table_name, table_schema, engine FROM information_schema.tables WHERE table_schema = 'x`''\\\\y' AND "
         "table_type LIKE '%TABLE%' ORDER BY table_name;", 0},
        {"show_functions", [n](S s, gint* c) { return s.show_functions(n, n, c); },
         "SHOW FUNCTION STATUS WHERE Db = 'x`''\\\\y'", 1},
        {"show_table_spaces", [n](S s, gint* c) { return s.show_table_spaces(n, c); }, "SELECT 'x`''\\\\y' as name;", 0},
        {"show_structure", [n](S s, gint* c) { return s.show_structure(n, n, n, c); },
         "SHOW FULL COLUMNS FROM `x``'\\y`.`x``'\\y`;", 0},
        {"show_relations", [n](S s, gint*) { return s.show_relations(n, n, n); },
         "SELECT COLUMN_NAME, CONSTRAINT_NAME, REFERENCED_COLUMN_NAME, REFERENCED_TABLE_NAME FROM "
         "information_schema.KEY_COLUMN_USAGE WHERE TABLE_NAME = 'x`''\\\\y' AND TABLE_SCHEMA = 'x`''\\\\y';", -1},
        {"show_source", [n](S s, gint* c) { return s.show_source(kView, n, n, n, c); },
         "SHOW CREATE VIEW `x``'\\y`.`x``'\\y`;", 1},
        {"drop index", [n](S s, gint*) { return s.drop_object(kIndex, n, n, n, n); },
         "DROP INDEX `x``'\\y` ON `x``'\\y`.`x``'\\y`;", -1},
        {"rename", [n](S s, gint*) { return s.rename_object(kTable, n, n, n, "b`"); }, "RENAME TABLE `x``'\\y` TO `b```;", -1},
        {"user detail", [](S s, gint*) { return s.show_user_detail("d", "d", "o'hara@h\\"); },
         "SELECT `Host`, `User`, `authentication_string`, `plugin`, `password_expired`, `ssl_type`, `ssl_cipher`, "
         "`x509_issuer`, `x509_subject`, `max_questions`, `max_updates`, `max_connections`, `max_user_connections`, "
         "`password_last_changed`, `password_lifetime`, `account_locked` FROM mysql.user WHERE HOST = 'h\\\\' AND "
         "USER='o''hara';", -1},
        {"rights", [](S s, gint*) { return s.show_user_rights("d", "d", "a`b@h`"); }, "SHOW GRANTS FOR `a``b`@`h```;", -1},
        {"drop user", [](S s, gint*) { return s.drop_object(kUser, "d", "d", "a`b@h", ""); },
         "DROP USER IF EXISTS `a``b`@`h`;", -1},
        {"quote", [](S s, gint*) { return s.quote_identifier("t`", "s`"); }, "`s```.`t```", -1},
    });
}

TEST_F(MySQLStatementTexts, LiteralsDoubleQuotesAndBackslashes) {
    const std::tuple<DataType, const char*, const char*> cases[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "it's", "'it''s'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "a\\", "'a\\\\'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "\\'); DROP TABLE t; --", "'\\\\''); DROP TABLE t; --'"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "42", "42"},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "0A0B", "X'0A0B'"},
    };
    for (auto [type, value, literal] : cases) EXPECT_EQ(st->pack_value(type, value).value_or("(none)"), literal) << value;
}

TEST_F(MySQLStatementTexts, ConnectionTextWithAndWithoutTls) {
    auto server = providers::contracts::Server::create();
    g_object_set(server->gobj(), "driver", "MySQL", "host", "db.example", "initial", "shop", "port", 3306, "username",
                 "ann", "password", "p;w", nullptr);
    EXPECT_EQ(st->build_connection_string(server.get()).value_or(""),
              "DRIVER={MySQL};SERVER=db.example;DATABASE=shop;PORT=3306;USER=ann;PASSWORD=p;w;CHARSET=utf8mb4;"
              "INTERACTIVE=1;");
    g_object_set(server->gobj(), "ssl-using", TRUE, "ssl-ca-file", "ca.pem", "ssl-cert-file", "c.pem", "ssl-key-file",
                 "k.pem", "ssl-password", "AES256", nullptr);
    EXPECT_EQ(st->build_connection_string(server.get()).value_or(""),
              "DRIVER={MySQL};SERVER=db.example;DATABASE=shop;PORT=3306;USER=ann;PASSWORD=p;w;CHARSET=utf8mb4;"
              "SSLCA=ca.pem;SSLCERT=c.pem;SSLKEY=k.pem;SSLCIPHER=AES256;SSLVERIFY=1;INTERACTIVE=1;");
}

TEST_F(MySQLStatementTexts, AMissingArgumentIsNamedAndLeavesTheColumnAlone) {
    test::LogCapture log;
    gint column = -7;
    EXPECT_FALSE(st->show_tables("shop", nullptr, &column));
    EXPECT_EQ(column, -7);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'user_schema != NULL'"));
    EXPECT_FALSE(st->drop_object(kTable, "shop", "shop", "t", nullptr));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'object_target != NULL'"));
    EXPECT_FALSE(st->show_role_detail("shop", "shop", nullptr));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'rolename != NULL'"));
    EXPECT_FALSE(st->build_connection_string(nullptr));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'server != NULL'"));
    // Through the C face: the dispatcher reaches this class's texts.
    auto* c = reinterpret_cast<TarvelinRezezadovuSupportsDatabaseStatement*>(st.gobj());
    EXPECT_EQ(take(tarvelin_rezezadovu_supports_database_statement_change_database(c, "a`b")), "use `a``b`;");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_my_sql_statement_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'connection != NULL'"));
}

}  // namespace
}  // namespace mysql_dialect_test
