// XML: both storage forms written and read back, the export refusals, malformed and
// differently laid out documents, and imports into an SQLite file.
#include "data_fixture.hpp"
#include "support/facade_log.hpp"

namespace data_test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
#define T(name) TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_##name

Made Xml(const Options& options = {}) {
    return Made(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml"), options);
}

TEST(XmlExport, BothStorageForms) {
    auto table = table_of({{"id", T(INT64)}, {"name", T(STRING)}}, {{gint64(1), "x"}});
    EXPECT_EQ(export_text(Xml(), *table).text,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RECORDS>\n    <RECORD>\n        <id>1</id>\n"
              "        <name>x</name>\n    </RECORD>\n</RECORDS>\n");
    EXPECT_EQ(export_text(Xml({{"STORAGE", "attribute"}}), *table).text,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RECORDS>\n    <RECORD id=\"1\" name=\"x\"/>\n</RECORDS>\n");

    test::TempDir dir;
    auto empty = table_of({{"id", T(INT64)}}, {});
    auto r = export_file(Xml(), *empty, dir.file("empty.xml"));
    EXPECT_EQ(r.rows, 0);
    EXPECT_EQ(r.text, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RECORDS/>\n");
}

TEST(XmlRoundTrip, MarkupLineEndsAndNullsComeBack) {
    const char* texts[] = {"<b>&amp;", "a\r\nb", "\r", "\n", " lead ", "", "'\"", "日本", "]]>", "tab\there"};
    std::vector<std::vector<Cell>> rows;
    for (const char* t : texts) rows.push_back({t, Null{}});
    auto table = table_of({{"text", T(STRING)}, {"nothing", T(STRING)}}, rows);
    for (const char* storage : {"element", "attribute"}) {
        for (const char* null_value : {"", "\\N"}) {
            SCOPED_TRACE(std::string(storage) + " null=" + null_value);
            Made xml = Xml({{"STORAGE", storage}, {"NULL_VALUE", null_value}});
            auto written = export_text(xml, *table);
            ASSERT_EQ(written.error, "(none)");
            auto loaded = load_text(xml, written.text);
            ASSERT_EQ(loaded.error, "(none)");
            Rows expected = {{"text", "nothing"}};
            for (const char* t : texts) expected.push_back({t, null_value});
            EXPECT_EQ(loaded.cells(), expected) << written.text;
        }
    }
}

TEST(XmlExport, WhatXmlCannotCarryIsRefused) {
    test::TempDir dir;
    for (const char* name : {"1st", "a b", "", "x<y"}) {
        auto table = table_of({{name, T(STRING)}}, {{"v"}});
        auto r = export_text(Xml(), *table);
        EXPECT_EQ(r.rows, -1);
        EXPECT_EQ(r.error, std::string("g-io-error-quark 35 the column name \"") + name + "\" is not an XML name");
        EXPECT_EQ(export_file(Xml(), *table, dir.file("bad.xml")).rows, -1);
    }
    for (const char* text : {"bell\x07", "nul-free \x01"}) {
        auto table = table_of({{"c", T(STRING)}}, {{"ok"}, {text}});
        auto r = export_text(Xml({{"STORAGE", "attribute"}}), *table);
        EXPECT_EQ(r.rows, -1);
        EXPECT_EQ(r.error, "g-io-error-quark 35 column \"c\" of row 2 holds a character that XML cannot carry");
    }
    auto table = table_of({{"c", T(STRING)}}, {{"x"}});
    auto r = export_file(Xml(), *table, kUnwritable);
    EXPECT_EQ(r.rows, -1);
    EXPECT_EQ(r.error.rfind("g-io-error-quark 1 ", 0), 0u) << r.error;
}

struct ReadCase {
    const char* label;
    std::string input;
    Rows expected;
    std::string error = "(none)";
};

TEST(XmlRead, LayoutsAndMalformedDocuments) {
    const char* kCutAt1 = "XML -1 the XML document is cut short: it ends at line 1 before it is complete";
    const ReadCase cases[] = {
        {"compact, both forms", "<RECORDS><RECORD><a>1</a><b/></RECORD><RECORD a=\"2\" b=\"y\"/></RECORDS>",
         {{"a", "b"}, {"1", ""}, {"2", "y"}}},
        {"start and end tag without content", "<RECORDS>\n<RECORD>\n<a></a>\n</RECORD>\n</RECORDS>", {{"a"}, {""}}},
        {"nested text and CDATA", "<R><RECORDS><RECORD><a>x<i>y</i>z</a><b><![CDATA[<&>]]></b></RECORD></RECORDS></R>",
         {{"a", "b"}, {"xyz", "<&>"}}},
        {"attributes and children", "<RECORDS><RECORD id=\"1\"><name>n</name></RECORD></RECORDS>",
         {{"id", "name"}, {"1", "n"}}},
        {"records elsewhere are not read", "<RECORDS><X><RECORD><a>1</a></RECORD></X></RECORDS>", {}},
        {"no RECORD", "<RECORDS/>", {}},
        {"no RECORDS", "<other/>", {}},
        // Documents that stop half-way, and empty ones, are named for what they are.
        {"cut after an element", "<RECORDS><RECORD><a>1</a>", {}, kCutAt1},
        {"cut inside a text", "<RECORDS>\n  <RECORD>\n    <a>1", {},
         "XML -1 the XML document is cut short: it ends at line 3 before it is complete"},
        {"cut inside a tag", "<RECORDS><RECORD a=\"1", {}, kCutAt1},
        {"cut inside an end tag", "<RECORDS><RECORD><a>1</a></REC", {}, kCutAt1},
        {"cut inside a comment", "<RECORDS><!-- x", {}, kCutAt1},
        {"cut inside the declaration", "<?xml version=\"1.0\"", {}, kCutAt1},
        {"empty", "", {}, "XML -1 the XML document is empty"},
        {"blank", " \n\t\n", {}, "XML -1 the XML document is empty"},
        {"a declaration alone", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n", {}, "XML -1 the XML document is empty"},
        {"mismatched tag", "<RECORDS><RECORD><a>1</b></RECORD></RECORDS>", {},
         "XML -1 malformed XML at line 1: Opening and ending tag mismatch: a line 1 and b"},
        {"malformed after the records", "<RECORDS><RECORD><a>1</a></RECORD></RECORDS><extra>", {},
         "XML -1 malformed XML at line 1: Extra content at the end of the document"},
        {"not XML", "plain text", {}, "XML -1 malformed XML at line 1: Document is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        auto loaded = load_text(Xml(), c.input);
        EXPECT_EQ(loaded.error, c.error);
        EXPECT_EQ(loaded.cells(), c.expected);
    }
}

TEST(XmlRead, FilesAndLimits) {
    test::TempDir dir;
    std::string file = dir.file("five.xml");
    std::string text = "<RECORDS>";
    for (int i = 1; i <= 5; ++i) text += "<RECORD><n>" + std::to_string(i) + "</n></RECORD>";
    write_text(file, text + "</RECORDS>");
    Made xml = Xml({{"FILENAME", file}});
    EXPECT_EQ(load_file(xml, 2).cells(), (Rows{{"n"}, {"1"}, {"2"}}));
    EXPECT_EQ(load_file(xml, 0).cells().size(), 6u);
    EXPECT_EQ(load_file(Xml(), 0).error, "default -1 load xml document failed.");
    // A file cut short, and an empty one, say so.
    write_text(file, text.substr(0, text.size() - 9));  // "...<n>5</n>"
    EXPECT_EQ(load_file(xml, 0).error, "XML -1 the XML document is cut short: it ends at line 1 before it is complete");
    write_text(file, "");
    EXPECT_EQ(load_file(xml, 0).error, "XML -1 the XML document is empty");
    EXPECT_EQ(load_file(Xml({{"FILENAME", dir.file("missing.xml")}}), 0).error,
              "default -1 load xml document failed.");
}

class XmlImport : public ::testing::Test {
protected:
    void SetUp() override {
        db.run("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT)");
        db.run("INSERT INTO t VALUES (2, 'there before')");
        table = target_table("main", "t", {{"id", T(INT64), "id", true}, {"name", T(STRING), "name"}});
    }
    test::FacadeLog log;
    SqliteDatabase db;
    Ref<MetaTable> table;
    const std::string five =
        "<RECORDS><RECORD id=\"1\" name=\"a\"/><RECORD id=\"2\" name=\"dup\"/><RECORD id=\"3\" name=\"&lt;b&gt;\"/>"
        "<RECORD><id>4</id><name>O'Brien \\</name></RECORD><RECORD><id>5</id><name>1); DROP TABLE t; --</name></RECORD>"
        "</RECORDS>";
};

TEST_F(XmlImport, ContinueOnErrorBothWays) {
    Made xml = Xml({{"ACTION", "append"}});
    auto r = import_text(xml, five, db.connection(), *table);
    EXPECT_EQ(r.error, "(none)");
    EXPECT_EQ(r.count, 5);  // records handled, the failed one included
    EXPECT_EQ(log.count("import row failed: "), 1);
    EXPECT_EQ(db.rows("SELECT id, name FROM t ORDER BY id"),
              (std::vector<std::string>{"1|a", "2|there before", "3|<b>", "4|O'Brien \\", "5|1); DROP TABLE t; --"}));

    db.run("DELETE FROM t WHERE id <> 2");
    Made stop = Xml({{"ACTION", "append"}});
    tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(exporter(static_cast<gpointer>(stop)), FALSE);
    r = import_text(stop, five, db.connection(), *table);
    EXPECT_EQ(r.count, 0);
    EXPECT_NE(r.error.find("UNIQUE"), std::string::npos) << r.error;
    EXPECT_EQ(db.rows("SELECT id FROM t ORDER BY id"), (std::vector<std::string>{"1", "2"}));
}

TEST_F(XmlImport, EmptyMalformedAndMissingDocuments) {
    Made xml = Xml({{"ACTION", "append"}});
    auto r = import_text(xml, "<RECORDS/>", db.connection(), *table);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.error, "(none)");
    r = import_text(xml, "<RECORDS><RECORD id=\"8\" name=\"x\"/><RECORD", db.connection(), *table);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.error, "XML -1 the XML document is cut short: it ends at line 1 before it is complete");
    EXPECT_EQ(db.rows("SELECT id FROM t WHERE id = 8"), (std::vector<std::string>{"8"}));  // read before the fault
    EXPECT_EQ(import_file(xml, db.connection(), *table).error, "default -1 load xml document failed.");
    std::string file = db.path("in.xml");
    write_text(file, "<RECORDS><RECORD id=\"9\" name=\"file\"/></RECORDS>");
    set_options(xml, {{"FILENAME", file}});
    EXPECT_EQ(import_file(xml, db.connection(), *table).count, 1);
}

}  // namespace
}  // namespace data_test
