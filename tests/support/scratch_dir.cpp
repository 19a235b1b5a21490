#include "support/scratch_dir.hpp"

#include <glib.h>
#include <glib/gstdio.h>

namespace tarvelin::test {

void remove_tree(const std::string& path) {
    if (GDir* dir = g_dir_open(path.c_str(), 0, nullptr)) {
        while (const char* name = g_dir_read_name(dir)) {
            std::string child = path + "/" + name;
            if (g_file_test(child.c_str(), G_FILE_TEST_IS_DIR) && !g_file_test(child.c_str(), G_FILE_TEST_IS_SYMLINK))
                remove_tree(child);
            else
                g_remove(child.c_str());
        }
        g_dir_close(dir);
    }
    g_rmdir(path.c_str());
}

ProcessTmpDir::ProcessTmpDir() {
    const char* base = g_getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tarvelin-test-XXXXXX";
    if (!g_mkdtemp(pattern.data())) return;  // the process keeps the temporary directory it had
    path_ = pattern;
    g_setenv("TMPDIR", path_.c_str(), TRUE);
}

ProcessTmpDir::~ProcessTmpDir() {
    if (!path_.empty()) remove_tree(path_);
}

}  // namespace tarvelin::test
