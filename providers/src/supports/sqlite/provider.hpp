// The SQLite provider over SQLite3 Multiple Ciphers.
#pragma once

#include <tarvelin/providers/sqlite.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "providers/contracts/face_provider.hpp"
#include "providers/supports/sqlite/error.hpp"

namespace tarvelin::providers::supports::sqlite {

class TARVELIN_EXPORT SQLiteProvider : public gobj::Object, public ISQLiteError, public contracts::IProvider {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<SQLiteProvider>& c);
    static gobj::Ref<SQLiteProvider> create(GType type = gtype());
    SQLiteProvider();
    ~SQLiteProvider() override;

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

    // The database handle (borrowed), or none.
    sqlite3* get_engine();

    // A parameter's value, of the storage class the statement's literal would have given.
    struct Bound {
        enum Kind { kNull, kInteger, kText, kBlob } kind = kNull;
        gint64 integer = 0;
        std::string bytes;  // a text's or a blob's
    };
    // A row for insert_rows: the index of its statement and the values of its parameters
    // (?1, ?2, ... in order).
    struct BoundRow {
        std::size_t statement = 0;
        std::vector<Bound> values;
    };
    // Runs `statements[row.statement]` once for each of `rows`, each text prepared once,
    // all or nothing (inside a savepoint): the rows changed. A refusal is thrown.
    gint64 insert_rows(const std::vector<std::string>& statements, const std::vector<BoundRow>& rows);

private:
    sqlite3* handle() const;
    void run_transaction_statement(const char* sql, bool only_inside);

    // Every operation holds it: the connection layer may call from two worker threads.
    std::recursive_mutex mutex_;
    sqlite3* db_ = nullptr;
    // Read without the lock: a host polls it while a statement runs.
    std::atomic<bool> opened_ = false;
};

}  // namespace tarvelin::providers::supports::sqlite

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsSQLiteProvider, tarvelin::providers::supports::sqlite::SQLiteProvider)
