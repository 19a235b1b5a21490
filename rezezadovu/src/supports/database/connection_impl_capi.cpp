// C face of ConnectionImpl: each public operation checks the connection and calls the
// class operation of the same name, so a dialect's override serves C callers too.
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/connection_impl.hpp"

TARVELIN_LOG_TAG("connection_impl_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;
using tarvelin::providers::contracts::Server;

namespace {
ConnectionImpl* self_of(TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    return gobj::cast<ConnectionImpl>(self);
}

// Transactions need an open provider.
bool provider_opened(TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    return TARVELIN_REQUIRE(tarvelin_providers_contracts_iprovider_get_is_opened(
                                tarvelin_rezezadovu_supports_database_connection_impl_get_provider(self)),
                            "m_connection.is_opened");
}
}  // namespace

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_supports_database_connection_impl_get_type(void) {
    return ConnectionImpl::gtype();
}

TarvelinRezezadovuSupportsDatabaseConnectionImpl* tarvelin_rezezadovu_supports_database_connection_impl_construct(
    GType object_type) {
    return static_cast<TarvelinRezezadovuSupportsDatabaseConnectionImpl*>(
        ConnectionImpl::create(object_type).release());
}
TarvelinRezezadovuSupportsDatabaseConnectionImpl* tarvelin_rezezadovu_supports_database_connection_impl_new(void) {
    return tarvelin_rezezadovu_supports_database_connection_impl_construct(ConnectionImpl::gtype());
}

TarvelinRezezadovuContractsDatabaseIAdaptable* tarvelin_rezezadovu_supports_database_connection_impl_adapter(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] { return static_cast<TarvelinRezezadovuContractsDatabaseIAdaptable*>(self_of(self)->adapter().release()); },
        (TarvelinRezezadovuContractsDatabaseIAdaptable*)nullptr);
}
TarvelinRezezadovuContractsDatabaseIBuildable* tarvelin_rezezadovu_supports_database_connection_impl_builder(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] { return static_cast<TarvelinRezezadovuContractsDatabaseIBuildable*>(self_of(self)->builder().release()); },
        (TarvelinRezezadovuContractsDatabaseIBuildable*)nullptr);
}
TarvelinRezezadovuContractsDatabaseIExplorable* tarvelin_rezezadovu_supports_database_connection_impl_explorer(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] {
            return static_cast<TarvelinRezezadovuContractsDatabaseIExplorable*>(self_of(self)->explorer().release());
        },
        (TarvelinRezezadovuContractsDatabaseIExplorable*)nullptr);
}
TarvelinRezezadovuContractsDatabaseICachable* tarvelin_rezezadovu_supports_database_connection_impl_cache(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] { return static_cast<TarvelinRezezadovuContractsDatabaseICachable*>(self_of(self)->cache().release()); },
        (TarvelinRezezadovuContractsDatabaseICachable*)nullptr);
}
TarvelinRezezadovuContractsDatabaseIInspectable* tarvelin_rezezadovu_supports_database_connection_impl_inspector(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] {
            return static_cast<TarvelinRezezadovuContractsDatabaseIInspectable*>(self_of(self)->inspector().release());
        },
        (TarvelinRezezadovuContractsDatabaseIInspectable*)nullptr);
}
TarvelinRezezadovuContractsDatabaseIStatement* tarvelin_rezezadovu_supports_database_connection_impl_statement(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] {
            return static_cast<TarvelinRezezadovuContractsDatabaseIStatement*>(self_of(self)->statement().release());
        },
        (TarvelinRezezadovuContractsDatabaseIStatement*)nullptr);
}
TarvelinRezezadovuContractsDatabaseIFormattable* tarvelin_rezezadovu_supports_database_connection_impl_formatter(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC,
        [&] {
            return static_cast<TarvelinRezezadovuContractsDatabaseIFormattable*>(self_of(self)->formatter().release());
        },
        (TarvelinRezezadovuContractsDatabaseIFormattable*)nullptr);
}
void tarvelin_rezezadovu_supports_database_connection_impl_open(TarvelinRezezadovuSupportsDatabaseConnectionImpl* self,
                                                                TarvelinProvidersContractsServer* server,
                                                                GObject* user_object, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { self_of(self)->open(gobj::cast<Server>(server), user_object); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_open_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, TarvelinProvidersContractsServer* server,
    GObject* user_object, GAsyncReadyCallback _callback_, gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC,
                  [&] { self_of(self)->open_async(gobj::cast<Server>(server), user_object, _callback_, _user_data_); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_open_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { self_of(self)->open_finish(_res_); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_reopen(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { self_of(self)->reopen(); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_reopen_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GAsyncReadyCallback _callback_, gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { self_of(self)->reopen_async(_callback_, _user_data_); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_reopen_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GAsyncResult* _res_, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { self_of(self)->reopen_finish(_res_); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_close(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { self_of(self)->close(); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_execute_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* statements, GAsyncReadyCallback _callback_,
    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { self_of(self)->execute_async(statements, _callback_, _user_data_); });
}
GObject** tarvelin_rezezadovu_supports_database_connection_impl_execute_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GAsyncResult* _res_, gint* result_length1, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::capi(
        G_STRFUNC, error, [&] { return self_of(self)->execute_finish(_res_, result_length1); }, (GObject**)nullptr);
}
GObject** tarvelin_rezezadovu_supports_database_connection_impl_execute(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* statements, gboolean flag,
    gint* result_length1, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::capi(
        G_STRFUNC, error, [&] { return self_of(self)->execute(statements, flag != FALSE, result_length1); }, (GObject**)nullptr);
}
void tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { self_of(self)->execute_no_query_async(sql, _callback_, _user_data_); });
}
gint64 tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GAsyncResult* _res_, GError** error) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::capi(
        G_STRFUNC, error, [&] { return self_of(self)->execute_no_query_finish(_res_); }, gint64(0));
}
gint64 tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* sql, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, -1);
    return gobj::capi(
        G_STRFUNC, error, [&] { return self_of(self)->execute_no_query(sql, flag != FALSE); }, gint64(-1));
}
void tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { self_of(self)->execute_as_model_async(sql, _callback_, _user_data_); });
}
TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GAsyncResult* _res_, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::capi(
        G_STRFUNC, error,
        [&] {
            return static_cast<TarvelinProvidersContractsTableModel*>(
                self_of(self)->execute_as_model_finish(_res_).release());
        },
        (TarvelinProvidersContractsTableModel*)nullptr);
}
TarvelinProvidersContractsTableModel* tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* sql, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::capi(
        G_STRFUNC, error,
        [&] {
            return static_cast<TarvelinProvidersContractsTableModel*>(
                self_of(self)->execute_as_model(sql, flag != FALSE).release());
        },
        (TarvelinProvidersContractsTableModel*)nullptr);
}
void tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_async(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* sql, GAsyncReadyCallback _callback_,
    gpointer _user_data_) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { self_of(self)->execute_as_scalar_async(sql, _callback_, _user_data_); });
}
TarvelinProvidersContractsValueObject* tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_finish(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GAsyncResult* _res_, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::capi(
        G_STRFUNC, error,
        [&] {
            return static_cast<TarvelinProvidersContractsValueObject*>(
                self_of(self)->execute_as_scalar_finish(_res_).release());
        },
        (TarvelinProvidersContractsValueObject*)nullptr);
}
TarvelinProvidersContractsValueObject* tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* sql, gboolean flag, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::capi(
        G_STRFUNC, error,
        [&] {
            return static_cast<TarvelinProvidersContractsValueObject*>(
                self_of(self)->execute_as_scalar(sql, flag != FALSE).release());
        },
        (TarvelinProvidersContractsValueObject*)nullptr);
}
TarvelinProvidersContractsIDataReader* tarvelin_rezezadovu_supports_database_connection_impl_execute_reader(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, const gchar* sql, GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::capi(
        G_STRFUNC, error,
        [&] {
            return static_cast<TarvelinProvidersContractsIDataReader*>(self_of(self)->execute_reader(sql).release());
        },
        (TarvelinProvidersContractsIDataReader*)nullptr);
}
gboolean tarvelin_rezezadovu_supports_database_connection_impl_transaction(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GError** error) {
    g_return_val_if_fail(self != NULL, FALSE);
    if (!provider_opened(self)) return FALSE;
    return gobj::capi(
        G_STRFUNC, error, [&] { return gboolean(self_of(self)->transaction()); }, FALSE);
}
void tarvelin_rezezadovu_supports_database_connection_impl_rollback(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GError** error) {
    g_return_if_fail(self != NULL);
    if (!provider_opened(self)) return;
    gobj::capi(G_STRFUNC, error, [&] { self_of(self)->rollback(); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_commit(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GError** error) {
    g_return_if_fail(self != NULL);
    if (!provider_opened(self)) return;
    gobj::capi(G_STRFUNC, error, [&] { self_of(self)->commit(); });
}
void tarvelin_rezezadovu_supports_database_connection_impl_update_version(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { self_of(self)->update_version(); });
}
TarvelinProvidersContractsServer* tarvelin_rezezadovu_supports_database_connection_impl_get_server(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC, [&] { return self_of(self)->get_server(); }, (TarvelinProvidersContractsServer*)nullptr);
}
const gchar* tarvelin_rezezadovu_supports_database_connection_impl_get_version(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC, [&] { return self_of(self)->get_version(); }, (const gchar*)nullptr);
}
TarvelinProvidersContractsIProvider* tarvelin_rezezadovu_supports_database_connection_impl_get_provider(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC, [&] { return self_of(self)->get_provider(); }, (TarvelinProvidersContractsIProvider*)nullptr);
}
TarvelinRezezadovuContractsDatabaseDBStatus tarvelin_rezezadovu_supports_database_connection_impl_get_status(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self) {
    g_return_val_if_fail(self != NULL, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown);
    return gobj::guarded(
        G_STRFUNC, [&] { return self_of(self)->get_status(); },
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown);
}
void tarvelin_rezezadovu_supports_database_connection_impl_set_status(
    TarvelinRezezadovuSupportsDatabaseConnectionImpl* self, TarvelinRezezadovuContractsDatabaseDBStatus value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { self_of(self)->set_status(value); });
}

}  // extern "C"
