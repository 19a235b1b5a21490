// The PostgreSQL catalogue reader on a schema of 1,000 tables (6 columns, a primary key,
// an index, a foreign key, a check, a trigger and comments each), read with one deep
// fill_meta_schema over a connection of the dialect, beside pg_dump --schema-only of the
// same database in the same run. Prints the seconds of both, their ratio, the statements
// the reader sent per table, and the time of each of its query kinds (run once more for
// every table, outside the fill) with the slowest one. Then the builder: the seconds of
// build_schema over the filled schema (one collation query per table) and of running its
// script into a fresh database in one call.
//
// Needs the test server (TARVELIN_PG_*, scripts/test-servers) and pg_dump on PATH; every
// statement is logged to the main log, as in a host.
#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/postgresql.h>

#include <unistd.h>

#include <chrono>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"
#include "rezezadovu/supports/log/manager.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;
namespace catalog = supports::database::postgresql;
using Clock = std::chrono::steady_clock;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

namespace {

constexpr int kTables = 1000;

std::string env(const char* name) {
    const char* v = g_getenv(name);
    return v ? v : "";
}

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct Server {
    std::string host, port, user, password, database;
};

CConnection* open(const Server& s, const std::string& database) {
    auto* connection = reinterpret_cast<CConnection*>(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new());
    auto* record = tarvelin_providers_contracts_server_new();
    g_object_set(record, "uuid", "BENCH", "host", s.host.c_str(), "port", std::stoi(s.port), "username",
                 s.user.c_str(), "password", s.password.c_str(), "initial", database.c_str(), nullptr);
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(connection, record, nullptr, &error);
    g_object_unref(record);
    if (error) {
        std::fprintf(stderr, "cannot open %s: %s\n", database.c_str(), error->message);
        g_error_free(error);
        g_object_unref(connection);
        return nullptr;
    }
    return connection;
}

bool run(CConnection* connection, const std::string& sql) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(connection, sql.c_str(), TRUE, &error);
    if (!error) return true;
    std::fprintf(stderr, "statement failed: %s\n", error->message);
    g_error_free(error);
    return false;
}

// Table n: 6 columns, a key, an index, a check, a trigger, comments, and a foreign key to
// the table before it (the first to itself).
std::string table_ddl(int n) {
    gchar* name = g_strdup_printf("t%04d", n);
    gchar* parent = g_strdup_printf("t%04d", n > 1 ? n - 1 : 1);
    std::string t = std::string("bench.") + name;
    std::string ddl =
        "CREATE TABLE " + t + " (id int PRIMARY KEY, parent_id int, title varchar(80) NOT NULL, "
        "price numeric(10,2) DEFAULT 0 CONSTRAINT " + name + "_price CHECK (price >= 0), "
        "created timestamp with time zone DEFAULT now(), done boolean, "
        "CONSTRAINT " + name + "_parent FOREIGN KEY (parent_id) REFERENCES bench." + parent + " (id) ON DELETE CASCADE);"
        "CREATE INDEX " + name + "_title ON " + t + " (title, created DESC);"
        "CREATE TRIGGER " + name + "_touch BEFORE UPDATE OF done ON " + t +
        " FOR EACH ROW EXECUTE FUNCTION bench.touch();"
        "COMMENT ON TABLE " + t + " IS 'table " + name + "';"
        "COMMENT ON COLUMN " + t + ".title IS 'the title';";
    g_free(name);
    g_free(parent);
    return ddl;
}

// The statements the reader logged: the "SQL: " lines of the main log.
int logged_statements(const std::string& dir) {
    int count = 0;
    GDir* d = g_dir_open(dir.c_str(), 0, nullptr);
    while (const char* name = d ? g_dir_read_name(d) : nullptr) {
        std::ifstream in(dir + "/" + name);
        for (std::string line; std::getline(in, line);)
            if (line.find("SQL: ") != std::string::npos) ++count;
    }
    if (d) g_dir_close(d);
    return count;
}

void remove_tree(const std::string& dir) {
    GDir* d = g_dir_open(dir.c_str(), 0, nullptr);
    while (const char* name = d ? g_dir_read_name(d) : nullptr) {
        gchar* path = g_build_filename(dir.c_str(), name, nullptr);
        g_unlink(path);
        g_free(path);
    }
    if (d) g_dir_close(d);
    g_rmdir(dir.c_str());
}

double pg_dump_seconds(const Server& s, const std::string& database) {
    g_setenv("PGPASSWORD", s.password.c_str(), TRUE);
    std::string command = "pg_dump --schema-only -h " + s.host + " -p " + s.port + " -U " + s.user + " -f /dev/null " +
                          database;
    auto start = Clock::now();
    int status = std::system(command.c_str());
    double elapsed = seconds_since(start);
    if (status != 0) {
        std::fprintf(stderr, "pg_dump failed (%d): %s\n", status, command.c_str());
        return -1;
    }
    return elapsed;
}

}  // namespace

int main() {
    Server s{env("TARVELIN_PG_HOST"), env("TARVELIN_PG_PORT"), env("TARVELIN_PG_USER"), env("TARVELIN_PG_PASSWORD"),
             env("TARVELIN_PG_DATABASE")};
    if (s.host.empty()) {
        std::printf("TARVELIN_PG_HOST is not set (scripts/test-servers): nothing measured\n");
        return 0;
    }
    std::string dir = gobj::take_string(g_dir_make_tmp("bench-catalog-postgresql-XXXXXX", nullptr));
    foundation::Services::initialize();
    foundation::Services::register_type(contracts::log::ILogManager::gtype(), supports::log::LogManager::gtype());
    foundation::LoggingService::initialize("bench", contracts::log::kPlain, dir.c_str(), 256 * 1024 * 1024);

    const std::string database = "bench_catalog_" + std::to_string(getpid());
    CConnection* admin = open(s, s.database);
    if (!admin || !run(admin, "CREATE DATABASE " + database)) return 1;

    int status = 0;
    if (CConnection* c = open(s, database)) {
        std::printf("building %d tables...\n", kTables);
        auto built = Clock::now();
        bool ok = run(c, "CREATE SCHEMA bench; CREATE FUNCTION bench.touch() RETURNS trigger LANGUAGE plpgsql AS "
                         "$$BEGIN RETURN NEW; END$$;");
        std::string batch;
        for (int n = 1; ok && n <= kTables; ++n) {
            batch += table_ddl(n);
            if (n % 100 == 0) {
                ok = run(c, batch);
                batch.clear();
            }
        }
        ok = ok && run(c, "ANALYZE");
        std::printf("built in %.1f s\n", seconds_since(built));

        if (ok) {
            auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
            auto meta = meta_model::MetaDatabase::create_with_name(meta_model::MetaDatabase::gtype(), database.c_str());
            auto schema = meta->append("bench");
            int before = logged_statements(dir);
            auto start = Clock::now();
            GError* error = nullptr;
            tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
                adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema->gobj()), TRUE, &error);
            double fill = seconds_since(start);
            int statements = logged_statements(dir) - before;
            if (error) {
                std::fprintf(stderr, "fill failed: %s\n", error->message);
                g_error_free(error);
                status = 1;
            }
            int tables = gobj::GeeArray<meta_model::MetaTable>::wrap(schema->get_tables()).size();

            // Each query kind of the table fill, once more for every table.
            struct Step {
                const char* name;
                std::function<std::string(const std::string&)> sql;
                double seconds = 0;
            };
            std::vector<Step> steps = {
                {"columns", [](const std::string& t) { return catalog::columns_query("bench", t); }},
                {"primary key", [](const std::string& t) { return catalog::primary_query("bench", t); }},
                {"indexes", [](const std::string& t) { return catalog::table_indexes_query("bench", t); }},
                {"triggers", [](const std::string& t) { return catalog::triggers_query("bench", t); }},
                {"checks", [](const std::string& t) { return catalog::constraints_query("bench", t, 'c', true); }},
                {"foreign keys", [](const std::string& t) { return catalog::constraints_query("bench", t, 'f', true); }},
                {"uniques", [](const std::string& t) { return catalog::uniques_query("bench", t); }},
                {"exclusions", [](const std::string& t) { return catalog::exclusions_query("bench", t); }},
                {"rules", [](const std::string& t) { return catalog::rules_query("bench", t); }},
                {"options", [](const std::string& t) { return catalog::options_query("bench", t, false); }},
            };
            for (auto& step : steps) {
                auto at = Clock::now();
                for (int n = 1; n <= kTables; ++n) {
                    gchar* name = g_strdup_printf("t%04d", n);
                    auto* model = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
                        c, step.sql(name).c_str(), FALSE, nullptr);
                    if (model) g_object_unref(model);
                    g_free(name);
                }
                step.seconds = seconds_since(at);
            }
            const Step* slowest = &steps.front();
            for (const auto& step : steps)
                if (step.seconds > slowest->seconds) slowest = &step;

            double dump = pg_dump_seconds(s, database);
            std::printf("deep fill_meta_schema: %d tables in %.2f s (%.2f ms per table)\n", tables, fill,
                        fill * 1000 / kTables);
            std::printf("statements: %d, %.1f per table\n", statements, double(statements) / kTables);
            std::printf("query kinds, each run once per table:\n");
            for (const auto& step : steps) std::printf("  %-13s %6.2f s\n", step.name, step.seconds);
            std::printf("slowest step: %s (%.2f s, %.2f ms per table)\n", slowest->name, slowest->seconds,
                        slowest->seconds * 1000 / kTables);
            if (dump > 0)
                std::printf("pg_dump --schema-only: %.2f s; reader / pg_dump: %.1f\n", dump, fill / dump);
            else
                status = 1;

            // The builder on the schema just read.
            auto* builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(c);
            before = logged_statements(dir);
            auto scripting = Clock::now();
            gchar* script = tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
                builder, reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema->gobj()), TRUE);
            double built_script = seconds_since(scripting);
            int collation_queries = logged_statements(dir) - before;
            g_object_unref(builder);
            const std::string copy = database + "_copy";
            if (script && run(admin, "CREATE DATABASE " + copy)) {
                if (CConnection* target = open(s, copy)) {
                    auto running = Clock::now();
                    bool ran = run(target, script);
                    double ran_script = seconds_since(running);
                    std::printf("build_schema: %.2f s (%.2f ms per table, %d statements, %zu bytes of script)\n",
                                built_script, built_script * 1000 / kTables, collation_queries, std::strlen(script));
                    auto* made = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(
                        target, "SELECT count(*) FROM pg_tables WHERE schemaname = 'bench'", FALSE, nullptr);
                    gchar* count = made ? tarvelin_providers_contracts_ivalue_to_string(
                                              reinterpret_cast<TarvelinProvidersContractsIValue*>(made))
                                        : g_strdup("?");
                    if (ran)
                        std::printf("running the script into a fresh database: %.2f s (%s tables made)\n", ran_script,
                                    count);
                    else
                        status = 1;
                    g_free(count);
                    if (made) g_object_unref(made);
                    tarvelin_rezezadovu_contracts_database_iconnection_close(target);
                    g_object_unref(target);
                }
                run(admin, "DROP DATABASE IF EXISTS " + copy + " WITH (FORCE)");
            } else {
                status = 1;
            }
            g_free(script);
            g_object_unref(adapter);
        } else {
            status = 1;
        }
        tarvelin_rezezadovu_contracts_database_iconnection_close(c);
        g_object_unref(c);
    } else {
        status = 1;
    }
    run(admin, "DROP DATABASE IF EXISTS " + database + " WITH (FORCE)");
    tarvelin_rezezadovu_contracts_database_iconnection_close(admin);
    g_object_unref(admin);
    foundation::LoggingService::shutdown();
    remove_tree(dir);
    return status;
}
