#include "rezezadovu/supports/data/documents/structure_documents.hpp"

#include <array>
#include <functional>

#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/data/text_forms.hpp"

TARVELIN_LOG_TAG("structure_documents")

namespace tarvelin::rezezadovu::supports::data::documents {

using meta_model::MetaColumn;
using meta_model::MetaDatabase;
using meta_model::MetaSchema;

TARVELIN_GTYPE(HtmlDocument, "TarvelinRezezadovuSupportsDataDocumentsHtmlDocument", gobj::Object,
               contracts::data::IDocument)
TARVELIN_GTYPE(MarkdownDocument, "TarvelinRezezadovuSupportsDataDocumentsMarkdownDocument", gobj::Object,
               contracts::data::IDocument)

gobj::Ref<HtmlDocument> HtmlDocument::create(GType type) { return gobj::create<HtmlDocument>(type); }
gobj::Ref<MarkdownDocument> MarkdownDocument::create(GType type) { return gobj::create<MarkdownDocument>(type); }

namespace {

// A text of the catalogue or of the configuration, as valid UTF-8: a name read from a
// server may hold any bytes, and the document must stay readable. `what` names it in the
// warning (the text itself is not logged).
std::string text(const char* t, const char* what) {
    if (!t) return "";
    std::string repaired;
    bool was_valid = true;
    std::string_view valid = valid_utf8(t, repaired, was_valid);
    if (!was_valid) tlog_warning("%s is not UTF-8: written with U+FFFD for each invalid byte", what);
    return std::string(valid);
}

template <class... A>
std::string format(const char* format, A... args) {
    return gobj::take_string(g_strdup_printf(format, args...));
}

// A table or view of the index, in document order.
struct Entry {
    std::string schema, name, comment;
    bool view = false;
    GeeArrayList* columns = nullptr;  // kept alive by the database
};

std::vector<Entry> entries_of(MetaDatabase& database) {
    std::vector<Entry> entries;
    for (const auto& schema : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas())) {
        for (const auto& table : gobj::GeeArray<meta_model::MetaTable>::wrap(schema->get_tables()))
            entries.push_back({text(table->get_schema(), "a schema name"), text(table->get_name(), "a table name"), text(table->get_comment(), "a table comment"), false,
                               table->get_columns()});
        for (const auto& view : gobj::GeeArray<meta_model::MetaView>::wrap(schema->get_views()))
            entries.push_back({text(view->get_schema(), "a schema name"), text(view->get_name(), "a view name"), text(view->get_comment(), "a view comment"), true,
                               view->get_columns()});
    }
    return entries;
}

// The nine values of a column's row, unescaped.
std::array<std::string, 9> column_values(MetaColumn& column) {
    return {format("%d", int(column.get_ordinal())),
            text(column.get_name(), "a column name"),
            text(column.get_raw_type(), "a column type"),
            format("%lli", static_cast<long long>(column.get_length())),
            format("%hhu", static_cast<unsigned char>(column.get_scale())),
            column.get_not_null() ? _("No") : _("Yes"),
            column.get_is_primary_key() ? _("Yes") : "",
            text(column.get_default_value(), "a column default"),
            text(column.get_comment(), "a column comment")};
}

const char* kind_of(const Entry& entry) { return entry.view ? _("Data view") : _("Data table"); }

struct Texts {
    std::string title, data_version, description, footer_text, footer_url;
    explicit Texts(const contracts::data::Configuration& cfg)
        : title(text(cfg.title, "the title")),
          data_version(text(cfg.data_version, "the data version")),
          description(text(cfg.description, "the description")),
          footer_text(text(cfg.footer_text, "the footer text")),
          footer_url(text(cfg.footer_url, "the footer address")) {}
};

// Writes the document piece by piece; the first failing write ends it.
void write_document(const char* filename, const std::function<void(OutputFile&)>& body) {
    OutputFile file(filename);
    body(file);
    file.close();
}

const char* kStyle =
    "<style type='text/css'>\n        body {\n            padding-bottom: 50px\n        }\n\n        body,\n        td {\n"
    "            font-family: verdana, fantasy;\n            font-size: 12px;\n            line-height: 150%\n"
    "        }\n\n        table {\n            width: 100%;\n            background-color: #ccc;\n"
    "            margin: 5px 0\n        }\n\n        td {\n            background-color: #fff;\n"
    "            padding: 3px 3px 3px 10px\n        }\n\n        thead td {\n            text-align: center;\n"
    "            font-weight: bold;\n            background-color: #eee\n        }\n\n        a:link,\n"
    "        a:visited,\n        a:active {\n            color: #015fb6;\n            text-decoration: none\n"
    "        }\n\n        a:hover {\n            color: #e33e06\n        }\n    </style>";

}  // namespace

// ---------------------------------------------------------------- HTML

void HtmlDocument::produce(MetaDatabase* meta_database, const char* filename, contracts::data::Configuration* cfg,
                           contracts::data::ProgressCallback, gpointer) {
    Texts t(*cfg);
    auto e = [](const std::string& s) { return html_escaped(s); };
    auto entries = entries_of(*meta_database);
    write_document(filename, [&](OutputFile& out) {
        out.write("<!DOCTYPE html><html lang=\"en\"><head>");
        out.write("<meta charset=\"utf-8\">\n<meta content=\"IE=edge\" http-equiv=\"X-UA-Compatible\">\n");
        out.write(format("<title>%s</title>", e(t.title).c_str()));
        out.write(kStyle);
        out.write("</head><body style='text-align:center;'>\n");
        out.write("<div style='width:800px; margin:20px auto; text-align:left;'><a name='index'></a>\n");
        out.write(format("<h2 style='text-align:center; line-height:50px;'>%s</h2>", e(t.title).c_str()));
        out.write(format(_("<div><b>Database: </b>%s<br>"), e(text(meta_database->get_database(), "the database name")).c_str()));
        out.write(format(_("<b>Data version: </b>%s<br/>"), e(t.data_version).c_str()));
        out.write(format(_("<b>Description: </b>%s</div>\n"), e(t.description).c_str()));
        out.write("<table cellspacing='1'><thead><tr><td style='width:40px;'>");
        out.write(_("No</td><td>Name</td><td>Type</td><td>Description</td>"));
        out.write("</tr></thead>");
        int number = 0;
        for (const auto& entry : entries) {
            std::string schema = e(entry.schema), name = e(entry.name);
            out.write(format("<tr><td style='text-align:center;'>%d</td><td><a href='#%s.%s'>%s.%s</a></td><td>%s</td>"
                             "<td>%s</td></tr>",
                             ++number, schema.c_str(), name.c_str(), schema.c_str(), name.c_str(), kind_of(entry),
                             e(entry.comment).c_str()));
        }
        out.write("</table>");
        for (const auto& entry : entries) {
            std::string schema = e(entry.schema), name = e(entry.name);
            out.write("<br/><br/>");
            out.write(format("<div style='margin-top:30px;'><a id='%s.%s'></a>", schema.c_str(), name.c_str()));
            out.write(_("<a href='#index' style='float:right; margin-top:6px;'>Content</a>"));
            out.write(format(_("<h3>Table: %s.%s</h3></div>"), schema.c_str(), name.c_str()));
            out.write(format(_("<div>Description: %s</div>"), e(entry.comment).c_str()));
            out.write(_("<div>Columns:</div>"));
            out.write("<table cellspacing='1'><thead><tr><td style='width:40px;'>");
            out.write(_("No</td><td>Name</td><td>Type</td><td> Length </td><td>Scale</td><td>Null</td><td>Primary "
                        "key</td><td>Default</td><td>Description</td>"));
            out.write("</tr></thead>");
            for (const auto& column : gobj::GeeArray<MetaColumn>::wrap(entry.columns)) {
                std::string row = "<tr><td style='text-align:center;'>";
                auto values = column_values(*column);
                row += e(values[0]) + "</td>";
                for (size_t i = 1; i < values.size(); ++i) row += "<td>" + e(values[i]) + "</td>";
                out.write(row + "</tr>");
            }
            out.write("</table>");
        }
        out.write("</div>");
        if (!t.footer_text.empty())
            out.write(format("<footer><div><a href=\"%s\">%s</a></div></footer>", e(t.footer_url).c_str(),
                             e(t.footer_text).c_str()));
        out.write("</body></html>");
    });
}

// ---------------------------------------------------------------- Markdown

void MarkdownDocument::produce(MetaDatabase* meta_database, const char* filename,
                               contracts::data::Configuration* cfg, contracts::data::ProgressCallback, gpointer) {
    Texts t(*cfg);
    auto m = [](const std::string& s) { return markdown_cell(s); };
    auto entries = entries_of(*meta_database);
    write_document(filename, [&](OutputFile& out) {
        out.write(format("# %s\n\n", m(t.title).c_str()));
        out.write(format(_("**Database name:** %s<br/>\n"), m(text(meta_database->get_database(), "the database name")).c_str()));
        out.write(format(_("**Data version:** %s<br/>\n"), m(t.data_version).c_str()));
        out.write(format(_("**Description:** %s\n"), m(t.description).c_str()));
        out.write(_("| No        | Table        | Type        | Description        |\n"));
        out.write("| :-----------: | :----------- | :----------- | :----------- |\n");
        int number = 0;
        for (const auto& entry : entries) {
            std::string schema = m(entry.schema), name = m(entry.name);
            out.write(format("| %d | [%s.%s](#%s.%s) | %s | %s |\n", ++number, schema.c_str(), name.c_str(),
                             schema.c_str(), name.c_str(), kind_of(entry), m(entry.comment).c_str()));
        }
        for (const auto& entry : entries) {
            std::string schema = html_escaped(entry.schema), name = html_escaped(entry.name);
            out.write("\n\n");
            out.write(format(_("## **Table:** <a id='%s.%s'>%s.%s</a>\n"), schema.c_str(), name.c_str(),
                             schema.c_str(), name.c_str()));
            out.write(format(_("**Description:** %s<br/>\n"), m(entry.comment).c_str()));
            out.write(_("**Columns:**<br/>\n"));
            out.write(_("| No | Name | Type |  Length  | Scale | Null | Primary key | Default | Description |\n"));
            out.write("| :--: | :--- | :------: | :----: | :----: | :------: | :--: | :----: | :--: |\n");
            for (const auto& column : gobj::GeeArray<MetaColumn>::wrap(entry.columns)) {
                std::string row = "|";
                for (const auto& value : column_values(*column)) row += " " + m(value) + " |";
                out.write(row + "\n");
            }
        }
    });
}

}  // namespace tarvelin::rezezadovu::supports::data::documents
