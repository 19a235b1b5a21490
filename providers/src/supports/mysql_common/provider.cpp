#include "providers/supports/mysql_common/provider.hpp"

#include <errmsg.h>

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/call.hpp"
#include "providers/supports/mysql_common/error.hpp"

TARVELIN_LOG_TAG("provider")

namespace tarvelin::providers::supports::mysql_common {

using contracts::TableModel;
using contracts::ValueObject;

Provider::~Provider() {
    Lock lock(mutex_);
    if (handle_ != nullptr) mysql_close(handle_);
    handle_ = nullptr;
}

MYSQL* Provider::handle() {
    if (handle_ == nullptr) fail(product_, -1, _("The connection is not open."));
    return handle_;
}

void Provider::open(contracts::Server& server, const std::string&) {
    Lock lock(mutex_);
    opened_ = false;
    in_transaction_ = transaction_lost_ = false;
    MYSQL* fresh = mysql_init(nullptr);
    if (handle_ != nullptr) mysql_close(handle_);
    handle_ = fresh;
    if (handle_ == nullptr) fail(product_, -1, "Cannot create MYSQL object.");
    const ConnectParams params = ConnectParams::from_server(server.gobj());
    configure(product_, handle_, params);
    const char* charset = connect(product_, handle_, params);
    thread_id_ = mysql_thread_id(handle_);
    opened_ = true;
    if (product_.charset_fallback) {
        gobj::call<&contracts::IProvider::Vtable::execute_affect>(*this, std::string("SET NAMES '") + charset + "'", false);
    }
}

void Provider::close() {
    {
        Lock lock(mutex_);
        opened_ = false;
        in_transaction_ = transaction_lost_ = false;
        if (handle_ != nullptr) mysql_close(handle_);
        handle_ = nullptr;
    }
    tlog_debug("Connection closed.");
}

void Provider::clear_results() {
    MYSQL* h = handle();
    for (;;) {
        int status = mysql_next_result(h);
        if (status > 0) raise_error(product_, h, status);
        if (status != 0) return;
        store_result(true);
    }
}

void Provider::discard_results() noexcept {
    try {
        clear_results();
    } catch (const gobj::Error&) {
    }
}

void Provider::set_reconnect(bool on) {
    const my_bool reconnect = on ? 1 : 0;
    mysql_options(handle_, MYSQL_OPT_RECONNECT, &reconnect);
}

void Provider::fail_lost_transaction() const {
    fail(product_, CR_SERVER_LOST,
         _("The connection to the server was lost inside a transaction: the transaction was lost and none of it "
           "was committed."));
}

void Provider::refuse_lost_transaction() const {
    if (transaction_lost_) fail_lost_transaction();
}

void Provider::check_session(bool ok) {
    unsigned int code = ok ? 0 : mysql_errno(handle_);
    bool gone = code == CR_SERVER_GONE_ERROR || code == CR_SERVER_LOST;
    unsigned long id = mysql_thread_id(handle_);
    bool replaced = id != thread_id_;
    thread_id_ = id;
    if (ok) opened_ = true;
    if (gone) opened_ = false;
    if (in_transaction_ && (gone || replaced)) {
        in_transaction_ = false;
        transaction_lost_ = true;
        // Later statements may reconnect again; they wait for commit or rollback first.
        // The dead session's "in transaction" flag would make the library refuse that
        // reconnect once more.
        handle_->server_status &= ~SERVER_STATUS_IN_TRANS;
        set_reconnect(true);
        fail_lost_transaction();
    }
}

void Provider::query(const std::string& statement) {
    MYSQL* h = handle();
    refuse_lost_transaction();
    clear_results();
    int rc = mysql_real_query(h, statement.data(), statement.size());
    check_session(rc == 0);
    raise_error(product_, h, rc);
}

ResultPtr Provider::store_result(bool raise) {
    MYSQL* h = handle();
    ResultPtr result(mysql_store_result(h));
    if (!result && raise && mysql_field_count(h) != 0) raise_error(product_, h, -1);
    return result;
}

template <class F>
auto Provider::run(const std::string& statement, F&& body) {
    Lock lock(mutex_);
    query(statement);
    try {
        auto value = body(handle_);
        clear_results();
        return value;
    } catch (...) {
        discard_results();
        throw;
    }
}

gobj::Ref<Reader> Provider::make_reader(MYSQL_RES* result, bool owns) const {
    auto reader = gobj::create<Reader>(product_.reader_type());
    reader->attach(product_, result, owns);
    return reader;
}

gobj::Ref<TableModel> Provider::fill_model(MYSQL_RES* result) const {
    if (mysql_num_fields(result) == 0) return TableModel::create();
    return contracts::fill_table(make_reader(result, false));
}

gobj::Ref<TableModel> Provider::execute_model(const std::string& statement, bool) {
    return run(statement, [&](MYSQL*) {
        ResultPtr result = store_result(true);
        if (!result) fail(product_, -1, "No data return by non-select statement");
        return fill_model(result.get());
    });
}

gint64 Provider::execute_affect(const std::string& statement, bool) {
    return run(statement, [&](MYSQL* h) {
        auto count = static_cast<gint64>(mysql_affected_rows(h));
        // Rows the statement returns are read and dropped: a result left unread would
        // put the connection out of step for every later call.
        store_result(true);
        return count;
    });
}

gobj::Ref<ValueObject> Provider::execute_scalar(const std::string& statement, bool) {
    return run(statement, [&](MYSQL* h) {
        gobj::Ref<ValueObject> value = contracts::ValueUInt64::create(mysql_affected_rows(h));
        ResultPtr result = store_result(true);
        if (result && mysql_num_fields(result.get()) > 0) {
            auto reader = make_reader(result.get(), false);
            value = reader->read() ? reader->get_value(0) : gobj::Ref<ValueObject>(contracts::ValueNull::create());
            reader->close();
        }
        return value;
    });
}

std::vector<gobj::Ref<gobj::Object>> Provider::execute_statements(const std::string& statements, bool) {
    Lock lock(mutex_);
    query(statements);
    MYSQL* h = handle_;
    std::vector<gobj::Ref<gobj::Object>> list;
    try {
        for (;;) {
            ResultPtr result = store_result(false);
            if (result) {
                list.emplace_back(fill_model(result.get()));
            } else if (mysql_field_count(h) != 0) {
                list.emplace_back(contracts::ValueError::create(static_cast<gint32>(mysql_errno(h)), mysql_error(h)));
            } else {
                list.emplace_back(contracts::ValueUInt64::create(mysql_affected_rows(h)));
            }
            int status = mysql_next_result(h);
            if (status > 0) {
                // The server stops at a failed statement: its error closes the list
                // instead of waiting for the next call.
                list.emplace_back(contracts::ValueError::create(static_cast<gint32>(mysql_errno(h)), mysql_error(h)));
            }
            if (status != 0) return list;
        }
    } catch (...) {
        discard_results();
        throw;
    }
}

gobj::Ref<contracts::IDataReader> Provider::execute_reader(const std::string& statement) {
    return run(statement, [&](MYSQL*) {
        ResultPtr result = store_result(true);
        if (!result || mysql_num_fields(result.get()) == 0) {
            fail(product_, -1, "No data return by non-select statement");
        }
        return gobj::Ref<contracts::IDataReader>(make_reader(result.release(), true));
    });
}

bool Provider::transaction() {
    Lock lock(mutex_);
    MYSQL* h = handle();
    refuse_lost_transaction();
    clear_results();
    bool failed = mysql_autocommit(h, 0) != 0;
    check_session(!failed);
    raise_error(product_, h, failed ? -1 : 0);
    in_transaction_ = true;
    set_reconnect(false);
    return true;
}

void Provider::commit() {
    Lock lock(mutex_);
    MYSQL* h = handle();
    if (std::exchange(transaction_lost_, false)) fail_lost_transaction();
    clear_results();
    bool failed = mysql_commit(h) != 0;
    check_session(!failed);
    raise_error(product_, h, failed ? -1 : 0);
    in_transaction_ = false;
    set_reconnect(true);
    raise_error(product_, h, mysql_autocommit(h, 1) ? -1 : 0);
}

void Provider::rollback() {
    Lock lock(mutex_);
    MYSQL* h = handle();
    if (std::exchange(transaction_lost_, false)) fail_lost_transaction();
    clear_results();
    bool failed = mysql_rollback(h) != 0;
    check_session(!failed);
    raise_error(product_, h, failed ? -1 : 0);
    in_transaction_ = false;
    set_reconnect(true);
    raise_error(product_, h, mysql_autocommit(h, 1) ? -1 : 0);
}

bool Provider::get_is_opened() {
    // Polled from a host's UI thread: never waits for a statement, never goes to the network.
    return opened_;
}

}  // namespace tarvelin::providers::supports::mysql_common
