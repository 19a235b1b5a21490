#include "providers/gobj/property.hpp"

#include <cstring>
#include <map>
#include <mutex>

#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/internal.hpp"

TARVELIN_LOG_TAG("property")

namespace tarvelin::gobj {

namespace {
using detail::table_quark;
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

void get_property(GObject* g, guint id, GValue* value, GParamSpec* pspec) {
    const PropertySlot* slot = find_slot(g, pspec, id);
    Object* self = reinterpret_cast<Instance*>(g)->self;
    if (!slot || !self) {
        G_OBJECT_WARN_INVALID_PROPERTY_ID(g, id, pspec);
        return;
    }
    guarded(g_param_spec_get_name(pspec), [&] {
        if (slot->iface_prop) {
            if (slot->iface_prop->get) slot->iface_prop->get(slot->to_iface(self), value);
        } else if (slot->get) {
            slot->get(self, value);
        }
    });
}

void set_property(GObject* g, guint id, const GValue* value, GParamSpec* pspec) {
    const PropertySlot* slot = find_slot(g, pspec, id);
    Object* self = reinterpret_cast<Instance*>(g)->self;
    if (!slot || !self) {
        G_OBJECT_WARN_INVALID_PROPERTY_ID(g, id, pspec);
        return;
    }
    guarded(g_param_spec_get_name(pspec), [&] {
        if (slot->iface_prop) {
            if (slot->iface_prop->set) slot->iface_prop->set(slot->to_iface(self), value);
        } else if (slot->set) {
            slot->set(self, value);
        }
    });
}
}  // namespace

namespace detail {
void bridged_get_property(GObject* g, guint id, GValue* value, GParamSpec* pspec) {
    get_property(g, id, value, pspec);
}
void bridged_set_property(GObject* g, guint id, const GValue* value, GParamSpec* pspec) {
    set_property(g, id, value, pspec);
}
}  // namespace detail

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


}  // namespace tarvelin::gobj
