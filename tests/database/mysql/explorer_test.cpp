// MySQLExplorer: the listings' queries and titles by server generation through the
// scripted provider (MySQL 8 and 5.7), and the listings MariaDB answers (live).
#include "fixture.hpp"

namespace mysql_dialect_test {
namespace {

constexpr auto kDatabase = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE;

using providers::contracts::TableModel;

std::vector<std::string> titles(const TableModel& table) {
    std::vector<std::string> out;
    for (auto column : table.get_columns()) out.push_back(column->get_title().value_or("(none)"));
    return out;
}

// The model and the error of a listing through the IExplorable dispatcher.
struct Listed {
    Ref<TableModel> table;
    std::string error;
};
Listed list(const Ref<gobj::Object>& explorer, DBObject kind, const char* schema) {
    GError* error = nullptr;
    auto* table = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        reinterpret_cast<CExplorable*>(explorer.gobj()), kind, "d", schema, "", &error);
    return {table ? Ref<TableModel>::adopt(table) : Ref<TableModel>(), test::describe(error)};
}

std::vector<ScriptedColumn> columns_named(std::initializer_list<const char*> names) {
    std::vector<ScriptedColumn> out;
    for (const char* name : names) out.push_back({name, kString});
    return out;
}

TEST(MySQLExplorerScripted, GenerationsChooseTheirQueriesAndTitles) {
    struct Case {
        const char* version;
        DBObject kind;
        const char* sql;
        std::vector<std::string> titles;
    };
    const std::vector<Case> cases = {
        {"8.0.36", kDatabase,
         "SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME, DEFAULT_ENCRYPTION FROM "
         "`information_schema`.`SCHEMATA` ORDER BY SCHEMA_NAME ASC;",
         {"Name", "Default character", "Default collation", "Default encryption"}},
        {"5.7.44", TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA,
         "SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME FROM `information_schema`.`SCHEMATA` "
         "ORDER BY SCHEMA_NAME ASC;",
         {"Name", "Default character", "Default collation"}},
        {"", TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX,
         "SELECT DISTINCT INDEX_NAME, TABLE_NAME, NON_UNIQUE, INDEX_TYPE, IS_VISIBLE, INDEX_COMMENT FROM "
         "`information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = 'sh''op' AND INDEX_NAME <> 'PRIMARY' ORDER BY "
         "INDEX_NAME ASC",
         {"Name", "Table", "Unique", "Type", "Visible", "Comment"}},
        {"5.7.44", TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX,
         "SELECT DISTINCT INDEX_NAME, TABLE_NAME, NON_UNIQUE, INDEX_TYPE, INDEX_COMMENT FROM "
         "`information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = 'sh''op' AND INDEX_NAME <> 'PRIMARY' ORDER BY "
         "INDEX_NAME ASC",
         {"Name", "Table", "Unique", "Type", "Comment"}},
        {"8.0.36", TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE,
         "SELECT its.`NAME`, its.SPACE_TYPE, its.STATE, its.ENCRYPTION, its.ROW_FORMAT, itsb.PATH, its.FILE_SIZE FROM "
         "information_schema.INNODB_TABLESPACES AS its LEFT JOIN information_schema.INNODB_TABLESPACES_BRIEF AS itsb "
         "ON its.SPACE=itsb.SPACE WHERE its.`NAME` like '%sh''op%' ESCAPE '!' OR its.SPACE_TYPE = 'General' ORDER BY its.`NAME` "
         "ASC;",
         {"Name", "Space type", "State", "Encryption", "Row format", "File path", "File size"}},
        {"5.7.44", TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE,
         "SELECT NAME, SPACE_TYPE, ROW_FORMAT, FILE_FORMAT, FILE_SIZE FROM information_schema.INNODB_SYS_TABLESPACES "
         "WHERE `NAME` like '%sh''op%' ESCAPE '!' ORDER BY `NAME` ASC;",
         {"Name", "Space type", "Row format", "File format", "File size"}},
        {"8.0.36", TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER,
         "SELECT CONCAT(user, '@', host) AS name, ssl_type, super_priv, plugin, max_questions, max_updates, "
         "max_connections, max_user_connections FROM mysql.user WHERE 0 < LENGTH(authentication_string) ORDER BY user "
         "ASC;",
         {"Name", "SSL type", "Super user", "Auth plugin", "Max queries per hour", "Max updates per hour",
          "Max connections per hour", "Max user connections"}},
        {"5.7.44", TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER,
         "SELECT CONCAT(user, '@', host) AS name, ssl_type, super_priv, plugin, max_questions, max_updates, "
         "max_connections, max_user_connections FROM mysql.user ORDER BY user ASC;",
         {"Name", "SSL type", "Super user", "Auth plugin", "Max queries per hour", "Max updates per hour",
          "Max connections per hour", "Max user connections"}},
        {"8.0.36", TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE,
         "SELECT CONCAT(user, '@', host) AS Name FROM mysql.user WHERE account_locked='Y' AND password_expired='Y' AND "
         "authentication_string='' ORDER BY Name ASC;",
         {"Name", "(none)"}},
    };
    for (const auto& c : cases) {
        Scripted s(c.version);
        s.open();
        std::vector<ScriptedColumn> columns;
        for (size_t i = 0; i < std::max<size_t>(c.titles.size(), 1); ++i)
            columns.push_back({"c" + std::to_string(i), kString});
        s.provider->answer_rows(c.sql, columns, {});
        auto listed = list(s.explorer(), c.kind, "sh'op");
        ASSERT_EQ(listed.error, "(none)") << c.sql;
        EXPECT_EQ(titles(*listed.table), c.titles) << c.sql;
    }
}

TEST(MySQLExplorerScripted, LikePatternsMatchTheSchemaLiterally) {
    Scripted s("5.7.44");
    s.open();
    s.provider->answer_rows("SELECT NAME, SPACE_TYPE, ROW_FORMAT, FILE_FORMAT, FILE_SIZE FROM "
                            "information_schema.INNODB_SYS_TABLESPACES WHERE `NAME` like '%a!_b!%!!\\\\c%' "
                            "ESCAPE '!' ORDER BY `NAME` ASC;",
                            columns_named({"NAME"}), {{"a_b%\\c/t"}});
    auto listed = list(s.explorer(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE, "a_b%!\\c");
    EXPECT_EQ(listed.error, "(none)");
}

TEST(MySQLExplorerScripted, ErrorsEmptyKindsAndMissingArguments) {
    Scripted s("8.0.36");
    s.open();
    s.provider->answer_error("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME, DEFAULT_ENCRYPTION "
                             "FROM `information_schema`.`SCHEMATA` ORDER BY SCHEMA_NAME ASC;",
                             gobj::Error("MySQL", 1054, "Unknown column 'DEFAULT_ENCRYPTION'"));
    auto failed = list(s.explorer(), kDatabase, "shop");
    EXPECT_EQ(failed.error, "MySQL 1054 Unknown column 'DEFAULT_ENCRYPTION'");
    EXPECT_FALSE(failed.table);

    auto empty = list(s.explorer(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN, "shop");
    EXPECT_EQ(empty.error, "(none)");
    EXPECT_EQ(empty.table->get_columns().size(), 0);
    EXPECT_EQ(empty.table->get_rows().size(), 0);
    EXPECT_EQ(s.provider->calls("execute_model"), 1);

    test::LogCapture log;
    auto* explorer = reinterpret_cast<CExplorable*>(s.explorer().gobj());
    GError* error = nullptr;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(explorer, kDatabase, "d", "s", nullptr,
                                                                              &error),
              nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "extra_data != NULL"));
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(explorer, kDatabase, "d", "s", "o", "", "x", &error);
    EXPECT_EQ(error, nullptr);
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(explorer, kDatabase, "d", "s", "o", "", nullptr,
                                                                    &error);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "command != NULL"));
}

// ---------------------------------------------------------------- live: what MariaDB lists

class LiveExplorer : public Live {};

TEST_F(LiveExplorer, TheListingsMariaDBAnswers) {
    run(kLiveCatalogue);
    auto explorer = Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c()));
    auto names = [&](DBObject kind) {
        auto listed = list(explorer, kind, database.c_str());
        std::vector<std::string> out;
        EXPECT_EQ(listed.error, "(none)") << kind;
        if (!listed.table) return out;
        for (auto row : listed.table->get_rows()) out.push_back(row->get_values().at(0)->to_string());
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE), (V{"child", "parent"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW), (V{"big_parents"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER), (V{"child_qty"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION), (V{"add_two"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE), (V{"touch"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE), (V{"add_two", "touch"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT), (V{"nightly", "once"}));
    auto users = names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER);
    EXPECT_NE(std::find(users.begin(), users.end(), user), users.end());

    auto views = list(explorer, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW, database.c_str());
    EXPECT_EQ(titles(*views.table), (V{"Name", "Check option", "Updatable", "Security type", "Definer"}));
    EXPECT_EQ(views.table->get_rows().at(0)->get_values().at(1)->to_string(), "CASCADED");
    auto triggers = list(explorer, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER, database.c_str());
    EXPECT_EQ(triggers.table->get_rows().at(0)->get_values().at(2)->to_string(), database + ".child");
    auto tables = list(explorer, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, database.c_str());
    EXPECT_EQ(titles(*tables.table), (V{"Name", "Auto increment", "Row format", "Rows", "Data length", "Create time",
                                        "Update time", "Engine", "Collation", "Comment"}));
    EXPECT_EQ(tables.table->get_rows().at(1)->get_values().at(9)->to_string(), "parents");
}

}  // namespace
}  // namespace mysql_dialect_test
