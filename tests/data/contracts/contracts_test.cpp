// The import and export contracts: registered types, the extractors' common properties,
// the Configuration record, and the dispatchers' results for objects that lack an
// operation or are missing.
#include "data_fixture.hpp"

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

    // A missing object: the critical names the condition, the result is 0 or nothing.
    test::LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iexporter_export_to_file(nullptr, m, "/tmp/x", nullptr, nullptr,
                                                                         &error),
              0);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(nullptr, m, &buffer, nullptr, nullptr,
                                                                         &error),
              0);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iexporter_get_options(nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "self != NULL"), 3);

    // A buffer without a text and a refused import: criticals, and no ready callback.
    auto* dsv = tarvelin_rezezadovu_supports_data_extractors_dsv_extractor_new("csv");
    gchar* none = nullptr;
    EXPECT_EQ(tarvelin_rezezadovu_contracts_data_iexporter_export_to_text(exporter(dsv), m, &none, nullptr, nullptr,
                                                                         &error),
              0);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "*buffer != NULL"), 1);
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

}  // namespace
}  // namespace data_test
