// The host's start-up order through the facade: registry, manager registration,
// initialise, then records by identifier into the temporary and the main logs.
#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include <barrier>
#include <deque>
#include <map>
#include <thread>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "log_fixture.hpp"
#include "rezezadovu/supports/log/manager.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using tarvelin::rezezadovu::foundation::LoggingService;
using tarvelin::rezezadovu::foundation::Services;
namespace log = tarvelin::rezezadovu::contracts::log;

namespace {

// Starts the stack as a host does; each test has its own default identifier and folder.
class Facade : public testing::Test {
protected:
    void SetUp() override {
        Services::initialize();
        Services::register_type(log::ILogManager::gtype(), rezezadovu::supports::log::LogManager::gtype());
        LoggingService::initialize(id_.c_str(), log::kPlain, dir_.path().c_str(), 0x100000);
        ASSERT_NE(LoggingService::get_manager(), nullptr);
    }
    void TearDown() override {
        LoggingService::shutdown();
        // The temporary logs of this test's identifiers.
        GDir* tmp = g_dir_open(g_get_tmp_dir(), 0, nullptr);
        while (const char* name = tmp ? g_dir_read_name(tmp) : nullptr) {
            if (g_str_has_prefix(name, id_.c_str()))
                g_unlink(gobj::take_string(g_build_filename(g_get_tmp_dir(), name, nullptr)).c_str());
        }
        if (tmp) g_dir_close(tmp);
    }

    // A connection identifier of this test.
    const char* cid(const char* name) { return ids_.emplace_back(id_ + "." + name).c_str(); }

    TarvelinRezezadovuContractsLogILogManager* manager() { return LoggingService::get_manager(); }
    std::string main_log(int n = 0) {
        return read_file(dir_.file(id_ + "-" + gobj::take_string(g_strdup_printf("%03d", n)) + ".log"));
    }
    // The identifier's logger, as a new reference.
    gobj::GPtr<GObject> logger(const char* uuid) {
        return gobj::GPtr<GObject>::adopt(
            reinterpret_cast<GObject*>(tarvelin_rezezadovu_contracts_log_ilog_manager_open(manager(), uuid)));
    }
    std::string recent(const char* uuid) {
        auto l = logger(uuid);
        return gobj::take_string(tarvelin_rezezadovu_contracts_log_ilogger_recent(
            reinterpret_cast<TarvelinRezezadovuContractsLogILogger*>(l.get()), nullptr));
    }

    std::string id_ = "host-" + gobj::take_string(g_uuid_string_random());
    std::deque<std::string> ids_;
    TempDir dir_;
};

TEST_F(Facade, MainLogLineWithoutIdentifier) {
    LoggingService::info(nullptr, "SQL: %s", "select 1");
    LoggingService::info(id_.c_str(), "SQL: %s", "select 2");  // the default identifier: main log only
    auto lines = lines_of(main_log());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(matches(lines[0], std::string(kDefaultLine) + "SQL: select 1")) << lines[0];
    EXPECT_TRUE(matches(lines[0], R"(.*\[SYS\]\[SYS\]\[PLAIN\] .*)")) << lines[0];
    EXPECT_TRUE(matches(lines[1], std::string(kDefaultLine) + "SQL: select 2")) << lines[1];
    EXPECT_EQ(dir_.entries(), std::vector<std::string>{id_ + "-000.log"});
}

TEST_F(Facade, IdentifierGoesToItsTemporaryLogThenToTheMainLog) {
    LoggingService::info(cid("conn-1"), "affected rows: %d", 3);
    LoggingService::warning(cid("conn-1"), "%s and %s", "first", "second");
    auto temp = lines_of(recent(cid("conn-1")));
    ASSERT_EQ(temp.size(), 2u);
    EXPECT_TRUE(matches(temp[0], std::string(kSimpleLine) + "affected rows: 3")) << temp[0];
    EXPECT_TRUE(matches(temp[1], std::string(kSimpleLine) + "first and second")) << temp[1];
    auto main = lines_of(main_log());
    ASSERT_EQ(main.size(), 2u);
    // Loggers opened per identifier carry no server and no name.
    EXPECT_TRUE(matches(main[0], R"(\d{8} \d\d:\d\d:\d\d\.\d{3} \[\]\[\]\[PLAIN\] affected rows: 3)")) << main[0];
    EXPECT_TRUE(matches(main[1], R"(.*\[\]\[\]\[RISKY\] first and second)")) << main[1];
}

TEST_F(Facade, LevelsAtPlain) {
    LoggingService::debug(nullptr, "hidden %d", 1);
    LoggingService::debug(cid("conn-d"), "hidden %d", 2);
    LoggingService::error(nullptr, "e");
    LoggingService::critical(nullptr, "c");
    LoggingService::warning(nullptr, "w");
    LoggingService::message(nullptr, "m");
    auto main = lines_of(main_log());
    ASSERT_EQ(main.size(), 4u);
    const char* expected[][2] = {{"RISKY", "e"}, {"RISKY", "c"}, {"RISKY", "w"}, {"PLAIN", "m"}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(matches(main[i], std::string(R"(.*\[)") + expected[i][0] + R"(\] )" + expected[i][1])) << main[i];
    }
    EXPECT_EQ(recent(cid("conn-d")), "");
}

TEST_F(Facade, NullFormatWritesNothing) {
    LogRecorder recorder;
    tarvelin_rezezadovu_foundation_logging_service_info(nullptr, nullptr);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "format != NULL"), 1);
    EXPECT_EQ(main_log(), "");
}

TEST_F(Facade, PercentInIdentifiersIsText) {
    LoggingService::info(cid("50%s-%n"), "x=%d", 5);
    EXPECT_TRUE(matches(recent(cid("50%s-%n")), std::string(kSimpleLine) + "x=5\n"));
}

TEST_F(Facade, RotationAcrossNumberedFilesAndResumeAfterRestart) {
    LoggingService::initialize(id_.c_str(), log::kPlain, dir_.path().c_str(), 300);
    for (int i = 0; i < 12; ++i) LoggingService::info(nullptr, "record number %02d of the rotation test", i);
    auto names = dir_.entries();
    ASSERT_GE(names.size(), 3u);
    int total = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], id_ + gobj::take_string(g_strdup_printf("-%03zu.log", i)));
        auto content = read_file(dir_.file(names[i]));
        auto lines = lines_of(content);
        total += static_cast<int>(lines.size());
        // A file keeps receiving lines until it has passed the limit.
        if (i + 1 < names.size()) {
            EXPECT_GT(content.size(), 300u);
            EXPECT_LE(content.size() - lines.back().size() - 1, 300u);
        }
    }
    EXPECT_EQ(total, 12);

    // A restart with a larger limit continues the newest file.
    std::string newest = names.back();
    size_t before = read_file(dir_.file(newest)).size();
    LoggingService::shutdown();
    LoggingService::initialize(id_.c_str(), log::kPlain, dir_.path().c_str(), 0x100000);
    LoggingService::info(nullptr, "after restart");
    EXPECT_EQ(dir_.entries(), names);
    auto lines = lines_of(read_file(dir_.file(newest)));
    EXPECT_GT(read_file(dir_.file(newest)).size(), before);
    EXPECT_TRUE(matches(lines.back(), std::string(kDefaultLine) + "after restart"));
}

TEST_F(Facade, ShutdownThenOpenAgain) {
    LoggingService::info(cid("conn-s"), "before");
    auto first = logger(cid("conn-s"));
    LoggingService::shutdown();
    LoggingService::info(nullptr, "dropped");
    LoggingService::info(cid("conn-s"), "after");
    auto second = logger(cid("conn-s"));
    EXPECT_NE(first.get(), second.get());
    EXPECT_TRUE(matches(recent(cid("conn-s")), std::string(kSimpleLine) + "after\n"));
    EXPECT_EQ(lines_of(main_log()).size(), 1u);  // "before" only: the main logger is closed

    // Initialising again opens the main log anew.
    LoggingService::initialize(id_.c_str(), log::kPlain, dir_.path().c_str(), 0x100000);
    LoggingService::info(nullptr, "reopened");
    auto main = lines_of(main_log());
    ASSERT_EQ(main.size(), 2u);
    EXPECT_TRUE(matches(main[1], std::string(kDefaultLine) + "reopened"));
}

TEST_F(Facade, SecondInitializeMovesTheMainLogAndKeepsOtherLoggers) {
    LoggingService::info(cid("conn-k"), "one");
    TempDir other;
    LoggingService::initialize(id_.c_str(), log::kDebug, other.path().c_str(), 0x100000);
    LoggingService::debug(cid("conn-k"), "two");
    LoggingService::info(cid("conn-k"), "three");
    EXPECT_EQ(lines_of(recent(cid("conn-k"))).size(), 2u);  // temp logs stay at PLAIN
    auto moved = lines_of(read_file(other.file(id_ + "-000.log")));
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_TRUE(matches(moved[0], R"(.*\[DEBUG\] two)"));
    EXPECT_EQ(lines_of(main_log()).size(), 1u);
}

TEST_F(Facade, EightThreadsTwoIdentifiersNoLineLostNorInterleaved) {
    constexpr int kThreads = 8, kRecords = 250;
    const char* odd = cid("conn-odd");
    const char* even = cid("conn-even");
    std::barrier start(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const char* uuid = t % 2 ? odd : even;
            start.arrive_and_wait();
            for (int i = 0; i < kRecords; ++i) {
                LoggingService::info(uuid, "thread %d record %d %s", t, i, "payload-payload-payload");
            }
        });
    }
    for (auto& th : threads) th.join();

    auto check = [&](const std::vector<std::string>& lines, const std::string& pattern, int parity) {
        std::map<int, int> next;  // per thread, records arrive in order
        std::regex re(pattern);
        for (const auto& line : lines) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(line, m, re)) << line;
            int t = std::stoi(m[1]), i = std::stoi(m[2]);
            if (parity >= 0) {
                EXPECT_EQ(t % 2, parity);
            }
            EXPECT_EQ(next[t]++, i);
        }
    };
    auto main = lines_of(main_log());
    EXPECT_EQ(main.size(), size_t(kThreads * kRecords));
    check(main, std::string(kDefaultLine) + R"(thread (\d+) record (\d+) payload-payload-payload)", -1);
    for (int parity : {0, 1}) {
        auto temp = lines_of(recent(parity ? odd : even));
        EXPECT_EQ(temp.size(), size_t(kThreads / 2 * kRecords));
        check(temp, std::string(kSimpleLine) + R"(thread (\d+) record (\d+) payload-payload-payload)", parity);
    }
}

}  // namespace

// The facade before any manager: one critical, nothing else.
// The temporary log files of an identifier in the temporary directory.
int temp_logs_of(const std::string& uuid) {
    int n = 0;
    GDir* tmp = g_dir_open(g_get_tmp_dir(), 0, nullptr);
    while (const char* name = tmp ? g_dir_read_name(tmp) : nullptr)
        n += g_str_has_prefix(name, (uuid + "-").c_str()) && g_str_has_suffix(name, ".log");
    if (tmp) g_dir_close(tmp);
    return n;
}

TEST_F(Facade, AnIdentifiersLogLivesWhileItIsHeld) {
    const char* conn = cid("conn");
    LoggingService::hold(conn);
    LoggingService::hold(conn);
    LoggingService::info(conn, "first %d", 1);
    EXPECT_EQ(temp_logs_of(conn), 1);
    LoggingService::release(conn);
    // Still held once: the same file goes on.
    LoggingService::info(conn, "second %d", 2);
    EXPECT_EQ(temp_logs_of(conn), 1);
    EXPECT_EQ(lines_of(recent(conn)).size(), 2u);
    LoggingService::release(conn);
    EXPECT_EQ(temp_logs_of(conn), 0);
    // Releasing more than was held, or what was never held, changes nothing.
    LoggingService::release(conn);
    LoggingService::release(cid("never"));
    // The next user starts a new file; the main log kept every line.
    LoggingService::hold(conn);
    LoggingService::info(conn, "third %d", 3);
    EXPECT_EQ(lines_of(recent(conn)).size(), 1u);
    LoggingService::release(conn);
    EXPECT_EQ(temp_logs_of(conn), 0);
    EXPECT_EQ(lines_of(main_log()).size(), 3u);
}

TEST_F(Facade, ReleasingTheDefaultIdentifierKeepsTheMainLog) {
    LoggingService::hold(id_);
    LoggingService::release(id_);
    LoggingService::info(nullptr, "%s", "still written");
    EXPECT_EQ(lines_of(main_log()).size(), 1u);
}

TEST_F(Facade, ShutdownRemovesTheTemporaryLogsItHad) {
    const char* held = cid("held");
    const char* unheld = cid("unheld");
    LoggingService::hold(held);
    LoggingService::info(held, "%s", "a");
    LoggingService::info(unheld, "%s", "b");
    EXPECT_EQ(temp_logs_of(held) + temp_logs_of(unheld), 2);
    LoggingService::shutdown();
    EXPECT_EQ(temp_logs_of(held) + temp_logs_of(unheld), 0);
    LoggingService::release(held);
}

// Users come and go on several threads while others write: a logger is closed only when
// its last user has gone, so no record reaches a closed logger, and nothing is left.
TEST_F(Facade, UsersOnManyThreadsLeaveNoLogBehind) {
    const char* shared = cid("shared");
    constexpr int kThreads = 8, kRounds = 200;
    std::barrier start(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            for (int i = 0; i < kRounds; ++i) {
                LoggingService::hold(shared);
                LoggingService::info(shared, "thread %d round %d", t, i);
                LoggingService::release(shared);
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(temp_logs_of(shared), 0);
    EXPECT_EQ(lines_of(main_log()).size(), static_cast<size_t>(kThreads * kRounds));
}

TEST(FacadeUnstarted, LogsACriticalAndDoesNothing) {
    if (LoggingService::get_manager()) GTEST_SKIP() << "the facade was started earlier in this process";
    LogRecorder recorder;
    LoggingService::info("x", "nothing %d", 1);
    LoggingService::shutdown();
    auto entries = recorder.records();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_NE(entries[0].message.find("self != NULL"), std::string::npos);
    // Without a registered ILogManager, initialize cannot get one.
    recorder.clear();
    Services::initialize();
    LoggingService::initialize("A", log::kPlain, "/tmp", 0);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "null != s_Log_manager"), 1);
    EXPECT_EQ(LoggingService::get_manager(), nullptr);
}
