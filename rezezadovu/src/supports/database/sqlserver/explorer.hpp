// The SQL Server browse lists (IExplorable): for one object kind a result table with one
// row per object and translated column titles, and the one object command of the
// dialect (enabling or disabling a login). Each of the 26 listings is a virtual of its
// own, so the older servers' explorer replaces only the queries those servers lack
// columns for.
//
// Every query runs through the connection's synchronous model execution on the caller's
// thread; the explorer holds its connection weakly and keeps no other state.
// Thread-safe as far as the connection is.
#pragma once

#include <tarvelin/rezezadovu/sqlserver.h>

#include <string>
#include <vector>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLServerExplorer : public gobj::Object,
                                          public contracts::database::IExplorable,
                                          public ConnectionLink {
public:
    using TableModel = providers::contracts::TableModel;
    using DBObject = providers::contracts::DBObject;

    // A listing: its query (a "%s" takes the schema) and its column titles, untranslated.
    struct Listing {
        std::string query;
        std::vector<const char*> titles;
    };

    static GType gtype();
    static gobj::Ref<SQLServerExplorer> create(GType type, CConnection* conn);

    // The listing of `kind` (for roles and users chosen by the extra data, exactly); a new
    // empty table for a kind without one, and for sequences on servers before version 11.
    gobj::Ref<TableModel> load_objects(DBObject kind, const char* database, const char* schema,
                                       const char* extra_data) override;
    // ALTER LOGIN [name] ENABLE or DISABLE for a user with the extra data "server" and the
    // command "enable" or "disable"; every other combination does nothing.
    void exec_command(DBObject kind, const char* database, const char* schema, const char* object,
                      const char* extra_data, const char* command) override;

    // The listings: each requires the schema, also where its query does not use it.
    virtual gobj::Ref<TableModel> load_tables(const char* schema);
    virtual gobj::Ref<TableModel> load_views(const char* schema);
    virtual gobj::Ref<TableModel> load_routines(const char* schema);
    virtual gobj::Ref<TableModel> load_functions(const char* schema);
    virtual gobj::Ref<TableModel> load_procedures(const char* schema);
    virtual gobj::Ref<TableModel> load_indexes(const char* schema);
    virtual gobj::Ref<TableModel> load_roles_server(const char* schema);
    virtual gobj::Ref<TableModel> load_roles_database(const char* schema);
    virtual gobj::Ref<TableModel> load_roles_application(const char* schema);
    virtual gobj::Ref<TableModel> load_logins(const char* schema);
    virtual gobj::Ref<TableModel> load_users(const char* schema);
    virtual gobj::Ref<TableModel> load_tablespaces(const char* schema);
    virtual gobj::Ref<TableModel> load_events(const char* schema);
    virtual gobj::Ref<TableModel> load_triggers(const char* schema);
    virtual gobj::Ref<TableModel> load_databases(const char* schema);
    virtual gobj::Ref<TableModel> load_schemas(const char* schema);
    virtual gobj::Ref<TableModel> load_assemblys(const char* schema);
    virtual gobj::Ref<TableModel> load_devices(const char* schema);
    virtual gobj::Ref<TableModel> load_endpoints(const char* schema);
    virtual gobj::Ref<TableModel> load_servers(const char* schema);
    virtual gobj::Ref<TableModel> load_statisticses(const char* schema);
    virtual gobj::Ref<TableModel> load_synonyms(const char* schema);
    virtual gobj::Ref<TableModel> load_sequences(const char* schema);
    virtual gobj::Ref<TableModel> load_types(const char* schema);
    virtual gobj::Ref<TableModel> load_partition_function(const char* schema);
    virtual gobj::Ref<TableModel> load_partition_scheme(const char* schema);

protected:
    // Runs the listing's query with the schema quoted into its placeholder and titles the
    // result's columns, as many as it has; none without a schema.
    gobj::Ref<TableModel> list(const char* schema, const Listing& listing);
    // The plain listing `name` ("load_tables") with `columns` cut out of its select list
    // and `titles` out of its titles: the older servers' form of it.
    static Listing narrowed(const char* name, const char* columns, std::vector<const char*> titles);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerExplorer,
                     tarvelin::rezezadovu::supports::database::SQLServerExplorer)
