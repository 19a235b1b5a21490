#include "rezezadovu/supports/log/handler_file_slice.hpp"

#include "rezezadovu/supports/log/formatter_default.hpp"

TARVELIN_LOG_TAG("handler_file_slice")

namespace tarvelin::rezezadovu::supports::log {

TARVELIN_GTYPE(SliceFileLogHandler, "TarvelinRezezadovuSupportsLogSliceFileLogHandler", gobj::Object,
               contracts::log::ILogHandler)

namespace {
bool exists(const std::string& path) {
    auto file = gobj::GPtr<GFile>::adopt(g_file_new_for_path(path.c_str()));
    return g_file_query_exists(file.get(), nullptr);
}

// The size on disk; throws the file system's error.
gint64 size_of(const std::string& path) {
    auto file = gobj::GPtr<GFile>::adopt(g_file_new_for_path(path.c_str()));
    GError* error = nullptr;
    auto info = gobj::GPtr<GFileInfo>::adopt(
        g_file_query_info(file.get(), G_FILE_ATTRIBUTE_STANDARD_SIZE, G_FILE_QUERY_INFO_NONE, nullptr, &error));
    gobj::check(error);
    return g_file_info_get_size(info.get());
}
}  // namespace

gobj::Ref<SliceFileLogHandler> SliceFileLogHandler::create(GType type) {
    return gobj::create<SliceFileLogHandler>(type);
}

void SliceFileLogHandler::constructed() { default_formatter(SimpleFormatter::create()); }

std::string SliceFileLogHandler::file_name(gint64 index) const {
    // Built piece by piece: neither the folder nor the name is ever read as a format.
    std::string base = name_ + "-" + gobj::take_string(g_strdup_printf("%03" G_GINT64_FORMAT, index)) + ".log";
    return gobj::take_string(g_build_filename(folder_.c_str(), base.c_str(), nullptr));
}

void SliceFileLogHandler::initialize(const char* name, const char* folder, gint64 size_max) {
    std::lock_guard guard(lock());
    set_formatter(DefaultFormatter::create());
    size_max_ = size_max;
    name_ = name;
    folder_ = folder;
    index_ = 0;
    open_ = false;

    auto dir = gobj::GPtr<GFile>::adopt(g_file_new_for_path(folder));
    GError* error = nullptr;
    auto entries = gobj::GPtr<GFileEnumerator>::adopt(g_file_enumerate_children(
        dir.get(), G_FILE_ATTRIBUTE_STANDARD_NAME, G_FILE_QUERY_INFO_NOFOLLOW_SYMLINKS, nullptr, &error));
    gobj::check(error);

    // Only this name's own files count: another identifier's "x<name>-007.log" does not.
    std::string escaped = gobj::take_string(g_regex_escape_string(name, -1));
    std::string pattern = "^" + escaped + "-(?<index>[0-9]+)\\.log$";
    GRegex* regex = g_regex_new(pattern.c_str(), GRegexCompileFlags(0), GRegexMatchFlags(0), &error);
    gobj::check(error);
    gint64 newest = 0;
    for (;;) {
        GFileInfo* info = g_file_enumerator_next_file(entries.get(), nullptr, &error);
        if (!info) break;
        GMatchInfo* match = nullptr;
        if (g_regex_match(regex, g_file_info_get_name(info), GRegexMatchFlags(0), &match)) {
            gchar* digits = g_match_info_fetch_named(match, "index");
            gint64 n = g_ascii_strtoll(digits, nullptr, 10);
            if (n > newest && n < G_MAXINT32) newest = n;
            g_free(digits);
        }
        g_match_info_free(match);
        g_object_unref(info);
    }
    g_regex_unref(regex);
    gobj::check(error);
    index_ = newest;
    rotate();
    open_ = true;
}

void SliceFileLogHandler::rotate() {
    close_stream();
    std::string path = file_name(index_);
    while (exists(path)) path = file_name(++index_);
    if (index_ > 0) path = file_name(index_ - 1);
    if (exists(path) && size_max_ > 0) {
        try {
            if (size_of(path) > size_max_) path = file_name(index_);
        } catch (const gobj::Error&) {
            g_warning("handler_file_slice:134: query file info failed: %s", path.c_str());
        }
    }
    auto file = gobj::GPtr<GFile>::adopt(g_file_new_for_path(path.c_str()));
    GError* error = nullptr;
    GFileOutputStream* stream;
    if (exists(path)) {
        current_size_ = size_of(path);
        stream = g_file_append_to(file.get(), G_FILE_CREATE_PRIVATE, nullptr, &error);
    } else {
        current_size_ = 0;
        stream = g_file_create(file.get(), G_FILE_CREATE_PRIVATE, nullptr, &error);
    }
    gobj::check(error);
    stream_ = gobj::GPtr<GFileOutputStream>::adopt(stream);
    current_path_ = path;
}

void SliceFileLogHandler::publish(LogLevel level, const char* server, const char* name, gobj::VaText text) {
    // One lock for the size count, the rotation and the write: a record is never split
    // across files nor interleaved with another.
    std::lock_guard guard(lock());
    if (!open_) return;
    std::optional<std::string> line = make_line(level, server, name, text.text);
    if (!line) return;
    // A full disk or a vanished folder costs this record, never the host process.
    try {
        if (size_max_ > 0) {
            current_size_ += static_cast<gint64>(line->size());
            if (current_size_ > size_max_) rotate();
        }
        if (!stream_) rotate();  // an earlier rotation failed: try again
        GError* error = nullptr;
        g_output_stream_write_all(G_OUTPUT_STREAM(stream_.get()), line->data(), line->size(), nullptr, nullptr, &error);
        gobj::check(error);
    } catch (const gobj::Error& e) {
        g_warning("handler_file_slice:76: Error in FileHandler.publish: %s\n", e.message().c_str());
    }
}

void SliceFileLogHandler::close_stream() {
    auto stream = std::move(stream_);
    current_path_.clear();
    if (!stream) return;
    GError* error = nullptr;
    if (g_output_stream_close(G_OUTPUT_STREAM(stream.get()), nullptr, &error)) return;
    report_close_error(error, "handler_file_slice:85");
}

std::string SliceFileLogHandler::current_path() const {
    std::lock_guard guard(lock());
    return current_path_;
}

void SliceFileLogHandler::close() {
    std::lock_guard guard(lock());
    open_ = false;
    close_stream();
}

}  // namespace tarvelin::rezezadovu::supports::log
