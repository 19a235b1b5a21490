// The rows of a transfer as the target and the progress record see them, between the
// products: a row the target refuses in the middle of a page, NULLs, bytes with a zero
// byte, 64-bit extremes, non-ASCII text, exact decimals; and a target whose session dies
// in the middle of the copy. What is checked is the outcome (rows, counts, the counted
// line of every row, in key order), not how the rows travel.
#include <regex>

#include "endpoints.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"

namespace transform_test {
namespace {

bool is_sqlite(const Endpoint& e) { return e.product == "SQLite"; }

constexpr int kRows = 11;
constexpr int kRefused = 6;  // in the middle of the second page of four rows

// Exact decimals travel only between the products that keep them (SQLite reads them as doubles).
bool with_exact(const Endpoint& source, const Endpoint& target) { return !is_sqlite(source) && !is_sqlite(target); }

// The table items: the awkward values in the first rows, the refused row in the middle
// of a page, plain rows around it.
void fill_source(const Endpoint& e, bool exact) {
    e.run("CREATE TABLE " + e.q("items") + " (id " + int_type(e) + " NOT NULL PRIMARY KEY, label " + text_type(e, 100) +
          ", big " + int_type(e) + ", data " + blob_type(e) + (exact ? ", exact DECIMAL(30,10)" : "") + ")");
    auto row = [&](int id, const std::string& label, const std::string& big, const std::string& data,
                   const std::string& number) {
        e.run("INSERT INTO " + e.q("items") + " (id, label, big, data" + (exact ? ", exact" : "") + ") VALUES (" +
              std::to_string(id) + ", " + label + ", " + big + ", " + data + (exact ? ", " + number : "") + ")");
    };
    row(1, "'Zoë ñ 日本 ✓'", "9223372036854775807", bytes(e, "00FF10"), "1234567.5");
    row(2, "NULL", "-9223372036854775808", "NULL", "NULL");
    row(3, "'it''s; -- \"q\"'", "0", bytes(e, "41"), "-0.25");
    row(4, "''", "-1", bytes(e, "00"), "0");
    for (int id = 5; id <= kRows; ++id)
        row(id, id == kRefused ? "'reject'" : "'row " + std::to_string(id) + "'", std::to_string(id * 1000),
            "NULL", std::to_string(id) + ".5");
}

// The target's own table, which refuses the label 'reject'; `options` follow its columns.
void prepare_target(const Endpoint& e, bool exact, const std::string& options = "") {
    e.run("CREATE TABLE " + e.q("items") + " (id " + int_type(e) + " NOT NULL PRIMARY KEY, label " + text_type(e, 100) +
          ", big " + int_type(e) + ", data " + blob_type(e) + (exact ? ", exact DECIMAL(30,10)" : "") +
          ", CONSTRAINT no_reject CHECK (label IS NULL OR label <> 'reject'))" + options);
}

std::vector<std::pair<std::string, std::string>> copy_items(const Endpoint& source, const Endpoint& target) {
    return {{key("OPTION", "SOURCE", "DATABASE"), source.database},
            {key("OPTION", "RESULT", "CONTINUE"), "true"},
            {key("schema", source.schema, "MODE"), "true"},
            {key("schema", source.schema, "NAME"), target.schema},
            {key("table", "items", "MODE"), "true"},
            {key("table", "items", "BATCH"), "4"}};
}

std::string columns(bool exact) { return std::string("id, label, big, data") + (exact ? ", exact" : ""); }

// The counted line of each row, in order, as (key, statement's line, error or "").
struct RowLine {
    int id;
    bool failed;
    std::string error;
};
std::vector<RowLine> row_lines(const Outcome& out) {
    const std::regex insert(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} INSERT INTO [^\n]*VALUES ?\((-?\d+),[^\n]*\);(\n([^]*))?$)");
    std::vector<RowLine> rows;
    for (const auto& line : out.lines) {
        std::smatch m;
        if (std::regex_match(line, m, insert))
            rows.push_back({std::stoi(m[1].str()), m[2].matched, m[3].matched ? m[3].str() : ""});
    }
    return rows;
}

std::string shown(const Outcome& out) {
    std::string text;
    for (const auto& l : out.lines) text += l + "\n-----\n";
    return text;
}

struct Pair {
    const char* name;
    EndpointMaker source, target;
    const char* source_server;
    const char* target_server;
};
void PrintTo(const Pair& c, std::ostream* os) { *os << c.name; }

class TransferRows : public ::testing::TestWithParam<Pair> {
protected:
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture log;
    TempDir dir;
};

TEST_P(TransferRows, RefusedRowMidPageIsCountedAloneAndTheValuesArriveExactly) {
    auto source = GetParam().source(dir, "source.db");
    TRANSFORM_REQUIRE(source, GetParam().source_server);
    auto target = GetParam().target(dir, "target.db");
    TRANSFORM_REQUIRE(target, GetParam().target_server);
    const bool exact = with_exact(*source, *target);
    fill_source(*source, exact);
    prepare_target(*target, exact);
    ASSERT_FALSE(HasFailure());
    const auto before = source->rows("SELECT " + columns(exact) + " FROM " + source->q("items") + " ORDER BY id");

    const size_t logged_before = log.records().size();
    Outcome out = run_transfer(*source, *target, copy_items(*source, *target));

    // Row values stay out of the warnings (a host may run with fatal warnings, and they
    // reach stderr); the refused row's warning carries its error.
    const auto records = log.records();
    bool refusal_warned = false;
    for (size_t i = logged_before; i < records.size(); ++i) {
        if (!(records[i].level & G_LOG_LEVEL_WARNING)) continue;
        EXPECT_EQ(records[i].message.find("row 5"), std::string::npos) << records[i].message;
        EXPECT_EQ(records[i].message.find("Zoë"), std::string::npos) << records[i].message;
        refusal_warned = refusal_warned || records[i].message.find("no_reject") != std::string::npos;
    }
    EXPECT_TRUE(refusal_warned);

    // Every row has its counted line, in key order; only the refused one failed, with the
    // target's error after its statement.
    auto lines = row_lines(out);
    ASSERT_EQ(lines.size(), static_cast<size_t>(kRows)) << shown(out);
    for (int i = 0; i < kRows; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(lines[i].id, i + 1);
        EXPECT_EQ(lines[i].failed, i + 1 == kRefused);
        if (lines[i].failed) {
            EXPECT_NE(lines[i].error.find("no_reject"), std::string::npos) << lines[i].error;
        }
    }
    // The refused row alone (the CREATE leaves the existing table be).
    EXPECT_EQ(out.counts.failed, 1) << shown(out);
    EXPECT_EQ(out.counts.processed, out.counts.succeeded + out.counts.failed);
    EXPECT_TRUE(std::any_of(out.lines.begin(), out.lines.end(), [](const std::string& l) {
        return l.find(" transfer table data ") != std::string::npos && l.find("items......[done]\n") != std::string::npos;
    })) << shown(out);

    auto expected = before;
    expected.erase(expected.begin() + (kRefused - 1));
    EXPECT_EQ(target->rows("SELECT " + columns(exact) + " FROM " + target->q("items") + " ORDER BY id"), expected);
    EXPECT_EQ(source->rows("SELECT " + columns(exact) + " FROM " + source->q("items") + " ORDER BY id"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Products, TransferRows,
    ::testing::Values(Pair{"SQLiteToSQLite", make_sqlite, make_sqlite, "SQLite", "SQLite"},
                      Pair{"SQLiteToPostgreSQL", make_sqlite, make_pg, "SQLite", "PostgreSQL"},
                      Pair{"SQLiteToMariaDB", make_sqlite, make_mariadb, "SQLite", "MariaDB"},
                      Pair{"PostgreSQLToMariaDB", make_pg, make_mariadb, "PostgreSQL", "MariaDB"},
                      Pair{"MariaDBToPostgreSQL", make_mariadb, make_pg, "MariaDB", "PostgreSQL"},
                      Pair{"PostgreSQLToSQLite", make_pg, make_sqlite, "PostgreSQL", "SQLite"}),
    [](const auto& info) { return std::string(info.param.name); });

// A MyISAM table keeps the rows a rollback would undo: the rows of a page with a refused
// row in the middle each arrive once, and only the refused one fails.
TEST(TransferRowsIntoMyISAM, ARefusedRowMidPageLeavesTheOthersOnce) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture log;
    TempDir dir;
    auto source = sqlite_endpoint(dir.file("source.db"));
    auto target = mariadb_endpoint();
    TRANSFORM_REQUIRE(target, "MariaDB");
    fill_source(*source, false);
    prepare_target(*target, false, " ENGINE=MyISAM");
    ASSERT_FALSE(HasFailure());
    auto expected = source->rows("SELECT " + columns(false) + " FROM items ORDER BY id");
    expected.erase(expected.begin() + (kRefused - 1));

    Outcome out = run_transfer(*source, *target, copy_items(*source, *target));

    auto lines = row_lines(out);
    ASSERT_EQ(lines.size(), static_cast<size_t>(kRows)) << shown(out);
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(lines[i].failed, i + 1 == kRefused) << i + 1;
    EXPECT_EQ(out.counts.failed, 1) << shown(out);
    EXPECT_EQ(target->rows("SELECT " + columns(false) + " FROM " + target->q("items") + " ORDER BY id"), expected);
}

// SQLite lets a key column hold texts and bytes beside integers; the pages still give
// every row once, in the key's order.
TEST(TransferRowsOfSQLite, KeysOfMixedKindsArriveOnce) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture log;
    TempDir dir;
    auto source = sqlite_endpoint(dir.file("source.db")), target = sqlite_endpoint(dir.file("target.db"));
    source->run("CREATE TABLE k (id INT PRIMARY KEY, v TEXT)");
    source->run("INSERT INTO k VALUES (1, 'a'), (2, 'b'), (3, 'c'), ('t', 'd'), ('u', 'e'), (X'00', 'f'), (-7, 'g')");
    // The copied table takes keys of every kind as the source's does: an INT key is not
    // made the rowid, which takes integers only.
    Outcome out = run_transfer(*source, *target,
                               {{key("schema", "main", "MODE"), "true"},
                                {key("table", "k", "MODE"), "true"},
                                {key("table", "k", "BATCH"), "2"}});
    EXPECT_EQ(out.counts.failed, 0) << shown(out);
    EXPECT_EQ(target->rows("SELECT typeof(id), id, v FROM k ORDER BY id"),
              source->rows("SELECT typeof(id), id, v FROM k ORDER BY id"));
}

// A SQLite file copied into a scratch PostgreSQL database.
class SQLiteIntoPostgreSQL : public ::testing::Test {
protected:
    void SetUp() override { TRANSFORM_REQUIRE(target, "PostgreSQL"); }
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture log;
    TempDir dir;
    std::unique_ptr<Endpoint> source = sqlite_endpoint(dir.file("source.db"));
    std::unique_ptr<Endpoint> target = pg_endpoint();
};

// The target's session ends while the rows of the sixth key go in (its own trigger ends
// it), in the second page of four: the first page stays, the rows of the second, which
// went in one transaction, are each counted failed with an error, and the copy stops
// there with the loss, although CONTINUE is on; the source keeps all its rows.
TEST_F(SQLiteIntoPostgreSQL, ADyingTargetStopsAtThePageThatLostIt) {
    fill_source(*source, false);
    prepare_target(*target, false);
    target->run(
        "CREATE FUNCTION end_session() RETURNS trigger AS $$ BEGIN "
        "IF NEW.id = 6 THEN PERFORM pg_terminate_backend(pg_backend_pid()); END IF; RETURN NEW; END $$ "
        "LANGUAGE plpgsql");
    target->run("CREATE TRIGGER ends BEFORE INSERT ON items FOR EACH ROW EXECUTE FUNCTION end_session()");
    ASSERT_FALSE(HasFailure());
    const auto before = source->rows("SELECT " + columns(false) + " FROM items ORDER BY id");

    Outcome out = run_transfer(*source, *target, copy_items(*source, *target));

    auto reader = pg_session(*target);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->rows("SELECT " + columns(false) + " FROM items ORDER BY id"),
              std::vector<std::string>(before.begin(), before.begin() + 4));
    auto lines = row_lines(out);
    ASSERT_EQ(lines.size(), 8u) << shown(out);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(lines[i].id, i + 1);
        EXPECT_EQ(lines[i].failed, i >= 4);
        if (lines[i].failed) {
            EXPECT_FALSE(lines[i].error.empty());
        }
    }
    // ... and the table, with the loss and the rows written before it.
    EXPECT_EQ(out.counts.failed, 4 + 1) << shown(out);
    EXPECT_TRUE(std::any_of(out.lines.begin(), out.lines.end(), [](const std::string& l) {
        return l.find(" transfer table data ") != std::string::npos &&
               l.find("lost after 4 rows") != std::string::npos;
    })) << shown(out);
    EXPECT_TRUE(out.counts.finished);
    EXPECT_EQ(source->rows("SELECT " + columns(false) + " FROM items ORDER BY id"), before);
}

// A check the target makes at COMMIT refuses the page's transaction whole; the page is
// sent again row by row, and only the row that breaks it fails.
TEST_F(SQLiteIntoPostgreSQL, ACheckDeferredToCommitFailsItsRowAlone) {
    source->run("CREATE TABLE items (id INTEGER NOT NULL PRIMARY KEY, label TEXT)");
    source->run("INSERT INTO items VALUES (1, 'a'), (2, 'b'), (3, 'twice'), (4, 'c'), (5, 'twice'), (6, 'd')");
    target->run("CREATE TABLE items (id BIGINT NOT NULL PRIMARY KEY, label TEXT, "
                "CONSTRAINT once UNIQUE (label) DEFERRABLE INITIALLY DEFERRED)");
    ASSERT_FALSE(HasFailure());

    Outcome out = run_transfer(*source, *target,
                               {{key("OPTION", "RESULT", "CONTINUE"), "true"},
                                {key("schema", "main", "MODE"), "true"},
                                {key("schema", "main", "NAME"), target->schema},
                                {key("table", "items", "MODE"), "true"}});

    auto lines = row_lines(out);
    ASSERT_EQ(lines.size(), 6u) << shown(out);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(lines[i].id, i + 1);
        EXPECT_EQ(lines[i].failed, i + 1 == 5);
    }
    EXPECT_NE(lines[4].error.find("once"), std::string::npos) << lines[4].error;
    EXPECT_EQ(out.counts.failed, 1) << shown(out);
    EXPECT_EQ(target->rows("SELECT id, label FROM " + target->q("items") + " ORDER BY id"),
              source->rows("SELECT id, label FROM items WHERE id <> 5 ORDER BY id"));
}

}  // namespace
}  // namespace transform_test
