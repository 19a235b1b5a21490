// Small file helpers shared by the settings suites.
#pragma once

#include <glib.h>
#include <glib/gstdio.h>

#include <string>

namespace settings_test {

// A fresh directory removed with its files at the end of the test.
class TempDir {
public:
    TempDir() {
        gchar* d = g_dir_make_tmp("tarvelin-settings-XXXXXX", nullptr);
        path_ = d ? d : "";
        g_free(d);
    }
    ~TempDir() {
        if (GDir* dir = g_dir_open(path_.c_str(), 0, nullptr)) {
            while (const char* name = g_dir_read_name(dir)) g_remove(file(name).c_str());
            g_dir_close(dir);
        }
        g_rmdir(path_.c_str());
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

inline std::string read_file(const std::string& path) {
    gchar* text = nullptr;
    gsize len = 0;
    if (!g_file_get_contents(path.c_str(), &text, &len, nullptr)) return "<unreadable " + path + ">";
    std::string s(text, len);
    g_free(text);
    return s;
}

inline void write_file(const std::string& path, const std::string& text) {
    g_file_set_contents(path.c_str(), text.data(), static_cast<gssize>(text.size()), nullptr);
}

#ifdef TARVELIN_TEST_DATA
// A file of the test data folder.
inline std::string data_file(const char* name) {
    return std::string(TARVELIN_TEST_DATA) + "/" + name;
}
#endif

}  // namespace settings_test
