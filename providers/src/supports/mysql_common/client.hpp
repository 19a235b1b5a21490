// The client library: process-wide set-up, connection parameters, and opening a
// handle with the driver's fixed options.
#pragma once

#include <mysql.h>

#include <string>

#include "providers/gobj/args.hpp"
#include "providers/supports/mysql_common/product.hpp"

namespace tarvelin::providers::supports::mysql_common {

// Initialises the library for the process, once; later calls do nothing.
TARVELIN_EXPORT void init_library();

using ResultPtr = gobj::Owned<MYSQL_RES, &mysql_free_result>;

// What a server record says about reaching the server.
struct TARVELIN_EXPORT ConnectParams {
    std::string host;
    int port = 0;
    std::string username;
    std::string password;
    std::string initial;
    bool ssl_using = false;
    std::string ssl_key_file;
    std::string ssl_cert_file;
    std::string ssl_ca_file;
    std::string ssl_password;  // pass phrase of the client key

    // Reads the properties of a server record.
    static ConnectParams from_server(GObject* server);
    // The database to open: "initial", or "mysql" without one.
    std::string database() const { return initial.empty() ? std::string("mysql") : initial; }
};

// The client flags of a connect.
TARVELIN_EXPORT unsigned long client_flags(const Product& product, const ConnectParams& params);

// Sets the options and the TLS files on a fresh handle; throws the first failure.
TARVELIN_EXPORT void configure(const Product& product, MYSQL* handle, const ConnectParams& params);

// Connects a configured handle; returns the character set in use ("utf8mb4", or
// "utf8" after the product's fall-back connect). Throws on failure.
TARVELIN_EXPORT const char* connect(const Product& product, MYSQL* handle, const ConnectParams& params);

}  // namespace tarvelin::providers::supports::mysql_common
