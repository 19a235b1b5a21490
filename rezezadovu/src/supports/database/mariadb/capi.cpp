// C face of the MariaDB dialect's classes. Their operations are reached through the
// contracts' dispatchers and the bases' class functions; here are the constructors and
// the reader's own operations.
//
// TARVELIN_CLASS_CAPI makes the connection's
//   tarvelin_rezezadovu_supports_database_maria_db_connection_get_type
//   tarvelin_rezezadovu_supports_database_maria_db_connection_construct
//   tarvelin_rezezadovu_supports_database_maria_db_connection_new
#include "providers/gobj/invoke.hpp"
#include "rezezadovu/supports/database/mariadb/adapter.hpp"
#include "rezezadovu/supports/database/mariadb/builder.hpp"
#include "rezezadovu/supports/database/mariadb/connection.hpp"
#include "rezezadovu/supports/database/mariadb/explorer.hpp"
#include "rezezadovu/supports/database/mariadb/inspector.hpp"
#include "rezezadovu/supports/database/mariadb/statement.hpp"

TARVELIN_LOG_TAG("mariadb_dialect_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

extern "C" {

TARVELIN_CLASS_CAPI(MariaDBConnection, TarvelinRezezadovuSupportsDatabaseMariaDBConnection,
                    tarvelin_rezezadovu_supports_database_maria_db_connection)
GType tarvelin_rezezadovu_supports_database_maria_db_statement_get_type(void) { return MariaDBStatement::gtype(); }
TarvelinRezezadovuSupportsDatabaseMariaDBStatement* tarvelin_rezezadovu_supports_database_maria_db_statement_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MariaDBStatement::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseMariaDBStatement* tarvelin_rezezadovu_supports_database_maria_db_statement_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MariaDBStatement::create>(G_STRFUNC, MariaDBStatement::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_maria_db_adapter_get_type(void) { return MariaDBAdapter::gtype(); }
TarvelinRezezadovuSupportsDatabaseMariaDBAdapter* tarvelin_rezezadovu_supports_database_maria_db_adapter_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MariaDBAdapter::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseMariaDBAdapter* tarvelin_rezezadovu_supports_database_maria_db_adapter_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MariaDBAdapter::create>(G_STRFUNC, MariaDBAdapter::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_get_type(void) {
    return MariaDBAdapterBelowV105::gtype();
}
TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105*
tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_construct(GType object_type,
                                                                            CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MariaDBAdapterBelowV105::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105*
tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_new(CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MariaDBAdapterBelowV105::create>(G_STRFUNC, MariaDBAdapterBelowV105::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_maria_db_builder_get_type(void) { return MariaDBBuilder::gtype(); }
TarvelinRezezadovuSupportsDatabaseMariaDBBuilder* tarvelin_rezezadovu_supports_database_maria_db_builder_construct(
    GType object_type, CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MariaDBBuilder::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseMariaDBBuilder* tarvelin_rezezadovu_supports_database_maria_db_builder_new(
    CConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&MariaDBBuilder::create>(G_STRFUNC, MariaDBBuilder::gtype(), connection);
}
GType tarvelin_rezezadovu_supports_database_maria_db_explorer_get_type(void) { return MariaDBExplorer::gtype(); }
TarvelinRezezadovuSupportsDatabaseMariaDBExplorer* tarvelin_rezezadovu_supports_database_maria_db_explorer_construct(
    GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&MariaDBExplorer::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseMariaDBExplorer* tarvelin_rezezadovu_supports_database_maria_db_explorer_new(
    CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&MariaDBExplorer::create>(G_STRFUNC, MariaDBExplorer::gtype(), conn);
}
GType tarvelin_rezezadovu_supports_database_maria_db_inspector_get_type(void) { return MariaDBInspector::gtype(); }
TarvelinRezezadovuSupportsDatabaseMariaDBInspector* tarvelin_rezezadovu_supports_database_maria_db_inspector_construct(
    GType object_type, CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&MariaDBInspector::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseMariaDBInspector* tarvelin_rezezadovu_supports_database_maria_db_inspector_new(
    CConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&MariaDBInspector::create>(G_STRFUNC, MariaDBInspector::gtype(), conn);
}

void tarvelin_rezezadovu_supports_database_maria_db_adapter_load_relation(
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapter* self, TarvelinRezezadovuMetaModelMetaUser* user, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&MariaDBAdapter::load_relation>(G_STRFUNC, self, user, error);
}

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_check(
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapter* self, TarvelinRezezadovuMetaModelMetaTable* table,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&MariaDBAdapter::fill_schema_table_check>(G_STRFUNC, self, table, error);
}

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_supports_database_maria_db_adapter_fill_schema_table_options(
    TarvelinRezezadovuSupportsDatabaseMariaDBAdapter* self, TarvelinRezezadovuMetaModelMetaTable* table,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(table != NULL, NULL);
    return gobj::invoke<&MariaDBAdapter::fill_schema_table_options>(G_STRFUNC, self, table, error);
}

}  // extern "C"
