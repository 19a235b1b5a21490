// The connection a dialect object (statement, adapter, builder) was made by. The
// connection owns the object, so the object holds the connection weakly: it never keeps
// its connection alive, and once the connection is gone it finds none instead of a
// dangling pointer.
//
// A dialect class gives itself a maker and its C face, and its connection makes it on
// first request:
//
//   static gobj::Ref<SQLiteStatement> create(GType type, CConnection* connection) {
//       return create_linked<SQLiteStatement>(type, connection);
//   }
//   // sqlite/capi.cpp:
//   TarvelinRezezadovuSupportsDatabaseSQLiteStatement* tarvelin_..._sq_lite_statement_construct(
//       GType object_type, CConnection* connection) {
//       g_return_val_if_fail(connection != NULL, NULL);
//       return gobj::invoke<&SQLiteStatement::create>(G_STRFUNC, object_type, connection);
//   }
//   gobj::Ref<IStatement> SQLiteConnection::statement() {
//       return lazy(m_statement, [&] {
//           return gobj::Ref<IStatement>(SQLiteStatement::create(SQLiteStatement::gtype(), c_self()));
//       });
//   }
//
// Thread-safe: the link is set once, before the object is handed out, and read through
// GLib's weak references.
#pragma once

#include "rezezadovu/contracts/database/iconnection.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT ConnectionLink {
public:
    using IConnection = contracts::database::IConnection;
    using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

    ConnectionLink();
    ~ConnectionLink();
    ConnectionLink(const ConnectionLink&) = delete;
    ConnectionLink& operator=(const ConnectionLink&) = delete;

    // A new reference to the connection, or none once it is gone. Its operations are
    // reached with gobj::call, so a host's connection serves as well as ours.
    gobj::Ref<IConnection> connection() const;
    // Stores the connection (the constructors do this once).
    void link(CConnection* connection);

private:
    mutable GWeakRef connection_;
};

// A new object of `type` (a T or a type derived from it) linked to `connection`: what the
// construct functions of the dialect bases do. A missing connection has been refused by
// the caller.
template <class T>
gobj::Ref<T> create_linked(GType type, ConnectionLink::CConnection* connection) {
    gobj::Ref<T> made = gobj::create<T>(type);
    if (made) made->link(connection);
    return made;
}

}  // namespace tarvelin::rezezadovu::supports::database
