#include "rezezadovu/supports/database/connection_impl.hpp"

#include <memory>

#include "rezezadovu/foundation/logging_service.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/call.hpp"
#include "rezezadovu/supports/database/data_cache.hpp"
#include "rezezadovu/supports/database/formatter.hpp"
#include "rezezadovu/supports/database/ssh_tunnel.hpp"

TARVELIN_LOG_TAG("connection_impl")

namespace tarvelin::rezezadovu::supports::database {

using foundation::LoggingService;
using providers::contracts::Server;
using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using Provider = providers::contracts::IProvider::Vtable;
namespace db = contracts::database;

TARVELIN_GTYPE(ConnectionImpl, "TarvelinRezezadovuSupportsDatabaseConnectionImpl", gobj::Object,
               contracts::database::IConnection)

namespace {

guint row_count(const gobj::Ref<TableModel>& table) {
    return table ? g_list_model_get_n_items(G_LIST_MODEL(table.gobj())) : 0;
}

// One line per result of a statement run: a table by its rows, a count or a failure as "true".
void log_results(const std::string& key, const std::vector<gobj::GPtr<GObject>>& objects) {
    for (const auto& o : objects) {
        if (!o) continue;
        if (G_TYPE_CHECK_INSTANCE_TYPE(o.get(), TableModel::gtype()))
            LoggingService::info(key.c_str(), "affected rows: %u", g_list_model_get_n_items(G_LIST_MODEL(o.get())));
        else if (G_TYPE_CHECK_INSTANCE_TYPE(o.get(), ValueObject::gtype()))
            LoggingService::info(key.c_str(), "affected rows: %s", "true");
    }
}

// A new NULL-terminated array of new references for a C caller.
GObject** hand_out(const std::vector<gobj::GPtr<GObject>>& objects, gint* length) {
    auto** out = g_new0(GObject*, objects.size() + 1);
    for (size_t i = 0; i < objects.size(); ++i)
        out[i] = objects[i] ? static_cast<GObject*>(g_object_ref(objects[i].get())) : nullptr;
    if (length) *length = static_cast<gint>(objects.size());
    return out;
}

GQuark default_domain() { return g_quark_from_static_string("default"); }

TunnelSettings tunnel_settings(const Server& record) {
    TunnelSettings s;
    s.process = record.get_ssh_process();
    s.host = record.text_or_empty(Server::Text::host);
    s.port = record.get_port();
    s.ssh_port = record.get_ssh_port();
    s.username = record.text_or_empty(Server::Text::ssh_username);
    s.password = record.text_or_empty(Server::Text::ssh_password);
    return s;
}

}  // namespace

void ConnectionImpl::describe(gobj::ClassSpec<ConnectionImpl>& c) {
    using Self = ConnectionImpl;
    TARVELIN_CONNECTION_IMPL_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<ConnectionImpl> ConnectionImpl::create(GType type) { return gobj::create<ConnectionImpl>(type); }

ConnectionImpl::~ConnectionImpl() {
    // The provider first: its connection runs through the tunnel.
    m_connection.reset();
    tunnel_.reset();
    m_server.reset();
    m_version.clear();
    m_connection.reset();
    m_builder.reset();
    m_explorer.reset();
    m_statement.reset();
    m_adapter.reset();
    m_inspector.reset();
    m_formatter.reset();
    m_cache.reset();
}

// ---------------------------------------------------------------- dialect objects

gobj::Ref<db::IAdaptable> ConnectionImpl::adapter() {
    std::lock_guard guard(lock_);
    return m_adapter;
}
gobj::Ref<db::IBuildable> ConnectionImpl::builder() {
    std::lock_guard guard(lock_);
    return m_builder;
}
gobj::Ref<db::IExplorable> ConnectionImpl::explorer() {
    std::lock_guard guard(lock_);
    return m_explorer;
}
gobj::Ref<db::IInspectable> ConnectionImpl::inspector() {
    std::lock_guard guard(lock_);
    return m_inspector;
}
gobj::Ref<db::IStatement> ConnectionImpl::statement() {
    std::lock_guard guard(lock_);
    return m_statement;
}
gobj::Ref<db::IFormattable> ConnectionImpl::formatter() {
    return lazy(m_formatter, [] {
        gobj::Ref<db::IFormattable> made(Formatter::create());
        using Vtable = TarvelinRezezadovuContractsDatabaseIFormattableInterface;
        gobj::call<&Vtable::option>(made, "LINE_START",
                                    "SELECT,FROM,WHERE,SET,ORDER BY,GROUP BY,LIMIT,DROP,VALUES,UPDATE,HAVING,ADD,AFTER,"
                                    "ALTER TABLE,DELETE FROM,UNION ALL,UNION,EXCEPT,INTERSECT");
        gobj::call<&Vtable::option>(made, "LINE_BREAK",
                                    "LEFT OUTER JOIN,RIGHT OUTER JOIN,LEFT JOIN,RIGHT JOIN,OUTER JOIN,INNER JOIN,JOIN,"
                                    "XOR,OR,AND");
        return made;
    });
}
gobj::Ref<db::ICachable> ConnectionImpl::cache() {
    return lazy(m_cache, [] { return gobj::Ref<db::ICachable>(DataCache::create()); });
}

// ---------------------------------------------------------------- state

TarvelinProvidersContractsServer* ConnectionImpl::get_server() {
    std::lock_guard guard(lock_);
    return static_cast<TarvelinProvidersContractsServer*>(m_server.instance());
}
const char* ConnectionImpl::get_version() {
    std::lock_guard guard(lock_);
    return m_version.c_str();
}
TarvelinProvidersContractsIProvider* ConnectionImpl::get_provider() {
    return static_cast<TarvelinProvidersContractsIProvider*>(m_connection.instance());
}
db::DBStatus ConnectionImpl::get_status() { return m_status.load(); }
void ConnectionImpl::set_status(DBStatus value) {
    if (m_status.exchange(value) != value) notify(status_pspec);
}
void ConnectionImpl::set_server(gobj::Ref<Server> record, GObject* user_object) {
    std::lock_guard guard(lock_);
    m_server = std::move(record);
    m_user_object = user_object;
}
void ConnectionImpl::set_version(std::string version) {
    std::lock_guard guard(lock_);
    m_version = std::move(version);
}
void ConnectionImpl::set_provider(gobj::Ref<IProvider> provider) { m_connection = std::move(provider); }
void ConnectionImpl::update_version() {}

std::string ConnectionImpl::log_key() {
    std::lock_guard guard(lock_);
    return m_server ? m_server->text_or_empty(Server::Text::uuid) : std::string();
}

gpointer ConnectionImpl::provider_or_throw() {
    if (!m_connection)
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_NOT_INITIALIZED, _("the connection has no provider"));
    return m_connection.instance();
}

void ConnectionImpl::emit_opened() { g_signal_emit_by_name(gobj(), "opened", gobj()); }

// ---------------------------------------------------------------- open, reopen, close

void ConnectionImpl::establish(Server& record) {
    std::string key = record.text_or_empty(Server::Text::uuid);
    try {
        // A connection whose dialect supplies no statement meets the statement's
        // "self != NULL" here and has no text to open with.
        gobj::Ref<db::IStatement> stmt = statement();
        std::optional<std::string> text;
        if (TARVELIN_REQUIRE(stmt, "self != NULL"))
            text = gobj::call<&db::IStatement::Vtable::build_connection_string, gobj::nullable>(stmt, record);
        gpointer provider = provider_or_throw();
        if (!text)
            throw gobj::Error(G_IO_ERROR, G_IO_ERROR_NOT_INITIALIZED, _("the dialect gave no connection text"));
        gobj::call<&Provider::open>(provider, record, *text);
        set_status(db::kOpened);
        update_version();
    } catch (const gobj::Error& e) {
        set_status(db::kFailed);
        LoggingService::warning(key.c_str(), "SQL: Failed to open connection: %s", e.message().c_str());
        throw;
    }
    LoggingService::debug(key.c_str(), "%s", "SQL: connection opened");
}

void ConnectionImpl::open_over_ssh(Server& record) {
    // A failed open stops the tunnel it started, as the pointer goes.
    std::unique_ptr<Tunnel> tunnel =
        launch_ssh_tunnel(tunnel_settings(record), record.text_or_empty(Server::Text::uuid).c_str());
    gobj::Ref<Server> local = record.clone(false);
    local->set_host(std::string("127.0.0.1"));
    local->set_port(tunnel->local_port());
    tlog_debug("connect to server: %s:%u......", local->text_or_empty(Server::Text::host).c_str(),
               static_cast<guint>(local->get_port()));
    establish(*local);
    keep_tunnel(std::move(tunnel));
}

void ConnectionImpl::keep_tunnel(std::unique_ptr<Tunnel> tunnel) {
    {
        std::lock_guard guard(lock_);
        std::swap(tunnel_, tunnel);
    }
    // The one kept before stops here, outside the lock: stopping waits for its processes.
}

void ConnectionImpl::connect(const gobj::Ref<Server>& record) {
    if (!record)
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_NOT_INITIALIZED, _("no server record: open the connection first"));
    if (record->get_ssh_using()) {
        open_over_ssh(*record);
    } else {
        establish(*record);
        keep_tunnel(nullptr);
    }
}

void ConnectionImpl::open(Server* server, GObject* user_object) {
    g_return_if_fail(server != NULL);
    gobj::Ref<Server> record(*server);
    set_server(record, user_object);
    connect(record);
    emit_opened();
}

void ConnectionImpl::reopen() {
    connect(gobj::Ref<Server>::retain(get_server()));
    emit_opened();
}

void ConnectionImpl::close() {
    // Whatever the provider says, the tunnel ends with the close.
    struct StopTunnel {
        ConnectionImpl& self;
        ~StopTunnel() { self.keep_tunnel(nullptr); }
    } stop_tunnel{*this};
    if (!m_connection || !gobj::call<&Provider::get_is_opened>(m_connection.instance())) return;
    try {
        gobj::call<&Provider::close>(m_connection.instance());
    } catch (const gobj::Error& e) {
        LoggingService::error(log_key().c_str(), "%s", e.message().c_str());
    }
    gobj::Ref<db::ICachable> cache;
    {
        std::lock_guard guard(lock_);
        cache = m_cache;
    }
    if (cache) gobj::call<&db::ICachable::Vtable::clear>(cache);
    set_status(db::kClosed);
    g_signal_emit_by_name(gobj(), "closed", gobj());
}

// ---------------------------------------------------------------- synchronous execution

gint64 ConnectionImpl::execute_no_query(const char* sql, bool flag) {
    g_return_val_if_fail(sql != NULL, 0);
    std::string key = log_key();
    LoggingService::info(key.c_str(), "SQL: %s", sql);
    gint64 count = gobj::call<&Provider::execute_affect>(provider_or_throw(), sql, flag);
    LoggingService::info(key.c_str(), "affected rows: %" G_GINT64_FORMAT, count);
    return count;
}

gobj::Ref<TableModel> ConnectionImpl::execute_as_model(const char* sql, bool flag) {
    g_return_val_if_fail(sql != NULL, nullptr);
    std::string key = log_key();
    LoggingService::info(key.c_str(), "SQL: %s", sql);
    gobj::Ref<TableModel> table = gobj::call<&Provider::execute_model>(provider_or_throw(), sql, flag);
    LoggingService::info(key.c_str(), "affected rows: %u", row_count(table));
    return table;
}

gobj::Ref<ValueObject> ConnectionImpl::execute_as_scalar(const char* sql, bool flag) {
    g_return_val_if_fail(sql != NULL, nullptr);
    std::string key = log_key();
    LoggingService::info(key.c_str(), "SQL: %s", sql);
    gobj::Ref<ValueObject> value = gobj::call<&Provider::execute_scalar>(provider_or_throw(), sql, flag);
    LoggingService::info(key.c_str(), "%s", "affected rows: 1");
    return value;
}

GObject** ConnectionImpl::execute(const char* statements, bool flag, gint* length) {
    g_return_val_if_fail(statements != NULL, nullptr);
    std::string key = log_key();
    LoggingService::info(key.c_str(), "SQL: %s", statements);
    auto objects = gobj::call<&Provider::execute_statements>(provider_or_throw(), statements, flag);
    log_results(key, objects);
    return hand_out(objects, length);
}

gobj::Ref<providers::contracts::IDataReader> ConnectionImpl::execute_reader(const char* sql) {
    g_return_val_if_fail(sql != NULL, nullptr);
    std::string key = log_key();
    LoggingService::info(key.c_str(), "SQL: %s", sql);
    auto reader = gobj::call<&Provider::execute_reader>(provider_or_throw(), sql);
    LoggingService::info(key.c_str(), "affected rows: %d", 0);
    return reader;
}

bool ConnectionImpl::transaction() {
    if (!TARVELIN_REQUIRE(m_connection && gobj::call<&Provider::get_is_opened>(m_connection.instance()),
                          "m_connection.is_opened"))
        return false;
    return gobj::call<&Provider::transaction>(m_connection.instance()) != FALSE;
}
void ConnectionImpl::rollback() {
    if (!TARVELIN_REQUIRE(m_connection && gobj::call<&Provider::get_is_opened>(m_connection.instance()),
                          "m_connection.is_opened"))
        return;
    gobj::call<&Provider::rollback>(m_connection.instance());
}
void ConnectionImpl::commit() {
    if (!TARVELIN_REQUIRE(m_connection && gobj::call<&Provider::get_is_opened>(m_connection.instance()),
                          "m_connection.is_opened"))
        return;
    gobj::call<&Provider::commit>(m_connection.instance());
}

// ---------------------------------------------------------------- asynchronous road

// One asynchronous call: made on the caller's thread, handed to one detached worker
// thread, then to the default main context, where it completes the task and is freed.
// The worker writes the outcome before it schedules the resumption, and the resumption
// reads it only after, so the two threads never touch it at once.
struct ConnectionImpl::Job {
    gobj::Ref<ConnectionImpl> connection;  // alive until the resumption ran
    GTask* task = nullptr;
    std::string text;
    // Set by the worker whenever its call raised, whatever the error's code or message.
    bool failed = false;
    gint code = 0;
    std::string message;
    std::function<void(Job&)> work;    // worker thread; may throw
    std::function<void(Job&)> finish;  // main context: logs and completes the task

    gint64 count = 0;
    gobj::Ref<TableModel> table;
    gobj::Ref<ValueObject> value;
    std::vector<gobj::GPtr<GObject>> objects;

    Job(ConnectionImpl& c, GAsyncReadyCallback callback, gpointer data, gpointer tag)
        : connection(c), task(g_task_new(c.gobj(), nullptr, callback, data)) {
        g_task_set_source_tag(task, tag);
    }
    ~Job() { g_object_unref(task); }

    void fail(gint c, std::string m) {
        failed = true;
        code = c;
        message = std::move(m);
    }
    // The error of the finish operation: the worker's code and message in "default".
    void return_failure() { g_task_return_new_error(task, default_domain(), code, "%s", message.c_str()); }

    static gpointer worker(gpointer data) {
        Job* job = static_cast<Job*>(data);
        try {
            job->work(*job);
        } catch (const gobj::Error& e) {
            job->fail(e.code(), e.message());
        } catch (const std::exception& e) {
            job->fail(G_IO_ERROR_FAILED, e.what());
        } catch (...) {
            job->fail(G_IO_ERROR_FAILED, "unknown exception");
        }
        g_idle_add_full(G_PRIORITY_DEFAULT_IDLE, &Job::resume, job, nullptr);
        return nullptr;
    }
    static gboolean resume(gpointer data) {
        std::unique_ptr<Job> job(static_cast<Job*>(data));
        gobj::guarded("resume", [&] { job->finish(*job); });
        return G_SOURCE_REMOVE;
    }
};

void ConnectionImpl::run(Job* job) {
    GError* error = nullptr;
    GThread* thread = g_thread_try_new(nullptr, &Job::worker, job, &error);
    if (thread) {
        g_thread_unref(thread);
        return;
    }
    job->fail(error->code, error->message);
    g_error_free(error);
    g_idle_add_full(G_PRIORITY_DEFAULT_IDLE, &Job::resume, job, nullptr);
}

namespace {
// Source tags: a finish operation accepts only the result of its own start.
char tag_no_query, tag_model, tag_scalar, tag_execute, tag_open, tag_reopen;

// Takes the task's result; an error is thrown.
GTask* valid_task(GAsyncResult* result, gpointer source, gpointer tag) {
    if (!g_task_is_valid(result, source) || g_task_get_source_tag(G_TASK(result)) != tag)
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_ARGUMENT, _("not the result of this operation"));
    return G_TASK(result);
}
}  // namespace

void ConnectionImpl::execute_no_query_async(const char* sql, GAsyncReadyCallback callback, gpointer data) {
    g_return_if_fail(sql != NULL);
    auto* job = new Job(*this, callback, data, &tag_no_query);
    job->text = sql;
    LoggingService::info(log_key().c_str(), "SQL: %s", sql);
    job->work = [](Job& j) {
        j.count = gobj::call<&Provider::execute_affect>(j.connection->provider_or_throw(), j.text, true);
    };
    job->finish = [](Job& j) {
        std::string key = j.connection->log_key();
        if (j.failed) {
            LoggingService::error(key.c_str(), "failed: %d -> %s", j.code, j.message.c_str());
            return j.return_failure();
        }
        LoggingService::info(key.c_str(), "affected rows: %" G_GINT64_FORMAT, j.count);
        g_task_return_int(j.task, static_cast<gssize>(j.count));
    };
    run(job);
}

gint64 ConnectionImpl::execute_no_query_finish(GAsyncResult* result) {
    GTask* task = valid_task(result, gobj(), &tag_no_query);
    GError* error = nullptr;
    gssize count = g_task_propagate_int(task, &error);
    gobj::check(error);
    return count;
}

void ConnectionImpl::execute_as_model_async(const char* sql, GAsyncReadyCallback callback, gpointer data) {
    g_return_if_fail(sql != NULL);
    auto* job = new Job(*this, callback, data, &tag_model);
    job->text = sql;
    LoggingService::info(log_key().c_str(), "SQL: %s", sql);
    job->work = [](Job& j) {
        j.table = gobj::call<&Provider::execute_model>(j.connection->provider_or_throw(), j.text, true);
    };
    job->finish = [](Job& j) {
        std::string key = j.connection->log_key();
        if (j.failed) {
            LoggingService::error(key.c_str(), "failed: %d -> %s", j.code, j.message.c_str());
            return j.return_failure();
        }
        LoggingService::info(key.c_str(), "affected rows: %u", row_count(j.table));
        g_task_return_pointer(j.task, j.table.release(), g_object_unref);
    };
    run(job);
}

gobj::Ref<TableModel> ConnectionImpl::execute_as_model_finish(GAsyncResult* result) {
    GTask* task = valid_task(result, gobj(), &tag_model);
    GError* error = nullptr;
    auto table = gobj::Ref<TableModel>::adopt(g_task_propagate_pointer(task, &error));
    gobj::check(error);
    return table;
}

void ConnectionImpl::execute_as_scalar_async(const char* sql, GAsyncReadyCallback callback, gpointer data) {
    g_return_if_fail(sql != NULL);
    auto* job = new Job(*this, callback, data, &tag_scalar);
    job->text = sql;
    LoggingService::info(log_key().c_str(), "SQL: %s", sql);
    job->work = [](Job& j) {
        j.value = gobj::call<&Provider::execute_scalar>(j.connection->provider_or_throw(), j.text, true);
    };
    job->finish = [](Job& j) {
        std::string key = j.connection->log_key();
        if (j.failed) {
            LoggingService::error(key.c_str(), "failed: %d -> %s", j.code, j.message.c_str());
            return j.return_failure();
        }
        LoggingService::info(key.c_str(), "%s", "affected rows: 1");
        g_task_return_pointer(j.task, j.value.release(), g_object_unref);
    };
    run(job);
}

gobj::Ref<ValueObject> ConnectionImpl::execute_as_scalar_finish(GAsyncResult* result) {
    GTask* task = valid_task(result, gobj(), &tag_scalar);
    GError* error = nullptr;
    auto value = gobj::Ref<ValueObject>::adopt(g_task_propagate_pointer(task, &error));
    gobj::check(error);
    return value;
}

void ConnectionImpl::execute_async(const char* statements, GAsyncReadyCallback callback, gpointer data) {
    g_return_if_fail(statements != NULL);
    auto* job = new Job(*this, callback, data, &tag_execute);
    job->text = statements;
    LoggingService::info(log_key().c_str(), "SQL: %s", statements);
    job->work = [](Job& j) {
        j.objects = gobj::call<&Provider::execute_statements>(j.connection->provider_or_throw(), j.text, true);
    };
    job->finish = [](Job& j) {
        std::string key = j.connection->log_key();
        if (j.failed) {
            LoggingService::error(key.c_str(), "failed: %d -> %s", j.code, j.message.c_str());
            return j.return_failure();
        }
        log_results(key, j.objects);
        auto* objects = new std::vector<gobj::GPtr<GObject>>(std::move(j.objects));
        g_task_return_pointer(j.task, objects,
                              [](gpointer p) { delete static_cast<std::vector<gobj::GPtr<GObject>>*>(p); });
    };
    run(job);
}

GObject** ConnectionImpl::execute_finish(GAsyncResult* result, gint* length) {
    GTask* task = valid_task(result, gobj(), &tag_execute);
    GError* error = nullptr;
    std::unique_ptr<std::vector<gobj::GPtr<GObject>>> objects(
        static_cast<std::vector<gobj::GPtr<GObject>>*>(g_task_propagate_pointer(task, &error)));
    gobj::check(error);
    return hand_out(*objects, length);
}

void ConnectionImpl::open_on_worker(gobj::Ref<Server> record, GAsyncReadyCallback callback, gpointer data,
                                    gpointer tag) {
    auto* job = new Job(*this, callback, data, tag);
    bool ssh = record && record->get_ssh_using();
    // The whole establish step runs on the worker: its status notifications, the
    // dialect's version query and its log lines happen there.
    job->work = [record](Job& j) { j.connection->connect(record); };
    job->finish = [ssh](Job& j) {
        if (j.failed) {
            LoggingService::error(j.connection->log_key().c_str(),
                                  ssh ? "Failed to open connection over ssh: %d -> %s"
                                      : "Failed to open connection: %d -> %s",
                                  j.code, j.message.c_str());
            return j.return_failure();
        }
        j.connection->emit_opened();
        g_task_return_boolean(j.task, TRUE);
    };
    run(job);
}

void ConnectionImpl::open_async(Server* server, GObject* user_object, GAsyncReadyCallback callback, gpointer data) {
    g_return_if_fail(server != NULL);
    gobj::Ref<Server> record(*server);
    set_server(record, user_object);
    open_on_worker(record, callback, data, &tag_open);
}

void ConnectionImpl::open_finish(GAsyncResult* result) {
    GError* error = nullptr;
    g_task_propagate_boolean(valid_task(result, gobj(), &tag_open), &error);
    gobj::check(error);
}

void ConnectionImpl::reopen_async(GAsyncReadyCallback callback, gpointer data) {
    open_on_worker(gobj::Ref<Server>::retain(get_server()), callback, data, &tag_reopen);
}

void ConnectionImpl::reopen_finish(GAsyncResult* result) {
    GError* error = nullptr;
    g_task_propagate_boolean(valid_task(result, gobj(), &tag_reopen), &error);
    gobj::check(error);
}

}  // namespace tarvelin::rezezadovu::supports::database
