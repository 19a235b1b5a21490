#include "rezezadovu/contracts/storage/istorable.hpp"

namespace tarvelin::rezezadovu::contracts::storage {

TARVELIN_INTERFACE_GTYPE(IStorable, "TarvelinRezezadovuContractsStorageIStorable", G_TYPE_OBJECT)

}  // namespace tarvelin::rezezadovu::contracts::storage
