// C face of the code-generation contracts: dispatchers to a host's implementation.
#include "providers/gobj/invoke.hpp"
#include "rezezadovu/contracts/codegen/code_buildable.hpp"

TARVELIN_LOG_TAG("code_buildable_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::codegen;
using AppVtable = TarvelinRezezadovuContractsCodeGenIAppCodeBuildableInterface;
using SqlVtable = TarvelinRezezadovuContractsCodeGenISqlCodeBuildableInterface;

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_contracts_code_gen_iapp_code_buildable_get_type(void) {
    return IAppCodeBuildable::gtype();
}
TARVELIN_API GType tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_get_type(void) {
    return ISqlCodeBuildable::gtype();
}

gchar* tarvelin_rezezadovu_contracts_code_gen_iapp_code_buildable_build_app_code(
    TarvelinRezezadovuContractsCodeGenIAppCodeBuildable* self, gpointer source) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&AppVtable::build_app_code>(G_STRFUNC, self, source);
}

gchar* tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_table(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable* self, gpointer source) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&SqlVtable::build_table>(G_STRFUNC, self, source);
}
gchar* tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_select(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable* self, gpointer source) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&SqlVtable::build_select>(G_STRFUNC, self, source);
}
gchar* tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_update(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable* self, gpointer source) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&SqlVtable::build_update>(G_STRFUNC, self, source);
}
gchar* tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_delete(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable* self, gpointer source) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&SqlVtable::build_delete>(G_STRFUNC, self, source);
}
gchar* tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_build_insert(
    TarvelinRezezadovuContractsCodeGenISqlCodeBuildable* self, gpointer source) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&SqlVtable::build_insert>(G_STRFUNC, self, source);
}

}  // extern "C"
