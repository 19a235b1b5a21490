// MariaDBExplorer: every listing's query and captions through the scripted provider, the
// database list by version, kinds without a listing, missing arguments and errors; and
// every listing against the MariaDB test server (10.11), hostile schemas included.
#include "fixture.hpp"

#include "providers/contracts/model_column.hpp"

namespace mariadb_dialect_test {
namespace {

using providers::contracts::TableModel;
using V = std::vector<std::string>;

constexpr auto kDatabase = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE;
constexpr auto kSchema = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA;

V titles(const TableModel& table) {
    V out;
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

struct Case {
    DBObject kind;
    const char* sql;
    V titles;
};

const V kRoutineTitles = {"Name", "Type", "Deterministic", "Security type", "Definer", "Create time", "Modified time",
                          "Comment"};

// Every listing for the schema "shop", on a 10.5-or-later server.
const std::vector<Case>& listings() {
    static const std::vector<Case> cases = {
        {kDatabase,
         "SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME, SCHEMA_COMMENT FROM "
         "`information_schema`.`SCHEMATA` ORDER BY SCHEMA_NAME ASC;",
         {"Name", "Default character", "Default collation", "Comment"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT,
         "SELECT EVENT_NAME, EVENT_TYPE, STATUS, DEFINER, CREATED, LAST_ALTERED, IF(EVENT_TYPE = 'ONE TIME', EXECUTE_AT, "
         "LAST_EXECUTED) AS EXECUTED_TIME, ON_COMPLETION, EVENT_COMMENT FROM information_schema.EVENTS WHERE "
         "EVENT_SCHEMA = 'shop' ORDER BY EVENT_NAME ASC",
         {"Name", "Event type", "Status", "Definer", "Create time", "Modified time", "Executed time", "Completion",
          "Comment"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION,
         "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.IS_DETERMINISTIC, r.SECURITY_TYPE, r.`DEFINER`, r.CREATED, "
         "r.LAST_ALTERED, r.ROUTINE_COMMENT FROM information_schema.ROUTINES r WHERE ROUTINE_SCHEMA = 'shop' AND "
         "ROUTINE_TYPE = 'FUNCTION' ORDER BY ROUTINE_NAME ASC;",
         kRoutineTitles},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE,
         "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.IS_DETERMINISTIC, r.SECURITY_TYPE, r.`DEFINER`, r.CREATED, "
         "r.LAST_ALTERED, r.ROUTINE_COMMENT FROM information_schema.ROUTINES r WHERE ROUTINE_SCHEMA = 'shop' AND "
         "ROUTINE_TYPE = 'PROCEDURE' ORDER BY ROUTINE_NAME ASC;",
         kRoutineTitles},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE,
         "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.IS_DETERMINISTIC, r.SECURITY_TYPE, r.`DEFINER`, r.CREATED, "
         "r.LAST_ALTERED, r.ROUTINE_COMMENT FROM information_schema.ROUTINES r WHERE ROUTINE_SCHEMA = 'shop' AND "
         "ROUTINE_TYPE IN ('FUNCTION', 'PROCEDURE') ORDER BY ROUTINE_NAME ASC;",
         kRoutineTitles},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE,
         "SELECT ROUTINE_NAME, SECURITY_TYPE, DEFINER, CREATED, LAST_ALTERED, ROUTINE_COMMENT FROM "
         "information_schema.ROUTINES WHERE ROUTINE_SCHEMA = 'shop' AND ROUTINE_TYPE = 'PACKAGE' ORDER BY ROUTINE_NAME "
         "ASC;",
         {"Name", "Security type", "Definer", "Create time", "Modified time", "Comment"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX,
         "SELECT DISTINCT INDEX_NAME, TABLE_NAME, NON_UNIQUE, INDEX_TYPE, INDEX_COMMENT FROM "
         "`information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = 'shop' AND INDEX_NAME <> 'PRIMARY' ORDER BY "
         "INDEX_NAME ASC",
         {"Name", "Table", "Unique", "Type", "Comment"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE,
         "SELECT t.TABLE_NAME, t.ROW_FORMAT, t.CREATE_TIME, t.UPDATE_TIME, t.`ENGINE`, t.TABLE_COLLATION, "
         "t.TABLE_COMMENT FROM information_schema.`TABLES` AS t WHERE t.TABLE_SCHEMA = 'shop' AND t.TABLE_TYPE = "
         "'SEQUENCE' ORDER BY t.TABLE_NAME ASC;",
         {"Name", "Row format", "Create time", "Update time", "Engine", "Collation", "Comment"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE,
         "\r\nSELECT t.TABLE_NAME, t.AUTO_INCREMENT, t.ROW_FORMAT, t.TABLE_ROWS, t.DATA_LENGTH, \r\n    t.CREATE_TIME, "
         "t.UPDATE_TIME, t.`ENGINE`, t.TABLE_COLLATION, t.TABLE_COMMENT \r\nFROM information_schema.`TABLES` AS t "
         "\r\nWHERE t.TABLE_SCHEMA = 'shop' AND t.TABLE_TYPE in ('BASE TABLE', 'SYSTEM VIEW') \r\nORDER BY "
         "t.TABLE_NAME ASC;",
         {"Name", "Auto increment", "Row format", "Rows", "Data length", "Create time", "Update time", "Engine",
          "Collation", "Comment"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER,
         "SELECT TRIGGER_NAME, EVENT_MANIPULATION, CONCAT(EVENT_OBJECT_SCHEMA, '.', EVENT_OBJECT_TABLE) AS object, "
         "ACTION_ORDER, ACTION_TIMING, CREATED, DEFINER FROM `information_schema`.`TRIGGERS` WHERE "
         "TRIGGER_SCHEMA='shop' ORDER BY TRIGGER_NAME ASC;",
         {"Name", "Event", "Object", "Order", "Time", "Created", "Definer"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW,
         "SELECT t.TABLE_NAME, v.CHECK_OPTION, v.IS_UPDATABLE, v.SECURITY_TYPE, v.DEFINER FROM INFORMATION_SCHEMA.tables "
         "t left join information_schema.VIEWS v on t.TABLE_SCHEMA = v.TABLE_SCHEMA and t.TABLE_NAME = v.TABLE_NAME "
         "WHERE t.table_type = 'VIEW' and t.TABLE_SCHEMA = 'shop' ORDER BY t.TABLE_NAME ASC",
         {"Name", "Check option", "Updatable", "Security type", "Definer"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE,
         "SELECT User, default_role FROM mysql.user WHERE BINARY is_role IN ('Y', 'y') ORDER BY User ASC;",
         {"Name", "Default role"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER,
         "SELECT CONCAT(user, '@', host) AS name, ssl_type, super_priv, plugin, max_questions, max_updates, "
         "max_connections, max_user_connections FROM mysql.user WHERE BINARY is_role IN ('N', 'n') ORDER BY user ASC;",
         {"Name", "SSL type", "Super user", "Auth plugin", "Max queries per hour", "Max updates per hour",
          "Max connections per hour", "Max user connections"}},
    };
    return cases;
}

std::vector<ScriptedColumn> columns(size_t n) {
    std::vector<ScriptedColumn> out;
    for (size_t i = 0; i < n; ++i) out.push_back({"c" + std::to_string(i), kString});
    return out;
}

TEST(MariaDBExplorerScripted, EveryListingSendsItsQueryAndCaptionsItsColumns) {
    Scripted s("10.11.19-MariaDB");
    s.open();
    for (const auto& c : listings()) {
        s.provider->answer_rows(c.sql, columns(c.titles.size()), {});
        s.provider->clear_log();
        auto listed = list(s.explorer(), c.kind, "shop");
        ASSERT_EQ(listed.error, "(none)") << c.kind;
        // The provider logs statements without the white space around them.
        EXPECT_EQ(s.provider->statements(), V{std::string(c.sql).substr(c.sql[0] == '\r' ? 2 : 0)}) << c.kind;
        EXPECT_EQ(titles(*listed.table), c.titles) << c.kind;
    }
    // The tables query keeps its line breaks, the one before its first line too.
    EXPECT_NE(s.log.main_log().find(std::string("SQL: ") + listings()[8].sql), std::string::npos);
    // The schema kind lists the databases too.
    s.provider->clear_log();
    EXPECT_EQ(titles(*list(s.explorer(), kSchema, "ignored").table), listings()[0].titles);
    EXPECT_EQ(s.provider->statements(), V{listings()[0].sql});
}

TEST(MariaDBExplorerScripted, ServersBefore10_5ListDatabasesWithoutComments) {
    const char* sql =
        "SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME FROM `information_schema`.`SCHEMATA` "
        "ORDER BY SCHEMA_NAME ASC;";
    for (const char* version : {"10.4.32-MariaDB", "5.5.68-MariaDB"}) {
        Scripted s(version);
        s.provider->answer_rows(sql, columns(3), {{"shop", "utf8mb4", "utf8mb4_general_ci"}});
        s.open();
        auto listed = list(s.explorer(), kDatabase, "");
        ASSERT_EQ(listed.error, "(none)") << version;
        EXPECT_EQ(titles(*listed.table), (V{"Name", "Default character", "Default collation"})) << version;
        EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(listed.table.gobj())), 1u);
    }
}

TEST(MariaDBExplorerScripted, KindsWithoutAListingRunNothing) {
    Scripted s;
    s.open();
    s.provider->clear_log();
    for (DBObject kind : {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK,
                          TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE, DBObject(0), DBObject(63)}) {
        auto listed = list(s.explorer(), kind, "shop");
        ASSERT_TRUE(listed.table) << kind;
        EXPECT_EQ(listed.table->get_columns().size(), 0) << kind;
        EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(listed.table.gobj())), 0u) << kind;
        EXPECT_EQ(listed.error, "(none)");
    }
    EXPECT_EQ(s.provider->statements(), V{});
}

TEST(MariaDBExplorerScripted, AQueryErrorReachesTheCallerUnchanged) {
    Scripted s;
    s.open();
    s.provider->answer_error(listings()[1].sql, gobj::Error("MariaDB", 1142, "SELECT command denied"));
    auto listed = list(s.explorer(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT, "shop");
    EXPECT_FALSE(listed.table);
    EXPECT_EQ(listed.error, "MariaDB 1142 SELECT command denied");
}

TEST(MariaDBExplorerScripted, MissingArgumentsAreNamedAndExecCommandDoesNothing) {
    Scripted s;
    auto* explorer = reinterpret_cast<CExplorable*>(s.explorer().gobj());
    test::LogCapture log;
    GError* error = nullptr;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(explorer, kDatabase, "d", nullptr, "",
                                                                            &error),
              nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(explorer, kDatabase, "d", "s", nullptr,
                                                                            &error),
              nullptr);
    EXPECT_EQ(error, nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "schema != NULL"));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "extra_data != NULL"));
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(explorer, kDatabase, "d", "s", nullptr, "", "drop",
                                                                    &error);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "object != NULL"));
    s.provider->clear_log();
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(explorer, kDatabase, "d", "s", "o", "", "drop",
                                                                    &error);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(s.provider->calls("execute_model") + s.provider->calls("execute_affect"), 0);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_maria_db_explorer_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'conn != NULL'"));
}

// ---------------------------------------------------------------- live

class LiveExplorer : public LiveCatalogue {};

TEST_F(LiveExplorer, EveryListingRunsWithAColumnPerCaption) {
    auto explorer = this->explorer();
    for (const auto& c : listings()) {
        auto listed = list(explorer, c.kind, database.c_str());
        ASSERT_EQ(listed.error, "(none)") << c.kind;
        EXPECT_EQ(titles(*listed.table), c.titles) << c.kind;
    }
    auto names = [&](DBObject kind) {
        V out;
        auto listed = list(explorer, kind, database.c_str());
        for (guint r = 0; r < g_list_model_get_n_items(G_LIST_MODEL(listed.table.gobj())); ++r)
            out.push_back(listed.table->get_value_at(0, r)->to_string());
        return out;
    };
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE), (V{"axb", "a_b", "child", "parent"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW), V{"cheap"});
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE), (V{"add_two", "touch"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT), (V{"nightly", "once"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX), (V{"fk_parent", "ft_note", "uq_label"}));
    EXPECT_EQ(names(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER), V{"child_qty"});
}

TEST_F(LiveExplorer, AHostileSchemaIsAValueThatMatchesNothing) {
    auto explorer = this->explorer();
    for (const char* schema : {"x' OR '1'='1", "x\\' OR 1=1 -- ", "%"}) {
        for (DBObject kind : {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT,
                              TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW}) {
            auto listed = list(explorer, kind, schema);
            ASSERT_EQ(listed.error, "(none)") << schema;
            EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(listed.table.gobj())), 0u) << schema << " " << kind;
        }
    }
}

TEST_F(LiveExplorer, TheDatabaseListOf10_11HasTheCommentColumn) {
    run("ALTER DATABASE " + sql_name(database) + " COMMENT 'the shop''s';");
    auto listed = list(explorer(), kDatabase, "");
    ASSERT_EQ(listed.error, "(none)");
    bool found = false;
    for (guint r = 0; r < g_list_model_get_n_items(G_LIST_MODEL(listed.table.gobj())); ++r)
        if (listed.table->get_value_at(0, r)->to_string() == database) {
            found = true;
            EXPECT_EQ(listed.table->get_value_at(3, r)->to_string(), "the shop's");
        }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace mariadb_dialect_test
