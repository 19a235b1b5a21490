// Reading and writing single catalogue objects: member rules and content that never fails.
#include <string>
#include <vector>

#include "model_support.hpp"

namespace model_test {
namespace {

TEST(Json, DefaultsAreLeftOutAndReadBackAsStartingValues) {
    struct Case {
        const char* type_name;
        const char* set_property;  // a boolean set FALSE, or nullptr
        const char* member;
        bool written;
    } cases[] = {
        {"TarvelinRezezadovuMetaModelMetaCheck", nullptr, "\"no-inherit\"", false},
        {"TarvelinRezezadovuMetaModelMetaCheck", "no-inherit", "\"no-inherit\":false", true},
        {"TarvelinRezezadovuMetaModelMaterialized", nullptr, "\"with-data\"", false},
        {"TarvelinRezezadovuMetaModelMaterialized", "with-data", "\"with-data\":false", true},
        {"TarvelinRezezadovuMetaModelMetaCheck", nullptr, "\"enforced\"", false},
        {"TarvelinRezezadovuMetaModelMetaRule", nullptr, "\"enable\"", false},
        {"TarvelinRezezadovuMetaModelMetaColumn", nullptr, "\"data-type\"", false},
        {"TarvelinRezezadovuMetaModelMetaColumn", nullptr, "\"ordinal\"", false},
        {"TarvelinRezezadovuMetaModelMetaObject", nullptr, "\"version\"", false},
        {"TarvelinRezezadovuMetaModelMetaIndex", nullptr, "\"key-block-size\"", false},
        {"TarvelinRezezadovuMetaModelMetaClassify", nullptr, "\"children\"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type_name) + " " + c.member);
        auto o = make(c.type_name);
        if (c.set_property) g_object_set(o->gobj(), c.set_property, FALSE, nullptr);
        std::string text = compact(*o);
        EXPECT_EQ(text.find(c.member) != std::string::npos, c.written) << text;
        auto back = read_json(o->type(), text);
        EXPECT_EQ(compact(*back), text);
    }
}

TEST(Json, ContentNeverFailsTheRead) {
    struct Case {
        const char* type_name;
        const char* json;
        const char* written_back;  // the compact text of what was read
    } cases[] = {
        // attributes: not an object, members that are not strings
        {"TarvelinRezezadovuMetaModelMetaObject", R"({"attributes":[1,2]})",
         R"({"database":"","schema":"","name":"","comment":"","attributes":{},"original":""})"},
        {"TarvelinRezezadovuMetaModelMetaObject", R"({"attributes":{"n":3,"s":"x","z":null}})",
         R"({"database":"","schema":"","name":"","comment":"","attributes":{"n":"","s":"x","z":""},"original":""})"},
        // a number under relations reads as ""
        {"TarvelinRezezadovuMetaModelMetaRole", R"({"relations":{"a=b":5},"privileges":"x"})",
         R"({"database":"","schema":"","name":"","comment":"","attributes":{},"original":"","scope":"",)"
         R"("password":"","relations":{"a=b":""},"privileges":{}})"},
        // key parts and parameters that are not strings read as ""; a non-array as no list
        {"TarvelinRezezadovuMetaModelMetaIndex", R"({"columns":["a",1,null]})", nullptr},
        {"TarvelinRezezadovuMetaModelMetaFunction", R"({"parameters":{"a":1},"is-function":true})",
         R"({"database":"","schema":"","name":"","comment":"","attributes":{},"original":"","is-function":true,)"
         R"("return-type":"","body":"","parameters":[]})"},
        // the ordinal keeps its low 16 bits
        {"TarvelinRezezadovuMetaModelMetaColumn", R"({"ordinal":70000})", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        auto o = read_json(type_named(c.type_name), c.json);
        ASSERT_TRUE(o);
        if (c.written_back) {
            EXPECT_EQ(compact(*o), c.written_back);
        }
    }
    auto index = ref_cast<MetaIndex>(read_json(MetaIndex::gtype(), R"({"columns":["a",1,null]})"));
    ASSERT_EQ(size_of(index->get_columns()), 3);
    for (int i = 0; i < 3; ++i) {
        gchar* s = static_cast<gchar*>(gee_abstract_list_get(GEE_ABSTRACT_LIST(index->get_columns()), i));
        EXPECT_STREQ(s, i == 0 ? "a" : "");
        g_free(s);
    }
    auto column = ref_cast<MetaColumn>(read_json(MetaColumn::gtype(), R"({"ordinal":70000})"));
    EXPECT_EQ(column->get_ordinal(), 4464);
}

TEST(Json, UnreadableConstraintElementsAreSkippedWithAWarning) {
    LogCapture warnings(G_LOG_LEVEL_WARNING);
    auto table = ref_cast<MetaTable>(read_json(MetaTable::gtype(), R"({"constraints":[
        {"name":"no_class"},
        {"name":"unknown","class":"NoSuchType"},
        {"name":"column","class":"TarvelinRezezadovuMetaModelMetaColumn"},
        {"name":"base","class":"TarvelinRezezadovuMetaModelMetaConstraint"},
        42,
        {"name":"ck","class":"TarvelinRezezadovuMetaModelMetaCheck","check":"a > 0"}],
        "columns":{"not":"an array"},"options":"neither an object"})"));
    ASSERT_TRUE(table);
    std::vector<std::string> read;
    for (auto c : tarvelin::gobj::GeeArray<MetaObject>::wrap(table->get_constraints())) {
        read.push_back(std::string(c->type_name()) + ":" + c->get_name());
    }
    EXPECT_EQ(read, (std::vector<std::string>{"TarvelinRezezadovuMetaModelMetaConstraint:base",
                                              "TarvelinRezezadovuMetaModelMetaCheck:ck"}));
    EXPECT_EQ(warnings.messages().size(), 4u);
    EXPECT_EQ(size_of(table->get_columns()), 0);
    EXPECT_EQ(size_of(table->get_options()), 0);
    EXPECT_EQ(gee_traversable_get_element_type(GEE_TRAVERSABLE(table->get_columns())), MetaColumn::gtype());
}

TEST(Json, OnlyParseErrorsReachTheCaller) {
    GError* error = nullptr;
    GObject* o = json_gobject_from_data(MetaTable::gtype(), "{\"name\": ", -1, &error);
    EXPECT_EQ(o, nullptr);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->domain, JSON_PARSER_ERROR);
    g_error_free(error);
}

TEST(Json, ViewColumnsAreWrittenAndDerivedAgainOnReading) {
    auto view = MetaView::create();
    view->set_definition("select a, b as c from t");
    std::string text = compact(*view);
    EXPECT_NE(text.find(R"("columns":[{"database":"","schema":"","name":"a")"), std::string::npos) << text;
    auto back = ref_cast<MetaView>(read_json(MetaView::gtype(), text));
    EXPECT_EQ(compact(*back), text);
    // The member itself is not read: columns follow the definition only.
    auto other = ref_cast<MetaView>(read_json(MetaView::gtype(), R"({"definition":"select x  from t",
        "columns":[{"name":"y"},{"name":"z"}]})"));
    ASSERT_EQ(size_of(other->get_columns()), 1);
    EXPECT_STREQ(tarvelin::gobj::GeeArray<MetaColumn>::wrap(other->get_columns()).peek(0)->get_name(), "x");
}

TEST(View, ADefinitionThatDoesNotMatchKeepsThePreviousColumns) {
    auto view = MetaView::create();
    view->set_definition("select id, name from people");
    GeeArrayList* list = view->get_columns();
    view->set_definition("select a + b from t");
    EXPECT_STREQ(view->get_definition(), "select a + b from t");
    EXPECT_EQ(view->get_columns(), list);
    std::vector<std::string> names, raw;
    for (auto c : tarvelin::gobj::GeeArray<MetaColumn>::wrap(list)) {
        names.emplace_back(c->get_name());
        raw.emplace_back(c->get_raw_type());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"id", "name"}));
    view->set_definition("select t.a AS x, `b`, c.d\nFROM t");
    names.clear();
    raw.clear();
    for (auto c : tarvelin::gobj::GeeArray<MetaColumn>::wrap(list)) {
        names.emplace_back(c->get_name());
        raw.emplace_back(c->get_raw_type());
        EXPECT_EQ(c->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"x", "b", "c.d"}));
    EXPECT_EQ(raw, (std::vector<std::string>{"t.a", "`b`", "c.d"}));
}

}  // namespace
}  // namespace model_test
