#include "providers/gobj/bridge.hpp"

#include <gobject/gvaluecollector.h>

#include <cstring>
#include <map>
#include <mutex>
#include <typeinfo>

namespace tarvelin::gobj {

namespace {

thread_local GTypeInstance* constructing = nullptr;

GQuark table_quark() {
    static const GQuark q = g_quark_from_static_string("tarvelin-property-table");
    return q;
}
GQuark bridged_quark() {
    static const GQuark q = g_quark_from_static_string("tarvelin-bridged");
    return q;
}

GObjectClass* object_parent_class = nullptr;

void root_instance_init(GTypeInstance* instance, gpointer g_class) {
    // The class structure of the type being made is `g_class`; G_OBJECT_GET_CLASS
    // still gives the root class at this point.
    auto* klass = static_cast<Class*>(g_class);
    if (!klass->make) {
        g_error("cannot make the C++ object of %s: the type is abstract", g_type_name(G_TYPE_FROM_CLASS(g_class)));
    }
    GTypeInstance* outer = constructing;
    constructing = instance;
    Object* self = nullptr;
    try {
        self = klass->make();
    } catch (...) {
        report_exception(g_type_name(G_TYPE_FROM_CLASS(g_class)));
    }
    constructing = outer;
    if (!self) g_error("cannot make the C++ object of %s", g_type_name(G_TYPE_FROM_CLASS(g_class)));
    reinterpret_cast<Instance*>(instance)->self = self;
}

void root_constructed(GObject* g) {
    if (object_parent_class->constructed) object_parent_class->constructed(g);
    guarded_void("constructed", [&] { reinterpret_cast<Instance*>(g)->self->constructed(); });
}

void root_dispose(GObject* g) {
    guarded_void("dispose", [&] {
        if (Object* self = reinterpret_cast<Instance*>(g)->self) self->dispose();
    });
    object_parent_class->dispose(g);
}

void root_finalize(GObject* g) {
    auto* inst = reinterpret_cast<Instance*>(g);
    Object* self = std::exchange(inst->self, nullptr);
    guarded_void("finalize", [&] { delete self; });
    object_parent_class->finalize(g);
}

const PropertySlot* find_slot(GObject* g, GParamSpec* pspec, guint id) {
    if (!G_TYPE_IS_INTERFACE(pspec->owner_type)) {
        auto* table = static_cast<std::vector<PropertySlot>*>(g_type_get_qdata(pspec->owner_type, table_quark()));
        if (!table || id == 0 || id > table->size()) return nullptr;
        return &(*table)[id - 1];
    }
    // An interface property: GObject hands over the interface's pspec, so find the
    // class that overrode it among the object's ancestors.
    for (GType t = G_OBJECT_TYPE(g); t; t = g_type_parent(t)) {
        auto* table = static_cast<std::vector<PropertySlot>*>(g_type_get_qdata(t, table_quark()));
        if (!table || id == 0 || id > table->size()) continue;
        const PropertySlot& slot = (*table)[id - 1];
        if (slot.iface_prop && std::strcmp(slot.iface_prop->name, pspec->name) == 0) return &slot;
    }
    return nullptr;
}

void bridged_get_property(GObject* g, guint id, GValue* value, GParamSpec* pspec) {
    const PropertySlot* slot = find_slot(g, pspec, id);
    Object* self = reinterpret_cast<Instance*>(g)->self;
    if (!slot || !self) {
        G_OBJECT_WARN_INVALID_PROPERTY_ID(g, id, pspec);
        return;
    }
    guarded_void(g_param_spec_get_name(pspec), [&] {
        if (slot->iface_prop) {
            if (slot->iface_prop->get) slot->iface_prop->get(slot->to_iface(self), value);
        } else if (slot->get) {
            slot->get(self, value);
        }
    });
}

void bridged_set_property(GObject* g, guint id, const GValue* value, GParamSpec* pspec) {
    const PropertySlot* slot = find_slot(g, pspec, id);
    Object* self = reinterpret_cast<Instance*>(g)->self;
    if (!slot || !self) {
        G_OBJECT_WARN_INVALID_PROPERTY_ID(g, id, pspec);
        return;
    }
    guarded_void(g_param_spec_get_name(pspec), [&] {
        if (slot->iface_prop) {
            if (slot->iface_prop->set) slot->iface_prop->set(slot->to_iface(self), value);
        } else if (slot->set) {
            slot->set(self, value);
        }
    });
}

}  // namespace

// ---------------------------------------------------------------- Error

Error::Error(GQuark domain, int code, std::string message)
    : domain_(domain), code_(code), message_(std::move(message)) {}
Error::Error(const char* domain, int code, std::string message)
    : Error(g_quark_from_string(domain), code, std::move(message)) {}
Error::Error(GError* error)
    : domain_(error ? error->domain : g_quark_from_static_string("default")),
      code_(error ? error->code : -1),
      message_(error && error->message ? error->message : "") {
    if (error) g_error_free(error);
}

void Error::propagate(GError** dest) const {
    if (dest) g_set_error_literal(dest, domain_, code_, message_.c_str());
}
GError* Error::to_gerror() const { return g_error_new_literal(domain_, code_, message_.c_str()); }

void check(GError* error) {
    if (error) throw Error(error);
}

void log_uncaught(const char* file, int line, const Error& e) {
    g_critical("file %s: line %d: uncaught error: %s (%s, %d)", file, line, e.message().c_str(), e.domain_name(),
               e.code());
}
void log_unexpected(const char* file, int line, const Error& e) {
    g_critical("file %s: line %d: unexpected error: %s (%s, %d)", file, line, e.message().c_str(), e.domain_name(),
               e.code());
}

std::string source_tag(const char* file, int line) {
    const char* base = std::strrchr(file, '/');
    base = base ? base + 1 : file;
    const char* dot = std::strrchr(base, '.');
    std::string tag(base, dot ? static_cast<size_t>(dot - base) : std::strlen(base));
    tag += ':';
    tag += std::to_string(line);
    return tag;
}

void report_exception(const char* where) noexcept {
    try {
        throw;
    } catch (const Error& e) {
        g_critical("%s: uncaught error: %s (%s, %d)", where, e.message().c_str(), e.domain_name(), e.code());
    } catch (const std::exception& e) {
        g_critical("%s: uncaught C++ exception: %s", where, e.what());
    } catch (...) {
        g_critical("%s: uncaught C++ exception", where);
    }
}

// ---------------------------------------------------------------- Object

Object::Object() noexcept : gobj_(reinterpret_cast<GObject*>(constructing)) {
    if (!gobj_) g_error("a bridged object can only be made by g_object_new");
    constructing = nullptr;  // members made by this constructor are objects of their own
}
Object::~Object() = default;

Fundamental::Fundamental() noexcept : instance_(constructing) {
    if (!instance_) g_error("a bridged instance can only be made by g_type_create_instance");
    constructing = nullptr;
}
Fundamental::~Fundamental() = default;

Object* self_of(gpointer g) noexcept {
    if (!g || !G_IS_OBJECT(g)) return nullptr;
    for (GType t = G_OBJECT_TYPE(g); t; t = g_type_parent(t)) {
        if (g_type_get_qdata(t, bridged_quark())) return reinterpret_cast<Instance*>(g)->self;
    }
    return nullptr;
}

Fundamental* fundamental_self_of(gpointer g) noexcept {
    if (!g) return nullptr;
    GType t = G_TYPE_FROM_INSTANCE(g);
    if (!G_TYPE_IS_FUNDAMENTAL(G_TYPE_FUNDAMENTAL(t)) || !g_type_get_qdata(G_TYPE_FUNDAMENTAL(t), bridged_quark()))
        return nullptr;
    return static_cast<FundamentalInstance*>(g)->self;
}

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

// ---------------------------------------------------------------- property specs

namespace pspec {
GParamSpec* text(const char* n, GParamFlags f, const char* d) { return g_param_spec_string(n, n, n, d, f); }
GParamSpec* boolean(const char* n, GParamFlags f, bool d) { return g_param_spec_boolean(n, n, n, d, f); }
GParamSpec* int8(const char* n, gint8 lo, gint8 hi, gint8 d, GParamFlags f) {
    return g_param_spec_char(n, n, n, lo, hi, d, f);
}
GParamSpec* uint8(const char* n, guint8 lo, guint8 hi, guint8 d, GParamFlags f) {
    return g_param_spec_uchar(n, n, n, lo, hi, d, f);
}
GParamSpec* int32(const char* n, gint32 lo, gint32 hi, gint32 d, GParamFlags f) {
    return g_param_spec_int(n, n, n, lo, hi, d, f);
}
GParamSpec* uint32(const char* n, guint32 lo, guint32 hi, guint32 d, GParamFlags f) {
    return g_param_spec_uint(n, n, n, lo, hi, d, f);
}
GParamSpec* int64(const char* n, gint64 lo, gint64 hi, gint64 d, GParamFlags f) {
    return g_param_spec_int64(n, n, n, lo, hi, d, f);
}
GParamSpec* uint64(const char* n, guint64 lo, guint64 hi, guint64 d, GParamFlags f) {
    return g_param_spec_uint64(n, n, n, lo, hi, d, f);
}
GParamSpec* long_(const char* n, glong lo, glong hi, glong d, GParamFlags f) {
    return g_param_spec_long(n, n, n, lo, hi, d, f);
}
GParamSpec* dbl(const char* n, double lo, double hi, double d, GParamFlags f) {
    return g_param_spec_double(n, n, n, lo, hi, d, f);
}
GParamSpec* flt(const char* n, float lo, float hi, float d, GParamFlags f) {
    return g_param_spec_float(n, n, n, lo, hi, d, f);
}
GParamSpec* enumeration(const char* n, GType t, gint d, GParamFlags f) { return g_param_spec_enum(n, n, n, t, d, f); }
GParamSpec* flags(const char* n, GType t, guint d, GParamFlags f) { return g_param_spec_flags(n, n, n, t, d, f); }
GParamSpec* object(const char* n, GType t, GParamFlags f) { return g_param_spec_object(n, n, n, t, f); }
GParamSpec* boxed(const char* n, GType t, GParamFlags f) { return g_param_spec_boxed(n, n, n, t, f); }
GParamSpec* pointer(const char* n, GParamFlags f) { return g_param_spec_pointer(n, n, n, f); }
GParamSpec* fundamental(const char* n, GType t, GParamFlags f) {
    return fundamental_param_spec(G_TYPE_FUNDAMENTAL(t), n, n, n, t, f);
}
}  // namespace pspec

// ---------------------------------------------------------------- classes

namespace detail {

void install_class_hooks(GObjectClass* klass, bool, void* table) {
    GType type = G_TYPE_FROM_CLASS(klass);
    g_type_set_qdata(type, table_quark(), table);
    klass->get_property = bridged_get_property;
    klass->set_property = bridged_set_property;
    if (g_type_parent(type) == G_TYPE_OBJECT) {
        if (!object_parent_class) object_parent_class = static_cast<GObjectClass*>(g_type_class_peek_parent(klass));
        klass->constructed = root_constructed;
        klass->dispose = root_dispose;
        klass->finalize = root_finalize;
    }
}

GType register_class_type(GType parent, const char* name, GTypeFlags flags, void (*class_init)(gpointer, gpointer),
                          bool root) {
    GTypeInfo info{};
    info.class_size = sizeof(Class);
    info.class_init = class_init;
    info.instance_size = sizeof(Instance);
    info.instance_init = root ? &root_instance_init : nullptr;
    GType t = g_type_register_static(parent, name, &info, flags);
    if (!t) g_error("cannot register the type %s", name);
    return t;
}

void add_interface(GType type, GType iface, GInterfaceInitFunc init) {
    GInterfaceInfo info{init, nullptr, nullptr};
    g_type_add_interface_static(type, iface, &info);
}

guint install_property(GObjectClass* klass, std::vector<PropertySlot>& table, GParamSpec* p, PropertySlot slot) {
    table.push_back(slot);
    auto id = static_cast<guint>(table.size());
    g_object_class_install_property(klass, id, p);
    return id;
}

std::deque<IfaceProperty>& interface_properties(GType iface) {
    static std::mutex lock;
    static std::map<GType, std::deque<IfaceProperty>> lists;
    std::lock_guard<std::mutex> guard(lock);
    return lists[iface];  // std::map keeps references stable
}

void mark_bridged(GType type) { g_type_set_qdata(type, bridged_quark(), GINT_TO_POINTER(1)); }

bool class_has_own_property(GObjectClass* klass, const char* name) {
    GParamSpec* p = g_object_class_find_property(klass, name);
    return p && !G_TYPE_IS_INTERFACE(p->owner_type);
}

GType register_interface_type(const char* name, GClassInitFunc default_init, guint16 size) {
    GTypeInfo info{};
    info.class_size = size;
    info.class_init = default_init;
    GType t = g_type_register_static(G_TYPE_INTERFACE, name, &info, GTypeFlags(0));
    if (!t) g_error("cannot register the interface %s", name);
    return t;
}

}  // namespace detail

void items_changed(const Object& self, guint position, guint removed, guint added) {
    g_list_model_items_changed(G_LIST_MODEL(self.gobj()), position, removed, added);
}

GType register_enum(const char* name, const GEnumValue* values) {
    GType t = g_enum_register_static(name, values);
    if (!t) g_error("cannot register the enumeration %s", name);
    return t;
}
GType register_flags(const char* name, const GFlagsValue* values) {
    GType t = g_flags_register_static(name, values);
    if (!t) g_error("cannot register the flags %s", name);
    return t;
}
GType register_boxed(const char* name, GBoxedCopyFunc copy, GBoxedFreeFunc free) {
    GType t = g_boxed_type_register_static(name, copy, free);
    if (!t) g_error("cannot register the boxed type %s", name);
    return t;
}

// ---------------------------------------------------------------- fundamental classes

namespace {

void fundamental_instance_init(GTypeInstance* instance, gpointer g_class) {
    auto* klass = static_cast<FundamentalClass*>(g_class);
    auto* inst = reinterpret_cast<FundamentalInstance*>(instance);
    inst->ref_count = 1;
    GTypeInstance* outer = constructing;
    constructing = instance;
    Fundamental* self = nullptr;
    try {
        self = klass->make ? klass->make() : nullptr;
    } catch (...) {
        report_exception(g_type_name(G_TYPE_FROM_CLASS(g_class)));
    }
    constructing = outer;
    if (!self) g_error("cannot make the C++ object of %s", g_type_name(G_TYPE_FROM_CLASS(g_class)));
    inst->self = self;
}

void fundamental_finalize(FundamentalInstance* inst) {
    Fundamental* self = std::exchange(inst->self, nullptr);
    guarded_void("finalize", [&] { delete self; });
}

void fundamental_base_class_init(gpointer g_class, gpointer) {
    static_cast<FundamentalClass*>(g_class)->finalize = &fundamental_finalize;
}

void fv_init(GValue* v) { v->data[0].v_pointer = nullptr; }
void fv_free(GValue* v) {
    if (v->data[0].v_pointer) fundamental_unref(v->data[0].v_pointer);
}
void fv_copy(const GValue* src, GValue* dest) {
    dest->data[0].v_pointer = src->data[0].v_pointer ? fundamental_ref(src->data[0].v_pointer) : nullptr;
}
gpointer fv_peek(const GValue* v) { return v->data[0].v_pointer; }
gchar* fv_collect(GValue* v, guint, GTypeCValue* collect, guint) {
    gpointer p = collect[0].v_pointer;
    if (p) {
        auto* inst = static_cast<GTypeInstance*>(p);
        if (!inst->g_class) return g_strconcat("invalid unclassed object pointer for value type `",
                                               G_VALUE_TYPE_NAME(v), "'", nullptr);
        if (!g_value_type_compatible(G_TYPE_FROM_INSTANCE(inst), G_VALUE_TYPE(v)))
            return g_strconcat("invalid object type `", g_type_name(G_TYPE_FROM_INSTANCE(inst)),
                               "' for value type `", G_VALUE_TYPE_NAME(v), "'", nullptr);
        v->data[0].v_pointer = fundamental_ref(p);
    } else {
        v->data[0].v_pointer = nullptr;
    }
    return nullptr;
}
gchar* fv_lcopy(const GValue* v, guint, GTypeCValue* collect, guint flags) {
    auto** out = static_cast<gpointer*>(collect[0].v_pointer);
    if (!out) return g_strdup_printf("value location for `%s' passed as NULL", G_VALUE_TYPE_NAME(v));
    if (!v->data[0].v_pointer) {
        *out = nullptr;
    } else if (flags & G_VALUE_NOCOPY_CONTENTS) {
        *out = v->data[0].v_pointer;
    } else {
        *out = fundamental_ref(v->data[0].v_pointer);
    }
    return nullptr;
}

const GTypeValueTable fundamental_value_table = {
    fv_init, fv_free, fv_copy, fv_peek, "p", fv_collect, "p", fv_lcopy,
};

// One parameter-spec type per fundamental root, named like its root with
// "ParamSpec" before the class name.
struct ParamSpecFundamental {
    GParamSpec parent;
};

void ps_init(GParamSpec*) {}
void ps_set_default(GParamSpec*, GValue* v) { v->data[0].v_pointer = nullptr; }
gboolean ps_validate(GParamSpec* p, GValue* v) {
    gpointer inst = v->data[0].v_pointer;
    if (inst && !g_value_type_compatible(G_TYPE_FROM_INSTANCE(inst), p->value_type)) {
        fundamental_unref(inst);
        v->data[0].v_pointer = nullptr;
        return TRUE;
    }
    return FALSE;
}
gint ps_compare(GParamSpec*, const GValue* a, const GValue* b) {
    auto x = reinterpret_cast<guintptr>(a->data[0].v_pointer), y = reinterpret_cast<guintptr>(b->data[0].v_pointer);
    return x < y ? -1 : x > y;
}

GQuark pspec_quark() {
    static const GQuark q = g_quark_from_static_string("tarvelin-param-spec-type");
    return q;
}

GType register_param_spec_type(const char* root_name, GType value_type) {
    // "TarvelinProvidersSupportsTdsMessage" -> "TarvelinProvidersSupportsParamSpecTdsMessage":
    // the class name is the last capitalised word run that follows the namespace words.
    std::string name(root_name);
    static const char* const prefixes[] = {"TarvelinProvidersContracts", "TarvelinProvidersSupports",
                                           "TarvelinRezezadovuFoundation", "TarvelinRezezadovuHelpers",
                                           "TarvelinRezezadovuSupportsLog", "TarvelinRezezadovuSupportsCrypto",
                                           "TarvelinRezezadovuSupports", "TarvelinRezezadovuContracts",
                                           "TarvelinProviders", "TarvelinRezezadovu"};
    std::string ps;
    for (const char* pre : prefixes) {
        if (name.rfind(pre, 0) == 0) {
            ps = std::string(pre) + "ParamSpec" + name.substr(std::strlen(pre));
            break;
        }
    }
    if (ps.empty()) ps = "ParamSpec" + name;
    GParamSpecTypeInfo info{};
    info.instance_size = sizeof(ParamSpecFundamental);
    info.instance_init = ps_init;
    info.value_type = value_type;
    info.value_set_default = ps_set_default;
    info.value_validate = ps_validate;
    info.values_cmp = ps_compare;
    return g_param_type_register_static(g_intern_string(ps.c_str()), &info);
}

}  // namespace

namespace detail {
GType register_fundamental_type(const char* name, GType parent, GClassInitFunc class_init, GTypeFlags) {
    GTypeInfo info{};
    info.class_size = sizeof(FundamentalClass);
    info.instance_size = sizeof(FundamentalInstance);
    GType t;
    if (!parent) {
        static const GTypeFundamentalInfo finfo = {GTypeFundamentalFlags(
            G_TYPE_FLAG_CLASSED | G_TYPE_FLAG_INSTANTIATABLE | G_TYPE_FLAG_DERIVABLE | G_TYPE_FLAG_DEEP_DERIVABLE)};
        info.value_table = &fundamental_value_table;
        info.base_init = nullptr;
        // The root's class_init installs finalize; the C++ factory comes from each class_init.
        struct Both {
            static void init(gpointer k, gpointer data) {
                fundamental_base_class_init(k, nullptr);
                reinterpret_cast<GClassInitFunc>(data)(k, nullptr);
            }
        };
        info.class_init = &Both::init;
        info.class_data = reinterpret_cast<gconstpointer>(class_init);
        info.instance_init = &fundamental_instance_init;
        t = g_type_register_fundamental(g_type_fundamental_next(), name, &info, &finfo, GTypeFlags(0));
        g_type_set_qdata(t, bridged_quark(), GINT_TO_POINTER(1));
        GType ps = register_param_spec_type(name, t);
        g_type_set_qdata(t, pspec_quark(), GSIZE_TO_POINTER(ps));
    } else {
        info.class_init = class_init;
        t = g_type_register_static(parent, name, &info, GTypeFlags(0));
    }
    if (!t) g_error("cannot register the type %s", name);
    return t;
}
}  // namespace detail

gpointer fundamental_ref(gpointer instance) noexcept {
    if (!instance) return nullptr;
    g_atomic_int_inc(&static_cast<FundamentalInstance*>(instance)->ref_count);
    return instance;
}

void fundamental_unref(gpointer instance) noexcept {
    if (!instance) return;
    auto* inst = static_cast<FundamentalInstance*>(instance);
    if (g_atomic_int_dec_and_test(&inst->ref_count)) {
        auto* klass = reinterpret_cast<FundamentalClass*>(inst->parent.g_class);
        if (klass->finalize) klass->finalize(inst);
        g_type_free_instance(&inst->parent);
    }
}

void fundamental_value_set(GValue* value, GType type, gpointer instance) {
    g_return_if_fail(G_TYPE_CHECK_VALUE_TYPE(value, type));
    gpointer old = value->data[0].v_pointer;
    if (instance) {
        g_return_if_fail(G_TYPE_CHECK_INSTANCE_TYPE(instance, type));
        g_return_if_fail(g_value_type_compatible(G_TYPE_FROM_INSTANCE(instance), G_VALUE_TYPE(value)));
        value->data[0].v_pointer = fundamental_ref(instance);
    } else {
        value->data[0].v_pointer = nullptr;
    }
    if (old) fundamental_unref(old);
}

void fundamental_value_take(GValue* value, GType type, gpointer instance) {
    g_return_if_fail(G_TYPE_CHECK_VALUE_TYPE(value, type));
    gpointer old = value->data[0].v_pointer;
    if (instance) {
        g_return_if_fail(G_TYPE_CHECK_INSTANCE_TYPE(instance, type));
        g_return_if_fail(g_value_type_compatible(G_TYPE_FROM_INSTANCE(instance), G_VALUE_TYPE(value)));
    }
    value->data[0].v_pointer = instance;
    if (old) fundamental_unref(old);
}

gpointer fundamental_value_get(const GValue* value, GType type) {
    g_return_val_if_fail(G_TYPE_CHECK_VALUE_TYPE(value, type), nullptr);
    return value->data[0].v_pointer;
}

GParamSpec* fundamental_param_spec(GType type, const char* name, const char* nick, const char* blurb,
                                   GType object_type, GParamFlags flags) {
    g_return_val_if_fail(g_type_is_a(object_type, type), nullptr);
    GType ps = GPOINTER_TO_SIZE(g_type_get_qdata(G_TYPE_FUNDAMENTAL(type), pspec_quark()));
    g_return_val_if_fail(ps != 0, nullptr);
    auto* spec = static_cast<GParamSpec*>(g_param_spec_internal(ps, name, nick, blurb, flags));
    spec->value_type = object_type;
    return spec;
}

}  // namespace tarvelin::gobj
