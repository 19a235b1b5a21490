// The SQLite explorer's browse lists on the fixture file, and an asynchronous query
// through the connection on a running main loop.
#include "dialect_fixture.hpp"
#include "support/main_loop.hpp"

namespace sqlite_dialect_test {
namespace {

using providers::contracts::TableModel;

struct Listing {
    std::vector<std::string> titles, names, rows;
};

class SqliteExplorer : public Catalogue {
protected:
    // The model of a kind, or the error's text.
    Listing load(TarvelinProvidersContractsDBObject kind, const char* schema, std::string* error_text = nullptr) {
        GError* error = nullptr;
        auto* model =
            tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(explorer(), kind, "db", schema, "", &error);
        std::string e = test::describe(error);
        if (error_text) *error_text = e;
        Listing out;
        if (!model) return out;
        auto table = Ref<TableModel>::adopt(model);
        for (auto column : table->get_columns()) {
            out.titles.push_back(column->get_title().value_or("(none)"));
            out.names.push_back(column->get_name().value_or("(none)"));
        }
        for (auto row : table->get_rows()) {
            std::string line;
            for (auto value : row->get_values()) line += (line.empty() ? "" : "|") + value->to_string();
            out.rows.push_back(line);
        }
        return out;
    }
    using V = std::vector<std::string>;
};

TEST_F(SqliteExplorer, DatabaseAndSchemas) {
    Listing database = load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE, "");
    EXPECT_EQ(database.names, (V{"name", "engine", "version", "encoding", "readonly"}));
    EXPECT_EQ(database.titles, (V{"Name", "Engine", "Version", "Encoding", "Readonly"}));
    std::string version = tarvelin_rezezadovu_supports_database_connection_impl_get_version(c());
    EXPECT_EQ(database.rows, (V{path("main.db") + "|SQLite database|" + version + "|UTF-8|NO"}));
    run("PRAGMA query_only = 1;");
    EXPECT_EQ(load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE, "").rows,
              (V{path("main.db") + "|SQLite database|" + version + "|UTF-8|YES"}));
    run("PRAGMA query_only = 0;");

    Listing schemas = load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA, "");
    EXPECT_EQ(schemas.names, (V{"name", "file", "version"}));
    EXPECT_EQ(schemas.titles, (V{"Name", "File", "Version"}));
    EXPECT_EQ(schemas.rows, (V{"main|" + path("main.db") + "|" + scalar("PRAGMA main.schema_version"),
                               "temp||" + scalar("PRAGMA temp.schema_version"),
                               "aux|" + path("aux.db") + "|" + scalar("PRAGMA aux.schema_version")}));
}

TEST_F(SqliteExplorer, ObjectsOfASchema) {
    Listing tables = load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "");
    EXPECT_EQ(tables.titles, (V{"Name", "Indexes", "Triggers", "Root page"}));
    ASSERT_EQ(tables.rows.size(), 6u);
    // The UNIQUE constraint brings an automatic index of its own.
    EXPECT_EQ(tables.rows[0].rfind("child|4|2|", 0), 0u) << tables.rows[0];
    EXPECT_EQ(tables.rows[1].rfind("counter|0|0|", 0), 0u) << tables.rows[1];
    EXPECT_EQ(load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "aux").rows.size(), 1u);

    Listing views = load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW, "main");
    EXPECT_EQ(views.titles, (V{"Name"}));
    EXPECT_EQ(views.rows, (V{"child_view"}));
    EXPECT_EQ(load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW, "temp").rows, (V{"recent"}));

    Listing indexes = load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX, "");
    EXPECT_EQ(indexes.titles, (V{"Name", "Table name", "Root page"}));
    ASSERT_GE(indexes.rows.size(), 3u);
    EXPECT_EQ(indexes.rows[0].rfind("child_kind|child|", 0), 0u);

    Listing triggers = load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER, "");
    EXPECT_EQ(triggers.titles, (V{"Name", "Hoster name", "Hoster type"}));
    EXPECT_EQ(triggers.names, (V{"name", "tbl_name", "is_view"}));
    EXPECT_EQ(triggers.rows, (V{"child_case|child|Table", "child_price|child|Table", "child_view_insert|child_view|View"}));

    Listing other = load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION, "");
    EXPECT_TRUE(other.names.empty() && other.rows.empty());
}

TEST_F(SqliteExplorer, SchemasOfEverySpelling) {
    for (const char* alias : kSpellings) {
        SCOPED_TRACE(alias);
        std::string quoted = sql_name(alias);
        run("ATTACH DATABASE '" + path("x.db") + "' AS " + quoted + ";");
        run("CREATE TABLE IF NOT EXISTS " + quoted + ".t (a); CREATE INDEX IF NOT EXISTS " + quoted + ".i ON t (a);");
        EXPECT_EQ(load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, alias).rows.size(), 1u);
        EXPECT_EQ(load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX, alias).rows.size(), 1u);
        EXPECT_EQ(load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER, alias).rows.size(), 0u);
        EXPECT_EQ(load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA, "").rows.size(), 4u);
        run("DETACH DATABASE " + quoted + ";");
    }
}

TEST_F(SqliteExplorer, FailuresAndMissingArguments) {
    tarvelin_rezezadovu_supports_database_connection_impl_close(c());
    std::string error;
    Listing none = load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW, "", &error);
    EXPECT_EQ(error.rfind("SQLite ", 0), 0u) << error;
    EXPECT_TRUE(none.titles.empty());
    load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE, "", &error);
    EXPECT_EQ(error.rfind("SQLite ", 0), 0u) << error;
    // Kinds without a listing need no connection.
    load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION, "", &error);
    EXPECT_EQ(error, "(none)");

    test::LogCapture capture;
    GError* e = nullptr;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
                  explorer(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "db", nullptr, "", &e),
              nullptr);
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(explorer(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE,
                                                                    "db", "main", "t", "", nullptr, &e);
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(explorer(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE,
                                                                    "db", "main", "t", "", "DROP", &e);
    EXPECT_EQ(e, nullptr);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "schema != NULL"), 1);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "command != NULL"), 1);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sq_lite_explorer_new(nullptr), nullptr);
    EXPECT_EQ(capture.count(G_LOG_LEVEL_CRITICAL, "conn != NULL"), 1);
}

TEST_F(SqliteExplorer, AsynchronousQueryOnTheMainLoop) {
    struct Done {
        GAsyncResult* result = nullptr;
        GThread* thread = nullptr;
    } done;
    tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_async(
        i(), "SELECT id, note FROM counter",
        [](GObject*, GAsyncResult* result, gpointer data) {
            auto* d = static_cast<Done*>(data);
            d->result = G_ASYNC_RESULT(g_object_ref(result));
            d->thread = g_thread_self();
        },
        &done);
    ASSERT_TRUE(test::run_until([&] { return done.result != nullptr; }));
    EXPECT_EQ(done.thread, g_thread_self());
    GError* error = nullptr;
    auto* model = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_finish(i(), done.result, &error);
    g_object_unref(done.result);
    ASSERT_EQ(test::describe(error), "(none)");
    auto table = Ref<TableModel>::adopt(model);
    EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(model)), 1u);
    EXPECT_EQ(table->get_value_at(1, 0)->to_string(), "start");
}

}  // namespace
}  // namespace sqlite_dialect_test
