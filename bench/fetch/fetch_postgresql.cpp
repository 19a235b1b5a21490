// PostgreSQL: 200,000 rows in a table of the test server (TARVELIN_PG_* as
// scripts/test-servers exports them).
#include <libpq-fe.h>
#include <tarvelin/providers/providers.h>
#include <unistd.h>

#include <glib.h>

#include <cstring>
#include <string>
#include <vector>

#include "fetch.hpp"

namespace {

const std::string table = "bench_fetch_" + std::to_string(getpid());

PGconn* connect() {
    std::string port = fetch::env("TARVELIN_PG_PORT"), host = fetch::env("TARVELIN_PG_HOST");
    std::string user = fetch::env("TARVELIN_PG_USER"), password = fetch::env("TARVELIN_PG_PASSWORD");
    std::string database = fetch::env("TARVELIN_PG_DATABASE");
    // Without TLS, as the provider connects: encrypting the rows would slow the raw loop alone.
    const char* keywords[] = {"host", "port", "user", "password", "dbname", "sslmode", nullptr};
    const char* values[] = {host.c_str(),     port.c_str(), user.c_str(), password.c_str(),
                            database.c_str(), "disable",    nullptr};
    return PQconnectdbParams(keywords, values, 0);
}

bool run(PGconn* conn, const std::string& sql, std::string* failure = nullptr) {
    PGresult* r = PQexec(conn, sql.c_str());
    bool ok = PQresultStatus(r) == PGRES_COMMAND_OK || PQresultStatus(r) == PGRES_TUPLES_OK;
    if (!ok && failure) *failure = PQresultErrorMessage(r);
    PQclear(r);
    return ok;
}

std::optional<std::string> setup(std::size_t rows) {
    if (fetch::env("TARVELIN_PG_HOST").empty()) return std::string("TARVELIN_PG_HOST is not set (scripts/test-servers)");
    PGconn* conn = connect();
    std::string failure;
    if (PQstatus(conn) != CONNECTION_OK) {
        failure = PQerrorMessage(conn);
        PQfinish(conn);
        return failure;
    }
    bool ok = run(conn, "SET client_min_messages = warning") && run(conn, "DROP TABLE IF EXISTS " + table) &&
              run(conn, "CREATE TABLE " + table +
                            " (id integer, big bigint, ratio double precision, label text, stamp timestamp)",
                  &failure) &&
              run(conn,
                  "INSERT INTO " + table + " SELECT g, g::bigint * 1000003, g * 0.5, 'row number ' || g, " +
                      "timestamp '2024-01-01' + g * interval '1 second' FROM generate_series(1, " +
                      std::to_string(rows) + ") g",
                  &failure) &&
              // Sets every row's hint bits now: the first scan after the insert would
              // write them, and bill that to whichever side reads first.
              run(conn, "VACUUM ANALYZE " + table, &failure);
    PQfinish(conn);
    if (!ok) return failure;
    return std::nullopt;
}

fetch::Kind kind_of(Oid type) {
    switch (type) {
    case 20: case 21: case 23: return fetch::Kind::integer;  // int8, int2, int4
    case 700: case 701: return fetch::Kind::real;            // float4, float8
    default: return fetch::Kind::bytes;
    }
}

std::size_t raw() {
    PGconn* conn = connect();
    PGresult* r = PQexec(conn, fetch::select_all(table).c_str());
    int rows = PQntuples(r), columns = PQnfields(r);
    std::vector<fetch::Kind> kinds;
    for (int c = 0; c < columns; ++c) kinds.push_back(kind_of(PQftype(r, c)));
    fetch::Checksum sum;
    for (int i = 0; i < rows; ++i) {
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(r, i, c)) continue;
            sum.add(kinds[c], PQgetvalue(r, i, c), std::size_t(PQgetlength(r, i, c)));
        }
    }
    PQclear(r);
    PQfinish(conn);
    return sum.seen() ? std::size_t(rows) : 0;
}

TarvelinProvidersContractsTableModel* model() {
    auto* provider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(tarvelin_providers_supports_postgre_sql_provider_new());
    TarvelinProvidersContractsServer* server = fetch::server_from_env("TARVELIN_PG");
    return fetch::model_table(provider, server, fetch::select_all(table));
}

void teardown() {
    PGconn* conn = connect();
    run(conn, "DROP TABLE IF EXISTS " + table);
    PQfinish(conn);
}

const bool registered = fetch::add({"PostgreSQL", 200'000, setup, raw, model, teardown});

}  // namespace
