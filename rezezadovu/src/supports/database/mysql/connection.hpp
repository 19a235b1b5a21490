// The connection a host creates to work with a MySQL server: ConnectionImpl over the
// MySQL driver, handing out the MySQL statement, catalogue reader, builder, explorer and
// inspector. After every successful open it reads the server's version and replaces its
// catalogue reader: a version text beginning "5." gets MySQLAdapterV5x, any other text
// (8.x, 9.x, MariaDB's "10.11.6-MariaDB", "") MySQLAdapterV8x.
//
// Thread-safe as ConnectionImpl: the dialect objects are made and the reader replaced
// under its mutex, so an asynchronous open may replace the reader while the host holds
// the previous one (its own reference keeps it valid).
#pragma once

#include <tarvelin/rezezadovu/mysql.h>

#include "rezezadovu/supports/database/connection_impl.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLConnection : public ConnectionImpl {
public:
    static GType gtype();
    // A new connection of `type` (this class or a subclass) with its provider.
    static gobj::Ref<MySQLConnection> create(GType type = gtype());

    // The provider is made here, so that g_object_new of the type gives a working
    // connection as well as the constructor functions.
    void constructed() override;

    // The 8.x reader until a version has been read, then the reader chosen for it.
    gobj::Ref<IAdaptable> adapter() override;
    gobj::Ref<IBuildable> builder() override;
    gobj::Ref<IExplorable> explorer() override;
    gobj::Ref<IInspectable> inspector() override;
    gobj::Ref<IStatement> statement() override;
    // "select version();" through execute_as_scalar; a failure is thrown and leaves the
    // version text and the reader as they were. Logs "update_version: <text>".
    void update_version() override;

    // True for a version text that selects the 5.x reader.
    static bool is_5x(const std::string& version);

protected:
    CSelf* self_c();
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLConnection,
                     tarvelin::rezezadovu::supports::database::MySQLConnection)
