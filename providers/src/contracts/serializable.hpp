// json-glib's JsonSerializable for bridged classes: a class lists Serializable among
// its interfaces and overrides the two property hooks; whatever it does not handle goes
// to json-glib's default handling.
#pragma once

#include <json-glib/json-glib.h>

#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/slot.hpp"

namespace tarvelin::providers::contracts {

// Callers serialise (the hooks run inside json-glib on the caller's thread).
class TARVELIN_EXPORT Serializable : public gobj::Interface {
public:
    using Vtable = JsonSerializableIface;
    static GType gtype() noexcept { return JSON_TYPE_SERIALIZABLE; }

    // A new node for the property, or nullptr to leave the member out.
    virtual JsonNode* serialize_property(const char* name, const GValue* value, GParamSpec* pspec);
    // Fills `value` (initialised to the property's type) from the member's node.
    virtual bool deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node);

    template <class T>
    static void fill(Vtable* vt) {
        vt->serialize_property = gobj::slot<T, &Serializable::serialize_property>(vt->serialize_property);
        vt->deserialize_property = gobj::slot<T, &Serializable::deserialize_property>(vt->deserialize_property);
    }

protected:
    ::JsonSerializable* serializable_instance() const;
};

}  // namespace tarvelin::providers::contracts
