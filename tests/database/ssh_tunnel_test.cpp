// The tunnel launcher against fake tunnel programs.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "rezezadovu/supports/database/ssh_tunnel.hpp"
#include "support/facade_log.hpp"
#include "tunnel_fakes.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;
using tarvelin::test::TunnelFakes;

namespace {

TunnelSettings settings(std::optional<std::string> process, std::string password = "s3cret") {
    TunnelSettings s;
    s.process = std::move(process);
    s.host = "db.example";
    s.port = 3306;
    s.ssh_port = 22;
    s.username = "tunnel";
    s.password = std::move(password);
    return s;
}

gobj::Error launch_error(const TunnelSettings& s) {
    try {
        launch_ssh_tunnel(s, nullptr);
    } catch (const gobj::Error& e) {
        return e;
    }
    ADD_FAILURE() << "the launch succeeded";
    return gobj::Error("none", 0, "");
}

using Args = std::vector<std::string>;

}  // namespace

TEST(TunnelArguments, EachFormIsARealVectorWithoutThePassword) {
    EXPECT_EQ(tunnel_arguments(settings("/opt/putty/plink"), "/tmp/pw"),
              (Args{"/opt/putty/plink", "db.example", "-P", "22", "-l", "tunnel", "-pwfile", "/tmp/pw", "-L",
                    "127.0.0.1:13306:db.example:3306"}));
    EXPECT_EQ(tunnel_arguments(settings("ssh"), "unused"),
              (Args{"sshpass", "-e", "ssh", "db.example", "-p", "22", "-l", "tunnel", "-L",
                    "127.0.0.1:13306:db.example:3306", "-f", "-N", "-o", "ExitOnForwardFailure=yes"}));
    // The substring test is case-sensitive.
    EXPECT_EQ(tunnel_arguments(settings("PLINK"), "")[0], "sshpass");
}

TEST(TunnelArguments, NoProcessLogsTheCriticalAndTakesTheSshpassForm) {
    testing::internal::CaptureStderr();
    auto args = tunnel_arguments(settings(std::nullopt), "");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(args[0], "sshpass");
    EXPECT_EQ(args[2], "");
    EXPECT_NE(err.find("self != NULL"), std::string::npos) << err;
}

TEST(TunnelPorts, OutOfRangePortsAreRefusedBeforeAnythingStarts) {
    struct Case {
        gint port, ssh_port;
        bool ok;
        const char* named;
    } cases[] = {
        {1, 1, true, ""},           {55535, 65535, true, ""},         {0, 22, false, "\"port\" 0"},
        {55536, 22, false, "\"port\" 55536"}, {60000, 22, false, "\"port\" 60000"}, {-1, 22, false, "\"port\" -1"},
        {3306, 0, false, "\"ssh-port\" 0"},   {3306, 65536, false, "\"ssh-port\" 65536"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.port) + " " + std::to_string(c.ssh_port));
        TunnelFakes fakes;
        TunnelSettings s = settings("ssh");
        s.port = c.port;
        s.ssh_port = c.ssh_port;
        if (c.ok) {
            EXPECT_NO_THROW(check_tunnel_ports(s));
            continue;
        }
        gobj::Error e = launch_error(s);
        EXPECT_EQ(e.domain(), G_IO_ERROR);
        EXPECT_EQ(e.code(), G_IO_ERROR_INVALID_ARGUMENT);
        EXPECT_NE(e.message().find(c.named), std::string::npos) << e.message();
        EXPECT_FALSE(fakes.ran());
    }
}

TEST(TunnelLaunch, SshpassGetsThePasswordInItsEnvironmentOnly) {
    test::FacadeLog log;
    TunnelFakes fakes;
    ASSERT_EQ(g_getenv("SSHPASS"), nullptr);
    launch_ssh_tunnel(settings("ssh", "pa ss'\"word"), "tunnel-uuid");
    Args expected = tunnel_arguments(settings("ssh", "pa ss'\"word"), "");
    expected.erase(expected.begin());
    EXPECT_EQ(fakes.arguments(), expected);
    EXPECT_EQ(fakes.read("sshpass_env"), "pa ss'\"word");
    EXPECT_EQ(g_getenv("SSHPASS"), nullptr);
    EXPECT_EQ(log.count("Lauch ssh tunnel successfully."), 1) << log.main_log();
}

TEST(TunnelLaunch, PlinkReadsAPrivateFileThatIsGoneAfterwards) {
    TunnelFakes fakes;
    std::string plink = fakes.file("plink");
    launch_ssh_tunnel(settings(plink), nullptr);
    Args args = fakes.arguments();
    ASSERT_EQ(args.size(), 9u);
    EXPECT_EQ(args[5], "-pwfile");
    EXPECT_EQ(args[6], fakes.read("pwfile_path"));
    for (const std::string& a : args) EXPECT_EQ(a.find("s3cret"), std::string::npos) << a;
    EXPECT_EQ(fakes.read("pwfile_content"), "s3cret");
    EXPECT_EQ(fakes.read("pwfile_mode"), "600\n");
    EXPECT_EQ(fakes.read("sshpass_env"), "<unset>");
    EXPECT_FALSE(g_file_test(fakes.read("pwfile_path").c_str(), G_FILE_TEST_EXISTS));
}

TEST(TunnelLaunch, AFailureStatusFailsWithTheProgramsMessage) {
    for (bool plink : {false, true}) {
        SCOPED_TRACE(plink ? "plink" : "sshpass");
        test::FacadeLog log;
        TunnelFakes fakes(5, "Permission denied, please try again.");
        TunnelSettings s = settings(plink ? fakes.file("plink") : std::string("ssh"));
        gobj::Error e = launch_error(s);
        EXPECT_EQ(e.domain(), G_SPAWN_EXIT_ERROR);
        EXPECT_EQ(e.code(), 5);
        std::string program = plink ? fakes.file("plink") : "sshpass";
        EXPECT_EQ(e.message(), program + " exited with status 5: Permission denied, please try again.");
        EXPECT_EQ(log.count("Failed to lauch ssh tunnel."), 1) << log.main_log();
        EXPECT_EQ(log.count("Lauch ssh tunnel successfully."), 0);
        if (plink) {
            EXPECT_FALSE(g_file_test(fakes.read("pwfile_path").c_str(), G_FILE_TEST_EXISTS));
        }
    }
}

TEST(TunnelLaunch, AMissingProgramGivesTheLaunchersErrorAndLogsNothing) {
    test::FacadeLog log;
    TunnelFakes fakes;
    gobj::Error e = launch_error(settings(fakes.dir() + "/no-such-plink"));
    EXPECT_EQ(e.domain(), G_SPAWN_ERROR);
    EXPECT_EQ(log.count("ssh tunnel"), 0) << log.main_log();
}
