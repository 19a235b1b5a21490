// Runs the catalogue scenarios: `bench_catalogue [tables] [scenario...]` (1000 tables and
// every scenario by default). Statements are logged to a main log, as in a host; the
// scenarios count them there.
#include <glib/gstdio.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "providers/gobj/convert.hpp"
#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/supports/log/manager.hpp"
#include "scenario.hpp"

using namespace tarvelin;
using namespace tarvelin::rezezadovu;

namespace catalogue_bench {
namespace {

std::map<std::string, Run>& registry() {
    static std::map<std::string, Run> scenarios;
    return scenarios;
}

std::string g_log_dir;

void remove_tree(const std::string& dir) {
    GDir* d = g_dir_open(dir.c_str(), 0, nullptr);
    while (const char* name = d ? g_dir_read_name(d) : nullptr) {
        std::string path = dir + "/" + name;
        if (g_file_test(path.c_str(), G_FILE_TEST_IS_DIR))
            remove_tree(path);
        else
            g_unlink(path.c_str());
    }
    if (d) g_dir_close(d);
    g_rmdir(dir.c_str());
}

}  // namespace

bool add(const char* name, Run run) {
    registry()[name] = run;
    return true;
}

int logged_statements() {
    gchar* text = nullptr;
    gsize length = 0;
    std::string path = g_log_dir + "/bench-000.log";
    if (!g_file_get_contents(path.c_str(), &text, &length, nullptr)) return 0;
    int n = 0;
    for (const char* at = text; (at = strstr(at, "SQL: ")); at += 5) ++n;
    g_free(text);
    return n;
}

}  // namespace catalogue_bench

int main(int argc, char** argv) {
    using namespace catalogue_bench;
    int tables = argc > 1 ? atoi(argv[1]) : 1000;
    if (tables <= 0) tables = 1000;
    std::string root = gobj::take_string(g_dir_make_tmp("bench-catalogue-XXXXXX", nullptr));
    g_log_dir = root + "/logs";
    g_mkdir_with_parents(g_log_dir.c_str(), 0700);
    foundation::Services::initialize();
    foundation::Services::register_type(contracts::log::ILogManager::gtype(), supports::log::LogManager::gtype());
    foundation::LoggingService::initialize("bench", contracts::log::kPlain, g_log_dir.c_str(), 1024LL * 1024 * 1024);

    int status = 0;
    for (const auto& [name, run] : registry()) {
        bool wanted = argc <= 2;
        for (int i = 2; i < argc; ++i) wanted = wanted || name == argv[i];
        if (!wanted) continue;
        std::string scratch = root + "/" + name;
        g_mkdir_with_parents(scratch.c_str(), 0700);
        printf("== %s, %d tables\n", name.c_str(), tables);
        status |= run(scratch, tables);
    }
    foundation::LoggingService::shutdown();
    remove_tree(root);
    return status;
}
