// Numbers that keep their digits on their way out: NUMERIC and DECIMAL extremes read from
// PostgreSQL and MariaDB and REAL values of SQLite, through every export format and back
// through the loaders. What a host is shown (to_string, six decimals) stays as it was.
#include "data_fixture.hpp"
#include "support/exact_numbers.hpp"
#include "support/facade_log.hpp"

namespace data_test {
namespace {

struct Number {
    const char* written;   // the literal the table is filled with
    const char* expected;  // every digit the cell holds, as its server writes it
    const char* shown;     // its display text
};

const std::string kOneAnd130Zeros = "1" + std::string(130, '0');

struct ProductNumbers {
    std::string product;
    std::string column_type;
    std::vector<Number> numbers;
    // A number no table of the product holds, read from a query instead.
    std::string extra_select;
    Number extra;
};

const ProductNumbers kProducts[] = {
    {"PostgreSQL",
     "numeric(38,10)",
     {{"9999999999999999999999999999.9999999999", "9999999999999999999999999999.9999999999",
       "9999999999999999583119736832.000000"},
      {"-9999999999999999999999999999.9999999999", "-9999999999999999999999999999.9999999999",
       "-9999999999999999583119736832.000000"},
      {"0.0000000001", "0.0000000001", "0.000000"},
      {"1e-9", "0.0000000010", "0.000000"},
      {"1234567890123456789.123456789", "1234567890123456789.1234567890", "1234567890123456768.000000"},
      {"0.1234567", "0.1234567000", "0.123457"}},
     // More digits than a cell keeps beside its double: the value object carries them.
     "SELECT 99, 1e130::numeric",
     {"1e130", kOneAnd130Zeros.c_str(), nullptr}},
    {"MariaDB",
     "DECIMAL(65,30)",
     {{"99999999999999999999999999999999999.999999999999999999999999999999",
       "99999999999999999999999999999999999.999999999999999999999999999999",
       "99999999999999996863366107917975552.000000"},
      {"-99999999999999999999999999999999999.999999999999999999999999999999",
       "-99999999999999999999999999999999999.999999999999999999999999999999",
       "-99999999999999996863366107917975552.000000"},
      {"0.000000000000000000000000000001", "0.000000000000000000000000000001", "0.000000"},
      {"1e-9", "0.000000001000000000000000000000", "0.000000"},
      {"0.1234567", "0.123456700000000000000000000000", "0.123457"}},
     "",
     {}},
    {"SQLite",
     "REAL",
     {{"0.1", "0.1", "0.100000"}, {"1e-9", "1e-09", "0.000000"}, {"1e300", "1e+300", nullptr}},
     // A REAL column stores -0.0 as 0.0; an expression keeps its sign.
     "SELECT 99, -0.0",
     {"-0.0", "-0", "-0.000000"}},
};

class ExactNumbers : public ::testing::TestWithParam<ProductNumbers> {
protected:
    void SetUp() override {
        if (server_missing(GetParam().product)) {
            if (test::ci()) GTEST_FAIL() << test::server_missing_message(GetParam().product);
            GTEST_SKIP() << test::server_missing_message(GetParam().product);
        }
        db = open_database(GetParam().product);
        ASSERT_NE(db, nullptr);
        db->run("CREATE TABLE n (id INTEGER PRIMARY KEY, v " + GetParam().column_type + ")");
        int id = 0;
        for (const Number& n : GetParam().numbers) {
            numbers.push_back(n);
            db->run("INSERT INTO n VALUES (" + std::to_string(++id) + ", " + n.written + ")");
        }
        select = "SELECT id, v FROM n";
        if (!GetParam().extra_select.empty()) {
            select += " UNION ALL " + GetParam().extra_select;
            numbers.push_back(GetParam().extra);
        }
        select += " ORDER BY id";
    }

    // A new table of the numbers, as a query gives it.
    Ref<TableModel> read() {
        GError* error = nullptr;
        auto table = Ref<TableModel>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
            db->connection(), select.c_str(), FALSE, &error));
        EXPECT_EQ(test::describe(error), "(none)");
        return table;
    }

    test::FacadeLog log;
    std::unique_ptr<Database> db;
    std::vector<Number> numbers;
    std::string select;
};

// The exact text of each cell, from the compact cells and from the values alike, while
// the display text keeps its six decimals.
TEST_P(ExactNumbers, CellsKeepTheServersDigits) {
    auto table = read();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->list_n_items(), numbers.size());
    for (size_t i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(table->exact_text(1, gint(i)).value_or("(none)"), numbers[i].expected) << numbers[i].written;
    for (size_t i = 0; i < numbers.size(); ++i) {
        auto value = table->get_value_at(1, gint(i));
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->exact_text(), numbers[i].expected) << numbers[i].written;
        EXPECT_EQ(table->exact_text(1, gint(i)).value_or("(none)"), numbers[i].expected) << numbers[i].written;
        if (numbers[i].shown) {
            EXPECT_EQ(value->to_string(), numbers[i].shown) << numbers[i].written;
        }
    }
    // A scalar is the reader's get_value of its cell: the digits come with it too.
    for (size_t i = 0; i < GetParam().numbers.size(); ++i) {
        GError* error = nullptr;
        std::string sql = "SELECT v FROM n WHERE id = " + std::to_string(i + 1);
        auto scalar = Ref<ValueObject>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(
            db->connection(), sql.c_str(), FALSE, &error));
        ASSERT_NE(scalar, nullptr) << test::describe(error);
        EXPECT_EQ(scalar->exact_text(), numbers[i].expected);
    }
}

// Each format writes every digit, and the loaders give the same numbers back.
TEST_P(ExactNumbers, EveryFormatWritesEveryDigitAndTheLoadersReadThemBack) {
    struct Format {
        const char* name;
        gpointer (*make)();
        bool loads;
    };
    const Format formats[] = {
        {"CSV", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv")); }, true},
        {"JSON", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json")); }, true},
        {"XML", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml")); }, true},
        {"XML attributes",
         [] {
             gpointer x = tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml");
             set_options(x, {{"STORAGE", "attribute"}});
             return x;
         },
         true},
        {"HTML", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_html_extractor_new("html")); }, false},
        {"Markdown", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new("md")); },
         false},
        {"SQL INSERT",
         [] {
             gpointer x = tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_new();
             set_options(x, {{"TABLENAME", "n"}});
             return x;
         },
         false},
        {"SQL UPDATE",
         [] {
             gpointer x = tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_new();
             set_options(x, {{"TABLENAME", "n"}});
             return x;
         },
         false},
    };
    for (const Format& f : formats) {
        SCOPED_TRACE(f.name);
        Made extractor(f.make());
        auto table = read();
        ASSERT_NE(table, nullptr);
        auto written = export_text(extractor, *table);
        ASSERT_EQ(written.error, "(none)");
        ASSERT_EQ(written.rows, gint(numbers.size()));
        for (const Number& n : numbers)
            EXPECT_NE(written.text.find(n.expected), std::string::npos) << n.expected << " in\n" << written.text;
        if (!f.loads) continue;
        auto loaded = load_text(extractor, written.text);
        ASSERT_EQ(loaded.error, "(none)");
        auto cells = loaded.cells();
        ASSERT_EQ(cells.size(), numbers.size() + 1);
        for (size_t i = 0; i < numbers.size(); ++i)
            EXPECT_PRED2(test::same_number, cells[i + 1][1], numbers[i].expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Products, ExactNumbers, ::testing::ValuesIn(kProducts),
                         [](const auto& info) { return info.param.product; });

}  // namespace
}  // namespace data_test
