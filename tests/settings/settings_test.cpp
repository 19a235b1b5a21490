// The user settings: defaults, the file format, loading and saving, notifications.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/settings.h>

#include <functional>
#include <map>

#include "contracts/setting/user_setting.hpp"
#include "settings_files.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::setting;
using settings_test::TempDir;

namespace {

int notifications(gpointer o, const char* prop, const std::function<void()>& action) {
    int n = 0;
    std::string sig = std::string("notify::") + prop;
    gulong id = g_signal_connect_swapped(o, sig.c_str(), G_CALLBACK(+[](int* p) { ++*p; }), &n);
    action();
    g_signal_handler_disconnect(o, id);
    return n;
}

GDateTime* fixed_time() {
    GTimeZone* utc = g_time_zone_new_utc();
    GDateTime* t = g_date_time_new(utc, 2024, 1, 2, 3, 4, 5);
    g_time_zone_unref(utc);
    return t;
}

// The member names of one group of a saved file, in file order.
std::vector<std::string> members_of(const std::string& path, const char* group) {
    JsonParser* parser = json_parser_new();
    std::vector<std::string> names;
    if (json_parser_load_from_file(parser, path.c_str(), nullptr)) {
        JsonObject* root = json_node_get_object(json_parser_get_root(parser));
        JsonObject* g = json_object_get_object_member(root, group);
        GList* list = json_object_get_members(g);
        for (GList* l = list; l; l = l->next) names.emplace_back(static_cast<const char*>(l->data));
        g_list_free(list);
    }
    g_object_unref(parser);
    return names;
}

}  // namespace

TEST(UserSetting, DefaultsMatchTheGoldenFile) {
    TempDir dir;
    std::string path = dir.file("settings.json");
    settings_test::write_file(path, "{}");
    auto root = UserSetting::create();
    root->load(path);
    GDateTime* t = fixed_time();
    root->get_general()->set_broadcasting(t);
    g_date_time_unref(t);
    root->save();
    EXPECT_EQ(settings_test::read_file(path), settings_test::read_file(settings_test::data_file("defaults.json")));
}
