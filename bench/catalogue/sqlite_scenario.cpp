// SQLite: a file of N tables (10 columns, an index, a trigger and a foreign key each),
// read deep through SQLiteConnection's adapter, then built back as a schema script.
#include <tarvelin/rezezadovu/sqlite.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "rezezadovu/model/meta_database.hpp"
#include "scenario.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

namespace {

using Clock = std::chrono::steady_clock;
double ms_since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

int fail(const char* what, GError* error) {
    fprintf(stderr, "sqlite: %s: %s\n", what, error ? error->message : "no result");
    g_clear_error(&error);
    return 1;
}

std::string table_sql(int i, int tables) {
    char name[16], parent[16];
    g_snprintf(name, sizeof name, "t%04d", i);
    g_snprintf(parent, sizeof parent, "t%04d", (i + tables - 1) % tables);
    std::string t = name;
    return "CREATE TABLE " + t + " (id INTEGER PRIMARY KEY, parent_id INTEGER REFERENCES " + parent +
           "(id) ON DELETE SET NULL, code VARCHAR(20) NOT NULL, label TEXT DEFAULT '', amount NUMERIC, "
           "ratio REAL, data BLOB, created TEXT, flags INTEGER DEFAULT 0, note TEXT);"
           "CREATE INDEX " + t + "_code ON " + t + " (code, created);"
           "CREATE TRIGGER " + t + "_touch AFTER UPDATE OF label ON " + t +
           " FOR EACH ROW WHEN NEW.label <> OLD.label BEGIN UPDATE " + t +
           " SET created = datetime('now') WHERE id = NEW.id; END;";
}

int run_sqlite(const std::string& dir, int tables) {
    GError* error = nullptr;
    std::string file = dir + "/catalogue.db";
    auto* conn = tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    auto* c = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_CONNECTION_IMPL(conn);
    auto* i = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(conn);
    auto* server = tarvelin_providers_contracts_server_new();
    g_object_set(server, "uuid", "bench-sqlite", "filename", file.c_str(), nullptr);
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, server, nullptr, &error);
    if (error) return fail("open", error);

    auto start = Clock::now();
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "BEGIN", TRUE, &error);
    for (int t = 0; t < tables && !error; ++t) {
        std::string sql = table_sql(t, tables);
        gchar** statements = g_strsplit(sql.c_str(), ";CREATE", -1);
        for (gchar** s = statements; *s && !error; ++s) {
            std::string one = (s == statements ? "" : "CREATE") + std::string(*s);
            tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, one.c_str(), TRUE, &error);
        }
        g_strfreev(statements);
    }
    if (!error) tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "COMMIT", TRUE, &error);
    if (error) return fail("create", error);
    printf("  made the file:          %8.1f ms\n", ms_since(start));

    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(i);
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), "bench");
    int before = catalogue_bench::logged_statements();
    start = Clock::now();
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
        adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(database.gobj()), TRUE, &error);
    double fill_ms = ms_since(start);
    int queries = catalogue_bench::logged_statements() - before;
    g_object_unref(adapter);
    if (error) return fail("fill_meta_database", error);
    auto main = gobj::GeeArray<MetaSchema>::wrap(database->get_schemas()).at(0);
    int read = gobj::GeeArray<MetaTable>::wrap(main->get_tables()).size();
    int indexes = 0, triggers = 0, keys = 0;
    for (auto t : gobj::GeeArray<MetaTable>::wrap(main->get_tables())) {
        indexes += gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).size();
        triggers += gobj::GeeArray<MetaTrigger>::wrap(t->get_triggers()).size();
        keys += gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints()).size();
    }
    printf("  fill_meta_database deep: %8.1f ms, %.3f ms per table, %.2f queries per table\n", fill_ms,
           fill_ms / tables, double(queries) / tables);
    printf("                           %d tables, %d indexes, %d triggers, %d keys read\n", read, indexes, triggers,
           keys);

    auto* builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(i);
    start = Clock::now();
    gchar* script = tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
        builder, reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(main.gobj()), TRUE);
    double build_ms = ms_since(start);
    g_object_unref(builder);
    printf("  build_schema (raw types): %6.1f ms, %.3f ms per table, %zu bytes of script\n", build_ms,
           build_ms / tables, script ? strlen(script) : size_t(0));
    g_free(script);

    tarvelin_rezezadovu_supports_database_connection_impl_close(c);
    g_object_unref(conn);
    g_object_unref(server);
    int expected = tables;
    return read == expected && indexes == tables && triggers == tables && keys == tables ? 0 : 1;
}

const bool registered = catalogue_bench::add("sqlite", &run_sqlite);

}  // namespace
