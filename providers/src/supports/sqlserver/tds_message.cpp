#include "providers/gobj/fundamental.hpp"
#include "providers/gobj/log.hpp"
#include "providers/supports/sqlserver/tds_message.hpp"

TARVELIN_LOG_TAG("tds_message")

namespace tarvelin::providers::supports::sqlserver {

TARVELIN_FUNDAMENTAL_GTYPE(TdsMessage, "TarvelinProvidersSupportsTdsMessage", "TarvelinProvidersSupportsParamSpecTdsMessage")

gobj::Ref<TdsMessage> TdsMessage::create(GType type) { return gobj::create<TdsMessage>(type); }

}  // namespace tarvelin::providers::supports::sqlserver
