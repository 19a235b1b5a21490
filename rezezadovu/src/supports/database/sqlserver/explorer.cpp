#include "rezezadovu/supports/database/sqlserver/explorer.hpp"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <string_view>

#include "providers/gobj/call.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/sqlserver/connection.hpp"
#include "rezezadovu/supports/database/sqlserver/statement.hpp"

TARVELIN_LOG_TAG("explorer")

namespace tarvelin::rezezadovu::supports::database {

using providers::contracts::TableModel;
using IConnectionVt = TarvelinRezezadovuContractsDatabaseIConnectionInterface;

TARVELIN_GTYPE(SQLServerExplorer, "TarvelinRezezadovuSupportsDatabaseSQLServerExplorer", gobj::Object,
               contracts::database::IExplorable)

gobj::Ref<SQLServerExplorer> SQLServerExplorer::create(GType type, CConnection* conn) {
    return create_linked<SQLServerExplorer>(type, conn);
}

namespace {

const std::vector<const char*> kRoutineTitles = {N_("Name"), N_("Type"), N_("Type detail"), N_("Schema bound"),
                                          N_("Recompile"), N_("Null input"), N_("Native compilation"),
                                          N_("Execute as"), N_("Create time"), N_("Modified time"), N_("Comment")};

const SQLServerExplorer::Listing kTables{
    "SELECT o.name,st.row_count AS ROWS, REPLACE(t.lock_escalation_desc,'_',' ') AS lock_desc, "
    "REPLACE(t.temporal_type_desc,'_',' ') temp_desc,t.is_external,o.create_date,o.modify_date,CAST(ep.value AS "
    "NVARCHAR(MAX)) AS comment FROM sys.all_objects o LEFT JOIN sys.schemas s ON o.schema_id=s.schema_id LEFT JOIN "
    "sys.tables t ON o.object_id=t.object_id LEFT JOIN sys.database_principals dp ON dp.principal_id "
    "=t.principal_id LEFT JOIN sys.extended_properties ep ON (o.object_id=ep.major_id AND ep.class =1 AND "
    "ep.minor_id =0 AND ep.name ='MS_Description') LEFT JOIN (SELECT object_id,SUM (ROWS) row_count FROM "
    "sys.partitions WHERE index_id< 2 GROUP BY object_id) st ON o.object_id=st.object_id WHERE (o.type ='U' OR "
    "o.type ='S') AND s.name ='%s' ORDER BY o.name ASC;",
    {N_("Name"), N_("Rows"), N_("Lock"), N_("Temp table"), N_("External"), N_("Create time"), N_("Update time"),
     N_("Comment")}};

const SQLServerExplorer::Listing kViews{
    "SELECT o.name,av.is_ms_shipped,av.is_replicated,av.with_check_option,OBJECTPROPERTY(av.object_id,'IsIndexed') "
    "AS indexed,OBJECTPROPERTY(av.object_id,'IsIndexable') AS indexable,o.create_date,o.modify_date,CAST(ep.value "
    "AS NVARCHAR(MAX)) AS comment FROM sys.all_objects o LEFT JOIN sys.schemas s ON o.schema_id=s.schema_id LEFT "
    "JOIN sys.all_views av ON o.object_id=av.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=av.principal_id LEFT JOIN sys.extended_properties ep ON (o.object_id=ep.major_id AND "
    "ep.class=1 AND ep.minor_id=0 AND ep.name='MS_Description') WHERE o.type ='V' AND s.name='%s' ORDER BY o.name "
    "ASC",
    {N_("Name"), N_("System view"), N_("Replicated"), N_("Check option"), N_("Indexed"), N_("Indexable"),
     N_("Create time"), N_("Update time"), N_("Comment")}};

// The three routine listings differ in their type column and the object types they take.
SQLServerExplorer::Listing routine_listing(const char* type_column, const char* types) {
    return {std::string("SELECT ao.name,") + type_column +
                " AS type, REPLACE(ao.type_desc,'_',' ') "
                "type_label,sm.is_schema_bound,sm.is_recompiled,sm.null_on_null_input,sm.uses_native_compilation,"
                "dp.name AS executor,ao.create_date,ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
                "sys.all_objects ao LEFT JOIN sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN "
                "sys.database_principals dp ON dp.principal_id=sm.execute_as_principal_id LEFT JOIN "
                "sys.extended_properties ep ON (ep.major_id=ao.object_id AND ep.minor_id=0 AND "
                "ep.name='MS_Description') WHERE ao.type IN (" +
                types + ") AND SCHEMA_NAME(ao.schema_id)=N'%s';",
            kRoutineTitles};
}
const SQLServerExplorer::Listing kRoutines = routine_listing(
    "CASE WHEN ao.type IN ('AF','FN','FS','FT','IF','TF','RF') THEN 'FUNCTION' ELSE 'PROCEDURE' END",
    "'AF','FN','FS','FT','IF','TF','P','PC','X','RF'");
const SQLServerExplorer::Listing kFunctions = routine_listing("'FUNCTION'", "'AF','FN','FS','FT','IF','TF','RF'");
const SQLServerExplorer::Listing kProcedures = routine_listing("'PROCEDURE'", "'P','PC', 'X'");

const SQLServerExplorer::Listing kIndexes{
    "SELECT i.name,i.type_desc,i.is_unique,i.fill_factor,i.is_disabled,i.allow_row_locks,i.allow_page_locks,"
    "i.filter_definition,xi.secondary_type_desc,si.spatial_index_type,CAST(ep.value AS NVARCHAR(MAX)) AS comment "
    "FROM sys.indexes i LEFT JOIN sys.xml_indexes xi ON (i.object_id=xi.object_id AND i.index_id=xi.index_id) LEFT "
    "JOIN sys.spatial_indexes si ON (i.object_id=si.object_id AND i.index_id =si.index_id) LEFT JOIN "
    "sys.extended_properties ep ON (ep.class=7 AND i.object_id=ep.major_id AND ep.minor_id=i.index_id AND "
    "ep.name='MS_Description') WHERE (i.is_primary_key=0 AND i.is_unique_constraint=0) AND "
    "OBJECT_SCHEMA_NAME(i.object_id)='%s' ORDER BY i.name ASC;",
    {N_("Name"), N_("Type"), N_("Unique"), N_("Fill factor"), N_("Disabled"), N_("Row lock"), N_("Page lock"),
     N_("Filter"), N_("XML type"), N_("Spatial type"), N_("Comment")}};

const SQLServerExplorer::Listing kRolesServer{
    "SELECT p.name,REPLACE(p.type_desc, '_', ' ') type, CASE p.is_fixed_role WHEN 0 THEN 'Mutable' WHEN 1 THEN "
    "'Built-in' END,p.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.server_principals p LEFT "
    "OUTER JOIN sys.extended_properties ep ON ep.major_id =p.principal_id AND ep.class =4 AND ep.minor_id =0 AND "
    "ep.name ='MS_Description' WHERE p.type ='R' ORDER BY p.name ASC;",
    {N_("Name"), N_("Type"), N_("Fixed"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kRolesDatabase{
    "SELECT dp.name,REPLACE(dp.type_desc, '_', ' ') type,dp.is_fixed_role,owner.name "
    "owning_principal,dp.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.database_principals dp "
    "LEFT JOIN sys.database_principals owner ON dp.owning_principal_id =owner.principal_id LEFT OUTER JOIN "
    "sys.extended_properties ep ON ep.major_id =dp.principal_id AND ep.class =4 AND ep.minor_id =0 AND ep.name "
    "='MS_Description' WHERE dp.type='R'",
    {N_("Name"), N_("Type"), N_("Fixed"), N_("Owner"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kRolesApplication{
    "SELECT dp.name,REPLACE(dp.type_desc, '_', ' ') "
    "type,dp.default_schema_name,dp.is_fixed_role,dp.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
    "sys.database_principals dp LEFT JOIN sys.database_principals owner ON dp.owning_principal_id "
    "=owner.principal_id LEFT OUTER JOIN sys.extended_properties ep ON ep.major_id =dp.principal_id AND ep.class =4 "
    "AND ep.minor_id =0 AND ep.name ='MS_Description' WHERE dp.type='A'",
    {N_("Name"), N_("Type"), N_("Default schema"), N_("Fixed"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kLogins{
    "SELECT p.name,REPLACE(type_desc,'_',' ') "
    "type,default_database_name,default_language_name,is_disabled,LOGINPROPERTY (p.name,'IsLocked') AS "
    "is_locked,LOGINPROPERTY (p.name,'IsMustChange') AS is_must_changed,LOGINPROPERTY (p.name,'IsExpired') AS "
    "is_expired,create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.server_principals p LEFT OUTER "
    "JOIN sys.extended_properties ep ON ep.major_id =p.principal_id AND ep.class =4 AND ep.minor_id =0 AND ep.name "
    "='MS_Description' WHERE type IN ('S','U','G','C','K') ORDER BY p.principal_id DESC;",
    {N_("Name"), N_("Type"), N_("Database"), N_("Language"), N_("Status"), N_("Locked"), N_("Must change"),
     N_("Expired"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kUsers{
    "SELECT dp.name,REPLACE(dp.type_desc, '_', ' ') type,dp.default_schema_name,log.name AS "
    "login,dp.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.database_principals dp LEFT JOIN "
    "sys.server_principals log ON dp.sid =log.sid LEFT JOIN sys.extended_properties ep ON (ep.major_id "
    "=dp.principal_id AND ep.class =4 AND ep.minor_id =0 AND ep.name ='MS_Description') WHERE dp.type IN "
    "('S','U','G','C','K')",
    {N_("Name"), N_("Type"), N_("Default schema"), N_("Login name"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kTablespaces{
    "SELECT name, REPLACE(type_desc, '_', ' ') type, is_default, is_system FROM sys.data_spaces ORDER BY name asc;",
    {N_("Name"), N_("Type"), N_("Default"), N_("System")}};

const SQLServerExplorer::Listing kEvents{
    "SELECT OBJECT_NAME(object_id) name,type_desc,CASE is_trigger_event WHEN 0 THEN 'Notification event' ELSE "
    "'Trigger event' END event_type,event_group_type_desc FROM sys.events WHERE OBJECT_SCHEMA_NAME(object_id)='%s' "
    "ORDER BY name asc;",
    {N_("Name"), N_("Fire type"), N_("Event type"), N_("Group type")}};

const SQLServerExplorer::Listing kTriggers{
    "SELECT t.name,REPLACE(po.type_desc,'_',' ') AS object_type,po.name AS "
    "object_name,t.is_disabled,t.is_instead_of_trigger,OBJECTPROPERTY(t.object_id,'ExecIsInsertTrigger') AS "
    "is_insert_trigger,OBJECTPROPERTY(t.object_id,'ExecIsUpdateTrigger') AS "
    "is_update_trigger,OBJECTPROPERTY(t.object_id,'ExecIsDeleteTrigger') AS "
    "is_delete_trigger,OBJECTPROPERTY(t.object_id,'IsEncrypted') "
    "is_encrypted,t.create_date,t.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.triggers t LEFT "
    "JOIN sys.all_objects po ON po.object_id=t.parent_id LEFT JOIN sys.extended_properties ep ON "
    "(ep.major_id=t.object_id AND ep.minor_id=0 AND ep.class=1 AND ep.name ='MS_Description') WHERE "
    "OBJECT_SCHEMA_NAME(t.object_id)='%s' ORDER BY t.name ASC",
    {N_("Name"), N_("Object type"), N_("Object name"), N_("Disabled"), N_("Instead"), N_("Insert"), N_("Update"),
     N_("Delete"), N_("Encrypted"), N_("Create time"), N_("Modified time"), N_("Comment")}};

const SQLServerExplorer::Listing kDatabases{
    "SELECT name, compatibility_level, collation_name, REPLACE(user_access_desc,'_',' ') access, state_desc, "
    "recovery_model_desc, is_fulltext_enabled, is_read_only, is_distributor, create_date FROM SYS.DATABASES ORDER "
    "BY database_id DESC;",
    {N_("Name"), N_("Version"), N_("Default collation"), N_("User access"), N_("State"), N_("Recovery"),
     N_("Full text"), N_("Read only"), N_("Distributor"), N_("Created")}};

const SQLServerExplorer::Listing kSchemas{
    "SELECT SCHEMA_NAME, SCHEMA_OWNER, DEFAULT_CHARACTER_SET_NAME AS CHARSET FROM INFORMATION_SCHEMA.SCHEMATA WHERE "
    "SCHEMA_NAME NOT LIKE 'db[_]%' ORDER BY SCHEMA_NAME ASC;",
    {N_("Name"), N_("Owner"), N_("Default character")}};

const SQLServerExplorer::Listing kAssemblies{
    "SELECT a.name,USER_NAME(a.principal_id) AS owner,REPLACE(a.permission_set_desc,'_',' ') AS "
    "permission,a.is_visible,a.is_user_defined,af.name AS file_name,a.create_date,CAST(ep.value AS NVARCHAR(MAX)) "
    "AS comment FROM sys.assemblies a LEFT JOIN sys.assembly_files af ON af.assembly_id =a.assembly_id LEFT JOIN "
    "sys.extended_properties ep ON ep.class=5 AND ep.major_id=a.assembly_id AND ep.minor_id =0 AND ep.name "
    "='MS_Description' ORDER BY a.name ASC;",
    {N_("Name"), N_("Owner"), N_("Permission"), N_("Visible"), N_("User defined"), N_("Filename"), N_("Created"),
     N_("Comment")}};

const SQLServerExplorer::Listing kDevices{
    "SELECT name, physical_name, REPLACE(type_desc,'_',' ') AS type FROM [sys].[backup_devices] ORDER BY name ASC;",
    {N_("Name"), N_("Physical name"), N_("Type")}};

const SQLServerExplorer::Listing kEndpoints{
    "SELECT name, USER_NAME(principal_id) owner, REPLACE(protocol_desc, '_', ' ') protocol, REPLACE(type_desc, '_', "
    "' ') type, state_desc, is_admin_endpoint FROM sys.endpoints ORDER BY endpoint_id DESC;",
    {N_("Name"), N_("Owner"), N_("Protocol"), N_("Type"), N_("State"), N_("Admin")}};

const SQLServerExplorer::Listing kServers{
    "SELECT s.name,s.product,s.provider,s.data_source,s.is_remote_login_enabled,s.is_data_access_enabled,"
    "s.is_publisher,s.is_subscriber,s.collation_name,s.is_system,s.modify_date FROM sys.servers s WHERE s.server_id "
    "<> 0 ORDER BY s.name ASC;",
    {N_("Name"), N_("Product"), N_("Provider"), N_("Data source"), N_("Remote login"), N_("Data access"),
     N_("Publisher"), N_("Subscriber"), N_("Collation"), N_("System"), N_("Modified")}};

const SQLServerExplorer::Listing kStatistics{
    "SELECT name, OBJECT_NAME(object_id) "
    "hoster,auto_created,user_created,no_recompute,has_filter,filter_definition,is_temporary,is_incremental FROM "
    "sys.stats WHERE OBJECT_SCHEMA_NAME(object_id) = '%s' ORDER BY object_id DESC;",
    {N_("Name"), N_("Hoster"), N_("Auto create"), N_("User create"), N_("No recompute"), N_("Has filter"),
     N_("Filter"), N_("Temporary"), N_("Incremental")}};

const SQLServerExplorer::Listing kSynonyms{
    "SELECT sy.name,sy.base_object_name,REPLACE(sy.type_desc,'_',' ') type,sy.create_date,CAST(ep.value AS "
    "NVARCHAR(MAX)) AS comment FROM sys.synonyms sy LEFT JOIN sys.extended_properties ep ON "
    "ep.major_id=sy.object_id AND ep.minor_id=0 AND ep.name='MS_Description' WHERE SCHEMA_NAME(schema_id)='%s' "
    "ORDER BY sy.name ASC",
    {N_("Name"), N_("Target"), N_("Type"), N_("Created"), N_("Comment")}};

const SQLServerExplorer::Listing kSequences{
    "SELECT name,TYPE_NAME(user_type_id) "
    "type,precision,scale,start_value,increment,current_value,is_cycling,is_cached,create_date FROM sys.sequences "
    "WHERE SCHEMA_NAME(schema_id) = '%s' ORDER BY name ASC;",
    {N_("Name"), N_("Data type"), N_("Precision"), N_("Scale"), N_("Start value"), N_("Increment"),
     N_("Current value"), N_("Cycling"), N_("Cached"), N_("Created")}};

const SQLServerExplorer::Listing kTypes{
    "SELECT name,max_length,precision,scale,collation_name,is_nullable,is_user_defined,is_assembly_type FROM "
    "sys.types WHERE SCHEMA_NAME(schema_id) = '%s' ORDER BY name ASC;",
    {N_("Name"), N_("Max length"), N_("Precision"), N_("Scale"), N_("Collation"), N_("Nullable"),
     N_("User defined"), N_("Assembly type")}};

const SQLServerExplorer::Listing kPartitionFunctions{
    "SELECT pf.name,t.name AS "
    "parameter_type,pf.fanout,pf.boundary_value_on_right,pf.is_system,pf.create_date,pf.modify_date,CAST(ep.value "
    "AS NVARCHAR(MAX)) AS comment FROM sys.partition_functions pf LEFT JOIN sys.partition_parameters pp ON "
    "pp.function_id=pf.function_id LEFT JOIN sys.types t ON t.system_type_id=pp.system_type_id LEFT JOIN "
    "sys.extended_properties ep ON ep.major_id=pf.function_id AND ep.class=21 AND ep.name='MS_Description' ORDER BY "
    "pf.name ASC",
    {N_("Name"), N_("Parameter type"), N_("Amount"), N_("Boundary side"), N_("Full text"), N_("Create time"),
     N_("Modified time"), N_("Comment")}};

const SQLServerExplorer::Listing kPartitionSchemes{
    "SELECT ps.name,pf.name AS function_used,pf.fanout AS "
    "partition_count,ps.is_default,ps.is_system,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
    "sys.partition_schemes ps LEFT JOIN sys.partition_functions pf ON pf.function_id=ps.function_id LEFT JOIN "
    "sys.extended_properties ep ON (ep.major_id=ps.data_space_id AND ep.class=20 AND ep.name='MS_Description') "
    "ORDER BY ps.name ASC;",
    {N_("Partition scheme"), N_("Partition function"), N_("Partition amount"), N_("Default"), N_("Full text"),
     N_("Comment")}};

// The listings the older servers' explorer narrows, by name.
const std::map<std::string_view, const SQLServerExplorer::Listing*> kNarrowable = {
    {"load_tables", &kTables},         {"load_routines", &kRoutines},
    {"load_functions", &kFunctions},   {"load_procedures", &kProcedures},
    {"load_roles_server", &kRolesServer}, {"load_roles_database", &kRolesDatabase},
    {"load_roles_application", &kRolesApplication}, {"load_tablespaces", &kTablespaces},
    {"load_servers", &kServers},       {"load_statisticses", &kStatistics},
    {"load_partition_function", &kPartitionFunctions}, {"load_partition_scheme", &kPartitionSchemes},
};

}  // namespace

SQLServerExplorer::Listing SQLServerExplorer::narrowed(const char* name, const char* columns,
                                                       std::vector<const char*> titles) {
    const Listing& plain = *kNarrowable.at(name);
    std::string query = plain.query;
    if (auto at = query.find(columns); at != std::string::npos) query.erase(at, std::strlen(columns));
    std::vector<const char*> kept;
    for (const char* title : plain.titles)
        if (std::find_if(titles.begin(), titles.end(), [&](const char* t) { return g_str_equal(t, title); }) ==
            titles.end())
            kept.push_back(title);
    return Listing{query, kept};
}

// ---------------------------------------------------------------- running a listing

gobj::Ref<TableModel> SQLServerExplorer::list(const char* schema, const Listing& listing) {
    if (!TARVELIN_GIVEN(schema)) return {};
    std::string sql = SQLServerStatement::fill(listing.query, {schema});
    auto table = SQLServerConnection::model_of(*this, sql);
    if (!table) return table;
    const auto& columns = table->get_columns();
    int i = 0;
    for (const char* title : listing.titles) {
        if (i >= columns.size()) break;
        columns.at(i++)->set_title(_(title));
    }
    return table;
}

gobj::Ref<TableModel> SQLServerExplorer::load_tables(const char* schema) { return list(schema, kTables); }
gobj::Ref<TableModel> SQLServerExplorer::load_views(const char* schema) { return list(schema, kViews); }
gobj::Ref<TableModel> SQLServerExplorer::load_routines(const char* schema) { return list(schema, kRoutines); }
gobj::Ref<TableModel> SQLServerExplorer::load_functions(const char* schema) { return list(schema, kFunctions); }
gobj::Ref<TableModel> SQLServerExplorer::load_procedures(const char* schema) { return list(schema, kProcedures); }
gobj::Ref<TableModel> SQLServerExplorer::load_indexes(const char* schema) { return list(schema, kIndexes); }
gobj::Ref<TableModel> SQLServerExplorer::load_roles_server(const char* schema) { return list(schema, kRolesServer); }
gobj::Ref<TableModel> SQLServerExplorer::load_roles_database(const char* schema) {
    return list(schema, kRolesDatabase);
}
gobj::Ref<TableModel> SQLServerExplorer::load_roles_application(const char* schema) {
    return list(schema, kRolesApplication);
}
gobj::Ref<TableModel> SQLServerExplorer::load_logins(const char* schema) { return list(schema, kLogins); }
gobj::Ref<TableModel> SQLServerExplorer::load_users(const char* schema) { return list(schema, kUsers); }
gobj::Ref<TableModel> SQLServerExplorer::load_tablespaces(const char* schema) { return list(schema, kTablespaces); }
gobj::Ref<TableModel> SQLServerExplorer::load_events(const char* schema) { return list(schema, kEvents); }
gobj::Ref<TableModel> SQLServerExplorer::load_triggers(const char* schema) { return list(schema, kTriggers); }
gobj::Ref<TableModel> SQLServerExplorer::load_databases(const char* schema) { return list(schema, kDatabases); }
gobj::Ref<TableModel> SQLServerExplorer::load_schemas(const char* schema) { return list(schema, kSchemas); }
gobj::Ref<TableModel> SQLServerExplorer::load_assemblys(const char* schema) { return list(schema, kAssemblies); }
gobj::Ref<TableModel> SQLServerExplorer::load_devices(const char* schema) { return list(schema, kDevices); }
gobj::Ref<TableModel> SQLServerExplorer::load_endpoints(const char* schema) { return list(schema, kEndpoints); }
gobj::Ref<TableModel> SQLServerExplorer::load_servers(const char* schema) { return list(schema, kServers); }
gobj::Ref<TableModel> SQLServerExplorer::load_statisticses(const char* schema) { return list(schema, kStatistics); }
gobj::Ref<TableModel> SQLServerExplorer::load_synonyms(const char* schema) { return list(schema, kSynonyms); }
gobj::Ref<TableModel> SQLServerExplorer::load_sequences(const char* schema) { return list(schema, kSequences); }
gobj::Ref<TableModel> SQLServerExplorer::load_types(const char* schema) { return list(schema, kTypes); }
gobj::Ref<TableModel> SQLServerExplorer::load_partition_function(const char* schema) {
    return list(schema, kPartitionFunctions);
}
gobj::Ref<TableModel> SQLServerExplorer::load_partition_scheme(const char* schema) {
    return list(schema, kPartitionSchemes);
}

// ---------------------------------------------------------------- the contract

gobj::Ref<TableModel> SQLServerExplorer::load_objects(DBObject kind, const char* database, const char* schema,
                                                      const char* extra_data) {
    if (!TARVELIN_GIVEN(database, schema, extra_data)) return {};
    std::string_view extra(extra_data);
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ASSEMBLY: return load_assemblys(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return load_databases(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DEVICE: return load_devices(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ENDPOINT: return load_endpoints(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return load_events(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return load_functions(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return load_indexes(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_FUNCTION: return load_partition_function(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_SCHEME: return load_partition_scheme(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE: return load_procedures(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE:
            if (extra == "database") return load_roles_database(schema);
            if (extra == "application") return load_roles_application(schema);
            return load_roles_server(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE: return load_routines(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return load_schemas(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE:
            // Sequences came with version 11; older servers (and a connection never
            // opened) have no catalogue view to ask.
            if (SQLServerConnection::major_version(SQLServerConnection::version_of(*this).c_str()) > 10)
                return load_sequences(schema);
            return TableModel::create();
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SERVER: return load_servers(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_STATISTICS: return load_statisticses(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM: return load_synonyms(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return load_tables(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE: return load_tablespaces(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return load_triggers(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TYPE: return load_types(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER:
            return extra == "server" ? load_logins(schema) : load_users(schema);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return load_views(schema);
        default: return TableModel::create();
    }
}

void SQLServerExplorer::exec_command(DBObject kind, const char* database, const char* schema, const char* object,
                                     const char* extra_data, const char* command) {
    if (!TARVELIN_GIVEN(database, schema, object, extra_data, command)) return;
    if (kind != TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER || std::string_view(extra_data) != "server") return;
    std::string_view verb(command);
    const char* sql = verb == "enable" ? "ALTER LOGIN [%s] ENABLE" : verb == "disable" ? "ALTER LOGIN [%s] DISABLE"
                                                                                        : nullptr;
    if (!sql) return;
    gobj::call<&IConnectionVt::execute_no_query>(SQLServerConnection::require(*this),
                                                 SQLServerStatement::fill(sql, {object}), false);
}

}  // namespace tarvelin::rezezadovu::supports::database
