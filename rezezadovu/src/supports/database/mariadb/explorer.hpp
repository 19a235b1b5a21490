// The MariaDB browse lists: one catalogue query per kind of object in one schema, run
// synchronously through the connection, whose result keeps the driver's columns and gets
// translated column titles. Databases get a comment column from 10.5.0 on (the version
// test of MariaDBConnection, against the connection's version text at each call);
// packages and sequences have lists of their own; a kind without a listing gives an
// empty table. The schema goes into the queries as a quoted value; query failures are
// passed on unchanged.
//
// Callers serialise: it uses its connection from the caller's thread.
#pragma once

#include <tarvelin/rezezadovu/mariadb.h>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MariaDBExplorer : public gobj::Object,
                                        public contracts::database::IExplorable,
                                        public ConnectionLink {
public:
    static GType gtype();
    static gobj::Ref<MariaDBExplorer> create(GType type, CConnection* conn);

    // database and extra_data are required but not read.
    gobj::Ref<TableModel> load_objects(DBObject kind, const char* database, const char* schema,
                                       const char* extra_data) override;
    // Tests its arguments and does nothing.
    void exec_command(DBObject kind, const char* database, const char* schema, const char* object,
                      const char* extra_data, const char* command) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBExplorer,
                     tarvelin::rezezadovu::supports::database::MariaDBExplorer)
