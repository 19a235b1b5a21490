// Every exporter over a query's table: the text written from the compact cells equals the
// one written once the rows are made, and texts that are not UTF-8 are written valid,
// reported, counted and loaded back by the matching loader.
#include "data_fixture.hpp"

namespace data_test {
namespace {

struct Format {
    const char* label;
    std::function<gpointer()> make;
    Options options;
};

const std::vector<Format>& formats() {
    static const std::vector<Format> all = {
        {"csv", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv")); },
         {{"NULL_VALUE", "NULL"}}},
        {"json", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json")); }, {}},
        {"xml", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml")); }, {}},
        {"xml attributes",
         [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml")); },
         {{"STORAGE", "attribute"}}},
        {"html", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_html_extractor_new("html")); }, {}},
        {"markdown", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new("md")); },
         {}},
        {"insert", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_new()); },
         {{"TABLENAME", "t"}}},
        {"update", [] { return gpointer(tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_new()); },
         {{"TABLENAME", "s.t"}}},
    };
    return all;
}

Ref<TableModel> query(Database& db, const std::string& sql) {
    GError* error = nullptr;
    auto table = Ref<TableModel>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
        db.connection(), sql.c_str(), FALSE, &error));
    EXPECT_EQ(test::describe(error), "(none)") << sql;
    return table;
}

guint64 replaced_texts(gpointer extractor) {
    return tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_replaced_texts(
        static_cast<TarvelinRezezadovuSupportsDataExtractorsBaseExtractor*>(extractor));
}

bool utf8(const std::string& text) { return g_utf8_validate(text.data(), gssize(text.size()), nullptr); }

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t found; (found = text.find(at, start)) != std::string::npos; start = found + 1)
        parts.push_back(text.substr(start, found - start));
    parts.push_back(text.substr(start));
    return parts;
}

// Each format, to a text and to a file, from a query's cells and from its made rows.
void expect_cells_as_rows(Database& db, const std::string& sql) {
    test::TempDir dir;
    for (const auto& f : formats()) {
        SCOPED_TRACE(std::string(db.product()) + " " + f.label);
        Made extractor(f.make(), f.options);
        auto cells = export_text(extractor, *query(db, sql));
        EXPECT_EQ(cells.error, "(none)");
        EXPECT_GT(cells.rows, 0);
        auto made = query(db, sql);
        ASSERT_GT(made->get_rows().size(), 0);  // makes every row
        auto rows = export_text(extractor, *made);
        EXPECT_EQ(rows.text, cells.text);
        EXPECT_EQ(rows.rows, cells.rows);
        EXPECT_EQ(export_file(extractor, *query(db, sql), dir.file("cells")).text, cells.text);
        EXPECT_EQ(export_file(extractor, *made, dir.file("rows")).text, cells.text);
        EXPECT_EQ(replaced_texts(extractor), 0u);
    }
}

// ---------------------------------------------------------------- cells and rows

TEST(ExportCells, EveryFormatFromTheCellsAsFromTheRows_SQLite) {
    SqliteDatabase db;
    // Every storage class, 64-bit extremes, NULLs, non-ASCII and the characters each form
    // escapes; a text in an INTEGER column and a number in a TEXT one, as SQLite keeps them.
    db.run("CREATE TABLE k (i INTEGER, r REAL, t TEXT, b BLOB, n NUMERIC, d DATE, flag BOOLEAN)");
    db.run("INSERT INTO k VALUES (9223372036854775807, 0.1, 'ß→日本 <a href=\"x\">&amp;</a>', x'00ff10', 12.50, "
           "'2024-02-29', 1), (-9223372036854775808, -1e300, 'a|b\r\nc\nd, \"q\" it''s \\', x'', 7, "
           "'1999-12-31 23:59:59', 0), (NULL, NULL, NULL, NULL, NULL, NULL, NULL), (0, 3.0, '', x'41', 'text', "
           "'not a date', 'yes'), ('12', 2.5, 42, 'as text', -0.0, NULL, NULL)");
    expect_cells_as_rows(db, "SELECT * FROM k ORDER BY rowid");
}

TEST(ExportCells, EveryFormatFromTheCellsAsFromTheRows_PostgreSQL) {
    if (server_missing("PostgreSQL")) GTEST_SKIP() << "no PostgreSQL test server";
    auto db = open_database("PostgreSQL");
    ASSERT_TRUE(db);
    db->run("CREATE TABLE k (b boolean, s smallint, i integer, l bigint, r real, d double precision, "
            "m numeric(30,10), c money, t text, v varchar(20), by bytea, dt date, ts timestamp, tz timestamptz, "
            "u uuid, j jsonb, x xml, iv interval)");
    db->run("INSERT INTO k VALUES (true, -32768, 2147483647, -9223372036854775808, 1.5, 0.1, "
            "12345678901234567890.0123456789, 12.34, 'ß→日本 <&> | \"', 'a,b', '\\x00ff', '2024-02-29', "
            "'2024-02-29 12:34:56.789', '2024-02-29 12:34:56+02', 'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11', "
            "'{\"a\": [1, 2]}', '<p>x</p>', '1 day 02:03:04'), "
            "(false, 0, 0, 9223372036854775807, 'NaN', '-Infinity', -0.5, -1, '', '', '', NULL, NULL, NULL, "
            "NULL, 'null', NULL, NULL), "
            "(NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
            "NULL)");
    expect_cells_as_rows(*db, "SELECT * FROM k ORDER BY l NULLS LAST");
}

// Real text: the Unicode character database (every assigned character but the controls and
// surrogates, with its name and properties), exported both ways and loaded back unchanged.
TEST(ExportCells, TheUnicodeCharacterDatabaseFromItsCellsAndBack) {
    const char* file = "/usr/share/unicode/UnicodeData.txt";
    if (!exists(file)) GTEST_SKIP() << file << " is not installed (package unicode-data)";
    SqliteDatabase db;
    db.run("CREATE TABLE u (code INTEGER, ch TEXT, name TEXT, category TEXT, decimal INTEGER, upper TEXT)");
    std::string insert;
    int rows = 0;
    for (const auto& line : split(read_text(file), '\n')) {
        auto f = split(line, ';');
        if (f.size() < 13 || f[2] == "Cc" || f[2] == "Cs" || f[2] == "Co") continue;
        gunichar code = gunichar(std::stoul(f[0], nullptr, 16));
        char utf8[8] = {};
        g_unichar_to_utf8(code, utf8);
        auto quoted = [](const std::string& t) {
            std::string q = "'";
            for (char c : t) q += c == '\'' ? std::string("''") : std::string(1, c);
            return q + "'";
        };
        insert += std::string(insert.empty() ? "INSERT INTO u VALUES " : ", ") + "(" + std::to_string(code) + ", " +
                  quoted(utf8) + ", " + quoted(f[1]) + ", " + quoted(f[2]) + ", " + (f[6].empty() ? "NULL" : f[6]) +
                  ", " + (f[12].empty() ? "NULL" : quoted(f[12])) + ")";
        if (++rows % 2000 == 0) {
            db.run(insert);
            insert.clear();
        }
    }
    if (!insert.empty()) db.run(insert);
    ASSERT_GT(rows, 30000);
    const std::string sql = "SELECT code, ch, name, category, decimal, upper FROM u ORDER BY code";
    expect_cells_as_rows(db, sql);
    // Loaded back: the columns every row fills (a column whose first cell is NULL takes no
    // type from it, and JSON writes its cells by the column's type).
    const std::string filled = "SELECT code, ch, name, category FROM u ORDER BY code";
    auto expected = texts_of(*query(db, filled));
    for (const auto& f : formats()) {
        std::string label = f.label;
        if (label != "json" && label.rfind("xml", 0) != 0) continue;
        SCOPED_TRACE(label);
        Made extractor(f.make(), f.options);
        auto loaded = load_text(extractor, export_text(extractor, *query(db, filled)).text);
        EXPECT_EQ(loaded.error, "(none)");
        auto cells = loaded.cells();
        ASSERT_EQ(cells.size(), expected.size());
        for (size_t r = 0; r < cells.size(); ++r) {
            if (cells[r] != expected[r]) {
                ADD_FAILURE() << "row " << r << " differs";
                return;
            }
        }
    }
}

// ---------------------------------------------------------------- texts that are not UTF-8

// One cell per kind of broken sequence, each invalid byte as U+FFFD.
struct Broken {
    const char* label;
    const char* hex;      // the bytes, as SQLite reads them back as TEXT
    std::string written;  // what every format carries
};
const std::string R = "\xEF\xBF\xBD";
const std::vector<Broken>& broken() {
    static const std::vector<Broken> all = {
        {"bytes after a valid start", "61fffe62", "a" + R + R + "b"},
        {"lone continuation byte", "78807a", "x" + R + "z"},
        {"truncated sequence", "e282", R + R},
        {"overlong form", "c0af", R + R},
        {"encoded surrogate", "eda080", R + R + R},
        {"0xFF in non-ASCII text", "c39fff", "\xC3\x9F" + R},
    };
    return all;
}

// A table of one id column and one text column "te\xFF"xt" whose cells hold the broken
// texts, read from the cells of an SQLite query.
std::string broken_select() {
    std::string sql = "SELECT * FROM (";
    for (size_t i = 0; i < broken().size(); ++i) {
        if (i) sql += " UNION ALL ";
        sql += "SELECT " + std::to_string(i + 1) + " AS id, CAST(x'" + broken()[i].hex + "' AS TEXT) AS \"c\xFFx\"";
    }
    return sql + ") ORDER BY id";
}

TEST(ExportCells, TextsThatAreNotUtf8AreWrittenValidCountedAndReported) {
    SqliteDatabase db;
    const std::string name = "c" + R + "x";
    for (const auto& f : formats()) {
        SCOPED_TRACE(f.label);
        Made extractor(f.make(), f.options);
        test::LogCapture log;
        auto r = export_text(extractor, *query(db, broken_select()));
        EXPECT_EQ(r.error, "(none)");
        EXPECT_EQ(r.rows, gint(broken().size()));
        EXPECT_TRUE(utf8(r.text));
        for (const auto& b : broken()) EXPECT_NE(r.text.find(b.written), std::string::npos) << b.label;
        EXPECT_NE(r.text.find(name), std::string::npos);
        // Every cell and the column name, each once.
        EXPECT_EQ(replaced_texts(extractor), broken().size() + 1);
        EXPECT_EQ(log.count(G_LOG_LEVEL_WARNING, "not UTF-8"), int(broken().size() + 1));
        EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "row 3, column \"" + name + "\""));
        EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "the name of column 2"));
        for (const auto& record : log.records()) EXPECT_TRUE(utf8(record.message)) << "a value in the log";

        // A file carries the same; the count starts again with each export.
        test::TempDir dir;
        EXPECT_EQ(export_file(extractor, *query(db, broken_select()), dir.file("out")).text, r.text);
        EXPECT_EQ(replaced_texts(extractor), broken().size() + 1);
        EXPECT_EQ(export_text(extractor, *query(db, "SELECT 1 AS id, 'fine' AS c")).error, "(none)");
        EXPECT_EQ(replaced_texts(extractor), 0u);
    }
}

// A table of broken texts names the first hundred, then gives the count in one line.
TEST(ExportCells, ManyBrokenTextsAreCountedWithoutALinePerCell) {
    SqliteDatabase db;
    Made json(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json"));
    test::LogCapture log;
    auto r = export_text(json, *query(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                                          "250) SELECT i, CAST(x'ff' AS TEXT) AS c FROM n"));
    EXPECT_EQ(r.rows, 250);
    EXPECT_EQ(replaced_texts(json), 250u);
    EXPECT_EQ(log.count(G_LOG_LEVEL_WARNING, "row "), 100);
    EXPECT_EQ(log.count(G_LOG_LEVEL_WARNING), 101);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "250 texts in all were not UTF-8"));
}

TEST(ExportCells, ExportsOfTextsThatAreNotUtf8LoadBack) {
    SqliteDatabase db;
    std::vector<std::vector<std::string>> expected = {{"id", "c" + R + "x"}};
    for (size_t i = 0; i < broken().size(); ++i) expected.push_back({std::to_string(i + 1), broken()[i].written});
    test::LogCapture quiet;
    for (const auto& f : formats()) {
        std::string label = f.label;
        if (label != "csv" && label != "json" && label.rfind("xml", 0) != 0) continue;
        SCOPED_TRACE(label);
        Made extractor(f.make(), f.options);
        auto r = export_text(extractor, *query(db, broken_select()));
        ASSERT_EQ(r.error, "(none)");
        auto loaded = load_text(extractor, r.text);
        EXPECT_EQ(loaded.error, "(none)");
        EXPECT_EQ(loaded.cells(), expected);
    }
}

}  // namespace
}  // namespace data_test
