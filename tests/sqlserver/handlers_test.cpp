// db-lib's process-wide error and message handlers, called directly on a live
// connection to the scripted peer (so dbgetuserdata reaches the provider's record).
#include <gtest/gtest.h>

#include "providers/contracts/face_server.hpp"
#include "support/driver_checks.hpp"
#include "support/tds_peer.hpp"
#include "providers/supports/sqlserver/provider.hpp"
#include "providers/supports/sqlserver/tds_message.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::supports::sqlserver;

namespace {

class SqlServerHandlersTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto s = providers::contracts::Server::create();
        s->set_host(std::string("127.0.0.1"));
        s->set_port(peer.port());
        s->set_username(std::string("sa"));
        provider->open(*s, "x");
        conn = provider->connection();
        ASSERT_NE(conn, nullptr);
    }
    TdsUserData& data() { return *provider->get_userdata(); }
    int error(int dberr, int oserr = -1, const char* text = "db-lib text", const char* ostext = nullptr) {
        return SQLServerProvider::error_handler(conn, 6, dberr, oserr, const_cast<char*>(text),
                                                const_cast<char*>(ostext));
    }
    int message(int msgno, int severity, const char* text = "server text") {
        return SQLServerProvider::message_handler(conn, msgno, 1, severity, const_cast<char*>(text),
                                                  const_cast<char*>("srv"), const_cast<char*>("proc"), 3);
    }
    // Error number and source of the newest report.
    std::pair<gint32, std::string> newest() {
        auto m = gobj::Ref<TdsMessage>::adopt(gee_deque_peek_tail(GEE_DEQUE(data().messages)));
        return {m->get_error(), m->get_source()};
    }

    test::LogCapture log;
    test::TdsPeer peer;
    gobj::Ref<SQLServerProvider> provider = SQLServerProvider::create();
    DBPROCESS* conn = nullptr;
};

}  // namespace

TEST_F(SqlServerHandlersTest, FirstTimeoutWaitsAgainAndTheSecondCancels) {
    EXPECT_EQ(error(SYBETIME), INT_TIMEOUT);
    EXPECT_TRUE(data().timed_out);
    EXPECT_TRUE(data().failed);
    EXPECT_EQ(error(SYBETIME), INT_CANCEL);
    EXPECT_EQ(message_count(data()), 2);
    EXPECT_EQ(newest(), (std::pair<gint32, std::string>{SYBETIME, "SQL"}));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "dberr=20003,oserrstr=,dberrstr=db-lib text"));
}

TEST_F(SqlServerHandlersTest, OperatingSystemErrorIsQueuedAsLibraryAndCancels) {
    EXPECT_EQ(error(0, 104, "ignored", "Connection reset by peer"), INT_CANCEL);
    ASSERT_EQ(message_count(data()), 1);
    auto m = gobj::Ref<TdsMessage>::adopt(gee_queue_peek(GEE_QUEUE(data().messages)));
    EXPECT_EQ(m->get_error(), 104);
    EXPECT_EQ(m->get_severity(), 6);
    EXPECT_STREQ(m->get_source(), "Library");
    EXPECT_STREQ(m->get_message(), "Connection reset by peer");
    EXPECT_FALSE(data().failed);
}

TEST_F(SqlServerHandlersTest, OtherErrorsAreQueuedAndCancel) {
    EXPECT_EQ(error(SYBESMSG), INT_CANCEL);
    EXPECT_EQ(error(2402), INT_CANCEL);
    EXPECT_EQ(message_count(data()), 2);
    EXPECT_FALSE(data().failed);
    EXPECT_FALSE(data().dead);  // the connection is alive: no dead-connection step
}

TEST_F(SqlServerHandlersTest, MessagesAreQueuedAboveSeverityTen) {
    struct Case {
        int msgno, severity;
        bool queued;
    } cases[] = {{5701, 16, false}, {5703, 16, false}, {0, 0, false}, {50000, 10, false}, {208, 11, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.msgno);
        int before = message_count(data());
        EXPECT_EQ(message(c.msgno, c.severity), 0);
        EXPECT_EQ(message_count(data()), before + (c.queued ? 1 : 0));
    }
    EXPECT_TRUE(data().failed);
    EXPECT_EQ(newest(), (std::pair<gint32, std::string>{208, "message"}));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "server=srv,severity=10,msgno=50000,msgtext=server text,proc=proc,line=3"));
}

TEST_F(SqlServerHandlersTest, WriteFailureAfterDeathIsDroppedUnqueued) {
    data().dead = TRUE;
    EXPECT_EQ(error(SYBEWRIT), INT_CANCEL);
    EXPECT_EQ(message_count(data()), 0);
    EXPECT_FALSE(data().failed);
    data().dead = FALSE;
    data().cancelled = TRUE;
    EXPECT_EQ(error(SYBEWRIT), INT_CANCEL);
    EXPECT_EQ(message_count(data()), 0);
    data().cancelled = FALSE;
    EXPECT_EQ(error(SYBEWRIT), INT_CANCEL);
    EXPECT_EQ(message_count(data()), 1);
    EXPECT_TRUE(data().failed);
}

TEST_F(SqlServerHandlersTest, NoConnectionOrNoUserDataAnswersWithoutQueuing) {
    // db-lib reports with a NULL connection when handed none: the handler must not ask
    // db-lib about it (that would report again, for ever).
    EXPECT_EQ(SQLServerProvider::error_handler(nullptr, 9, SYBENULL, -1, const_cast<char*>("NULL DBPROCESS"), nullptr),
              INT_CANCEL);
    EXPECT_EQ(SQLServerProvider::message_handler(nullptr, 208, 1, 16, const_cast<char*>("x"), nullptr, nullptr, 0), 0);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "no TDS user data"), 2);
    dbsetuserdata(conn, nullptr);
    EXPECT_EQ(error(SYBESMSG), INT_CANCEL);
    EXPECT_EQ(message(208, 16), 0);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "no TDS user data"), 4);
    dbsetuserdata(conn, reinterpret_cast<BYTE*>(&data()));
    EXPECT_EQ(message_count(data()), 0);
}
