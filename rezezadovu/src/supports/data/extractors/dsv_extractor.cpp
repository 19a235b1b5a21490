#include "rezezadovu/supports/data/extractors/dsv_extractor.hpp"

#include <functional>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/supports/data/extractors/dsv_format.hpp"
#include "rezezadovu/supports/data/extractors/import_run.hpp"
#include "rezezadovu/supports/data/text_forms.hpp"

TARVELIN_LOG_TAG("dsv_extractor")

namespace tarvelin::rezezadovu::supports::data::extractors {

using foundation::LoggingService;

TARVELIN_GTYPE(DsvExtractor, "TarvelinRezezadovuSupportsDataExtractorsDsvExtractor", BaseExtractor,
               contracts::data::IImporter)

gobj::Ref<DsvExtractor> DsvExtractor::create(GType type, const char* file_extension) {
    return made<DsvExtractor>(type, file_extension);
}

// ---------------------------------------------------------------- export

gint DsvExtractor::export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                                  gpointer progress_target) {
    OutputFile file(filename);
    // Refused options leave the file as it was.
    DsvFormat f = DsvFormat::of(*this);
    ExportCells cells(*model);
    ExportOutput out(file);
    gint written = 0;
    try {
        written = render(f, cells, out, Progress{progress, progress_target});
    } catch (const gobj::Error&) {
        set_replaced_texts(cells.replaced());
        // Rows already written stay; a failing close says more than the first error.
        file.close();
        throw;
    }
    set_replaced_texts(cells.replaced());
    file.close();
    return written;
}

gint DsvExtractor::export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                                  gpointer progress_target) {
    DsvFormat f = DsvFormat::of(*this);
    return export_text(*model, buffer, [&](ExportCells& cells, ExportOutput& out) {
        return render(f, cells, out, Progress{progress, progress_target});
    });
}

gint DsvExtractor::render(const DsvFormat& f, ExportCells& cells, ExportOutput& out, const Progress& report) {
    if (f.has_header) out.write(f.header(cells));
    guint total = cells.rows();
    gint written = 0;
    // Rows by position, read from the cells: the rows are not made.
    for (guint row = 0; row < total; ++row) {
        std::string line = f.line(f.fields(cells, row));
        out.write(line);
        report(total, ++written, line.c_str());
    }
    return written;
}

std::string DsvExtractor::build_dsv_from_row(TableModel* model, RowModel* iter, const char* delimiter,
                                             const char* quote_left, const char* quote_right,
                                             const char* escape_left, const char* escape_right,
                                             const char* null_value, const char* quote_time) {
    DsvFormat f;
    f.column = delimiter;
    f.row.clear();
    f.quote_left = quote_left;
    f.quote_right = quote_right;
    f.escape_left = escape_left;
    f.escape_right = escape_right;
    f.null_value = null_value;
    f.quote_time = quote_time;
    return f.fields(*model, *iter);
}

// ---------------------------------------------------------------- loads

gobj::Ref<BaseExtractor::TableModel> DsvExtractor::load(GInputStream* input, gint row_limit) {
    DsvFormat f = DsvFormat::of(*this);
    DsvReader reader(f, input);
    gobj::Ref<TableModel> table;
    size_t columns = 0;
    bool header = f.has_header;
    gint rows = 0;
    std::vector<SourceValue> fields;
    Texts texts;
    while (reader.next(fields)) {
        if (!table) {
            columns = fields.size();
            Texts names;
            for (size_t i = 0; i < columns; ++i)
                names.push_back(header ? fields[i].text : gobj::take_string(g_strdup_printf("C%d", int(i))));
            table = text_table(names);
            if (header) continue;
        }
        if (fields.size() < columns) continue;
        texts.clear();
        for (auto& field : fields) texts.push_back(std::move(field.text));
        append_texts(*table, texts);
        if (row_limit > 0 && ++rows >= row_limit) break;
    }
    GError* error = nullptr;
    g_input_stream_close(input, nullptr, &error);
    gobj::check(error);
    return table;
}

gobj::Ref<BaseExtractor::TableModel> DsvExtractor::load_from_file(gint row_limit, ProgressCallback, gpointer) {
    auto input = open_input(required_option("FILENAME").c_str(), option_or("ENCODING", "UTF-8"));
    return load(input.get(), row_limit);
}

gobj::Ref<BaseExtractor::TableModel> DsvExtractor::load_from_text(const char* textbuffer, ProgressCallback,
                                                                  gpointer) {
    auto input = text_input(textbuffer);
    return load(input.get(), 0);
}

// ---------------------------------------------------------------- import

namespace {

class DsvImport : public ImportRun {
public:
    using Open = std::function<gobj::GPtr<GInputStream>()>;
    DsvImport(BaseExtractor& extractor, Open open) : extractor_(extractor), open_(std::move(open)) {}

protected:
    bool next(Record& record) override {
        if (!reader_) {
            // Opened on the first read, so that a missing file ends the import through its callback.
            format_ = DsvFormat::of(extractor_);
            gchar** names = g_strsplit(extractor_.required_option("COLUMNS").c_str(), ",", -1);
            for (gchar** n = names; *n; ++n) columns_.emplace_back(*n);
            g_strfreev(names);
            input_ = open_();
            reader_ = std::make_unique<DsvReader>(format_, input_.get());
            header_pending_ = format_.has_header;
        }
        std::vector<SourceValue> fields;
        while (reader_->next(fields)) {
            if (header_pending_) {
                header_pending_ = false;
                minimum_ = fields.size();
                ++consumed_;
                continue;
            }
            if (fields.size() < minimum_) continue;
            record.fields = columns_;
            record.values = std::move(fields);
            return true;
        }
        return false;
    }
    void succeeded(gint64) override { ++imported_; }
    // Logged whether or not the import goes on.
    void failed(const gobj::Error& error, bool) override {
        LoggingService::error(nullptr, "create row failed:%d -> %s", int(consumed_), error.message().c_str());
    }
    void record_done() override { ++consumed_; }
    void close() override {
        if (!input_) return;
        GError* error = nullptr;
        g_input_stream_close(input_.get(), nullptr, &error);
        gobj::check(error);
    }
    gint64 count() const override { return imported_; }

private:
    BaseExtractor& extractor_;
    Open open_;
    DsvFormat format_;
    std::vector<std::string> columns_;
    gobj::GPtr<GInputStream> input_;
    std::unique_ptr<DsvReader> reader_;
    bool header_pending_ = false;
    size_t minimum_ = 0;
    gint64 consumed_ = 0;
    gint64 imported_ = 0;
};

}  // namespace

std::unique_ptr<ImportRun> DsvExtractor::file_run(const Progress&) {
    auto open = [this] { return open_input(required_option("FILENAME").c_str(), option_or("ENCODING", "UTF-8")); };
    return std::make_unique<DsvImport>(*this, open);
}

std::unique_ptr<ImportRun> DsvExtractor::text_run(std::string text, const Progress&) {
    auto input = text_input(text.c_str());
    return std::make_unique<DsvImport>(*this, [input] { return input; });
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors
