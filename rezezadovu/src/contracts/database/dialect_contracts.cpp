#include "providers/gobj/register.hpp"
#include "rezezadovu/contracts/database/dialect_contracts.hpp"

TARVELIN_LOG_TAG("dialect_contracts")

namespace tarvelin::rezezadovu::contracts::database {

TARVELIN_INTERFACE_GTYPE(IStatement, "TarvelinRezezadovuContractsDatabaseIStatement", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IAdaptable, "TarvelinRezezadovuContractsDatabaseIAdaptable", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IBuildable, "TarvelinRezezadovuContractsDatabaseIBuildable", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IExplorable, "TarvelinRezezadovuContractsDatabaseIExplorable", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IInspectable, "TarvelinRezezadovuContractsDatabaseIInspectable", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IFormattable, "TarvelinRezezadovuContractsDatabaseIFormattable", G_TYPE_OBJECT)

}  // namespace tarvelin::rezezadovu::contracts::database

