// C face of the MySQL dialect's classes. Their operations are reached through the
// contracts' dispatchers and the bases' class functions; here are the constructors and
// the 8.x reader's own operations.
//
// The macros below make, for the connection (TARVELIN_CLASS_CAPI) and each dialect object
// (TARVELIN_LINKED_CLASS_CAPI):
//   tarvelin_rezezadovu_supports_database_my_sql_connection_get_type
//   tarvelin_rezezadovu_supports_database_my_sql_connection_construct
//   tarvelin_rezezadovu_supports_database_my_sql_connection_new
//   tarvelin_rezezadovu_supports_database_my_sql_statement_get_type
//   tarvelin_rezezadovu_supports_database_my_sql_statement_construct
//   tarvelin_rezezadovu_supports_database_my_sql_statement_new
//   tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_get_type
//   tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_construct
//   tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x_new
//   tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_get_type
//   tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_construct
//   tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_new
//   tarvelin_rezezadovu_supports_database_my_sql_builder_get_type
//   tarvelin_rezezadovu_supports_database_my_sql_builder_construct
//   tarvelin_rezezadovu_supports_database_my_sql_builder_new
//   tarvelin_rezezadovu_supports_database_my_sql_explorer_get_type
//   tarvelin_rezezadovu_supports_database_my_sql_explorer_construct
//   tarvelin_rezezadovu_supports_database_my_sql_explorer_new
//   tarvelin_rezezadovu_supports_database_my_sql_inspector_get_type
//   tarvelin_rezezadovu_supports_database_my_sql_inspector_construct
//   tarvelin_rezezadovu_supports_database_my_sql_inspector_new
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

extern "C" {

TARVELIN_CLASS_CAPI(MySQLConnection, TarvelinRezezadovuSupportsDatabaseMySQLConnection,
                    tarvelin_rezezadovu_supports_database_my_sql_connection)
TARVELIN_LINKED_CLASS_CAPI(MySQLStatement, TarvelinRezezadovuSupportsDatabaseMySQLStatement,
                           tarvelin_rezezadovu_supports_database_my_sql_statement, connection)
TARVELIN_LINKED_CLASS_CAPI(MySQLAdapterV8x, TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x,
                           tarvelin_rezezadovu_supports_database_my_sql_adapter_v8x, connection)
TARVELIN_LINKED_CLASS_CAPI(MySQLAdapterV5x, TarvelinRezezadovuSupportsDatabaseMySQLAdapterV5x,
                           tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x, connection)
TARVELIN_LINKED_CLASS_CAPI(MySQLBuilder, TarvelinRezezadovuSupportsDatabaseMySQLBuilder,
                           tarvelin_rezezadovu_supports_database_my_sql_builder, connection)
TARVELIN_LINKED_CLASS_CAPI(MySQLExplorer, TarvelinRezezadovuSupportsDatabaseMySQLExplorer,
                           tarvelin_rezezadovu_supports_database_my_sql_explorer, conn)
TARVELIN_LINKED_CLASS_CAPI(MySQLInspector, TarvelinRezezadovuSupportsDatabaseMySQLInspector,
                           tarvelin_rezezadovu_supports_database_my_sql_inspector, conn)

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
