// The SQLite browse lists: one table model per kind of catalogue object (the database,
// its schemas, and a schema's tables, views, indexes and triggers) with translated column
// titles; an empty model for other kinds. Queries run synchronously through the
// connection; their failures are passed on.
//
// Callers serialise: it uses its connection from the caller's thread.
#pragma once

#include <tarvelin/rezezadovu/sqlite.h>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLiteExplorer : public gobj::Object,
                                       public contracts::database::IExplorable,
                                       public ConnectionLink {
public:
    static GType gtype();
    static gobj::Ref<SQLiteExplorer> create(GType type, CConnection* conn);

    // An empty schema means "main"; database and extra_data are required but not read.
    gobj::Ref<TableModel> load_objects(DBObject kind, const char* database, const char* schema,
                                       const char* extra_data) override;
    // Tests its arguments and does nothing.
    void exec_command(DBObject kind, const char* database, const char* schema, const char* object,
                      const char* extra_data, const char* command) override;

private:
    gobj::Ref<TableModel> databases();
    gobj::Ref<TableModel> schemas();
    gobj::Ref<TableModel> triggers(const std::string& schema);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteExplorer,
                     tarvelin::rezezadovu::supports::database::SQLiteExplorer)
