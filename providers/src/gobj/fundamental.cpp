#include "providers/gobj/fundamental.hpp"

#include <gobject/gvaluecollector.h>

#include <cstring>
#include <string>

#include "providers/gobj/internal.hpp"

TARVELIN_LOG_TAG("fundamental")

namespace tarvelin::gobj {

using detail::bridged_quark;

// ---------------------------------------------------------------- fundamental classes

namespace {

void fundamental_instance_init(GTypeInstance* instance, gpointer g_class) {
    auto* klass = static_cast<FundamentalClass*>(g_class);
    auto* inst = reinterpret_cast<FundamentalInstance*>(instance);
    inst->ref_count = 1;
    GTypeInstance* outer = detail::constructing();
    detail::constructing() = instance;
    Fundamental* self = nullptr;
    try {
        self = klass->make ? klass->make() : nullptr;
    } catch (...) {
        detail::report_exception(g_type_name(G_TYPE_FROM_CLASS(g_class)));
    }
    detail::constructing() = outer;
    if (!self) g_error("cannot make the C++ object of %s", g_type_name(G_TYPE_FROM_CLASS(g_class)));
    inst->self = self;
}

void fundamental_finalize(FundamentalInstance* inst) {
    Fundamental* self = std::exchange(inst->self, nullptr);
    guarded("finalize", [&] { delete self; });
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

GType register_param_spec_type(const char* ps, GType value_type) {
    GParamSpecTypeInfo info{};
    info.instance_size = sizeof(ParamSpecFundamental);
    info.instance_init = ps_init;
    info.value_type = value_type;
    info.value_set_default = ps_set_default;
    info.value_validate = ps_validate;
    info.values_cmp = ps_compare;
    return g_param_type_register_static(g_intern_string(ps), &info);
}

}  // namespace

namespace detail {
GType register_fundamental_type(const char* name, GType parent, GClassInitFunc class_init,
                                const char* param_spec_name) {
    return register_fundamental_type_sized(name, parent, class_init, param_spec_name, sizeof(FundamentalInstance));
}

GType register_fundamental_type_sized(const char* name, GType parent, GClassInitFunc class_init,
                                      const char* param_spec_name, gsize instance_size) {
    GTypeInfo info{};
    info.class_size = sizeof(FundamentalClass);
    info.instance_size = static_cast<guint16>(instance_size);
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
        GType ps = register_param_spec_type(param_spec_name, t);
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
