// Structure documents of a two-schema database read from the PostgreSQL test server
// through its dialect's adapter.
#include "data_fixture.hpp"
#include "documents_support.hpp"
#include "support/facade_log.hpp"

namespace data_test {
namespace {

using rezezadovu::meta_model::MetaDatabase;

TEST(PostgresqlDocuments, GoldenReportsOfTwoSchemas) {
    auto pg = test::pg_server();
    TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
    test::FacadeLog log;
    PostgresDatabase db(*pg);
    db.run("DROP SCHEMA public CASCADE");
    db.run("CREATE SCHEMA sales");
    db.run("CREATE SCHEMA \"it's\"");
    db.run("CREATE TABLE sales.orders (id integer PRIMARY KEY, note varchar(80) DEFAULT 'n/a', "
           "total numeric(10,2) NOT NULL)");
    db.run("COMMENT ON TABLE sales.orders IS 'one row per <order> | & more'");
    db.run("COMMENT ON COLUMN sales.orders.note IS 'free text\nwith a line'");
    db.run("CREATE TABLE sales.items (sku text NOT NULL, qty smallint)");
    db.run("CREATE VIEW sales.order_view AS SELECT id, total FROM sales.orders");
    db.run("COMMENT ON VIEW sales.order_view IS 'orders, \"viewed\"'");
    db.run("CREATE TABLE \"it's\".log (at timestamp DEFAULT now(), what text)");
    db.run("COMMENT ON TABLE \"it's\".log IS '<script>alert(1)</script>'");

    // The report covers the two schemas the host picks, not the server's own.
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), db.name().c_str());
    auto* adapter = tarvelin_rezezadovu_contracts_database_iconnection_adapter(db.connection());
    for (const char* name : {"sales", "it's"}) {
        auto schema = database->append(name);
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
            adapter, reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema.gobj()), TRUE, &error);
        ASSERT_EQ(test::describe(error), "(none)") << name;
    }
    g_object_unref(adapter);

    Texts texts;
    test::TempDir dir;
    const std::pair<const char*, gpointer> documents[] = {
        {"postgresql.html", tarvelin_rezezadovu_supports_data_documents_html_document_new()},
        {"postgresql.md", tarvelin_rezezadovu_supports_data_documents_markdown_document_new()},
    };
    for (auto [name, object] : documents) {
        SCOPED_TRACE(name);
        Made document(object);
        auto r = produce(document, *database, dir.file(name), texts.cfg());
        EXPECT_EQ(r.error, "(none)");
        // The scratch database's name changes from run to run.
        std::string text = replace(r.text, db.name(), "scratch");
        EXPECT_EQ(text, golden(name, text));
        EXPECT_EQ(index_numbers(text), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_TRUE(anchors_match(text));
    }
}

}  // namespace
}  // namespace data_test
