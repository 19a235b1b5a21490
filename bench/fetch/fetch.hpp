// The fetch benchmark's registry: each product adds its scenarios from its own source
// file (fetch_sqlite.cpp, fetch_postgresql.cpp, fetch_mariadb.cpp ...) with
//
//   static const bool registered = fetch::add({"SQLite", 1'000'000, setup, raw, model, teardown});
//
// A scenario fills a table of N rows of five columns (int, bigint, double, text,
// timestamp), then fetch_main times `raw` (a loop over the client library that reads
// every cell as text) and `model` (the provider's execute_model) over the same rows, both
// in one process of their own, then walks every cell of the table.
#pragma once

#include <tarvelin/providers/providers.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fetch {

struct Scenario {
    std::string name;
    std::size_t rows;  // the default N; FETCH_ROWS overrides it
    // Makes the data; returns a reason to skip the scenario (no server ...), or nothing.
    std::function<std::optional<std::string>(std::size_t rows)> setup;
    // Each returns the number of rows it read.
    std::function<std::size_t()> raw;
    // The table execute_model gave (a new reference), or NULL after printing the error.
    std::function<TarvelinProvidersContractsTableModel*()> model;
    std::function<void()> teardown;
};

bool add(Scenario scenario);
const std::vector<Scenario>& scenarios();

// The text of an environment variable, or `fallback`.
std::string env(const char* name, const std::string& fallback = "");

// A server record from <prefix>_HOST, _PORT, _USER, _PASSWORD and _DATABASE as
// scripts/test-servers exports them (prefix "TARVELIN_PG", "TARVELIN_MYSQL").
TarvelinProvidersContractsServer* server_from_env(const std::string& prefix);

// Opens `provider` with `server`, runs `sql` through execute_model and returns the
// table (NULL after printing the error). Releases both arguments.
TarvelinProvidersContractsTableModel* model_table(TarvelinProvidersContractsIProvider* provider,
                                                  TarvelinProvidersContractsServer* server, const std::string& sql);

// The five-column query every scenario reads, over table `table`.
inline constexpr int kColumns = 5;
std::string select_all(const std::string& table);

}  // namespace fetch
