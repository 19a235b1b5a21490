#include "rezezadovu/foundation/logging_service.hpp"

#include <atomic>
#include <mutex>
#include <string>

#include "providers/gobj/precondition.hpp"
#include "rezezadovu/foundation/services.hpp"

TARVELIN_LOG_TAG("logging_service")

namespace tarvelin::rezezadovu::foundation {

TARVELIN_FUNDAMENTAL_GTYPE(LoggingService, "TarvelinRezezadovuFoundationLoggingService", "TarvelinRezezadovuFoundationParamSpecLoggingService")

namespace {
using Manager = TarvelinRezezadovuContractsLogILogManager;
using Logger = TarvelinRezezadovuContractsLogILogger;
using LevelFn = void (*)(Logger*, const gchar*, const gchar*, const gchar*, va_list);

// The facade is never torn down: the manager it resolved stays for the process.
std::atomic<Manager*> s_log_manager{nullptr};
std::recursive_mutex s_lock;

constexpr LevelFn kLevelOps[] = {
    tarvelin_rezezadovu_contracts_log_ilogger_error,   tarvelin_rezezadovu_contracts_log_ilogger_critical,
    tarvelin_rezezadovu_contracts_log_ilogger_warning, tarvelin_rezezadovu_contracts_log_ilogger_message,
    tarvelin_rezezadovu_contracts_log_ilogger_info,    tarvelin_rezezadovu_contracts_log_ilogger_debug,
};

std::string text_or_empty(const char* s) { return s ? s : ""; }

// Each logger expands the arguments on its own, so each gets a fresh copy.
void send(LevelFn op, Logger* logger, const std::string& server, const std::string& name, const char* format,
          va_list args) {
    va_list copy;
    va_copy(copy, args);
    op(logger, server.c_str(), name.c_str(), format, copy);
    va_end(copy);
}
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
    tarvelin_rezezadovu_contracts_log_ilog_manager_initialize(manager, uuid_default, level, log_file_dir, size_max);
}

void LoggingService::shutdown() {
    std::lock_guard guard(s_lock);
    tarvelin_rezezadovu_contracts_log_ilog_manager_shutdown(s_log_manager.load());
}

void LoggingService::log(Op op, const char* uuid, const char* format, va_list args) {
    g_return_if_fail(format != NULL);
    gobj::guarded("LoggingService", [&] {
        std::lock_guard guard(s_lock);
        // Without a manager the contract reports the missing object ("self != NULL").
        Logger* main = tarvelin_rezezadovu_contracts_log_ilog_manager_get_main(s_log_manager.load());
        if (!main) return;
        LevelFn fn = kLevelOps[static_cast<int>(op)];
        std::string server = text_or_empty(tarvelin_rezezadovu_contracts_log_ilogger_get_server(main));
        std::string name = text_or_empty(tarvelin_rezezadovu_contracts_log_ilogger_get_name(main));
        const char* main_uuid = tarvelin_rezezadovu_contracts_log_ilogger_get_uuid(main);
        const char* id = uuid ? uuid : main_uuid;
        if (id && g_strcmp0(id, main_uuid) != 0) {
            auto own = gobj::GPtr<GObject>::adopt(reinterpret_cast<GObject*>(
                tarvelin_rezezadovu_contracts_log_ilog_manager_open(s_log_manager.load(), id)));
            if (own) {
                auto* logger = reinterpret_cast<Logger*>(own.get());
                server = text_or_empty(tarvelin_rezezadovu_contracts_log_ilogger_get_server(logger));
                name = text_or_empty(tarvelin_rezezadovu_contracts_log_ilogger_get_name(logger));
                send(fn, logger, server, name, format, args);
            }
        }
        send(fn, main, server, name, format, args);
    });
}

#define LOGGING_SERVICE_LEVEL(fn, OP)                                    \
    void LoggingService::fn(const char* uuid, const char* format, ...) { \
        g_return_if_fail(format != NULL);                                \
        va_list args;                                                    \
        va_start(args, format);                                          \
        log(Op::OP, uuid, format, args);                                 \
        va_end(args);                                                    \
    }
LOGGING_SERVICE_LEVEL(error, Error)
LOGGING_SERVICE_LEVEL(critical, Critical)
LOGGING_SERVICE_LEVEL(warning, Warning)
LOGGING_SERVICE_LEVEL(message, Message)
LOGGING_SERVICE_LEVEL(info, Info)
LOGGING_SERVICE_LEVEL(debug, Debug)
#undef LOGGING_SERVICE_LEVEL

TarvelinRezezadovuContractsLogILogManager* LoggingService::get_manager() { return s_log_manager.load(); }

}  // namespace tarvelin::rezezadovu::foundation
