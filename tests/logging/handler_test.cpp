// The file, console and delegate handlers.
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "log_fixture.hpp"
#include "rezezadovu/supports/log/formatter_default.hpp"
#include "rezezadovu/supports/log/handler_console.hpp"
#include "rezezadovu/supports/log/handler_delegate.hpp"
#include "rezezadovu/supports/log/handler_file_slice.hpp"
#include "rezezadovu/supports/log/handler_file_temp.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::rezezadovu::supports::log;
namespace log = tarvelin::rezezadovu::contracts::log;

namespace {

std::string numbered(const std::string& name, int n) {
    return name + gobj::take_string(g_strdup_printf("-%03d.log", n));
}

// A slice handler over a folder, writing lines of exact length through PlainFormatter.
class Slice : public testing::Test {
protected:
    gobj::Ref<SliceFileLogHandler> open(gint64 size_max, const std::string& name = "A") {
        auto h = SliceFileLogHandler::create();
        h->initialize(name.c_str(), dir.path().c_str(), size_max);
        h->set_formatter(gobj::Ref<log::IFormatter>::adopt(g_object_new(PlainFormatter::gtype(), nullptr)));
        return h;
    }
    // One line of `n` bytes, line break included.
    void write(SliceFileLogHandler& h, size_t n, char fill = 'x') {
        std::string body(n - 1, fill);
        handler_publish(h.gobj(), log::kPlain, "SYS", "SYS", "%s", body.c_str());
    }
    std::string file(const std::string& name, int n) { return read_file(dir.file(numbered(name, n))); }
    TempDir dir;
};

TEST_F(Slice, EmptyFolderStartsAtZero) {
    auto h = open(100);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"A-000.log"});
    EXPECT_EQ(file("A", 0), "");
    GStatBuf st;
    ASSERT_EQ(g_stat(dir.file("A-000.log").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);  // the owner's only
    EXPECT_EQ(h->recent(nullptr), "");
    // initialize installs the full-line formatter.
    auto fresh = SliceFileLogHandler::create();
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(fresh->get_formatter(), SimpleFormatter::gtype()));
    TempDir other;
    fresh->initialize("B", other.path().c_str(), 0);
    EXPECT_EQ(G_OBJECT_TYPE(fresh->get_formatter()), DefaultFormatter::gtype());
}

TEST_F(Slice, TwoSixtyByteLinesPerHundredByteFile) {
    auto h = open(100);
    for (int i = 0; i < 5; ++i) write(*h, 60, char('a' + i));
    EXPECT_EQ(file("A", 0), std::string(59, 'a') + "\n" + std::string(59, 'b') + "\n");
    EXPECT_EQ(file("A", 1), std::string(59, 'c') + "\n" + std::string(59, 'd') + "\n");
    EXPECT_EQ(file("A", 2), std::string(59, 'e') + "\n");
}

TEST_F(Slice, ResumesTheNewestFileOrStartsTheNext) {
    struct Case {
        gint64 size_max;
        size_t newest_size;
        int written_to;
    } cases[] = {{100, 100, 4}, {100, 101, 5}, {0, 5000, 4}, {-1, 5000, 4}};
    for (const auto& c : cases) {
        TempDir folder;
        for (int i = 0; i < 5; ++i)
            write_file(folder.file(numbered("A", i)), std::string(i == 4 ? c.newest_size : 10, '.'));
        write_file(folder.file("xA-009.log"), "someone else's");  // another identifier
        write_file(folder.file("A-007.log.bak"), "not a log");
        auto h = SliceFileLogHandler::create();
        h->initialize("A", folder.path().c_str(), c.size_max);
        handler_publish(h.gobj(), log::kPlain, "", "", "line");
        EXPECT_EQ(h->current_path(), folder.file(numbered("A", c.written_to))) << c.size_max << "/" << c.newest_size;
        EXPECT_TRUE(g_str_has_suffix(read_file(folder.file(numbered("A", c.written_to))).c_str(), "line\n"));
    }
}

TEST_F(Slice, NoRotationWithoutALimit) {
    auto h = open(0);
    for (int i = 0; i < 50; ++i) write(*h, 100);
    EXPECT_EQ(dir.entries().size(), 1u);
    EXPECT_EQ(file("A", 0).size(), 5000u);
}

TEST_F(Slice, NumbersGrowPastThreeDigits) {
    write_file(dir.file("A-999.log"), std::string(150, '.'));
    auto h = open(100);
    write(*h, 10);
    EXPECT_EQ(file("A", 1000), std::string(9, 'x') + "\n");
    h->close();
    auto again = open(100);  // the newest is 1000, not over the limit
    write(*again, 10, 'y');
    EXPECT_EQ(file("A", 1000), std::string(9, 'x') + "\n" + std::string(9, 'y') + "\n");
}

TEST_F(Slice, NamesAreNeitherFormatsNorPatterns) {
    auto h = open(50, "50%d.[x]");
    write(*h, 60);
    write(*h, 60);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"50%d.[x]-000.log", "50%d.[x]-001.log"}));
    h->close();
    auto again = open(50, "50%d.[x]");
    EXPECT_EQ(again->current_path(), dir.file("50%d.[x]-002.log"));
}

TEST_F(Slice, MissingFolderIsReported) {
    auto h = SliceFileLogHandler::create();
    std::string missing = dir.file("missing");
    try {
        h->initialize("A", missing.c_str(), 100);
        FAIL() << "no error";
    } catch (const gobj::Error& e) {
        EXPECT_EQ(e.domain(), G_IO_ERROR);
        EXPECT_EQ(e.code(), G_IO_ERROR_NOT_FOUND);
    }
    GError* error = nullptr;
    tarvelin_rezezadovu_supports_log_slice_file_log_handler_initialize(
        reinterpret_cast<TarvelinRezezadovuSupportsLogSliceFileLogHandler*>(h.gobj()), "A", missing.c_str(), 100,
        &error);
    ASSERT_NE(error, nullptr);
    EXPECT_TRUE(g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND));
    g_error_free(error);
    handler_publish(h.gobj(), log::kPlain, "", "", "dropped quietly");
}

// A full disk costs the record, never the process.
TEST_F(Slice, WriteFailureIsAWarningAndTheRecordIsDropped) {
    if (!g_file_test("/dev/full", G_FILE_TEST_EXISTS)) GTEST_SKIP() << "no /dev/full";
    ASSERT_EQ(symlink("/dev/full", dir.file("A-000.log").c_str()), 0);
    auto h = open(0);
    LogRecorder recorder;
    write(*h, 20);
    write(*h, 20);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_WARNING, "handler_file_slice:76: Error in FileHandler.publish: "), 2);
}

TEST_F(Slice, ThresholdAndNotifications) {
    auto h = open(0);
    int notified = 0;
    g_signal_connect_swapped(h.gobj(), "notify::threshold", G_CALLBACK(+[](int* n) { ++*n; }), &notified);
    EXPECT_EQ(h->get_threshold(), log::kPlain);
    g_object_set(h.gobj(), "threshold", log::kPlain, nullptr);
    EXPECT_EQ(notified, 0);
    h->set_threshold(log::kRisky);
    EXPECT_EQ(notified, 1);
    handler_publish(h.gobj(), log::kPlain, "", "", "plain");
    handler_publish(h.gobj(), log::kRisky, "", "", "risky");
    h->set_threshold(log::kPlain);
    handler_publish(h.gobj(), log::kDebug, "", "", "debug");
    handler_publish(h.gobj(), log::kPlain, "", "", "plain again");
    EXPECT_EQ(file("A", 0), "risky\nplain again\n");
    GParamSpec* p = g_object_class_find_property(G_OBJECT_GET_CLASS(h.gobj()), "threshold");
    EXPECT_EQ(G_PARAM_SPEC_ENUM(p)->default_value, log::kPlain);
}

TEST(TempFile, RecentGivesTheWholeFileAndWritingContinues) {
    auto h = TempFileLogHandler::create();
    h->initialize("temp-recent");
    EXPECT_TRUE(matches(h->path(), R"(.*/temp-recent-\w{6}\.log)")) << h->path();
    for (int i = 1; i <= 3; ++i) handler_publish(h.gobj(), log::kPlain, "", "", "record %d", i);
    auto lines = lines_of(h->recent(nullptr));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(matches(lines[2], std::string(kSimpleLine) + "record 3"));
    handler_publish(h.gobj(), log::kRisky, "", "", "record %d", 4);
    handler_publish(h.gobj(), log::kDebug, "", "", "filtered");
    lines = lines_of(h->recent(nullptr));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(matches(lines[3], std::string(kSimpleLine) + "record 4"));
    std::string path = h->path();
    h->close();
    EXPECT_EQ(lines_of(read_file(path)).size(), 4u);  // kept on disk
    EXPECT_EQ(h->recent(nullptr), "");
    g_unlink(path.c_str());
}

TEST(TempFile, UnusableNameLeavesAHandlerThatWritesNothing) {
    LogRecorder recorder;
    auto h = TempFileLogHandler::create();
    h->initialize("no/such/dir");
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_WARNING, "handler_file_temp:27: Failed to open file: "), 1);
    handler_publish(h.gobj(), log::kPlain, "", "", "lost");
    EXPECT_EQ(h->recent(nullptr), "");
}

TEST(Handlers, MissingRecordFieldsAreRefused) {
    auto h = TempFileLogHandler::create();
    h->initialize("refused");
    LogRecorder recorder;
    handler_publish(h.gobj(), log::kPlain, nullptr, "", "x");
    handler_publish(h.gobj(), log::kPlain, "", nullptr, "x");
    handler_publish(h.gobj(), log::kPlain, "", "", nullptr);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'server != NULL'"), 1);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'name != NULL'"), 1);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'format != NULL'"), 1);
    EXPECT_EQ(h->recent(nullptr), "");
    std::string path = h->path();
    h->close();
    g_unlink(path.c_str());
}

TEST(GLibHandler, ForwardsEveryLevelIgnoringTheThreshold) {
    auto h = GLibLogHandler::create();
    h->set_threshold(log::kRisky);
    LogRecorder recorder;
    handler_publish(h.gobj(), log::kRisky, "s", "n", "bad %d", 1);
    handler_publish(h.gobj(), log::kPlain, "s", "n", "plain %s", "x");
    handler_publish(h.gobj(), log::kDebug, "s", "n", "debug %d", 3);
    handler_publish(h.gobj(), log::LogLevel(5), "s", "n", "nothing");
    auto e = recorder.records();
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].level, G_LOG_LEVEL_WARNING);
    EXPECT_EQ(e[0].message, "handler_console:23: bad 1");
    EXPECT_EQ(e[1].level, G_LOG_LEVEL_MESSAGE);
    EXPECT_EQ(e[1].message, "handler_console:26: plain x");
    EXPECT_EQ(e[2].level, G_LOG_LEVEL_DEBUG);
    EXPECT_EQ(e[2].message, "handler_console:29: debug 3");
    EXPECT_EQ(h->recent(nullptr), "");
}

struct Watched {
    std::string text;
    int calls = 0;
};
gboolean read_channel(GIOChannel* channel, GIOCondition, gpointer data) {
    auto* w = static_cast<Watched*>(data);
    ++w->calls;
    gchar* chunk = nullptr;
    gsize length = 0;
    if (g_io_channel_read_to_end(channel, &chunk, &length, nullptr) == G_IO_STATUS_NORMAL && chunk) {
        w->text.append(chunk, length);
    }
    g_free(chunk);
    return TRUE;
}

TEST(DelegateHandler, MarkupLinesReachTheHostsWatch) {
    auto h = DelegateHandler::create();
    Watched seen;
    handler_publish(h.gobj(), log::kPlain, "", "", "before initialize");  // dropped quietly
    h->initialize(&read_channel, &seen);
    std::string path = h->path();
    EXPECT_TRUE(matches(path, R"(.*/tarvelin-\w{6}\.txt)")) << path;
    handler_publish(h.gobj(), log::kPlain, "", "", "affected rows: %d", 3);
    handler_publish(h.gobj(), log::kRisky, "", "", "a < b && %s", "bad\xff");
    handler_publish(h.gobj(), log::kDebug, "", "", "filtered");
    for (int i = 0; i < 5 && seen.text.empty(); ++i) g_main_context_iteration(nullptr, FALSE);
    auto lines = lines_of(seen.text);
    ASSERT_EQ(lines.size(), 2u) << seen.text;
    EXPECT_TRUE(matches(lines[0], R"(\d\d:\d\d:\d\d\.\d{3}   <span foreground="blue">affected rows: 3</span>)"))
        << lines[0];
    EXPECT_TRUE(matches(lines[1],
                        "\\d\\d:\\d\\d:\\d\\d\\.\\d{3}   <span foreground=\"red\">a &lt; b &amp;&amp; "
                        "bad\xef\xbf\xbd</span>"))
        << lines[1];

    h->close();
    h->close();
    EXPECT_FALSE(g_file_test(path.c_str(), G_FILE_TEST_EXISTS));
    int calls = seen.calls;
    handler_publish(h.gobj(), log::kPlain, "", "", "after close");
    g_main_context_iteration(nullptr, FALSE);
    EXPECT_EQ(seen.calls, calls);
}

}  // namespace
