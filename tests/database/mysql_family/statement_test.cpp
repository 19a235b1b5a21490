// The MySQL family's one quoting entry, MySQLFamilyStatement::quoted and literal, as both
// products' statements reach it: quote_identifier and pack_value give the same texts, for
// names and values that try to leave their quotes, mixed case and non-ASCII. No server.
#include <gtest/gtest.h>

#include "rezezadovu/supports/database/mariadb/connection.hpp"
#include "rezezadovu/supports/database/mariadb/statement.hpp"
#include "rezezadovu/supports/database/mysql/connection.hpp"
#include "rezezadovu/supports/database/mysql/statement.hpp"

namespace {

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::database;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

constexpr auto kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;

template <class Connection, class Statement>
struct Product {
    gobj::Ref<Connection> connection = Connection::create();
    gobj::Ref<Statement> statement =
        Statement::create(Statement::gtype(), reinterpret_cast<CConnection*>(connection.instance()));
};

struct NameCase {
    const char* name;
    const char* quoted;
};
const NameCase kNames[] = {
    {"orders", "`orders`"},
    {"MixedCase", "`MixedCase`"},
    {"zürich_表_🙂", "`zürich_表_🙂`"},
    {"a`b", "`a``b`"},
    {"`", "````"},
    {"id); DROP TABLE victim; CREATE INDEX zz ON other(a", "`id); DROP TABLE victim; CREATE INDEX zz ON other(a`"},
    {"x'\"\\y", "`x'\"\\y`"},
    {"", "``"},
};

struct ValueCase {
    const char* value;
    const char* literal;
};
const ValueCase kValues[] = {
    {"plain", "'plain'"},
    {"it's", "'it''s'"},
    {"a\\", "'a\\\\'"},
    {"\\'); DROP TABLE t; --", "'\\\\''); DROP TABLE t; --'"},
    {"zürich_表_🙂", "'zürich_表_🙂'"},
    {"line\nbreak", "'line\nbreak'"},
    {"", "''"},
};

template <class P>
void check_names_and_values() {
    P product;
    using Statement = std::remove_reference_t<decltype(*product.statement)>;
    for (const auto& c : kNames) {
        EXPECT_EQ(Statement::quoted(c.name), c.quoted) << c.name;
        EXPECT_EQ(product.statement->quote_identifier(c.name, "").value_or("(none)"), c.quoted) << c.name;
        EXPECT_EQ(product.statement->quote_identifier(c.name, "s`").value_or("(none)"), std::string("`s```.") + c.quoted)
            << c.name;
        EXPECT_EQ(Statement::quoted("s`", c.name), std::string("`s```.") + c.quoted) << c.name;
    }
    for (const auto& c : kValues) {
        EXPECT_EQ(Statement::literal(c.value), c.literal) << c.value;
        EXPECT_EQ(product.statement->pack_value(kString, c.value).value_or("(none)"), c.literal) << c.value;
    }
}

TEST(MySQLFamilyQuoting, MySQLNamesAndValuesThroughTheOneEntry) {
    check_names_and_values<Product<MySQLConnection, MySQLStatement>>();
}

TEST(MySQLFamilyQuoting, MariaDBNamesAndValuesThroughTheOneEntry) {
    check_names_and_values<Product<MariaDBConnection, MariaDBStatement>>();
}

// Numbers and booleans stay bare, blobs hex, and a "number" that is not one is a value.
TEST(MySQLFamilyQuoting, BareKindsStayBareOnlyWhenTheyAreWhatTheySay) {
    Product<MySQLConnection, MySQLStatement> product;
    auto pack = [&](providers::contracts::DataType type, const char* value) { return product.statement->pack_value(type, value).value_or(""); };
    EXPECT_EQ(pack(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "-42"), "-42");
    EXPECT_EQ(pack(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "1; DROP TABLE t"), "'1; DROP TABLE t'");
    EXPECT_EQ(pack(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "00FF"), "X'00FF'");
    EXPECT_EQ(pack(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, "0'\\"), "'0''\\\\'");
}

}  // namespace
