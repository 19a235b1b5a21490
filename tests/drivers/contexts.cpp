// The products of the conformance suite: one context each, with its capabilities, its
// SQL spellings and the errors it raises.
#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>

#include "drivers/context.hpp"
#include "support/servers.hpp"
#include "support/tds_peer.hpp"

namespace tarvelin::test::drivers {

std::string Context::spell(const std::string& text, long n) const {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "{t}") == 0) {
            out += table;
            i += 2;
        } else if (text.compare(i, 3, "{n}") == 0) {
            out += std::to_string(n);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

namespace {

using Match = Failure::Match;

// A server record from name/value pairs of its properties ("host", "port", ...).
GObject* record(const std::function<void(GObject*)>& fill) {
    GObject* server = G_OBJECT(tarvelin_providers_contracts_server_new());
    fill(server);
    return server;
}

bool open_on(GObject* provider, GObject* server, const char* connection_string, GError** error) {
    tarvelin_providers_contracts_iprovider_open(TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider),
                                                TARVELIN_PROVIDERS_CONTRACTS_SERVER(server), connection_string, error);
    g_object_unref(server);
    return *error == nullptr;
}

// SQLite on a new file in a temporary folder.
class SQLiteContext : public Context {
public:
    SQLiteContext() {
        product = "SQLite";
        not_opened = {"SQLite", -1, "The database is not open."};
        syntax_error = {"SQLite", 1, "syntax error", Match::Part};  // SQLITE_ERROR
        rounds = 100;
        // Types vary per cell: one column holds every storage class.
        sql.typed_table = {"CREATE TABLE {t} (k INTEGER, v)",
                           "INSERT INTO {t} VALUES (1, 42), (2, 2.5), (3, 'text'), (4, X'00FF'), (5, NULL),"
                           " (6, '2024-02-29 12:00:00'), (7, 'a' || char(0) || 'b'), (8, 9223372036854775807),"
                           " (9, -1e308), (10, X'')"};
        sql.typed_select = "SELECT k, v FROM {t} ORDER BY k";
        sql.exact_values = {{"INTEGER", "9223372036854775807", "9223372036854775807"},
                            {"INTEGER", "-9223372036854775808", "-9223372036854775808"}};
    }
    ~SQLiteContext() override {
        if (GDir* dir = g_dir_open(folder_.c_str(), 0, nullptr)) {
            while (const char* name = g_dir_read_name(dir)) g_remove((folder_ + "/" + name).c_str());
            g_dir_close(dir);
        }
        g_rmdir(folder_.c_str());
    }
    GObject* make() override { return G_OBJECT(tarvelin_providers_supports_sq_lite_provider_new()); }
    bool open(GObject* provider, GError** error) override {
        std::string file = folder_ + "/conformance.db";
        return open_on(provider, record([&](GObject* s) { g_object_set(s, "filename", file.c_str(), nullptr); }),
                       file.c_str(), error);
    }

private:
    std::string folder_ = [] {
        gchar* made = g_dir_make_tmp("tarvelin-conformance-XXXXXX", nullptr);
        std::string path = made ? made : "";
        g_free(made);
        return path;
    }();
};

class PostgreSQLContext : public Context {
public:
    PostgreSQLContext() {
        product = "PostgreSQL";
        if (!address_) missing_server = "PostgreSQL";
        not_opened = {"PostgreSQL", -2, "PGRES_FATAL_ERROR : The connection is not open."};
        syntax_error = {"PostgreSQL", -2, "PGRES_FATAL_ERROR : ERROR:  syntax error", Match::Start};
        const std::string insert = "INSERT INTO {t} VALUES ";
        sql.typed_table = {
            "CREATE TABLE {t} (k int, b boolean, i2 int2, i4 int4, i8 int8, f4 float4, f8 float8, n numeric(20,6),"
            " m money, t text, v varchar(20), by bytea, d date, tm time(6), ts timestamp(6), tz timestamptz(6),"
            " u uuid, j json, x xml, iv interval)",
            insert + "(1, true, -32768, 2147483647, -9223372036854775808, 1.5, -2.25e300, 12345.678901, 12.34,"
                     " 'text', 'varchar', '\\x00ff', '2024-02-29', '23:59:59.999999', '2024-02-29 12:34:56.123456',"
                     " '2024-02-29 12:34:56.5+05', '0a0b0c0d-0000-4000-8000-000000000001', '{\"a\":1}', '<a/>',"
                     " '1 day 02:03:04')",
            insert + "(2, false, 32767, 0, 0, 0, 0, 0, 0, '', '', '', '1000-01-01', '00:00:00', '1000-01-01 00:00:00',"
                     " '1000-01-01 00:00:00+00', NULL, NULL, NULL, NULL)",
            insert + "(3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,"
                     " NULL, NULL, NULL, NULL)",
            insert + "(4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '1969-12-31', '12:00:00.5',"
                     " '1969-12-31 23:59:59.5', '1969-12-31 23:59:59.5+00', NULL, NULL, NULL, NULL)",
            insert + "(5, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '9999-12-31', '24:00:00',"
                     " '9999-12-31 23:59:59.999999', '9999-12-31 23:59:59.999999+00', NULL, NULL, NULL, NULL)",
            insert + "(6, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '0001-01-01',"
                     " '00:00:00.000001', '0001-01-01 00:00:00', '0001-01-01 00:00:00+00', NULL, NULL, NULL, NULL)",
            insert + "(7, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '2000-02-29', NULL,"
                     " '2000-02-29 00:00:00.000001', '2000-02-28 23:59:59.999999-12', NULL, NULL, NULL, NULL)"};
        sql.typed_select = "SELECT * FROM {t} ORDER BY k";
        sql.exact_values = {
            {"bigint", "9223372036854775807", "9223372036854775807"},
            {"bigint", "-9223372036854775808", "-9223372036854775808"},
            {"date", "'0001-01-01'", "0001-01-01"},
            {"date", "'9999-12-31'", "9999-12-31"},
            {"date", "'2000-02-29'", "2000-02-29"},
            {"timestamp", "'0001-01-01 00:00:00'", "0001-01-01 00:00:00"},
            {"timestamp", "'9999-12-31 23:59:59.999999'", "9999-12-31 23:59:59.999999"},
            {"timestamp(6)", "'2000-01-01 00:00:00.000001'", "2000-01-01 00:00:00.000001"},
            {"timestamp(3)", "'1969-12-31 23:59:59.5'", "1969-12-31 23:59:59.5"},
            {"timestamptz", "'9999-12-31 23:59:59.999999+00'", "9999-12-31 23:59:59.999999"},
            {"timestamptz", "'2024-02-29 12:34:56.5+05:30'", "2024-02-29 07:04:56.5"},
            {"timestamptz", "'0001-01-01 12:00:00+00'", "0001-01-01 12:00:00"},
            {"time", "'00:00:00.000001'", "00:00:00.000001"},
            {"time", "'23:59:59.999999'", "23:59:59.999999"},
            {"time", "'24:00:00'", "24:00:00"},
        };
        sql.text_only_values = {
            {"date", "'0044-03-15 BC'", "0044-03-15 BC"},
            {"date", "'infinity'", "infinity"},
            {"date", "'10000-01-01'", "10000-01-01"},
            {"timestamp", "'0001-01-01 00:00:00 BC'", "0001-01-01 00:00:00 BC"},
            {"timestamp", "'10000-01-01 00:00:00'", "10000-01-01 00:00:00"},
            {"timestamptz", "'-infinity'", "-infinity"},
        };
    }
    GObject* make() override { return G_OBJECT(tarvelin_providers_supports_postgre_sql_provider_new()); }
    bool open(GObject* provider, GError** error) override {
        const PgAddress& a = *address_;
        return open_on(provider, record([&](GObject* s) {
                           g_object_set(s, "host", a.host.c_str(), "port", a.port, "username", a.user.c_str(),
                                        "password", a.password.c_str(), "initial", a.database.c_str(), nullptr);
                       }),
                       "", error);
    }

private:
    std::optional<PgAddress> address_ = pg_server();
};

// MySQL and MariaDB, both on the MariaDB test server.
class MySQLFamilyContext : public Context {
public:
    MySQLFamilyContext(const char* name, GObject* (*create)()) : create_(create) {
        product = name;
        if (!address_) missing_server = "MariaDB";
        sql.create_table = "CREATE TABLE {t} (n INT) ENGINE=InnoDB";
        not_opened = {name, -1, "The connection is not open."};
        syntax_error = {name, 1064, "SQL syntax", Match::Part};  // ER_PARSE_ERROR
        // Zero dates need a session that accepts them.
        const std::string insert = "INSERT INTO {t} VALUES ";
        sql.typed_table = {
            "SET SESSION sql_mode = ''",
            "CREATE TABLE {t} (k INT, b BOOLEAN, ti TINYINT, si SMALLINT UNSIGNED, mi MEDIUMINT, i INT, bi BIGINT,"
            " ub BIGINT UNSIGNED, f FLOAT, d DOUBLE, de DECIMAL(20,6), c CHAR(3), vc VARCHAR(20), tx TEXT, bl BLOB,"
            " vb VARBINARY(8), dt DATE, tm TIME(6), dtt DATETIME(6), ts TIMESTAMP(6) NULL DEFAULT NULL, y YEAR,"
            " e ENUM('a','b'), st SET('x','y'), j JSON, bt BIT(8)) ENGINE=InnoDB",
            insert + "(1, TRUE, -128, 65535, 8388607, 2147483647, -9223372036854775808, 18446744073709551615, 1.5,"
                     " -2.25e300, 12345.678901, 'abc', 'varchar', 'text', X'00FF', X'0102', '2024-02-29',"
                     " '23:59:59.999999', '2024-02-29 12:34:56.123456', '2024-02-29 12:34:56.5', 2024, 'b', 'x,y',"
                     " '{\"a\":1}', b'10101010')",
            insert + "(2, FALSE, 0, 0, 0, 0, 0, 0, 0, 0, 0, '', '', '', '', '', '0000-00-00', '-838:59:59',"
                     " '0000-00-00 00:00:00', '0000-00-00 00:00:00', 0, 'a', '', '[]', b'0')",
            insert + "(3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,"
                     " NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)",
            insert + "(4, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,"
                     " '1000-01-01', '00:00:00', '1000-01-01 00:00:00.000001', '1970-01-02 00:00:01', 1901, NULL,"
                     " NULL, NULL, NULL)",
            insert + "(5, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,"
                     " '9999-12-31', '838:59:59', '9999-12-31 23:59:59.999999', '2038-01-19 03:14:07.999999', 2155,"
                     " NULL, NULL, NULL, NULL)",
            insert + "(6, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,"
                     " '1969-12-31', '12:00:00.5', '1969-12-31 23:59:59.5', NULL, NULL, NULL, NULL, NULL, NULL)",
            insert + "(7, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,"
                     " '2000-02-29', NULL, '2000-02-29 00:00:00', NULL, NULL, NULL, NULL, NULL, NULL)"};
        sql.typed_select = "SELECT * FROM {t} ORDER BY k";
        sql.exact_values = {
            {"BIGINT UNSIGNED", "18446744073709551615", "18446744073709551615"},
            {"BIGINT UNSIGNED", "9223372036854775808", "9223372036854775808"},
            {"BIGINT", "-9223372036854775808", "-9223372036854775808"},
            {"DATE", "'1000-01-01'", "1000-01-01"},
            {"DATE", "'9999-12-31'", "9999-12-31"},
            {"DATETIME", "'2024-02-29 12:34:56'", "2024-02-29 12:34:56"},
            {"DATETIME(3)", "'2024-02-29 12:34:56.5'", "2024-02-29 12:34:56.500"},
            {"DATETIME(6)", "'9999-12-31 23:59:59.999999'", "9999-12-31 23:59:59.999999"},
            {"DATETIME(6)", "'1000-01-01 00:00:00'", "1000-01-01 00:00:00.000000"},
            {"DATETIME(6)", "'0001-01-01 00:00:00.000001'", "0001-01-01 00:00:00.000001"},
            {"TIMESTAMP(6) NULL", "'2038-01-19 03:14:07.999999'", "2038-01-19 03:14:07.999999"},
            {"TIME(6)", "'838:59:59'", "838:59:59.000000"},
            {"TIME(6)", "'-838:59:59.999999'", "-838:59:59.999999"},
            {"TIME(6)", "'00:00:00.000001'", "00:00:00.000001"},
            {"TIME(6)", "'23:59:59.999999'", "23:59:59.999999"},
            {"TIME", "'-00:00:01'", "-00:00:01"},
        };
    }
    GObject* make() override { return create_(); }
    bool open(GObject* provider, GError** error) override {
        const MysqlAddress& a = *address_;
        return open_on(provider, record([&](GObject* s) {
                           g_object_set(s, "host", a.host.c_str(), "port", a.port, "username", a.user.c_str(),
                                        "password", a.password.c_str(), "initial", a.database.c_str(), nullptr);
                       }),
                       "", error);
    }

private:
    GObject* (*create_)();
    std::optional<MysqlAddress> address_ = mysql_server();
};

// SQL Server through the scripted TDS peer: every text a case sends is scripted here, so
// the driver's own code runs through the real db-lib, but the data is the script's.
class SQLServerContext : public Context {
public:
    SQLServerContext() {
        product = "SQLServer";
        table = "t";
        sql.create_table = "CREATE TABLE {t} (n INT)";
        // db-lib handed no connection reports through the handler with NULL, which can
        // reach no queue: the provider answers itself, without calling db-lib.
        not_opened = {"TDSDB", 20109, "NULL DBPROCESS pointer passed to DB-Library."};
        syntax_error = {"TDSDB", 102, "Incorrect syntax near 'SELEC'.\n", Match::Start};

        peer_.set_credentials("sa", "secret");
        peer_.script(spell(sql.create_table), TdsResponse().done());
        for (int n = 1; n <= 3; ++n) peer_.script(spell(sql.insert, n), TdsResponse().count(1));
        peer_.script(spell(sql.count), TdsResponse().result({{"", TdsType::Int}}, {{"3"}}));
        peer_.script(spell(sql.select), TdsResponse().result({{"n", TdsType::Int}}, {{"1"}, {"2"}, {"3"}}));
        peer_.script(spell(sql.drop_table), TdsResponse().done());
        peer_.script(sql.probe, TdsResponse().result({{"", TdsType::Int}}, {{"1"}}));
        peer_.script(sql.syntax_error, TdsResponse().error(102, 15, "Incorrect syntax near 'SELEC'.").fail());
    }
    GObject* make() override { return G_OBJECT(tarvelin_providers_supports_sql_server_provider_new()); }
    bool open(GObject* provider, GError** error) override {
        int port = peer_.port();
        return open_on(provider, record([&](GObject* s) {
                           g_object_set(s, "host", "127.0.0.1", "port", port, "username", "sa", "password",
                                        "secret", "initial", "tarvelin", nullptr);
                       }),
                       "Data Source=peer", error);
    }

private:
    TdsPeer peer_;
};

// Redis answers commands with replies: no tables, one thread at a time.
class RedisContext : public Context {
public:
    RedisContext() {
        product = "Redis";
        if (!address_) missing_server = "Redis";
        sql.probe = "PING";
        sql.probe_answer = "PONG";
        sql.syntax_error = "NOSUCHCOMMAND a b";
        not_opened = {"Redis", -1, "Not connected to a server"};
        syntax_error = {"Redis", -2, "6 : ERR unknown command 'NOSUCHCOMMAND'", Match::Start};
    }
    GObject* make() override { return G_OBJECT(tarvelin_providers_supports_redis_provider_new()); }
    bool open(GObject* provider, GError** error) override {
        const RedisAddress& a = *address_;
        return open_on(provider, record([&](GObject* s) {
                           g_object_set(s, "host", a.host.c_str(), "port", a.port, nullptr);
                       }),
                       "redis", error);
    }

private:
    std::optional<RedisAddress> address_ = redis_server();
};

template <class C, class... A>
std::function<std::unique_ptr<Context>()> context(Capabilities can, A... args) {
    return [=] {
        std::unique_ptr<Context> made(new C(args...));
        made->can = can;
        return made;
    };
}

GObject* new_mysql() { return G_OBJECT(tarvelin_providers_supports_my_sql_provider_new()); }
GObject* new_mariadb() { return G_OBJECT(tarvelin_providers_supports_maria_db_provider_new()); }

}  // namespace

const std::vector<Product>& products() {
    static const auto* all = [] {
        Capabilities sqlite;
        sqlite.reader_holds_provider = true;
        sqlite.reader_starts_on_first_row = true;
        Capabilities server;
        Capabilities sql_server;
        sql_server.real_data = false;
        sql_server.reader_holds_provider = true;
        Capabilities redis;
        redis.tables = false;
        redis.thread_safe = false;
        redis.transactions = false;
        redis.reader_from_server = false;
        return new std::vector<Product>{
            {"SQLite", sqlite, context<SQLiteContext>(sqlite)},
            {"PostgreSQL", server, context<PostgreSQLContext>(server)},
            {"MySQL", server, context<MySQLFamilyContext>(server, "MySQL", &new_mysql)},
            {"MariaDB", server, context<MySQLFamilyContext>(server, "MariaDB", &new_mariadb)},
            {"SQLServer", sql_server, context<SQLServerContext>(sql_server)},
            {"Redis", redis, context<RedisContext>(redis)},
        };
    }();
    return *all;
}

std::vector<Product> products_that(bool (*wanted)(const Capabilities&)) {
    std::vector<Product> out;
    for (const Product& p : products())
        if (wanted(p.can)) out.push_back(p);
    return out;
}

}  // namespace tarvelin::test::drivers
