// The provider contract: the C entries over a C++ provider (the scripted one), errors and
// empty results, preconditions, and a provider written in C that fills nothing.
#include <gtest/gtest.h>

#include <functional>

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/call.hpp"
#include "support/scripted_provider.hpp"

extern "C" {
#include "host_contracts.h"
}

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using PV = providers::contracts::IProvider::Vtable;
using RV = providers::contracts::IDataReader::Vtable;
using gobj::Ref;
using tarvelin::test::ScriptedProvider;

namespace {

constexpr DataType kInt32 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
constexpr DataType kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;

std::string critical_of(const std::function<void()>& call) {
    testing::internal::CaptureStderr();
    call();
    return testing::internal::GetCapturedStderr();
}

struct ProviderTest : testing::Test {
    Ref<ScriptedProvider> provider = ScriptedProvider::create();
    TarvelinProvidersContractsIProvider* c = reinterpret_cast<TarvelinProvidersContractsIProvider*>(provider.gobj());
    Ref<Server> server = Server::create_with_provider("SQLite");
    TarvelinProvidersContractsServer* c_server = reinterpret_cast<TarvelinProvidersContractsServer*>(server.gobj());
    GError* error = nullptr;

    void SetUp() override {
        provider->answer_rows("SELECT id, name FROM t", {{"id", kInt32, "INTEGER", 4}, {"name", kString, "TEXT", 20}},
                              {{1, "one"}, {2, nullptr}});
        provider->answer_affected("UPDATE t SET name = 'x'", 2);
        provider->answer_error("SELECT broken", gobj::Error("Scripted", 1064, "syntax error"));
    }
    void TearDown() override {
        if (error) g_error_free(error);
    }
    void expect_error(int code, const char* message) {
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->domain, g_quark_from_string("Scripted"));
        EXPECT_EQ(error->code, code);
        EXPECT_STREQ(error->message, message);
        g_clear_error(&error);
    }
};

}  // namespace

TEST_F(ProviderTest, OpenedStateThroughEntryAndProperty) {
    auto opened = [&] {
        gboolean p = TRUE;
        g_object_get(provider.gobj(), "is-opened", &p, nullptr);
        EXPECT_EQ(p, tarvelin_providers_contracts_iprovider_get_is_opened(c));
        return p != FALSE;
    };
    EXPECT_FALSE(opened());
    provider->fail("open", gobj::Error("Scripted", 2003, "cannot connect"));
    tarvelin_providers_contracts_iprovider_open(c, c_server, "Data Source=x", &error);
    expect_error(2003, "cannot connect");
    EXPECT_FALSE(opened());
    tarvelin_providers_contracts_iprovider_open(c, c_server, "Data Source=x", &error);
    EXPECT_EQ(error, nullptr);
    EXPECT_TRUE(opened());
    EXPECT_EQ(provider->server(), server);
    EXPECT_EQ(provider->connection_string(), "Data Source=x");
    tarvelin_providers_contracts_iprovider_close(c, &error);
    EXPECT_FALSE(opened());
    EXPECT_EQ(provider->calls("open"), 2);
}

TEST_F(ProviderTest, ExecuteOperationsAndTheirResults) {
    auto table = Ref<TableModel>::adopt(
        tarvelin_providers_contracts_iprovider_execute_model(c, "  SELECT id, name FROM t\n", TRUE, &error));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->get_columns().size(), 2);
    EXPECT_EQ(table->get_columns().at(1)->get_name(), "name");
    EXPECT_EQ(table->get_columns().at(1)->get_data_size(), 20u);
    ASSERT_EQ(table->get_rows().size(), 2);
    EXPECT_EQ(table->get_value_at(1, 0)->to_string(), "one");
    EXPECT_EQ(table->get_value_at(1, 1)->type(), ValueNull::gtype());

    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_affect(c, "UPDATE t SET name = 'x'", FALSE, &error), 2);
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_affect(c, "SELECT id, name FROM t", FALSE, &error), 2);

    auto scalar = Ref<ValueObject>::adopt(
        tarvelin_providers_contracts_iprovider_execute_scalar(c, "SELECT id, name FROM t", TRUE, &error));
    EXPECT_EQ(scalar->to_string(), "1");
    auto count = Ref<ValueObject>::adopt(
        tarvelin_providers_contracts_iprovider_execute_scalar(c, "UPDATE t SET name = 'x'", TRUE, &error));
    EXPECT_EQ(count->type(), ValueUInt64::gtype());
    EXPECT_EQ(error, nullptr);

    gint length = -1;
    GObject** results = tarvelin_providers_contracts_iprovider_execute_statements(
        c, "SELECT id, name FROM t; UPDATE t SET name = 'x';SELECT broken;", TRUE, &length, &error);
    ASSERT_NE(results, nullptr);
    ASSERT_EQ(length, 3);
    EXPECT_EQ(results[3], nullptr);
    EXPECT_EQ(G_OBJECT_TYPE(results[0]), TableModel::gtype());
    EXPECT_EQ(G_OBJECT_TYPE(results[1]), ValueUInt64::gtype());
    EXPECT_EQ(gobj::cast<ValueObject>(results[2])->to_string(), "1064:syntax error");
    for (gint i = 0; i < length; ++i) g_object_unref(results[i]);
    g_free(results);

    auto reader = gobj::call<&PV::execute_reader>(provider.gobj(), "SELECT id, name FROM t");
    EXPECT_TRUE(gobj::call<&RV::read>(reader.instance()));
    EXPECT_EQ(gobj::call<&RV::get_name>(reader.instance(), 0), "id");
    EXPECT_EQ(gobj::call<&RV::get_value>(reader.instance(), 1)->to_string(), "one");

    EXPECT_EQ(provider->statements().front(), "SELECT id, name FROM t");
    EXPECT_EQ(provider->calls("execute_statements"), 1);
}

TEST_F(ProviderTest, RaisedErrorsComeWithTheEmptyResult) {
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_model(c, "UPDATE t SET name = 'x'", TRUE, &error), nullptr);
    expect_error(-1, "No data returned.");
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_affect(c, "SELECT broken", TRUE, &error), -1);
    expect_error(1064, "syntax error");
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_scalar(c, "SELECT unknown", TRUE, &error), nullptr);
    expect_error(-1, "no answer scripted for: SELECT unknown");
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_reader(c, "UPDATE t SET name = 'x'", &error), nullptr);
    expect_error(-1, "No data return by non-select statement");
    gint length = -1;
    provider->fail("execute_statements", gobj::Error("Scripted", 5, "batch failed"));
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_statements(c, "SELECT 1", TRUE, &length, &error), nullptr);
    EXPECT_EQ(length, 0);
    expect_error(5, "batch failed");
    provider->fail("transaction", gobj::Error("Scripted", 6, "busy"), 2);
    EXPECT_FALSE(tarvelin_providers_contracts_iprovider_transaction(c, &error));
    expect_error(6, "busy");
    EXPECT_THROW(gobj::call<&PV::transaction>(provider.gobj()), gobj::Error);
    EXPECT_TRUE(gobj::call<&PV::transaction>(provider.gobj()));
    EXPECT_TRUE(provider->in_transaction());
    gobj::call<&PV::rollback>(provider.gobj());
    EXPECT_FALSE(provider->in_transaction());

    try {
        gobj::call<&PV::execute_model>(provider.gobj(), "SELECT broken", false);
        ADD_FAILURE() << "no error";
    } catch (const gobj::Error& e) {
        EXPECT_EQ(e.code(), 1064);
        EXPECT_TRUE(e.matches("Scripted"));
    }
}

TEST_F(ProviderTest, PreconditionsStopBeforeTheDriver) {
    struct Case {
        std::function<void()> call;
        const char* condition;
    } cases[] = {
        {[&] { tarvelin_providers_contracts_iprovider_open(nullptr, c_server, "", &error); }, "self != NULL"},
        {[&] { EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_affect(nullptr, "x", TRUE, &error), 0); },
         "self != NULL"},
        {[&] { EXPECT_FALSE(tarvelin_providers_contracts_iprovider_get_is_opened(nullptr)); }, "self != NULL"},
        {[&] { tarvelin_providers_contracts_iprovider_open(c, nullptr, "", &error); }, "server != NULL"},
        {[&] { tarvelin_providers_contracts_iprovider_open(c, c_server, nullptr, &error); },
         "connection_string != NULL"},
        {[&] { EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_model(c, nullptr, TRUE, &error), nullptr); },
         "statement != NULL"},
        {[&] { EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_affect(c, nullptr, TRUE, &error), 0); },
         "statement != NULL"},
        {[&] {
             gint n = 7;
             EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_statements(c, nullptr, TRUE, &n, &error), nullptr);
             EXPECT_EQ(n, 0);
         },
         "statements != NULL"},
    };
    for (const auto& k : cases) EXPECT_NE(critical_of(k.call).find(k.condition), std::string::npos) << k.condition;
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(provider->calls("open"), 0);
    EXPECT_TRUE(provider->statements().empty());
}

TEST(ProviderEntries, EmptySlotsGiveTheEmptyResults) {
    auto* host = static_cast<TarvelinProvidersContractsIProvider*>(g_object_new(HOST_TYPE_EMPTY_PROVIDER, nullptr));
    GError* error = nullptr;
    gint length = 9;
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_affect(host, "x", TRUE, &error), -1);
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_model(host, "x", TRUE, &error), nullptr);
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_statements(host, "x", TRUE, &length, &error), nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_FALSE(tarvelin_providers_contracts_iprovider_transaction(host, &error));
    EXPECT_FALSE(tarvelin_providers_contracts_iprovider_get_is_opened(host));
    tarvelin_providers_contracts_iprovider_commit(host, &error);
    EXPECT_EQ(error, nullptr);
    // The argument checks stand before any implementation, a host's too.
    EXPECT_NE(critical_of([&] { tarvelin_providers_contracts_iprovider_execute_model(host, nullptr, TRUE, &error); })
                  .find("statement != NULL"),
              std::string::npos);
    g_object_unref(host);
}
