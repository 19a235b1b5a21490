// Turns SQLite result codes into the driver's error records (domain "SQLite").
#pragma once

#include <tarvelin/providers/sqlite.h>

#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"

namespace tarvelin::providers::supports::sqlite {

inline constexpr const char* kDomain = "SQLite";

class TARVELIN_EXPORT ISQLiteError : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsISQLiteErrorInterface;
    static GType gtype();

    // OK, ROW and DONE pass; any other code throws the connection's latest code and
    // message. When the connection did not record the failure (some extension calls
    // return a code without setting it), the code passed in and its text are used, so
    // a failure never reads "not an error".
    static void raise_error(sqlite3* database, int result);
    // The error of an operation on a provider that holds no database handle.
    [[noreturn]] static void raise_not_open();
};

}  // namespace tarvelin::providers::supports::sqlite
