#include "providers/supports/mysql_common/provider.hpp"

#include "providers/contracts/value_integer.hpp"
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
    MYSQL* fresh = mysql_init(nullptr);
    if (handle_ != nullptr) mysql_close(handle_);
    handle_ = fresh;
    if (handle_ == nullptr) fail(product_, -1, "Cannot create MYSQL object.");
    const ConnectParams params = ConnectParams::from_server(server.gobj());
    configure(product_, handle_, params);
    const char* charset = connect(product_, handle_, params);
    if (product_.charset_fallback) {
        contracts::iprovider::execute_affect(gobj(), std::string("SET NAMES '") + charset + "'", false);
    }
}

void Provider::close() {
    {
        Lock lock(mutex_);
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

void Provider::query(const std::string& statement) {
    MYSQL* h = handle();
    clear_results();
    raise_error(product_, h, mysql_real_query(h, statement.data(), statement.size()));
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
    auto reader = make_reader(result, false);
    return contracts::fill_table(*reader);
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
    clear_results();
    raise_error(product_, h, mysql_autocommit(h, 0) ? -1 : 0);
    return true;
}

void Provider::commit() {
    Lock lock(mutex_);
    MYSQL* h = handle();
    clear_results();
    raise_error(product_, h, mysql_commit(h) ? -1 : 0);
    raise_error(product_, h, mysql_autocommit(h, 1) ? -1 : 0);
}

void Provider::rollback() {
    Lock lock(mutex_);
    MYSQL* h = handle();
    clear_results();
    raise_error(product_, h, mysql_rollback(h) ? -1 : 0);
    raise_error(product_, h, mysql_autocommit(h, 1) ? -1 : 0);
}

bool Provider::get_is_opened() {
    Lock lock(mutex_);
    return handle_ != nullptr && mysql_ping(handle_) == 0;
}

}  // namespace tarvelin::providers::supports::mysql_common
