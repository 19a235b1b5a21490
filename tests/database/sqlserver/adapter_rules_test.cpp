// The rules every SQL Server fill follows: the "FILLED" mark and the deep flag, a failing
// query at any point of a table fill, reset and refill, and answers a fill does not
// expect (no row, several rows, NULL or non-bit flags, unknown types, short rows).
#include "providers/gobj/gee.hpp"
#include "rezezadovu/model/meta_classify.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/sqlserver/adapter.hpp"
#include "sqlserver_support.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;
using namespace tarvelin::rezezadovu::meta_model;
using rezezadovu::supports::database::SQLServerAdapter;
using CAdaptable = TarvelinRezezadovuContractsDatabaseIAdaptable;

namespace {

struct Fill {
    explicit Fill(const char* scenario = "shop_2019", const char* version = "15.0.2000.5") : server(version, scenario) {
        adapter = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(server.c()));
    }
    CAdaptable* c() const { return reinterpret_cast<CAdaptable*>(adapter.gobj()); }
    ScriptedProvider& provider() const { return *server.provider; }
    // Each returns the error text, "(none)" without one.
    std::string database(const gobj::Ref<MetaDatabase>& db, bool deep) {
        GError* e = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
            c(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(db.gobj()), deep, &e);
        return describe(e);
    }
    std::string table(const gobj::Ref<MetaTable>& t, bool deep) {
        GError* e = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
            c(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(t.gobj()), deep, &e);
        return describe(e);
    }
    std::string object(const gobj::Ref<MetaObject>& o, bool deep = false) {
        GError* e = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
            c(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaObject*>(o.gobj()), deep, &e);
        return describe(e);
    }
    Scripted server;
    gobj::Ref<gobj::Object> adapter;
};

gobj::Ref<MetaTable> orders() { return MetaTable::create_with_names(MetaTable::gtype(), "shop", "dbo", "orders"); }
gobj::Ref<MetaDatabase> shop() { return MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop"); }

// "columns keys indexes constraints options" counts of a table.
std::string summary(const MetaTable& t) {
    int keys = 0;
    auto columns = gobj::GeeArray<MetaColumn>::wrap(t.get_columns());
    for (auto c : columns) keys += c->get_is_primary_key() ? 1 : 0;
    return std::to_string(columns.size()) + " " + std::to_string(keys) + " " +
           std::to_string(gobj::GeeArray<MetaIndex>::wrap(t.get_indexes()).size()) + " " +
           std::to_string(gobj::GeeArray<MetaObject>::wrap(t.get_constraints()).size()) + " " +
           std::to_string(gobj::StringMap::wrap(GEE_MAP(t.get_options())).size());
}

std::string attribute(const MetaObject& o, const char* key) {
    return gobj::StringMap::wrap(GEE_MAP(o.get_attributes())).get_or(key, "(absent)");
}

const std::vector<ScriptedColumn> kColumnHeads = {
    {"column_id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
    {"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
    {"type", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
    {"max_length", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
    {"precision", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8},
    {"scale", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8},
    {"is_nullable", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN},
    {"definition", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
    {"collation_name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
    {"comment", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
};

}  // namespace

// A table filled shallow is marked: a deep fill after it runs nothing.
TEST(SqlServerAdapterRules, ShallowThenDeepLeavesColumnsAndKeyOnly) {
    Fill fill;
    auto t = orders();
    EXPECT_EQ(fill.table(t, false), "(none)");
    EXPECT_EQ(fill.provider().statements(), (std::vector<std::string>{query("columns", {"dbo", "orders"}),
                                                                       query("primary_key", {"dbo", "orders"})}));
    EXPECT_TRUE(is_filled(*t));
    fill.provider().clear_log();
    EXPECT_EQ(fill.table(t, true), "(none)");
    EXPECT_TRUE(fill.provider().statements().empty());
    EXPECT_EQ(summary(*t), "10 1 0 0 0");
    // After reset everything is read again.
    t->reset();
    EXPECT_EQ(fill.table(t, true), "(none)");
    EXPECT_EQ(summary(*t), "10 1 2 5 4");
}

// A marked database filled deep only descends; once everything is marked nothing runs.
TEST(SqlServerAdapterRules, MarkedDatabaseDeepRunsOnlyTheChildrensFills) {
    Fill fill;
    auto db = shop();
    EXPECT_EQ(fill.database(db, false), "(none)");
    EXPECT_EQ(fill.provider().statements().size(), 2u);
    fill.provider().clear_log();
    EXPECT_EQ(fill.database(db, true), "(none)");
    auto sent = fill.provider().statements();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), query("schema_owner", {"dbo"}));
    for (const auto& own : {query("database", {"shop"}), query("schemata")})
        EXPECT_EQ(std::count(sent.begin(), sent.end(), own), 0);
    fill.provider().clear_log();
    EXPECT_EQ(fill.database(db, true), "(none)");
    EXPECT_TRUE(fill.provider().statements().empty());
}

// When the n-th query of a deep table fill fails, the error reaches the caller, no later
// query runs, and the table keeps what came before, unmarked.
TEST(SqlServerAdapterRules, FailureAtEachQueryOfATableFill) {
    const std::vector<std::pair<const char*, const char*>> steps = {
        {"columns", "0 0 0 0 0"},     {"primary_key", "10 0 0 0 0"}, {"indexes", "10 1 0 0 0"},
        {"triggers", "10 1 2 0 0"},   {"checks", "10 1 2 0 0"},      {"foreign_keys", "10 1 2 2 0"},
        {"uniques", "10 1 2 4 0"},    {"options_table", "10 1 2 5 0"}, {"options_space", "10 1 2 5 1"},
        {"partitions", "10 1 2 5 3"},
    };
    for (std::size_t k = 0; k < steps.size(); ++k) {
        SCOPED_TRACE(steps[k].first);
        Fill fill;
        std::string failing = query(steps[k].first, {"dbo", "orders"});
        fill.provider().answer_error(failing, gobj::Error("TDSDB", 1205, "Transaction was deadlocked."));
        auto t = orders();
        EXPECT_EQ(fill.table(t, true), "TDSDB 1205 Transaction was deadlocked.");
        EXPECT_FALSE(is_filled(*t));
        EXPECT_EQ(summary(*t), steps[k].second);
        auto sent = fill.provider().statements();
        EXPECT_EQ(sent.size(), k + 1);
        EXPECT_EQ(sent.back(), failing);
    }
    // Within a deep database fill the failure leaves the schema and the database unmarked;
    // the tables before it stay filled.
    Fill fill;
    fill.provider().answer_error(query("indexes", {"dbo", "orders"}), gobj::Error("TDSDB", 1205, "deadlock"));
    auto db = shop();
    EXPECT_EQ(fill.database(db, true), "TDSDB 1205 deadlock");
    auto schemas = gobj::GeeArray<MetaSchema>::wrap(db->get_schemas());
    EXPECT_FALSE(is_filled(*db));
    EXPECT_FALSE(is_filled(*schemas.at(0)));
    auto tables = gobj::GeeArray<MetaTable>::wrap(schemas.at(0)->get_tables());
    EXPECT_TRUE(is_filled(*tables.at(0)));
    EXPECT_FALSE(is_filled(*tables.at(1)));
    EXPECT_FALSE(is_filled(*schemas.at(1))) << "the next schema is not reached";
}

TEST(SqlServerAdapterRules, ResetAndRefillGiveTheSameJson) {
    Fill fill;
    auto db = shop();
    ASSERT_EQ(fill.database(db, true), "(none)");
    std::string first = json_of(*db);
    db->reset();
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(db->get_schemas())) schema->reset();
    ASSERT_EQ(fill.database(db, true), "(none)");
    EXPECT_EQ(json_of(*db), first);

    auto procedure = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "dbo", "usp_place_order");
    ASSERT_EQ(fill.object(procedure), "(none)") << "kind " << procedure->character();
    // A procedure is reached through fill_meta_function; the dispatcher leaves kind 28 alone.
    EXPECT_FALSE(is_filled(*procedure));
    GError* e = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(
        fill.c(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaFunction*>(procedure.gobj()), &e);
    ASSERT_EQ(describe(e), "(none)");
    std::string filled = json_of(*procedure);
    procedure->reset();
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(
        fill.c(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaFunction*>(procedure.gobj()), &e);
    ASSERT_EQ(describe(e), "(none)");
    EXPECT_EQ(json_of(*procedure), filled) << "parameters are not repeated";
}

// A function object is filled through the dispatcher; the same object as a procedure is not.
TEST(SqlServerAdapterRules, ObjectDispatchFollowsTheKind) {
    Fill fill;
    auto function = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "dbo", "fn_total");
    function->set_is_function(true);
    EXPECT_EQ(fill.object(function), "(none)");
    EXPECT_TRUE(is_filled(*function));

    fill.provider().clear_log();
    auto role = MetaRole::create_with_names(MetaRole::gtype(), "shop", "dbo", "readers", "Database");
    EXPECT_EQ(fill.object(role), "(none)");
    EXPECT_FALSE(is_filled(*role)) << "scopes compare exactly";
    EXPECT_TRUE(fill.provider().statements().empty());
}

TEST(SqlServerAdapterRules, SynonymErrorReachesTheCaller) {
    Fill fill;
    fill.provider().answer_error(query("synonym", {"dbo", "s_orders"}), gobj::Error("TDSDB", 229, "permission denied"));
    auto synonym = MetaSynonym::create_with_names(MetaSynonym::gtype(), "dbo", "s_orders");
    EXPECT_EQ(fill.object(synonym), "TDSDB 229 permission denied");
    EXPECT_FALSE(is_filled(*synonym));
}

TEST(SqlServerAdapterRules, LoadRelationReadsTheUsersRoles) {
    Fill fill;
    const char* sql_name = "relation";
    fill.provider().answer_rows(query(sql_name, {"O'Brien"}),
                                {{"rolename", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
                                 {"username", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}},
                                {{"db_owner", "O'Brien"}, {"readers", "O'Brien"}});
    fill.provider().answer_rows(query(sql_name, {"nobody"}), {{"rolename", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
                                                              {"username", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});
    auto* adapter = reinterpret_cast<TarvelinRezezadovuSupportsDatabaseSQLServerAdapter*>(fill.adapter.gobj());
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "shop", "dbo", "O'Brien", "");
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_sql_server_adapter_load_relation(
        adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaUser*>(user.gobj()), &e);
    EXPECT_EQ(describe(e), "(none)");
    auto relations = gobj::StringMap::wrap(GEE_MAP(user->get_relations()));
    EXPECT_EQ(relations.keys().size(), 2u);
    EXPECT_EQ(relations.get_or("readers=O'Brien", "(absent)"), "false");
    EXPECT_FALSE(is_filled(*user));

    LogCapture log;
    auto nobody = MetaUser::create_with_names(MetaUser::gtype(), "shop", "dbo", "nobody", "");
    tarvelin_rezezadovu_supports_database_sql_server_adapter_load_relation(
        adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaUser*>(nobody.gobj()), &e);
    EXPECT_EQ(describe(e), "(none)");
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)"));
}

// ---------------------------------------------------------------- bad input

TEST(SqlServerAdapterBadInput, MissingArgumentsAreRefusedWithTheirNames) {
    Fill fill;
    LogCapture log;
    GError* e = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(fill.c(), nullptr, TRUE, &e);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(fill.c(), nullptr, TRUE, &e);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_user(fill.c(), nullptr, &e);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_event(fill.c(), nullptr, &e);
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(fill.c(), nullptr, &e);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_options(nullptr, nullptr, &e),
              nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_check(
                  reinterpret_cast<TarvelinRezezadovuSupportsDatabaseSQLServerAdapter*>(fill.adapter.gobj()), nullptr, &e),
              nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_adapter_new(nullptr), nullptr);
    EXPECT_EQ(describe(e), "(none)");
    for (const char* condition : {"'table != NULL'", "'meta_object != NULL'", "'meta_user != NULL'", "'event != NULL'",
                                  "'function != NULL'", "'self != NULL'", "'connection != NULL'"})
        EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, condition)) << condition;
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'table != NULL'"), 2);
    EXPECT_TRUE(fill.provider().statements().empty());
}

// Names go into the catalogue queries with their quotes doubled.
TEST(SqlServerAdapterBadInput, HostileNamesReachTheServerDoubled) {
    Fill fill;
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "shop", "a]b", "O'Brien");
    fill.provider().answer_rows(query("columns", {"a]b", "O'Brien"}), kColumnHeads,
                                {{1, "x'y", "int", 4, 10, 0, false, nullptr, nullptr, nullptr}});
    fill.provider().answer_rows(query("primary_key", {"a]b", "O'Brien"}),
                                {{"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});
    EXPECT_EQ(fill.table(t, false), "(none)");
    auto sent = fill.provider().statements();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_NE(sent[0].find("OBJECT_SCHEMA_NAME(ac.object_id) = 'a]b' AND OBJECT_NAME(ac.object_id) = 'O''Brien'"),
              std::string::npos);

    auto user = MetaUser::create_with_names(MetaUser::gtype(), "it's", "dbo", "O'Brien", "database");
    fill.provider().answer_rows(query("containment", {"it's"}), {{"containment", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8}},
                                {{1}});
    fill.provider().answer_rows(query("user", {"O'Brien"}), {{"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});
    LogCapture log;
    EXPECT_EQ(fill.object(user), "(none)");
    EXPECT_NE(fill.provider().statements().back().find("dp.name =N'O''Brien'"), std::string::npos);
    EXPECT_FALSE(is_filled(*user));
}

// No row, or several where one is expected: a critical, no error, nothing marked.
TEST(SqlServerAdapterBadInput, UnexpectedRowCounts) {
    Fill fill;
    auto& p = fill.provider();
    const std::vector<ScriptedColumn> view_heads = {{"OBJECT_ID", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
                                                    {"definition", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
                                                    {"comment", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}};
    p.answer_rows(query("view", {"dbo", "gone"}), view_heads);
    p.answer_rows(query("view", {"dbo", "twice"}), view_heads, {{1, "CREATE VIEW a AS SELECT 1", nullptr},
                                                                {2, "CREATE VIEW a AS SELECT 2", nullptr}});
    p.answer_rows(query("synonym", {"dbo", "twice"}), {{"base_object_name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}},
                  {{"a"}, {"b"}});
    p.answer_rows(query("index", {"dbo", "orders", "gone"}), {{"type", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8}});
    p.answer_rows(query("trigger", {"dbo", "gone"}), {{"table_name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});
    p.answer_rows(query("routine", {"dbo", "gone"}), {{"type", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING}});
    p.answer_rows(query("login", {"gone"}), {{"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});
    p.answer_rows(query("event", {"dbo", "gone"}), {{"type_desc", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});
    p.answer_rows(query("role_server", {"gone"}), {{"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});

    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "shop", "dbo", "orders", "gone");
    const std::vector<std::pair<gobj::Ref<MetaObject>, const char*>> objects = {
        {MetaView::create_with_names(MetaView::gtype(), "shop", "dbo", "gone"),
         "((guint) 1) == g_list_model_get_n_items ((GListModel*) _tmp12_)"},
        {MetaView::create_with_names(MetaView::gtype(), "shop", "dbo", "twice"),
         "((guint) 1) == g_list_model_get_n_items ((GListModel*) _tmp12_)"},
        {MetaSynonym::create_with_names(MetaSynonym::gtype(), "dbo", "twice"),
         "((guint) 1) == g_list_model_get_n_items ((GListModel*) _tmp12_)"},
        {index, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp13_)"},
        {MetaTrigger::create_with_names(MetaTrigger::gtype(), "shop", "dbo", "gone"),
         "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp11_)"},
        {MetaFunction::create_with_names(MetaFunction::gtype(), "shop", "dbo", "gone"),
         "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp12_)"},
        {MetaUser::create_with_names(MetaUser::gtype(), "", "", "gone", "server"),
         "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp10_)"},
        {MetaEvent::create_with_names(MetaEvent::gtype(), "shop", "dbo", "gone"),
         "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)"},
        {MetaRole::create_with_names(MetaRole::gtype(), "", "", "gone", "server"),
         "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)"},
    };
    for (const auto& [object, condition] : objects) {
        SCOPED_TRACE(std::string(object->type_name()) + " " + object->get_name());
        if (auto f = gobj::ref_cast<MetaFunction>(object)) f->set_is_function(true);
        LogCapture log;
        EXPECT_EQ(fill.object(object), "(none)");
        EXPECT_FALSE(is_filled(*object));
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, condition), 1);
        EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(object->get_attributes())).size(), 0);
    }

    // Options answered with several rows set none of that query's keys.
    fill.provider().answer_rows(query("options_table", {"dbo", "orders"}),
                                {{"lock_escalation", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8}}, {{0}, {1}});
    auto t = orders();
    GError* e = nullptr;
    g_object_unref(tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_options(
        reinterpret_cast<TarvelinRezezadovuSupportsDatabaseSQLServerAdapter*>(fill.adapter.gobj()),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(t.gobj()), &e));
    EXPECT_EQ(describe(e), "(none)");
    auto options = gobj::StringMap::wrap(GEE_MAP(t->get_options()));
    EXPECT_FALSE(options.has("LOCK_ESCALATION"));
    EXPECT_TRUE(options.has("PARTITION_SCHEMA"));
}

// Flags that arrive NULL or as another class, type names nobody knows, and an answer that
// lacks a column its reader reads.
TEST(SqlServerAdapterBadInput, OddCellsAndShortRows) {
    Fill fill;
    auto& p = fill.provider();
    p.answer_rows(query("columns", {"dbo", "odd"}), kColumnHeads,
                  {{1, "path", "hierarchyid", 892, 0, 0, "yes", nullptr, nullptr, nullptr},
                   {2, "n", "NVARCHAR", 10, 0, 0, nullptr, nullptr, nullptr, nullptr}});
    p.answer_rows(query("primary_key", {"dbo", "odd"}), {{"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});
    auto t = MetaTable::create_with_names(MetaTable::gtype(), "shop", "dbo", "odd");
    EXPECT_EQ(fill.table(t, false), "(none)");
    auto columns = gobj::GeeArray<MetaColumn>::wrap(t->get_columns());
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns.at(0)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_STREQ(columns.at(0)->get_raw_type(), "HIERARCHYID");
    EXPECT_TRUE(columns.at(0)->get_not_null()) << "a text flag is no bit";
    EXPECT_TRUE(columns.at(1)->get_not_null());
    EXPECT_EQ(columns.at(1)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING);
    EXPECT_EQ(columns.at(1)->get_length(), 5);

    // Trigger flags: NULL event flags count as set, a NULL instead-of flag as AFTER.
    std::vector<ScriptedColumn> trigger_heads = {{"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
                                                 {"type", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
                                                 {"object_type", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
                                                 {"object_name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING},
                                                 {"is_insert_trigger", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
                                                 {"is_update_trigger", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
                                                 {"is_delete_trigger", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
                                                 {"is_encrypted", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
                                                 {"is_instead_of_trigger", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN}};
    // The same answer short of the columns from is_disabled on fails, naming a missing
    // column, and adds nothing.
    auto short_table = MetaTable::create_with_names(MetaTable::gtype(), "shop", "dbo", "short");
    p.answer_rows(query("triggers", {"dbo", "short"}), trigger_heads, {{"t", "TR", "V ", "short", nullptr, 0, 1, 0, nullptr}});
    for (const char* name : {"is_disabled", "definition", "sql_principal_name", "assembly_name", "assembly_class",
                             "assembly_method", "clr_principal_name", "comment"})
        trigger_heads.emplace_back(name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING);
    p.answer_rows(query("triggers", {"dbo", "odd"}), trigger_heads,
                  {{"t", "TR", "V ", "odd", nullptr, 0, 1, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, nullptr}});
    auto* adapter = reinterpret_cast<TarvelinRezezadovuSupportsDatabaseSQLServerAdapter*>(fill.adapter.gobj());
    GError* e = nullptr;
    g_object_unref(tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_trigger(
        adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(t.gobj()), &e));
    EXPECT_EQ(describe(e), "(none)");
    auto trigger = gobj::GeeArray<MetaTrigger>::wrap(t->get_triggers()).at(0);
    EXPECT_STREQ(trigger->get_event(), "INSERT,DELETE");
    EXPECT_STREQ(trigger->get_timing(), "AFTER");
    EXPECT_EQ(attribute(*trigger, "TARGET_TYPE"), "VIEW");
    EXPECT_EQ(attribute(*trigger, "ENCRYPTION"), "(absent)");
    EXPECT_STREQ(trigger->get_body(), "") << "the definition is NULL";

    e = nullptr;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_trigger(
                  adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(short_table.gobj()), &e),
              nullptr);
    std::string failure = describe(e);
    EXPECT_NE(failure.find("\"definition\""), std::string::npos) << failure;
    EXPECT_EQ(gobj::GeeArray<MetaTrigger>::wrap(short_table->get_triggers()).size(), 0);
}

TEST(SqlServerAdapterHeader, BodyIsTheTextAfterTheAsThatEndsTheHeader) {
    struct Case {
        const char* definition;
        const char* body;
    } cases[] = {
        {"CREATE TRIGGER t ON CASES AFTER INSERT AS SELECT 1", "SELECT 1"},
        {"CREATE TRIGGER [dbo].[t] ON [dbo].[CASES] WITH EXECUTE AS 'u' AFTER INSERT AS\nBEGIN SELECT 1 END\n",
         "BEGIN SELECT 1 END"},
        {"create trigger t on x with execute as owner for delete as print 'as'", "print 'as'"},
        {"CREATE TRIGGER [as] ON [AS] AFTER INSERT AS X", "X"},
        {"CREATE TRIGGER \"as\" ON t /* AS */ AFTER -- AS\n INSERT AS X", "X"},
        {"CREATE TRIGGER t ON ALIAS FOR UPDATE AS X", "X"},
        {"CREATE FUNCTION f(@a AS int) RETURNS int AS BEGIN RETURN CAST(@a AS int) END",
         "BEGIN RETURN CAST(@a AS int) END"},
        {"CREATE PROCEDURE p @a AS int, @b int OUTPUT WITH EXEC AS CALLER AS SELECT @a AS a", "SELECT @a AS a"},
        {"CREATE VIEW v AS SELECT a AS b FROM t", "SELECT a AS b FROM t"},
        {"  no header at all  ", "no header at all"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SQLServerAdapter::body_after_header(c.definition), c.body) << c.definition;
}
