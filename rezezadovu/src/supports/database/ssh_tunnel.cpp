#include "rezezadovu/supports/database/ssh_tunnel.hpp"

#include <gio/gio.h>
#include <glib/gstdio.h>
#include <unistd.h>

#include "providers/gobj/args.hpp"
#include "rezezadovu/foundation/logging_service.hpp"

TARVELIN_LOG_TAG("ssh_tunnel")

namespace tarvelin::rezezadovu::supports::database {

using foundation::LoggingService;

namespace {

// The password of the plink form: a new private file, removed on every path.
class PasswordFile {
public:
    explicit PasswordFile(const std::string& password) {
        GError* error = nullptr;
        gobj::Owned<gchar, &g_free> name;
        // g_file_open_tmp creates the file with mode 0600.
        int fd = g_file_open_tmp("tarvelin-ssh-XXXXXX", name.out(), &error);
        gobj::check(error);
        path_ = name.get();
        const char* at = password.data();
        size_t left = password.size();
        while (left > 0) {
            ssize_t n = write(fd, at, left);
            if (n < 0) {
                int saved = errno;
                g_close(fd, nullptr);
                g_unlink(path_.c_str());
                throw gobj::Error(G_IO_ERROR, g_io_error_from_errno(saved),
                                  std::string(_("cannot write the password file: ")) + g_strerror(saved));
            }
            at += n;
            left -= static_cast<size_t>(n);
        }
        g_close(fd, nullptr);
    }
    ~PasswordFile() { g_unlink(path_.c_str()); }
    PasswordFile(const PasswordFile&) = delete;
    PasswordFile& operator=(const PasswordFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string trimmed(const char* text) { return text ? gobj::take_string(g_strstrip(g_strdup(text))) : ""; }

}  // namespace

std::string tunnel_forward(const TunnelSettings& s) {
    guint local = static_cast<guint>(s.port) + static_cast<guint>(kForwardOffset);
    return gobj::take_string(g_strdup_printf("127.0.0.1:%u:%s:%u", local, s.host.c_str(), static_cast<guint>(s.port)));
}

bool tunnel_uses_plink(const TunnelSettings& s) {
    if (!s.process) {
        g_critical("%s: assertion '%s' failed", G_STRFUNC, "self != NULL");
        return false;
    }
    return s.process->find("plink") != std::string::npos;
}

std::vector<std::string> tunnel_arguments(const TunnelSettings& s, const std::string& password_file) {
    std::string process = s.process.value_or("");
    std::string ssh_port = std::to_string(static_cast<guint>(s.ssh_port));
    if (tunnel_uses_plink(s))
        return {process, s.host, "-P", ssh_port, "-l", s.username, "-pwfile", password_file, "-L", tunnel_forward(s)};
    return {"sshpass", "-e", process, s.host, "-p", ssh_port, "-l", s.username, "-L", tunnel_forward(s),
            "-f", "-N", "-o", "ExitOnForwardFailure=yes"};
}

void check_tunnel_ports(const TunnelSettings& s) {
    if (s.port < 1 || s.port > kMaxDatabasePort)
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_ARGUMENT,
                          gobj::take_string(g_strdup_printf(_("\"port\" %d cannot be forwarded: it must be 1 to %d"),
                                                            s.port, kMaxDatabasePort)));
    if (s.ssh_port < 1 || s.ssh_port > 65535)
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_ARGUMENT,
                          gobj::take_string(g_strdup_printf(_("\"ssh-port\" %d is not a port: it must be 1 to 65535"),
                                                            s.ssh_port)));
}

void launch_ssh_tunnel(const TunnelSettings& s, const char* uuid) {
    tlog_debug("launch ssh tunnel......");
    check_tunnel_ports(s);
    bool plink = tunnel_uses_plink(s);
    std::optional<PasswordFile> file;
    if (plink) file.emplace(s.password);
    std::vector<std::string> args = tunnel_arguments(s, file ? file->path() : std::string());

    std::vector<gchar*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    gobj::Owned<gchar*, &g_strfreev> envp(g_get_environ());
    if (!plink) envp.reset(g_environ_setenv(envp.release(), "SSHPASS", s.password.c_str(), TRUE));

    gobj::Owned<gchar, &g_free> out, err;
    gint status = 0;
    GError* error = nullptr;
    gboolean ran = g_spawn_sync(nullptr, argv.data(), envp.get(), G_SPAWN_SEARCH_PATH, nullptr, nullptr, out.out(),
                                err.out(), &status, &error);
    std::string diagnostics = trimmed(err.get());
    if (!ran) gobj::check(error);

    GError* failed = nullptr;
    if (!g_spawn_check_wait_status(status, &failed)) {
        LoggingService::error(uuid, "%s", "Failed to lauch ssh tunnel.");
        gobj::Error e(failed);
        std::string message = e.domain() == G_SPAWN_EXIT_ERROR
                                  ? gobj::take_string(g_strdup_printf(_("%s exited with status %d"), args[0].c_str(),
                                                                      e.code()))
                                  : args[0] + ": " + e.message();
        if (!diagnostics.empty()) message += ": " + diagnostics;
        throw gobj::Error(e.domain(), e.code(), message);
    }
    LoggingService::message(uuid, "%s", "Lauch ssh tunnel successfully.");
}

}  // namespace tarvelin::rezezadovu::supports::database
