#include "rezezadovu/contracts/setting/user_setting.hpp"

TARVELIN_LOG_TAG("user_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(UserSetting, "TarvelinRezezadovuContractsSettingUserSetting", gobj::Object)

void UserSetting::describe(gobj::ClassSpec<UserSetting>& c) {
#define TARVELIN_USER_SETTING_PROPERTY(G, name) \
    s_##name = c.property<&UserSetting::get_##name, &UserSetting::set_##name>( \
        gobj::pspec::object(#name, G::gtype(), gobj::kReadWrite));
    TARVELIN_USER_SETTING_GROUPS(TARVELIN_USER_SETTING_PROPERTY)
#undef TARVELIN_USER_SETTING_PROPERTY
    s_changed = c.signal("changed", G_SIGNAL_RUN_LAST);
}

gobj::Ref<UserSetting> UserSetting::create(GType type) { return gobj::create<UserSetting>(type); }

void UserSetting::constructed() {
#define TARVELIN_USER_SETTING_NEW(G, name) name##_ = G::create();
    TARVELIN_USER_SETTING_GROUPS(TARVELIN_USER_SETTING_NEW)
#undef TARVELIN_USER_SETTING_NEW
}

void UserSetting::load(const std::string& filename) {
    filename_ = filename;
    auto parser = gobj::GPtr<JsonParser>::adopt(json_parser_new());
    GError* error = nullptr;
    if (!json_parser_load_from_file(parser.get(), filename.c_str(), &error)) throw gobj::Error(error);
    JsonNode* root = json_parser_get_root(parser.get());
    gobj::Ref<UserSetting> loaded;
    if (root && JSON_NODE_HOLDS_OBJECT(root)) {
        loaded = gobj::Ref<UserSetting>::adopt(json_gobject_deserialize(gtype(), root));
    }
    if (!loaded) throw gobj::Error("UserSetting", -2, _("Load user setting file failure"));
#define TARVELIN_USER_SETTING_TAKE(G, name) set_##name(loaded->get_##name());
    TARVELIN_USER_SETTING_GROUPS(TARVELIN_USER_SETTING_TAKE)
#undef TARVELIN_USER_SETTING_TAKE
}

void UserSetting::save() const {
    // Writing to no file would otherwise look like a success.
    if (!filename_) {
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, _("No user setting file name: load a file before saving"));
    }
    auto generator = gobj::GPtr<JsonGenerator>::adopt(json_generator_new());
    JsonNode* root = json_gobject_serialize(gobj());
    json_generator_set_root(generator.get(), root);
    json_node_unref(root);
    json_generator_set_pretty(generator.get(), TRUE);
    json_generator_set_indent(generator.get(), 2);
    json_generator_set_indent_char(generator.get(), ' ');
    GError* error = nullptr;
    if (json_generator_to_file(generator.get(), filename_->c_str(), &error)) return;
    if (error) throw gobj::Error(error);
    throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, *filename_);
}

}  // namespace tarvelin::rezezadovu::contracts::setting
