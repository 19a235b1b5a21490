#include "rezezadovu/supports/database/sqlserver/explorer_v10x.hpp"

#include "providers/gobj/i18n.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/sqlserver/catalog.hpp"

TARVELIN_LOG_TAG("explorer_10x")

namespace tarvelin::rezezadovu::supports::database {

using namespace sqlserver;
using providers::contracts::TableModel;

TARVELIN_GTYPE(SQLServerExplorerV10x, "TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x", SQLServerExplorer)

gobj::Ref<SQLServerExplorerV10x> SQLServerExplorerV10x::create(GType type, CConnection* conn) {
    return create_linked<SQLServerExplorerV10x>(type, conn);
}

// Each listing is the plain one without the catalogue columns these servers lack.

gobj::Ref<TableModel> SQLServerExplorerV10x::load_tables(const char* schema) {
    static const Listing l = narrowed("load_tables", kListTablesV10xLacks,
                                      {N_("Temp table"), N_("External")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_routines(const char* schema) {
    static const Listing l = narrowed("load_routines", kListRoutinesV10xLacks, {N_("Native compilation")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_functions(const char* schema) {
    static const Listing l = narrowed("load_functions", kListRoutinesV10xLacks, {N_("Native compilation")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_procedures(const char* schema) {
    static const Listing l = narrowed("load_procedures", kListRoutinesV10xLacks, {N_("Native compilation")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_server(const char* schema) {
    static const Listing l = narrowed("load_roles_server", kListServerRolesV10xLacks, {N_("Fixed")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_database(const char* schema) {
    static const Listing l = narrowed("load_roles_database", kListRolesV10xLacks, {N_("Fixed")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_application(const char* schema) {
    static const Listing l = narrowed("load_roles_application", kListRolesV10xLacks, {N_("Fixed")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_tablespaces(const char* schema) {
    static const Listing l = narrowed("load_tablespaces", kListTablespacesV10xLacks, {N_("System")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_servers(const char* schema) {
    static const Listing l = narrowed("load_servers", kListServersV10xLacks, {N_("System")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_statisticses(const char* schema) {
    static const Listing l =
        narrowed("load_statisticses", kListStatisticsV10xLacks, {N_("Temporary"), N_("Incremental")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_partition_function(const char* schema) {
    static const Listing l = narrowed("load_partition_function", kListPartitionFunctionsV10xLacks, {N_("Full text")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_partition_scheme(const char* schema) {
    static const Listing l = narrowed("load_partition_scheme", kListPartitionSchemesV10xLacks, {N_("Full text")});
    return list(schema, l);
}

}  // namespace tarvelin::rezezadovu::supports::database
