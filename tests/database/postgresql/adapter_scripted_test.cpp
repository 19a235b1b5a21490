// The PostgreSQL readers against answers of servers the machine does not have (9.x, 10.x,
// 12.x), given by the scripted provider in the shapes the live server gives them, and the
// readers' argument checks, dispatch and marks.
#include <gtest/gtest.h>

#include "fixture.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"
#include "support/facade_log.hpp"

namespace tarvelin::test {
namespace {

using namespace rezezadovu::meta_model;
namespace postgresql = rezezadovu::supports::database::postgresql;
using Texts = std::vector<std::string>;

Texts texts(GeeArrayList* list) { return gobj::StringArray::wrap(list).to_vector(); }
std::string option(MetaTable& table, const std::string& key) {
    return gobj::StringMap::wrap(GEE_MAP(table.get_options())).get_or(key, "(none)");
}
std::string attribute(MetaObject& object, const std::string& key) {
    return gobj::StringMap::wrap(GEE_MAP(object.get_attributes())).get_or(key, "(none)");
}
bool filled(MetaObject& object) { return g_object_get_data(object.gobj(), kFilled) != nullptr; }
template <class T>
Texts names(GeeArrayList* list) {
    Texts out;
    for (auto item : gobj::GeeArray<T>::wrap(list)) out.emplace_back(item->get_name());
    return out;
}

// Columns of a select list, by name: "char" letters and texts as text, oids as oids.
std::vector<ScriptedColumn> columns(std::initializer_list<const char*> specs) {
    std::vector<ScriptedColumn> out;
    for (std::string spec : specs) {
        auto colon = spec.find(':');
        std::string name = spec.substr(0, colon), kind = colon == std::string::npos ? "" : spec.substr(colon + 1);
        if (kind == "bool") out.push_back(bool_col(name));
        else if (kind == "int") out.push_back(int_col(name));
        else if (kind == "oid") out.push_back(oid_col(name));
        else if (kind == "real") out.push_back(ScriptedColumn(name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "float4"));
        else out.push_back(text_col(name));
    }
    return out;
}

class PostgresqlScriptedReader : public ::testing::Test {
protected:
    // A connection to a server of `version`, opened, with its reader.
    void open(const char* version) {
        auto provider = ScriptedProvider::create();
        provider->answer_rows("SHOW SERVER_VERSION;", {text_col("server_version")}, {{version}});
        connection = ScriptedPostgres::create(provider);
        GError* error = nullptr;
        connection->open_scripted(&error);
        ASSERT_EQ(error, nullptr);
        adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(connection->c());
        provider->clear_log();
    }
    void TearDown() override { g_clear_object(&adapter); }
    ScriptedProvider& script() { return *connection->script; }
    // Every catalogue query of a table fill answered with no rows.
    void answer_empty_table(const std::string& schema, const std::string& table, bool oids = false) {
        for (const auto& sql : {postgresql::columns_query(schema, table), postgresql::primary_query(schema, table),
                                postgresql::table_indexes_query(schema, table), postgresql::triggers_query(schema, table),
                                postgresql::constraints_query(schema, table, 'c', true),
                                postgresql::constraints_query(schema, table, 'f', true),
                                postgresql::constraints_query(schema, table, 'f', false),
                                postgresql::uniques_query(schema, table), postgresql::exclusions_query(schema, table),
                                postgresql::rules_query(schema, table), postgresql::options_query(schema, table, oids)})
            script().answer_rows(sql, columns({"oid:oid"}));
    }
    // The same, read for the whole schema at once, as a deep schema reads it.
    void answer_empty_schema(const std::string& schema, bool oids = false) {
        const std::optional<std::string_view> all;
        for (const auto& sql : {postgresql::schema_columns_query(schema), postgresql::primary_query(schema, all),
                                postgresql::table_indexes_query(schema, all), postgresql::triggers_query(schema, all),
                                postgresql::constraints_query(schema, all, 'c', true),
                                postgresql::constraints_query(schema, all, 'f', true),
                                postgresql::constraints_query(schema, all, 'f', false),
                                postgresql::uniques_query(schema, all), postgresql::exclusions_query(schema, all),
                                postgresql::rules_query(schema, all), postgresql::options_query(schema, all, oids)})
            script().answer_rows(sql, columns({"oid:oid"}));
    }
    void fill(MetaObject& object, bool deep, GError** error = nullptr) {
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
            adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaObject*>(object.gobj()), deep, error);
    }
    CAdaptable* adapter = nullptr;
    gobj::Ref<ScriptedPostgres> connection;
    FacadeLog log;
};

// ---------------------------------------------------------------- version forms

TEST_F(PostgresqlScriptedReader, NineReadsOidsAndNoPartitions) {
    open("9.6.24");
    auto sql = postgresql::options_query("s", "t", true);
    EXPECT_NE(sql.find("c.relhasoids AS hasoids"), std::string::npos);
    EXPECT_EQ(sql.find("relispartition"), std::string::npos);
    script().answer_rows(
        sql,
        columns({"oid:oid", "schemaname", "tablename", "relacl", "tableowner", "description", "relkind", "cluster",
                 "hasoids:bool", "hasindexes:bool", "hasrules:bool", "tablespace", "param", "hastriggers:bool",
                 "unlogged", "ftoptions", "srvname", "reltuples:real", "inhtable:bool", "inhschemaname",
                 "inhtablename"}),
        {{16384u, "s", "t", nullptr, "bob", "a table", "r", nullptr, true, true, false, "fast", "{fillfactor=70}",
          false, "u", nullptr, nullptr, 0.0, false, "s", "parent"}});
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "db", "s", "t");
    GError* error = nullptr;
    auto* same = tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_options(
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_POSTGRE_SQL_ADAPTER_V11X(adapter),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(table->gobj()), &error);
    ASSERT_EQ(error, nullptr);
    EXPECT_EQ(same, reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(table->gobj()));
    g_object_unref(same);
    EXPECT_EQ(script().statements(), Texts{sql});
    EXPECT_EQ(option(*table, "OWNER"), "bob");
    EXPECT_EQ(option(*table, "WITH_OIDS"), "true");
    EXPECT_EQ(option(*table, "WITH_ARGUMENTS"), "fillfactor=70");
    EXPECT_EQ(option(*table, "TABLESPACE"), "fast");
    EXPECT_EQ(option(*table, "FLAG"), "UNLOGGED");
    EXPECT_EQ(option(*table, "PARTITION"), "(none)");
    EXPECT_EQ(option(*table, "INHERITS"), "\"s\".\"parent\"");
    EXPECT_STREQ(table->get_comment(), "a table");

    // A table that is gone leaves the table as it was.
    script().answer_rows(postgresql::options_query("s", "gone", true), columns({"oid:oid"}));
    auto gone = MetaTable::create_with_names(MetaTable::gtype(), "db", "s", "gone");
    same = tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_options(
        TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_POSTGRE_SQL_ADAPTER_V11X(adapter),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaTable*>(gone->gobj()), &error);
    ASSERT_EQ(error, nullptr);
    g_object_unref(same);
    EXPECT_EQ(gobj::StringMap::wrap(GEE_MAP(gone->get_options())).size(), 0);
}

// A deep fill through the object dispatch runs the 12.x reader's own foreign-key query,
// whose columns after confmatchtype stand one lower.
TEST_F(PostgresqlScriptedReader, TwelveReadsForeignKeysOneColumnLower) {
    open("12.4");
    answer_empty_table("s", "t");
    auto fks = postgresql::constraints_query("s", "t", 'f', false);
    EXPECT_EQ(fks.find("consrc"), std::string::npos);
    script().answer_rows(
        fks,
        columns({"oid:oid", "conname", "contype", "condeferrable:bool", "condeferred:bool", "conkey", "confupdtype",
                 "confdeltype", "confmatchtype", "tablename", "foreign_schema", "foreign_table", "comment", "spcname",
                 "param", "conindid:oid", "amname", "where_predicate", "relkind", "connoinherit:bool",
                 "local_columns", "refer_columns"}),
        {{17000u, "t_fk", "f", false, false, "{2,3}", "c", "n", "p", "t", "o", "r", nullptr, nullptr, nullptr, 16999u,
          nullptr, nullptr, "r", true, "x, y", "a, b"}});
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "db", "s", "t");
    GError* error = nullptr;
    fill(*table, true, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    auto statements = script().statements();
    EXPECT_NE(std::find(statements.begin(), statements.end(), fks), statements.end());
    EXPECT_EQ(std::find(statements.begin(), statements.end(), postgresql::constraints_query("s", "t", 'f', true)),
              statements.end());
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    ASSERT_EQ(constraints.size(), 1);
    auto* key = gobj::checked_cast<MetaForeignKey>(constraints.at(0)->gobj());
    ASSERT_NE(key, nullptr);
    EXPECT_STREQ(key->get_refer_schema(), "o");
    EXPECT_STREQ(key->get_refer_table(), "r");
    EXPECT_STREQ(key->get_local_columns(), "x, y");
    EXPECT_STREQ(key->get_refer_columns(), "a, b");
    EXPECT_STREQ(key->get_update_action(), "CASCADE");
    EXPECT_STREQ(key->get_delete_action(), "SET NULL");
    EXPECT_STREQ(key->get_match_method(), "PARTIAL");
    EXPECT_TRUE(filled(*table));
}

// Servers before 11 have no prokind: the kind comes from proisagg and proiswindow.
TEST_F(PostgresqlScriptedReader, TenReadsRoutinesWithoutKinds) {
    open("10.23");
    auto routines = postgresql::schema_routines_query("s", false);
    EXPECT_EQ(routines.find("prokind <>"), std::string::npos);
    EXPECT_NE(routines.find("NOT pr.proisagg"), std::string::npos);
    script().answer_rows(postgresql::schema_owner_query("db", "s"), columns({"schema_owner"}), {{"bob"}});
    script().answer_rows(postgresql::schema_tables_query("db", "s"), columns({"table_name", "table_type"}));
    script().answer_rows(routines, columns({"proname", "prokind"}), {{"add", "f"}, {"rank_it", "w"}});
    script().answer_rows(postgresql::schema_materialized_query("s"), columns({"oid:oid"}));
    auto routine_columns = columns({"prokind", "routine_name", "funcowner", "rettypeschema", "rettypname", "lang", "securitydefiner:bool",
                                    "strict:bool", "returnset:bool", "volatile", "definition", "objfile", "paramnames",
                                    "parammodes", "paramalltypes", "configparams", "defaultvalues", "comment",
                                    "paramtypes"});
    // A deep schema reads every routine, and the types they take, at once.
    auto all = postgresql::routine_query("s", std::nullopt, false);
    EXPECT_NE(all.find("CASE WHEN p.proisagg THEN 'a' WHEN p.proiswindow THEN 'w' ELSE 'f' END AS prokind"),
              std::string::npos);
    script().answer_rows(all, routine_columns,
                         {{"f", "add", "bob", "pg_catalog", "int4", "sql", false, false, false, "i", "SELECT $1 + $2",
                           nullptr, "{a,b}", nullptr, nullptr, nullptr, "1", "adds", "23 23"},
                          {"w", "rank_it", "bob", "pg_catalog", "int8", "c", false, false, false, "v", "window_rank",
                           "$libdir/x", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, ""}});
    script().answer_rows(postgresql::schema_type_names_query("s"), columns({"oid:oid", "tname"}),
                         {{23u, "pg_catalog.int4"}});

    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "db", "s");
    GError* error = nullptr;
    fill(*schema, true, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    EXPECT_EQ(names<MetaFunction>(schema->get_functions()), (Texts{"add", "rank_it"}));
    EXPECT_EQ(names<MetaFunction>(schema->get_procedures()), Texts{});
    auto functions = gobj::GeeArray<MetaFunction>::wrap(schema->get_functions());
    EXPECT_EQ(texts(functions.at(0)->get_parameters()), (Texts{"IN a pg_catalog.int4", "IN b pg_catalog.int4 = 1"}));
    EXPECT_STREQ(functions.at(0)->get_comment(), "adds");
    EXPECT_TRUE(functions.at(1)->get_is_function());
    EXPECT_EQ(texts(functions.at(1)->get_parameters()), Texts{});
    EXPECT_EQ(attribute(*schema, "OWNER"), "bob");
}

// ---------------------------------------------------------------- rows that are not there

TEST_F(PostgresqlScriptedReader, MissingRowsAreCriticalsWithoutErrors) {
    open("15.5");
    LogCapture criticals;
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "db", "s", "t", "i");
    script().answer_rows(postgresql::index_query("s", "i"), columns({"oid:oid"}));
    auto view = MetaView::create_with_names(MetaView::gtype(), "db", "s", "v");
    script().answer_rows(postgresql::view_query("s", "v"), columns({"oid:oid"}));
    auto trigger = MetaTrigger::create_with_names(MetaTrigger::gtype(), "db", "s", "tg");
    script().answer_rows(postgresql::trigger_query("s", "tg"), columns({"oid:oid"}));
    auto function = MetaFunction::create_with_names(MetaFunction::gtype(), "db", "s", "f");
    function->set_is_function(true);
    script().answer_rows(postgresql::routine_query("s", "f", true), columns({"prokind"}));
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "gone");
    script().answer_rows(postgresql::database_query("gone"), columns({"owner"}));

    for (MetaObject* object : {(MetaObject*)index.get(), (MetaObject*)view.get(), (MetaObject*)trigger.get(),
                               (MetaObject*)function.get(), (MetaObject*)database.get()}) {
        criticals.clear();
        GError* error = nullptr;
        fill(*object, false, &error);
        EXPECT_EQ(error, nullptr);
        EXPECT_FALSE(filled(*object)) << object->get_name();
        EXPECT_EQ(criticals.count(G_LOG_LEVEL_CRITICAL, "result.size()"), 1) << object->get_name();
    }
    EXPECT_STREQ(index->get_method(), "");
    EXPECT_EQ(gobj::GeeArray<MetaSchema>::wrap(database->get_schemas()).size(), 0);
    EXPECT_EQ(attribute(*database, "OWNER"), "(none)");
}

// ---------------------------------------------------------------- dispatch and marks

TEST_F(PostgresqlScriptedReader, KindsWithoutAReaderReadNothing) {
    open("15.5");
    auto procedure = MetaFunction::create_with_names(MetaFunction::gtype(), "db", "s", "p");  // is-function false
    gobj::Ref<MetaObject> objects[] = {
        MetaColumn::create_with_type(MetaColumn::gtype(), "c", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "int4"),
        MetaCheck::create_with_name(MetaCheck::gtype(), "ck", "a > 0"),
        MetaForeignKey::create(MetaForeignKey::gtype()),
        MetaRule::create_with_name(MetaRule::gtype(), "r"),
        MetaEvent::create_with_names(MetaEvent::gtype(), "db", "s", "e"),
        procedure,
    };
    for (auto& object : objects) {
        GError* error = nullptr;
        fill(*object, true, &error);
        EXPECT_EQ(error, nullptr);
    }
    EXPECT_EQ(script().statements(), Texts{});

    // A materialized view goes to the view reader, which finds only ordinary views.
    auto miew = Materialized::create_with_names(Materialized::gtype(), "db", "s", "m");
    script().answer_rows(postgresql::view_query("s", "m"), columns({"oid:oid"}));
    LogCapture criticals;
    fill(*miew, false);
    EXPECT_EQ(script().statements(), Texts{postgresql::view_query("s", "m")});
}

TEST_F(PostgresqlScriptedReader, MarkedObjectsAreNotReadAgain) {
    open("15.5");
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "db");
    script().answer_rows(postgresql::database_query("db"),
                         columns({"owner", "charset", "datcollate", "datctype", "datistemplate:bool",
                                  "datallowconn:bool", "datconnlimit:int", "spcname", "description"}),
                         {{"bob", "UTF8", "C.UTF-8", "C.UTF-8", false, true, -1, "pg_default", "the db"}});
    script().answer_rows(postgresql::extensions_query(), columns({"extname", "extversion"}), {{"plpgsql", "1.0"}});
    script().answer_rows(postgresql::schemas_query("db"), columns({"schema_name"}), {{"s"}});
    script().answer_rows(postgresql::schema_owner_query("db", "s"), columns({"schema_owner"}));
    script().answer_rows(postgresql::schema_tables_query("db", "s"), columns({"table_name", "table_type"}),
                         {{"t", "BASE TABLE"}});
    script().answer_rows(postgresql::schema_routines_query("s", true), columns({"proname", "prokind"}));
    script().answer_rows(postgresql::schema_materialized_query("s"), columns({"oid:oid"}));
    answer_empty_schema("s");

    fill(*database, false);
    EXPECT_EQ(attribute(*database, "CONNECTION LIMIT"), "-1");
    EXPECT_EQ(attribute(*database, "IS_TEMPLATE"), "false");
    EXPECT_EQ(attribute(*database, "EXTENSION"), "plpgsql=1.0");
    EXPECT_STREQ(database->get_comment(), "the db");
    EXPECT_TRUE(filled(*database));
    script().clear_log();
    fill(*database, false);
    EXPECT_EQ(script().statements(), Texts{}) << "filled, not deep";

    // Filled and deep: no query of its own, the schemas are visited.
    fill(*database, true);
    auto statements = script().statements();
    ASSERT_FALSE(statements.empty());
    EXPECT_EQ(statements.front(), postgresql::schema_owner_query("db", "s"));
    EXPECT_EQ(std::count(statements.begin(), statements.end(), postgresql::database_query("db")), 0);
    auto schema = gobj::GeeArray<MetaSchema>::wrap(database->get_schemas()).at(0);
    auto table = gobj::GeeArray<MetaTable>::wrap(schema->get_tables()).at(0);
    EXPECT_TRUE(filled(*schema));
    EXPECT_TRUE(filled(*table));

    // Filled and deep again: the schema descends into its (marked) table, which reads nothing.
    script().clear_log();
    fill(*database, true);
    EXPECT_EQ(script().statements(), Texts{});
}

TEST_F(PostgresqlScriptedReader, QueryErrorsReachTheCallerAndLeaveNoMark) {
    open("15.5");
    script().answer_rows(postgresql::columns_query("s", "t"),
                         columns({"schema_name", "table_name", "column_name", "character_maximum_length:int",
                                  "is_nullable", "numeric_precision:int", "numeric_scale:int", "datetime_precision:int",
                                  "ordinal_position:int", "atttypmod:int", "attndims:int", "col_type", "comment",
                                  "col_default", "is_identity", "collation_schema_name", "collname"}),
                         {{"s", "t", "a", nullptr, "NO", 32, 0, nullptr, 1, -1, 0, "integer", nullptr, nullptr, "NO",
                           nullptr, nullptr}});
    script().answer_error(postgresql::primary_query("s", "t"),
                          gobj::Error("PostgreSQL", -2, "PGRES_FATAL_ERROR : ERROR:  permission denied"));
    auto table = MetaTable::create_with_names(MetaTable::gtype(), "db", "s", "t");
    GError* error = nullptr;
    fill(*table, true, &error);
    EXPECT_EQ(describe(error), "PostgreSQL -2 PGRES_FATAL_ERROR : ERROR:  permission denied");
    EXPECT_FALSE(filled(*table));
    // What was read before the error stays.
    ASSERT_TRUE(table->get_column("a"));
    EXPECT_TRUE(table->get_column("a")->get_not_null());
    EXPECT_EQ(table->get_column("a")->get_ordinal(), 1);
}

// ---------------------------------------------------------------- arguments

TEST_F(PostgresqlScriptedReader, MissingArgumentsAreNamed) {
    open("15.5");
    LogCapture criticals;
    auto* v11 = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_POSTGRE_SQL_ADAPTER_V11X(adapter);
    GError* error = nullptr;
    struct Case {
        const char* condition;
        std::function<void()> call;
    } cases[] = {
        {"meta_object != NULL", [&] { tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(adapter, nullptr, TRUE, &error); }},
        {"database != NULL", [&] { tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(adapter, nullptr, TRUE, &error); }},
        {"schema != NULL", [&] { tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(adapter, nullptr, TRUE, &error); }},
        {"table != NULL", [&] { tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(adapter, nullptr, TRUE, &error); }},
        {"view != NULL", [&] { tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_view(adapter, nullptr, &error); }},
        {"index != NULL", [&] { tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_index(adapter, nullptr, &error); }},
        {"trigger != NULL", [&] { tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_trigger(adapter, nullptr, &error); }},
        {"function != NULL", [&] { tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(adapter, nullptr, &error); }},
        {"table != NULL", [&] { tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_check(v11, nullptr, &error); }},
        {"table != NULL", [&] { tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_options(v11, nullptr, &error); }},
        {"self != NULL", [&] { tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_unique(nullptr, nullptr, &error); }},
        {"action != NULL", [&] { g_free(tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_full_action_name(v11, nullptr)); }},
    };
    for (const auto& c : cases) {
        criticals.clear();
        c.call();
        EXPECT_EQ(error, nullptr) << c.condition;
        EXPECT_TRUE(criticals.contains(G_LOG_LEVEL_CRITICAL, c.condition)) << c.condition;
    }
    EXPECT_EQ(script().statements(), Texts{});
}

TEST_F(PostgresqlScriptedReader, ActionLettersAreNamedExactly) {
    open("15.5");
    auto* v11 = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_POSTGRE_SQL_ADAPTER_V11X(adapter);
    const std::pair<const char*, const char*> cases[] = {
        {"a", "NO ACTION"}, {"c", "CASCADE"}, {"d", "SET DEFAULT"}, {"n", "SET NULL"}, {"r", "RESTRICT"},
        {"x", ""},          {"A", ""},        {"", ""},             {"aa", ""},
    };
    for (const auto& [code, name] : cases) {
        gchar* text = tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_full_action_name(v11, code);
        EXPECT_STREQ(text, name) << code;
        g_free(text);
    }
}

}  // namespace
}  // namespace tarvelin::test
