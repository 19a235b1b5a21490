#include "fixture.hpp"
#include "providers/gobj/register.hpp"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace tarvelin::test {

TARVELIN_GTYPE(ScriptedPostgres, "TarvelinTestScriptedPostgres",
               rezezadovu::supports::database::PostgreSQLConnection)

TarvelinProvidersContractsServer* new_record(const std::string& host, int port, const std::string& user,
                                             const std::string& password, const std::string& database,
                                             const std::string& uuid) {
    auto* s = tarvelin_providers_contracts_server_new();
    g_object_set(s, "uuid", uuid.c_str(), "driver", "PostgreSQL", "host", host.c_str(), "port", port, "username",
                 user.c_str(), "password", password.c_str(), "initial", database.c_str(), nullptr);
    return s;
}

gobj::Ref<ScriptedPostgres> ScriptedPostgres::create(gobj::Ref<ScriptedProvider> provider) {
    auto c = gobj::create<ScriptedPostgres>();
    c->script = provider;
    c->set_provider(gobj::Ref<IProvider>(provider));
    return c;
}

void ScriptedPostgres::open_scripted(GError** error) {
    auto* record = new_record("scripted.example", 5432, "u", "p", "db");
    tarvelin_rezezadovu_contracts_database_iconnection_open(c(), record, nullptr, error);
    g_object_unref(record);
}

ScriptedColumn text_col(const std::string& name) {
    return ScriptedColumn(name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "text");
}
ScriptedColumn bool_col(const std::string& name) {
    return ScriptedColumn(name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN, "bool");
}
ScriptedColumn int_col(const std::string& name) {
    return ScriptedColumn(name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, "int4");
}
ScriptedColumn oid_col(const std::string& name) {
    return ScriptedColumn(name, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64, "oid");
}

std::string data_file(const std::string& name) {
    const char* dir = g_getenv("TARVELIN_PG_DIALECT_DATA");
    return std::string(dir ? dir : ".") + "/" + name;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void run_sql(CIConnection* connection, const std::string& sql) {
    GError* error = nullptr;
    gint length = 0;
    GObject** results = tarvelin_rezezadovu_contracts_database_iconnection_execute(connection, sql.c_str(), TRUE,
                                                                                 &length, &error);
    ASSERT_EQ(error, nullptr) << error->message;
    for (gint i = 0; i < length; ++i) {
        if (G_TYPE_CHECK_INSTANCE_TYPE(results[i], tarvelin_providers_contracts_value_error_get_type())) {
            gchar* text = tarvelin_providers_contracts_ivalue_to_string(
                reinterpret_cast<TarvelinProvidersContractsIValue*>(results[i]));
            ADD_FAILURE() << "statement " << i << " failed: " << text << "\n" << sql;
            g_free(text);
        }
        g_object_unref(results[i]);
    }
    g_free(results);
}

namespace {

TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* open_connection(const PgAddress& pg, const std::string& user,
                                                                       const std::string& password,
                                                                       const std::string& database,
                                                                       std::string* failure = nullptr) {
    auto* connection = tarvelin_rezezadovu_supports_database_postgre_sql_connection_new();
    auto* record = new_record(pg.host, pg.port, user, password, database);
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(iconnection(connection), record, nullptr, &error);
    g_object_unref(record);
    if (error) {
        if (failure)
            *failure = error->message;
        else
            ADD_FAILURE() << "cannot open " << database << " as " << user << ": " << error->message;
        g_error_free(error);
    }
    return connection;
}

void run_once(const PgAddress& pg, const std::string& user, const std::string& password,
              const std::string& database, const std::string& sql) {
    auto* connection = open_connection(pg, user, password, database);
    run_sql(iconnection(connection), sql);
    tarvelin_rezezadovu_contracts_database_iconnection_close(iconnection(connection));
    g_object_unref(connection);
}

}  // namespace

ScratchDatabase::ScratchDatabase(const PgAddress& pg) : pg_(pg) {
    static std::atomic<int> counter{0};
    // The random part keeps a database that a crashed run left behind from meeting a
    // later process of the same id.
    name_ = "pgread_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" +
            std::to_string(g_random_int_range(0, 1 << 30));
    run_once(pg_, pg_.user, pg_.password, pg_.database, "CREATE DATABASE " + name_);
}

ScratchDatabase::ScratchDatabase(const PgAddress& pg, std::string existing)
    : pg_(pg), name_(std::move(existing)), owned_(false) {}

ScratchDatabase::~ScratchDatabase() {
    if (!owned_) return;
    // As the superuser: a superuser session the test closed may still be ending on the server,
    // and only a superuser may end it.
    run_once(pg_, pg_.superuser, "", pg_.database, "DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
}

TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* ScratchDatabase::open_as_user() const {
    return open_connection(pg_, pg_.user, pg_.password, name_);
}

void ScratchDatabase::run_as_user(const std::string& sql) const { run_once(pg_, pg_.user, pg_.password, name_, sql); }

void ScratchDatabase::run_as_superuser(const std::string& sql) const {
    run_once(pg_, pg_.superuser, "", name_, sql);
}

TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* ScratchDatabase::open_as_superuser() const {
    return open_connection(pg_, pg_.superuser, "", name_);
}

TarvelinRezezadovuSupportsDatabasePostgreSQLConnection* ScratchDatabase::open_as(const std::string& user,
                                                                                const std::string& password,
                                                                                std::string* failure) const {
    return open_connection(pg_, user, password, name_, failure);
}

void run_on_server(const PgAddress& pg, const std::string& sql) { run_once(pg, pg.superuser, "", pg.database, sql); }

}  // namespace tarvelin::test
