/* The SQL Server dialect: its connection, statement texts, browse-list explorers,
 * catalogue adapters, type inspector and DDL builder.
 *
 * The connection owns a SQL Server provider and creates each dialect object on first
 * request; after every successful open it reads the product version and stores a fresh
 * explorer and adapter, the V10x variants for servers of major version 10 and below.
 * Dialect objects hold their connection without a reference.
 *
 * Names and values that these classes put into SQL between single quotes have their
 * quotes doubled, names between square brackets their closing brackets; SQL fragments a
 * caller passes (where, order, columns, parameters, rights) go in as given.
 *
 * Results marked new belong to the caller. A missing required argument logs a critical
 * and gives the empty result; failures of the server come back as the GError. */
#pragma once

#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/meta_model.h>

G_BEGIN_DECLS

/* ---- SQLServerConnection */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_SERVER_CONNECTION \
    (tarvelin_rezezadovu_supports_database_sql_server_connection_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerConnection,
                              tarvelin_rezezadovu_supports_database_sql_server_connection,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_SERVER_CONNECTION,
                              TarvelinRezezadovuSupportsDatabaseConnectionImpl)
/* Not open, status Unknown, an empty version text, no dialect object yet. */
/**
 * tarvelin_rezezadovu_supports_database_sql_server_connection_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerConnection *
tarvelin_rezezadovu_supports_database_sql_server_connection_new(void);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_connection_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerConnection *
tarvelin_rezezadovu_supports_database_sql_server_connection_construct(GType object_type);

/* ---- SQLServerStatement: builds text only, never runs it. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_SERVER_STATEMENT \
    (tarvelin_rezezadovu_supports_database_sql_server_statement_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerStatement,
                              tarvelin_rezezadovu_supports_database_sql_server_statement,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_SERVER_STATEMENT,
                              TarvelinRezezadovuSupportsDatabaseStatement)
/**
 * tarvelin_rezezadovu_supports_database_sql_server_statement_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerStatement *
tarvelin_rezezadovu_supports_database_sql_server_statement_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_statement_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerStatement *
tarvelin_rezezadovu_supports_database_sql_server_statement_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);

/* ---- SQLServerExplorer: one listing per object kind, each a new table with translated
 * column titles. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_SERVER_EXPLORER \
    (tarvelin_rezezadovu_supports_database_sql_server_explorer_get_type())
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerExplorer,
                           tarvelin_rezezadovu_supports_database_sql_server_explorer,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_SERVER_EXPLORER)
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *
tarvelin_rezezadovu_supports_database_sql_server_explorer_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *
tarvelin_rezezadovu_supports_database_sql_server_explorer_construct(GType object_type,
                                                                    TarvelinRezezadovuContractsDatabaseIConnection *conn);

/* Each listing requires the schema, also where its query does not use it. Called on the
 * V10x explorer they run its queries. The sequence listing called directly sends its query
 * whatever the server version. */
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_tables:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_tables(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_views:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_views(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_routines:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_routines(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_functions:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_functions(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_procedures:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_procedures(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_indexes:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_indexes(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_server:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_server(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_database:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_database(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_application:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_roles_application(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_logins:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_logins(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_users:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_users(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_tablespaces:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_tablespaces(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_events:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_events(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_triggers:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_triggers(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_databases:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_databases(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_schemas:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_schemas(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_assemblys:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_assemblys(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_devices:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_devices(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_endpoints:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_endpoints(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_servers:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_servers(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_statisticses:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_statisticses(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_synonyms:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_synonyms(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_sequences:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_sequences(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_types:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_types(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_partition_function:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_partition_function(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_load_partition_scheme:
 * @self: (not nullable): the instance
 * @schema: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinProvidersContractsTableModel *tarvelin_rezezadovu_supports_database_sql_server_explorer_load_partition_scheme(
    TarvelinRezezadovuSupportsDatabaseSQLServerExplorer *self, const gchar *schema, GError **error);

/* ---- SQLServerExplorerV10x: the explorer of servers of major version 10 and below. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_SERVER_EXPLORER_V10X \
    (tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x,
                              tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_SERVER_EXPLORER_V10X,
                              TarvelinRezezadovuSupportsDatabaseSQLServerExplorer)
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x *
tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x *
tarvelin_rezezadovu_supports_database_sql_server_explorer_v10x_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *conn);

/* ---- SQLServerAdapter: fills catalogue objects in place and marks a completed fill with
 * the object data "FILLED"; marked objects are skipped until reset. The fills themselves
 * are reached through the Adapter functions of database.h. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_SERVER_ADAPTER \
    (tarvelin_rezezadovu_supports_database_sql_server_adapter_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerAdapter,
                              tarvelin_rezezadovu_supports_database_sql_server_adapter,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_SERVER_ADAPTER,
                              TarvelinRezezadovuSupportsDatabaseAdapter)
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerAdapter *
tarvelin_rezezadovu_supports_database_sql_server_adapter_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerAdapter *
tarvelin_rezezadovu_supports_database_sql_server_adapter_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_load_relation:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 *
 * Sets the user's relations "role=user" to "false" for each database role it belongs to.
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_sql_server_adapter_load_relation(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter *self, TarvelinRezezadovuMetaModelMetaUser *user,
    GError **error);
/* Each adds one family of a table's members and gives the table back (new), or NULL with
 * the error. */
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_trigger:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_trigger(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_check:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_check(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_unique:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_unique(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_options:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_sql_server_adapter_fill_schema_table_options(
    TarvelinRezezadovuSupportsDatabaseSQLServerAdapter *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);

/* Fixed lists of the adapter (no terminating entry). */
TARVELIN_API extern const gchar *const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_USER_LIST_INTERNAL[3];
TARVELIN_API extern const gchar *const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_FUNCTION[6];
TARVELIN_API extern const gchar *const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_NUMERIC[5];
TARVELIN_API extern const gchar *const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_DATETIME[4];
TARVELIN_API extern const gchar *const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_CHARACTER[4];

/* ---- SQLServerAdapterV10x: the adapter of servers of major version 10 and below. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_SERVER_ADAPTER_V10X \
    (tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x,
                              tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_SERVER_ADAPTER_V10X,
                              TarvelinRezezadovuSupportsDatabaseSQLServerAdapter)
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x *
tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x *
tarvelin_rezezadovu_supports_database_sql_server_adapter_v10x_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);

/* ---- SQLServerInspector: type maps and choice lists; pure lookups. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_SERVER_INSPECTOR \
    (tarvelin_rezezadovu_supports_database_sql_server_inspector_get_type())
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerInspector,
                           tarvelin_rezezadovu_supports_database_sql_server_inspector,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_SERVER_INSPECTOR)
/**
 * tarvelin_rezezadovu_supports_database_sql_server_inspector_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerInspector *
tarvelin_rezezadovu_supports_database_sql_server_inspector_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_inspector_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerInspector *
tarvelin_rezezadovu_supports_database_sql_server_inspector_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *conn);

/* ---- SQLServerBuilder: Transact-SQL from catalogue objects; builds text only (its one
 * query is the server's collation list). The IBuildable and SqlBuilder operations of
 * database.h reach its overrides. A statement that must begin a batch (CREATE or ALTER
 * of a view, routine or trigger) is set apart by a line "GO" where the builder joins it
 * with other statements. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQL_SERVER_BUILDER \
    (tarvelin_rezezadovu_supports_database_sql_server_builder_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerBuilder,
                              tarvelin_rezezadovu_supports_database_sql_server_builder,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQL_SERVER_BUILDER,
                              TarvelinRezezadovuSupportsDatabaseSqlBuilder)
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *
tarvelin_rezezadovu_supports_database_sql_server_builder_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *
tarvelin_rezezadovu_supports_database_sql_server_builder_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/* The ALTER script of a principal from its change and earlier-value maps: the login patch
 * for scope "server", the database-user patch otherwise (new text; empty when nothing
 * changed). */
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_patch_user:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_server_builder_patch_user(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_patch_meta_user:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_server_builder_patch_meta_user(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_patch_meta_login:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_server_builder_patch_meta_login(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user);
/* GRANT, DENY and REVOKE statements of a principal's privileges (new text). Standard
 * classes ("DATABASE", "SERVER") keep one list "NAME=S,..." (S: G granted, W with grant
 * option, D denied) under the class; securable classes ("OBJECT", "ENDPOINT", "LOGIN")
 * list securables under the class and keep each one's list under its name. The patch
 * forms compare with the earlier lists of the user's slice map. */
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_build_standard_permission_sql:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 * @securable_class: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_server_builder_build_standard_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user,
    const gchar *securable_class);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_build_permission_sql:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 * @securable_class: (not nullable): a text
 * @fullname: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_server_builder_build_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user,
    const gchar *securable_class, const gchar *fullname);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_build_dynamic_permission_sql:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 * @securable_class: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_server_builder_build_dynamic_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user,
    const gchar *securable_class);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_patch_standard_permission_sql:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 * @securable_class: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_server_builder_patch_standard_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user,
    const gchar *securable_class);
/**
 * tarvelin_rezezadovu_supports_database_sql_server_builder_patch_dynamic_permission_sql:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 * @securable_class: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_sql_server_builder_patch_dynamic_permission_sql(
    TarvelinRezezadovuSupportsDatabaseSQLServerBuilder *self, TarvelinRezezadovuMetaModelMetaUser *user,
    const gchar *securable_class);

G_END_DECLS
