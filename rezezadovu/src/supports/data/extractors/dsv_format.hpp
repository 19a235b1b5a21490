// Delimited text: the options both directions read, the writing of fields and lines, and
// the streaming reader of records.
//
// Writing: a field is quoted when the quotation time is "always", or when its text holds
// the column delimiter (any of its characters, when it has more than one), a quote, CR,
// LF or a row-delimiter character, begins or ends with a blank, begins with a byte order
// mark, is empty, or equals NULL_VALUE; a null cell is NULL_VALUE, never quoted, so the two
// stay apart. Quoting doubles the quotes inside (quote left by escape left, then quote
// right by escape right). Header names follow the same rule, and under any other quotation
// time than "ifneed" they are always quoted.
//
// Reading: the column delimiter is the whole DELIMITER_COLUMN text (as written); each
// character of DELIMITER_ROWNEW ends a record, a CR directly before an LF that ends it is
// part of the record end, and the end of the input ends the last record. A field that
// begins with quote left is quoted: it runs to the matching quote right, takes delimiters
// and line ends as text, and its escapes are undone; only such fields lose their quotes.
// ROW_PREFIX and ROW_SUFFIX are removed from the first and the last field of every record,
// the header included. A leading UTF-8 byte order mark is skipped. A quote still open at
// the end of the input is an error.
//
// Single thread: a reader belongs to one operation.
#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

#include "providers/contracts/model_table.hpp"
#include "rezezadovu/supports/data/extractors/base_extractor.hpp"
#include "rezezadovu/supports/data/extractors/export_cells.hpp"

namespace tarvelin::rezezadovu::supports::data::extractors {

struct DsvFormat {
    std::string prefix, suffix, null_value;
    std::string column = ",", row = "\n";
    std::string quote_left = "\"", quote_right = "\"", escape_left = "\"\"", escape_right = "\"\"";
    std::string quote_time = "ifneed";
    bool has_header = true;

    // The extractor's options; a QUOTATION_LIST of fewer than four parts is thrown.
    static DsvFormat of(const BaseExtractor& extractor);

    // ---- writing
    std::string field(std::string_view text) const;
    std::string header(const ExportCells& cells) const;
    // The fields of one row joined by the column delimiter; a missing value is a null one.
    std::string fields(const providers::contracts::TableModel& model, const providers::contracts::RowModel& row) const;
    // The same for row `row` of the table, read from its cells.
    std::string fields(ExportCells& cells, guint row) const;
    std::string line(const std::string& body) const { return prefix + body + suffix + row; }

private:
    std::string quoted(std::string_view text) const;
    bool needs_quotes(std::string_view text) const;
};

// Records of delimited text read from a stream chunk by chunk; one record is held at a time.
class DsvReader {
public:
    DsvReader(const DsvFormat& format, GInputStream* input);
    // The fields of the next record; false at the end of the input. Errors are thrown.
    bool next(std::vector<SourceValue>& fields);
    // Records read so far.
    gint64 records() const { return records_; }

private:
    bool fill(size_t want);
    bool at(std::string_view text);
    size_t available() const { return buffer_.size() - pos_; }
    void strip_suffix(SourceValue& last, std::string& tail);

    DsvFormat format_;
    gobj::GPtr<GInputStream> input_;
    std::string buffer_;
    size_t pos_ = 0;
    bool eof_ = false;
    bool started_ = false;
    gint64 records_ = 0;
    // Bytes that end an unquoted run: the column delimiter's first, the row stops, CR.
    std::string stops_;
    // Bytes that may begin a quote right or an escape inside a quoted field.
    std::string quote_stops_;
    bool escape_left_ = false, escape_right_ = false;
};

// The stream of a file (through a converter from ENCODING to UTF-8 when that is not
// "UTF-8"), or of a text's bytes.
gobj::GPtr<GInputStream> open_input(const char* filename, const std::string& encoding);
gobj::GPtr<GInputStream> text_input(const char* text);

}  // namespace tarvelin::rezezadovu::supports::data::extractors
