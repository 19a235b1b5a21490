#include "rezezadovu/contracts/crypto/isymmetric_cipher.hpp"

TARVELIN_LOG_TAG("isymmetric_cipher")

namespace tarvelin::rezezadovu::contracts::crypto {

TARVELIN_INTERFACE_GTYPE(ISymmetricCipher, "TarvelinRezezadovuContractsCryptoISymmetricCipher", G_TYPE_OBJECT)

}  // namespace tarvelin::rezezadovu::contracts::crypto
