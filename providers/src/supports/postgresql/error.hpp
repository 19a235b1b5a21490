// Turns libpq connection and result states into the driver's error records
// (domain "PostgreSQL").
#pragma once

#include <tarvelin/providers/postgresql.h>

#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::postgresql {

inline constexpr const char* kDomain = "PostgreSQL";

class TARVELIN_EXPORT IPostgreSQLError : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsIPostgreSQLErrorInterface;
    static GType gtype();

    // -1 "<status> : <message>" unless the connection is CONNECTION_OK.
    static void raise_error_connection(const PGconn* connection);
    // -2 "<status name> : <message>" unless the status is COMMAND_OK, TUPLES_OK or
    // SINGLE_TUPLE. A missing result counts as FATAL_ERROR; its reason is then the
    // connection's message, when a connection is given.
    static void raise_error_result(const PGresult* result, const PGconn* connection);
    // The same without a connection to ask.
    static void raise_result_error(const PGresult* result) { raise_error_result(result, nullptr); }
};

}  // namespace tarvelin::providers::supports::postgresql
