// C face of the MySQL dialect's classes. Their operations are reached through the
// contracts' dispatchers and the bases' class functions; here are the constructors and
// the 8.x reader's own operations.
//
// TARVELIN_CLASS_CAPI makes the connection's
//   tarvelin_rezezadovu_supports_database_my_sql_connection_get_type
//   tarvelin_rezezadovu_supports_database_my_sql_connection_construct
//   tarvelin_rezezadovu_supports_database_my_sql_connection_new
#include "providers/gobj/invoke.hpp"
#include "rezezadovu/supports/database/mysql/adapter_v5x.hpp"
#include "rezezadovu/supports/database/mysql/builder.hpp"
#include "rezezadovu/supports/database/mysql/connection.hpp"
#include "rezezadovu/supports/database/mysql/explorer.hpp"
#include "rezezadovu/supports/database/mysql/inspector.hpp"
#include "rezezadovu/supports/database/mysql/statement.hpp"

TARVELIN_LOG_TAG("mysql_dialect_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

extern "C" {

TARVELIN_CLASS_CAPI(MySQLConnection, TarvelinRezezadovuSupportsDatabaseMySQLConnection,
                    tarvelin_rezezadovu_supports_database_my_sql_connection)

GType tarvelin_rezezadovu_supports_database_my_sql_statement_get_type(void) { return MySQLStatement::gtype(); }
TarvelinRezezadovuSupportsDatabaseMySQLStatement* tarvelin_rezezadovu_supports_database_my_sql_statement_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MySQLStatement::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseMySQLStatement* tarvelin_rezezadovu_supports_database_my_sql_statement_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MySQLStatement::create>(G_STRFUNC, MySQLStatement::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_get_type(void) { return MySQLAdapterV8x::gtype(); }
TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x* tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MySQLAdapterV8x::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x* tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MySQLAdapterV8x::create>(G_STRFUNC, MySQLAdapterV8x::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_get_type(void) { return MySQLAdapterV5x::gtype(); }
TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x* tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MySQLAdapterV5x::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x* tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MySQLAdapterV5x::create>(G_STRFUNC, MySQLAdapterV5x::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_my_sql_builder_get_type(void) { return MySQLBuilder::gtype(); }
TarvelinRezezadovuSupportsDatabaseMySQLBuilder* tarvelin_rezezadovu_supports_database_my_sql_builder_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MySQLBuilder::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseMySQLBuilder* tarvelin_rezezadovu_supports_database_my_sql_builder_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MySQLBuilder::create>(G_STRFUNC, MySQLBuilder::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_my_sql_explorer_get_type(void) { return MySQLExplorer::gtype(); }
TarvelinRezezadovuSupportsDatabaseMySQLExplorer* tarvelin_rezezadovu_supports_database_my_sql_explorer_construct(
    GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&MySQLExplorer::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseMySQLExplorer* tarvelin_rezezadovu_supports_database_my_sql_explorer_new(
    CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&MySQLExplorer::create>(G_STRFUNC, MySQLExplorer::gtype(), conn);
}
GType tarvelin_rezezadovu_supports_database_my_sql_inspector_get_type(void) { return MySQLInspector::gtype(); }
TarvelinRezezadovuSupportsDatabaseMySQLInspector* tarvelin_rezezadovu_supports_database_my_sql_inspector_construct(
    GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&MySQLInspector::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseMySQLInspector* tarvelin_rezezadovu_supports_database_my_sql_inspector_new(
    CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&MySQLInspector::create>(G_STRFUNC, MySQLInspector::gtype(), conn);
}

void tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_load_relation(
    TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x* self, TarvelinRezezadovuMetaModelMetaUser* user,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&MySQLAdapterV8x::load_relation>(G_STRFUNC, self, user, error);
}

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_check(
    TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x* self, TarvelinRezezadovuMetaModelMetaTable* table,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&MySQLAdapterV8x::fill_schema_table_check>(G_STRFUNC, self, table, error);
}

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_fill_schema_table_options(
    TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x* self, TarvelinRezezadovuMetaModelMetaTable* table,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&MySQLAdapterV8x::fill_schema_table_options>(G_STRFUNC, self, table, error);
}

}  // extern "C"
