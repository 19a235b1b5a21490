// What every exporter reads and where it writes. The cells of a table come from its compact
// store while its rows are not made (TableModel::exact_text: no row or value object, each
// text in one copy), from its rows otherwise, with the same texts either way. The output is
// the caller's text or a file written through a 64 KiB buffer (OutputFile).
//
// Texts that are not UTF-8 (a driver may hand over any bytes as text) are written valid,
// each byte outside a UTF-8 character as U+FFFD: a warning names the row and the column
// (never the value; the first 100 texts of an export, then one line with the count), and
// replaced() counts the texts so written, column names included.
//
// Single thread: both belong to one export.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "providers/contracts/model_table.hpp"
#include "rezezadovu/supports/data/text_forms.hpp"

namespace tarvelin::rezezadovu::supports::data::extractors {

class ExportCells {
public:
    using DataType = providers::contracts::DataType;

    explicit ExportCells(const providers::contracts::TableModel& model);
    // Past the first 100 warnings, one line gives the whole count.
    ~ExportCells();
    ExportCells(const ExportCells&) = delete;
    ExportCells& operator=(const ExportCells&) = delete;

    guint rows() const { return rows_; }
    size_t columns() const { return names_.size(); }
    // The column's name, valid UTF-8.
    const std::string& name(size_t column) const { return names_[column]; }
    DataType type(size_t column) const { return types_[column]; }
    // The exact text of cell (row, column), valid UTF-8; none for SQL NULL. The view lasts
    // until the next read.
    std::optional<std::string_view> text(guint row, size_t column);
    // The same with the class of the cell's value (G_TYPE_NONE for SQL NULL).
    std::optional<std::string_view> text(guint row, size_t column, GType& value_type);
    // Texts written with U+FFFD so far.
    guint64 replaced() const { return replaced_; }

private:
    std::optional<std::string_view> valid(std::optional<std::string> text, guint row, size_t column);

    const providers::contracts::TableModel& model_;
    guint rows_;
    std::vector<std::string> names_;
    std::vector<DataType> types_;
    std::string cell_, repaired_;
    guint64 replaced_ = 0;
};

// Where an export writes: appended to a text, or into a file through its buffer.
class ExportOutput {
public:
    explicit ExportOutput(std::string& text) : text_(&text) {}
    explicit ExportOutput(OutputFile& file) : file_(&file) {}
    void write(std::string_view bytes) {
        if (text_) {
            text_->append(bytes);
        } else {
            file_->write(bytes);
        }
    }

private:
    std::string* text_ = nullptr;
    OutputFile* file_ = nullptr;
};

}  // namespace tarvelin::rezezadovu::supports::data::extractors
