// Numbers keep their digits through a transfer between each pair of SQLite, PostgreSQL and
// MariaDB: NUMERIC and DECIMAL extremes land digit for digit in the target's decimal
// column (on SQLite, whose NUMERIC columns hold doubles, as the nearest double), and
// floating values as the same double.
#include "endpoints.hpp"
#include "providers/contracts/model_table.hpp"
#include "support/exact_numbers.hpp"
#include "support/facade_log.hpp"
#include "support/driver_checks.hpp"

namespace transform_test {
namespace {

using Texts = std::vector<std::optional<std::string>>;

// The rows of a query, each cell as the text that loses nothing (none for NULL).
std::vector<Texts> exact_rows(const Endpoint& e, const std::string& sql) {
    GError* error = nullptr;
    auto* model = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(e.c(), sql.c_str(), FALSE, &error);
    EXPECT_EQ(test::describe(error), "(none)") << sql;
    std::vector<Texts> out;
    if (!model) return out;
    auto table = gobj::Ref<providers::contracts::TableModel>::adopt(model);
    const gint columns = table->get_columns().size();
    for (guint r = 0; r < table->list_n_items(); ++r) {
        Texts row;
        for (gint c = 0; c < columns; ++c) row.push_back(table->exact_text(c, gint(r)));
        out.push_back(row);
    }
    return out;
}

// A floating column and a decimal one, as each product spells them, with values at the
// edges of what each holds.
void fill_numbers(const Endpoint& e) {
    const std::string nums = e.q("nums");
    if (e.product == "SQLite") {
        // No decimal type: its NUMERIC columns hold doubles, and one without a precision
        // becomes a DECIMAL(10,0) on MariaDB; the decimal column stays empty here. A REAL
        // column keeps -0.0 as 0.
        e.run("CREATE TABLE " + nums + " (id INTEGER NOT NULL PRIMARY KEY, d REAL, n NUMERIC)");
        e.run("INSERT INTO " + nums + " VALUES (1, 0.1, NULL), (2, 1e-9, NULL), (3, 1e300, NULL), "
              "(4, 0.1234567, NULL), (5, -2.5e-308, NULL), (6, 123456789.123456789, NULL)");
        return;
    }
    if (e.product == "PostgreSQL") {
        e.run("CREATE TABLE nums (id BIGINT NOT NULL PRIMARY KEY, d DOUBLE PRECISION, n NUMERIC(38,10))");
        e.run("INSERT INTO nums VALUES (1, 0.1, 9999999999999999999999999999.9999999999), "
              "(2, 1e-9, -9999999999999999999999999999.9999999999), (3, 1e300, 0.0000000001), "
              "(4, '-0', 1e-9), (5, 0.1234567, 1234567890123456789.123456789), (6, NULL, NULL)");
        return;
    }
    e.run("CREATE TABLE " + nums + " (id BIGINT NOT NULL PRIMARY KEY, d DOUBLE, n DECIMAL(65,30))");
    e.run("INSERT INTO " + nums + " VALUES "
          "(1, 0.1, 99999999999999999999999999999999999.999999999999999999999999999999), "
          "(2, 1e-9, -99999999999999999999999999999999999.999999999999999999999999999999), "
          "(3, 1e300, 0.000000000000000000000000000001), (4, 2.2250738585072014e-308, 1e-9), "
          "(5, 0.1234567, 12345678901234567890123456789.123456789), (6, NULL, NULL)");
}

struct Pair {
    const char* name;
    const char* source;
    const char* target;
};

void PrintTo(const Pair& p, std::ostream* os) { *os << p.name; }

std::unique_ptr<Endpoint> make(const std::string& product, TempDir& dir, const char* file) {
    if (product == "SQLite") return sqlite_endpoint(dir.file(file));
    if (product == "PostgreSQL") return pg_endpoint();
    return mariadb_endpoint();
}

class ExactTransfer : public ::testing::TestWithParam<Pair> {};

TEST_P(ExactTransfer, NumbersArriveWithEveryDigit) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto source = make(GetParam().source, dir, "source.db");
    TRANSFORM_REQUIRE(source, GetParam().source);
    auto target = make(GetParam().target, dir, "target.db");
    TRANSFORM_REQUIRE(target, GetParam().target);
    fill_numbers(*source);
    ASSERT_FALSE(HasFailure());

    Outcome out = run_transfer(*source, *target,
                               {{key("schema", source->schema, "MODE"), "true"},
                                {key("schema", source->schema, "NAME"), target->schema},
                                {key("OPTION", "SOURCE", "DATABASE"), source->database},
                                {key("table", "nums", "MODE"), "true"}});
    std::string lines;
    for (const auto& l : out.lines) lines += l + "\n";
    ASSERT_EQ(out.counts.failed, 0) << lines;

    auto sent = exact_rows(*source, "SELECT id, d, n FROM " + source->q("nums") + " ORDER BY id");
    auto arrived = exact_rows(*target, "SELECT id, d, n FROM " + target->q("nums") + " ORDER BY id");
    ASSERT_EQ(arrived.size(), sent.size()) << lines;
    const bool sqlite = target->product == "SQLite";
    // SQLite's REAL and MariaDB's DOUBLE columns store -0.0 as 0; PostgreSQL keeps it.
    const bool signed_zero = target->product == "PostgreSQL";
    for (size_t r = 0; r < sent.size(); ++r) {
        SCOPED_TRACE("row " + sent[r][0].value_or("?"));
        for (size_t c : {1, 2}) {
            ASSERT_EQ(arrived[r][c].has_value(), sent[r][c].has_value());
            if (!sent[r][c]) continue;
            std::string expected = *sent[r][c], got = *arrived[r][c];
            if (c == 1 || sqlite) {
                // A double, the same double.
                if (!signed_zero && expected == "-0") expected = "0";
                EXPECT_PRED2(test::same_double, got, expected);
            } else {
                EXPECT_PRED2(test::same_number, got, expected);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Products, ExactTransfer,
                         ::testing::Values(Pair{"SQLiteToPostgreSQL", "SQLite", "PostgreSQL"},
                                           Pair{"SQLiteToMariaDB", "SQLite", "MariaDB"},
                                           Pair{"PostgreSQLToSQLite", "PostgreSQL", "SQLite"},
                                           Pair{"PostgreSQLToMariaDB", "PostgreSQL", "MariaDB"},
                                           Pair{"MariaDBToSQLite", "MariaDB", "SQLite"},
                                           Pair{"MariaDBToPostgreSQL", "MariaDB", "PostgreSQL"}),
                         [](const auto& info) { return std::string(info.param.name); });

// PostgreSQL dates and timestamps no date-time holds (an infinity, a BC year, a year past
// 9999) leave as the server's text: a target that holds it keeps it, one that cannot
// refuses its row with its own error, and none stores NULL instead.
class UnheldDates : public ::testing::TestWithParam<const char*> {};

TEST_P(UnheldDates, ArriveAsTheirTextOrFailTheirRow) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto source = pg_endpoint();
    TRANSFORM_REQUIRE(source, "PostgreSQL");
    auto target = make(GetParam(), dir, "target.db");
    TRANSFORM_REQUIRE(target, GetParam());
    source->run("CREATE TABLE stamps (id BIGINT NOT NULL PRIMARY KEY, d DATE, ts TIMESTAMP)");
    source->run("INSERT INTO stamps VALUES (1, '2024-02-29', '2024-02-29 12:34:56'), (2, 'infinity', '-infinity'), "
                "(3, '0044-03-15 BC', '10000-01-01 00:00:00')");

    Outcome out = run_transfer(*source, *target,
                               {{key("schema", source->schema, "MODE"), "true"},
                                {key("schema", source->schema, "NAME"), target->schema},
                                {key("OPTION", "SOURCE", "DATABASE"), source->database},
                                {key("OPTION", "RESULT", "CONTINUE"), "true"},
                                {key("table", "stamps", "MODE"), "true"}});
    std::string lines;
    for (const auto& l : out.lines) lines += l + "\n";
    auto arrived = exact_rows(*target, "SELECT id, d, ts FROM " + target->q("stamps") + " ORDER BY id");
    const std::vector<Texts> all = {{"1", "2024-02-29", "2024-02-29 12:34:56"},
                                    {"2", "infinity", "-infinity"},
                                    {"3", "0044-03-15 BC", "10000-01-01 00:00:00"}};
    if (target->product == "SQLite") {
        // Any text is a value of its columns.
        EXPECT_EQ(out.counts.failed, 0) << lines;
        EXPECT_EQ(arrived, all) << lines;
    } else {
        EXPECT_EQ(out.counts.failed, 2) << lines;
        // The time stamp keeps its microseconds there, and reads with all six.
        EXPECT_EQ(arrived, (std::vector<Texts>{{"1", "2024-02-29", "2024-02-29 12:34:56.000000"}})) << lines;
    }
}

INSTANTIATE_TEST_SUITE_P(Products, UnheldDates, ::testing::Values("SQLite", "MariaDB"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace transform_test
