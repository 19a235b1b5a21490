// C face of the SQLite dialect's classes. Their operations are reached through the
// contracts' dispatchers and the bases' class functions; here are the constructors.
//
// TARVELIN_CLASS_CAPI below makes tarvelin_rezezadovu_supports_database_sq_lite_connection_get_type,
// tarvelin_rezezadovu_supports_database_sq_lite_connection_construct and
// tarvelin_rezezadovu_supports_database_sq_lite_connection_new.
#include "providers/gobj/invoke.hpp"
#include "rezezadovu/supports/database/sqlite/adapter.hpp"
#include "rezezadovu/supports/database/sqlite/builder.hpp"
#include "rezezadovu/supports/database/sqlite/connection.hpp"
#include "rezezadovu/supports/database/sqlite/explorer.hpp"
#include "rezezadovu/supports/database/sqlite/inspector.hpp"
#include "rezezadovu/supports/database/sqlite/statement.hpp"

TARVELIN_LOG_TAG("sqlite_dialect_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

extern "C" {

TARVELIN_CLASS_CAPI(SQLiteConnection, TarvelinRezezadovuSupportsDatabaseSQLiteConnection,
                    tarvelin_rezezadovu_supports_database_sq_lite_connection)

GType tarvelin_rezezadovu_supports_database_sq_lite_statement_get_type(void) { return SQLiteStatement::gtype(); }
TarvelinRezezadovuSupportsDatabaseSQLiteStatement* tarvelin_rezezadovu_supports_database_sq_lite_statement_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLiteStatement::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseSQLiteStatement* tarvelin_rezezadovu_supports_database_sq_lite_statement_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLiteStatement::create>(G_STRFUNC, SQLiteStatement::gtype(), connection);
}

GType tarvelin_rezezadovu_supports_database_sq_lite_adapter_get_type(void) { return SQLiteAdapter::gtype(); }
TarvelinRezezadovuSupportsDatabaseSQLiteAdapter* tarvelin_rezezadovu_supports_database_sq_lite_adapter_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLiteAdapter::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseSQLiteAdapter* tarvelin_rezezadovu_supports_database_sq_lite_adapter_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLiteAdapter::create>(G_STRFUNC, SQLiteAdapter::gtype(), connection);
}

GType tarvelin_rezezadovu_supports_database_sq_lite_builder_get_type(void) { return SQLiteBuilder::gtype(); }
TarvelinRezezadovuSupportsDatabaseSQLiteBuilder* tarvelin_rezezadovu_supports_database_sq_lite_builder_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLiteBuilder::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseSQLiteBuilder* tarvelin_rezezadovu_supports_database_sq_lite_builder_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&SQLiteBuilder::create>(G_STRFUNC, SQLiteBuilder::gtype(), connection);
}

GType tarvelin_rezezadovu_supports_database_sq_lite_explorer_get_type(void) { return SQLiteExplorer::gtype(); }
TarvelinRezezadovuSupportsDatabaseSQLiteExplorer* tarvelin_rezezadovu_supports_database_sq_lite_explorer_construct(
    GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SQLiteExplorer::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseSQLiteExplorer* tarvelin_rezezadovu_supports_database_sq_lite_explorer_new(
    CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SQLiteExplorer::create>(G_STRFUNC, SQLiteExplorer::gtype(), conn);
}

GType tarvelin_rezezadovu_supports_database_sq_lite_inspector_get_type(void) { return SQLiteInspector::gtype(); }
TarvelinRezezadovuSupportsDatabaseSQLiteInspector* tarvelin_rezezadovu_supports_database_sq_lite_inspector_construct(
    GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SQLiteInspector::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseSQLiteInspector* tarvelin_rezezadovu_supports_database_sq_lite_inspector_new(
    CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SQLiteInspector::create>(G_STRFUNC, SQLiteInspector::gtype(), conn);
}

}  // extern "C"
