// The Redis provider against the live Redis 7 of scripts/test-servers (skipped locally
// without one, failing under CI=true).
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "providers/contracts/face_provider.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/gee.hpp"
#include "support/driver_checks.hpp"
#include "support/servers.hpp"
#include "providers/supports/redis/provider.hpp"
#include "providers/supports/redis/reader.hpp"
#include "providers/gobj/call.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using PV = providers::contracts::IProvider::Vtable;
using RV = providers::contracts::IDataReader::Vtable;
using test::error_of;
using namespace tarvelin::providers::supports::redis;

namespace {

gobj::Ref<Server> record(const std::string& host, int port) {
    auto s = Server::create();
    s->set_host(host);
    s->set_port(port);
    return s;
}

// Column type and the dumps of the rows of a one-column model.
struct Table {
    DataType type;
    std::vector<std::string> rows;
    bool operator==(const Table&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Table& t) {
    os << "type " << t.type << ":";
    for (const auto& r : t.rows) os << " [" << r << "]";
    return os;
}
Table table(const gobj::Ref<TableModel>& m) {
    Table t{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, {}};
    EXPECT_EQ(m->get_columns().size(), 1);
    if (m->get_columns().size() != 1) return t;
    EXPECT_EQ(m->get_columns().at(0)->get_name().value_or(""), "values");
    t.type = m->get_columns().at(0)->get_data_type();
    for (const auto& row : m->get_rows()) t.rows.push_back(row->get_value_at(0)->dump());
    return t;
}

constexpr auto STRING = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
constexpr auto INT64 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
constexpr auto DBNULL = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL;
const std::string S = "TarvelinProvidersContractsValueString => ";
const std::string I = "TarvelinProvidersContractsValueInt64 => ";

class RedisProviderTest : public ::testing::Test {
protected:
    void SetUp() override {
        address = test::redis_server();
        TARVELIN_REQUIRE_SERVER(address, "Redis");
        gobj::call<&PV::open>(p(), *record(address->host, address->port), "redis");
        // Keys of this run only: the server may be shared.
        prefix = "tarvelin-test:" + std::to_string(getpid()) + ":" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ":";
    }
    void TearDown() override {
        if (!address || !provider->context()) return;
        for (const char* k : {"s", "n", "list", "empty", "key one"}) {
            std::string q = "DEL \"" + prefix + k + "\"";
            try {
                provider->execute_affect(q, true);
            } catch (const gobj::Error&) {
            }
        }
    }
    gpointer p() const { return provider.instance(); }
    std::string key(const char* k) const { return prefix + k; }
    gobj::Ref<TableModel> model(const std::string& command) { return gobj::call<&PV::execute_model>(p(), command, true); }

    test::LogCapture log;
    std::optional<test::RedisAddress> address;
    std::string prefix;
    gobj::Ref<RedisProvider> provider = RedisProvider::create();
};

}  // namespace

TEST_F(RedisProviderTest, PingAndTheOpenedState) {
    EXPECT_EQ(table(model("PING")), (Table{STRING, {S + "PONG"}}));
    // The opened state reports the live connection.
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p()));
    gboolean opened = FALSE;
    g_object_get(provider.gobj(), "is-opened", &opened, nullptr);
    EXPECT_TRUE(opened);
    gobj::call<&PV::close>(p());
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p()));
    gobj::call<&PV::close>(p());

    // Sending without a connection is an error, not a silent nothing.
    gobj::Error e = error_of([&] { model("PING"); });
    EXPECT_STREQ(e.domain_name(), "Redis");
    EXPECT_EQ(e.code(), -1);
    EXPECT_ANY_THROW(gobj::call<&PV::execute_statements>(p(), "PING", true));
}

TEST_F(RedisProviderTest, StringsIntegersAndNil) {
    // Arguments are split at white space, honouring quotes, and sent as they are: a
    // "%s" in the text is data, not a format.
    EXPECT_EQ(table(model("SET " + key("s") + " \"hello world %s %d\"")), (Table{STRING, {S + "OK"}}));
    EXPECT_EQ(table(model("GET " + key("s"))), (Table{STRING, {S + "hello world %s %d"}}));
    model("SET '" + key("key one") + "' 'it\\'s'");
    EXPECT_EQ(table(model("GET \"" + key("key one") + "\"")), (Table{STRING, {S + "it's"}}));

    EXPECT_EQ(table(model("INCRBY " + key("n") + " 41")), (Table{INT64, {I + "41"}}));
    EXPECT_EQ(table(model("INCR " + key("n"))), (Table{INT64, {I + "42"}}));
    EXPECT_EQ(table(model("GET " + key("missing"))),
              (Table{DBNULL, {"TarvelinProvidersContractsValueNull => "}}));
}

TEST_F(RedisProviderTest, ArraysBecomeOneRowPerElement) {
    model("RPUSH " + key("list") + " a \"b c\" d");
    EXPECT_EQ(table(model("LRANGE " + key("list") + " 0 -1")), (Table{STRING, {S + "a", S + "b c", S + "d"}}));
    // An empty array: the column, no rows.
    auto empty = model("LRANGE " + key("empty") + " 0 -1");
    EXPECT_EQ(table(empty), (Table{TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, {}}));
    // A mixed array: the last element decides the column's type; nested arrays are skipped.
    EXPECT_EQ(table(model("EVAL \"return {1, {2, 3}, 'x'}\" 0")), (Table{STRING, {I + "1", S + "x"}}));
    EXPECT_EQ(table(model("EVAL \"return {'x', 7}\" 0")), (Table{INT64, {S + "x", I + "7"}}));
}

TEST_F(RedisProviderTest, ErrorRepliesRaiseRedisErrors) {
    struct Case {
        const char* command;
        const char* start;
    } cases[] = {
        {"NOSUCHCOMMAND a b", "6 : ERR unknown command 'NOSUCHCOMMAND'"},
        {"GET", "6 : ERR wrong number of arguments for 'get' command"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        gobj::Error e = error_of([&] { model(c.command); });
        EXPECT_STREQ(e.domain_name(), "Redis");
        EXPECT_EQ(e.code(), -2);
        EXPECT_EQ(e.message().rfind(c.start, 0), 0u) << e.message();
        EXPECT_ANY_THROW(gobj::call<&PV::execute_statements>(p(), c.command, true));
    }
    // A text that is no command at all.
    for (const char* bad : {"", "   ", "GET \"open"}) {
        gobj::Error e = error_of([&] { model(bad); });
        EXPECT_STREQ(e.domain_name(), "Redis");
        EXPECT_EQ(e.code(), -1);
    }
}

TEST_F(RedisProviderTest, StatementsScalarsAndCounts) {
    auto one = gobj::call<&PV::execute_statements>(p(), "SET " + key("s") + " v", true);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(one[0].get(), ValueString::gtype()));

    model("RPUSH " + key("list") + " 1 2");
    auto list = gobj::call<&PV::execute_statements>(p(), "LRANGE " + key("list") + " 0 -1", true);
    ASSERT_EQ(list.size(), 1u);
    ASSERT_TRUE(GEE_IS_ARRAY_LIST(list[0].get()));
    auto values = gobj::GeeArray<ValueObject>::wrap(GEE_ARRAY_LIST(list[0].get()));
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values.at(1)->dump(), S + "2");

    EXPECT_EQ(gobj::call<&PV::execute_scalar>(p(), "GET " + key("s"), true)->dump(), S + "v");
    EXPECT_EQ(gobj::call<&PV::execute_scalar>(p(), "LRANGE " + key("list") + " 0 -1", true)->dump(), S + "1");
    EXPECT_TRUE(gobj::ref_cast<ValueNull>(gobj::call<&PV::execute_scalar>(p(), "GET " + key("missing"), true)));
    EXPECT_EQ(gobj::call<&PV::execute_affect>(p(), "DEL " + key("s") + " " + key("list") + " " + key("missing"), true), 2);

    // Transactions and the reader reach nothing.
    EXPECT_FALSE(gobj::call<&PV::transaction>(p()));
    gobj::call<&PV::commit>(p());
    gobj::call<&PV::rollback>(p());
    auto reader = gobj::call<&PV::execute_reader>(p(), "GET anything");
    EXPECT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(reader.instance(), RedisReader::gtype()));
    EXPECT_FALSE(gobj::call<&RV::read>(reader.instance()));
}

TEST(RedisProvider, RefusedConnectionGivesTheContextsError) {
    auto provider = RedisProvider::create();
    gobj::Error e = error_of([&] { gobj::call<&PV::open>(provider.instance(), *record("127.0.0.1", test::closed_port()), "x"); });
    EXPECT_STREQ(e.domain_name(), "Redis");
    EXPECT_EQ(e.code(), REDIS_ERR_IO);
    EXPECT_EQ(e.message(), "Connection refused");
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(provider.instance()));
    // The failed context is kept until the next open or close, and refuses to send.
    ASSERT_NE(provider->context(), nullptr);
    EXPECT_ANY_THROW(gobj::call<&PV::execute_model>(provider.instance(), "PING", true));
    gobj::call<&PV::close>(provider.instance());
    EXPECT_EQ(provider->context(), nullptr);
}
