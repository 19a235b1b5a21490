// A host that opens a MariaDB connection over the test SSH server, keeps it, and exits
// normally without closing it: its tunnel must end with the process all the same.
// Usage: tunnel_host <ssh-process>. Prints "opened" once the connection answers, then
// exits when a line arrives on standard input (or it ends).
#include <tarvelin/rezezadovu/mariadb.h>
#include <tarvelin/rezezadovu/rezezadovu.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "live_tunnel.hpp"
#include "support/facade_log.hpp"

namespace {
// Still referenced at exit: nothing finalises the connection before the process ends.
GObject* kept = nullptr;
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    auto ssh = tarvelin::test::ssh_server();
    auto db = tarvelin::test::mysql_server();
    if (!ssh || !db) return 3;
    // Logging set up as a host does.
    tarvelin::test::FacadeLog log;
    auto* record = tarvelin::test::live_record(*ssh, *db, argv[1]);
    kept = G_OBJECT(tarvelin_rezezadovu_supports_database_maria_db_connection_new());
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(
        reinterpret_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(kept), record, nullptr, &error);
    g_object_unref(record);
    if (error) {
        std::fprintf(stderr, "%s\n", error->message);
        g_error_free(error);
        return 1;
    }
    std::printf("opened\n");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    return 0;
}
