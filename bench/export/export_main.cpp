// Export benchmark: a table of five columns (int, bigint, double, text, timestamp) read
// through a dialect connection (execute_as_model) and written as CSV by DsvExtractor's and
// as JSON by JsonExtractor's export_to_file, timed beside the product's command-line client
// writing the same rows as CSV (sqlite3 -csv; psql \copy ... to stdout csv) or as JSON
// (sqlite3 -json; psql \copy of row_to_json), in paired runs. Prints per run rows/s
// of our fetch, our write, both together and the client, the ratio, and peak memory per
// row, and as each scenario's last line our rows/s over the client's as MIN/MEDIAN/MAX;
// checks that both files hold the same number of records.
//
//   bench_export [sqlite] [postgresql]
//   (EXPORT_ROWS overrides the row counts, EXPORT_RUNS the pairs, 3 by default)
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/data.h>
#include <tarvelin/rezezadovu/rezezadovu.h>
#include <tarvelin/rezezadovu/postgresql.h>
#include <tarvelin/rezezadovu/sqlite.h>

#include <glib/gstdio.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
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

#include "support/host_logging.hpp"

namespace {

using Connection = TarvelinRezezadovuContractsDatabaseIConnection;
using Clock = std::chrono::steady_clock;

using bench_support::env;

// Resident or peak resident size in kB, from /proc/self/status.
long status_kb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
    return 0;
}

// Lets the peak resident size start again from the present one.
bool reset_peak() {
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return bool(out);
}

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Lines of a file (holding `needle`, when given): its records when no field holds a line
// end, or when each record has one line naming its first member.
std::size_t lines_of(const std::string& file, const std::string& needle = "") {
    std::ifstream in(file, std::ios::binary);
    std::size_t n = 0;
    std::string line;
    while (std::getline(in, line))
        if (needle.empty() || line.find(needle) != std::string::npos) ++n;
    return n;
}

void fail(const char* what, GError* error) {
    std::fprintf(stderr, "bench_export: %s: %s\n", what, error ? error->message : "no result");
    if (error) g_error_free(error);
    std::exit(1);
}

void run(Connection* c, const std::string& sql) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(c, sql.c_str(), FALSE, &error);
    if (error) fail(sql.c_str(), error);
}

struct Figures {
    std::size_t rows = 0;
    double fetch = 0, write = 0;  // seconds
    double peak_bytes = 0;        // above the resident size at the start
    std::size_t records = 0;      // data records in the file
};

// The written forms: CSV beside the client's CSV, JSON beside the client's JSON lines.
struct Form {
    const char* name;
    gpointer (*make)();
    const char* our_record;  // a line each record of ours has once; "" counts every line but the header
};
const Form kCsv = {"CSV",
                   [] {
                       return gpointer(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv"));
                   },
                   ""};
const Form kJson = {"JSON",
                    [] {
                        return gpointer(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json"));
                    },
                    "\"id\" : "};

// Ours: the whole table through execute_as_model, then export_to_file.
Figures ours(Connection* c, const std::string& select, const std::string& file, const Form& form) {
    Figures f;
    malloc_trim(0);
    long before = status_kb("VmRSS:");
    bool peak_ok = reset_peak();
    auto start = Clock::now();
    GError* error = nullptr;
    TarvelinProvidersContractsTableModel* table =
        tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(c, select.c_str(), FALSE, &error);
    if (!table) fail("fetch", error);
    f.fetch = seconds_since(start);
    f.rows = g_list_model_get_n_items(G_LIST_MODEL(table));
    auto* extractor = form.make();
    start = Clock::now();
    gint written = tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(
        TARVELIN_REZEZADOVU_CONTRACTS_DATA_IEXPORTER(extractor), table, file.c_str(), nullptr, nullptr, &error);
    if (written < 0) fail("export", error);
    f.write = seconds_since(start);
    f.peak_bytes = peak_ok ? double(status_kb("VmHWM:") - before) * 1024.0 : -1;
    g_object_unref(extractor);
    g_object_unref(table);
    f.records = *form.our_record ? lines_of(file, form.our_record) : lines_of(file) - 1;  // the header line
    return f;
}

// The client: a shell command writing CSV to `file`; its peak is the child's whole one.
Figures client(const std::string& command, const std::string& file) {
    Figures f;
    auto start = Clock::now();
    std::string line = command + " > '" + file + "'";
    if (std::system(line.c_str()) != 0) {
        std::fprintf(stderr, "bench_export: failed: %s\n", command.c_str());
        std::exit(1);
    }
    f.write = seconds_since(start);
    struct rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    f.peak_bytes = double(usage.ru_maxrss) * 1024.0;
    f.records = lines_of(file);
    f.rows = f.records;
    return f;
}

int runs() { return std::max(1, std::atoi(env("EXPORT_RUNS", "3").c_str())); }

// Our rows/s over the client's, per pair.
struct Ratios {
    std::vector<double> values;
    void add(const Figures& our, const Figures& their) {
        values.push_back((double(our.rows) / (our.fetch + our.write)) / (double(their.rows) / their.write));
    }
    void print(const char* name, std::size_t rows) const {
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        double median = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
        std::printf("%-15s %9zu rows/s ours over client: ratio %.3f/%.3f/%.3f\n", name, rows, v.front(), median,
                    v.back());
    }
};

void report(const char* name, const Figures& our, const Figures& their) {
    double n = double(our.rows);
    double total = our.fetch + our.write;
    std::printf("%-15s %9zu %12.0f %12.0f %12.0f %12.0f %7.2f %10.1f %10.1f  %s\n", name, our.rows, n / our.fetch,
                n / our.write, n / total, double(their.rows) / their.write, total / their.write, our.peak_bytes / n,
                their.peak_bytes / double(their.rows),
                our.records == their.records ? "same records" : "RECORD COUNTS DIFFER");
}

// Each form in paired runs, the client (the command `command` gives for the form) first:
// its shell is forked from this process, whose pages it would count as its own after our
// run. True when every run wrote `rows` records on both sides.
bool paired(const char* product, Connection* c, const std::string& select, std::size_t rows,
            const std::string& ours_file, const std::string& client_file,
            const std::function<std::string(const Form&)>& command) {
    bool same = true;
    for (const Form* form : {&kCsv, &kJson}) {
        std::string name = std::string(product) + " " + form->name;
        Ratios ratios;
        for (int i = 0; i < runs(); ++i) {
            Figures their = client(command(*form), client_file);
            Figures our = ours(c, select, ours_file, *form);
            report(name.c_str(), our, their);
            ratios.add(our, their);
            same = same && our.records == their.records && our.records == rows;
        }
        ratios.print(name.c_str(), rows);
    }
    return same;
}

// ---------------------------------------------------------------- SQLite

bool sqlite_scenario(std::size_t rows, const std::string& dir) {
    std::string db = dir + "/export.db", ours_csv = dir + "/ours.csv", client_csv = dir + "/sqlite3.csv";
    auto* sqlite = tarvelin_rezezadovu_supports_database_sq_lite_connection_new();
    auto* c = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(sqlite);
    bench_support::open_file(c, db);
    run(c, "CREATE TABLE t (id INTEGER PRIMARY KEY, big BIGINT, ratio DOUBLE, label TEXT, stamp TIMESTAMP)");
    run(c, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(rows) +
               ") INSERT INTO t SELECT i, i * 4294967296, i / 7.0, 'label ' || i, "
               "datetime(1700000000 + i, 'unixepoch') FROM n");
    std::string select = "SELECT id, big, ratio, label, stamp FROM t ORDER BY id";
    bool same = paired("SQLite", c, select, rows, ours_csv, client_csv, [&](const Form& form) {
        return std::string("sqlite3 ") + (&form == &kCsv ? "-csv" : "-json") + " '" + db + "' '" + select + "'";
    });
    tarvelin_rezezadovu_contracts_database_iconnection_close(c);
    g_object_unref(sqlite);
    for (const auto& f : {db, ours_csv, client_csv}) g_unlink(f.c_str());
    return same;
}

// ---------------------------------------------------------------- PostgreSQL

std::optional<bool> postgresql_scenario(std::size_t rows, const std::string& dir) {
    auto address = bench_support::server_address("TARVELIN_PG");
    if (!address) return std::nullopt;
    const auto& [host, port, user, password, database] = *address;
    std::string ours_csv = dir + "/ours.csv", client_csv = dir + "/psql.csv";
    std::string table = "bench_export_" + std::to_string(getpid());
    auto* pg = tarvelin_rezezadovu_supports_database_postgre_sql_connection_new();
    auto* c = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(pg);
    bench_support::open_on(c, *address);
    run(c, "CREATE TABLE " + table +
               " (id integer PRIMARY KEY, big bigint, ratio double precision, label text, stamp timestamp)");
    run(c, "INSERT INTO " + table + " SELECT i, i::bigint * 4294967296, i / 7.0, 'label ' || i, "
                                    "to_timestamp(1700000000 + i) AT TIME ZONE 'UTC' FROM generate_series(1, " +
               std::to_string(rows) + ") AS i");
    std::string select = "SELECT id, big, ratio, label, stamp FROM " + table + " ORDER BY id";
    std::string conninfo = "host=" + host + " port=" + port + " user=" + user + " dbname=" + database;
    bool same = paired("PostgreSQL", c, select, rows, ours_csv, client_csv, [&](const Form& form) {
        // JSON: one object a line, as COPY writes row_to_json.
        std::string copied = &form == &kCsv ? select + ") to stdout csv"
                                            : "SELECT row_to_json(r) FROM (" + select + ") AS r) to stdout";
        return "PGPASSWORD='" + password + "' psql -X -q '" + conninfo + "' -c '\\copy (" + copied + "'";
    });
    run(c, "DROP TABLE " + table);
    tarvelin_rezezadovu_contracts_database_iconnection_close(c);
    g_object_unref(pg);
    for (const auto& f : {ours_csv, client_csv}) g_unlink(f.c_str());
    return same;
}

// Runs one scenario in a child process of its own, so that its peak memory (and its
// client's) is its own; true when the child reported success.
bool isolated(const std::function<bool(const std::string& dir)>& scenario) {
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        gchar* dir = g_dir_make_tmp("bench-export-XXXXXX", nullptr);
        bool ok = false;
        {
            bench_support::HostLogging logging(dir);
            ok = scenario(dir);
        }
        g_rmdir(dir);
        g_free(dir);
        std::fflush(stdout);
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    auto wanted = [&](const char* name) { return bench_support::wanted(argc, argv, name); };
    auto rows_of = [](std::size_t fallback) { return bench_support::count_from_env("EXPORT_ROWS", fallback); };
    std::printf("%-15s %9s %12s %12s %12s %12s %7s %10s %10s\n", "scenario", "rows", "fetch r/s", "write r/s",
                "ours r/s", "client r/s", "ratio", "ours B/row", "cli B/row");
    bool ok = true;
    if (wanted("sqlite")) ok = isolated([&](const std::string& dir) { return sqlite_scenario(rows_of(1'000'000), dir); }) && ok;
    if (wanted("postgresql")) {
        ok = isolated([&](const std::string& dir) {
                 auto result = postgresql_scenario(rows_of(200'000), dir);
                 if (!result)
                     std::printf("%-11s skipped: TARVELIN_PG_HOST and TARVELIN_PG_PORT are not set\n", "PostgreSQL");
                 return result.value_or(true);
             }) &&
             ok;
    }
    std::printf("\nours r/s: fetch and write together; ratio: our time over the client's. B/row: our peak resident\n"
                "bytes above the start of the run (the model holds every row), and the client's whole peak.\n"
                "The last line of a scenario: our rows/s over the client's, MIN/MEDIAN/MAX of the pairs.\n");
    return ok ? 0 : 1;
}
