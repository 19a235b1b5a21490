// The connection a host creates to work with a MariaDB server: ConnectionImpl over the
// MariaDB driver, handing out the MariaDB statement, catalogue reader, builder, explorer
// and inspector. After every successful open it reads the server's version and replaces
// its catalogue reader: MariaDBAdapter from 10.5.0 on, MariaDBAdapterBelowV105 before
// (and for a version text without numbers).
//
// Thread-safe as ConnectionImpl: the dialect objects are made and the reader replaced
// under its mutex, so an asynchronous open may replace the reader while the host holds
// the previous one (its own reference keeps it valid).
#pragma once

#include <tarvelin/rezezadovu/mariadb.h>

#include "rezezadovu/supports/database/connection_impl.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MariaDBConnection : public ConnectionImpl {
public:
    static GType gtype();
    // A new connection of `type` (this class or a subclass) with its provider.
    static gobj::Ref<MariaDBConnection> create(GType type = gtype());

    // The provider is made here, so that g_object_new of the type gives a working
    // connection as well as the constructor functions.
    void constructed() override;

    // MariaDBAdapter until a version has been read, then the reader chosen for it.
    gobj::Ref<IAdaptable> adapter() override;
    gobj::Ref<IBuildable> builder() override;
    gobj::Ref<IExplorable> explorer() override;
    gobj::Ref<IInspectable> inspector() override;
    gobj::Ref<IStatement> statement() override;
    // "select version();" through execute_as_scalar; a failure is thrown and leaves the
    // version text and the reader as they were. Logs "update_version: <text>".
    void update_version() override;

    // True when the leading numbers major.minor.patch of a version text ("10.11.6-MariaDB")
    // are 10.5.0 or more; missing minor or patch numbers count as 0, and a text that does
    // not begin with a number counts as older. Compared as numbers, not bytes: bytewise
    // "10.11" sorts before "10.5" and "5.5" after it.
    static bool from_10_5(std::string_view version);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBConnection,
                     tarvelin::rezezadovu::supports::database::MariaDBConnection)
