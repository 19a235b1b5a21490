#include "rezezadovu/foundation/logging_service.hpp"

#include <atomic>
#include <cstdarg>
#include <map>
#include <mutex>
#include <string>

#include "providers/gobj/precondition.hpp"
#include "rezezadovu/foundation/services.hpp"

TARVELIN_LOG_TAG("logging_service")

namespace tarvelin::rezezadovu::foundation {

TARVELIN_FUNDAMENTAL_GTYPE(LoggingService, "TarvelinRezezadovuFoundationLoggingService", "TarvelinRezezadovuFoundationParamSpecLoggingService")

namespace {
using Manager = TarvelinRezezadovuContractsLogILogManager;
using ManagerVtable = TarvelinRezezadovuContractsLogILogManagerInterface;
using LoggerVtable = LoggingService::LoggerVtable;

// The facade is never torn down: the manager it resolved stays for the process.
std::atomic<Manager*> s_log_manager{nullptr};
std::recursive_mutex s_lock;
// Users of each identifier's log, under s_lock. Never destroyed: a connection held in a
// static object may be finalised after the static objects of this file.
std::map<std::string, unsigned>& users() {
    static auto* counts = new std::map<std::string, unsigned>;
    return *counts;
}

// The manager, or nullptr with the critical of a call on no object.
Manager* manager_to_call() {
    Manager* manager = s_log_manager.load();
    TARVELIN_REQUIRE(manager != nullptr, "self != NULL");
    return manager;
}

std::string text_or_empty(const char* s) { return s ? s : ""; }
}  // namespace

gobj::Ref<LoggingService> LoggingService::create(GType type) { return gobj::create<LoggingService>(type); }

void LoggingService::initialize(const char* uuid_default, LogLevel level, const char* log_file_dir, gint64 size_max) {
    g_return_if_fail(uuid_default != NULL);
    g_return_if_fail(log_file_dir != NULL);
    std::lock_guard guard(s_lock);
    if (!s_log_manager.load()) {
        gobj::GPtr<GObject> found = Services::get(contracts::log::ILogManager::gtype());
        s_log_manager.store(reinterpret_cast<Manager*>(found.release()));
    }
    Manager* manager = s_log_manager.load();
    if (!TARVELIN_REQUIRE(manager != nullptr, "null != s_Log_manager")) return;
    gobj::call<&ManagerVtable::initialize>(manager, uuid_default, level, log_file_dir, size_max);
}

void LoggingService::shutdown() {
    std::lock_guard guard(s_lock);
    if (Manager* manager = manager_to_call()) gobj::call<&ManagerVtable::shutdown>(manager);
}

template <auto Op>
void LoggingService::log(const char* uuid, gobj::VaText text) {
    gobj::guarded("LoggingService", [&] {
        std::lock_guard guard(s_lock);
        Manager* manager = manager_to_call();
        if (!manager) return;
        auto main = gobj::call<&ManagerVtable::get_main, gobj::borrow>(manager);
        if (!main) return;
        std::string server = text_or_empty(gobj::call<&LoggerVtable::get_server>(main));
        std::string name = text_or_empty(gobj::call<&LoggerVtable::get_name>(main));
        const char* main_uuid = gobj::call<&LoggerVtable::get_uuid>(main);
        const char* id = uuid ? uuid : main_uuid;
        if (id && g_strcmp0(id, main_uuid) != 0) {
            if (auto own = gobj::call<&ManagerVtable::open>(manager, id)) {
                server = text_or_empty(gobj::call<&LoggerVtable::get_server>(own));
                name = text_or_empty(gobj::call<&LoggerVtable::get_name>(own));
                gobj::call<Op>(own, server, name, text);
            }
        }
        gobj::call<Op>(main, server, name, text);
    });
}
template void LoggingService::log<&LoggerVtable::error>(const char*, gobj::VaText);
template void LoggingService::log<&LoggerVtable::critical>(const char*, gobj::VaText);
template void LoggingService::log<&LoggerVtable::warning>(const char*, gobj::VaText);
template void LoggingService::log<&LoggerVtable::message>(const char*, gobj::VaText);
template void LoggingService::log<&LoggerVtable::info>(const char*, gobj::VaText);
template void LoggingService::log<&LoggerVtable::debug>(const char*, gobj::VaText);

// The record's text is expanded once, here; every logger and handler gets that text.
#define LOGGING_SERVICE_LEVEL(fn)                                                     \
    void LoggingService::fn(const char* uuid, const char* format, ...) {              \
        g_return_if_fail(format != NULL);                                             \
        va_list args;                                                                 \
        va_start(args, format);                                                       \
        gobj::VaText text{gobj::take_string(g_strdup_vprintf(format, args))};         \
        va_end(args);                                                                 \
        log<&LoggerVtable::fn>(uuid, std::move(text));                                \
    }
LOGGING_SERVICE_LEVEL(error)
LOGGING_SERVICE_LEVEL(critical)
LOGGING_SERVICE_LEVEL(warning)
LOGGING_SERVICE_LEVEL(message)
LOGGING_SERVICE_LEVEL(info)
LOGGING_SERVICE_LEVEL(debug)
#undef LOGGING_SERVICE_LEVEL

void LoggingService::hold(const std::string& uuid) {
    if (uuid.empty()) return;
    std::lock_guard guard(s_lock);
    ++users()[uuid];
}

void LoggingService::release(const std::string& uuid) {
    if (uuid.empty()) return;
    std::lock_guard guard(s_lock);
    auto found = users().find(uuid);
    if (found == users().end()) return;
    if (--found->second > 0) return;
    users().erase(found);
    // Records are written under s_lock too, so no record is half-way through this
    // identifier's logger while it closes.
    Manager* manager = s_log_manager.load();
    if (!manager) return;
    gobj::guarded("LoggingService", [&] {
        auto main = gobj::call<&ManagerVtable::get_main, gobj::borrow>(manager);
        if (main && uuid == text_or_empty(gobj::call<&LoggerVtable::get_uuid>(main))) return;
        gobj::call<&ManagerVtable::close>(manager, uuid.c_str());
    });
}

TarvelinRezezadovuContractsLogILogManager* LoggingService::get_manager() { return s_log_manager.load(); }

}  // namespace tarvelin::rezezadovu::foundation
