// Writes and reads any object's writable properties as JSON members.
#pragma once

#include <tarvelin/rezezadovu/serialization.h>

#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"

namespace tarvelin::rezezadovu::contracts::serialization {

// C++ implementers inherit the default bodies, which ignore the implementer and work on
// the object passed in. The dispatchers refuse a missing builder, JSON object or object.
class TARVELIN_EXPORT IJsonSerializer : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsSerializationIJsonSerializerInterface;
    static GType gtype();

    virtual void serialize(JsonBuilder* builder, GObject* object) { serialize_object(nullptr, builder, object); }
    virtual void deserialize(JsonObject* json_object, GObject* object) {
        deserialize_object(nullptr, json_object, object);
    }

    // The default bodies, for any implementer (which they do not read).
    static void serialize_object(gpointer implementer, JsonBuilder* builder, GObject* object);
    static void deserialize_object(gpointer implementer, JsonObject* json_object, GObject* object);

    static void defaults(Vtable* vt) {
        vt->serialize = gobj::slot<&IJsonSerializer::serialize_object>(vt->serialize);
        vt->deserialize = gobj::slot<&IJsonSerializer::deserialize_object>(vt->deserialize);
    }
    template <class T>
    static void fill(Vtable* vt) {
        vt->serialize = gobj::slot<T, &IJsonSerializer::serialize>(vt->serialize);
        vt->deserialize = gobj::slot<T, &IJsonSerializer::deserialize>(vt->deserialize);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::serialization

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSerializationIJsonSerializerInterface,
                     tarvelin::rezezadovu::contracts::serialization::IJsonSerializer)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSerializationIJsonSerializer,
                     tarvelin::rezezadovu::contracts::serialization::IJsonSerializer)
