#include "rezezadovu/contracts/storage/istorable.hpp"

TARVELIN_LOG_TAG("istorable")

namespace tarvelin::rezezadovu::contracts::storage {

TARVELIN_INTERFACE_GTYPE(IStorable, "TarvelinRezezadovuContractsStorageIStorable", G_TYPE_OBJECT)

}  // namespace tarvelin::rezezadovu::contracts::storage
