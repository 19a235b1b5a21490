// The browse lists of servers of major version 10 and below: twelve listings whose
// queries leave out catalogue columns those servers do not have, and the matching
// titles. Everything else, the version gate of sequences included, is the plain
// explorer's. Thread-safe as the plain explorer.
#pragma once

#include "rezezadovu/supports/database/sqlserver/explorer.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLServerExplorerV10x : public SQLServerExplorer {
public:
    static GType gtype();
    static gobj::Ref<SQLServerExplorerV10x> create(GType type, CConnection* conn);

    gobj::Ref<TableModel> load_tables(const char* schema) override;
    gobj::Ref<TableModel> load_routines(const char* schema) override;
    gobj::Ref<TableModel> load_functions(const char* schema) override;
    gobj::Ref<TableModel> load_procedures(const char* schema) override;
    gobj::Ref<TableModel> load_roles_server(const char* schema) override;
    gobj::Ref<TableModel> load_roles_database(const char* schema) override;
    gobj::Ref<TableModel> load_roles_application(const char* schema) override;
    gobj::Ref<TableModel> load_tablespaces(const char* schema) override;
    gobj::Ref<TableModel> load_servers(const char* schema) override;
    gobj::Ref<TableModel> load_statisticses(const char* schema) override;
    gobj::Ref<TableModel> load_partition_function(const char* schema) override;
    gobj::Ref<TableModel> load_partition_scheme(const char* schema) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x,
                     tarvelin::rezezadovu::supports::database::SQLServerExplorerV10x)
