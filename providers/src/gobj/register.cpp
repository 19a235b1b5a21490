#include "providers/gobj/register.hpp"

#include <map>
#include <mutex>

#include "providers/gobj/internal.hpp"
#include "providers/gobj/list_model.hpp"

TARVELIN_LOG_TAG("register")

namespace tarvelin::gobj {

using detail::bridged_quark;
using detail::table_quark;

namespace {

GObjectClass* object_parent_class = nullptr;

void root_instance_init(GTypeInstance* instance, gpointer g_class) {
    // The class structure of the type being made is `g_class`; G_OBJECT_GET_CLASS
    // still gives the root class at this point.
    auto* klass = static_cast<Class*>(g_class);
    if (!klass->make) {
        g_error("cannot make the C++ object of %s: the type is abstract", g_type_name(G_TYPE_FROM_CLASS(g_class)));
    }
    GTypeInstance* outer = detail::constructing();
    detail::constructing() = instance;
    Object* self = nullptr;
    try {
        self = klass->make();
    } catch (...) {
        detail::report_exception(g_type_name(G_TYPE_FROM_CLASS(g_class)));
    }
    detail::constructing() = outer;
    if (!self) g_error("cannot make the C++ object of %s", g_type_name(G_TYPE_FROM_CLASS(g_class)));
    reinterpret_cast<Instance*>(instance)->self = self;
}

void root_constructed(GObject* g) {
    if (object_parent_class->constructed) object_parent_class->constructed(g);
    guarded("constructed", [&] { reinterpret_cast<Instance*>(g)->self->constructed(); });
}

void root_dispose(GObject* g) {
    guarded("dispose", [&] {
        if (Object* self = reinterpret_cast<Instance*>(g)->self) self->dispose();
    });
    object_parent_class->dispose(g);
}

void root_finalize(GObject* g) {
    auto* inst = reinterpret_cast<Instance*>(g);
    Object* self = std::exchange(inst->self, nullptr);
    guarded("finalize", [&] { delete self; });
    object_parent_class->finalize(g);
}
}  // namespace

// ---------------------------------------------------------------- classes

namespace detail {

void install_class_hooks(GObjectClass* klass, bool, void* table) {
    GType type = G_TYPE_FROM_CLASS(klass);
    g_type_set_qdata(type, table_quark(), table);
    klass->get_property = detail::bridged_get_property;
    klass->set_property = detail::bridged_set_property;
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


}  // namespace tarvelin::gobj
