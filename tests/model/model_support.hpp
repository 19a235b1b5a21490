// Helpers of the catalogue model suites.
#pragma once

#include "support/log_capture.hpp"

#include <gtest/gtest.h>
#include <json-glib/json-glib.h>

#include <string>

#include "rezezadovu/model/meta_classify.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"

namespace model_test {

using namespace tarvelin::rezezadovu::meta_model;
using tarvelin::gobj::Ref;

inline GType type_named(const char* name) {
    GType t = g_type_from_name(name);
    EXPECT_NE(t, G_TYPE_INVALID) << name;
    return t;
}

inline Ref<MetaObject> make(const char* type_name) {
    return Ref<MetaObject>::adopt(g_object_new(type_named(type_name), nullptr));
}

// Compact JSON of one object.
inline std::string compact(MetaObject& o) {
    JsonNode* node = json_gobject_serialize(o.gobj());
    gchar* s = json_to_string(node, FALSE);
    std::string out(s);
    g_free(s);
    json_node_unref(node);
    return out;
}

inline std::string pretty(MetaObject& o) {
    gchar* s = json_gobject_to_data(o.gobj(), nullptr);
    std::string out(s);
    g_free(s);
    return out;
}

inline Ref<MetaObject> read_json(GType type, const std::string& text) {
    GError* error = nullptr;
    GObject* o = json_gobject_from_data(type, text.c_str(), -1, &error);
    EXPECT_EQ(error, nullptr) << (error ? error->message : "");
    if (error) g_error_free(error);
    return Ref<MetaObject>::adopt(o);
}

// Counts the notifications of one property while alive.
class NotifyCounter {
public:
    NotifyCounter(GObject* o, const char* property) : o_(o) {
        std::string signal = std::string("notify::") + property;
        id_ = g_signal_connect_swapped(o, signal.c_str(), G_CALLBACK(+[](int* n) { ++*n; }), &count_);
    }
    ~NotifyCounter() { g_signal_handler_disconnect(o_, id_); }
    int count() const { return count_; }

private:
    GObject* o_;
    gulong id_ = 0;
    int count_ = 0;
};

inline void add(GeeArrayList* list, MetaObject& o) {
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(list), o.gobj());
}
inline void add_text(GeeArrayList* list, const char* text) {
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(list), text);
}
inline void put(GeeHashMap* map, const char* k, const char* v) { gee_abstract_map_set(GEE_ABSTRACT_MAP(map), k, v); }
inline int size_of(gpointer collection_or_map) {
    if (GEE_IS_MAP(collection_or_map)) return gee_map_get_size(GEE_MAP(collection_or_map));
    return gee_collection_get_size(GEE_COLLECTION(collection_or_map));
}

// Captures GLib log messages of one level while alive.
class LogCapture : public tarvelin::test::LogSink {
public:
    explicit LogCapture(GLogLevelFlags level = G_LOG_LEVEL_CRITICAL);
    const std::vector<std::string>& messages() const { return messages_; }
    void clear() { messages_.clear(); }
    bool take(GLogLevelFlags level, const char* message) override;

private:
    GLogLevelFlags level_;
    std::vector<std::string> messages_;
};

}  // namespace model_test
