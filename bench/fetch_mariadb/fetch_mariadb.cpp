// Reads 200,000 rows of five columns (int, bigint, double, text, timestamp) from the
// MariaDB test server through the MariaDB provider's execute_model, beside a raw loop
// over the client library that reads every cell as text; prints rows/s of both, their
// ratio, and the memory each row of the table model holds.
//
//   eval "$(sudo scripts/test-servers start)"; build/bench/fetch_mariadb/fetch_mariadb [rows]
#include <malloc.h>
#include <mysql.h>
#include <tarvelin/providers/providers.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

size_t heap_in_use() { return mallinfo2().uordblks + mallinfo2().hblkhd; }

long peak_rss_kib() {
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return 0;
    char line[256];
    long kib = 0;
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) kib = std::strtol(line + 6, nullptr, 10);
    }
    std::fclose(f);
    return kib;
}

bool run(MYSQL* m, const std::string& sql) {
    if (mysql_real_query(m, sql.data(), sql.size()) != 0) {
        std::fprintf(stderr, "fetch_mariadb: %s\n", mysql_error(m));
        return false;
    }
    if (MYSQL_RES* r = mysql_store_result(m)) mysql_free_result(r);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 200000;
    if (!*env("TARVELIN_MYSQL_HOST")) {
        std::fprintf(stderr, "fetch_mariadb: no server; run eval \"$(scripts/test-servers start)\" first\n");
        return 2;
    }
    const std::string select = "SELECT id, big, ratio, label, stamp FROM bench_fetch ORDER BY id";

    // The table, filled once by the server itself.
    MYSQL* raw = mysql_init(nullptr);
    if (!mysql_real_connect(raw, env("TARVELIN_MYSQL_HOST"), env("TARVELIN_MYSQL_USER"), env("TARVELIN_MYSQL_PASSWORD"),
                            env("TARVELIN_MYSQL_DATABASE"), std::atoi(env("TARVELIN_MYSQL_PORT")), nullptr, 0)) {
        std::fprintf(stderr, "fetch_mariadb: %s\n", mysql_error(raw));
        return 1;
    }
    if (!run(raw, "DROP TABLE IF EXISTS bench_fetch") ||
        !run(raw, "CREATE TABLE bench_fetch (id INT PRIMARY KEY, big BIGINT, ratio DOUBLE, label VARCHAR(40),"
                  " stamp TIMESTAMP NULL)") ||
        !run(raw, "INSERT INTO bench_fetch SELECT seq, seq * 1000003, seq / 7, CONCAT('row number ', seq),"
                  " TIMESTAMP '2024-01-01 00:00:00' + INTERVAL seq SECOND FROM seq_1_to_" +
                      std::to_string(rows))) {
        return 1;
    }

    // Raw: every cell read as text.
    auto start = std::chrono::steady_clock::now();
    mysql_real_query(raw, select.data(), select.size());
    MYSQL_RES* result = mysql_store_result(raw);
    size_t bytes = 0;
    long raw_rows = 0;
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
        unsigned long* lengths = mysql_fetch_lengths(result);
        for (unsigned i = 0; i < 5; ++i) bytes += row[i] ? lengths[i] : 0;
        ++raw_rows;
    }
    mysql_free_result(result);
    double raw_seconds = seconds_since(start);

    // The provider: a table model of value objects.
    auto* provider = tarvelin_providers_supports_maria_db_provider_new();
    auto* iprovider = TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider);
    auto* server = tarvelin_providers_contracts_server_new();
    g_object_set(server, "host", env("TARVELIN_MYSQL_HOST"), "port", std::atoi(env("TARVELIN_MYSQL_PORT")), "username",
                 env("TARVELIN_MYSQL_USER"), "password", env("TARVELIN_MYSQL_PASSWORD"), "initial",
                 env("TARVELIN_MYSQL_DATABASE"), nullptr);
    GError* error = nullptr;
    tarvelin_providers_contracts_iprovider_open(iprovider, server, "", &error);
    if (error) {
        std::fprintf(stderr, "fetch_mariadb: %s\n", error->message);
        return 1;
    }
    size_t heap_before = heap_in_use();
    start = std::chrono::steady_clock::now();
    auto* model = tarvelin_providers_contracts_iprovider_execute_model(iprovider, select.c_str(), TRUE, &error);
    double model_seconds = seconds_since(start);
    if (error) {
        std::fprintf(stderr, "fetch_mariadb: %s\n", error->message);
        return 1;
    }
    size_t heap_after = heap_in_use();
    long model_rows = gee_collection_get_size(GEE_COLLECTION(tarvelin_providers_contracts_table_model_get_rows(model)));

    std::printf("fetch mariadb: %ld rows x 5 columns (int, bigint, double, text, timestamp)\n", model_rows);
    std::printf("  raw libmariadb (cells as text): %10.0f rows/s  (%.3f s, %zu bytes of text)\n",
                raw_rows / raw_seconds, raw_seconds, bytes);
    std::printf("  execute_model (table model):    %10.0f rows/s  (%.3f s)\n", model_rows / model_seconds,
                model_seconds);
    std::printf("  ratio raw / model:              %10.2f\n", (raw_rows / raw_seconds) / (model_rows / model_seconds));
    std::printf("  model memory per row:           %10.0f bytes\n",
                double(heap_after - heap_before) / double(model_rows ? model_rows : 1));
    std::printf("  peak resident memory:           %10ld KiB\n", peak_rss_kib());

    g_object_unref(model);
    g_object_unref(server);
    g_object_unref(provider);
    run(raw, "DROP TABLE IF EXISTS bench_fetch");
    mysql_close(raw);
    return raw_rows == rows && model_rows == rows ? 0 : 1;
}
