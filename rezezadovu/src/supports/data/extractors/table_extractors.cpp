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

using Progress = BaseExtractor::Progress;

// Each form renders once, into a text or a file.
using Render = gint (*)(BaseExtractor& self, ExportCells& cells, ExportOutput& out, const Progress& progress);

gint to_text(BaseExtractor& self, Render render, BaseExtractor::TableModel* model, gchar** buffer,
             BaseExtractor::ProgressCallback progress, gpointer target) {
    return self.export_text(*model, buffer, [&](ExportCells& cells, ExportOutput& out) {
        return render(self, cells, out, Progress{progress, target});
    });
}

gint to_file(BaseExtractor& self, Render render, BaseExtractor::TableModel* model, const char* filename,
             BaseExtractor::ProgressCallback progress, gpointer target) {
    return self.export_file(*model, filename, false, [&](ExportCells& cells, ExportOutput& out) {
        return render(self, cells, out, Progress{progress, target});
    });
}

// A class's two exports through its rendering.
#define TARVELIN_RENDERED_EXPORTS(Class, render)                                                              \
    gint Class::export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,                 \
                               gpointer progress_target) {                                                   \
        return to_text(*this, &render, model, buffer, progress, progress_target);                            \
    }                                                                                                        \
    gint Class::export_to_file(TableModel* model, const char* filename, ProgressCallback progress,           \
                               gpointer progress_target) {                                                   \
        return to_file(*this, &render, model, filename, progress, progress_target);                          \
    }

// A table without columns gives no SQL statement: refused.
void require_columns(const ExportCells& cells) {
    if (cells.columns() == 0) throw gobj::Error("default", -1, _("a table without columns gives no SQL statement"));
}

std::vector<std::string> split_dotted(const std::string& name) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t dot; (dot = name.find('.', start)) != std::string::npos; start = dot + 1)
        parts.push_back(name.substr(start, dot - start));
    parts.push_back(name.substr(start));
    return parts;
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

namespace {
gint render_html(BaseExtractor&, ExportCells& cells, ExportOutput& out, const Progress& report) {
    std::string head =
        "<!DOCTYPE html>\n<html>\n\t<head>\n"
        "\t\t<meta charset=\"UTF-8\">\n"
        "\t\t<style>table { border-collapse: collapse; width: 100%; } th, td { text-align: left; padding: 8px; } "
        "tr:nth-child(even) { background-color: rgba(0, 0, 0, 0.05); } th { background-color: #7799AA; color: white; "
        "}</style>\n"
        "\t</head>\n\t<body>\n"
        "\t\t<table>\n"
        "\t\t\t<tr>";
    for (size_t i = 0; i < cells.columns(); ++i) head += "<th>" + html_escaped(cells.name(i)) + "</th>";
    head += "</tr>\n";
    out.write(head);
    guint total = cells.rows();
    gint rows = 0;
    std::string line;
    for (guint row = 0; row < total; ++row) {
        line = "<tr>";
        for (size_t i = 0; i < cells.columns(); ++i)
            line += "<td>" + html_escaped(cells.text(row, i).value_or("")) + "</td>";
        line += "</tr>";
        out.write("\t\t\t");
        out.write(line);
        out.write("\n");
        report(total, ++rows, line.c_str());
    }
    out.write("\t\t</table>\n\t</body>\n</html>");
    return rows;
}
}  // namespace

TARVELIN_RENDERED_EXPORTS(HtmlExtractor, render_html)

// ---------------------------------------------------------------- Markdown

namespace {
gint render_markdown(BaseExtractor&, ExportCells& cells, ExportOutput& out, const Progress& report) {
    std::string header, rule;
    for (size_t i = 0; i < cells.columns(); ++i) {
        std::string cell = markdown_cell(cells.name(i));
        header += "| " + cell + " ";
        rule += "|" + std::string(cell.size() + 2, '-');
    }
    out.write(header + "|\n" + rule + "|\n");
    guint total = cells.rows();
    gint rows = 0;
    std::string line;
    for (guint row = 0; row < total; ++row) {
        line.clear();
        for (size_t i = 0; i < cells.columns(); ++i) {
            auto cell = cells.text(row, i);
            line += "| ";
            if (cell) {
                line += markdown_cell(*cell);
                line += ' ';
            }
        }
        line += "|";
        out.write(line);
        out.write("\n");
        report(total, ++rows, line.c_str());
    }
    return rows;
}
}  // namespace

TARVELIN_RENDERED_EXPORTS(MarkdownExtractor, render_markdown)

// ---------------------------------------------------------------- SQL

namespace {
gint render_insert(BaseExtractor& self, ExportCells& cells, ExportOutput& out, const Progress&) {
    std::string table = self.required_option("TABLENAME");
    require_columns(cells);
    std::string columns;
    for (size_t i = 0; i < cells.columns(); ++i) columns += DatabaseHelper::quote(cells.name(i), '`') + ",";
    columns.pop_back();
    std::string templ = "INSERT INTO " + DatabaseHelper::quote(table, '`') + "(" + columns + ") VALUES(";
    gint rows = 0;
    std::string statement;
    for (guint row = 0; row < cells.rows(); ++row) {
        statement = templ;
        for (size_t i = 0; i < cells.columns(); ++i) {
            if (i > 0) statement += ", ";
            statement += DatabaseHelper::format_sql_text(cells.type(i), cells.text(row, i));
        }
        statement += ");\n";
        out.write(statement);
        ++rows;
    }
    return rows;
}

gint render_update(BaseExtractor& self, ExportCells& cells, ExportOutput& out, const Progress&) {
    // A dotted name stays a schema-qualified name; each part is quoted so the option cannot carry SQL.
    std::string target;
    for (const auto& part : split_dotted(self.required_option("TABLENAME")))
        target += (target.empty() ? "" : ".") + DatabaseHelper::quote(part, '"');
    require_columns(cells);
    std::vector<std::string> names;
    for (size_t i = 0; i < cells.columns(); ++i) names.push_back(DatabaseHelper::quote(cells.name(i), '"'));
    gint rows = 0;
    std::string statement, first;
    for (guint row = 0; row < cells.rows(); ++row) {
        statement = "UPDATE " + target + " SET ";
        for (size_t i = 0; i < names.size(); ++i) {
            std::string literal = DatabaseHelper::format_sql_text(cells.type(i), cells.text(row, i));
            if (i > 0) statement += ", ";
            statement += names[i] + " = " + literal;
            if (i == 0) first = std::move(literal);
        }
        statement += " WHERE " + names[0] + " = " + first + ";\n";
        out.write(statement);
        ++rows;
    }
    return rows;
}
}  // namespace

TARVELIN_RENDERED_EXPORTS(SqlInsertExtractor, render_insert)

TARVELIN_RENDERED_EXPORTS(SqlUpdateExtractor, render_update)

}  // namespace tarvelin::rezezadovu::supports::data::extractors
