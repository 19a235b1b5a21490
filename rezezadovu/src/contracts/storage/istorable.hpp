// Loading and saving, declared for hosts; nothing inside the library implements it.
#pragma once

#include <tarvelin/rezezadovu/serialization.h>

#include <string>

#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"

namespace tarvelin::rezezadovu::contracts::storage {

class TARVELIN_EXPORT IStorable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsStorageIStorableInterface;
    static GType gtype();

    virtual bool load(const std::string& filename) = 0;
    virtual bool save(const std::string& filename) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->load = gobj::slot<T, &IStorable::load>(vt->load);
        vt->save = gobj::slot<T, &IStorable::save>(vt->save);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::storage

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsStorageIStorableInterface,
                     tarvelin::rezezadovu::contracts::storage::IStorable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsStorageIStorable, tarvelin::rezezadovu::contracts::storage::IStorable)
