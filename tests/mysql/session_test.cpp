// Sessions that end under a provider: a transaction whose session the server killed is
// reported lost (never continued on a new autocommit session), and get_is_opened answers
// while a statement runs on another thread. Also: texts keep an embedded NUL.
#include <atomic>
#include <thread>

#include "live.hpp"
#include "providers/contracts/model_table.hpp"
#include "providers/contracts/value_string.hpp"

namespace tarvelin::test::mysql {
namespace {

class MysqlSession : public Live {
protected:
    // Ends the provider's session from a second connection, as a server restart or an
    // administrator would.
    void kill_session() {
        std::string id = text("SELECT CONNECTION_ID()");
        exec("KILL " + id, other());
    }
    std::string count() { return text("SELECT COUNT(*) FROM " + table_, other()); }
};

TEST_P(MysqlSession, ATransactionWhoseSessionWasKilledIsLost) {
    exec("CREATE TABLE " + table_ + " (a INT) ENGINE=InnoDB");
    enum End { kRollback, kCommit };
    struct Case {
        const char* what;
        bool insert_before_kill;
        End end;
    } cases[] = {
        {"insert, kill, insert, roll back", true, kRollback},
        {"insert, kill, insert, commit", true, kCommit},
        {"kill right after the transaction began", false, kCommit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(gobj::call<&PV::transaction>(provider_));
        if (c.insert_before_kill) exec("INSERT INTO " + table_ + " VALUES (1)");
        kill_session();
        expect_error([&] { exec("INSERT INTO " + table_ + " VALUES (2)"); }, 2013, "transaction was lost");
        // Nothing more runs as part of it on some new session either.
        expect_error([&] { exec("INSERT INTO " + table_ + " VALUES (3)"); }, 2013, "transaction was lost");
        if (c.end == kRollback) {
            expect_error([&] { gobj::call<&PV::rollback>(provider_); }, 2013, "transaction was lost");
        } else {
            expect_error([&] { gobj::call<&PV::commit>(provider_); }, 2013, "transaction was lost");
        }
        EXPECT_EQ(count(), "0");
        // Once the loss is acknowledged, the provider reconnects as before.
        exec("INSERT INTO " + table_ + " VALUES (4)");
        EXPECT_EQ(count(), "1");
        exec("DELETE FROM " + table_);
    }
}

TEST_P(MysqlSession, OutsideATransactionALostSessionReconnects) {
    std::string before = text("SELECT CONNECTION_ID()");
    kill_session();
    // The library may report the loss once before it reconnects.
    std::optional<std::string> after;
    for (int attempt = 0; attempt < 2 && !after; ++attempt) {
        try {
            after = text("SELECT CONNECTION_ID()");
        } catch (const gobj::Error&) {
        }
    }
    ASSERT_TRUE(after.has_value());
    EXPECT_NE(*after, before);
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(provider_));
}

TEST_P(MysqlSession, IsOpenedAnswersWhileAStatementRuns) {
    std::atomic<bool> started = false, finished = false;
    std::thread worker([&] {
        started = true;
        text("SELECT SLEEP(2)");
        finished = true;
    });
    while (!started) g_usleep(1000);
    g_usleep(300 * 1000);  // the statement holds the provider by now
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(provider_));
    EXPECT_FALSE(finished) << "get_is_opened waited for the statement";
    worker.join();
    gobj::call<&PV::close>(provider_);
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(provider_));
}

TEST_P(MysqlSession, TextWithANulKeepsEveryByte) {
    auto m = model("SELECT CONCAT('a', CHAR(0 USING utf8mb4), 'bc') AS s, 'plain' AS p");
    ASSERT_EQ(m->get_rows().size(), 1);
    auto cell = m->get_rows().at(0)->get_value_at(0);
    ASSERT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(cell.gobj(), providers::contracts::ValueString::gtype()));
    EXPECT_EQ(*gobj::cast<providers::contracts::ValueString>(cell.gobj())->text(), std::string("a\0bc", 4));
    EXPECT_EQ(m->get_rows().at(0)->get_value_at(1)->to_string(), "plain");
}

INSTANTIATE_TEST_SUITE_P(Drivers, MysqlSession, testing::Values(&kMySQL, &kMariaDB),
                         [](const auto& info) { return std::string(info.param->domain); });

}  // namespace
}  // namespace tarvelin::test::mysql
