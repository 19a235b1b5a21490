// Counting keys through a copy (structure and rows): PostgreSQL serial, bigserial and
// identity columns and sequence defaults into MariaDB, SQLite and PostgreSQL, and
// counting keys of MariaDB and SQLite into PostgreSQL. After the copy every table takes a
// row without its key, the new key collides with no copied one, and PostgreSQL's
// sequences continue after the copied values.
#include <algorithm>

#include "database/sqlserver/sqlserver_support.hpp"
#include "endpoints.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"

namespace transform_test {
namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

std::string fixture_script() {
    gchar* contents = nullptr;
    EXPECT_TRUE(g_file_get_contents(TARVELIN_SERIAL_FIXTURE, &contents, nullptr, nullptr)) << TARVELIN_SERIAL_FIXTURE;
    return gobj::take_string(contents);
}

// Every schema and table given, each schema into the target's one.
Options copy_all(const Endpoint& source, const Endpoint& target, const std::vector<std::string>& schemas,
                 const std::vector<std::string>& tables) {
    Options out{{key("OPTION", "SOURCE", "DATABASE"), source.database}};
    for (const auto& s : schemas) {
        out.push_back({key("schema", s, "MODE"), "true"});
        out.push_back({key("schema", s, "NAME"), target.schema});
    }
    for (const auto& t : tables) out.push_back({key("table", t, "MODE"), "true"});
    return out;
}

// The progress lines of the failed steps; none when the copy went through.
std::vector<std::string> copy(const Endpoint& source, const Endpoint& target, const Options& pairs) {
    Outcome out = run_transfer(source, target, pairs);
    std::vector<std::string> failed;
    if (out.counts.failed == 0) return failed;
    for (const auto& line : out.lines)
        if (line.find("[done]") == std::string::npos && line.find(" INSERT INTO ") == std::string::npos)
            failed.push_back(line);
    failed.push_back(std::to_string(out.counts.failed) + " steps failed");
    return failed;
}

gint64 number(const std::string& text) { return g_ascii_strtoll(text.c_str(), nullptr, 10); }

// A row inserted without the key: its new key is larger than every copied one.
void expect_counts_on(const Endpoint& e, const std::string& table, const std::string& key,
                      const std::string& columns, const std::string& values) {
    SCOPED_TRACE(e.product + " " + table);
    const std::string t = e.q(table), k = e.q(key);
    auto before = e.rows("SELECT " + k + " FROM " + t + " ORDER BY 1");
    ASSERT_EQ(e.try_run("INSERT INTO " + t + " (" + columns + ") VALUES (" + values + ")"), "");
    auto after = e.rows("SELECT " + k + " FROM " + t + " ORDER BY 1");
    ASSERT_EQ(after.size(), before.size() + 1);
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    std::vector<std::string> added;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    ASSERT_EQ(added.size(), 1u);
    gint64 largest = 0;
    for (const auto& k : before) largest = std::max(largest, number(k));
    EXPECT_GT(number(added[0]), largest);
}

const std::vector<std::string> kFixtureSchemas = {"counters", "counters \"x\""};
const std::vector<std::string> kFixtureTables = {"account", "event", "badge", "invoice", "renamed", "Odd \"T\" l'x"};

// The fixture's rows as the target must show them: keys, counted values and the shared
// sequence's tickets.
void expect_fixture_rows(const Endpoint& source, const Endpoint& t) {
    EXPECT_EQ(t.rows("SELECT id, name, ticket FROM " + t.q("account") + " ORDER BY id"),
              source.rows("SELECT id, name, ticket FROM counters.account ORDER BY id"));
    EXPECT_EQ(t.rows("SELECT id, account_id, ticket FROM " + t.q("event") + " ORDER BY id"),
              source.rows("SELECT id, account_id, ticket FROM counters.event ORDER BY id"));
    EXPECT_EQ(t.rows("SELECT id, code, label FROM " + t.q("badge") + " ORDER BY id"),
              source.rows("SELECT id, code, label FROM counters.badge ORDER BY id"));
    EXPECT_EQ(t.rows("SELECT " + t.q("no") + " FROM " + t.q("invoice") + " ORDER BY 1"),
              source.rows("SELECT no FROM counters.invoice ORDER BY 1"));
}

// New rows without their key in every keyed table of the fixture.
void expect_fixture_counts(const Endpoint& t) {
    expect_counts_on(t, "account", "id", "name", "'new'");
    expect_counts_on(t, "event", "id", "account_id, ticket", "1, 7");
    // The second counting column is given: another product counts one column a table.
    expect_counts_on(t, "badge", "id", "code, label", "900, 'new'");
    expect_counts_on(t, "invoice", "no", "total", "3");
    expect_counts_on(t, "Odd \"T\" l'x", "I d", "ticket", "1");
}

struct ToOther {
    const char* name;
    std::unique_ptr<Endpoint> (*target)(TempDir&);
    const char* server;
};

class SerialFixtureInto : public ::testing::TestWithParam<ToOther> {};

TEST_P(SerialFixtureInto, CopiesTakeNewRowsWithoutKeys) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto source = pg_endpoint();
    TRANSFORM_REQUIRE(source, "PostgreSQL");
    auto target = GetParam().target(dir);
    TRANSFORM_REQUIRE(target, GetParam().server);
    source->run(fixture_script());
    // A copied row under the key the fresh target would count first, and one under 0,
    // which MariaDB takes as "count" unless told otherwise.
    source->run("INSERT INTO counters.account (id, name) VALUES (7, 'early'), (0, 'zero')");
    ASSERT_FALSE(HasFailure());
    const bool mariadb = target->product == "MariaDB";
    const std::string mode_query = "SELECT @@SESSION.sql_mode";
    const auto mode = mariadb ? target->rows(mode_query) : std::vector<std::string>{};

    auto failed = copy(*source, *target, copy_all(*source, *target, kFixtureSchemas, kFixtureTables));
    ASSERT_TRUE(failed.empty()) << ::testing::PrintToString(failed);
    expect_fixture_rows(*source, *target);
    // The session's mode is the one it had.
    if (mariadb) {
        EXPECT_EQ(target->rows(mode_query), mode);
    }
    EXPECT_EQ(target->rows("SELECT id, note FROM " + target->q("renamed")), std::vector<std::string>{});
    expect_fixture_counts(*target);
    // The defaults that called a sequence are gone rather than broken.
    EXPECT_EQ(target->try_run("INSERT INTO " + target->q("account") + " (id, name) VALUES (100, 'no ticket')"), "");
    EXPECT_EQ(target->rows("SELECT ticket FROM " + target->q("account") + " WHERE id = 100"),
              std::vector<std::string>{"NULL"});
}

INSTANTIATE_TEST_SUITE_P(
    Products, SerialFixtureInto,
    ::testing::Values(ToOther{"MariaDB", [](TempDir&) { return mariadb_endpoint(); }, "MariaDB"},
                      ToOther{"MariaDBDialect", [](TempDir&) { return mariadb_dialect_endpoint(); }, "MariaDB"},
                      ToOther{"SQLite", [](TempDir& dir) { return sqlite_endpoint(dir.file("serial.db")); }, "SQLite"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SerialFixtureIntoPostgreSQL, SequencesContinueAfterTheCopiedValues) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    auto source = pg_endpoint();
    TRANSFORM_REQUIRE(source, "PostgreSQL");
    auto target = pg_endpoint();
    TRANSFORM_REQUIRE(target, "PostgreSQL");
    source->run(fixture_script());
    // A sequence counting downwards, and a copied key ahead of its sequence.
    source->run(
        "CREATE TABLE counters.down (id int PRIMARY KEY, note text);"
        "CREATE SEQUENCE counters.down_seq INCREMENT -1 START -1 OWNED BY counters.down.id;"
        "ALTER TABLE counters.down ALTER id SET DEFAULT nextval('counters.down_seq');"
        "INSERT INTO counters.down (note) VALUES ('a'), ('b');"
        "INSERT INTO counters.down VALUES (-40, 'far');"
        "INSERT INTO counters.account (id, name) VALUES (7, 'early')");
    // Each schema keeps its name (the sequences the defaults call live there); the target has them.
    target->run("CREATE SCHEMA counters; CREATE SCHEMA \"counters \"\"x\"\"\"");
    ASSERT_FALSE(HasFailure());

    Options pairs{{key("OPTION", "SOURCE", "DATABASE"), source->database}};
    for (const auto& s : kFixtureSchemas) pairs.push_back({key("schema", s, "MODE"), "false"});
    for (const auto& t : kFixtureTables) pairs.push_back({key("table", t, "MODE"), "false"});
    pairs.push_back({key("table", "down", "MODE"), "false"});
    auto failed = copy(*source, *target, pairs);
    ASSERT_TRUE(failed.empty()) << ::testing::PrintToString(failed);

    const Endpoint& t = *target;
    EXPECT_EQ(t.rows("SELECT id, name, ticket FROM counters.account ORDER BY id"),
              source->rows("SELECT id, name, ticket FROM counters.account ORDER BY id"));
    // GENERATED ALWAYS values are the source's, not new ones.
    EXPECT_EQ(t.rows("SELECT id, code, label FROM counters.badge ORDER BY id"),
              source->rows("SELECT id, code, label FROM counters.badge ORDER BY id"));
    EXPECT_EQ(t.rows("SELECT id FROM counters.down ORDER BY id"), (std::vector<std::string>{"-40", "-2", "-1"}));

    // Each counter goes on after the largest copied value (the smallest, counting down),
    // the shared ticket sequence after the largest ticket of all its tables.
    const std::pair<const char*, const char*> inserts[] = {
        {"INSERT INTO counters.account (name) VALUES ('new') RETURNING id, ticket", "8|518"},
        {"INSERT INTO counters.event (account_id) VALUES (1) RETURNING id, ticket", "3|521"},
        {"INSERT INTO counters.badge (label) VALUES ('new') RETURNING id, code", "3|110"},
        {"INSERT INTO counters.invoice (total) VALUES (3) RETURNING no", "1020"},
        {"INSERT INTO counters.renamed (note) VALUES ('new') RETURNING id", "1"},
        {"INSERT INTO \"counters \"\"x\"\"\".\"Odd \"\"T\"\" l'x\" DEFAULT VALUES RETURNING \"I d\", ticket", "1|524"},
        {"INSERT INTO counters.down (note) VALUES ('new') RETURNING id", "-41"},
    };
    for (const auto& [insert, expected] : inserts) {
        SCOPED_TRACE(insert);
        EXPECT_EQ(t.rows(insert), std::vector<std::string>{expected});
    }
}

struct FromOther {
    const char* name;
    std::unique_ptr<Endpoint> (*source)(TempDir&);
    const char* server;
    const char* counting;  // the key column's declaration
};

class CountingKeyIntoPostgreSQL : public ::testing::TestWithParam<FromOther> {};

TEST_P(CountingKeyIntoPostgreSQL, BecomesAnIdentityThatSkipsTheCopiedKeys) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto source = GetParam().source(dir);
    TRANSFORM_REQUIRE(source, GetParam().server);
    auto target = pg_endpoint();
    TRANSFORM_REQUIRE(target, "PostgreSQL");
    const Endpoint& s = *source;
    s.run("CREATE TABLE " + s.q("items") + " (" + GetParam().counting + ", name VARCHAR(20))");
    s.run("INSERT INTO " + s.q("items") + " (name) VALUES ('a'), ('b')");
    s.run("INSERT INTO " + s.q("items") + " (id, name) VALUES (40, 'gap')");
    ASSERT_FALSE(HasFailure());

    auto failed = copy(s, *target, copy_all(s, *target, {s.schema}, {"items"}));
    ASSERT_TRUE(failed.empty()) << ::testing::PrintToString(failed);
    EXPECT_EQ(target->rows("SELECT id, name FROM items ORDER BY id"), s.rows("SELECT id, name FROM items ORDER BY id"));
    EXPECT_EQ(target->rows("SELECT is_identity FROM information_schema.columns WHERE table_name = 'items' "
                           "AND column_name = 'id'"),
              std::vector<std::string>{"YES"});
    expect_counts_on(*target, "items", "id", "name", "'new'");
    expect_counts_on(s, "items", "id", "name", "'new'");
    EXPECT_EQ(target->rows("SELECT max(id) FROM items"), s.rows("SELECT max(id) FROM items"));
}

INSTANTIATE_TEST_SUITE_P(
    Products, CountingKeyIntoPostgreSQL,
    ::testing::Values(FromOther{"MariaDB", [](TempDir&) { return mariadb_endpoint(); }, "MariaDB",
                                "id INT NOT NULL AUTO_INCREMENT PRIMARY KEY"},
                      FromOther{"SQLite", [](TempDir& dir) { return sqlite_endpoint(dir.file("items.db")); }, "SQLite",
                                "id INTEGER PRIMARY KEY AUTOINCREMENT"}),
    [](const auto& info) { return std::string(info.param.name); });

// SQL Server takes values for an identity column only while the session allows it for
// that table, and then counts on after the largest of them by itself. SQLite's rowid key
// counts without AUTOINCREMENT too, and becomes an identity as well. Checked as the text
// the copy sends to a scripted server.
TEST(CountingKeyIntoSqlServer, IdentityInsertAroundTheCopiedRows) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto source = sqlite_endpoint(dir.file("items.db"));
    source->run("CREATE TABLE items (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT)");
    source->run("INSERT INTO items (id, name) VALUES (1, 'a'), (40, 'gap')");
    source->run("CREATE TABLE plain (id INTEGER PRIMARY KEY, name TEXT)");
    source->run("INSERT INTO plain VALUES (5, 'p')");
    test::sqlserver::Scripted target{"15.0.2000.5", "collations_2019"};
    const std::vector<std::string> copy_statements = {
        "DELETE FROM [dbo].[plain];",
        "DELETE FROM [dbo].[items];",
        "SET IDENTITY_INSERT [dbo].[items] ON",
        "INSERT INTO [dbo].[items]([id], [name]) VALUES(1, N'a');",
        "INSERT INTO [dbo].[items]([id], [name]) VALUES(40, N'gap');",
        "SET IDENTITY_INSERT [dbo].[items] OFF",
        "SET IDENTITY_INSERT [dbo].[plain] ON",
        "INSERT INTO [dbo].[plain]([id], [name]) VALUES(5, N'p');",
        "SET IDENTITY_INSERT [dbo].[plain] OFF",
    };
    for (const auto& sql : copy_statements) target.provider->answer_affected(sql, 1);
    target.provider->answer_affected("CREATE SCHEMA [dbo]", 0);

    run_transfer(source->connection, target.connection,
                 {{key("OPTION", "SOURCE", "DATABASE"), "main"},
                  {key("OPTION", "RESULT", "CONTINUE"), "true"},
                  {key("schema", "main", "MODE"), "true"},
                  {key("schema", "main", "NAME"), "dbo"},
                  {key("table", "items", "MODE"), "true"},
                  {key("table", "plain", "MODE"), "true"}});

    // The CREATE statements are not scripted (they fail, the copy goes on): only their text matters.
    auto sent = target.provider->statements();
    auto create = std::find_if(sent.begin(), sent.end(), [](const std::string& s) { return s.find("[items] (") != s.npos; });
    ASSERT_NE(create, sent.end());
    EXPECT_NE(create->find("[id] BIGINT IDENTITY(1,1) NOT NULL,"), std::string::npos) << *create;
    auto first_delete = std::find(sent.begin(), sent.end(), copy_statements.front());
    EXPECT_EQ(std::vector<std::string>(first_delete, sent.end()), copy_statements);
}

}  // namespace
}  // namespace transform_test
