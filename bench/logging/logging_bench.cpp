// Records per second through the logging facade: main log only, and with a connection
// identifier (temporary log, then main log), on one thread and on eight.
#include <glib/gstdio.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/supports/log/manager.hpp"

using namespace tarvelin::rezezadovu;
using foundation::LoggingService;

namespace {

double run(int threads, int per_thread, const char* uuid) {
    auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([=] {
            for (int i = 0; i < per_thread; ++i) LoggingService::info(uuid, "SQL: %s -- %d", "select * from t", i);
        });
    }
    for (auto& th : pool) th.join();
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return threads * per_thread / took.count();
}

void remove_files(const std::string& dir) {
    GDir* d = g_dir_open(dir.c_str(), 0, nullptr);
    while (const char* name = d ? g_dir_read_name(d) : nullptr) {
        gchar* path = g_build_filename(dir.c_str(), name, nullptr);
        g_unlink(path);
        g_free(path);
    }
    if (d) g_dir_close(d);
    g_rmdir(dir.c_str());
}

}  // namespace

int main() {
    std::string dir = tarvelin::gobj::take_string(g_dir_make_tmp("bench-log-XXXXXX", nullptr));
    // The per-identifier temporary files go to the same scratch folder.
    g_setenv("TMPDIR", dir.c_str(), TRUE);
    foundation::Services::initialize();
    foundation::Services::register_type(contracts::log::ILogManager::gtype(), supports::log::LogManager::gtype());
    LoggingService::initialize("bench", contracts::log::kPlain, dir.c_str(), 0x100000);

    constexpr int kRecords = 100000;
    std::printf("records/s, %d records each (1 MiB rotation):\n", kRecords);
    std::printf("  main log, 1 thread:          %10.0f\n", run(1, kRecords, nullptr));
    std::printf("  identifier, 1 thread:        %10.0f\n", run(1, kRecords, "conn-bench"));
    std::printf("  main log, 8 threads:         %10.0f\n", run(8, kRecords / 8, nullptr));
    std::printf("  identifier, 8 threads:       %10.0f\n", run(8, kRecords / 8, "conn-bench"));
    LoggingService::debug(nullptr, "filtered %d", 0);
    std::printf("  filtered DEBUG, 1 thread:    %10.0f\n", [] {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kRecords; ++i) LoggingService::debug(nullptr, "filtered %d", i);
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        return kRecords / took.count();
    }());
    LoggingService::shutdown();
    remove_files(dir);
    return 0;
}
