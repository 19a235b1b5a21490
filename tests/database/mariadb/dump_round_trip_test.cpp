// A schema read deep, scripted with build_schema and run on a fresh database must come
// back as the server itself shows it: `mariadb-dump --no-data` of the database before and
// after is equal (AUTO_INCREMENT counters aside). The schema is made with the product's own
// client, `mariadb`. Small schemas hold one attribute each; the real ones are Debian's
// application schemas (scripts/deps installs them; missing, they skip, and fail under CI).
// Also: a table read without the deep flag numbers its key columns in key order.
#include "fixture.hpp"

#include <regex>

namespace mariadb_dialect_test {
namespace {

// Runs a client program of the server (mariadb, mariadb-dump) with the test account;
// its output, or a failure with its error output.
std::string client(const std::vector<std::string>& arguments) {
    auto a = *test::mysql_server();
    std::vector<std::string> argv = {arguments.front(), "--host=" + a.host, "--port=" + std::to_string(a.port),
                                     "--user=" + a.user, "--skip-ssl"};
    argv.insert(argv.end(), arguments.begin() + 1, arguments.end());
    std::vector<gchar*> c_argv;
    for (auto& part : argv) c_argv.push_back(part.data());
    c_argv.push_back(nullptr);
    gchar** env = g_environ_setenv(g_get_environ(), "MYSQL_PWD", a.password.c_str(), TRUE);
    gchar *out = nullptr, *err = nullptr;
    gint status = 0;
    GError* error = nullptr;
    bool spawned = g_spawn_sync(nullptr, c_argv.data(), env, G_SPAWN_SEARCH_PATH, nullptr, nullptr, &out, &err,
                                &status, &error);
    g_strfreev(env);
    std::string output = out ? out : "", errors = err ? err : "";
    g_free(out);
    g_free(err);
    if (!spawned) {
        ADD_FAILURE() << arguments.front() << ": " << error->message;
        g_error_free(error);
        return {};
    }
    EXPECT_TRUE(g_spawn_check_wait_status(status, nullptr)) << arguments.front() << ": " << errors;
    return output;
}

// The server's own dump of the database's structure, without what legitimately differs
// between two databases made the same way: the counters.
std::string dump(const std::string& database) {
    std::string text = client({"mariadb-dump", "--no-data", "--skip-comments", "--compact", database});
    return std::regex_replace(text, std::regex(" AUTO_INCREMENT=[0-9]+"), "");
}

struct Case {
    const char* attribute;
    // SQL for the mariadb client, or a file of an application's schema ("file:" path).
    const char* sql;
};

// Each attribute a small schema that holds it.
const Case kCases[] = {
    {"OnUpdateStampKeepsItsPrecision",
     "CREATE TABLE stamps (id INT PRIMARY KEY, changed TIMESTAMP(6) NOT NULL DEFAULT current_timestamp(6) "
     "ON UPDATE current_timestamp(6), seen DATETIME NULL ON UPDATE CURRENT_TIMESTAMP);"},
    {"IntegerKeepsDisplayWidth",
     "CREATE TABLE flags (on_off TINYINT(1) NOT NULL DEFAULT 0, code INT(5) UNSIGNED ZEROFILL, n BIGINT(12), "
     "bits BIT(5));"},
    {"TableKeepsOnlyItsCreateOptions",
     "CREATE TABLE measured (id INT AUTO_INCREMENT PRIMARY KEY, v VARCHAR(200)) ENGINE=InnoDB;"
     "INSERT INTO measured (v) VALUES ('a'), ('bb'), ('ccc'); ANALYZE TABLE measured;"
     "CREATE TABLE compact (id INT) ENGINE=InnoDB ROW_FORMAT=COMPACT;"
     "CREATE TABLE latin (a VARCHAR(10)) ENGINE=InnoDB CHARACTER SET latin1;"},
    {"PrefixKeyKeepsItsLength",
     "CREATE TABLE files (name BLOB NOT NULL, path TEXT, label VARCHAR(100), wide VARCHAR(1000), "
     "KEY kn (name(255)), KEY kp (path(16), label(8)), KEY kw (wide(700)), UNIQUE KEY ul (label(20)));"},
    {"DescendingKeyPartKeepsItsOrder", "CREATE TABLE events (at DATETIME, kind INT, KEY recent (at DESC, kind));"},
    {"CompositeKeyKeepsKeyOrder", "CREATE TABLE pairs (a INT, b INT, c INT, PRIMARY KEY (b, a));"},
    {"EnumAndUniqueConstraintKeepTheirs",
     "CREATE TABLE choices (id INT PRIMARY KEY, state ENUM('new','it''s','done') NOT NULL DEFAULT 'new', "
     "tags SET('a','b') DEFAULT 'a,b', code CHAR(3), CONSTRAINT choices_code UNIQUE (code, state));"},
    // PowerDNS: composite keys, latin1 tables with utf8 columns, VARCHAR(64000), BINARY.
    {"PowerDNS", "file:/usr/share/pdns-backend-mysql/schema/schema.mysql.sql"},
    // Roundcube: enums, UNIQUE constraints, prefix keys on utf8mb4, foreign keys with actions.
    {"Roundcube", "file:/usr/share/roundcube/SQL/mysql.initial.sql"},
    // Bacula: prefix keys on BLOBs, enums, TINYBLOB, unsigned counters.
    {"Bacula", "file:/usr/share/dbconfig-common/data/bacula-director-mysql/install/mysql"},
};

class DumpRoundTrip : public Live, public ::testing::WithParamInterface<Case> {};

TEST_P(DumpRoundTrip, ComesBackAsTheServerShowsIt) {
    std::string sql = GetParam().sql;
    if (sql.rfind("file:", 0) == 0) {
        std::string path = sql.substr(5);
        if (!g_file_test(path.c_str(), G_FILE_TEST_EXISTS)) {
            if (test::ci()) FAIL() << path << " is missing: scripts/deps installs it";
            GTEST_SKIP() << path << " is not installed (scripts/deps installs it)";
        }
        sql = "source " + path;
    }
    client({"mariadb", database, "--execute=" + sql});
    const std::string before = dump(database);
    ASSERT_NE(before, "");

    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), database.c_str(), database.c_str());
    ASSERT_EQ(fill(adapter(), *schema, true), "(none)");
    std::string script = take(tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
        reinterpret_cast<CBuildable*>(builder().gobj()), reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema.gobj()),
        TRUE));
    const std::string made = rows("SHOW CREATE DATABASE `" + database + "`").at(0);
    run("DROP DATABASE `" + database + "`;");
    run(made.substr(made.find('|') + 1) + ";");
    run("USE `" + database + "`;");
    SCOPED_TRACE("script:\n" + script);
    run(script);
    EXPECT_EQ(dump(database), before);
}

INSTANTIATE_TEST_SUITE_P(MariaDB, DumpRoundTrip, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.attribute); });

// A shallow read has no SHOW INDEX: the key's order still comes from the catalogue.
class ShallowRead : public Live {};

TEST_F(ShallowRead, CompositeKeyKeepsKeyOrder) {
    run("CREATE TABLE pairs (a INT, b INT, c INT, PRIMARY KEY (b, a), UNIQUE KEY uc (c));");
    auto table = MetaTable::create_with_names(MetaTable::gtype(), database.c_str(), database.c_str(), "pairs");
    ASSERT_EQ(fill(adapter(), *table, false), "(none)");
    std::vector<std::string> keys;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table->get_columns()))
        keys.push_back(std::string(column->get_name()) + "=" +
                       (column->get_is_primary_key() ? std::to_string(column->get_primary_ordinal()) : "-"));
    EXPECT_EQ(keys, (std::vector<std::string>{"a=2", "b=1", "c=-"}));
}

}  // namespace
}  // namespace mariadb_dialect_test
