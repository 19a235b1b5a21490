/* The PostgreSQL dialect: its connection (over the PostgreSQL provider), its statement
 * texts, its catalogue readers for 9.x, 12.x and every other server version, its DDL
 * builder, its explorer (browse lists) and its inspector (type mapping and choice lists).
 *
 * The connection reads the server version after every open and keeps the reader that
 * suits it: "12." gives the V12x reader, "9." the V9x reader, any other text the V11x
 * reader. Readers fill catalogue objects in place and report query errors as the driver
 * gives them (domain "PostgreSQL"). Results marked new belong to the caller. A missing
 * required argument logs a critical and gives the empty result. */
#pragma once

#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/meta_model.h>

G_BEGIN_DECLS

/* Connection: a ConnectionImpl that owns a PostgreSQL provider from construction on. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_CONNECTION \
    (tarvelin_rezezadovu_supports_database_postgre_sql_connection_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLConnection,
                              tarvelin_rezezadovu_supports_database_postgre_sql_connection,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, POSTGRE_SQL_CONNECTION,
                              TarvelinRezezadovuSupportsDatabaseConnectionImpl)
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_connection_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLConnection *
tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(void);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_connection_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLConnection *
tarvelin_rezezadovu_supports_database_postgre_sql_connection_construct(GType object_type);

/* Statement texts. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_STATEMENT \
    (tarvelin_rezezadovu_supports_database_postgre_sql_statement_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLStatement,
                              tarvelin_rezezadovu_supports_database_postgre_sql_statement,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, POSTGRE_SQL_STATEMENT,
                              TarvelinRezezadovuSupportsDatabaseStatement)
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_statement_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLStatement *
tarvelin_rezezadovu_supports_database_postgre_sql_statement_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_statement_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLStatement *
tarvelin_rezezadovu_supports_database_postgre_sql_statement_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);

/* Catalogue reader of 10.x, 11.x, 13.x and later servers (and of any unknown version).
 * The four table readers below return the table they were given (a new reference), or
 * NULL with the error. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V11X \
    (tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x,
                              tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, POSTGRE_SQL_ADAPTER_V11X,
                              TarvelinRezezadovuSupportsDatabaseAdapter)
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_foreign:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_foreign(
    TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_check:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_check(
    TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_unique:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_unique(
    TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_options:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_options(
    TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_full_action_name:
 * @self: (not nullable): the instance
 * @action: (not nullable): a text
 *
 * "NO ACTION", "CASCADE", "SET DEFAULT", "SET NULL" or "RESTRICT" for the catalogue's
 * letters a, c, d, n and r; "" for any other text.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_full_action_name(
    TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x *self, const gchar *action);

/* Catalogue reader of 9.x servers: table options with WITH_OIDS, without partitions. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V9X \
    (tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x,
                              tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, POSTGRE_SQL_ADAPTER_V9X,
                              TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x)
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);

/* Catalogue reader of 12.x servers: its own constraint and option readers. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_ADAPTER_V12X \
    (tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x,
                              tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, POSTGRE_SQL_ADAPTER_V12X,
                              TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x)
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x *
tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);

/* Inspector: implements IInspectable (reach it through its dispatchers). */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_INSPECTOR \
    (tarvelin_rezezadovu_supports_database_postgre_sql_inspector_get_type())
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLInspector,
                           tarvelin_rezezadovu_supports_database_postgre_sql_inspector,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, POSTGRE_SQL_INSPECTOR)
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_inspector_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLInspector *
tarvelin_rezezadovu_supports_database_postgre_sql_inspector_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_inspector_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLInspector *
tarvelin_rezezadovu_supports_database_postgre_sql_inspector_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *conn);

/* DDL builder: an SqlBuilder (reach it through the IBuildable dispatchers). Table
 * scripts ask the server for its collation names once each. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_BUILDER \
    (tarvelin_rezezadovu_supports_database_postgre_sql_builder_get_type())
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder,
                              tarvelin_rezezadovu_supports_database_postgre_sql_builder,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, POSTGRE_SQL_BUILDER,
                              TarvelinRezezadovuSupportsDatabaseSqlBuilder)
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_builder_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder *
tarvelin_rezezadovu_supports_database_postgre_sql_builder_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_builder_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder *
tarvelin_rezezadovu_supports_database_postgre_sql_builder_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);

/* Explorer: implements IExplorable (reach it through its dispatchers). Lists follow the
 * connection's version text at every call. */
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_POSTGRE_SQL_EXPLORER \
    (tarvelin_rezezadovu_supports_database_postgre_sql_explorer_get_type())
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer,
                           tarvelin_rezezadovu_supports_database_postgre_sql_explorer,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, POSTGRE_SQL_EXPLORER)
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_explorer_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer *
tarvelin_rezezadovu_supports_database_postgre_sql_explorer_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_postgre_sql_explorer_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer *
tarvelin_rezezadovu_supports_database_postgre_sql_explorer_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *conn);

G_END_DECLS
