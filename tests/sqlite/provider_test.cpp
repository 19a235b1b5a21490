#include <sqlite3.h>

#include <sys/wait.h>

#include "providers/contracts/value_integer.hpp"
#include "sqlite/fixture.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using providers::contracts::IDataReader;
using providers::contracts::ValueNull;
using providers::contracts::ValueUInt64;
using Rows = std::vector<std::vector<std::string>>;
using Heads = std::vector<std::string>;

namespace {

bool is_opened_property(gpointer provider) {
    gboolean opened = TRUE;
    g_object_get(provider, "is-opened", &opened, nullptr);
    return opened;
}

}  // namespace

TEST(SqliteProviderLifecycle, OpensClosesAndReopens) {
    TempDir dir;
    std::string path = dir.file("life.db");
    auto provider = SQLiteProvider::create();
    gpointer p = provider.instance();
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p));
    EXPECT_FALSE(is_opened_property(p));
    EXPECT_EQ(tarvelin_providers_supports_sq_lite_provider_get_engine(
                  TARVELIN_PROVIDERS_SUPPORTS_SQ_LITE_PROVIDER(p)),
              nullptr);

    auto server = sqlite_server(path);
    gobj::call<&PV::open>(p, *server, "Data Source=ignored");
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p));
    EXPECT_TRUE(is_opened_property(p));
    gpointer engine = nullptr;
    g_object_get(p, "engine", &engine, nullptr);
    EXPECT_NE(engine, nullptr);
    EXPECT_EQ(engine, provider->get_engine());
    gobj::call<&PV::execute_affect>(p, "CREATE TABLE t (a)", true);

    // Opening again replaces the connection; the data is in the file.
    gobj::call<&PV::open>(p, *server, "");
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p));
    EXPECT_EQ(gobj::call<&PV::execute_scalar>(p, "SELECT count(*) FROM t", true)->to_string(), "0");

    gobj::call<&PV::close>(p);
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p));
    EXPECT_EQ(provider->get_engine(), nullptr);
    gobj::call<&PV::close>(p);  // closing a closed provider is harmless
}

TEST(SqliteProviderLifecycle, FailedOpenLeavesTheProviderClosed) {
    TempDir dir;
    auto provider = SQLiteProvider::create();
    gpointer p = provider.instance();
    auto good = sqlite_server(dir.file("good.db"));
    gobj::call<&PV::open>(p, *good, "");
    ASSERT_TRUE(gobj::call<&PV::get_is_opened>(p));

    auto bad = sqlite_server(dir.file("missing/dir/x.db"));
    gobj::Error e = error_of([&] { gobj::call<&PV::open>(p, *bad, ""); });
    EXPECT_TRUE(e.matches("SQLite"));
    EXPECT_EQ(e.code(), 14);  // SQLITE_CANTOPEN
    EXPECT_FALSE(e.message().empty());
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p));
    EXPECT_EQ(provider->get_engine(), nullptr);
}

TEST_F(SqliteTest, ModelHasTheColumnsAndCellsOfTheFirstStatement) {
    affect("CREATE TABLE t (i INTEGER, r REAL, s TEXT, b BLOB, n)");
    affect("INSERT INTO t VALUES (1, 1.5, 'one', x'0102', NULL)");
    affect("INSERT INTO t VALUES (NULL, 2.0, 'two', NULL, 'x')");
    auto table = model("SELECT * FROM t ORDER BY r; SELECT 42");
    EXPECT_EQ(column_heads(*table), (Heads{"i:int64", "r:double", "s:string", "b:blob", "n:dbnull"}));
    EXPECT_EQ(cells(*table), (Rows{
                                 {"ValueInt64=1", "ValueDouble=1.500000", "ValueString=one", "ValueBlob=\x01\x02",
                                  "ValueNull="},
                                 {"ValueNull=", "ValueDouble=2.000000", "ValueString=two", "ValueNull=",
                                  "ValueString=x"},
                             }));
    // The size of a column is the byte length of its first cell.
    EXPECT_EQ(table->get_columns().at(2)->get_data_size(), 3u);
    EXPECT_EQ(table->get_columns().at(3)->get_data_size(), 2u);
}

TEST_F(SqliteTest, ModelOfAQueryWithoutRowsHasItsColumnsOnly) {
    auto table = model("SELECT 1 AS one, 'a' AS two WHERE 0");
    EXPECT_EQ(table->get_columns().size(), 2);
    EXPECT_EQ(table->get_rows().size(), 0);
}

TEST_F(SqliteTest, ModelOfAStatementWithoutColumnsFailsAfterRunningIt) {
    affect("CREATE TABLE t (a)");
    gobj::Error e = error_of([&] { model("INSERT INTO t VALUES (1)"); });
    EXPECT_TRUE(e.matches("SQLite"));
    EXPECT_EQ(e.code(), -1);
    EXPECT_EQ(e.message(), "No data returned.");
    EXPECT_EQ(scalar("SELECT count(*) FROM t")->to_string(), "1");
}

TEST_F(SqliteTest, EmptyTextsAndConstraintViolationsRaise) {
    for (const char* text : {"", "   ", "-- only a comment"}) {
        gobj::Error e = error_of([&] { affect(text); });
        EXPECT_TRUE(e.matches("SQLite")) << text;
        EXPECT_EQ(e.message(), "The text holds no statement.") << text;
    }
    gobj::Error constraint = error_of([&] {
        affect("CREATE TABLE u (a UNIQUE)");
        affect("INSERT INTO u VALUES (1)");
        affect("INSERT INTO u VALUES (1)");
    });
    EXPECT_EQ(constraint.code(), 19);  // SQLITE_CONSTRAINT
}

TEST_F(SqliteTest, AffectCountsRowsOfQueriesAndChangesOfStatements) {
    affect("CREATE TABLE t (a)");
    EXPECT_EQ(affect("INSERT INTO t VALUES (1), (2), (3)"), 3);
    EXPECT_EQ(affect("SELECT * FROM t"), 3);
    EXPECT_EQ(affect("UPDATE t SET a = a * 10 WHERE a < 3"), 2);
    // A statement that changes no rows does not report the count of the previous one.
    EXPECT_EQ(affect("CREATE TABLE u (b)"), 0);
    EXPECT_EQ(affect("SELECT * FROM t WHERE 0"), 0);
    // The flag changes nothing.
    EXPECT_EQ(gobj::call<&PV::execute_affect>(p(), "SELECT * FROM t", false), 3);
}

TEST_F(SqliteTest, ScalarIsTheFirstCellOrTheChangeCount) {
    affect("CREATE TABLE t (a, b)");
    affect("INSERT INTO t VALUES (7, 'x'), (8, NULL)");
    auto first = scalar("SELECT a, b FROM t ORDER BY a");
    EXPECT_EQ(kind(first), "TarvelinProvidersContractsValueInt64");
    EXPECT_EQ(first->to_string(), "7");
    EXPECT_EQ(kind(scalar("SELECT b FROM t WHERE a = 8")), "TarvelinProvidersContractsValueNull");
    // A query that matches nothing has no value, whatever changed before it.
    EXPECT_EQ(kind(scalar("SELECT a FROM t WHERE 0")), "TarvelinProvidersContractsValueNull");

    auto changed = scalar("UPDATE t SET a = a + 1");
    ASSERT_EQ(kind(changed), "TarvelinProvidersContractsValueUInt64");
    EXPECT_EQ(changed->to_string(), "2");
    EXPECT_EQ(scalar("CREATE TABLE u (c)")->to_string(), "0");
}

TEST_F(SqliteTest, ATransactionInsideATransactionBeginsNothing) {
    affect("CREATE TABLE t (a)");
    EXPECT_TRUE(gobj::call<&PV::transaction>(p()));
    EXPECT_TRUE(gobj::call<&PV::transaction>(p()));  // already inside: no second BEGIN
    affect("INSERT INTO t VALUES (1)");
    gobj::call<&PV::rollback>(p());
    EXPECT_EQ(scalar("SELECT count(*) FROM t")->to_string(), "0");
}

TEST(SqliteProviderCFace, EntriesCheckTheirArguments) {
    struct Silence {
        Silence() { handler = g_log_set_handler(nullptr, G_LOG_LEVEL_CRITICAL, [](auto, auto, auto, auto) {}, nullptr); }
        ~Silence() { g_log_remove_handler(nullptr, handler); }
        guint handler;
    } silence;
    EXPECT_EQ(tarvelin_providers_supports_sq_lite_provider_get_engine(nullptr), nullptr);
    EXPECT_EQ(tarvelin_providers_supports_sq_lite_reader_new(nullptr, nullptr), nullptr);
    auto provider = SQLiteProvider::create();
    GError* error = nullptr;
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_model(
                  TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider.instance()), nullptr, TRUE, &error),
              nullptr);
    EXPECT_EQ(error, nullptr);  // a failed precondition sets no error
    EXPECT_TRUE(g_type_is_a(SQLiteProvider::gtype(), TARVELIN_PROVIDERS_SUPPORTS_TYPE_ISQ_LITE_ERROR));
    EXPECT_TRUE(g_type_is_a(SQLiteProvider::gtype(), TARVELIN_PROVIDERS_CONTRACTS_TYPE_IPROVIDER));
    EXPECT_TRUE(g_type_is_a(SQLiteReader::gtype(), TARVELIN_PROVIDERS_SUPPORTS_TYPE_ISQ_LITE_TYPE));
    EXPECT_STREQ(g_type_name(SQLiteReader::gtype()), "TarvelinProvidersSupportsSQLiteReader");
    EXPECT_STREQ(g_type_name(SQLiteProvider::gtype()), "TarvelinProvidersSupportsSQLiteProvider");
}

// A writer in another process holds the file for a moment: a statement of the provider
// waits for it to finish instead of failing at once with "database is locked".
TEST_F(SqliteTest, AStatementWaitsForALockAnotherProcessHolds) {
    gchar* client = g_find_program_in_path("sqlite3");
    if (!client) GTEST_SKIP() << "the sqlite3 client is not installed";
    g_free(client);
    affect("CREATE TABLE t (a)");
    // The child waits for the probe's brief read locks below rather than failing its own BEGIN.
    const std::string script =
        "(echo '.timeout 5000'; echo 'BEGIN EXCLUSIVE; INSERT INTO t VALUES (1);'; sleep 1; echo 'COMMIT;') | sqlite3 " +
                               gobj::take_string(g_shell_quote(path.c_str()));
    const gchar* argv[] = {"/bin/sh", "-c", script.c_str(), nullptr};
    GPid pid = 0;
    ASSERT_TRUE(g_spawn_async(nullptr, const_cast<gchar**>(argv), nullptr, G_SPAWN_DO_NOT_REAP_CHILD, nullptr, nullptr,
                              &pid, nullptr));
    // Until the other process holds the file, a connection that does not wait reads it.
    sqlite3* probe = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &probe), SQLITE_OK);
    bool held = false;
    for (int i = 0; i < 200 && !held; ++i) {
        held = sqlite3_exec(probe, "SELECT count(*) FROM t;", nullptr, nullptr, nullptr) == SQLITE_BUSY;
        if (!held) g_usleep(10 * 1000);
    }
    sqlite3_close(probe);
    ASSERT_TRUE(held) << "the other process never held the file";
    EXPECT_NO_THROW(affect("INSERT INTO t VALUES (2)"));
    int status = 0;
    waitpid(pid, &status, 0);
    g_spawn_close_pid(pid);
    EXPECT_EQ(gobj::call<&PV::execute_scalar>(p(), "SELECT count(*) FROM t", true)->to_string(), "2");
}
