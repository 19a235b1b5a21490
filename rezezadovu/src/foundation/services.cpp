#include "rezezadovu/foundation/services.hpp"

#include <atomic>
#include <mutex>

#include "providers/gobj/precondition.hpp"

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

namespace {
using Vtable = TarvelinRezezadovuContractsContainerIContainerInterface;
using contracts::IContainer;

// The container, or nullptr with the critical of a call on no object.
TarvelinRezezadovuContractsContainerIContainer* container_to_call() {
    auto* c = container();
    TARVELIN_REQUIRE(c != nullptr, "self != NULL");
    return c;
}
}  // namespace

void Services::register_instance(GType key_type, GObject* instance) {
    auto* c = container_to_call();
    if (!c || !IContainer::check_key(key_type) || !IContainer::check_instance(key_type, instance)) return;
    gobj::call<&Vtable::register_instance>(c, key_type, instance);
}

void Services::register_type(GType key_type, GType value_type) {
    auto* c = container_to_call();
    if (!c || !IContainer::check_key(key_type) || !IContainer::check_value_type(key_type, value_type)) return;
    gobj::call<&Vtable::register_type>(c, key_type, value_type);
}

gobj::GPtr<GObject> Services::get(GType type) {
    auto* c = container_to_call();
    if (!c || !IContainer::check_type(type)) return {};
    return gobj::GPtr<GObject>::adopt(gobj::call<&Vtable::resolve>(c, type));
}

}  // namespace tarvelin::rezezadovu::foundation
