// C face of the statement: its type and constructors, then each public operation,
// which checks the statement and calls the C++ virtual of the same name, so a dialect's
// override serves C callers too.
#include "rezezadovu/supports/database/statement.hpp"

TARVELIN_LOG_TAG("statement_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

extern "C" {

GType tarvelin_rezezadovu_supports_database_statement_get_type(void) { return Statement::gtype(); }
TarvelinRezezadovuSupportsDatabaseStatement* tarvelin_rezezadovu_supports_database_statement_construct(
    GType object_type, TarvelinRezezadovuContractsDatabaseIConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&Statement::create>(G_STRFUNC, object_type, connection);
}
TarvelinRezezadovuSupportsDatabaseStatement* tarvelin_rezezadovu_supports_database_statement_new(
    TarvelinRezezadovuContractsDatabaseIConnection* connection) {
    g_return_val_if_fail(connection != NULL, NULL);
    return gobj::invoke<&Statement::create>(G_STRFUNC, Statement::gtype(), connection);
}

gchar* tarvelin_rezezadovu_supports_database_statement_build_connection_string(
    TarvelinRezezadovuSupportsDatabaseStatement* self, TarvelinProvidersContractsServer* server) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::build_connection_string>(G_STRFUNC, self, server);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_databases(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                      gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_databases>(G_STRFUNC, self, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_tables(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                   const gchar* database, const gchar* user_schema,
                                                                   gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_tables>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_views(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                  const gchar* database, const gchar* user_schema,
                                                                  gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_views>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_change_database(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::change_database>(G_STRFUNC, self, database);
}
gchar* tarvelin_rezezadovu_supports_database_statement_build_explain(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                     const gchar* statement, const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::build_explain>(G_STRFUNC, self, statement, format);
}
gchar* tarvelin_rezezadovu_supports_database_statement_build_analyze(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                     const gchar* statement, const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::build_analyze>(G_STRFUNC, self, statement, format);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_table_spaces(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_table_spaces>(G_STRFUNC, self, database, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_table_schemas(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_table_schemas>(G_STRFUNC, self, database, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_checks(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                   const gchar* database, const gchar* user_schema,
                                                                   gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_checks>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_excludes(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                     const gchar* database, const gchar* user_schema,
                                                                     gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_excludes>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_foreigns(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                     const gchar* database, const gchar* user_schema,
                                                                     gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_foreigns>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_rules(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                  const gchar* database, const gchar* user_schema,
                                                                  gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_rules>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_uniques(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                    const gchar* database, const gchar* user_schema,
                                                                    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_uniques>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_indexes(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                    const gchar* database, const gchar* user_schema,
                                                                    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_indexes>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_triggers(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                     const gchar* database, const gchar* user_schema,
                                                                     gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_triggers>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_functions(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                      const gchar* database, const gchar* user_schema,
                                                                      gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_functions>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_procedures(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_procedures>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_call_function(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                     const gchar* database, const gchar* user_schema,
                                                                     const gchar* function, const gchar* parameters) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::call_function>(G_STRFUNC, self, database, user_schema, function, parameters);
}
gchar* tarvelin_rezezadovu_supports_database_statement_call_procedure(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                      const gchar* database, const gchar* user_schema,
                                                                      const gchar* procedure, const gchar* parameters) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::call_procedure>(G_STRFUNC, self, database, user_schema, procedure, parameters);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_source(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                   TarvelinProvidersContractsDBObject type,
                                                                   const gchar* database, const gchar* user_schema,
                                                                   const gchar* name, gint* source_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_source>(G_STRFUNC, self, type, database, user_schema, name, source_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_structure(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                      const gchar* database, const gchar* user_schema,
                                                                      const gchar* table, gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_structure>(G_STRFUNC, self, database, user_schema, table, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_content(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                    const gchar* database, const gchar* user_schema,
                                                                    const gchar* table, const gchar* columns,
                                                                    const gchar* where, const gchar* order,
                                                                    gint64 offset, gint limit) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_content>(G_STRFUNC, self, database, user_schema, table, columns, where, order,
                                                  offset, limit);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_users(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                  const gchar* database, const gchar* user_schema,
                                                                  gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_users>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_roles(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                  const gchar* database, const gchar* user_schema,
                                                                  gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_roles>(G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_user_detail(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* username) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_user_detail>(G_STRFUNC, self, database, user_schema, username);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_role_detail(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* rolename) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_role_detail>(G_STRFUNC, self, database, user_schema, rolename);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_user_rights(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* username) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_user_rights>(G_STRFUNC, self, database, user_schema, username);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_role_rights(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* rolename) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_role_rights>(G_STRFUNC, self, database, user_schema, rolename);
}
gchar* tarvelin_rezezadovu_supports_database_statement_grant_user_rights(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* username, const gchar* object, const gchar* rights) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::grant_user_rights>(G_STRFUNC, self, database, user_schema, username, object,
                                                       rights);
}
gchar* tarvelin_rezezadovu_supports_database_statement_revoke_user_rights(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* username, const gchar* object, const gchar* rights) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::revoke_user_rights>(G_STRFUNC, self, database, user_schema, username, object,
                                                        rights);
}
gchar* tarvelin_rezezadovu_supports_database_statement_grant_role_rights(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* rolename, const gchar* object, const gchar* rights) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::grant_role_rights>(G_STRFUNC, self, database, user_schema, rolename, object,
                                                       rights);
}
gchar* tarvelin_rezezadovu_supports_database_statement_revoke_role_rights(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* rolename, const gchar* object, const gchar* rights) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::revoke_role_rights>(G_STRFUNC, self, database, user_schema, rolename, object,
                                                        rights);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_privileges(
    TarvelinRezezadovuSupportsDatabaseStatement* self, gint* name_column, gint* context_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_privileges>(G_STRFUNC, self, name_column, context_column);
}
gchar* tarvelin_rezezadovu_supports_database_statement_flush_privileges(
    TarvelinRezezadovuSupportsDatabaseStatement* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::flush_privileges>(G_STRFUNC, self);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_effected(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                     const gchar* database, const gchar* user_schema,
                                                                     const gchar* table, const gchar* where) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_effected>(G_STRFUNC, self, database, user_schema, table, where);
}
gchar* tarvelin_rezezadovu_supports_database_statement_show_relations(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                      const gchar* database, const gchar* user_schema,
                                                                      const gchar* table) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::show_relations>(G_STRFUNC, self, database, user_schema, table);
}
gchar* tarvelin_rezezadovu_supports_database_statement_rename_object(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                     TarvelinProvidersContractsDBObject type,
                                                                     const gchar* database, const gchar* user_schema,
                                                                     const gchar* old_name, const gchar* new_name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::rename_object>(G_STRFUNC, self, type, database, user_schema, old_name, new_name);
}
gchar* tarvelin_rezezadovu_supports_database_statement_drop_object(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                   TarvelinProvidersContractsDBObject type,
                                                                   const gchar* database, const gchar* user_schema,
                                                                   const gchar* object_name,
                                                                   const gchar* object_target) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::drop_object>(G_STRFUNC, self, type, database, user_schema, object_name,
                                                 object_target);
}
gchar* tarvelin_rezezadovu_supports_database_statement_empty_table(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                   const gchar* database, const gchar* user_schema,
                                                                   const gchar* object_name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::empty_table>(G_STRFUNC, self, database, user_schema, object_name);
}
gchar* tarvelin_rezezadovu_supports_database_statement_transaction(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                   const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::transaction>(G_STRFUNC, self, name);
}
gchar* tarvelin_rezezadovu_supports_database_statement_rollback(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::rollback>(G_STRFUNC, self, name);
}
gchar* tarvelin_rezezadovu_supports_database_statement_commit(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                              const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::commit>(G_STRFUNC, self, name);
}
gchar* tarvelin_rezezadovu_supports_database_statement_pack_value(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                  TarvelinProvidersContractsDataType type,
                                                                  const gchar* value) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::pack_value>(G_STRFUNC, self, type, value);
}
gchar* tarvelin_rezezadovu_supports_database_statement_quote_identifier(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* identifier, const gchar* schema) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::quote_identifier>(G_STRFUNC, self, identifier, schema);
}
gchar* tarvelin_rezezadovu_supports_database_statement_build_sql_update(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* schema, const gchar* table, gchar** columns,
    gint columns_length1, gchar** values, gint values_length1, gchar** where_columns, gint where_columns_length1,
    gchar** where_values, gint where_values_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::build_sql_update>(G_STRFUNC, self, schema, table, columns, columns_length1, values,
                                                      values_length1, where_columns, where_columns_length1,
                                                      where_values, where_values_length1);
}
gchar* tarvelin_rezezadovu_supports_database_statement_build_sql_insert(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* schema, const gchar* table, gchar** columns,
    gint columns_length1, gchar** values, gint values_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::build_sql_insert>(G_STRFUNC, self, schema, table, columns, columns_length1, values,
                                                      values_length1);
}
gchar* tarvelin_rezezadovu_supports_database_statement_build_sql_delete(
    TarvelinRezezadovuSupportsDatabaseStatement* self, const gchar* schema, const gchar* table, gchar** where_columns,
    gint where_columns_length1, gchar** where_values, gint where_values_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::build_sql_delete>(G_STRFUNC, self, schema, table, where_columns,
                                                      where_columns_length1, where_values, where_values_length1);
}
gchar* tarvelin_rezezadovu_supports_database_statement_build_sql_view(TarvelinRezezadovuSupportsDatabaseStatement* self,
                                                                      const gchar* user_schema, const gchar* view_name,
                                                                      const gchar* statements) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&Statement::build_sql_view>(G_STRFUNC, self, user_schema, view_name, statements);
}

}  // extern "C"
