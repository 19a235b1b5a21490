#include "providers/contracts/serializable.hpp"

TARVELIN_LOG_TAG("serializable")

namespace tarvelin::providers::contracts {

::JsonSerializable* Serializable::serializable_instance() const {
    return reinterpret_cast<::JsonSerializable*>(dynamic_cast<const gobj::Object&>(*this).gobj());
}

JsonNode* Serializable::serialize_property(const char* name, const GValue* value, GParamSpec* pspec) {
    return json_serializable_default_serialize_property(serializable_instance(), name, value, pspec);
}

bool Serializable::deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) {
    return json_serializable_default_deserialize_property(serializable_instance(), name, value, pspec, node);
}

}  // namespace tarvelin::providers::contracts
