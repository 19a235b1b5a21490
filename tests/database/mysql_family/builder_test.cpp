// Index entries through both builders of the MySQL family: an entry that names a column is
// quoted however the name is spelt (a name that tries to end the column list, mixed case,
// non-ASCII, a backquote); an expression, a prefix or an order stays as written. The
// texts, then the scripts run on the MariaDB test server (live), where a sentinel table
// shows that no entry ran as a statement and the index reads back on the right column.
#include <gtest/gtest.h>

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
        {"MixedCase(4)", "MixedCase(4)"},
        {"id DESC", "id DESC"},
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

// A stand-alone index knows no table: an entry that is one plain name is a column.
TEST(MySQLFamilyKeyParts, AStandAloneIndexQuotesPlainNames) {
    Builders builders;
    auto table = hostile_table("s");
    auto index = add_index(*table, "ix", "UNIQUE", {"MixedCase", "zürich_表_🙂", "(id + 1)"});
    EXPECT_EQ(builders.mysql->build_index(index.get()).value_or(""),
              "CREATE UNIQUE INDEX `ix` ON `s`.`t`( \n    `MixedCase`,\n    `zürich_表_🙂`,\n    (id + 1)\n);");
    EXPECT_EQ(builders.mariadb->build_index(index.get()).value_or(""),
              "CREATE UNIQUE INDEX `ix` ON `t`( \n    `MixedCase`,\n    `zürich_表_🙂`,\n    (id + 1)\n);");
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
