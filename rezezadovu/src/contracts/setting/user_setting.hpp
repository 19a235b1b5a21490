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

// The groups in registration order, which is also their order in the file.
#define TARVELIN_USER_SETTING_GROUPS(X) \
    X(GeneralSetting, general)          \
    X(EditorSetting, editor)            \
    X(DataGridSetting, datagrid)        \
    X(NetworkSetting, network)          \
    X(LoggingSetting, logging)          \
    X(DataToolSetting, datatool)        \
    X(ExtensionSetting, extension)

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT UserSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<UserSetting>& c);
    static gobj::Ref<UserSetting> create(GType type = gtype());

    void constructed() override;

#define TARVELIN_USER_SETTING_ACCESSORS(G, name)                  \
    const gobj::Ref<G>& get_##name() const { return name##_; }    \
    void set_##name(gobj::Ref<G> group) {                          \
        if (group == name##_) return;                              \
        name##_ = std::move(group);                                \
        notify(s_##name);                                          \
    }                                                              \
    static inline GParamSpec* s_##name = nullptr;
    TARVELIN_USER_SETTING_GROUPS(TARVELIN_USER_SETTING_ACCESSORS)
#undef TARVELIN_USER_SETTING_ACCESSORS

    // Replaces every group from the file and remembers its name, even on failure.
    void load(const std::string& filename);
    // Writes the groups to the file of the last load. After a load that failed on an
    // existing file, or lost any of its members, that file is first kept as a backup.
    void save() const;

    static inline guint s_changed = 0;

private:
    std::optional<std::string> filename_;
    mutable providers::contracts::SavedFile file_;
#define TARVELIN_USER_SETTING_STORAGE(G, name) gobj::Ref<G> name##_;
    TARVELIN_USER_SETTING_GROUPS(TARVELIN_USER_SETTING_STORAGE)
#undef TARVELIN_USER_SETTING_STORAGE
};

}  // namespace tarvelin::rezezadovu::contracts::setting
