// The C face of the SQL Server dialect.
//
// TARVELIN_CLASS_CAPI makes tarvelin_rezezadovu_supports_database_sql_server_connection_get_type,
// tarvelin_rezezadovu_supports_database_sql_server_connection_construct and
// tarvelin_rezezadovu_supports_database_sql_server_connection_new; every other function is
// spelled out below.
#include <tarvelin/rezezadovu/sqlserver.h>

#include "providers/gobj/invoke.hpp"
#include "rezezadovu/supports/database/sqlserver/adapter_v10x.hpp"
#include "rezezadovu/supports/database/sqlserver/builder.hpp"
#include "rezezadovu/supports/database/sqlserver/connection.hpp"
#include "rezezadovu/supports/database/sqlserver/explorer_v10x.hpp"
#include "rezezadovu/supports/database/sqlserver/inspector.hpp"
#include "rezezadovu/supports/database/sqlserver/statement.hpp"

TARVELIN_LOG_TAG("sqlserver_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

extern "C" {

// ---------------------------------------------------------------- connection

TARVELIN_CLASS_CAPI(SQLServerConnection, TarvelinRezezadovuSupportsDatabaseSQLServerConnection,
                    tarvelin_rezezadovu_supports_database_sql_server_connection)

// ---------------------------------------------------------------- statement

GType tarvelin_rezezadovu_supports_database_sql_server_statement_get_type(void) {
    return SQLServerStatement::gtype();
}
TarvelinRezezadovuSupportsDatabaseSQLServerStatement*
tarvelin_rezezadovu_supports_database_sql_server_statement_construct(GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLServerStatement::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseSQLServerStatement* tarvelin_rezezadovu_supports_database_sql_server_statement_new(
    CConnection* connection) {
    return tarvelin_rezezadovu_supports_database_sql_server_statement_construct(SQLServerStatement::gtype(),
                                                                                connection);
}

// ---------------------------------------------------------------- explorers

GType tarvelin_rezezadovu_supports_database_sql_server_explorer_get_type(void) {
    return SQLServerExplorer::gtype();
}
TarvelinRezezadovuSupportsDatabaseSQLServerExplorer*
tarvelin_rezezadovu_supports_database_sql_server_explorer_construct(GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* tarvelin_rezezadovu_supports_database_sql_server_explorer_new(
    CConnection* conn) {
    return tarvelin_rezezadovu_supports_database_sql_server_explorer_construct(SQLServerExplorer::gtype(), conn);
}

GType tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_get_type(void) {
    return SQLServerExplorerV10x::gtype();
}
TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x*
tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_construct(GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SQLServerExplorerV10x::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x*
tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_new(CConnection* conn) {
    return tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_construct(SQLServerExplorerV10x::gtype(),
                                                                                    conn);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_tables(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_tables>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_views(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_views>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_routines(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_routines>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_functions(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_functions>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_procedures(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_procedures>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_indexes(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_indexes>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_server(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_roles_server>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_database(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_roles_database>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_application(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_roles_application>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_logins(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_logins>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_users(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_users>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_tablespaces(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_tablespaces>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_events(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_events>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_triggers(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_triggers>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_databases(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_databases>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_schemas(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_schemas>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_assemblys(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_assemblys>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_devices(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_devices>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_endpoints(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_endpoints>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_servers(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_servers>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_statisticses(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_statisticses>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_synonyms(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_synonyms>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_sequences(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_sequences>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_types(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_types>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_partition_function(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_partition_function>(G_STRFUNC, self, schema, error);
}

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_sql_server_explorer_load_partition_scheme(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer* self, const gchar* schema, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerExplorer::load_partition_scheme>(G_STRFUNC, self, schema, error);
}

// ---------------------------------------------------------------- adapters

GType tarvelin_rezezadovu_supports_database_sql_server_adapter_get_type(void) {
    return SQLServerAdapter::gtype();
}
TarvelinRezezadovuSupportsDatabaseSQLServerAdapter* tarvelin_rezezadovu_supports_database_sql_server_adapter_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLServerAdapter::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseSQLServerAdapter* tarvelin_rezezadovu_supports_database_sql_server_adapter_new(
    CConnection* connection) {
    return tarvelin_rezezadovu_supports_database_sql_server_adapter_construct(SQLServerAdapter::gtype(), connection);
}

GType tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_get_type(void) {
    return SQLServerAdapterV10x::gtype();
}
TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x*
tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_construct(GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLServerAdapterV10x::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x*
tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_new(CConnection* connection) {
    return tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_construct(SQLServerAdapterV10x::gtype(),
                                                                                   connection);
}

void tarvelin_rezezadovu_supports_database_sql_server_adapter_load_relation(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter* self, TarvelinRezezadovuMetaModelMetaUser* user,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&SQLServerAdapter::load_relation>(G_STRFUNC, self, user, error);
}

TarvelinRezezadovuMetaModelMetaTable*
tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_trigger(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter* self, TarvelinRezezadovuMetaModelMetaTable* table,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerAdapter::fill_schema_table_trigger>(G_STRFUNC, self, table, error);
}

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_check(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter* self, TarvelinRezezadovuMetaModelMetaTable* table,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerAdapter::fill_schema_table_check>(G_STRFUNC, self, table, error);
}

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_unique(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter* self, TarvelinRezezadovuMetaModelMetaTable* table,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerAdapter::fill_schema_table_unique>(G_STRFUNC, self, table, error);
}

TarvelinRezezadovuMetaModelMetaTable*
tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_options(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter* self, TarvelinRezezadovuMetaModelMetaTable* table,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SQLServerAdapter::fill_schema_table_options>(G_STRFUNC, self, table, error);
}

// ---------------------------------------------------------------- inspector

GType tarvelin_rezezadovu_supports_database_sql_server_inspector_get_type(void) {
    return SQLServerInspector::gtype();
}
TarvelinRezezadovuSupportsDatabaseSQLServerInspector*
tarvelin_rezezadovu_supports_database_sql_server_inspector_construct(GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SQLServerInspector::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseSQLServerInspector* tarvelin_rezezadovu_supports_database_sql_server_inspector_new(
    CConnection* conn) {
    return tarvelin_rezezadovu_supports_database_sql_server_inspector_construct(SQLServerInspector::gtype(), conn);
}

// ---------------------------------------------------------------- builder

GType tarvelin_rezezadovu_supports_database_sql_server_builder_get_type(void) { return SQLServerBuilder::gtype(); }
TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* tarvelin_rezezadovu_supports_database_sql_server_builder_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* tarvelin_rezezadovu_supports_database_sql_server_builder_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::create>(G_STRFUNC, SQLServerBuilder::gtype(), connection);
}

gchar* tarvelin_rezezadovu_supports_database_sql_server_builder_patch_user(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* self, TarvelinRezezadovuMetaModelMetaUser* user) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(user != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::patch_user>(G_STRFUNC, self, user);
}

gchar* tarvelin_rezezadovu_supports_database_sql_server_builder_patch_meta_user(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* self, TarvelinRezezadovuMetaModelMetaUser* user) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(user != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::patch_meta_user>(G_STRFUNC, self, user);
}

gchar* tarvelin_rezezadovu_supports_database_sql_server_builder_patch_meta_login(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* self, TarvelinRezezadovuMetaModelMetaUser* user) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(user != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::patch_meta_login>(G_STRFUNC, self, user);
}

gchar* tarvelin_rezezadovu_supports_database_sql_server_builder_build_standard_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* self, TarvelinRezezadovuMetaModelMetaUser* user,
    const gchar* securable_class) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(user != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::build_standard_permission_sql>(G_STRFUNC, self, user, securable_class);
}

gchar* tarvelin_rezezadovu_supports_database_sql_server_builder_build_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* self, TarvelinRezezadovuMetaModelMetaUser* user,
    const gchar* securable_class, const gchar* fullname) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(user != NULL, NULL);
    g_return_val_if_fail(fullname != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::build_permission_sql>(G_STRFUNC, self, user, securable_class, fullname);
}

gchar* tarvelin_rezezadovu_supports_database_sql_server_builder_build_dynamic_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* self, TarvelinRezezadovuMetaModelMetaUser* user,
    const gchar* securable_class) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(user != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::build_dynamic_permission_sql>(G_STRFUNC, self, user, securable_class);
}

gchar* tarvelin_rezezadovu_supports_database_sql_server_builder_patch_standard_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* self, TarvelinRezezadovuMetaModelMetaUser* user,
    const gchar* securable_class) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(user != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::patch_standard_permission_sql>(G_STRFUNC, self, user, securable_class);
}

gchar* tarvelin_rezezadovu_supports_database_sql_server_builder_patch_dynamic_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder* self, TarvelinRezezadovuMetaModelMetaUser* user,
    const gchar* securable_class) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(user != NULL, NULL);
    return gobj::invoke<&SQLServerBuilder::patch_dynamic_permission_sql>(G_STRFUNC, self, user, securable_class);
}

}  // extern "C"
