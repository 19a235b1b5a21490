// Import benchmark: a CSV file of five columns (int, bigint, double, text, timestamp)
// imported with DsvExtractor's import_from_file (ACTION "append") through a dialect
// connection, timed beside the product's own bulk load of the same file into the same
// empty table: sqlite3 .import, psql \copy, LOAD DATA LOCAL INFILE through the mariadb
// client. Runs are paired (ours, then the client, on an emptied table each time); prints
// rows/s of both per pair and, as each scenario's last line, the ratio of our rows/s over
// the client's as MIN/MEDIAN/MAX. Checks that every run left all rows in the table.
//
// The "load" scenario reads the file into a result table with load_from_file at the full
// and at half the row count and prints the time ratio (linear loads give about 2).
//
//   bench_import [sqlite] [postgresql] [mariadb] [load]
//   (IMPORT_ROWS overrides the row counts, IMPORT_RUNS the pairs, 3 by default)
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/data.h>
#include <tarvelin/rezezadovu/meta_model.h>
#include <tarvelin/rezezadovu/mysql.h>
#include <tarvelin/rezezadovu/postgresql.h>
#include <tarvelin/rezezadovu/rezezadovu.h>
#include <tarvelin/rezezadovu/sqlite.h>

#include <glib/gstdio.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/scenarios.hpp"
#include "support/servers.hpp"

namespace {

using Connection = TarvelinRezezadovuContractsDatabaseIConnection;
using Clock = std::chrono::steady_clock;

using bench_support::env;

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void fail(const std::string& what, GError* error) {
    std::fprintf(stderr, "bench_import: %s: %s\n", what.c_str(), error ? error->message : "no result");
    if (error) g_error_free(error);
    std::exit(1);
}

void run(Connection* c, const std::string& sql) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(c, sql.c_str(), FALSE, &error);
    if (error) fail(sql, error);
}

long long scalar(Connection* c, const std::string& sql) {
    GError* error = nullptr;
    auto* table = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(c, sql.c_str(), FALSE, &error);
    if (!table) fail(sql, error);
    auto* v = tarvelin_providers_contracts_table_model_get_value_at(table, 0, 0);
    gchar* text = v ? tarvelin_providers_contracts_value_object_to_string(v) : g_strdup("-1");
    long long n = std::atoll(text);
    g_free(text);
    if (v) g_object_unref(v);
    g_object_unref(table);
    return n;
}

void shell(const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "bench_import: failed: %s\n", command.c_str());
        std::exit(1);
    }
}

// The CSV file: no header, no quoted fields.
void write_csv(const std::string& file, std::size_t rows) {
    std::ofstream out(file, std::ios::binary);
    char line[160];
    for (std::size_t i = 1; i <= rows; ++i) {
        GDateTime* t = g_date_time_new_from_unix_utc(gint64(1700000000 + i));
        gchar* stamp = g_date_time_format(t, "%Y-%m-%d %H:%M:%S");
        int n = std::snprintf(line, sizeof line, "%zu,%lld,%.17g,label %zu,%s\n", i, (long long)i * 4294967296LL,
                              double(i) / 7.0, i, stamp);
        out.write(line, n);
        g_free(stamp);
        g_date_time_unref(t);
    }
}

const char* kColumns[] = {"id", "big", "ratio", "label", "stamp"};

TarvelinRezezadovuMetaModelMetaTable* target(const std::string& schema, const std::string& name) {
    const TarvelinProvidersContractsDataType types[] = {
        TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64,
        TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING,
        TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME};
    auto* table = tarvelin_rezezadovu_meta_model_meta_table_new_with_names("main", schema.c_str(), name.c_str());
    for (int i = 0; i < 5; ++i) {
        auto* column = tarvelin_rezezadovu_meta_model_meta_table_new_column(table, kColumns[i], types[i]);
        tarvelin_rezezadovu_meta_model_meta_column_set_is_primary_key(column, i == 0);
        g_object_set_data_full(G_OBJECT(column), "SOURCE", g_strdup(kColumns[i]), g_free);
        g_object_unref(column);
    }
    return table;
}

struct Done {
    bool done = false;
    gint64 count = 0;
    GError* error = nullptr;
};

// Ours: the whole file through import_from_file, the main loop run until it ends.
double ours(Connection* c, const std::string& schema, const std::string& table, const std::string& file,
            std::size_t rows) {
    auto* csv = tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv");
    auto* options = tarvelin_rezezadovu_contracts_data_iexporter_get_options(TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(csv));
    const std::pair<const char*, const char*> set[] = {
        {"FILENAME", file.c_str()}, {"HAS_HEADER", "false"}, {"COLUMNS", "id,big,ratio,label,stamp"}, {"ACTION", "append"}};
    for (const auto& [k, v] : set) gee_abstract_map_set(GEE_ABSTRACT_MAP(options), k, v);
    auto* meta = target(schema, table);
    Done done;
    auto start = Clock::now();
    tarvelin_rezezadovu_contracts_data_iimporter_import_from_file(
        TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(csv), c, meta, nullptr, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
            auto* d = static_cast<Done*>(data);
            d->count = tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish(
                TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(source), result, &d->error);
            d->done = true;
        },
        &done);
    while (!done.done) g_main_context_iteration(nullptr, TRUE);
    double seconds = seconds_since(start);
    if (done.error) fail("import", done.error);
    if (done.count != gint64(rows)) {
        std::fprintf(stderr, "bench_import: imported %lld of %zu records\n", (long long)done.count, rows);
        std::exit(1);
    }
    g_object_unref(meta);
    g_object_unref(csv);
    return seconds;
}

double timed_shell(const std::string& command) {
    auto start = Clock::now();
    shell(command);
    return seconds_since(start);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Paired runs of `our_run` and `their_run`, each on an emptied table, each checked to
// leave `rows` rows.
bool paired(const char* name, std::size_t rows, int runs, const std::function<void()>& empty,
            const std::function<long long()>& count, const std::function<double()>& our_run,
            const std::function<double()>& their_run) {
    std::vector<double> ratios;
    bool ok = true;
    for (int i = 0; i < runs; ++i) {
        empty();
        double o = our_run();
        ok = count() == (long long)rows && ok;
        empty();
        double t = their_run();
        ok = count() == (long long)rows && ok;
        double n = double(rows);
        ratios.push_back(t / o);
        std::printf("%-11s run %d %9zu rows  ours %10.0f r/s  client %10.0f r/s  ratio %.4f\n", name, i + 1, rows,
                    n / o, n / t, t / o);
    }
    std::printf("%-11s %9zu rows %s ratio %.4f/%.4f/%.4f\n", name, rows, ok ? "all rows" : "ROW COUNTS DIFFER",
                *std::min_element(ratios.begin(), ratios.end()), median(ratios),
                *std::max_element(ratios.begin(), ratios.end()));
    std::fflush(stdout);
    return ok;
}

const char* kCreate = " (id integer PRIMARY KEY, big bigint, ratio double precision, label text, stamp timestamp)";

// ---------------------------------------------------------------- scenarios

bool sqlite_scenario(std::size_t rows, int runs, const std::string& dir) {
    std::string db = dir + "/import.db", csv = dir + "/rows.csv";
    write_csv(csv, rows);
    auto* sqlite = tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    auto* c = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(sqlite);
    bench_support::open_file(c, db);
    run(c, std::string("CREATE TABLE t") + kCreate);
    bool ok = paired(
        "SQLite", rows, runs, [&] { run(c, "DELETE FROM t"); }, [&] { return scalar(c, "SELECT count(*) FROM t"); },
        [&] { return ours(c, "main", "t", csv, rows); },
        [&] { return timed_shell("sqlite3 '" + db + "' '.import --csv " + csv + " t'"); });
    tarvelin_rezezadovu_contracts_database_iconnection_close(c);
    g_object_unref(sqlite);
    for (const auto& f : {db, csv}) g_unlink(f.c_str());
    return ok;
}

std::optional<bool> postgresql_scenario(std::size_t rows, int runs, const std::string& dir) {
    auto address = bench_support::server_address("TARVELIN_PG");
    if (!address) return std::nullopt;
    const auto& [host, port, user, password, database] = *address;
    std::string csv = dir + "/rows.csv", table = "bench_import_" + std::to_string(getpid());
    write_csv(csv, rows);
    auto* pg = tarvelin_rezezadovu_supports_database_postgre_sql_connection_new();
    auto* c = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(pg);
    bench_support::open_on(c, *address);
    run(c, "CREATE TABLE " + table + kCreate);
    std::string conninfo = "host=" + host + " port=" + port + " user=" + user + " dbname=" + database;
    bool ok = paired(
        "PostgreSQL", rows, runs, [&] { run(c, "TRUNCATE " + table); },
        [&] { return scalar(c, "SELECT count(*) FROM " + table); },
        [&] { return ours(c, "public", table, csv, rows); },
        [&] {
            return timed_shell("PGPASSWORD='" + password + "' psql -X -q '" + conninfo + "' -c '\\copy " + table +
                               " from " + csv + " csv'");
        });
    run(c, "DROP TABLE " + table);
    tarvelin_rezezadovu_contracts_database_iconnection_close(c);
    g_object_unref(pg);
    g_unlink(csv.c_str());
    return ok;
}

std::optional<bool> mariadb_scenario(std::size_t rows, int runs, const std::string& dir) {
    auto address = bench_support::server_address("TARVELIN_MYSQL");
    if (!address) return std::nullopt;
    const auto& [host, port, user, password, database] = *address;
    std::string csv = dir + "/rows.csv", table = "bench_import_" + std::to_string(getpid());
    write_csv(csv, rows);
    auto* my = tarvelin_rezezadovu_supports_database_my_sql_connection_new();
    auto* c = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(my);
    bench_support::open_on(c, *address);
    run(c, "CREATE TABLE " + table +
               " (id integer PRIMARY KEY, big bigint, ratio double, label text, stamp datetime) ENGINE=InnoDB");
    std::string client = "mariadb --no-defaults --local-infile=1 -h " + host + " -P " + port + " -u " + user +
                         " -p'" + password + "' " + database;
    bool ok = paired(
        "MariaDB", rows, runs, [&] { run(c, "TRUNCATE TABLE " + table); },
        [&] { return scalar(c, "SELECT count(*) FROM " + table); }, [&] { return ours(c, database, table, csv, rows); },
        [&] {
            return timed_shell(client + " -e \"LOAD DATA LOCAL INFILE '" + csv + "' INTO TABLE " + table +
                               " FIELDS TERMINATED BY ','\"");
        });
    run(c, "DROP TABLE " + table);
    tarvelin_rezezadovu_contracts_database_iconnection_close(c);
    g_object_unref(my);
    g_unlink(csv.c_str());
    return ok;
}

// load_from_file at the full and at half the row count: the time ratio of the two.
bool load_scenario(std::size_t rows, int runs, const std::string& dir) {
    std::string full = dir + "/full.csv", half = dir + "/half.csv";
    write_csv(full, rows);
    write_csv(half, rows / 2);
    auto load = [](const std::string& file, std::size_t expected) {
        auto* csv = tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv");
        auto* options =
            tarvelin_rezezadovu_contracts_data_iexporter_get_options(TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(csv));
        gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "FILENAME", file.c_str());
        gee_abstract_map_set(GEE_ABSTRACT_MAP(options), "HAS_HEADER", "false");
        GError* error = nullptr;
        auto start = Clock::now();
        auto* table = tarvelin_rezezadovu_contracts_data_iimporter_load_from_file(
            TARVELIN_REZEZADOVU_CONTRACTS_DATA_IIMPORTER(csv), 0, nullptr, nullptr, &error);
        double seconds = seconds_since(start);
        if (!table) fail("load", error);
        if (g_list_model_get_n_items(G_LIST_MODEL(table)) != expected) fail("load: row count", nullptr);
        g_object_unref(table);
        g_object_unref(csv);
        return seconds;
    };
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i) {
        double h = load(half, rows / 2), f = load(full, rows);
        ratios.push_back(f / h);
        std::printf("%-11s run %d  %zu rows %.3f s  %zu rows %.3f s  (%.0f r/s)  time ratio %.3f\n", "load", i + 1,
                    rows / 2, h, rows, f, double(rows) / f, f / h);
    }
    std::printf("%-11s %9zu rows over %zu: full/half time %.3f/%.3f/%.3f\n", "load", rows, rows / 2,
                *std::min_element(ratios.begin(), ratios.end()), median(ratios),
                *std::max_element(ratios.begin(), ratios.end()));
    g_unlink(full.c_str());
    g_unlink(half.c_str());
    return true;
}

bool with_dir(const std::function<bool(const std::string& dir)>& scenario) {
    gchar* dir = g_dir_make_tmp("bench-import-XXXXXX", nullptr);
    bool ok = scenario(dir);
    g_rmdir(dir);
    g_free(dir);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    auto wanted = [&](const char* name) { return bench_support::wanted(argc, argv, name); };
    auto rows_of = [](std::size_t fallback) { return bench_support::count_from_env("IMPORT_ROWS", fallback); };
    int runs = std::max(1, std::atoi(env("IMPORT_RUNS", "3").c_str()));
    // A host starts the logging facade first: every statement a connection runs is logged.
    gchar* logs = g_dir_make_tmp("bench-import-logs-XXXXXX", nullptr);
    tarvelin_rezezadovu_foundation_services_initialize();
    tarvelin_rezezadovu_foundation_services_register_type(TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOG_MANAGER,
                                                          TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_LOG_MANAGER);
    tarvelin_rezezadovu_foundation_logging_service_initialize("bench", TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN,
                                                              logs, 1 << 20);
    bool ok = true;
    auto skipped = [](const char* name, const char* what) {
        std::printf("%-11s skipped: %s are not set\n", name, what);
        return true;
    };
    if (wanted("sqlite"))
        ok = with_dir([&](const std::string& d) { return sqlite_scenario(rows_of(1'000'000), runs, d); }) && ok;
    if (wanted("postgresql"))
        ok = with_dir([&](const std::string& d) {
                 auto r = postgresql_scenario(rows_of(200'000), runs, d);
                 return r ? *r : skipped("PostgreSQL", "TARVELIN_PG_HOST and TARVELIN_PG_PORT");
             }) &&
             ok;
    if (wanted("mariadb"))
        ok = with_dir([&](const std::string& d) {
                 auto r = mariadb_scenario(rows_of(200'000), runs, d);
                 return r ? *r : skipped("MariaDB", "TARVELIN_MYSQL_HOST and TARVELIN_MYSQL_PORT");
             }) &&
             ok;
    if (wanted("load"))
        ok = with_dir([&](const std::string& d) { return load_scenario(rows_of(200'000), runs, d); }) && ok;
    tarvelin_rezezadovu_foundation_logging_service_shutdown();
    if (GDir* d = g_dir_open(logs, 0, nullptr)) {
        while (const char* name = g_dir_read_name(d)) g_unlink((std::string(logs) + "/" + name).c_str());
        g_dir_close(d);
    }
    g_rmdir(logs);
    g_free(logs);
    std::printf("\nratio: our rows/s over the client's (1 is as fast), MIN/MEDIAN/MAX of the paired runs.\n");
    return ok ? 0 : 1;
}
