#include "rezezadovu/contracts/setting/editor_setting.hpp"

TARVELIN_LOG_TAG("editor_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(EditorSetting, "TarvelinRezezadovuContractsSettingEditorSetting", gobj::Object)

void EditorSetting::describe(gobj::ClassSpec<EditorSetting>& c) {
    using Self = EditorSetting;
    TARVELIN_EDITOR_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    s_changed = c.signal("changed", G_SIGNAL_RUN_LAST);
}

gobj::Ref<EditorSetting> EditorSetting::create(GType type) { return gobj::create<EditorSetting>(type); }

}  // namespace tarvelin::rezezadovu::contracts::setting
