// The PostgreSQL connection: a ConnectionImpl over the PostgreSQL provider, which it owns
// from construction on. It hands out the dialect's statement texts, catalogue reader and
// inspector, each made on first request and kept; after every successful open it reads
// the server version and replaces its reader with the one that suits it ("12." V12x,
// "9." V9x, anything else V11x).
//
// The DDL builder and the browse-list explorer are not part of the dialect yet: builder()
// and explorer() are the base's and give none.
//
// Thread-safe as ConnectionImpl: the dialect objects are made and replaced under its mutex.
#pragma once

#include <tarvelin/rezezadovu/postgresql.h>

#include "rezezadovu/supports/database/connection_impl.hpp"

namespace tarvelin::rezezadovu::supports::database::postgresql {

class TARVELIN_EXPORT PostgreSQLConnection : public ConnectionImpl {
public:
    static GType gtype();
    // A connection of `type` holding a new, unopened PostgreSQL provider.
    static gobj::Ref<PostgreSQLConnection> create(GType type = gtype());

    gobj::Ref<IAdaptable> adapter() override;
    gobj::Ref<IInspectable> inspector() override;
    gobj::Ref<IStatement> statement() override;
    // Runs "SHOW SERVER_VERSION;", keeps the text, logs it and the reader chosen for it.
    // A failing query is thrown as the provider gave it; version and reader stay as they were.
    void update_version() override;

protected:
    // This connection as its contract's C instance, for the objects it links to itself.
    TarvelinRezezadovuContractsDatabaseIConnection* self_link() const {
        return reinterpret_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(gobj());
    }
};

}  // namespace tarvelin::rezezadovu::supports::database::postgresql

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLConnection,
                     tarvelin::rezezadovu::supports::database::postgresql::PostgreSQLConnection)
