// Lookup of services by type: the contract every container fulfils.
#pragma once

#include <tarvelin/rezezadovu/container.h>

#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"

namespace tarvelin::rezezadovu::contracts {

using FactoryFunc = TarvelinRezezadovuContractsContainerFactoryFunc;

// An implementation trusts its arguments: the exported dispatchers (and the registry,
// which calls a container from C++) check them first with the rules below.
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
    static void fill(Vtable* vt) {
        vt->has = gobj::slot<T, &IContainer::has>(vt->has);
        vt->register_instance = gobj::slot<T, &IContainer::register_instance>(vt->register_instance);
        vt->register_type = gobj::slot<T, &IContainer::register_type>(vt->register_type);
        vt->register_factory = gobj::slot<T, &IContainer::register_factory>(vt->register_factory);
        vt->resolve = gobj::slot<T, &IContainer::resolve>(vt->resolve);
    }

    // The argument rules; each failure logs its condition as a critical.
    static bool check_type(GType type);
    static bool check_key(GType key_type);
    static bool check_instance(GType key_type, GObject* instance);
    static bool check_value_type(GType key_type, GType value_type);
};

}  // namespace tarvelin::rezezadovu::contracts

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsContainerIContainerInterface, tarvelin::rezezadovu::contracts::IContainer)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsContainerIContainer, tarvelin::rezezadovu::contracts::IContainer)
