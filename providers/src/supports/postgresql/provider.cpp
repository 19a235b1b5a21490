#include "providers/supports/postgresql/provider.hpp"

#include <libpq-fe.h>

#include <algorithm>
#include <cstring>

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/postgresql/connection_parameters.hpp"
#include "providers/supports/postgresql/reader.hpp"

TARVELIN_LOG_TAG("provider")

namespace tarvelin::providers::supports::postgresql {

using namespace contracts;

TARVELIN_GTYPE(PostgreSQLProvider, "TarvelinProvidersSupportsPostgreSQLProvider", gobj::Object, IProvider,
               IPostgreSQLError)

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

bool has_rows(const PGresult* r) {
    ExecStatusType status = PQresultStatus(r);
    return status == PGRES_TUPLES_OK || status == PGRES_SINGLE_TUPLE;
}

// The count of a command tag ("UPDATE 2", "INSERT 0 1"); 0 when it has none.
gint64 affected_rows(PGresult* r) { return g_ascii_strtoll(PQcmdTuples(r), nullptr, 10); }

gobj::Ref<TableModel> fill_model(PGresult* result) { return contracts::fill_table(PostgreSQLReader::create(result)); }

}  // namespace

void PostgreSQLProvider::clear(PGresult* result) noexcept { PQclear(result); }

gobj::Ref<PostgreSQLProvider> PostgreSQLProvider::create(GType type) { return gobj::create<PostgreSQLProvider>(type); }

PostgreSQLProvider::~PostgreSQLProvider() {
    if (conn_) PQfinish(conn_);
}

void PostgreSQLProvider::open(Server& server, const std::string&) {
    std::string host = server.text_or_empty(Server::Text::host);
    gint port = server.get_port();
    {
        Lock lock(mutex_);
        ConnectionParameters params = connection_parameters(server);
        std::vector<const char*> keywords, values;
        for (const auto& [keyword, value] : params) {
            keywords.push_back(keyword.c_str());
            values.push_back(value.c_str());
        }
        // A server that vanishes ends in an error, not a hang: a bounded connect, and
        // keepalives that notice a dead peer while a statement waits for its result.
        static const std::pair<const char*, const char*> kLiveness[] = {
            {"connect_timeout", "15"},   {"keepalives", "1"},        {"keepalives_idle", "30"},
            {"keepalives_interval", "10"}, {"keepalives_count", "3"}, {"tcp_user_timeout", "60000"}};
        for (const auto& [keyword, value] : kLiveness) {
            keywords.push_back(keyword);
            values.push_back(value);
        }
        keywords.push_back(nullptr);
        values.push_back(nullptr);
        // expand_dbname 0: a database name is never read as a connection string.
        opened_ = false;
        PGconn* conn = PQconnectdbParams(keywords.data(), values.data(), 0);
        if (conn_) PQfinish(conn_);
        conn_ = conn;
        raise_error_connection(conn_);
        opened_ = PQstatus(conn_) == CONNECTION_OK;
        // Server notices ("there is no transaction in progress") go to the GLib log,
        // not to the host's standard error.
        PQsetNoticeProcessor(conn_, [](void*, const char* message) { tlog_debug("%s", message); }, nullptr);
        use_reader_styles();
    }
    tlog_debug("Connected to server: %s:%d", host.c_str(), port);
}

void PostgreSQLProvider::use_reader_styles() {
    // The reader parses dates of the ISO output style, and a transfer writes an interval
    // back as it was read, whatever a server, database or role sets for its sessions. The
    // server reports both settings on connecting, so a session already in them runs no
    // statement; SET DateStyle keeps the session's order of day and month for input.
    const char* date_style = PQparameterStatus(conn_, "DateStyle");
    if (date_style && !g_str_has_prefix(date_style, "ISO")) exec("SET DateStyle = ISO");
    const char* interval_style = PQparameterStatus(conn_, "IntervalStyle");
    if (interval_style && std::strcmp(interval_style, "postgres") != 0) exec("SET IntervalStyle = postgres");
}

void PostgreSQLProvider::close() {
    {
        Lock lock(mutex_);
        opened_ = false;
        if (conn_) PQfinish(conn_);
        conn_ = nullptr;
    }
    tlog_debug("Connection closed.");
}

bool PostgreSQLProvider::get_is_opened() {
    // A host polls this from its UI thread: while a statement holds the lock, the state
    // of the last call answers instead of waiting for it.
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (lock.owns_lock()) opened_ = conn_ && PQstatus(conn_) == CONNECTION_OK;
    return opened_;
}

PostgreSQLProvider::ResultPtr PostgreSQLProvider::exec(const std::string& sql) {
    if (!conn_) {
        throw gobj::Error(kDomain, -2,
                          std::string(PQresStatus(PGRES_FATAL_ERROR)) + " : " + _("The connection is not open."));
    }
    ResultPtr r(PQexec(conn_, sql.c_str()));
    opened_ = PQstatus(conn_) == CONNECTION_OK;
    raise_error_result(r.get(), conn_);
    return r;
}

gobj::Ref<TableModel> PostgreSQLProvider::execute_model(const std::string& statement, bool) {
    Lock lock(mutex_);
    ResultPtr r = exec(statement);
    if (PQnfields(r.get()) < 1) throw gobj::Error(kDomain, -1, _("No data returned."));
    return fill_model(r.get());
}

gint64 PostgreSQLProvider::execute_affect(const std::string& statement, bool) {
    Lock lock(mutex_);
    return affected_rows(exec(statement).get());
}

gobj::Ref<ValueObject> PostgreSQLProvider::execute_scalar(const std::string& statement, bool) {
    Lock lock(mutex_);
    ResultPtr r = exec(statement);
    if (!has_rows(r.get())) return ValueUInt64::create(guint64(affected_rows(r.get())));
    if (PQntuples(r.get()) < 1) return ValueNull::create();
    auto reader = PostgreSQLReader::create(r.get());
    reader->read();
    auto value = reader->get_value(0);
    reader->close();
    return value;
}

std::vector<gobj::Ref<gobj::Object>> PostgreSQLProvider::execute_statements(const std::string& statements, bool) {
    Lock lock(mutex_);
    // One PQexec runs the whole text and reports its last result only.
    ResultPtr r = exec(statements);
    std::vector<gobj::Ref<gobj::Object>> results;
    if (PQnfields(r.get()) > 0) {
        results.emplace_back(fill_model(r.get()));
    } else {
        results.emplace_back(ValueUInt64::create(guint64(affected_rows(r.get()))));
    }
    return results;
}

gobj::Ref<IDataReader> PostgreSQLProvider::execute_reader(const std::string& statement) {
    Lock lock(mutex_);
    ResultPtr r = exec(statement);
    if (!has_rows(r.get())) {
        ExecStatusType status = PQresultStatus(r.get());
        throw gobj::Error(kDomain, int(status), PQresStatus(status));
    }
    return PostgreSQLReader::create(r.release(), true);
}

gint64 PostgreSQLProvider::copy_in(const std::string& statement, std::string_view data) {
    Lock lock(mutex_);
    if (!conn_) exec(statement);  // raises the error of a closed connection
    ResultPtr started(PQexec(conn_, statement.c_str()));
    opened_ = PQstatus(conn_) == CONNECTION_OK;
    if (PQresultStatus(started.get()) != PGRES_COPY_IN) {
        raise_error_result(started.get(), conn_);
        throw gobj::Error(kDomain, -2, std::string(PQresStatus(PQresultStatus(started.get()))) + " : " +
                                           _("The statement does not copy rows in."));
    }
    // libpq queues what it is given; pieces of 1 MiB keep one call's size bounded.
    constexpr std::size_t kPiece = 1 << 20;
    bool sent = true;
    for (std::size_t at = 0; sent && at < data.size(); at += kPiece) {
        const std::size_t n = std::min(kPiece, data.size() - at);
        sent = PQputCopyData(conn_, data.data() + at, static_cast<int>(n)) == 1;
    }
    // A failed send still ends the COPY, so that the session leaves the copy state.
    PQputCopyEnd(conn_, sent ? nullptr : "the rows could not be sent");
    ResultPtr ended(PQgetResult(conn_));
    // The COPY gives one result; drain any other so the next statement starts clean.
    while (PGresult* more = PQgetResult(conn_)) PQclear(more);
    opened_ = PQstatus(conn_) == CONNECTION_OK;
    raise_error_result(ended.get(), conn_);
    return affected_rows(ended.get());
}

bool PostgreSQLProvider::transaction() {
    Lock lock(mutex_);
    exec("BEGIN;");
    return true;
}
void PostgreSQLProvider::commit() {
    Lock lock(mutex_);
    exec("COMMIT;");
}
void PostgreSQLProvider::rollback() {
    Lock lock(mutex_);
    exec("ROLLBACK;");
}

}  // namespace tarvelin::providers::supports::postgresql
