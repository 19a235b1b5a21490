// A text cache of one connection: append, lookup (a copy), clear.
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include <optional>
#include <string>

#include "providers/gobj/slot.hpp"

namespace tarvelin::rezezadovu::contracts::database {

class TARVELIN_EXPORT ICachable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseICachableInterface;
    static GType gtype();

    // A NULL key or value is refused with its critical ("key != NULL", "value != NULL").
    virtual void append(const char* key, const char* value) = 0;
    virtual std::optional<std::string> lookup(const char* key) = 0;
    virtual void clear() = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->append = gobj::slot<T, &ICachable::append>(vt->append);
        vt->lookup = gobj::slot<T, &ICachable::lookup>(vt->lookup);
        vt->clear = gobj::slot<T, &ICachable::clear>(vt->clear);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseICachableInterface,
                     tarvelin::rezezadovu::contracts::database::ICachable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseICachable, tarvelin::rezezadovu::contracts::database::ICachable)
