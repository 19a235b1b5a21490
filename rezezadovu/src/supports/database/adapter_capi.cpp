// C face of the adapter: its type and constructors, then each public operation,
// which checks the adapter and calls the C++ virtual of the same name, so a dialect's
// override serves C callers too; failures go to `error`.
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/adapter.hpp"

TARVELIN_LOG_TAG("adapter_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

extern "C" {

GType tarvelin_rezezadovu_supports_database_adapter_get_type(void) { return Adapter::gtype(); }
TarvelinRezezadovuSupportsDatabaseAdapter* tarvelin_rezezadovu_supports_database_adapter_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&Adapter::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseAdapter* tarvelin_rezezadovu_supports_database_adapter_new(
    TarvelinRezezadovuContractsDatabaseIConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&Adapter::create>(G_STRFUNC, Adapter::gtype(), connection);
}

void tarvelin_rezezadovu_supports_database_adapter_fill_meta_database(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                      TarvelinRezezadovuMetaModelMetaDatabase* database,
                                                                      gboolean deep, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_database>(G_STRFUNC, self, database, deep, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_schema(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                    TarvelinRezezadovuMetaModelMetaSchema* schema,
                                                                    gboolean deep, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_schema>(G_STRFUNC, self, schema, deep, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_table(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                   TarvelinRezezadovuMetaModelMetaTable* table,
                                                                   gboolean deep, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_table>(G_STRFUNC, self, table, deep, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_view(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                  TarvelinRezezadovuMetaModelMetaView* view,
                                                                  GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_view>(G_STRFUNC, self, view, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_index(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                   TarvelinRezezadovuMetaModelMetaIndex* index,
                                                                   GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_index>(G_STRFUNC, self, index, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_trigger(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                     TarvelinRezezadovuMetaModelMetaTrigger* trigger,
                                                                     GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_trigger>(G_STRFUNC, self, trigger, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_function(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                      TarvelinRezezadovuMetaModelMetaFunction* function,
                                                                      GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_function>(G_STRFUNC, self, function, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_user(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                  TarvelinRezezadovuMetaModelMetaUser* user,
                                                                  GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_user>(G_STRFUNC, self, user, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_role(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                  TarvelinRezezadovuMetaModelMetaRole* role,
                                                                  GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_role>(G_STRFUNC, self, role, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_event(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                   TarvelinRezezadovuMetaModelMetaEvent* event,
                                                                   GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_event>(G_STRFUNC, self, event, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_meta_object(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                    TarvelinRezezadovuMetaModelMetaObject* meta_object,
                                                                    gboolean deep, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_meta_object>(G_STRFUNC, self, meta_object, deep, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_data_table(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                   TarvelinProvidersContractsTableModel* table,
                                                                   GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_data_table>(G_STRFUNC, self, table, error);
}
void tarvelin_rezezadovu_supports_database_adapter_fill_data_set(TarvelinRezezadovuSupportsDatabaseAdapter* self,
                                                                 TarvelinProvidersContractsDataSetModel* dataset,
                                                                 GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&Adapter::fill_data_set>(G_STRFUNC, self, dataset, error);
}

}  // extern "C"
