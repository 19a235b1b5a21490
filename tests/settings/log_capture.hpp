// Starts the registry and the logging stack as a host does, writing the main log into a
// scratch folder, so tests can read what the facade's `error` wrote.
#pragma once

#include <string>

#include "rezezadovu/contracts/log/ilog_manager.hpp"
#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/foundation/services.hpp"
#include "settings_files.hpp"
#include "rezezadovu/supports/log/manager.hpp"

namespace settings_test {

class LogCapture {
public:
    LogCapture() {
        using namespace tarvelin::rezezadovu;
        foundation::Services::initialize();
        foundation::Services::register_type(contracts::log::ILogManager::gtype(), supports::log::LogManager::gtype());
        foundation::LoggingService::initialize(id_.c_str(), contracts::log::kPlain, dir_.path().c_str(), 0x100000);
    }
    ~LogCapture() { tarvelin::rezezadovu::foundation::LoggingService::shutdown(); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string main_log() const { return read_file(dir_.file(id_ + "-000.log")); }
    // How many lines of the main log hold `part`.
    int count(const std::string& part) const {
        std::string log = main_log();
        int n = 0;
        for (size_t at = log.find(part); at != std::string::npos; at = log.find(part, at + 1)) ++n;
        return n;
    }

private:
    std::string id_ = "settings-test";
    TempDir dir_;
};

}  // namespace settings_test
