// The layer over the client library that needs no server: the field-type maps, cell
// parsing, the options a handle is given, and error translation. Behaviour only a
// MySQL 8 server shows (field type 245, its blob flags) is covered here.
#include <gtest/gtest.h>

#include <cstring>

#include "providers/supports/mariadb/provider.hpp"
#include "providers/supports/mysql/provider.hpp"
#include "providers/supports/mysql_common/cell.hpp"
#include "providers/supports/mysql_common/client.hpp"
#include "providers/supports/mysql_common/error.hpp"
#include "providers/supports/mysql_common/type.hpp"
#include "support/servers.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::supports;
namespace common = tarvelin::providers::supports::mysql_common;

#define DT(x) TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_##x

namespace {

struct TypeCase {
    unsigned int field_type;
    unsigned int flags;
    TarvelinProvidersContractsDataType data_type;
    const char* name;
};

const TypeCase kTypeCases[] = {
    {0, 0, DT(DECIMAL), "DECIMAL"},
    {1, 0, DT(INT8), "TINY"},
    {1, UNSIGNED_FLAG, DT(UINT8), "TINY"},
    {2, 0, DT(INT16), "SHORT"},
    {2, UNSIGNED_FLAG, DT(UINT16), "SHORT"},
    {3, 0, DT(INT32), "LONG"},
    {3, UNSIGNED_FLAG | BINARY_FLAG, DT(UINT32), "LONG"},
    {4, UNSIGNED_FLAG, DT(FLOAT), "FLOAT"},
    {5, 0, DT(DOUBLE), "DOUBLE"},
    {6, 0, DT(DBNULL), "NULL"},
    {7, 0, DT(TIMESTAMP), "TIMESTAMP"},
    {8, 0, DT(INT64), "LONGLONG"},
    {8, UNSIGNED_FLAG, DT(UINT64), "LONGLONG"},
    {9, 0, DT(INT32), "INT24"},
    {9, UNSIGNED_FLAG, DT(UINT32), "INT24"},
    {10, 0, DT(DATE), "DATE"},
    {11, BINARY_FLAG, DT(TIME), "TIME"},
    {12, 0, DT(DATETIME), "DATETIME"},
    {13, UNSIGNED_FLAG, DT(INT16), "YEAR"},
    {14, 0, DT(DATE), "NEWDATE"},
    {15, 0, DT(STRING), "VARCHAR"},
    {16, UNSIGNED_FLAG, DT(BINARY), "BIT"},
    {17, 0, DT(UNKNOWN), ""},
    {100, UNSIGNED_FLAG, DT(UNKNOWN), ""},
    {244, 0, DT(UNKNOWN), ""},
    {245, BINARY_FLAG, DT(JSON), "JSON"},
    {246, 0, DT(DECIMAL), "NEWDECIMAL"},
    {247, 0, DT(ENUM), "ENUM"},
    {248, 0, DT(SET), "SET"},
    {249, 0, DT(STRING), "TINY_BLOB"},
    {249, BINARY_FLAG, DT(BINARY), "TINY_BLOB"},
    {250, BINARY_FLAG, DT(BLOB), "MEDIUM_BLOB"},
    {251, UNSIGNED_FLAG, DT(STRING), "LONG_BLOB"},
    {251, BINARY_FLAG, DT(BLOB), "LONG_BLOB"},
    {252, 0, DT(STRING), "BLOB"},
    {252, BINARY_FLAG, DT(BLOB), "BLOB"},
    {253, BINARY_FLAG, DT(STRING), "VAR_STRING"},
    {254, UNSIGNED_FLAG | BINARY_FLAG, DT(STRING), "STRING"},
    {255, BINARY_FLAG, DT(GEOMETRY), "GEOMETRY"},
};

TEST(MysqlTypeMap, FieldTypesAndFlags) {
    for (const TypeCase& c : kTypeCases) {
        SCOPED_TRACE(testing::Message() << "field type " << c.field_type << " flags " << c.flags);
        EXPECT_EQ(common::map_data_type(c.field_type, c.flags), c.data_type);
        EXPECT_EQ(common::map_dbms_type(c.field_type), c.name);
    }
}

TEST(MysqlTypeMap, ExportedFunctionsOfBothDrivers) {
    GObject* mysql_reader = static_cast<GObject*>(g_object_new(tarvelin_providers_supports_my_sql_reader_get_type(), nullptr));
    GObject* maria_reader = static_cast<GObject*>(g_object_new(tarvelin_providers_supports_maria_db_reader_get_type(), nullptr));
    for (const TypeCase& c : kTypeCases) {
        SCOPED_TRACE(testing::Message() << "field type " << c.field_type);
        EXPECT_EQ(tarvelin_providers_supports_imy_sql_type_map_data_type(
                      TARVELIN_PROVIDERS_SUPPORTS_IMY_SQL_TYPE(mysql_reader), c.field_type, c.flags),
                  c.data_type);
        EXPECT_EQ(tarvelin_providers_supports_imaria_db_type_map_data_type(
                      TARVELIN_PROVIDERS_SUPPORTS_IMARIA_DB_TYPE(maria_reader), c.field_type, c.flags),
                  c.data_type);
        gchar* name = tarvelin_providers_supports_imaria_db_type_map_dbms_type(
            TARVELIN_PROVIDERS_SUPPORTS_IMARIA_DB_TYPE(maria_reader), c.field_type, c.flags);
        EXPECT_STREQ(name, c.name);
        g_free(name);
    }
    g_object_unref(mysql_reader);
    g_object_unref(maria_reader);
}

// The reader looks at the character set too: the server flags text of a binary
// collation as binary, and VARBINARY arrives as VAR_STRING.
TEST(MysqlTypeMap, ColumnTypeByCharacterSet) {
    struct Case {
        enum_field_types type;
        unsigned int flags;
        unsigned int charsetnr;
        TarvelinProvidersContractsDataType expected;
    } cases[] = {
        {MYSQL_TYPE_BLOB, BLOB_FLAG | BINARY_FLAG, 45, DT(STRING)},  // TEXT COLLATE utf8mb4_bin
        {MYSQL_TYPE_BLOB, BLOB_FLAG | BINARY_FLAG, 63, DT(BLOB)},    // BLOB
        {MYSQL_TYPE_BLOB, BLOB_FLAG, 45, DT(STRING)},                // TEXT
        {MYSQL_TYPE_TINY_BLOB, BLOB_FLAG | BINARY_FLAG, 63, DT(BINARY)},
        {MYSQL_TYPE_VAR_STRING, BINARY_FLAG, 63, DT(BINARY)},        // VARBINARY
        {MYSQL_TYPE_STRING, BINARY_FLAG, 63, DT(BINARY)},            // BINARY
        {MYSQL_TYPE_VAR_STRING, 0, 45, DT(STRING)},
        {MYSQL_TYPE_JSON, BLOB_FLAG | BINARY_FLAG, 63, DT(JSON)},    // MySQL 8
        {MYSQL_TYPE_LONG, UNSIGNED_FLAG | BINARY_FLAG, 63, DT(UINT32)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " charset " << c.charsetnr);
        MYSQL_FIELD field{};
        field.type = c.type;
        field.flags = c.flags;
        field.charsetnr = c.charsetnr;
        EXPECT_EQ(common::column_data_type(field), c.expected);
    }
}

TEST(MysqlCells, NumbersAreDecimalAndLocaleFree) {
    EXPECT_EQ(common::cells::long_parse("00010"), 10);  // ZEROFILL, not octal
    EXPECT_EQ(common::cells::long_parse("-128"), -128);
    EXPECT_EQ(common::cells::ulong_parse("4294967295"), 4294967295ul);
    EXPECT_EQ(common::cells::int64_parse("-9223372036854775808"), G_MININT64);
    EXPECT_EQ(common::cells::uint64_parse("18446744073709551615"), G_MAXUINT64);
    EXPECT_EQ(common::cells::uint64_parse("0x10"), 0u);
    EXPECT_FLOAT_EQ(common::cells::float_parse("1.5"), 1.5f);
    EXPECT_DOUBLE_EQ(common::cells::double_parse("12.34"), 12.34);
    EXPECT_TRUE(common::cells::bool_parse("true"));
    EXPECT_FALSE(common::cells::bool_parse("1"));
    EXPECT_EQ(common::cells::long_parse(nullptr), 0);  // logs "long_parse: assertion 'str != NULL' failed"
}

std::string iso(GDateTime* d) {
    if (d == nullptr) return "(none)";
    std::string text = gobj::take_string(g_date_time_format_iso8601(d));
    g_date_time_unref(d);
    return text;
}

TEST(MysqlCells, TimesKeepTheirSpan) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"10:20:30", "1970-01-01T10:20:30Z"},
        {"00:00:00", "1970-01-01T00:00:00Z"},
        {"23:59:59.500000", "1970-01-01T23:59:59.500000Z"},
        {"838:59:59", "1970-02-04T22:59:59Z"},
        {"-01:00:00", "1969-12-31T23:00:00Z"},
        {"-838:59:59", "1969-11-27T01:00:01Z"},
        {"10:61:00", "(none)"},
        {"2024-01-15 10:20:30", "(none)"},
        {"", "(none)"},
    };
    for (const Case& c : cases) EXPECT_EQ(iso(common::cells::time_parse(c.text)), c.expected) << c.text;
}

TEST(MysqlCells, DateTimesAndZeroDates) {
    EXPECT_EQ(iso(common::cells::datetime_parse("2024-01-15 10:20:30")), "2024-01-15T10:20:30Z");
    EXPECT_EQ(iso(common::cells::datetime_parse("2024-01-15 10:20:30.250000")), "2024-01-15T10:20:30.250000Z");
    EXPECT_EQ(iso(common::cells::datetime_parse("0000-00-00 00:00:00")), "(none)");
    for (const char* zero : {"0000-00-00", "0000-00-00 00:00:00", "2024-00-10", "2024-03-00 10:00:00"}) {
        EXPECT_TRUE(common::cells::zero_date(zero)) << zero;
    }
    for (const char* day : {"2024-01-15", "0001-01-01 00:00:00", "10:20:30", ""}) {
        EXPECT_FALSE(common::cells::zero_date(day)) << day;
    }
    EXPECT_EQ(common::cells::hex("\x00\x01\xAB", 3), "0001AB");
}

// A handle set up for each product, read back without connecting.
class MysqlOptions : public testing::TestWithParam<const common::Product*> {
protected:
    void SetUp() override {
        common::init_library();
        handle_ = mysql_init(nullptr);
        ASSERT_NE(handle_, nullptr);
    }
    void TearDown() override { mysql_close(handle_); }
    const char* text(mysql_option option) {
        const char* value = nullptr;
        mysql_get_option(handle_, option, &value);
        return value;
    }
    unsigned long number(mysql_option option) {
        unsigned long value = 0;
        mysql_get_option(handle_, option, &value);
        return value;
    }
    const common::Product& product() const { return *GetParam(); }
    bool mariadb() const { return product().charset_fallback; }

    MYSQL* handle_ = nullptr;
};

TEST_P(MysqlOptions, FixedOptions) {
    common::configure(product(), handle_, common::ConnectParams{});
    EXPECT_STREQ(text(MYSQL_SET_CHARSET_NAME), "utf8mb4");
    EXPECT_EQ(number(MYSQL_OPT_CONNECT_TIMEOUT), 3600u);
    EXPECT_EQ(number(MYSQL_OPT_READ_TIMEOUT), 3600u);
    EXPECT_EQ(number(MYSQL_OPT_WRITE_TIMEOUT), 3600u);
    EXPECT_EQ(number(MYSQL_OPT_MAX_ALLOWED_PACKET), 0xFFFFFFFFu);
    EXPECT_EQ(number(MYSQL_OPT_LOCAL_INFILE), 0u);
    // The plugin folder of another platform's layout does not exist here.
    EXPECT_EQ(text(MYSQL_PLUGIN_DIR), nullptr);
    // Without TLS the TLS set-up is never called: any call would turn TLS on.
    EXPECT_EQ(number(MYSQL_OPT_SSL_ENFORCE) & 0xFF, 0u);
    if (mariadb()) {
        EXPECT_STREQ(text(MYSQL_OPT_TLS_VERSION), "TLSv1,TLSv1.1,TLSv1.2,TLSv1.3");
    } else {
        EXPECT_EQ(text(MYSQL_OPT_TLS_VERSION), nullptr);
    }

    std::string dump = common::dump_text(handle_);
    gchar** lines = g_strsplit(dump.c_str(), "\n", -1);
    ASSERT_EQ(g_strv_length(lines), 13u);  // twelve lines and the empty text after the last
    EXPECT_STREQ(lines[2], "Charset name: utf8mb4");
    EXPECT_STREQ(lines[7], "Max packet size: 4294967295");
    EXPECT_STREQ(lines[9], "Connect timeout: 3600");
    EXPECT_STREQ(lines[11], "Write timeout: 3600");
    g_strfreev(lines);
}

TEST_P(MysqlOptions, TlsFilesAndPassPhrase) {
    common::ConnectParams params;
    params.ssl_using = true;
    params.ssl_key_file = "/keys/client-key.pem";
    params.ssl_cert_file = "/keys/client-cert.pem";
    params.ssl_ca_file = "/keys/ca.pem";
    params.ssl_password = "secret phrase";
    common::configure(product(), handle_, params);
    EXPECT_STREQ(text(MYSQL_OPT_SSL_KEY), "/keys/client-key.pem");
    EXPECT_STREQ(text(MYSQL_OPT_SSL_CERT), "/keys/client-cert.pem");
    EXPECT_STREQ(text(MYSQL_OPT_SSL_CA), "/keys/ca.pem");
    // An empty CA path breaks every TLS connect; the pass phrase is no cipher list.
    EXPECT_EQ(text(MYSQL_OPT_SSL_CAPATH), nullptr);
    EXPECT_EQ(text(MYSQL_OPT_SSL_CIPHER), nullptr);
    EXPECT_STREQ(text(MARIADB_OPT_TLS_PASSPHRASE), "secret phrase");
    EXPECT_NE(number(MYSQL_OPT_SSL_ENFORCE) & 0xFF, 0u);
}

TEST_P(MysqlOptions, ClientFlags) {
    common::ConnectParams plain, tls;
    tls.ssl_using = true;
    if (mariadb()) {
        EXPECT_EQ(common::client_flags(product(), plain), 0x8001060Au);
        EXPECT_EQ(common::client_flags(product(), tls), 0x80010E0Au);
    } else {
        EXPECT_EQ(common::client_flags(product(), plain), 0x8001040Au);
        EXPECT_EQ(common::client_flags(product(), tls), 0x8001040Au);
    }
}

TEST_P(MysqlOptions, FailuresRaiseInTheProductDomain) {
    EXPECT_NO_THROW(common::raise_error(product(), handle_, 0));
    // The handle holds no error number: the failure is still one.
    try {
        common::raise_error(product(), handle_, 1);
        ADD_FAILURE() << "no error raised";
    } catch (const gobj::Error& e) {
        EXPECT_TRUE(e.matches(product().domain));
        EXPECT_EQ(e.code(), -1);
    }
    // A refused connect: the library's number and text.
    common::ConnectParams params;
    params.host = "127.0.0.1";
    params.port = test::closed_port();
    try {
        common::connect(product(), handle_, params);
        ADD_FAILURE() << "connected to a closed port";
    } catch (const gobj::Error& e) {
        EXPECT_TRUE(e.matches(product().domain));
        EXPECT_EQ(e.code(), 2002);
        EXPECT_NE(e.message().find("127.0.0.1"), std::string::npos) << e.message();
    }
}

INSTANTIATE_TEST_SUITE_P(Products, MysqlOptions, testing::Values(&mysql::kProduct, &mariadb::kProduct),
                         [](const auto& info) { return std::string(info.param->domain); });

TEST(MysqlCapi, PreconditionsAndEmptyResults) {
    EXPECT_EQ(tarvelin_providers_supports_my_sql_reader_new(nullptr), nullptr);  // "_result_ != NULL"
    EXPECT_EQ(tarvelin_providers_supports_maria_db_reader_get_decimals_size(nullptr, 0), 0u);
    auto* provider = tarvelin_providers_supports_maria_db_provider_new();
    GError* error = nullptr;
    tarvelin_providers_supports_imaria_db_error_raise_error(
        TARVELIN_PROVIDERS_SUPPORTS_IMARIA_DB_ERROR(provider), nullptr, -1, &error);  // "connection != NULL"
    EXPECT_EQ(error, nullptr);
    g_object_unref(provider);
}

}  // namespace
