#include "rezezadovu/foundation/services.hpp"

#include <atomic>
#include <mutex>

TARVELIN_LOG_TAG("services")

namespace tarvelin::rezezadovu::foundation {

TARVELIN_GTYPE(Services, "TarvelinRezezadovuFoundationServices", gobj::Object)

namespace {
// Made once and never released: the container lives until the process ends.
std::atomic<TarvelinRezezadovuContractsContainerIContainer*> s_container{nullptr};
std::mutex s_initialize;

TarvelinRezezadovuContractsContainerIContainer* container() { return s_container.load(std::memory_order_acquire); }
}  // namespace

gobj::Ref<Services> Services::create(GType type) { return gobj::create<Services>(type); }

void Services::initialize() {
    std::lock_guard guard(s_initialize);
    if (container()) return;
    auto made = Container::create();
    s_container.store(static_cast<TarvelinRezezadovuContractsContainerIContainer*>(made.release()),
                      std::memory_order_release);
}

void Services::register_instance(GType key_type, GObject* instance) {
    g_return_if_fail(instance != NULL);
    tarvelin_rezezadovu_contracts_container_icontainer_register_instance(container(), key_type, instance);
}

void Services::register_type(GType key_type, GType value_type) {
    tarvelin_rezezadovu_contracts_container_icontainer_register_type(container(), key_type, value_type);
}

gobj::GPtr<GObject> Services::get(GType type) { return contracts::icontainer::resolve(container(), type); }

}  // namespace tarvelin::rezezadovu::foundation
