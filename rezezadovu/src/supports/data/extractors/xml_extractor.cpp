#include "rezezadovu/supports/data/extractors/xml_extractor.hpp"

#include <libxml/xmlreader.h>
#include <libxml/xmlwriter.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/supports/data/extractors/import_run.hpp"
#include "rezezadovu/supports/data/text_forms.hpp"

TARVELIN_LOG_TAG("xml_extractor")

namespace tarvelin::rezezadovu::supports::data::extractors {

using foundation::LoggingService;

TARVELIN_GTYPE(XmlExtractor, "TarvelinRezezadovuSupportsDataExtractorsXmlExtractor", BaseExtractor,
               contracts::data::IImporter)

gobj::Ref<XmlExtractor> XmlExtractor::create(GType type, const char* file_extension) {
    return made<XmlExtractor>(type, file_extension);
}

namespace {

const xmlChar* x(const char* text) { return reinterpret_cast<const xmlChar*>(text); }
const char* c(const xmlChar* text) { return text ? reinterpret_cast<const char*>(text) : ""; }

gobj::Error invalid(std::string message) {
    return gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_DATA, std::move(message));
}

// True when XML 1.0 can carry the (valid UTF-8) text: no C0 controls other than tab, LF, CR.
bool xml_text(std::string_view text) {
    for (char ch : text) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r') return false;
    }
    return true;
}

// libxml2's output into the export's output; the first write error is kept for the report
// (an error cannot pass through libxml2).
struct Sink {
    ExportOutput& output;
    std::optional<gobj::Error> error;
    static int write(void* context, const char* buffer, int length) {
        auto* sink = static_cast<Sink*>(context);
        if (sink->error) return -1;
        try {
            sink->output.write(std::string_view(buffer, size_t(length)));
        } catch (const gobj::Error& e) {
            sink->error = e;
            return -1;
        }
        return length;
    }
    static int close(void*) { return 0; }
};

}  // namespace

// ---------------------------------------------------------------- export

gint XmlExtractor::export_data_to_xml(ExportCells& cells, ExportOutput& output, const Progress& progress) {
    guint total = cells.rows();
    std::string null_value = option_or("NULL_VALUE", "");
    if (!g_utf8_validate(null_value.data(), gssize(null_value.size()), nullptr) || !xml_text(null_value))
        throw invalid(_("the option NULL_VALUE holds a character that XML cannot carry"));
    bool attributes = option_or("STORAGE", "") == "attribute";
    for (size_t i = 0; i < cells.columns(); ++i) {
        const std::string& name = cells.name(i);
        if (xmlValidateNameValue(x(name.c_str())) != 1 || !xml_text(name))
            throw invalid(gobj::take_string(g_strdup_printf(_("the column name \"%s\" is not an XML name"), name.c_str())));
    }

    Sink sink{output, std::nullopt};
    xmlOutputBufferPtr buffer = xmlOutputBufferCreateIO(&Sink::write, &Sink::close, &sink, nullptr);
    if (!buffer) throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, _("the XML writer could not be made"));
    gobj::Owned<xmlTextWriter, &xmlFreeTextWriter> writer(xmlNewTextWriter(buffer));
    if (!writer) {
        xmlOutputBufferClose(buffer);
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, _("the XML writer could not be made"));
    }
    auto ok = [&](int result) {
        if (result >= 0) return;
        if (sink.error) throw *sink.error;
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, _("writing the XML document failed"));
    };
    xmlTextWriterPtr w = writer.get();
    ok(xmlTextWriterSetIndent(w, 1));
    ok(xmlTextWriterSetIndentString(w, x("    ")));
    ok(xmlTextWriterStartDocument(w, "1.0", "utf-8", nullptr));
    ok(xmlTextWriterStartElement(w, x("RECORDS")));
    gint number = 0;
    std::string text;
    for (guint row = 0; row < total; ++row) {
        ++number;
        ok(xmlTextWriterStartElement(w, x("RECORD")));
        for (size_t i = 0; i < cells.columns(); ++i) {
            const char* name = cells.name(i).c_str();
            auto cell = cells.text(row, i);
            text.assign(cell ? *cell : std::string_view(null_value));
            if (!xml_text(text))
                throw invalid(gobj::take_string(g_strdup_printf(
                    _("column \"%s\" of row %d holds a character that XML cannot carry"), name, number)));
            if (attributes) {
                ok(xmlTextWriterWriteAttribute(w, x(name), x(text.c_str())));
            } else {
                ok(xmlTextWriterStartElement(w, x(name)));
                ok(xmlTextWriterWriteString(w, x(text.c_str())));
                ok(xmlTextWriterEndElement(w));
            }
        }
        ok(xmlTextWriterEndElement(w));
        progress(total, number, "");
    }
    ok(xmlTextWriterEndElement(w));
    ok(xmlTextWriterEndDocument(w));
    ok(xmlTextWriterFlush(w));
    return number;
}

gint XmlExtractor::export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                                  gpointer progress_target) {
    return export_file(*model, filename, true, [&](ExportCells& cells, ExportOutput& out) {
        return export_data_to_xml(cells, out, Progress{progress, progress_target});
    });
}

gint XmlExtractor::export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                                  gpointer progress_target) {
    return export_text(*model, buffer, [&](ExportCells& cells, ExportOutput& out) {
        return export_data_to_xml(cells, out, Progress{progress, progress_target});
    });
}

// ---------------------------------------------------------------- reading

namespace {

// The RECORD elements of a document, read one at a time.
class XmlRecords {
public:
    // A reader over the text (kept here) or over the file; one that cannot be made fails
    // with "load xml document failed.".
    static std::unique_ptr<XmlRecords> of_text(std::string text) {
        auto records = std::unique_ptr<XmlRecords>(new XmlRecords());
        records->text_ = std::move(text);
        records->reader_.reset(xmlReaderForMemory(records->text_.c_str(), int(records->text_.size()), "", nullptr,
                                                  XML_PARSE_NONET));
        records->begin();
        return records;
    }
    static std::unique_ptr<XmlRecords> of_file(const std::optional<std::string>& filename) {
        auto records = std::unique_ptr<XmlRecords>(new XmlRecords());
        if (filename) {
            records->filename_ = *filename;
            records->reader_.reset(xmlReaderForFile(filename->c_str(), nullptr, XML_PARSE_NONET));
        }
        records->begin();
        return records;
    }

    // The names and texts of the next record; false after the last. A malformed document
    // is thrown with the parser's message.
    bool next(std::vector<std::string>& names, std::vector<std::string>& texts) {
        names.clear();
        texts.clear();
        if (done_) return false;
        if (depth_ < 0) {
            while (true) {
                if (!read()) return finish();
                if (type() == XML_READER_TYPE_ELEMENT && name() == std::string_view("RECORDS")) break;
            }
            depth_ = xmlTextReaderDepth(r());
            if (xmlTextReaderIsEmptyElement(r())) return finish();
        }
        while (read()) {
            int depth = xmlTextReaderDepth(r());
            if (type() == XML_READER_TYPE_END_ELEMENT && depth == depth_) return finish();
            if (type() == XML_READER_TYPE_ELEMENT && depth == depth_ + 1 && name() == std::string_view("RECORD")) {
                record(names, texts);
                return true;
            }
        }
        return finish();
    }

private:
    XmlRecords() = default;

    void begin() {
        if (!reader_)
            throw gobj::Error("default", -1, _("load xml document failed."));
        xmlTextReaderSetStructuredErrorHandler(reader_.get(), &XmlRecords::on_error, this);
    }

    static void on_error(void* data, xmlErrorPtr error) {
        auto* self = static_cast<XmlRecords*>(data);
        if (!self->error_.empty() || !error || error->level < XML_ERR_ERROR) return;
        std::string message = error->message ? error->message : "";
        while (!message.empty() && g_ascii_isspace(message.back())) message.pop_back();
        self->error_code_ = error->code;
        self->error_line_ = error->line;
        self->error_column_ = error->int2;
        self->error_ = gobj::take_string(
            g_strdup_printf(_("malformed XML at line %d: %s"), error->line, message.c_str()));
    }

    xmlTextReaderPtr r() const { return reader_.get(); }
    int type() const { return xmlTextReaderNodeType(r()); }
    const char* name() const { return c(xmlTextReaderConstName(r())); }

    bool read() {
        int result = xmlTextReaderRead(r());
        if (result < 0) throw gobj::Error("XML", -1, failure());
        if (result == 1 && xmlTextReaderDepth(r()) == 0) {
            // The root element: opened, and closed by its end tag or as an empty element.
            if (type() == XML_READER_TYPE_ELEMENT) root_ = xmlTextReaderIsEmptyElement(r()) ? kClosed : kOpen;
            if (type() == XML_READER_TYPE_END_ELEMENT) root_ = kClosed;
        }
        return result == 1;
    }

    // What went wrong. The parser says "Extra content at the end of the document" of a
    // document that is empty or stops half-way: those are named for what they are. Read
    // only on this path, so a file is read again here.
    std::string failure() const {
        std::string text = text_;
        if (!filename_.empty()) {
            gchar* contents = nullptr;
            gsize length = 0;
            if (g_file_get_contents(filename_.c_str(), &contents, &length, nullptr)) text.assign(contents, length);
            g_free(contents);
        }
        // Where the input ends, as the parser counts: lines from 1, characters from 1.
        const size_t last_break = text.rfind('\n');
        const int end_line = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        const size_t line_start = last_break == std::string::npos ? 0 : last_break + 1;
        const int end_column =
            1 + static_cast<int>(g_utf8_strlen(text.data() + line_start, gssize(text.size() - line_start)));
        // "Extra content" while the root is still open can only be its missing end; other
        // errors stop where the input does.
        const bool ends_early = (error_code_ == XML_ERR_DOCUMENT_END && root_ == kOpen) ||
                                (error_line_ == end_line && error_column_ >= end_column);
        if (ends_early) {
            std::string_view content = text;
            content.remove_prefix(std::min(content.size(), content.find_first_not_of(" \t\r\n")));
            while (!content.empty() && g_ascii_isspace(content.back())) content.remove_suffix(1);
            // Nothing, or a declaration alone.
            if (content.empty() || (content.substr(0, 5) == "<?xml" && content.find("?>") == content.size() - 2))
                return _("the XML document is empty");
            return gobj::take_string(
                g_strdup_printf(_("the XML document is cut short: it ends at line %d before it is complete"),
                                end_line));
        }
        return error_.empty() ? std::string(_("malformed XML document")) : error_;
    }

    // Reads the rest of the document, so that a malformed end is reported too.
    bool finish() {
        while (read()) {
        }
        done_ = true;
        return false;
    }

    void record(std::vector<std::string>& names, std::vector<std::string>& texts) {
        int depth = xmlTextReaderDepth(r());
        bool empty = xmlTextReaderIsEmptyElement(r());
        while (xmlTextReaderMoveToNextAttribute(r()) == 1) {
            names.emplace_back(name());
            texts.emplace_back(c(xmlTextReaderConstValue(r())));
        }
        xmlTextReaderMoveToElement(r());
        if (empty) return;
        constexpr size_t kNone = size_t(-1);
        size_t cell = kNone;  // the column element being read
        while (read()) {
            int at = xmlTextReaderDepth(r());
            int kind = type();
            if (kind == XML_READER_TYPE_END_ELEMENT && at == depth) return;
            if (at == depth + 1 && kind == XML_READER_TYPE_ELEMENT) {
                names.emplace_back(name());
                texts.emplace_back();
                cell = xmlTextReaderIsEmptyElement(r()) ? kNone : texts.size() - 1;
            } else if (at == depth + 1 && kind == XML_READER_TYPE_END_ELEMENT) {
                cell = kNone;
            } else if (at > depth + 1 && cell != kNone &&
                       (kind == XML_READER_TYPE_TEXT || kind == XML_READER_TYPE_CDATA ||
                        kind == XML_READER_TYPE_WHITESPACE || kind == XML_READER_TYPE_SIGNIFICANT_WHITESPACE)) {
                texts[cell] += c(xmlTextReaderConstValue(r()));
            }
        }
    }

    std::string text_;
    std::string filename_;
    gobj::Owned<xmlTextReader, &xmlFreeTextReader> reader_;
    std::string error_;
    int error_code_ = 0, error_line_ = 0, error_column_ = 0;  // of the first error
    enum { kNone, kOpen, kClosed } root_ = kNone;
    int depth_ = -1;
    bool done_ = false;
};

gobj::Ref<providers::contracts::TableModel> load_records(XmlRecords& records, gint row_limit) {
    gobj::Ref<providers::contracts::TableModel> table;
    std::vector<std::string> names, texts;
    gint rows = 0;
    while (records.next(names, texts)) {
        if (!table) table = BaseExtractor::text_table(names);
        BaseExtractor::append_texts(*table, texts);
        if (row_limit > 0 && ++rows >= row_limit) break;
    }
    return table;
}

class XmlImport : public ImportRun {
public:
    using Open = std::function<std::unique_ptr<XmlRecords>()>;
    explicit XmlImport(Open open) : open_(std::move(open)) {}

protected:
    bool next(Record& record) override {
        if (!records_) records_ = open_();
        std::vector<std::string> texts;
        if (!records_->next(record.fields, texts)) return false;
        for (auto& text : texts) record.values.push_back(SourceValue{std::move(text), false});
        return true;
    }
    void succeeded(gint64) override {}
    // Logged only when the import goes on; otherwise the error ends it.
    void failed(const gobj::Error& error, bool go_on) override {
        if (go_on) LoggingService::error(nullptr, "import row failed: %s", error.message().c_str());
    }
    void record_done() override { ++handled_; }
    gint64 count() const override { return handled_; }

private:
    Open open_;
    std::unique_ptr<XmlRecords> records_;
    gint64 handled_ = 0;
};

}  // namespace

gobj::Ref<BaseExtractor::TableModel> XmlExtractor::load_from_file(gint row_limit, ProgressCallback, gpointer) {
    auto records = XmlRecords::of_file(option("FILENAME"));
    return load_records(*records, row_limit);
}

gobj::Ref<BaseExtractor::TableModel> XmlExtractor::load_from_text(const char* textbuffer, ProgressCallback,
                                                                  gpointer) {
    auto records = XmlRecords::of_text(textbuffer);
    return load_records(*records, 0);
}

std::unique_ptr<ImportRun> XmlExtractor::file_run(const Progress&) {
    return std::make_unique<XmlImport>([this] { return XmlRecords::of_file(option("FILENAME")); });
}

std::unique_ptr<ImportRun> XmlExtractor::text_run(std::string text, const Progress&) {
    return std::make_unique<XmlImport>([text = std::move(text)] { return XmlRecords::of_text(text); });
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors
