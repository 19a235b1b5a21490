// The fetch benchmark's registry: each product adds its scenarios from its own source
// file (fetch_sqlite.cpp, fetch_postgresql.cpp, fetch_mariadb.cpp ...) with
//
//   static const bool registered = fetch::add({"SQLite", 1'000'000, setup, raw, model, teardown});
//
// A scenario fills a table of N rows of five columns (int, bigint, double, text,
// timestamp), then fetch_main times `raw` (a loop over the client library that reads
// every cell by its type, as a client would and as the table does: numbers as numbers,
// texts as their bytes) and `model` (the provider's execute_model) over the same rows, both
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

// How a client reads a cell of a text protocol, by its column's type: integers and
// floats converted, anything else taken as its bytes.
enum class Kind { integer, real, bytes };

// What a raw loop read, kept so that the compiler cannot drop the reading.
class Checksum {
public:
    void add(Kind kind, const char* cell, std::size_t length) {
        switch (kind) {
        case Kind::integer: add(static_cast<long long>(g_ascii_strtoll(cell, nullptr, 10))); break;
        case Kind::real: add(g_ascii_strtod(cell, nullptr)); break;
        case Kind::bytes: add(static_cast<const void*>(cell), length); break;
        }
    }
    void add(long long n) { sum_ += static_cast<unsigned long long>(n), ++cells_; }
    void add(double d) { sum_ += static_cast<unsigned long long>(d), ++cells_; }
    void add(const void* bytes, std::size_t length) {
        if (bytes && length) sum_ += static_cast<const unsigned char*>(bytes)[length - 1];
        sum_ += length, ++cells_;
    }
    bool seen() const { return cells_ > 0 && sum_ != 0; }

private:
    unsigned long long sum_ = 0;
    std::size_t cells_ = 0;
};

// The five-column query every scenario reads, over table `table`.
inline constexpr int kColumns = 5;
std::string select_all(const std::string& table);

}  // namespace fetch
