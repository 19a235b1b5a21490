#include "rezezadovu/contracts/setting/user_setting.hpp"

TARVELIN_LOG_TAG("user_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(UserSetting, "TarvelinRezezadovuContractsSettingUserSetting", gobj::Object)

void UserSetting::describe(gobj::ClassSpec<UserSetting>& c) {
    TARVELIN_USER_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    s_changed = c.signal("changed", G_SIGNAL_RUN_LAST);
}

gobj::Ref<UserSetting> UserSetting::create(GType type) { return gobj::create<UserSetting>(type); }

void UserSetting::constructed() {
#define TARVELIN_USER_SETTING_NEW(K, M, ...) M##_ = std::remove_reference_t<decltype(*M##_)>::create();
    TARVELIN_USER_SETTING_PROPERTIES(TARVELIN_USER_SETTING_NEW)
#undef TARVELIN_USER_SETTING_NEW
}

void UserSetting::load(const std::string& filename) {
    filename_ = filename;
    auto parser = file_.parse(filename);
    JsonNode* root = json_parser_get_root(parser.get());
    gobj::Ref<UserSetting> loaded;
    if (root && JSON_NODE_HOLDS_OBJECT(root)) {
        loaded = gobj::Ref<UserSetting>::adopt(json_gobject_deserialize(gtype(), root));
    }
    if (!loaded) {
        // The defaults the next save writes must not replace the user's file unseen.
        file_.refuse();
        throw gobj::Error("UserSetting", -2, _("Load user setting file failure"));
    }
    file_.audit(root, loaded.gobj());
#define TARVELIN_USER_SETTING_TAKE(K, M, ...) set_##M(loaded->get_##M());
    TARVELIN_USER_SETTING_PROPERTIES(TARVELIN_USER_SETTING_TAKE)
#undef TARVELIN_USER_SETTING_TAKE
}

void UserSetting::save() const {
    // Writing to no file would otherwise look like a success.
    if (!filename_) {
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, _("No user setting file name: load a file before saving"));
    }
    JsonNode* root = json_gobject_serialize(gobj());
    try {
        file_.write(*filename_, root);
    } catch (...) {
        json_node_unref(root);
        throw;
    }
    json_node_unref(root);
}

}  // namespace tarvelin::rezezadovu::contracts::setting
