// The export-only extractors: an HTML page with one table, a Markdown table, and one SQL
// INSERT or UPDATE statement per row (the table named by the option "TABLENAME"). Each
// reads the table's cells without making its rows, renders into the caller's text or
// streams into a file, and writes no file for a table without rows. A text that is not
// UTF-8 is written with U+FFFD for each invalid byte (ExportCells).
//
// What they insert is escaped for the form: HTML turns & < > " ' into references in
// every cell and name; Markdown writes "|" as "\|" and line breaks inside a cell as
// "<br/>"; the SQL forms double the quote character inside the names they quote, and
// cells become BaseExtractor's literals. The SQL forms refuse a missing "TABLENAME" and a
// table without columns with an error.
//
// Single thread.
#pragma once

#include "rezezadovu/supports/data/extractors/base_extractor.hpp"

namespace tarvelin::rezezadovu::supports::data::extractors {

class TARVELIN_EXPORT HtmlExtractor : public BaseExtractor {
public:
    static GType gtype();
    static gobj::Ref<HtmlExtractor> create(GType type, const char* file_extension);
    gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                        gpointer progress_target) override;
    gint export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                        gpointer progress_target) override;
};

class TARVELIN_EXPORT MarkdownExtractor : public BaseExtractor {
public:
    static GType gtype();
    static gobj::Ref<MarkdownExtractor> create(GType type, const char* file_extension);
    gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                        gpointer progress_target) override;
    gint export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                        gpointer progress_target) override;
};

// File extension "sql".
class TARVELIN_EXPORT SqlInsertExtractor : public BaseExtractor {
public:
    static GType gtype();
    static gobj::Ref<SqlInsertExtractor> create(GType type = gtype());
    gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                        gpointer progress_target) override;
    gint export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                        gpointer progress_target) override;
};

// File extension "sql"; each statement is keyed on the row's first column.
class TARVELIN_EXPORT SqlUpdateExtractor : public BaseExtractor {
public:
    static GType gtype();
    static gobj::Ref<SqlUpdateExtractor> create(GType type = gtype());
    gint export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                        gpointer progress_target) override;
    gint export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                        gpointer progress_target) override;
};

}  // namespace tarvelin::rezezadovu::supports::data::extractors

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataExtractorsHtmlExtractor,
                     tarvelin::rezezadovu::supports::data::extractors::HtmlExtractor)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataExtractorsMarkdownExtractor,
                     tarvelin::rezezadovu::supports::data::extractors::MarkdownExtractor)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataExtractorsSqlInsertExtractor,
                     tarvelin::rezezadovu::supports::data::extractors::SqlInsertExtractor)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDataExtractorsSqlUpdateExtractor,
                     tarvelin::rezezadovu::supports::data::extractors::SqlUpdateExtractor)
