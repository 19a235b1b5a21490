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
#include "rezezadovu/supports/database/sqlserver/catalog.hpp"
#include "rezezadovu/supports/database/sqlserver/connection.hpp"
#include "rezezadovu/supports/database/sqlserver/statement.hpp"

TARVELIN_LOG_TAG("explorer")

namespace tarvelin::rezezadovu::supports::database {

using namespace sqlserver;
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

const SQLServerExplorer::Listing kTables{kListTables,
    {N_("Name"), N_("Rows"), N_("Lock"), N_("Temp table"), N_("External"), N_("Create time"), N_("Update time"),
     N_("Comment")}};

const SQLServerExplorer::Listing kViews{kListViews,
    {N_("Name"), N_("System view"), N_("Replicated"), N_("Check option"), N_("Indexed"), N_("Indexable"),
     N_("Create time"), N_("Update time"), N_("Comment")}};

const SQLServerExplorer::Listing kRoutines{kListRoutines, kRoutineTitles};
const SQLServerExplorer::Listing kFunctions{kListFunctions, kRoutineTitles};
const SQLServerExplorer::Listing kProcedures{kListProcedures, kRoutineTitles};

const SQLServerExplorer::Listing kIndexes{kListIndexes,
    {N_("Name"), N_("Type"), N_("Unique"), N_("Fill factor"), N_("Disabled"), N_("Row lock"), N_("Page lock"),
     N_("Filter"), N_("XML type"), N_("Spatial type"), N_("Comment")}};

const SQLServerExplorer::Listing kRolesServer{kListServerRoles,
    {N_("Name"), N_("Type"), N_("Fixed"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kRolesDatabase{kListDatabaseRoles,
    {N_("Name"), N_("Type"), N_("Fixed"), N_("Owner"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kRolesApplication{kListApplicationRoles,
    {N_("Name"), N_("Type"), N_("Default schema"), N_("Fixed"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kLogins{kListLogins,
    {N_("Name"), N_("Type"), N_("Database"), N_("Language"), N_("Status"), N_("Locked"), N_("Must change"),
     N_("Expired"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kUsers{kListUsers,
    {N_("Name"), N_("Type"), N_("Default schema"), N_("Login name"), N_("Create date"), N_("Comment")}};

const SQLServerExplorer::Listing kTablespaces{kListTablespaces,
    {N_("Name"), N_("Type"), N_("Default"), N_("System")}};

const SQLServerExplorer::Listing kEvents{kListEvents,
    {N_("Name"), N_("Fire type"), N_("Event type"), N_("Group type")}};

const SQLServerExplorer::Listing kTriggers{kListTriggers,
    {N_("Name"), N_("Object type"), N_("Object name"), N_("Disabled"), N_("Instead"), N_("Insert"), N_("Update"),
     N_("Delete"), N_("Encrypted"), N_("Create time"), N_("Modified time"), N_("Comment")}};

const SQLServerExplorer::Listing kDatabases{kListDatabases,
    {N_("Name"), N_("Version"), N_("Default collation"), N_("User access"), N_("State"), N_("Recovery"),
     N_("Full text"), N_("Read only"), N_("Distributor"), N_("Created")}};

const SQLServerExplorer::Listing kSchemas{kListSchemas,
    {N_("Name"), N_("Owner"), N_("Default character")}};

const SQLServerExplorer::Listing kAssemblies{kListAssemblies,
    {N_("Name"), N_("Owner"), N_("Permission"), N_("Visible"), N_("User defined"), N_("Filename"), N_("Created"),
     N_("Comment")}};

const SQLServerExplorer::Listing kDevices{kListDevices,
    {N_("Name"), N_("Physical name"), N_("Type")}};

const SQLServerExplorer::Listing kEndpoints{kListEndpoints,
    {N_("Name"), N_("Owner"), N_("Protocol"), N_("Type"), N_("State"), N_("Admin")}};

const SQLServerExplorer::Listing kServers{kListServers,
    {N_("Name"), N_("Product"), N_("Provider"), N_("Data source"), N_("Remote login"), N_("Data access"),
     N_("Publisher"), N_("Subscriber"), N_("Collation"), N_("System"), N_("Modified")}};

const SQLServerExplorer::Listing kStatistics{kListStatistics,
    {N_("Name"), N_("Hoster"), N_("Auto create"), N_("User create"), N_("No recompute"), N_("Has filter"),
     N_("Filter"), N_("Temporary"), N_("Incremental")}};

const SQLServerExplorer::Listing kSynonyms{kListSynonyms,
    {N_("Name"), N_("Target"), N_("Type"), N_("Created"), N_("Comment")}};

const SQLServerExplorer::Listing kSequences{kListSequences,
    {N_("Name"), N_("Data type"), N_("Precision"), N_("Scale"), N_("Start value"), N_("Increment"),
     N_("Current value"), N_("Cycling"), N_("Cached"), N_("Created")}};

const SQLServerExplorer::Listing kTypes{kListTypes,
    {N_("Name"), N_("Max length"), N_("Precision"), N_("Scale"), N_("Collation"), N_("Nullable"),
     N_("User defined"), N_("Assembly type")}};

const SQLServerExplorer::Listing kPartitionFunctions{kListPartitionFunctions,
    {N_("Name"), N_("Parameter type"), N_("Amount"), N_("Boundary side"), N_("Full text"), N_("Create time"),
     N_("Modified time"), N_("Comment")}};

const SQLServerExplorer::Listing kPartitionSchemes{kListPartitionSchemes,
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
