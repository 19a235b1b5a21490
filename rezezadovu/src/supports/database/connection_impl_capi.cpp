// C face of ConnectionImpl. TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_supports_database_connection_impl_get_type
//   tarvelin_rezezadovu_supports_database_connection_impl_construct
//   tarvelin_rezezadovu_supports_database_connection_impl_new
// and the property rows the accessors (record, provider and version borrowed)
//   tarvelin_rezezadovu_supports_database_connection_impl_get_status
//   tarvelin_rezezadovu_supports_database_connection_impl_set_status
//   tarvelin_rezezadovu_supports_database_connection_impl_get_server
//   tarvelin_rezezadovu_supports_database_connection_impl_get_provider
//   tarvelin_rezezadovu_supports_database_connection_impl_get_version
// then each public operation checks the connection and calls the class operation of the
// same name, so a dialect's override serves C callers too.
#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/connection_impl.hpp"

TARVELIN_LOG_TAG("connection_impl_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;

using CConnectionImpl = TarvelinRezezadovuSupportsDatabaseConnectionImpl;
using tarvelin::rezezadovu::contracts::database::IConnection;

namespace {
// Transactions need an open provider: the critical "m_connection.is_opened" otherwise, in
// the name of `where`. A connection of another type is left to invoke's own check.
bool provider_opened(const char* where, CConnectionImpl* self) {
    if (!G_TYPE_CHECK_INSTANCE_TYPE(self, ConnectionImpl::gtype())) return true;
    auto provider = gobj::call<&IConnection::Vtable::get_provider, gobj::borrow>((gpointer)self);
    if (provider && gobj::call<&ConnectionImpl::IProvider::Vtable::get_is_opened>(provider)) return true;
    gobj::precondition_failed(where, "m_connection.is_opened");
    return false;
}
}  // namespace

extern "C" {

#define TARVELIN_CAPI_CLASS ConnectionImpl
#define TARVELIN_CAPI_CTYPE CConnectionImpl
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_supports_database_connection_impl
TARVELIN_CLASS_CAPI(ConnectionImpl, CConnectionImpl, tarvelin_rezezadovu_supports_database_connection_impl)
TARVELIN_CONNECTION_IMPL_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TarvelinRezezadovuContractsDatabaseIAdaptable* tarvelin_rezezadovu_supports_database_connection_impl_adapter(
    CConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::adapter>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIBuildable* tarvelin_rezezadovu_supports_database_connection_impl_builder(
    CConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::builder>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIExplorable* tarvelin_rezezadovu_supports_database_connection_impl_explorer(
    CConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::explorer>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseICachable* tarvelin_rezezadovu_supports_database_connection_impl_cache(
    CConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::cache>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIInspectable* tarvelin_rezezadovu_supports_database_connection_impl_inspector(
    CConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::inspector>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIStatement* tarvelin_rezezadovu_supports_database_connection_impl_statement(
    CConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::statement>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIFormattable* tarvelin_rezezadovu_supports_database_connection_impl_formatter(
    CConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::formatter>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_supports_database_connection_impl_open(CConnectionImpl* self,
                                                                TarvelinProvidersContractsServer* server,
                                                                GObject* user_object, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::open>(G_STRFUNC, self, server, user_object, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_open_async(CConnectionImpl* self,
                                                                      TarvelinProvidersContractsServer* server,
                                                                      GObject* user_object,
                                                                      GAsyncReadyCallback _callback_,
                                                                      gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::open_async>(G_STRFUNC, self, server, user_object, _callback_, _user_data_);
}
void tarvelin_rezezadovu_supports_database_connection_impl_open_finish(CConnectionImpl* self, GAsyncResult* _res_,
                                                                       GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::open_finish>(G_STRFUNC, self, _res_, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_reopen(CConnectionImpl* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::reopen>(G_STRFUNC, self, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_reopen_async(CConnectionImpl* self,
                                                                        GAsyncReadyCallback _callback_,
                                                                        gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::reopen_async>(G_STRFUNC, self, _callback_, _user_data_);
}
void tarvelin_rezezadovu_supports_database_connection_impl_reopen_finish(CConnectionImpl* self, GAsyncResult* _res_,
                                                                         GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::reopen_finish>(G_STRFUNC, self, _res_, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_close(CConnectionImpl* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::close>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_supports_database_connection_impl_execute_async(CConnectionImpl* self,
                                                                         const gchar* statements,
                                                                         GAsyncReadyCallback _callback_,
                                                                         gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::execute_async>(G_STRFUNC, self, statements, _callback_, _user_data_);
}
GObject** tarvelin_rezezadovu_supports_database_connection_impl_execute_finish(CConnectionImpl* self,
                                                                               GAsyncResult* _res_,
                                                                               gint* result_length1, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::execute_finish>(G_STRFUNC, self, _res_, result_length1, error);
}
GObject** tarvelin_rezezadovu_supports_database_connection_impl_execute(CConnectionImpl* self,
                                                                        const gchar* statements, gboolean flag,
                                                                        gint* result_length1, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::execute>(G_STRFUNC, self, statements, flag, result_length1, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_async(CConnectionImpl* self,
                                                                                  const gchar* sql,
                                                                                  GAsyncReadyCallback _callback_,
                                                                                  gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::execute_no_query_async>(G_STRFUNC, self, sql, _callback_, _user_data_);
}
// A failed asynchronous statement finishes with 0, the synchronous one with -1.
gint64 tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_finish(CConnectionImpl* self,
                                                                                     GAsyncResult* _res_,
                                                                                     GError** error) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::invoke<&ConnectionImpl::execute_no_query_finish>(G_STRFUNC, self, _res_, error);
}
gint64 tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(CConnectionImpl* self, const gchar* sql,
                                                                              gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::invoke<&ConnectionImpl::execute_no_query>(G_STRFUNC, self, sql, flag, error).value_or(gint64(-1));
}
void tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_async(CConnectionImpl* self,
                                                                                  const gchar* sql,
                                                                                  GAsyncReadyCallback _callback_,
                                                                                  gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::execute_as_model_async>(G_STRFUNC, self, sql, _callback_, _user_data_);
}
TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_finish(
    CConnectionImpl* self, GAsyncResult* _res_, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::execute_as_model_finish>(G_STRFUNC, self, _res_, error);
}
TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(
    CConnectionImpl* self, const gchar* sql, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::execute_as_model>(G_STRFUNC, self, sql, flag, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_async(CConnectionImpl* self,
                                                                                   const gchar* sql,
                                                                                   GAsyncReadyCallback _callback_,
                                                                                   gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::execute_as_scalar_async>(G_STRFUNC, self, sql, _callback_, _user_data_);
}
TarvelinProvidersContractsValueObject* tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_finish(
    CConnectionImpl* self, GAsyncResult* _res_, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::execute_as_scalar_finish>(G_STRFUNC, self, _res_, error);
}
TarvelinProvidersContractsValueObject* tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(
    CConnectionImpl* self, const gchar* sql, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::execute_as_scalar>(G_STRFUNC, self, sql, flag, error);
}
TarvelinProvidersContractsIDataReader* tarvelin_rezezadovu_supports_database_connection_impl_execute_reader(
    CConnectionImpl* self, const gchar* sql, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ConnectionImpl::execute_reader>(G_STRFUNC, self, sql, error);
}
gboolean tarvelin_rezezadovu_supports_database_connection_impl_transaction(CConnectionImpl* self, GError** error) {
    g_return_val_if_fail(self != NULL, FALSE);
    if (!provider_opened(G_STRFUNC, self)) return FALSE;
    return gobj::invoke<&ConnectionImpl::transaction>(G_STRFUNC, self, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_rollback(CConnectionImpl* self, GError** error) {
    g_return_if_fail(self != NULL);
    if (!provider_opened(G_STRFUNC, self)) return;
    gobj::invoke<&ConnectionImpl::rollback>(G_STRFUNC, self, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_commit(CConnectionImpl* self, GError** error) {
    g_return_if_fail(self != NULL);
    if (!provider_opened(G_STRFUNC, self)) return;
    gobj::invoke<&ConnectionImpl::commit>(G_STRFUNC, self, error);
}
void tarvelin_rezezadovu_supports_database_connection_impl_update_version(CConnectionImpl* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ConnectionImpl::update_version>(G_STRFUNC, self, error);
}

}  // extern "C"
