// The connection over the real SQLite driver on a temporary file.
#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>

#include "connection_support.hpp"

using namespace tarvelin;
using namespace tarvelin::test;

namespace {

class SqliteConnection : public testing::Test {
protected:
    void SetUp() override {
        gchar* d = g_dir_make_tmp("tarvelin-sqlite-conn-XXXXXX", nullptr);
        dir_ = d;
        g_free(d);
        GObject* provider = G_OBJECT(tarvelin_providers_supports_sq_lite_provider_new());
        conn = TestConnection::create(provider);
        g_object_unref(provider);
        conn->version_sql = "SELECT sqlite_version()";
        record = tarvelin_providers_contracts_server_new();
        g_object_set(record, "uuid", "UUID-SQLITE", "filename", file().c_str(), nullptr);
        GError* e = nullptr;
        tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
        ASSERT_EQ(error_text(e), "(none)");
    }
    void TearDown() override {
        tarvelin_rezezadovu_supports_database_connection_impl_close(c_of(conn));
        g_object_unref(record);
        g_remove(file().c_str());
        g_rmdir(dir_.c_str());
    }
    std::string file() const { return dir_ + "/test.db"; }

    FacadeLog log;
    std::string dir_;
    gobj::Ref<TestConnection> conn;
    TarvelinProvidersContractsServer* record = nullptr;
};

std::string scalar_text(TarvelinProvidersContractsValueObject* v) {
    if (!v) return "none";
    std::string s = gobj::take_string(tarvelin_providers_contracts_value_object_to_string(v));
    g_object_unref(v);
    return s;
}

}  // namespace

TEST_F(SqliteConnection, RunsStatementsSynchronously) {
    auto* c = c_of(conn);
    EXPECT_STRNE(tarvelin_rezezadovu_supports_database_connection_impl_get_version(c), "");
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "CREATE TABLE t(a INTEGER, b TEXT)", TRUE,
                                                                           &e);
    ASSERT_EQ(error_text(e), "(none)");
    gint n = 0;
    GObject** results = tarvelin_rezezadovu_supports_database_connection_impl_execute(
        c, "INSERT INTO t VALUES (1, 'one'); INSERT INTO t VALUES (2, 'two'); SELECT a FROM t", TRUE, &n, &e);
    ASSERT_EQ(error_text(e), "(none)");
    EXPECT_EQ(n, 3);
    for (gint i = 0; i < n; ++i) g_object_unref(results[i]);
    g_free(results);
    auto* table = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(c, "SELECT a, b FROM t", TRUE, &e);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(table)), 2u);
    g_object_unref(table);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "UPDATE t SET b = 'x'", TRUE, &e),
              2);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "SELECT * FROM missing", TRUE, &e),
              -1);
    ASSERT_NE(e, nullptr);
    EXPECT_STREQ(g_quark_to_string(e->domain), "SQLite");
    g_clear_error(&e);
    EXPECT_TRUE(tarvelin_rezezadovu_supports_database_connection_impl_transaction(c, &e));
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "DELETE FROM t", TRUE, &e);
    tarvelin_rezezadovu_supports_database_connection_impl_rollback(c, &e);
    ASSERT_EQ(error_text(e), "(none)");
    EXPECT_EQ(scalar_text(tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(
                  c, "SELECT COUNT(*) FROM t", TRUE, &e)),
              "2");
}

TEST_F(SqliteConnection, RunsStatementsOnAWorker) {
    auto* c = c_of(conn);
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(
        c, "CREATE TABLE t(a INTEGER)", TRUE, &e);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "INSERT INTO t VALUES (20), (22)", TRUE, &e);
    ASSERT_EQ(error_text(e), "(none)");
    Outcome ok;
    tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_async(c, "SELECT SUM(a) FROM t",
                                                                                  &Outcome::callback, &ok);
    ASSERT_TRUE(ok.wait());
    EXPECT_EQ(scalar_text(tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_finish(c, ok.result, &e)),
              "42");
    EXPECT_EQ(error_text(e), "(none)");

    Outcome bad;
    tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_async(c, "SELECT * FROM missing",
                                                                                 &Outcome::callback, &bad);
    ASSERT_TRUE(bad.wait());
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model_finish(c, bad.result, &e), nullptr);
    ASSERT_NE(e, nullptr);
    EXPECT_STREQ(g_quark_to_string(e->domain), "default");
    EXPECT_NE(std::string(e->message).find("no such table: missing"), std::string::npos) << e->message;
    EXPECT_EQ(log.count(std::string("failed: ") + std::to_string(e->code) + " -> " + e->message), 1);
    g_clear_error(&e);

    Outcome reopened;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen_async(c, &Outcome::callback, &reopened);
    ASSERT_TRUE(reopened.wait());
    tarvelin_rezezadovu_supports_database_connection_impl_reopen_finish(c, reopened.result, &e);
    EXPECT_EQ(error_text(e), "(none)");
}
