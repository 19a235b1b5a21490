#include "providers/gobj/error.hpp"
#include "providers/gobj/log.hpp"
#include "rezezadovu/supports/data/text_forms.hpp"

TARVELIN_LOG_TAG("text_forms")

namespace tarvelin::rezezadovu::supports::data {

OutputFile::OutputFile(const char* filename) : file_(gobj::GPtr<GFile>::adopt(g_file_new_for_path(filename))) {
    existed_ = g_file_query_exists(file_.get(), nullptr);
    GError* error = nullptr;
    stream_ = gobj::GPtr<GFileOutputStream>::adopt(
        g_file_replace(file_.get(), nullptr, FALSE, G_FILE_CREATE_NONE, nullptr, &error));
    gobj::check(error);
}

OutputFile::~OutputFile() {
    if (closed_ || !stream_) return;
    // A replacement is written beside the file and moved over it on close; a cancelled
    // close drops it, so the file keeps what it held.
    gobj::GPtr<GCancellable> cancelled = gobj::GPtr<GCancellable>::adopt(g_cancellable_new());
    g_cancellable_cancel(cancelled.get());
    g_output_stream_close(G_OUTPUT_STREAM(stream_.get()), cancelled.get(), nullptr);
    if (!existed_) g_file_delete(file_.get(), nullptr, nullptr);
}

namespace {
constexpr size_t kFileBuffer = 64 * 1024;
}

void OutputFile::write(std::string_view bytes) {
    if (buffer_.capacity() < kFileBuffer) buffer_.reserve(kFileBuffer);
    if (buffer_.size() + bytes.size() > kFileBuffer) write_buffer();
    if (bytes.size() >= kFileBuffer) {
        GError* error = nullptr;
        g_output_stream_write_all(G_OUTPUT_STREAM(stream_.get()), bytes.data(), bytes.size(), nullptr, nullptr, &error);
        gobj::check(error);
        return;
    }
    buffer_.append(bytes);
}

void OutputFile::write_buffer() {
    if (buffer_.empty()) return;
    GError* error = nullptr;
    g_output_stream_write_all(G_OUTPUT_STREAM(stream_.get()), buffer_.data(), buffer_.size(), nullptr, nullptr,
                              &error);
    buffer_.clear();
    gobj::check(error);
}

GOutputStream* OutputFile::stream() {
    write_buffer();
    return G_OUTPUT_STREAM(stream_.get());
}

void OutputFile::close() {
    if (closed_) return;
    closed_ = true;
    GError* error = nullptr;
    try {
        write_buffer();
    } catch (const gobj::Error& e) {
        error = e.to_gerror();
    }
    if (!error) g_output_stream_flush(G_OUTPUT_STREAM(stream_.get()), nullptr, &error);
    // The stream is closed whatever the flush gave; the later error wins, as it says more.
    GError* close_error = nullptr;
    g_output_stream_close(G_OUTPUT_STREAM(stream_.get()), nullptr, &close_error);
    if (close_error) {
        g_clear_error(&error);
        error = close_error;
    }
    gobj::check(error);
}

std::string_view valid_utf8(std::string_view text, std::string& repaired, bool& was_valid) {
    const char* end = nullptr;
    was_valid = g_utf8_validate_len(text.data(), text.size(), &end);
    if (was_valid) return text;
    repaired.clear();
    repaired.reserve(text.size() + 8);
    std::string_view rest = text;
    do {
        size_t good = size_t(end - rest.data());
        repaired.append(rest.data(), good);
        repaired.append("\xEF\xBF\xBD");
        rest.remove_prefix(good + 1);
    } while (!g_utf8_validate_len(rest.data(), rest.size(), &end));
    repaired.append(rest);
    return repaired;
}

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty() || from == to) return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    for (size_t found; (found = text.find(from, at)) != std::string_view::npos; at = found + from.size()) {
        out.append(text, at, found - at);
        out.append(to);
    }
    out.append(text, at);
    return out;
}

std::string html_escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string markdown_cell(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '|') {
            out += "\\|";
        } else if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "<br/>";
        } else if (c == '\n') {
            out += "<br/>";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace tarvelin::rezezadovu::supports::data
