// The provider both MySQL-family drivers share. Every library call on the handle runs
// under one recursive mutex, so calls from several threads take turns and an
// operation may call another one of the same provider; get_is_opened answers without it.
//
// The library reconnects a lost session by itself. Outside a transaction that is what a
// host wants; inside one, the new session would run the later statements with
// autocommit, so a transaction turns reconnecting off, and a session lost (or replaced,
// seen by its thread id) while it is open fails the statement, and then commit or
// rollback, with an error saying the transaction was lost.
#pragma once

#include <mysql.h>

#include <atomic>
#include <mutex>

#include "providers/contracts/face_provider.hpp"
#include "providers/supports/mysql_common/client.hpp"
#include "providers/supports/mysql_common/product.hpp"
#include "providers/supports/mysql_common/reader.hpp"

namespace tarvelin::providers::supports::mysql_common {

class TARVELIN_EXPORT Provider : public gobj::Object, public contracts::IProvider {
public:
    // Any provider class of the family; each product registers its own.
    static GType gtype() { return contracts::IProvider::gtype(); }
    ~Provider() override;

    void open(contracts::Server& server, const std::string& connection_string) override;
    void close() override;
    gobj::Ref<contracts::TableModel> execute_model(const std::string& statement, bool flag) override;
    gint64 execute_affect(const std::string& statement, bool flag) override;
    // A row-returning statement without rows gives a ValueNull.
    gobj::Ref<contracts::ValueObject> execute_scalar(const std::string& statement, bool flag) override;
    // A statement after the first that fails ends the list with its ValueError.
    std::vector<gobj::Ref<gobj::Object>> execute_statements(const std::string& statements, bool flag) override;
    // The reader owns the result it reads.
    gobj::Ref<contracts::IDataReader> execute_reader(const std::string& statement) override;
    bool transaction() override;
    // Both end the transaction and turn autocommit back on.
    void commit() override;
    void rollback() override;
    bool get_is_opened() override;

protected:
    explicit Provider(const Product& product) noexcept : product_(product) {}

private:
    using Lock = std::lock_guard<std::recursive_mutex>;

    // The handle, or the product's error when there is none.
    MYSQL* handle();
    // Fetches and frees every result an earlier text left; throws the first failure.
    void clear_results();
    // The same, dropping any failure: for a call that already fails.
    void discard_results() noexcept;
    // Drains, then sends the text.
    void query(const std::string& statement);
    // After a library call (`ok`: it succeeded): notes a lost or replaced session; inside
    // a transaction that loses the transaction, and throws.
    void check_session(bool ok);
    // Throws while a lost transaction waits for its commit or rollback.
    void refuse_lost_transaction() const;
    [[noreturn]] void fail_lost_transaction() const;
    void set_reconnect(bool on);
    // The next stored result; none for a statement without rows, an error when the
    // statement has columns but its rows could not be stored.
    ResultPtr store_result(bool raise);
    gobj::Ref<Reader> make_reader(MYSQL_RES* result, bool owns) const;
    gobj::Ref<contracts::TableModel> fill_model(MYSQL_RES* result) const;
    // Runs `body` after the text is sent, then drains the statements that follow it
    // so their failure is this call's error.
    template <class F>
    auto run(const std::string& statement, F&& body);

    const Product& product_;
    std::recursive_mutex mutex_;
    MYSQL* handle_ = nullptr;
    unsigned long thread_id_ = 0;
    bool in_transaction_ = false;
    bool transaction_lost_ = false;
    std::atomic<bool> opened_ = false;
};

}  // namespace tarvelin::providers::supports::mysql_common
