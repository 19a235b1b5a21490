// Log tag: json_form
#include "rezezadovu/model/json_form.hpp"

#include <algorithm>
#include <cstring>
#include <vector>

#include "providers/gobj/error.hpp"
#include "providers/gobj/gee.hpp"

TARVELIN_LOG_TAG("json_form")

namespace tarvelin::rezezadovu::meta_model::json_form {

using gobj::detail::object_dup;
using gobj::detail::string_dup;

GeeHashMap* new_text_map() {
    return gee_hash_map_new(G_TYPE_STRING, &string_dup, g_free, G_TYPE_STRING, &string_dup, g_free, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

GeeArrayList* new_text_list() { return gee_array_list_new(G_TYPE_STRING, &string_dup, g_free, nullptr, nullptr, nullptr); }

GeeArrayList* new_object_list(GType element) {
    return gee_array_list_new(element, &object_dup, g_object_unref, nullptr, nullptr, nullptr);
}

JsonNode* write_text_map(GeeMap* map) {
    JsonObject* obj = json_object_new();
    if (map) {
        std::vector<std::pair<gchar*, gchar*>> entries;
        GeeMapIterator* it = gee_map_map_iterator(map);
        while (gee_map_iterator_next(it)) {
            entries.emplace_back(static_cast<gchar*>(gee_map_iterator_get_key(it)),
                                 static_cast<gchar*>(gee_map_iterator_get_value(it)));
        }
        g_object_unref(it);
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return std::strcmp(a.first ? a.first : "", b.first ? b.first : "") < 0;
        });
        for (auto& [key, value] : entries) {
            if (value) {
                json_object_set_string_member(obj, key ? key : "", value);
            } else {
                json_object_set_null_member(obj, key ? key : "");
            }
            g_free(key);
            g_free(value);
        }
    }
    JsonNode* node = json_node_new(JSON_NODE_OBJECT);
    json_node_take_object(node, obj);
    return node;
}

GeeHashMap* read_text_map(JsonNode* node) {
    GeeHashMap* map = new_text_map();
    if (!node || !JSON_NODE_HOLDS_OBJECT(node)) return map;
    JsonObject* obj = json_node_get_object(node);
    GList* members = json_object_get_members(obj);
    for (GList* m = members; m; m = m->next) {
        const char* key = static_cast<const char*>(m->data);
        JsonNode* value = json_object_get_member(obj, key);
        const char* text = "";
        if (value && JSON_NODE_HOLDS_VALUE(value) && json_node_get_value_type(value) == G_TYPE_STRING) {
            text = json_node_get_string(value);
        }
        gee_abstract_map_set(GEE_ABSTRACT_MAP(map), key, text);
    }
    g_list_free(members);
    return map;
}

JsonNode* write_text_list(GeeList* list) {
    JsonArray* arr = json_array_new();
    int n = list ? gee_collection_get_size(GEE_COLLECTION(list)) : 0;
    for (int i = 0; i < n; ++i) {
        gchar* text = static_cast<gchar*>(gee_list_get(list, i));
        if (text) {
            json_array_add_string_element(arr, text);
        } else {
            json_array_add_null_element(arr);
        }
        g_free(text);
    }
    JsonNode* node = json_node_new(JSON_NODE_ARRAY);
    json_node_take_array(node, arr);
    return node;
}

GeeArrayList* read_text_list(JsonNode* node) {
    GeeArrayList* list = new_text_list();
    if (!node || !JSON_NODE_HOLDS_ARRAY(node)) return list;
    JsonArray* arr = json_node_get_array(node);
    for (guint i = 0, n = json_array_get_length(arr); i < n; ++i) {
        JsonNode* element = json_array_get_element(arr, i);
        const char* text = "";
        if (JSON_NODE_HOLDS_VALUE(element) && json_node_get_value_type(element) == G_TYPE_STRING) {
            text = json_node_get_string(element);
        }
        gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(list), text);
    }
    return list;
}

JsonNode* write_object_list(GeeList* list, bool with_class) {
    JsonArray* arr = json_array_new();
    int n = list ? gee_collection_get_size(GEE_COLLECTION(list)) : 0;
    for (int i = 0; i < n; ++i) {
        GObject* child = static_cast<GObject*>(gee_list_get(list, i));
        if (!child) {
            json_array_add_null_element(arr);
            continue;
        }
        JsonNode* element = json_gobject_serialize(child);
        if (with_class) json_object_set_string_member(json_node_get_object(element), "class", G_OBJECT_TYPE_NAME(child));
        json_array_add_element(arr, element);
        g_object_unref(child);
    }
    JsonNode* node = json_node_new(JSON_NODE_ARRAY);
    json_node_take_array(node, arr);
    return node;
}

GeeArrayList* read_object_list(JsonNode* node, GType element, bool by_class) {
    GeeArrayList* list = new_object_list(element);
    if (!node || !JSON_NODE_HOLDS_ARRAY(node)) return list;
    JsonArray* arr = json_node_get_array(node);
    for (guint i = 0, n = json_array_get_length(arr); i < n; ++i) {
        JsonNode* item = json_array_get_element(arr, i);
        if (!JSON_NODE_HOLDS_OBJECT(item)) {
            tlog_warning("element %u of a list of %s is not an object; skipped", i, g_type_name(element));
            continue;
        }
        GType type = element;
        if (by_class) {
            const char* name = json_object_get_string_member_with_default(json_node_get_object(item), "class", nullptr);
            type = name ? g_type_from_name(name) : G_TYPE_INVALID;
            if (type == G_TYPE_INVALID || !g_type_is_a(type, element) || G_TYPE_IS_ABSTRACT(type)) {
                tlog_warning("element %u names no class of %s (\"%s\"); skipped", i, g_type_name(element),
                             name ? name : "");
                continue;
            }
        }
        GObject* child = json_gobject_deserialize(type, item);
        if (!child) continue;
        gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(list), child);
        g_object_unref(child);
    }
    return list;
}

void copy_text_map(GeeMap* from, GeeMap* into) {
    if (!from || !into) return;
    GeeMapIterator* it = gee_map_map_iterator(from);
    while (gee_map_iterator_next(it)) {
        gpointer key = gee_map_iterator_get_key(it);
        gpointer value = gee_map_iterator_get_value(it);
        gee_map_set(into, key, value);
        g_free(key);
        g_free(value);
    }
    g_object_unref(it);
}

void copy_text_list(GeeList* from, GeeCollection* into) {
    if (!from || !into) return;
    for (int i = 0, n = gee_collection_get_size(GEE_COLLECTION(from)); i < n; ++i) {
        gpointer text = gee_list_get(from, i);
        gee_collection_add(into, text);
        g_free(text);
    }
}

}  // namespace tarvelin::rezezadovu::meta_model::json_form
