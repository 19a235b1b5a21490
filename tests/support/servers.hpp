// Addresses of the servers the tests talk to, taken from the environment that
// `scripts/test-servers start` exports (TARVELIN_PG_*, TARVELIN_MYSQL_*, TARVELIN_REDIS_*,
// TARVELIN_SSH_*).
//
//   TEST(PostgresqlProvider, Opens) {
//       auto pg = tarvelin::test::pg_server();
//       TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
//       connect(pg->host, pg->port, ...);
//   }
//
// A server that was not given skips the test locally, but fails it under CI (CI=true):
// there, a missing server is a broken setup, not a reason to pass.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tarvelin::test {

struct PgAddress {
    std::string host;
    int port = 0;
    std::string user, password, database;
    std::string superuser;  // trusted without a password on the test server
};

struct MysqlAddress {
    std::string host;
    int port = 0;
    std::string user, password, database;
    // An account that must connect over TLS, and the files to do it with.
    std::string tls_user, tls_password;
    std::string ca, cert, key;
    std::string key_encrypted, key_passphrase;  // the same key, encrypted with the passphrase
};

struct RedisAddress {
    std::string host;
    int port = 0;
};

// An SSH server that takes password logins and forwards to the MySQL-family server only.
struct SshAddress {
    std::string host;
    int port = 0;
    std::string user, password;
    std::string known_hosts;  // the server's host key, for the client's check
};

// Each is empty unless the server's host and port variables are set. A port that is
// not a number in 1..65535 throws std::invalid_argument (a broken setup must not skip).
std::optional<PgAddress> pg_server();
std::optional<MysqlAddress> mysql_server();
std::optional<RedisAddress> redis_server();
std::optional<SshAddress> ssh_server();

// A loopback port with nothing listening, for connection-refused cases:
// TARVELIN_CLOSED_PORT, or else a port the system just handed out and took back.
int closed_port();

// True when the environment variable CI is "true".
bool ci();

// The text of a skip or failure for a server that was not given.
std::string server_missing_message(const std::string& server);

}  // namespace tarvelin::test

// Skips (locally) or fails (under CI) the current test when `address` is empty, and
// returns from the enclosing void function: use it in a TEST body or a fixture's SetUp().
// The failure is a fatal one so that, from SetUp(), the test body does not run either.
#define TARVELIN_REQUIRE_SERVER(address, server)                                         \
    do {                                                                                 \
        if (!(address)) {                                                                \
            if (::tarvelin::test::ci())                                                  \
                GTEST_FAIL() << ::tarvelin::test::server_missing_message(server);        \
            GTEST_SKIP() << ::tarvelin::test::server_missing_message(server);            \
        }                                                                                \
    } while (false)
