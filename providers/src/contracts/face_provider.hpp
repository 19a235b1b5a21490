// The provider contract between the connection layer and a database driver.
//
// A driver derives its provider from gobj::Object and IProvider and implements the
// eleven operations; failures are thrown as gobj::Error and reach C callers as GError
// with the empty result (NULL, -1 for execute_affect, FALSE for transaction). The slots
// check the required texts and the server ("statement != NULL", ...) before a driver's
// operation runs, so a driver receives them present. "is-opened" reads get_is_opened.
//
// Code that holds a provider as an object calls it through the wrappers in namespace
// `iprovider`, which go through the interface structure and throw gobj::Error.
#pragma once

#include <tarvelin/providers/face_provider.h>

#include <string>
#include <vector>

#include "providers/contracts/face_reader.hpp"
#include "providers/contracts/face_server.hpp"
#include "providers/contracts/model_table.hpp"

namespace tarvelin::providers::contracts {

// Callers serialise, unless the driver says it takes its own lock (most do).
class TARVELIN_EXPORT IProvider : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIProviderInterface;
    using CSelf = TarvelinProvidersContractsIProvider;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<IProvider>& spec);

    // Connects with the record's parameters; the text is required but means nothing to
    // any driver. A provider holding a connection closes it first.
    virtual void open(Server& server, const std::string& connection_string) = 0;
    virtual void close() = 0;
    // One statement that yields rows; no result columns is a failure (code -1).
    virtual gobj::Ref<TableModel> execute_model(const std::string& statement, bool flag) = 0;
    virtual gint64 execute_affect(const std::string& statement, bool flag) = 0;
    virtual gobj::Ref<ValueObject> execute_scalar(const std::string& statement, bool flag) = 0;
    // One object per statement result: TableModel, ValueUInt64 or ValueError.
    virtual std::vector<gobj::Ref<gobj::Object>> execute_statements(const std::string& statements, bool flag) = 0;
    virtual gobj::Ref<IDataReader> execute_reader(const std::string& statement) = 0;
    virtual bool transaction() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool get_is_opened() = 0;

    template <class T>
    static void fill(Vtable* vt);

private:
    template <class T>
    static IProvider* self(CSelf* s) {
        return static_cast<IProvider*>(gobj::cast<T>(s));
    }
};

// A NULL-terminated array of new references for a C caller, with its length.
TARVELIN_EXPORT GObject** dup_objects(std::vector<gobj::Ref<gobj::Object>> objects, gint* length);

template <class T>
void IProvider::fill(Vtable* vt) {
    using TM = TarvelinProvidersContractsTableModel;
    using VO = TarvelinProvidersContractsValueObject;
    using DR = TarvelinProvidersContractsIDataReader;
    vt->open = [](CSelf* s, TarvelinProvidersContractsServer* server, const gchar* connection_string,
                  GError** error) {
        g_return_if_fail(server != NULL);
        g_return_if_fail(connection_string != NULL);
        gobj::capi(G_STRFUNC, error, [&] { self<T>(s)->open(*gobj::cast<Server>(server), connection_string); });
    };
    vt->close = [](CSelf* s, GError** error) { gobj::capi(G_STRFUNC, error, [&] { self<T>(s)->close(); }); };
    vt->execute_model = [](CSelf* s, const gchar* statement, gboolean flag, GError** error) -> TM* {
        g_return_val_if_fail(statement != NULL, NULL);
        return gobj::capi(
            G_STRFUNC, error, [&] { return static_cast<TM*>(self<T>(s)->execute_model(statement, flag != FALSE).release()); },
            (TM*)nullptr);
    };
    vt->execute_affect = [](CSelf* s, const gchar* statement, gboolean flag, GError** error) -> gint64 {
        g_return_val_if_fail(statement != NULL, 0);
        return gobj::capi(
            G_STRFUNC, error, [&] { return self<T>(s)->execute_affect(statement, flag != FALSE); }, gint64(-1));
    };
    vt->execute_scalar = [](CSelf* s, const gchar* statement, gboolean flag, GError** error) -> VO* {
        g_return_val_if_fail(statement != NULL, NULL);
        return gobj::capi(
            G_STRFUNC, error, [&] { return static_cast<VO*>(self<T>(s)->execute_scalar(statement, flag != FALSE).release()); },
            (VO*)nullptr);
    };
    vt->execute_statements = [](CSelf* s, const gchar* statements, gboolean flag, gint* length,
                                GError** error) -> GObject** {
        if (length) *length = 0;
        g_return_val_if_fail(statements != NULL, NULL);
        return gobj::capi(
            G_STRFUNC, error, [&] { return dup_objects(self<T>(s)->execute_statements(statements, flag != FALSE), length); },
            (GObject**)nullptr);
    };
    vt->execute_reader = [](CSelf* s, const gchar* statement, GError** error) -> DR* {
        g_return_val_if_fail(statement != NULL, NULL);
        return gobj::capi(
            G_STRFUNC, error, [&] { return static_cast<DR*>(self<T>(s)->execute_reader(statement).release()); }, (DR*)nullptr);
    };
    vt->transaction = [](CSelf* s, GError** error) -> gboolean {
        return gobj::capi(G_STRFUNC, error, [&] { return gboolean(self<T>(s)->transaction()); }, gboolean(FALSE));
    };
    vt->commit = [](CSelf* s, GError** error) { gobj::capi(G_STRFUNC, error, [&] { self<T>(s)->commit(); }); };
    vt->rollback = [](CSelf* s, GError** error) { gobj::capi(G_STRFUNC, error, [&] { self<T>(s)->rollback(); }); };
    vt->get_is_opened = [](CSelf* s) -> gboolean {
        return gobj::guarded("get_is_opened", [&] { return gboolean(self<T>(s)->get_is_opened()); }, gboolean(FALSE));
    };
}

// Calls through the interface structure of any provider instance; errors are thrown.
namespace iprovider {

namespace detail {
inline TarvelinProvidersContractsIProvider* c(gpointer provider) {
    return static_cast<TarvelinProvidersContractsIProvider*>(provider);
}
}  // namespace detail

inline void open(gpointer p, Server& server, const std::string& connection_string) {
    GError* e = nullptr;
    tarvelin_providers_contracts_iprovider_open(
        detail::c(p), reinterpret_cast<TarvelinProvidersContractsServer*>(server.gobj()), connection_string.c_str(), &e);
    gobj::check(e);
}
inline void close(gpointer p) {
    GError* e = nullptr;
    tarvelin_providers_contracts_iprovider_close(detail::c(p), &e);
    gobj::check(e);
}
inline gobj::Ref<TableModel> execute_model(gpointer p, const std::string& statement, bool flag) {
    GError* e = nullptr;
    auto r = gobj::Ref<TableModel>::adopt(
        tarvelin_providers_contracts_iprovider_execute_model(detail::c(p), statement.c_str(), flag, &e));
    gobj::check(e);
    return r;
}
inline gint64 execute_affect(gpointer p, const std::string& statement, bool flag) {
    GError* e = nullptr;
    gint64 r = tarvelin_providers_contracts_iprovider_execute_affect(detail::c(p), statement.c_str(), flag, &e);
    gobj::check(e);
    return r;
}
inline gobj::Ref<ValueObject> execute_scalar(gpointer p, const std::string& statement, bool flag) {
    GError* e = nullptr;
    auto r = gobj::Ref<ValueObject>::adopt(
        tarvelin_providers_contracts_iprovider_execute_scalar(detail::c(p), statement.c_str(), flag, &e));
    gobj::check(e);
    return r;
}
// Elements are any GObject a driver returns (TableModel, ValueUInt64, ValueError).
inline std::vector<gobj::GPtr<GObject>> execute_statements(gpointer p, const std::string& statements, bool flag) {
    GError* e = nullptr;
    gint n = 0;
    GObject** array =
        tarvelin_providers_contracts_iprovider_execute_statements(detail::c(p), statements.c_str(), flag, &n, &e);
    std::vector<gobj::GPtr<GObject>> out;
    for (gint i = 0; array && i < n; ++i) out.push_back(gobj::GPtr<GObject>::adopt(array[i]));
    g_free(array);
    gobj::check(e);
    return out;
}
// Read it through idata_reader:: with r.instance(); a host's reader has no C++ side.
inline gobj::Ref<IDataReader> execute_reader(gpointer p, const std::string& statement) {
    GError* e = nullptr;
    auto r = gobj::Ref<IDataReader>::adopt(
        tarvelin_providers_contracts_iprovider_execute_reader(detail::c(p), statement.c_str(), &e));
    gobj::check(e);
    return r;
}
inline bool transaction(gpointer p) {
    GError* e = nullptr;
    bool r = tarvelin_providers_contracts_iprovider_transaction(detail::c(p), &e);
    gobj::check(e);
    return r;
}
inline void commit(gpointer p) {
    GError* e = nullptr;
    tarvelin_providers_contracts_iprovider_commit(detail::c(p), &e);
    gobj::check(e);
}
inline void rollback(gpointer p) {
    GError* e = nullptr;
    tarvelin_providers_contracts_iprovider_rollback(detail::c(p), &e);
    gobj::check(e);
}
inline bool get_is_opened(gpointer p) { return tarvelin_providers_contracts_iprovider_get_is_opened(detail::c(p)); }

}  // namespace iprovider

}  // namespace tarvelin::providers::contracts

