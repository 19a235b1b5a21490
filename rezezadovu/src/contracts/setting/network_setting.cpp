#include "rezezadovu/contracts/setting/network_setting.hpp"

TARVELIN_LOG_TAG("network_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(NetworkSetting, "TarvelinRezezadovuContractsSettingNetworkSetting", gobj::Object)

void NetworkSetting::describe(gobj::ClassSpec<NetworkSetting>& c) {
    using Self = NetworkSetting;
    TARVELIN_NETWORK_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<NetworkSetting> NetworkSetting::create(GType type) { return gobj::create<NetworkSetting>(type); }

}  // namespace tarvelin::rezezadovu::contracts::setting
