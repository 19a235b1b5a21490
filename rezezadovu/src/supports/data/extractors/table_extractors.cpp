#include "rezezadovu/supports/data/extractors/table_extractors.hpp"

#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/data/text_forms.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"

TARVELIN_LOG_TAG("table_extractors")

namespace tarvelin::rezezadovu::supports::data::extractors {

using helpers::DatabaseHelper;

TARVELIN_GTYPE(HtmlExtractor, "TarvelinRezezadovuSupportsDataExtractorsHtmlExtractor", BaseExtractor)
TARVELIN_GTYPE(MarkdownExtractor, "TarvelinRezezadovuSupportsDataExtractorsMarkdownExtractor", BaseExtractor)
TARVELIN_GTYPE(SqlInsertExtractor, "TarvelinRezezadovuSupportsDataExtractorsSqlInsertExtractor", BaseExtractor)
TARVELIN_GTYPE(SqlUpdateExtractor, "TarvelinRezezadovuSupportsDataExtractorsSqlUpdateExtractor", BaseExtractor)

namespace {

std::vector<std::string> names_of(const providers::contracts::TableModel& model) {
    std::vector<std::string> names;
    for (const auto& column : model.get_columns()) names.push_back(column->get_name().value_or(""));
    return names;
}

// The text of each cell that loses nothing (numbers keep their digits), none for a NULL one.
std::vector<std::optional<std::string>> texts_of(const providers::contracts::RowModel& row, size_t columns) {
    std::vector<std::optional<std::string>> texts;
    for (size_t i = 0; i < columns; ++i) {
        auto value = row.get_value_at(gint(i));
        texts.push_back(!value || value->get_is_null() ? std::nullopt : std::optional(value->exact_text()));
    }
    return texts;
}

void replace_buffer(gchar** buffer, const std::string& text) {
    g_free(*buffer);
    *buffer = gobj::dup_string(text);
}

// The names of a table the SQL forms write, refusing one without columns.
std::vector<std::string> sql_columns(const providers::contracts::TableModel& model) {
    auto names = names_of(model);
    if (names.empty()) throw gobj::Error("default", -1, _("a table without columns gives no SQL statement"));
    return names;
}

}  // namespace

gobj::Ref<HtmlExtractor> HtmlExtractor::create(GType type, const char* file_extension) {
    return made<HtmlExtractor>(type, file_extension);
}
gobj::Ref<MarkdownExtractor> MarkdownExtractor::create(GType type, const char* file_extension) {
    return made<MarkdownExtractor>(type, file_extension);
}
gobj::Ref<SqlInsertExtractor> SqlInsertExtractor::create(GType type) { return made<SqlInsertExtractor>(type, "sql"); }
gobj::Ref<SqlUpdateExtractor> SqlUpdateExtractor::create(GType type) { return made<SqlUpdateExtractor>(type, "sql"); }

// ---------------------------------------------------------------- HTML

gint HtmlExtractor::export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                                   gpointer progress_target) {
    auto names = names_of(*model);
    std::string text =
        "<!DOCTYPE html>\n<html>\n\t<head>\n"
        "\t\t<meta charset=\"UTF-8\">\n"
        "\t\t<style>table { border-collapse: collapse; width: 100%; } th, td { text-align: left; padding: 8px; } "
        "tr:nth-child(even) { background-color: rgba(0, 0, 0, 0.05); } th { background-color: #7799AA; color: white; "
        "}</style>\n"
        "\t</head>\n\t<body>\n"
        "\t\t<table>\n"
        "\t\t\t<tr>";
    for (const auto& name : names) text += "<th>" + html_escaped(name) + "</th>";
    text += "</tr>\n";
    guint total = row_count(*model);
    Progress report{progress, progress_target};
    gint rows = 0;
    for (const auto& row : model->get_rows()) {
        std::string line = "<tr>";
        for (const auto& cell : texts_of(*row, names.size())) line += "<td>" + html_escaped(cell.value_or("")) + "</td>";
        line += "</tr>";
        text += "\t\t\t" + line + "\n";
        report(total, ++rows, line.c_str());
    }
    text += "\t\t</table>\n\t</body>\n</html>";
    replace_buffer(buffer, text);
    return rows;
}

// ---------------------------------------------------------------- Markdown

gint MarkdownExtractor::export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                                       gpointer progress_target) {
    auto names = names_of(*model);
    std::string header, rule;
    for (const auto& name : names) {
        std::string cell = markdown_cell(name);
        header += "| " + cell + " ";
        rule += "|" + std::string(cell.size() + 2, '-');
    }
    std::string text = header + "|\n" + rule + "|\n";
    guint total = row_count(*model);
    Progress report{progress, progress_target};
    gint rows = 0;
    for (const auto& row : model->get_rows()) {
        std::string line;
        for (const auto& cell : texts_of(*row, names.size())) line += cell ? "| " + markdown_cell(*cell) + " " : "| ";
        line += "|";
        text += line + "\n";
        report(total, ++rows, line.c_str());
    }
    replace_buffer(buffer, text);
    return rows;
}

// ---------------------------------------------------------------- SQL

gint SqlInsertExtractor::export_to_text(TableModel* model, gchar** buffer, ProgressCallback, gpointer) {
    std::string table = required_option("TABLENAME");
    std::string columns;
    for (const auto& name : sql_columns(*model)) columns += DatabaseHelper::quote(name, '`') + ",";
    columns.pop_back();
    std::string templ = "INSERT INTO " + DatabaseHelper::quote(table, '`') + "(" + columns + ") VALUES(";
    std::vector<DataType> types;
    for (const auto& column : model->get_columns()) types.push_back(column->get_data_type());
    std::string text;
    gint rows = 0;
    for (const auto& row : model->get_rows()) {
        std::string values;
        for (size_t i = 0; i < types.size(); ++i) {
            if (i > 0) values += ", ";
            auto value = row->get_value_at(gint(i));
            values += value ? format_column_value(types[i], value.get()) : "NULL";
        }
        text += templ + values + ");\n";
        ++rows;
    }
    replace_buffer(buffer, text);
    return rows;
}

gint SqlUpdateExtractor::export_to_text(TableModel* model, gchar** buffer, ProgressCallback, gpointer) {
    std::string table = required_option("TABLENAME");
    auto names = sql_columns(*model);
    std::vector<DataType> types;
    for (const auto& column : model->get_columns()) types.push_back(column->get_data_type());
    std::string text;
    gint rows = 0;
    for (const auto& row : model->get_rows()) {
        std::vector<std::string> literals;
        for (size_t i = 0; i < names.size(); ++i) {
            auto value = row->get_value_at(gint(i));
            literals.push_back(value ? format_column_value(types[i], value.get()) : "NULL");
        }
        std::string statement = "UPDATE " + table + " SET ";
        for (size_t i = 0; i < names.size(); ++i) {
            if (i > 0) statement += ", ";
            statement += DatabaseHelper::quote(names[i], '"') + " = " + literals[i];
        }
        statement += " WHERE " + DatabaseHelper::quote(names[0], '"') + " = " + literals[0] + ";";
        text += statement + "\n";
        ++rows;
    }
    replace_buffer(buffer, text);
    return rows;
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors
