// Keys never reach the log, and a key phrase that the option syntax cuts is pointed out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.hpp"
#include "providers/supports/sqlite/key_option.hpp"

using namespace tarvelin::test;
using tarvelin::providers::supports::sqlite::key_from_options;
using tarvelin::providers::supports::sqlite::without_keys;

namespace {

// Every GLib log line of the default domain while it lives.
class LogLines {
public:
    LogLines() {
        id_ = g_log_set_handler(nullptr, GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
                                &LogLines::collect, this);
    }
    ~LogLines() { g_log_remove_handler(nullptr, id_); }
    LogLines(const LogLines&) = delete;
    LogLines& operator=(const LogLines&) = delete;
    std::vector<std::string> lines;
    bool any_holds(const std::string& part) const {
        for (const auto& l : lines)
            if (l.find(part) != std::string::npos) return true;
        return false;
    }

private:
    static void collect(const gchar*, GLogLevelFlags, const gchar* message, gpointer self) {
        static_cast<LogLines*>(self)->lines.emplace_back(message);
    }
    guint id_;
};

}  // namespace

TEST(SqliteKeySecrecy, KeyValuesAreMaskedInStatementTexts) {
    struct Case {
        const char* sql;
        const char* logged;
    } cases[] = {
        {"PRAGMA key='s3cret'", "PRAGMA key=***"},
        {"pragma REKEY = 'it''s'; SELECT 1", "pragma REKEY = ***; SELECT 1"},
        {"PRAGMA main.hexkey(\"00ff\")", "PRAGMA main.hexkey(***)"},
        {"PRAGMA \"aux\".hexrekey = x'00ff'", "PRAGMA \"aux\".hexrekey = ***"},
        {"PRAGMA key=plain;PRAGMA rekey='two'", "PRAGMA key=***;PRAGMA rekey=***"},
        {"ATTACH DATABASE 'b.db' AS b KEY 'other'", "ATTACH DATABASE 'b.db' AS b KEY ***"},
        {"PRAGMA key='unterminated", "PRAGMA key=***"},
        {"SELECT 'key' AS key FROM keys", "SELECT 'key' AS key FROM keys"},
        {"PRAGMA key_count", "PRAGMA key_count"},
    };
    for (const auto& c : cases) EXPECT_EQ(without_keys(c.sql), c.logged) << c.sql;
}

TEST_F(SqliteTest, ExecuteStatementsNeverLogsAKey) {
    LogLines log;
    auto results = provider->execute_statements(
        "CREATE TABLE t(a); PRAGMA rekey='topsecret-one'; PRAGMA key = \"topsecret-two\"; SELECT 1", true);
    EXPECT_EQ(results.size(), 4u);
    EXPECT_TRUE(log.any_holds("Prepare: "));
    EXPECT_FALSE(log.any_holds("topsecret"));
}

TEST(SqliteKeySecrecy, AKeyPhraseCutAfterItsFirstWordIsWarnedAbout) {
    struct Case {
        const char* options;
        const char* key;
        bool warned;
    } cases[] = {
        {"PASSWORD=correct horse battery staple", "correct", true},
        {"PASSWORD=correct,horse", "correct", true},
        {"MODE=rw;PASSWORD=correct ; horse", "correct", true},
        {"PASSWORD=plain", "plain", false},
        {"PASSWORD=plain;MODE=rw CACHE=shared", "plain", false},
        {"PASSWORD=plain ", "plain", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        LogLines log;
        EXPECT_EQ(key_from_options(c.options), c.key);
        EXPECT_EQ(log.any_holds("only its first word is the key"), c.warned);
        EXPECT_FALSE(log.any_holds(c.key));
    }
}
