// The root of the user's preferences: seven groups and the settings file.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include <optional>
#include <string>

#include "providers/contracts/saved_file.hpp"
#include "rezezadovu/contracts/setting/data_grid_setting.hpp"
#include "rezezadovu/contracts/setting/data_tool_setting.hpp"
#include "rezezadovu/contracts/setting/editor_setting.hpp"
#include "rezezadovu/contracts/setting/extension_setting.hpp"
#include "rezezadovu/contracts/setting/general_setting.hpp"
#include "rezezadovu/contracts/setting/logging_setting.hpp"
#include "rezezadovu/contracts/setting/network_setting.hpp"

namespace tarvelin::gobj::prop {
using GeneralSettingRef =
    ObjectRef<rezezadovu::contracts::setting::GeneralSetting, TarvelinRezezadovuContractsSettingGeneralSetting>;
using EditorSettingRef =
    ObjectRef<rezezadovu::contracts::setting::EditorSetting, TarvelinRezezadovuContractsSettingEditorSetting>;
using DataGridSettingRef =
    ObjectRef<rezezadovu::contracts::setting::DataGridSetting, TarvelinRezezadovuContractsSettingDataGridSetting>;
using NetworkSettingRef =
    ObjectRef<rezezadovu::contracts::setting::NetworkSetting, TarvelinRezezadovuContractsSettingNetworkSetting>;
using LoggingSettingRef =
    ObjectRef<rezezadovu::contracts::setting::LoggingSetting, TarvelinRezezadovuContractsSettingLoggingSetting>;
using DataToolSettingRef =
    ObjectRef<rezezadovu::contracts::setting::DataToolSetting, TarvelinRezezadovuContractsSettingDataToolSetting>;
using ExtensionSettingRef =
    ObjectRef<rezezadovu::contracts::setting::ExtensionSetting, TarvelinRezezadovuContractsSettingExtensionSetting>;
}  // namespace tarvelin::gobj::prop

// The groups in registration order, which is also their order in the file; each is made
// when the root is (constructed).
// clang-format off
#define TARVELIN_USER_SETTING_PROPERTIES(P) \
    P(GeneralSettingRef, general, "general", nullptr, RW, nullptr, OnChange) \
    P(EditorSettingRef, editor, "editor", nullptr, RW, nullptr, OnChange) \
    P(DataGridSettingRef, datagrid, "datagrid", nullptr, RW, nullptr, OnChange) \
    P(NetworkSettingRef, network, "network", nullptr, RW, nullptr, OnChange) \
    P(LoggingSettingRef, logging, "logging", nullptr, RW, nullptr, OnChange) \
    P(DataToolSettingRef, datatool, "datatool", nullptr, RW, nullptr, OnChange) \
    P(ExtensionSettingRef, extension, "extension", nullptr, RW, nullptr, OnChange)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT UserSetting : public gobj::Object {
public:
    using Self = UserSetting;
    static GType gtype();
    static void describe(gobj::ClassSpec<UserSetting>& c);
    static gobj::Ref<UserSetting> create(GType type = gtype());

    void constructed() override;

    TARVELIN_USER_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // Replaces every group from the file and remembers its name, even on failure.
    void load(const std::string& filename);
    // Writes the groups to the file of the last load. After a load that failed on an
    // existing file, or lost any of its members, that file is first kept as a backup.
    void save() const;

    static inline guint s_changed = 0;

private:
    std::optional<std::string> filename_;
    mutable providers::contracts::SavedFile file_;
    TARVELIN_USER_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSettingUserSetting, tarvelin::rezezadovu::contracts::setting::UserSetting)
