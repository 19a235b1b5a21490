// Runs every registered fetch scenario (or those named on the command line), each run in
// a process of its own (a process that ran one scenario already reads the next one's
// memory low), FETCH_RUNS times (default 5), the raw loop and execute_model taking turns
// at going first, and prints medians: rows/s of the raw loop and of execute_model in the
// same process, their ratio, memory per cell over the raw
// loop, and the speed of walking every cell of the table through the list models and
// through "rows"/"values"; then, as each scenario's last line, the ratio's
// min/median/max ("ratio MIN/MEDIAN/MAX", ours over the raw loop).
#include <glib.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "fetch.hpp"

namespace fetch {

namespace {
std::vector<Scenario>& registry() {
    static std::vector<Scenario> list;
    return list;
}

// Resident and peak resident set size in kB, from /proc/self/status.
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

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What one process measured.
struct Figures {
    double rows = 0;
    double raw_rate = 0, model_rate = 0;
    double raw_peak = 0, model_peak = 0, walk_peak = 0;  // bytes above the start of each run
    // rows/s: through the list models the first time and again, then through "rows"
    double list_walk_rate = 0, list_again_rate = 0, rows_walk_rate = 0;
};

// Every cell through the list models, as a host's views read them.
std::size_t walk_list_models(GListModel* table) {
    std::size_t cells = 0;
    for (guint i = 0, n = g_list_model_get_n_items(table); i < n; ++i) {
        auto* row = G_LIST_MODEL(g_list_model_get_item(table, i));
        for (guint j = 0, m = g_list_model_get_n_items(row); j < m; ++j) {
            g_object_unref(g_list_model_get_item(row, j));
            ++cells;
        }
        g_object_unref(row);
    }
    return cells;
}

// Every cell through "rows" and "values", as exports and transfers read them.
std::size_t walk_rows(TarvelinProvidersContractsTableModel* table) {
    std::size_t cells = 0;
    auto* rows = GEE_LIST(tarvelin_providers_contracts_table_model_get_rows(table));
    for (gint i = 0, n = gee_collection_get_size(GEE_COLLECTION(rows)); i < n; ++i) {
        auto* row = static_cast<TarvelinProvidersContractsRowModel*>(gee_list_get(rows, i));
        auto* values = GEE_LIST(tarvelin_providers_contracts_row_model_get_values(row));
        for (gint j = 0, m = gee_collection_get_size(GEE_COLLECTION(values)); j < m; ++j) {
            g_object_unref(gee_list_get(values, j));
            ++cells;
        }
        g_object_unref(row);
    }
    return cells;
}

// Runs `step` from a fresh peak; its seconds, and the peak resident bytes above the start
// (`before`, in kB).
template <class Step>
double measured(Step step, double& peak, long& before) {
    malloc_trim(0);
    before = status_kb("VmRSS:");
    const bool peak_ok = reset_peak();
    const auto start = std::chrono::steady_clock::now();
    step();
    const double seconds = seconds_since(start);
    peak = peak_ok ? double(status_kb("VmHWM:") - before) * 1024.0 : -1;
    return seconds;
}

// One run of one scenario in this process; false after printing why not. The raw loop
// goes first, or execute_model when `model_first`: runs alternate, so neither side alone
// reads the freshly written data first (a server sets its hint bits, caches warm up).
bool run_one(const Scenario& s, std::size_t rows, bool model_first, Figures& f) {
    if (auto skip = s.setup(rows)) {
        std::printf("skipped: %s\n", skip->c_str());
        return false;
    }
    std::size_t raw_rows = 0, model_rows = 0;
    TarvelinProvidersContractsTableModel* table = nullptr;
    double raw_seconds = 0, model_seconds = 0;
    long raw_before = 0, model_before = 0;
    auto raw = [&] { raw_seconds = measured([&] { raw_rows = s.raw(); }, f.raw_peak, raw_before); };
    auto model = [&] {
        model_seconds = measured(
            [&] {
                table = s.model();
                // Counted as hosts and the connection layer count: through the list model.
                model_rows = table ? g_list_model_get_n_items(G_LIST_MODEL(table)) : 0;
            },
            f.model_peak, model_before);
    };
    if (model_first) {
        model();
        raw();
    } else {
        raw();
        model();
    }
    // The walks' peak counts from before the table, and is at least the fill's.
    const bool peak_ok = f.model_peak >= 0 && reset_peak();
    auto start = std::chrono::steady_clock::now();

    bool ok = raw_rows == rows && model_rows == rows;
    // FETCH_WALK=0 leaves the walks out (to profile the fill alone).
    if (ok && env("FETCH_WALK", "1") != "0") {
        start = std::chrono::steady_clock::now();
        ok = walk_list_models(G_LIST_MODEL(table)) == rows * kColumns;
        f.list_walk_rate = double(rows) / seconds_since(start);
        start = std::chrono::steady_clock::now();
        ok = ok && walk_list_models(G_LIST_MODEL(table)) == rows * kColumns;
        f.list_again_rate = double(rows) / seconds_since(start);
        start = std::chrono::steady_clock::now();
        ok = ok && walk_rows(table) == rows * kColumns;
        f.rows_walk_rate = double(rows) / seconds_since(start);
        f.walk_peak = peak_ok ? std::max(f.model_peak, double(status_kb("VmHWM:") - model_before) * 1024.0) : -1;
    }
    if (table) g_object_unref(table);
    s.teardown();
    if (!ok) {
        std::printf("read %zu (raw) and %zu (model) rows of %zu, or walked another number of cells\n", raw_rows,
                    model_rows, rows);
        return false;
    }
    f.rows = double(rows);
    f.raw_rate = double(rows) / raw_seconds;
    f.model_rate = double(rows) / model_seconds;
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
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

TarvelinProvidersContractsTableModel* model_table(TarvelinProvidersContractsIProvider* provider,
                                                  TarvelinProvidersContractsServer* server, const std::string& sql) {
    GError* error = nullptr;
    tarvelin_providers_contracts_iprovider_open(provider, server, "", &error);
    TarvelinProvidersContractsTableModel* table = nullptr;
    if (!error) table = tarvelin_providers_contracts_iprovider_execute_model(provider, sql.c_str(), TRUE, &error);
    if (error) {
        g_printerr("%s: %s\n", G_OBJECT_TYPE_NAME(provider), error->message);
        g_error_free(error);
    }
    g_object_unref(provider);
    g_object_unref(server);
    return table;
}

std::string select_all(const std::string& table) {
    return "SELECT id, big, ratio, label, stamp FROM " + table + " ORDER BY id";
}

}  // namespace fetch

int main(int argc, char** argv) {
    // A child: one run of one scenario, its figures on one line.
    if (argc == 4 && std::string(argv[1]) == "--one") {
        for (const fetch::Scenario& s : fetch::scenarios()) {
            if (g_ascii_strcasecmp(argv[2], s.name.c_str()) != 0) continue;
            std::size_t rows =
                std::size_t(g_ascii_strtoull(fetch::env("FETCH_ROWS", std::to_string(s.rows)).c_str(), nullptr, 10));
            fetch::Figures f;
            if (!fetch::run_one(s, rows, std::atoi(argv[3]) % 2 == 1, f)) return 1;
            std::printf("figures %.0f %.1f %.1f %.1f %.1f %.1f %.1f %.1f %.1f\n", f.rows, f.raw_rate, f.model_rate,
                        f.raw_peak, f.model_peak, f.walk_peak, f.list_walk_rate, f.list_again_rate,
                        f.rows_walk_rate);
            return 0;
        }
        return 2;
    }

    const int runs = std::max(1, std::atoi(fetch::env("FETCH_RUNS", "5").c_str()));
    gchar* self = g_file_read_link("/proc/self/exe", nullptr);
    std::printf("%-11s %8s %11s %11s %16s %9s %8s %10s %10s %10s %9s\n", "scenario", "rows", "raw rows/s",
                "model rows/s", "model/raw", "raw B/row", "B/cell+", "list 1st/s", "list 2nd/s", "rows/s",
                "walk B/c+");
    int status = 0;
    for (const fetch::Scenario& s : fetch::scenarios()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted = wanted || g_ascii_strcasecmp(argv[i], s.name.c_str()) == 0;
        if (!wanted) continue;
        std::vector<double> raw_rate, model_rate, ratio, raw_b, cell_b, list_walk, list_again, rows_walk, walk_b;
        double rows = 0;
        for (int r = 0; r < runs; ++r) {
            gchar* out = nullptr;
            gint wait = 0;
            const std::string run = std::to_string(r);
            const gchar* child[] = {self, "--one", s.name.c_str(), run.c_str(), nullptr};
            GError* error = nullptr;
            if (!g_spawn_sync(nullptr, const_cast<gchar**>(child), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, &out,
                              nullptr, &wait, &error)) {
                std::printf("%-11s %s\n", s.name.c_str(), error->message);
                g_error_free(error);
                status = 1;
                break;
            }
            fetch::Figures f;
            bool read = out && std::sscanf(out, "figures %lf %lf %lf %lf %lf %lf %lf %lf %lf", &f.rows, &f.raw_rate,
                                           &f.model_rate, &f.raw_peak, &f.model_peak, &f.walk_peak,
                                           &f.list_walk_rate, &f.list_again_rate, &f.rows_walk_rate) == 9;
            if (!read) {
                std::printf("%-11s %s", s.name.c_str(), out && *out ? out : "(no output)\n");
                if (!(out && g_str_has_prefix(out, "skipped"))) status = 1;
                g_free(out);
                break;
            }
            g_free(out);
            const double cells = f.rows * fetch::kColumns;
            rows = f.rows;
            raw_rate.push_back(f.raw_rate);
            model_rate.push_back(f.model_rate);
            ratio.push_back(f.model_rate / f.raw_rate);
            raw_b.push_back(f.raw_peak / f.rows);
            cell_b.push_back((f.model_peak - f.raw_peak) / cells);
            list_walk.push_back(f.list_walk_rate);
            list_again.push_back(f.list_again_rate);
            rows_walk.push_back(f.rows_walk_rate);
            walk_b.push_back((f.walk_peak - f.raw_peak) / cells);
        }
        if (ratio.empty()) continue;
        gchar* span = g_strdup_printf("%.2f/%.2f/%.2f", *std::min_element(ratio.begin(), ratio.end()),
                                      fetch::median(ratio), *std::max_element(ratio.begin(), ratio.end()));
        std::printf("%-11s %8.0f %11.0f %11.0f %16s %9.1f %8.1f %10.0f %10.0f %10.0f %9.1f\n", s.name.c_str(), rows,
                    fetch::median(raw_rate), fetch::median(model_rate), span, fetch::median(raw_b),
                    fetch::median(cell_b), fetch::median(list_walk), fetch::median(list_again),
                    fetch::median(rows_walk), fetch::median(walk_b));
        std::printf("%-11s execute_model over the raw loop, ratio %s\n", s.name.c_str(), span);
        g_free(span);
    }
    g_free(self);
    std::printf("\nMedians of %d runs, each in a process of its own. model/raw: execute_model rows/s over the raw\n"
                "loop's in the same process (min/median/max). B/cell+: peak resident bytes per cell above the raw\n"
                "loop's peak; walk B/c+ the same after the walks. Walks, in rows/s: every value through the list\n"
                "models (list 1st/s; the first makes what a table makes on first access), the same again\n"
                "(list 2nd/s), then through \"rows\" and \"values\" (rows/s).\n",
                runs);
    return status;
}
