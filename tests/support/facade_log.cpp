#include "support/facade_log.hpp"

#include <glib.h>

#include <regex>

#include "rezezadovu/contracts/log/ilog_manager.hpp"
#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "rezezadovu/supports/log/manager.hpp"
#include "support/scratch_dir.hpp"

namespace tarvelin::test {

FacadeLog::FacadeLog(rezezadovu::contracts::log::LogLevel level) {
    using namespace tarvelin::rezezadovu;
    gchar* d = g_dir_make_tmp("tarvelin-facade-XXXXXX", nullptr);
    dir_ = d ? d : "";
    g_free(d);
    foundation::Services::initialize();
    foundation::Services::register_type(contracts::log::ILogManager::gtype(), supports::log::LogManager::gtype());
    foundation::LoggingService::initialize(id_.c_str(), level, dir_.c_str(), 0x100000);
}

FacadeLog::~FacadeLog() {
    rezezadovu::foundation::LoggingService::shutdown();
    remove_tree(dir_);
}

std::string FacadeLog::main_log() const {
    gchar* text = nullptr;
    gsize len = 0;
    std::string path = dir_ + "/" + id_ + "-000.log";
    if (!g_file_get_contents(path.c_str(), &text, &len, nullptr)) return "";
    std::string s(text, len);
    g_free(text);
    return s;
}

int FacadeLog::count(const std::string& part) const {
    std::string log = main_log();
    int n = 0;
    for (size_t at = log.find(part); at != std::string::npos; at = log.find(part, at + 1)) ++n;
    return n;
}

std::vector<std::string> FacadeLog::leveled() const {
    static const std::regex line(R"(^.*?\]\[(RISKY|PLAIN|DEBUG)\] (.*)$)");
    std::vector<std::string> out;
    std::string log = main_log();
    size_t start = 0;
    while (start < log.size()) {
        size_t end = log.find('\n', start);
        if (end == std::string::npos) end = log.size();
        std::string text = log.substr(start, end - start);
        std::smatch m;
        if (std::regex_match(text, m, line)) out.push_back(m[1].str() + " " + m[2].str());
        start = end + 1;
    }
    return out;
}

std::vector<std::string> FacadeLog::messages() const {
    std::vector<std::string> out;
    for (const std::string& l : leveled()) out.push_back(l.substr(6));
    return out;
}

}  // namespace tarvelin::test
