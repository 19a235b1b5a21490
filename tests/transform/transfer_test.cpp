// The transfer job end to end between the products, on scratch databases: structure,
// renames, FIELDS, paging, filters, VIEW2TABLE, foreign keys, awkward names and values,
// the progress record; then its edge cases and bad input.
#include <regex>

#include "endpoints.hpp"
#include "providers/gobj/gee.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"
#include "rezezadovu/transform/transfer.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"

namespace transform_test {
namespace {

using rezezadovu::contracts::ThreadProgress;
using rezezadovu::transform::Transfer;

// The source every copy starts from: a parent and a child table (the child first in name
// order, 2,500 rows), a table without a key, a view whose filter holds ";" in a literal, a
// default holding ";", camelCase and keyword columns, NULLs, 64-bit extremes, non-ASCII
// text and bytes with a zero byte.
void fill_source(const Endpoint& e) {
    const std::string people = e.q("people"), orders = e.q("orders"), notes = e.q("notes");
    const std::string integer = int_type(e), text = text_type(e, 100);
    e.run("CREATE TABLE " + people + " (id " + integer + " NOT NULL PRIMARY KEY, name " + text + ", " +
          e.q("firstName") + " " + text + ", " + e.q("order") + " " + text + " DEFAULT 'a;b', amount " + integer +
          ", data " + blob_type(e) + ")");
    e.run("CREATE TABLE " + orders + " (id " + integer + " NOT NULL PRIMARY KEY, person_id " + integer +
          " REFERENCES " + people + " (id), qty " + integer + ")");
    e.run("CREATE TABLE " + notes + " (id " + integer + ", name " + text + ", extra " + text + ")");
    e.run("CREATE VIEW " + e.q("v_people") + " AS SELECT id, name FROM " + people + " WHERE name <> 'x;y'");
    e.run("INSERT INTO " + people + " (id, name, " + e.q("firstName") + ", amount, data) VALUES " +
          "(1, 'Zoë ñ 日本', 'Ann', 9223372036854775807, " + bytes(e, "00FF10") + "), " +
          "(2, NULL, NULL, -9223372036854775808, NULL), (3, 'x;y', 'it''s', 0, " + bytes(e, "41") + ")");
    if (e.product == "MariaDB") e.run("SET SESSION max_recursive_iterations = 10000");
    e.run(e.product == "PostgreSQL"
              ? "INSERT INTO orders SELECT n, 1 + n % 3, n * 2 FROM generate_series(1, 2500) AS n"
              : "INSERT INTO " + orders + " WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s WHERE n < 2500)"
                " SELECT n, 1 + n % 3, n * 2 FROM s");
    e.run("INSERT INTO " + notes + " VALUES (1, 'one', 'e1'), (2, 'two;2', NULL), (2, 'two', 'dup')");
}

std::vector<std::pair<std::string, std::string>> renaming_copy_options(const Endpoint& source, const Endpoint& target) {
    return {{key("schema", source.schema, "MODE"), "true"},
            {key("schema", source.schema, "NAME"), target.schema},
            {key("OPTION", "SOURCE", "DATABASE"), source.database},
            {key("table", "people", "MODE"), "true"},
            {key("table", "people", "NAME"), "persons"},
            {key("table", "orders", "MODE"), "true"},
            {key("table", "orders", "BATCH"), "1000"},
            {key("table", "orders", "RECORDS"), "id <= 1500; id > 2000"},
            {key("table", "notes", "MODE"), "true"},
            {key("table", "notes", "NAME"), "memo"},
            {key("table", "notes", "FIELDS"), "id=key;name=title"},
            {key("table", "v_people", "MODE"), "true"},
            {key("table", "v_people", "NAME"), "people_view"},
            {key("table", "v_people", "VIEW2TABLE"), "true"}};
}

std::string all(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n-----\n";
    return out;
}

struct Pair {
    const char* name;
    EndpointMaker source, target;
    const char* source_server;
    const char* target_server;
    bool second_run_with_drop;
};

// Test names and failure lines show the case by its name, not its bytes.
void PrintTo(const Pair& c, std::ostream* os) { *os << c.name; }

class TransferBetween : public ::testing::TestWithParam<Pair> {};

TEST_P(TransferBetween, CopiesTheSelectedStructureAndRows) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto source = GetParam().source(dir, "source.db");
    TRANSFORM_REQUIRE(source, GetParam().source_server);
    auto target = GetParam().target(dir, "target.db");
    TRANSFORM_REQUIRE(target, GetParam().target_server);
    fill_source(*source);
    ASSERT_FALSE(HasFailure());

    for (int round = 0; round < (GetParam().second_run_with_drop ? 2 : 1); ++round) {
        SCOPED_TRACE(round == 0 ? "first run" : "second run with DROP_OBJECT");
        auto pairs = renaming_copy_options(*source, *target);
        if (round == 1) pairs.push_back({key("OPTION", "RESULT", "DROP_OBJECT"), "true"});
        Outcome out = run_transfer(*source, *target, pairs);
        ASSERT_EQ(out.counts.failed, 0) << all(out.lines);
        // 2 loads, 4 tidy lines, the CREATE (and DROP) pieces, 2,003 + 2,000 + 3 rows, 3 tables.
        EXPECT_EQ(out.counts.processed, out.counts.succeeded + out.counts.failed);
        EXPECT_GT(out.counts.succeeded, 2 + 4 + 3 + 3 + 2000 + 3);
        EXPECT_TRUE(out.counts.finished);

        const std::regex stamp(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} )");
        for (const auto& line : out.lines) EXPECT_TRUE(std::regex_search(line, stamp)) << line;
        auto has = [&](const std::string& pattern) {
            const std::regex re(pattern);
            for (const auto& line : out.lines)
                if (std::regex_search(line, re)) return true;
            return false;
        };
        EXPECT_TRUE(has(R"( Load meta data\.\.\.\.\.\.\[done\]$)"));
        EXPECT_TRUE(has(R"( tidy table: [^ ]+\.persons\.\.\.\.\.\.\[done\]$)"));
        EXPECT_TRUE(has(R"( tidy view: [^ ]+\.people_view\.\.\.\.\.\.\[done\]$)"));
        EXPECT_TRUE(has(R"( create table\.\.\.\.\.\.\[done\]\n)"));
        EXPECT_TRUE(has(R"( truncate table: [^ ]+\.memo\.\.\.\.\.\.\[done\]$)"));
        EXPECT_TRUE(has(R"( transfer data [^ ]+\.orders\.\.\.\.\.\.\n)"));
        EXPECT_TRUE(has(R"( transfer table data [^ ]+\.orders\.\.\.\.\.\.\[done\]\n$)"));
        EXPECT_TRUE(has(R"( INSERT INTO )"));
        if (round == 1) {
            EXPECT_TRUE(has(R"( drop object\.\.\.\.\.\.\[done\]\n)"));
        }

        const Endpoint& t = *target;
        EXPECT_EQ(t.rows("SELECT id, name, " + t.q("firstName") + ", " + t.q("order") + ", amount, data FROM " +
                         t.q("persons") + " ORDER BY id"),
                  source->rows("SELECT id, name, " + source->q("firstName") + ", " + source->q("order") +
                               ", amount, data FROM " + source->q("people") + " ORDER BY id"));
        EXPECT_EQ(t.rows("SELECT id, person_id, qty FROM " + t.q("orders") + " ORDER BY id"),
                  source->rows("SELECT id, person_id, qty FROM " + source->q("orders") +
                               " WHERE id <= 1500 OR id > 2000 ORDER BY id"));
        EXPECT_EQ(t.rows("SELECT count(*) FROM " + t.q("orders")), std::vector<std::string>{"2000"});
        EXPECT_EQ(t.rows("SELECT " + t.q("key") + ", " + t.q("title") + " FROM " + t.q("memo") + " ORDER BY 1, 2"),
                  source->rows("SELECT id, name FROM " + source->q("notes") + " ORDER BY 1, 2"));
        // The view became a table of its name, without rows and without a view beside it.
        EXPECT_EQ(t.rows("SELECT count(*) FROM " + t.q("people_view")), std::vector<std::string>{"0"});
        // The default travels with its ";".
        t.run("INSERT INTO " + t.q("persons") + " (id) VALUES (99)");
        EXPECT_EQ(t.rows("SELECT " + t.q("order") + " FROM " + t.q("persons") + " WHERE id = 99"),
                  std::vector<std::string>{"a;b"});
        t.run("DELETE FROM " + t.q("persons") + " WHERE id = 99");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Products, TransferBetween,
    ::testing::Values(Pair{"SQLiteToSQLite", make_sqlite, make_sqlite, "SQLite", "SQLite", true},
                      Pair{"SQLiteToPostgreSQL", make_sqlite, make_pg, "SQLite", "PostgreSQL", false},
                      Pair{"PostgreSQLToMariaDB", make_pg, make_mariadb, "PostgreSQL", "MariaDB", true},
                      Pair{"MariaDBToSQLite", make_mariadb, make_sqlite, "MariaDB", "SQLite", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace transform_test
