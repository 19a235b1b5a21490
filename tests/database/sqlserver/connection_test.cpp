// The SQL Server connection: the variant chosen by the product version, what a failing
// version query leaves, fresh objects per open, the asynchronous open, and one open
// through the real driver and db-lib against the scripted TDS peer.
#include "providers/contracts/face_server.hpp"
#include "support/main_loop.hpp"
#include "support/tds_peer.hpp"
#include "sqlserver_support.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;
using CConnectionImpl = TarvelinRezezadovuSupportsDatabaseConnectionImpl;

namespace {

CConnectionImpl* impl(const gobj::Ref<SQLServerConnection>& c) {
    return reinterpret_cast<CConnectionImpl*>(c.gobj());
}

// The type name of a role object (a new reference, released here), or "(none)".
std::string role_type(gpointer object) {
    if (!object) return "(none)";
    std::string name = G_OBJECT_TYPE_NAME(object);
    g_object_unref(object);
    const std::string prefix = "TarvelinRezezadovuSupportsDatabase";
    return name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : name;
}

std::string open(const gobj::Ref<SQLServerConnection>& c, const gobj::Ref<providers::contracts::Server>& server) {
    GError* error = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(
        impl(c), reinterpret_cast<TarvelinProvidersContractsServer*>(server.gobj()), nullptr, &error);
    return describe(error);
}

const char* version_of(const gobj::Ref<SQLServerConnection>& c) {
    return tarvelin_rezezadovu_contracts_database_iconnection_get_version(c_of(c));
}

}  // namespace

TEST(SqlServerConnection, ProductVersionChoosesTheExplorerAndAdapter) {
    struct Case {
        const char* version;  // nullptr: a NULL cell
        const char* text;
        const char* explorer;
        const char* adapter;
    } cases[] = {
        {"10.50.6000.34", "10.50.6000.34", "SQLServerExplorerV10x", "SQLServerAdapterV10x"},
        {"9.00.5000.00", "9.00.5000.00", "SQLServerExplorerV10x", "SQLServerAdapterV10x"},
        {"10.0.1600.22", "10.0.1600.22", "SQLServerExplorerV10x", "SQLServerAdapterV10x"},
        {nullptr, "", "SQLServerExplorerV10x", "SQLServerAdapterV10x"},
        {"Microsoft", "Microsoft", "SQLServerExplorerV10x", "SQLServerAdapterV10x"},
        {"11.0.7001.0", "11.0.7001.0", "SQLServerExplorer", "SQLServerAdapter"},
        {"15.0.2000.5", "15.0.2000.5", "SQLServerExplorer", "SQLServerAdapter"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Scripted s(c.version);
        EXPECT_STREQ(version_of(s.connection), c.text);
        gchar* property = nullptr;
        g_object_get(s.connection.gobj(), "version", &property, nullptr);
        EXPECT_STREQ(property, c.text);
        g_free(property);
        EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_explorer(s.c())), c.explorer);
        EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_adapter(s.c())), c.adapter);
        EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_status(impl(s.connection)),
                  TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened);
    }
}

TEST(SqlServerConnection, NewConnectionHasItsProviderAndPlainRoles) {
    auto* c = tarvelin_rezezadovu_supports_database_sql_server_connection_new();
    auto* ci = reinterpret_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(c);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(c), "TarvelinRezezadovuSupportsDatabaseSQLServerConnection");
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(tarvelin_rezezadovu_contracts_database_iconnection_get_provider(ci)),
                 "TarvelinProvidersSupportsSQLServerProvider");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_status(impl(gobj::Ref<SQLServerConnection>::retain(c))),
              TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown);
    EXPECT_STREQ(tarvelin_rezezadovu_contracts_database_iconnection_get_version(ci), "");
    EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_explorer(ci)), "SQLServerExplorer");
    EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_adapter(ci)), "SQLServerAdapter");
    EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_statement(ci)), "SQLServerStatement");
    EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_inspector(ci)), "SQLServerInspector");
    g_object_unref(c);
}

// Every open stores a new explorer and adapter; the statement, builder and inspector stay.
// An explorer handed out before stays usable by its holder.
TEST(SqlServerConnection, EachOpenGivesAFreshExplorerAndAdapter) {
    auto provider = ScriptedProvider::create();
    answer_version(*provider, "10.50.6000.34");
    auto connection = scripted_connection(provider);
    auto* c = c_of(connection);
    auto before = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c));
    auto statement = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_statement(c));
    auto inspector = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_inspector(c));
    auto builder = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_builder(c));

    ASSERT_EQ(open(connection, record()), "(none)");
    EXPECT_EQ(provider->connection_string(), "Server={db.example},1433;Database=shop;User Id=sa;Password=secret;");
    auto first_explorer = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c));
    auto first_adapter = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c));
    EXPECT_NE(first_explorer.gobj(), before.gobj());
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(before.gobj()), "TarvelinRezezadovuSupportsDatabaseSQLServerExplorer");

    answer_version(*provider, "15.0.2000.5");
    GError* error = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen(impl(connection), &error);
    ASSERT_EQ(describe(error), "(none)");
    answer_version(*provider, "15.0.4000.1");
    tarvelin_rezezadovu_supports_database_connection_impl_reopen(impl(connection), &error);
    ASSERT_EQ(describe(error), "(none)");
    auto second_explorer = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c));
    auto second_adapter = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c));
    EXPECT_NE(second_explorer.gobj(), first_explorer.gobj());
    EXPECT_NE(second_adapter.gobj(), first_adapter.gobj());
    EXPECT_EQ(role_type(g_object_ref(second_explorer.gobj())), "SQLServerExplorer");

    auto same = [&](gpointer now, const gobj::Ref<gobj::Object>& then) {
        bool equal = now == then.gobj();
        if (now) g_object_unref(now);
        return equal;
    };
    EXPECT_TRUE(same(tarvelin_rezezadovu_contracts_database_iconnection_statement(c), statement));
    EXPECT_TRUE(same(tarvelin_rezezadovu_contracts_database_iconnection_inspector(c), inspector));
    EXPECT_TRUE(same(tarvelin_rezezadovu_contracts_database_iconnection_builder(c), builder));

    // The earlier explorer still runs its listings through the connection.
    provider->answer_rows("SELECT name, physical_name, REPLACE(type_desc,'_',' ') AS type FROM [sys].[backup_devices] "
                          "ORDER BY name ASC;",
                          {{"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING}});
    auto* devices = tarvelin_rezezadovu_supports_database_sql_server_explorer_load_devices(
        reinterpret_cast<TarvelinRezezadovuSupportsDatabaseSQLServerExplorer*>(before.gobj()), "dbo", &error);
    EXPECT_EQ(describe(error), "(none)");
    ASSERT_NE(devices, nullptr);
    g_object_unref(devices);
}

// A failing version query fails the open and changes neither the version text nor the
// stored explorer and adapter.
TEST(SqlServerConnection, FailingVersionQueryKeepsThePreviousState) {
    Scripted s("15.0.2000.5");
    auto* c = s.c();
    auto explorer = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c));
    auto adapter = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c));
    s.provider->answer_error(kVersionQuery, gobj::Error("TDSDB", 4060, "Cannot open database \"shop\"."));
    LogCapture log;
    EXPECT_EQ(open(s.connection, record()), "TDSDB 4060 Cannot open database \"shop\".");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_status(impl(s.connection)),
              TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed);
    EXPECT_STREQ(version_of(s.connection), "15.0.2000.5");
    gpointer now = tarvelin_rezezadovu_contracts_database_iconnection_explorer(c);
    EXPECT_EQ(now, explorer.gobj());
    g_object_unref(now);
    now = tarvelin_rezezadovu_contracts_database_iconnection_adapter(c);
    EXPECT_EQ(now, adapter.gobj());
    g_object_unref(now);

    // Before any success the version stays empty.
    auto provider = ScriptedProvider::create();
    provider->answer_error(kVersionQuery, gobj::Error("TDSDB", 2812, "Could not find stored procedure."));
    auto fresh = scripted_connection(provider);
    EXPECT_NE(open(fresh, record()), "(none)");
    EXPECT_STREQ(version_of(fresh), "");
    EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c_of(fresh))), "SQLServerExplorer");
}

TEST(SqlServerConnection, AsynchronousOpenOnARunningMainLoop) {
    auto provider = ScriptedProvider::create();
    answer_version(*provider, "10.50.6000.34");
    auto connection = scripted_connection(provider);
    struct Done {
        GAsyncResult* result = nullptr;
        GThread* thread = nullptr;
    } done;
    tarvelin_rezezadovu_supports_database_connection_impl_open_async(
        impl(connection), reinterpret_cast<TarvelinProvidersContractsServer*>(record().gobj()), nullptr,
        [](GObject*, GAsyncResult* result, gpointer data) {
            auto* d = static_cast<Done*>(data);
            d->result = G_ASYNC_RESULT(g_object_ref(result));
            d->thread = g_thread_self();
        },
        &done);
    ASSERT_TRUE(run_until([&] { return done.result != nullptr; }));
    EXPECT_EQ(done.thread, g_thread_self());
    GError* error = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open_finish(impl(connection), done.result, &error);
    g_object_unref(done.result);
    EXPECT_EQ(describe(error), "(none)");
    EXPECT_STREQ(version_of(connection), "10.50.6000.34");
    EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_adapter(c_of(connection))),
              "SQLServerAdapterV10x");
}

// The real provider and db-lib: the record's login reaches the peer, the version query is
// answered by it, and a refused login fails the open.
TEST(SqlServerConnection, OpensThroughTheDriverAgainstATdsPeer) {
    TdsPeer peer;
    peer.set_credentials("sa", "secret");
    peer.script(kVersionQuery,
                TdsResponse().result({{"version", TdsType::NVarChar, true, 256}}, {{std::string("15.0.2000.5")}}));
    auto server = record();
    server->set_host(std::string("127.0.0.1"));
    server->set_port(peer.port());

    auto connection = SQLServerConnection::create();
    ASSERT_EQ(open(connection, server), "(none)");
    EXPECT_STREQ(version_of(connection), "15.0.2000.5");
    EXPECT_EQ(role_type(tarvelin_rezezadovu_contracts_database_iconnection_explorer(c_of(connection))),
              "SQLServerExplorer");
    auto logins = peer.logins();
    ASSERT_EQ(logins.size(), 1u);
    EXPECT_EQ(logins[0].user_name, "sa");
    EXPECT_EQ(logins[0].password, "secret");
    EXPECT_EQ(logins[0].database, "shop");
    auto batches = peer.batches();
    EXPECT_NE(std::find(batches.begin(), batches.end(), kVersionQuery), batches.end());
    tarvelin_rezezadovu_supports_database_connection_impl_close(impl(connection));

    server->set_password(std::string("wrong"));
    auto refused = SQLServerConnection::create();
    LogCapture log;
    EXPECT_EQ(open(refused, server), "SQLServer -1 open_tds failed.");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_status(impl(refused)),
              TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed);
    EXPECT_STREQ(version_of(refused), "");
}
