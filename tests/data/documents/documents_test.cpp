// Structure documents: golden HTML and Markdown of a two-schema database built in the
// metadata model, numbering across schemas, matching anchors, escaping, the footer, a
// database without schemas and an unwritable path.
#include "data_fixture.hpp"
#include "documents_support.hpp"

namespace data_test {
namespace {

Made html_document() { return Made(tarvelin_rezezadovu_supports_data_documents_html_document_new()); }
Made markdown_document() { return Made(tarvelin_rezezadovu_supports_data_documents_markdown_document_new()); }

TEST(StructureDocuments, GoldenReportsOfTwoSchemas) {
    auto database = two_schema_database();
    Texts texts;
    test::TempDir dir;
    for (auto [name, make] : {std::pair{"model.html", &html_document}, std::pair{"model.md", &markdown_document}}) {
        SCOPED_TRACE(name);
        Made document = make();
        auto r = produce(document, *database, dir.file(name), texts.cfg());
        EXPECT_EQ(r.error, "(none)");
        EXPECT_EQ(r.text, golden(name, r.text));
        // Numbered 1..n across the schemas, tables before views, sections in index order.
        EXPECT_EQ(index_numbers(r.text), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_TRUE(anchors_match(r.text)) << r.text;
    }
}

TEST(StructureDocuments, FooterOnlyWithAFooterText) {
    auto database = two_schema_database();
    test::TempDir dir;
    Texts texts;
    texts.footer_text = "";
    auto r = produce(html_document(), *database, dir.file("a.html"), texts.cfg());
    EXPECT_EQ(r.text.find("<footer>"), std::string::npos);
    EXPECT_TRUE(r.text.ends_with("</div></body></html>"));
    texts.footer_text = "made <here>";
    r = produce(html_document(), *database, dir.file("b.html"), texts.cfg());
    EXPECT_NE(r.text.find("<footer><div><a href=\"https://example.org/?a=1&amp;b=&quot;2&quot;\">made &lt;here&gt;</a>"
                          "</div></footer></body></html>"),
              std::string::npos);
    r = produce(markdown_document(), *database, dir.file("c.md"), texts.cfg());
    EXPECT_EQ(r.text.find("made"), std::string::npos);
}

TEST(StructureDocuments, EmptyDatabasesAndUnwritablePaths) {
    auto empty = rezezadovu::meta_model::MetaDatabase::create_with_name(rezezadovu::meta_model::MetaDatabase::gtype(),
                                                                         "nothing");
    test::TempDir dir;
    Texts texts;
    texts.footer_text.clear();
    auto r = produce(html_document(), *empty, dir.file("e.html"), texts.cfg());
    EXPECT_EQ(r.error, "(none)");
    EXPECT_TRUE(r.text.ends_with("<td>Description</td></tr></thead></table></div></body></html>")) << r.text;
    r = produce(markdown_document(), *empty, dir.file("e.md"), texts.cfg());
    EXPECT_TRUE(r.text.ends_with("| :-----------: | :----------- | :----------- | :----------- |\n")) << r.text;
    for (auto* make : {&html_document, &markdown_document}) {
        r = produce(make(), *empty, kUnwritable, texts.cfg());
        EXPECT_EQ(r.error.rfind("g-io-error-quark 1 ", 0), 0u) << r.error;
    }
    // Missing arguments: a critical, nothing written.
    test::LogCapture log;
    Made document = html_document();
    tarvelin_rezezadovu_contracts_data_idocument_produce(
        reinterpret_cast<TarvelinRezezadovuContractsDataIDocument*>(document.get()),
        reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(empty.gobj()), dir.file("n.html").c_str(), nullptr,
        nullptr, nullptr, nullptr);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_CRITICAL, "cfg != NULL"));
    EXPECT_FALSE(exists(dir.file("n.html")));
}

const std::string kReplacement = "\xEF\xBF\xBD";

// Catalogue names, types, defaults and comments read from a server may hold any bytes.
TEST(StructureDocuments, CatalogueTextsThatAreNotUtf8AreWrittenValid) {
    auto database = two_schema_database();
    auto schema = database->append("s\xFF");
    auto table = rezezadovu::meta_model::MetaTable::create_with_names(rezezadovu::meta_model::MetaTable::gtype(),
                                                                       "shop", "s\xFF", "t\xC0\xAF");
    table->set_comment("c\xED\xA0\x80");
    gobj::GeeArray<rezezadovu::meta_model::MetaTable>::wrap(schema->get_tables()).append(table);
    auto utf8 = [](const std::string& text) { return g_utf8_validate(text.data(), gssize(text.size()), nullptr); };
    test::TempDir dir;
    for (gpointer document : {gpointer(tarvelin_rezezadovu_supports_data_documents_html_document_new()),
                              gpointer(tarvelin_rezezadovu_supports_data_documents_markdown_document_new())}) {
        Made made(document);
        test::LogCapture log;
        Texts texts;
        texts.title = "ti\x80tle";
        auto r = produce(made, *database, dir.file("doc"), texts.cfg());
        EXPECT_EQ(r.error, "(none)");
        EXPECT_TRUE(utf8(r.text));
        EXPECT_NE(r.text.find("s" + kReplacement + "." + "t" + kReplacement + kReplacement), std::string::npos);
        EXPECT_NE(r.text.find("ti" + kReplacement + "tle"), std::string::npos);
        EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "a table name is not UTF-8"));
        for (const auto& record : log.records()) EXPECT_TRUE(utf8(record.message)) << "a text in the log";
    }
}

}  // namespace
}  // namespace data_test
