// MariaDB: a database of N and then 5N tables (6 columns, a key, an index, a foreign key,
// a check and a comment each) on the MariaDB test server, read deep through
// MariaDBConnection's reader in paired runs with `mariadb-dump --no-data` of the same
// database (the two alternate; see support/paired.hpp); at N, built back as a schema
// script once. Prints statements per table and per size a line ending
// "ratio MIN/MEDIAN/MAX" (our read's time over the dump's).
//
// Needs the test server (TARVELIN_MYSQL_*, scripts/test-servers); without it, nothing is
// measured.
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/mariadb.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "rezezadovu/model/meta_database.hpp"
#include "support/paired.hpp"
#include "support/statements.hpp"
#include "scenario.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

namespace {

using Clock = std::chrono::steady_clock;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string env(const char* name) {
    const char* v = g_getenv(name);
    return v ? v : "";
}

int fail(const char* what, GError* error) {
    fprintf(stderr, "mariadb: %s: %s\n", what, error ? error->message : "no result");
    g_clear_error(&error);
    return 1;
}

bool run(CConnection* connection, const std::string& sql) {
    return bench_support::run_statements(connection, sql, "mariadb");
}

// Table n: 6 columns, a key, an index, a foreign key to the table before it (the first to
// itself), a check and a comment.
std::string table_ddl(int n) {
    char name[16], refer[16];
    g_snprintf(name, sizeof name, "t%04d", n);
    g_snprintf(refer, sizeof refer, "t%04d", n > 0 ? n - 1 : 0);
    std::string t = name;
    return "CREATE TABLE " + t +
           " (id INT NOT NULL AUTO_INCREMENT, parent_id INT NULL, code VARCHAR(32) NOT NULL, "
           "amount DECIMAL(12,2) NOT NULL DEFAULT 0, created DATETIME(3) NULL, note TEXT NULL, PRIMARY KEY (id), "
           "KEY ix_" + t + "_code (code), CONSTRAINT fk_" + t + " FOREIGN KEY (parent_id) REFERENCES " + refer +
           " (id), CONSTRAINT chk_" + t + " CHECK (amount >= 0)) ENGINE=InnoDB COMMENT='bench';\n";
}

// Seconds of `mariadb-dump --no-data` of the database; -1 when it did not run.
double dump_seconds(const std::string& database) {
    std::string port = env("TARVELIN_MYSQL_PORT");
    std::string user = env("TARVELIN_MYSQL_USER");
    std::string host = env("TARVELIN_MYSQL_HOST");
    const char* argv[] = {"mariadb-dump", "--no-defaults", "--no-data", "--routines", "--events",
                          "-h", host.c_str(), "-P", port.c_str(), "-u", user.c_str(), database.c_str(), nullptr};
    gchar** envp = g_get_environ();
    envp = g_environ_setenv(envp, "MYSQL_PWD", env("TARVELIN_MYSQL_PASSWORD").c_str(), TRUE);
    gint status = 0;
    GError* error = nullptr;
    auto start = Clock::now();
    bool ran = g_spawn_sync(nullptr, const_cast<gchar**>(argv), envp,
                            GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_STDOUT_TO_DEV_NULL), nullptr, nullptr, nullptr,
                            nullptr, &status, &error);
    double seconds = seconds_since(start);
    g_strfreev(envp);
    if (!ran || !g_spawn_check_wait_status(status, nullptr)) {
        fprintf(stderr, "mariadb: mariadb-dump: %s\n", error ? error->message : "failed");
        g_clear_error(&error);
        return -1;
    }
    return seconds;
}

constexpr int kPairs = 5;

// One deep read of the database into a new catalogue tree: seconds, or -1 on an error.
double read_seconds(CConnection* c, const std::string& database, gobj::Ref<MetaDatabase>* kept = nullptr) {
    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
    auto meta = MetaDatabase::create_with_name(MetaDatabase::gtype(), database.c_str());
    GError* error = nullptr;
    auto start = Clock::now();
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
        adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(meta.gobj()), TRUE, &error);
    double read = seconds_since(start);
    g_object_unref(adapter);
    if (error) {
        fail("fill_meta_database", error);
        return -1;
    }
    if (kept) *kept = meta;
    return read;
}

int run_mariadb(const std::string&, int tables) {
    std::string host = env("TARVELIN_MYSQL_HOST");
    if (host.empty()) {
        printf("  TARVELIN_MYSQL_HOST is not set (scripts/test-servers): nothing measured\n");
        return 0;
    }
    auto* conn = tarvelin_rezezadovu_supports_database_maria_db_connection_new();
    auto* c = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(conn);
    auto* server = tarvelin_providers_contracts_server_new();
    g_object_set(server, "uuid", "bench-mariadb", "host", host.c_str(), "port", atoi(env("TARVELIN_MYSQL_PORT").c_str()),
                 "username", env("TARVELIN_MYSQL_USER").c_str(), "password", env("TARVELIN_MYSQL_PASSWORD").c_str(),
                 "initial", env("TARVELIN_MYSQL_DATABASE").c_str(), nullptr);
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(c, server, nullptr, &error);
    if (error) return fail("open", error);
    printf("  server %s\n", tarvelin_rezezadovu_contracts_database_iconnection_get_version(c));

    const std::string database = "bench_catalogue_mariadb_" + std::to_string(getpid());
    if (!run(c, "CREATE DATABASE `" + database + "`; USE `" + database + "`;")) return 1;
    int status = 0, made = 0;
    double first_median = 0;
    for (int size : {tables, 5 * tables}) {
        auto start = Clock::now();
        std::string batch;
        for (int n = made; n < size && status == 0; ++n) {
            batch += table_ddl(n);
            if ((n + 1) % 100 == 0 || n + 1 == size) {
                if (!run(c, batch)) status = 1;
                batch.clear();
            }
        }
        made = size;
        printf("  made the database up to %d tables: %8.2f s\n", size, seconds_since(start));
        if (status != 0) break;

        gobj::Ref<MetaDatabase> meta;
        int before = catalogue_bench::logged_statements();
        double read = read_seconds(c, database, &meta);
        int statements = catalogue_bench::logged_statements() - before;
        if (read < 0) {
            status = 1;
            break;
        }
        auto schema = gobj::GeeArray<MetaSchema>::wrap(meta->get_schemas()).at(0);
        int read_tables = 0, indexes = 0, constraints = 0;
        for (auto t : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) {
            ++read_tables;
            indexes += gobj::GeeArray<MetaIndex>::wrap(t->get_indexes()).size();
            constraints += gobj::GeeArray<MetaConstraint>::wrap(t->get_constraints()).size();
        }
        printf("  fill_meta_database deep:  %8.2f s, %.3f statements per table (%d tables, %d indexes, %d "
               "constraints read)\n",
               read, double(statements) / size, read_tables, indexes, constraints);
        if (read_tables != size || indexes != 2 * size || constraints != 2 * size) {
            status = 1;
            break;
        }
        if (size == tables) {
            auto* builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(c);
            start = Clock::now();
            gchar* script = tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
                builder, reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema.gobj()), TRUE);
            double build = seconds_since(start);
            g_object_unref(builder);
            printf("  build_schema (raw types): %8.2f s, %zu bytes of script\n", build,
                   script ? strlen(script) : size_t(0));
            g_free(script);
        }

        char label[96];
        g_snprintf(label, sizeof label, "  mariadb %d tables", size);
        auto figures = bench_support::paired_runs(label, kPairs, [&] { return read_seconds(c, database); },
                                                  [&] { return dump_seconds(database); });
        if (!figures.ok) {
            status = 1;
            break;
        }
        // Linear growth: the larger size's time over the first one's, on the same line.
        if (first_median > 0)
            printf("  mariadb %d tables take %.2f times the time of %d (ours, medians); ratio %.2f/%.2f/%.2f\n", size,
                   figures.ours_median / first_median, tables, figures.min, figures.median, figures.max);
        else
            first_median = figures.ours_median;
    }
    run(c, "DROP DATABASE `" + database + "`;");
    tarvelin_rezezadovu_contracts_database_iconnection_close(c);
    g_object_unref(conn);
    g_object_unref(server);
    return status;
}

const bool registered = catalogue_bench::add("mariadb", &run_mariadb);

}  // namespace
