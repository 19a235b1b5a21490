// The PostgreSQL connection: a ConnectionImpl over the PostgreSQL provider, which it owns
// from construction on. It hands out the dialect's statement texts, catalogue reader and
// inspector, DDL builder and browse-list explorer, each made on first request and kept;
// after every successful open it reads the server version and replaces its reader with
// the one that suits it ("12." V12x, "9." V9x, anything else V11x).
//
// Thread-safe as ConnectionImpl: the dialect objects are made and replaced under its mutex.
#pragma once

#include <tarvelin/rezezadovu/postgresql.h>

#include <string>

#include "rezezadovu/supports/database/connection_impl.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT PostgreSQLConnection : public ConnectionImpl {
public:
    static GType gtype();
    // A connection of `type` holding a new, unopened PostgreSQL provider.
    static gobj::Ref<PostgreSQLConnection> create(GType type = gtype());

    gobj::Ref<IAdaptable> adapter() override;
    gobj::Ref<IBuildable> builder() override;
    gobj::Ref<IExplorable> explorer() override;
    gobj::Ref<IInspectable> inspector() override;
    gobj::Ref<IStatement> statement() override;
    // Runs "SHOW SERVER_VERSION;", keeps the text, logs it and the reader chosen for it.
    // A failing query is thrown as the provider gave it; version and reader stay as they were.
    void update_version() override;

    // What the dialect's objects reach through the connection they were made for (any
    // IConnection, a host's too). `require` throws once the connection is gone.
    static gobj::Ref<IConnection> require(const ConnectionLink& link);
    // The rows of `sql` (synchronous model execution); errors are thrown as the driver
    // gave them.
    static gobj::Ref<providers::contracts::TableModel> model_of(const ConnectionLink& link, const std::string& sql);
    // The connection's version text; "" once it is gone.
    static std::string version_of(const ConnectionLink& link);
    static gobj::Ref<IInspectable> inspector_of(const ConnectionLink& link);
    static gobj::Ref<IStatement> statement_of(const ConnectionLink& link);

protected:
    // This connection as its contract's C instance, for the objects it links to itself.
    TarvelinRezezadovuContractsDatabaseIConnection* self_link() const {
        return reinterpret_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(gobj());
    }
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLConnection,
                     tarvelin::rezezadovu::supports::database::PostgreSQLConnection)
