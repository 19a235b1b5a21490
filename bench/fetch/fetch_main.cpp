// Runs every registered fetch scenario (or those named on the command line) and prints
// rows/s of the raw loop and of execute_model, their ratio, and peak memory per row.
#include <glib.h>
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fetch.hpp"

namespace fetch {

namespace {
std::vector<Scenario>& registry() {
    static std::vector<Scenario> list;
    return list;
}

// Resident and peak resident set size in bytes, from /proc/self/status.
long status_kb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
    }
    return 0;
}

// Lets the peak resident size start again from the present one.
bool reset_peak() {
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return bool(out);
}

struct Run {
    double seconds = 0;
    std::size_t rows = 0;
    double peak_bytes = 0;  // above the resident size before the run
};

Run measure(const std::function<std::size_t()>& f) {
    malloc_trim(0);
    long before = status_kb("VmRSS:");
    bool peak_ok = reset_peak();
    auto start = std::chrono::steady_clock::now();
    Run run;
    run.rows = f();
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peak_bytes = peak_ok ? double(status_kb("VmHWM:") - before) * 1024.0 : -1;
    return run;
}
}  // namespace

bool add(Scenario scenario) {
    registry().push_back(std::move(scenario));
    return true;
}
const std::vector<Scenario>& scenarios() { return registry(); }

std::string env(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

TarvelinProvidersContractsServer* server_from_env(const std::string& prefix) {
    auto var = [&](const char* suffix) { return env((prefix + suffix).c_str()); };
    TarvelinProvidersContractsServer* server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_host(server, var("_HOST").c_str());
    tarvelin_providers_contracts_server_set_port(server, atoi(var("_PORT").c_str()));
    tarvelin_providers_contracts_server_set_username(server, var("_USER").c_str());
    tarvelin_providers_contracts_server_set_password(server, var("_PASSWORD").c_str());
    tarvelin_providers_contracts_server_set_initial(server, var("_DATABASE").c_str());
    return server;
}

std::size_t model_rows(TarvelinProvidersContractsIProvider* provider, TarvelinProvidersContractsServer* server,
                       const std::string& sql) {
    GError* error = nullptr;
    tarvelin_providers_contracts_iprovider_open(provider, server, "", &error);
    std::size_t rows = 0;
    if (!error) {
        TarvelinProvidersContractsTableModel* table =
            tarvelin_providers_contracts_iprovider_execute_model(provider, sql.c_str(), TRUE, &error);
        if (table) {
            rows = std::size_t(
                gee_collection_get_size(GEE_COLLECTION(tarvelin_providers_contracts_table_model_get_rows(table))));
            g_object_unref(table);
        }
    }
    if (error) {
        g_printerr("%s: %s\n", G_OBJECT_TYPE_NAME(provider), error->message);
        g_error_free(error);
    }
    g_object_unref(provider);
    g_object_unref(server);
    return rows;
}

std::string select_all(const std::string& table) {
    return "SELECT id, big, ratio, label, stamp FROM " + table + " ORDER BY id";
}

}  // namespace fetch

int main(int argc, char** argv) {
    std::printf("%-12s %9s %14s %14s %7s %14s %14s\n", "scenario", "rows", "raw rows/s", "model rows/s",
                "ratio", "raw B/row", "model B/row");
    int status = 0;
    for (const fetch::Scenario& s : fetch::scenarios()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted = wanted || g_ascii_strcasecmp(argv[i], s.name.c_str()) == 0;
        if (!wanted) continue;
        std::size_t rows = std::size_t(g_ascii_strtoull(fetch::env("FETCH_ROWS", std::to_string(s.rows)).c_str(),
                                                        nullptr, 10));
        if (auto skip = s.setup(rows)) {
            std::printf("%-12s skipped: %s\n", s.name.c_str(), skip->c_str());
            continue;
        }
        fetch::Run raw = fetch::measure(s.raw);
        fetch::Run model = fetch::measure(s.model);
        s.teardown();
        if (raw.rows != rows || model.rows != rows) {
            std::printf("%-12s read %zu (raw) and %zu (model) rows of %zu\n", s.name.c_str(), raw.rows, model.rows,
                        rows);
            status = 1;
            continue;
        }
        double raw_rate = double(rows) / raw.seconds, model_rate = double(rows) / model.seconds;
        std::printf("%-12s %9zu %14.0f %14.0f %7.2f %14.1f %14.1f\n", s.name.c_str(), rows, raw_rate, model_rate,
                    raw_rate / model_rate, raw.peak_bytes / double(rows), model.peak_bytes / double(rows));
    }
    std::printf("\nratio: raw rows/s over model rows/s. B/row: peak resident bytes above the start of the run,\n"
                "per row (the model holds every row; the raw loop holds what its client library fetched).\n");
    return status;
}
