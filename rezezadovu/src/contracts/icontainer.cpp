#include "rezezadovu/contracts/icontainer.hpp"

#include "providers/gobj/precondition.hpp"

TARVELIN_LOG_TAG("icontainer")

namespace tarvelin::rezezadovu::contracts {

TARVELIN_INTERFACE_GTYPE(IContainer, "TarvelinRezezadovuContractsContainerIContainer", G_TYPE_OBJECT)

bool IContainer::check_type(GType type) {
    return TARVELIN_REQUIRE(G_TYPE_IS_INTERFACE(type) || G_TYPE_IS_OBJECT(type),
                            "type.is_interface () || type.is_object ()");
}

bool IContainer::check_key(GType key_type) {
    return TARVELIN_REQUIRE(G_TYPE_IS_INTERFACE(key_type) || G_TYPE_IS_OBJECT(key_type),
                            "key_type.is_interface () || key_type.is_object ()");
}

bool IContainer::check_instance(GType key_type, GObject* instance) {
    return TARVELIN_REQUIRE(instance != nullptr, "instance != NULL") &&
           TARVELIN_REQUIRE(g_type_is_a(G_OBJECT_TYPE(instance), key_type), "instance.get_type ().is_a (key_type)");
}

bool IContainer::check_value_type(GType key_type, GType value_type) {
    return TARVELIN_REQUIRE(G_TYPE_IS_OBJECT(value_type), "value_type.is_object ()") &&
           TARVELIN_REQUIRE(g_type_is_a(value_type, key_type), "value_type.is_a (key_type)");
}

}  // namespace tarvelin::rezezadovu::contracts
