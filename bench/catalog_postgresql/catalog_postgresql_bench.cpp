// The PostgreSQL catalogue reader on a schema of 1,000 and then 5,000 tables (6 columns, a
// primary key, an index, a foreign key, a check, a trigger and comments each), read with
// one deep fill_meta_schema over a connection of the dialect, in paired runs with
// pg_dump --schema-only of the same database (the two alternate; see support/paired.hpp).
// Prints each pair, the statements the reader sent per table, and per size a line ending
// "ratio MIN/MEDIAN/MAX" (our time over pg_dump's). Then, at 1,000 tables, the builder:
// the seconds of build_schema over the filled schema and of running its script into a
// fresh database in one call.
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
#include <sstream>
#include <string>
#include <vector>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/supports/log/manager.hpp"
#include "support/paired.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;
using Clock = std::chrono::steady_clock;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

namespace {

constexpr int kSizes[] = {1000, 5000};
constexpr int kPairs = 5;

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

// One deep read of the schema into a new catalogue tree: seconds, or -1 on an error.
double fill_seconds(CConnection* c, const std::string& database, gobj::Ref<meta_model::MetaSchema>* kept = nullptr) {
    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
    auto meta = meta_model::MetaDatabase::create_with_name(meta_model::MetaDatabase::gtype(), database.c_str());
    auto schema = meta->append("bench");
    auto start = Clock::now();
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
        adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema->gobj()), TRUE, &error);
    double elapsed = seconds_since(start);
    g_object_unref(adapter);
    if (error) {
        std::fprintf(stderr, "fill failed: %s\n", error->message);
        g_error_free(error);
        return -1;
    }
    if (kept) *kept = schema;
    return elapsed;
}

// The builder on the schema just read: build_schema, then its script run into a fresh
// database.
bool measure_builder(const Server& s, CConnection* c, CConnection* admin, const std::string& database,
                     meta_model::MetaSchema& schema, const std::string& dir, int tables) {
    auto* builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(c);
    int before = logged_statements(dir);
    auto scripting = Clock::now();
    gchar* script = tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
        builder, reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema.gobj()), TRUE);
    double built_script = seconds_since(scripting);
    int collation_queries = logged_statements(dir) - before;
    g_object_unref(builder);
    bool ok = script != nullptr;
    const std::string copy = database + "_copy";
    if (script && run(admin, "CREATE DATABASE " + copy)) {
        if (CConnection* target = open(s, copy)) {
            auto running = Clock::now();
            bool ran = run(target, script);
            double ran_script = seconds_since(running);
            std::printf("build_schema: %.2f s (%.2f ms per table, %d statements, %zu bytes of script)\n",
                        built_script, built_script * 1000 / tables, collation_queries, std::strlen(script));
            auto* made = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(
                target, "SELECT count(*) FROM pg_tables WHERE schemaname = 'bench'", FALSE, nullptr);
            gchar* count = made ? tarvelin_providers_contracts_ivalue_to_string(
                                      reinterpret_cast<TarvelinProvidersContractsIValue*>(made))
                                : g_strdup("?");
            if (ran)
                std::printf("running the script into a fresh database: %.2f s (%s tables made)\n", ran_script, count);
            ok = ok && ran;
            g_free(count);
            if (made) g_object_unref(made);
            tarvelin_rezezadovu_contracts_database_iconnection_close(target);
            g_object_unref(target);
        } else {
            ok = false;
        }
        run(admin, "DROP DATABASE IF EXISTS " + copy + " WITH (FORCE)");
    } else {
        ok = false;
    }
    g_free(script);
    return ok;
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
    foundation::LoggingService::initialize("bench", contracts::log::kPlain, dir.c_str(), 1024LL * 1024 * 1024);

    const std::string database = "bench_catalog_" + std::to_string(getpid());
    CConnection* admin = open(s, s.database);
    if (!admin || !run(admin, "CREATE DATABASE " + database)) return 1;

    int status = 0;
    if (CConnection* c = open(s, database)) {
        bool ok = run(c, "CREATE SCHEMA bench; CREATE FUNCTION bench.touch() RETURNS trigger LANGUAGE plpgsql AS "
                         "$$BEGIN RETURN NEW; END$$;");
        int made = 0;
        double first_median = 0;
        for (int size : kSizes) {
            std::printf("building up to %d tables...\n", size);
            auto built = Clock::now();
            std::string batch;
            for (int n = made + 1; ok && n <= size; ++n) {
                batch += table_ddl(n);
                if (n % 100 == 0 || n == size) {
                    ok = run(c, batch);
                    batch.clear();
                }
            }
            made = size;
            ok = ok && run(c, "ANALYZE");
            std::printf("built in %.1f s\n", seconds_since(built));
            if (!ok) break;

            gobj::Ref<meta_model::MetaSchema> schema;
            int before = logged_statements(dir);
            double once = fill_seconds(c, database, &schema);
            int statements = logged_statements(dir) - before;
            int tables = schema ? gobj::GeeArray<meta_model::MetaTable>::wrap(schema->get_tables()).size() : 0;
            if (once < 0 || tables != size) {
                std::fprintf(stderr, "the read gave %d tables of %d\n", tables, size);
                ok = false;
                break;
            }
            std::printf("statements of one deep read: %d, %.3f per table\n", statements, double(statements) / size);

            if (size == kSizes[0] && !measure_builder(s, c, admin, database, *schema, dir, size)) {
                ok = false;
                break;
            }

            char label[96];
            g_snprintf(label, sizeof label, "postgresql %d tables", size);
            auto figures = bench_support::paired_runs(label, kPairs, [&] { return fill_seconds(c, database); },
                                                      [&] { return pg_dump_seconds(s, database); });
            if (!figures.ok) {
                ok = false;
                break;
            }
            // Linear growth: the larger size's time over the first one's, on the same line.
            if (first_median > 0)
                std::printf("postgresql %d tables take %.2f times the time of %d (ours, medians); "
                            "ratio %.2f/%.2f/%.2f\n",
                            size, figures.ours_median / first_median, kSizes[0], figures.min, figures.median,
                            figures.max);
            else
                first_median = figures.ours_median;
        }
        if (!ok) status = 1;
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
