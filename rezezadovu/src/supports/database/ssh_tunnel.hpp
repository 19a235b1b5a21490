// The SSH tunnel: starts the tunnel program that forwards a port on 127.0.0.1 to the
// database server, waits until the forward listens, and stops the program again.
//
// The local port is the database port plus 10000 when that is at most 65535 and free,
// otherwise a free port the system picks. Two argument forms: a program whose name
// contains "plink" is run directly and reads the password from a private file (mode 0600,
// removed once the program listens or has returned); any other program runs behind
// "sshpass -e", which reads the password from SSHPASS in the child's environment only.
// Neither form puts the password on a command line. The OpenSSH form stays in the
// foreground ("-N") and gives up when it cannot forward ("ExitOnForwardFailure=yes").
//
// The program runs in a session of its own. A Tunnel stops it, with the processes it
// started (sshpass's client), when it is destroyed or stopped, and every tunnel still
// running is stopped when the host process exits normally. A program that returns
// successfully before the forward listens is taken to have left it in place (a wrapper
// that puts the client in the background): that client is out of reach and is not stopped.
//
// Thread-safe: each launch owns its argument vector, environment, password file and
// diagnostics file; a Tunnel is owned by one connection, which serialises its use.
#pragma once

#include <glib.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "providers/gobj/error.hpp"

namespace tarvelin::rezezadovu::supports::database {

// What the launch reads of a server record.
struct TunnelSettings {
    std::optional<std::string> process;  // "ssh-process"; none takes the sshpass form
    std::string host;                    // SSH server and database host
    gint port = 0;                       // database port
    gint ssh_port = 22;
    std::string username;  // "ssh-username"
    std::string password;  // "ssh-password"
};

inline constexpr gint kForwardOffset = 10000;

// "127.0.0.1:<local port>:<host>:<port>".
TARVELIN_EXPORT std::string tunnel_forward(const TunnelSettings& s, gint local_port);
TARVELIN_EXPORT bool tunnel_uses_plink(const TunnelSettings& s);
// The argument vector; `password_file` is read by the plink form only.
TARVELIN_EXPORT std::vector<std::string> tunnel_arguments(const TunnelSettings& s, gint local_port,
                                                          const std::string& password_file);
// G_IO_ERROR_INVALID_ARGUMENT naming the port unless "port" and "ssh-port" are 1 to 65535.
TARVELIN_EXPORT void check_tunnel_ports(const TunnelSettings& s);
// The port plus 10000 when that is at most 65535 and nothing listens on it on 127.0.0.1;
// otherwise a free port of 127.0.0.1.
TARVELIN_EXPORT gint choose_local_port(gint port);

// A started tunnel program. Destroying it stops the program.
class TARVELIN_EXPORT Tunnel {
public:
    Tunnel(GPid pid, gint local_port);
    ~Tunnel();
    Tunnel(const Tunnel&) = delete;
    Tunnel& operator=(const Tunnel&) = delete;

    gint local_port() const { return local_port_; }
    // The program's process id; 0 once stopped, or when the program had returned.
    GPid pid() const { return pid_; }
    // Ends the program and every process it started; waits until they are gone.
    void stop();
    // The program has ended by itself (and been reaped): there is nothing to stop.
    void forget();

private:
    GPid pid_;
    gint local_port_;
};

// Checks the ports, chooses the local port, starts the program and waits until the
// forward accepts connections on 127.0.0.1. Throws the launcher's error when the program
// cannot start; (G_SPAWN_EXIT_ERROR, exit status, "<program> exited with status <n>: <its
// standard error>") when it ends with a failure status; G_IO_ERROR_TIMED_OUT when nothing
// listens within `timeout_seconds` (the program is stopped). Logs the outcome through the
// logging facade under `uuid`.
TARVELIN_EXPORT std::unique_ptr<Tunnel> launch_ssh_tunnel(const TunnelSettings& s, const char* uuid,
                                                          guint timeout_seconds = 30);

}  // namespace tarvelin::rezezadovu::supports::database
