#include "rezezadovu/supports/log/handler_file_temp.hpp"

#include <vector>

#include "rezezadovu/supports/log/formatter_default.hpp"

TARVELIN_LOG_TAG("handler_file_temp")

namespace tarvelin::rezezadovu::supports::log {

TARVELIN_GTYPE(TempFileLogHandler, "TarvelinRezezadovuSupportsLogTempFileLogHandler", gobj::Object,
               contracts::log::ILogHandler)

gobj::Ref<TempFileLogHandler> TempFileLogHandler::create(GType type) { return gobj::create<TempFileLogHandler>(type); }

void TempFileLogHandler::constructed() { default_formatter(SimpleFormatter::create()); }

void TempFileLogHandler::initialize(const char* name) {
    std::lock_guard guard(lock());
    std::string file_template = std::string(name) + "-XXXXXX.log";
    GFileIOStream* stream = nullptr;
    GError* error = nullptr;
    auto file = gobj::GPtr<GFile>::adopt(g_file_new_tmp(file_template.c_str(), &stream, &error));
    if (!file) {
        g_warning("handler_file_temp:27: Failed to open file: %s", error->message);
        g_error_free(error);
        return;
    }
    stream_ = gobj::GPtr<GFileIOStream>::adopt(stream);
    path_ = gobj::take_string(g_file_get_path(file.get()));
}

void TempFileLogHandler::publish(LogLevel level, const char* server, const char* name, gobj::VaText text) {
    std::lock_guard guard(lock());
    if (!stream_) return;
    std::optional<std::string> line = make_line(level, server, name, text.text);
    if (!line) return;
    GError* error = nullptr;
    GOutputStream* out = g_io_stream_get_output_stream(G_IO_STREAM(stream_.get()));
    if (!g_output_stream_write_all(out, line->data(), line->size(), nullptr, nullptr, &error)) {
        g_warning("handler_file_temp:43: Error in FileHandler.publish: %s\n", error->message);
        g_error_free(error);
    }
}

std::string TempFileLogHandler::recent(gpointer) {
    // Reading moves the stream's position: no record may be written meanwhile.
    std::lock_guard guard(lock());
    if (!stream_) return {};
    GSeekable* seekable = G_SEEKABLE(stream_.get());
    GError* error = nullptr;
    auto failed = [&error]() {
        g_warning("handler_file_temp:73: Failed to get recent log: %s", error->message);
        g_clear_error(&error);
    };
    if (!g_output_stream_flush(g_io_stream_get_output_stream(G_IO_STREAM(stream_.get())), nullptr, &error)) {
        failed();
        return {};
    }
    goffset end = g_seekable_tell(seekable);
    bool can_seek = g_seekable_can_seek(seekable);
    if (can_seek && !g_seekable_seek(seekable, 0, G_SEEK_SET, nullptr, &error)) {
        failed();
        return {};
    }
    std::vector<char> buffer(static_cast<size_t>(end) + 1);
    gsize got = 0;
    if (!g_input_stream_read_all(g_io_stream_get_input_stream(G_IO_STREAM(stream_.get())), buffer.data(), buffer.size(),
                                 &got, nullptr, &error)) {
        failed();
        got = 0;
    }
    // Later records are appended after what was there.
    if (can_seek && !g_seekable_seek(seekable, end, G_SEEK_SET, nullptr, &error)) failed();
    return std::string(buffer.data(), got);
}

std::string TempFileLogHandler::path() const {
    std::lock_guard guard(lock());
    return path_;
}

void TempFileLogHandler::close() {
    std::lock_guard guard(lock());
    auto stream = std::move(stream_);
    if (!stream) return;
    GError* error = nullptr;
    if (g_io_stream_close(G_IO_STREAM(stream.get()), nullptr, &error)) return;
    report_close_error(error, "handler_file_temp:84");
}

}  // namespace tarvelin::rezezadovu::supports::log
