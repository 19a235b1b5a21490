#include "rezezadovu/supports/database/ssh_tunnel.hpp"

#include <arpa/inet.h>
#include <gio/gio.h>
#include <glib/gstdio.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <set>

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

// Where the program's standard error goes: a file already removed, read back when the
// program fails. A running tunnel keeps writing to it unseen, so it never blocks on a pipe.
class Diagnostics {
public:
    Diagnostics() {
        gobj::Owned<gchar, &g_free> name;
        fd_ = g_file_open_tmp("tarvelin-ssh-err-XXXXXX", name.out(), nullptr);
        if (fd_ >= 0) g_unlink(name.get());
    }
    ~Diagnostics() {
        if (fd_ >= 0) g_close(fd_, nullptr);
    }
    Diagnostics(const Diagnostics&) = delete;
    Diagnostics& operator=(const Diagnostics&) = delete;
    int fd() const { return fd_; }
    // What was written, blanks trimmed.
    std::string text() const {
        if (fd_ < 0 || lseek(fd_, 0, SEEK_SET) < 0) return {};
        std::string out;
        char buffer[4096];
        for (ssize_t n; (n = read(fd_, buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<size_t>(n));
        return gobj::take_string(g_strstrip(g_strdup(out.c_str())));
    }

private:
    int fd_ = -1;
};

// A TCP socket of 127.0.0.1 bound to `port` (0: any) and closed again: the port it got, or 0.
gint bind_loopback(gint port) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return 0;
    // As the SSH client binds its forward: a port with connections still closing is free.
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    gint bound = 0;
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        bound = ntohs(address.sin_port);
    close(fd);
    return bound;
}

bool accepts_connections(gint port) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

// Run in the child before the program starts: a session of its own, so that the whole
// group can be ended together.
void own_session(gpointer) { setsid(); }

// The processes descending from `root`, read from /proc.
std::vector<pid_t> descendants(pid_t root) {
    std::multimap<pid_t, pid_t> children;
    if (GDir* dir = g_dir_open("/proc", 0, nullptr)) {
        while (const gchar* entry = g_dir_read_name(dir)) {
            if (!g_ascii_isdigit(entry[0])) continue;
            gchar* stat = nullptr;
            if (!g_file_get_contents((std::string("/proc/") + entry + "/stat").c_str(), &stat, nullptr, nullptr))
                continue;
            // "pid (comm) state ppid ...": the name may hold blanks and parentheses.
            const char* close = strrchr(stat, ')');
            int parent = 0;
            char state = 0;
            if (close && sscanf(close + 1, " %c %d", &state, &parent) == 2)
                children.emplace(parent, static_cast<pid_t>(atoi(entry)));
            g_free(stat);
        }
        g_dir_close(dir);
    }
    std::vector<pid_t> out;
    std::vector<pid_t> pending{root};
    while (!pending.empty()) {
        pid_t p = pending.back();
        pending.pop_back();
        auto [from, to] = children.equal_range(p);
        for (auto it = from; it != to; ++it) {
            out.push_back(it->second);
            pending.push_back(it->second);
        }
    }
    return out;
}

// A process that is no more, or a zombie whose parent has yet to reap it.
bool gone(pid_t pid) {
    if (kill(pid, 0) != 0) return true;
    gchar* stat = nullptr;
    if (!g_file_get_contents(("/proc/" + std::to_string(pid) + "/stat").c_str(), &stat, nullptr, nullptr)) return true;
    const char* close = strrchr(stat, ')');
    bool zombie = close && close[1] == ' ' && close[2] == 'Z';
    g_free(stat);
    return zombie;
}

// Our child, reaped: waits up to `microseconds`; true when it ended.
bool reaped(pid_t pid, gint64 microseconds) {
    const gint64 until = g_get_monotonic_time() + microseconds;
    while (true) {
        int status = 0;
        pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid || (r < 0 && errno == ECHILD)) return true;
        if (g_get_monotonic_time() >= until) return false;
        g_usleep(10000);
    }
}

bool vanished(pid_t pid, gint64 microseconds) {
    const gint64 until = g_get_monotonic_time() + microseconds;
    while (!gone(pid)) {
        if (g_get_monotonic_time() >= until) return false;
        g_usleep(10000);
    }
    return true;
}

constexpr gint64 kGrace = 3 * G_USEC_PER_SEC;

// The tunnels running now, stopped when the process exits normally.
struct Running {
    std::mutex mutex;
    std::set<Tunnel*> tunnels;
};
Running& running() {
    // Never destroyed: the exit handler may run after static destructors.
    static Running* r = new Running();
    return *r;
}
void stop_running_tunnels() {
    std::vector<Tunnel*> all;
    {
        std::lock_guard lock(running().mutex);
        all.assign(running().tunnels.begin(), running().tunnels.end());
    }
    for (Tunnel* t : all) t->stop();
}

gobj::Error port_error(const char* name, gint port) {
    return gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_ARGUMENT,
                       gobj::take_string(g_strdup_printf(_("\"%s\" %d is not a port: it must be 1 to 65535"), name,
                                                         port)));
}

}  // namespace

// ---------------------------------------------------------------- arguments and ports

std::string tunnel_forward(const TunnelSettings& s, gint local_port) {
    return gobj::take_string(g_strdup_printf("127.0.0.1:%u:%s:%u", static_cast<guint>(local_port), s.host.c_str(),
                                             static_cast<guint>(s.port)));
}

bool tunnel_uses_plink(const TunnelSettings& s) {
    if (!s.process) {
        g_critical("%s: assertion '%s' failed", G_STRFUNC, "self != NULL");
        return false;
    }
    return s.process->find("plink") != std::string::npos;
}

std::vector<std::string> tunnel_arguments(const TunnelSettings& s, gint local_port,
                                          const std::string& password_file) {
    std::string process = s.process.value_or("");
    std::string ssh_port = std::to_string(static_cast<guint>(s.ssh_port));
    std::string forward = tunnel_forward(s, local_port);
    if (tunnel_uses_plink(s))
        return {process, s.host, "-P", ssh_port, "-l", s.username, "-pwfile", password_file, "-N", "-L", forward};
    return {"sshpass", "-e", process, s.host, "-p", ssh_port, "-l", s.username, "-L", forward,
            "-N", "-o", "ExitOnForwardFailure=yes"};
}

void check_tunnel_ports(const TunnelSettings& s) {
    if (s.port < 1 || s.port > 65535) throw port_error("port", s.port);
    if (s.ssh_port < 1 || s.ssh_port > 65535) throw port_error("ssh-port", s.ssh_port);
}

gint choose_local_port(gint port) {
    const gint preferred = port + kForwardOffset;
    if (preferred <= 65535 && bind_loopback(preferred) == preferred) return preferred;
    gint any = bind_loopback(0);
    if (any == 0) throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, _("no free port on 127.0.0.1 for the SSH tunnel"));
    return any;
}

// ---------------------------------------------------------------- a running tunnel

Tunnel::Tunnel(GPid pid, gint local_port) : pid_(pid), local_port_(local_port) {
    if (pid_ <= 0) return;
    static std::once_flag at_exit;
    std::call_once(at_exit, [] { std::atexit(&stop_running_tunnels); });
    std::lock_guard lock(running().mutex);
    running().tunnels.insert(this);
}

Tunnel::~Tunnel() { stop(); }

void Tunnel::forget() {
    std::lock_guard lock(running().mutex);
    running().tunnels.erase(this);
    pid_ = 0;
}

void Tunnel::stop() {
    if (pid_ <= 0) return;
    const GPid pid = pid_;
    forget();
    // sshpass runs the client in a session of its own: it is found as a descendant.
    std::vector<pid_t> family = descendants(pid);
    kill(-pid, SIGTERM);
    kill(pid, SIGTERM);
    for (pid_t p : family) kill(p, SIGTERM);
    if (!reaped(pid, kGrace)) {
        kill(-pid, SIGKILL);
        kill(pid, SIGKILL);
        reaped(pid, kGrace);
    }
    for (pid_t p : family) {
        if (vanished(p, kGrace)) continue;
        kill(p, SIGKILL);
        vanished(p, kGrace);
    }
    tlog_debug("ssh tunnel on 127.0.0.1:%d stopped", local_port_);
}

// ---------------------------------------------------------------- launch

std::unique_ptr<Tunnel> launch_ssh_tunnel(const TunnelSettings& s, const char* uuid, guint timeout_seconds) {
    tlog_debug("launch ssh tunnel......");
    check_tunnel_ports(s);
    const gint local_port = choose_local_port(s.port);
    bool plink = tunnel_uses_plink(s);
    std::optional<PasswordFile> file;
    if (plink) file.emplace(s.password);
    std::vector<std::string> args = tunnel_arguments(s, local_port, file ? file->path() : std::string());

    std::vector<gchar*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    gobj::Owned<gchar*, &g_strfreev> envp(g_get_environ());
    if (!plink) envp.reset(g_environ_setenv(envp.release(), "SSHPASS", s.password.c_str(), TRUE));

    Diagnostics diagnostics;
    GPid pid = 0;
    GError* error = nullptr;
    auto flags = GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_STDIN_FROM_DEV_NULL |
                             G_SPAWN_STDOUT_TO_DEV_NULL | (diagnostics.fd() < 0 ? G_SPAWN_STDERR_TO_DEV_NULL : 0));
    if (!g_spawn_async_with_fds(nullptr, argv.data(), envp.get(), flags, &own_session, nullptr, &pid, -1, -1,
                                diagnostics.fd(), &error))
        gobj::check(error);
    auto tunnel = std::make_unique<Tunnel>(pid, local_port);

    const gint64 until = g_get_monotonic_time() + gint64(timeout_seconds) * G_USEC_PER_SEC;
    while (true) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            // Returned: with success, the program has left the forward to a process of its own.
            tunnel->forget();
            GError* failed = nullptr;
            if (g_spawn_check_wait_status(status, &failed)) break;
            LoggingService::error(uuid, "%s", "Failed to lauch ssh tunnel.");
            gobj::Error e(failed);
            std::string message = e.domain() == G_SPAWN_EXIT_ERROR
                                      ? gobj::take_string(g_strdup_printf(_("%s exited with status %d"),
                                                                          args[0].c_str(), e.code()))
                                      : args[0] + ": " + e.message();
            std::string said = diagnostics.text();
            if (!said.empty()) message += ": " + said;
            throw gobj::Error(e.domain(), e.code(), message);
        }
        if (accepts_connections(local_port)) break;
        if (g_get_monotonic_time() >= until) {
            tunnel->stop();
            LoggingService::error(uuid, "%s", "Failed to lauch ssh tunnel.");
            std::string message = gobj::take_string(g_strdup_printf(
                _("%s did not forward 127.0.0.1:%d within %u seconds"), args[0].c_str(), local_port, timeout_seconds));
            std::string said = diagnostics.text();
            if (!said.empty()) message += ": " + said;
            throw gobj::Error(G_IO_ERROR, G_IO_ERROR_TIMED_OUT, message);
        }
        g_usleep(20000);
    }
    LoggingService::message(uuid, "%s", "Lauch ssh tunnel successfully.");
    return tunnel;
}

}  // namespace tarvelin::rezezadovu::supports::database
