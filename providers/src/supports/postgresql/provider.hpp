// The PostgreSQL provider over libpq.
#pragma once

#include <tarvelin/providers/postgresql.h>

#include <atomic>
#include <mutex>
#include <string_view>

#include "providers/contracts/face_provider.hpp"
#include "providers/supports/postgresql/error.hpp"

namespace tarvelin::providers::supports::postgresql {

class TARVELIN_EXPORT PostgreSQLProvider : public gobj::Object,
                                           public contracts::IProvider,
                                           public IPostgreSQLError {
public:
    static GType gtype();
    static gobj::Ref<PostgreSQLProvider> create(GType type = gtype());
    ~PostgreSQLProvider() override;

    void open(contracts::Server& server, const std::string& connection_string) override;
    void close() override;
    gobj::Ref<contracts::TableModel> execute_model(const std::string& statement, bool flag) override;
    gint64 execute_affect(const std::string& statement, bool flag) override;
    gobj::Ref<contracts::ValueObject> execute_scalar(const std::string& statement, bool flag) override;
    std::vector<gobj::Ref<gobj::Object>> execute_statements(const std::string& statements, bool flag) override;
    gobj::Ref<contracts::IDataReader> execute_reader(const std::string& statement) override;
    bool transaction() override;
    void commit() override;
    void rollback() override;
    bool get_is_opened() override;

    // Runs `statement`, a COPY ... FROM STDIN, with `data` as its input (COPY's text
    // format) and gives the rows the server reports copied. All or nothing: a refused row
    // ends the COPY with the server's error, thrown, and nothing stays.
    gint64 copy_in(const std::string& statement, std::string_view data);

private:
    // PQclear, kept out of this header with the rest of libpq.
    static void clear(PGresult* result) noexcept;
    using ResultPtr = gobj::Owned<PGresult, &clear>;
    // PQexec of the text, its failure raised; the caller holds the mutex.
    ResultPtr exec(const std::string& sql);
    // Puts the new session in the date and interval styles the reader expects.
    void use_reader_styles();

    // Serialises every libpq call on the connection.
    std::recursive_mutex mutex_;
    PGconn* conn_ = nullptr;
    // The state at the last call, for get_is_opened while a statement holds the lock.
    std::atomic<bool> opened_ = false;
};

}  // namespace tarvelin::providers::supports::postgresql

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsPostgreSQLProvider,
                     tarvelin::providers::supports::postgresql::PostgreSQLProvider)
