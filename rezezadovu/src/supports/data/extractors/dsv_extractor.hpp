// Delimited text (CSV by default): export of a result table into a text or, line by line,
// into a file; loads into a new table of text columns; and the record-by-record import
// into a database table. The options and the text forms are DsvFormat's.
//
// Import counts the records whose row step ended without error; a failed record is
// logged "create row failed:%d -> %s" (the records consumed before it, the header
// included) and skipped while continue-on-error holds. A record with fewer fields than
// the header is dropped without notice. A bare empty field imports as NULL, a quoted one
// as an empty text (in text columns). Loads keep every field as a text, empty or not.
//
// Single thread.
#pragma once

#include "rezezadovu/supports/data/extractors/import_run.hpp"

namespace tarvelin::rezezadovu::supports::data::extractors {

struct DsvFormat;

class TARVELIN_EXPORT DsvExtractor : public Importer {
public:
    using RowModel = providers::contracts::RowModel;

    static GType gtype();
    static gobj::Ref<DsvExtractor> create(GType type, const char* file_extension);

    // Streams the header and each line as it is built.
    gint export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                        gpointer progress_target) override;
    gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                        gpointer progress_target) override;
    std::string build_dsv_from_row(TableModel* model, RowModel* iter, const char* delimiter, const char* quote_left,
                                   const char* quote_right, const char* escape_left, const char* escape_right,
                                   const char* null_value, const char* quote_time);

    gobj::Ref<TableModel> load_from_file(gint row_limit, ProgressCallback progress, gpointer progress_target) override;
    gobj::Ref<TableModel> load_from_text(const char* textbuffer, ProgressCallback progress,
                                         gpointer progress_target) override;

protected:
    std::unique_ptr<ImportRun> file_run(const Progress& progress) override;
    std::unique_ptr<ImportRun> text_run(std::string text, const Progress& progress) override;

private:
    gobj::Ref<TableModel> load(GInputStream* input, gint row_limit);
    gint render(const DsvFormat& format, ExportCells& cells, ExportOutput& out, const Progress& report);
};

}  // namespace tarvelin::rezezadovu::supports::data::extractors

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataExtractorsDsvExtractor,
                     tarvelin::rezezadovu::supports::data::extractors::DsvExtractor)
