// Writes and reads any object's writable properties as JSON members.
#pragma once

#include <tarvelin/rezezadovu/serialization.h>

#include "providers/gobj/bridge.hpp"

namespace tarvelin::rezezadovu::contracts::serialization {

// C++ implementers inherit the default bodies, which ignore the implementer and work on
// the object passed in.
class TARVELIN_EXPORT IJsonSerializer : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsSerializationIJsonSerializerInterface;
    static GType gtype();

    virtual void serialize(JsonBuilder* builder, GObject* object) { serialize_object(builder, object); }
    virtual void deserialize(JsonObject* json_object, GObject* object) { deserialize_object(json_object, object); }

    // The default bodies.
    static void serialize_object(JsonBuilder* builder, GObject* object);
    static void deserialize_object(JsonObject* json_object, GObject* object);

    static void defaults(Vtable* vt);
    template <class T>
    static void fill(Vtable* vt) {
        vt->serialize = gobj::slot<T, &IJsonSerializer::serialize>(vt->serialize);
        vt->deserialize = gobj::slot<T, &IJsonSerializer::deserialize>(vt->deserialize);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::serialization
