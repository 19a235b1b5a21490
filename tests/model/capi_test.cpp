// The C face: constructors' argument checks in order, their setting order, and the
// operations that take more than the object.
#include <tarvelin/rezezadovu/meta_model.h>

#include <functional>
#include <string>
#include <vector>

#include "model_support.hpp"
#include "providers/gobj/call.hpp"

namespace model_test {
namespace {

std::string critical_of(const std::function<gpointer()>& call, gpointer* made = nullptr) {
    LogCapture criticals;
    gpointer o = call();
    if (made) *made = o;
    else if (o) g_object_unref(o);
    if (criticals.messages().empty()) return "";
    EXPECT_EQ(criticals.messages().size(), 1u);
    const std::string& m = criticals.messages()[0];
    auto open = m.find('\''), close = m.rfind('\'');
    return open == std::string::npos ? m : m.substr(open + 1, close - open - 1);
}

#define N nullptr
struct CtorCase {
    const char* what;
    std::function<gpointer()> call;
    const char* critical;  // "" when the object is made
};

TEST(CFace, ConstructorsTestTheirArgumentsInOrder) {
    const char* d = "db";
    const char* s = "sc";
    const char* n = "nm";
    const CtorCase cases[] = {
        {"database", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_database_new_with_name(N); }, "database != NULL"},
        {"schema db", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_schema_new_with_names(N, N); }, "database != NULL"},
        {"schema", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_schema_new_with_names(d, N); }, "schema != NULL"},
        {"table db", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_table_new_with_names(N, N, N); }, "database != NULL"},
        {"table name", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_table_new_with_names(d, s, N); }, "name != NULL"},
        {"view schema", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_view_new_with_names(d, N, N); }, "schema != NULL"},
        {"miew name", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_materialized_new_with_names(d, s, N); }, "name != NULL"},
        {"column name", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_column_new_with_type(N, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, N); }, "name != NULL"},
        {"column type", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_column_new_with_type(n, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, N); }, "native_type != NULL"},
        {"index db+entity", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_index_new_with_names(N, s, N, n); }, "database != NULL"},
        {"index entity", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_index_new_with_names(d, s, N, n); }, "entity != NULL"},
        {"index name", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_index_new_with_names(d, s, "t", N); }, "name != NULL"},
        {"constraint", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_constraint_new_with_names(N); }, "name != NULL"},
        {"primary", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_primary_key_new_with_name(N); }, "name != NULL"},
        {"check both", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_check_new_with_name(N, N); }, "name != NULL"},
        {"check expr", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_check_new_with_name(n, N); }, "expr != NULL"},
        {"unique", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_unique_new_with_name(N); }, "name != NULL"},
        {"foreign", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_name(N); }, "name != NULL"},
        {"refer both", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_refer(n, N, N); }, "refer_schema != NULL"},
        {"refer table", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_refer(n, s, N); }, "refere_table != NULL"},
        {"exclude", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_exclude_new_with_name(N); }, "name != NULL"},
        {"rule", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_rule_new_with_name(N); }, "name != NULL"},
        {"function schema+name", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_function_new_with_names(d, N, N); }, "schema != NULL"},
        {"event name", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_event_new_with_names(d, s, N); }, "name != NULL"},
        {"trigger both", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_trigger_new_with_body(N, N); }, "name != NULL"},
        {"trigger body", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_trigger_new_with_body(n, N); }, "body != NULL"},
        {"trigger names", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_trigger_new_with_names(N, N, n); }, "database != NULL"},
        {"role db+scope", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_role_new_with_names(N, s, n, N); }, "_database != NULL"},
        {"role scope", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_role_new_with_names(d, s, n, N); }, "_scope != NULL"},
        {"user name", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_user_new_with_names(d, s, N, N); }, "_name != NULL"},
        {"synonym schema", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_synonym_new_with_names(N, N); }, "_schema != NULL"},
        {"synonym name", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_synonym_new_with_names(s, N); }, "_name != NULL"},
        {"classify label", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_classify_new(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, d, s, N); }, "label != NULL"},
        {"classify model", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_classify_new_with_model(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, d, s, "Tables", N); }, "list_model != NULL"},
        {"classify array db", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_classify_new_with_array(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, N, s, N, N, 0); }, "database != NULL"},
        {"table ok", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_table_new_with_names(d, s, n); }, ""},
        {"role ok", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_role_new_with_names(d, s, n, "server"); }, ""},
    };
    for (const auto& c : cases) {
        gpointer made = nullptr;
        EXPECT_EQ(critical_of(c.call, &made), c.critical) << c.what;
        EXPECT_EQ(made != nullptr, *c.critical == '\0') << c.what;
        if (made) g_object_unref(made);
    }
}

TEST(CFace, NamedConstructorsFillTheirProperties) {
    auto* index = tarvelin_rezezadovu_meta_model_meta_index_new_with_names("main", "main", "t1", "ix");
    auto* table = (GObject*)tarvelin_rezezadovu_meta_model_meta_table_construct(
        tarvelin_rezezadovu_meta_model_meta_table_get_type());
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_index_get_entity(index), "t1");
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_object_get_name((TarvelinRezezadovuMetaModelMetaObject*)index), "ix");
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_object_get_database((TarvelinRezezadovuMetaModelMetaObject*)index), "main");
    g_object_unref(index);
    g_object_unref(table);

    auto* user = tarvelin_rezezadovu_meta_model_meta_user_new_with_names("d", "s", "u", "server");
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_user_get_scope(user), "server");
    g_object_unref(user);
    auto* synonym = tarvelin_rezezadovu_meta_model_meta_synonym_new_with_names("dbo", "alias");
    auto* so = (TarvelinRezezadovuMetaModelMetaObject*)synonym;
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_object_get_schema(so), "dbo");
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_object_get_name(so), "alias");
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_object_get_database(so), "");
    EXPECT_EQ(tarvelin_rezezadovu_meta_model_meta_object_character(so), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM);
    g_object_unref(synonym);
}

TEST(CFace, ClassificationNodes) {
    auto* a = tarvelin_rezezadovu_meta_model_meta_table_new();
    auto* b = tarvelin_rezezadovu_meta_model_meta_view_new();
    auto* c = tarvelin_rezezadovu_meta_model_meta_column_new();
    TarvelinRezezadovuMetaModelMetaObject* items[] = {(TarvelinRezezadovuMetaModelMetaObject*)a,
                                                      (TarvelinRezezadovuMetaModelMetaObject*)b,
                                                      (TarvelinRezezadovuMetaModelMetaObject*)c};
    auto* node = tarvelin_rezezadovu_meta_model_meta_classify_new_with_array(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE,
                                                                             "d", "s", "Tables", items, 3);
    GListModel* model = tarvelin_rezezadovu_meta_model_meta_classify_get_children(node);
    ASSERT_EQ(g_list_model_get_n_items(model), 3u);
    for (guint i = 0; i < 3; ++i) {
        GObject* item = G_OBJECT(g_list_model_get_item(model, i));
        EXPECT_EQ(item, G_OBJECT(items[i]));
        g_object_unref(item);
    }
    auto* on = (TarvelinRezezadovuMetaModelMetaObject*)node;
    EXPECT_EQ(tarvelin_rezezadovu_meta_model_meta_object_character(on), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE);
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_object_get_name(on), "Tables");
    {
        NotifyCounter counter(G_OBJECT(node), "children");
        tarvelin_rezezadovu_meta_model_meta_classify_set_children(node, model);
        EXPECT_EQ(counter.count(), 0);
        tarvelin_rezezadovu_meta_model_meta_classify_set_children(node, nullptr);
        EXPECT_EQ(counter.count(), 1);
    }
    auto* empty = tarvelin_rezezadovu_meta_model_meta_classify_new_with_array(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW,
                                                                              "d", "s", "Views", nullptr, 0);
    ASSERT_NE(tarvelin_rezezadovu_meta_model_meta_classify_get_children(empty), nullptr);
    EXPECT_EQ(g_list_model_get_n_items(tarvelin_rezezadovu_meta_model_meta_classify_get_children(empty)), 0u);
    auto* bare = tarvelin_rezezadovu_meta_model_meta_classify_new(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "d", "s", "T");
    EXPECT_EQ(tarvelin_rezezadovu_meta_model_meta_classify_get_children(bare), nullptr);
    for (gpointer o : {(gpointer)a, (gpointer)b, (gpointer)c, (gpointer)node, (gpointer)empty, (gpointer)bare}) {
        g_object_unref(o);
    }
}

TEST(CFace, OperationsCheckTheirArguments) {
    auto* table = tarvelin_rezezadovu_meta_model_meta_table_new();
    auto* o = (TarvelinRezezadovuMetaModelMetaObject*)table;
    GParamSpec* pspec = g_object_class_find_property(G_OBJECT_GET_CLASS(table), "name");
    GValue value = G_VALUE_INIT;
    g_value_init(&value, G_TYPE_STRING);
    JsonNode* node = json_node_new(JSON_NODE_NULL);
    const std::pair<const char*, std::function<gpointer()>> cases[] = {
        {"self != NULL", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_object_clone(nullptr); }},
        {"self != NULL", [&] { tarvelin_rezezadovu_meta_model_meta_object_reset(nullptr); return gpointer(nullptr); }},
        {"self != NULL", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_object_get_name(nullptr); }},
        {"self != NULL", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_column_get_raw_type(nullptr); }},
        {"key != NULL", [&] { tarvelin_rezezadovu_meta_model_meta_object_append_diff(o, nullptr, TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE); return gpointer(nullptr); }},
        {"value != NULL", [&] { tarvelin_rezezadovu_meta_model_meta_object_append_slice(o, "k", nullptr); return gpointer(nullptr); }},
        {"property_name != NULL", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_object_serialize_property(o, nullptr, &value, pspec); }},
        {"pspec != NULL", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_object_serialize_property(o, "name", &value, nullptr); }},
        {"property_node != NULL", [&] { return GINT_TO_POINTER(tarvelin_rezezadovu_meta_model_meta_object_deserialize_property(o, "name", &value, pspec, nullptr)); }},
        {"name != NULL", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_table_get_column(table, nullptr); }},
        {"name != NULL", [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_table_new_column(table, nullptr, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32); }},
        {"self != NULL", [&] { tarvelin_rezezadovu_meta_model_meta_table_reset_partial(nullptr, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK); return gpointer(nullptr); }},
        {"schema_name != NULL", [&] { auto* db = tarvelin_rezezadovu_meta_model_meta_database_new(); gpointer r = tarvelin_rezezadovu_meta_model_meta_database_append(db, nullptr); g_object_unref(db); return r; }},
        {"column != NULL", [&] { auto* ix = tarvelin_rezezadovu_meta_model_meta_index_new(); tarvelin_rezezadovu_meta_model_meta_index_append(ix, nullptr); g_object_unref(ix); return gpointer(nullptr); }},
    };
    for (const auto& [expected, call] : cases) {
        LogCapture criticals;
        gpointer r = call();
        EXPECT_EQ(r, nullptr) << expected;
        ASSERT_GE(criticals.messages().size(), 1u) << expected;
        EXPECT_NE(criticals.messages().back().find(std::string("'") + expected + "'"), std::string::npos)
            << criticals.messages().back();
    }
    EXPECT_EQ(size_of(tarvelin_rezezadovu_meta_model_meta_table_get_columns(table)), 0);
    g_value_unset(&value);
    json_node_unref(node);
    g_object_unref(table);
}

TEST(CFace, HooksDiffAndInterfaceDispatch) {
    auto* role = tarvelin_rezezadovu_meta_model_meta_role_new();
    auto* o = (TarvelinRezezadovuMetaModelMetaObject*)role;
    put(tarvelin_rezezadovu_meta_model_meta_role_get_privileges(role), "db.*", "ALL");
    GParamSpec* pspec = g_object_class_find_property(G_OBJECT_GET_CLASS(role), "privileges");
    GValue value = G_VALUE_INIT;
    g_value_init(&value, pspec->value_type);
    g_object_get_property(G_OBJECT(role), "privileges", &value);
    JsonNode* node = tarvelin_rezezadovu_meta_model_meta_object_serialize_property(o, "privileges", &value, pspec);
    gchar* text = json_to_string(node, FALSE);
    EXPECT_STREQ(text, R"({"db.*":"ALL"})");
    g_free(text);
    g_value_unset(&value);
    g_value_init(&value, pspec->value_type);
    ASSERT_TRUE(tarvelin_rezezadovu_meta_model_meta_object_deserialize_property(o, "privileges", &value, pspec, node));
    EXPECT_EQ(size_of(g_value_get_object(&value)), 1);
    g_value_unset(&value);
    json_node_unref(node);

    GeeHashMap* diff = tarvelin_rezezadovu_meta_model_meta_object_diff(o);
    EXPECT_EQ(G_OBJECT(diff)->ref_count, 2u) << "the object's own map, with a reference of the caller's";
    EXPECT_EQ(diff, tarvelin::gobj::cast<MetaObject>(o)->diff());
    tarvelin_rezezadovu_meta_model_meta_object_append_diff(o, "privileges.db.*", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT);
    EXPECT_EQ(size_of(diff), 1);
    g_object_unref(diff);

    auto* data = (TarvelinRezezadovuMetaModelIMetaData*)role;
    auto* copy = tarvelin_rezezadovu_meta_model_imeta_data_clone(data);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(G_OBJECT_TYPE(copy), G_OBJECT_TYPE(role));
    EXPECT_EQ(size_of(tarvelin_rezezadovu_meta_model_meta_role_get_privileges((TarvelinRezezadovuMetaModelMetaRole*)copy)), 1);
    g_object_unref(copy);
    tarvelin_rezezadovu_meta_model_meta_object_set_comment(o, "c");
    tarvelin_rezezadovu_meta_model_imeta_data_reset(data);
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_object_get_comment(o), "");
    g_object_unref(role);
}

// A host's implementation of the copy contract, written in C: only "reset" is filled.
struct HostData {
    GObject parent;
    int resets;
};
struct HostDataClass {
    GObjectClass parent;
};
GType host_data_get_type() {
    static const GType t = [] {
        GTypeInfo info{};
        info.class_size = sizeof(HostDataClass);
        info.instance_size = sizeof(HostData);
        GType type = g_type_register_static(G_TYPE_OBJECT, "TestModelHostData", &info, GTypeFlags(0));
        GInterfaceInfo iface{+[](gpointer vt, gpointer) {
                                 static_cast<TarvelinRezezadovuMetaModelIMetaDataInterface*>(vt)->reset =
                                     +[](TarvelinRezezadovuMetaModelIMetaData* self) {
                                         reinterpret_cast<HostData*>(self)->resets++;
                                     };
                             },
                             nullptr, nullptr};
        g_type_add_interface_static(type, tarvelin_rezezadovu_meta_model_imeta_data_get_type(), &iface);
        return type;
    }();
    return t;
}

TEST(CFace, TheCopyContractReachesAHostsImplementationThroughItsInterfaceStructure) {
    auto* host = static_cast<HostData*>(g_object_new(host_data_get_type(), nullptr));
    auto* data = reinterpret_cast<TarvelinRezezadovuMetaModelIMetaData*>(host);
    LogCapture criticals;
    tarvelin_rezezadovu_meta_model_imeta_data_reset(data);
    tarvelin::gobj::call<&TarvelinRezezadovuMetaModelIMetaDataInterface::reset>(static_cast<gpointer>(host));
    EXPECT_EQ(host->resets, 2);
    EXPECT_EQ(tarvelin_rezezadovu_meta_model_imeta_data_clone(data), nullptr) << "an empty slot gives NULL";
    EXPECT_TRUE(criticals.messages().empty());
    g_object_unref(host);
}

TEST(CFace, AnInstanceOfAnotherClassGivesTheTypeCriticalAndTheEmptyResult) {
    auto* table = tarvelin_rezezadovu_meta_model_meta_table_new();
    auto* view = tarvelin_rezezadovu_meta_model_meta_view_new();
    GObject* plain = G_OBJECT(g_object_new(G_TYPE_OBJECT, nullptr));
    auto* as_column = (TarvelinRezezadovuMetaModelMetaColumn*)table;
    const std::pair<const char*, std::function<gpointer()>> cases[] = {
        {"TarvelinRezezadovuMetaModelMetaColumn",
         [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_column_get_raw_type(as_column); }},
        {"TarvelinRezezadovuMetaModelMetaColumn",
         [&] { tarvelin_rezezadovu_meta_model_meta_column_set_not_null(as_column, TRUE); return gpointer(nullptr); }},
        {"TarvelinRezezadovuMetaModelMetaTable",
         [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_table_get_column((TarvelinRezezadovuMetaModelMetaTable*)view, "a"); }},
        {"TarvelinRezezadovuMetaModelMaterialized",
         [&] { return GINT_TO_POINTER(tarvelin_rezezadovu_meta_model_materialized_get_with_data((TarvelinRezezadovuMetaModelMaterialized*)view)); }},
        {"TarvelinRezezadovuMetaModelMetaObject",
         [&] { return (gpointer)tarvelin_rezezadovu_meta_model_meta_object_clone((TarvelinRezezadovuMetaModelMetaObject*)plain); }},
        {"TarvelinRezezadovuMetaModelIMetaData",
         [&] { tarvelin_rezezadovu_meta_model_imeta_data_reset((TarvelinRezezadovuMetaModelIMetaData*)plain); return gpointer(nullptr); }},
    };
    for (const auto& [type_name, call] : cases) {
        LogCapture criticals;
        EXPECT_EQ(call(), nullptr) << type_name;
        ASSERT_EQ(criticals.messages().size(), 1u) << type_name;
        EXPECT_NE(criticals.messages()[0].find(std::string("G_TYPE_CHECK_INSTANCE_TYPE (self, ") + type_name + ")"),
                  std::string::npos)
            << criticals.messages()[0];
    }
    LogCapture none;
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_object_get_name((TarvelinRezezadovuMetaModelMetaObject*)table), "");
    EXPECT_TRUE(none.messages().empty()) << "an instance of a derived class is one of its base";
    for (gpointer o : {(gpointer)table, (gpointer)view, (gpointer)plain}) g_object_unref(o);
}

}  // namespace
}  // namespace model_test
