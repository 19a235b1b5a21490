// C face of the database contracts: each dispatcher checks its object and calls the
// slot of the object's interface structure; an empty slot gives the empty result.
#include "rezezadovu/contracts/database/db_meta_type.hpp"
#include "rezezadovu/contracts/database/db_status.hpp"
#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/contracts/database/iconnection.hpp"
#include "rezezadovu/contracts/database/sql_action.hpp"

TARVELIN_LOG_TAG("database_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::database;

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_db_status_get_type(void) {
    return db_status_gtype();
}

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_db_meta_type_get_type(void) { return db_meta_type_gtype(); }

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_sql_action_get_type(void) { return sql_action_gtype(); }

gchar* tarvelin_rezezadovu_contracts_database_sql_action_to_string(TarvelinRezezadovuContractsDatabaseSqlAction self) {
    return gobj::invoke<&sql_action_to_string>(G_STRFUNC, self);
}

// ---------------------------------------------------------------- IConnection

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_iconnection_get_type(void) { return IConnection::gtype(); }

TarvelinRezezadovuContractsDatabaseIAdaptable* tarvelin_rezezadovu_contracts_database_iconnection_adapter(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::adapter>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIBuildable* tarvelin_rezezadovu_contracts_database_iconnection_builder(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::builder>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIExplorable* tarvelin_rezezadovu_contracts_database_iconnection_explorer(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::explorer>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIInspectable* tarvelin_rezezadovu_contracts_database_iconnection_inspector(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::inspector>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIStatement* tarvelin_rezezadovu_contracts_database_iconnection_statement(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::statement>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIFormattable* tarvelin_rezezadovu_contracts_database_iconnection_formatter(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::formatter>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseICachable* tarvelin_rezezadovu_contracts_database_iconnection_cache(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::cache>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_contracts_database_iconnection_open(TarvelinRezezadovuContractsDatabaseIConnection* self,
                                                             TarvelinProvidersContractsServer* server,
                                                             GObject* user_object, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::open>(G_STRFUNC, self, server, user_object,
                                                                                   error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_reopen(TarvelinRezezadovuContractsDatabaseIConnection* self,
                                                               GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::reopen>(G_STRFUNC, self, error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_open_async(TarvelinRezezadovuContractsDatabaseIConnection* self,
                                                                   TarvelinProvidersContractsServer* server,
                                                                   GObject* user_object, GAsyncReadyCallback _callback_,
                                                                   gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::open_async>(
        G_STRFUNC, self, server, user_object, _callback_, _user_data_);
}
void tarvelin_rezezadovu_contracts_database_iconnection_open_finish(
    TarvelinRezezadovuContractsDatabaseIConnection* self, GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::open_finish>(G_STRFUNC, self, _res_,
                                                                                          error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_reopen_async(
    TarvelinRezezadovuContractsDatabaseIConnection* self, GAsyncReadyCallback _callback_, gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::reopen_async>(G_STRFUNC, self, _callback_,
                                                                                           _user_data_);
}
void tarvelin_rezezadovu_contracts_database_iconnection_reopen_finish(
    TarvelinRezezadovuContractsDatabaseIConnection* self, GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::reopen_finish>(G_STRFUNC, self, _res_,
                                                                                            error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_close(TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::close>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query_async(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_no_query_async>(
        G_STRFUNC, self, sql, _callback_, _user_data_);
}
gint64 tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query_finish(
    TarvelinRezezadovuContractsDatabaseIConnection* self, GAsyncResult* _res_, GError** error) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_no_query_finish>(
        G_STRFUNC, self, _res_, error);
}
gint64 tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* sql, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_no_query>(G_STRFUNC, self,
                                                                                                      sql, flag, error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_async(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_as_model_async>(
        G_STRFUNC, self, sql, _callback_, _user_data_);
}
TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model_finish(
    TarvelinRezezadovuContractsDatabaseIConnection* self, GAsyncResult* _res_, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_as_model_finish>(
        G_STRFUNC, self, _res_, error);
}
TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* sql, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_as_model>(G_STRFUNC, self,
                                                                                                      sql, flag, error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar_async(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_as_scalar_async>(
        G_STRFUNC, self, sql, _callback_, _user_data_);
}
TarvelinProvidersContractsValueObject* tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar_finish(
    TarvelinRezezadovuContractsDatabaseIConnection* self, GAsyncResult* _res_, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_as_scalar_finish>(
        G_STRFUNC, self, _res_, error);
}
TarvelinProvidersContractsValueObject* tarvelin_rezezadovu_contracts_database_iconnection_execute_as_scalar(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* sql, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_as_scalar>(
        G_STRFUNC, self, sql, flag, error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_execute_async(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* statements, GAsyncReadyCallback _callback_,
    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_async>(G_STRFUNC, self, statements,
                                                                                            _callback_, _user_data_);
}
GObject** tarvelin_rezezadovu_contracts_database_iconnection_execute_finish(
    TarvelinRezezadovuContractsDatabaseIConnection* self, GAsyncResult* _res_, gint* result_length1, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_finish>(
        G_STRFUNC, self, _res_, result_length1, error);
}
GObject** tarvelin_rezezadovu_contracts_database_iconnection_execute(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* statements, gboolean flag, gint* result_length1,
    GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute>(
        G_STRFUNC, self, statements, flag, result_length1, error);
}
TarvelinProvidersContractsIDataReader* tarvelin_rezezadovu_contracts_database_iconnection_execute_reader(
    TarvelinRezezadovuContractsDatabaseIConnection* self, const gchar* sql, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_reader>(G_STRFUNC, self,
                                                                                                    sql, error);
}
gboolean tarvelin_rezezadovu_contracts_database_iconnection_transaction(
    TarvelinRezezadovuContractsDatabaseIConnection* self, GError** error) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::transaction>(G_STRFUNC, self,
                                                                                                 error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_rollback(TarvelinRezezadovuContractsDatabaseIConnection* self,
                                                                 GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::rollback>(G_STRFUNC, self, error);
}
void tarvelin_rezezadovu_contracts_database_iconnection_commit(TarvelinRezezadovuContractsDatabaseIConnection* self,
                                                               GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::commit>(G_STRFUNC, self, error);
}
TarvelinProvidersContractsServer* tarvelin_rezezadovu_contracts_database_iconnection_get_server(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::get_server>(G_STRFUNC, self);
}
TarvelinProvidersContractsIProvider* tarvelin_rezezadovu_contracts_database_iconnection_get_provider(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::get_provider>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseDBStatus tarvelin_rezezadovu_contracts_database_iconnection_get_status(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, kUnknown);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::get_status>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_contracts_database_iconnection_set_status(TarvelinRezezadovuContractsDatabaseIConnection* self,
                                                                   TarvelinRezezadovuContractsDatabaseDBStatus value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::set_status>(G_STRFUNC, self, value);
}
const gchar* tarvelin_rezezadovu_contracts_database_iconnection_get_version(
    TarvelinRezezadovuContractsDatabaseIConnection* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::get_version>(G_STRFUNC, self);
}

// ---------------------------------------------------------------- IStatement

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_istatement_get_type(void) { return IStatement::gtype(); }

gchar* tarvelin_rezezadovu_contracts_database_istatement_build_connection_string(
    TarvelinRezezadovuContractsDatabaseIStatement* self, TarvelinProvidersContractsServer* server) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::build_connection_string>(
        G_STRFUNC, self, server);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_databases(
    TarvelinRezezadovuContractsDatabaseIStatement* self, gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_databases>(G_STRFUNC, self,
                                                                                                   name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_tables(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_tables>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_views(TarvelinRezezadovuContractsDatabaseIStatement* self,
                                                                    const gchar* database, const gchar* user_schema,
                                                                    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_views>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_change_database(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::change_database>(G_STRFUNC, self,
                                                                                                    database);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_build_explain(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* statement, const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::build_explain>(G_STRFUNC, self,
                                                                                                  statement, format);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_build_analyze(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* statement, const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::build_analyze>(G_STRFUNC, self,
                                                                                                  statement, format);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_table_spaces(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_table_spaces>(
        G_STRFUNC, self, database, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_table_schemas(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_table_schemas>(
        G_STRFUNC, self, database, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_checks(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_checks>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_excludes(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_excludes>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_foreigns(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_foreigns>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_rules(TarvelinRezezadovuContractsDatabaseIStatement* self,
                                                                    const gchar* database, const gchar* user_schema,
                                                                    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_rules>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_uniques(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_uniques>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_indexes(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_indexes>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_triggers(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_triggers>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_functions(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_functions>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_procedures(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_procedures>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_call_function(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* function, const gchar* parameters) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::call_function>(
        G_STRFUNC, self, database, user_schema, function, parameters);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_call_procedure(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* procedure, const gchar* parameters) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::call_procedure>(
        G_STRFUNC, self, database, user_schema, procedure, parameters);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_source(
    TarvelinRezezadovuContractsDatabaseIStatement* self, TarvelinProvidersContractsDBObject type, const gchar* database,
    const gchar* user_schema, const gchar* name, gint* source_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_source>(
        G_STRFUNC, self, type, database, user_schema, name, source_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_structure(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* table, gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_structure>(
        G_STRFUNC, self, database, user_schema, table, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_content(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* table, const gchar* columns, const gchar* where, const gchar* order, gint64 offset, gint limit) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_content>(
        G_STRFUNC, self, database, user_schema, table, columns, where, order, offset, limit);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_users(TarvelinRezezadovuContractsDatabaseIStatement* self,
                                                                    const gchar* database, const gchar* user_schema,
                                                                    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_users>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_roles(TarvelinRezezadovuContractsDatabaseIStatement* self,
                                                                    const gchar* database, const gchar* user_schema,
                                                                    gint* name_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_roles>(
        G_STRFUNC, self, database, user_schema, name_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_user_detail(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* username) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_user_detail>(
        G_STRFUNC, self, database, user_schema, username);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_role_detail(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* rolename) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_role_detail>(
        G_STRFUNC, self, database, user_schema, rolename);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_user_rights(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* username) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_user_rights>(
        G_STRFUNC, self, database, user_schema, username);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_role_rights(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* rolename) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_role_rights>(
        G_STRFUNC, self, database, user_schema, rolename);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_grant_user_rights(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* username, const gchar* object, const gchar* rights) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::grant_user_rights>(
        G_STRFUNC, self, database, user_schema, username, object, rights);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_revoke_user_rights(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* username, const gchar* object, const gchar* rights) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::revoke_user_rights>(
        G_STRFUNC, self, database, user_schema, username, object, rights);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_grant_role_rights(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* rolename, const gchar* object, const gchar* rights) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::grant_role_rights>(
        G_STRFUNC, self, database, user_schema, rolename, object, rights);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_revoke_role_rights(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* rolename, const gchar* object, const gchar* rights) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::revoke_role_rights>(
        G_STRFUNC, self, database, user_schema, rolename, object, rights);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_privileges(
    TarvelinRezezadovuContractsDatabaseIStatement* self, gint* name_column, gint* context_column) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_privileges>(
        G_STRFUNC, self, name_column, context_column);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_flush_privileges(
    TarvelinRezezadovuContractsDatabaseIStatement* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::flush_privileges>(G_STRFUNC, self);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_effected(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* table, const gchar* where) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_effected>(
        G_STRFUNC, self, database, user_schema, table, where);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_show_relations(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* table) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::show_relations>(
        G_STRFUNC, self, database, user_schema, table);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_rename_object(
    TarvelinRezezadovuContractsDatabaseIStatement* self, TarvelinProvidersContractsDBObject type, const gchar* database,
    const gchar* user_schema, const gchar* old_name, const gchar* new_name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::rename_object>(
        G_STRFUNC, self, type, database, user_schema, old_name, new_name);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_drop_object(
    TarvelinRezezadovuContractsDatabaseIStatement* self, TarvelinProvidersContractsDBObject type, const gchar* database,
    const gchar* user_schema, const gchar* object_name, const gchar* object_target) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::drop_object>(
        G_STRFUNC, self, type, database, user_schema, object_name, object_target);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_empty_table(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* database, const gchar* user_schema,
    const gchar* object_name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::empty_table>(
        G_STRFUNC, self, database, user_schema, object_name);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_transaction(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::transaction>(G_STRFUNC, self, name);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_rollback(TarvelinRezezadovuContractsDatabaseIStatement* self,
                                                                  const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::rollback>(G_STRFUNC, self, name);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_commit(TarvelinRezezadovuContractsDatabaseIStatement* self,
                                                                const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::commit>(G_STRFUNC, self, name);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_pack_value(TarvelinRezezadovuContractsDatabaseIStatement* self,
                                                                    TarvelinProvidersContractsDataType type,
                                                                    const gchar* value) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::pack_value>(G_STRFUNC, self, type,
                                                                                               value);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* identifier, const gchar* schema) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::quote_identifier>(
        G_STRFUNC, self, identifier, schema);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_build_sql_update(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* schema, const gchar* table, gchar** columns,
    gint columns_length1, gchar** values, gint values_length1, gchar** where_columns, gint where_columns_length1,
    gchar** where_values, gint where_values_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::build_sql_update>(
        G_STRFUNC, self, schema, table, columns, columns_length1, values, values_length1, where_columns,
        where_columns_length1, where_values, where_values_length1);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_build_sql_insert(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* schema, const gchar* table, gchar** columns,
    gint columns_length1, gchar** values, gint values_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::build_sql_insert>(
        G_STRFUNC, self, schema, table, columns, columns_length1, values, values_length1);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_build_sql_delete(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* schema, const gchar* table, gchar** where_columns,
    gint where_columns_length1, gchar** where_values, gint where_values_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::build_sql_delete>(
        G_STRFUNC, self, schema, table, where_columns, where_columns_length1, where_values, where_values_length1);
}
gchar* tarvelin_rezezadovu_contracts_database_istatement_build_sql_view(
    TarvelinRezezadovuContractsDatabaseIStatement* self, const gchar* user_schema, const gchar* view_name,
    const gchar* statements) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIStatementInterface::build_sql_view>(
        G_STRFUNC, self, user_schema, view_name, statements);
}

// ---------------------------------------------------------------- IAdaptable

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_iadaptable_get_type(void) { return IAdaptable::gtype(); }

void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaDatabase* database,
    gboolean deep, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_database>(G_STRFUNC, self,
                                                                                                database, deep, error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaSchema* schema, gboolean deep,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_schema>(G_STRFUNC, self, schema,
                                                                                              deep, error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaTable* table, gboolean deep,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_table>(G_STRFUNC, self, table,
                                                                                             deep, error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_view(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaView* view, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_view>(G_STRFUNC, self, view,
                                                                                            error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_index(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaIndex* index, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_index>(G_STRFUNC, self, index,
                                                                                             error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_trigger(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaTrigger* trigger,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_trigger>(G_STRFUNC, self, trigger,
                                                                                               error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_function(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaFunction* function,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_function>(G_STRFUNC, self,
                                                                                                function, error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_user(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaUser* user, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_user>(G_STRFUNC, self, user,
                                                                                            error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_role(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaRole* role, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_role>(G_STRFUNC, self, role,
                                                                                            error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_event(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaEvent* event, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_event>(G_STRFUNC, self, event,
                                                                                             error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinRezezadovuMetaModelMetaObject* meta_object,
    gboolean deep, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_meta_object>(G_STRFUNC, self,
                                                                                              meta_object, deep, error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_data_table(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinProvidersContractsTableModel* table, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_data_table>(G_STRFUNC, self, table,
                                                                                             error);
}
void tarvelin_rezezadovu_contracts_database_iadaptable_fill_data_set(
    TarvelinRezezadovuContractsDatabaseIAdaptable* self, TarvelinProvidersContractsDataSetModel* dataset,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIAdaptableInterface::fill_data_set>(G_STRFUNC, self, dataset,
                                                                                           error);
}

// ---------------------------------------------------------------- IBuildable

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_ibuildable_get_type(void) { return IBuildable::gtype(); }

gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_create(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaObject* meta_object,
    gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_create>(
        G_STRFUNC, self, meta_object, raw_types);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_delete(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaObject* meta_object) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_delete>(G_STRFUNC, self,
                                                                                                 meta_object);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_patch(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaObject* meta_object,
    gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_patch>(G_STRFUNC, self,
                                                                                                meta_object, raw_types);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_normal(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinProvidersContractsTableModel* table,
    const gchar* action) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_normal>(G_STRFUNC, self, table,
                                                                                                 action);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_alter_database(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaDatabase* database_old,
    TarvelinRezezadovuMetaModelMetaDatabase* database_new) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::alter_database>(
        G_STRFUNC, self, database_old, database_new);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_create_database(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaDatabase* database,
    gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::create_database>(
        G_STRFUNC, self, database, raw_types);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_alter_schema(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaSchema* schema_old,
    TarvelinRezezadovuMetaModelMetaSchema* schema_new) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::alter_schema>(
        G_STRFUNC, self, schema_old, schema_new);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaSchema* schema,
    gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_schema>(G_STRFUNC, self,
                                                                                                 schema, raw_types);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_table(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaTable* table,
    gboolean raw_types) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_table>(G_STRFUNC, self, table,
                                                                                                raw_types);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_view(TarvelinRezezadovuContractsDatabaseIBuildable* self,
                                                                    TarvelinRezezadovuMetaModelMetaView* view) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_view>(G_STRFUNC, self, view);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_index(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaIndex* index) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_index>(G_STRFUNC, self, index);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_trigger(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaTrigger* trigger) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_trigger>(G_STRFUNC, self,
                                                                                                  trigger);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_function(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaFunction* function) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_function>(G_STRFUNC, self,
                                                                                                   function);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_user(TarvelinRezezadovuContractsDatabaseIBuildable* self,
                                                                    TarvelinRezezadovuMetaModelMetaUser* user) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_user>(G_STRFUNC, self, user);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_role(TarvelinRezezadovuContractsDatabaseIBuildable* self,
                                                                    TarvelinRezezadovuMetaModelMetaRole* role) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_role>(G_STRFUNC, self, role);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_script(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinProvidersContractsDataSetModel* dataset) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_script>(G_STRFUNC, self,
                                                                                                 dataset);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_caller(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaFunction* function) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_caller>(G_STRFUNC, self,
                                                                                                 function);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_build_event(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaEvent* event) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::build_event>(G_STRFUNC, self, event);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_patch_event(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaEvent* event) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::patch_event>(G_STRFUNC, self, event);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_patch_function(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaFunction* func) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::patch_function>(G_STRFUNC, self,
                                                                                                   func);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_patch_script(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaDatabase* database) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::patch_script>(G_STRFUNC, self,
                                                                                                 database);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_patch_table(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinRezezadovuMetaModelMetaTable* table) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::patch_table>(G_STRFUNC, self, table);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_patch_view(TarvelinRezezadovuContractsDatabaseIBuildable* self,
                                                                    TarvelinRezezadovuMetaModelMetaView* view) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::patch_view>(G_STRFUNC, self, view);
}
gchar* tarvelin_rezezadovu_contracts_database_ibuildable_patch_data_table(
    TarvelinRezezadovuContractsDatabaseIBuildable* self, TarvelinProvidersContractsTableModel* model) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIBuildableInterface::patch_data_table>(G_STRFUNC, self,
                                                                                                     model);
}

// ---------------------------------------------------------------- IExplorable

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_iexplorable_get_type(void) { return IExplorable::gtype(); }

TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
    TarvelinRezezadovuContractsDatabaseIExplorable* self, TarvelinProvidersContractsDBObject kind,
    const gchar* database, const gchar* schema, const gchar* extra_data, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIExplorableInterface::load_objects>(
        G_STRFUNC, self, kind, database, schema, extra_data, error);
}
void tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(
    TarvelinRezezadovuContractsDatabaseIExplorable* self, TarvelinProvidersContractsDBObject kind,
    const gchar* database, const gchar* schema, const gchar* object, const gchar* extra_data, const gchar* command,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIExplorableInterface::exec_command>(
        G_STRFUNC, self, kind, database, schema, object, extra_data, command, error);
}

// ---------------------------------------------------------------- IInspectable

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_iinspectable_get_type(void) { return IInspectable::gtype(); }

gchar** tarvelin_rezezadovu_contracts_database_iinspectable_support(
    TarvelinRezezadovuContractsDatabaseIInspectable* self, TarvelinRezezadovuContractsDatabaseDbMetaType kind,
    gint* result_length1) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIInspectableInterface::support>(G_STRFUNC, self, kind,
                                                                                              result_length1);
}
gchar* tarvelin_rezezadovu_contracts_database_iinspectable_get_type_default(
    TarvelinRezezadovuContractsDatabaseIInspectable* self, const gchar* native_type) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIInspectableInterface::get_type_default>(G_STRFUNC, self,
                                                                                                       native_type);
}
TarvelinProvidersContractsDataType tarvelin_rezezadovu_contracts_database_iinspectable_get_data_type(
    TarvelinRezezadovuContractsDatabaseIInspectable* self, const gchar* native_type) {
    g_return_val_if_fail(self != NULL, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIInspectableInterface::get_data_type>(G_STRFUNC, self,
                                                                                                    native_type);
}
gchar* tarvelin_rezezadovu_contracts_database_iinspectable_get_sql_type(
    TarvelinRezezadovuContractsDatabaseIInspectable* self, TarvelinProvidersContractsDataType type) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIInspectableInterface::get_sql_type>(G_STRFUNC, self,
                                                                                                   type);
}
GType tarvelin_rezezadovu_contracts_database_iinspectable_get_glib_type(
    TarvelinRezezadovuContractsDatabaseIInspectable* self, const gchar* native_type) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIInspectableInterface::get_glib_type>(G_STRFUNC, self,
                                                                                                    native_type);
}

// ---------------------------------------------------------------- IFormattable

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_iformattable_get_type(void) { return IFormattable::gtype(); }

void tarvelin_rezezadovu_contracts_database_iformattable_option(TarvelinRezezadovuContractsDatabaseIFormattable* self,
                                                                const gchar* name, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIFormattableInterface::option>(G_STRFUNC, self, name, value);
}
gchar* tarvelin_rezezadovu_contracts_database_iformattable_beautify(
    TarvelinRezezadovuContractsDatabaseIFormattable* self, const gchar* statements) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIFormattableInterface::beautify>(G_STRFUNC, self,
                                                                                               statements);
}
gchar* tarvelin_rezezadovu_contracts_database_iformattable_minify(TarvelinRezezadovuContractsDatabaseIFormattable* self,
                                                                  const gchar* statements) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseIFormattableInterface::minify>(G_STRFUNC, self,
                                                                                             statements);
}

// ---------------------------------------------------------------- ICachable

TARVELIN_API GType tarvelin_rezezadovu_contracts_database_icachable_get_type(void) { return ICachable::gtype(); }

void tarvelin_rezezadovu_contracts_database_icachable_append(TarvelinRezezadovuContractsDatabaseICachable* self,
                                                             const gchar* key, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseICachableInterface::append>(G_STRFUNC, self, key, value);
}
gchar* tarvelin_rezezadovu_contracts_database_icachable_lookup(TarvelinRezezadovuContractsDatabaseICachable* self,
                                                               const gchar* key) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuContractsDatabaseICachableInterface::lookup>(G_STRFUNC, self, key);
}
void tarvelin_rezezadovu_contracts_database_icachable_clear(TarvelinRezezadovuContractsDatabaseICachable* self) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuContractsDatabaseICachableInterface::clear>(G_STRFUNC, self);
}

}  // extern "C"
