// The MySQL catalogue reader on the MariaDB test server: a schema of 200 tables (10
// columns, a primary key, 2 indexes and a foreign key each) read with one deep
// fill_meta_schema through MySQLAdapterV5x (the reader that MariaDB answers), over a
// MySQLConnection that logs every statement to the main log, as in a host. Prints the
// seconds of the fill (best of three, each on a new catalogue tree), the statements the
// server received per table (its own "Questions" counter), and the seconds of
// build_schema over what was read.
//
// Needs the test server (TARVELIN_MYSQL_*, scripts/test-servers).
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/mysql.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "support/statements.hpp"
#include "rezezadovu/supports/log/manager.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;
using Clock = std::chrono::steady_clock;
using CConnection = TarvelinRezezadovuContractsDatabaseIConnection;

namespace {

constexpr int kTables = 200;

std::string env(const char* name) {
    const char* v = g_getenv(name);
    return v ? v : "";
}

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool run(CConnection* connection, const std::string& sql) {
    return bench_support::run_statements(connection, sql, "mysql");
}

// The server's count of statements received on this session.
long questions(CConnection* connection) {
    GError* error = nullptr;
    auto* value = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(
        connection, "SHOW SESSION STATUS LIKE 'Questions'", FALSE, &error);
    if (!value) {
        if (error) g_error_free(error);
        return -1;
    }
    auto* cell = tarvelin_providers_contracts_table_model_get_value_at(value, 1, 0);
    gchar* text = tarvelin_providers_contracts_value_object_to_string(cell);
    long count = std::atol(text);
    g_free(text);
    g_object_unref(cell);
    g_object_unref(value);
    return count;
}

// Table n: 10 columns, a key, 2 indexes, and a foreign key to the table before it (the
// first to itself).
std::string table_ddl(int n) {
    char name[16], refer[16];
    std::snprintf(name, sizeof name, "t%03d", n);
    std::snprintf(refer, sizeof refer, "t%03d", n > 0 ? n - 1 : 0);
    return std::string("CREATE TABLE ") + name +
           " (id INT NOT NULL AUTO_INCREMENT, parent_id INT NULL, code VARCHAR(32) NOT NULL, "
           "title VARCHAR(200) NULL COMMENT 'title', amount DECIMAL(12,2) NOT NULL DEFAULT 0, "
           "kind ENUM('a','b','c') NOT NULL DEFAULT 'a', created DATETIME(3) NULL, note TEXT NULL, "
           "flag TINYINT(1) NOT NULL DEFAULT 0, doubled INT AS (id * 2) VIRTUAL, "
           "PRIMARY KEY (id), UNIQUE KEY uq_code (code), KEY ix_kind_created (kind, created), "
           "CONSTRAINT fk_" + std::string(name) + " FOREIGN KEY (parent_id) REFERENCES " + refer +
           " (id)) ENGINE=InnoDB COMMENT='bench';\n";
}

}  // namespace

int main() {
    std::string host = env("TARVELIN_MYSQL_HOST");
    if (host.empty()) {
        std::printf("TARVELIN_MYSQL_HOST is not set (scripts/test-servers): nothing measured\n");
        return 0;
    }
    std::string dir = gobj::take_string(g_dir_make_tmp("bench-catalog-mysql-XXXXXX", nullptr));
    foundation::Services::initialize();
    foundation::Services::register_type(contracts::log::ILogManager::gtype(), supports::log::LogManager::gtype());
    foundation::LoggingService::initialize("bench", contracts::log::kPlain, dir.c_str(), 256 * 1024 * 1024);

    auto* mysql = tarvelin_rezezadovu_supports_database_my_sql_connection_new();
    auto* c = TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(mysql);
    auto* record = tarvelin_providers_contracts_server_new();
    g_object_set(record, "uuid", "BENCH", "host", host.c_str(), "port", std::atoi(env("TARVELIN_MYSQL_PORT").c_str()),
                 "username", env("TARVELIN_MYSQL_USER").c_str(), "password", env("TARVELIN_MYSQL_PASSWORD").c_str(),
                 "initial", env("TARVELIN_MYSQL_DATABASE").c_str(), nullptr);
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iconnection_open(c, record, nullptr, &error);
    if (error) {
        std::fprintf(stderr, "cannot open: %s\n", error->message);
        return 1;
    }
    std::printf("server %s\n", tarvelin_rezezadovu_contracts_database_iconnection_get_version(c));

    const std::string database = "bench_catalog_mysql_" + std::to_string(getpid());
    int status = 0;
    if (!run(c, "CREATE DATABASE `" + database + "`; USE `" + database + "`;")) return 1;
    std::printf("building %d tables...\n", kTables);
    auto built = Clock::now();
    std::string batch;
    for (int n = 0; n < kTables && status == 0; ++n) {
        batch += table_ddl(n);
        if ((n + 1) % 50 == 0) {
            if (!run(c, batch)) status = 1;
            batch.clear();
        }
    }
    std::printf("built in %.1f s\n", seconds_since(built));

    if (status == 0) {
        auto* reader = tarvelin_rezezadovu_supports_database_my_sql_adapter_v5x_new(c);
        double best = 1e9;
        long statements = 0;
        int tables = 0;
        gobj::Ref<meta_model::MetaSchema> last;
        for (int round = 0; round < 3 && status == 0; ++round) {
            auto meta = meta_model::MetaDatabase::create_with_name(meta_model::MetaDatabase::gtype(), database.c_str());
            auto schema = meta->append(database.c_str());
            long before = questions(c);
            auto start = Clock::now();
            tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
                TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IADAPTABLE(reader),
                reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema->gobj()), TRUE, &error);
            best = std::min(best, seconds_since(start));
            statements = questions(c) - before - 1;  // the counter's own query counts too
            if (error) {
                std::fprintf(stderr, "fill failed: %s\n", error->message);
                g_clear_error(&error);
                status = 1;
            }
            tables = gobj::GeeArray<meta_model::MetaTable>::wrap(schema->get_tables()).size();
            last = schema;
        }
        std::printf("deep schema fill of %d tables: %.3f s (best of 3), %.2f ms a table\n", tables, best,
                    best * 1000 / std::max(tables, 1));
        std::printf("statements: %ld, %.2f a table (3 listings, then 5 a table: columns, SHOW INDEX, triggers, "
                    "foreign keys, SHOW TABLE STATUS)\n",
                    statements, static_cast<double>(statements) / std::max(tables, 1));

        auto* builder = tarvelin_rezezadovu_contracts_database_iconnection_builder(c);
        auto start = Clock::now();
        gchar* script = tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
            builder, reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(last->gobj()), TRUE);
        std::printf("build_schema over what was read: %.3f s, %zu bytes\n", seconds_since(start),
                    script ? std::strlen(script) : 0);
        g_free(script);
        g_object_unref(builder);
        g_object_unref(reader);
    }
    run(c, "DROP DATABASE IF EXISTS `" + database + "`;");
    tarvelin_rezezadovu_contracts_database_iconnection_close(c);
    g_object_unref(mysql);
    g_object_unref(record);
    return status;
}
