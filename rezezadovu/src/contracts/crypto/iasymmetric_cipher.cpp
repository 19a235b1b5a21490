#include "rezezadovu/contracts/crypto/iasymmetric_cipher.hpp"

TARVELIN_LOG_TAG("iasymmetric_cipher")

namespace tarvelin::rezezadovu::contracts::crypto {

TARVELIN_INTERFACE_GTYPE(IAsymmetricCipher, "TarvelinRezezadovuContractsCryptoIAsymmetricCipher", G_TYPE_OBJECT)

}  // namespace tarvelin::rezezadovu::contracts::crypto
