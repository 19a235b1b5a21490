// Containers of the catalogue tree in JSON: text maps and text lists.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "rezezadovu/model/json_form.hpp"

namespace {

namespace jf = tarvelin::rezezadovu::meta_model::json_form;

std::string text_of(JsonNode* node) {
    gchar* s = json_to_string(node, FALSE);
    std::string out(s);
    g_free(s);
    json_node_unref(node);
    return out;
}

JsonNode* parse(const char* text) {
    GError* error = nullptr;
    JsonNode* node = json_from_string(text, &error);
    EXPECT_EQ(error, nullptr);
    return node;
}

std::vector<std::pair<std::string, std::string>> entries_of(GeeHashMap* map) {
    std::vector<std::pair<std::string, std::string>> out;
    GeeMapIterator* it = gee_map_map_iterator(GEE_MAP(map));
    while (gee_map_iterator_next(it)) {
        gchar* k = static_cast<gchar*>(gee_map_iterator_get_key(it));
        gchar* v = static_cast<gchar*>(gee_map_iterator_get_value(it));
        out.emplace_back(k, v ? v : "(null)");
        g_free(k);
        g_free(v);
    }
    g_object_unref(it);
    std::sort(out.begin(), out.end());
    return out;
}

TEST(TextMapJson, WritesKeysInByteOrderWhateverTheInsertionOrder) {
    const char* keys[] = {"b", "B", "a", "aa", "_", "Z"};
    GeeHashMap* forward = jf::new_text_map();
    GeeHashMap* backward = jf::new_text_map();
    for (const char* k : keys) gee_abstract_map_set(GEE_ABSTRACT_MAP(forward), k, k);
    for (int i = 5; i >= 0; --i) gee_abstract_map_set(GEE_ABSTRACT_MAP(backward), keys[i], keys[i]);
    std::string expected = R"({"B":"B","Z":"Z","_":"_","a":"a","aa":"aa","b":"b"})";
    EXPECT_EQ(text_of(jf::write_text_map(GEE_MAP(forward))), expected);
    EXPECT_EQ(text_of(jf::write_text_map(GEE_MAP(backward))), expected);
    g_object_unref(forward);
    g_object_unref(backward);
}

TEST(TextMapJson, NullValueIsWrittenAsNullAndEmptyMapAsEmptyObject) {
    GeeHashMap* map = jf::new_text_map();
    EXPECT_EQ(text_of(jf::write_text_map(GEE_MAP(map))), "{}");
    gee_abstract_map_set(GEE_ABSTRACT_MAP(map), "k", nullptr);
    EXPECT_EQ(text_of(jf::write_text_map(GEE_MAP(map))), R"({"k":null})");
    g_object_unref(map);
}

TEST(TextMapJson, ReadsNonStringsAsEmptyTextsAndNonObjectsAsEmptyMaps) {
    struct Case {
        const char* json;
        std::vector<std::pair<std::string, std::string>> entries;
    } cases[] = {
        {R"({"a":"x","n":3,"z":null,"o":{},"l":[1],"t":true})",
         {{"a", "x"}, {"l", ""}, {"n", ""}, {"o", ""}, {"t", ""}, {"z", ""}}},
        {R"([1,2])", {}},
        {R"("text")", {}},
        {R"(null)", {}},
    };
    for (const auto& c : cases) {
        JsonNode* node = parse(c.json);
        GeeHashMap* map = jf::read_text_map(node);
        EXPECT_EQ(entries_of(map), c.entries) << c.json;
        g_object_unref(map);
        json_node_unref(node);
    }
}

TEST(TextListJson, RoundTripsInOrderAndNeverHoldsNull) {
    struct Case {
        const char* json;
        const char* written_back;
    } cases[] = {
        {R"(["b","a","a"])", R"(["b","a","a"])"},
        {R"([])", R"([])"},
        {R"(["x",1,null,{}])", R"(["x","","",""])"},
        {R"({"a":"b"})", R"([])"},
    };
    for (const auto& c : cases) {
        JsonNode* node = parse(c.json);
        GeeArrayList* list = jf::read_text_list(node);
        for (int i = 0; i < gee_abstract_collection_get_size(GEE_ABSTRACT_COLLECTION(list)); ++i) {
            gchar* s = static_cast<gchar*>(gee_abstract_list_get(GEE_ABSTRACT_LIST(list), i));
            EXPECT_NE(s, nullptr);
            g_free(s);
        }
        EXPECT_EQ(text_of(jf::write_text_list(GEE_LIST(list))), c.written_back) << c.json;
        g_object_unref(list);
        json_node_unref(node);
    }
}

}  // namespace
