// The product-neutral connection over a provider (IProvider): opens a server record
// directly or through an SSH tunnel, runs statements on the caller's thread or on one
// worker thread per asynchronous call, logs every statement under the record's uuid, and
// hands out the dialect objects, the formatter and the cache.
//
// A dialect connection derives from it, stores its product's provider with set_provider
// when constructed, and overrides adapter, builder, explorer, inspector, statement and
// update_version; it reaches the record, version, provider and dialect objects through
// the protected members below.
//
// Thread-safe for what a host and a running asynchronous open do at once: the dialect
// objects, formatter, cache and version text are created and replaced under the
// connection's mutex, and the status is atomic. Statements are not serialised: whether
// the provider's native calls may overlap is the provider's matter.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "rezezadovu/contracts/database/iconnection.hpp"
#include "rezezadovu/supports/database/ssh_tunnel.hpp"

namespace tarvelin::gobj::prop {
using DBStatusKind = Enum<TarvelinRezezadovuContractsDatabaseDBStatus, &rezezadovu::contracts::database::db_status_gtype>;
using ServerRef = ObjectRef<providers::contracts::Server, TarvelinProvidersContractsServer>;
using ProviderRef = ObjectRef<providers::contracts::IProvider, TarvelinProvidersContractsIProvider>;
}  // namespace tarvelin::gobj::prop

// The connection's properties, under the contract's names. The class writes their
// accessors: the status is atomic and notifies on change; the read-only three are stored
// by the connection itself (open, set_provider, a dialect's update_version) without a
// notification.
// clang-format off
#define TARVELIN_CONNECTION_IMPL_PROPERTIES(P) \
    P(DBStatusKind, status, "status", TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown, RW, \
      TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown, OnChange) \
    P(ServerRef, server, "server", nullptr, RO, nullptr, OnChange) \
    P(ProviderRef, provider, "provider", nullptr, RO, nullptr, OnChange) \
    P(Text, version, "version", nullptr, RO, nullptr, OnChange)
// clang-format on

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT ConnectionImpl : public gobj::Object, public contracts::database::IConnection {
public:
    using DBStatus = contracts::database::DBStatus;
    using IAdaptable = contracts::database::IAdaptable;
    using IBuildable = contracts::database::IBuildable;
    using IExplorable = contracts::database::IExplorable;
    using IInspectable = contracts::database::IInspectable;
    using IStatement = contracts::database::IStatement;
    using IFormattable = contracts::database::IFormattable;
    using ICachable = contracts::database::ICachable;
    using IProvider = providers::contracts::IProvider;

    static GType gtype();
    static void describe(gobj::ClassSpec<ConnectionImpl>& c);
    TARVELIN_CONNECTION_IMPL_PROPERTIES(TARVELIN_PROPERTY_PSPEC)
    static gobj::Ref<ConnectionImpl> create(GType type = gtype());

    ConnectionImpl() = default;
    // Releases the record, the version text, the provider and the dialect objects, in
    // that order; the caller object is not touched.
    ~ConnectionImpl() override;

    // ---- dialect objects: a new reference to the stored object, or none
    gobj::Ref<IAdaptable> adapter() override;
    gobj::Ref<IBuildable> builder() override;
    gobj::Ref<IExplorable> explorer() override;
    gobj::Ref<IInspectable> inspector() override;
    gobj::Ref<IStatement> statement() override;
    // Made on first request with the options "LINE_START" and "LINE_BREAK"; the same
    // formatter afterwards.
    gobj::Ref<IFormattable> formatter() override;
    // Created on first request; emptied at every close that reaches the provider.
    gobj::Ref<ICachable> cache() override;

    // ---- lifecycle
    void open(Server* server, GObject* user_object) override;
    // Opens the stored record again; G_IO_ERROR_NOT_INITIALIZED when there is none.
    void reopen() override;
    void open_async(Server* server, GObject* user_object, GAsyncReadyCallback callback, gpointer data) override;
    void open_finish(GAsyncResult* result) override;
    void reopen_async(GAsyncReadyCallback callback, gpointer data) override;
    void reopen_finish(GAsyncResult* result) override;
    void close() override;

    // ---- execution
    gint64 execute_no_query(const char* sql, bool flag) override;
    gobj::Ref<TableModel> execute_as_model(const char* sql, bool flag) override;
    gobj::Ref<ValueObject> execute_as_scalar(const char* sql, bool flag) override;
    GObject** execute(const char* statements, bool flag, gint* length) override;
    gobj::Ref<IDataReader> execute_reader(const char* sql) override;
    void execute_no_query_async(const char* sql, GAsyncReadyCallback callback, gpointer data) override;
    gint64 execute_no_query_finish(GAsyncResult* result) override;
    void execute_as_model_async(const char* sql, GAsyncReadyCallback callback, gpointer data) override;
    gobj::Ref<TableModel> execute_as_model_finish(GAsyncResult* result) override;
    void execute_as_scalar_async(const char* sql, GAsyncReadyCallback callback, gpointer data) override;
    gobj::Ref<ValueObject> execute_as_scalar_finish(GAsyncResult* result) override;
    void execute_async(const char* statements, GAsyncReadyCallback callback, gpointer data) override;
    GObject** execute_finish(GAsyncResult* result, gint* length) override;

    // Require an open provider ("m_connection.is_opened" critical and nothing done otherwise).
    bool transaction() override;
    void rollback() override;
    void commit() override;

    // Reads the server's version (through execute_as_scalar) into the version text; the
    // base reads nothing.
    virtual void update_version();

    // ---- state; record, provider and version are borrowed
    TarvelinProvidersContractsServer* get_server() override;
    const char* get_version() override;
    TarvelinProvidersContractsIProvider* get_provider() final;
    DBStatus get_status() final;
    void set_status(DBStatus value) final;

    // Test seam, outside the C face: puts `provider` (a scripted one) in the provider
    // slot of a dialect's connection, in place of the product's own.
    void use_provider(gobj::Ref<IProvider> provider) { set_provider(std::move(provider)); }

protected:
    // This connection as C callers see it: what its dialect objects are linked to.
    CSelf* c_self() noexcept { return reinterpret_cast<CSelf*>(gobj()); }

    // The record given to the last open (none before); left in place by close.
    gobj::Ref<Server> m_server;
    // The optional caller object of the last open; not owned and never read.
    GObject* m_user_object = nullptr;
    // The product's provider, owned for the connection's whole life.
    gobj::Ref<IProvider> m_connection;
    // Dialect objects: created by the dialect on first request, through lazy().
    gobj::Ref<IBuildable> m_builder;
    gobj::Ref<IExplorable> m_explorer;
    gobj::Ref<IStatement> m_statement;
    gobj::Ref<IAdaptable> m_adapter;
    gobj::Ref<IInspectable> m_inspector;
    gobj::Ref<IFormattable> m_formatter;
    gobj::Ref<ICachable> m_cache;

    // The object in `field`, made by `make` when there is none yet; a new reference.
    template <class I, class Make>
    gobj::Ref<I> lazy(gobj::Ref<I>& field, Make&& make) {
        std::lock_guard guard(lock_);
        if (!field) field = make();
        return field;
    }
    // Replaces the object in `field` (a dialect's adapter for the version it read).
    template <class I>
    void replace(gobj::Ref<I>& field, gobj::Ref<I> value) {
        std::lock_guard guard(lock_);
        field = std::move(value);
    }
    // The version text, written by update_version without a change notification.
    void set_version(std::string version);
    // Stores the provider, releasing any stored before.
    void set_provider(gobj::Ref<IProvider> provider);
    // Stores the record and the caller object of an open, releasing the previous record.
    void set_server(gobj::Ref<Server> record, GObject* user_object);

private:
    struct Job;
    // The uuid of the stored record (the key of every log line), or none.
    std::string log_key();
    gpointer provider_or_throw();
    // Tunnel or direct, by the record's "ssh-using".
    void connect(const gobj::Ref<Server>& record);
    void open_over_ssh(Server& record);
    // Connection text, provider open, status, version; the failure sets Failed and is logged.
    void establish(Server& record);
    void emit_opened();
    // Keeps the tunnel of the open that succeeded; the one kept before is stopped.
    void keep_tunnel(std::unique_ptr<Tunnel> tunnel);
    void open_on_worker(gobj::Ref<Server> record, GAsyncReadyCallback callback, gpointer data, gpointer tag);
    static void run(Job* job);

    std::recursive_mutex lock_;
    // The SSH tunnel of the last open over SSH, stopped at close and with the connection.
    std::unique_ptr<Tunnel> tunnel_;
    std::string m_version;
    std::atomic<DBStatus> m_status{contracts::database::kUnknown};
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseConnectionImpl,
                     tarvelin::rezezadovu::supports::database::ConnectionImpl)
