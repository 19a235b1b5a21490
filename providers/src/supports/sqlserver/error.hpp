// Access to a connection's TdsUserData, and the "TDSDB" error a failing db-lib call
// stands for.
#pragma once

#include <tarvelin/providers/sqlserver.h>

#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/property.hpp"
#include "providers/gobj/slot.hpp"
#include "providers/supports/sqlserver/tds_user_data.hpp"

namespace tarvelin::providers::supports::sqlserver {

// db-lib's return codes that mean failure.
inline constexpr int kDbFail = 0;
inline constexpr int kDbBufFull = -3;

// The error db-lib itself reports for a missing connection (SYBENULL). Raised before
// calling db-lib without one: handed NULL, db-lib calls the error handler with NULL,
// which can reach no queue.
[[noreturn]] TARVELIN_EXPORT void raise_no_connection();

class TARVELIN_EXPORT ISQLServerError : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersSupportsISQLServerErrorInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<ISQLServerError>& spec);

    // Not owned; may be null.
    virtual TdsUserData* get_userdata() = 0;

    // Throws the "TDSDB" error of a failing return code (FAIL or BUF_FULL).
    void raise_error(int code) { raise_error_for(get_userdata(), code); }
    // The same for a given state (null when there is none).
    static void raise_error_for(const TdsUserData* data, int code);
    // The same for the state of any instance of the interface, ours or a host's.
    static void raise_error_of(gpointer instance, int code);

    template <class T>
    static void fill(Vtable* vt) {
        vt->get_userdata = gobj::slot<T, &ISQLServerError::get_userdata>(vt->get_userdata);
    }
};

}  // namespace tarvelin::providers::supports::sqlserver

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsISQLServerErrorInterface,
                     tarvelin::providers::supports::sqlserver::ISQLServerError)
