// Lookup of services by type: the contract every container fulfils.
#pragma once

#include <tarvelin/rezezadovu/container.h>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::rezezadovu::contracts {

using FactoryFunc = TarvelinRezezadovuContractsContainerFactoryFunc;

class TARVELIN_EXPORT IContainer : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsContainerIContainerInterface;
    static GType gtype();

    virtual bool has(GType type) = 0;
    virtual void register_instance(GType key_type, GObject* instance) = 0;
    virtual void register_type(GType key_type, GType value_type) = 0;
    virtual void register_factory(GType key_type, FactoryFunc factory) = 0;
    // A new reference, or empty.
    virtual gobj::GPtr<GObject> resolve(GType type) = 0;

    template <class T>
    static void fill(Vtable* vt);

    // Argument rules shared by the dispatchers and by Container; each failure logs its
    // condition as a critical.
    static bool check_key(GType type, const char* condition);
    static bool check_instance(GType key_type, GObject* instance);
    static bool check_value_type(GType key_type, GType value_type);
};

template <class T>
void IContainer::fill(Vtable* vt) {
    using Self = TarvelinRezezadovuContractsContainerIContainer;
    vt->has = [](Self* s, GType type) -> gboolean {
        return gobj::guarded(
            "has", [&] { return gboolean(static_cast<IContainer&>(*gobj::cast<T>(s)).has(type)); }, FALSE);
    };
    vt->register_instance = [](Self* s, GType key_type, GObject* instance) {
        gobj::guarded("register_instance",
                           [&] { static_cast<IContainer&>(*gobj::cast<T>(s)).register_instance(key_type, instance); });
    };
    vt->register_type = [](Self* s, GType key_type, GType value_type) {
        gobj::guarded("register_type",
                           [&] { static_cast<IContainer&>(*gobj::cast<T>(s)).register_type(key_type, value_type); });
    };
    vt->register_factory = [](Self* s, GType key_type, FactoryFunc factory) {
        gobj::guarded("register_factory",
                           [&] { static_cast<IContainer&>(*gobj::cast<T>(s)).register_factory(key_type, factory); });
    };
    vt->resolve = [](Self* s, GType type) -> GObject* {
        return gobj::guarded(
            "resolve", [&] { return static_cast<IContainer&>(*gobj::cast<T>(s)).resolve(type).release(); },
            (GObject*)nullptr);
    };
}

// Calls through the interface structure, so a container written in C is reached too.
namespace icontainer {
inline gobj::GPtr<GObject> resolve(gpointer container, GType type) {
    return gobj::GPtr<GObject>::adopt(tarvelin_rezezadovu_contracts_container_icontainer_resolve(
        static_cast<TarvelinRezezadovuContractsContainerIContainer*>(container), type));
}
}  // namespace icontainer

}  // namespace tarvelin::rezezadovu::contracts
