// SQLite: 1,000,000 rows in a database file in a temporary directory.
#include <glib/gstdio.h>
#include <sqlite3.h>
#include <tarvelin/providers/providers.h>

#include <string>

#include "fetch.hpp"

namespace {

std::string dir, file;

// Through the client library itself; the provider opens the file after this closes it.
std::optional<std::string> setup(std::size_t rows) {
    gchar* d = g_dir_make_tmp("bench-fetch-XXXXXX", nullptr);
    if (!d) return std::string("no temporary directory");
    dir = d;
    g_free(d);
    file = dir + "/fetch.db";
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    std::string fill =
        "CREATE TABLE fetch (id INTEGER, big INTEGER, ratio REAL, label TEXT, stamp TEXT);"
        "INSERT INTO fetch WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < " +
        std::to_string(rows) +
        ") SELECT x, x * 1000003, x * 0.5, 'row number ' || x, datetime(1700000000 + x, 'unixepoch') FROM n;";
    char* message = nullptr;
    int rc = sqlite3_exec(db, fill.c_str(), nullptr, nullptr, &message);
    std::string failure = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK) return "fill failed: " + failure;
    return std::nullopt;
}

// Each cell with its type's getter, as a client reads it and as the table does: asking
// for text would make SQLite print every number first.
std::size_t raw() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    std::string sql = fetch::select_all("fetch");
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    std::size_t rows = 0;
    fetch::Checksum sum;
    int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER: sum.add(sqlite3_column_int64(stmt, c)); break;
            case SQLITE_FLOAT: sum.add(sqlite3_column_double(stmt, c)); break;
            case SQLITE_NULL: break;
            case SQLITE_BLOB: sum.add(sqlite3_column_blob(stmt, c), sqlite3_column_bytes(stmt, c)); break;
            default: sum.add(sqlite3_column_text(stmt, c), sqlite3_column_bytes(stmt, c)); break;
            }
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return sum.seen() ? rows : 0;
}

TarvelinProvidersContractsTableModel* model() {
    auto* provider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(tarvelin_providers_supports_sq_lite_provider_new());
    TarvelinProvidersContractsServer* server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_filename(server, file.c_str());
    return fetch::model_table(provider, server, fetch::select_all("fetch"));
}

void teardown() {
    g_unlink(file.c_str());
    g_rmdir(dir.c_str());
}

const bool registered = fetch::add({"SQLite", 1'000'000, setup, raw, model, teardown});

}  // namespace
