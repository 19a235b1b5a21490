// Levels and the three line forms.
#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include "log_fixture.hpp"
#include "rezezadovu/supports/log/formatter_default.hpp"
#include "rezezadovu/supports/log/handler_file_temp.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::rezezadovu::supports::log;
namespace log = tarvelin::rezezadovu::contracts::log;

namespace {

std::string take(gchar* s) { return gobj::take_string(s); }

TEST(LogLevel, TextForms) {
    struct Case {
        int level;
        const char *text, *number, *color;
    } cases[] = {
        {0, "risky", "0", "red"}, {1, "plain", "1", "blue"}, {2, "debug", "2", "green"}, {7, "7", "7", "black"}};
    for (const auto& c : cases) {
        auto level = TarvelinRezezadovuContractsLogLogLevel(c.level);
        EXPECT_EQ(take(tarvelin_rezezadovu_contracts_log_log_level_to_string(level)), c.text);
        EXPECT_EQ(take(tarvelin_rezezadovu_contracts_log_log_level_to_number(level)), c.number);
        EXPECT_EQ(take(tarvelin_rezezadovu_contracts_log_log_level_to_color(level)), c.color);
    }
    GEnumClass* k = static_cast<GEnumClass*>(g_type_class_ref(log::log_level_gtype()));
    EXPECT_STREQ(g_type_name(log::log_level_gtype()), "TarvelinRezezadovuContractsLogLogLevel");
    EXPECT_STREQ(g_enum_get_value(k, 2)->value_name, "TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_DEBUG");
    g_type_class_unref(k);
}

// Each formatter through the interface, as handlers call it.
std::string format(gobj::Object& f, log::LogLevel level, const char* server, const char* name, const char* fmt) {
    return take(tarvelin_rezezadovu_contracts_log_iformatter_format(
        reinterpret_cast<TarvelinRezezadovuContractsLogIFormatter*>(f.gobj()), level, server, name, fmt));
}

TEST(Formatters, LineTemplates) {
    auto d = DefaultFormatter::create();
    auto s = SimpleFormatter::create();
    auto c = ColorFormatter::create();
    struct Case {
        gobj::Object* formatter;
        log::LogLevel level;
        const char *server, *name, *pattern;
    } cases[] = {
        {d.get(), log::kPlain, "SYS", "SYS", R"(\d{8} \d\d:\d\d:\d\d\.\d{3} \[SYS\]\[SYS\]\[PLAIN\] SQL: %s\n)"},
        {d.get(), log::kRisky, "", "", R"(\d{8} \d\d:\d\d:\d\d\.\d{3} \[\]\[\]\[RISKY\] SQL: %s\n)"},
        {d.get(), log::kDebug, "a", "b", R"(.* \[a\]\[b\]\[DEBUG\] SQL: %s\n)"},
        {s.get(), log::kRisky, "SYS", "SYS", R"(\d\d:\d\d:\d\d\.\d{3} SQL: %s\n)"},
        {c.get(), log::kPlain, "SYS", "SYS",
         "\\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\[SYS {9}\\]\\[SYS {9}\\]\\[\x1b\\[1;34mPLAIN\x1b\\[00m {3}\\] SQL: %s\n"},
        {c.get(), log::kRisky, "a-very-long-server", "n",
         ".*\\[a-very-long-server\\]\\[n {11}\\]\\[\x1b\\[1;31mRISKY\x1b\\[00m {3}\\] SQL: %s\n"},
    };
    for (const auto& k : cases) {
        std::string line = format(*k.formatter, k.level, k.server, k.name, "SQL: %s");
        EXPECT_TRUE(std::regex_match(line, std::regex(k.pattern))) << line;
    }
}

TEST(Formatters, LevelNames) {
    auto d = DefaultFormatter::create();
    auto c = ColorFormatter::create();
    EXPECT_EQ(d->get_level_name(log::kDebug, "", ""), "DEBUG");
    EXPECT_EQ(c->get_level_name(log::kRisky, "", ""), "\x1b[1;31mRISKY\x1b[00m");
    EXPECT_EQ(c->get_level_name(log::kDebug, "", ""), "\x1b[1;32mDEBUG\x1b[00m");
    EXPECT_EQ(c->get_level_name(log::LogLevel(9), "", ""), "\x1b[1;37m9\x1b[00m");
}

TEST(Formatters, MissingArgumentsGiveNullAndTheirCondition) {
    auto d = DefaultFormatter::create();
    LogRecorder recorder;
    auto* f = reinterpret_cast<TarvelinRezezadovuContractsLogIFormatter*>(d.gobj());
    EXPECT_EQ(tarvelin_rezezadovu_contracts_log_iformatter_format(f, log::kPlain, nullptr, "n", "f"), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_log_iformatter_format(f, log::kPlain, "s", nullptr, "f"), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_log_iformatter_format(f, log::kPlain, "s", "n", nullptr), nullptr);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'server != NULL'"), 1);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'name != NULL'"), 1);
    EXPECT_EQ(recorder.count(G_LOG_LEVEL_CRITICAL, "'format != NULL'"), 1);
}

// A "%" in a server or logger name, or in the record's expanded text, is text, whatever
// the handler expands.
TEST(Formatters, PercentInServerAndNameSurvivesExpansion) {
    auto h = TempFileLogHandler::create();
    h->initialize("percent");
    h->set_formatter(DefaultFormatter::create());
    handler_publish(h.gobj(), log::kPlain, "100%s", "%n%d", "rows: %d", 4);
    handler_publish(h.gobj(), log::kPlain, "s", "n", "%d%% of %s", 4, "50%s%%");
    auto lines = lines_of(h->recent(nullptr));
    ASSERT_EQ(lines.size(), 2u) << h->recent(nullptr);
    EXPECT_TRUE(matches(lines[0], R"(.* \[100%s\]\[%n%d\]\[PLAIN\] rows: 4)")) << lines[0];
    EXPECT_TRUE(matches(lines[1], R"(.* \[s\]\[n\]\[PLAIN\] 4% of 50%s%%)")) << lines[1];
    std::string path = h->path();
    h->close();
    g_unlink(path.c_str());
}

}  // namespace
