// Every catalogue class: kind codes, registration, what a new object writes, notification,
// copies and resets.
#include <string>
#include <vector>

#include "model_support.hpp"

namespace model_test {
namespace {

constexpr const char* kBase = R"("database":"","schema":"","name":"","comment":"","attributes":{},"original":"")";

std::string with_base(const std::string& own) { return std::string("{") + kBase + (own.empty() ? "" : "," + own) + "}"; }

struct ClassCase {
    const char* type_name;
    const char* parent;
    int kind;
    std::string json_of_new;
};

const std::vector<ClassCase>& class_cases() {
    static const std::vector<ClassCase> cases = {
        {"TarvelinRezezadovuMetaModelMetaObject", "GObject", 0, with_base("")},
        {"TarvelinRezezadovuMetaModelMetaDatabase", "TarvelinRezezadovuMetaModelMetaObject", 11,
         with_base(R"("schemas":[])")},
        {"TarvelinRezezadovuMetaModelMetaSchema", "TarvelinRezezadovuMetaModelMetaObject", 34,
         with_base(R"("events":[],"functions":[],"procedures":[],"tables":[],"miews":[],"views":[])")},
        {"TarvelinRezezadovuMetaModelMetaTable", "TarvelinRezezadovuMetaModelMetaObject", 39,
         with_base(R"("constraints":[],"columns":[],"indexes":[],"rules":[],"triggers":[],"options":{})")},
        {"TarvelinRezezadovuMetaModelMetaView", "TarvelinRezezadovuMetaModelMetaObject", 45,
         with_base(R"("definition":"","columns":[])")},
        {"TarvelinRezezadovuMetaModelMaterialized", "TarvelinRezezadovuMetaModelMetaView", 45,
         with_base(R"("definition":"","columns":[],"table-space":"","definer":"","fill-factor":"")")},
        {"TarvelinRezezadovuMetaModelMetaClassify", "TarvelinRezezadovuMetaModelMetaObject", 0, with_base("")},
        {"TarvelinRezezadovuMetaModelMetaSynonym", "TarvelinRezezadovuMetaModelMetaObject", 38,
         with_base(R"("target":"")")},
        {"TarvelinRezezadovuMetaModelMetaColumn", "TarvelinRezezadovuMetaModelMetaObject", 8,
         with_base(R"("alias":"","after":"","raw-type":"","identity":"","default-value":"","virtual-type":"",)"
                   R"("expression":"","conflict":"","charset":"","collation":"","enum-values":"")")},
        {"TarvelinRezezadovuMetaModelMetaIndex", "TarvelinRezezadovuMetaModelMetaObject", 19,
         with_base(R"("entity":"","class":"","method":"","parser":"","algorithm":"","lock":"","where":"",)"
                   R"("table-space":"","with":"","include":"","kind":"","columns":[])")},
        {"TarvelinRezezadovuMetaModelMetaConstraint", "TarvelinRezezadovuMetaModelMetaObject", 9, with_base("")},
        {"TarvelinRezezadovuMetaModelPrimaryKey", "TarvelinRezezadovuMetaModelMetaConstraint", 27, with_base("")},
        {"TarvelinRezezadovuMetaModelMetaCheck", "TarvelinRezezadovuMetaModelMetaConstraint", 4,
         with_base(R"("check":"","deferrable":"")")},
        {"TarvelinRezezadovuMetaModelMetaUnique", "TarvelinRezezadovuMetaModelMetaConstraint", 43,
         with_base(R"("columns":"","conflict":"","table-space":"","with":"","include":"","deferrable":"")")},
        {"TarvelinRezezadovuMetaModelMetaForeignKey", "TarvelinRezezadovuMetaModelMetaConstraint", 17,
         with_base(R"("refer-database":"","refer-schema":"","refer-table":"","local-columns":"",)"
                   R"("refer-columns":"","match-method":"","delete-action":"","update-action":"","deferrable":"")")},
        {"TarvelinRezezadovuMetaModelMetaExclude", "TarvelinRezezadovuMetaModelMetaConstraint", 16,
         with_base(R"("index-method":"","table-space":"","with":"","include":"","where":"","deferrable":"",)"
                   R"("elements":"")")},
        {"TarvelinRezezadovuMetaModelMetaRule", "TarvelinRezezadovuMetaModelMetaObject", 33,
         with_base(R"("commands":"","action":"","event":"","where":"","apply":"")")},
        {"TarvelinRezezadovuMetaModelMetaFunction", "TarvelinRezezadovuMetaModelMetaObject", 28,
         with_base(R"("return-type":"","body":"","parameters":[])")},
        {"TarvelinRezezadovuMetaModelMetaEvent", "TarvelinRezezadovuMetaModelMetaObject", 15,
         with_base(R"("kind":"","body":"","definer":"","state":"","schedule":"","completion":"")")},
        {"TarvelinRezezadovuMetaModelMetaTrigger", "TarvelinRezezadovuMetaModelMetaObject", 41,
         with_base(R"("kind":"","target":"","body":"","definer":"","timing":"","event":"","when":"","order":"",)"
                   R"("trigger":"","columns":"","deferrable":"","deferred":"","function":"","arguments":"",)"
                   R"("for-each":"ROW","refer-table":"","apply":"")")},
        {"TarvelinRezezadovuMetaModelMetaRole", "TarvelinRezezadovuMetaModelMetaObject", 31,
         with_base(R"("scope":"","password":"","relations":{},"privileges":{})")},
        {"TarvelinRezezadovuMetaModelMetaUser", "TarvelinRezezadovuMetaModelMetaObject", 44,
         with_base(R"("scope":"","default-schema":"","password":"","relations":{},"privileges":{})")},
    };
    return cases;
}

TEST(Classes, RegisteredWithParentKindAndJsonOfANewObject) {
    for (const auto& c : class_cases()) {
        SCOPED_TRACE(c.type_name);
        GType t = type_named(c.type_name);
        ASSERT_NE(t, G_TYPE_INVALID);
        EXPECT_STREQ(g_type_name(g_type_parent(t)), c.parent);
        EXPECT_TRUE(g_type_is_a(t, type_named("TarvelinRezezadovuMetaModelIMetaData")));
        EXPECT_TRUE(g_type_is_a(t, JSON_TYPE_SERIALIZABLE));
        auto o = make(c.type_name);
        EXPECT_EQ(int(o->character()), c.kind);
        EXPECT_EQ(compact(*o), c.json_of_new);
    }
}

TEST(Classes, PropertySpecsHaveNickAndBlurbOfTheirNameAndNullTextDefaults) {
    for (const auto& c : class_cases()) {
        GObjectClass* klass = G_OBJECT_CLASS(g_type_class_ref(type_named(c.type_name)));
        guint n = 0;
        GParamSpec** specs = g_object_class_list_properties(klass, &n);
        for (guint i = 0; i < n; ++i) {
            GParamSpec* p = specs[i];
            SCOPED_TRACE(std::string(c.type_name) + " " + p->name);
            EXPECT_STREQ(g_param_spec_get_nick(p), p->name);
            EXPECT_STREQ(g_param_spec_get_blurb(p), p->name);
            if (G_IS_PARAM_SPEC_STRING(p)) {
                EXPECT_EQ(G_PARAM_SPEC_STRING(p)->default_value, nullptr);
            }
            bool read_only = std::string(p->name) == "columns" && g_type_is_a(G_OBJECT_CLASS_TYPE(klass), MetaView::gtype());
            EXPECT_EQ((p->flags & G_PARAM_WRITABLE) != 0, !read_only);
        }
        g_free(specs);
        g_type_class_unref(klass);
    }
}

TEST(Classes, TheTwoBooleansRegisteredTrueAndTheOrdinalRange) {
    struct Case {
        const char* type_name;
        const char* property;
    } trues[] = {{"TarvelinRezezadovuMetaModelMetaCheck", "no-inherit"},
                 {"TarvelinRezezadovuMetaModelMaterialized", "with-data"}};
    for (const auto& c : trues) {
        auto o = make(c.type_name);
        GParamSpec* p = g_object_class_find_property(G_OBJECT_GET_CLASS(o->gobj()), c.property);
        ASSERT_TRUE(G_IS_PARAM_SPEC_BOOLEAN(p));
        EXPECT_TRUE(G_PARAM_SPEC_BOOLEAN(p)->default_value);
        gboolean v = FALSE;
        g_object_get(o->gobj(), c.property, &v, nullptr);
        EXPECT_TRUE(v);
    }
    auto column = make("TarvelinRezezadovuMetaModelMetaColumn");
    GParamSpec* p = g_object_class_find_property(G_OBJECT_GET_CLASS(column->gobj()), "ordinal");
    ASSERT_TRUE(G_IS_PARAM_SPEC_UINT(p));
    EXPECT_EQ(G_PARAM_SPEC_UINT(p)->maximum, G_MAXUINT32);
    g_object_set(column->gobj(), "ordinal", 70000u, nullptr);
    guint ordinal = 0;
    g_object_get(column->gobj(), "ordinal", &ordinal, nullptr);
    EXPECT_EQ(ordinal, 4464u);
}

TEST(Classes, PropertyIdsFollowTheDeclaredOrder) {
    // The JSON member order is the installation order; a class's own properties follow
    // its parent's.
    auto trigger = make("TarvelinRezezadovuMetaModelMetaTrigger");
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(trigger->gobj()), &n);
    std::vector<std::string> names;
    for (guint i = 0; i < n; ++i) names.emplace_back(specs[i]->name);
    g_free(specs);
    std::vector<std::string> expected = {"database", "schema", "name", "comment", "attributes", "original", "version",
                                         "kind", "target", "body", "definer", "timing", "event", "when", "order",
                                         "trigger", "columns", "deferrable", "deferred", "function", "arguments",
                                         "for-each", "refer-table", "constraint", "apply", "enable"};
    EXPECT_EQ(names, expected);
}

// ---------------------------------------------------------------- notification

struct TextNotify {
    const char* type_name;
    const char* property;
    const char* stored;  // set before counting; "<start>" keeps the starting value
    const char* value;
    int notifications;
};

TEST(Notify, TextSettersNotifyOnlyOnChangeWithNullAValueOfItsOwn) {
    const TextNotify cases[] = {
        {"TarvelinRezezadovuMetaModelMetaObject", "name", "<start>", "", 0},
        {"TarvelinRezezadovuMetaModelMetaObject", "name", "<start>", nullptr, 1},
        {"TarvelinRezezadovuMetaModelMetaObject", "name", nullptr, nullptr, 0},
        {"TarvelinRezezadovuMetaModelMetaObject", "name", nullptr, "", 1},
        {"TarvelinRezezadovuMetaModelMetaObject", "comment", "a", "a", 0},
        {"TarvelinRezezadovuMetaModelMetaObject", "original", "a", "b", 1},
        {"TarvelinRezezadovuMetaModelMetaColumn", "raw-type", "<start>", "", 0},
        {"TarvelinRezezadovuMetaModelMetaColumn", "raw-type", "<start>", nullptr, 1},
        {"TarvelinRezezadovuMetaModelMetaRule", "action", "INSTEAD", "INSTEAD", 0},
        {"TarvelinRezezadovuMetaModelMetaTrigger", "for-each", "<start>", "ROW", 0},
        {"TarvelinRezezadovuMetaModelMetaTrigger", "for-each", "<start>", "STATEMENT", 1},
        {"TarvelinRezezadovuMetaModelMetaSynonym", "target", "t", "T", 1},
        {"TarvelinRezezadovuMetaModelMetaUser", "default-schema", "dbo", "dbo", 0},
        {"TarvelinRezezadovuMetaModelMaterialized", "definer", "<start>", "", 0},
        // A view's definition notifies on every set.
        {"TarvelinRezezadovuMetaModelMetaView", "definition", "select a  from t", "select a  from t", 1},
        {"TarvelinRezezadovuMetaModelMaterialized", "definition", "<start>", "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type_name) + " " + c.property + " <- " + (c.value ? c.value : "NULL"));
        auto o = make(c.type_name);
        if (!c.stored || std::string(c.stored) != "<start>") g_object_set(o->gobj(), c.property, c.stored, nullptr);
        NotifyCounter counter(o->gobj(), c.property);
        g_object_set(o->gobj(), c.property, c.value, nullptr);
        EXPECT_EQ(counter.count(), c.notifications);
        gchar* now = nullptr;
        g_object_get(o->gobj(), c.property, &now, nullptr);
        EXPECT_STREQ(now, c.value);
        g_free(now);
    }
}

struct ScalarNotify {
    const char* type_name;
    const char* property;
    guint64 stored;  // set before counting unless it equals the starting value
    guint64 value;
    int notifications;
};

void set_number(GObject* o, const char* property, guint64 n) {
    GParamSpec* p = g_object_class_find_property(G_OBJECT_GET_CLASS(o), property);
    GValue v = G_VALUE_INIT;
    g_value_init(&v, p->value_type);
    if (G_IS_PARAM_SPEC_BOOLEAN(p)) g_value_set_boolean(&v, n != 0);
    else if (G_IS_PARAM_SPEC_UINT(p)) g_value_set_uint(&v, guint(n));
    else if (G_IS_PARAM_SPEC_UCHAR(p)) g_value_set_uchar(&v, guchar(n));
    else if (G_IS_PARAM_SPEC_INT64(p)) g_value_set_int64(&v, gint64(n));
    else if (G_IS_PARAM_SPEC_UINT64(p)) g_value_set_uint64(&v, n);
    else if (G_IS_PARAM_SPEC_ENUM(p)) g_value_set_enum(&v, gint(n));
    else if (G_IS_PARAM_SPEC_FLAGS(p)) g_value_set_flags(&v, guint(n));
    else ADD_FAILURE() << property;
    g_object_set_property(o, property, &v);
    g_value_unset(&v);
}

TEST(Notify, FlagNumberAndStateSettersNotifyOnlyOnChange) {
    const ScalarNotify cases[] = {
        {"TarvelinRezezadovuMetaModelMetaColumn", "not-null", 0, 0, 0},
        {"TarvelinRezezadovuMetaModelMetaColumn", "not-null", 0, 1, 1},
        {"TarvelinRezezadovuMetaModelMetaColumn", "ordinal", 0, 0, 0},
        {"TarvelinRezezadovuMetaModelMetaColumn", "ordinal", 0, 70000, 1},
        // 70000 keeps its low 16 bits: 4464 is already stored.
        {"TarvelinRezezadovuMetaModelMetaColumn", "ordinal", 4464, 70000, 0},
        {"TarvelinRezezadovuMetaModelMetaColumn", "scale", 2, 2, 0},
        {"TarvelinRezezadovuMetaModelMetaColumn", "length", 0, 10, 1},
        {"TarvelinRezezadovuMetaModelMetaColumn", "data-type", 5, 5, 0},
        {"TarvelinRezezadovuMetaModelMetaColumn", "data-type", 5, 6, 1},
        {"TarvelinRezezadovuMetaModelMetaColumn", "auto-increment-seed", 7, 7, 0},
        {"TarvelinRezezadovuMetaModelMetaCheck", "no-inherit", 1, 1, 0},
        {"TarvelinRezezadovuMetaModelMetaCheck", "no-inherit", 1, 0, 1},
        {"TarvelinRezezadovuMetaModelMetaCheck", "enforced", 0, 0, 0},
        {"TarvelinRezezadovuMetaModelMetaRule", "enable", 0, 0, 0},
        {"TarvelinRezezadovuMetaModelMetaTrigger", "constraint", 0, 0, 0},
        {"TarvelinRezezadovuMetaModelMetaTrigger", "enable", 0, 1, 1},
        {"TarvelinRezezadovuMetaModelMetaFunction", "is-function", 1, 1, 0},
        {"TarvelinRezezadovuMetaModelMetaFunction", "is-function", 0, 1, 1},
        {"TarvelinRezezadovuMetaModelMaterialized", "with-data", 1, 1, 0},
        {"TarvelinRezezadovuMetaModelMetaIndex", "key-block-size", 0, 0, 0},
        {"TarvelinRezezadovuMetaModelMetaIndex", "is-visible", 1, 1, 0},
        {"TarvelinRezezadovuMetaModelMetaObject", "version", 8, 8, 0},
        {"TarvelinRezezadovuMetaModelMetaObject", "version", 8, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type_name) + " " + c.property + " " + std::to_string(c.stored) + " <- " +
                     std::to_string(c.value));
        auto o = make(c.type_name);
        set_number(o->gobj(), c.property, c.stored);
        NotifyCounter counter(o->gobj(), c.property);
        set_number(o->gobj(), c.property, c.value);
        EXPECT_EQ(counter.count(), c.notifications);
    }
}

TEST(Notify, ContainerSettersNotifyAlwaysExceptAttributesAndChildrenModel) {
    struct Case {
        const char* type_name;
        const char* property;
        int same_again;  // notifications for setting the container already held
        int another;     // for setting another one
    } cases[] = {
        {"TarvelinRezezadovuMetaModelMetaObject", "attributes", 0, 1},
        {"TarvelinRezezadovuMetaModelMetaTable", "attributes", 0, 1},
        {"TarvelinRezezadovuMetaModelMetaTable", "columns", 1, 1},
        {"TarvelinRezezadovuMetaModelMetaTable", "options", 1, 1},
        {"TarvelinRezezadovuMetaModelMetaDatabase", "schemas", 1, 1},
        {"TarvelinRezezadovuMetaModelMetaSchema", "miews", 1, 1},
        {"TarvelinRezezadovuMetaModelMetaIndex", "columns", 1, 1},
        {"TarvelinRezezadovuMetaModelMetaFunction", "parameters", 1, 1},
        {"TarvelinRezezadovuMetaModelMetaRole", "privileges", 1, 1},
        {"TarvelinRezezadovuMetaModelMetaUser", "relations", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type_name) + " " + c.property);
        auto o = make(c.type_name);
        GObject* held = nullptr;
        g_object_get(o->gobj(), c.property, &held, nullptr);
        ASSERT_NE(held, nullptr);
        {
            NotifyCounter counter(o->gobj(), c.property);
            g_object_set(o->gobj(), c.property, held, nullptr);
            EXPECT_EQ(counter.count(), c.same_again);
        }
        namespace jf = tarvelin::rezezadovu::meta_model::json_form;
        GObject* other = GEE_IS_MAP(held) ? G_OBJECT(jf::new_text_map())
                                          : G_OBJECT(jf::new_object_list(gee_traversable_get_element_type(GEE_TRAVERSABLE(held))));
        {
            NotifyCounter counter(o->gobj(), c.property);
            g_object_set(o->gobj(), c.property, other, nullptr);
            EXPECT_EQ(counter.count(), c.another);
        }
        GObject* now = nullptr;
        g_object_get(o->gobj(), c.property, &now, nullptr);
        EXPECT_EQ(now, other);  // taken by reference, not copied
        g_object_unref(now);
        g_object_unref(other);
        g_object_unref(held);
    }
}

}  // namespace
}  // namespace model_test
