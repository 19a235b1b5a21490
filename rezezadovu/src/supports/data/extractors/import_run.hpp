// One running import: reads the records of its source one at a time and runs the row
// step of each (BaseExtractor::import_row) on the caller's main context, the next record
// only once the statement of the previous one has ended. The three importers (delimited
// text, JSON, XML) differ in their source and in what they count and log; they derive
// from ImportRun and start it with `start`.
//
// The run completes exactly once, with the importer's count or an error: an error of the
// source (reading, parsing), or, when continue-on-error is false at that record, the
// failure of a row step. Nothing is rolled back: statements already run stay run.
//
// Single thread: the caller's main context.
#pragma once

#include <memory>

#include "rezezadovu/supports/data/extractors/base_extractor.hpp"

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
    // receives); the first record is read here, on the caller's thread.
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

private:
    static void row_done(GObject* source, GAsyncResult* result, gpointer data);
    // Reads on until a row step is under way or the run completed.
    void advance();
    void complete(const gobj::Error& error);

    gobj::Ref<BaseExtractor> extractor_;
    gobj::Ref<contracts::database::IConnection> connection_;
    gobj::Ref<meta_model::MetaTable> table_;
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
