#include "rezezadovu/supports/database/sqlserver/explorer_v10x.hpp"

#include "providers/gobj/i18n.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("explorer_10x")

namespace tarvelin::rezezadovu::supports::database {

using providers::contracts::TableModel;

TARVELIN_GTYPE(SQLServerExplorerV10x, "TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x", SQLServerExplorer)

gobj::Ref<SQLServerExplorerV10x> SQLServerExplorerV10x::create(GType type, CConnection* conn) {
    return create_linked<SQLServerExplorerV10x>(type, conn);
}

// Each listing is the plain one without the catalogue columns these servers lack.

gobj::Ref<TableModel> SQLServerExplorerV10x::load_tables(const char* schema) {
    static const Listing l = narrowed("load_tables", ", REPLACE(t.temporal_type_desc,'_',' ') temp_desc,t.is_external",
                                      {N_("Temp table"), N_("External")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_routines(const char* schema) {
    static const Listing l = narrowed("load_routines", ",sm.uses_native_compilation", {N_("Native compilation")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_functions(const char* schema) {
    static const Listing l = narrowed("load_functions", ",sm.uses_native_compilation", {N_("Native compilation")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_procedures(const char* schema) {
    static const Listing l = narrowed("load_procedures", ",sm.uses_native_compilation", {N_("Native compilation")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_server(const char* schema) {
    static const Listing l = narrowed("load_roles_server",
                                      "CASE p.is_fixed_role WHEN 0 THEN 'Mutable' WHEN 1 THEN 'Built-in' END,",
                                      {N_("Fixed")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_database(const char* schema) {
    static const Listing l = narrowed("load_roles_database", ",dp.is_fixed_role", {N_("Fixed")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_application(const char* schema) {
    static const Listing l = narrowed("load_roles_application", ",dp.is_fixed_role", {N_("Fixed")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_tablespaces(const char* schema) {
    static const Listing l = narrowed("load_tablespaces", ", is_system", {N_("System")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_servers(const char* schema) {
    static const Listing l = narrowed("load_servers", ",s.is_system", {N_("System")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_statisticses(const char* schema) {
    static const Listing l =
        narrowed("load_statisticses", ",is_temporary,is_incremental", {N_("Temporary"), N_("Incremental")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_partition_function(const char* schema) {
    static const Listing l = narrowed("load_partition_function", ",pf.is_system", {N_("Full text")});
    return list(schema, l);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_partition_scheme(const char* schema) {
    static const Listing l = narrowed("load_partition_scheme", ",ps.is_system", {N_("Full text")});
    return list(schema, l);
}

}  // namespace tarvelin::rezezadovu::supports::database
