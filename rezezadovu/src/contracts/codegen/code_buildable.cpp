#include "rezezadovu/contracts/codegen/code_buildable.hpp"

TARVELIN_LOG_TAG("code_buildable")

namespace tarvelin::rezezadovu::contracts::codegen {

// Registered without a prerequisite: any instantiable type may implement them.
TARVELIN_INTERFACE_GTYPE(IAppCodeBuildable, "TarvelinRezezadovuContractsCodeGenIAppCodeBuildable")
TARVELIN_INTERFACE_GTYPE(ISqlCodeBuildable, "TarvelinRezezadovuContractsCodeGenISqlCodeBuildable")

}  // namespace tarvelin::rezezadovu::contracts::codegen
