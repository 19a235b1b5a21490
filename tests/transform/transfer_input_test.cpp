// The transfer job's edge cases and bad input on two SQLite files: each row of the table
// gives its options, the rows the target ends with, the counts, and a line the record
// must hold.
#include <regex>

#include "endpoints.hpp"
#include "rezezadovu/contracts/thread_progress.hpp"
#include "rezezadovu/transform/transfer.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"

namespace transform_test {
namespace {

using rezezadovu::contracts::ThreadProgress;
using rezezadovu::transform::Transfer;
using IConnectionRef = gobj::Ref<rezezadovu::contracts::database::IConnection>;

struct InputCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> target_rows;  // of "SELECT * FROM a ORDER BY 1", or {"(none)"} without the table
    gint64 succeeded, failed;
    const char* line;  // a regular expression one line must match
};

// Test names and failure lines show the case by its name, not its bytes.
void PrintTo(const InputCase& c, std::ostream* os) { *os << c.name; }

class TransferInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(TransferInput, GivesTheDecidedResult) {
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto source = sqlite_endpoint(dir.file("s.db")), target = sqlite_endpoint(dir.file("t.db"));
    source->run("CREATE TABLE a (x INTEGER PRIMARY KEY, y TEXT)");
    source->run("INSERT INTO a VALUES (1, 'p'), (2, 'q'), (3, 'r')");
    if (std::string(GetParam().name) == "RowFailingMidWay")
        target->run("CREATE TABLE a (x INTEGER PRIMARY KEY CHECK (x <> 2), y TEXT)");
    auto job = Transfer::create(Transfer::gtype(), options(GetParam().options).get());
    auto progress = ThreadProgress::create();
    job->set_server_source(IConnectionRef::retain(source->connection.instance()));
    job->set_server_target(IConnectionRef::retain(target->connection.instance()));
    job->set_progress(progress);
    job->handle();

    auto s = progress->snapshot();
    std::vector<std::string> lines;
    while (auto line = progress->pop_message()) lines.push_back(*line);
    std::string shown;
    for (const auto& l : lines) shown += l + "\n--\n";
    EXPECT_EQ(std::vector<gint64>({s.succeeded, s.failed}), std::vector<gint64>({GetParam().succeeded, GetParam().failed}))
        << shown;
    EXPECT_EQ(s.processed, s.succeeded + s.failed);
    EXPECT_TRUE(s.finished);
    const std::regex line(GetParam().line);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return std::regex_search(l, line); }))
        << shown;
    if (GetParam().target_rows == std::vector<std::string>{"(none)"})
        EXPECT_NE(target->try_run("SELECT * FROM a"), "");
    else
        EXPECT_EQ(target->rows("SELECT * FROM a ORDER BY 1"), GetParam().target_rows);
}

const std::string kSchema = key("schema", "main", "MODE");
const std::string kTable = key("table", "a", "MODE");

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferInput,
    ::testing::Values(
        // Nothing selected: the two catalogue loads and nothing else.
        InputCase{"EmptyOptions", {}, {"(none)"}, 2, 0, R"( Load meta data\.\.\.\.\.\.\[done\]$)"},
        // 2 loads, 1 tidy, 1 CREATE, 3 rows, 1 table.
        InputCase{"BatchZeroReadsAsThousand",
                  {{kSchema, "true"}, {kTable, "true"}, {key("table", "a", "BATCH"), "0"}},
                  {"1|p", "2|q", "3|r"}, 8, 0, R"( BATCH of \.main\.a is not a positive number: 0; 1000 used$)"},
        InputCase{"BatchNotANumber",
                  {{kSchema, "true"}, {kTable, "true"}, {key("table", "a", "BATCH"), "lots"}},
                  {"1|p", "2|q", "3|r"}, 8, 0, R"(is not a positive number: lots; 1000 used$)"},
        // Each page starts after the key the one before ended with.
        InputCase{"BatchOfOnePagesEveryRow",
                  {{kSchema, "true"}, {kTable, "true"}, {key("table", "a", "BATCH"), "1"}},
                  {"1|p", "2|q", "3|r"}, 8, 0, R"(WHERE "x" > 2 ORDER BY "x" LIMIT 1 )"},
        InputCase{"FieldsEntryWithoutEquals",
                  {{kSchema, "true"}, {kTable, "true"}, {key("table", "a", "FIELDS"), "x=x;y;"}},
                  {"1", "2", "3"}, 8, 0, R"( FIELDS entry without '=' ignored: main\.a -> y$)"},
        // The second filter fails: rows of the first stay; without CONTINUE the job ends.
        InputCase{"FailingFilter",
                  {{kSchema, "true"}, {kTable, "true"}, {key("table", "a", "RECORDS"), "y = 'p';no_such = 1"}},
                  {"1|p"}, 5, 1, R"( transfer table data \.main\.a\.\.\.\.\.\.\nno such column: no_such$)"},
        // A row the target refuses (its own table checks x <> 2) is counted and the copy goes on.
        InputCase{"RowFailingMidWay", {{kSchema, "true"}, {kTable, "true"}}, {"1|p", "3|r"}, 7, 1,
                  R"( INSERT INTO "main"\."a"\("x", "y"\) VALUES\(2, 'q'\);\nCHECK constraint failed)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace transform_test
