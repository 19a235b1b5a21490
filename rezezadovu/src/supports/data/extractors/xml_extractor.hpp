// XML: a result table as <RECORDS> holding one <RECORD> per row, its cells as child
// elements named after the columns or, with the option "STORAGE" "attribute", as
// attributes of RECORD; loaded back into a table of text columns, or imported record by
// record into a database table. Written with libxml2's text writer (indent of four
// spaces), read with its text reader.
//
// Export fails with an error naming the column when a column name is not an XML name,
// or a text holds what XML 1.0 cannot carry (C0 controls other than tab, LF and CR): such
// a document could never be read back. Bytes that are not UTF-8 are written as U+FFFD,
// each invalid byte one (ExportCells), column names too. Cells are read from the table's
// cells without making its rows. A NULL cell is
// written as NULL_VALUE (empty by default); CR as a character reference, so it reads back.
//
// Reading follows the element depth, so any layout of the same elements reads: the
// RECORD children of RECORDS, each one's attributes, then its child elements with the
// text they hold. A malformed document ends a load or an import with the parser's error.
// Import counts the records handled, failed ones included; a failed one is logged
// "import row failed: %s" and skipped while continue-on-error holds.
//
// Single thread.
#pragma once

#include "rezezadovu/supports/data/extractors/import_run.hpp"

namespace tarvelin::rezezadovu::supports::data::extractors {

class TARVELIN_EXPORT XmlExtractor : public Importer {
public:

    static GType gtype();
    static gobj::Ref<XmlExtractor> create(GType type, const char* file_extension);

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
    gint export_data_to_xml(ExportCells& cells, ExportOutput& output, const Progress& progress);
};

}  // namespace tarvelin::rezezadovu::supports::data::extractors

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataExtractorsXmlExtractor,
                     tarvelin::rezezadovu::supports::data::extractors::XmlExtractor)
