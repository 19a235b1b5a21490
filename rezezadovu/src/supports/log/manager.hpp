// The main logger, writing the rotating main log, plus one logger per identifier with
// a temporary file of its own.
//
// Lock order when logging: facade, then manager, then logger, then handler; a lock is
// only taken while holding those before it.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "rezezadovu/contracts/log/ilog_manager.hpp"
#include "rezezadovu/supports/log/handler_file_temp.hpp"
#include "rezezadovu/supports/log/logger.hpp"

namespace tarvelin::rezezadovu::supports::log {

// Thread-safe, but for the borrowed main logger (see get_main).
class TARVELIN_EXPORT LogManager : public gobj::Object, public contracts::log::ILogManager {
public:
    static GType gtype();
    static gobj::Ref<LogManager> create(GType type = gtype());

    void initialize(const char* uuid_default, LogLevel level, const char* log_file_dir, gint64 size_max) override;
    gobj::Ref<contracts::log::ILogger> open(const char* uuid) override;
    // Closes the identifier's logger and removes the temporary file it wrote: once the
    // logger is forgotten nothing can read that file back, and the main log keeps every
    // record.
    void close(const char* uuid) override;
    // Closes every logger and removes every temporary file this manager made.
    void shutdown() override;
    // Borrowed: valid until the next initialize replaces it, so initialize is not called
    // while another thread uses the main logger (the facade holds its lock over both).
    TarvelinRezezadovuContractsLogILogger* get_main() const override;

private:
    std::optional<std::string> uuid_default_;
    gobj::Ref<Logger> main_;
    std::map<std::string, gobj::Ref<Logger>> loggers_;
    // The temporary file handler of each logger made by open, by identifier.
    std::map<std::string, gobj::Ref<TempFileLogHandler>> temp_files_;
    mutable std::recursive_mutex lock_;
};

}  // namespace tarvelin::rezezadovu::supports::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogLogManager, tarvelin::rezezadovu::supports::log::LogManager)
