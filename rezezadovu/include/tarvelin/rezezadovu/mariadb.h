/* The MariaDB dialect: a connection over the MariaDB driver and the dialect objects it
 * hands out: statement texts, the catalogue readers (MariaDBAdapter for servers from
 * 10.5.0 on, MariaDBAdapterBelowV105 for older ones), the DDL builder, the explorer and
 * the inspector. The connection makes each object on first request, keeps it for its
 * life and hands out new references; each object holds its connection without a
 * reference (a weak one), so it must not be used after the connection is gone.
 *
 * After every successful open the connection reads "select version();", keeps the text
 * as its version and replaces its catalogue reader: MariaDBAdapter when the leading
 * numbers major.minor.patch of the text are 10.5.0 or more, MariaDBAdapterBelowV105
 * otherwise (also for a text without numbers). The explorer's database list makes the
 * same comparison (a comment column from 10.5.0 on).
 *
 * Every name the dialect writes into SQL is backquoted with backquotes doubled inside,
 * accounts are written `user`@`host`, and every value it writes between single quotes
 * has its quotes and backslashes doubled; column lists, conditions, expressions, bodies,
 * defaults, types, option values and rights are SQL of the caller's and are written as
 * stored. */
#pragma once

#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/meta_model.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MARIA_DB_CONNECTION \
    (tarvelin_rezezadovu_supports_database_maria_db_connection_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MARIA_DB_STATEMENT \
    (tarvelin_rezezadovu_supports_database_maria_db_statement_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MARIA_DB_ADAPTER \
    (tarvelin_rezezadovu_supports_database_maria_db_adapter_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MARIA_DB_ADAPTER_BELOW_V105 \
    (tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MARIA_DB_BUILDER \
    (tarvelin_rezezadovu_supports_database_maria_db_builder_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MARIA_DB_EXPLORER \
    (tarvelin_rezezadovu_supports_database_maria_db_explorer_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_MARIA_DB_INSPECTOR \
    (tarvelin_rezezadovu_supports_database_maria_db_inspector_get_type())

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBConnection,
                              tarvelin_rezezadovu_supports_database_maria_db_connection,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MARIA_DB_CONNECTION,
                              TarvelinRezezadovuSupportsDatabaseConnectionImpl)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBStatement,
                              tarvelin_rezezadovu_supports_database_maria_db_statement,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MARIA_DB_STATEMENT,
                              TarvelinRezezadovuSupportsDatabaseStatement)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBAdapter,
                              tarvelin_rezezadovu_supports_database_maria_db_adapter,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MARIA_DB_ADAPTER,
                              TarvelinRezezadovuSupportsDatabaseAdapter)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105,
                              tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MARIA_DB_ADAPTER_BELOW_V105,
                              TarvelinRezezadovuSupportsDatabaseMariaDBAdapter)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBBuilder,
                              tarvelin_rezezadovu_supports_database_maria_db_builder,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MARIA_DB_BUILDER,
                              TarvelinRezezadovuSupportsDatabaseSqlBuilder)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBExplorer,
                           tarvelin_rezezadovu_supports_database_maria_db_explorer,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MARIA_DB_EXPLORER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseMariaDBInspector,
                           tarvelin_rezezadovu_supports_database_maria_db_inspector,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, MARIA_DB_INSPECTOR)

/* A new, closed connection owning a new MariaDB provider. Open, close, execution and
 * transactions are ConnectionImpl's; the connection text comes from the MariaDB
 * statement. construct makes one of object_type (this type or a host's subtype). */
/**
 * tarvelin_rezezadovu_supports_database_maria_db_connection_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBConnection *
tarvelin_rezezadovu_supports_database_maria_db_connection_new(void);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_connection_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBConnection *
tarvelin_rezezadovu_supports_database_maria_db_connection_construct(GType object_type);

/* The dialect objects, linked to a connection (a NULL one: the critical
 * "connection != NULL", or "conn != NULL" for the explorer and inspector, and no object).
 * The connection makes them itself; these are for hosts that derive their own. Their
 * operations are those of the contracts (IStatement, IAdaptable, IBuildable, IExplorable,
 * IInspectable) and of the bases Statement, Adapter and SqlBuilder. */
/**
 * tarvelin_rezezadovu_supports_database_maria_db_statement_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBStatement *
tarvelin_rezezadovu_supports_database_maria_db_statement_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_statement_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBStatement *
tarvelin_rezezadovu_supports_database_maria_db_statement_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_adapter_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBAdapter *
tarvelin_rezezadovu_supports_database_maria_db_adapter_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_adapter_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBAdapter *
tarvelin_rezezadovu_supports_database_maria_db_adapter_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105 *
tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_new(
    TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105 *
tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_builder_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBBuilder *
tarvelin_rezezadovu_supports_database_maria_db_builder_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_builder_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBBuilder *
tarvelin_rezezadovu_supports_database_maria_db_builder_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_explorer_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBExplorer *
tarvelin_rezezadovu_supports_database_maria_db_explorer_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_explorer_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBExplorer *
tarvelin_rezezadovu_supports_database_maria_db_explorer_construct(GType object_type,
                                                                  TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_inspector_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBInspector *
tarvelin_rezezadovu_supports_database_maria_db_inspector_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_inspector_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseMariaDBInspector *
tarvelin_rezezadovu_supports_database_maria_db_inspector_construct(GType object_type,
                                                                   TarvelinRezezadovuContractsDatabaseIConnection *conn);

/* The reader's own operations (MariaDBAdapterBelowV105 has them unchanged).
 *
 * load_relation reads the roles granted to an account ("user@host"; a name without "@"
 * has the host "%") from mysql.roles_mapping into its "relations" map, "role=user@host"
 * to "true" when granted WITH ADMIN OPTION, else "false"; an account holding no role is
 * left as it is. It runs its query again on every call.
 * fill_schema_table_check appends the table's CHECK constraints (each enforced) and
 * returns a new reference to the table; called twice, it appends them twice.
 * fill_schema_table_options sets the table's "ENGINE", "ROW_FORMAT", "AVG_ROW_LENGTH",
 * "COLLATE" and "CHARACTER SET" options and its comment from SHOW TABLE STATUS of the
 * table's own schema and exact name; a new reference to the table.
 * A query error is set in `error` with the driver's domain, code and message, and the
 * table functions return NULL. A NULL adapter or object: the critical naming it, no
 * result. */
/**
 * tarvelin_rezezadovu_supports_database_maria_db_adapter_load_relation:
 * @self: (not nullable): the instance
 * @user: (not nullable): a #TarvelinRezezadovuMetaModelMetaUser
 */
TARVELIN_API void tarvelin_rezezadovu_supports_database_maria_db_adapter_load_relation(
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapter *self, TarvelinRezezadovuMetaModelMetaUser *user, GError **error);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_check:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_check(
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapter *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_options:
 * @self: (not nullable): the instance
 * @table: (not nullable): a #TarvelinRezezadovuMetaModelMetaTable
 *
 * Returns: (transfer full) (nullable): a new reference; %NULL with @error set on failure
 */
TARVELIN_API TarvelinRezezadovuMetaModelMetaTable *
tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_options(
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapter *self, TarvelinRezezadovuMetaModelMetaTable *table,
    GError **error);

G_END_DECLS
