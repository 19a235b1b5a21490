#include "rezezadovu/supports/data/extractors/import_run.hpp"

#include <algorithm>

#include "providers/gobj/call.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"

TARVELIN_LOG_TAG("import_run")

namespace tarvelin::rezezadovu::supports::data::extractors {

using ConnectionVt = TarvelinRezezadovuContractsDatabaseIConnectionInterface;

namespace {

constexpr size_t kBatchSize = 1000;

size_t batch_size_of(const std::optional<std::string>& text) {
    if (!text) return kBatchSize;
    gchar* end = nullptr;
    guint64 n = g_ascii_strtoull(text->c_str(), &end, 10);
    if (text->empty() || *end || n < 1 || n > G_MAXINT) return kBatchSize;
    return size_t(n);
}

// Runs `call` on `context` at the priority the connection's own resumptions use, after
// everything posted there before; never on the posting thread, even when it could own the
// context.
void post(GMainContext* context, std::function<void()> call) {
    GSource* source = g_idle_source_new();
    g_source_set_priority(source, G_PRIORITY_DEFAULT_IDLE);
    g_source_set_callback(
        source,
        [](gpointer p) {
            (*static_cast<std::function<void()>*>(p))();
            return G_SOURCE_REMOVE;
        },
        new std::function<void()>(std::move(call)), [](gpointer p) { delete static_cast<std::function<void()>*>(p); });
    g_source_attach(source, context);
    g_source_unref(source);
}

}  // namespace

void ImportRun::start(std::unique_ptr<ImportRun> run, BaseExtractor& extractor,
                      gobj::Ref<contracts::database::IConnection> connection, gobj::Ref<meta_model::MetaTable> table,
                      GAsyncReadyCallback callback, gpointer data) {
    ImportRun* self = run.release();
    self->extractor_ = gobj::Ref<BaseExtractor>(extractor);
    self->connection_ = std::move(connection);
    self->table_ = std::move(table);
    self->action_ = extractor.option_or("ACTION", "");
    self->go_on_ = extractor.get_continue_on_error();
    self->batch_size_ = batch_size_of(extractor.option("BATCH_SIZE"));
    self->task_ = g_task_new(extractor.gobj(), nullptr, callback, data);
    g_task_set_task_data(self->task_, self, [](gpointer p) { delete static_cast<ImportRun*>(p); });
    GError* error = nullptr;
    GThread* thread = g_thread_try_new("import", &ImportRun::worker, self, &error);
    if (thread) {
        g_thread_unref(thread);
        return;
    }
    self->complete(gobj::Error(error));
}

gint64 ImportRun::finish(BaseExtractor& extractor, GAsyncResult* result) { return extractor.count_of(result); }

gpointer ImportRun::worker(gpointer data) {
    static_cast<ImportRun*>(data)->work();
    return nullptr;
}

void ImportRun::work() {
    try {
        std::vector<Record> batch;
        std::optional<gobj::Error> read_error;
        bool ended = false;
        while (!ended) {
            batch.clear();
            try {
                Record record;
                while (batch.size() < batch_size_ && next(record)) {
                    batch.push_back(std::move(record));
                    record = Record();
                }
                ended = batch.size() < batch_size_;
            } catch (const gobj::Error& e) {
                read_error = e;
                ended = true;
            }
            // The records read before a read error run before the import ends with it.
            if (!batch.empty() && !run_batch(batch)) return;
            flush();
        }
        if (read_error) return complete(*read_error);
        close();
        complete(count());
    } catch (const gobj::Error& e) {
        complete(e);
    } catch (const std::exception& e) {
        complete(gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, e.what()));
    }
}

ImportRun::Step ImportRun::step_of(const Record& record) {
    if (record.refused) throw *record.refused;
    return extractor_->row_step(connection_, *table_, action_, record.fields, record.values);
}

bool ImportRun::run_batch(std::vector<Record>& batch) {
    if (batch.size() > 1 && connection_alive()) {
        try {
            if (gobj::call<&ConnectionVt::transaction>(connection_)) return run_in_transaction(batch);
        } catch (const gobj::Error&) {
            // A connection that cannot open a transaction runs the batch record by record.
        }
    }
    return run_one_by_one(batch);
}

bool ImportRun::run_in_transaction(std::vector<Record>& batch) {
    std::vector<gint64> affected;
    affected.reserve(batch.size());
    try {
        std::vector<Step> steps;
        steps.reserve(batch.size());
        for (const auto& record : batch) steps.push_back(step_of(record));
        affected = run_steps(steps);
        gobj::call<&ConnectionVt::commit>(connection_);
    } catch (const gobj::Error& e) {
        try {
            if (connection_alive()) gobj::call<&ConnectionVt::rollback>(connection_);
        } catch (const gobj::Error&) {
            // Nothing of the batch was committed either way; a rollback that fails because
            // the session is gone leaves the provider closed, which the test below sees.
        }
        if (!connection_alive()) {
            gobj::Error error = lost(e);
            failed(error, false);
            complete(error);
            return false;
        }
        // Run again one by one, which finds the failing record and keeps those before it.
        return run_one_by_one(batch);
    }
    for (gint64 n : affected) {
        succeeded(n);
        ++committed_;
        record_done();
    }
    return true;
}

std::vector<gint64> ImportRun::run_steps(const std::vector<Step>& steps) {
    using Group = supports::database::Statement::CopyGroup;
    std::vector<gint64> affected;
    affected.reserve(steps.size());
    Group group;
    size_t first = 0;  // the step the group starts at
    auto send = [&] {
        if (group.rows.size() == 1) {
            affected.push_back(BaseExtractor::run_row_step(connection_, steps[first]));
        } else if (!group.rows.empty()) {
            const gint64 written =
                statement_dialect()->send_rows(target_of(steps[first]), steps[first].columns, group.rows, "");
            // Fewer rows than records (a trigger skipped one) cannot be told apart record by
            // record: the batch runs again one by one.
            if (written != gint64(group.rows.size()))
                throw gobj::Error("default", -1, _("the rows written differ from the records sent"));
            affected.insert(affected.end(), group.rows.size(), 1);
        }
        group.clear();
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        const size_t per_statement = step.columns.empty() ? 1 : rows_per_statement(step);
        const size_t size = Group::size_of(step.literals);
        if (per_statement > 1 && (group.rows.empty() || (steps[first].columns == step.columns &&
                                                          group.takes(size, per_statement)))) {
            if (group.rows.empty()) first = i;
            group.add(step.literals, size);
            continue;
        }
        send();
        if (per_statement > 1) {
            first = i;
            group.add(step.literals, size);
        } else {
            affected.push_back(BaseExtractor::run_row_step(connection_, step));
        }
    }
    send();
    return affected;
}

supports::database::Statement* ImportRun::statement_dialect() const {
    return supports::database::Statement::of(statement_);
}

size_t ImportRun::rows_per_statement(const Step& step) {
    if (rows_per_statement_ == 0) {
        rows_per_statement_ = 1;
        statement_ = supports::database::dialect::statement_of(connection_);
        if (auto* dialect = statement_dialect())
            rows_per_statement_ = size_t(std::max(1, dialect->copy_rows_per_insert(target_of(step))));
    }
    return rows_per_statement_;
}

supports::database::Statement::CopyTarget ImportRun::target_of(const Step& step) const {
    supports::database::Statement::CopyTarget target;
    target.schema = table_->get_schema() ? table_->get_schema() : "";
    target.table = table_->get_name() ? table_->get_name() : "";
    for (const auto& name : step.names) target.columns.push_back({name, table_->get_column(name.c_str())});
    return target;
}

bool ImportRun::run_one_by_one(std::vector<Record>& batch) {
    for (const auto& record : batch) {
        try {
            gint64 n = BaseExtractor::run_row_step(connection_, step_of(record));
            succeeded(n);
            ++committed_;
        } catch (const gobj::Error& e) {
            bool alive = record.refused || connection_alive();
            gobj::Error error = alive ? e : lost(e);
            bool go_on = alive && go_on_;
            failed(error, go_on);
            if (!go_on) {
                flush();
                complete(error);
                return false;
            }
        }
        record_done();
    }
    return true;
}

bool ImportRun::connection_alive() const { return supports::database::dialect::is_open(connection_); }

gobj::Error ImportRun::lost(const gobj::Error& error) const {
    return gobj::Error(error.domain(), error.code(),
                       gobj::take_string(g_strdup_printf(
                           _("the connection to the database was lost after %" G_GINT64_FORMAT
                             " records were imported: %s"),
                           committed_, error.message().c_str())));
}

void ImportRun::report(const contracts::data::Progress& progress, guint total, gint64 done, std::string text) {
    reports_.push_back([progress, total, done, text = std::move(text)] { progress(total, done, text.c_str()); });
}

void ImportRun::flush() {
    if (reports_.empty()) return;
    auto calls = std::make_shared<std::vector<std::function<void()>>>(std::exchange(reports_, {}));
    post(g_task_get_context(task_), [calls] {
        for (auto& call : *calls) call();
    });
}

void ImportRun::complete(const gobj::Error& error) {
    GTask* task = std::exchange(task_, nullptr);
    GError* gerror = error.to_gerror();
    post(g_task_get_context(task), [task, gerror] {
        g_task_return_error(task, gerror);
        g_object_unref(task);
    });
}

void ImportRun::complete(gint64 count) {
    GTask* task = std::exchange(task_, nullptr);
    post(g_task_get_context(task), [task, count] {
        BaseExtractor::return_count(task, count);
        g_object_unref(task);
    });
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
