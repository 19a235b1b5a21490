// The connection a host creates to work on an SQLite database file: ConnectionImpl over
// the SQLite driver, handing out the SQLite statement, adapter, builder, explorer and
// inspector, and reading the library's version after each open.
//
// Thread-safe as ConnectionImpl: the dialect objects are made under its mutex.
#pragma once

#include <tarvelin/rezezadovu/sqlite.h>

#include "rezezadovu/supports/database/connection_impl.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLiteConnection : public ConnectionImpl {
public:
    static GType gtype();
    // A new connection of `type` (this class or a host's subclass) with its provider.
    static gobj::Ref<SQLiteConnection> create(GType type = gtype());

    // The provider is made here, so that g_object_new of the type gives a working
    // connection as well as the constructor functions.
    void constructed() override;

    gobj::Ref<IAdaptable> adapter() override;
    gobj::Ref<IBuildable> builder() override;
    gobj::Ref<IExplorable> explorer() override;
    gobj::Ref<IInspectable> inspector() override;
    gobj::Ref<IStatement> statement() override;
    // "SELECT sqlite_version();" through execute_as_scalar; a failure is thrown and leaves
    // the version text as it was.
    void update_version() override;

private:
    CSelf* self_c();
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteConnection,
                     tarvelin::rezezadovu::supports::database::SQLiteConnection)
