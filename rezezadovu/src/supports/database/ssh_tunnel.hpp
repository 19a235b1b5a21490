// The SSH tunnel launcher: starts the tunnel program that forwards 127.0.0.1 at the
// database port plus 10000 to the database server, and waits for it to return.
//
// Two argument forms: a program whose name contains "plink" is run directly and reads
// the password from a private file (mode 0600, removed when the program has returned);
// any other program runs behind "sshpass -e", which reads the password from SSHPASS in
// the child's environment only. Neither form puts the password on a command line. The
// OpenSSH form asks the client to return once the forward listens ("-f -N").
//
// Thread-safe: each launch owns its argument vector, environment and password file.
#pragma once

#include <glib.h>

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
inline constexpr gint kMaxDatabasePort = 65535 - kForwardOffset;

// "127.0.0.1:<port + 10000>:<host>:<port>".
TARVELIN_EXPORT std::string tunnel_forward(const TunnelSettings& s);
TARVELIN_EXPORT bool tunnel_uses_plink(const TunnelSettings& s);
// The argument vector; `password_file` is read by the plink form only.
TARVELIN_EXPORT std::vector<std::string> tunnel_arguments(const TunnelSettings& s, const std::string& password_file);
// G_IO_ERROR_INVALID_ARGUMENT naming the port unless "port" is 1 to 55535 and
// "ssh-port" 1 to 65535.
TARVELIN_EXPORT void check_tunnel_ports(const TunnelSettings& s);

// Checks the ports, runs the program and waits for it. Throws the launcher's error when
// it cannot start, or (G_SPAWN_EXIT_ERROR, exit status, "<program> exited with status
// <n>: <its standard error>") when it returned a failure status. Logs the outcome
// through the logging facade under `uuid`.
TARVELIN_EXPORT void launch_ssh_tunnel(const TunnelSettings& s, const char* uuid);

}  // namespace tarvelin::rezezadovu::supports::database
