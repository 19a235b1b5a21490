// The provider both MySQL-family drivers share. Every library call on the handle runs
// under one recursive mutex, so calls from several threads take turns and an
// operation may call another one of the same provider.
#pragma once

#include <mysql.h>

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
};

}  // namespace tarvelin::providers::supports::mysql_common
