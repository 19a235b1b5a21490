#include "rezezadovu/contracts/setting/data_grid_setting.hpp"

TARVELIN_LOG_TAG("data_grid_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(DataGridSetting, "TarvelinRezezadovuContractsSettingDataGridSetting", gobj::Object)

void DataGridSetting::describe(gobj::ClassSpec<DataGridSetting>& c) {
    using Self = DataGridSetting;
    TARVELIN_DATA_GRID_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<DataGridSetting> DataGridSetting::create(GType type) { return gobj::create<DataGridSetting>(type); }

}  // namespace tarvelin::rezezadovu::contracts::setting
