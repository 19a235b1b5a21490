#include "rezezadovu/supports/data/extractors/json_extractor.hpp"

#include <tarvelin/providers/value_integer.h>
#include <tarvelin/providers/value_numeric.h>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/supports/data/extractors/import_run.hpp"
#include "rezezadovu/supports/data/extractors/json_text.hpp"

TARVELIN_LOG_TAG("json_extractor")

namespace tarvelin::rezezadovu::supports::data::extractors {

using foundation::LoggingService;

TARVELIN_GTYPE(JsonExtractor, "TarvelinRezezadovuSupportsDataExtractorsJsonExtractor", BaseExtractor,
               contracts::data::IImporter)

gobj::Ref<JsonExtractor> JsonExtractor::create(GType type, const char* file_extension) {
    return made<JsonExtractor>(type, file_extension);
}

namespace {

// Told apart from a malformed document, which the parser reports in JSON_PARSER_ERROR.
gobj::Error shape_error(const char* message) { return gobj::Error("JSON", -1, message); }

// The "RECORDS" array of a document, or the first shape error in the order of checking.
const json::Value& records_of(const json::Value& root) {
    if (!root.is_object()) throw shape_error(_("invalid json format: root object not exist."));
    const json::Value* records = nullptr;
    for (const auto& [name, value] : root.members) {
        if (name == "RECORDS") {
            records = &value;
            break;
        }
    }
    if (!records) throw shape_error(_("invalid json format: RECORDS member not exist."));
    if (records->kind != json::Value::Kind::Array) throw shape_error(_("invalid json format: object array not exist."));
    return *records;
}

bool is_a(GType type, GType kind) { return type != G_TYPE_NONE && g_type_is_a(type, kind); }

// A cell by its column's type and its value's class, as the value's own interfaces give it:
// integers exact (an unsigned value above the signed range by its own digits), numbers
// with every digit the cell holds (which its double may not), a cell of another kind null.
void write_cell(json::Writer& out, providers::contracts::DataType type, GType value_type,
                const std::optional<std::string_view>& text) {
    if (!text) return out.null();
    switch (type) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL:
            return out.null();
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN:
            if (!is_a(value_type, tarvelin_providers_contracts_value_boolean_get_type())) return out.null();
            return out.boolean(*text == "true");
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64:
            // A boolean is an unsigned number too; its text is a word.
            if (is_a(value_type, tarvelin_providers_contracts_value_boolean_get_type()))
                return out.integer(*text == "true" ? 1 : 0);
            if (!is_a(value_type, tarvelin_providers_contracts_iinteger_get_type())) return out.null();
            return out.integer_text(*text);
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE:
            if (!is_a(value_type, tarvelin_providers_contracts_inumeric_get_type())) return out.null();
            return out.number_text(*text);
        default:
            return out.string(*text);
    }
}

std::string read_file(const std::string& filename) {
    gchar* contents = nullptr;
    gsize length = 0;
    GError* error = nullptr;
    g_file_get_contents(filename.c_str(), &contents, &length, &error);
    gobj::check(error);
    std::string text(contents, length);
    g_free(contents);
    return text;
}

}  // namespace

// ---------------------------------------------------------------- export

gint JsonExtractor::render(ExportCells& cells, ExportOutput& output, const Progress& progress) {
    guint total = cells.rows();
    json::Writer out;
    out.begin_object();
    out.member("RECORDS");
    out.begin_array();
    gint number = 0;
    for (guint row = 0; row < total; ++row) {
        out.begin_object();
        for (size_t i = 0; i < cells.columns(); ++i) {
            out.member(cells.name(i));
            GType value_type = G_TYPE_NONE;
            auto text = cells.text(row, i, value_type);
            write_cell(out, cells.type(i), value_type, text);
        }
        out.end_object();
        out.drain([&](std::string_view bytes) { output.write(bytes); });
        progress(total, ++number, "");
    }
    out.end_array();
    out.end_object();
    out.drain([&](std::string_view bytes) { output.write(bytes); });
    return number;
}

gint JsonExtractor::export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                                   gpointer progress_target) {
    return export_file(*model, filename, true, [&](ExportCells& cells, ExportOutput& out) {
        return render(cells, out, Progress{progress, progress_target});
    });
}

gint JsonExtractor::export_to_text(TableModel* model, gchar** buffer, ProgressCallback progress,
                                   gpointer progress_target) {
    return export_text(*model, buffer, [&](ExportCells& cells, ExportOutput& out) {
        return render(cells, out, Progress{progress, progress_target});
    });
}

// ---------------------------------------------------------------- loads

gobj::Ref<BaseExtractor::TableModel> JsonExtractor::load(const std::string& text, gint row_limit) {
    json::Value root = json::parse(text);
    const json::Value& records = records_of(root);
    gobj::Ref<TableModel> table;
    gint rows = 0;
    std::vector<std::optional<std::string>> cells;
    for (const auto& record : records.items) {
        if (!record.is_object()) continue;
        if (!table) {
            Texts names;
            for (const auto& member : record.members) names.push_back(member.first);
            table = text_table(names);
        }
        cells.clear();
        // null as SQL NULL, arrays and objects as their JSON text.
        for (const auto& member : record.members) cells.push_back(member.second.as_text());
        append_cells(*table, cells);
        if (row_limit > 0 && ++rows >= row_limit) break;
    }
    return table;
}

gobj::Ref<BaseExtractor::TableModel> JsonExtractor::load_from_file(gint row_limit, ProgressCallback, gpointer) {
    return load(read_file(required_option("FILENAME")), row_limit);
}

gobj::Ref<BaseExtractor::TableModel> JsonExtractor::load_from_text(const char* textbuffer, ProgressCallback,
                                                                   gpointer) {
    return load(textbuffer, 0);
}

// ---------------------------------------------------------------- import

namespace {

class JsonImport : public ImportRun {
public:
    JsonImport(std::function<std::string()> read, const contracts::data::Progress& progress)
        : read_(std::move(read)), progress_(progress) {}

protected:
    bool next(Record& record) override {
        if (!records_) {
            // Read and parsed on the first record, so that every failure ends the import
            // through its callback.
            root_ = json::parse(read_());
            records_ = &records_of(root_);
        }
        if (at_ >= records_->items.size()) return false;
        const json::Value& element = records_->items[at_++];
        if (!element.is_object()) {
            record.refused = gobj::Error(
                "JSON", -1,
                gobj::take_string(g_strdup_printf(_("invalid json format: record %u is not an object."), guint(at_))));
            return true;
        }
        for (const auto& [name, value] : element.members) {
            record.fields.push_back(name);
            // null goes in as NULL; a string, array or object is a text even when empty.
            auto text = value.as_text();
            bool quoted = value.kind == json::Value::Kind::String || value.kind == json::Value::Kind::Array ||
                          value.kind == json::Value::Kind::Object;
            record.values.push_back(SourceValue{text.value_or(""), quoted});
        }
        return true;
    }
    void succeeded(gint64 affected) override { affected_ += affected; }
    // Logged only when the import goes on; otherwise the error ends it.
    void failed(const gobj::Error& error, bool go_on) override {
        if (go_on) LoggingService::error(nullptr, "import row failed: %s", error.message().c_str());
    }
    void record_done() override { report(progress_, guint(records_->items.size()), affected_, ""); }
    gint64 count() const override { return affected_; }

private:
    std::function<std::string()> read_;
    contracts::data::Progress progress_;
    json::Value root_;
    const json::Value* records_ = nullptr;
    size_t at_ = 0;
    gint64 affected_ = 0;
};

}  // namespace

std::unique_ptr<ImportRun> JsonExtractor::file_run(const Progress& progress) {
    return std::make_unique<JsonImport>([this] { return read_file(required_option("FILENAME")); }, progress);
}

std::unique_ptr<ImportRun> JsonExtractor::text_run(std::string text, const Progress& progress) {
    return std::make_unique<JsonImport>([text = std::move(text)] { return text; }, progress);
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors
