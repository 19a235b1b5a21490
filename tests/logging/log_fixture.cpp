#include "log_fixture.hpp"

#include <glib/gstdio.h>

#include <algorithm>
#include <cstdarg>

namespace tarvelin::test {

TARVELIN_GTYPE(PlainFormatter, "TestPlainFormatter", gobj::Object, rezezadovu::contracts::log::IFormatter)

namespace {
void remove_tree(const std::string& path) {
    if (g_file_test(path.c_str(), G_FILE_TEST_IS_DIR) && !g_file_test(path.c_str(), G_FILE_TEST_IS_SYMLINK)) {
        GDir* dir = g_dir_open(path.c_str(), 0, nullptr);
        if (dir) {
            while (const char* name = g_dir_read_name(dir)) {
                remove_tree(gobj::take_string(g_build_filename(path.c_str(), name, nullptr)));
            }
            g_dir_close(dir);
        }
        g_rmdir(path.c_str());
    } else {
        g_unlink(path.c_str());
    }
}
}  // namespace

TempDir::TempDir() : path_(gobj::take_string(g_dir_make_tmp("tarvelin-log-XXXXXX", nullptr))) {}
TempDir::~TempDir() { remove_tree(path_); }
std::string TempDir::file(const std::string& name) const {
    return gobj::take_string(g_build_filename(path_.c_str(), name.c_str(), nullptr));
}
std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> out;
    GDir* dir = g_dir_open(path_.c_str(), 0, nullptr);
    if (!dir) return out;
    while (const char* name = g_dir_read_name(dir)) out.emplace_back(name);
    g_dir_close(dir);
    std::sort(out.begin(), out.end());
    return out;
}

std::string read_file(const std::string& path) {
    gchar* content = nullptr;
    gsize length = 0;
    if (!g_file_get_contents(path.c_str(), &content, &length, nullptr)) return {};
    std::string out(content, length);
    g_free(content);
    return out;
}
void write_file(const std::string& path, const std::string& content) {
    g_file_set_contents(path.c_str(), content.data(), static_cast<gssize>(content.size()), nullptr);
}
std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}
bool matches(const std::string& text, const std::string& pattern) {
    return std::regex_match(text, std::regex(pattern));
}

void handler_publish(gpointer handler, TarvelinRezezadovuContractsLogLogLevel level, const char* server,
                     const char* name, const char* format, ...) {
    va_list args;
    va_start(args, format);
    tarvelin_rezezadovu_contracts_log_ilog_handler_publish(
        static_cast<TarvelinRezezadovuContractsLogILogHandler*>(handler), level, server, name, format, args);
    va_end(args);
}
void logger_info(gpointer logger, const char* server, const char* name, const char* format, ...) {
    va_list args;
    va_start(args, format);
    tarvelin_rezezadovu_contracts_log_ilogger_info(static_cast<TarvelinRezezadovuContractsLogILogger*>(logger), server,
                                                   name, format, args);
    va_end(args);
}
void logger_debug(gpointer logger, const char* server, const char* name, const char* format, ...) {
    va_list args;
    va_start(args, format);
    tarvelin_rezezadovu_contracts_log_ilogger_debug(static_cast<TarvelinRezezadovuContractsLogILogger*>(logger), server,
                                                    name, format, args);
    va_end(args);
}

}  // namespace tarvelin::test
