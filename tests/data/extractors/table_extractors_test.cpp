// HTML, Markdown and SQL exporters: golden texts with hostile cells and names, their
// progress texts, empty tables, and refusals.
#include "data_fixture.hpp"

namespace data_test {
namespace {

#define T(name) TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_##name

Ref<TableModel> hostile_table() {
    return table_of({{"id", T(INT64)}, {"name|<x>", T(STRING)}, {"no`te\"", T(STRING)}},
                    {{gint64(1), "<b>&'\"", Null{}}, {gint64(2), "a|b\r\nc\nd", ""}, {gint64(3), "it's \\", "x"}});
}

Made html() { return Made(tarvelin_rezezadovu_supports_data_extractors_html_extractor_new("html")); }
Made markdown() { return Made(tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new("md")); }
Made sql_insert(const Options& options = {}) {
    return Made(tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_new(), options);
}
Made sql_update(const Options& options = {}) {
    return Made(tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_new(), options);
}

TEST(TableExtractors, GoldenTextsEscapeWhatTheyInsert) {
    auto table = hostile_table();
    struct Case {
        const char* golden;
        Made extractor;
    };
    Case cases[] = {
        {"table.html", html()},
        {"table.md", markdown()},
        {"insert.sql", sql_insert({{"TABLENAME", "or`ders"}})},
        {"update.sql", sql_update({{"TABLENAME", "main.orders"}})},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.golden);
        auto r = export_text(c.extractor, *table);
        EXPECT_EQ(r.error, "(none)");
        EXPECT_EQ(r.rows, 3);
        EXPECT_EQ(r.text, golden(c.golden, r.text));
    }
}

TEST(TableExtractors, ProgressTextsAreTheRenderedRows) {
    auto table = table_of({{"a", T(STRING)}}, {{"<x>"}, {Null{}}});
    using Call = std::tuple<guint, gint64, std::string>;
    auto progress_of = [&](gpointer extractor) {
        ProgressLog progress;
        gchar* buffer = g_strdup("");
        tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(
            exporter(extractor), reinterpret_cast<TarvelinProvidersContractsTableModel*>(table.gobj()), &buffer,
            &ProgressLog::record, &progress, nullptr);
        g_free(buffer);
        return progress.calls;
    };
    EXPECT_EQ(progress_of(html()), (std::vector<Call>{{2, 1, "<tr><td>&lt;x&gt;</td></tr>"}, {2, 2, "<tr><td></td></tr>"}}));
    EXPECT_EQ(progress_of(markdown()), (std::vector<Call>{{2, 1, "| <x> |"}, {2, 2, "| |"}}));
    EXPECT_TRUE(progress_of(sql_insert({{"TABLENAME", "t"}})).empty());
}

TEST(TableExtractors, EmptyTablesWriteNoFile) {
    test::TempDir dir;
    auto empty = table_of({{"id", T(INT64)}, {"name", T(STRING)}}, {});
    auto r = export_text(markdown(), *empty);
    EXPECT_EQ(r.rows, 0);
    EXPECT_EQ(r.text, "| id | name |\n|----|------|\n");
    r = export_text(html(), *empty);
    EXPECT_EQ(r.rows, 0);
    EXPECT_NE(r.text.find("<tr><th>id</th><th>name</th></tr>\n\t\t</table>\n\t</body>\n</html>"), std::string::npos);
    EXPECT_EQ(export_text(sql_insert({{"TABLENAME", "t"}}), *empty).text, "");
    for (auto* make : {&html, &markdown}) {
        Made extractor = make();
        std::string file = dir.file("empty.out");
        EXPECT_EQ(export_file(extractor, *empty, file).rows, 0);
        EXPECT_FALSE(exists(file));
    }
    auto table = hostile_table();
    std::string file = dir.file("rows.md");
    r = export_file(markdown(), *table, file);
    EXPECT_EQ(r.rows, 3);
    EXPECT_EQ(r.text, export_text(markdown(), *table).text);
    EXPECT_EQ(export_file(markdown(), *table, kUnwritable).rows, -1);
}

TEST(TableExtractors, SqlFormsRefuseWhatGivesNoStatement) {
    auto table = hostile_table();
    auto r = export_text(sql_insert(), *table);
    EXPECT_EQ(r.rows, -1);
    EXPECT_EQ(r.error, "default -1 the option TABLENAME is not set");
    EXPECT_EQ(export_text(sql_update(), *table).rows, -1);
    auto no_columns = table_of({}, {{}});
    r = export_text(sql_update({{"TABLENAME", "t"}}), *no_columns);
    EXPECT_EQ(r.rows, -1);
    EXPECT_EQ(r.error, "default -1 a table without columns gives no SQL statement");
    EXPECT_EQ(export_text(sql_insert({{"TABLENAME", "t"}}), *no_columns).rows, -1);
}

// The table option is a name, never SQL: a hostile one stays inside its quotes in both forms.
TEST(TableExtractors, TheTableOptionCannotCarrySql) {
    auto table = table_of({{"id", T(INT64)}}, {{gint64(1)}});
    struct Case {
        Made extractor;
        const char* expected;
    };
    Case cases[] = {
        {sql_update({{"TABLENAME", "t\"; DROP TABLE v; --"}}), "UPDATE \"t\"\"; DROP TABLE v; --\" SET \"id\" = 1 WHERE \"id\" = 1;\n"},
        {sql_update({{"TABLENAME", "s.t x"}}), "UPDATE \"s\".\"t x\" SET \"id\" = 1 WHERE \"id\" = 1;\n"},
        {sql_insert({{"TABLENAME", "t`; DROP TABLE v; --"}}), "INSERT INTO `t``; DROP TABLE v; --`(`id`) VALUES(1);\n"},
    };
    for (auto& c : cases) EXPECT_EQ(export_text(c.extractor, *table).text, c.expected);
}

}  // namespace
}  // namespace data_test
