// C face of the container and of the process-wide registry. TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_foundation_container_get_type
//   tarvelin_rezezadovu_foundation_container_construct
//   tarvelin_rezezadovu_foundation_container_new
//   tarvelin_rezezadovu_foundation_services_get_type
//   tarvelin_rezezadovu_foundation_services_construct
//   tarvelin_rezezadovu_foundation_services_new
#include "rezezadovu/foundation/services.hpp"

TARVELIN_LOG_TAG("container_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::foundation;

static_assert(sizeof(TarvelinRezezadovuFoundationContainer) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuFoundationContainerClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinRezezadovuFoundationServices) == sizeof(gobj::Instance));

extern "C" {

TARVELIN_CLASS_CAPI(Container, TarvelinRezezadovuFoundationContainer, tarvelin_rezezadovu_foundation_container)
TARVELIN_CLASS_CAPI(Services, TarvelinRezezadovuFoundationServices, tarvelin_rezezadovu_foundation_services)

void tarvelin_rezezadovu_foundation_services_initialize(void) {
    gobj::invoke<&Services::initialize>(G_STRFUNC);
}
void tarvelin_rezezadovu_foundation_services_register_instance(GType key_type, GObject* instance) {
    gobj::invoke<&Services::register_instance>(G_STRFUNC, key_type, instance);
}
void tarvelin_rezezadovu_foundation_services_register_type(GType key_type, GType value_type) {
    gobj::invoke<&Services::register_type>(G_STRFUNC, key_type, value_type);
}
// The registry hands out GObjects only: the two functions are not needed.
gpointer tarvelin_rezezadovu_foundation_services_get(GType t_type, GBoxedCopyFunc, GDestroyNotify) {
    return gobj::invoke<static_cast<gobj::GPtr<GObject> (*)(GType)>(&Services::get)>(G_STRFUNC, t_type);
}

}  // extern "C"
