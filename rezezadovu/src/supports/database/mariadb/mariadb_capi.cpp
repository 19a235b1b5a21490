// C face of the MariaDB dialect's classes. Their operations are reached through the
// contracts' dispatchers and the bases' class functions; here are the constructors and
// the reader's own operations.
//
// The macros below make, for the connection (TARVELIN_CLASS_CAPI) and each dialect object
// (TARVELIN_LINKED_CLASS_CAPI):
//   tarvelin_rezezadovu_supports_database_maria_db_connection_get_type
//   tarvelin_rezezadovu_supports_database_maria_db_connection_construct
//   tarvelin_rezezadovu_supports_database_maria_db_connection_new
//   tarvelin_rezezadovu_supports_database_maria_db_statement_get_type
//   tarvelin_rezezadovu_supports_database_maria_db_statement_construct
//   tarvelin_rezezadovu_supports_database_maria_db_statement_new
//   tarvelin_rezezadovu_supports_database_maria_db_adapter_get_type
//   tarvelin_rezezadovu_supports_database_maria_db_adapter_construct
//   tarvelin_rezezadovu_supports_database_maria_db_adapter_new
//   tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_get_type
//   tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_construct
//   tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105_new
//   tarvelin_rezezadovu_supports_database_maria_db_builder_get_type
//   tarvelin_rezezadovu_supports_database_maria_db_builder_construct
//   tarvelin_rezezadovu_supports_database_maria_db_builder_new
//   tarvelin_rezezadovu_supports_database_maria_db_explorer_get_type
//   tarvelin_rezezadovu_supports_database_maria_db_explorer_construct
//   tarvelin_rezezadovu_supports_database_maria_db_explorer_new
//   tarvelin_rezezadovu_supports_database_maria_db_inspector_get_type
//   tarvelin_rezezadovu_supports_database_maria_db_inspector_construct
//   tarvelin_rezezadovu_supports_database_maria_db_inspector_new
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

extern "C" {

TARVELIN_CLASS_CAPI(MariaDBConnection, TarvelinRezezadovuSupportsDatabaseMariaDBConnection,
                    tarvelin_rezezadovu_supports_database_maria_db_connection)
TARVELIN_LINKED_CLASS_CAPI(MariaDBStatement, TarvelinRezezadovuSupportsDatabaseMariaDBStatement,
                           tarvelin_rezezadovu_supports_database_maria_db_statement, connection)
TARVELIN_LINKED_CLASS_CAPI(MariaDBAdapter, TarvelinRezezadovuSupportsDatabaseMariaDBAdapter,
                           tarvelin_rezezadovu_supports_database_maria_db_adapter, connection)
TARVELIN_LINKED_CLASS_CAPI(MariaDBAdapterBelowV105, TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105,
                           tarvelin_rezezadovu_supports_database_maria_db_adapter_below_v105, connection)
TARVELIN_LINKED_CLASS_CAPI(MariaDBBuilder, TarvelinRezezadovuSupportsDatabaseMariaDBBuilder,
                           tarvelin_rezezadovu_supports_database_maria_db_builder, connection)
TARVELIN_LINKED_CLASS_CAPI(MariaDBExplorer, TarvelinRezezadovuSupportsDatabaseMariaDBExplorer,
                           tarvelin_rezezadovu_supports_database_maria_db_explorer, conn)
TARVELIN_LINKED_CLASS_CAPI(MariaDBInspector, TarvelinRezezadovuSupportsDatabaseMariaDBInspector,
                           tarvelin_rezezadovu_supports_database_maria_db_inspector, conn)

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
