#include "rezezadovu/supports/log/handler_delegate.hpp"

#include <glib/gstdio.h>
#include <unistd.h>

#include "rezezadovu/helpers/helper_date_time.hpp"
#include "rezezadovu/supports/log/formatter_default.hpp"

TARVELIN_LOG_TAG("handler_delegate")

namespace tarvelin::rezezadovu::supports::log {

TARVELIN_GTYPE(DelegateHandler, "TarvelinRezezadovuSupportsLogDelegateHandler", gobj::Object,
               contracts::log::ILogHandler)

gobj::Ref<DelegateHandler> DelegateHandler::create(GType type) { return gobj::create<DelegateHandler>(type); }

void DelegateHandler::constructed() { default_formatter(DefaultFormatter::create()); }

void DelegateHandler::dispose() { close(); }

void DelegateHandler::initialize(GIOFunc func, gpointer user_data) {
    std::lock_guard guard(lock());
    // A unique name in the temporary directory: two handlers, or two processes, never
    // share (or truncate) each other's file.
    GError* error = nullptr;
    gchar* name = nullptr;
    int fd = g_file_open_tmp("tarvelin-XXXXXX.txt", &name, &error);
    GIOChannel* reader = nullptr;
    if (fd >= 0) reader = g_io_channel_new_file(name, "r", &error);
    if (!reader) {
        gobj::Error e(error);
        if (fd >= 0) {
            ::close(fd);
            g_unlink(name);
        }
        g_free(name);
        if (e.domain() == G_FILE_ERROR) {
            g_warning("handler_delegate:31: Failed to open channel: %s", e.message().c_str());
        } else {
            TARVELIN_UNEXPECTED(e);
        }
        return;
    }
    close();
    path_ = gobj::take_string(name);
    writer_ = g_io_channel_unix_new(fd);
    g_io_channel_set_close_on_unref(writer_, TRUE);
    g_io_channel_set_encoding(writer_, nullptr, nullptr);
    g_io_channel_set_buffered(writer_, TRUE);
    g_io_channel_set_buffer_size(writer_, 0x100000);
    reader_ = reader;
    g_io_channel_set_encoding(reader_, nullptr, nullptr);
    watch_ = g_io_add_watch_full(reader_, G_PRIORITY_DEFAULT_IDLE, G_IO_IN, func, user_data, nullptr);
}

void DelegateHandler::publish(LogLevel level, const char*, const char*, gobj::VaText text) {
    std::lock_guard guard(lock());
    if (!contracts::log::level_passes(level, get_threshold()) || !writer_) return;
    gchar* valid = g_utf8_make_valid(text.text.c_str(), -1);
    // The line is markup: the record's own "<" and "&" must stay text.
    gchar* message = g_markup_escape_text(valid, -1);
    g_free(valid);
    std::string time = helpers::DateTimeHelper::datetime_as_string_ms("%H:%M:%S", "%03lli").value_or("");
    std::string color = contracts::log::log_level_to_color(level);
    std::string line = gobj::take_string(
        g_strdup_printf("%s   <span foreground=\"%s\">%s</span>\n", time.c_str(), color.c_str(), message));
    g_free(message);
    GError* error = nullptr;
    gsize written = 0;
    // Flushed at once, so the host sees every line as soon as it is logged.
    if (g_io_channel_write_chars(writer_, line.data(), static_cast<gssize>(line.size()), &written, &error) !=
            G_IO_STATUS_NORMAL ||
        g_io_channel_flush(writer_, &error) != G_IO_STATUS_NORMAL) {
        g_warning("handler_delegate:51: Failed to write channel: %s", error ? error->message : "");
        g_clear_error(&error);
    }
}

void DelegateHandler::remove_watch() {
    if (watch_) g_source_remove(watch_);
    watch_ = 0;
}

void DelegateHandler::drop_channels() {
    for (GIOChannel** channel : {&writer_, &reader_}) {
        if (!*channel) continue;
        GError* error = nullptr;
        if (g_io_channel_shutdown(*channel, FALSE, &error) != G_IO_STATUS_NORMAL && error) {
            g_warning("handler_delegate:71: Failed to close channel: %s", error->message);
            g_clear_error(&error);
        }
        g_io_channel_unref(*channel);
        *channel = nullptr;
    }
    if (!path_.empty()) g_unlink(path_.c_str());
    path_.clear();
}

std::string DelegateHandler::path() const {
    std::lock_guard guard(lock());
    return path_;
}

void DelegateHandler::close() {
    std::lock_guard guard(lock());
    remove_watch();
    drop_channels();
}

}  // namespace tarvelin::rezezadovu::supports::log
