// The tunnel launcher against fake tunnel programs.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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
    EXPECT_EQ(tunnel_arguments(settings("/opt/putty/plink"), 13306, "/tmp/pw"),
              (Args{"/opt/putty/plink", "db.example", "-P", "22", "-l", "tunnel", "-pwfile", "/tmp/pw", "-N", "-L",
                    "127.0.0.1:13306:db.example:3306"}));
    // In the foreground, so that the tunnel can be stopped by its process.
    EXPECT_EQ(tunnel_arguments(settings("ssh"), 40123, "unused"),
              (Args{"sshpass", "-e", "ssh", "db.example", "-p", "22", "-l", "tunnel", "-L",
                    "127.0.0.1:40123:db.example:3306", "-N", "-o", "ExitOnForwardFailure=yes"}));
    // The substring test is case-sensitive.
    EXPECT_EQ(tunnel_arguments(settings("PLINK"), 13306, "")[0], "sshpass");
}

TEST(TunnelArguments, NoProcessLogsTheCriticalAndTakesTheSshpassForm) {
    testing::internal::CaptureStderr();
    auto args = tunnel_arguments(settings(std::nullopt), 13306, "");
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
        // A database port above 55535 is forwarded from a free port of its own.
        {1, 1, true, ""},         {55536, 22, true, ""},        {65535, 65535, true, ""},
        {0, 22, false, "\"port\" 0"}, {65536, 22, false, "\"port\" 65536"}, {-1, 22, false, "\"port\" -1"},
        {3306, 0, false, "\"ssh-port\" 0"}, {3306, 65536, false, "\"ssh-port\" 65536"},
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
    auto tunnel = launch_ssh_tunnel(settings("ssh", "pa ss'\"word"), "tunnel-uuid");
    Args expected = tunnel_arguments(settings("ssh", "pa ss'\"word"), tunnel->local_port(), "");
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
    ASSERT_EQ(args.size(), 10u);
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

// A program that returns successfully has left the forward to a process of its own: the
// tunnel has nothing of its own to stop.
TEST(TunnelLaunch, AProgramThatReturnsLeavesNothingToStop) {
    TunnelFakes fakes;
    auto tunnel = launch_ssh_tunnel(settings("ssh"), nullptr);
    EXPECT_EQ(tunnel->pid(), 0);
    EXPECT_EQ(tunnel->local_port(), 13306);
    tunnel->stop();
}

// A program that runs on without ever listening is given up on, and stopped with the
// processes it started.
TEST(TunnelLaunch, AProgramThatNeverListensIsStoppedWithItsChildren) {
    for (bool plink : {false, true}) {
        SCOPED_TRACE(plink ? "plink" : "sshpass");
        test::FacadeLog log;
        TunnelFakes fakes(0, "still connecting", TunnelFakes::kStay);
        gobj::Error e("none", 0, "");
        try {
            launch_ssh_tunnel(settings(plink ? fakes.file("plink") : std::string("ssh")), nullptr, 1);
            ADD_FAILURE() << "the launch succeeded";
        } catch (const gobj::Error& error) {
            e = error;
        }
        EXPECT_EQ(e.domain(), G_IO_ERROR);
        EXPECT_EQ(e.code(), G_IO_ERROR_TIMED_OUT);
        EXPECT_NE(e.message().find("did not forward 127.0.0.1:"), std::string::npos) << e.message();
        EXPECT_NE(e.message().find("still connecting"), std::string::npos) << e.message();
        EXPECT_EQ(log.count("Failed to lauch ssh tunnel."), 1) << log.main_log();
        for (const char* which : {"pid", "child_pid"}) {
            std::string pid = fakes.read(which);
            ASSERT_NE(pid, "<missing>") << which;
            EXPECT_TRUE(test::process_gone(std::stoi(pid))) << which << " " << pid;
        }
    }
}

TEST(TunnelPorts, TheLocalPortIsTheDatabasePortPlus10000WhenFree) {
    // A port taken by a listener of another program.
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(fd, 1), 0);
    ASSERT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const gint taken = ntohs(address.sin_port);

    if (taken > 10000) {
        gint other = choose_local_port(taken - 10000);
        EXPECT_NE(other, taken);
        EXPECT_GT(other, 0);
    }
    close(fd);
    for (gint port : {55536, 60000, 65535}) {
        gint local = choose_local_port(port);
        EXPECT_GT(local, 0) << port;
        EXPECT_LE(local, 65535) << port;
    }
    // Free again: the port plus 10000 itself.
    if (taken > 10000) {
        EXPECT_EQ(choose_local_port(taken - 10000), taken);
    }
}
