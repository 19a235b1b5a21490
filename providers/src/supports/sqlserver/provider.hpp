// The SQL Server provider over FreeTDS db-lib, and db-lib's process-wide handlers.
#pragma once

#include <atomic>
#include <mutex>

#include "providers/contracts/face_provider.hpp"
#include "providers/supports/sqlserver/dblib.hpp"
#include "providers/supports/sqlserver/error.hpp"

namespace tarvelin::providers::supports::sqlserver {

class TARVELIN_EXPORT SQLServerProvider : public gobj::Object,
                                          public contracts::IProvider,
                                          public ISQLServerError {
public:
    static GType gtype();
    static gobj::Ref<SQLServerProvider> create(GType type = gtype());

    ~SQLServerProvider() override;
    void constructed() override;

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

    TdsUserData* get_userdata() override { return &userdata_; }
    // The db-lib connection, or null (borrowed; for the reader and for tests).
    DBPROCESS* connection() const { return connection_; }

    // db-lib's error and message handlers: log every report, queue the relevant ones on
    // the connection's TdsUserData and tell db-lib how to go on.
    static int error_handler(DBPROCESS* dbproc, int severity, int dberr, int oserr, char* dberrstr, char* oserrstr);
    static int message_handler(DBPROCESS* dbproc, DBINT msgno, int msgstate, int severity, char* msgtext,
                               char* srvname, char* procname, int line);

private:
    // The live connection; without one db-lib would be handed NULL.
    DBPROCESS* require_connection();
    // Drains and cancels what the previous command left, then empties the queue.
    void clear_results();
    // Preparation, dbcmd and dbsqlexec.
    DBPROCESS* run(const std::string& text);
    // dbresults, its failure raised.
    int next_result(DBPROCESS* p);
    gobj::Ref<contracts::TableModel> fill_model(DBPROCESS* p);
    void run_transaction_text(const char* text);

    TdsUserData userdata_{};
    DBPROCESS* connection_ = nullptr;
    std::recursive_mutex mutex_;
    // The state seen last, for get_is_opened while a command holds the lock.
    std::atomic<bool> opened_ = false;
};

}  // namespace tarvelin::providers::supports::sqlserver

TARVELIN_BIND_C_TYPE(TarvelinProvidersSupportsSQLServerProvider,
                     tarvelin::providers::supports::sqlserver::SQLServerProvider)
