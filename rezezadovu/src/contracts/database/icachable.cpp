#include "rezezadovu/contracts/database/icachable.hpp"

#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("icachable")

namespace tarvelin::rezezadovu::contracts::database {

TARVELIN_INTERFACE_GTYPE(ICachable, "TarvelinRezezadovuContractsDatabaseICachable", G_TYPE_OBJECT)

}  // namespace tarvelin::rezezadovu::contracts::database
