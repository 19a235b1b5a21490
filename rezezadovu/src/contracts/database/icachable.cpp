#include "rezezadovu/contracts/database/icachable.hpp"

namespace tarvelin::rezezadovu::contracts::database {

TARVELIN_INTERFACE_GTYPE(ICachable, "TarvelinRezezadovuContractsDatabaseICachable", G_TYPE_OBJECT)

}  // namespace tarvelin::rezezadovu::contracts::database
