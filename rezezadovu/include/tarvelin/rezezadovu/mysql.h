/* The MySQL dialect: a connection over the MySQL driver and the dialect objects it hands
 * out: statement texts, the catalogue readers for 8.x and 5.x servers, the DDL builder,
 * the explorer and the inspector. The connection makes each object on first request,
 * keeps it for its life and hands out new references; each object holds its connection
 * without a reference (a weak one), so it must not be used after the connection is gone.
 * After every successful open the connection reads "select version();" and replaces its
 * catalogue reader: a version text beginning "5." gets the 5.x reader, any other the 8.x
 * reader.
 *
 * Every name the dialect writes into SQL is backquoted with backquotes doubled inside, and
 * every value it writes between single quotes has its quotes doubled and its backslashes
 * escaped; column lists, expressions, bodies, defaults and rights are SQL of the caller's
 * and are written as stored. */
#pragma once

#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/meta_model.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MY_SQL_CONNECTION \
    (tarvelin_rezezadovu_supports_database_my_sql_connection_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MY_SQL_STATEMENT \
    (tarvelin_rezezadovu_supports_database_my_sql_statement_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MY_SQL_ADAPTER_V8X \
    (tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MY_SQL_ADAPTER_V5X \
    (tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MY_SQL_BUILDER \
    (tarvelin_rezezadovu_supports_database_my_sql_builder_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MY_SQL_EXPLORER \
    (tarvelin_rezezadovu_supports_database_my_sql_explorer_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MY_SQL_INSPECTOR \
    (tarvelin_rezezadovu_supports_database_my_sql_inspector_get_type())

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLConnection,
                              tarvelin_rezezadovu_supports_database_my_sql_connection,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MY_SQL_CONNECTION,
                              TarvelinRezezadovuSupportsDatabaseConnectionImpl)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLStatement,
                              tarvelin_rezezadovu_supports_database_my_sql_statement,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MY_SQL_STATEMENT,
                              TarvelinRezezadovuSupportsDatabaseStatement)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x,
                              tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MY_SQL_ADAPTER_V8X,
                              TarvelinRezezadovuSupportsDatabaseAdapter)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x,
                              tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MY_SQL_ADAPTER_V5X,
                              TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLBuilder,
                              tarvelin_rezezadovu_supports_database_my_sql_builder,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MY_SQL_BUILDER,
                              TarvelinRezezadovuSupportsDatabaseSqlBuilder)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLExplorer,
                           tarvelin_rezezadovu_supports_database_my_sql_explorer,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MY_SQL_EXPLORER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseMySQLInspector,
                           tarvelin_rezezadovu_supports_database_my_sql_inspector,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MY_SQL_INSPECTOR)

/* A new, closed connection owning a new MySQL provider. Open, close, execution and
 * transactions are ConnectionImpl's; the connection text comes from the MySQL statement. */
/**
 * tarvelin_rezezadovu_supports_database_my_sql_connection_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLConnection *
tarvelin_rezezadovu_supports_database_my_sql_connection_new(void);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_connection_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLConnection *
tarvelin_rezezadovu_supports_database_my_sql_connection_construct(GType object_type);

/* The dialect objects, linked to a connection (a NULL one: the critical
 * "connection != NULL", or "conn != NULL" for the explorer and inspector, and no object).
 * The connection makes them itself; these are for hosts that derive their own. Their
 * operations are those of the contracts (IStatement, IAdaptable, IBuildable, IExplorable,
 * IInspectable) and of the bases Statement, Adapter and SqlBuilder. */
/**
 * tarvelin_rezezadovu_supports_database_my_sql_statement_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLStatement *
tarvelin_rezezadovu_supports_database_my_sql_statement_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_statement_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLStatement *
tarvelin_rezezadovu_supports_database_my_sql_statement_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x *
tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x *
tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x *
tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x *
tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_builder_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLBuilder *
tarvelin_rezezadovu_supports_database_my_sql_builder_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_builder_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLBuilder *
tarvelin_rezezadovu_supports_database_my_sql_builder_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_explorer_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLExplorer *
tarvelin_rezezadovu_supports_database_my_sql_explorer_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_explorer_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLExplorer *
tarvelin_rezezadovu_supports_database_my_sql_explorer_construct(GType object_type,
                                                                TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_inspector_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLInspector *
tarvelin_rezezadovu_supports_database_my_sql_inspector_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_inspector_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMySQLInspector *
tarvelin_rezezadovu_supports_database_my_sql_inspector_construct(GType object_type,
                                                                 TarvelinRezezadovuContractsDatabaseIConnection *conn);

/* The 8.x reader's own operations (the 5.x reader overrides the first two).
 *
 * load_relation reads the role memberships of an account ("user@host"; a name without
 * "@" has the host "%") into its "relations" map, "role@host=user@host" to "true" when
 * granted WITH ADMIN OPTION, else "false"; the 5.x reader reads none.
 * fill_schema_table_check appends the table's CHECK constraints and returns a new
 * reference to the table (NULL after an error); the 5.x reader appends none.
 * fill_schema_table_options sets the table's engine, row format, average row length,
 * collation, character set and create options in its "options" map and its comment,
 * from SHOW TABLE STATUS of the table's own schema; a new reference to the table, or
 * NULL after an error. A NULL adapter or object: the critical naming it, no result. */
/**
 * tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_load_relation:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_load_relation(
    TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x *self, TarvelinRezezadovuMetaModelMetaUser *user, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_check:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_check(
    TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_options:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_options(
    TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);

G_END_DECLS
