// Index entries through both builders of the MySQL family: an entry that names a column is
// quoted however the name is spelt (a name that tries to end the column list, mixed case,
// non-ASCII, a backquote); an expression, a prefix or an order stays as written. The
// texts, then the scripts run on the MariaDB test server (live), where a sentinel table
// shows that no entry ran as a statement and the index reads back on the right column.
#include <gtest/gtest.h>

#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/mariadb/builder.hpp"
#include "rezezadovu/supports/database/mariadb/connection.hpp"
#include "rezezadovu/supports/database/mysql/builder.hpp"
#include "rezezadovu/supports/database/mysql/connection.hpp"
#include "support/catalogue_fixture.hpp"

namespace {

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;
using namespace tarvelin::rezezadovu::supports::database;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using test::add_column;
using test::add_index;

const char* const kHostile = "id); DROP TABLE victim; CREATE INDEX zz ON other(a";

// A table whose column names a key part must keep apart from the SQL around it (the
// server takes no name beyond the Basic Multilingual Plane, so `wide` is one the texts
// alone test).
gobj::Ref<MetaTable> hostile_table(const char* schema, const char* wide = "zürich_表_🙂") {
    auto table = MetaTable::create_with_names(MetaTable::gtype(), schema, schema, "t");
    for (const char* name : {"id", kHostile, "MixedCase", wide, "we`ird"}) add_column(*table, {name, "INT"});
    return table;
}

// The key parts of the index in a CREATE or ALTER TABLE script: its line from the first
// "(" after its name to the last ")".
std::string key_parts(const std::string& script, const std::string& index) {
    size_t at = script.find("INDEX `" + index + "`");
    if (at == std::string::npos) return "(no index " + index + ")";
    std::string line = script.substr(at, script.find('\n', at) - at);
    size_t open = line.find('(', index.size() + 8), close = line.rfind(')');
    return line.substr(open + 1, close - open - 1);
}

struct Builders {
    gobj::Ref<MySQLConnection> mysql_connection = MySQLConnection::create();
    gobj::Ref<MariaDBConnection> mariadb_connection = MariaDBConnection::create();
    gobj::Ref<MySQLBuilder> mysql = MySQLBuilder::create(MySQLBuilder::gtype(), c(mysql_connection));
    gobj::Ref<MariaDBBuilder> mariadb = MariaDBBuilder::create(MariaDBBuilder::gtype(), c(mariadb_connection));
    template <class T>
    static CConnection* c(const gobj::Ref<T>& connection) {
        return reinterpret_cast<CConnection*>(connection.instance());
    }
};

TEST(MySQLFamilyKeyParts, EntriesNamingAColumnAreQuotedAndExpressionsStayAsWritten) {
    const std::pair<const char*, const char*> cases[] = {
        {"id", "`id`"},
        {kHostile, "`id); DROP TABLE victim; CREATE INDEX zz ON other(a`"},
        {"MixedCase", "`MixedCase`"},
        {"zürich_表_🙂", "`zürich_表_🙂`"},
        {"we`ird", "`we``ird`"},
        {"(id + 1)", "(id + 1)"},
        {"lower(MixedCase)", "lower(MixedCase)"},
        {"MixedCase(4)", "`MixedCase`(4)"},
        {"id DESC", "`id` DESC"},
        {"MixedCase(4) DESC", "`MixedCase`(4) DESC"},
        {"`id`(8)", "`id`(8)"},
    };
    Builders builders;
    for (auto [entry, part] : cases) {
        auto table = hostile_table("s");
        add_index(*table, "ix", "", {entry});
        EXPECT_EQ(key_parts(builders.mysql->build_table(table.get(), true).value_or(""), "ix"), part) << entry;
        EXPECT_EQ(key_parts(builders.mariadb->build_table(table.get(), true).value_or(""), "ix"), part) << entry;
        auto added = gobj::GeeArray<MetaIndex>::wrap(table->get_indexes()).at(0);
        added->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
        EXPECT_EQ(key_parts(builders.mysql->patch_table(table.get()).value_or(""), "ix"), part) << entry;
        EXPECT_EQ(key_parts(builders.mariadb->patch_table(table.get()).value_or(""), "ix"), part) << entry;
    }
}

// A stand-alone index knows no table: every entry but a functional key part names a
// column, however it is spelt, with its prefix length and order after the name.
TEST(MySQLFamilyKeyParts, AStandAloneIndexQuotesEveryColumnName) {
    Builders builders;
    auto table = hostile_table("s");
    auto index = add_index(*table, "ix", "UNIQUE", {"MixedCase", "zürich_表_🙂", "(id + 1)", kHostile, "u(8) DESC"});
    const std::string parts = "( \n    `MixedCase`,\n    `zürich_表_🙂`,\n    (id + 1),\n    "
                              "`id); DROP TABLE victim; CREATE INDEX zz ON other(a`,\n    `u`(8) DESC\n);";
    EXPECT_EQ(builders.mysql->build_index(index.get()).value_or(""), "CREATE UNIQUE INDEX `ix` ON `s`.`t`" + parts);
    EXPECT_EQ(builders.mariadb->build_index(index.get()).value_or(""), "CREATE UNIQUE INDEX `ix` ON `t`" + parts);
}

// The column line of `name` in a CREATE TABLE script, from its type to the end of the line.
std::string column_line(const std::string& script, const std::string& name) {
    size_t at = script.find("    `" + name + "` ");
    if (at == std::string::npos) return "(no column " + name + ")";
    at += name.size() + 7;
    std::string line = script.substr(at, script.find('\n', at) - at);
    while (!line.empty() && (line.back() == ',' || line.back() == ' ')) line.pop_back();
    return line;
}

// A column of another product is typed by its DataType, and the type never narrows: text
// without a length (SQLite TEXT, PostgreSQL text and varchar) is LONGTEXT, not a short
// VARCHAR that rejects the longer values; lengths, precision and scale travel.
TEST(MySQLFamilyColumnTypes, TranslatedTypesNeverNarrow) {
    struct Row {
        const char* name;
        DataType type;
        gint64 length;
        guint8 scale;
        const char* expected;
    };
    const Row rows[] = {
        {"unbounded_text", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 0, 0, "LONGTEXT NULL"},
        {"short_text", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 128, 0, "VARCHAR(128) NULL"},
        {"longer_than_a_row", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, 70000, 0, "LONGTEXT NULL"},
        {"amount", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, 10, 2, "DECIMAL(10, 2) NULL"},
        {"money", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, 8, 3, "DECIMAL(8, 3) NULL"},
        {"unbounded_number", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, 0, 0, "LONGTEXT NULL"},
        {"wide_number", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, 100, 2, "LONGTEXT NULL"},
        {"stamp", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, 0, 3, "DATETIME(3) NULL"},
        // Fractions another product's date-time does not declare it may still hold.
        {"any_stamp", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, 0, 0, "DATETIME(6) NULL"},
        {"any_time", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, 0, 0, "TIME(6) NULL"},
        {"bytes", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, 0, 0, "LONGBLOB NULL"},
        {"counter", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 32, 0, "INTEGER NULL"},
        {"ratio", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, 53, 0, "DOUBLE NULL"},
        {"flag", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, 0, 0, "BOOLEAN NULL"},
        {"bits", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, 8, 0, "BIT(8) NULL"},
    };
    Builders builders;
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "s", "s", "t");
    for (const Row& row : rows) {
        auto column = table->new_column(row.name, row.type);
        column->set_raw_type("foreign");
        column->set_length(row.length);
        column->set_scale(row.scale);
    }
    // The time of the insert as a default and an update stamp, at the type's precision:
    // the server takes no other.
    auto now = table->new_column("now", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME);
    now->set_raw_type("foreign");
    now->set_default_value("CURRENT_TIMESTAMP");
    now->set_update_timestamp(true);
    for (SqlBuilder* builder : {static_cast<SqlBuilder*>(builders.mysql.get()), static_cast<SqlBuilder*>(builders.mariadb.get())}) {
        std::string script = builder->build_table(table.get(), false).value_or("");
        for (const Row& row : rows) EXPECT_EQ(column_line(script, row.name), row.expected) << row.name << "\n" << script;
        EXPECT_EQ(column_line(script, "now"), "DATETIME(6) NULL DEFAULT CURRENT_TIMESTAMP(6) ON UPDATE CURRENT_TIMESTAMP(6)");
    }
}

// A column of the family keeps its type as read: display widths (tinyint(1), zerofill),
// bit widths, fractional seconds, an approximate type without a scale bare, TEXT without a
// length, and an update stamp with its precision.
TEST(MySQLFamilyColumnTypes, ReadTypesKeepTheirSizes) {
    struct Row {
        test::Col col;
        const char* expected;
    };
    const Row rows[] = {
        {{"flag", "TINYINT", 1}, "TINYINT(1) NULL"},
        {{"plain_int", "INT"}, "INT NULL"},
        {{"bits", "BIT", 5}, "BIT(5) NULL"},
        {{"ratio", "DOUBLE", 7, 3}, "DOUBLE(7, 3) NULL"},
        {{"plain_double", "DOUBLE", 22}, "DOUBLE NULL"},
        {{"body", "TEXT", 65535}, "TEXT NULL"},
        {{"code", "VARCHAR", 12}, "VARCHAR(12) NULL"},
        {{"long_latin", "VARCHAR", 64000}, "VARCHAR(64000) NULL"},
        {{"seen", "DATETIME", 0, 3}, "DATETIME(3) NULL"},
    };
    Builders builders;
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "s", "s", "t");
    for (const Row& row : rows) add_column(*table, row.col);
    auto zero = add_column(*table, {"zero", "INT", 5});
    zero->set_is_unsigned(true);
    zero->set_is_fill_zero(true);
    auto stamp = add_column(*table, {"changed", "TIMESTAMP", 0, 6, true, "current_timestamp(6)"});
    stamp->set_update_timestamp(true);
    for (SqlBuilder* builder : {static_cast<SqlBuilder*>(builders.mysql.get()), static_cast<SqlBuilder*>(builders.mariadb.get())}) {
        std::string script = builder->build_table(table.get(), true).value_or("");
        for (const Row& row : rows) EXPECT_EQ(column_line(script, row.col.name), row.expected) << script;
        EXPECT_EQ(column_line(script, "zero"), "INT(5) UNSIGNED ZEROFILL NULL");
        EXPECT_EQ(column_line(script, "changed"),
                  "TIMESTAMP(6) NOT NULL DEFAULT current_timestamp(6) ON UPDATE CURRENT_TIMESTAMP(6)");
    }
}

// An account named without a host is the account of any host; a MariaDB role has no host.
TEST(MySQLFamilyDrops, AccountsWithoutAHostAreOfAnyHost) {
    Builders builders;
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "d", "d", "u1", "");
    auto role = MetaRole::create_with_names(MetaRole::gtype(), "d", "d", "r1", "");
    EXPECT_EQ(builders.mysql->build_delete(user.get()).value_or(""), "DROP USER IF EXISTS `u1`@`%`;");
    EXPECT_EQ(builders.mysql->build_delete(role.get()).value_or(""), "DROP ROLE IF EXISTS `r1`@`%`;");
    EXPECT_EQ(builders.mariadb->build_delete(user.get()).value_or(""), "DROP USER IF EXISTS `u1`@`%`;");
    EXPECT_EQ(builders.mariadb->build_delete(role.get()).value_or(""), "DROP ROLE IF EXISTS `r1`;");
}

class LiveKeyParts : public test::ScratchDatabase {
protected:
    LiveKeyParts() : ScratchDatabase("mysql_family", [] { return gobj::Ref<ConnectionImpl>(MariaDBConnection::create()); }) {}

    // Builds the hostile table with an index on the hostile column and a unique key over
    // the mixed-case and the non-ASCII one, runs the script, and reads the keys back.
    void build_and_run(SqlBuilder& builder) {
        run("CREATE TABLE victim (a INT); CREATE TABLE other (a INT);");
        auto table = hostile_table(database.c_str(), "zürich_表");
        add_index(*table, "ix", "", {kHostile});
        add_index(*table, "uq", "UNIQUE", {"MixedCase", "zürich_表"});
        std::string script = builder.build_table(table.get(), true).value_or("");
        SCOPED_TRACE(script);
        run(script);
        EXPECT_EQ(rows("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = '" + database +
                       "' AND TABLE_NAME = 'victim';"),
                  std::vector<std::string>{"1"});
        EXPECT_EQ(rows("SELECT INDEX_NAME, COLUMN_NAME FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = '" +
                       database + "' ORDER BY TABLE_NAME, INDEX_NAME, SEQ_IN_INDEX;"),
                  (std::vector<std::string>{std::string("ix|") + kHostile, "uq|MixedCase", "uq|zürich_表"}));
    }
};

TEST_F(LiveKeyParts, TheMySQLScriptKeepsEveryColumnNameInItsKey) {
    auto builder = MySQLBuilder::create(MySQLBuilder::gtype(), c());
    build_and_run(*builder);
}

TEST_F(LiveKeyParts, TheMariaDBScriptKeepsEveryColumnNameInItsKey) {
    auto builder = MariaDBBuilder::create(MariaDBBuilder::gtype(), c());
    build_and_run(*builder);
}

}  // namespace
