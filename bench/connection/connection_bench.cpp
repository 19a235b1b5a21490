// Microseconds per execute_as_scalar through a connection over the SQLite driver on a
// file: synchronously, and asynchronously one call at a time (worker thread, idle
// resumption and callback included). Every statement is logged to the main log, as in
// a host. Then a host that makes a new server record per connection: open, one statement,
// close and release, many times over the SQLite dialect, with the open descriptors and the
// resident memory before and after.
#include <glib/gstdio.h>
#include <tarvelin/providers/providers.h>
#include <tarvelin/rezezadovu/database.h>
#include <tarvelin/rezezadovu/sqlite.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/supports/database/connection_impl.hpp"
#include "rezezadovu/supports/log/manager.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;
using supports::database::ConnectionImpl;

namespace {

// The least a dialect must give: a statement with a connection text.
class BenchConnection : public ConnectionImpl {
public:
    static GType gtype();
    gobj::Ref<IStatement> statement() override {
        return lazy(m_statement, [] { return gobj::Ref<IStatement>::adopt(g_object_new(statement_type(), nullptr)); });
    }
    void use(gpointer provider) { set_provider(gobj::Ref<IProvider>::retain(provider)); }

private:
    static GType statement_type() {
        static const GType type = [] {
            GTypeInfo info{};
            info.class_size = sizeof(GObjectClass);
            info.instance_size = sizeof(GObject);
            GType t = g_type_register_static(G_TYPE_OBJECT, "BenchStatement", &info, GTypeFlags(0));
            GInterfaceInfo iface{};
            iface.interface_init = [](gpointer vtable, gpointer) {
                static_cast<IStatement::Vtable*>(vtable)->build_connection_string =
                    [](TarvelinRezezadovuContractsDatabaseIStatement*, TarvelinProvidersContractsServer*) {
                        return g_strdup("SQLITE");
                    };
            };
            g_type_add_interface_static(t, IStatement::gtype(), &iface);
            return t;
        }();
        return type;
    }
};
TARVELIN_GTYPE(BenchConnection, "BenchConnection", ConnectionImpl)

void remove_tree(const std::string& dir) {
    GDir* d = g_dir_open(dir.c_str(), 0, nullptr);
    while (const char* name = d ? g_dir_read_name(d) : nullptr) {
        gchar* path = g_build_filename(dir.c_str(), name, nullptr);
        g_unlink(path);
        g_free(path);
    }
    if (d) g_dir_close(d);
    g_rmdir(dir.c_str());
}

using Clock = std::chrono::steady_clock;

double micros_per_call(Clock::time_point start, int calls) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
}

int open_descriptors() {
    int n = 0;
    GDir* d = g_dir_open("/proc/self/fd", 0, nullptr);
    while (d && g_dir_read_name(d)) ++n;
    if (d) g_dir_close(d);
    return n;
}

long resident_kib() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void record_cycle(const std::string& file) {
    auto* record = tarvelin_providers_contracts_server_new();
    gchar* uuid = g_uuid_string_random();
    g_object_set(record, "uuid", uuid, "filename", file.c_str(), nullptr);
    g_free(uuid);
    auto* c = reinterpret_cast<TarvelinRezezadovuSupportsDatabaseConnectionImpl*>(
        tarvelin_rezezadovu_supports_database_sq_lite_connection_new());
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, record, nullptr, nullptr);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "SELECT 1", TRUE, nullptr);
    tarvelin_rezezadovu_supports_database_connection_impl_close(c);
    g_object_unref(c);
    g_object_unref(record);
}

void record_cycles(const std::string& file) {
    record_cycle(file);  // what a process loads once
    const int cycles[] = {1000, 2000};
    for (int n : cycles) {
        int fds = open_descriptors();
        long rss = resident_kib();
        auto start = Clock::now();
        for (int i = 0; i < n; ++i) record_cycle(file);
        std::printf("new record per connection: %d cycles, %.1f us per cycle, descriptors %d -> %d, "
                    "resident %ld -> %ld KiB\n",
                    n, micros_per_call(start, n), fds, open_descriptors(), rss, resident_kib());
    }
}

}  // namespace

int main() {
    std::string dir = gobj::take_string(g_dir_make_tmp("bench-connection-XXXXXX", nullptr));
    g_setenv("TMPDIR", dir.c_str(), TRUE);
    foundation::Services::initialize();
    foundation::Services::register_type(contracts::log::ILogManager::gtype(), supports::log::LogManager::gtype());
    foundation::LoggingService::initialize("bench", contracts::log::kPlain, dir.c_str(), 64 * 1024 * 1024);

    auto conn = gobj::create<BenchConnection>();
    GObject* provider = G_OBJECT(tarvelin_providers_supports_sq_lite_provider_new());
    conn->use(provider);
    g_object_unref(provider);
    auto* c = reinterpret_cast<TarvelinRezezadovuSupportsDatabaseConnectionImpl*>(conn.gobj());
    auto* record = tarvelin_providers_contracts_server_new();
    std::string file = dir + "/bench.db";
    g_object_set(record, "uuid", "BENCH", "filename", file.c_str(), nullptr);
    GError* e = nullptr;
    tarvelin_rezezadovu_supports_database_connection_impl_open(c, record, nullptr, &e);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "CREATE TABLE t(a INTEGER)", TRUE, &e);
    tarvelin_rezezadovu_supports_database_connection_impl_execute_no_query(c, "INSERT INTO t VALUES (42)", TRUE, &e);
    if (e) {
        std::fprintf(stderr, "setup failed: %s\n", e->message);
        return 1;
    }
    const char* sql = "SELECT a FROM t";

    const int sync_calls = 10000;
    auto start = Clock::now();
    for (int i = 0; i < sync_calls; ++i)
        g_object_unref(tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar(c, sql, TRUE, nullptr));
    std::printf("execute_as_scalar, synchronous:  %d calls, %.2f us per call\n", sync_calls,
                micros_per_call(start, sync_calls));

    const int async_calls = 2000;
    struct State {
        TarvelinRezezadovuSupportsDatabaseConnectionImpl* c;
        bool done = false;
    } state{c};
    auto done = [](GObject*, GAsyncResult* result, gpointer data) {
        auto* s = static_cast<State*>(data);
        if (auto* v = tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_finish(s->c, result,
                                                                                                   nullptr))
            g_object_unref(v);
        s->done = true;
    };
    start = Clock::now();
    for (int i = 0; i < async_calls; ++i) {
        state.done = false;
        tarvelin_rezezadovu_supports_database_connection_impl_execute_as_scalar_async(c, sql, done, &state);
        while (!state.done) g_main_context_iteration(nullptr, TRUE);
    }
    std::printf("execute_as_scalar, asynchronous: %d calls, %.2f us per call (one at a time)\n", async_calls,
                micros_per_call(start, async_calls));

    tarvelin_rezezadovu_supports_database_connection_impl_close(c);
    g_object_unref(record);
    conn.reset();
    record_cycles(dir + "/cycles.db");
    foundation::LoggingService::shutdown();
    remove_tree(dir);
    return 0;
}
