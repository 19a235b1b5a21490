// The base of every extractor: IExporter over an option map, a file extension and the
// continue-on-error flag, with what the concrete extractors share: the default file
// export (what export_to_text renders, written to the file), the SQL literals of cells and
// of imported texts, the three row statements of an import and the asynchronous row step.
//
//   class JsonExtractor : public BaseExtractor, public contracts::data::IImporter {
//       gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback, gpointer) override;
//   };
//
// Literals never end early: every quoted literal doubles its single quotes, and a number
// or boolean column takes its text bare only when the text is a number (or, for booleans,
// true or false), otherwise quoted. On MySQL-family connections (MySQL and MariaDB
// drivers) the row statements also double the backslash, which those servers read as an
// escape. Column names reach the statements through the connection statement object's
// quote_identifier.
//
// A record is refused (an error, before anything runs) when it has fewer values than
// fields, feeds no column of the table, or would update, merge or delete without feeding
// a primary-key column: such a statement would address every row.
//
// Exports write every text as valid UTF-8 (ExportCells): "replaced-texts" holds, after
// each export, how many texts (cells and column names) were not and were written with
// U+FFFD for each invalid byte; 0 for a table of valid texts.
//
// Single thread: the options are read on the caller's thread when an operation starts.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "providers/contracts/value_object.hpp"
#include "rezezadovu/contracts/data/data_contracts.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/supports/data/extractors/export_cells.hpp"

#define TARVELIN_BASE_EXTRACTOR_PROPERTIES(P)                                                     \
    P(Map, options, "options", nullptr, RO, ::tarvelin::rezezadovu::meta_model::json_form::new_text_map(), \
      OnChange)                                                                                   \
    P(Bool, continue_on_error, "continue-on-error", true, RW, true, OnChange)                    \
    P(Text, file_extention, "file-extention", nullptr, RO, nullptr, OnChange)                     \
    P(UInt64, replaced_texts, "replaced-texts", 0, RO, 0, OnChange)

namespace tarvelin::rezezadovu::supports::data::extractors {

// One value of a source record. `quoted` says the source marked it as a text (a quoted
// delimited field, a JSON string): an empty or blank text then stays a text in text
// columns instead of becoming NULL.
struct SourceValue {
    std::string text;
    bool quoted = false;
};

class TARVELIN_EXPORT BaseExtractor : public gobj::Object, public contracts::data::IExporter {
public:
    using DataType = providers::contracts::DataType;
    using ValueObject = providers::contracts::ValueObject;
    using IConnection = contracts::database::IConnection;
    using MetaTable = meta_model::MetaTable;
    using ProgressCallback = contracts::data::ProgressCallback;
    using Progress = contracts::data::Progress;
    using Texts = std::vector<std::string>;

    static GType gtype();
    static void describe(gobj::ClassSpec<BaseExtractor>& c);
    // A new extractor of `type` (this class or one derived from it) with the extension.
    static gobj::Ref<BaseExtractor> create(GType type, const char* file_ext);
    // The same for a derived class T, as its own create.
    template <class T>
    static gobj::Ref<T> made(GType type, const char* file_ext) {
        auto extractor = gobj::create<T>(type);
        if (extractor) extractor->set_file_extention(file_ext);
        return extractor;
    }

    TARVELIN_BASE_EXTRACTOR_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // Writes what export_to_text renders; no file at all when it renders 0 rows.
    gint export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                        gpointer progress_target) override;
    // Renders nothing: the buffer stays, 0 rows.
    gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                        gpointer progress_target) override;

    // ---- literals
    std::string format_column_value(DataType type, ValueObject* data_value);
    std::string format_column_text(DataType type, const char* data_value);
    // The literal of one source value; `backslashes` doubles the backslash too.
    static std::string literal(DataType type, const SourceValue& value, bool backslashes);

    // ---- row statements (refusals and statement failures are thrown)
    std::string build_insert_data_sql(const gobj::Ref<IConnection>& connection, MetaTable* table, const Texts& fields,
                                      const Texts& values);
    std::string build_update_data_sql(const gobj::Ref<IConnection>& connection, MetaTable* table, const Texts& fields,
                                      const Texts& values);
    std::string build_delete_data_sql(const gobj::Ref<IConnection>& connection, MetaTable* table, const Texts& fields,
                                      const Texts& values);

    // ---- the row step: the statements of one record, run on the main context (import_row,
    // completing there with the affected rows) or on the caller's thread (run_row_step)
    struct RowStep {
        std::string first;  // empty: the action names no statement; nothing runs
        // For "merge": run when `first` changed no row.
        std::string insert_after_nothing;
        // For "append" and "replace": the inserted columns (names, and as the statement
        // quotes them) and their literals, so that records inserting the same columns can
        // travel in one statement of several rows.
        Texts names, columns, literals;
    };
    // Refusals are thrown.
    RowStep row_step(const gobj::Ref<IConnection>& connection, MetaTable& table, const std::string& action,
                     const Texts& fields, const std::vector<SourceValue>& values);
    // The affected rows; a failed statement is thrown in "default" with the driver's code
    // and message, as import_row reports it.
    static gint64 run_row_step(const gobj::Ref<IConnection>& connection, const RowStep& step);
    void import_row_to_table(gobj::Ref<IConnection> connection, gobj::Ref<MetaTable> table, const Texts& fields,
                             const Texts& values, GAsyncReadyCallback callback, gpointer data);
    void import_row(const gobj::Ref<IConnection>& connection, MetaTable& table, const Texts& fields,
                    const std::vector<SourceValue>& values, GAsyncReadyCallback callback, gpointer data);
    gint64 import_row_to_table_finish(GAsyncResult* result);

    // ---- the counts the asynchronous operations complete with (signed 64-bit on every platform)
    static void return_count(GTask* task, gint64 count);
    // The count of a task this extractor made; its error, or a result of another's, is thrown.
    gint64 count_of(GAsyncResult* result);

    // ---- options, read when an operation starts
    std::optional<std::string> option(const char* key) const;
    std::string option_or(const char* key, const char* fallback) const;
    // Throws "the option %s is not set" when missing.
    std::string required_option(const char* key) const;

    // Rows of a table as its list reports them.
    static guint row_count(TableModel& model);
    // A new table of STRING columns with these names, and no rows.
    static gobj::Ref<TableModel> text_table(const Texts& names);
    // Appends a row made by the table whose first cells are these texts (at most one per
    // column; further cells keep the row's defaults).
    static void append_texts(TableModel& table, const Texts& texts);
    // The same where a cell may be SQL NULL (none).
    static void append_cells(TableModel& table, const std::vector<std::optional<std::string>>& cells);

    // ---- one export, for the exporters: renders the table from its cells into the output and returns the rows
    // written; "replaced-texts" is set from it, also when it fails.
    using Render = std::function<gint(ExportCells&, ExportOutput&)>;
    // The whole text into the caller's buffer.
    gint export_text(TableModel& model, gchar** buffer, const Render& render);
    // Into a file written as it is rendered; a failure leaves no file (an existing one keeps
    // its contents). `rowless_file`: a table without rows writes its file too, else none
    // (its rendering still runs, for its errors).
    gint export_file(TableModel& model, const char* filename, bool rowless_file, const Render& render);

private:
    gint rendered(ExportCells& cells, ExportOutput& out, const Render& render);

    struct Statements;
    Statements statements(const gobj::Ref<IConnection>& connection, MetaTable& table, const Texts& fields,
                          const std::vector<SourceValue>& values, bool keys_needed);

    TARVELIN_BASE_EXTRACTOR_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::supports::data::extractors

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataExtractorsBaseExtractor,
                     tarvelin::rezezadovu::supports::data::extractors::BaseExtractor)
