#include "providers/gobj/convert.hpp"

#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("convert")

namespace tarvelin::gobj {

// ---------------------------------------------------------------- texts

std::string take_string(gchar* s) {
    std::string r(s ? s : "");
    g_free(s);
    return r;
}
std::optional<std::string> take_optional(gchar* s) {
    if (!s) return std::nullopt;
    std::string r(s);
    g_free(s);
    return r;
}

// ---------------------------------------------------------------- GValue conversions

void value_set_int(GValue* v, gint64 n) {
    switch (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v))) {
        case G_TYPE_CHAR: g_value_set_schar(v, static_cast<gint8>(n)); break;
        case G_TYPE_UCHAR: g_value_set_uchar(v, static_cast<guchar>(n)); break;
        case G_TYPE_BOOLEAN: g_value_set_boolean(v, n != 0); break;
        case G_TYPE_INT: g_value_set_int(v, static_cast<gint>(n)); break;
        case G_TYPE_UINT: g_value_set_uint(v, static_cast<guint>(n)); break;
        case G_TYPE_LONG: g_value_set_long(v, static_cast<glong>(n)); break;
        case G_TYPE_ULONG: g_value_set_ulong(v, static_cast<gulong>(n)); break;
        case G_TYPE_INT64: g_value_set_int64(v, n); break;
        case G_TYPE_UINT64: g_value_set_uint64(v, static_cast<guint64>(n)); break;
        case G_TYPE_ENUM: g_value_set_enum(v, static_cast<gint>(n)); break;
        case G_TYPE_FLAGS: g_value_set_flags(v, static_cast<guint>(n)); break;
        case G_TYPE_FLOAT: g_value_set_float(v, static_cast<float>(n)); break;
        case G_TYPE_DOUBLE: g_value_set_double(v, static_cast<double>(n)); break;
        default: g_critical("cannot store a number in a %s value", G_VALUE_TYPE_NAME(v));
    }
}
void value_set_uint(GValue* v, guint64 n) {
    if (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v)) == G_TYPE_UINT64) {
        g_value_set_uint64(v, n);
    } else if (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v)) == G_TYPE_DOUBLE) {
        g_value_set_double(v, static_cast<double>(n));
    } else {
        value_set_int(v, static_cast<gint64>(n));
    }
}
void value_set_double(GValue* v, double d) {
    switch (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v))) {
        case G_TYPE_FLOAT: g_value_set_float(v, static_cast<float>(d)); break;
        case G_TYPE_DOUBLE: g_value_set_double(v, d); break;
        default: value_set_int(v, static_cast<gint64>(d));
    }
}
void value_set_instance(GValue* v, gpointer p) {
    switch (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v))) {
        case G_TYPE_OBJECT:
        case G_TYPE_INTERFACE: g_value_set_object(v, p); break;
        case G_TYPE_BOXED: g_value_set_boxed(v, p); break;
        case G_TYPE_POINTER: g_value_set_pointer(v, p); break;
        case G_TYPE_STRING: g_value_set_string(v, static_cast<const char*>(p)); break;
        case G_TYPE_PARAM: g_value_set_param(v, static_cast<GParamSpec*>(p)); break;
        case G_TYPE_VARIANT: g_value_set_variant(v, static_cast<GVariant*>(p)); break;
        default: g_value_set_instance(v, p);
    }
}
gint64 value_get_int(const GValue* v) {
    switch (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v))) {
        case G_TYPE_CHAR: return g_value_get_schar(v);
        case G_TYPE_UCHAR: return g_value_get_uchar(v);
        case G_TYPE_BOOLEAN: return g_value_get_boolean(v);
        case G_TYPE_INT: return g_value_get_int(v);
        case G_TYPE_UINT: return g_value_get_uint(v);
        case G_TYPE_LONG: return g_value_get_long(v);
        case G_TYPE_ULONG: return static_cast<gint64>(g_value_get_ulong(v));
        case G_TYPE_INT64: return g_value_get_int64(v);
        case G_TYPE_UINT64: return static_cast<gint64>(g_value_get_uint64(v));
        case G_TYPE_ENUM: return g_value_get_enum(v);
        case G_TYPE_FLAGS: return g_value_get_flags(v);
        case G_TYPE_FLOAT: return static_cast<gint64>(g_value_get_float(v));
        case G_TYPE_DOUBLE: return static_cast<gint64>(g_value_get_double(v));
        default: g_critical("cannot read a number from a %s value", G_VALUE_TYPE_NAME(v)); return 0;
    }
}
guint64 value_get_uint(const GValue* v) {
    if (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v)) == G_TYPE_UINT64) return g_value_get_uint64(v);
    if (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v)) == G_TYPE_ULONG) return g_value_get_ulong(v);
    return static_cast<guint64>(value_get_int(v));
}
double value_get_double(const GValue* v) {
    switch (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v))) {
        case G_TYPE_FLOAT: return g_value_get_float(v);
        case G_TYPE_DOUBLE: return g_value_get_double(v);
        case G_TYPE_UINT64: return static_cast<double>(g_value_get_uint64(v));
        default: return static_cast<double>(value_get_int(v));
    }
}
gpointer value_get_instance(const GValue* v) {
    switch (G_TYPE_FUNDAMENTAL(G_VALUE_TYPE(v))) {
        case G_TYPE_OBJECT:
        case G_TYPE_INTERFACE: return g_value_get_object(v);
        case G_TYPE_BOXED: return g_value_get_boxed(v);
        case G_TYPE_POINTER: return g_value_get_pointer(v);
        case G_TYPE_STRING: return const_cast<char*>(g_value_get_string(v));
        case G_TYPE_PARAM: return g_value_get_param(v);
        case G_TYPE_VARIANT: return g_value_get_variant(v);
        default: return v->data[0].v_pointer;
    }
}


}  // namespace tarvelin::gobj
