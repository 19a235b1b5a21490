#include "rezezadovu/contracts/setting/logging_setting.hpp"

TARVELIN_LOG_TAG("logging_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(LoggingSetting, "TarvelinRezezadovuContractsSettingLoggingSetting", gobj::Object)

void LoggingSetting::describe(gobj::ClassSpec<LoggingSetting>& c) {
    using Self = LoggingSetting;
    TARVELIN_LOGGING_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<LoggingSetting> LoggingSetting::create(GType type) { return gobj::create<LoggingSetting>(type); }

}  // namespace tarvelin::rezezadovu::contracts::setting
