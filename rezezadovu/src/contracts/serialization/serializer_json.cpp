#include "rezezadovu/contracts/serialization/serializer_json.hpp"

#include "rezezadovu/contracts/serialization/iso8601.hpp"

TARVELIN_LOG_TAG("serializer_json")

namespace tarvelin::rezezadovu::contracts::serialization {

TARVELIN_INTERFACE_GTYPE(IJsonSerializer, "TarvelinRezezadovuContractsSerializationIJsonSerializer", G_TYPE_OBJECT)

namespace {

struct ValueGuard {
    GValue v = G_VALUE_INIT;
    explicit ValueGuard(GType t) { g_value_init(&v, t); }
    ~ValueGuard() { g_value_unset(&v); }
    ValueGuard(const ValueGuard&) = delete;
    ValueGuard& operator=(const ValueGuard&) = delete;
};

struct PspecList {
    guint n = 0;
    GParamSpec** specs;
    explicit PspecList(GObject* o) : specs(g_object_class_list_properties(G_OBJECT_GET_CLASS(o), &n)) {}
    ~PspecList() { g_free(specs); }
    PspecList(const PspecList&) = delete;
    PspecList& operator=(const PspecList&) = delete;
};

void add_value(JsonBuilder* b, const GValue* v) {
    GType type = G_VALUE_TYPE(v);
    switch (G_TYPE_FUNDAMENTAL(type)) {
    case G_TYPE_NONE:
        json_builder_add_null_value(b);
        return;
    case G_TYPE_CHAR:
        json_builder_add_int_value(b, g_value_get_schar(v));
        return;
    case G_TYPE_UCHAR:
        json_builder_add_int_value(b, g_value_get_uchar(v));
        return;
    case G_TYPE_BOOLEAN:
        json_builder_add_boolean_value(b, g_value_get_boolean(v));
        return;
    case G_TYPE_INT:
        json_builder_add_int_value(b, g_value_get_int(v));
        return;
    case G_TYPE_LONG:
        json_builder_add_int_value(b, static_cast<gint32>(g_value_get_long(v)));
        return;
    case G_TYPE_UINT:
        json_builder_add_int_value(b, g_value_get_uint(v));
        return;
    case G_TYPE_ULONG:
        json_builder_add_int_value(b, static_cast<guint32>(g_value_get_ulong(v)));
        return;
    case G_TYPE_INT64:
        json_builder_add_int_value(b, g_value_get_int64(v));
        return;
    case G_TYPE_UINT64:
        json_builder_add_int_value(b, static_cast<gint64>(g_value_get_uint64(v)));
        return;
    case G_TYPE_FLOAT:
        json_builder_add_double_value(b, g_value_get_float(v));
        return;
    case G_TYPE_DOUBLE:
        json_builder_add_double_value(b, g_value_get_double(v));
        return;
    case G_TYPE_STRING: {
        const char* s = g_value_get_string(v);
        json_builder_add_string_value(b, s ? s : "");
        return;
    }
    case G_TYPE_ENUM:
        json_builder_add_int_value(b, g_value_get_enum(v));
        return;
    case G_TYPE_FLAGS:
        json_builder_add_int_value(b, g_value_get_flags(v));
        return;
    default:
        break;
    }
    if (type == G_TYPE_DATE_TIME) {
        std::string text = format_iso8601(static_cast<GDateTime*>(g_value_get_boxed(v)));
        json_builder_add_string_value(b, text.c_str());
    } else if (type == G_TYPE_STRV) {
        json_builder_begin_array(b);
        if (auto* strv = static_cast<gchar**>(g_value_get_boxed(v))) {
            for (gchar** p = strv; *p; ++p) json_builder_add_string_value(b, *p);
        }
        json_builder_end_array(b);
    } else {
        std::string text = gobj::take_string(g_strdup_value_contents(v));
        json_builder_add_string_value(b, text.c_str());
    }
}

// Scalars read the way json-glib's typed getters read them: null (and any container)
// gives 0, false or no text, a double read as an integer is truncated.
gint64 node_int(JsonNode* n) {
    return JSON_NODE_HOLDS_VALUE(n) ? json_node_get_int(n) : 0;
}
double node_double(JsonNode* n) {
    return JSON_NODE_HOLDS_VALUE(n) ? json_node_get_double(n) : 0.0;
}
bool node_bool(JsonNode* n) {
    return JSON_NODE_HOLDS_VALUE(n) && json_node_get_boolean(n);
}
const char* node_string(JsonNode* n) {
    return JSON_NODE_HOLDS_VALUE(n) ? json_node_get_string(n) : nullptr;
}

// Replaces `v` from the member node; false when the type cannot be read.
bool read_value(GValue* v, JsonNode* n) {
    GType type = G_VALUE_TYPE(v);
    switch (G_TYPE_FUNDAMENTAL(type)) {
    case G_TYPE_NONE:
        return true;
    case G_TYPE_CHAR:
        g_value_set_schar(v, static_cast<gint8>(node_int(n)));
        return true;
    case G_TYPE_UCHAR:
        g_value_set_uchar(v, static_cast<guint8>(node_int(n)));
        return true;
    case G_TYPE_BOOLEAN:
        g_value_set_boolean(v, node_bool(n));
        return true;
    case G_TYPE_INT:
        g_value_set_int(v, static_cast<gint32>(node_int(n)));
        return true;
    case G_TYPE_UINT:
        g_value_set_uint(v, static_cast<guint32>(node_int(n)));
        return true;
    case G_TYPE_LONG:
        g_value_set_long(v, static_cast<gint32>(node_int(n)));
        return true;
    case G_TYPE_ULONG:
        g_value_set_ulong(v, static_cast<guint32>(node_int(n)));
        return true;
    case G_TYPE_INT64:
        g_value_set_int64(v, node_int(n));
        return true;
    case G_TYPE_UINT64:
        g_value_set_uint64(v, static_cast<guint64>(node_int(n)));
        return true;
    case G_TYPE_FLOAT:
        g_value_set_float(v, static_cast<float>(node_double(n)));
        return true;
    case G_TYPE_DOUBLE:
        g_value_set_double(v, node_double(n));
        return true;
    case G_TYPE_STRING:
        g_value_set_string(v, node_string(n));
        return true;
    case G_TYPE_ENUM:
        g_value_set_enum(v, static_cast<gint>(node_int(n)));
        return true;
    case G_TYPE_FLAGS:
        g_value_set_flags(v, static_cast<guint>(node_int(n)));
        return true;
    default:
        break;
    }
    if (type == G_TYPE_DATE_TIME) {
        g_value_take_boxed(v, parse_iso8601(node_string(n)));
        return true;
    }
    if (type == G_TYPE_STRV) {
        if (!JSON_NODE_HOLDS_ARRAY(n)) return true;  // null (or another kind) keeps the value
        JsonArray* a = json_node_get_array(n);
        guint len = json_array_get_length(a);
        GStrvBuilder* sb = g_strv_builder_new();
        for (guint i = 0; i < len; ++i) {
            JsonNode* e = json_array_get_element(a, i);
            if (!JSON_NODE_HOLDS_VALUE(e) || json_node_get_value_type(e) != G_TYPE_STRING) break;
            g_strv_builder_add(sb, json_node_get_string(e));
        }
        g_value_take_boxed(v, g_strv_builder_end(sb));
        g_strv_builder_unref(sb);
        return true;
    }
    return false;
}

}  // namespace

void IJsonSerializer::serialize_object(gpointer, JsonBuilder* builder, GObject* object) {
    PspecList props(object);
    for (guint i = 0; i < props.n; ++i) {
        GParamSpec* p = props.specs[i];
        // Read-only properties never appear; a write-only one cannot be read back.
        if (!(p->flags & G_PARAM_WRITABLE) || !(p->flags & G_PARAM_READABLE)) continue;
        ValueGuard v(p->value_type);
        g_object_get_property(object, p->name, &v.v);
        json_builder_set_member_name(builder, p->name);
        add_value(builder, &v.v);
    }
}

void IJsonSerializer::deserialize_object(gpointer, JsonObject* json_object, GObject* object) {
    GObjectClass* klass = G_OBJECT_GET_CLASS(object);
    GList* members = json_object_get_members(json_object);
    for (GList* m = members; m; m = m->next) {
        auto* member = static_cast<const char*>(m->data);
        if (g_strcmp0(member, "class") == 0) continue;
        std::string name(member);
        for (char& c : name) {
            if (c == '-') c = '_';
        }
        GParamSpec* p = g_object_class_find_property(klass, name.c_str());
        // Construct-only properties cannot be set any more; GObject would complain.
        if (!p || !(p->flags & G_PARAM_WRITABLE) || (p->flags & G_PARAM_CONSTRUCT_ONLY)) continue;
        ValueGuard v(p->value_type);
        if (p->flags & G_PARAM_READABLE) g_object_get_property(object, p->name, &v.v);
        if (!read_value(&v.v, json_object_get_member(json_object, member))) {
            tlog_warning("Type: %s -> %s", p->name, g_type_name(p->value_type));
        }
        g_object_set_property(object, p->name, &v.v);
    }
    g_list_free(members);
}

}  // namespace tarvelin::rezezadovu::contracts::serialization
