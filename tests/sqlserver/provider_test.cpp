// The SQL Server provider and reader end to end: the driver's own code through the real
// FreeTDS db-lib against the scripted TDS peer.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "providers/contracts/face_provider.hpp"
#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/gee.hpp"
#include "support/driver_checks.hpp"
#include "support/servers.hpp"
#include "support/tds_peer.hpp"
#include "providers/supports/sqlserver/provider.hpp"
#include "providers/supports/sqlserver/reader.hpp"
#include "providers/supports/sqlserver/tds_message.hpp"
#include "providers/gobj/call.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using PV = providers::contracts::IProvider::Vtable;
using RV = providers::contracts::IDataReader::Vtable;
using test::error_of;
using namespace tarvelin::providers::supports::sqlserver;
using test::TdsColumn;
using test::TdsResponse;
using test::TdsType;

namespace {

gobj::Ref<Server> record(int port, const char* user, const char* password) {
    auto s = Server::create();
    s->set_host(std::string("127.0.0.1"));
    s->set_port(port);
    s->set_username(std::string(user));
    s->set_password(std::string(password));
    s->set_initial(std::string("tarvelin"));
    return s;
}

std::string dump(const gobj::Ref<ValueObject>& v) { return v ? v->dump() : "(none)"; }

// The (error, severity, source, text) of every queued report.
struct Report {
    gint32 error, severity;
    std::string source, text;
    bool operator==(const Report&) const = default;
};
std::vector<Report> reports(const TdsUserData& data) {
    std::vector<Report> out;
    GeeIterator* it = gee_iterable_iterator(GEE_ITERABLE(data.messages));
    while (gee_iterator_next(it)) {
        auto m = gobj::Ref<TdsMessage>::adopt(gee_iterator_get(it));
        out.push_back({m->get_error(), m->get_severity(), m->get_source() ? m->get_source() : "(null)",
                       m->get_message() ? m->get_message() : "(null)"});
    }
    g_object_unref(it);
    return out;
}

class SqlServerProviderTest : public ::testing::Test {
protected:
    void SetUp() override { peer.set_credentials("sa", "secret"); }
    void open() { gobj::call<&PV::open>(p(), *record(peer.port(), "sa", "secret"), "Data Source=peer"); }
    gpointer p() const { return provider.instance(); }

    test::LogCapture log;
    test::TdsPeer peer;
    gobj::Ref<SQLServerProvider> provider = SQLServerProvider::create();
};

const std::vector<TdsColumn> kTwoInts = {{"a", TdsType::Int}, {"b", TdsType::Int}};

}  // namespace

// ---------------------------------------------------------------- login

TEST_F(SqlServerProviderTest, LogsInWithTheRecordsItemsAndReportsOpened) {
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p()));
    open();
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p()));
    gboolean opened = FALSE;
    g_object_get(provider.gobj(), "is-opened", &opened, nullptr);
    EXPECT_TRUE(opened);

    auto logins = peer.logins();
    ASSERT_EQ(logins.size(), 1u);
    EXPECT_EQ(logins[0].user_name, "sa");
    EXPECT_EQ(logins[0].password, "secret");
    EXPECT_EQ(logins[0].database, "tarvelin");
    EXPECT_EQ(logins[0].app_name, "Vorarode");
    EXPECT_EQ(logins[0].host_name, "127.0.0.1");
    // A user name and password log in with them, not with network authentication.
    EXPECT_FALSE(logins[0].integrated_security);
    // The database and language notices of the login are logged, never queued.
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "msgno=5701"));
    EXPECT_EQ(message_count(*provider->get_userdata()), 0);

    gobj::call<&PV::close>(p());
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p()));
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_DEBUG, "Connection closed."));
    gobj::call<&PV::close>(p());  // nothing to close: no failure
}

TEST_F(SqlServerProviderTest, RefusedLoginAndClosedPortFailAndLeaveNoConnection) {
    struct Case {
        const char* what;
        int port;
        const char* password;
    } cases[] = {
        {"wrong password", peer.port(), "wrong"},
        {"closed port", test::closed_port(), "secret"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto fresh = SQLServerProvider::create();
        gobj::Error e = error_of([&] { gobj::call<&PV::open>(fresh.instance(), *record(c.port, "sa", c.password), "x"); });
        EXPECT_STREQ(e.domain_name(), "SQLServer");
        EXPECT_EQ(e.code(), -1);
        EXPECT_EQ(e.message(), "open_tds failed.");
        EXPECT_FALSE(gobj::call<&PV::get_is_opened>(fresh.instance()));
        EXPECT_EQ(fresh->connection(), nullptr);
    }
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "msgno=18456"));

    // A failed open drops the connection held before; a later open starts afresh.
    open();
    EXPECT_ANY_THROW(gobj::call<&PV::open>(p(), *record(peer.port(), "sa", "wrong"), "x"));
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p()));
    open();
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p()));
}

TEST_F(SqlServerProviderTest, OpenAgainReplacesTheConnection) {
    open();
    open();
    EXPECT_NE(provider->connection(), nullptr);
    EXPECT_EQ(peer.logins().size(), 2u);
    peer.script("SELECT 1", TdsResponse().result({{"", TdsType::Int}}, {{"1"}}));
    EXPECT_EQ(dump(gobj::call<&PV::execute_scalar>(p(), "SELECT 1", true)), "TarvelinProvidersContractsValueInt32 => 1");
}

// ---------------------------------------------------------------- results

TEST_F(SqlServerProviderTest, QueryReturnsRowsOfTheCommonTypes) {
    std::vector<TdsColumn> cols = {
        {"i", TdsType::Int, false},
        {"n", TdsType::Int},
        {"big", TdsType::BigInt},
        {"small", TdsType::SmallInt},
        {"tiny", TdsType::TinyInt},
        {"bit", TdsType::Bit},
        {"f", TdsType::Float},
        {"r", TdsType::Real},
        {"nv", TdsType::NVarChar, true, 200},
        {"vc", TdsType::VarChar, true, 100},
        {"vb", TdsType::VarBinary, true, 50},
        {"dt", TdsType::DateTime},
        {"sdt", TdsType::SmallDateTime},
        {"dec", TdsType::Decimal, true, 0, 10, 3},
        {"m", TdsType::Money},
        {"sm", TdsType::SmallMoney},
        {"g", TdsType::UniqueIdentifier},
        {"d", TdsType::Date},
        {"tm", TdsType::Time, true, 0, 18, 3},
        {"dt2", TdsType::DateTime2, true, 0, 18, 7},
        {"dto", TdsType::DateTimeOffset, true, 0, 18, 3},
    };
    std::vector<test::TdsCell> values = {
        "42", "7", "-9000000000", "-12", "200", "1", "2.5", "1.25", "h\xC3\xA9llo w\xC3\xB6rld", "caf\xC3\xA9",
        std::string("\\x41\0\x02", 6), "1900-01-01 00:00:00", "2001-02-03 04:05:00", "-12.345", "-1.5", "-2.25",
        "6F9619FF-8B86-D011-B42D-00C04FC964FF", "2021-02-03", "10:11:12.5", "2020-05-06 07:08:09.1234567",
        "2022-01-01 10:00:00 +02:00"};
    std::vector<test::TdsCell> nulls(cols.size());
    nulls[0] = "0";
    nulls[5] = "0";  // a bit holding 0 reads FALSE
    for (std::size_t i = 0; i < nulls.size(); ++i)
        if (i != 0 && i != 5) nulls[i] = std::nullopt;
    peer.script("SELECT * FROM everything", TdsResponse().result(cols, {values, nulls}));
    open();

    auto model = gobj::call<&PV::execute_model>(p(), "SELECT * FROM everything", true);
    ASSERT_TRUE(model);
    ASSERT_EQ(model->get_columns().size(), static_cast<int>(cols.size()));
    ASSERT_EQ(model->get_rows().size(), 2);

    struct Expect {
        const char* name;
        DataType type;
        const char* dump;
    } expected[] = {
        {"i", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "TarvelinProvidersContractsValueInt32 => 42"},
        {"n", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "TarvelinProvidersContractsValueInt32 => 7"},
        {"big", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64, "TarvelinProvidersContractsValueInt64 => -9000000000"},
        {"small", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16, "TarvelinProvidersContractsValueInt16 => -12"},
        {"tiny", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8, "TarvelinProvidersContractsValueUInt8 => 200"},
        {"bit", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "TarvelinProvidersContractsValueBoolean => true"},
        {"f", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, "TarvelinProvidersContractsValueDouble => 2.500000"},
        {"r", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT, "TarvelinProvidersContractsValueFloat => 1.250000"},
        // db-lib hands wide texts over as UTF-8 char columns (the login asked for UTF-8).
        {"nv", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING,
         "TarvelinProvidersContractsValueString => h\xC3\xA9llo w\xC3\xB6rld"},
        {"vc", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "TarvelinProvidersContractsValueString => caf\xC3\xA9"},
        {"vb", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY, nullptr},
        {"dt", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME,
         "TarvelinProvidersContractsValueDateTime => 1900-01-01 00:00:00"},
        {"sdt", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME,
         "TarvelinProvidersContractsValueDateTime => 2001-02-03 04:05:00"},
        {"dec", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL, "TarvelinProvidersContractsValueDecimal => -12.345000"},
        {"m", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "TarvelinProvidersContractsValueMoney => -1.500000"},
        {"sm", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY, "TarvelinProvidersContractsValueMoney => -2.250000"},
        {"g", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID,
         "TarvelinProvidersContractsValueUuid => 6F9619FF-8B86-D011-B42D-00C04FC964FF"},
        {"d", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE, "TarvelinProvidersContractsValueDate => 2021-02-03"},
        {"tm", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, "TarvelinProvidersContractsValueTime => 10:11:12"},
        {"dt2", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME,
         "TarvelinProvidersContractsValueDateTime => 2020-05-06 07:08:09"},
        {"dto", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN, nullptr},
    };
    for (int c = 0; c < static_cast<int>(std::size(expected)); ++c) {
        const Expect& x = expected[c];
        SCOPED_TRACE(x.name);
        auto column = model->get_columns().at(c);
        EXPECT_EQ(column->get_name().value_or("(null)"), x.name);
        EXPECT_EQ(column->get_data_type(), x.type);
        auto v = model->get_value_at(c, 0);
        ASSERT_TRUE(v);
        if (x.dump) {
            EXPECT_EQ(v->dump(), x.dump);
        }
        // The second row: NULLs read as ValueNull, whatever the column's type.
        if (c != 0 && c != 5) {
            EXPECT_TRUE(gobj::ref_cast<ValueNull>(model->get_value_at(c, 1)));
        }
    }
    EXPECT_EQ(model->get_columns().at(0)->get_data_size(), 4u);
    EXPECT_EQ(dump(model->get_value_at(0, 1)), "TarvelinProvidersContractsValueInt32 => 0");
    EXPECT_EQ(dump(model->get_value_at(5, 1)), "TarvelinProvidersContractsValueBoolean => false");

    // Binary data is copied as it is, even when it starts with "\x".
    auto binary = gobj::ref_cast<ValueBinary>(model->get_value_at(10, 0));
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->to_bytes(), (std::vector<guint8>{'\\', 'x', '4', '1', 0, 2}));
    // datetimeoffset: seconds since the epoch of the split date and time, read as UTC.
    auto span = gobj::ref_cast<ValueTimeSpan>(model->get_value_at(20, 0));
    ASSERT_TRUE(span);
    EXPECT_EQ(span->get_itsvalue(), 1641031200);
}

TEST_F(SqlServerProviderTest, StatementWithoutRowsAndEmptySelect) {
    peer.script("UPDATE t SET a = 1", TdsResponse().count(3));
    peer.script("SELECT a, b FROM t WHERE 0 = 1", TdsResponse().result(kTwoInts, {}));
    open();

    for (bool flag : {true, false}) {
        SCOPED_TRACE(flag);
        EXPECT_EQ(gobj::call<&PV::execute_affect>(p(), "UPDATE t SET a = 1", flag), 3);
        gobj::Error e = error_of([&] { gobj::call<&PV::execute_model>(p(), "UPDATE t SET a = 1", flag); });
        EXPECT_STREQ(e.domain_name(), "SQLServer");
        EXPECT_EQ(e.code(), -1);
        EXPECT_EQ(e.message(), "No data returned.");
        EXPECT_EQ(dump(gobj::call<&PV::execute_scalar>(p(), "UPDATE t SET a = 1", flag)),
                  "TarvelinProvidersContractsValueInt32 => 3");
        auto list = gobj::call<&PV::execute_statements>(p(), "UPDATE t SET a = 1", flag);
        ASSERT_EQ(list.size(), 1u);
        auto count = gobj::Ref<ValueUInt64>::retain(list[0].get());
        ASSERT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(list[0].get(), ValueUInt64::gtype()));
        EXPECT_EQ(count->get_itsvalue(), 3u);

        auto empty = gobj::call<&PV::execute_model>(p(), "SELECT a, b FROM t WHERE 0 = 1", flag);
        EXPECT_EQ(empty->get_columns().size(), 2);
        EXPECT_EQ(empty->get_rows().size(), 0);
        EXPECT_TRUE(gobj::ref_cast<ValueNull>(gobj::call<&PV::execute_scalar>(p(), "SELECT a, b FROM t WHERE 0 = 1", flag)));
    }
}

TEST_F(SqlServerProviderTest, MultiStatementBatchReportsEveryResultInOrder) {
    const char* batch = "SELECT a, b FROM t; UPDATE t SET a = 2; SELECT a, b FROM u";
    peer.script(batch, TdsResponse()
                           .result(kTwoInts, {{"1", "2"}, {"3", "4"}})
                           .count(5)
                           .result(kTwoInts, {{"9", std::nullopt}}));
    open();

    auto list = gobj::call<&PV::execute_statements>(p(), batch, true);
    ASSERT_EQ(list.size(), 3u);
    auto first = gobj::Ref<TableModel>::retain(list[0].get());
    ASSERT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(list[0].get(), TableModel::gtype()));
    EXPECT_EQ(first->get_rows().size(), 2);
    ASSERT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(list[1].get(), ValueUInt64::gtype()));
    EXPECT_EQ(gobj::Ref<ValueUInt64>::retain(list[1].get())->get_itsvalue(), 5u);
    ASSERT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(list[2].get(), TableModel::gtype()));
    auto third = gobj::Ref<TableModel>::retain(list[2].get());
    EXPECT_EQ(dump(third->get_value_at(0, 0)), "TarvelinProvidersContractsValueInt32 => 9");

    // execute_model gives the first result only; what is left is drained by the next command.
    auto model = gobj::call<&PV::execute_model>(p(), batch, true);
    EXPECT_EQ(model->get_rows().size(), 2);
    EXPECT_EQ(dump(model->get_value_at(1, 1)), "TarvelinProvidersContractsValueInt32 => 4");
    EXPECT_EQ(gobj::call<&PV::execute_statements>(p(), batch, true).size(), 3u);
}

// ---------------------------------------------------------------- messages and errors

TEST_F(SqlServerProviderTest, ServerErrorCarriesNumberSeverityAndText) {
    peer.script("SELECT * FROM missing",
                TdsResponse().error(208, 16, "Invalid object name 'missing'.").fail());
    open();

    gobj::Error e = error_of([&] { gobj::call<&PV::execute_model>(p(), "SELECT * FROM missing", true); });
    EXPECT_STREQ(e.domain_name(), "TDSDB");
    EXPECT_EQ(e.code(), 208);
    EXPECT_EQ(e.message().rfind("Invalid object name 'missing'.\n", 0), 0u) << e.message();
    // The server's report is kept with its severity; db-lib adds its own general error.
    auto queued = reports(*provider->get_userdata());
    ASSERT_GE(queued.size(), 1u);
    EXPECT_EQ(queued[0], (Report{208, 16, "message", "Invalid object name 'missing'."}));
    EXPECT_TRUE(provider->get_userdata()->failed);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "severity=16,msgno=208"));

    // The connection stays usable and the next command starts with an empty queue.
    peer.script("SELECT 1", TdsResponse().result({{"", TdsType::Int}}, {{"1"}}));
    EXPECT_EQ(dump(gobj::call<&PV::execute_scalar>(p(), "SELECT 1", true)), "TarvelinProvidersContractsValueInt32 => 1");
    EXPECT_EQ(message_count(*provider->get_userdata()), 0);
}

TEST_F(SqlServerProviderTest, TwoServerErrorsJoinAndInformationalMessagesStayOut) {
    peer.script("EXEC two_errors", TdsResponse()
                                       .info(0, "just printing", 0)
                                       .info(50000, "informational", 10)
                                       .error(547, 16, "first failure")
                                       .error(3621, 16, "second failure")
                                       .fail());
    open();

    gobj::Error e = error_of([&] { gobj::call<&PV::execute_affect>(p(), "EXEC two_errors", true); });
    EXPECT_STREQ(e.domain_name(), "TDSDB");
    EXPECT_EQ(e.code(), 547);
    // db-lib follows each server error with its own general one.
    EXPECT_EQ(e.message(),
              "first failure\nGeneral SQL Server error: Check messages from the SQL Server\n"
              "second failure\nGeneral SQL Server error: Check messages from the SQL Server\n");
    EXPECT_EQ(e.message().find("printing"), std::string::npos);
    EXPECT_EQ(e.message().find("informational"), std::string::npos);
    EXPECT_TRUE(log.contains(G_LOG_LEVEL_WARNING, "msgtext=informational"));
}

TEST_F(SqlServerProviderTest, FailureInsideABatchRaisesAndDropsTheList) {
    const char* batch = "SELECT a, b FROM t; SELECT * FROM missing";
    peer.script(batch, TdsResponse()
                           .result(kTwoInts, {{"1", "2"}})
                           .error(208, 16, "Invalid object name 'missing'.")
                           .fail());
    open();
    gobj::Error e = error_of([&] { gobj::call<&PV::execute_statements>(p(), batch, true); });
    EXPECT_STREQ(e.domain_name(), "TDSDB");
    EXPECT_EQ(e.code(), 208);
}

TEST_F(SqlServerProviderTest, TransactionsSendTheirTexts) {
    peer.script("BEGIN TRANSACTION", TdsResponse().done());
    peer.script("COMMIT TRANSACTION", TdsResponse().done());
    peer.script("ROLLBACK TRANSACTION",
                TdsResponse().error(3903, 16, "The ROLLBACK TRANSACTION request has no corresponding BEGIN.").fail());
    open();
    peer.clear_history();

    EXPECT_TRUE(gobj::call<&PV::transaction>(p()));
    gobj::call<&PV::commit>(p());
    gobj::Error e = error_of([&] { gobj::call<&PV::rollback>(p()); });
    EXPECT_EQ(e.code(), 3903);
    EXPECT_EQ(peer.batches(),
              (std::vector<std::string>{"BEGIN TRANSACTION", "COMMIT TRANSACTION", "ROLLBACK TRANSACTION"}));
}

// ---------------------------------------------------------------- reader

TEST_F(SqlServerProviderTest, ReaderReadsTheLiveResultAndOutlivesItsProvider) {
    peer.script("SELECT a, b FROM t", TdsResponse().result(kTwoInts, {{"1", "2"}, {"3", std::nullopt}}));
    peer.script("UPDATE t SET a = 1", TdsResponse().count(1));
    open();

    gobj::Error e = error_of([&] { gobj::call<&PV::execute_reader>(p(), "UPDATE t SET a = 1"); });
    EXPECT_STREQ(e.domain_name(), "SQLServer");
    EXPECT_EQ(e.message(), "No data return");

    auto reader = gobj::call<&PV::execute_reader>(p(), "SELECT a, b FROM t");
    ASSERT_TRUE(G_TYPE_CHECK_INSTANCE_TYPE(reader.instance(), SQLServerReader::gtype()));
    gpointer r = reader.instance();
    // The reader reads the provider's own user data.
    gpointer userdata = nullptr;
    g_object_get(reader.gobj(), "userdata", &userdata, nullptr);
    EXPECT_EQ(userdata, provider->get_userdata());

    // A reader made from C on the same connection sees the same result.
    auto* c_reader = tarvelin_providers_supports_sql_server_reader_new(provider->connection());
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_field_count(
                  reinterpret_cast<TarvelinProvidersContractsIDataReader*>(c_reader)),
              2);
    g_object_unref(c_reader);

    provider.reset();  // the reader keeps the connection alive
    EXPECT_EQ(gobj::call<&RV::get_field_count>(r), 2);
    EXPECT_EQ(gobj::call<&RV::get_name>(r, 1), "b");
    EXPECT_FALSE(gobj::call<&RV::get_is_closed>(r));
    std::vector<std::string> cells;
    while (gobj::call<&RV::read>(r))
        for (guint16 i = 0; i < 2; ++i) cells.push_back(dump(gobj::call<&RV::get_value>(r, i)));
    EXPECT_EQ(cells, (std::vector<std::string>{"TarvelinProvidersContractsValueInt32 => 1",
                                               "TarvelinProvidersContractsValueInt32 => 2",
                                               "TarvelinProvidersContractsValueInt32 => 3",
                                               "TarvelinProvidersContractsValueNull => "}));
    // An ordinal past the last column is an error, not a read of nothing.
    gobj::Error bad = error_of([&] { gobj::call<&RV::get_value>(r, 2); });
    EXPECT_STREQ(bad.domain_name(), "TDSDB");
    gobj::call<&RV::close>(r);
}

TEST_F(SqlServerProviderTest, NextOperationDrainsWhatAReaderLeft) {
    peer.script("SELECT a, b FROM t", TdsResponse().result(kTwoInts, {{"1", "2"}, {"3", "4"}}));
    peer.script("SELECT 1", TdsResponse().result({{"", TdsType::Int}}, {{"1"}}));
    open();
    auto reader = gobj::call<&PV::execute_reader>(p(), "SELECT a, b FROM t");
    ASSERT_TRUE(gobj::call<&RV::read>(reader.instance()));
    EXPECT_EQ(dump(gobj::call<&PV::execute_scalar>(p(), "SELECT 1", true)), "TarvelinProvidersContractsValueInt32 => 1");
}

// ---------------------------------------------------------------- a server that goes away

TEST_F(SqlServerProviderTest, ServerGoneFailsCleanlyAndIsMarkedDeadOnce) {
    peer.script("SELECT * FROM missing", TdsResponse().error(208, 16, "Invalid object name 'missing'.").fail());
    peer.script("SELECT slow", TdsResponse().disconnect());
    open();
    // A server error marks the connection as having failed; flags persist.
    EXPECT_ANY_THROW(gobj::call<&PV::execute_model>(p(), "SELECT * FROM missing", true));
    const TdsUserData& data = *provider->get_userdata();
    EXPECT_TRUE(data.failed);
    EXPECT_FALSE(data.dead);

    gobj::Error e = error_of([&] { gobj::call<&PV::execute_model>(p(), "SELECT slow", true); });
    EXPECT_STREQ(e.domain_name(), "TDSDB");
    EXPECT_EQ(e.code(), SYBESEOF);
    EXPECT_EQ(e.message().rfind("Unexpected EOF from the server\n", 0), 0u) << e.message();
    // Found dead: cancelled once. Cancelling a dead connection makes db-lib report again;
    // that report must not start the cancelling over (it would never end).
    EXPECT_TRUE(data.dead);
    EXPECT_TRUE(data.cancelled);
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p()));

    // Later commands fail cleanly on the dead connection; a new open brings it back.
    gobj::Error again = error_of([&] { gobj::call<&PV::execute_model>(p(), "SELECT 1", true); });
    EXPECT_STREQ(again.domain_name(), "TDSDB");
    EXPECT_NE(again.message().find("DBPROCESS is dead or not enabled"), std::string::npos) << again.message();
    open();
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p()));
}

// ---------------------------------------------------------------- threads

TEST_F(SqlServerProviderTest, ConcurrentOperationsAreSerialised) {
    for (int i = 0; i < 4; ++i) {
        std::string sql = "SELECT " + std::to_string(i);
        peer.script(sql, TdsResponse().result({{"v", TdsType::Int}}, {{std::to_string(i)}, {std::to_string(i)}}));
    }
    open();
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            std::string sql = "SELECT " + std::to_string(t);
            for (int n = 0; n < 25; ++n) {
                try {
                    auto m = gobj::call<&PV::execute_model>(p(), sql, true);
                    if (m->get_rows().size() != 2 ||
                        dump(m->get_value_at(0, 1)) != "TarvelinProvidersContractsValueInt32 => " + std::to_string(t))
                        ++wrong;
                } catch (const gobj::Error&) {
                    ++wrong;
                }
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(wrong, 0);
}
