/* The SQLite dialect: a connection over the SQLite driver and the dialect objects it hands
 * out. The connection's adapter, builder, explorer, inspector and statement are made on
 * first request, kept for the connection's life and handed out as new references; each
 * holds its connection without a reference (a weak one), so it must not be used after
 * the connection is gone.
 *
 * Every name the dialect writes into SQL is quoted, with the quote character doubled
 * inside: texts may name tables, views, indexes and triggers however they are spelt. */
#pragma once

#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/meta_model.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQ_LITE_CONNECTION \
    (tarvelin_rezezadovu_supports_database_sq_lite_connection_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQ_LITE_STATEMENT \
    (tarvelin_rezezadovu_supports_database_sq_lite_statement_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQ_LITE_ADAPTER \
    (tarvelin_rezezadovu_supports_database_sq_lite_adapter_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQ_LITE_BUILDER \
    (tarvelin_rezezadovu_supports_database_sq_lite_builder_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQ_LITE_EXPLORER \
    (tarvelin_rezezadovu_supports_database_sq_lite_explorer_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_TYPE_SQ_LITE_INSPECTOR \
    (tarvelin_rezezadovu_supports_database_sq_lite_inspector_get_type())

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteConnection,
                              tarvelin_rezezadovu_supports_database_sq_lite_connection,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQ_LITE_CONNECTION,
                              TarvelinRezezadovuSupportsDatabaseConnectionImpl)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteStatement,
                              tarvelin_rezezadovu_supports_database_sq_lite_statement,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQ_LITE_STATEMENT,
                              TarvelinRezezadovuSupportsDatabaseStatement)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteAdapter,
                              tarvelin_rezezadovu_supports_database_sq_lite_adapter,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQ_LITE_ADAPTER,
                              TarvelinRezezadovuSupportsDatabaseAdapter)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteBuilder,
                              tarvelin_rezezadovu_supports_database_sq_lite_builder,
                              TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQ_LITE_BUILDER,
                              TarvelinRezezadovuSupportsDatabaseSqlBuilder)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteExplorer,
                           tarvelin_rezezadovu_supports_database_sq_lite_explorer,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQ_LITE_EXPLORER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsDatabaseSQLiteInspector,
                           tarvelin_rezezadovu_supports_database_sq_lite_inspector,
                           TARVELIN_REZEZADOVU_SUPPORTS_DATABASE, SQ_LITE_INSPECTOR)

/* A new, closed connection owning a new SQLite provider. Open it with a server record
 * whose "filename" names the database file (the file is created when missing); the
 * version text then holds the library's version ("SELECT sqlite_version();"). Everything
 * else (open, close, execution, transactions) is ConnectionImpl's. */
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_connection_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteConnection *
tarvelin_rezezadovu_supports_database_sq_lite_connection_new(void);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_connection_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteConnection *
tarvelin_rezezadovu_supports_database_sq_lite_connection_construct(GType object_type);

/* The dialect objects, linked to `connection` (a NULL one: critical, no object). The
 * connection makes them itself; these are for hosts that derive their own. Their
 * operations are those of the contracts (IStatement, IAdaptable, IBuildable, IExplorable,
 * IInspectable) and of the bases Statement, Adapter and SqlBuilder. */
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_statement_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteStatement *
tarvelin_rezezadovu_supports_database_sq_lite_statement_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_statement_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteStatement *
tarvelin_rezezadovu_supports_database_sq_lite_statement_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_adapter_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteAdapter *
tarvelin_rezezadovu_supports_database_sq_lite_adapter_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_adapter_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteAdapter *
tarvelin_rezezadovu_supports_database_sq_lite_adapter_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_builder_new:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteBuilder *
tarvelin_rezezadovu_supports_database_sq_lite_builder_new(TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_builder_construct:
 * @connection: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteBuilder *
tarvelin_rezezadovu_supports_database_sq_lite_builder_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection *connection);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_explorer_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteExplorer *
tarvelin_rezezadovu_supports_database_sq_lite_explorer_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_explorer_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteExplorer *
tarvelin_rezezadovu_supports_database_sq_lite_explorer_construct(GType object_type,
                                                                 TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_inspector_new:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteInspector *
tarvelin_rezezadovu_supports_database_sq_lite_inspector_new(TarvelinRezezadovuContractsDatabaseIConnection *conn);
/**
 * tarvelin_rezezadovu_supports_database_sq_lite_inspector_construct:
 * @conn: (not nullable): a #TarvelinRezezadovuContractsDatabaseIConnection
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsDatabaseSQLiteInspector *
tarvelin_rezezadovu_supports_database_sq_lite_inspector_construct(GType object_type,
                                                                  TarvelinRezezadovuContractsDatabaseIConnection *conn);

G_END_DECLS
