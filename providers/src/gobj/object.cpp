#include "providers/gobj/object.hpp"

#include "providers/gobj/internal.hpp"
#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("object")

namespace tarvelin::gobj {

namespace detail {
GTypeInstance*& constructing() noexcept {
    static thread_local GTypeInstance* current = nullptr;
    return current;
}
GQuark table_quark() noexcept {
    static const GQuark q = g_quark_from_static_string("tarvelin-property-table");
    return q;
}
GQuark bridged_quark() noexcept {
    static const GQuark q = g_quark_from_static_string("tarvelin-bridged");
    return q;
}
}  // namespace detail

using detail::bridged_quark;

Object::Object() noexcept : gobj_(reinterpret_cast<GObject*>(detail::constructing())) {
    if (!gobj_) g_error("a bridged object can only be made by g_object_new");
    detail::constructing() = nullptr;  // members made by this constructor are objects of their own
}
Object::~Object() = default;

Fundamental::Fundamental() noexcept : instance_(detail::constructing()) {
    if (!instance_) g_error("a bridged instance can only be made by g_type_create_instance");
    detail::constructing() = nullptr;
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

}  // namespace tarvelin::gobj
