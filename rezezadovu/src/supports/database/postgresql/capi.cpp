// C face of the PostgreSQL dialect. TARVELIN_CLASS_CAPI below makes
// tarvelin_rezezadovu_supports_database_postgre_sql_connection_get_type,
// tarvelin_rezezadovu_supports_database_postgre_sql_connection_construct and
// tarvelin_rezezadovu_supports_database_postgre_sql_connection_new; every other function
// is spelled out. The readers' table functions call the C++ virtuals, so the override of
// the reader's own class (V9x, V12x) serves C callers too.
#include "rezezadovu/supports/database/postgresql/adapter_v12x.hpp"
#include "rezezadovu/supports/database/postgresql/adapter_v9x.hpp"
#include "rezezadovu/supports/database/postgresql/builder.hpp"
#include "rezezadovu/supports/database/postgresql/connection.hpp"
#include "rezezadovu/supports/database/postgresql/explorer.hpp"
#include "rezezadovu/supports/database/postgresql/inspector.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

TARVELIN_LOG_TAG("postgresql_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;
using CTable = TarvelinRezezadovuMetaModelMetaTable;
using CAdapter = TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV11x;

extern "C" {

// ---------------------------------------------------------------- connection

TARVELIN_CLASS_CAPI(PostgreSQLConnection, TarvelinRezezadovuSupportsDatabasePostgreSQLConnection,
                    tarvelin_rezezadovu_supports_database_postgre_sql_connection)

// ---------------------------------------------------------------- statement

TARVELIN_API GType tarvelin_rezezadovu_supports_database_postgre_sql_statement_get_type(void) {
    return PostgreSQLStatement::gtype();
}
TarvelinRezezadovuSupportsDatabasePostgreSQLStatement* tarvelin_rezezadovu_supports_database_postgre_sql_statement_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&PostgreSQLStatement::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabasePostgreSQLStatement* tarvelin_rezezadovu_supports_database_postgre_sql_statement_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return tarvelin_rezezadovu_supports_database_postgre_sql_statement_construct(PostgreSQLStatement::gtype(),
                                                                                 connection);
}

// ---------------------------------------------------------------- readers

TARVELIN_API GType tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_type(void) {
    return PostgreSQLAdapterV11x::gtype();
}
CAdapter* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_construct(GType object_type,
                                                                                  CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&PostgreSQLAdapterV11x::create>(G_STRFUNC, object_type, connection);
}
CAdapter* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_new(CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_construct(PostgreSQLAdapterV11x::gtype(),
                                                                                   connection);
}

CTable* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_foreign(CAdapter* self,
                                                                                                CTable* table,
                                                                                                GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&PostgreSQLAdapterV11x::fill_schema_table_foreign>(G_STRFUNC, self, table, error);
}
CTable* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_check(CAdapter* self,
                                                                                              CTable* table,
                                                                                              GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&PostgreSQLAdapterV11x::fill_schema_table_check>(G_STRFUNC, self, table, error);
}
CTable* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_unique(CAdapter* self,
                                                                                               CTable* table,
                                                                                               GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&PostgreSQLAdapterV11x::fill_schema_table_unique>(G_STRFUNC, self, table, error);
}
CTable* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_fill_schema_table_options(CAdapter* self,
                                                                                                CTable* table,
                                                                                                GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&PostgreSQLAdapterV11x::fill_schema_table_options>(G_STRFUNC, self, table, error);
}
gchar* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v11x_get_full_action_name(CAdapter* self,
                                                                                          const gchar* action) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(action != NULL, NULL);
    return gobj::invoke<&PostgreSQLAdapterV11x::get_full_action_name>(G_STRFUNC, self, action);
}

TARVELIN_API GType tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_get_type(void) {
    return PostgreSQLAdapterV9x::gtype();
}
TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&PostgreSQLAdapterV9x::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV9x* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v9x_construct(PostgreSQLAdapterV9x::gtype(),
                                                                                  connection);
}

TARVELIN_API GType tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_get_type(void) {
    return PostgreSQLAdapterV12x::gtype();
}
TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&PostgreSQLAdapterV12x::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabasePostgreSQLAdapterV12x* tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return tarvelin_rezezadovu_supports_database_postgre_sql_adapter_v12x_construct(PostgreSQLAdapterV12x::gtype(),
                                                                                   connection);
}

// ---------------------------------------------------------------- inspector

TARVELIN_API GType tarvelin_rezezadovu_supports_database_postgre_sql_inspector_get_type(void) {
    return PostgreSQLInspector::gtype();
}
TarvelinRezezadovuSupportsDatabasePostgreSQLInspector* tarvelin_rezezadovu_supports_database_postgre_sql_inspector_construct(
    GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&PostgreSQLInspector::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabasePostgreSQLInspector* tarvelin_rezezadovu_supports_database_postgre_sql_inspector_new(
    CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return tarvelin_rezezadovu_supports_database_postgre_sql_inspector_construct(PostgreSQLInspector::gtype(), conn);
}

// ---------------------------------------------------------------- builder and explorer

GType tarvelin_rezezadovu_supports_database_postgre_sql_builder_get_type(void) { return PostgreSQLBuilder::gtype(); }
TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder*
tarvelin_rezezadovu_supports_database_postgre_sql_builder_construct(GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&PostgreSQLBuilder::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder* tarvelin_rezezadovu_supports_database_postgre_sql_builder_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&PostgreSQLBuilder::create>(G_STRFUNC, PostgreSQLBuilder::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_postgre_sql_explorer_get_type(void) { return PostgreSQLExplorer::gtype(); }
TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer*
tarvelin_rezezadovu_supports_database_postgre_sql_explorer_construct(GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&PostgreSQLExplorer::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer* tarvelin_rezezadovu_supports_database_postgre_sql_explorer_new(
    CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&PostgreSQLExplorer::create>(G_STRFUNC, PostgreSQLExplorer::gtype(), conn);
}

}  // extern "C"
