// The asynchronous road: one worker per call, results on the default main context,
// errors re-created in "default".
#include "connection_support.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using providers::contracts::DataType;

namespace {

constexpr Status kOpened = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened;
constexpr Status kFailed = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed;
constexpr DataType kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
constexpr DataType kInt = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;

class AsyncConnection : public testing::Test {
protected:
    void SetUp() override {
        provider->answer_rows("SELECT VERSION()", {{"v", kString}}, {{"10.11.6-MariaDB"}});
        provider->answer_rows("SELECT a FROM t", {{"a", kInt}}, {{1}, {2}, {3}, {4}, {5}});
        provider->answer_affected("UPDATE t SET a = 1", 7);
        GError* e = nullptr;
        tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
        ASSERT_EQ(error_text(e), "(none)");
    }
    void TearDown() override { g_object_unref(record); }

    std::vector<std::string> tail(size_t n) {
        auto lines = log.messages();
        if (lines.size() < n) return lines;
        return std::vector<std::string>(lines.end() - static_cast<long>(n), lines.end());
    }

    FacadeLog log{rezezadovu::contracts::log::kDebug};
    gobj::Ref<ScriptedProvider> provider = ScriptedProvider::create();
    gobj::Ref<TestConnection> conn = TestConnection::create(provider.gobj());
    TarvelinProvidersContractsServer* record = new_record();
    GThread* main_thread = g_thread_self();
};

// Starts one of the four execute operations and finishes it the way its caller would:
// "<result>" or "<domain> <code> <message>".
struct Operation {
    const char* name;
    const char* provider_op;  // the provider operation it calls
    std::string (*run)(CConnection* c, const char* sql, GThread** ran_on);
};

template <class Start, class Finish>
std::string run_async(CConnection* c, const char* sql, GThread** ran_on, Start start, Finish finish) {
    Outcome o;
    start(c, sql, &Outcome::callback, &o);
    if (!o.wait()) return "<no callback>";
    *ran_on = o.thread;
    GError* e = nullptr;
    std::string result = finish(c, o.result, &e);
    return e ? error_text(e) : result;
}

const Operation kOperations[] = {
    {"execute_no_query", "execute_affect",
     [](CConnection* c, const char* sql, GThread** t) {
         return run_async(c, sql, t, tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_async,
                          [](CConnection* c, GAsyncResult* r, GError** e) {
                              return std::to_string(
                                  tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_finish(c, r, e));
                          });
     }},
    {"execute_as_model", "execute_model",
     [](CConnection* c, const char* sql, GThread** t) {
         return run_async(c, sql, t, tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_async,
                          [](CConnection* c, GAsyncResult* r, GError** e) {
                              auto* m = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_finish(
                                  c, r, e);
                              if (!m) return std::string("none");
                              std::string s = "rows " + std::to_string(g_list_model_get_n_items(G_LIST_MODEL(m)));
                              g_object_unref(m);
                              return s;
                          });
     }},
    {"execute_as_scalar", "execute_scalar",
     [](CConnection* c, const char* sql, GThread** t) {
         return run_async(c, sql, t, tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_async,
                          [](CConnection* c, GAsyncResult* r, GError** e) {
                              auto* v = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_finish(
                                  c, r, e);
                              if (!v) return std::string("none");
                              std::string s = gobj::take_string(tarvelin_providers_contracts_value_object_to_string(v));
                              g_object_unref(v);
                              return s;
                          });
     }},
    {"execute", "execute_statements",
     [](CConnection* c, const char* sql, GThread** t) {
         return run_async(c, sql, t, tarvelin_rezezadovu_supports_database_connection_impl_execute_async,
                          [](CConnection* c, GAsyncResult* r, GError** e) {
                              gint n = -1;
                              GObject** objects =
                                  tarvelin_rezezadovu_supports_database_connection_impl_execute_finish(c, r, &n, e);
                              if (!objects) return std::string("none, length ") + std::to_string(n);
                              for (gint i = 0; i < n; ++i) g_object_unref(objects[i]);
                              g_free(objects);
                              return "objects " + std::to_string(n);
                          });
     }},
};

}  // namespace

TEST_F(AsyncConnection, EachOperationDeliversItsResultOnTheMainContext) {
    struct Case {
        int op;
        const char* sql;
        const char* result;
        std::vector<std::string> lines;
    } cases[] = {
        {0, "UPDATE t SET a = 1", "7", {"SQL: UPDATE t SET a = 1", "affected rows: 7"}},
        {1, "SELECT a FROM t", "rows 5", {"SQL: SELECT a FROM t", "affected rows: 5"}},
        {2, "SELECT a FROM t", "1", {"SQL: SELECT a FROM t", "affected rows: 1"}},
        {3, "SELECT a FROM t; UPDATE t SET a = 1", "objects 2",
         {"SQL: SELECT a FROM t; UPDATE t SET a = 1", "affected rows: 5", "affected rows: true"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kOperations[c.op].name);
        GThread* ran_on = nullptr;
        EXPECT_EQ(kOperations[c.op].run(c_of(conn), c.sql, &ran_on), c.result);
        EXPECT_EQ(ran_on, main_thread);
        EXPECT_EQ(tail(c.lines.size()), c.lines);
    }
}

TEST_F(AsyncConnection, AFailureIsLoggedAndFinishesInDefaultWithTheProvidersCodeAndMessage) {
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.name);
        GThread* ran_on = nullptr;
        provider->fail(op.provider_op, gobj::Error("Scripted", 1045, "Access denied"));
        EXPECT_EQ(op.run(c_of(conn), "SELECT a FROM t", &ran_on), "default 1045 Access denied");
        EXPECT_EQ(tail(2), (std::vector<std::string>{"SQL: SELECT a FROM t", "failed: 1045 -> Access denied"}));
        EXPECT_EQ(log.leveled().back(), "RISKY failed: 1045 -> Access denied");
    }
}

TEST_F(AsyncConnection, AnErrorWithCodeZeroOrNoMessageFailsAllTheSame) {
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.name);
        GThread* ran_on = nullptr;
        provider->fail(op.provider_op, gobj::Error("Scripted", 0, "code zero"));
        EXPECT_EQ(op.run(c_of(conn), "SELECT a FROM t", &ran_on), "default 0 code zero");
        EXPECT_EQ(tail(1), (std::vector<std::string>{"failed: 0 -> code zero"}));
        provider->fail(op.provider_op, gobj::Error("Scripted", 7, ""));
        EXPECT_EQ(op.run(c_of(conn), "SELECT a FROM t", &ran_on), "default 7 ");
        EXPECT_EQ(tail(1), (std::vector<std::string>{"failed: 7 -> "}));
    }
}

TEST_F(AsyncConnection, AMissingTextGivesTheCriticalAndNoCallback) {
    LogCapture glib;
    Outcome o;
    auto* c = c_of(conn);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_async(c, nullptr, &Outcome::callback, &o);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_async(c, nullptr, &Outcome::callback, &o);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_async(c, nullptr, &Outcome::callback, &o);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_async(c, nullptr, &Outcome::callback, &o);
    tarvelin_rezezadovu_supports_database_connection_impl_open_async(c, nullptr, nullptr, &Outcome::callback, &o);
    run_for(100);
    EXPECT_EQ(o.calls, 0);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "sql != NULL"), 3);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "statements != NULL"), 1);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "server != NULL"), 1);
}

TEST_F(AsyncConnection, OpenRunsTheEstablishStepOnItsWorkerAndEmitsOpenedOnTheMainContext) {
    tarvelin_rezezadovu_supports_database_connection_impl_set_status(c_of(conn),
                                                                     TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Closed);
    Watch watch(conn.gobj());
    Outcome o;
    tarvelin_rezezadovu_contracts_database_iconnection_open_async(i_of(conn), record, nullptr, &Outcome::callback, &o);
    ASSERT_TRUE(o.wait());
    GError* e = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open_finish(i_of(conn), o.result, &e);
    EXPECT_EQ(error_text(e), "(none)");
    EXPECT_EQ(watch.statuses(), (std::vector<Status>{kOpened}));
    ASSERT_EQ(watch.status_threads().size(), 1u);
    EXPECT_NE(watch.status_threads()[0], main_thread);
    EXPECT_EQ(conn->version_thread.load(), watch.status_threads()[0]);
    EXPECT_EQ(watch.opened(), 1);
    EXPECT_EQ(watch.opened_thread(), main_thread);
    EXPECT_EQ(provider->calls("open"), 2);
}

TEST_F(AsyncConnection, AFailedOpenLogsTwiceAndNeverEmitsOpened) {
    Watch watch(conn.gobj());
    provider->fail("open", gobj::Error("Scripted", 1045, "Access denied for user"));
    Outcome o;
    tarvelin_rezezadovu_supports_database_connection_impl_open_async(c_of(conn), record, nullptr, &Outcome::callback,
                                                                     &o);
    ASSERT_TRUE(o.wait());
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open_finish(c_of(conn), o.result, &e);
    EXPECT_EQ(error_text(e), "default 1045 Access denied for user");
    EXPECT_EQ(watch.statuses(), (std::vector<Status>{kFailed}));
    EXPECT_EQ(watch.opened(), 0);
    EXPECT_EQ(tail(2), (std::vector<std::string>{"SQL: Failed to open connection: Access denied for user",
                                                 "Failed to open connection: 1045 -> Access denied for user"}));
}

TEST_F(AsyncConnection, AnErrorWithCodeZeroFailsTheOpenWithoutOpened) {
    Watch watch(conn.gobj());
    provider->fail("open", gobj::Error("Scripted", 0, ""));
    Outcome o;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen_async(c_of(conn), &Outcome::callback, &o);
    ASSERT_TRUE(o.wait());
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen_finish(c_of(conn), o.result, &e);
    EXPECT_EQ(error_text(e), "default 0 ");
    EXPECT_EQ(watch.opened(), 0);
}

TEST_F(AsyncConnection, AWorkerHeldAtTheGateLeavesTheMainLoopRunning) {
    conn->gate.shut();
    Outcome o;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen_async(c_of(conn), &Outcome::callback, &o);
    ASSERT_TRUE(conn->gate.wait_for_caller(5000));
    bool ticked = false;
    g_idle_add(
        [](gpointer p) {
            *static_cast<bool*>(p) = true;
            return G_SOURCE_REMOVE;
        },
        &ticked);
    EXPECT_TRUE(run_until([&] { return ticked; }, 2000));
    EXPECT_EQ(o.calls, 0);
    conn->gate.open();
    ASSERT_TRUE(o.wait());
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen_finish(c_of(conn), o.result, &e);
    EXPECT_EQ(error_text(e), "(none)");
}

TEST_F(AsyncConnection, AConnectionTheHostReleasedLivesUntilItsCallbackRan) {
    bool finalized = false;
    g_object_weak_ref(conn.gobj(), [](gpointer p, GObject*) { *static_cast<bool*>(p) = true; }, &finalized);
    conn->gate.shut();
    Outcome o;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen_async(c_of(conn), &Outcome::callback, &o);
    ASSERT_TRUE(conn->gate.wait_for_caller(5000));
    TestConnection* raw = conn.get();
    conn.reset();
    EXPECT_FALSE(finalized);
    raw->gate.open();
    ASSERT_TRUE(o.wait());
    EXPECT_TRUE(o.source_alive);
    g_object_unref(o.result);  // the task holds the last reference
    o.result = nullptr;
    EXPECT_TRUE(run_until([&] { return finalized; }, 2000));
}

TEST_F(AsyncConnection, AFinishGivenAnotherOperationsResultRefusesIt) {
    Outcome o;
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query_async(c_of(conn), "UPDATE t SET a = 1",
                                                                                 &Outcome::callback, &o);
    ASSERT_TRUE(o.wait());
    GError* e = nullptr;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_finish(c_of(conn), o.result, &e),
              nullptr);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->code, G_IO_ERROR_INVALID_ARGUMENT);
    g_clear_error(&e);
}
