#include "rezezadovu/supports/data/extractors/export_cells.hpp"

#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("export_cells")

namespace tarvelin::rezezadovu::supports::data::extractors {

namespace {
// A table of broken texts would otherwise write a line per cell.
constexpr guint64 kNamed = 100;
}  // namespace

ExportCells::ExportCells(const providers::contracts::TableModel& model)
    : model_(model), rows_(model.list_n_items()) {
    std::string repaired;
    for (const auto& column : model.get_columns()) {
        std::string name = column->get_name().value_or("");
        bool was_valid = true;
        std::string_view valid = valid_utf8(name, repaired, was_valid);
        if (!was_valid && ++replaced_ <= kNamed) {
            tlog_warning("the name of column %zu is not UTF-8: written with U+FFFD for each invalid byte",
                         names_.size() + 1);
        }
        names_.emplace_back(valid);
        types_.push_back(column->get_data_type());
    }
}

ExportCells::~ExportCells() {
    if (replaced_ > kNamed)
        tlog_warning("%" G_GUINT64_FORMAT " texts in all were not UTF-8 and were written with U+FFFD (the first %"
                     G_GUINT64_FORMAT " named above)",
                     replaced_, kNamed);
}

std::optional<std::string_view> ExportCells::valid(std::optional<std::string> text, guint row, size_t column) {
    if (!text) return std::nullopt;
    cell_ = std::move(*text);
    bool was_valid = true;
    std::string_view out = valid_utf8(cell_, repaired_, was_valid);
    if (!was_valid && ++replaced_ <= kNamed) {
        tlog_warning("row %u, column \"%s\": a text that is not UTF-8, written with U+FFFD for each invalid byte",
                     row + 1, names_[column].c_str());
    }
    return out;
}

std::optional<std::string_view> ExportCells::text(guint row, size_t column) {
    return valid(model_.exact_text(gint(column), gint(row)), row, column);
}

std::optional<std::string_view> ExportCells::text(guint row, size_t column, GType& value_type) {
    return valid(model_.exact_text(gint(column), gint(row), value_type), row, column);
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors
