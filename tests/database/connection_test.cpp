// The connection over the scripted provider: lifecycle, synchronous execution and
// transactions, through the C face a host uses.
#include <functional>

#include "connection_support.hpp"
#include "support/host_reader.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using providers::contracts::DataType;

namespace {

constexpr Status kUnknown = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown;
constexpr Status kClosed = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Closed;
constexpr Status kOpened = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened;
constexpr Status kFailed = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed;
constexpr DataType kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
constexpr DataType kInt = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;

class Connection : public testing::Test {
protected:
    void SetUp() override {
        provider->answer_rows("SELECT VERSION()", {{"v", kString}}, {{"10.11.6-MariaDB"}});
        provider->answer_rows("SELECT a FROM t", {{"a", kInt}}, {{1}, {2}, {3}, {4}, {5}});
        provider->answer_affected("UPDATE t SET a = 1", 7);
        provider->answer_error("SELECT broken", gobj::Error("Scripted", 1064, "syntax error"));
    }
    void TearDown() override { g_object_unref(record); }

    // Opens on the record and clears what the open logged.
    void open() {
        GError* e = nullptr;
        tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
        ASSERT_EQ(error_text(e), "(none)");
    }

    FacadeLog log{rezezadovu::contracts::log::kDebug};
    gobj::Ref<ScriptedProvider> provider = ScriptedProvider::create();
    gobj::Ref<TestConnection> conn = TestConnection::create(provider.gobj());
    TarvelinProvidersContractsServer* record = new_record();
};

}  // namespace

TEST(ConnectionTypes, NamesPropertiesAndStatusValues) {
    auto* c = tarvelin_rezezadovu_supports_database_connection_impl_new();
    GType type = tarvelin_rezezadovu_supports_database_connection_impl_get_type();
    EXPECT_STREQ(g_type_name(type), "TarvelinRezezadovuSupportsDatabaseConnectionImpl");
    EXPECT_TRUE(g_type_is_a(type, tarvelin_rezezadovu_contracts_database_iconnection_get_type()));
    EXPECT_STREQ(g_type_name(tarvelin_rezezadovu_contracts_database_iconnection_get_type()),
                 "TarvelinRezezadovuContractsDatabaseIConnection");
    // The class installs its own four properties, in this order, under the interface's names.
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(c), &n);
    ASSERT_EQ(n, 4u);
    const char* names[] = {"status", "server", "provider", "version"};
    for (guint i = 0; i < n; ++i) {
        EXPECT_STREQ(g_param_spec_get_name(specs[i]), names[i]);
        EXPECT_EQ(specs[i]->owner_type, type) << names[i];
    }
    EXPECT_TRUE(specs[0]->flags & G_PARAM_WRITABLE);
    EXPECT_FALSE(specs[3]->flags & G_PARAM_WRITABLE);
    EXPECT_EQ(G_PARAM_SPEC_ENUM(specs[0])->default_value, kUnknown);
    g_free(specs);
    EXPECT_NE(g_signal_lookup("opened", type), 0u);
    EXPECT_NE(g_signal_lookup("closed", type), 0u);

    GEnumClass* e = G_ENUM_CLASS(g_type_class_ref(tarvelin_rezezadovu_contracts_database_db_status_get_type()));
    EXPECT_STREQ(g_type_name(G_TYPE_FROM_CLASS(e)), "TarvelinRezezadovuContractsDatabaseDBStatus");
    struct {
        int value;
        const char *name, *nick;
    } members[] = {{0, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown", "unknown"},
                   {1, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Closed", "closed"},
                   {2, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Opened", "opened"},
                   {3, "TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed", "failed"}};
    EXPECT_EQ(e->n_values, 4u);
    for (auto& m : members) {
        GEnumValue* v = g_enum_get_value(e, m.value);
        ASSERT_NE(v, nullptr);
        EXPECT_STREQ(v->value_name, m.name);
        EXPECT_STREQ(v->value_nick, m.nick);
    }
    g_type_class_unref(e);

    // The six dialect contracts and the cache contract: names and prerequisite.
    GType contracts[] = {tarvelin_rezezadovu_contracts_database_istatement_get_type(),
                         tarvelin_rezezadovu_contracts_database_iadaptable_get_type(),
                         tarvelin_rezezadovu_contracts_database_ibuildable_get_type(),
                         tarvelin_rezezadovu_contracts_database_iexplorable_get_type(),
                         tarvelin_rezezadovu_contracts_database_iinspectable_get_type(),
                         tarvelin_rezezadovu_contracts_database_iformattable_get_type(),
                         tarvelin_rezezadovu_contracts_database_icachable_get_type()};
    const char* contract_names[] = {"IStatement", "IAdaptable", "IBuildable", "IExplorable",
                                    "IInspectable", "IFormattable", "ICachable"};
    for (size_t i = 0; i < G_N_ELEMENTS(contracts); ++i) {
        EXPECT_EQ(std::string(g_type_name(contracts[i])),
                  std::string("TarvelinRezezadovuContractsDatabase") + contract_names[i]);
        EXPECT_TRUE(G_TYPE_IS_INTERFACE(contracts[i]));
        guint np = 0;
        GType* pre = g_type_interface_prerequisites(contracts[i], &np);
        ASSERT_EQ(np, 1u);
        EXPECT_EQ(pre[0], G_TYPE_OBJECT);
        g_free(pre);
    }
    g_object_unref(c);
}

TEST_F(Connection, ANewConnectionHasNothingButMakesItsCacheOnce) {
    auto* c = c_of(conn);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_status(c), kUnknown);
    EXPECT_STREQ(tarvelin_rezezadovu_supports_database_connection_impl_get_version(c), "");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_server(c), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_adapter(c), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_builder(c), nullptr);
    auto* cache = tarvelin_rezezadovu_supports_database_connection_impl_cache(c);
    auto* again = tarvelin_rezezadovu_contracts_database_iconnection_cache(i_of(conn));
    ASSERT_NE(cache, nullptr);
    EXPECT_EQ(cache, again);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(cache), "TarvelinRezezadovuSupportsDatabaseDataCache");
    g_object_unref(cache);
    g_object_unref(again);
    // The interface property reads the same values.
    Status status = kFailed;
    gchar* version = nullptr;
    g_object_get(conn.gobj(), "status", &status, "version", &version, nullptr);
    EXPECT_EQ(status, kUnknown);
    EXPECT_STREQ(version, "");
    g_free(version);
}

TEST_F(Connection, OpenSetsOpenedReadsTheVersionAndEmitsOnce) {
    Watch watch(conn.gobj());
    open();
    EXPECT_EQ(watch.statuses(), (std::vector<Status>{kOpened}));
    EXPECT_EQ(watch.opened(), 1);
    EXPECT_TRUE(watch.passed_itself());
    EXPECT_STREQ(tarvelin_rezezadovu_supports_database_connection_impl_get_version(c_of(conn)), "10.11.6-MariaDB");
    EXPECT_EQ(provider->connection_string(), "HOST=db.example;PORT=3306;UUID=UUID-1;");
    EXPECT_EQ(log.leveled(), (std::vector<std::string>{"PLAIN SQL: SELECT VERSION()", "PLAIN affected rows: 1",
                                                       "DEBUG SQL: connection opened"}));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_server(c_of(conn)), record);
}

TEST_F(Connection, AProviderThatRefusesLeavesFailedAndPassesItsError) {
    Watch watch(conn.gobj());
    provider->fail("open", gobj::Error("Scripted", 2003, "cannot connect"));
    GError* e = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(i_of(conn), record, nullptr, &e);
    EXPECT_EQ(error_text(e), "Scripted 2003 cannot connect");
    EXPECT_EQ(watch.statuses(), (std::vector<Status>{kFailed}));
    EXPECT_EQ(watch.opened(), 0);
    EXPECT_EQ(log.leveled(), (std::vector<std::string>{"RISKY SQL: Failed to open connection: cannot connect"}));
}

TEST_F(Connection, AFailingVersionStepNotifiesOpenedThenFailed) {
    Watch watch(conn.gobj());
    provider->answer_error("SELECT VERSION()", gobj::Error("Scripted", 1146, "no such table"));
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c_of(conn), record, nullptr, &e);
    EXPECT_EQ(error_text(e), "Scripted 1146 no such table");
    EXPECT_EQ(watch.statuses(), (std::vector<Status>{kOpened, kFailed}));
    EXPECT_EQ(watch.opened(), 0);
    EXPECT_EQ(log.count("SQL: Failed to open connection: no such table"), 1);
}

TEST_F(Connection, OpeningAgainReopensTheProviderAndKeepsTheDialectObjects) {
    Watch watch(conn.gobj());
    open();
    gpointer first = tarvelin_rezezadovu_supports_database_connection_impl_statement(c_of(conn));
    open();
    gpointer second = tarvelin_rezezadovu_supports_database_connection_impl_statement(c_of(conn));
    EXPECT_EQ(first, second);
    EXPECT_EQ(conn->statements_made, 1);
    EXPECT_EQ(provider->calls("open"), 2);
    EXPECT_EQ(watch.opened(), 2);
    g_object_unref(first);
    g_object_unref(second);
}

TEST_F(Connection, CloseReachesOnlyAnOpenProviderAndEmptiesTheCache) {
    Watch watch(conn.gobj());
    tarvelin_rezezadovu_supports_database_connection_impl_close(c_of(conn));
    EXPECT_EQ(watch.closed(), 0);
    EXPECT_TRUE(watch.statuses().empty());
    EXPECT_EQ(provider->calls("close"), 0);

    open();
    auto* cache = reinterpret_cast<TarvelinRezezadovuContractsDatabaseICachable*>(
        tarvelin_rezezadovu_supports_database_connection_impl_cache(c_of(conn)));
    tarvelin_rezezadovu_contracts_database_icachable_append(cache, "k", "v");
    tarvelin_rezezadovu_contracts_database_iconnection_close(i_of(conn));
    EXPECT_EQ(watch.statuses(), (std::vector<Status>{kOpened, kClosed}));
    EXPECT_EQ(watch.closed(), 1);
    EXPECT_TRUE(watch.passed_itself());
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_icachable_lookup(cache, "k"), nullptr);
    // The record stays, and reopen opens it again.
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_server(c_of(conn)), record);
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen(c_of(conn), &e);
    EXPECT_EQ(error_text(e), "(none)");
    EXPECT_EQ(watch.opened(), 2);
    EXPECT_EQ(provider->calls("open"), 2);
    g_object_unref(cache);
}

TEST_F(Connection, AFailingProviderCloseStillEndsClosedWithTheCacheEmpty) {
    Watch watch(conn.gobj());
    open();
    auto* cache = reinterpret_cast<TarvelinRezezadovuContractsDatabaseICachable*>(
        tarvelin_rezezadovu_supports_database_connection_impl_cache(c_of(conn)));
    tarvelin_rezezadovu_contracts_database_icachable_append(cache, "k", "v");
    provider->fail("close", gobj::Error("Scripted", 2013, "lost connection %s"));
    tarvelin_rezezadovu_supports_database_connection_impl_close(c_of(conn));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_status(c_of(conn)), kClosed);
    EXPECT_EQ(watch.closed(), 1);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_icachable_lookup(cache, "k"), nullptr);
    // The message is the whole line, not a format.
    EXPECT_EQ(log.messages().back(), "lost connection %s");
    g_object_unref(cache);
}

TEST_F(Connection, StatusNotifiesOnlyOnChange) {
    Watch watch(conn.gobj());
    auto* c = c_of(conn);
    tarvelin_rezezadovu_supports_database_connection_impl_set_status(c, kUnknown);
    tarvelin_rezezadovu_supports_database_connection_impl_set_status(c, kClosed);
    tarvelin_rezezadovu_supports_database_connection_impl_set_status(c, kClosed);
    g_object_set(conn.gobj(), "status", kFailed, nullptr);
    tarvelin_rezezadovu_contracts_database_iconnection_set_status(i_of(conn), kFailed);
    EXPECT_EQ(watch.statuses(), (std::vector<Status>{kClosed, kFailed}));
}

TEST_F(Connection, ReopenWithoutARecordFailsAndEmitsNothing) {
    Watch watch(conn.gobj());
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_reopen(c_of(conn), &e);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->domain, G_IO_ERROR);
    EXPECT_EQ(e->code, G_IO_ERROR_NOT_INITIALIZED);
    EXPECT_STREQ(e->message, "no server record: open the connection first");
    g_error_free(e);
    EXPECT_EQ(watch.opened(), 0);
    EXPECT_EQ(provider->calls("open"), 0);
}

TEST(ConnectionBase, WithoutProviderOrStatementEveryOperationFailsWithAnError) {
    LogCapture glib;
    auto* c = tarvelin_rezezadovu_supports_database_connection_impl_new();
    auto* record = new_record();
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, record, nullptr, &e);
    EXPECT_EQ(error_text(e), std::string(g_quark_to_string(G_IO_ERROR)) + " " +
                                 std::to_string(G_IO_ERROR_NOT_INITIALIZED) + " the connection has no provider");
    // The missing statement met the dispatcher's precondition on the way.
    EXPECT_TRUE(glib.contains(G_LOG_LEVEL_CRITICAL, "self != NULL"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_get_status(c), kFailed);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "SELECT 1", TRUE, &e), -1);
    EXPECT_EQ(error_text(e), std::string(g_quark_to_string(G_IO_ERROR)) + " " +
                                 std::to_string(G_IO_ERROR_NOT_INITIALIZED) + " the connection has no provider");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(c, "SELECT 1", TRUE, &e), nullptr);
    EXPECT_NE(error_text(e), "(none)");
    tarvelin_rezezadovu_supports_database_connection_impl_close(c);
    EXPECT_FALSE(tarvelin_rezezadovu_supports_database_connection_impl_transaction(c, &e));
    EXPECT_EQ(e, nullptr);
    g_object_unref(record);
    g_object_unref(c);
}

TEST(ConnectionBase, AMissingConnectionOrArgumentGivesTheCriticalAndTheEmptyResult) {
    LogCapture glib;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(nullptr, "x", TRUE, nullptr), -1);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iconnection_get_status(nullptr), kUnknown);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iconnection_get_version(nullptr), nullptr);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "self != NULL"), 3);
    auto* c = tarvelin_rezezadovu_supports_database_connection_impl_new();
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, nullptr, nullptr, nullptr);
    EXPECT_TRUE(glib.contains(G_LOG_LEVEL_CRITICAL, "server != NULL"));
    g_object_unref(c);
}

TEST(ConnectionBase, AnObjectOfAnotherTypeGivesTheTypeCriticalAndTheEmptyResult) {
    auto* cache = tarvelin_rezezadovu_supports_database_data_cache_new();
    auto* connection = tarvelin_rezezadovu_supports_database_connection_impl_new();
    auto* not_connection = reinterpret_cast<CConnection*>(cache);
    auto* not_iconnection = reinterpret_cast<CIConnection*>(cache);
    auto* not_cache = reinterpret_cast<TarvelinRezezadovuContractsDatabaseICachable*>(connection);
    struct Case {
        const char* call;
        std::function<bool()> empty;  // true when the call gave its empty result
        const char* type;
    } cases[] = {
        {"execute_no_query",
         [&] {
             GError* e = nullptr;
             bool empty = tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(not_connection, "x",
                                                                                                TRUE, &e) == -1;
             return empty && e == nullptr;
         },
         "TarvelinRezezadovuSupportsDatabaseConnectionImpl"},
        // The type check comes before the provider's, so no "m_connection.is_opened" either.
        {"transaction",
         [&] { return !tarvelin_rezezadovu_supports_database_connection_impl_transaction(not_connection, nullptr); },
         "TarvelinRezezadovuSupportsDatabaseConnectionImpl"},
        {"get_status",
         [&] {
             return tarvelin_rezezadovu_supports_database_connection_impl_get_status(not_connection) == kUnknown;
         },
         "TarvelinRezezadovuSupportsDatabaseConnectionImpl"},
        {"cache",
         [&] { return tarvelin_rezezadovu_supports_database_connection_impl_cache(not_connection) == nullptr; },
         "TarvelinRezezadovuSupportsDatabaseConnectionImpl"},
        {"iconnection_execute_no_query",
         [&] {
             return tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(not_iconnection, "x", TRUE,
                                                                                        nullptr) == -1;
         },
         "TarvelinRezezadovuContractsDatabaseIConnection"},
        {"iconnection_get_version",
         [&] { return tarvelin_rezezadovu_contracts_database_iconnection_get_version(not_iconnection) == nullptr; },
         "TarvelinRezezadovuContractsDatabaseIConnection"},
        {"icachable_lookup",
         [&] { return tarvelin_rezezadovu_contracts_database_icachable_lookup(not_cache, "k") == nullptr; },
         "TarvelinRezezadovuContractsDatabaseICachable"},
    };
    for (const auto& c : cases) {
        LogCapture glib;
        EXPECT_TRUE(c.empty()) << c.call;
        EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL), 1) << c.call;
        EXPECT_TRUE(glib.contains(G_LOG_LEVEL_CRITICAL,
                                  std::string("G_TYPE_CHECK_INSTANCE_TYPE (self, ") + c.type + ")"))
            << c.call;
    }
    g_object_unref(connection);
    g_object_unref(cache);
}

// ---------------------------------------------------------------- synchronous execution

TEST_F(Connection, ExecuteLogsOneLinePerResult) {
    open();
    gint length = -1;
    GError* e = nullptr;
    GObject** objects = tarvelin_rezezadovu_supports_database_connection_impl_execute(
        c_of(conn), "SELECT a FROM t; UPDATE t SET a = 1; SELECT broken", TRUE, &length, &e);
    ASSERT_EQ(error_text(e), "(none)");
    ASSERT_EQ(length, 3);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(objects[0]), "TarvelinProvidersContractsTableModel");
    for (gint i = 0; i < length; ++i) g_object_unref(objects[i]);
    g_free(objects);
    auto lines = log.messages();
    std::vector<std::string> tail(lines.end() - 4, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"SQL: SELECT a FROM t; UPDATE t SET a = 1; SELECT broken",
                                              "affected rows: 5", "affected rows: true", "affected rows: true"}));
}

TEST_F(Connection, EachSynchronousOperationLogsItsStatementAndOutcome) {
    open();
    auto* c = c_of(conn);
    auto tail = [&](size_t n) {
        auto lines = log.messages();
        return std::vector<std::string>(lines.end() - static_cast<long>(n), lines.end());
    };
    GError* e = nullptr;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "UPDATE t SET a = 1", FALSE, &e),
              7);
    EXPECT_EQ(tail(2), (std::vector<std::string>{"SQL: UPDATE t SET a = 1", "affected rows: 7"}));
    auto* table = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(c, "SELECT a FROM t", TRUE, &e);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(tail(2), (std::vector<std::string>{"SQL: SELECT a FROM t", "affected rows: 5"}));
    g_object_unref(table);
    auto* value = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(c, "SELECT a FROM t", TRUE, &e);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(tail(2), (std::vector<std::string>{"SQL: SELECT a FROM t", "affected rows: 1"}));
    g_object_unref(value);
    auto* reader = tarvelin_rezezadovu_supports_database_connection_impl_execute_reader(c, "SELECT a FROM t", &e);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(tail(2), (std::vector<std::string>{"SQL: SELECT a FROM t", "affected rows: 0"}));
    g_object_unref(reader);
    EXPECT_EQ(error_text(e), "(none)");
    // A failure gives the driver's own error and no outcome line.
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "SELECT broken", TRUE, &e), -1);
    EXPECT_EQ(error_text(e), "Scripted 1064 syntax error");
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(i_of(conn), "SELECT broken", TRUE, &e),
              -1);
    EXPECT_EQ(error_text(e), "Scripted 1064 syntax error");
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(c, "SELECT broken", TRUE, &e),
              nullptr);
    EXPECT_EQ(error_text(e), "Scripted 1064 syntax error");
    gint length = 42;
    provider->fail("execute_statements", gobj::Error("Scripted", 2006, "server has gone away"));
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute(c, "SELECT a FROM t", TRUE, &length, &e),
              nullptr);
    EXPECT_EQ(length, 42);  // untouched
    EXPECT_EQ(error_text(e), "Scripted 2006 server has gone away");
    EXPECT_EQ(tail(1), (std::vector<std::string>{"SQL: SELECT a FROM t"}));
}

// A reader a host wrote in C has no C++ object behind it: the connection hands it out and
// tables are built from it through its interface structure, as from a driver's own.
TEST_F(Connection, AHostsReaderIsReadThroughTheSystem) {
    provider->answer_reader("SELECT n, label FROM host", &new_host_reader);
    open();
    auto* c = c_of(conn);
    GError* e = nullptr;

    auto* reader =
        tarvelin_rezezadovu_supports_database_connection_impl_execute_reader(c, "SELECT n, label FROM host", &e);
    ASSERT_NE(reader, nullptr) << error_text(e);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(reader), "TarvelinTestHostRowsReader");
    std::vector<std::string> read;
    while (tarvelin_providers_contracts_idata_reader_read(reader, &e)) {
        gint n = 0;
        auto** values = tarvelin_providers_contracts_idata_reader_get_values(reader, &n, &e);
        ASSERT_EQ(n, 2) << error_text(e);
        read.push_back(gobj::cast<ValueObject>(values[0])->to_string() + "|" +
                       kind(gobj::Ref<ValueObject>::adopt(values[1])));
        g_object_unref(values[0]);
        g_free(values);
    }
    EXPECT_EQ(read, (std::vector<std::string>{"1|TarvelinProvidersContractsValueString",
                                              "2|TarvelinProvidersContractsValueString",
                                              "3|TarvelinProvidersContractsValueNull"}));
    g_object_unref(reader);

    auto* table = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(c, "SELECT n, label FROM host",
                                                                                        TRUE, &e);
    ASSERT_NE(table, nullptr) << error_text(e);
    const auto& model = *gobj::cast<providers::contracts::TableModel>(table);
    EXPECT_EQ(column_heads(model), (std::vector<std::string>{"n:int32", "label:string"}));
    EXPECT_EQ(model.get_columns().at(1)->get_data_size(), 16u);
    EXPECT_EQ(cells(model), (std::vector<std::vector<std::string>>{
                                {"ValueInt32=1", "ValueString=one"}, {"ValueInt32=2", "ValueString=two"},
                                {"ValueInt32=3", "ValueNull="}}));
    g_object_unref(table);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "SELECT n, label FROM host",
                                                                                     TRUE, &e),
              3);
    EXPECT_EQ(error_text(e), "(none)");
}

TEST_F(Connection, AMissingTextIsRefusedBeforeAnythingRuns) {
    LogCapture glib;
    open();
    size_t before = log.messages().size();
    auto* c = c_of(conn);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, nullptr, TRUE, nullptr), 0);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_as_model(c, nullptr, TRUE, nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute_reader(c, nullptr, nullptr), nullptr);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "sql != NULL"), 3);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_connection_impl_execute(c, nullptr, TRUE, nullptr, nullptr), nullptr);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "statements != NULL"), 1);
    EXPECT_EQ(log.messages().size(), before);
    EXPECT_EQ(provider->statements().size(), 1u);  // the version query only
}

TEST_F(Connection, TransactionsNeedAnOpenProvider) {
    LogCapture glib;
    auto* c = c_of(conn);
    GError* e = nullptr;
    EXPECT_FALSE(tarvelin_rezezadovu_supports_database_connection_impl_transaction(c, &e));
    tarvelin_rezezadovu_supports_database_connection_impl_commit(c, &e);
    tarvelin_rezezadovu_supports_database_connection_impl_rollback(c, &e);
    EXPECT_EQ(e, nullptr);
    EXPECT_EQ(glib.count(G_LOG_LEVEL_CRITICAL, "m_connection.is_opened"), 3);
    EXPECT_EQ(provider->calls("transaction") + provider->calls("commit") + provider->calls("rollback"), 0);

    open();
    size_t lines = log.messages().size();
    EXPECT_TRUE(tarvelin_rezezadovu_contracts_database_iconnection_transaction(i_of(conn), &e));
    EXPECT_TRUE(provider->in_transaction());
    tarvelin_rezezadovu_contracts_database_iconnection_commit(i_of(conn), &e);
    EXPECT_FALSE(provider->in_transaction());
    provider->fail("transaction", gobj::Error("Scripted", 1205, "lock wait timeout"));
    EXPECT_FALSE(tarvelin_rezezadovu_supports_database_connection_impl_transaction(c, &e));
    EXPECT_EQ(error_text(e), "Scripted 1205 lock wait timeout");
    EXPECT_EQ(log.messages().size(), lines);  // none of them logs
}
