// C face of the container and of the process-wide registry.
#include "rezezadovu/foundation/services.hpp"

TARVELIN_LOG_TAG("container_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::foundation;

static_assert(sizeof(TarvelinRezezadovuFoundationContainer) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuFoundationContainerClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinRezezadovuFoundationServices) == sizeof(gobj::Instance));

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_foundation_container_get_type(void) { return Container::gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_foundation_services_get_type(void) { return Services::gtype(); }

TarvelinRezezadovuFoundationContainer* tarvelin_rezezadovu_foundation_container_new(void) {
    return tarvelin_rezezadovu_foundation_container_construct(Container::gtype());
}
TarvelinRezezadovuFoundationContainer* tarvelin_rezezadovu_foundation_container_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuFoundationContainer*>(Container::create(object_type).release());
}

TarvelinRezezadovuFoundationServices* tarvelin_rezezadovu_foundation_services_new(void) {
    return tarvelin_rezezadovu_foundation_services_construct(Services::gtype());
}
TarvelinRezezadovuFoundationServices* tarvelin_rezezadovu_foundation_services_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuFoundationServices*>(Services::create(object_type).release());
}

void tarvelin_rezezadovu_foundation_services_initialize(void) {
    gobj::guarded(__func__, [] { Services::initialize(); });
}
void tarvelin_rezezadovu_foundation_services_register_instance(GType key_type, GObject* instance) {
    gobj::guarded(__func__, [&] { Services::register_instance(key_type, instance); });
}
void tarvelin_rezezadovu_foundation_services_register_type(GType key_type, GType value_type) {
    gobj::guarded(__func__, [&] { Services::register_type(key_type, value_type); });
}
gpointer tarvelin_rezezadovu_foundation_services_get(GType t_type, GBoxedCopyFunc, GDestroyNotify) {
    return gobj::guarded(
        __func__, [&] { return gpointer(Services::get(t_type).release()); }, gpointer(nullptr));
}

}  // extern "C"
