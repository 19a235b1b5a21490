// A real data file carried around the products: the Unicode character database
// (UnicodeData.txt, some 35,000 records, from the unicode-data package) loaded into
// SQLite and copied SQLite -> PostgreSQL -> MariaDB -> SQLite by the transfer. Every row
// and every value arrives, and the columns end with the types they began with (the key
// a text MariaDB bounds).
#include <fstream>

#include "endpoints.hpp"
#include "support/driver_checks.hpp"
#include "support/facade_log.hpp"

namespace transform_test {
namespace {

constexpr const char* kUnicodeData = "/usr/share/unicode/UnicodeData.txt";

// The file's fifteen fields; the two digit values as numbers, the rest as texts.
const std::vector<std::pair<const char*, const char*>> kColumns = {
    {"code", "TEXT NOT NULL PRIMARY KEY"}, {"name", "TEXT NOT NULL"}, {"category", "TEXT"}, {"combining", "INTEGER"},
    {"bidi", "TEXT"}, {"decomposition", "TEXT"}, {"decimal_digit", "INTEGER"}, {"digit", "INTEGER"},
    {"numeric_value", "TEXT"}, {"mirrored", "TEXT"}, {"old_name", "TEXT"}, {"comment", "TEXT"},
    {"upper_case", "TEXT"}, {"lower_case", "TEXT"}, {"title_case", "TEXT"}};

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    size_t begin = 0;
    for (size_t end; (end = line.find(';', begin)) != std::string::npos; begin = end + 1)
        out.push_back(line.substr(begin, end - begin));
    out.push_back(line.substr(begin));
    return out;
}

std::string literal(const std::string& value, bool number) {
    if (number) return value.empty() ? "NULL" : value;
    std::string out = "'";
    for (char c : value) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

// Loads the file into `table`; the number of records.
size_t load(const Endpoint& e, const std::string& table) {
    std::string create = "CREATE TABLE " + e.q(table) + " (";
    for (const auto& [name, type] : kColumns) create += std::string(name) + " " + type + ", ";
    e.run(create.substr(0, create.size() - 2) + ")");
    std::ifstream in(kUnicodeData);
    std::string line, batch;
    size_t records = 0;
    auto flush = [&] {
        if (batch.empty()) return;
        e.run("INSERT INTO " + e.q(table) + " VALUES " + batch);
        batch.clear();
    };
    e.run("BEGIN");
    while (std::getline(in, line)) {
        auto f = fields(line);
        EXPECT_EQ(f.size(), kColumns.size()) << line;
        if (f.size() != kColumns.size()) continue;
        std::string row;
        for (size_t i = 0; i < f.size(); ++i)
            row += (i ? ", " : "(") + literal(f[i], kColumns[i].first == std::string("combining") ||
                                                         kColumns[i].first == std::string("decimal_digit") ||
                                                         kColumns[i].first == std::string("digit"));
        batch += (batch.empty() ? "" : ", ") + row + ")";
        if (++records % 500 == 0) flush();
    }
    flush();
    e.run("COMMIT");
    return records;
}

// The table in pages of 5,000 rows.
std::vector<std::pair<std::string, std::string>> copy_of(const Endpoint& source, const Endpoint& target,
                                                         const std::string& table) {
    auto options = copy_options(source, target.schema, {table});
    options.push_back({key("table", table, "BATCH"), "5000"});
    return options;
}

std::string all_columns() {
    std::string out;
    for (const auto& [name, type] : kColumns) out += (out.empty() ? "" : ", ") + std::string(name);
    return out;
}

TEST(RealDataChain, UnicodeDataSurvivesSQLiteToPostgreSQLToMariaDBToSQLite) {
    if (!g_file_test(kUnicodeData, G_FILE_TEST_EXISTS)) {
        if (g_strcmp0(g_getenv("CI"), "true") == 0) FAIL() << kUnicodeData << " missing: scripts/deps installs unicode-data";
        GTEST_SKIP() << kUnicodeData << " missing (package unicode-data)";
    }
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    auto first = sqlite_endpoint(dir.file("first.db"));
    auto pg = pg_endpoint();
    TRANSFORM_REQUIRE(pg, "PostgreSQL");
    auto maria = mariadb_dialect_endpoint();
    TRANSFORM_REQUIRE(maria, "MariaDB");
    auto last = sqlite_endpoint(dir.file("last.db"));

    const std::string table = "unicode_data";
    const size_t records = load(*first, table);
    ASSERT_GT(records, 30000u);
    const std::string count = "SELECT count(*) FROM ";
    const std::vector<std::string> expected_count = {std::to_string(records)};

    const Endpoint* chain[] = {first.get(), pg.get(), maria.get(), last.get()};
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        const Endpoint& from = *chain[i];
        const Endpoint& to = *chain[i + 1];
        const std::string step = from.product + " -> " + to.product;
        Outcome out = run_transfer(from, to, copy_of(from, to, table));
        EXPECT_EQ(out.counts.failed, 0) << step << ": " << failures(out);
        EXPECT_EQ(to.rows(count + to.q(table)), expected_count) << step << ": rows missing";
    }
    // Every value of every row, compared where one product orders both sides alike.
    const std::string select = "SELECT " + all_columns() + " FROM " + first->q(table) + " ORDER BY code";
    std::vector<std::string> names;
    for (const auto& [name, type] : kColumns) names.push_back(name);
    EXPECT_EQ(lost_values(first->exact_rows(select), last->exact_rows(select), names), "");
    // The columns end as they began: a text stays unbounded, a number a number. The key
    // alone came through MariaDB, which keys only a bounded text: it ends as a VARCHAR
    // that holds every code.
    const std::string types = "SELECT name, type, \"notnull\", pk FROM pragma_table_info('" + table +
                              "') WHERE name <> 'code' ORDER BY cid";
    EXPECT_EQ(last->rows(types), first->rows(types));
    const std::string key = "SELECT type, \"notnull\", pk FROM pragma_table_info('" + table + "') WHERE name = 'code'";
    const auto ended = last->rows(key);
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].rfind("VARCHAR(", 0), 0u) << ended[0];
    EXPECT_EQ(ended[0].substr(ended[0].find('|')), "|1|1");
    const gint64 longest = g_ascii_strtoll(first->rows("SELECT max(length(code)) FROM " + first->q(table))[0].c_str(), nullptr, 10);
    EXPECT_GE(g_ascii_strtoll(ended[0].c_str() + 8, nullptr, 10), longest);
}

}  // namespace
}  // namespace transform_test
