// The server record: initial values against declared defaults, notifications, the
// databases list, clone, and its JSON form.
#include <gtest/gtest.h>
#include <json-glib/json-glib.h>

#include <cctype>

#include "providers/contracts/face_server.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::Ref;

namespace {

struct NotifyLog {
    std::vector<std::string> names;
    explicit NotifyLog(GObject* o) {
        g_signal_connect(o, "notify", G_CALLBACK(+[](GObject*, GParamSpec* p, NotifyLog* self) {
                             self->names.emplace_back(p->name);
                         }),
                         this);
    }
};

std::string to_json(GObject* o) {
    JsonNode* node = json_gobject_serialize(o);
    gchar* text = json_to_string(node, FALSE);
    json_node_unref(node);
    return gobj::take_string(text);
}

bool is_upper_uuid(const std::string& s) {
    if (s.size() != 36) return false;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (s[i] != '-') return false;
        } else if (!std::isxdigit(static_cast<unsigned char>(s[i])) || std::islower(static_cast<unsigned char>(s[i]))) {
            return false;
        }
    }
    return s[14] == '4';
}

auto* c_of(const Ref<Server>& s) { return reinterpret_cast<TarvelinProvidersContractsServer*>(s.gobj()); }

}  // namespace

TEST(Server, InitialValuesAndDeclaredDefaults) {
    auto s = Server::create();
    // Texts: the initial value against the declared default (always NULL).
    struct Text {
        const char* property;
        const char* initial;
    } texts[] = {{"uuid", ""},          {"provider", "UNKNOWN"},   {"driver", ""},        {"title", ""},
                 {"host", ""},          {"username", ""},          {"password", ""},      {"initial", ""},
                 {"filename", ""},      {"location", ""},          {"extensions", ""},    {"options", ""},
                 {"ssh-process", ""},   {"ssh-host", ""},          {"ssh-auth-type", "password"},
                 {"ssh-username", ""},  {"ssh-password", ""},      {"ssh-key-private-file", ""},
                 {"ssl-ca-file", ""},   {"ssl-cert-file", ""},     {"ssl-key-file", ""},  {"ssl-mode", "require"},
                 {"ssl-password", ""}};
    GObjectClass* k = G_OBJECT_GET_CLASS(s.gobj());
    for (const auto& t : texts) {
        gchar* value = nullptr;
        g_object_get(s.gobj(), t.property, &value, nullptr);
        EXPECT_STREQ(value, t.initial) << t.property;
        g_free(value);
        GParamSpec* p = g_object_class_find_property(k, t.property);
        ASSERT_NE(p, nullptr) << t.property;
        EXPECT_EQ(G_PARAM_SPEC_STRING(p)->default_value, nullptr) << t.property;
        EXPECT_STREQ(g_param_spec_get_nick(p), t.property);
    }
    guint n = 0;
    g_free(g_object_class_list_properties(k, &n));
    EXPECT_EQ(n, 28u);
    EXPECT_EQ(G_PARAM_SPEC_INT(g_object_class_find_property(k, "ssh-port"))->default_value, 22);
    EXPECT_EQ(s->get_port(), 0);
    EXPECT_EQ(s->get_ssh_port(), 22);
    EXPECT_FALSE(s->get_ssh_using());
    EXPECT_FALSE(s->get_ssl_using());
    gint count = -1;
    gchar** dbs = tarvelin_providers_contracts_server_get_databases(c_of(s), &count);
    ASSERT_NE(dbs, nullptr);
    EXPECT_EQ(dbs[0], nullptr);
    EXPECT_EQ(count, 0);
}

TEST(Server, NewWithProviderGivesARandomUpperCaseUuid) {
    auto* a = tarvelin_providers_contracts_server_new_with_provider("SQLite");
    auto* b = tarvelin_providers_contracts_server_new_with_provider("SQLite");
    EXPECT_STREQ(tarvelin_providers_contracts_server_get_provider(a), "SQLite");
    std::string ua = tarvelin_providers_contracts_server_get_uuid(a);
    EXPECT_TRUE(is_upper_uuid(ua)) << ua;
    EXPECT_NE(ua, tarvelin_providers_contracts_server_get_uuid(b));
    g_object_unref(a);
    g_object_unref(b);
    testing::internal::CaptureStderr();
    EXPECT_EQ(tarvelin_providers_contracts_server_new_with_provider(nullptr), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("_provider != NULL"), std::string::npos);
}

TEST(Server, SettersNotifyOnChangeDatabasesOnEveryNewArray) {
    auto s = Server::create();
    NotifyLog log(s.gobj());
    auto* c = c_of(s);
    tarvelin_providers_contracts_server_set_host(c, "");
    tarvelin_providers_contracts_server_set_host(c, "db");
    tarvelin_providers_contracts_server_set_host(c, "db");
    tarvelin_providers_contracts_server_set_host(c, nullptr);
    tarvelin_providers_contracts_server_set_host(c, nullptr);
    tarvelin_providers_contracts_server_set_port(c, 0);
    tarvelin_providers_contracts_server_set_port(c, 5432);
    tarvelin_providers_contracts_server_set_ssl_using(c, FALSE);
    tarvelin_providers_contracts_server_set_ssl_using(c, TRUE);
    EXPECT_EQ(log.names, (std::vector<std::string>{"host", "host", "port", "ssl-using"}));

    log.names.clear();
    const gchar* first[] = {"a", "b", nullptr};
    tarvelin_providers_contracts_server_set_databases(c, const_cast<gchar**>(first), 2);
    gint count = 0;
    gchar** stored = tarvelin_providers_contracts_server_get_databases(c, &count);
    EXPECT_NE(stored, const_cast<gchar**>(first));  // a copy
    EXPECT_EQ(count, 2);
    tarvelin_providers_contracts_server_set_databases(c, stored, count);  // the very array: nothing
    tarvelin_providers_contracts_server_set_databases(c, const_cast<gchar**>(first), 2);  // same texts: notifies
    tarvelin_providers_contracts_server_set_databases(c, const_cast<gchar**>(first), 1);
    EXPECT_EQ(s->databases(), (std::vector<std::string>{"a"}));
    tarvelin_providers_contracts_server_set_databases(c, nullptr, -1);
    EXPECT_EQ(tarvelin_providers_contracts_server_get_databases(c, &count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(log.names, (std::vector<std::string>{"databases", "databases", "databases", "databases"}));

    // Through the generic property interface the count is the vector's own.
    log.names.clear();
    const gchar* three[] = {"x", "y", "z", nullptr};
    g_object_set(s.gobj(), "databases", three, nullptr);
    EXPECT_EQ(s->databases(), (std::vector<std::string>{"x", "y", "z"}));
    // A count past the end of the caller's vector stops at its end.
    tarvelin_providers_contracts_server_set_databases(c, const_cast<gchar**>(three), 10);
    EXPECT_EQ(s->get_databases_length(), 3);
}

TEST(Server, CloneCopiesEveryValueAndOptionallyTheIdentifier) {
    auto s = Server::create_with_provider("PostgreSQL");
    s->set_host("db.example");
    s->set_port(5432);
    s->set_password(std::nullopt);
    s->set_ssh_using(true);
    s->set_database_names({"one", "two"});
    for (bool new_uuid : {false, true}) {
        auto* copy = tarvelin_providers_contracts_server_clone(c_of(s), new_uuid);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(G_OBJECT_TYPE(copy), Server::gtype());
        std::string uuid = tarvelin_providers_contracts_server_get_uuid(copy);
        EXPECT_EQ(uuid == *s->get_uuid(), !new_uuid);
        EXPECT_TRUE(is_upper_uuid(uuid));
        // Everything else equal: compare the JSON forms without the identifier.
        tarvelin_providers_contracts_server_set_uuid(copy, s->get_uuid()->c_str());
        EXPECT_EQ(to_json(G_OBJECT(copy)), to_json(s.gobj()));
        EXPECT_NE(tarvelin_providers_contracts_server_get_databases(copy, nullptr), s->get_databases());
        g_object_unref(copy);
    }
}

TEST(Server, JsonLeavesOutWhatEqualsTheDeclaredDefault) {
    auto s = Server::create();
    std::string plain = to_json(s.gobj());
    for (const char* absent : {"\"port\"", "\"ssh-port\"", "\"ssh-using\"", "\"ssl-using\""})
        EXPECT_EQ(plain.find(absent), std::string::npos) << absent;
    for (const char* present : {"\"uuid\":\"\"", "\"provider\":\"UNKNOWN\"", "\"ssl-mode\":\"require\"",
                                "\"databases\":[]", "\"ssh-auth-type\":\"password\""})
        EXPECT_NE(plain.find(present), std::string::npos) << present;

    s->set_port(3306);
    s->set_ssh_port(2222);
    s->set_ssl_using(true);
    s->set_title(std::nullopt);  // NULL equals the declared default: left out
    std::string changed = to_json(s.gobj());
    for (const char* present : {"\"port\":3306", "\"ssh-port\":2222", "\"ssl-using\":true"})
        EXPECT_NE(changed.find(present), std::string::npos) << present;
    EXPECT_EQ(changed.find("\"title\""), std::string::npos);

    // Reading back: absent members keep the initial values, unknown members are ignored.
    JsonNode* node = json_from_string(
        "{\"host\":\"h\",\"port\":3306,\"databases\":[\"d\"],\"no-such-member\":1}", nullptr);
    auto back = Ref<Server>::adopt(json_gobject_deserialize(Server::gtype(), node));
    json_node_unref(node);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->get_host(), "h");
    EXPECT_EQ(back->get_port(), 3306);
    EXPECT_EQ(back->get_ssh_port(), 22);
    EXPECT_EQ(back->get_ssl_mode(), "require");
    EXPECT_EQ(back->databases(), std::vector<std::string>{"d"});
}
