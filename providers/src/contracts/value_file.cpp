#include "providers/contracts/value_file.hpp"

#include <algorithm>
#include <utility>

#include "providers/gobj/barrier.hpp"
#include "providers/gobj/error.hpp"
#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("value_file")

namespace tarvelin::providers::contracts::value_file {

namespace {

constexpr gsize kChunk = 1024;

template <class State>
GTask* new_task(GObject* source, GAsyncReadyCallback callback, gpointer user_data, State* state) {
    GTask* task = g_task_new(source, nullptr, callback, user_data);
    g_task_set_task_data(task, state, [](gpointer p) { delete static_cast<State*>(p); });
    return task;
}
template <class State>
State* state_of(GTask* task) {
    return static_cast<State*>(g_task_get_task_data(task));
}

// Hands the error to the task and drops our reference; true when there was one.
bool failed(GTask* task, GError* error) {
    if (!error) return false;
    g_task_return_error(task, error);
    g_object_unref(task);
    return true;
}
void succeed(GTask* task) {
    g_task_return_boolean(task, TRUE);
    g_object_unref(task);
}

// A missing file completes successfully with nothing read.
bool missing(GTask* task, const char* filename) {
    GFile* file = g_file_new_for_path(filename);
    bool exists = g_file_query_exists(file, nullptr);
    g_object_unref(file);
    if (!exists) succeed(task);
    return !exists;
}

// ---------------------------------------------------------------- lines

struct LineLoad {
    std::function<void(std::string)> store;
    GDataInputStream* reader = nullptr;
    std::string text;
    ~LineLoad() {
        if (reader) g_object_unref(reader);
    }
};

void line_closed(GObject*, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    auto* st = state_of<LineLoad>(task);
    GError* error = nullptr;
    g_input_stream_close_finish(G_INPUT_STREAM(st->reader), res, &error);
    if (failed(task, error)) return;
    gobj::guarded("load", [&] { st->store(std::move(st->text)); });
    succeed(task);
}

void line_read(GObject*, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    auto* st = state_of<LineLoad>(task);
    GError* error = nullptr;
    gsize length = 0;
    char* line = g_data_input_stream_read_line_finish(st->reader, res, &length, &error);
    if (failed(task, error)) return;
    if (!line) {
        g_input_stream_close_async(G_INPUT_STREAM(st->reader), G_PRIORITY_DEFAULT, nullptr, line_closed, task);
        return;
    }
    st->text.append(line);  // up to its first zero byte
    st->text.push_back('\n');
    g_free(line);
    g_data_input_stream_read_line_async(st->reader, G_PRIORITY_DEFAULT, nullptr, line_read, task);
}

void line_opened(GObject* file, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    auto* st = state_of<LineLoad>(task);
    GError* error = nullptr;
    GFileInputStream* in = g_file_read_finish(G_FILE(file), res, &error);
    g_object_unref(file);
    if (failed(task, error)) return;
    st->reader = g_data_input_stream_new(G_INPUT_STREAM(in));
    g_object_unref(in);
    g_data_input_stream_set_newline_type(st->reader, G_DATA_STREAM_NEWLINE_TYPE_LF);
    g_data_input_stream_read_line_async(st->reader, G_PRIORITY_DEFAULT, nullptr, line_read, task);
}

// ---------------------------------------------------------------- bytes

struct ByteLoad {
    std::function<void(GBytes*)> store;
    GFileInputStream* in = nullptr;
    GByteArray* array = g_byte_array_new();
    goffset size = 0;
    guint8 buffer[kChunk];
    ~ByteLoad() {
        if (in) g_object_unref(in);
        if (array) g_byte_array_unref(array);
    }
};

void bytes_closed(GObject*, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    auto* st = state_of<ByteLoad>(task);
    GError* error = nullptr;
    g_input_stream_close_finish(G_INPUT_STREAM(st->in), res, &error);
    if (failed(task, error)) return;
    GBytes* bytes = g_byte_array_free_to_bytes(std::exchange(st->array, nullptr));
    gobj::guarded("load", [&] { st->store(bytes); });
    g_bytes_unref(bytes);
    succeed(task);
}

void bytes_read(GObject*, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    auto* st = state_of<ByteLoad>(task);
    GError* error = nullptr;
    gssize n = g_input_stream_read_finish(G_INPUT_STREAM(st->in), res, &error);
    if (failed(task, error)) return;
    // Stop at the end of the file, or once the size seen at the start is reached (a
    // file that grows meanwhile is not followed).
    if (n == 0 || static_cast<goffset>(st->array->len) >= st->size) {
        g_input_stream_close_async(G_INPUT_STREAM(st->in), G_PRIORITY_DEFAULT, nullptr, bytes_closed, task);
        return;
    }
    g_byte_array_append(st->array, st->buffer, static_cast<guint>(n));
    g_input_stream_read_async(G_INPUT_STREAM(st->in), st->buffer, kChunk, G_PRIORITY_DEFAULT, nullptr, bytes_read,
                              task);
}

void bytes_opened(GObject* file, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    auto* st = state_of<ByteLoad>(task);
    GError* error = nullptr;
    st->in = g_file_read_finish(G_FILE(file), res, &error);
    g_object_unref(file);
    if (failed(task, error)) return;
    auto* seekable = G_SEEKABLE(st->in);
    if (g_seekable_seek(seekable, 0, G_SEEK_END, nullptr, &error)) {
        st->size = g_seekable_tell(seekable);
        g_seekable_seek(seekable, 0, G_SEEK_SET, nullptr, &error);
    }
    if (failed(task, error)) return;
    g_input_stream_read_async(G_INPUT_STREAM(st->in), st->buffer, kChunk, G_PRIORITY_DEFAULT, nullptr, bytes_read,
                              task);
}

// ---------------------------------------------------------------- writing

struct Save {
    GOutputStream* out = nullptr;
    GBytes* data = nullptr;
    gsize written = 0;
    ~Save() {
        if (out) g_object_unref(out);
        if (data) g_bytes_unref(data);
    }
};

void save_closed(GObject*, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    GError* error = nullptr;
    g_output_stream_close_finish(state_of<Save>(task)->out, res, &error);
    if (failed(task, error)) return;
    succeed(task);
}

void write_next(GTask* task);

void chunk_written(GObject*, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    auto* st = state_of<Save>(task);
    GError* error = nullptr;
    gssize n = g_output_stream_write_finish(st->out, res, &error);
    if (failed(task, error)) return;
    st->written += static_cast<gsize>(n);
    write_next(task);
}

void write_next(GTask* task) {
    auto* st = state_of<Save>(task);
    gsize size = 0;
    const auto* bytes = st->data ? static_cast<const guint8*>(g_bytes_get_data(st->data, &size)) : nullptr;
    if (st->written < size) {
        gsize count = std::min(kChunk, size - st->written);
        g_output_stream_write_async(st->out, bytes + st->written, count, G_PRIORITY_DEFAULT, nullptr, chunk_written,
                                    task);
        return;
    }
    g_output_stream_close_async(st->out, G_PRIORITY_DEFAULT, nullptr, save_closed, task);
}

void save_opened(GObject* file, GAsyncResult* res, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    GError* error = nullptr;
    GFileOutputStream* out = g_file_replace_finish(G_FILE(file), res, &error);
    g_object_unref(file);
    if (failed(task, error)) return;
    state_of<Save>(task)->out = G_OUTPUT_STREAM(out);
    write_next(task);
}

}  // namespace

void load_lines(GObject* source, const char* filename, std::function<void(std::string)> store,
                GAsyncReadyCallback callback, gpointer user_data) {
    auto* st = new LineLoad;
    st->store = std::move(store);
    GTask* task = new_task(source, callback, user_data, st);
    if (missing(task, filename)) return;
    g_file_read_async(g_file_new_for_path(filename), G_PRIORITY_DEFAULT, nullptr, line_opened, task);
}

void load_bytes(GObject* source, const char* filename, std::function<void(GBytes*)> store,
                GAsyncReadyCallback callback, gpointer user_data) {
    auto* st = new ByteLoad;
    st->store = std::move(store);
    GTask* task = new_task(source, callback, user_data, st);
    if (missing(task, filename)) return;
    g_file_read_async(g_file_new_for_path(filename), G_PRIORITY_DEFAULT, nullptr, bytes_opened, task);
}

void save_bytes(GObject* source, const char* filename, GBytes* data, GAsyncReadyCallback callback,
                gpointer user_data) {
    auto* st = new Save;
    st->data = data ? g_bytes_ref(data) : nullptr;
    GTask* task = new_task(source, callback, user_data, st);
    g_file_replace_async(g_file_new_for_path(filename), nullptr, FALSE, G_FILE_CREATE_NONE, G_PRIORITY_DEFAULT,
                         nullptr, save_opened, task);
}

void write_chunks(GObject* source, GOutputStream* stream, GBytes* data, GAsyncReadyCallback callback,
                  gpointer user_data) {
    auto* st = new Save;
    st->out = G_OUTPUT_STREAM(g_object_ref(stream));
    st->data = data ? g_bytes_ref(data) : nullptr;
    write_next(new_task(source, callback, user_data, st));
}

void finish(GObject* source, GAsyncResult* result) {
    if (!g_task_is_valid(result, source)) {
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_ARGUMENT, "the result does not belong to this value");
    }
    GError* error = nullptr;
    g_task_propagate_boolean(G_TASK(result), &error);
    gobj::check(error);
}

}  // namespace tarvelin::providers::contracts::value_file
