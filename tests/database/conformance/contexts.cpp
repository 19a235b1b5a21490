// The dialects of the conformance suite: one context each, with what its builder offers,
// how a case reaches a connection of it, and the gaps it declares. The dialects are
// reached through their C faces only (connection constructors, the connection's dialect
// objects), so renaming a dialect's files changes nothing here.
#include <tarvelin/rezezadovu/mariadb.h>
#include <tarvelin/rezezadovu/mysql.h>
#include <tarvelin/rezezadovu/postgresql.h>
#include <tarvelin/rezezadovu/sqlite.h>
#include <tarvelin/rezezadovu/sqlserver.h>

#include <glib/gstdio.h>
#include <unistd.h>

#include <atomic>

#include "conformance/context.hpp"
#include "rezezadovu/model/meta_trigger.hpp"
#include "rezezadovu/supports/database/connection_impl.hpp"
#include "support/scripted_provider.hpp"
#include "support/servers.hpp"

namespace tarvelin::test::dialects {

namespace {

using rezezadovu::meta_model::MetaTrigger;
using rezezadovu::supports::database::ConnectionImpl;

// Index and key entries are written as stored, so a column name closes the entry list
// early; the one quoting entry of each builder replaces this.
constexpr const char* kEntriesUnquoted = "index entries unquoted";

// A name unique to this process and call, for scratch databases on shared servers.
std::string unique_name(const std::string& stem) {
    static std::atomic<int> counter{0};
    return stem + "_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" +
           std::to_string(g_random_int_range(0, 1 << 20));
}

// A server record from its properties.
TarvelinProvidersContractsServer* record(const char* driver, const std::string& host, int port,
                                         const std::string& user, const std::string& password,
                                         const std::string& initial) {
    auto* s = tarvelin_providers_contracts_server_new();
    g_object_set(s, "uuid", ("conformance-" + std::string(driver)).c_str(), "driver", driver, "host", host.c_str(),
                 "port", port, "username", user.c_str(), "password", password.c_str(), "initial", initial.c_str(),
                 nullptr);
    return s;
}

// Opens `connection` (a new dialect connection, taken over) on `server` (taken over too).
CConnection* opened(gpointer connection, TarvelinProvidersContractsServer* server) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(static_cast<CConnection*>(connection), server, nullptr,
                                                           &error);
    g_object_unref(server);
    if (error) {
        ADD_FAILURE() << "cannot open: " << error->message;
        g_error_free(error);
    }
    return static_cast<CConnection*>(connection);
}

void close(CConnection*& connection) {
    if (!connection) return;
    tarvelin_rezezadovu_contracts_database_iconnection_close(connection);
    g_object_unref(connection);
    connection = nullptr;
}

// Runs statements on a connection of its own and closes it; failures fail the case.
void run_once(CConnection* connection, const std::string& sql) {
    GError* error = nullptr;
    gint64 done = tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(connection, sql.c_str(), TRUE,
                                                                                     &error);
    (void)done;
    if (error) {
        ADD_FAILURE() << sql << ": " << error->message;
        g_error_free(error);
    }
    close(connection);
}

// A live context: a scratch database (or file) of its own, the sentinel in it.
class LiveContext : public Context {
public:
    ~LiveContext() override { forget_objects(); }
    CConnection* connection() override { return connection_; }
    void start() override {
        open_scratch();
        EXPECT_EQ(run("CREATE TABLE sentinel (n INTEGER); INSERT INTO sentinel (n) VALUES (1);" + trigger_support), "");
    }
    void renew() override {
        forget_objects();
        close(connection_);
        open_scratch();
    }

protected:
    // Makes a new scratch database and opens connection_ on it.
    virtual void open_scratch() = 0;
    CConnection* connection_ = nullptr;
};

// ---------------------------------------------------------------- SQLite

class SQLiteContext : public LiveContext {
public:
    SQLiteContext() {
        product = "SQLite";
        database = "conformance";
        schema = "main";
        can.table = {true, true, true, true};
        can.index = {true, false, false, true};
        can.view = {true, false, true, true};
        can.trigger = {true, false, false, true};
        unsupported = {{"RoundTrip_Comments", "SQLite keeps no comments"}};
    }
    ~SQLiteContext() override {
        forget_objects();
        close(connection_);
        if (GDir* dir = g_dir_open(folder_.c_str(), 0, nullptr)) {
            while (const char* name = g_dir_read_name(dir)) g_remove((folder_ + "/" + name).c_str());
            g_dir_close(dir);
        }
        g_rmdir(folder_.c_str());
    }
    void make_trigger(MetaTrigger& trigger, const std::string& table) override {
        trigger.set_timing("AFTER");
        trigger.set_event("INSERT");
        trigger.set_target(table.c_str());
        trigger.set_body("SELECT 1;");
    }

protected:
    void open_scratch() override {
        const std::string file = folder_ + "/" + unique_name("case") + ".db";
        auto* server = tarvelin_providers_contracts_server_new();
        g_object_set(server, "uuid", "conformance-sqlite", "driver", "SQLite", "filename", file.c_str(), "initial",
                     "main", nullptr);
        connection_ = opened(tarvelin_rezezadovu_supports_database_sq_lite_connection_new(), server);
    }

private:
    std::string folder_ = [] {
        gchar* made = g_dir_make_tmp("tarvelin-dialects-XXXXXX", nullptr);
        std::string path = made ? made : "";
        g_free(made);
        return path;
    }();
};

// ---------------------------------------------------------------- PostgreSQL

class PostgreSQLContext : public LiveContext {
public:
    PostgreSQLContext() {
        product = "PostgreSQL";
        if (!address_) missing_server = "PostgreSQL";
        schema = "public";
        integer_type = "int4";
        name_limit = 63;
        can.table = {true, true, true, true};
        can.index = {true, false, false, true};
        can.view = {true, false, true, true};
        can.trigger = {true, false, false, true};
        can.schema = {true, false, true, true};
        trigger_support =
            "CREATE FUNCTION conformance_noop() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RETURN NEW; END$$;";
    }
    ~PostgreSQLContext() override {
        forget_objects();
        close(connection_);
        for (const auto& name : made_)
            run_once(server_connection(address_->superuser, ""), "DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
    }
    void make_trigger(MetaTrigger& trigger, const std::string& table) override {
        trigger.set_timing("AFTER");
        trigger.set_event("INSERT");
        trigger.set_for_each("ROW");
        trigger.set_target(table.c_str());
        trigger.set_function("conformance_noop");
    }

protected:
    void open_scratch() override {
        database = unique_name("conformance");
        run_once(server_connection(address_->user, address_->password), "CREATE DATABASE " + database);
        made_.push_back(database);
        const PgAddress& a = *address_;
        connection_ = opened(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                             record("PostgreSQL", a.host, a.port, a.user, a.password, database));
    }

private:
    // A connection on the server's own database, where databases are made and dropped.
    CConnection* server_connection(const std::string& user, const std::string& password) {
        const PgAddress& a = *address_;
        return opened(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                      record("PostgreSQL", a.host, a.port, user, password, a.database));
    }
    std::optional<PgAddress> address_ = pg_server();
    std::vector<std::string> made_;
};

// ---------------------------------------------------------------- MySQL family

// MariaDB, and MySQL where its SQL is shared with MariaDB: on the MariaDB test server.
class MySQLFamilyContext : public LiveContext {
public:
    using Make = gpointer (*)();
    explicit MySQLFamilyContext(const char* name, Make make) : make_(make) {
        product = name;
        if (!address_) missing_server = "MariaDB";
        integer_type = "int";
        identifier_quotes = "``";
        literal_escapes = true;
        name_limit = 64;
        schema_suffix = "_" + std::to_string(getpid());
        // Identifiers hold characters of the Basic Multilingual Plane only.
        name_substitutes = {{"NonAscii", "zürich_表_ß"}};
        can.table = {true, true, true, true};
        can.index = {true, false, false, true};
        can.view = {true, false, true, true};
        can.trigger = {true, false, false, true};
        can.schema = {true, false, false, true};
    }
    ~MySQLFamilyContext() override {
        forget_objects();
        close(connection_);
        for (const auto& name : made_) run_once(server_connection(), "DROP DATABASE IF EXISTS `" + name + "`");
    }
    void make_trigger(MetaTrigger& trigger, const std::string& table) override {
        trigger.set_timing("AFTER");
        trigger.set_event("INSERT");
        trigger.set_target(table.c_str());
        trigger.set_body("SET @conformance = 1;");
    }

    // A schema is a database of the server, which the adapter reads only by its own name.
    bool schema_exists(const std::string& name) override {
        gchar* literal = tarvelin_rezezadovu_contracts_database_istatement_pack_value(
            statement(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, name.c_str());
        auto counted = rows(std::string("SELECT count(*) FROM information_schema.SCHEMATA WHERE SCHEMA_NAME = ") + literal);
        g_free(literal);
        return counted == std::vector<std::string>{"1"};
    }
    // The same database made again: the builder's scripts name their schema.
    void renew() override {
        forget_objects();
        close(connection_);
        run_once(server_connection(), "DROP DATABASE `" + database + "`");
        open_on(database);
    }

protected:
    void open_scratch() override {
        open_on(unique_name("conformance"));
        made_.push_back(database);
    }

private:
    void open_on(const std::string& name) {
        database = schema = name;
        run_once(server_connection(),
                 "CREATE DATABASE `" + database + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci");
        const MysqlAddress& a = *address_;
        connection_ = opened(make_(), record(product.c_str(), a.host, a.port, a.user, a.password, database));
    }
    CConnection* server_connection() {
        const MysqlAddress& a = *address_;
        return opened(make_(), record(product.c_str(), a.host, a.port, a.user, a.password, a.database));
    }
    Make make_;
    std::optional<MysqlAddress> address_ = mysql_server();
    std::vector<std::string> made_;
};

class MariaDBContext : public MySQLFamilyContext {
public:
    MariaDBContext()
        : MySQLFamilyContext("MariaDB", [] { return gpointer(tarvelin_rezezadovu_supports_database_maria_db_connection_new()); }) {
        unsupported = {
            {"RoundTrip_PartialIndex", "MariaDB has no partial indexes"},
            {"RoundTrip_ExpressionIndex", "MariaDB indexes columns and column prefixes only"},
        };
    }
};

// The MySQL dialect on the MariaDB server reads through its 5.x reader: the reader the
// connection picks for a MariaDB version asks for columns of MySQL 8.
class MySQLContext : public MySQLFamilyContext {
public:
    MySQLContext()
        : MySQLFamilyContext("MySQL", [] { return gpointer(tarvelin_rezezadovu_supports_database_my_sql_connection_new()); }) {
        fixture = "MariaDB";
        unsupported = {
            {"RoundTrip_PartialIndex", "MySQL has no partial indexes"},
            {"RoundTrip_ExpressionIndex", "expression indexes are MySQL 8's, read by the 8.x reader on a MySQL 8 server"},
            {"RoundTrip_Checks", "checks are MySQL 8's, read by the 8.x reader on a MySQL 8 server"},
        };
    }
    CAdaptable* adapter() override {
        if (!reader_) {
            reader_ = reinterpret_cast<CAdaptable*>(tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_new(connection()));
            kept_.push_back(G_OBJECT(reader_));
        }
        return reader_;
    }
    void renew() override {
        reader_ = nullptr;
        MySQLFamilyContext::renew();
    }

private:
    CAdaptable* reader_ = nullptr;
};

// ---------------------------------------------------------------- SQL Server

// No SQL Server runs here: the builder's texts are checked as text, on a connection
// whose provider is scripted (the version and the collation list the builder asks for).
class SQLServerContext : public Context {
public:
    SQLServerContext() {
        product = "SQLServer";
        database = "conformance";
        schema = "dbo";
        integer_type = "int";
        identifier_quotes = "[]";
        literal_prefix = "N";
        name_limit = 128;
        can.live = false;
        // patch_table works from the change maps a comparison fills, which no case here makes.
        can.table = {true, false, true, true};
        can.index = {true, false, false, true};
        can.view = {true, false, true, true};
        can.trigger = {true, false, false, true};
        can.schema = {true, false, false, true};
    }
    ~SQLServerContext() override {
        forget_objects();
        close(connection_);
    }
    CConnection* connection() override { return connection_; }
    void start() override {
        provider_->answer_rows("SELECT SERVERPROPERTY('ProductVersion') as version;",
                               {{"version", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING}}, {{"15.0.2000.5"}});
        provider_->answer_rows("SELECT name FROM sys.fn_helpcollations() WHERE [name] NOT LIKE 'SQL%';",
                               {{"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING}},
                               {{"Latin1_General_CI_AS"}, {"Japanese_CI_AS"}});
        auto connection = gobj::Ref<ConnectionImpl>::adopt(tarvelin_rezezadovu_supports_database_sql_server_connection_new());
        connection->use_provider(gobj::Ref<providers::contracts::IProvider>(provider_));
        connection_ = opened(connection.release(), record("SQLServer", "scripted", 1433, "sa", "", database));
    }
    void renew() override { ADD_FAILURE() << "SQL Server runs no script here"; }
    void make_trigger(MetaTrigger& trigger, const std::string& table) override {
        trigger.set_timing("AFTER");
        trigger.set_event("INSERT");
        trigger.set_target(table.c_str());
        trigger.set_body("SET NOCOUNT ON;");
    }

private:
    gobj::Ref<ScriptedProvider> provider_ = ScriptedProvider::create();
    CConnection* connection_ = nullptr;
};

template <class C>
std::function<std::unique_ptr<Context>()> context() {
    return [] { return std::unique_ptr<Context>(new C()); };
}

}  // namespace

const std::vector<Product>& products() {
    static const std::vector<Product> all = {
        {"SQLite", context<SQLiteContext>()},         {"PostgreSQL", context<PostgreSQLContext>()},
        {"MariaDB", context<MariaDBContext>()},       {"MySQL", context<MySQLContext>()},
        {"SQLServer", context<SQLServerContext>()},
    };
    return all;
}

}  // namespace tarvelin::test::dialects
