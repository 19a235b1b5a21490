#include "postgresql/fixture.hpp"
#include "providers/supports/postgresql/connection_parameters.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using providers::supports::postgresql::ConnectionParameters;
using providers::supports::postgresql::connection_parameters;

namespace {

bool is_opened_property(gpointer provider) {
    gboolean opened = TRUE;
    g_object_get(provider, "is-opened", &opened, nullptr);
    return opened;
}

}  // namespace

TEST(PostgresqlConnectionParameters, EachPropertyIsOneKeywordAndEmptyOnesAreLeftOut) {
    auto server = Server::create();
    EXPECT_EQ(connection_parameters(*server),
              (ConnectionParameters{{"sslmode", "disable"}, {"client_encoding", "UTF8"}}));

    server->set_host("db.example");
    server->set_port(5433);
    server->set_username("ann");
    server->set_password("p@ss/w?rd&x y");
    server->set_initial("my db?sslmode=disable");
    server->set_ssl_using(true);
    server->set_ssl_mode("verify-full");
    server->set_ssl_ca_file("/certs/ca dir/ca.pem");
    server->set_ssl_key_file("/certs/key.pem");
    EXPECT_EQ(connection_parameters(*server), (ConnectionParameters{
                                                  {"host", "db.example"},
                                                  {"port", "5433"},
                                                  {"user", "ann"},
                                                  {"password", "p@ss/w?rd&x y"},
                                                  {"dbname", "my db?sslmode=disable"},
                                                  {"sslmode", "verify-full"},
                                                  {"sslrootcert", "/certs/ca dir/ca.pem"},
                                                  {"sslkey", "/certs/key.pem"},
                                                  {"client_encoding", "UTF8"},
                                              }));
}

TEST(PostgresqlConnection, OpensWithAPasswordOfUriReservedCharactersAndCloses) {
    auto pg = pg_server();
    TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
    // The test role's password holds "@", "/", "?", "&" and a blank.
    ASSERT_NE(pg->password.find_first_of("@/?& "), std::string::npos);
    auto provider = PostgreSQLProvider::create();
    gpointer p = provider.instance();
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p));
    EXPECT_FALSE(is_opened_property(p));

    auto record = pg_record(*pg);
    gobj::call<&PV::open>(p, *record, "ignored");
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p));
    EXPECT_TRUE(is_opened_property(p));
    EXPECT_EQ(gobj::call<&PV::execute_scalar>(p, "SELECT current_user", true)->to_string(), pg->user);

    gobj::call<&PV::open>(p, *record, "");  // a second open replaces the connection
    EXPECT_TRUE(gobj::call<&PV::get_is_opened>(p));
    gobj::call<&PV::close>(p);
    EXPECT_FALSE(gobj::call<&PV::get_is_opened>(p));
    gobj::call<&PV::close>(p);
}

TEST(PostgresqlConnection, RefusedConnectionsRaiseAndLeaveTheProviderClosed) {
    auto pg = pg_server();
    TARVELIN_REQUIRE_SERVER(pg, "PostgreSQL");
    struct Case {
        const char* what;
        std::function<void(Server&)> change;
        const char* message;
    } cases[] = {
        {"wrong password", [](Server& s) { s.set_password("p@ss/w?rd&x"); }, "password authentication failed"},
        {"closed port", [](Server& s) { s.set_port(closed_port()); }, "Connection refused"},
        // The name is a name: nothing in it is read as a parameter.
        {"database name with parameters", [](Server& s) { s.set_initial("tarvelin sslmode=require"); },
         "database \"tarvelin sslmode=require\" does not exist"},
    };
    for (const Case& c : cases) {
        auto provider = PostgreSQLProvider::create();
        auto record = pg_record(*pg);
        c.change(*record);
        gobj::Error e = error_of([&] { gobj::call<&PV::open>(provider.instance(), *record, ""); });
        EXPECT_TRUE(e.matches("PostgreSQL")) << c.what;
        EXPECT_EQ(e.code(), -1) << c.what;
        EXPECT_EQ(e.message().rfind("1 : ", 0), 0u) << c.what << ": " << e.message();  // CONNECTION_BAD
        EXPECT_NE(e.message().find(c.message), std::string::npos) << c.what << ": " << e.message();
        EXPECT_FALSE(gobj::call<&PV::get_is_opened>(provider.instance())) << c.what;

        // The next open frees the failed connection and succeeds.
        auto good = pg_record(*pg);
        gobj::call<&PV::open>(provider.instance(), *good, "");
        EXPECT_TRUE(gobj::call<&PV::get_is_opened>(provider.instance())) << c.what;
    }
}

