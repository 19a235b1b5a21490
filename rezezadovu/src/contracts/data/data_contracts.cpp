#include "providers/gobj/register.hpp"
#include "rezezadovu/contracts/data/data_contracts.hpp"

TARVELIN_LOG_TAG("data_contracts")

namespace tarvelin::rezezadovu::contracts::data {

TARVELIN_INTERFACE_GTYPE(IExporter, "TarvelinRezezadovuContractsDataIExporter", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IImporter, "TarvelinRezezadovuContractsDataIImporter", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IDocument, "TarvelinRezezadovuContractsDataIDocument", G_TYPE_OBJECT)

void IExporter::describe(gobj::InterfaceSpec<IExporter>& spec) {
    spec.property<&IExporter::get_options>(gobj::pspec::object("options", gee_hash_map_get_type(), gobj::kRead));
    spec.property<&IExporter::get_file_extention>(gobj::pspec::text("file-extention", gobj::kRead));
    spec.property<&IExporter::get_continue_on_error, &IExporter::set_continue_on_error>(
        gobj::pspec::boolean("continue-on-error", gobj::kReadWrite, true));
}

GType configuration_gtype() {
    static const GType t = gobj::register_boxed(
        "TarvelinRezezadovuContractsDataConfiguration",
        reinterpret_cast<GBoxedCopyFunc>(&tarvelin_rezezadovu_contracts_data_configuration_dup),
        reinterpret_cast<GBoxedFreeFunc>(&tarvelin_rezezadovu_contracts_data_configuration_free));
    return t;
}
[[maybe_unused]] static const GType tarvelin_registered_Configuration = configuration_gtype();

}  // namespace tarvelin::rezezadovu::contracts::data
