#include "providers/contracts/face_provider.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("face_provider")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(IProvider, "TarvelinProvidersContractsIProvider", G_TYPE_OBJECT)

void IProvider::describe(gobj::InterfaceSpec<IProvider>& spec) {
    spec.property<&IProvider::get_is_opened>(gobj::pspec::boolean("is-opened", gobj::kRead));
}

}  // namespace tarvelin::providers::contracts
