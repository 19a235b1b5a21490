// The SQL Server catalogue: the queries the dialect runs on the catalogue views, for the
// connection's version step, the catalogue reader and the browse lists.
//
// Each is a query text whose "%s" places take names through SQLServerStatement::fill (a
// name between quotes goes in as a literal); the comment of each says what fills its
// places and the result columns its reader reads by name. No query names a database:
// each reads the catalogue of the database the connection currently uses.
//
// Thread-safe: constant texts.
#pragma once

namespace tarvelin::rezezadovu::supports::database::sqlserver {

// ---- the connection

// The server's product version: version.
extern const char* const kProductVersion;

// ---- databases and schemas

// One database of the server's list (name): compatibility_level, collation_name,
// user_access_desc, state_desc, recovery_model_desc, is_fulltext_enabled, is_read_only,
// is_distributor.
extern const char* const kDatabase;
// The schemas, less the fixed database roles' own: SCHEMA_NAME.
extern const char* const kSchemata;
// One schema (name): SCHEMA_OWNER, DEFAULT_CHARACTER_SET_NAME.
extern const char* const kSchemaOwner;
// One schema's description (name): value.
extern const char* const kSchemaComment;
// The tables and views of a schema (name): name, type.
extern const char* const kSchemaObjects;
// The routines of a schema (name): name, type.
extern const char* const kSchemaRoutines;
// The trigger events of a schema (name): event_name, one row per event.
extern const char* const kSchemaEvents;
// The database roles of a user (name): rolename, username.
extern const char* const kUserRelations;

// ---- tables

// A table's columns (schema, table): column_id, name, type, max_length, precision, scale,
// is_nullable, definition (the default), collation_name, comment.
extern const char* const kTableColumns;
// A table's primary key (schema, table): name, column_id, key_ordinal.
extern const char* const kPrimaryKey;
// A table's indexes other than the primary key and the unique constraints (schema,
// table), one row per key column in index and key order: index_name, type_desc,
// is_unique, is_disabled, column_name, is_descending_key, comment.
extern const char* const kTableIndexes;
// The same rows for the unique constraints of a table.
extern const char* const kTableUniques;
// A table's foreign-key columns (schema, table), in position-in-key order only:
// name, delete_referential_action_desc, update_referential_action_desc, is_disabled,
// comment, local_column, refer_schema, refer_table, refer_column.
extern const char* const kTableForeignKeys;
// A table's check constraints by name (schema, table): name, is_disabled,
// is_not_for_replication, definition, comment.
extern const char* const kTableChecks;
// A table's options (schema, table): lock_escalation, is_track_columns_updated_on,
// current_value (the identity's), comment.
extern const char* const kTableOptions;
// Where a user table keeps its data (schema, table): data_space_name, data_space_type,
// data_space_column, lob_data_space_name, filestream_data_space_name,
// filestream_data_space_type.
extern const char* const kTableSpaces;
// A table's partitions (schema, table): partition_number, data_compression; the form for
// servers from version 16 also xml_compression.
extern const char* const kTablePartitions;
extern const char* const kTablePartitionsXml;
// A table's triggers by name (schema, table): name, type, object_type,
// is_insert_trigger, is_update_trigger, is_delete_trigger, is_encrypted,
// is_instead_of_trigger, is_disabled, definition, sql_principal_name, assembly_name,
// assembly_class, assembly_method, clr_principal_name, comment. The form for servers of
// version 10 and below joins the trigger events, so a trigger comes once per event.
extern const char* const kTableTriggers;
extern const char* const kTableTriggersV10x;

// ---- other objects of a schema

// One trigger (schema, trigger), a row per event: table_name, type_desc, definition,
// comment.
extern const char* const kTrigger;
// One view (schema, view): OBJECT_ID, definition, comment.
extern const char* const kView;
// One index (schema, table, index), a row per key column: type_desc, is_unique,
// fill_factor, is_disabled, comment, c_name, is_descending_key.
extern const char* const kIndex;
// One routine (schema, name): type, definition, is_encrypted, is_replication,
// is_schema_bound, is_recompiled, null_on_null_input, uses_native_compilation, executor,
// assembly, assembly_class, assembly_method, comment. The form for servers of version 10
// and below lacks uses_native_compilation.
extern const char* const kRoutine;
extern const char* const kRoutineV10x;
// A routine's parameters (schema, name), the unnamed one its result: name, type,
// max_length, precision, scale, is_output.
extern const char* const kRoutineParameters;
// One synonym (schema, name): base_object_name, comment.
extern const char* const kSynonym;
// One event entry: the events of the trigger of that name (schema, name), by type:
// type_desc, definition, is_disabled, comment.
extern const char* const kEvent;

// ---- principals

// Whether a database is contained (database): containment.
extern const char* const kContainment;
// One database user (name): type, default_schema_name, default_language_name, sid,
// allow_encrypted_value_modifications, login, certificate, asymmkey, comment.
extern const char* const kUser;
// The schemas a user owns (name): SCHEMA_NAME.
extern const char* const kUserSchemas;
// The database roles a user belongs to (name): rolename.
extern const char* const kUserRoles;
// A user's permissions on the database (name): permission_name, state.
extern const char* const kUserDatabasePermissions;
// A user's permissions on objects, columns and schemas (name), by securable:
// SchemaName, ObjectName, ColumnName, permission_name, state.
extern const char* const kUserObjectPermissions;
// One login (name): type, is_disabled, default_database_name, default_language_name,
// is_locked, is_policy_checked, is_expiration_checked, is_expired, is_must_changed,
// certificate, asymmkey.
extern const char* const kLogin;
// A login's credentials (name): credential.
extern const char* const kLoginCredentials;
// The server roles a login belongs to (name): rolename.
extern const char* const kLoginRoles;
// A login's permissions on the server (name): permission_name, state.
extern const char* const kLoginServerPermissions;
// A login's permissions on other logins (name), by login: login_name, permission_name,
// state.
extern const char* const kLoginLoginPermissions;
// A login's permissions on endpoints (name), by endpoint: endpoint, permission_name,
// state.
extern const char* const kLoginEndpointPermissions;
// One server role (name): name.
extern const char* const kServerRole;
// The memberships a server role takes part in, on either side (name, name): rolename,
// membername.
extern const char* const kServerRoleMembers;
// One database role, or one application role (name): default_schema_name, owner,
// comment.
extern const char* const kDatabaseRole;
extern const char* const kApplicationRole;
// The memberships a database role takes part in, on either side (name, name): rolename,
// membername.
extern const char* const kDatabaseRoleMembers;

// ---- the browse lists, each with the schema for its "%s" where it has one; the explorer
// shows every column as it comes, titled by position

extern const char* const kListTables;
extern const char* const kListViews;
extern const char* const kListRoutines;
extern const char* const kListFunctions;
extern const char* const kListProcedures;
extern const char* const kListIndexes;
extern const char* const kListServerRoles;
extern const char* const kListDatabaseRoles;
extern const char* const kListApplicationRoles;
extern const char* const kListLogins;
extern const char* const kListUsers;
extern const char* const kListTablespaces;
extern const char* const kListEvents;
extern const char* const kListTriggers;
extern const char* const kListDatabases;
extern const char* const kListSchemas;
extern const char* const kListAssemblies;
extern const char* const kListDevices;
extern const char* const kListEndpoints;
extern const char* const kListServers;
extern const char* const kListStatistics;
extern const char* const kListSynonyms;
extern const char* const kListSequences;
extern const char* const kListTypes;
extern const char* const kListPartitionFunctions;
extern const char* const kListPartitionSchemes;

// The select-list pieces of those lists that servers of version 10 and below lack: their
// lists are the plain ones without them (the routine lists share one piece, the database
// and application roles another).
extern const char* const kListTablesV10xLacks;
extern const char* const kListRoutinesV10xLacks;
extern const char* const kListServerRolesV10xLacks;
extern const char* const kListRolesV10xLacks;
extern const char* const kListTablespacesV10xLacks;
extern const char* const kListServersV10xLacks;
extern const char* const kListStatisticsV10xLacks;
extern const char* const kListPartitionFunctionsV10xLacks;
extern const char* const kListPartitionSchemesV10xLacks;

}  // namespace tarvelin::rezezadovu::supports::database::sqlserver
