#include "providers/contracts/face_provider.hpp"

TARVELIN_LOG_TAG("face_provider")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(IProvider, "TarvelinProvidersContractsIProvider", G_TYPE_OBJECT)

void IProvider::describe(gobj::InterfaceSpec<IProvider>& spec) {
    spec.property<&IProvider::get_is_opened>(gobj::pspec::boolean("is-opened", gobj::kRead));
}

GObject** dup_objects(std::vector<gobj::Ref<gobj::Object>> objects, gint* length) {
    auto** out = g_new0(GObject*, objects.size() + 1);
    for (size_t i = 0; i < objects.size(); ++i) out[i] = static_cast<GObject*>(objects[i].release());
    if (length) *length = static_cast<gint>(objects.size());
    return out;
}

}  // namespace tarvelin::providers::contracts
