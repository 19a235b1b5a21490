// The pieces of the live tunnel tests: an OpenSSH client for the test SSH server whose
// processes can be told apart from every other worker's, and a MariaDB record that goes
// through that server.
#pragma once

#include <glib.h>
#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>

#include <string>
#include <vector>

#include "support/servers.hpp"

namespace tarvelin::test {

// The "ssh-process" of the live tests: the OpenSSH client with the test server's host key
// checked. Its folder's name, unique to the client, is in the command line of every
// process of its tunnels (sshpass names the script; the client carries it in an
// environment setting the server ignores), so they can be counted.
class SshClient {
public:
    explicit SshClient(const std::string& known_hosts) {
        gchar* d = g_dir_make_tmp("tarvelin-ssh-client-XXXXXX", nullptr);
        dir_ = d;
        g_free(d);
        std::string script = "#!/bin/sh\nexec /usr/bin/ssh -o UserKnownHostsFile='" + known_hosts +
                             "' -o GlobalKnownHostsFile=/dev/null -o 'SetEnv=TARVELIN_TUNNEL_TEST=" + dir_ +
                             "' \"$@\"\n";
        g_file_set_contents(program().c_str(), script.c_str(), -1, nullptr);
        g_chmod(program().c_str(), 0755);
    }
    ~SshClient() {
        g_remove(program().c_str());
        g_rmdir(dir_.c_str());
    }
    SshClient(const SshClient&) = delete;
    SshClient& operator=(const SshClient&) = delete;
    std::string program() const { return dir_ + "/ssh-client"; }

    // The processes of this client's tunnels running now.
    std::vector<int> processes() const {
        std::vector<int> out;
        GDir* proc = g_dir_open("/proc", 0, nullptr);
        if (!proc) return out;
        while (const gchar* entry = g_dir_read_name(proc)) {
            if (!g_ascii_isdigit(entry[0])) continue;
            gchar* cmdline = nullptr;
            gsize length = 0;
            if (!g_file_get_contents((std::string("/proc/") + entry + "/cmdline").c_str(), &cmdline, &length,
                                     nullptr))
                continue;
            if (std::string(cmdline, length).find(dir_) != std::string::npos) out.push_back(atoi(entry));
            g_free(cmdline);
        }
        g_dir_close(proc);
        return out;
    }
    // Waits up to three seconds for the tunnel processes to end (a process killed is
    // still listed until its parent has reaped it).
    std::vector<int> processes_left() const {
        std::vector<int> left = processes();
        for (int i = 0; i < 300 && !left.empty(); ++i) {
            g_usleep(10000);
            left = processes();
        }
        return left;
    }

private:
    std::string dir_;
};

// A MariaDB record through the test SSH server; the two share the host, as the record has
// one "host".
inline TarvelinProvidersContractsServer* live_record(const SshAddress& ssh, const MysqlAddress& db,
                                                     const std::string& ssh_process) {
    auto* record = tarvelin_providers_contracts_server_new();
    g_object_set(record, "uuid", "UUID-LIVE", "host", db.host.c_str(), "port", db.port, "username", db.user.c_str(),
                 "password", db.password.c_str(), "initial", db.database.c_str(), "ssh-using", TRUE, "ssh-process",
                 ssh_process.c_str(), "ssh-port", ssh.port, "ssh-username", ssh.user.c_str(), "ssh-password",
                 ssh.password.c_str(), nullptr);
    return record;
}

}  // namespace tarvelin::test
