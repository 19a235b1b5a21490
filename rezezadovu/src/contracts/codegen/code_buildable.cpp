#include "rezezadovu/contracts/codegen/code_buildable.hpp"

TARVELIN_LOG_TAG("code_buildable")

namespace tarvelin::rezezadovu::contracts::codegen {

// Registered without a prerequisite: any instantiable type may implement them.
TARVELIN_INTERFACE_GTYPE(IAppCodeBuildable, "TarvelinRezezadovuContractsCodeGenIAppCodeBuildable")
TARVELIN_INTERFACE_GTYPE(ISqlCodeBuildable, "TarvelinRezezadovuContractsCodeGenISqlCodeBuildable")

}  // namespace tarvelin::rezezadovu::contracts::codegen

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::codegen;

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
    return gobj::dispatch(IAppCodeBuildable::gtype(), self,
                          &TarvelinRezezadovuContractsCodeGenIAppCodeBuildableInterface::build_app_code,
                          (gchar*)nullptr, source);
}

#define SQL_CODE_DISPATCHER(op)                                                                                  \
    gchar* tarvelin_rezezadovu_contracts_code_gen_isql_code_buildable_##op(                                      \
        TarvelinRezezadovuContractsCodeGenISqlCodeBuildable* self, gpointer source) {                           \
        g_return_val_if_fail(self != NULL, NULL);                                                                \
        return gobj::dispatch(ISqlCodeBuildable::gtype(), self,                                                  \
                              &TarvelinRezezadovuContractsCodeGenISqlCodeBuildableInterface::op, (gchar*)nullptr, \
                              source);                                                                           \
    }
SQL_CODE_DISPATCHER(build_table)
SQL_CODE_DISPATCHER(build_select)
SQL_CODE_DISPATCHER(build_update)
SQL_CODE_DISPATCHER(build_delete)
SQL_CODE_DISPATCHER(build_insert)

}  // extern "C"
