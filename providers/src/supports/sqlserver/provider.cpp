#include "providers/supports/sqlserver/provider.hpp"

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/register.hpp"
#include "providers/supports/sqlserver/reader.hpp"

TARVELIN_LOG_TAG("provider")

namespace tarvelin::providers::supports::sqlserver {

using contracts::TableModel;
using contracts::ValueObject;

TARVELIN_GTYPE(SQLServerProvider, "TarvelinProvidersSupportsSQLServerProvider", gobj::Object, contracts::IProvider,
               ISQLServerError)

namespace {

const char* or_empty(const char* s) { return s ? s : ""; }

TdsUserData* user_data_of(DBPROCESS* dbproc) {
    // db-lib reports with a NULL connection too; asking it about NULL would report again.
    return dbproc ? reinterpret_cast<TdsUserData*>(dbgetuserdata(dbproc)) : nullptr;
}

void cancel_pending(DBPROCESS* dbproc) {
    dbcanquery(dbproc);
    dbcancel(dbproc);
}

// A connection that died is cancelled once. The flags are set before db-lib is called
// again: on a dead connection dbcanquery and dbcancel report an error themselves, and
// that report must not start this step over.
void dead_connection_step(DBPROCESS* dbproc, TdsUserData& data, bool from_message_handler) {
    if (!data.failed || data.dead || data.keep_dead || !dbdead(dbproc)) return;
    if (!from_message_handler && data.message_only) return;
    data.dead = TRUE;
    if (!(from_message_handler && data.message_only)) data.cancelled = TRUE;
    cancel_pending(dbproc);
}

int on_error(DBPROCESS* dbproc, int severity, int dberr, int oserr, char* dberrstr, char* oserrstr) {
    const char* sql = dbproc ? dbgetchar(dbproc, 0) : nullptr;
    tlog_warning("conn=%p,severity=%d,oserr=%d,dberr=%d,oserrstr=%s,dberrstr=%s\nsql=%s", static_cast<void*>(dbproc),
                 severity, oserr, dberr, or_empty(oserrstr), or_empty(dberrstr), or_empty(sql));
    TdsUserData* data = user_data_of(dbproc);
    if (!data) {
        tlog_critical("the connection carries no TDS user data");
        return INT_CANCEL;
    }
    if (dberr == 0) {  // an operating-system error
        queue_message(*data, oserr, severity, "Library", oserrstr);
        cancel_pending(dbproc);
        return INT_CANCEL;
    }
    int answer = INT_CANCEL;
    switch (dberr) {
        case SYBETIME:
            if (!data->timed_out) {
                data->timed_out = TRUE;
                answer = INT_TIMEOUT;
            }
            data->failed = TRUE;
            break;
        case SYBEWRIT:
            if (data->cancelled || data->dead) return INT_CANCEL;
            data->failed = TRUE;
            break;
        case 2402: cancel_pending(dbproc); break;
        default: break;
    }
    queue_message(*data, dberr, severity, "SQL", dberrstr);
    dead_connection_step(dbproc, *data, false);
    return answer;
}

int on_message(DBPROCESS* dbproc, DBINT msgno, int severity, char* msgtext, char* srvname, char* procname, int line) {
    tlog_warning("server=%s,severity=%d,msgno=%d,msgtext=%s,proc=%s,line=%d", or_empty(srvname), severity,
                 static_cast<int>(msgno), or_empty(msgtext), or_empty(procname), line);
    // "Changed database context" and "Changed language setting" say nothing to report.
    if (msgno == 5701 || msgno == 5703) return 0;
    TdsUserData* data = user_data_of(dbproc);
    if (!data) {
        tlog_critical("the connection carries no TDS user data");
        return 0;
    }
    if (severity > 10) {
        data->failed = TRUE;
        queue_message(*data, msgno, severity, "message", msgtext);
    }
    dead_connection_step(dbproc, *data, true);
    return 0;
}

}  // namespace

int SQLServerProvider::error_handler(DBPROCESS* dbproc, int severity, int dberr, int oserr, char* dberrstr,
                                     char* oserrstr) {
    return gobj::guarded(
        "error_handler", [&] { return on_error(dbproc, severity, dberr, oserr, dberrstr, oserrstr); }, INT_CANCEL);
}

int SQLServerProvider::message_handler(DBPROCESS* dbproc, DBINT msgno, int, int severity, char* msgtext,
                                       char* srvname, char* procname, int line) {
    return gobj::guarded(
        "message_handler", [&] { return on_message(dbproc, msgno, severity, msgtext, srvname, procname, line); }, 0);
}

// ---------------------------------------------------------------- lifecycle

gobj::Ref<SQLServerProvider> SQLServerProvider::create(GType type) { return gobj::create<SQLServerProvider>(type); }

void SQLServerProvider::constructed() {
    static const bool initialised = [] {
        dbinit();
        return true;
    }();
    (void)initialised;
    reset_user_data(userdata_);
    dbsetmaxprocs(1024);
    dberrhandle(&SQLServerProvider::error_handler);
    dbmsghandle(&SQLServerProvider::message_handler);
}

SQLServerProvider::~SQLServerProvider() {
    if (connection_) dbclose(std::exchange(connection_, nullptr));
    tarvelin_providers_supports_tds_user_data_destroy(&userdata_);
}

// ---------------------------------------------------------------- connection

void SQLServerProvider::open(contracts::Server& server, const std::string&) {
    std::lock_guard lock(mutex_);
    const std::string host = server.text_or_empty(contracts::Server::Text::host);
    const std::string user = server.text_or_empty(contracts::Server::Text::username);
    const gint port = server.get_port();
    LOGINREC* login = dblogin();
    if (!login) throw gobj::Error("SQLServer", -1, "open_tds failed.");
    dbsetlname(login, "Vorarode", DBSETAPP);
    dbsetlname(login, host.c_str(), DBSETHOST);
    dbsetlname(login, server.text_or_empty(contracts::Server::Text::initial).c_str(), DBSETDBNAME);
    dbsetlname(login, user.c_str(), DBSETUSER);
    dbsetlname(login, server.text_or_empty(contracts::Server::Text::password).c_str(), DBSETPWD);
    dbsetlname(login, "UTF-8", DBSETCHARSET);
    dbsetlbool(login, FALSE, DBSETUTF16);
    // Network (Kerberos) authentication ignores the user name and password: only a
    // record without a user name asks for it.
    dbsetlbool(login, user.empty() ? TRUE : FALSE, DBSETNETWORKAUTH);
    // db-lib takes the port as part of the server name; its port login item is refused.
    const std::string name = port != 0 ? host + ":" + std::to_string(port) : host;
    opened_ = false;
    DBPROCESS* fresh = tdsdbopen(login, name.c_str(), 1);
    if (connection_) dbclose(std::exchange(connection_, nullptr));
    connection_ = fresh;
    dbloginfree(login);
    if (!connection_) throw gobj::Error("SQLServer", -1, "open_tds failed.");
    dbsetuserdata(connection_, reinterpret_cast<BYTE*>(&userdata_));
    opened_ = true;
    tlog_debug("Connected to server: %s:%d => %s", host.c_str(), port, "TRUE");
}

void SQLServerProvider::close() {
    std::lock_guard lock(mutex_);
    opened_ = false;
    if (connection_) dbclose(std::exchange(connection_, nullptr));
    tlog_debug("Connection closed.");
}

bool SQLServerProvider::get_is_opened() {
    // A host polls this from its UI thread: while a command holds the lock, the state
    // seen last answers instead of waiting for it.
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (lock.owns_lock()) opened_ = connection_ && !dbdead(connection_);
    return opened_;
}

// ---------------------------------------------------------------- commands

DBPROCESS* SQLServerProvider::require_connection() {
    if (!connection_) raise_no_connection();
    return connection_;
}

void SQLServerProvider::clear_results() {
    DBPROCESS* p = require_connection();
    int ok = dbsqlok(p);
    raise_error(ok);
    if (ok == SUCCEED) {
        for (;;) {
            int r = dbresults(p);
            if (r == NO_MORE_RESULTS || r == FAIL) break;
            for (;;) {
                int row = dbnextrow(p);
                if (row == NO_MORE_ROWS || row == FAIL || row == BUF_FULL) break;
            }
        }
    }
    raise_error(dbcanquery(p));
    raise_error(dbcancel(p));
    clear_messages(userdata_);
}

DBPROCESS* SQLServerProvider::run(const std::string& text) {
    clear_results();
    DBPROCESS* p = connection_;
    raise_error(dbcmd(p, text.c_str()));
    raise_error(dbsqlexec(p));
    return p;
}

int SQLServerProvider::next_result(DBPROCESS* p) {
    int r = dbresults(p);
    raise_error(r);
    return r;
}

gobj::Ref<TableModel> SQLServerProvider::fill_model(DBPROCESS* p) {
    return contracts::fill_table(SQLServerReader::create(p));
}

gobj::Ref<TableModel> SQLServerProvider::execute_model(const std::string& statement, bool) {
    std::lock_guard lock(mutex_);
    DBPROCESS* p = run(statement);
    if (next_result(p) == NO_MORE_RESULTS || dbnumcols(p) < 1)
        throw gobj::Error("SQLServer", -1, _("No data returned."));
    return fill_model(p);
}

gint64 SQLServerProvider::execute_affect(const std::string& statement, bool) {
    std::lock_guard lock(mutex_);
    DBPROCESS* p = run(statement);
    next_result(p);
    gint64 count = dbcount(p);
    dbcanquery(p);
    return count;
}

gobj::Ref<ValueObject> SQLServerProvider::execute_scalar(const std::string& statement, bool) {
    std::lock_guard lock(mutex_);
    DBPROCESS* p = run(statement);
    if (next_result(p) == NO_MORE_RESULTS) throw gobj::Error("SQLServer", -1, _("No data return"));
    if (dbnumcols(p) < 1) return contracts::ValueInt32::create(dbcount(p));
    if (!dbrows(p)) return contracts::ValueNull::create();
    auto reader = SQLServerReader::create(p);
    gobj::Ref<ValueObject> value = reader->read() ? reader->get_value(0) : contracts::ValueNull::create();
    reader->close();
    return value;
}

std::vector<gobj::Ref<gobj::Object>> SQLServerProvider::execute_statements(const std::string& statements, bool) {
    std::lock_guard lock(mutex_);
    DBPROCESS* p = run(statements);
    std::vector<gobj::Ref<gobj::Object>> results;
    while (next_result(p) == SUCCEED) {
        if (dbnumcols(p) < 1) {
            // db-lib's -1 (no count reported) wraps to the largest unsigned value.
            results.emplace_back(contracts::ValueUInt64::create(static_cast<guint64>(static_cast<gint64>(dbcount(p)))));
        } else {
            results.emplace_back(fill_model(p));
        }
    }
    return results;
}

gobj::Ref<contracts::IDataReader> SQLServerProvider::execute_reader(const std::string& statement) {
    std::lock_guard lock(mutex_);
    DBPROCESS* p = run(statement);
    if (next_result(p) == NO_MORE_RESULTS || dbnumcols(p) < 1)
        throw gobj::Error("SQLServer", -1, _("No data return"));
    return SQLServerReader::create(p, gobj::Ref<gobj::Object>(*this));
}

void SQLServerProvider::run_transaction_text(const char* text) {
    std::lock_guard lock(mutex_);
    next_result(run(text));
}

bool SQLServerProvider::transaction() {
    run_transaction_text("BEGIN TRANSACTION");
    return true;
}
void SQLServerProvider::commit() { run_transaction_text("COMMIT TRANSACTION"); }
void SQLServerProvider::rollback() { run_transaction_text("ROLLBACK TRANSACTION"); }

}  // namespace tarvelin::providers::supports::sqlserver
