// Opening over an SSH tunnel: with fake tunnel programs, and through the test SSH server
// to MariaDB.
#include <tarvelin/providers/providers.h>

#include "connection_support.hpp"
#include "support/servers.hpp"
#include "tunnel_fakes.hpp"

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
                                        "127.0.0.1:13306:db.example:3306", "-f", "-N", "-o",
                                        "ExitOnForwardFailure=yes"}));
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

TEST_F(SshConnection, APortThatCannotBeForwardedIsRefusedBeforeAnythingStarts) {
    TunnelFakes fakes;
    g_object_set(record, "port", 60000, nullptr);
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->domain, G_IO_ERROR);
    EXPECT_EQ(e->code, G_IO_ERROR_INVALID_ARGUMENT);
    EXPECT_NE(std::string(e->message).find("60000"), std::string::npos) << e->message;
    g_clear_error(&e);
    EXPECT_FALSE(fakes.ran());
    EXPECT_EQ(provider->calls("open"), 0);
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

// The "ssh-process" of the live test: the OpenSSH client with the test server's host key
// checked and a control socket, so the tunnel can be stopped afterwards. It ignores
// SIGHUP: under sshpass the client's background child is otherwise hung up when the
// terminal sshpass made closes before the child has left its session.
class SshClient {
public:
    explicit SshClient(const std::string& known_hosts) {
        gchar* d = g_dir_make_tmp("tarvelin-ssh-client-XXXXXX", nullptr);
        dir_ = d;
        g_free(d);
        std::string script = "#!/bin/sh\ntrap '' HUP\nexec /usr/bin/ssh -o UserKnownHostsFile='" + known_hosts +
                             "' -o GlobalKnownHostsFile=/dev/null -o ControlMaster=yes -o ControlPath='" + control() +
                             "' \"$@\"\n";
        g_file_set_contents(program().c_str(), script.c_str(), -1, nullptr);
        g_chmod(program().c_str(), 0755);
    }
    ~SshClient() {
        // Stops the tunnel's background client, if one runs.
        std::string socket = control();
        if (g_file_test(socket.c_str(), G_FILE_TEST_EXISTS)) {
            const gchar* argv[] = {"/usr/bin/ssh", "-S", socket.c_str(), "-O", "exit", "x", nullptr};
            g_spawn_sync(nullptr, const_cast<gchar**>(argv), nullptr,
                         GSpawnFlags(G_SPAWN_STDOUT_TO_DEV_NULL | G_SPAWN_STDERR_TO_DEV_NULL), nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr);
        }
        g_remove(program().c_str());
        g_remove(control().c_str());
        g_rmdir(dir_.c_str());
    }
    SshClient(const SshClient&) = delete;
    SshClient& operator=(const SshClient&) = delete;
    std::string program() const { return dir_ + "/ssh-client"; }
    std::string control() const { return dir_ + "/ctl"; }

private:
    std::string dir_;
};

}  // namespace

TEST(SshTunnelLive, MariaDBAnswersThroughTheTunnelAndAWrongPasswordIsRefused) {
    auto ssh = ssh_server();
    TARVELIN_REQUIRE_SERVER(ssh, "SSH");
    auto db = mysql_server();
    TARVELIN_REQUIRE_SERVER(db, "MariaDB");
    FacadeLog log;
    SshClient client(ssh->known_hosts);
    GObject* provider = G_OBJECT(tarvelin_providers_supports_maria_db_provider_new());
    gobj::Ref<TestConnection> conn = TestConnection::create(provider);
    g_object_unref(provider);
    auto* record = tarvelin_providers_contracts_server_new();
    // The SSH server and the database share the host, as the record has one "host".
    g_object_set(record, "uuid", "UUID-LIVE", "host", db->host.c_str(), "port", db->port, "username", db->user.c_str(),
                 "password", db->password.c_str(), "initial", db->database.c_str(), "ssh-using", TRUE, "ssh-process",
                 client.program().c_str(), "ssh-port", ssh->port, "ssh-username", ssh->user.c_str(), "ssh-password",
                 "not the password", nullptr);
    ASSERT_EQ(db->host, ssh->host);

    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->domain, G_SPAWN_EXIT_ERROR);
    EXPECT_EQ(e->code, 5);
    EXPECT_NE(std::string(e->message).find("Permission denied"), std::string::npos) << e->message;
    g_clear_error(&e);

    g_object_set(record, "ssh-password", ssh->password.c_str(), nullptr);
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
    ASSERT_EQ(error_text(e), "(none)");
    EXPECT_NE(std::string(tarvelin_rezezadovu_supports_database_connection_impl_get_version(c_of(conn))).find("MariaDB"),
              std::string::npos);
    auto* value = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(
        c_of(conn), "SELECT CONCAT('through ', 'the tunnel')", TRUE, &e);
    ASSERT_EQ(error_text(e), "(none)");
    EXPECT_EQ(gobj::take_string(tarvelin_providers_contracts_value_object_to_string(value)), "through the tunnel");
    g_object_unref(value);
    tarvelin_rezezadovu_supports_database_connection_impl_close(c_of(conn));
    g_object_unref(record);
}
