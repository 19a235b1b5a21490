#include "servers.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace tarvelin::test {

namespace {

std::optional<std::string> env(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

std::string env_or_empty(const char* name) { return env(name).value_or(std::string()); }

int parse_port(const char* name, const std::string& text) {
    int port = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, port);
    if (error != std::errc() || stop != end || port < 1 || port > 65535)
        throw std::invalid_argument(std::string(name) + " is not a port number: \"" + text + "\"");
    return port;
}

// Host and port, when both variables are set and not empty.
std::optional<std::pair<std::string, int>> endpoint(const char* host_name, const char* port_name) {
    auto host = env(host_name);
    auto port = env(port_name);
    if (!host || host->empty() || !port || port->empty())
        return std::nullopt;
    return std::make_pair(*host, parse_port(port_name, *port));
}

}  // namespace

std::optional<PgAddress> pg_server() {
    auto at = endpoint("TARVELIN_PG_HOST", "TARVELIN_PG_PORT");
    if (!at)
        return std::nullopt;
    PgAddress a;
    a.host = at->first;
    a.port = at->second;
    a.user = env_or_empty("TARVELIN_PG_USER");
    a.password = env_or_empty("TARVELIN_PG_PASSWORD");
    a.database = env_or_empty("TARVELIN_PG_DATABASE");
    a.superuser = env("TARVELIN_PG_SUPERUSER").value_or("postgres");
    return a;
}

std::optional<SshAddress> ssh_server() {
    auto at = endpoint("TARVELIN_SSH_HOST", "TARVELIN_SSH_PORT");
    if (!at)
        return std::nullopt;
    SshAddress a;
    a.host = at->first;
    a.port = at->second;
    a.user = env_or_empty("TARVELIN_SSH_USER");
    a.password = env_or_empty("TARVELIN_SSH_PASSWORD");
    a.known_hosts = env_or_empty("TARVELIN_SSH_KNOWN_HOSTS");
    return a;
}

std::optional<MysqlAddress> mysql_server() {
    auto at = endpoint("TARVELIN_MYSQL_HOST", "TARVELIN_MYSQL_PORT");
    if (!at)
        return std::nullopt;
    MysqlAddress a;
    a.host = at->first;
    a.port = at->second;
    a.user = env_or_empty("TARVELIN_MYSQL_USER");
    a.password = env_or_empty("TARVELIN_MYSQL_PASSWORD");
    a.database = env_or_empty("TARVELIN_MYSQL_DATABASE");
    a.tls_user = env_or_empty("TARVELIN_MYSQL_TLS_USER");
    a.tls_password = env_or_empty("TARVELIN_MYSQL_TLS_PASSWORD");
    a.ca = env_or_empty("TARVELIN_MYSQL_CA");
    a.cert = env_or_empty("TARVELIN_MYSQL_CERT");
    a.key = env_or_empty("TARVELIN_MYSQL_KEY");
    a.key_encrypted = env_or_empty("TARVELIN_MYSQL_KEY_ENCRYPTED");
    a.key_passphrase = env_or_empty("TARVELIN_MYSQL_KEY_PASSPHRASE");
    return a;
}

std::optional<RedisAddress> redis_server() {
    auto at = endpoint("TARVELIN_REDIS_HOST", "TARVELIN_REDIS_PORT");
    if (!at)
        return std::nullopt;
    return RedisAddress{at->first, at->second};
}

int closed_port() {
    if (auto text = env("TARVELIN_CLOSED_PORT"); text && !text->empty())
        return parse_port("TARVELIN_CLOSED_PORT", *text);
    // Bind to an ephemeral port and close it without listening: nothing answers there
    // until the system hands the port out again, which takes a long walk round its range.
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(), "socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        int error = errno;
        ::close(fd);
        throw std::system_error(error, std::generic_category(), "bind to a loopback port");
    }
    ::close(fd);
    return ntohs(address.sin_port);
}

bool ci() {
    auto value = env("CI");
    return value && *value == "true";
}

std::string server_missing_message(const std::string& server) {
    return server + " test server not given: run `eval \"$(sudo scripts/test-servers start)\"` "
           "first, or use scripts/run-tests";
}

}  // namespace tarvelin::test
