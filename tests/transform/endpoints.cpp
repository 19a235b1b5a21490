#include "endpoints.hpp"

#include <glib/gstdio.h>
#include <unistd.h>

#include <atomic>

#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/gobj/gee.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mysql/adapter_v5x.hpp"
#include "rezezadovu/supports/database/mysql/connection.hpp"
#include "rezezadovu/transform/transfer.hpp"
#include "support/driver_checks.hpp"

namespace transform_test {

using providers::contracts::ValueBinary;

namespace {

std::string scratch_name() {
    static std::atomic<int> counter{0};
    return "transfer_work_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" +
           std::to_string(g_random_int_range(0, 1 << 20));
}

TarvelinProvidersContractsServer* record(const char* driver, const std::string& host, int port,
                                         const std::string& user, const std::string& password,
                                         const std::string& database) {
    auto* s = tarvelin_providers_contracts_server_new();
    g_object_set(s, "uuid", "TRANSFORM", "driver", driver, "host", host.c_str(), "port", port, "username", user.c_str(),
                 "password", password.c_str(), "initial", database.c_str(), nullptr);
    return s;
}

gobj::Ref<gobj::Object> open(gpointer connection, TarvelinProvidersContractsServer* server) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(static_cast<CConnection*>(connection), server, nullptr,
                                                            &error);
    g_object_unref(server);
    auto owned = gobj::Ref<gobj::Object>::adopt(static_cast<GObject*>(connection));
    EXPECT_EQ(test::describe(error), "(none)");
    return owned;
}

void close(const gobj::Ref<gobj::Object>& connection) {
    if (connection)
        tarvelin_rezezadovu_contracts_database_iconnection_close(
            reinterpret_cast<CConnection*>(connection.instance()));
}

class SqliteEndpoint : public Endpoint {
public:
    ~SqliteEndpoint() override { drop(); }
    void drop() override { close(connection); }
};

class PgEndpoint : public Endpoint {
public:
    ~PgEndpoint() override { drop(); }
    test::PgAddress address;
    void drop() override {
        close(connection);
        connection.reset();
        auto admin = open(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                          record("PostgreSQL", address.host, address.port, address.user, address.password,
                                 address.database));
        tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(
            reinterpret_cast<CConnection*>(admin.instance()),
            ("DROP DATABASE IF EXISTS " + database + " WITH (FORCE)").c_str(), FALSE, nullptr);
        close(admin);
    }
};

// The MySQL-family connection with the catalogue reader MariaDB answers: the connection
// picks the 8.x reader for "10.11.x-MariaDB", which asks for columns MariaDB lacks.
class MariaDbConnection : public rezezadovu::supports::database::MySQLConnection {
public:
    static GType gtype();
    gobj::Ref<IAdaptable> adapter() override {
        if (!reader_)
            reader_ = gobj::Ref<IAdaptable>(rezezadovu::supports::database::MySQLAdapterV5x::create(
                rezezadovu::supports::database::MySQLAdapterV5x::gtype(),
                reinterpret_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(gobj())));
        return reader_;
    }

private:
    gobj::Ref<IAdaptable> reader_;
};
TARVELIN_GTYPE(MariaDbConnection, "TarvelinTestTransformMariaDbConnection", rezezadovu::supports::database::MySQLConnection)

class MariaDbEndpoint : public Endpoint {
public:
    ~MariaDbEndpoint() override { drop(); }
    void drop() override {
        try_run("DROP DATABASE IF EXISTS `" + database + "`");
        close(connection);
    }
};

}  // namespace

Endpoint::~Endpoint() = default;

std::string Endpoint::try_run(const std::string& script) const {
    GError* error = nullptr;
    gint length = 0;
    GObject** results =
        tarvelin_rezezadovu_contracts_database_iconnection_execute(c(), script.c_str(), TRUE, &length, &error);
    std::string failure = error ? error->message : "";
    if (error) g_error_free(error);
    for (gint i = 0; i < length; ++i) {
        if (failure.empty() && G_TYPE_CHECK_INSTANCE_TYPE(results[i], tarvelin_providers_contracts_value_error_get_type()))
            failure = gobj::take_string(tarvelin_providers_contracts_ivalue_to_string(
                reinterpret_cast<TarvelinProvidersContractsIValue*>(results[i])));
        g_object_unref(results[i]);
    }
    g_free(results);
    return failure;
}

void Endpoint::run(const std::string& script) const {
    std::string failure = try_run(script);
    ASSERT_EQ(failure, "") << script;
}

std::vector<std::string> Endpoint::rows(const std::string& sql) const {
    GError* error = nullptr;
    auto* model = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(c(), sql.c_str(), FALSE, &error);
    EXPECT_EQ(test::describe(error), "(none)") << sql;
    std::vector<std::string> out;
    if (!model) return out;
    auto table = gobj::Ref<providers::contracts::TableModel>::adopt(model);
    for (auto row : table->get_rows()) {
        std::string line;
        bool first = true;
        for (auto value : row->get_values()) {
            line += first ? "" : "|";
            first = false;
            if (!value || value->get_is_null())
                line += "NULL";
            else if (auto* bytes = dynamic_cast<ValueBinary*>(value.get()))
                line += bytes->to_hexadecimal();
            else
                line += value->to_string();
        }
        out.push_back(line);
    }
    return out;
}

std::string Endpoint::q(const std::string& name) const {
    auto* statement = tarvelin_rezezadovu_contracts_database_iconnection_statement(c());
    std::string quoted =
        gobj::take_string(tarvelin_rezezadovu_contracts_database_istatement_quote_identifier(statement, name.c_str(), ""));
    g_object_unref(statement);
    return quoted;
}

std::unique_ptr<Endpoint> sqlite_endpoint(const std::string& path) {
    auto e = std::make_unique<SqliteEndpoint>();
    auto* s = tarvelin_providers_contracts_server_new();
    g_object_set(s, "uuid", "TRANSFORM", "driver", "SQLite", "filename", path.c_str(), "initial", "main", nullptr);
    e->connection = open(tarvelin_rezezadovu_supports_database_sq_lite_connection_new(), s);
    e->product = "SQLite";
    e->database = "main";
    e->schema = "main";
    // Thousands of one-row statements: no wait for the disk after each.
    e->run("PRAGMA synchronous = OFF");
    return e;
}

std::unique_ptr<Endpoint> pg_endpoint() {
    auto address = test::pg_server();
    if (!address) return nullptr;
    auto e = std::make_unique<PgEndpoint>();
    e->address = *address;
    e->product = "PostgreSQL";
    e->database = scratch_name();
    e->schema = "public";
    {
        auto admin = open(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                          record("PostgreSQL", address->host, address->port, address->user, address->password,
                                 address->database));
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iconnection_execute_no_query(
            reinterpret_cast<CConnection*>(admin.instance()), ("CREATE DATABASE " + e->database).c_str(), FALSE,
            &error);
        EXPECT_EQ(test::describe(error), "(none)");
        close(admin);
    }
    e->connection = open(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                         record("PostgreSQL", address->host, address->port, address->user, address->password,
                                e->database));
    return e;
}

class PgSession : public Endpoint {
public:
    ~PgSession() override { drop(); }
    void drop() override { close(connection); }
};

std::unique_ptr<Endpoint> pg_session(const Endpoint& of) {
    auto address = test::pg_server();
    if (!address) return nullptr;
    auto e = std::make_unique<PgSession>();
    e->product = of.product;
    e->database = of.database;
    e->schema = of.schema;
    e->connection = open(tarvelin_rezezadovu_supports_database_postgre_sql_connection_new(),
                         record("PostgreSQL", address->host, address->port, address->user, address->password,
                                of.database));
    return e;
}

namespace {
std::unique_ptr<Endpoint> mariadb_over(gpointer connection, const char* driver) {
    auto address = test::mysql_server();
    if (!address) {
        g_object_unref(connection);
        return nullptr;
    }
    auto e = std::make_unique<MariaDbEndpoint>();
    e->product = "MariaDB";
    e->database = scratch_name();
    e->schema = e->database;
    e->connection = open(connection, record(driver, address->host, address->port, address->user, address->password,
                                            address->database));
    e->run("CREATE DATABASE `" + e->database + "` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci");
    e->run("USE `" + e->database + "`");
    return e;
}
}  // namespace

std::unique_ptr<Endpoint> mariadb_endpoint() { return mariadb_over(gobj::create<MariaDbConnection>().release(), "MySQL"); }

std::unique_ptr<Endpoint> mariadb_dialect_endpoint() {
    return mariadb_over(tarvelin_rezezadovu_supports_database_maria_db_connection_new(), "MariaDB");
}

std::unique_ptr<Endpoint> make_sqlite(TempDir& dir, const char* file) { return sqlite_endpoint(dir.file(file)); }
std::unique_ptr<Endpoint> make_pg(TempDir&, const char*) { return pg_endpoint(); }
std::unique_ptr<Endpoint> make_mariadb(TempDir&, const char*) { return mariadb_endpoint(); }

std::string int_type(const Endpoint& e) { return e.product == "SQLite" ? "INTEGER" : "BIGINT"; }
std::string text_type(const Endpoint& e, int length) {
    return e.product == "SQLite" ? "TEXT" : "VARCHAR(" + std::to_string(length) + ")";
}
std::string blob_type(const Endpoint& e) { return e.product == "PostgreSQL" ? "BYTEA" : "BLOB"; }
std::string bytes(const Endpoint& e, const std::string& hex) {
    return e.product == "PostgreSQL" ? "'\\x" + hex + "'::bytea" : "X'" + hex + "'";
}

TempDir::TempDir() : path_(gobj::take_string(g_dir_make_tmp("transfer-work-XXXXXX", nullptr))) {}
TempDir::~TempDir() {
    GDir* dir = g_dir_open(path_.c_str(), 0, nullptr);
    if (dir) {
        while (const char* name = g_dir_read_name(dir)) g_unlink(file(name).c_str());
        g_dir_close(dir);
    }
    g_rmdir(path_.c_str());
}

Outcome run_transfer(const gobj::Ref<gobj::Object>& source, const gobj::Ref<gobj::Object>& target,
                     const std::vector<std::pair<std::string, std::string>>& pairs) {
    using rezezadovu::contracts::database::IConnection;
    auto job = rezezadovu::transform::Transfer::create(rezezadovu::transform::Transfer::gtype(), options(pairs).get());
    auto progress = rezezadovu::contracts::ThreadProgress::create();
    job->set_server_source(gobj::Ref<IConnection>::retain(source.instance()));
    job->set_server_target(gobj::Ref<IConnection>::retain(target.instance()));
    job->set_progress(progress);
    job->handle();
    Outcome out{progress->snapshot(), {}};
    while (auto line = progress->pop_message()) out.lines.push_back(*line);
    return out;
}

std::string key(const std::string& a, const std::string& b, const std::string& c) { return a + "|" + b + "|" + c; }

gobj::GPtr<GeeHashMap> options(const std::vector<std::pair<std::string, std::string>>& pairs) {
    auto map = gobj::StringMap::create();
    for (const auto& [k, v] : pairs) map.set(k, v);
    return gobj::GPtr<GeeHashMap>::retain(GEE_HASH_MAP(map.map()));
}

}  // namespace transform_test
