#include "rezezadovu/supports/data/extractors/import_run.hpp"

TARVELIN_LOG_TAG("import_run")

namespace tarvelin::rezezadovu::supports::data::extractors {

void ImportRun::start(std::unique_ptr<ImportRun> run, BaseExtractor& extractor,
                      gobj::Ref<contracts::database::IConnection> connection, gobj::Ref<meta_model::MetaTable> table,
                      GAsyncReadyCallback callback, gpointer data) {
    ImportRun* self = run.release();
    self->extractor_ = gobj::Ref<BaseExtractor>(extractor);
    self->connection_ = std::move(connection);
    self->table_ = std::move(table);
    self->task_ = g_task_new(extractor.gobj(), nullptr, callback, data);
    g_task_set_task_data(self->task_, self, [](gpointer p) { delete static_cast<ImportRun*>(p); });
    self->advance();
}

gint64 ImportRun::finish(BaseExtractor& extractor, GAsyncResult* result) { return extractor.count_of(result); }

void ImportRun::complete(const gobj::Error& error) {
    GTask* task = std::exchange(task_, nullptr);
    g_task_return_error(task, error.to_gerror());
    g_object_unref(task);
}

void ImportRun::advance() {
    try {
        Record record;
        while (next(record)) {
            if (!record.refused) {
                extractor_->import_row(connection_, *table_, record.fields, record.values, &row_done, this);
                return;
            }
            bool go_on = extractor_->get_continue_on_error();
            failed(*record.refused, go_on);
            if (!go_on) {
                complete(*record.refused);
                return;
            }
            record_done();
            record = Record();
        }
        close();
        GTask* task = std::exchange(task_, nullptr);
        BaseExtractor::return_count(task, count());
        g_object_unref(task);
    } catch (const gobj::Error& e) {
        complete(e);
    } catch (const std::exception& e) {
        complete(gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, e.what()));
    }
}

void ImportRun::row_done(GObject*, GAsyncResult* result, gpointer data) {
    auto* self = static_cast<ImportRun*>(data);
    try {
        self->succeeded(self->extractor_->import_row_to_table_finish(result));
    } catch (const gobj::Error& e) {
        bool go_on = self->extractor_->get_continue_on_error();
        self->failed(e, go_on);
        if (!go_on) {
            self->complete(e);
            return;
        }
    }
    self->record_done();
    self->advance();
}

// ---------------------------------------------------------------- Importer

void Importer::import_from_file(IImporter::Connection connection, IImporter::Table table, ProgressCallback progress,
                                gpointer progress_target, GAsyncReadyCallback callback, gpointer data) {
    ImportRun::start(file_run(Progress{progress, progress_target}), *this, std::move(connection), std::move(table),
                     callback, data);
}

gint64 Importer::import_from_file_finish(GAsyncResult* result) { return ImportRun::finish(*this, result); }

void Importer::import_from_text(const char* textbuffer, IImporter::Connection connection, IImporter::Table table,
                                ProgressCallback progress, gpointer progress_target, GAsyncReadyCallback callback,
                                gpointer data) {
    ImportRun::start(text_run(textbuffer, Progress{progress, progress_target}), *this, std::move(connection),
                     std::move(table), callback, data);
}

gint64 Importer::import_from_text_finish(GAsyncResult* result) { return ImportRun::finish(*this, result); }

}  // namespace tarvelin::rezezadovu::supports::data::extractors
