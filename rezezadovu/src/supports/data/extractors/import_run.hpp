// One running import: one worker thread reads the records of its source in input order
// and runs their row steps (BaseExtractor::row_step) on the connection, a batch of records
// ("BATCH_SIZE", 1000 by default) inside one transaction. A batch that fails is rolled
// back and run again record by record outside a transaction, so what a host sees equals
// a record-by-record import: the records before a failing record stay, continue-on-error
// decides whether the rest run, the count is the importer's. Other sessions see a batch
// appear at once. Inside a batch, consecutive appended records that feed the same columns
// go in statements of several rows (COPY or a multi-row INSERT) where the connection's
// dialect takes them (Statement::copy_rows_per_insert, send_rows). The three importers (delimited text, JSON, XML) differ in their source
// and in what they count and log; they derive from ImportRun and start it with `start`.
//
// The run completes exactly once, on the caller's main context, with the importer's count
// or an error: an error of the source (reading, parsing, after the records read before it
// ran), the failure of a record when continue-on-error is false, or the loss of the
// connection (its provider no longer open after a failed statement), which ends the
// import whatever continue-on-error says, naming the records committed before it.
//
// Threads: `start` on the caller's main context; the hooks below on the worker thread, one
// at a time; progress reported through `report` reaches the caller's callback on the main
// context, in order and before the completion.
#pragma once

#include <functional>
#include <memory>

#include "rezezadovu/supports/data/extractors/base_extractor.hpp"
#include "rezezadovu/supports/database/statement.hpp"

namespace tarvelin::rezezadovu::supports::data::extractors {

class ImportRun {
public:
    struct Record {
        std::vector<std::string> fields;
        std::vector<SourceValue> values;
        // Set for a record the source cannot hand to a row step; it counts as failed.
        std::optional<gobj::Error> refused;
    };

    virtual ~ImportRun() = default;

    // Starts `run` on behalf of `extractor` (which owns the GTask the ready callback
    // receives); "ACTION", "BATCH_SIZE" and continue-on-error are read here.
    static void start(std::unique_ptr<ImportRun> run, BaseExtractor& extractor,
                      gobj::Ref<contracts::database::IConnection> connection,
                      gobj::Ref<meta_model::MetaTable> table, GAsyncReadyCallback callback, gpointer data);
    // The count of a run `extractor` started; errors are thrown.
    static gint64 finish(BaseExtractor& extractor, GAsyncResult* result);

protected:
    // The next record; false at the end of the input. Read errors are thrown.
    virtual bool next(Record& record) = 0;
    // The row step of a record ended without error, affecting `affected` rows.
    virtual void succeeded(gint64 affected) = 0;
    // A record failed (its row step, or its refusal); `go_on` tells whether the import
    // continues past it.
    virtual void failed(const gobj::Error& error, bool go_on) = 0;
    // After each record the import goes on from, whether it succeeded or failed.
    virtual void record_done() {}
    // At the end of the input (close the source; errors are thrown), then the count.
    virtual void close() {}
    virtual gint64 count() const = 0;

    // Calls `progress` with these arguments on the main context once the records handled
    // so far are committed.
    void report(const contracts::data::Progress& progress, guint total, gint64 done, std::string text);

private:
    using Step = BaseExtractor::RowStep;
    static gpointer worker(gpointer data);
    void work();
    // False when the run completed (with an error) inside.
    bool run_batch(std::vector<Record>& batch);
    bool run_in_transaction(std::vector<Record>& batch);
    bool run_one_by_one(std::vector<Record>& batch);
    // The rows each step affected, run in order inside the batch's transaction.
    std::vector<gint64> run_steps(const std::vector<Step>& steps);
    // How many appended records one statement may carry on this connection (its dialect's
    // copy_rows_per_insert), asked once per import with the first record that appends.
    size_t rows_per_statement(const Step& step);
    supports::database::Statement* statement_dialect() const;
    supports::database::Statement::CopyTarget target_of(const Step& step) const;
    Step step_of(const Record& record);
    bool connection_alive() const;
    gobj::Error lost(const gobj::Error& error) const;
    // Hands the reports gathered so far to the main context.
    void flush();
    // Posts the completion; the worker touches nothing of the run afterwards.
    void complete(const gobj::Error& error);
    void complete(gint64 count);

    gobj::Ref<BaseExtractor> extractor_;
    gobj::Ref<contracts::database::IConnection> connection_;
    gobj::Ref<meta_model::MetaTable> table_;
    std::string action_;
    bool go_on_ = true;
    size_t batch_size_ = 1000;
    gobj::Ref<contracts::database::IStatement> statement_;
    size_t rows_per_statement_ = 0;  // 0 until asked
    gint64 committed_ = 0;
    std::vector<std::function<void()>> reports_;
    GTask* task_ = nullptr;  // owns this run as its task data
};

// The base of the three importing extractors: IImporter's asynchronous imports, each an
// ImportRun the class makes over the file named by "FILENAME" or over its own copy of a
// text, and their finishes. The loads are each class's own.
class TARVELIN_EXPORT Importer : public BaseExtractor, public contracts::data::IImporter {
public:
    using TableModel = providers::contracts::TableModel;
    using IImporter = contracts::data::IImporter;

    void import_from_file(IImporter::Connection connection, IImporter::Table table, ProgressCallback progress,
                          gpointer progress_target, GAsyncReadyCallback callback, gpointer data) override;
    gint64 import_from_file_finish(GAsyncResult* result) override;
    void import_from_text(const char* textbuffer, IImporter::Connection connection, IImporter::Table table,
                          ProgressCallback progress, gpointer progress_target, GAsyncReadyCallback callback,
                          gpointer data) override;
    gint64 import_from_text_finish(GAsyncResult* result) override;

protected:
    // The run of one import; it opens its input on its first read, so that a missing file
    // ends the import through its callback.
    virtual std::unique_ptr<ImportRun> file_run(const Progress& progress) = 0;
    virtual std::unique_ptr<ImportRun> text_run(std::string text, const Progress& progress) = 0;
};

}  // namespace tarvelin::rezezadovu::supports::data::extractors
