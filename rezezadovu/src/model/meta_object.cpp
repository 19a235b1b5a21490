// Log tag: meta_object
#include "rezezadovu/model/meta_object.hpp"

#include "providers/gobj/register.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"

TARVELIN_LOG_TAG("meta_object")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_INTERFACE_GTYPE(IMetaData, "TarvelinRezezadovuMetaModelIMetaData", G_TYPE_OBJECT)
TARVELIN_GTYPE(MetaObject, "TarvelinRezezadovuMetaModelMetaObject", gobj::Object, IMetaData,
               providers::contracts::Serializable)

namespace {

GeeHashMap* new_diff_map() {
    return gee_hash_map_new(G_TYPE_STRING, &gobj::detail::string_dup, g_free, providers::contracts::data_version_gtype(),
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr);
}

bool is_container(GType t) { return g_type_is_a(t, GEE_TYPE_COLLECTION) || g_type_is_a(t, GEE_TYPE_MAP); }

// The element type of the list a property holds now; MetaObject when there is none.
GType element_type_of(GObject* owner, const char* property) {
    GeeArrayList* list = nullptr;
    g_object_get(owner, property, &list, nullptr);
    GType t = list ? gee_traversable_get_element_type(GEE_TRAVERSABLE(list)) : MetaObject::gtype();
    if (list) g_object_unref(list);
    return t;
}

}  // namespace

MetaObject::MetaObject() : diff_(gobj::GPtr<GeeHashMap>::adopt(new_diff_map())),
                           slice_(gobj::GPtr<GeeHashMap>::adopt(json_form::new_text_map())) {}

void MetaObject::describe(gobj::ClassSpec<MetaObject>& c) { TARVELIN_META_OBJECT_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }

gobj::Ref<MetaObject> MetaObject::create(GType type) { return gobj::create<MetaObject>(type); }

void MetaObject::set_names(const char* database, const char* schema, const char* name) {
    set_name(name);
    set_schema(schema);
    set_database(database);
}

gobj::Ref<MetaObject> MetaObject::clone() {
    auto copy = gobj::Ref<MetaObject>::adopt(g_object_new(type(), nullptr));
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(gobj()), &n);
    for (guint i = 0; i < n; ++i) {
        GParamSpec* p = specs[i];
        if (!(p->flags & G_PARAM_WRITABLE) || (p->flags & G_PARAM_CONSTRUCT_ONLY) || is_container(p->value_type)) {
            continue;
        }
        GValue v = G_VALUE_INIT;
        g_value_init(&v, p->value_type);
        g_object_get_property(gobj(), p->name, &v);
        g_object_set_property(copy->gobj(), p->name, &v);
        g_value_unset(&v);
    }
    g_free(specs);
    json_form::copy_text_map(GEE_MAP(get_attributes()), GEE_MAP(copy->get_attributes()));
    return copy;
}

gobj::Ref<IMetaData> MetaObject::clone_data() { return clone(); }

void MetaObject::reset() {
    clear_diff();
    clear_slice();
    set_comment("");
    set_original("");
    if (get_attributes()) gee_abstract_map_clear(GEE_ABSTRACT_MAP(get_attributes()));
    set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
    g_object_set_data(gobj(), kFilled, nullptr);
}

DBObject MetaObject::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN; }

void MetaObject::append_diff(const char* key, DataVersion version) {
    gee_abstract_map_set(GEE_ABSTRACT_MAP(diff_.get()), key, GUINT_TO_POINTER(version));
}

void MetaObject::append_slice(const char* key, const char* value) {
    gee_abstract_map_set(GEE_ABSTRACT_MAP(slice_.get()), key, value);
}

void MetaObject::clear_diff() { gee_abstract_map_clear(GEE_ABSTRACT_MAP(diff_.get())); }

void MetaObject::clear_slice() { gee_abstract_map_clear(GEE_ABSTRACT_MAP(slice_.get())); }

JsonNode* MetaObject::serialize_property(const char* name, const GValue* value, GParamSpec* pspec) {
    GType t = pspec->value_type;
    if (g_type_is_a(t, GEE_TYPE_MAP)) return json_form::write_text_map(GEE_MAP(g_value_get_object(value)));
    if (g_type_is_a(t, GEE_TYPE_LIST)) {
        auto* list = static_cast<GeeList*>(g_value_get_object(value));
        GType element = list ? gee_traversable_get_element_type(GEE_TRAVERSABLE(list)) : G_TYPE_STRING;
        if (element == G_TYPE_STRING) return json_form::write_text_list(list);
        return json_form::write_object_list(list, g_type_is_a(element, MetaConstraint::gtype()));
    }
    // A list model is the host's navigation state, not catalogue content.
    if (g_type_is_a(t, G_TYPE_LIST_MODEL)) return nullptr;
    (void)name;
    return json_serializable_default_serialize_property(serializable_instance(), name, value, pspec);
}

bool MetaObject::deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) {
    GType t = pspec->value_type;
    if (g_type_is_a(t, GEE_TYPE_MAP)) {
        g_value_take_object(value, json_form::read_text_map(node));
        return true;
    }
    if (g_type_is_a(t, GEE_TYPE_LIST)) {
        GType element = element_type_of(gobj(), name);
        if (element == G_TYPE_STRING) {
            g_value_take_object(value, json_form::read_text_list(node));
        } else {
            bool by_class = g_type_is_a(element, MetaConstraint::gtype());
            g_value_take_object(value, json_form::read_object_list(node, element, by_class));
        }
        return true;
    }
    if (g_type_is_a(t, G_TYPE_LIST_MODEL)) return false;
    return json_serializable_default_deserialize_property(serializable_instance(), name, value, pspec, node);
}

}  // namespace tarvelin::rezezadovu::meta_model
