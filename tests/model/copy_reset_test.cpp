// Copies share no container with their source; reset returns each class to its unfilled state.
#include <string>
#include <vector>

#include "model_support.hpp"

namespace model_test {
namespace {

std::vector<std::string> texts_of(GeeArrayList* list) {
    std::vector<std::string> out;
    for (int i = 0, n = size_of(list); i < n; ++i) {
        gchar* s = static_cast<gchar*>(gee_abstract_list_get(GEE_ABSTRACT_LIST(list), i));
        out.emplace_back(s ? s : "(null)");
        g_free(s);
    }
    return out;
}

std::vector<std::string> names_of(GeeArrayList* list) {
    std::vector<std::string> out;
    for (auto o : tarvelin::gobj::GeeArray<MetaObject>::wrap(list)) out.emplace_back(o->get_name());
    return out;
}

GObject* container(MetaObject& o, const char* property) {
    GObject* c = nullptr;
    g_object_get(o.gobj(), property, &c, nullptr);
    g_object_unref(c);  // the object keeps its own
    return c;
}

TEST(Copy, KeepsClassNamesStateAndValuesButNotDiffSliceOrMarker) {
    auto column = MetaColumn::create_with_type(MetaColumn::gtype(), "total", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL,
                                               "numeric");
    column->set_length(10);
    column->set_scale(2);
    column->set_collation("C");
    column->set_is_primary_key(true);
    column->set_ordinal(3);
    column->set_schema("s");
    column->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    column->append_diff("comment", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    column->append_slice("comment", "old");
    g_object_set_data(column->gobj(), kFilled, GINT_TO_POINTER(1));
    auto copy = ref_cast<MetaColumn>(column->clone());
    ASSERT_TRUE(copy);
    EXPECT_EQ(compact(*copy), compact(*column));
    EXPECT_EQ(copy->get_version(), TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    EXPECT_EQ(size_of(copy->diff()), 0);
    EXPECT_EQ(size_of(copy->slice()), 0);
    EXPECT_EQ(g_object_get_data(copy->gobj(), kFilled), nullptr);
    copy->set_length(20);
    EXPECT_EQ(column->get_length(), 10);
}

TEST(Copy, EveryContainerKindIsTheCopysOwn) {
    struct Case {
        const char* type_name;
        const char* property;
        enum { Objects, Texts, Map } kind;
    } cases[] = {
        {"TarvelinRezezadovuMetaModelMetaObject", "attributes", Case::Map},
        {"TarvelinRezezadovuMetaModelMetaDatabase", "schemas", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaSchema", "events", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaSchema", "functions", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaSchema", "procedures", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaSchema", "tables", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaSchema", "miews", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaSchema", "views", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaTable", "constraints", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaTable", "columns", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaTable", "indexes", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaTable", "rules", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaTable", "triggers", Case::Objects},
        {"TarvelinRezezadovuMetaModelMetaTable", "options", Case::Map},
        {"TarvelinRezezadovuMetaModelMetaIndex", "columns", Case::Texts},
        {"TarvelinRezezadovuMetaModelMetaFunction", "parameters", Case::Texts},
        {"TarvelinRezezadovuMetaModelMetaRole", "relations", Case::Map},
        {"TarvelinRezezadovuMetaModelMetaRole", "privileges", Case::Map},
        {"TarvelinRezezadovuMetaModelMetaUser", "relations", Case::Map},
        {"TarvelinRezezadovuMetaModelMetaUser", "privileges", Case::Map},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type_name) + " " + c.property);
        auto source = make(c.type_name);
        GObject* held = container(*source, c.property);
        std::vector<Ref<MetaObject>> children;
        for (const char* name : {"b", "a"}) {
            if (c.kind == Case::Map) {
                put(GEE_HASH_MAP(held), name, "v");
            } else if (c.kind == Case::Texts) {
                add_text(GEE_ARRAY_LIST(held), name);
            } else {
                GType element = gee_traversable_get_element_type(GEE_TRAVERSABLE(held));
                if (element == MetaConstraint::gtype()) element = MetaCheck::gtype();
                auto child = Ref<MetaObject>::adopt(g_object_new(element, nullptr));
                child->set_name(name);
                add(GEE_ARRAY_LIST(held), *child);
                children.push_back(child);
            }
        }
        auto copy = source->clone();
        GObject* copied = container(*copy, c.property);
        ASSERT_NE(copied, held);
        ASSERT_EQ(size_of(copied), 2);
        EXPECT_EQ(compact(*copy), compact(*source));
        if (c.kind == Case::Texts) {
            EXPECT_EQ(texts_of(GEE_ARRAY_LIST(copied)), texts_of(GEE_ARRAY_LIST(held)));
        }
        if (c.kind == Case::Objects) {
            EXPECT_EQ(names_of(GEE_ARRAY_LIST(copied)), (std::vector<std::string>{"b", "a"}));
            auto first = tarvelin::gobj::GeeArray<MetaObject>::wrap(GEE_ARRAY_LIST(copied)).at(0);
            EXPECT_NE(first->gobj(), children[0]->gobj());  // a copy of the child, of its class
            EXPECT_EQ(first->type(), children[0]->type());
            first->set_name("changed");
            EXPECT_STREQ(children[0]->get_name(), "b");
        }
        // Growing the copy's container leaves the source's alone.
        if (c.kind == Case::Map) put(GEE_HASH_MAP(copied), "c", "v");
        else if (c.kind == Case::Texts) add_text(GEE_ARRAY_LIST(copied), "c");
        else gee_abstract_collection_clear(GEE_ABSTRACT_COLLECTION(copied));
        EXPECT_EQ(size_of(held), 2);
    }
}

TEST(Copy, DerivedStateFollowsAndClassificationKeepsKindAndModel) {
    auto view = MetaView::create_with_names(MetaView::gtype(), "d", "s", "v");
    view->set_definition("select a, b from t");
    auto view_copy = ref_cast<MetaView>(view->clone());
    EXPECT_STREQ(view_copy->get_definition(), "select a, b from t");
    EXPECT_NE(view_copy->get_columns(), view->get_columns());
    EXPECT_EQ(size_of(view_copy->get_columns()), 2);

    GListStore* store = g_list_store_new(MetaObject::gtype());
    auto node = MetaClassify::create_with_model(MetaClassify::gtype(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "d",
                                                "s", "Tables", G_LIST_MODEL(store));
    auto node_copy = ref_cast<MetaClassify>(node->clone());
    EXPECT_EQ(node_copy->character(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE);
    EXPECT_EQ(node_copy->get_children(), G_LIST_MODEL(store));
    EXPECT_STREQ(node_copy->get_name(), "Tables");
    g_object_unref(store);
}

TEST(Reset, BaseStateClearedNamesAndAttributeMapKept) {
    auto o = MetaObject::create();
    o->set_names("d", "s", "n");
    o->set_comment("c");
    o->set_original("old");
    o->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    put(o->get_attributes(), "OWNER", "me");
    o->append_diff("comment", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    o->append_slice("comment", "x");
    g_object_set_data(o->gobj(), kFilled, GINT_TO_POINTER(1));
    GeeHashMap* attributes = o->get_attributes();
    o->reset();
    EXPECT_EQ(compact(*o), R"({"database":"d","schema":"s","name":"n","comment":"","attributes":{},"original":""})");
    EXPECT_EQ(o->get_attributes(), attributes);
    EXPECT_EQ(size_of(o->diff()), 0);
    EXPECT_EQ(size_of(o->slice()), 0);
    EXPECT_EQ(g_object_get_data(o->gobj(), kFilled), nullptr);
}

TEST(Reset, EachClassEmptiesItsOwnContainersOnly) {
    struct Case {
        const char* type_name;
        std::vector<const char*> emptied;
        std::vector<const char*> kept;
    } cases[] = {
        {"TarvelinRezezadovuMetaModelMetaDatabase", {"schemas"}, {}},
        {"TarvelinRezezadovuMetaModelMetaSchema", {"events", "functions", "procedures", "tables", "miews", "views"}, {}},
        {"TarvelinRezezadovuMetaModelMetaTable",
         {"constraints", "columns", "indexes", "rules", "triggers", "options"}, {}},
        {"TarvelinRezezadovuMetaModelMetaFunction", {"parameters"}, {}},
        {"TarvelinRezezadovuMetaModelMetaIndex", {}, {"columns"}},
        {"TarvelinRezezadovuMetaModelMetaRole", {}, {"relations", "privileges"}},
        {"TarvelinRezezadovuMetaModelMetaUser", {}, {"relations", "privileges"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type_name);
        auto o = make(c.type_name);
        o->set_names("d", "s", "n");
        std::vector<GObject*> all;
        for (auto* list : {&c.emptied, &c.kept}) {
            for (const char* property : *list) {
                GObject* held = container(*o, property);
                if (GEE_IS_MAP(held)) {
                    put(GEE_HASH_MAP(held), "k", "v");
                } else {
                    GType element = gee_traversable_get_element_type(GEE_TRAVERSABLE(held));
                    if (element == G_TYPE_STRING) {
                        add_text(GEE_ARRAY_LIST(held), "x");
                    } else {
                        if (element == MetaConstraint::gtype()) element = PrimaryKey::gtype();
                        auto child = Ref<MetaObject>::adopt(g_object_new(element, nullptr));
                        add(GEE_ARRAY_LIST(held), *child);
                    }
                }
            }
        }
        o->reset();
        for (const char* property : c.emptied) EXPECT_EQ(size_of(container(*o, property)), 0) << property;
        for (const char* property : c.kept) EXPECT_EQ(size_of(container(*o, property)), 1) << property;
        EXPECT_STREQ(o->get_name(), "n");
        EXPECT_STREQ(o->get_schema(), "s");
        EXPECT_STREQ(o->get_database(), "d");
    }
}

TEST(Reset, LeafPropertiesSurvive) {
    auto event = MetaEvent::create_with_names(MetaEvent::gtype(), "d", "s", "e");
    event->set_schedule("EVERY 1 DAY");
    event->set_body("DO 1");
    event->set_definer("root@%");
    auto user = MetaUser::create_with_names(MetaUser::gtype(), "d", "s", "u", "server");
    user->set_default_schema("dbo");
    user->set_password("secret");
    auto column = MetaColumn::create_with_type(MetaColumn::gtype(), "c", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "int");
    column->set_not_null(true);
    column->set_comment("gone");
    std::string event_json = compact(*event), user_json = compact(*user);
    event->reset();
    user->reset();
    column->reset();
    EXPECT_EQ(compact(*event), event_json);
    EXPECT_EQ(compact(*user), user_json);
    EXPECT_EQ(column->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    EXPECT_TRUE(column->get_not_null());
    EXPECT_STREQ(column->get_comment(), "");
}

TEST(DiffAndSlice, LaterEntriesReplaceEarlierAndTheMapsAreLive) {
    auto o = MetaObject::create();
    GeeHashMap* diff = o->diff();
    o->append_diff("comment", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    o->append_diff("comment", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE);
    EXPECT_EQ(size_of(diff), 1);
    EXPECT_EQ(GPOINTER_TO_UINT(gee_abstract_map_get(GEE_ABSTRACT_MAP(diff), "comment")),
              guint(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE));
    o->append_slice("k", "a");
    o->append_slice("k", "b");
    gchar* v = static_cast<gchar*>(gee_abstract_map_get(GEE_ABSTRACT_MAP(o->slice()), "k"));
    EXPECT_STREQ(v, "b");
    g_free(v);
    o->clear_diff();
    o->clear_slice();
    EXPECT_EQ(size_of(diff), 0);
    EXPECT_EQ(size_of(o->slice()), 0);
}

TEST(Table, ColumnsByNameAndPartialReset) {
    auto t = MetaTable::create();
    auto id = t->new_column("id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    EXPECT_STREQ(id->get_raw_type(), "");
    EXPECT_EQ(id->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    t->new_column("id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    EXPECT_EQ(t->get_column("id")->gobj(), id->gobj());
    EXPECT_FALSE(t->get_column("ID"));

    struct Step {
        DBObject kind;
        std::vector<std::string> left;
    } steps[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX, {"pk", "u1", "f", "u2", "c"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNIQUE, {"pk", "f", "c"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN, {"pk", "c"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_COLUMN, {"pk", "c"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK, {"pk"}},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PRIMARY, {"pk"}},
    };
    add(t->get_constraints(), *PrimaryKey::create_with_name(PrimaryKey::gtype(), "pk"));
    add(t->get_constraints(), *MetaUnique::create_with_name(MetaUnique::gtype(), "u1"));
    add(t->get_constraints(), *MetaForeignKey::create_with_name(MetaForeignKey::gtype(), "f"));
    add(t->get_constraints(), *MetaUnique::create_with_name(MetaUnique::gtype(), "u2"));
    add(t->get_constraints(), *MetaCheck::create_with_name(MetaCheck::gtype(), "c", "x > 0"));
    for (const auto& s : steps) {
        t->reset_partial(s.kind);
        EXPECT_EQ(names_of(t->get_constraints()), s.left) << int(s.kind);
    }
    EXPECT_EQ(size_of(t->get_columns()), 0);
}

TEST(Database, AppendFindsOrCreatesSchemasByExactName) {
    auto db = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    EXPECT_STREQ(db->get_schema(), "shop");
    EXPECT_STREQ(db->get_database(), "shop");
    auto a = db->append("main");
    auto b = db->append("main");
    auto c = db->append("Main");
    EXPECT_EQ(a->gobj(), b->gobj());
    EXPECT_NE(a->gobj(), c->gobj());
    EXPECT_EQ(names_of(db->get_schemas()), (std::vector<std::string>{"main", "Main"}));
    EXPECT_STREQ(a->get_schema(), "main");
    EXPECT_STREQ(a->get_database(), "shop");
}

}  // namespace
}  // namespace model_test
