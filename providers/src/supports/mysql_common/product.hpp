// What tells the MySQL driver from its MariaDB twin. Both run the same code over
// MariaDB Connector/C; each product hands its own description to that code.
#pragma once

#include <glib-object.h>

namespace tarvelin::providers::supports::mysql_common {

struct Product {
    // Error domain of every error the driver raises ("MySQL", "MariaDB").
    const char* domain;
    // The reader class the provider hands out and fills its tables with.
    GType (*reader_type)();
    // Opening: the "program_name" connection attribute and the TLS version list.
    bool announce_program;
    bool tls_versions;
    // Client flags added to the common set (CLIENT_PROTOCOL_41 for MariaDB) and
    // whether CLIENT_SSL joins them when TLS is asked for.
    unsigned long extra_client_flags;
    bool ssl_client_flag;
    // A second connect with "utf8" when the server cannot load "utf8mb4", a
    // "SET NAMES" statement once connected, and no servers older than 4.1.
    bool charset_fallback;
};

}  // namespace tarvelin::providers::supports::mysql_common
