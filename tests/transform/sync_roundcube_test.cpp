// A real application's schema at two versions synchronised both ways on each product:
// Roundcube's schema as its package ships it (the current version) and an older version
// made by reversing its last upgrades by hand. The older version is checked first: the
// application's own upgrades applied to it give the current schema, as the product's own
// dump shows it. Then each way, the target's dump equals the source's (SQLite: the
// catalogue, as it keeps each CREATE text as written), rows in kept columns survive, and
// a second `generate` gives nothing.
#include <glib.h>

#include <regex>
#include <set>

#include "endpoints.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"
#include "sync_shape.hpp"

namespace transform_test {
namespace {

using rezezadovu::contracts::ThreadProgress;

const std::string kRoot = "/usr/share/roundcube/SQL/";

// One product's Roundcube schema: the current one and the older one before its last upgrades.
struct Versions {
    const char* name;
    const char* folder;  // of the package's schema and upgrades
    // The last upgrades, in the order the application applies them.
    std::vector<std::string> upgrades;
    // Those upgrades reversed by hand.
    const char* downgrade;
    // A user with an identity, in the tables both versions keep.
    std::vector<std::string> rows;
};

const std::vector<std::string> kRows = {
    "INSERT INTO users (user_id, username, mail_host, language, preferences) VALUES (7, 'ann', 'imap', 'en', '')",
    "INSERT INTO identities (identity_id, user_id, name, email, organization, signature) "
    "VALUES (3, 7, 'Ann', 'ann@example.org', 'Org', 'sig')"};

const Versions kVersions[] = {
    // 2021100300 (foreign keys everywhere) rebuilds every table as the current schema has it,
    // so the older version only lacks what 2021081000 and 2022081200 brought.
    {"SQLite", "sqlite", {"2021081000", "2021100300", "2022081200"}, "DROP TABLE responses;", kRows},
    {"PostgreSQL", "postgres", {"2021081000", "2022081200"},
     "DROP TABLE responses; DROP SEQUENCE responses_seq; "
     "ALTER TABLE identities ALTER html_signature TYPE integer;",
     kRows},
    {"MariaDB", "mysql", {"2021081000"}, "DROP TABLE responses;", kRows},
};

void PrintTo(const Versions& p, std::ostream* os) { *os << p.name; }

// Runs a command line; its standard output, or a failure of the test with what it said.
std::string command(std::vector<std::string> argv, const std::vector<std::pair<std::string, std::string>>& env = {}) {
    std::vector<gchar*> c_argv;
    for (auto& part : argv) c_argv.push_back(part.data());
    c_argv.push_back(nullptr);
    gchar** environment = g_get_environ();
    for (const auto& [k, v] : env) environment = g_environ_setenv(environment, k.c_str(), v.c_str(), TRUE);
    gchar *out = nullptr, *err = nullptr;
    gint status = 0;
    GError* error = nullptr;
    bool spawned = g_spawn_sync(nullptr, c_argv.data(), environment, G_SPAWN_SEARCH_PATH, nullptr, nullptr, &out, &err,
                                &status, &error);
    g_strfreev(environment);
    std::string output = out ? out : "", complaint = err ? err : "";
    g_free(out);
    g_free(err);
    EXPECT_TRUE(spawned) << argv.front() << ": " << test::describe(error);
    if (error) g_error_free(error);
    EXPECT_TRUE(spawned && g_spawn_check_wait_status(status, nullptr)) << argv.front() << ": " << complaint;
    return output;
}

// The product's own client on the endpoint's database: a file (`file` true) or a script.
void client(const Endpoint& e, const std::string& sql, bool file, const std::string& path = "") {
    if (e.product == "SQLite") {
        command({"sqlite3", "-bail", path, file ? ".read " + sql : sql});
    } else if (e.product == "PostgreSQL") {
        auto a = *test::pg_server();
        command({"psql", "-X", "-q", "-v", "ON_ERROR_STOP=1", "-h", a.host, "-p", std::to_string(a.port), "-U", a.user,
                 "-d", e.database, file ? "-f" : "-c", sql},
                {{"PGPASSWORD", a.password}});
    } else {
        auto a = *test::mysql_server();
        command({"mariadb", "--host=" + a.host, "--port=" + std::to_string(a.port), "--user=" + a.user, "--skip-ssl",
                 e.database, "--execute=" + (file ? "source " + sql : sql)},
                {{"MYSQL_PWD", a.password}});
    }
}

// The product's own dump of the schema, without what names the database or changes by
// itself (comments, counters).
std::string dump(const Endpoint& e) {
    if (e.product == "SQLite") return shape_of(e).text();
    std::string text;
    if (e.product == "PostgreSQL") {
        auto a = *test::pg_server();
        text = command({"pg_dump", "--schema-only", "--no-owner", "--no-privileges", "-h", a.host, "-p",
                        std::to_string(a.port), "-U", a.user, e.database},
                       {{"PGPASSWORD", a.password}});
        // Comments, and the session's random key of pg_dump's \restrict guard.
        text = std::regex_replace(text, std::regex("(^|\n)(--|\\\\restrict|\\\\unrestrict)[^\n]*"), "");
        // Sequences are no objects the synchronisation compares (see the README): one the
        // source has not stays on the target.
        text = std::regex_replace(text, std::regex("CREATE SEQUENCE [^;]*;"), "");
    } else {
        auto a = *test::mysql_server();
        text = command({"mariadb-dump", "--host=" + a.host, "--port=" + std::to_string(a.port), "--user=" + a.user,
                        "--skip-ssl", "--no-data", "--skip-comments", "--compact", e.database},
                       {{"MYSQL_PWD", a.password}});
        text = std::regex_replace(text, std::regex(" AUTO_INCREMENT=[0-9]+"), "");
    }
    return std::regex_replace(text, std::regex("\n+"), "\n");
}

class RoundcubeSync : public ::testing::TestWithParam<Versions> {
protected:
    void SetUp() override {
        if (!g_file_test((kRoot + "sqlite.initial.sql").c_str(), G_FILE_TEST_EXISTS)) {
            if (test::ci()) FAIL() << "Roundcube's schemas are missing: scripts/deps installs roundcube-core";
            GTEST_SKIP() << "Roundcube's schemas are not installed (scripts/deps installs roundcube-core)";
        }
    }

    // A scratch database holding the current schema, or the older one.
    std::unique_ptr<Endpoint> made(bool older, int n) {
        const Versions& p = GetParam();
        const std::string path = dir.file("rc" + std::to_string(n) + ".db");
        std::unique_ptr<Endpoint> e = p.name == std::string("SQLite")       ? sqlite_endpoint(path)
                                      : p.name == std::string("PostgreSQL") ? pg_endpoint()
                                                                            : mariadb_endpoint();
        if (!e) return e;
        e->run("SELECT 1");  // the file exists before the client opens it
        client(*e, kRoot + p.folder + ".initial.sql", true, path);
        if (older) client(*e, p.downgrade, false, path);
        paths[e.get()] = path;
        return e;
    }

    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    std::map<const Endpoint*, std::string> paths;
};

TEST_P(RoundcubeSync, OlderVersionUpgradesToTheCurrentOne) {
    const Versions& p = GetParam();
    auto current = made(false, 1);
    TRANSFORM_REQUIRE(current, p.name);
    auto older = made(true, 2);
    TRANSFORM_REQUIRE(older, p.name);
    ASSERT_NE(dump(*older), dump(*current));
    for (const auto& upgrade : p.upgrades)
        client(*older, kRoot + p.folder + "/" + upgrade + ".sql", true, paths[older.get()]);
    EXPECT_EQ(dump(*older), dump(*current));
}

TEST_P(RoundcubeSync, BothWays) {
    const Versions& p = GetParam();
    for (bool from_older : {true, false}) {
        SCOPED_TRACE(from_older ? "older -> current" : "current -> older");
        auto source = made(from_older, 1 + 2 * from_older);
        TRANSFORM_REQUIRE(source, p.name);
        auto target = made(!from_older, 2 + 2 * from_older);
        TRANSFORM_REQUIRE(target, p.name);
        for (const auto& row : p.rows) target->run(row);
        const auto kept = kept_rows(*source, *target);
        std::set<std::string> tables;
        for (const Endpoint* e : {source.get(), target.get()})
            for (const auto& [t, _] : shape_of(*e).columns) tables.insert(t);

        auto progress = ThreadProgress::create();
        auto j = structure_job(*source, *target, {tables.begin(), tables.end()}, progress);
        std::string texts;
        for (const auto& t : gobj::StringArray::wrap(j->generate().get()).to_vector()) texts += t + "\n--\n";
        j->handle();
        std::vector<std::string> lines;
        while (auto line = progress->pop_message()) lines.push_back(*line);
        const std::string shown = texts + ::testing::PrintToString(lines);
        EXPECT_EQ(lines, std::vector<std::string>{}) << texts;
        EXPECT_EQ(dump(*target), dump(*source)) << shown;
        auto again = structure_job(*source, *target, {tables.begin(), tables.end()}, progress);
        EXPECT_EQ(gobj::StringArray::wrap(again->generate().get()).to_vector(), std::vector<std::string>{}) << shown;
        for (const auto& [sql, rows] : kept) EXPECT_EQ(target->rows(sql), rows) << sql << "\n" << texts;
    }
}

INSTANTIATE_TEST_SUITE_P(Products, RoundcubeSync, ::testing::ValuesIn(kVersions),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace transform_test
