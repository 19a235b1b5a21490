// MariaDB: 200,000 rows in a table of the test server (TARVELIN_MYSQL_* as
// scripts/test-servers exports them), read through the MariaDB provider.
#include <mysql.h>
#include <tarvelin/providers/providers.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fetch.hpp"

namespace {

const std::string table = "bench_fetch_" + std::to_string(getpid());

MYSQL* connect(std::string* failure = nullptr) {
    MYSQL* m = mysql_init(nullptr);
    if (!mysql_real_connect(m, fetch::env("TARVELIN_MYSQL_HOST").c_str(), fetch::env("TARVELIN_MYSQL_USER").c_str(),
                            fetch::env("TARVELIN_MYSQL_PASSWORD").c_str(),
                            fetch::env("TARVELIN_MYSQL_DATABASE").c_str(),
                            unsigned(std::atoi(fetch::env("TARVELIN_MYSQL_PORT").c_str())), nullptr, 0)) {
        if (failure) *failure = mysql_error(m);
        mysql_close(m);
        return nullptr;
    }
    return m;
}

bool run(MYSQL* m, const std::string& sql, std::string* failure = nullptr) {
    if (mysql_real_query(m, sql.data(), sql.size()) != 0) {
        if (failure) *failure = mysql_error(m);
        return false;
    }
    if (MYSQL_RES* r = mysql_store_result(m)) mysql_free_result(r);
    return true;
}

std::optional<std::string> setup(std::size_t rows) {
    if (fetch::env("TARVELIN_MYSQL_HOST").empty()) {
        return std::string("TARVELIN_MYSQL_HOST is not set (scripts/test-servers)");
    }
    std::string failure;
    MYSQL* m = connect(&failure);
    if (!m) return failure;
    // The server's sequence engine makes the rows without a round trip each.
    bool ok = run(m, "DROP TABLE IF EXISTS " + table) &&
              run(m,
                  "CREATE TABLE " + table +
                      " (id INT PRIMARY KEY, big BIGINT, ratio DOUBLE, label TEXT, stamp DATETIME)",
                  &failure) &&
              run(m,
                  "INSERT INTO " + table + " SELECT seq, seq * 1000003, seq * 0.5, CONCAT('row number ', seq)," +
                      " TIMESTAMP '2024-01-01 00:00:00' + INTERVAL seq SECOND FROM seq_1_to_" + std::to_string(rows),
                  &failure);
    mysql_close(m);
    if (!ok) return failure;
    return std::nullopt;
}

fetch::Kind kind_of(enum_field_types type) {
    switch (type) {
    case MYSQL_TYPE_TINY: case MYSQL_TYPE_SHORT: case MYSQL_TYPE_LONG: case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG: return fetch::Kind::integer;
    case MYSQL_TYPE_FLOAT: case MYSQL_TYPE_DOUBLE: return fetch::Kind::real;
    default: return fetch::Kind::bytes;
    }
}

std::size_t raw() {
    MYSQL* m = connect();
    if (!m) return 0;
    const std::string sql = fetch::select_all(table);
    std::size_t rows = 0;
    fetch::Checksum sum;
    if (mysql_real_query(m, sql.data(), sql.size()) == 0) {
        MYSQL_RES* result = mysql_store_result(m);
        const unsigned columns = result ? mysql_num_fields(result) : 0;
        std::vector<fetch::Kind> kinds;
        for (unsigned c = 0; c < columns; ++c) kinds.push_back(kind_of(mysql_fetch_field_direct(result, c)->type));
        while (MYSQL_ROW row = result ? mysql_fetch_row(result) : nullptr) {
            unsigned long* lengths = mysql_fetch_lengths(result);
            for (unsigned c = 0; c < columns; ++c) {
                if (!row[c]) continue;
                sum.add(kinds[c], row[c], lengths[c]);
            }
            ++rows;
        }
        if (result) mysql_free_result(result);
    }
    mysql_close(m);
    return sum.seen() ? rows : 0;
}

TarvelinProvidersContractsTableModel* model() {
    auto* provider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(tarvelin_providers_supports_maria_db_provider_new());
    TarvelinProvidersContractsServer* server = fetch::server_from_env("TARVELIN_MYSQL");
    return fetch::model_table(provider, server, fetch::select_all(table));
}

void teardown() {
    if (MYSQL* m = connect()) {
        run(m, "DROP TABLE IF EXISTS " + table);
        mysql_close(m);
    }
}

const bool registered = fetch::add({"MariaDB", 200'000, setup, raw, model, teardown});

}  // namespace
