// The saved-connections store: the golden file, the lookup rules, "changed", the order of
// unite_servers, and files that do not load.
#include <gtest/gtest.h>
#include <glib/gstdio.h>

#include <functional>

#include "providers/contracts/face_server_setting.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::Ref;

namespace {

std::string read_file(const std::string& path) {
    gchar* text = nullptr;
    gsize size = 0;
    if (!g_file_get_contents(path.c_str(), &text, &size, nullptr)) return "<missing>";
    std::string out(text, size);
    g_free(text);
    return out;
}
void write_file(const std::string& path, const std::string& text) {
    ASSERT_TRUE(g_file_set_contents(path.c_str(), text.data(), static_cast<gssize>(text.size()), nullptr));
}
bool exists(const std::string& path) { return g_file_test(path.c_str(), G_FILE_TEST_EXISTS); }

struct StoreTest : testing::Test {
    std::string dir;
    Ref<ServerSetting> store = ServerSetting::create();
    int changed = 0;

    void SetUp() override {
        gchar* d = g_dir_make_tmp("tarvelin-store-XXXXXX", nullptr);
        ASSERT_NE(d, nullptr);
        dir = gobj::take_string(d);
        g_signal_connect_swapped(store.gobj(), "changed", G_CALLBACK(+[](int* n) { ++*n; }), &changed);
    }
    void TearDown() override {
        GDir* d = g_dir_open(dir.c_str(), 0, nullptr);
        while (const char* name = g_dir_read_name(d)) g_remove((dir + "/" + name).c_str());
        g_dir_close(d);
        g_rmdir(dir.c_str());
    }
    std::string path(const char* name) const { return dir + "/" + name; }
    static std::string golden() { return read_file(CONTRACTS_DATA "/saved_connections.json"); }
};

}  // namespace

TEST_F(StoreTest, GoldenFileLoadsAndSavesByteForByte) {
    write_file(path("servers.json"), golden());
    store->load(path("servers.json"));
    ASSERT_EQ(store->get_organizations().size(), 1);
    auto acme = store->get_organizations().at(0);
    EXPECT_EQ(acme->get_name(), "Acme");
    ASSERT_EQ(acme->get_groups().size(), 2);
    auto orders = acme->get_groups().at(0)->get_servers().at(0);
    EXPECT_EQ(orders->get_port(), 5432);
    EXPECT_TRUE(orders->get_ssl_using());
    EXPECT_EQ(orders->get_password(), "s3cr\xc3\xa9t \"quoted\"");
    EXPECT_EQ(orders->databases(), (std::vector<std::string>{"orders", "audit"}));
    EXPECT_EQ(acme->get_groups().at(1)->get_servers().size(), 0);
    auto tunnel = store->get_servers().at(0);
    EXPECT_TRUE(tunnel->get_ssh_using());
    EXPECT_EQ(tunnel->get_ssh_port(), 2222);
    EXPECT_EQ(store->get_groups().at(0)->get_servers().at(0)->get_ssl_mode(), "require");
    EXPECT_EQ(changed, 0);

    store->save();
    EXPECT_EQ(read_file(path("servers.json")), golden());
    auto again = ServerSetting::create();
    again->load(path("servers.json"));
    again->save();
    EXPECT_EQ(read_file(path("servers.json")), golden());
    EXPECT_FALSE(exists(path("servers.json.bak")));
}

TEST_F(StoreTest, AppendFollowsTheLookupRules) {
    // Organization "O" has groups "G" and "H"; there is a top-level group "G" too.
    enum Where { top, top_g, o_g };
    struct Case {
        const char* group;
        const char* org;
        Where where;
    } cases[] = {
        {"", "", top},   {"G", "", top_g}, {"X", "", top},  {"G", "O", o_g},
        {"Z", "O", top}, {"G", "X", top_g}, {"", "O", top}, {"g", "O", top},
    };
    for (const auto& c : cases) {
        auto s = ServerSetting::create();
        int changes = 0;
        g_signal_connect_swapped(s.gobj(), "changed", G_CALLBACK(+[](int* n) { ++*n; }), &changes);
        auto org = Organization::create_with_name("O");
        auto og = ServerGroup::create_with_name("G");
        org->get_groups().append(ServerGroup::create_with_name("H"));
        org->get_groups().append(og);
        s->get_organizations().append(org);
        auto tg = ServerGroup::create_with_name("G");
        s->get_groups().append(tg);

        auto record = Server::create();
        tarvelin_providers_contracts_server_setting_append(
            reinterpret_cast<TarvelinProvidersContractsServerSetting*>(s.gobj()),
            reinterpret_cast<TarvelinProvidersContractsServer*>(record.gobj()), c.group, c.org);
        SCOPED_TRACE(testing::Message() << "group \"" << c.group << "\" org \"" << c.org << "\"");
        EXPECT_EQ(s->get_servers().size(), c.where == top ? 1 : 0);
        EXPECT_EQ(tg->get_servers().size(), c.where == top_g ? 1 : 0);
        EXPECT_EQ(og->get_servers().size(), c.where == o_g ? 1 : 0);
        EXPECT_EQ(changes, 1);

        s->remove(record, c.group, c.org);
        EXPECT_EQ(s->unite_servers().size(), 0u);
        EXPECT_EQ(changes, 2);
    }
}

TEST_F(StoreTest, DuplicatesRemovalAndUniteOrder) {
    auto org = Organization::create_with_name("O");
    auto og = ServerGroup::create_with_name("G");
    org->get_groups().append(og);
    store->get_organizations().append(org);
    store->get_groups().append(ServerGroup::create_with_name("T"));
    auto in_org = Server::create_with_provider("A");
    auto in_top_group = Server::create_with_provider("B");
    auto at_top = Server::create_with_provider("C");
    store->append(at_top, "", "");
    store->append(in_top_group, "T", "");
    store->append(in_org, "G", "O");
    store->append(at_top, "", "");
    EXPECT_EQ(changed, 4);

    auto all = store->unite_servers();
    std::vector<gpointer> order;
    for (const auto& s : all) order.push_back(s.instance());
    EXPECT_EQ(order, (std::vector<gpointer>{in_org.instance(), in_top_group.instance(), at_top.instance(),
                                            at_top.instance()}));

    gint length = -1;
    auto** array = tarvelin_providers_contracts_server_setting_unite_servers(
        reinterpret_cast<TarvelinProvidersContractsServerSetting*>(store.gobj()), &length);
    EXPECT_EQ(length, 4);
    EXPECT_EQ(array[4], nullptr);
    for (gint i = 0; i < length; ++i) g_object_unref(array[i]);
    g_free(array);

    store->remove(in_org, "", "");  // not in the top-level list: nothing changes, still announced
    EXPECT_EQ(store->unite_servers().size(), 4u);
    EXPECT_EQ(changed, 5);
    store->remove(at_top, "", "");
    EXPECT_EQ(store->get_servers().size(), 1);
}

TEST_F(StoreTest, LoadReplacesTheListsAndNotifies) {
    write_file(path("only-servers.json"),
               "{\"servers\":[1,{\"host\":\"h\"},\"x\",null],\"groups\":5,\"unknown\":{}}");
    GeeArrayList* before = store->get_servers().list();
    std::vector<std::string> notified;
    g_signal_connect(store.gobj(), "notify", G_CALLBACK(+[](GObject*, GParamSpec* p, std::vector<std::string>* n) {
                         n->emplace_back(p->name);
                     }),
                     &notified);
    store->load(path("only-servers.json"));
    EXPECT_EQ(notified, (std::vector<std::string>{"groups", "servers", "organizations"}));
    EXPECT_NE(store->get_servers().list(), before);
    ASSERT_EQ(store->get_servers().size(), 1);  // elements that are no object make no record
    EXPECT_EQ(store->get_servers().at(0)->get_host(), "h");
    EXPECT_EQ(store->get_groups().size(), 0);
    EXPECT_EQ(store->get_organizations().size(), 0);
    EXPECT_EQ(changed, 0);

    // Setting a list shares it; the list it holds already, or none, changes nothing.
    notified.clear();
    g_object_set(store.gobj(), "servers", store->get_servers().list(), nullptr);
    testing::internal::CaptureStderr();
    tarvelin_providers_contracts_server_setting_set_servers(
        reinterpret_cast<TarvelinProvidersContractsServerSetting*>(store.gobj()), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("value != NULL"), std::string::npos);
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(store->get_servers().size(), 1);
}

TEST_F(StoreTest, FilesThatDoNotLoadAreNeverLost) {
    struct Case {
        const char* name;
        const char* content;  // nullptr: no file
        const char* domain;
        int code;
        bool kept;
    } cases[] = {
        {"syntax.json", "{ \"servers\": [", "json-parser-error-quark", -1, true},
        {"array.json", "[1, 2]", "ServerSetting", -2, true},
        {"empty.json", "", "ServerSetting", -2, true},
        {"missing.json", nullptr, "g-file-error-quark", G_FILE_ERROR_NOENT, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto s = ServerSetting::create();
        s->get_servers().append(Server::create_with_provider("kept in memory"));
        GeeArrayList* before = s->get_servers().list();
        std::string file = path(c.name);
        if (c.content) write_file(file, c.content);
        GError* error = nullptr;
        tarvelin_providers_contracts_server_setting_load(
            reinterpret_cast<TarvelinProvidersContractsServerSetting*>(s.gobj()), file.c_str(), &error);
        ASSERT_NE(error, nullptr);
        EXPECT_STREQ(g_quark_to_string(error->domain), c.domain);
        if (c.code != -1) {
            EXPECT_EQ(error->code, c.code);
        }
        if (c.code == -2) {
            EXPECT_STREQ(error->message, "Failed to load database setting file.");
        }
        g_error_free(error);
        EXPECT_EQ(s->get_servers().list(), before);
        EXPECT_EQ(s->file_name(), file);

        s->save();  // to the name the failed load gave
        EXPECT_EQ(read_file(file).find("kept in memory") != std::string::npos, true);
        EXPECT_EQ(exists(file + ".bak"), c.kept);
        s->save();  // the backup is made once: it still holds the user's file
        if (c.kept) {
            EXPECT_EQ(read_file(file + ".bak"), c.content);
        }
    }
}

TEST_F(StoreTest, SaveBeforeAnyLoadFails) {
    GError* error = nullptr;
    tarvelin_providers_contracts_server_setting_save(
        reinterpret_cast<TarvelinProvidersContractsServerSetting*>(store.gobj()), &error);
    ASSERT_NE(error, nullptr);
    g_error_free(error);
}

TEST(ServerVendors, ProductNameArrays) {
    auto expect = [](const gchar* const* array, std::vector<std::string> want) {
        for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(array[i], want[i]);
    };
    expect(TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_SUPPORT, {"SQLite", "MariaDB", "MySQL", "PostgreSQL", "SQLServer"});
    expect(TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_STRUCTURE, {"MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer"});
    expect(TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE,
           {"Access", "Excel", "SQLite", "MariaDB", "MySQL", "Oracle", "PostgreSQL", "SQLServer"});
    expect(TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_LOCAL, {"Access", "Excel", "SQLite"});
    EXPECT_EQ(sizeof(TARVELIN_PROVIDERS_CONTRACTS_SERVER_VENDORS_ARRAY_DATABASE) / sizeof(gchar*), 8u);
    EXPECT_STREQ(g_type_name(ServerVendors::gtype()), "TarvelinProvidersContractsServerVendors");
}
