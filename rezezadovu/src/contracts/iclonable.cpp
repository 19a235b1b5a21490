#include "rezezadovu/contracts/iclonable.hpp"

#include <gee.h>

#include <vector>

TARVELIN_LOG_TAG("iclonable")

namespace tarvelin::rezezadovu::contracts {

TARVELIN_INTERFACE_GTYPE(IClonable, "TarvelinRezezadovuContractsIClonable", G_TYPE_OBJECT)

namespace {

struct Values {
    std::vector<const char*> names;
    std::vector<GValue> values;
    Values() = default;
    Values(const Values&) = delete;
    Values& operator=(const Values&) = delete;
    ~Values() {
        for (GValue& v : values) g_value_unset(&v);
    }
};

// Read-only collections are the copy's own: fill them from the source's.
void copy_into_own_collection(GObject* source, GObject* copy, GParamSpec* p) {
    bool list = g_type_is_a(p->value_type, GEE_TYPE_ARRAY_LIST);
    bool map = g_type_is_a(p->value_type, GEE_TYPE_HASH_MAP);
    if (!list && !map) return;
    gpointer from = nullptr, to = nullptr;
    g_object_get(source, p->name, &from, nullptr);
    g_object_get(copy, p->name, &to, nullptr);
    if (from && to) {
        if (list) {
            gee_collection_add_all(GEE_COLLECTION(to), GEE_COLLECTION(from));
        } else {
            gee_map_set_all(GEE_MAP(to), GEE_MAP(from));
        }
    }
    if (from) g_object_unref(from);
    if (to) g_object_unref(to);
}

}  // namespace

GObject* IClonable::clone() { return clone_object(dynamic_cast<gobj::Object&>(*this).gobj()); }

GObject* IClonable::clone_object(GObject* source) {
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(source), &n);
    Values construct;
    construct.values.reserve(n);
    for (guint i = 0; i < n; ++i) {
        GParamSpec* p = specs[i];
        if (!(p->flags & (G_PARAM_CONSTRUCT | G_PARAM_CONSTRUCT_ONLY)) || !(p->flags & G_PARAM_READABLE)) continue;
        construct.names.push_back(p->name);
        construct.values.push_back(G_VALUE_INIT);
        g_value_init(&construct.values.back(), p->value_type);
        g_object_get_property(source, p->name, &construct.values.back());
    }
    GObject* copy = g_object_new_with_properties(G_OBJECT_TYPE(source), static_cast<guint>(construct.names.size()),
                                                 construct.names.data(), construct.values.data());
    if (g_object_is_floating(copy)) g_object_ref_sink(copy);
    for (guint i = 0; i < n; ++i) {
        GParamSpec* p = specs[i];
        if (!(p->flags & G_PARAM_READABLE)) continue;
        if (p->flags & G_PARAM_WRITABLE) {
            if (p->flags & G_PARAM_CONSTRUCT_ONLY) continue;  // given at creation
            GValue v = G_VALUE_INIT;
            g_value_init(&v, p->value_type);
            g_object_get_property(source, p->name, &v);
            g_object_set_property(copy, p->name, &v);
            g_value_unset(&v);
        } else {
            copy_into_own_collection(source, copy, p);
        }
    }
    g_free(specs);
    return copy;
}

}  // namespace tarvelin::rezezadovu::contracts
