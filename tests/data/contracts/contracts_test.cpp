// The import and export contracts: registered types, the extractors' common properties,
// the Configuration record, and the dispatchers' results for objects that lack an
// operation or are missing.
#include "data_fixture.hpp"

#include <functional>

namespace data_test {
namespace {

struct TypeCase {
    GType (*get_type)();
    const char* name;
    const char* parent;
    std::vector<GType> interfaces;
};

TEST(DataContracts, TypesAreRegisteredUnderTheirNames) {
    GType exporter = tarvelin_rezezadovu_contracts_data_iexporter_get_type();
    GType importer = tarvelin_rezezadovu_contracts_data_iimporter_get_type();
    GType document = tarvelin_rezezadovu_contracts_data_idocument_get_type();
    const char* base = "TarvelinRezezadovuSupportsDataExtractorsBaseExtractor";
    const TypeCase cases[] = {
        {tarvelin_rezezadovu_contracts_data_iexporter_get_type, "TarvelinRezezadovuContractsDataIExporter", "GInterface", {}},
        {tarvelin_rezezadovu_contracts_data_iimporter_get_type, "TarvelinRezezadovuContractsDataIImporter", "GInterface", {}},
        {tarvelin_rezezadovu_contracts_data_idocument_get_type, "TarvelinRezezadovuContractsDataIDocument", "GInterface", {}},
        {tarvelin_rezezadovu_contracts_data_configuration_get_type, "TarvelinRezezadovuContractsDataConfiguration", "GBoxed", {}},
        {tarvelin_rezezadovu_supports_data_extractors_base_extractor_get_type, base, "GObject", {exporter}},
        {tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_get_type,
         "TarvelinRezezadovuSupportsDataExtractorsDsvExtractor", base, {exporter, importer}},
        {tarvelin_rezezadovu_supports_data_extractors_json_extractor_get_type,
         "TarvelinRezezadovuSupportsDataExtractorsJsonExtractor", base, {exporter, importer}},
        {tarvelin_rezezadovu_supports_data_extractors_xml_extractor_get_type,
         "TarvelinRezezadovuSupportsDataExtractorsXmlExtractor", base, {exporter, importer}},
        {tarvelin_rezezadovu_supports_data_extractors_html_extractor_get_type,
         "TarvelinRezezadovuSupportsDataExtractorsHtmlExtractor", base, {exporter}},
        {tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_get_type,
         "TarvelinRezezadovuSupportsDataExtractorsMarkdownExtractor", base, {exporter}},
        {tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_get_type,
         "TarvelinRezezadovuSupportsDataExtractorsSqlInsertExtractor", base, {exporter}},
        {tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_get_type,
         "TarvelinRezezadovuSupportsDataExtractorsSqlUpdateExtractor", base, {exporter}},
        {tarvelin_rezezadovu_supports_data_documents_html_document_get_type,
         "TarvelinRezezadovuSupportsDataDocumentsHtmlDocument", "GObject", {document}},
        {tarvelin_rezezadovu_supports_data_documents_markdown_document_get_type,
         "TarvelinRezezadovuSupportsDataDocumentsMarkdownDocument", "GObject", {document}},
    };
    for (const auto& c : cases) {
        GType t = c.get_type();
        EXPECT_STREQ(g_type_name(t), c.name);
        EXPECT_EQ(g_type_from_name(c.name), t) << c.name;
        GType parent = G_TYPE_IS_INTERFACE(t) ? G_TYPE_INTERFACE : g_type_parent(t);
        if (G_TYPE_IS_BOXED(t)) parent = G_TYPE_BOXED;
        EXPECT_STREQ(g_type_name(parent), c.parent) << c.name;
        for (GType i : c.interfaces) EXPECT_TRUE(g_type_is_a(t, i)) << c.name << " " << g_type_name(i);
        if (!G_TYPE_IS_INTERFACE(t) && !G_TYPE_IS_BOXED(t)) {
            EXPECT_EQ(g_type_is_a(t, importer), std::string(c.name).find("Dsv") != std::string::npos ||
                                                    std::string(c.name).find("Json") != std::string::npos ||
                                                    std::string(c.name).find("Xml") != std::string::npos)
                << c.name;
        }
    }
}

// The extractors made by each constructor, with the extension each reports.
std::vector<std::pair<GObject*, std::string>> every_extractor() {
    return {
        {G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_base_extractor_new("txt")), "txt"},
        {G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv")), "csv"},
        {G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new("json")), "json"},
        {G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new("xml")), "xml"},
        {G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_html_extractor_new("html")), "html"},
        {G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new("md")), "md"},
        {G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_sql_insert_extractor_new()), "sql"},
        {G_OBJECT(tarvelin_rezezadovu_supports_data_extractors_sql_update_extractor_new()), "sql"},
    };
}

void count_notify(GObject*, GParamSpec*, gpointer n) { ++*static_cast<int*>(n); }

TEST(DataContracts, NewExtractorsReportTheirDefaults) {
    for (auto [object, extension] : every_extractor()) {
        SCOPED_TRACE(G_OBJECT_TYPE_NAME(object));
        auto* e = exporter(object);
        EXPECT_TRUE(tarvelin_rezezadovu_contracts_data_iexporter_get_continue_on_error(e));
        EXPECT_STREQ(tarvelin_rezezadovu_contracts_data_iexporter_get_file_extention(e), extension.c_str());
        GeeHashMap* options = tarvelin_rezezadovu_contracts_data_iexporter_get_options(e);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(gee_abstract_map_get_size(GEE_ABSTRACT_MAP(options)), 0);

        // The property system reads the same state: the map itself, the extension, the flag.
        GeeHashMap* through_property = nullptr;
        gchar* ext = nullptr;
        gboolean go_on = FALSE;
        g_object_get(object, "options", &through_property, "file-extention", &ext, "continue-on-error", &go_on, nullptr);
        EXPECT_EQ(through_property, options);
        EXPECT_STREQ(ext, extension.c_str());
        EXPECT_TRUE(go_on);
        g_object_unref(through_property);
        g_free(ext);

        // Notified only on change, whether set through C or the property system.
        int notified = 0;
        g_signal_connect(object, "notify::continue-on-error", G_CALLBACK(count_notify), &notified);
        tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(e, TRUE);
        tarvelin_rezezadovu_contracts_data_iexporter_set_continue_on_error(e, FALSE);
        g_object_set(object, "continue-on-error", FALSE, nullptr);
        g_object_set(object, "continue-on-error", TRUE, nullptr);
        EXPECT_EQ(notified, 2);

        GParamSpec* p = g_object_class_find_property(G_OBJECT_GET_CLASS(object), "options");
        ASSERT_NE(p, nullptr);
        EXPECT_FALSE(p->flags & G_PARAM_WRITABLE);
        p = g_object_class_find_property(G_OBJECT_GET_CLASS(object), "continue-on-error");
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(G_PARAM_SPEC_BOOLEAN(p)->default_value);
        g_object_unref(object);
    }
}

TEST(DataContracts, ConstructorsRefuseAMissingExtension) {
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_supports_data_extractors_base_extractor_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_data_extractors_json_extractor_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_data_extractors_xml_extractor_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_data_extractors_html_extractor_new(nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_data_extractors_markdown_extractor_new(nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "file_ext != NULL"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "file_extension != NULL"), 5);
}

TEST(DataContracts, ConfigurationCopiesOwnTheirTexts) {
    using Cfg = TarvelinRezezadovuContractsDataConfiguration;
    Cfg empty{};
    Cfg* copy = tarvelin_rezezadovu_contracts_data_configuration_dup(&empty);
    ASSERT_NE(copy, nullptr);
    for (gchar* field : {copy->title, copy->data_version, copy->description, copy->footer_text, copy->footer_url})
        EXPECT_EQ(field, nullptr);

    Cfg full{g_strdup("T"), g_strdup("1.0"), g_strdup("D"), g_strdup("F"), g_strdup("https://x")};
    tarvelin_rezezadovu_contracts_data_configuration_copy(&full, copy);
    EXPECT_STREQ(copy->title, "T");
    EXPECT_STREQ(copy->footer_url, "https://x");
    EXPECT_NE(copy->title, full.title);  // never shared

    // A copy over what it already holds, and over itself, keeps the texts.
    tarvelin_rezezadovu_contracts_data_configuration_copy(&full, copy);
    tarvelin_rezezadovu_contracts_data_configuration_copy(copy, copy);
    EXPECT_STREQ(copy->description, "D");

    // Through GValue, as a boxed type.
    GValue value = G_VALUE_INIT;
    g_value_init(&value, tarvelin_rezezadovu_contracts_data_configuration_get_type());
    g_value_set_boxed(&value, copy);
    auto* boxed = static_cast<Cfg*>(g_value_get_boxed(&value));
    EXPECT_NE(boxed, copy);
    EXPECT_STREQ(boxed->data_version, "1.0");
    g_value_unset(&value);

    tarvelin_rezezadovu_contracts_data_configuration_destroy(&full);
    for (gchar* field : {full.title, full.data_version, full.description, full.footer_text, full.footer_url})
        EXPECT_EQ(field, nullptr);
    tarvelin_rezezadovu_contracts_data_configuration_free(copy);
}

// ---- a host's own implementation that fills no slot

struct HostExtractor {
    GObject parent;
};
struct HostExtractorClass {
    GObjectClass parent;
};

void host_get_property(GObject*, guint id, GValue* value, GParamSpec*) {
    if (id == 3) g_value_set_boolean(value, TRUE);
}
void host_set_property(GObject*, guint, const GValue*, GParamSpec*) {}
void host_class_init(gpointer klass, gpointer) {
    auto* object = G_OBJECT_CLASS(klass);
    object->get_property = host_get_property;
    object->set_property = host_set_property;
    g_object_class_override_property(object, 1, "options");
    g_object_class_override_property(object, 2, "file-extention");
    g_object_class_override_property(object, 3, "continue-on-error");
}
void no_slots(gpointer, gpointer) {}

GType host_extractor_type() {
    static GType type = [] {
        GType t = g_type_register_static_simple(G_TYPE_OBJECT, "DataTestHostExtractor", sizeof(HostExtractorClass),
                                                host_class_init, sizeof(HostExtractor), nullptr, GTypeFlags(0));
        GInterfaceInfo info{no_slots, nullptr, nullptr};
        g_type_add_interface_static(t, tarvelin_rezezadovu_contracts_data_iexporter_get_type(), &info);
        g_type_add_interface_static(t, tarvelin_rezezadovu_contracts_data_iimporter_get_type(), &info);
        g_type_add_interface_static(t, tarvelin_rezezadovu_contracts_data_idocument_get_type(), &info);
        return t;
    }();
    return type;
}

void never(GObject*, GAsyncResult*, gpointer called) { *static_cast<bool*>(called) = true; }

TEST(DataContracts, DispatchersGiveTheEmptyResultsOfMissingOperations) {
    GObject* host = G_OBJECT(g_object_new(host_extractor_type(), nullptr));
    auto model = table_of({{"a", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING}}, {{"x"}});
    auto* m = reinterpret_cast<TarvelinProvidersContractsTableModel*>(model.gobj());
    gchar* buffer = g_strdup("kept");
    GError* error = nullptr;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(exporter(host), m, "/tmp/x", nullptr,
                                                                         nullptr, &error),
              -1);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(exporter(host), m, &buffer, nullptr, nullptr,
                                                                         &error),
              -1);
    EXPECT_STREQ(buffer, "kept");
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iimporter_import_from_text_finish(importer(host), nullptr, &error), -1);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish(importer(host), nullptr, &error), -1);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iimporter_load_from_text(importer(host), "a\n", nullptr, nullptr,
                                                                         &error),
              nullptr);
    EXPECT_EQ(error, nullptr);

    // A refused import start (no error to carry): criticals, and no ready callback.
    test::LogCapture log;
    auto* dsv = tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv");
    bool called = false;
    auto table = target_table("main", "t", {});
    tarvelin_rezezadovu_contracts_data_iimporter_import_from_text(importer(dsv), "a\n", nullptr,
                                                                  reinterpret_cast<CTable*>(table.gobj()), nullptr,
                                                                  nullptr, never, &called);
    tarvelin_rezezadovu_contracts_data_iimporter_import_from_text(importer(dsv), nullptr, nullptr, nullptr, nullptr,
                                                                  nullptr, never, &called);
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    EXPECT_FALSE(called);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "connection != NULL"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "textbuffer != NULL"), 1);
    g_object_unref(dsv);
    g_free(buffer);
    g_object_unref(host);
}

// Every refused call that has an error out-parameter fails with its error as well as its
// critical, and with a failure result a host can tell from an empty table (-1, NULL, 0 for
// the row step).
TEST(DataContracts, RefusedCallsFailWithTheirError) {
    auto model = table_of({{"a", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING}}, {{"x"}});
    auto* m = reinterpret_cast<TarvelinProvidersContractsTableModel*>(model.gobj());
    auto* dsv = tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv");
    auto* document = tarvelin_rezezadovu_supports_data_documents_markdown_document_new();
    auto* doc = reinterpret_cast<TarvelinRezezadovuContractsDataIDocument*>(document);
    auto* database = tarvelin_rezezadovu_meta_model_meta_database_new();
    // An object of no type the functions accept: a model where an extractor is due.
    auto* other = reinterpret_cast<GObject*>(m);
    auto* not_exporter = reinterpret_cast<CExporter*>(other);
    auto* not_importer = reinterpret_cast<CImporter*>(other);
    TarvelinRezezadovuContractsDataConfiguration cfg{};
    gchar* text = g_strdup("");
    gchar* no_text = nullptr;

    struct Case {
        const char* what;
        const char* condition;
        std::function<bool(GError**)> refused;  // true when the result is the failure result
    };
    const Case cases[] = {
        {"export_to_file without extractor", "self != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(nullptr, m, "/tmp/x", nullptr, nullptr, e) == -1; }},
        {"export_to_file without model", "model != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(exporter(dsv), nullptr, "/tmp/x", nullptr, nullptr, e) == -1; }},
        {"export_to_file without file name", "filename != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(exporter(dsv), m, nullptr, nullptr, nullptr, e) == -1; }},
        {"export_to_file on a model", "G_TYPE_CHECK_INSTANCE_TYPE (self, TarvelinRezezadovuContractsDataIExporter)",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(not_exporter, m, "/tmp/x", nullptr, nullptr, e) == -1; }},
        {"export_to_file of an extractor as model", "G_TYPE_CHECK_INSTANCE_TYPE (model, TarvelinProvidersContractsTableModel)",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(exporter(dsv), reinterpret_cast<TarvelinProvidersContractsTableModel*>(dsv), "/tmp/x", nullptr, nullptr, e) == -1; }},
        {"export_to_text without extractor", "self != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(nullptr, m, &text, nullptr, nullptr, e) == -1; }},
        {"export_to_text without model", "model != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(exporter(dsv), nullptr, &text, nullptr, nullptr, e) == -1; }},
        {"export_to_text without buffer", "buffer != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(exporter(dsv), m, nullptr, nullptr, nullptr, e) == -1; }},
        {"export_to_text with a buffer holding no text", "*buffer != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(exporter(dsv), m, &no_text, nullptr, nullptr, e) == -1; }},
        {"export_to_text on a model", "G_TYPE_CHECK_INSTANCE_TYPE (self, TarvelinRezezadovuContractsDataIExporter)",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(not_exporter, m, &text, nullptr, nullptr, e) == -1; }},
        {"import_from_text_finish without importer", "G_TYPE_CHECK_INSTANCE_TYPE (self, TarvelinRezezadovuContractsDataIImporter)",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iimporter_import_from_text_finish(nullptr, nullptr, e) == -1; }},
        {"import_from_file_finish on a model", "G_TYPE_CHECK_INSTANCE_TYPE (self, TarvelinRezezadovuContractsDataIImporter)",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iimporter_import_from_file_finish(not_importer, nullptr, e) == -1; }},
        {"load_from_file without importer", "self != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iimporter_load_from_file(nullptr, 0, nullptr, nullptr, e) == nullptr; }},
        {"load_from_file on a model", "G_TYPE_CHECK_INSTANCE_TYPE (self, TarvelinRezezadovuContractsDataIImporter)",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iimporter_load_from_file(not_importer, 0, nullptr, nullptr, e) == nullptr; }},
        {"load_from_text without text", "textbuffer != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_contracts_data_iimporter_load_from_text(importer(dsv), nullptr, nullptr, nullptr, e) == nullptr; }},
        {"import_row_to_table_finish without extractor", "self != NULL",
         [&](GError** e) { return tarvelin_rezezadovu_supports_data_extractors_base_extractor_import_row_to_table_finish(nullptr, nullptr, e) == 0; }},
        {"produce without document", "self != NULL",
         [&](GError** e) { tarvelin_rezezadovu_contracts_data_idocument_produce(nullptr, database, "/tmp/x", &cfg, nullptr, nullptr, e); return true; }},
        {"produce without database", "meta_database != NULL",
         [&](GError** e) { tarvelin_rezezadovu_contracts_data_idocument_produce(doc, nullptr, "/tmp/x", &cfg, nullptr, nullptr, e); return true; }},
        {"produce without file name", "filename != NULL",
         [&](GError** e) { tarvelin_rezezadovu_contracts_data_idocument_produce(doc, database, nullptr, &cfg, nullptr, nullptr, e); return true; }},
        {"produce without configuration", "cfg != NULL",
         [&](GError** e) { tarvelin_rezezadovu_contracts_data_idocument_produce(doc, database, "/tmp/x", nullptr, nullptr, nullptr, e); return true; }},
        {"produce on an extractor", "G_TYPE_CHECK_INSTANCE_TYPE (self, TarvelinRezezadovuContractsDataIDocument)",
         [&](GError** e) { tarvelin_rezezadovu_contracts_data_idocument_produce(reinterpret_cast<TarvelinRezezadovuContractsDataIDocument*>(dsv), database, "/tmp/x", &cfg, nullptr, nullptr, e); return true; }},
        {"produce of a model as database", "G_TYPE_CHECK_INSTANCE_TYPE (meta_database, TarvelinRezezadovuMetaModelMetaDatabase)",
         [&](GError** e) { tarvelin_rezezadovu_contracts_data_idocument_produce(doc, reinterpret_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(other), "/tmp/x", &cfg, nullptr, nullptr, e); return true; }},
    };
    for (const Case& c : cases) {
        test::LogCapture log;
        GError* error = nullptr;
        EXPECT_TRUE(c.refused(&error)) << c.what;
        EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, std::string("'") + c.condition + "'"), 1) << c.what;
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_TRUE(g_error_matches(error, G_IO_ERROR, G_IO_ERROR_INVALID_ARGUMENT)) << c.what;
        EXPECT_NE(std::string(error->message).find(c.condition), std::string::npos) << c.what << ": " << error->message;
        g_error_free(error);
        // A caller that passes no error location gets the critical alone.
        test::LogCapture again;
        EXPECT_TRUE(c.refused(nullptr)) << c.what;
        EXPECT_EQ(again.count(G_LOG_LEVEL_CRITICAL), 1) << c.what;
    }
    EXPECT_STREQ(text, "");
    g_free(text);
    g_object_unref(database);
    g_object_unref(document);
    g_object_unref(dsv);
}

}  // namespace
}  // namespace data_test
