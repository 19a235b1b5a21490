#include "rezezadovu/supports/data/extractors/dsv_format.hpp"

#include <cstring>

#include "rezezadovu/supports/data/text_forms.hpp"

TARVELIN_LOG_TAG("dsv_format")

namespace tarvelin::rezezadovu::supports::data::extractors {

using providers::contracts::RowModel;
using providers::contracts::TableModel;

// ---------------------------------------------------------------- options

DsvFormat DsvFormat::of(const BaseExtractor& extractor) {
    DsvFormat f;
    f.prefix = extractor.option_or("ROW_PREFIX", "");
    f.suffix = extractor.option_or("ROW_SUFFIX", "");
    f.null_value = extractor.option_or("NULL_VALUE", "");
    f.column = extractor.option_or("DELIMITER_COLUMN", ",");
    f.row = extractor.option_or("DELIMITER_ROWNEW", "\n");
    f.quote_time = extractor.option_or("QUOTATION_TIME", "ifneed");
    if (auto header = extractor.option("HAS_HEADER")) f.has_header = *header == "true";
    std::string list = extractor.option_or("QUOTATION_LIST", "");
    if (!list.empty()) {
        std::string first = list.substr(0, list.find(';'));
        gchar** parts = g_strsplit(first.c_str(), "-", -1);
        guint count = g_strv_length(parts);
        if (count >= 4) {
            f.quote_left = parts[0];
            f.quote_right = parts[1];
            f.escape_left = parts[2];
            f.escape_right = parts[3];
        }
        g_strfreev(parts);
        if (count < 4)
            throw gobj::Error("default", -1,
                              gobj::take_string(g_strdup_printf(
                                  _("the option QUOTATION_LIST needs four parts joined by \"-\": %s"), list.c_str())));
    }
    return f;
}

// ---------------------------------------------------------------- writing

bool DsvFormat::needs_quotes(std::string_view text) const {
    if (text.empty() || text == null_value) return true;
    auto holds = [&](const std::string& part) { return !part.empty() && text.find(part) != std::string_view::npos; };
    if (holds(column) || holds(quote_left) || holds(quote_right)) return true;
    // Any character of a longer delimiter: "|" beside "||" could not be told apart from it.
    if (column.size() > 1 && text.find_first_of(column) != std::string_view::npos) return true;
    if (text.find_first_of("\r\n") != std::string_view::npos) return true;
    if (!row.empty() && text.find_first_of(row) != std::string_view::npos) return true;
    // A reader skips a byte order mark at the start of its input: quoted, it stays text.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") return true;
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return blank(text.front()) || blank(text.back());
}

std::string DsvFormat::quoted(std::string_view text) const {
    std::string escaped = replace_all(text, quote_left, escape_left);
    if (quote_left != quote_right) escaped = replace_all(escaped, quote_right, escape_right);
    return quote_left + escaped + quote_right;
}

std::string DsvFormat::field(std::string_view text) const {
    return quote_time == "always" || needs_quotes(text) ? quoted(text) : std::string(text);
}

std::string DsvFormat::header(const ExportCells& cells) const {
    std::string body;
    for (size_t i = 0; i < cells.columns(); ++i) {
        const std::string& name = cells.name(i);
        if (i > 0) body += column;
        body += quote_time == "ifneed" && !needs_quotes(name) ? name : quoted(name);
    }
    return line(body);
}

std::string DsvFormat::fields(const TableModel& model, const RowModel& row_model) const {
    std::string body, repaired;
    int count = model.get_columns().size();
    for (int i = 0; i < count; ++i) {
        if (i > 0) body += column;
        auto value = row_model.get_value_at(i);
        bool was_valid = true;
        body += !value || value->get_is_null() ? null_value : field(valid_utf8(value->exact_text(), repaired, was_valid));
    }
    return body;
}

std::string DsvFormat::fields(ExportCells& cells, guint row) const {
    std::string body;
    for (size_t i = 0; i < cells.columns(); ++i) {
        if (i > 0) body += column;
        auto text = cells.text(row, i);
        body += text ? field(*text) : null_value;
    }
    return body;
}

// ---------------------------------------------------------------- reading

namespace {
constexpr size_t kChunk = 64 * 1024;
}

DsvReader::DsvReader(const DsvFormat& format, GInputStream* input)
    : format_(format), input_(gobj::GPtr<GInputStream>::retain(input)) {
    const auto& q = format_;
    escape_left_ = !q.escape_left.empty() && q.escape_left != q.quote_left;
    escape_right_ = !q.escape_right.empty() && q.escape_right != q.quote_right;
    if (!q.column.empty()) stops_ += q.column[0];
    stops_ += q.row;
    stops_ += '\r';
    if (!q.quote_right.empty()) quote_stops_ += q.quote_right[0];
    if (escape_left_) quote_stops_ += q.escape_left[0];
    if (escape_right_) quote_stops_ += q.escape_right[0];
}

bool DsvReader::fill(size_t want) {
    while (available() < want && !eof_) {
        if (pos_ >= kChunk) {
            buffer_.erase(0, pos_);
            pos_ = 0;
        }
        size_t had = buffer_.size();
        buffer_.resize(had + kChunk);
        GError* error = nullptr;
        gssize n = g_input_stream_read(input_.get(), buffer_.data() + had, kChunk, nullptr, &error);
        buffer_.resize(had + (n > 0 ? size_t(n) : 0));
        gobj::check(error);
        if (n == 0) eof_ = true;
    }
    return available() >= want;
}

bool DsvReader::at(std::string_view text) {
    return fill(text.size()) && std::string_view(buffer_).substr(pos_, text.size()) == text;
}

void DsvReader::strip_suffix(SourceValue& last, std::string& tail) {
    const std::string& suffix = format_.suffix;
    std::string& text = last.quoted ? tail : last.text;
    if (!suffix.empty() && text.size() >= suffix.size() &&
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0)
        text.resize(text.size() - suffix.size());
}

bool DsvReader::next(std::vector<SourceValue>& fields) {
    const DsvFormat& f = format_;
    fields.clear();
    if (!started_) {
        started_ = true;
        if (at("\xEF\xBB\xBF")) pos_ += 3;
    }
    if (!fill(1)) return false;
    ++records_;
    if (!f.prefix.empty() && at(f.prefix)) pos_ += f.prefix.size();
    bool row_has_lf = f.row.find('\n') != std::string::npos;
    while (true) {
        SourceValue cell;
        std::string tail;  // what follows a quoted field's closing quote
        if (!f.quote_left.empty() && at(f.quote_left)) {
            pos_ += f.quote_left.size();
            cell.quoted = true;
            while (true) {
                if (!fill(1))
                    throw gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_DATA,
                                      gobj::take_string(g_strdup_printf(_("unclosed quote in record %" G_GINT64_FORMAT),
                                                                        records_)));
                if (escape_left_ && at(f.escape_left)) {
                    cell.text += f.quote_left;
                    pos_ += f.escape_left.size();
                } else if (escape_right_ && at(f.escape_right)) {
                    cell.text += f.quote_right;
                    pos_ += f.escape_right.size();
                } else if (at(f.quote_right)) {
                    pos_ += f.quote_right.size();
                    break;
                } else {
                    size_t end = buffer_.find_first_of(quote_stops_, pos_ + 1);
                    if (end == std::string::npos) end = buffer_.size();
                    cell.text.append(buffer_, pos_, end - pos_);
                    pos_ = end;
                }
            }
        }
        std::string& run = cell.quoted ? tail : cell.text;
        bool record_end = false;
        while (true) {
            if (!fill(1)) {
                record_end = true;
                break;
            }
            if (!f.column.empty() && at(f.column)) {
                pos_ += f.column.size();
                break;
            }
            char c = buffer_[pos_];
            if (c == '\r' && row_has_lf && fill(2) && buffer_[pos_ + 1] == '\n') {
                pos_ += 2;
                record_end = true;
                break;
            }
            if (f.row.find(c) != std::string::npos) {
                pos_ += 1;
                record_end = true;
                break;
            }
            size_t end = buffer_.find_first_of(stops_, pos_ + 1);
            if (end == std::string::npos) end = buffer_.size();
            run.append(buffer_, pos_, end - pos_);
            pos_ = end;
        }
        if (record_end) strip_suffix(cell, tail);
        cell.text += tail;
        fields.push_back(std::move(cell));
        if (record_end) return true;
    }
}

// ---------------------------------------------------------------- inputs

gobj::GPtr<GInputStream> open_input(const char* filename, const std::string& encoding) {
    auto file = gobj::GPtr<GFile>::adopt(g_file_new_for_path(filename));
    GError* error = nullptr;
    auto stream = gobj::GPtr<GInputStream>::adopt(G_INPUT_STREAM(g_file_read(file.get(), nullptr, &error)));
    gobj::check(error);
    if (encoding == "UTF-8") return stream;
    auto converter =
        gobj::GPtr<GCharsetConverter>::adopt(g_charset_converter_new("UTF-8", encoding.c_str(), &error));
    gobj::check(error);
    return gobj::GPtr<GInputStream>::adopt(g_converter_input_stream_new(stream.get(), G_CONVERTER(converter.get())));
}

gobj::GPtr<GInputStream> text_input(const char* text) {
    return gobj::GPtr<GInputStream>::adopt(g_memory_input_stream_new_from_data(g_strdup(text), strlen(text), g_free));
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors
