// Creates, converts to text and frees 1,000,000 cells of a few kinds; prints the time
// per cell of each phase and the memory one live cell takes (malloc in-use delta and
// resident-set delta with all cells alive).
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/contracts/value_string.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using Clock = std::chrono::steady_clock;

namespace {

long resident_kib() {
    long kib = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f)) {
            if (std::strncmp(line, "VmRSS:", 6) == 0) kib = std::strtol(line + 6, nullptr, 10);
        }
        std::fclose(f);
    }
    return kib;
}

double ns_per(Clock::duration d, size_t n) {
    return std::chrono::duration<double, std::nano>(d).count() / static_cast<double>(n);
}

struct Kind {
    const char* name;
    std::function<gobj::Ref<ValueObject>(size_t)> make;
};

void run(const Kind& kind, size_t n, bool print) {
    std::vector<gobj::Ref<ValueObject>> cells;
    cells.reserve(n);
    malloc_trim(0);
    size_t heap_before = mallinfo2().uordblks;
    long rss_before = resident_kib();

    auto t0 = Clock::now();
    for (size_t i = 0; i < n; ++i) cells.push_back(kind.make(i));
    auto t1 = Clock::now();
    size_t heap_after = mallinfo2().uordblks;
    long rss_after = resident_kib();

    size_t chars = 0;
    for (const auto& c : cells) chars += c->to_string().size();
    auto t2 = Clock::now();
    cells.clear();
    auto t3 = Clock::now();

    if (!print) return;
    std::printf("%-9s %9.1f %9.1f %9.1f %9.1f %10.1f %10.1f %8.1f\n", kind.name, ns_per(t1 - t0, n),
                ns_per(t2 - t1, n), ns_per(t3 - t2, n), ns_per(t3 - t0, n),
                static_cast<double>(heap_after - heap_before) / static_cast<double>(n),
                static_cast<double>(rss_after - rss_before) * 1024.0 / static_cast<double>(n),
                static_cast<double>(chars) / static_cast<double>(n));
}

// The same phases for a plain GObject (no C++ side, no text), to read the figures
// above against on a busy machine.
void baseline(size_t n) {
    std::vector<GObject*> objects;
    objects.reserve(n);
    malloc_trim(0);
    size_t heap_before = mallinfo2().uordblks;
    long rss_before = resident_kib();
    auto t0 = Clock::now();
    for (size_t i = 0; i < n; ++i) objects.push_back(G_OBJECT(g_object_new(G_TYPE_OBJECT, nullptr)));
    auto t1 = Clock::now();
    size_t heap_after = mallinfo2().uordblks;
    long rss_after = resident_kib();
    for (GObject* o : objects) g_object_unref(o);
    auto t2 = Clock::now();
    std::printf("%-9s %9.1f %9s %9.1f %9.1f %10.1f %10.1f %8s\n", "GObject", ns_per(t1 - t0, n), "-",
                ns_per(t2 - t1, n), ns_per(t2 - t0, n),
                static_cast<double>(heap_after - heap_before) / static_cast<double>(n),
                static_cast<double>(rss_after - rss_before) * 1024.0 / static_cast<double>(n), "-");
}

}  // namespace

int main(int argc, char** argv) {
    size_t n = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const Kind kinds[] = {
        {"int32", [](size_t i) { return ValueInt32::create(static_cast<gint32>(i)); }},
        {"int64", [](size_t i) { return ValueInt64::create(static_cast<gint64>(i) * 1000003); }},
        {"double", [](size_t i) { return ValueDouble::create(static_cast<double>(i) / 7.0); }},
        {"string", [](size_t i) { return ValueString::create("cell " + std::to_string(i)); }},
        {"datetime",
         [](size_t i) {
             return ValueDateTime::create_utc(2024, 1 + static_cast<gint32>(i % 12), 1 + static_cast<gint32>(i % 28),
                                              static_cast<gint32>(i % 24), static_cast<gint32>(i % 60),
                                              static_cast<gint32>(i % 60));
         }},
        {"null", [](size_t) { return ValueNull::create(); }},
    };
    const char* slice = g_getenv("G_SLICE");
    std::printf("%zu cells per kind, G_SLICE=%s\n", n, slice ? slice : "(unset)");
    std::printf("%-9s %9s %9s %9s %9s %10s %10s %8s\n", "kind", "create", "to_text", "free", "ns/cell", "heap B",
                "rss B", "chars");
    std::fflush(stdout);
    // Each kind in a fresh process, so memory freed by one kind does not hide the next
    // one's; a short warm-up registers the classes and settles the allocator first.
    for (const auto& k : kinds) {
        pid_t child = fork();
        if (child == 0) {
            run(k, 1000, false);
            run(k, n, true);
            std::fflush(stdout);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
    }
    std::fflush(stdout);
    if (fork() == 0) {
        baseline(n);
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    wait(&status);
    return 0;
}
