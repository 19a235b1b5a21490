// Delimited text: the written forms, round trips through a load under several option
// sets, the reader's edge cases, files and encodings, and imports into an SQLite file.
#include "data_fixture.hpp"
#include "support/facade_log.hpp"

namespace data_test {
namespace {

constexpr DataType kText = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
constexpr DataType kInt = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
using Rows = std::vector<std::vector<std::string>>;

Made Dsv(const Options& options = {}) {
    return Made(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv"), options);
}

// ---------------------------------------------------------------- writing

TEST(DsvExport, WritesFieldsQuotedOnlyWhereTheyNeedIt) {
    auto table = table_of({{"id", kInt}, {"name", kText}, {"note", kText}},
                          {{gint64(1), "plain", Null{}}, {gint64(2), "a,b", "say \"hi\""}, {gint64(3), "", " x "}});
    Made dsv = Dsv();
    auto r = export_text(dsv, *table);
    EXPECT_EQ(r.error, "(none)");
    EXPECT_EQ(r.rows, 3);
    EXPECT_EQ(r.text, "id,name,note\n1,plain,\n2,\"a,b\",\"say \"\"hi\"\"\"\n3,\"\",\" x \"\n");
}

struct FieldCase {
    const char* label;
    Options options;
    Cell cell;
    std::string written;
};

TEST(DsvExport, FieldFormsTable) {
    const FieldCase cases[] = {
        {"bare", {}, "abc", "abc"},
        {"delimiter", {}, "a,b", "\"a,b\""},
        {"quote without delimiter", {}, "a\"b", "\"a\"\"b\""},
        {"line feed", {}, "a\nb", "\"a\nb\""},
        {"carriage return", {}, "a\rb", "\"a\rb\""},
        {"empty text", {}, "", "\"\""},
        {"null", {}, Null{}, ""},
        {"null value text", {{"NULL_VALUE", "\\N"}}, "\\N", "\"\\N\""},
        {"null with null value", {{"NULL_VALUE", "\\N"}, {"QUOTATION_TIME", "always"}}, Null{}, "\\N"},
        {"leading blank", {}, " a", "\" a\""},
        {"non-ASCII", {}, "日本ß", "日本ß"},
        {"always", {{"QUOTATION_TIME", "always"}}, "a", "\"a\""},
        {"two-character delimiter, one character", {{"DELIMITER_COLUMN", "||"}}, "a|b", "\"a|b\""},
        {"two-character delimiter, other text", {{"DELIMITER_COLUMN", "||"}}, "a,b", "a,b"},
        {"two-character delimiter, whole", {{"DELIMITER_COLUMN", "||"}}, "a||b", "\"a||b\""},
        {"brackets, both escaped, left first", {{"QUOTATION_LIST", "[-]-[[-]]"}}, "a]b[", "[a]]b[[]"},
        {"apostrophes", {{"QUOTATION_LIST", "'-'-''-''"}}, "it's", "'it''s'"},
        {"only the first list counts", {{"QUOTATION_LIST", "'-'-''-'';\"-\"-x-y"}}, "a'", "'a'''"},
        {"row delimiter character", {{"DELIMITER_ROWNEW", ";"}}, "a;b", "\"a;b\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        auto table = table_of({{"c", kText}}, {{c.cell}});
        Options options = c.options;
        options.emplace_back("HAS_HEADER", "false");
        Made dsv = Dsv(options);
        std::string row_end = "\n";
        for (const auto& [k, v] : c.options)
            if (k == "DELIMITER_ROWNEW") row_end = v;
        EXPECT_EQ(export_text(dsv, *table).text, c.written + row_end);
    }
}

TEST(DsvExport, HeaderLinesFollowTheQuotationTime) {
    auto table = table_of({{"id", kInt}, {"a,b", kText}}, {{gint64(1), "x"}});
    EXPECT_EQ(export_text(Dsv(), *table).text, "id,\"a,b\"\n1,x\n");
    EXPECT_EQ(export_text(Dsv({{"QUOTATION_TIME", "always"}}), *table).text, "\"id\",\"a,b\"\n\"1\",\"x\"\n");
    EXPECT_EQ(export_text(Dsv({{"QUOTATION_TIME", "never"}}), *table).text, "\"id\",\"a,b\"\n1,x\n");
    EXPECT_EQ(export_text(Dsv({{"HAS_HEADER", "True"}}), *table).text, "1,x\n");
    EXPECT_EQ(export_text(Dsv({{"ROW_PREFIX", "("}, {"ROW_SUFFIX", ")"}, {"DELIMITER_ROWNEW", "\r\n"}}), *table).text,
              "(id,\"a,b\")\r\n(1,x)\r\n");
}

TEST(DsvExport, ProgressGetsTheWholeLine) {
    auto table = table_of({{"a", kText}}, {{"x"}, {"y"}});
    Made dsv = Dsv({{"ROW_PREFIX", "<"}, {"ROW_SUFFIX", ">"}});
    ProgressLog progress;
    gchar* buffer = g_strdup("");
    tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(
        exporter(dsv.get()), reinterpret_cast<TarvelinProvidersContractsTableModel*>(table.gobj()), &buffer,
        &ProgressLog::record, &progress, nullptr);
    g_free(buffer);
    using Call = std::tuple<guint, gint64, std::string>;
    EXPECT_EQ(progress.calls, (std::vector<Call>{{2, 1, "<x>\n"}, {2, 2, "<y>\n"}}));
}

TEST(DsvExport, EdgeTablesAndOptions) {
    test::TempDir dir;
    auto empty = table_of({{"a", kText}, {"b", kText}}, {});
    auto r = export_text(Dsv(), *empty);
    EXPECT_EQ(r.rows, 0);
    EXPECT_EQ(r.text, "a,b\n");
    r = export_file(Dsv(), *empty, dir.file("empty.csv"));
    EXPECT_EQ(r.rows, 0);
    EXPECT_EQ(r.text, "a,b\n");

    // A short row writes NULL_VALUE for what it lacks.
    auto short_row = table_of({{"a", kText}, {"b", kText}}, {{"x"}});
    EXPECT_EQ(export_text(Dsv({{"NULL_VALUE", "-"}}), *short_row).text, "a,b\nx,-\n");

    // A quoting list of fewer than four parts is refused.
    r = export_text(Dsv({{"QUOTATION_LIST", "'-'-''"}}), *short_row);
    EXPECT_EQ(r.rows, -1);
    EXPECT_EQ(r.error, "default -1 the option QUOTATION_LIST needs four parts joined by \"-\": '-'-''");
    r = export_file(Dsv({{"QUOTATION_LIST", "'"}}), *short_row, dir.file("bad.csv"));
    EXPECT_EQ(r.rows, -1);

    r = export_file(Dsv(), *short_row, kUnwritable);
    EXPECT_EQ(r.rows, -1);
    EXPECT_EQ(r.error.rfind("g-io-error-quark 1 ", 0), 0u) << r.error;  // G_IO_ERROR_NOT_FOUND
}

// A query's table is written from its compact cells, past several file buffers; the text
// equals the one written once every row is made, and what export_to_text renders.
TEST(DsvExport, AQueryResultFromItsCellsAsFromItsRows) {
    SqliteDatabase db;
    db.run("CREATE TABLE q (id INTEGER, txt TEXT, num REAL, raw BLOB)");
    db.run("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
           "INSERT INTO q SELECT i, CASE i % 4 WHEN 0 THEN NULL WHEN 1 THEN 'a,\"b\"' || i WHEN 2 THEN ' lead' "
           "ELSE printf('%.*c', 40, 'x') END, i / 7.0, CASE WHEN i % 5 = 0 THEN x'00ff' END FROM n");
    auto query = [&] {
        GError* error = nullptr;
        auto table = Ref<TableModel>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
            db.connection(), "SELECT * FROM q ORDER BY id", FALSE, &error));
        EXPECT_EQ(test::describe(error), "(none)");
        return table;
    };
    test::TempDir dir;
    const Options options = {{"NULL_VALUE", "NULL"}};
    auto from_cells = export_file(Dsv(options), *query(), dir.file("cells.csv"));
    EXPECT_EQ(from_cells.rows, 5000);
    EXPECT_GT(from_cells.text.size(), size_t(2 * 64 * 1024));
    auto made = query();
    ASSERT_EQ(made->get_rows().size(), 5000);  // makes every row
    EXPECT_EQ(export_file(Dsv(options), *made, dir.file("rows.csv")).text, from_cells.text);
    EXPECT_EQ(export_text(Dsv(options), *query()).text, from_cells.text);
}

TEST(DsvExport, BuildsOneRowFromItsArguments) {
    auto table = table_of({{"a", kText}, {"b", kText}, {"c", kText}}, {{"x;y", Null{}, "q'"}});
    Ref<providers::contracts::RowModel> row = table->get_rows().at(0);
    Made dsv = Dsv();
    gchar* text = tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_build_dsv_from_row(
        dsv.get<TarvelinRezezadovuSupportsDataExtractorsDsvExtractor>(), reinterpret_cast<TarvelinProvidersContractsTableModel*>(table.gobj()),
        reinterpret_cast<TarvelinProvidersContractsRowModel*>(row.gobj()), ";", "'", "'", "''", "''", "NULL", "ifneed");
    EXPECT_STREQ(text, "'x;y';NULL;'q'''");
    g_free(text);
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_build_dsv_from_row(
                  dsv.get<TarvelinRezezadovuSupportsDataExtractorsDsvExtractor>(), reinterpret_cast<TarvelinProvidersContractsTableModel*>(table.gobj()), nullptr, ";", "'",
                  "'", "''", "''", "NULL", "ifneed"),
              nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "iter != NULL"));
}

// ---------------------------------------------------------------- round trips

TEST(DsvRoundTrip, CellsComeBackAsTheyWereWritten) {
    const std::vector<std::string> hostile = {
        ",",     "\"",    "a\"b",   "\"\"",  "'",     "\r",    "\n",   "\r\n", "a\r\nb", " lead", "trail ",
        "",      "ß→日本", "[x]",    "x]",    "a||b",  "|",     "(",    ")",    "x)",     "\\N",   "\t",
        "\"a,b", "a\"\"", "C0 \x01"};
    const Options option_sets[] = {
        {},
        {{"DELIMITER_COLUMN", "\t"}, {"QUOTATION_LIST", "[-]-[[-]]"}},
        {{"DELIMITER_COLUMN", "||"}},
        {{"ROW_PREFIX", "("}, {"ROW_SUFFIX", ")"}},
        {{"DELIMITER_ROWNEW", "\r\n"}},
        {{"NULL_VALUE", "\\N"}},
        {{"QUOTATION_TIME", "always"}, {"DELIMITER_COLUMN", ";"}},
    };
    std::vector<std::vector<Cell>> rows;
    for (size_t i = 0; i < hostile.size(); ++i) rows.push_back({gint64(i), hostile[i], hostile[hostile.size() - 1 - i]});
    rows.push_back({gint64(99), Null{}, "after null"});
    auto table = table_of({{"id", kInt}, {"first,\"name\"", kText}, {"second", kText}}, rows);
    for (const auto& options : option_sets) {
        std::string label;
        std::string null_value;
        for (const auto& [k, v] : options) {
            label += k + "=" + v + " ";
            if (k == "NULL_VALUE") null_value = v;
        }
        SCOPED_TRACE(label);
        Made dsv = Dsv(options);
        auto written = export_text(dsv, *table);
        auto loaded = load_text(dsv, written.text);
        ASSERT_EQ(loaded.error, "(none)");
        auto expected = texts_of(*table);
        for (auto& line : expected)
            for (auto& cell : line)
                if (cell == "NULL") cell = null_value;
        EXPECT_EQ(loaded.cells(), expected) << written.text;
    }

    // Texts that begin with a byte order mark, first in the output with or without a header.
    const std::string bom = "\xEF\xBB\xBF";
    auto marked = table_of({{bom + "id", kText}}, {{bom}, {bom + "x"}});
    for (const char* header : {"true", "false"}) {
        SCOPED_TRACE(std::string("HAS_HEADER=") + header);
        Made dsv = Dsv({{"HAS_HEADER", header}});
        auto loaded = load_text(dsv, export_text(dsv, *marked).text);
        auto cells = loaded.cells();
        ASSERT_FALSE(cells.empty());
        if (std::string(header) == "true") {
            EXPECT_EQ(cells[0], std::vector<std::string>{bom + "id"});
        }
        EXPECT_EQ(std::vector<std::vector<std::string>>(cells.begin() + 1, cells.end()),
                  (std::vector<std::vector<std::string>>{{bom}, {bom + "x"}}));
    }
}

// ---------------------------------------------------------------- reading

struct ReadCase {
    const char* label;
    Options options;
    std::string input;
    Rows expected;  // the header row first; empty when no table is made
};

TEST(DsvRead, ParserEdgeCasesTable) {
    const Options plain = {{"HAS_HEADER", "false"}};
    const ReadCase cases[] = {
        {"two lines", {}, "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"no header", plain, "a,b\n1,2\n", {{"C0", "C1"}, {"a", "b"}, {"1", "2"}}},
        {"no final newline", plain, "a,b\n1,2", {{"C0", "C1"}, {"a", "b"}, {"1", "2"}}},
        {"quoted delimiter", plain, "\"a,b\",c\n", {{"C0", "C1"}, {"a,b", "c"}}},
        {"quoted line feed", plain, "\"a\nb\",c\n", {{"C0", "C1"}, {"a\nb", "c"}}},
        {"doubled quotes", plain, "\"a\"\"b\",c\n", {{"C0", "C1"}, {"a\"b", "c"}}},
        {"bare trailing quote kept", plain, "hi\",x\n", {{"C0", "C1"}, {"hi\"", "x"}}},
        {"empty quoted field", plain, "\"\",x\n", {{"C0", "C1"}, {"", "x"}}},
        {"quoted text starting with the delimiter", plain, "\",a\",x\n", {{"C0", "C1"}, {",a", "x"}}},
        {"CR LF with LF rows", plain, "a,b\r\n1,2\r\n", {{"C0", "C1"}, {"a", "b"}, {"1", "2"}}},
        {"CR LF with CR LF rows", {{"HAS_HEADER", "false"}, {"DELIMITER_ROWNEW", "\r\n"}}, "a,b\r\n1,2\r\n",
         {{"C0", "C1"}, {"a", "b"}, {"1", "2"}}},
        {"lone CR inside a bare field", plain, "a\rb,c\n", {{"C0", "C1"}, {"a\rb", "c"}}},
        {"short dropped, long cut", plain, "a,b\n1\n3,4,5\n", {{"C0", "C1"}, {"a", "b"}, {"3", "4"}}},
        {"byte order mark", {}, "\xEF\xBB\xBFid,name\n1,x\n", {{"id", "name"}, {"1", "x"}}},
        {"empty input", {}, "", {}},
        {"header only", {}, "a,b\n", {{"a", "b"}}},
        {"trailing delimiter", plain, "a,\n", {{"C0", "C1"}, {"a", ""}}},
        {"blanks kept", plain, "  a , b \n", {{"C0", "C1"}, {"  a ", " b "}}},
        {"text after a closing quote", plain, "\"ab\"c,d\n", {{"C0", "C1"}, {"abc", "d"}}},
        {"leading empty line", {}, "\na,b\n", {{""}, {"a"}}},
        {"prefix and suffix, header included", {{"ROW_PREFIX", "["}, {"ROW_SUFFIX", "]"}}, "[a,b]\n[1,\"2]\"]\n",
         {{"a", "b"}, {"1", "2]"}}},
        {"two-character delimiter is a sequence", {{"HAS_HEADER", "false"}, {"DELIMITER_COLUMN", "||"}},
         "a|b||c\n", {{"C0", "C1"}, {"a|b", "c"}}},
        {"quoted header names", {}, "\"a,1\",\"b\"\"\"\nx,y\n", {{"a,1", "b\""}, {"x", "y"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        auto loaded = load_text(Dsv(c.options), c.input);
        EXPECT_EQ(loaded.error, "(none)");
        EXPECT_EQ(loaded.cells(), c.expected);
    }
}

TEST(DsvRead, AnOpenQuoteAtTheEndIsAnError) {
    auto loaded = load_text(Dsv(), "a,b\n1,2\n\"x,y\n");
    EXPECT_EQ(loaded.table, nullptr);
    EXPECT_EQ(loaded.error, "g-io-error-quark 35 unclosed quote in record 3");
}

TEST(DsvRead, FilesEncodingsAndLimits) {
    test::TempDir dir;
    std::string latin1 = dir.file("latin1.csv");
    write_text(latin1, "name\nM\xfcller\n\xc6sop\n");
    Made dsv = Dsv({{"FILENAME", latin1}, {"ENCODING", "ISO-8859-1"}});
    auto loaded = load_file(dsv, 0);
    EXPECT_EQ(loaded.error, "(none)");
    EXPECT_EQ(loaded.cells(), (Rows{{"name"}, {"Müller"}, {"Æsop"}}));

    std::string ten = dir.file("ten.csv");
    std::string text = "n\n";
    for (int i = 0; i < 10; ++i) text += std::to_string(i) + "\n";
    write_text(ten, text);
    set_options(dsv, {{"FILENAME", ten}, {"ENCODING", "UTF-8"}});
    EXPECT_EQ(load_file(dsv, 2).cells(), (Rows{{"n"}, {"0"}, {"1"}}));
    EXPECT_EQ(load_file(dsv, 0).cells().size(), 11u);

    set_options(dsv, {{"ENCODING", "NO-SUCH-CHARSET"}});
    EXPECT_EQ(load_file(dsv, 0).error.rfind("g-io-error-quark", 0), 0u);
    set_options(dsv, {{"ENCODING", "UTF-8"}, {"FILENAME", dir.file("missing.csv")}});
    EXPECT_EQ(load_file(dsv, 0).error.rfind("g-io-error-quark 1 ", 0), 0u);
    EXPECT_EQ(load_file(Dsv(), 0).error, "default -1 the option FILENAME is not set");
}

// ---------------------------------------------------------------- imports

class DsvImport : public ::testing::Test {
protected:
    void SetUp() override {
        db.run("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT, qty INTEGER)");
        table = target_table("main", "t",
                             {{"id", kInt, "id", true}, {"name", kText, "name"}, {"qty", kInt, "qty"}});
    }
    Imported import(const std::string& action, const std::string& text, Options more = {}) {
        Options options = {{"ACTION", action}, {"COLUMNS", "id,name,qty"}};
        options.insert(options.end(), more.begin(), more.end());
        Made dsv = Dsv(options);
        return import_text(dsv, text, db.connection(), *table);
    }
    std::vector<std::string> contents() { return db.rows("SELECT id, name, qty FROM t ORDER BY id"); }

    test::FacadeLog log;
    SqliteDatabase db;
    Ref<MetaTable> table;
};

TEST_F(DsvImport, ShortRecordsAndMissingColumnsAreRefused) {
    db.run("INSERT INTO t VALUES (1, 'a', 1), (2, 'b', 2)");
    // No column fed at all, and fewer values than fields (possible without a header).
    auto r = import("append", "a,b\n1,2\n", {{"COLUMNS", "x,y"}});
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(log.count("create row failed:1 -> the record feeds no column of table t"), 1);
    r = import("append", "5,e\n6,f,6\n", {{"HAS_HEADER", "false"}});
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(log.count("create row failed:0 -> the record has 2 values for 3 fields"), 1);
    EXPECT_EQ(contents(), (std::vector<std::string>{"1|a|1", "2|b|2", "6|f|6"}));
    EXPECT_EQ(import("append", "id\n7\n", {{"COLUMNS", ""}}).count, 0);
    Made without_columns = Dsv({{"ACTION", "append"}});
    EXPECT_EQ(import_text(without_columns, "id\n7\n", db.connection(), *table).error,
              "default -1 the option COLUMNS is not set");
}

TEST_F(DsvImport, EmptyFieldsAndNamesThatNeedQuoting) {
    auto r = import("append", "id,name,qty\n7,,\n8,\"\",\"\"\n9,\"  \",\n");
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(db.rows("SELECT id, quote(name), quote(qty) FROM t ORDER BY id"),
              (std::vector<std::string>{"7|NULL|NULL", "8|''|NULL", "9|'  '|NULL"}));

    db.run("CREATE TABLE \"odd \"\"t\" (\"k\"\"ey\" INTEGER PRIMARY KEY, \"va l'ue\" TEXT)");
    auto odd = target_table("main", "odd \"t", {{"k\"ey", kInt, "k", true}, {"va l'ue", kText, "v"}});
    Made dsv = Dsv({{"ACTION", "merge"}, {"COLUMNS", "k,v"}});
    EXPECT_EQ(import_text(dsv, "k,v\n1,x\n1,y\n", db.connection(), *odd).count, 2);
    EXPECT_EQ(db.rows("SELECT * FROM \"odd \"\"t\""), (std::vector<std::string>{"1|y"}));
}

TEST_F(DsvImport, InputErrorsEndTheImportAfterEarlierRecords) {
    auto r = import("append", "id,name,qty\n9,a,1\n10,\"b,1\n");
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.error, "g-io-error-quark 35 unclosed quote in record 3");
    EXPECT_EQ(contents(), (std::vector<std::string>{"9|a|1"}));

    test::TempDir dir;
    std::string file = dir.file("in.csv");
    write_text(file, "id;name;qty\r\n11;K\xf6ln;1\r\n");
    Made dsv = Dsv({{"ACTION", "append"}, {"COLUMNS", "id,name,qty"}, {"DELIMITER_COLUMN", ";"}, {"FILENAME", file},
             {"ENCODING", "ISO-8859-1"}});
    r = import_file(dsv, db.connection(), *table);
    EXPECT_EQ(r.error, "(none)");
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(contents().back(), "11|Köln|1");

    set_options(dsv, {{"FILENAME", dir.file("missing.csv")}});
    r = import_file(dsv, db.connection(), *table);
    EXPECT_EQ(r.error.rfind("g-io-error-quark 1 ", 0), 0u) << r.error;
}

}  // namespace
}  // namespace data_test
