// The PostgreSQL explorer: which list each kind and server version gets, the code texts,
// the schema literal, errors and arguments through the scripted provider; translated
// captions with a catalogue made by msgfmt; and every list on the PostgreSQL 15 test
// server over the reader suite's fixture.
#include <gtest/gtest.h>

#include <glib/gstdio.h>
#include <libintl.h>
#include <locale.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "fixture.hpp"
#include "providers/contracts/model_table.hpp"
#include "providers/contracts/value_string.hpp"
#include "rezezadovu/supports/database/postgresql/explorer.hpp"
#include "support/facade_log.hpp"

namespace tarvelin::test {
namespace {

using providers::contracts::TableModel;
using Texts = std::vector<std::string>;
using DBObject = TarvelinProvidersContractsDBObject;
#define KIND(x) TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_##x

// The routine query with its type expression and filter.
std::string routine_query(const std::string& type, const std::string& filter) {
    return "SELECT P.proname AS functionname, " + type +
           ", typ.typname AS rettype, P.proargnames AS paramnames, l.lanname AS lang, pg_get_userbyid(P.proowner) AS "
           "funcowner, P.procost AS estimcost, P.prorows AS estimrows, obj_description (P.oid) AS COMMENT FROM pg_proc "
           "P LEFT JOIN pg_type typ ON typ.oid=P.prorettype LEFT JOIN pg_namespace typns ON "
           "typns.oid=typ.typnamespace LEFT JOIN pg_namespace n ON n.oid=P.pronamespace LEFT JOIN pg_language l ON "
           "l.oid=P.prolang " +
           filter + " ORDER BY P.proname ASC;";
}
const std::string kV10V9Routines =
    routine_query("'FUNCTION' AS prokind", "WHERE P.proisagg is false AND n.nspname='public'");
const std::string kFunctions = routine_query(
    "CASE P.prokind WHEN 'f' THEN 'NORMAL' WHEN 'w' THEN 'WINDOW' ELSE 'UNKNOWN' END AS prokind",
    "WHERE P.prokind in ('f', 'w') AND n.nspname='public'");
const std::string kProcedures = routine_query("'PROCEDURE' AS prokind", "WHERE P.prokind = 'p' AND n.nspname='public'");
const std::string kRoutines = routine_query(
    "CASE P.prokind WHEN 'f' THEN 'FUNCTION' WHEN 'p' THEN 'PROCEDURE' WHEN 'w' THEN 'WINDOW' ELSE 'UNKNOWN' END AS "
    "prokind",
    "WHERE P.prokind<> 'a' AND n.nspname='public'");
const std::string kSequences =
    "SELECT cl.relname AS sequence_name, pg_get_userbyid(cl.relowner) AS seqowner, seq.seqmin AS min_value, "
    "seq.seqmax AS max_value, seq.seqstart AS start_value, seq.seqincrement AS increment_by, seq.seqcache AS "
    "cache_value, seq.seqcycle AS is_cycled, des.description AS COMMENT FROM pg_class cl LEFT JOIN pg_namespace ns ON "
    "ns.oid=relnamespace LEFT JOIN pg_description des ON des.objoid=cl.oid LEFT JOIN pg_sequence seq ON "
    "seq.seqrelid=cl.oid WHERE cl.relkind='S' AND ns.nspname='%s' ORDER BY cl.relname ASC;";
const std::string kCasts =
    "SELECT CONCAT(st.typname, '->', tt.typname) AS name, CONCAT(sn.nspname, '.', st.typname) AS source_type, "
    "CONCAT(tn.nspname, '.', tt.typname) AS target_type, CONCAT(pn.nspname, '.', pr.proname) AS FUNCTION, "
    "C.castcontext AS context, C.castmethod AS METHOD, obj_description(C.oid) AS COMMENT FROM pg_cast C INNER JOIN "
    "pg_type st ON st.oid=C.castsource INNER JOIN pg_namespace sn ON sn.oid=st.typnamespace INNER JOIN pg_type tt ON "
    "tt.oid=C.casttarget INNER JOIN pg_namespace tn ON tn.oid=tt.typnamespace LEFT JOIN pg_proc pr ON pr.oid=castfunc "
    "LEFT JOIN pg_namespace pn ON pn.oid=pr.pronamespace ORDER BY st.typname ASC, tt.typname ASC;";
const std::string kSchemas =
    "select schema_name, schema_owner from information_schema.schemata where catalog_name = current_database() "
    "ORDER BY schema_name ASC;";

std::string with_schema(std::string query, const std::string& literal) {
    query.replace(query.find("'%s'"), 4, literal);
    return query;
}

std::vector<ScriptedColumn> text_columns(int n) {
    std::vector<ScriptedColumn> out;
    for (int i = 0; i < n; ++i) out.push_back(text_col("c" + std::to_string(i)));
    return out;
}

Texts titles(TableModel& table) {
    Texts out;
    for (auto column : table.get_columns()) {
        out.push_back(column->get_title().value_or(""));
    }
    return out;
}

// The text and value class of each row's cell in `column`.
Texts column_cells(TableModel& table, int column) {
    Texts out;
    for (auto row : table.get_rows()) {
        auto v = row->get_value_at(column);
        out.push_back(std::string(G_OBJECT_TYPE_NAME(v.gobj())) + "=" + v->to_string());
    }
    return out;
}

const Texts kSequenceCaptions = {"Name", "Owner", "Minimum", "Maximum", "Start", "Step", "Cache size", "Cycled", "Comment"};
const Texts kRoutineCaptions = {"Name",  "Type",           "Return type",    "Parameters", "Language",
                                "Owner", "Estimated cost", "Estimated rows", "Comment"};

class PostgresqlExplorer : public ::testing::Test {
protected:
    // A connection to a server of `version` ("" leaves it unopened).
    void connect(const char* version) {
        provider = ScriptedProvider::create();
        provider->answer_rows("SHOW SERVER_VERSION;", {text_col("server_version")}, {{version}});
        connection = ScriptedPostgres::create(provider);
        if (*version) connection->open_scripted();
        g_clear_object(&explorer);
        explorer = tarvelin_rezezadovu_contracts_database_iconnection_explorer(connection->c());
        provider->clear_log();
    }
    void TearDown() override { g_clear_object(&explorer); }
    gobj::Ref<TableModel> load(DBObject kind, const char* schema = "public", GError** error = nullptr) {
        return gobj::Ref<TableModel>::adopt(
            tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(explorer, kind, "db", schema, "", error));
    }

    FacadeLog facade;
    gobj::Ref<ScriptedProvider> provider;
    gobj::Ref<ScriptedPostgres> connection;
    TarvelinRezezadovuContractsDatabaseIExplorable* explorer = nullptr;
};

TEST_F(PostgresqlExplorer, VersionsChooseTheRoutineAndSequenceLists) {
    struct Case {
        const char* version;
        std::string function, procedure, routine;
        bool sequence_query;
    } cases[] = {
        {"9.6.24", kV10V9Routines, kV10V9Routines, kV10V9Routines, false},
        {"9.", kV10V9Routines, kV10V9Routines, kV10V9Routines, false},
        {"10.23", kV10V9Routines, kV10V9Routines, kV10V9Routines, true},
        {"11.9", kFunctions, kProcedures, kRoutines, true},
        {"12.4", kFunctions, kProcedures, kRoutines, true},
        {"", kFunctions, kProcedures, kRoutines, true},
    };
    for (const auto& c : cases) {
        connect(c.version);
        for (const auto& q : {kV10V9Routines, kFunctions, kProcedures, kRoutines})
            provider->answer_rows(q, text_columns(9));
        provider->answer_rows(with_schema(kSequences, "'public'"), text_columns(9));
        for (auto kind : {KIND(FUNCTION), KIND(PROCEDURE), KIND(ROUTINE)}) {
            auto table = load(kind);
            ASSERT_TRUE(table) << c.version;
            EXPECT_EQ(titles(*table), kRoutineCaptions);
        }
        EXPECT_EQ(provider->statements(), (Texts{c.function, c.procedure, c.routine})) << c.version;

        provider->clear_log();
        auto sequences = load(KIND(SEQUENCE));
        EXPECT_EQ(titles(*sequences), kSequenceCaptions);
        EXPECT_EQ(provider->calls("execute_model"), c.sequence_query ? 1 : 0) << c.version;
        if (!c.sequence_query) {
            EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(sequences.gobj())), 0u);
            for (auto column : sequences->get_columns())
                EXPECT_EQ(column->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
        }
    }
}

TEST_F(PostgresqlExplorer, KindsWithoutAListGiveAnEmptyTable) {
    connect("15.5");
    for (auto kind : {KIND(COLUMN), KIND(CHECK), KIND(EVENT)}) {
        auto table = load(kind);
        ASSERT_TRUE(table);
        EXPECT_EQ(table->get_columns().size(), 0);
        EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(table.gobj())), 0u);
    }
    EXPECT_EQ(provider->statements(), Texts{});
}

TEST_F(PostgresqlExplorer, TheSchemaIsAnEscapedLiteral) {
    connect("15.5");
    provider->answer_rows(with_schema(kSequences, "'public'"), text_columns(9));
    provider->answer_rows(with_schema(kSequences, "'o''hara'"), text_columns(9));
    provider->answer_rows(kSchemas, text_columns(2));
    load(KIND(SEQUENCE), "");
    load(KIND(SEQUENCE), "o'hara");
    // A list of the whole server takes no schema.
    load(KIND(SCHEMA), "o'hara");
    EXPECT_EQ(provider->statements(),
              (Texts{with_schema(kSequences, "'public'"), with_schema(kSequences, "'o''hara'"), kSchemas}));
}

TEST_F(PostgresqlExplorer, CodeTextsReplaceCatalogueLetters) {
    connect("15.5");
    std::vector<ScriptedColumn> cast_columns = text_columns(7);
    provider->answer_rows(kCasts, cast_columns,
                          {{"a", "", "", "", "a", "f", ""},
                           {"b", "", "", "", "e", "b", ""},
                           {"c", "", "", "", "i", "i", ""},
                           {"d", "", "", "", "A", "z", ""}});
    auto casts = load(KIND(CAST));
    EXPECT_EQ(titles(*casts), (Texts{"Name", "Source type", "Target type", "Function", "Context", "Method", "Comment"}));
    EXPECT_EQ(column_cells(*casts, 4),
              (Texts{"TarvelinProvidersContractsValueString=Assignment", "TarvelinProvidersContractsValueString=Explicit",
                     "TarvelinProvidersContractsValueString=Implicit", "TarvelinProvidersContractsValueString=A"}));
    EXPECT_EQ(column_cells(*casts, 5),
              (Texts{"TarvelinProvidersContractsValueString=Function", "TarvelinProvidersContractsValueString=None",
                     "TarvelinProvidersContractsValueString=In/Out", "TarvelinProvidersContractsValueString=z"}));

    // Trigger lists: letters told apart by case; a letter without a text becomes a text
    // value of itself, whatever the cell was.
    using rezezadovu::supports::database::PostgreSQLExplorer;
    const std::string trigger_query =
        PostgreSQLExplorer::query_for(*PostgreSQLExplorer::listing_for(KIND(TRIGGER), "15.5"), "public");
    provider->answer_rows(trigger_query, text_columns(12),
                          {{"t1", "tbl", "r", "INSERT", "BEFORE", "ROW", "", "", "O", "", "", ""},
                           {"t2", "tbl", "I", "UPDATE", "AFTER", "ROW", "", "", "D", "", "", ""},
                           {"t3", "tbl", "i", "DELETE", "AFTER", "ROW", "", "", "x", "", "", ""},
                           {"t4", "tbl", "q", "DELETE", "AFTER", "ROW", "", "", "R", "", "", ""}});
    auto listed = load(KIND(TRIGGER));
    EXPECT_EQ(column_cells(*listed, 2),
              (Texts{"TarvelinProvidersContractsValueString=Ordinary table",
                     "TarvelinProvidersContractsValueString=Partitioned index",
                     "TarvelinProvidersContractsValueString=Index", "TarvelinProvidersContractsValueString=q"}));
    EXPECT_EQ(column_cells(*listed, 8),
              (Texts{"TarvelinProvidersContractsValueString=Origin", "TarvelinProvidersContractsValueString=Disabled",
                     "TarvelinProvidersContractsValueString=x", "TarvelinProvidersContractsValueString=Replica"}));
    // The replaced cells do not change the column's declared type.
    EXPECT_EQ(listed->get_columns().at(2)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
}

TEST_F(PostgresqlExplorer, ErrorsAndArguments) {
    connect("15.5");
    provider->answer_error(kSchemas, gobj::Error("PostgreSQL", -2, "PGRES_FATAL_ERROR : denied"));
    GError* error = nullptr;
    EXPECT_FALSE(load(KIND(SCHEMA), "public", &error));
    EXPECT_EQ(describe(error), "PostgreSQL -2 PGRES_FATAL_ERROR : denied");
    error = nullptr;

    LogCapture log;
    struct Case {
        const char* database;
        const char* schema;
        const char* extra;
        const char* condition;
    } cases[] = {{nullptr, "s", "", "'database != NULL'"}, {"d", nullptr, "", "'schema != NULL'"},
                 {"d", "s", nullptr, "'extra_data != NULL'"}};
    for (const auto& c : cases) {
        log.clear();
        EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(explorer, KIND(TABLE), c.database,
                                                                                 c.schema, c.extra, nullptr),
                  nullptr);
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, c.condition), 1) << c.condition;
    }
    // Commands do nothing, with or without their arguments.
    provider->clear_log();
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(explorer, KIND(TABLE), "d", "s", "o", "", "go",
                                                                   &error);
    EXPECT_EQ(error, nullptr);
    log.clear();
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(explorer, KIND(TABLE), "d", "s", "o", "", nullptr,
                                                                   &error);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'command != NULL'"));
    EXPECT_EQ(provider->statements(), Texts{});

    log.clear();
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_postgre_sql_explorer_new(nullptr), nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "'conn != NULL'"));
}

// A catalogue of the domain "tarvelin" for a language of its own, made by msgfmt.
class TestCatalogue {
public:
    explicit TestCatalogue(const std::string& po_body) {
        dir_ = gobj::take_string(g_dir_make_tmp("pgddl-catalogue-XXXXXX", nullptr));
        const std::string po = dir_ + "/tarvelin.po", messages = dir_ + "/xx/LC_MESSAGES";
        g_mkdir_with_parents(messages.c_str(), 0700);
        std::ofstream(po) << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n" << po_body;
        const std::string mo = messages + "/tarvelin.mo";
        gchar* argv[] = {(gchar*)"msgfmt", (gchar*)"-o", (gchar*)mo.c_str(), (gchar*)po.c_str(), nullptr};
        gint status = -1;
        made_ = g_spawn_sync(nullptr, argv, nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, nullptr, &status,
                             nullptr) &&
                status == 0;
        if (!made_) return;
        previous_ = setlocale(LC_MESSAGES, nullptr);
        bindtextdomain("tarvelin", dir_.c_str());
        bind_textdomain_codeset("tarvelin", "UTF-8");
        g_setenv("LANGUAGE", "xx", TRUE);
        setlocale(LC_MESSAGES, "C.UTF-8");
    }
    ~TestCatalogue() {
        if (made_) {
            g_unsetenv("LANGUAGE");
            setlocale(LC_MESSAGES, previous_.c_str());
        }
        for (const char* f : {"/xx/LC_MESSAGES/tarvelin.mo", "/tarvelin.po"}) g_unlink((dir_ + f).c_str());
        for (const char* d : {"/xx/LC_MESSAGES", "/xx", ""}) g_rmdir((dir_ + d).c_str());
    }
    bool made() const { return made_; }

private:
    std::string dir_, previous_;
    bool made_ = false;
};

TEST_F(PostgresqlExplorer, CaptionsAndCodeTextsAreTranslated) {
    connect("15.5");
    provider->answer_rows(kCasts, text_columns(7), {{"a", "", "", "", "a", "f", ""}});
    TestCatalogue catalogue("msgid \"Assignment\"\nmsgstr \"Zuweisung\"\n\nmsgid \"Name\"\nmsgstr \"Nom\"\n");
    ASSERT_TRUE(catalogue.made()) << "msgfmt could not make the test catalogue";
    auto casts = load(KIND(CAST));
    EXPECT_EQ(titles(*casts).at(0), "Nom");
    EXPECT_EQ(column_cells(*casts, 4), Texts{"TarvelinProvidersContractsValueString=Zuweisung"});
    // Untranslated texts stay English.
    EXPECT_EQ(column_cells(*casts, 5), Texts{"TarvelinProvidersContractsValueString=Function"});
}

// ---------------------------------------------------------------- on the test server

TEST(PostgresqlLiveExplorer, EveryListRunsOn15WithACaptionPerColumn) {
    FacadeLog facade;
    auto pg = pg_server();
    TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
    ScratchDatabase db(*pg);
    db.run_as_superuser("CREATE EXTENSION btree_gist SCHEMA public");
    db.run_as_user(read_file(data_file("shop_fixture.sql")));
    db.run_as_user("CREATE DOMAIN shop.spans AS int4multirange; CREATE TYPE public.feeling AS ENUM ('ok');"
                   "CREATE MATERIALIZED VIEW other.totals AS SELECT 1 AS one;");
    auto* connection = db.open_as_user();
    auto* explorer = tarvelin_rezezadovu_contracts_database_iconnection_explorer(iconnection(connection));
    struct Case {
        DBObject kind;
        Texts captions;
    } cases[] = {
        {KIND(AGGREGATE),
         {"Name", "Owner", "State type", "State function", "Final function", "Initial condition", "Sort operator",
          "Comment"}},
        {KIND(CAST), {"Name", "Source type", "Target type", "Function", "Context", "Method", "Comment"}},
        {KIND(CLASS),
         {"Name", "Owner", "Index method", "Data type", "Storage type", "Default operator", "Family", "Comment"}},
        {KIND(CONVERSION), {"Name", "Owner", "Source encoding", "Target encoding", "Function", "Default", "Comment"}},
        {KIND(DATABASE), {"Name", "Character", "Table space", "Allow connection", "Connection limit"}},
        {KIND(DOMAIN),
         {"Name", "Owner", "Base type category", "Base type", "Dimension", "Not null", "Default", "Collation",
          "Comment"}},
        {KIND(FUNCTION), kRoutineCaptions},
        {KIND(INDEX),
         {"Name", "Table", "Tablespace", "Method", "Unique", "Primary key", "Cluster", "Owner", "Pages", "Comment"}},
        {KIND(LANGUAGE), {"Name", "Owner", "Trusted", "Handler", "Validator", "Comment"}},
        {KIND(MATERIALIZED), {"Name", "Owner", "Tablespace", "Populated", "Comment"}},
        {KIND(OPERATOR),
         {"Name", "Owner", "Kind", "Hash", "Merge", "Left type", "Right type", "Commutator", "Negator",
          "Operator Function", "Restrict function", "Join function", "Comment"}},
        {KIND(PACKAGE), {"Name", "Security type", "Definer", "Create time", "Modified time", "Comment"}},
        {KIND(PROCEDURE), kRoutineCaptions},
        {KIND(ROLE),
         {"Name", "Super user", "Inherit privileges", "Create role", "Create database", "Bypass RLS", "Replication",
          "Connection limit", "Expire data", "Comment"}},
        {KIND(ROUTINE), kRoutineCaptions},
        {KIND(SCHEMA), {"Name", "Owner"}},
        {KIND(SEQUENCE), kSequenceCaptions},
        {KIND(SERVER), {"Name", "Owner", "FDW name", "Server type", "Server DataVersion", "Options", "Comment"}},
        {KIND(TABLE),
         {"Name", "Owner", "Tablespace", "Rows", "Has indexes", "Has rules", "Has triggers", "Row security",
          "Comment"}},
        {KIND(TABLESPACE), {"Name", "Owner", "Location", "Comment"}},
        {KIND(TRIGGER),
         {"Name", "Table name", "Trigger type", "Event", "Fire time", "For each", "Deferrable", "Deferred", "Status",
          "MetaConstraint", "Internal", "Comment"}},
        {KIND(TYPE), {"Name", "Type", "Input", "Output", "Owner", "Comment"}},
        {KIND(USER),
         {"Name", "Super user", "Inherit privileges", "Create role", "Create database", "Bypass RLS", "Replication",
          "Connection limit", "Expire data", "Comment"}},
        {KIND(VIEW), {"Name", "Owner", "Comment"}},
    };
    std::map<DBObject, gobj::Ref<TableModel>> lists;
    for (const auto& c : cases) {
        GError* error = nullptr;
        auto table = gobj::Ref<TableModel>::adopt(
            tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(explorer, c.kind, "", "shop", "", &error));
        ASSERT_EQ(error, nullptr) << c.kind << ": " << error->message;
        EXPECT_EQ(titles(*table), c.captions) << c.kind;
        lists[c.kind] = table;
    }
    auto names = [&](DBObject kind) {
        Texts out;
        for (const auto& cell : column_cells(*lists[kind], 0)) out.push_back(cell.substr(cell.find('=') + 1));
        return out;
    };
    EXPECT_EQ(names(KIND(TABLE)), (Texts{"audit_log", "base", "child", "item", "line", "part", "part_2024", "scratch"}));
    EXPECT_EQ(names(KIND(MATERIALIZED)), Texts{"totals"}) << "another schema's list of the same name stays out";
    EXPECT_EQ(names(KIND(PROCEDURE)), Texts{"restock"});
    EXPECT_EQ(names(KIND(AGGREGATE)), Texts{"total_sum"});
    // A trigger on two events is two rows, also with an UPDATE OF list of two columns.
    Texts changed;
    auto triggers = lists[KIND(TRIGGER)];
    for (int r = 0; r < static_cast<int>(g_list_model_get_n_items(G_LIST_MODEL(triggers.gobj()))); ++r) {
        auto row = triggers->get_rows().at(r);
        if (row->get_value_at(0)->to_string() != "item_changed") continue;
        changed.push_back(row->get_value_at(3)->to_string() + " " + row->get_value_at(2)->to_string() + " " +
                          row->get_value_at(8)->to_string());
    }
    std::sort(changed.begin(), changed.end());
    EXPECT_EQ(changed, (Texts{"INSERT Ordinary table Origin", "UPDATE Ordinary table Origin"}));
    auto domains = lists[KIND(DOMAIN)];
    EXPECT_EQ(column_cells(*domains, 2), Texts{"TarvelinProvidersContractsValueString=Multirange type"});
    // Types are listed where the search path sees them.
    auto public_types = gobj::Ref<TableModel>::adopt(
        tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(explorer, KIND(TYPE), "", "", "", nullptr));
    Texts types = column_cells(*public_types, 1);
    EXPECT_NE(std::find(types.begin(), types.end(), "TarvelinProvidersContractsValueString=Enum type"), types.end());

    g_object_unref(explorer);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
    g_object_unref(connection);
}

}  // namespace
}  // namespace tarvelin::test
