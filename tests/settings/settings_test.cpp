// The user settings: defaults, the file format, loading and saving, notifications.
#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/settings.h>

#include <functional>
#include <string>
#include <vector>

#include "rezezadovu/contracts/setting/user_setting.hpp"
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

TEST(UserSetting, TypesAndSpecs) {
    struct Case {
        const char* type;
        GType expected;
    } types[] = {
        {"TarvelinRezezadovuContractsSettingUserSetting", UserSetting::gtype()},
        {"TarvelinRezezadovuContractsSettingGeneralSetting", GeneralSetting::gtype()},
        {"TarvelinRezezadovuContractsSettingEditorSetting", EditorSetting::gtype()},
        {"TarvelinRezezadovuContractsSettingDataGridSetting", DataGridSetting::gtype()},
        {"TarvelinRezezadovuContractsSettingNetworkSetting", NetworkSetting::gtype()},
        {"TarvelinRezezadovuContractsSettingLoggingSetting", LoggingSetting::gtype()},
        {"TarvelinRezezadovuContractsSettingDataToolSetting", DataToolSetting::gtype()},
        {"TarvelinRezezadovuContractsSettingExtensionSetting", ExtensionSetting::gtype()},
    };
    for (const auto& c : types) {
        EXPECT_EQ(g_type_from_name(c.type), c.expected) << c.type;
        EXPECT_EQ(g_type_parent(c.expected), G_TYPE_OBJECT) << c.type;
    }
    EXPECT_TRUE(g_type_is_a(GeneralSetting::gtype(), JSON_TYPE_SERIALIZABLE));
    EXPECT_FALSE(g_type_is_a(EditorSetting::gtype(), JSON_TYPE_SERIALIZABLE));
    for (GType t : {UserSetting::gtype(), EditorSetting::gtype()}) {
        gpointer klass = g_type_class_ref(t);  // signals exist once the class is made
        EXPECT_NE(g_signal_lookup("changed", t), 0u) << g_type_name(t);
        g_type_class_unref(klass);
    }

    auto spec = [](GType t, const char* name) {
        auto* klass = static_cast<GObjectClass*>(g_type_class_ref(t));
        GParamSpec* p = g_object_class_find_property(klass, name);
        g_type_class_unref(klass);
        return p;
    };
    GParamSpec* left = spec(GeneralSetting::gtype(), "window-left");
    ASSERT_TRUE(G_IS_PARAM_SPEC_INT(left));
    EXPECT_EQ(G_PARAM_SPEC_INT(left)->minimum, G_MININT);
    EXPECT_EQ(G_PARAM_SPEC_INT(left)->maximum, G_MAXINT);
    GParamSpec* size = spec(GeneralSetting::gtype(), "connecton-icon-size");
    ASSERT_TRUE(G_IS_PARAM_SPEC_DOUBLE(size));
    EXPECT_EQ(G_PARAM_SPEC_DOUBLE(size)->minimum, -G_MAXDOUBLE);
    EXPECT_EQ(G_PARAM_SPEC_DOUBLE(size)->default_value, 96.0);
    GParamSpec* port = spec(NetworkSetting::gtype(), "proxy-port");
    ASSERT_TRUE(G_IS_PARAM_SPEC_UINT(port));
    EXPECT_EQ(G_PARAM_SPEC_UINT(port)->maximum, G_MAXUINT);
    EXPECT_EQ(G_PARAM_SPEC_UINT(port)->default_value, 8080u);
    GParamSpec* scheme = spec(EditorSetting::gtype(), "style-scheme");
    EXPECT_EQ(G_PARAM_SPEC_STRING(scheme)->default_value, nullptr);
    EXPECT_STREQ(g_param_spec_get_nick(scheme), "style-scheme");
    GParamSpec* group = spec(UserSetting::gtype(), "datagrid");
    EXPECT_EQ(group->value_type, DataGridSetting::gtype());
}

TEST(UserSetting, SettersNotifyOnlyOnChange) {
    auto general = GeneralSetting::create();
    auto editor = EditorSetting::create();
    auto grid = DataGridSetting::create();
    auto network = NetworkSetting::create();
    struct Case {
        const char* what;
        gpointer object;
        const char* property;
        std::function<void()> action;
        int expected;
    } cases[] = {
        {"text: empty to empty", editor.gobj(), "font-with-size", [&] { editor->set_font_with_size(""); }, 0},
        {"text: empty to null", editor.gobj(), "font-with-size", [&] { editor->set_font_with_size(nullptr); }, 1},
        {"text: null to null", editor.gobj(), "font-with-size", [&] { editor->set_font_with_size(nullptr); }, 0},
        {"text by name", editor.gobj(), "style-scheme",
         [&] { g_object_set(editor.gobj(), "style-scheme", "Kate", nullptr); }, 1},
        {"double at its initial value", general.gobj(), "connecton-icon-size",
         [&] { general->set_connecton_icon_size(96.0); }, 0},
        {"double by name", general.gobj(), "connecton-icon-size",
         [&] { g_object_set(general.gobj(), "connecton-icon-size", -G_MAXDOUBLE, nullptr); }, 1},
        {"int at its initial value", grid.gobj(), "records-limit", [&] { grid->set_records_limit(1000); }, 0},
        {"int changed", grid.gobj(), "records-limit", [&] { grid->set_records_limit(G_MININT); }, 1},
        {"bool", editor.gobj(), "code-fold", [&] { g_object_set(editor.gobj(), "code-fold", TRUE, nullptr); }, 1},
        {"port above 16 bits", network.gobj(), "proxy-port",
         [&] { g_object_set(network.gobj(), "proxy-port", 70000u, nullptr); }, 1},
        {"port, same low bits", network.gobj(), "proxy-port",
         [&] { g_object_set(network.gobj(), "proxy-port", 4464u, nullptr); }, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(notifications(c.object, c.property, c.action), c.expected) << c.what;
    }
    EXPECT_EQ(editor->get_font_with_size(), nullptr);
    EXPECT_EQ(network->get_proxy_port(), 4464);
    guint port = 0;
    g_object_get(network.gobj(), "proxy-port", &port, nullptr);
    EXPECT_EQ(port, 4464u);

    // A date-time counts by identity: the same instant in another object is a change.
    GDateTime* a = fixed_time();
    GDateTime* b = fixed_time();
    EXPECT_EQ(notifications(general.gobj(), "broadcasting", [&] { general->set_broadcasting(a); }), 1);
    EXPECT_EQ(notifications(general.gobj(), "broadcasting", [&] { general->set_broadcasting(a); }), 0);
    EXPECT_EQ(notifications(general.gobj(), "broadcasting", [&] { general->set_broadcasting(b); }), 1);
    EXPECT_EQ(general->get_broadcasting(), b);
    g_date_time_unref(a);
    g_date_time_unref(b);

    // The root compares groups by identity too.
    auto root = UserSetting::create();
    auto same = root->get_editor();
    EXPECT_EQ(notifications(root.gobj(), "editor", [&] { root->set_editor(same); }), 0);
    EXPECT_EQ(notifications(root.gobj(), "editor", [&] { root->set_editor(EditorSetting::create()); }), 1);
}

TEST(UserSetting, NewObjectsHoldTheirInitialValues) {
    auto root = UserSetting::create();
    auto& general = root->get_general();
    ASSERT_TRUE(general);
    EXPECT_STREQ(general->get_titlebar_background(), "none");
    EXPECT_TRUE(general->get_toolbar_main_text());
    EXPECT_EQ(general->get_snippet_mode(), 1u);
    ASSERT_NE(general->get_broadcasting(), nullptr);
    GDateTime* now = g_date_time_new_now_utc();
    EXPECT_LE(g_date_time_difference(now, general->get_broadcasting()), 5 * G_TIME_SPAN_SECOND);
    EXPECT_EQ(g_date_time_get_utc_offset(general->get_broadcasting()), 0);
    g_date_time_unref(now);
    EXPECT_STREQ(root->get_editor()->get_style_scheme(), "Adwaita");
    EXPECT_STREQ(root->get_editor()->get_font_with_size(), "");
    EXPECT_EQ(root->get_editor()->get_indent_width(), 4);
    EXPECT_STREQ(root->get_datagrid()->get_color_current(), "rgba(204, 204, 204, 0.8)");
    EXPECT_EQ(root->get_network()->get_proxy_port(), 8080);
    EXPECT_STREQ(root->get_network()->get_proxy_password(), "");
    EXPECT_EQ(root->get_logging()->get_logger_level(), 0u);
    EXPECT_STREQ(root->get_datatool()->get_external_editor(), "");
    EXPECT_STREQ(root->get_extension()->get_loaded_plugins(), "");
}

TEST(UserSetting, SaveAndLoadRoundTrip) {
    TempDir dir;
    std::string path = dir.file("settings.json");
    settings_test::write_file(path, "{}");
    auto root = UserSetting::create();
    root->load(path);
    auto& g = root->get_general();
    g->set_window_left(G_MININT);
    g->set_window_width(G_MAXINT);
    g->set_user_locale(G_MAXUINT);
    g->set_connecton_icon_size(G_MAXDOUBLE);
    g->set_titlebar_background(nullptr);  // equals the declared default: not written
    g->set_toolbar_main_text(false);
    g->set_snippet_mode(0);
    GDateTime* eastern = g_date_time_new_from_iso8601("2024-05-06T07:08:09.250+08:00", nullptr);
    g->set_broadcasting(eastern);
    root->get_editor()->set_style_scheme("Solarized");
    root->get_editor()->set_tab_width(-8);
    root->get_datagrid()->set_color_text(nullptr);
    root->get_datagrid()->set_records_limit(0);
    g_object_set(root->get_network().gobj(), "proxy-port", 70000u, nullptr);
    root->get_network()->set_proxy_password("s3cret \"quoted\"");
    root->get_logging()->set_file_size_max(1048576);
    root->get_extension()->set_loaded_plugins("a;b");
    root->save();

    EXPECT_EQ(members_of(path, "general"),
              (std::vector<std::string>{"window-left", "window-width", "user-locale", "broadcasting",
                                        "toolbar-main-text", "connecton-icon-size", "snippet-mode"}));
    std::vector<std::string> grid = members_of(path, "datagrid");
    EXPECT_EQ(std::count(grid.begin(), grid.end(), "color-text"), 0);
    EXPECT_EQ(std::count(grid.begin(), grid.end(), "records-limit"), 1);

    auto back = UserSetting::create();
    back->load(path);
    auto& h = back->get_general();
    EXPECT_EQ(h->get_window_left(), G_MININT);
    EXPECT_EQ(h->get_window_width(), G_MAXINT);
    EXPECT_EQ(h->get_user_locale(), G_MAXUINT);
    EXPECT_EQ(h->get_connecton_icon_size(), G_MAXDOUBLE);
    EXPECT_STREQ(h->get_titlebar_background(), "none");
    EXPECT_FALSE(h->get_toolbar_main_text());
    EXPECT_EQ(h->get_snippet_mode(), 0u);
    ASSERT_NE(h->get_broadcasting(), nullptr);
    EXPECT_TRUE(g_date_time_equal(h->get_broadcasting(), eastern));
    EXPECT_EQ(g_date_time_get_utc_offset(h->get_broadcasting()), 8 * G_TIME_SPAN_HOUR);
    g_date_time_unref(eastern);
    EXPECT_STREQ(back->get_editor()->get_style_scheme(), "Solarized");
    EXPECT_EQ(back->get_editor()->get_tab_width(), -8);
    EXPECT_STREQ(back->get_datagrid()->get_color_text(), "rgba(0, 0, 0, 1.0)");
    EXPECT_EQ(back->get_datagrid()->get_records_limit(), 0);
    EXPECT_EQ(back->get_network()->get_proxy_port(), 4464);
    EXPECT_STREQ(back->get_network()->get_proxy_password(), "s3cret \"quoted\"");
    EXPECT_EQ(back->get_logging()->get_file_size_max(), 1048576u);
    EXPECT_STREQ(back->get_extension()->get_loaded_plugins(), "a;b");

    // Once null texts are back at their initial values, saving what was loaded gives
    // the same text again.
    back->save();
    std::string second = settings_test::read_file(path);
    auto third = UserSetting::create();
    third->load(path);
    third->save();
    EXPECT_EQ(settings_test::read_file(path), second);
}

TEST(UserSetting, LoadReplacesEveryGroupAndNotifies) {
    TempDir dir;
    std::string path = dir.file("settings.json");
    settings_test::write_file(path, R"({"editor": null, "network": {"proxy-using": true, "unknown": 1}})");
    auto root = UserSetting::create();
    auto old_general = root->get_general();
    auto old_network = root->get_network();
    old_network->set_proxy_host("old");
    std::vector<std::string> notified;
    gulong id = g_signal_connect(root.gobj(), "notify",
                                 G_CALLBACK(+[](GObject*, GParamSpec* p, std::vector<std::string>* out) {
                                     out->emplace_back(p->name);
                                 }),
                                 &notified);
    int changed = 0;
    gulong cid = g_signal_connect_swapped(root.gobj(), "changed", G_CALLBACK(+[](int* n) { ++*n; }), &changed);
    root->load(path);
    g_signal_handler_disconnect(root.gobj(), id);
    g_signal_handler_disconnect(root.gobj(), cid);
    EXPECT_EQ(notified, (std::vector<std::string>{"general", "editor", "datagrid", "network", "logging", "datatool",
                                                  "extension"}));
    EXPECT_EQ(changed, 0);
    EXPECT_FALSE(root->get_editor());
    ASSERT_TRUE(root->get_general());
    EXPECT_NE(root->get_general(), old_general);
    EXPECT_TRUE(root->get_network()->get_proxy_using());
    EXPECT_STREQ(root->get_network()->get_proxy_host(), "");
    EXPECT_EQ(root->get_network()->get_proxy_port(), 8080);
    EXPECT_STREQ(old_network->get_proxy_host(), "old");  // the old group is no longer the root's

    // A null group is left out of the file.
    root->save();
    std::string text = settings_test::read_file(path);
    EXPECT_EQ(text.find("\"editor\""), std::string::npos);
    EXPECT_NE(text.find("\"general\""), std::string::npos);
}

TEST(UserSetting, AMemberOfTheWrongKindKeepsTheInitialValue) {
    TempDir dir;
    std::string path = dir.file("settings.json");
    settings_test::write_file(path, R"({"general": {"window-left": "wide", "window-top": 7},
                                        "editor": {"tab-width": [1], "style-scheme": "Kate"}})");
    auto root = UserSetting::create();
    root->load(path);
    EXPECT_EQ(root->get_general()->get_window_left(), 0);
    EXPECT_EQ(root->get_general()->get_window_top(), 7);
    EXPECT_EQ(root->get_editor()->get_tab_width(), 4);
    EXPECT_STREQ(root->get_editor()->get_style_scheme(), "Kate");
}

TEST(UserSetting, BroadcastingTexts) {
    TempDir dir;
    std::string path = dir.file("settings.json");
    struct Case {
        const char* member;
        const char* expected;  // ISO text read back, or null for no date-time
    } cases[] = {
        {R"("2024-01-02T03:04:05")", "2024-01-02T03:04:05Z"},
        {R"("2024-01-02T03:04:05+08:00")", "2024-01-02T03:04:05+08"},
        {R"("2024-01-02T03:04:05.5Z")", "2024-01-02T03:04:05.500000Z"},
        {R"("")", nullptr},
        {R"("not a date")", nullptr},
        {"12", nullptr},
        {"null", nullptr},
    };
    for (const auto& c : cases) {
        settings_test::write_file(path, std::string(R"({"general": {"broadcasting": )") + c.member + "}}");
        auto root = UserSetting::create();
        root->load(path);
        GDateTime* t = root->get_general()->get_broadcasting();
        if (!c.expected) {
            EXPECT_EQ(t, nullptr) << c.member;
            continue;
        }
        ASSERT_NE(t, nullptr) << c.member;
        EXPECT_EQ(gobj::take_string(g_date_time_format_iso8601(t)), c.expected) << c.member;
    }
    // No date-time is written as the empty text and reads back as none.
    auto root = UserSetting::create();
    root->load(path);
    root->get_general()->set_broadcasting(nullptr);
    root->save();
    EXPECT_NE(settings_test::read_file(path).find(R"("broadcasting" : "")"), std::string::npos);
    auto back = UserSetting::create();
    back->load(path);
    EXPECT_EQ(back->get_general()->get_broadcasting(), nullptr);
}

TEST(UserSetting, LoadFailuresKeepTheGroupsButTheFileName) {
    TempDir dir;
    struct Case {
        const char* what;
        const char* content;  // null: no file at all
        GQuark domain;
        int code;
    } cases[] = {
        {"missing file", nullptr, G_FILE_ERROR, G_FILE_ERROR_NOENT},
        {"not JSON", "{\"general\": ", JSON_PARSER_ERROR, -1},
        {"array root", "[1, 2]", g_quark_from_string("UserSetting"), -2},
        {"number root", "42", g_quark_from_string("UserSetting"), -2},
        {"empty document", "", g_quark_from_string("UserSetting"), -2},
    };
    int n = 0;
    for (const auto& c : cases) {
        std::string path = dir.file("case" + std::to_string(n++) + ".json");
        if (c.content) settings_test::write_file(path, c.content);
        auto root = UserSetting::create();
        auto general = root->get_general();
        try {
            root->load(path);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const gobj::Error& e) {
            EXPECT_EQ(e.domain(), c.domain) << c.what << ": " << e.message();
            if (c.domain != JSON_PARSER_ERROR) {
                EXPECT_EQ(e.code(), c.code) << c.what;
            }
            if (c.code == -2) {
                EXPECT_EQ(e.message(), "Load user setting file failure");
            }
        }
        EXPECT_EQ(root->get_general(), general) << c.what;
        // The name stays: save writes to it.
        root->save();
        EXPECT_NE(settings_test::read_file(path).find("\"general\""), std::string::npos) << c.what;
    }
}

TEST(UserSetting, SaveNeedsAFileNameAndAWritableFile) {
    auto root = UserSetting::create();
    try {
        root->save();
        ADD_FAILURE() << "saved without a file name";
    } catch (const gobj::Error& e) {
        EXPECT_EQ(e.domain(), G_IO_ERROR);
        EXPECT_EQ(e.code(), G_IO_ERROR_FAILED);
    }
    TempDir dir;
    std::string path = dir.file("missing-dir/settings.json");
    EXPECT_THROW(root->load(path), gobj::Error);
    try {
        root->save();
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const gobj::Error& e) {
        EXPECT_EQ(e.domain(), G_FILE_ERROR) << e.message();
    }
}

TEST(UserSetting, CFaceReportsErrorsAndChecksArguments) {
    auto* root = tarvelin_rezezadovu_contracts_setting_user_setting_new();
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_setting_user_setting_save(root, &error);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(g_error_matches(error, G_IO_ERROR, G_IO_ERROR_FAILED));
    g_clear_error(&error);
    TempDir dir;
    std::string path = dir.file("s.json");
    settings_test::write_file(path, "[]");
    tarvelin_rezezadovu_contracts_setting_user_setting_load(root, path.c_str(), &error);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->domain, g_quark_from_string("UserSetting"));
    EXPECT_EQ(error->code, -2);
    g_clear_error(&error);
    auto* general = tarvelin_rezezadovu_contracts_setting_user_setting_get_general(root);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_setting_general_setting_get_snippet_mode(general), 1u);
    tarvelin_rezezadovu_contracts_setting_user_setting_set_general(root, nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_setting_user_setting_get_general(root), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_setting_general_setting_get_window_left(nullptr), 0);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_setting_editor_setting_get_style_scheme(nullptr), nullptr);
    g_object_unref(root);
}
