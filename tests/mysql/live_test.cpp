// Both MySQL-family providers against the live test server: every provider and reader
// operation, the cell types, multi-statement texts, errors, transactions and TLS.
#include <atomic>
#include <cstring>
#include <thread>

#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_integer.hpp"
#include "mysql/live.hpp"

using namespace tarvelin;
using namespace tarvelin::test::mysql;
using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using RV = providers::contracts::IDataReader::Vtable;

namespace {

gobj::Ref<ValueObject> cell(const gobj::Ref<TableModel>& m, int row, int column) {
    return m->get_rows().at(row)->get_values().at(column);
}
std::string class_of(const gobj::Ref<ValueObject>& v) { return v ? v->type_name() : "(none)"; }
std::vector<guint8> bytes_of(const gobj::Ref<ValueObject>& v) {
    auto* binary = gobj::checked_cast<providers::contracts::ValueBinary>(v.instance());
    return binary ? binary->to_bytes() : std::vector<guint8>{};
}

// What one cell of a row should be: its value class, and its text or its bytes
// (neither: only the class is checked).
struct Expected {
    const char* value_class;
    const char* text = nullptr;
    std::vector<guint8> bytes = {};
};

void expect_row(const gobj::Ref<TableModel>& m, int row, const std::vector<Expected>& expected) {
    ASSERT_EQ(m->get_columns().size(), int(expected.size()));
    for (int c = 0; c < int(expected.size()); ++c) {
        SCOPED_TRACE(*m->get_columns().at(c)->get_name());
        auto v = cell(m, row, c);
        EXPECT_EQ(class_of(v), expected[c].value_class);
        if (expected[c].text) {
            EXPECT_EQ(v->to_string(), expected[c].text);
        } else if (!expected[c].bytes.empty()) {
            EXPECT_EQ(bytes_of(v), expected[c].bytes);
        }
    }
}

using MysqlLive = Live;

TEST_P(MysqlLive, OpensClosesAndReopens) {
    GObject* p = make();
    gboolean opened = TRUE;
    g_object_get(p, "is-opened", &opened, nullptr);
    EXPECT_FALSE(opened);
    open(p, login());
    g_object_get(p, "is-opened", &opened, nullptr);
    EXPECT_TRUE(opened);
    // Opening again replaces the connection.
    gint64 first = std::stoll(text("SELECT CONNECTION_ID()", p));
    open(p, login());
    EXPECT_NE(std::stoll(text("SELECT CONNECTION_ID()", p)), first);
    EXPECT_EQ(text("SELECT DATABASE()", p), address_->database);

    gobj::call<&PV::close>(p);
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p));
    gobj::call<&PV::close>(p);  // closing a closed provider does nothing
    // Without an initial database the connection opens "mysql".
    Login no_database = login();
    no_database.database.clear();
    open(p, no_database);
    EXPECT_EQ(text("SELECT DATABASE()", p), "mysql");
}

TEST_P(MysqlLive, LoginFailures) {
    auto as = [&](std::string user, std::string password, std::string database, int port = 0) {
        Login l;
        l.user = std::move(user);
        l.password = std::move(password);
        l.database = std::move(database);
        l.port = port;
        return l;
    };
    struct Case {
        const char* what;
        Login login;
        int code;
    } cases[] = {
        {"wrong password", as(address_->user, "not-the-password", address_->database), 1045},
        {"unknown database", as(address_->user, address_->password, "no_such_database"), 1049},
        {"closed port", as(address_->user, address_->password, address_->database, test::closed_port()), 2002},
        // This account must use TLS.
        {"TLS account without TLS", as(address_->tls_user, address_->tls_password, address_->database), 1045},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GObject* p = make();
        expect_error([&] { open(p, c.login); }, c.code);
        EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p));
        expect_error([&] { exec("SELECT 1", p); }, 2006);  // the handle is kept, unconnected
    }
}

TEST_P(MysqlLive, StatementErrorsKeepTheConnectionUsable) {
    expect_error([&] { exec("INSERT INTO no_such_table VALUES (1)"); }, 1146);
    expect_error([&] { scalar("SELECT no_such_column"); }, 1054);
    EXPECT_EQ(text("SELECT 'still here'"), "still here");
}

TEST_P(MysqlLive, SignedAndUnsignedIntegers) {
    exec("CREATE TABLE " + table_ +
         " (i8 TINYINT, u8 TINYINT UNSIGNED, i16 SMALLINT, u16 SMALLINT UNSIGNED, i24 MEDIUMINT,"
         " u24 MEDIUMINT UNSIGNED, i32 INT, u32 INT UNSIGNED, i64 BIGINT, u64 BIGINT UNSIGNED,"
         " z INT(5) ZEROFILL, y YEAR)");
    exec("INSERT INTO " + table_ +
         " VALUES (-128, 255, -32768, 65535, -8388608, 16777215, -2147483648, 4294967295,"
         " -9223372036854775808, 18446744073709551615, 10, 2024),"
         " (127, 0, 32767, 0, 8388607, 0, 2147483647, 0, 9223372036854775807, 0, 9, 1901)");
    auto m = model("SELECT * FROM " + table_);
    struct Column {
        const char* value_class;
        const char* first;
        const char* second;
    } expected[] = {
        {"TarvelinProvidersContractsValueInt8", "-128", "127"},
        {"TarvelinProvidersContractsValueUInt8", "255", "0"},
        {"TarvelinProvidersContractsValueInt16", "-32768", "32767"},
        {"TarvelinProvidersContractsValueUInt16", "65535", "0"},
        {"TarvelinProvidersContractsValueInt32", "-8388608", "8388607"},
        {"TarvelinProvidersContractsValueUInt32", "16777215", "0"},
        {"TarvelinProvidersContractsValueInt32", "-2147483648", "2147483647"},
        {"TarvelinProvidersContractsValueUInt32", "4294967295", "0"},
        {"TarvelinProvidersContractsValueInt64", "-9223372036854775808", "9223372036854775807"},
        {"TarvelinProvidersContractsValueUInt64", "18446744073709551615", "0"},
        {"TarvelinProvidersContractsValueUInt32", "10", "9"},  // "00010" and "00009" are decimal
        {"TarvelinProvidersContractsValueInt16", "2024", "1901"},
    };
    ASSERT_EQ(m->get_columns().size(), int(std::size(expected)));
    ASSERT_EQ(m->get_rows().size(), 2);
    for (int c = 0; c < int(std::size(expected)); ++c) {
        SCOPED_TRACE(*m->get_columns().at(c)->get_name());
        EXPECT_EQ(class_of(cell(m, 0, c)), expected[c].value_class);
        EXPECT_EQ(cell(m, 0, c)->to_string(), expected[c].first);
        EXPECT_EQ(cell(m, 1, c)->to_string(), expected[c].second);
    }
}

TEST_P(MysqlLive, TextAndBinaryColumns) {
    exec("CREATE TABLE " + table_ +
         " (t TEXT, tb TEXT COLLATE utf8mb4_bin, vc VARCHAR(10), ch CHAR(3), tiny TINYBLOB, b BLOB,"
         " vb VARBINARY(8), j JSON, bits BIT(10))");
    exec("INSERT INTO " + table_ +
         " VALUES ('text', 'bin text', 'varchar', 'abc', 0x0102, 0x00FF6100, 0x610062, '{\"a\": [1, 2]}', b'1000000001')");
    auto m = model("SELECT * FROM " + table_);
    expect_row(m, 0, {
        {"TarvelinProvidersContractsValueString", "text"},
        {"TarvelinProvidersContractsValueString", "bin text"},
        {"TarvelinProvidersContractsValueString", "varchar"},
        {"TarvelinProvidersContractsValueString", "abc"},
        // The server reports every blob variant as BLOB (252); only the length differs.
        {"TarvelinProvidersContractsValueBlob", nullptr, {0x01, 0x02}},
        {"TarvelinProvidersContractsValueBlob", nullptr, {0x00, 0xFF, 0x61, 0x00}},
        {"TarvelinProvidersContractsValueBinary", nullptr, {0x61, 0x00, 0x62}},
        {"TarvelinProvidersContractsValueJson", "{\"a\": [1, 2]}"},
        {"TarvelinProvidersContractsValueBinary", nullptr, {0x02, 0x01}},
    });
}

TEST_P(MysqlLive, Utf8mb4RoundTrip) {
    const std::string words = "emoji \xF0\x9F\x98\x80 \xF0\x9F\x8F\xB3\xEF\xB8\x8F\xE2\x80\x8D\xF0\x9F\x8C\x88 "
                              "\xC3\xBC\xC3\xB1\xC3\xAF \xE6\xBC\xA2\xE5\xAD\x97";
    exec("CREATE TABLE " + table_ + " (s VARCHAR(100), t TEXT) CHARACTER SET utf8mb4");
    exec("INSERT INTO " + table_ + " VALUES ('" + words + "', '" + words + "')");
    auto m = model("SELECT s, t, CHAR_LENGTH(s) FROM " + table_);
    EXPECT_EQ(cell(m, 0, 0)->to_string(), words);
    EXPECT_EQ(cell(m, 0, 1)->to_string(), words);
    EXPECT_EQ(cell(m, 0, 2)->to_string(), "19");
    EXPECT_EQ(text("SELECT COUNT(*) FROM " + table_ + " WHERE s = '" + words + "'"), "1");
}

TEST_P(MysqlLive, NumbersDatesTimesAndSpatialCells) {
    exec("CREATE TABLE " + table_ +
         " (d DATE, t TIME, tl TIME, tn TIME, dt DATETIME(6), ts TIMESTAMP NULL, zd DATE, zdt DATETIME,"
         " dec_ DECIMAL(10,2), f FLOAT, db DOUBLE, e ENUM('small','large'), st SET('x','y'), g GEOMETRY,"
         " n INT)");
    exec("SET SESSION sql_mode = ''");  // lets the zero dates in
    exec("SET SESSION time_zone = '+00:00'");
    exec("INSERT INTO " + table_ +
         " VALUES ('2024-02-29', '10:20:30', '838:59:59', '-01:30:00', '2024-01-15 10:20:30.250000',"
         " '2024-06-01 12:00:00', '0000-00-00', '0000-00-00 00:00:00', 12.34, 1.5, -2.25, 'large', 'x,y',"
         " POINT(1, 2), NULL)");
    auto m = model("SELECT * FROM " + table_);
    expect_row(m, 0, {
        {"TarvelinProvidersContractsValueDate", "2024-02-29"},
        {"TarvelinProvidersContractsValueTime", "10:20:30"},
        {"TarvelinProvidersContractsValueTime", "22:59:59"},
        {"TarvelinProvidersContractsValueTime", "22:30:00"},
        {"TarvelinProvidersContractsValueDateTime", "2024-01-15 10:20:30"},
        {"TarvelinProvidersContractsValueDateTime", "2024-06-01 12:00:00"},
        {"TarvelinProvidersContractsValueNull", ""},
        {"TarvelinProvidersContractsValueNull", ""},
        {"TarvelinProvidersContractsValueDecimal", nullptr},
        {"TarvelinProvidersContractsValueFloat", nullptr},
        {"TarvelinProvidersContractsValueDouble", nullptr},
        {"TarvelinProvidersContractsValueString", "large"},
        {"TarvelinProvidersContractsValueString", "x,y"},
        {"TarvelinProvidersContractsValueGeometry", nullptr},
        {"TarvelinProvidersContractsValueNull", ""},
    });
    // Long and negative times keep their whole span in the date-time.
    GValue held = G_VALUE_INIT;
    g_object_get_property(cell(m, 0, 2).gobj(), "itsvalue", &held);
    auto* span = static_cast<GDateTime*>(g_value_get_boxed(&held));
    ASSERT_NE(span, nullptr);
    EXPECT_EQ(g_date_time_to_unix(span), 838 * 3600 + 59 * 60 + 59);
    g_value_unset(&held);
    EXPECT_DOUBLE_EQ(g_ascii_strtod(cell(m, 0, 8)->to_string().c_str(), nullptr), 12.34);
    EXPECT_DOUBLE_EQ(g_ascii_strtod(cell(m, 0, 10)->to_string().c_str(), nullptr), -2.25);
    // The geometry keeps every byte the server stored.
    EXPECT_EQ(cell(m, 0, 13)->to_string(), text("SELECT HEX(g) FROM " + table_));
}

TEST_P(MysqlLive, ExecuteModel) {
    exec("CREATE TABLE " + table_ + " (id INT PRIMARY KEY, name VARCHAR(20), price DECIMAL(8,3))");
    exec("INSERT INTO " + table_ + " VALUES (1, 'one', 1.5), (2, 'seventeen', NULL)");
    auto m = model("SELECT id, name, price, 1 AS `` FROM " + table_ + " ORDER BY id");
    ASSERT_EQ(m->get_columns().size(), 4);
    auto column = [&](int c) { return m->get_columns().at(c); };
    EXPECT_EQ(*column(0)->get_name(), "id");
    EXPECT_EQ(column(0)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
    EXPECT_EQ(column(1)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    EXPECT_EQ(column(1)->get_data_size(), 9u);  // the widest value stored
    EXPECT_EQ(column(2)->get_data_type(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL);
    EXPECT_EQ(*column(3)->get_name(), "");
    ASSERT_EQ(m->get_rows().size(), 2);
    EXPECT_EQ(cell(m, 1, 1)->to_string(), "seventeen");
    EXPECT_EQ(class_of(cell(m, 1, 2)), "TarvelinProvidersContractsValueNull");

    auto empty = model("SELECT id, name FROM " + table_ + " WHERE id > 10");
    EXPECT_EQ(empty->get_columns().size(), 2);
    EXPECT_EQ(empty->get_rows().size(), 0);

    // A statement without rows is carried out, then reported.
    expect_error([&] { model("UPDATE " + table_ + " SET name = 'uno' WHERE id = 1"); }, -1,
                 "No data return by non-select statement");
    EXPECT_EQ(text("SELECT name FROM " + table_ + " WHERE id = 1"), "uno");
    // The flag changes nothing.
    EXPECT_EQ(gobj::call<&PV::execute_model>(provider_, "SELECT 1", false)->get_rows().size(), 1);
}

TEST_P(MysqlLive, ExecuteScalarAndAffect) {
    exec("CREATE TABLE " + table_ + " (id INT, v INT)");
    EXPECT_EQ(exec("INSERT INTO " + table_ + " VALUES (1, 5), (2, 5), (3, 6)"), 3);
    // Rows matched, not rows changed: one of the two already holds 5.
    EXPECT_EQ(exec("UPDATE " + table_ + " SET v = 5 WHERE id IN (1, 3)"), 2);
    auto count = scalar("UPDATE " + table_ + " SET v = 5 WHERE id < 3");
    EXPECT_EQ(class_of(count), "TarvelinProvidersContractsValueUInt64");
    EXPECT_EQ(count->to_string(), "2");

    EXPECT_EQ(text("SELECT v, id FROM " + table_ + " ORDER BY id DESC"), "5");
    EXPECT_EQ(class_of(scalar("SELECT NULL")), "TarvelinProvidersContractsValueNull");
    // A row-returning statement without rows has no first cell.
    EXPECT_EQ(class_of(scalar("SELECT id FROM " + table_ + " WHERE id > 100")), "TarvelinProvidersContractsValueNull");
    EXPECT_EQ(gobj::call<&PV::execute_scalar>(provider_, "SELECT 3", false)->to_string(), "3");
}

TEST_P(MysqlLive, ExecuteStatements) {
    exec("CREATE TABLE " + table_ + " (id INT)");
    auto list = gobj::call<&PV::execute_statements>(provider_, "INSERT INTO " + table_ + " VALUES (1); SELECT id FROM " + table_,
                                       true);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(list[0].get()), "TarvelinProvidersContractsValueUInt64");
    EXPECT_EQ(gobj::cast<ValueObject>(list[0].get())->to_string(), "1");
    ASSERT_STREQ(G_OBJECT_TYPE_NAME(list[1].get()), "TarvelinProvidersContractsTableModel");
    EXPECT_EQ(gobj::cast<TableModel>(list[1].get())->get_rows().size(), 1);

    // A later statement that fails closes the list with its error; nothing after it runs.
    list = gobj::call<&PV::execute_statements>(provider_,
                                  "INSERT INTO " + table_ + " VALUES (2); INSERT INTO nowhere VALUES (1); "
                                  "INSERT INTO " + table_ + " VALUES (3)",
                                  false);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(list[0].get()), "TarvelinProvidersContractsValueUInt64");
    ASSERT_STREQ(G_OBJECT_TYPE_NAME(list[1].get()), "TarvelinProvidersContractsValueError");
    EXPECT_EQ(gobj::cast<providers::contracts::ValueError>(list[1].get())->code(), 1146);
    EXPECT_EQ(text("SELECT GROUP_CONCAT(id ORDER BY id) FROM " + table_), "1,2");

    // A first statement that fails fails the call.
    expect_error([&] { gobj::call<&PV::execute_statements>(provider_, "SELEC 1; SELECT 2", true); }, 1064);
    EXPECT_EQ(gobj::call<&PV::execute_statements>(provider_, "SELECT 1", true).size(), 1u);
}

TEST_P(MysqlLive, LaterStatementFailuresBelongToTheirCall) {
    exec("CREATE TABLE " + table_ + " (id INT)");
    expect_error([&] { exec("INSERT INTO " + table_ + " VALUES (1); SELECT no_such_column"); }, 1054);
    EXPECT_EQ(text("SELECT COUNT(*) FROM " + table_), "1");
    expect_error([&] { model("SELECT 1; INSERT INTO nowhere VALUES (1)"); }, 1146);
    expect_error([&] { gobj::call<&PV::execute_reader>(provider_, "SELECT 1; SELEC 2"); }, 1064);
    // Results of later statements that succeed are dropped with the call.
    EXPECT_EQ(model("SELECT 1; SELECT 2, 3")->get_columns().size(), 1);
    EXPECT_EQ(exec("SELECT 1; INSERT INTO " + table_ + " VALUES (2)"), -1);  // a SELECT changes no rows
    EXPECT_EQ(text("SELECT COUNT(*) FROM " + table_), "2");
}

TEST_P(MysqlLive, Reader) {
    exec("CREATE TABLE " + table_ + " (id INT, name VARCHAR(20), price DECIMAL(10,2))");
    exec("INSERT INTO " + table_ + " VALUES (1, 'one', 1.25), (2, NULL, 2.50)");
    auto reader = gobj::call<&PV::execute_reader>(provider_, "SELECT id, name, price FROM " + table_ + " ORDER BY id");
    gpointer r = reader.instance();
    ASSERT_EQ(gobj::call<&RV::get_field_count>(r), 3);
    EXPECT_EQ(gobj::call<&RV::get_name>(r, 1), "name");
    EXPECT_EQ(gobj::take_string(tarvelin_providers_contracts_idata_reader_get_dbms_type(
                  TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(r), 0, nullptr)),
              "LONG");
    EXPECT_EQ(driver().decimals_size(r, 2), 2u);
    gint opened = 0;
    g_object_get(r, "field-count", &opened, nullptr);
    EXPECT_EQ(opened, 3);

    // The reader owns its rows: the provider may run other statements meanwhile.
    exec("DELETE FROM " + table_);
    EXPECT_FALSE(gobj::call<&RV::get_is_closed>(r));
    ASSERT_TRUE(gobj::call<&RV::read>(r));
    EXPECT_EQ(gobj::call<&RV::get_value>(r, 1)->to_string(), "one");
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_int32(TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(r), 0,
                                                                  nullptr),
              1);
    ASSERT_TRUE(gobj::call<&RV::read>(r));
    EXPECT_TRUE(gobj::call<&RV::is_null>(r, 1));
    EXPECT_TRUE(gobj::call<&RV::get_is_closed>(r));
    EXPECT_FALSE(gobj::call<&RV::read>(r));
    // Out of range and past the end: an error, never a crash.
    EXPECT_TRUE(error_of([&] { gobj::call<&RV::get_value>(r, 3); }).has_value());
    EXPECT_TRUE(error_of([&] { gobj::call<&RV::get_value>(r, 0); }).has_value());
    gobj::call<&RV::close>(r);

    expect_error([&] { gobj::call<&PV::execute_reader>(provider_, "DELETE FROM " + table_); }, -1,
                 "No data return by non-select statement");
    auto none = gobj::call<&PV::execute_reader>(provider_, "SELECT id FROM " + table_);
    EXPECT_FALSE(gobj::call<&RV::read>(none.instance()));
}

TEST_P(MysqlLive, TransactionsEndInAutocommit) {
    exec("CREATE TABLE " + table_ + " (id INT) ENGINE=InnoDB");
    GObject* observer = other();
    auto seen = [&] { return text("SELECT COUNT(*) FROM " + table_, observer); };

    EXPECT_TRUE(gobj::call<&PV::transaction>(provider_));
    exec("INSERT INTO " + table_ + " VALUES (1)");
    EXPECT_EQ(seen(), "0");
    gobj::call<&PV::rollback>(provider_);
    EXPECT_EQ(text("SELECT COUNT(*) FROM " + table_), "0");
    exec("INSERT INTO " + table_ + " VALUES (2)");  // after a rollback: durable at once
    EXPECT_EQ(seen(), "1");

    EXPECT_TRUE(gobj::call<&PV::transaction>(provider_));
    exec("INSERT INTO " + table_ + " VALUES (3)");
    gobj::call<&PV::commit>(provider_);
    EXPECT_EQ(seen(), "2");
    exec("INSERT INTO " + table_ + " VALUES (4)");  // after a commit: durable at once
    EXPECT_EQ(seen(), "3");
    EXPECT_EQ(text("SELECT @@autocommit"), "1");
}

TEST_P(MysqlLive, TlsConnection) {
    ASSERT_FALSE(address_->tls_user.empty());
    Login tls;
    tls.user = address_->tls_user;
    tls.password = address_->tls_password;
    tls.database = address_->database;
    tls.tls = true;
    tls.ca_file = address_->ca;
    tls.cert_file = address_->cert;
    // The encrypted copy of the key, opened with its pass phrase.
    tls.key_file = address_->key_encrypted;
    tls.pass_phrase = address_->key_passphrase;
    GObject* p = make();
    open(p, tls);
    auto status = model("SHOW SESSION STATUS LIKE 'Ssl_cipher'", p);
    ASSERT_EQ(status->get_rows().size(), 1);
    EXPECT_FALSE(cell(status, 0, 1)->to_string().empty());

    // Without "ssl-using" nothing turns TLS on.
    auto plain = model("SHOW SESSION STATUS LIKE 'Ssl_cipher'");
    EXPECT_EQ(cell(plain, 0, 1)->to_string(), "");
}

TEST_P(MysqlLive, CallsFromSeveralThreadsTakeTurns) {
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 25; ++i) {
                if (i % 5 == 0) {
                    // A failed call must not leave the lock held.
                    if (!error_of([&] { exec("SELEC 1"); })) ++wrong;
                    continue;
                }
                std::string want = std::to_string(t * 100 + i);
                if (error_of([&] {
                        if (text("SELECT " + want) != want) ++wrong;
                    })) {
                    ++wrong;
                }
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(wrong.load(), 0);
}

TEST_P(MysqlLive, LocalInfileStaysDisabled) {
    exec("CREATE TABLE " + table_ + " (line TEXT)");
    auto e = error_of([&] { exec("LOAD DATA LOCAL INFILE '/etc/hostname' INTO TABLE " + table_); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(e->domain_name(), driver().domain);
    EXPECT_EQ(text("SELECT COUNT(*) FROM " + table_), "0");
}

INSTANTIATE_TEST_SUITE_P(Drivers, MysqlLive, testing::Values(&kMySQL, &kMariaDB),
                         [](const auto& info) { return std::string(info.param->domain); });

}  // namespace
