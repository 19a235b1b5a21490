#include "providers/supports/sqlserver/tds_message.hpp"

namespace tarvelin::providers::supports::sqlserver {

TARVELIN_FUNDAMENTAL_GTYPE(TdsMessage, "TarvelinProvidersSupportsTdsMessage")

gobj::Ref<TdsMessage> TdsMessage::create(GType type) { return gobj::create<TdsMessage>(type); }

}  // namespace tarvelin::providers::supports::sqlserver
