#include "rezezadovu/contracts/setting/extension_setting.hpp"

TARVELIN_LOG_TAG("extension_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(ExtensionSetting, "TarvelinRezezadovuContractsSettingExtensionSetting", gobj::Object)

void ExtensionSetting::describe(gobj::ClassSpec<ExtensionSetting>& c) {
    using Self = ExtensionSetting;
    TARVELIN_EXTENSION_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<ExtensionSetting> ExtensionSetting::create(GType type) { return gobj::create<ExtensionSetting>(type); }

}  // namespace tarvelin::rezezadovu::contracts::setting
