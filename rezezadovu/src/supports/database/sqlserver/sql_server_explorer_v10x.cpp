#include "rezezadovu/supports/database/sqlserver/sql_server_explorer_v10x.hpp"

#include "providers/gobj/i18n.hpp"

TARVELIN_LOG_TAG("explorer_10x")

namespace tarvelin::rezezadovu::supports::database {

using providers::contracts::TableModel;

TARVELIN_GTYPE(SQLServerExplorerV10x, "TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x", SQLServerExplorer)

gobj::Ref<SQLServerExplorerV10x> SQLServerExplorerV10x::create(GType type, CConnection* conn) {
    return create_linked<SQLServerExplorerV10x>(type, conn);
}

namespace {

const std::vector<const char*> kRoutineTitles = {N_("Name"), N_("Type"), N_("Type detail"), N_("Schema bound"),
                                                 N_("Recompile"), N_("Null input"), N_("Execute as"),
                                                 N_("Create time"), N_("Modified time"), N_("Comment")};

const SQLServerExplorer::Listing kTables{
    "SELECT o.name,st.row_count AS ROWS, REPLACE(t.lock_escalation_desc,'_',' ') AS "
    "lock_desc,o.create_date,o.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects o LEFT "
    "JOIN sys.schemas s ON o.schema_id=s.schema_id LEFT JOIN sys.tables t ON o.object_id=t.object_id LEFT JOIN "
    "sys.database_principals dp ON dp.principal_id =t.principal_id LEFT JOIN sys.extended_properties ep ON "
    "(o.object_id=ep.major_id AND ep.class =1 AND ep.minor_id =0 AND ep.name ='MS_Description') LEFT JOIN (SELECT "
    "object_id,SUM (ROWS) row_count FROM sys.partitions WHERE index_id< 2 GROUP BY object_id) st ON "
    "o.object_id=st.object_id WHERE (o.type ='U' OR o.type ='S') AND s.name ='%s' ORDER BY o.name ASC;",
    {N_("Name"), N_("Rows"), N_("Lock"), N_("Create time"), N_("Update time"), N_("Comment")}};

const SQLServerExplorer::Listing kRoutines{
    "SELECT ao.name,CASE WHEN ao.type IN ('AF','FN','FS','FT','IF','TF','RF') THEN 'FUNCTION' ELSE 'PROCEDURE' END "
    "AS type, REPLACE(ao.type_desc,'_',' ') type_label,sm.is_schema_bound,sm.is_recompiled,sm.null_on_null_input,"
    "dp.name AS executor,ao.create_date,ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
    "sys.all_objects ao LEFT JOIN sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN sys.database_principals "
    "dp ON dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON "
    "(ep.major_id=ao.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE ao.type IN "
    "('AF','FN','FS','FT','IF','TF','P','PC','X','RF') AND SCHEMA_NAME(ao.schema_id)=N'%s';",
    kRoutineTitles};

const SQLServerExplorer::Listing kFunctions{
    "SELECT ao.name,'FUNCTION' AS type, REPLACE(ao.type_desc,'_',' ') "
    "type_label,sm.is_schema_bound,sm.is_recompiled,sm.null_on_null_input,dp.name AS "
    "executor,ao.create_date,ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects ao LEFT "
    "JOIN sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON (ep.major_id=ao.object_id "
    "AND ep.minor_id=0 AND ep.name='MS_Description') WHERE ao.type IN ('AF','FN','FS','FT','IF','TF','RF') AND "
    "SCHEMA_NAME(ao.schema_id)=N'%s';",
    kRoutineTitles};

const SQLServerExplorer::Listing kProcedures{
    "SELECT ao.name,'PROCEDURE' AS type, REPLACE(ao.type_desc,'_',' ') "
    "type_label,sm.is_schema_bound,sm.is_recompiled,sm.null_on_null_input,dp.name AS "
    "executor,ao.create_date,ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects ao LEFT "
    "JOIN sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON (ep.major_id=ao.object_id "
    "AND ep.minor_id=0 AND ep.name='MS_Description') WHERE ao.type IN ('P','PC', 'X') AND "
    "SCHEMA_NAME(ao.schema_id)=N'%s';",
    kRoutineTitles};

const SQLServerExplorer::Listing kRolesServer{
    "SELECT p.name,REPLACE(p.type_desc, '_', ' ') type, p.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment "
    "FROM sys.server_principals p LEFT OUTER JOIN sys.extended_properties ep ON ep.major_id =p.principal_id AND "
    "ep.class =4 AND ep.minor_id =0 AND ep.name ='MS_Description' WHERE p.type ='R' ORDER BY p.name ASC;",
    {N_("Name"), N_("Type"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kRolesDatabase{
    "SELECT dp.name,REPLACE(dp.type_desc, '_', ' ') type,owner.name owning_principal,dp.create_date,CAST(ep.value "
    "AS NVARCHAR(MAX)) AS comment FROM sys.database_principals dp LEFT JOIN sys.database_principals owner ON "
    "dp.owning_principal_id =owner.principal_id LEFT OUTER JOIN sys.extended_properties ep ON ep.major_id "
    "=dp.principal_id AND ep.class =4 AND ep.minor_id =0 AND ep.name ='MS_Description' WHERE dp.type='R'",
    {N_("Name"), N_("Type"), N_("Owner"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kRolesApplication{
    "SELECT dp.name,REPLACE(dp.type_desc, '_', ' ') type,dp.default_schema_name,dp.create_date,CAST(ep.value AS "
    "NVARCHAR(MAX)) AS comment FROM sys.database_principals dp LEFT JOIN sys.database_principals owner ON "
    "dp.owning_principal_id =owner.principal_id LEFT OUTER JOIN sys.extended_properties ep ON ep.major_id "
    "=dp.principal_id AND ep.class =4 AND ep.minor_id =0 AND ep.name ='MS_Description' WHERE dp.type='A'",
    {N_("Name"), N_("Type"), N_("Default schema"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kTablespaces{
    "SELECT name, REPLACE(type_desc, '_', ' ') type, is_default FROM sys.data_spaces ORDER BY name asc;",
    {N_("Name"), N_("Type"), N_("Default")}};

const SQLServerExplorer::Listing kServers{
    "SELECT s.name,s.product,s.provider,s.data_source,s.is_remote_login_enabled,s.is_data_access_enabled,"
    "s.is_publisher,s.is_subscriber,s.collation_name,s.modify_date FROM sys.servers s WHERE s.server_id <> 0 ORDER "
    "BY s.name ASC;",
    {N_("Name"), N_("Product"), N_("Provider"), N_("Data source"), N_("Remote login"), N_("Data access"),
     N_("Publisher"), N_("Subscriber"), N_("Collation"), N_("Modified")}};

const SQLServerExplorer::Listing kStatistics{
    "SELECT name, OBJECT_NAME(object_id) hoster,auto_created,user_created,no_recompute,has_filter,filter_definition "
    "FROM sys.stats WHERE OBJECT_SCHEMA_NAME(object_id) = '%s' ORDER BY object_id DESC;",
    {N_("Name"), N_("Hoster"), N_("Auto create"), N_("User create"), N_("No recompute"), N_("Has filter"),
     N_("Filter")}};

const SQLServerExplorer::Listing kPartitionFunctions{
    "SELECT pf.name,t.name AS "
    "parameter_type,pf.fanout,pf.boundary_value_on_right,pf.create_date,pf.modify_date,CAST(ep.value AS "
    "NVARCHAR(MAX)) AS comment FROM sys.partition_functions pf LEFT JOIN sys.partition_parameters pp ON "
    "pp.function_id=pf.function_id LEFT JOIN sys.types t ON t.system_type_id=pp.system_type_id LEFT JOIN "
    "sys.extended_properties ep ON ep.major_id=pf.function_id AND ep.class=21 AND ep.name='MS_Description' ORDER BY "
    "pf.name ASC",
    {N_("Name"), N_("Parameter type"), N_("Amount"), N_("Boundary side"), N_("Create time"), N_("Modified time"),
     N_("Comment")}};

const SQLServerExplorer::Listing kPartitionSchemes{
    "SELECT ps.name,pf.name AS function_used,pf.fanout AS partition_count,ps.is_default,CAST(ep.value AS "
    "NVARCHAR(MAX)) AS comment FROM sys.partition_schemes ps LEFT JOIN sys.partition_functions pf ON "
    "pf.function_id=ps.function_id LEFT JOIN sys.extended_properties ep ON (ep.major_id=ps.data_space_id AND "
    "ep.class=20 AND ep.name='MS_Description') ORDER BY ps.name ASC;",
    {N_("Partition scheme"), N_("Partition function"), N_("Partition amount"), N_("Default"), N_("Comment")}};

}  // namespace

gobj::Ref<TableModel> SQLServerExplorerV10x::load_tables(const char* schema) { return list(schema, kTables); }
gobj::Ref<TableModel> SQLServerExplorerV10x::load_routines(const char* schema) { return list(schema, kRoutines); }
gobj::Ref<TableModel> SQLServerExplorerV10x::load_functions(const char* schema) { return list(schema, kFunctions); }
gobj::Ref<TableModel> SQLServerExplorerV10x::load_procedures(const char* schema) {
    return list(schema, kProcedures);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_server(const char* schema) {
    return list(schema, kRolesServer);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_database(const char* schema) {
    return list(schema, kRolesDatabase);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_roles_application(const char* schema) {
    return list(schema, kRolesApplication);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_tablespaces(const char* schema) {
    return list(schema, kTablespaces);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_servers(const char* schema) { return list(schema, kServers); }
gobj::Ref<TableModel> SQLServerExplorerV10x::load_statisticses(const char* schema) {
    return list(schema, kStatistics);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_partition_function(const char* schema) {
    return list(schema, kPartitionFunctions);
}
gobj::Ref<TableModel> SQLServerExplorerV10x::load_partition_scheme(const char* schema) {
    return list(schema, kPartitionSchemes);
}

}  // namespace tarvelin::rezezadovu::supports::database
