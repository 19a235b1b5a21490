// Handlers used from several threads at once: records stay whole and none is lost while
// another thread swaps the formatter, rotates, reads back or closes.
#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <set>
#include <thread>
#include <vector>

#include "log_fixture.hpp"
#include "rezezadovu/supports/log/formatter_default.hpp"
#include "rezezadovu/supports/log/handler_delegate.hpp"
#include "rezezadovu/supports/log/handler_file_slice.hpp"
#include "rezezadovu/supports/log/handler_file_temp.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::rezezadovu::supports::log;
namespace log = tarvelin::rezezadovu::contracts::log;

namespace {

constexpr int kPublishers = 8;
constexpr int kRecords = 400;

// A record as PlainFormatter or SimpleFormatter writes it: "t03 r0127", with or without
// the time in front.
const char* kRecordLine = R"((?:\d\d:\d\d:\d\d\.\d{3} )?t\d\d r\d{4})";

// Eight threads publish kRecords records each while `meddle` runs over and over on
// another thread; `meddle` runs at least once.
void publish_while(gpointer handler, const std::function<void()>& meddle) {
    std::atomic<int> running{kPublishers};
    std::vector<std::thread> threads;
    for (int t = 0; t < kPublishers; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kRecords; ++i) handler_publish(handler, log::kPlain, "S", "N", "t%02d r%04d", t, i);
            --running;
        });
    }
    std::thread other([&] {
        do meddle();
        while (running.load() > 0);
    });
    for (auto& t : threads) t.join();
    other.join();
}

gobj::Ref<log::IFormatter> plain_formatter() {
    return gobj::Ref<log::IFormatter>::adopt(g_object_new(PlainFormatter::gtype(), nullptr));
}

// Every line is one whole record and no record appears twice; gives how many there were.
size_t count_whole_records(const std::vector<std::string>& lines) {
    std::set<std::string> seen;
    for (const auto& line : lines) {
        EXPECT_TRUE(matches(line, kRecordLine)) << line;
        std::string record = line.substr(line.size() >= 9 ? line.size() - 9 : 0);
        EXPECT_TRUE(seen.insert(record).second) << "twice: " << record;
    }
    return seen.size();
}

std::vector<std::string> lines_of_folder(const TempDir& dir) {
    std::vector<std::string> all;
    for (const auto& name : dir.entries()) {
        auto lines = lines_of(read_file(dir.file(name)));
        all.insert(all.end(), lines.begin(), lines.end());
    }
    return all;
}

}  // namespace

// Each swap drops the previous formatter's last reference while publishers may be
// formatting with it.
TEST(HandlerThreads, FormatterSwappedWhilePublishing) {
    auto h = TempFileLogHandler::create();
    h->initialize("threads-swap");
    bool simple = false;
    publish_while(h.gobj(), [&] {
        simple = !simple;
        h->set_formatter(simple ? gobj::Ref<log::IFormatter>(SimpleFormatter::create()) : plain_formatter());
    });
    EXPECT_EQ(count_whole_records(lines_of(h->recent(nullptr))), size_t(kPublishers * kRecords));
    std::string path = h->path();
    h->close();
    g_unlink(path.c_str());
}

// Small files: rotation happens many times, from whichever thread fills a file.
TEST(HandlerThreads, SliceRotatesUnderConcurrentPublishing) {
    TempDir dir;
    constexpr gint64 kMax = 200;
    auto h = SliceFileLogHandler::create();
    h->initialize("A", dir.path().c_str(), kMax);
    h->set_formatter(plain_formatter());
    publish_while(h.gobj(), [&] { h->current_path(); });
    h->close();
    EXPECT_EQ(count_whole_records(lines_of_folder(dir)), size_t(kPublishers * kRecords));
    // As with one thread, a file takes lines until it has passed the limit: with lines of
    // ten bytes, every file but the newest holds 210.
    auto names = dir.entries();
    ASSERT_GT(names.size(), 1u);
    names.pop_back();
    for (const auto& name : names) {
        GStatBuf st;
        ASSERT_EQ(g_stat(dir.file(name).c_str(), &st), 0);
        EXPECT_EQ(st.st_size, kMax + 10) << name;
    }
}

TEST(HandlerThreads, RecentReadsBackWhilePublishing) {
    auto h = TempFileLogHandler::create();
    h->initialize("threads-recent");
    h->set_formatter(plain_formatter());
    publish_while(h.gobj(), [&] {
        for (const auto& line : lines_of(h->recent(nullptr))) ASSERT_TRUE(matches(line, kRecordLine)) << line;
    });
    EXPECT_EQ(count_whole_records(lines_of(h->recent(nullptr))), size_t(kPublishers * kRecords));
    std::string path = h->path();
    h->close();
    g_unlink(path.c_str());
}

// Closing while others publish: what was written is whole, and nothing is written after.
TEST(HandlerThreads, CloseRacesPublishing) {
    struct Case {
        const char* name;
        std::function<void(TempDir&, gobj::Ref<HandlerBase>&, std::string& path)> open;
    } cases[] = {
        {"slice",
         [](TempDir& dir, gobj::Ref<HandlerBase>& h, std::string& path) {
             auto s = SliceFileLogHandler::create();
             s->initialize("A", dir.path().c_str(), 300);
             path = dir.path();
             h = s;
         }},
        {"temp",
         [](TempDir&, gobj::Ref<HandlerBase>& h, std::string& path) {
             auto t = TempFileLogHandler::create();
             t->initialize("threads-close");
             path = t->path();
             h = t;
         }},
        {"delegate",
         [](TempDir&, gobj::Ref<HandlerBase>& h, std::string& path) {
             auto d = DelegateHandler::create();
             d->initialize(+[](GIOChannel*, GIOCondition, gpointer) -> gboolean { return TRUE; }, nullptr);
             path = d->path();
             h = d;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogRecorder recorder;
        TempDir dir;
        gobj::Ref<HandlerBase> h;
        std::string path;
        c.open(dir, h, path);
        ASSERT_TRUE(h);
        if (std::string(c.name) != "delegate") h->set_formatter(plain_formatter());
        int rounds = 0;
        publish_while(h.gobj(), [&] {
            if (++rounds == 50) h->close();
        });
        h->close();
        if (std::string(c.name) == "slice") {
            count_whole_records(lines_of_folder(dir));
        } else if (std::string(c.name) == "temp") {
            count_whole_records(lines_of(read_file(path)));
            g_unlink(path.c_str());
        } else {
            EXPECT_FALSE(g_file_test(path.c_str(), G_FILE_TEST_EXISTS));
        }
        EXPECT_EQ(recorder.count(G_LOG_LEVEL_WARNING), 0);
        EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL), 0);
    }
}
