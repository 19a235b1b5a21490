// C face of the container contract: argument checks, then the implementer's slot.
#include "rezezadovu/contracts/icontainer.hpp"

TARVELIN_LOG_TAG("icontainer_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts;

namespace {
constexpr const char* kTypeRule = "type.is_interface () || type.is_object ()";
constexpr const char* kKeyRule = "key_type.is_interface () || key_type.is_object ()";
}  // namespace

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_contracts_container_icontainer_get_type(void) { return IContainer::gtype(); }

gboolean tarvelin_rezezadovu_contracts_container_icontainer_has(TarvelinRezezadovuContractsContainerIContainer* self,
                                                                GType type) {
    g_return_val_if_fail(self != NULL, FALSE);
    if (!IContainer::check_key(type, kTypeRule)) return FALSE;
    return gobj::dispatch(IContainer::gtype(), self, &TarvelinRezezadovuContractsContainerIContainerInterface::has,
                          FALSE, type);
}

void tarvelin_rezezadovu_contracts_container_icontainer_register_instance(
    TarvelinRezezadovuContractsContainerIContainer* self, GType key_type, GObject* instance) {
    g_return_if_fail(self != NULL);
    if (!IContainer::check_key(key_type, kKeyRule) || !IContainer::check_instance(key_type, instance)) return;
    gobj::dispatch_void(IContainer::gtype(), self,
                        &TarvelinRezezadovuContractsContainerIContainerInterface::register_instance, key_type,
                        instance);
}

void tarvelin_rezezadovu_contracts_container_icontainer_register_type(
    TarvelinRezezadovuContractsContainerIContainer* self, GType key_type, GType value_type) {
    g_return_if_fail(self != NULL);
    if (!IContainer::check_key(key_type, kKeyRule) || !IContainer::check_value_type(key_type, value_type)) return;
    gobj::dispatch_void(IContainer::gtype(), self,
                        &TarvelinRezezadovuContractsContainerIContainerInterface::register_type, key_type, value_type);
}

void tarvelin_rezezadovu_contracts_container_icontainer_register_factory(
    TarvelinRezezadovuContractsContainerIContainer* self, GType key_type,
    TarvelinRezezadovuContractsContainerFactoryFunc factory) {
    g_return_if_fail(self != NULL);
    if (!IContainer::check_key(key_type, kKeyRule)) return;
    g_return_if_fail(factory != NULL);
    gobj::dispatch_void(IContainer::gtype(), self,
                        &TarvelinRezezadovuContractsContainerIContainerInterface::register_factory, key_type, factory);
}

GObject* tarvelin_rezezadovu_contracts_container_icontainer_resolve(
    TarvelinRezezadovuContractsContainerIContainer* self, GType type) {
    g_return_val_if_fail(self != NULL, NULL);
    if (!IContainer::check_key(type, kTypeRule)) return nullptr;
    return gobj::dispatch(IContainer::gtype(), self, &TarvelinRezezadovuContractsContainerIContainerInterface::resolve,
                          (GObject*)nullptr, type);
}

}  // extern "C"
