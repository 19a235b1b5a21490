// Opening over an SSH tunnel: with fake tunnel programs, and through the test SSH server
// to MariaDB.
#include <tarvelin/providers/providers.h>

#include "connection_support.hpp"
#include "support/servers.hpp"
#include "live_tunnel.hpp"
#include "tunnel_fakes.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <optional>

using namespace tarvelin;
using namespace tarvelin::test;

namespace {

constexpr Status kOpened = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened;
constexpr providers::contracts::DataType kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;

class SshConnection : public testing::Test {
protected:
    void SetUp() override {
        provider->answer_rows("SELECT VERSION()", {{"v", kString}}, {{"10.11.6-MariaDB"}});
        g_object_set(record, "ssh-using", TRUE, "ssh-process", "ssh", "ssh-port", 22, "ssh-username", "tunnel",
                     "ssh-password", "s3cret", nullptr);
    }
    void TearDown() override { g_object_unref(record); }

    FacadeLog log{rezezadovu::contracts::log::kDebug};
    gobj::Ref<ScriptedProvider> provider = ScriptedProvider::create();
    gobj::Ref<TestConnection> conn = TestConnection::create(provider.gobj());
    TarvelinProvidersContractsServer* record = new_record("UUID-SSH", "db.example", 3306);
};

}  // namespace

TEST_F(SshConnection, TheProviderOpensTheLocalEndOfTheForward) {
    TunnelFakes fakes;
    Watch watch(conn.gobj());
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
    ASSERT_EQ(error_text(e), "(none)");
    EXPECT_EQ(fakes.arguments(),
              (std::vector<std::string>{"-e", "ssh", "db.example", "-p", "22", "-l", "tunnel", "-L",
                                        "127.0.0.1:13306:db.example:3306", "-N", "-o", "ExitOnForwardFailure=yes"}));
    EXPECT_EQ(provider->connection_string(), "HOST=127.0.0.1;PORT=13306;UUID=UUID-SSH;");
    auto* opened_on = reinterpret_cast<TarvelinProvidersContractsServer*>(provider->server().gobj());
    EXPECT_NE(opened_on, record);
    EXPECT_STREQ(tarvelin_providers_contracts_server_get_host(opened_on), "127.0.0.1");
    EXPECT_EQ(tarvelin_providers_contracts_server_get_port(opened_on), 13306);
    EXPECT_STREQ(tarvelin_providers_contracts_server_get_uuid(opened_on), "UUID-SSH");
    // The connection keeps the record it was given.
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_server(c_of(conn)), record);
    EXPECT_STREQ(tarvelin_providers_contracts_server_get_host(record), "db.example");
    EXPECT_EQ(watch.statuses(), (std::vector<Status>{kOpened}));
    EXPECT_EQ(watch.opened(), 1);
    EXPECT_EQ(log.leveled(),
              (std::vector<std::string>{"PLAIN Lauch ssh tunnel successfully.", "PLAIN SQL: SELECT VERSION()",
                                        "PLAIN affected rows: 1", "DEBUG SQL: connection opened"}));
    // Reopen starts the tunnel again.
    g_remove(fakes.file("argv").c_str());
    tarvelin_rezezadovu_supports_database_connection_impl_reopen(c_of(conn), &e);
    EXPECT_EQ(error_text(e), "(none)");
    EXPECT_TRUE(fakes.ran());
}

TEST_F(SshConnection, AFailedLaunchFailsTheOpenBeforeTheProvider) {
    TunnelFakes fakes(5, "Permission denied, please try again.");
    Watch watch(conn.gobj());
    GError* e = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(i_of(conn), record, nullptr, &e);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->domain, G_SPAWN_EXIT_ERROR);
    EXPECT_EQ(e->code, 5);
    EXPECT_STREQ(e->message, "sshpass exited with status 5: Permission denied, please try again.");
    g_clear_error(&e);
    EXPECT_EQ(provider->calls("open"), 0);
    EXPECT_TRUE(watch.statuses().empty());
    EXPECT_EQ(watch.opened(), 0);
    EXPECT_EQ(log.leveled(), (std::vector<std::string>{"RISKY Failed to lauch ssh tunnel."}));
}

TEST_F(SshConnection, APortThatIsNoPortIsRefusedBeforeAnythingStarts) {
    TunnelFakes fakes;
    g_object_set(record, "port", 70000, nullptr);
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->domain, G_IO_ERROR);
    EXPECT_EQ(e->code, G_IO_ERROR_INVALID_ARGUMENT);
    EXPECT_NE(std::string(e->message).find("70000"), std::string::npos) << e->message;
    g_clear_error(&e);
    EXPECT_FALSE(fakes.ran());
    EXPECT_EQ(provider->calls("open"), 0);
}

// The port plus 10000 would pass 65535: the forward comes from a free port instead.
TEST_F(SshConnection, AHighDatabasePortIsForwardedFromAFreePort) {
    TunnelFakes fakes;
    g_object_set(record, "port", 60000, nullptr);
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
    ASSERT_EQ(error_text(e), "(none)");
    auto* opened_on = reinterpret_cast<TarvelinProvidersContractsServer*>(provider->server().gobj());
    const gint local = tarvelin_providers_contracts_server_get_port(opened_on);
    EXPECT_GT(local, 0);
    EXPECT_LE(local, 65535);
    EXPECT_EQ(fakes.arguments()[8], "127.0.0.1:" + std::to_string(local) + ":db.example:60000");
}

TEST_F(SshConnection, TheAsynchronousFailureIsLoggedAsAFailureOverSsh) {
    TunnelFakes fakes(5, "Permission denied, please try again.");
    Watch watch(conn.gobj());
    Outcome o;
    tarvelin_rezezadovu_supports_database_connection_impl_open_async(c_of(conn), record, nullptr, &Outcome::callback,
                                                                     &o);
    ASSERT_TRUE(o.wait());
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open_finish(c_of(conn), o.result, &e);
    EXPECT_EQ(error_text(e), "default 5 sshpass exited with status 5: Permission denied, please try again.");
    EXPECT_EQ(watch.opened(), 0);
    EXPECT_EQ(log.messages().back(),
              "Failed to open connection over ssh: 5 -> sshpass exited with status 5: Permission denied, please try "
              "again.");
}

TEST_F(SshConnection, ThePlinkFormLeavesNoPasswordFileBehind) {
    TunnelFakes fakes;
    g_object_set(record, "ssh-process", fakes.file("plink").c_str(), nullptr);
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
    ASSERT_EQ(error_text(e), "(none)");
    EXPECT_EQ(fakes.read("pwfile_content"), "s3cret");
    EXPECT_EQ(fakes.read("pwfile_mode"), "600\n");
    EXPECT_FALSE(g_file_test(fakes.read("pwfile_path").c_str(), G_FILE_TEST_EXISTS));
}

// ---------------------------------------------------------------- the test SSH server

namespace {

// A MariaDB connection of the test dialect with its record through the test SSH server.
struct LiveTunnel {
    std::optional<SshAddress> ssh = ssh_server();
    std::optional<MysqlAddress> db = mysql_server();
    std::unique_ptr<SshClient> client;
    gobj::Ref<TestConnection> conn;
    TarvelinProvidersContractsServer* record = nullptr;

    bool ready() {
        if (!ssh || !db) return false;
        client = std::make_unique<SshClient>(ssh->known_hosts);
        GObject* provider = G_OBJECT(tarvelin_providers_supports_maria_db_provider_new());
        conn = TestConnection::create(provider);
        g_object_unref(provider);
        record = live_record(*ssh, *db, client->program());
        return true;
    }
    ~LiveTunnel() {
        if (record) g_object_unref(record);
    }
    std::string open() {
        GError* e = nullptr;
        tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
        return error_text(e);
    }
    std::string query() {
        GError* e = nullptr;
        auto* value = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(
            c_of(conn), "SELECT CONCAT('through ', 'the tunnel')", TRUE, &e);
        if (!value) return error_text(e);
        std::string text = gobj::take_string(tarvelin_providers_contracts_value_object_to_string(value));
        g_object_unref(value);
        return text;
    }
};

}  // namespace

TEST(SshTunnelLive, TheTunnelEndsWithItsConnection) {
    LiveTunnel live;
    TARVELIN_REQUIRE_SERVER(live.ssh, "SSH");
    TARVELIN_REQUIRE_SERVER(live.db, "MariaDB");
    ASSERT_TRUE(live.ready());
    ASSERT_EQ(live.db->host, live.ssh->host);
    FacadeLog log;

    // A wrong SSH password: the program ends by itself.
    g_object_set(live.record, "ssh-password", "not the password", nullptr);
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(live.conn), live.record, nullptr, &e);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->domain, G_SPAWN_EXIT_ERROR);
    EXPECT_EQ(e->code, 5);
    EXPECT_NE(std::string(e->message).find("Permission denied"), std::string::npos) << e->message;
    g_clear_error(&e);
    EXPECT_EQ(live.client->processes_left(), std::vector<int>{});
    g_object_set(live.record, "ssh-password", live.ssh->password.c_str(), nullptr);

    // Open, close, and the same record again: the forward's port is free for it.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(live.open(), "(none)");
        EXPECT_EQ(live.query(), "through the tunnel");
        EXPECT_GE(live.client->processes().size(), 2u);  // sshpass and the client
        tarvelin_rezezadovu_supports_database_connection_impl_close(c_of(live.conn));
        EXPECT_EQ(live.client->processes_left(), std::vector<int>{});
    }

    // The tunnel is up, the database refuses the login: the open stops its tunnel.
    g_object_set(live.record, "password", "not the password", nullptr);
    std::string refused = live.open();
    EXPECT_NE(refused.find("1045"), std::string::npos) << refused;
    EXPECT_EQ(live.client->processes_left(), std::vector<int>{});

    // A connection released while open takes its tunnel with it.
    g_object_set(live.record, "password", live.db->password.c_str(), nullptr);
    ASSERT_EQ(live.open(), "(none)");
    EXPECT_FALSE(live.client->processes().empty());
    live.conn.reset();
    EXPECT_EQ(live.client->processes_left(), std::vector<int>{});
}

// A database port whose port plus 10000 is taken by another program is forwarded from a
// free port.
TEST(SshTunnelLive, ATakenForwardPortGivesWayToAFreeOne) {
    LiveTunnel live;
    TARVELIN_REQUIRE_SERVER(live.ssh, "SSH");
    TARVELIN_REQUIRE_SERVER(live.db, "MariaDB");
    ASSERT_TRUE(live.ready());
    LiveTunnel other;
    ASSERT_TRUE(other.ready());
    ASSERT_EQ(live.open(), "(none)");
    ASSERT_EQ(other.open(), "(none)");
    EXPECT_EQ(live.query(), "through the tunnel");
    EXPECT_EQ(other.query(), "through the tunnel");
    tarvelin_rezezadovu_supports_database_connection_impl_close(c_of(live.conn));
    tarvelin_rezezadovu_supports_database_connection_impl_close(c_of(other.conn));
    EXPECT_EQ(live.client->processes_left(), std::vector<int>{});
    EXPECT_EQ(other.client->processes_left(), std::vector<int>{});
}

// A host that exits normally with its connection still open leaves no tunnel behind.
TEST(SshTunnelLive, TheTunnelEndsWhenTheHostExits) {
    auto ssh = ssh_server();
    TARVELIN_REQUIRE_SERVER(ssh, "SSH");
    auto db = mysql_server();
    TARVELIN_REQUIRE_SERVER(db, "MariaDB");
    SshClient client(ssh->known_hosts);
    const std::string program = client.program();
    const gchar* argv[] = {TARVELIN_TUNNEL_HOST, program.c_str(), nullptr};
    GPid pid = 0;
    gint in = -1, out = -1;
    GError* e = nullptr;
    ASSERT_TRUE(g_spawn_async_with_pipes(nullptr, const_cast<gchar**>(argv), nullptr, G_SPAWN_DO_NOT_REAP_CHILD,
                                         nullptr, nullptr, &pid, &in, &out, nullptr, &e))
        << error_text(e);
    FILE* from_host = fdopen(out, "r");
    char line[256] = {};
    ASSERT_NE(fgets(line, sizeof line, from_host), nullptr);
    EXPECT_STREQ(line, "opened\n");
    EXPECT_GE(client.processes().size(), 2u);
    ASSERT_EQ(write(in, "\n", 1), 1);
    close(in);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    fclose(from_host);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(client.processes_left(), std::vector<int>{});
}
