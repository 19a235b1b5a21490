#include "rezezadovu/supports/log/manager.hpp"

#include <glib/gstdio.h>

#include <cerrno>

#include "rezezadovu/supports/log/handler_file_slice.hpp"

TARVELIN_LOG_TAG("manager")

namespace tarvelin::rezezadovu::supports::log {

TARVELIN_GTYPE(LogManager, "TarvelinRezezadovuSupportsLogLogManager", gobj::Object, contracts::log::ILogManager)

namespace {
void report_no_file_handler(const std::string& why) {
    g_warning("manager:52: *** Failed creating FileHandler: %s\n", why.c_str());
}

// The handler's file goes with it; a file the handler could not create leaves no path.
void remove_file_of(const TempFileLogHandler& handler) {
    std::string path = handler.path();
    if (!path.empty() && g_remove(path.c_str()) != 0 && errno != ENOENT)
        tlog_warning("Failed to remove %s: %s", path.c_str(), g_strerror(errno));
}
}  // namespace

gobj::Ref<LogManager> LogManager::create(GType type) { return gobj::create<LogManager>(type); }

void LogManager::initialize(const char* uuid_default, LogLevel level, const char* log_file_dir, gint64 size_max) {
    std::lock_guard guard(lock_);
    uuid_default_ = uuid_default;
    main_ = Logger::create(uuid_default);
    loggers_[uuid_default] = main_;
    main_->initialize("SYS", "SYS");

    if (!g_file_test(log_file_dir, G_FILE_TEST_EXISTS)) {
        auto dir = gobj::GPtr<GFile>::adopt(g_file_new_for_path(log_file_dir));
        GError* error = nullptr;
        if (!g_file_make_directory(dir.get(), nullptr, &error)) {
            report_no_file_handler(gobj::Error(error).message());
            return;
        }
    }
    auto handler = SliceFileLogHandler::create();
    try {
        handler->initialize(uuid_default, log_file_dir, size_max);
    } catch (const gobj::Error& e) {
        report_no_file_handler(e.message());
        return;
    }
    handler->set_threshold(level);
    main_->append_handler(reinterpret_cast<TarvelinRezezadovuContractsLogILogHandler*>(handler.gobj()));
}

gobj::Ref<contracts::log::ILogger> LogManager::open(const char* uuid) {
    std::lock_guard guard(lock_);
    if (auto found = loggers_.find(uuid); found != loggers_.end()) return found->second;
    auto logger = Logger::create(uuid);
    loggers_[uuid] = logger;
    auto handler = TempFileLogHandler::create();
    handler->initialize(uuid);
    handler->set_threshold(contracts::log::kPlain);
    logger->append_handler(reinterpret_cast<TarvelinRezezadovuContractsLogILogHandler*>(handler.gobj()));
    if (auto earlier = temp_files_.find(uuid); earlier != temp_files_.end()) remove_file_of(*earlier->second);
    temp_files_[uuid] = handler;
    return logger;
}

void LogManager::close(const char* uuid) {
    std::lock_guard guard(lock_);
    auto found = loggers_.find(uuid);
    if (found == loggers_.end()) return;
    gobj::Ref<Logger> logger = std::move(found->second);
    loggers_.erase(found);
    logger->close();
    if (auto file = temp_files_.find(uuid); file != temp_files_.end()) {
        remove_file_of(*file->second);
        temp_files_.erase(file);
    }
}

void LogManager::shutdown() {
    std::lock_guard guard(lock_);
    for (auto& [uuid, logger] : loggers_) logger->close();
    loggers_.clear();
    for (auto& [uuid, handler] : temp_files_) remove_file_of(*handler);
    temp_files_.clear();
}

TarvelinRezezadovuContractsLogILogger* LogManager::get_main() const {
    std::lock_guard guard(lock_);
    return reinterpret_cast<TarvelinRezezadovuContractsLogILogger*>(main_.instance());
}

}  // namespace tarvelin::rezezadovu::supports::log
