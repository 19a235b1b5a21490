#include "rezezadovu/contracts/setting/data_tool_setting.hpp"

TARVELIN_LOG_TAG("data_tool_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(DataToolSetting, "TarvelinRezezadovuContractsSettingDataToolSetting", gobj::Object)

void DataToolSetting::describe(gobj::ClassSpec<DataToolSetting>& c) {
    using Self = DataToolSetting;
    TARVELIN_DATA_TOOL_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<DataToolSetting> DataToolSetting::create(GType type) { return gobj::create<DataToolSetting>(type); }

}  // namespace tarvelin::rezezadovu::contracts::setting
