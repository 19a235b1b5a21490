// Copies an object through its registered properties.
#pragma once

#include <tarvelin/rezezadovu/serialization.h>

#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"

namespace tarvelin::rezezadovu::contracts {

class TARVELIN_EXPORT IClonable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsIClonableInterface;
    static GType gtype();

    // A new object of the run-time type of self, by default copied property by property.
    virtual GObject* clone();

    // The default body, for any source object.
    static GObject* clone_object(GObject* source);

    static void defaults(Vtable* vt) { vt->clone = gobj::slot<&IClonable::clone_object>(vt->clone); }
    template <class T>
    static void fill(Vtable* vt) {
        vt->clone = gobj::slot<T, &IClonable::clone>(vt->clone);
    }
};

}  // namespace tarvelin::rezezadovu::contracts

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsIClonableInterface, tarvelin::rezezadovu::contracts::IClonable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsIClonable, tarvelin::rezezadovu::contracts::IClonable)
