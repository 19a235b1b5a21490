// The test servers the benchmarks reach, as scripts/test-servers names them in the
// environment (TARVELIN_PG_HOST, ..., TARVELIN_MYSQL_HOST, ...), and opening a dialect
// connection on one.
#pragma once

#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/database.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace bench_support {

struct ServerAddress {
    std::string host, port, user, password, database;
};

// The server the variables `prefix`_HOST, _PORT, _USER, _PASSWORD and _DATABASE name; none
// without a host and a port.
inline std::optional<ServerAddress> server_address(const std::string& prefix) {
    auto get = [&](const char* key) {
        const char* v = std::getenv((prefix + "_" + key).c_str());
        return std::string(v ? v : "");
    };
    ServerAddress a{get("HOST"), get("PORT"), get("USER"), get("PASSWORD"), get("DATABASE")};
    if (a.host.empty() || a.port.empty()) return std::nullopt;
    return a;
}

// Opens `connection` on the address; a failure ends the program.
inline void open_on(TarvelinRezezadovuContractsDatabaseIConnection* connection, const ServerAddress& a) {
    auto* server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_host(server, a.host.c_str());
    tarvelin_providers_contracts_server_set_port(server, std::atoi(a.port.c_str()));
    tarvelin_providers_contracts_server_set_username(server, a.user.c_str());
    tarvelin_providers_contracts_server_set_password(server, a.password.c_str());
    tarvelin_providers_contracts_server_set_initial(server, a.database.c_str());
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(connection, server, nullptr, &error);
    g_object_unref(server);
    if (error) {
        std::fprintf(stderr, "opening %s:%s: %s\n", a.host.c_str(), a.port.c_str(), error->message);
        std::exit(1);
    }
}

// Opens `connection` on the SQLite file `filename`; a failure ends the program.
inline void open_file(TarvelinRezezadovuContractsDatabaseIConnection* connection, const std::string& filename) {
    auto* server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_filename(server, filename.c_str());
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(connection, server, nullptr, &error);
    g_object_unref(server);
    if (error) {
        std::fprintf(stderr, "opening %s: %s\n", filename.c_str(), error->message);
        std::exit(1);
    }
}

}  // namespace bench_support
