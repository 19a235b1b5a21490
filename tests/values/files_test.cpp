// Loading and saving text and byte cells, on the test's main loop.
#include <tarvelin/providers/providers.h>

#include <glib/gstdio.h>

#include <vector>

#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_file.hpp"
#include "providers/contracts/value_string.hpp"
#include "value_test_support.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using value_test::NotifyCounter;
using value_test::read_file;
using value_test::run_async;
using value_test::TempDir;
using value_test::write_file;

namespace {

// Runs one load or save of `v` through the C face on a main loop; returns its error.
template <class V>
GError* file_operation(V* v, const std::string& path, void (*start)(V*, const gchar*, GAsyncReadyCallback, gpointer),
                       void (*finish)(V*, GAsyncResult*, GError**)) {
    GAsyncResult* res = run_async([&](GAsyncReadyCallback cb, gpointer data) { start(v, path.c_str(), cb, data); });
    GError* error = nullptr;
    finish(v, res, &error);
    g_object_unref(res);
    return error;
}
GError* load_text(TarvelinProvidersContractsValueString* v, const std::string& path) {
    return file_operation(v, path, tarvelin_providers_contracts_value_string_load,
                          tarvelin_providers_contracts_value_string_load_finish);
}
GError* save_text(TarvelinProvidersContractsValueString* v, const std::string& path) {
    return file_operation(v, path, tarvelin_providers_contracts_value_string_save,
                          tarvelin_providers_contracts_value_string_save_finish);
}
GError* load_binary(TarvelinProvidersContractsValueBinary* v, const std::string& path) {
    return file_operation(v, path, tarvelin_providers_contracts_value_binary_load,
                          tarvelin_providers_contracts_value_binary_load_finish);
}
GError* save_binary(TarvelinProvidersContractsValueBinary* v, const std::string& path) {
    return file_operation(v, path, tarvelin_providers_contracts_value_binary_save,
                          tarvelin_providers_contracts_value_binary_save_finish);
}

std::string held_bytes(TarvelinProvidersContractsValueBinary* v) {
    GBytes* b = tarvelin_providers_contracts_value_binary_get_itsvalue(v);
    if (!b) return "(none)";
    gsize size = 0;
    const char* data = static_cast<const char*>(g_bytes_get_data(b, &size));
    return std::string(data ? data : "", size);
}

std::string pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + i % 26);
    return s;
}

}  // namespace

TEST(ValueFiles, LoadTextLineByLine) {
    struct Case {
        std::string content;
        std::string loaded;
    } cases[] = {
        {"a\nb", "a\nb\n"},
        {"a\nb\n", "a\nb\n"},
        {"one\r\ntwo\r\n", "one\r\ntwo\r\n"},
        {"", ""},
        {"\n\n", "\n\n"},
        {std::string("ab\0cd\nef", 8), "ab\nef\n"},  // a line is taken up to its first zero byte
    };
    TempDir dir;
    std::string path = dir.file("text.txt");
    for (const auto& c : cases) {
        write_file(path, c.content);
        auto* v = tarvelin_providers_contracts_value_string_new("before");
        NotifyCounter n(v, "itsvalue");
        GError* error = load_text(v, path);
        EXPECT_EQ(error, nullptr);
        EXPECT_EQ(std::string(tarvelin_providers_contracts_value_string_get_itsvalue(v)), c.loaded);
        EXPECT_EQ(n.count, 0);  // loading announces nothing
        g_object_unref(v);
    }
}

TEST(ValueFiles, LoadTextMissingFileOrFailure) {
    TempDir dir;
    auto* v = tarvelin_providers_contracts_value_xml_new("kept");
    auto* s = TARVELIN_PROVIDERS_CONTRACTS_VALUE_STRING(v);
    NotifyCounter n(v, "itsvalue");
    EXPECT_EQ(load_text(s, dir.file("missing.txt")), nullptr);
    EXPECT_STREQ(tarvelin_providers_contracts_value_string_get_itsvalue(s), "kept");
    // A directory cannot be read: the file-system error comes back, the text stays.
    GError* error = load_text(s, dir.path());
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->domain, G_IO_ERROR);
    g_error_free(error);
    EXPECT_STREQ(tarvelin_providers_contracts_value_string_get_itsvalue(s), "kept");
    EXPECT_EQ(n.count, 0);
    g_object_unref(v);
}

TEST(ValueFiles, SaveText) {
    TempDir dir;
    std::string path = dir.file("out.txt");
    struct Case {
        std::string text;
    } cases[] = {{pattern(2500)}, {""}, {"h\xC3\xA9llo\n"}, {pattern(1024)}};
    for (const auto& c : cases) {
        write_file(path, "previous content that is longer than some texts");
        auto s = ValueString::create(c.text);
        EXPECT_EQ(save_text(TARVELIN_PROVIDERS_CONTRACTS_VALUE_STRING(s.gobj()), path), nullptr);
        EXPECT_EQ(read_file(path), c.text);
    }
    // No text at all: a precondition message and an empty file.
    auto none = ValueString::create("x");
    none->set_itsvalue(nullptr);
    std::string err = value_test::stderr_of(
        [&] { EXPECT_EQ(save_text(TARVELIN_PROVIDERS_CONTRACTS_VALUE_STRING(none.gobj()), path), nullptr); });
    EXPECT_NE(err.find("self != NULL"), std::string::npos);
    EXPECT_EQ(read_file(path), "");

    GError* error = save_text(TARVELIN_PROVIDERS_CONTRACTS_VALUE_STRING(none.gobj()), dir.file("no/such/dir.txt"));
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND));
    g_error_free(error);
}

TEST(ValueFiles, TextRoundTripThroughCpp) {
    TempDir dir;
    std::string path = dir.file("round.txt");
    auto s = ValueJson::create("{\"a\": 1}");
    GAsyncResult* saved = run_async([&](GAsyncReadyCallback cb, gpointer data) { s->save(path.c_str(), cb, data); });
    EXPECT_NO_THROW(s->save_finish(saved));
    g_object_unref(saved);
    auto back = ValueJson::create("");
    GAsyncResult* loaded = run_async([&](GAsyncReadyCallback cb, gpointer data) { back->load(path.c_str(), cb, data); });
    EXPECT_NO_THROW(back->load_finish(loaded));
    g_object_unref(loaded);
    EXPECT_EQ(back->to_string(), "{\"a\": 1}\n");
}

TEST(ValueFiles, LoadBytes) {
    TempDir dir;
    std::string path = dir.file("data.bin");
    for (size_t size : {size_t(3000), size_t(0), size_t(1024), size_t(1025), size_t(1)}) {
        std::string content = pattern(size);
        if (size > 1) content[1] = '\0';
        write_file(path, content);
        auto* v = tarvelin_providers_contracts_value_binary_new(reinterpret_cast<const guint8*>("old"), 3);
        NotifyCounter n(v, "itsvalue");
        EXPECT_EQ(load_binary(v, path), nullptr);
        EXPECT_EQ(held_bytes(v), content) << size;
        EXPECT_EQ(n.count, 0);
        g_object_unref(v);
    }
    auto* v = tarvelin_providers_contracts_value_blob_new(reinterpret_cast<const guint8*>("old"), 3);
    auto* b = TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(v);
    NotifyCounter n(v, "itsvalue");
    EXPECT_EQ(load_binary(b, dir.file("missing.bin")), nullptr);
    EXPECT_EQ(held_bytes(b), "old");
    GError* error = load_binary(b, dir.path());
    ASSERT_NE(error, nullptr);
    g_error_free(error);
    EXPECT_EQ(held_bytes(b), "old");
    EXPECT_EQ(n.count, 0);
    g_object_unref(v);
}

TEST(ValueFiles, SaveBytes) {
    TempDir dir;
    std::string path = dir.file("out.bin");
    for (size_t size : {size_t(1024), size_t(1025), size_t(0), size_t(4096)}) {
        write_file(path, "previous");
        std::string content = pattern(size);
        auto v = ValueBinary::create(content.data(), static_cast<gint32>(size));
        EXPECT_EQ(save_binary(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(v.gobj()), path), nullptr);
        EXPECT_EQ(read_file(path), content) << size;
    }
    // No buffer: the file is created empty.
    GObject* none = G_OBJECT(g_object_new(ValueBinary::gtype(), nullptr));
    std::string fresh = dir.file("fresh.bin");
    EXPECT_EQ(save_binary(TARVELIN_PROVIDERS_CONTRACTS_VALUE_BINARY(none), fresh), nullptr);
    EXPECT_TRUE(g_file_test(fresh.c_str(), G_FILE_TEST_EXISTS));
    EXPECT_EQ(read_file(fresh), "");
    g_object_unref(none);
}

TEST(ValueFiles, ResultOfAnotherValueIsRefused) {
    TempDir dir;
    auto a = ValueString::create("a");
    auto b = ValueString::create("b");
    std::string path = dir.file("a.txt");
    GAsyncResult* res = run_async([&](GAsyncReadyCallback cb, gpointer data) { a->save(path.c_str(), cb, data); });
    EXPECT_THROW(b->save_finish(res), gobj::Error);
    EXPECT_NO_THROW(a->save_finish(res));
    g_object_unref(res);
}

// ---------------------------------------------------------------- chunked writes

namespace {
// An output stream that records each write request and accepts at most `limit` bytes of it.
struct Recording {
    GOutputStream parent;
    std::vector<gsize>* requests;
    std::string* written;
    gsize limit;
};
struct RecordingClass {
    GOutputStreamClass parent;
};

gssize recording_write(GOutputStream* stream, const void* buffer, gsize count, GCancellable*, GError**) {
    auto* self = reinterpret_cast<Recording*>(stream);
    self->requests->push_back(count);
    gsize n = std::min(count, self->limit);
    self->written->append(static_cast<const char*>(buffer), n);
    return static_cast<gssize>(n);
}

GType recording_type() {
    static GType t = g_type_register_static_simple(
        G_TYPE_OUTPUT_STREAM, "ValuesRecordingStream", sizeof(RecordingClass),
        [](gpointer klass, gpointer) { G_OUTPUT_STREAM_CLASS(klass)->write_fn = recording_write; }, sizeof(Recording),
        nullptr, GTypeFlags(0));
    return t;
}

std::vector<gsize> chunks_of(size_t size, gsize limit, std::string* written) {
    std::vector<gsize> requests;
    auto* out = static_cast<Recording*>(g_object_new(recording_type(), nullptr));
    out->requests = &requests;
    out->written = written;
    out->limit = limit;
    std::string content = pattern(size);
    GBytes* data = g_bytes_new(content.data(), content.size());
    auto owner = ValueString::create("");
    GAsyncResult* res = run_async([&](GAsyncReadyCallback cb, gpointer ud) {
        value_file::write_chunks(owner.gobj(), G_OUTPUT_STREAM(out), data, cb, ud);
    });
    EXPECT_NO_THROW(value_file::finish(owner.gobj(), res));
    EXPECT_TRUE(g_output_stream_is_closed(G_OUTPUT_STREAM(out)));
    g_object_unref(res);
    g_bytes_unref(data);
    g_object_unref(out);
    return requests;
}
}  // namespace

TEST(ValueFiles, WritesInRequestsOfAtMost1024Bytes) {
    struct Case {
        size_t size;
        gsize limit;
        std::vector<gsize> requests;
    } cases[] = {
        {2500, 4096, {1024, 1024, 452}},
        {1024, 4096, {1024}},
        {1025, 4096, {1024, 1}},
        {0, 4096, {}},
        // Short writes continue where they stopped.
        {1500, 1000, {1024, 500}},
        {1030, 600, {1024, 430}},
    };
    for (const auto& c : cases) {
        std::string written;
        EXPECT_EQ(chunks_of(c.size, c.limit, &written), c.requests) << c.size << "/" << c.limit;
        EXPECT_EQ(written, pattern(c.size));
    }
}
