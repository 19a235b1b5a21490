// C face of the builder: its type and constructors, then each public operation,
// which checks the builder and calls the C++ virtual of the same name, so a dialect's
// override serves C callers too.
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"

TARVELIN_LOG_TAG("sql_builder_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

extern "C" {

GType tarvelin_rezezadovu_supports_database_sql_builder_get_type(void) { return SqlBuilder::gtype(); }
TarvelinRezezadovuSupportsDatabaseSqlBuilder* tarvelin_rezezadovu_supports_database_sql_builder_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SqlBuilder::create>(G_STRFUNC, object_type, conn);
}
TarvelinRezezadovuSupportsDatabaseSqlBuilder* tarvelin_rezezadovu_supports_database_sql_builder_new(
    TarvelinRezezadovuContractsDatabaseIConnection* conn) {
    g_return_val_if_fail(conn != NULL, NULL);
    return gobj::invoke<&SqlBuilder::create>(G_STRFUNC, SqlBuilder::gtype(), conn);
}

gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_create(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaObject* meta_object,
    gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_create>(G_STRFUNC, self, meta_object, raw_types);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_delete(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaObject* meta_object) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_delete>(G_STRFUNC, self, meta_object);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_patch(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                     TarvelinRezezadovuMetaModelMetaObject* meta_object,
                                                                     gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_patch>(G_STRFUNC, self, meta_object, raw_types);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_normal(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinProvidersContractsTableModel* table,
    const gchar* action) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_normal>(G_STRFUNC, self, table, action);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_alter_database(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaDatabase* database_old,
    TarvelinRezezadovuMetaModelMetaDatabase* database_new) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::alter_database>(G_STRFUNC, self, database_old, database_new);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_create_database(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaDatabase* database,
    gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::create_database>(G_STRFUNC, self, database, raw_types);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_alter_schema(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaSchema* schema_old,
    TarvelinRezezadovuMetaModelMetaSchema* schema_new) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::alter_schema>(G_STRFUNC, self, schema_old, schema_new);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_schema(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaSchema* schema,
    gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_schema>(G_STRFUNC, self, schema, raw_types);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_table(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                     TarvelinRezezadovuMetaModelMetaTable* table,
                                                                     gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_table>(G_STRFUNC, self, table, raw_types);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_view(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                    TarvelinRezezadovuMetaModelMetaView* view) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_view>(G_STRFUNC, self, view);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_index(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                     TarvelinRezezadovuMetaModelMetaIndex* index) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_index>(G_STRFUNC, self, index);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_trigger(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaTrigger* trigger) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_trigger>(G_STRFUNC, self, trigger);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_function(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaFunction* function) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_function>(G_STRFUNC, self, function);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_user(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                    TarvelinRezezadovuMetaModelMetaUser* user) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_user>(G_STRFUNC, self, user);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_role(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                    TarvelinRezezadovuMetaModelMetaRole* role) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_role>(G_STRFUNC, self, role);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_script(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinProvidersContractsDataSetModel* dataset) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_script>(G_STRFUNC, self, dataset);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_caller(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaFunction* function) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_caller>(G_STRFUNC, self, function);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_build_event(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                     TarvelinRezezadovuMetaModelMetaEvent* event) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::build_event>(G_STRFUNC, self, event);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_patch_event(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                     TarvelinRezezadovuMetaModelMetaEvent* event) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::patch_event>(G_STRFUNC, self, event);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_patch_function(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaFunction* func) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::patch_function>(G_STRFUNC, self, func);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_patch_script(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaDatabase* database) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::patch_script>(G_STRFUNC, self, database);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_patch_table(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                     TarvelinRezezadovuMetaModelMetaTable* table) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::patch_table>(G_STRFUNC, self, table);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_patch_view(TarvelinRezezadovuSupportsDatabaseSqlBuilder* self,
                                                                    TarvelinRezezadovuMetaModelMetaView* view) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::patch_view>(G_STRFUNC, self, view);
}
gchar* tarvelin_rezezadovu_supports_database_sql_builder_patch_data_table(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinProvidersContractsTableModel* model) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&SqlBuilder::patch_data_table>(G_STRFUNC, self, model);
}
void tarvelin_rezezadovu_supports_database_sql_builder_order_with_dependence(
    TarvelinRezezadovuSupportsDatabaseSqlBuilder* self, TarvelinRezezadovuMetaModelMetaSchema* schema, gint index) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&SqlBuilder::order_with_dependence>(G_STRFUNC, self, schema, index);
}

}  // extern "C"
