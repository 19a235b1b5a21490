// C face of the container contract: argument checks, then the implementer's slot.
#include "rezezadovu/contracts/icontainer.hpp"

TARVELIN_LOG_TAG("icontainer_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts;
using Vtable = TarvelinRezezadovuContractsContainerIContainerInterface;

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_contracts_container_icontainer_get_type(void) { return IContainer::gtype(); }

gboolean tarvelin_rezezadovu_contracts_container_icontainer_has(TarvelinRezezadovuContractsContainerIContainer* self,
                                                                GType type) {
    g_return_val_if_fail(self != NULL, FALSE);
    if (!IContainer::check_type(type)) return FALSE;
    return gobj::dispatch<&Vtable::has>(G_STRFUNC, self, type);
}

void tarvelin_rezezadovu_contracts_container_icontainer_register_instance(
    TarvelinRezezadovuContractsContainerIContainer* self, GType key_type, GObject* instance) {
    g_return_if_fail(self != NULL);
    if (!IContainer::check_key(key_type) || !IContainer::check_instance(key_type, instance)) return;
    gobj::dispatch<&Vtable::register_instance>(G_STRFUNC, self, key_type, instance);
}

void tarvelin_rezezadovu_contracts_container_icontainer_register_type(
    TarvelinRezezadovuContractsContainerIContainer* self, GType key_type, GType value_type) {
    g_return_if_fail(self != NULL);
    if (!IContainer::check_key(key_type) || !IContainer::check_value_type(key_type, value_type)) return;
    gobj::dispatch<&Vtable::register_type>(G_STRFUNC, self, key_type, value_type);
}

void tarvelin_rezezadovu_contracts_container_icontainer_register_factory(
    TarvelinRezezadovuContractsContainerIContainer* self, GType key_type,
    TarvelinRezezadovuContractsContainerFactoryFunc factory) {
    g_return_if_fail(self != NULL);
    if (!IContainer::check_key(key_type)) return;
    g_return_if_fail(factory != NULL);
    gobj::dispatch<&Vtable::register_factory>(G_STRFUNC, self, key_type, factory);
}

GObject* tarvelin_rezezadovu_contracts_container_icontainer_resolve(
    TarvelinRezezadovuContractsContainerIContainer* self, GType type) {
    g_return_val_if_fail(self != NULL, NULL);
    if (!IContainer::check_type(type)) return nullptr;
    return gobj::dispatch<&Vtable::resolve>(G_STRFUNC, self, type);
}

}  // extern "C"
