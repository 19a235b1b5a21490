// JSON: a result table as {"RECORDS": [ {column: value, ...}, ... ]}, loaded back into a
// table of text columns, or imported record by record into a database table.
//
// Export writes each cell by its column's type, read from the table's cells: integers
// exact (an unsigned value above the signed range as its own digits), MONEY, FLOAT and
// DOUBLE as numbers, booleans as true or false, a NULL cell as null in every column (so
// NULL and the empty text stay apart), a cell that is not of its column's kind as null,
// and every other type as its text. A text that is not UTF-8 is written with U+FFFD for
// each invalid byte (ExportCells), so that the document always loads back. Loading reads
// numbers as their text, booleans as "true" and "false", and null,
// objects and arrays as the empty text; elements of "RECORDS" that are not objects are
// skipped. Import counts the rows the statements affected (and reports that running total
// as its progress); a failed record, or an element that is not an object, is logged
// "import row failed: %s" and skipped while continue-on-error holds. String members import
// as texts, an empty one as an empty text.
//
// Single thread.
#pragma once

#include <functional>

#include "rezezadovu/supports/data/extractors/import_run.hpp"

namespace tarvelin::rezezadovu::supports::data::extractors {

class TARVELIN_EXPORT JsonExtractor : public Importer {
public:

    static GType gtype();
    static gobj::Ref<JsonExtractor> create(GType type, const char* file_extension);

    // Writes the document even for a table without rows.
    gint export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                        gpointer progress_target) override;
    gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                        gpointer progress_target) override;

    gobj::Ref<TableModel> load_from_file(gint row_limit, ProgressCallback progress, gpointer progress_target) override;
    gobj::Ref<TableModel> load_from_text(const char* textbuffer, ProgressCallback progress,
                                         gpointer progress_target) override;

protected:
    std::unique_ptr<ImportRun> file_run(const Progress& progress) override;
    std::unique_ptr<ImportRun> text_run(std::string text, const Progress& progress) override;

private:
    gint render(ExportCells& cells, ExportOutput& out, const Progress& progress);
    gobj::Ref<TableModel> load(const std::string& text, gint row_limit);
};

}  // namespace tarvelin::rezezadovu::supports::data::extractors

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataExtractorsJsonExtractor,
                     tarvelin::rezezadovu::supports::data::extractors::JsonExtractor)
