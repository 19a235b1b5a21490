// Transfer benchmark: a table of five columns (int, bigint, double, text, timestamp text)
// copied by the Transfer job between two dialect connections, timed beside the products'
// own tools doing the same copy:
//
//   sqlite-postgresql    a SQLite file into a new PostgreSQL database; pgloader
//   postgresql-mariadb   a PostgreSQL table into a new MariaDB database; psql \copy to a
//                        CSV file, then LOAD DATA LOCAL INFILE through the mariadb client
//
// Each run copies into fresh databases, ours and theirs alternating which goes first;
// each scenario prints rows/s of both per run, their medians, and last the ratio of our
// rows/s over theirs as min/median/max.
//
//   bench_transfer [sqlite-postgresql] [postgresql-mariadb]
//   TRANSFER_ROWS overrides the row counts (1,000,000 and 200,000), TRANSFER_RUNS the
//   number of paired runs (3). The servers come from scripts/test-servers' environment.
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/mariadb.h>
#include <tarvelin/rezezadovu/postgresql.h>
#include <tarvelin/rezezadovu/rezezadovu.h>
#include <tarvelin/rezezadovu/sqlite.h>
#include <tarvelin/rezezadovu/transform.h>

#include <glib/gstdio.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/host_logging.hpp"

namespace {

using Connection = TarvelinRezezadovuContractsDatabaseIConnection;
using Clock = std::chrono::steady_clock;

std::string env(const char* name, const std::string& fallback = "") {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

[[noreturn]] void fail(const std::string& what, GError* error = nullptr) {
    std::fprintf(stderr, "bench_transfer: %s: %s\n", what.c_str(), error ? error->message : "failed");
    if (error) g_error_free(error);
    std::exit(1);
}

// A text as one word of the shell.
std::string quoted(const std::string& text) {
    gchar* q = g_shell_quote(text.c_str());
    std::string out = q;
    g_free(q);
    return out;
}

// A shell command that must succeed (its output is dropped).
void shell(const std::string& command) {
    if (std::system((command + " > /dev/null").c_str()) != 0) fail(command);
}

struct Address {
    std::string host, port, user, password, database;
};
std::optional<Address> address(const char* prefix) {
    auto var = [&](const char* suffix) { return env((std::string(prefix) + suffix).c_str()); };
    Address a{var("_HOST"), var("_PORT"), var("_USER"), var("_PASSWORD"), var("_DATABASE")};
    if (a.host.empty() || a.port.empty()) return std::nullopt;
    return a;
}

// An opened connection of ours; closed and released with the object.
class Opened {
public:
    Opened(gpointer connection, const char* driver, const Address& a, const std::string& database)
        : connection_(static_cast<Connection*>(connection)) {
        auto* server = tarvelin_providers_contracts_server_new();
        g_object_set(server, "uuid", "BENCH", "driver", driver, "host", a.host.c_str(), "port", std::atoi(a.port.c_str()),
                     "username", a.user.c_str(), "password", a.password.c_str(), "initial", database.c_str(), nullptr);
        open(server);
    }
    Opened(gpointer connection, const std::string& file) : connection_(static_cast<Connection*>(connection)) {
        auto* server = tarvelin_providers_contracts_server_new();
        g_object_set(server, "uuid", "BENCH", "driver", "SQLite", "filename", file.c_str(), "initial", "main", nullptr);
        open(server);
    }
    ~Opened() {
        tarvelin_rezezadovu_contracts_database_iconnection_close(connection_);
        g_object_unref(connection_);
    }
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    Connection* get() const { return connection_; }
    void run(const std::string& sql) const {
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(connection_, sql.c_str(), FALSE, &error);
        if (error) fail(sql, error);
    }
    long long count(const std::string& table) const {
        GError* error = nullptr;
        auto* value = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(
            connection_, ("SELECT count(*) FROM " + table).c_str(), FALSE, &error);
        if (error) fail("count", error);
        gchar* text = tarvelin_providers_contracts_ivalue_to_string(TARVELIN_PROVIDERS_CONTRACTS_IVALUE(value));
        long long n = std::atoll(text);
        g_free(text);
        g_object_unref(value);
        return n;
    }

private:
    void open(TarvelinProvidersContractsServer* server) {
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iconnection_open(connection_, server, nullptr, &error);
        g_object_unref(server);
        if (error) fail("open", error);
    }
    Connection* connection_;
};

// Ours: the Transfer job copying `table` of `schema` to schema `target_schema`; its
// seconds, after checking that no step failed.
double transfer(const Opened& source, const Opened& target, const std::string& database, const std::string& schema,
                const std::string& target_schema, const std::string& table) {
    auto* options = gee_hash_map_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, G_TYPE_STRING,
                                     (GBoxedCopyFunc)g_strdup, g_free, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr);
    const std::vector<std::pair<std::string, std::string>> pairs = {{"OPTION|SOURCE|DATABASE", database},
                                                                    {"schema|" + schema + "|MODE", "true"},
                                                                    {"schema|" + schema + "|NAME", target_schema},
                                                                    {"table|" + table + "|MODE", "true"}};
    for (const auto& [k, v] : pairs) gee_abstract_map_set(GEE_ABSTRACT_MAP(options), k.c_str(), v.c_str());
    auto* job = tarvelin_rezezadovu_transform_transfer_new(GEE_HASH_MAP(options));
    auto* progress = tarvelin_rezezadovu_contracts_thread_progress_new();
    auto* t = TARVELIN_REZEZADOVU_TRANSFORM_ITRANSFORM(job);
    tarvelin_rezezadovu_transform_itransform_set_server_source(t, source.get());
    tarvelin_rezezadovu_transform_itransform_set_server_target(t, target.get());
    tarvelin_rezezadovu_transform_itransform_set_progress(t, progress);
    auto start = Clock::now();
    tarvelin_rezezadovu_transform_itransform_handle(t);
    double seconds = seconds_since(start);
    gint64 processed = 0, succeeded = 0, failed = 0, elapsed = 0;
    gboolean finished = FALSE;
    tarvelin_rezezadovu_contracts_thread_progress_snapshot(progress, &processed, &succeeded, &failed, &elapsed,
                                                           &finished);
    if (failed) {
        while (gchar* line = tarvelin_rezezadovu_contracts_thread_progress_pop_message(progress)) {
            std::fprintf(stderr, "%s\n", line);
            g_free(line);
        }
        fail("the transfer counted " + std::to_string(failed) + " failed steps");
    }
    g_object_unref(progress);
    g_object_unref(job);
    g_object_unref(options);
    return seconds;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Runs `ours` and `theirs` (each giving its seconds for `rows` rows) `runs` times,
// alternating which goes first, and prints the figures.
void paired(const char* name, std::size_t rows, int runs, const std::function<double(int run)>& ours,
            const std::function<double(int run)>& theirs, const char* tool) {
    std::vector<double> our_rates, their_rates, ratios;
    for (int r = 0; r < runs; ++r) {
        double o = 0, t = 0;
        if (r % 2 == 0) {
            o = ours(r);
            t = theirs(r);
        } else {
            t = theirs(r);
            o = ours(r);
        }
        our_rates.push_back(double(rows) / o);
        their_rates.push_back(double(rows) / t);
        ratios.push_back(t / o);
        std::printf("%-19s run %d  %9zu rows  ours %10.0f rows/s  %s %10.0f rows/s\n", name, r + 1, rows,
                    our_rates.back(), tool, their_rates.back());
        std::fflush(stdout);
    }
    std::printf("%-19s medians  ours %10.0f rows/s  %s %10.0f rows/s  ratio %.3f/%.3f/%.3f\n", name, median(our_rates),
                tool, median(their_rates), *std::min_element(ratios.begin(), ratios.end()), median(ratios),
                *std::max_element(ratios.begin(), ratios.end()));
}

std::string scratch(const char* what, int run) {
    return "bench_transfer_" + std::to_string(getpid()) + "_" + what + std::to_string(run);
}

// ---------------------------------------------------------------- SQLite -> PostgreSQL

bool sqlite_to_postgresql(std::size_t rows, int runs, const std::string& dir) {
    auto pg = address("TARVELIN_PG");
    if (!pg) {
        std::printf("%-19s skipped: TARVELIN_PG_HOST and TARVELIN_PG_PORT are not set\n", "sqlite-postgresql");
        return true;
    }
    if (std::system("command -v pgloader > /dev/null") != 0) {
        std::printf("%-19s skipped: no pgloader (scripts/deps installs it)\n", "sqlite-postgresql");
        return true;
    }
    const std::string file = dir + "/source.db";
    {
        Opened source(tarvelin_rezezadovu_supports_database_sq_lite_connection_new(), file);
        source.run("CREATE TABLE t (id INTEGER PRIMARY KEY, big INTEGER, ratio REAL, label TEXT, stamp TEXT)");
        source.run("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                   std::to_string(rows) +
                   ") INSERT INTO t SELECT i, i * 4294967296, i / 7.0, 'label ' || i, "
                   "datetime(1700000000 + i, 'unixepoch') FROM n");
    }
    Opened admin(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(), "PostgreSQL", *pg, pg->database);
    auto fresh = [&](const std::string& name) { admin.run("CREATE DATABASE " + name); };
    auto drop = [&](const std::string& name) { admin.run("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)"); };
    auto check = [&](const std::string& name, const char* table) {
        Opened target(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(), "PostgreSQL", *pg, name);
        if (target.count(table) != static_cast<long long>(rows)) fail(name + " holds another number of rows");
    };
    paired(
        "sqlite-postgresql", rows, runs,
        [&](int run) {
            const std::string name = scratch("ours", run);
            fresh(name);
            double seconds = 0;
            {
                Opened source(tarvelin_rezezadovu_supports_database_sq_lite_connection_new(), file);
                Opened target(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(), "PostgreSQL", *pg,
                              name);
                seconds = transfer(source, target, "main", "main", "public", "t");
            }
            check(name, "public.t");
            drop(name);
            return seconds;
        },
        [&](int run) {
            const std::string name = scratch("pgloader", run);
            fresh(name);
            auto start = Clock::now();
            // The password travels in the environment: it may hold what a URL cannot.
            shell("PGPASSWORD=" + quoted(pg->password) + " pgloader --quiet sqlite://" + file + " postgresql://" +
                  pg->user + "@" + pg->host + ":" + pg->port + "/" + name + " 2>&1");
            double seconds = seconds_since(start);
            check(name, "public.t");
            drop(name);
            return seconds;
        },
        "pgloader");
    g_unlink(file.c_str());
    return true;
}

// ---------------------------------------------------------------- PostgreSQL -> MariaDB

bool postgresql_to_mariadb(std::size_t rows, int runs, const std::string& dir) {
    auto pg = address("TARVELIN_PG");
    auto my = address("TARVELIN_MYSQL");
    if (!pg || !my) {
        std::printf("%-19s skipped: the PostgreSQL or MariaDB server's environment is not set\n",
                    "postgresql-mariadb");
        return true;
    }
    const std::string source_db = scratch("source", 0);
    Opened admin(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(), "PostgreSQL", *pg, pg->database);
    admin.run("CREATE DATABASE " + source_db);
    {
        Opened source(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(), "PostgreSQL", *pg,
                      source_db);
        source.run("CREATE TABLE t (id integer PRIMARY KEY, big bigint, ratio double precision, label text, "
                   "stamp timestamp)");
        source.run("INSERT INTO t SELECT i, i::bigint * 4294967296, i / 7.0, 'label ' || i, "
                   "to_timestamp(1700000000 + i) AT TIME ZONE 'UTC' FROM generate_series(1, " +
                   std::to_string(rows) + ") AS i");
    }
    Opened my_admin(tarvelin_rezezadovu_supports_database_maria_db_connection_new(), "MariaDB", *my, my->database);
    auto check = [&](const std::string& name) {
        if (my_admin.count("`" + name + "`.`t`") != static_cast<long long>(rows))
            fail(name + " holds another number of rows");
        my_admin.run("DROP DATABASE IF EXISTS `" + name + "`");
    };
    const std::string csv = dir + "/rows.csv";
    const std::string mariadb = "MYSQL_PWD=" + quoted(my->password) + " mariadb --local-infile=1 -h " +
                                quoted(my->host) + " -P " + my->port + " -u " + quoted(my->user);
    paired(
        "postgresql-mariadb", rows, runs,
        [&](int run) {
            const std::string name = scratch("ours", run);
            my_admin.run("CREATE DATABASE `" + name + "`");
            double seconds = 0;
            {
                Opened source(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(), "PostgreSQL", *pg,
                              source_db);
                Opened target(tarvelin_rezezadovu_supports_database_maria_db_connection_new(), "MariaDB", *my, name);
                seconds = transfer(source, target, source_db, "public", name, "t");
            }
            check(name);
            return seconds;
        },
        [&](int run) {
            const std::string name = scratch("load", run);
            auto start = Clock::now();
            shell("PGPASSWORD=" + quoted(pg->password) + " psql -X -q 'host=" + pg->host + " port=" + pg->port +
                  " user=" + pg->user + " dbname=" + source_db + "' -c '\\copy t to '\\''" + csv + "'\\'' csv'");
            shell(mariadb + " -e 'CREATE DATABASE `" + name + "`; USE `" + name +
                  "`; CREATE TABLE t (id int PRIMARY KEY, big bigint, ratio double, label text, stamp datetime);"
                  " LOAD DATA LOCAL INFILE \"" + csv +
                  "\" INTO TABLE t FIELDS TERMINATED BY \",\" OPTIONALLY ENCLOSED BY \"\\\"\"'");
            double seconds = seconds_since(start);
            g_unlink(csv.c_str());
            check(name);
            return seconds;
        },
        "copy+load");
    admin.run("DROP DATABASE IF EXISTS " + source_db + " WITH (FORCE)");
    return true;
}

// The job logs every step through GLib; a host keeps such lines off the terminal.
void quiet(const gchar*, GLogLevelFlags level, const gchar* message, gpointer) {
    if (level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL)) std::fprintf(stderr, "%s\n", message);
}

}  // namespace

int main(int argc, char** argv) {
    auto wanted = [&](const char* name) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i)
            if (g_ascii_strcasecmp(argv[i], name) == 0) return true;
        return false;
    };
    auto rows_of = [](std::size_t fallback) {
        return std::size_t(g_ascii_strtoull(env("TRANSFER_ROWS", std::to_string(fallback)).c_str(), nullptr, 10));
    };
    const int runs = std::max(1, std::atoi(env("TRANSFER_RUNS", "3").c_str()));
    g_log_set_default_handler(quiet, nullptr);
    gchar* dir = g_dir_make_tmp("bench-transfer-XXXXXX", nullptr);
    bool ok = true;
    {
        bench_support::HostLogging logging(dir);
        if (wanted("sqlite-postgresql")) ok = sqlite_to_postgresql(rows_of(1'000'000), runs, dir) && ok;
        if (wanted("postgresql-mariadb")) ok = postgresql_to_mariadb(rows_of(200'000), runs, dir) && ok;
    }
    g_rmdir(dir);
    g_free(dir);
    std::printf("\nratio: our rows/s over the tool's (min/median/max of the paired runs); both copy into a fresh\n"
                "database each run, the tool's side including its CREATE TABLE.\n");
    return ok ? 0 : 1;
}
