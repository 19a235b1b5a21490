// C face of the logging contracts: each dispatcher checks its object and calls the slot.
#include "rezezadovu/contracts/log/ilog_manager.hpp"

TARVELIN_LOG_TAG("log_contracts_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::log;

#define FORMATTER_DISPATCH(slot, empty, ...)                                                                   \
    gobj::dispatch(IFormatter::gtype(), self, &TarvelinRezezadovuContractsLogIFormatterInterface::slot, empty, \
                   __VA_ARGS__)
#define HANDLER_DISPATCH(slot, empty, ...)                                                                \
    gobj::dispatch(ILogHandler::gtype(), self, &TarvelinRezezadovuContractsLogILogHandlerInterface::slot, \
                   empty __VA_OPT__(, ) __VA_ARGS__)
#define HANDLER_CALL(slot, ...)                     \
    gobj::dispatch_void(ILogHandler::gtype(), self, \
                        &TarvelinRezezadovuContractsLogILogHandlerInterface::slot __VA_OPT__(, ) __VA_ARGS__)
#define LOGGER_DISPATCH(slot, empty, ...)                                                         \
    gobj::dispatch(ILogger::gtype(), self, &TarvelinRezezadovuContractsLogILoggerInterface::slot, \
                   empty __VA_OPT__(, ) __VA_ARGS__)
#define LOGGER_CALL(slot, ...)                  \
    gobj::dispatch_void(ILogger::gtype(), self, \
                        &TarvelinRezezadovuContractsLogILoggerInterface::slot __VA_OPT__(, ) __VA_ARGS__)
#define MANAGER_DISPATCH(slot, empty, ...)                                                                \
    gobj::dispatch(ILogManager::gtype(), self, &TarvelinRezezadovuContractsLogILogManagerInterface::slot, \
                   empty __VA_OPT__(, ) __VA_ARGS__)
#define MANAGER_CALL(slot, ...)                     \
    gobj::dispatch_void(ILogManager::gtype(), self, \
                        &TarvelinRezezadovuContractsLogILogManagerInterface::slot __VA_OPT__(, ) __VA_ARGS__)

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_contracts_log_log_level_get_type(void) { return log_level_gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_log_iformatter_get_type(void) { return IFormatter::gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_log_ilog_handler_get_type(void) { return ILogHandler::gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_log_ilogger_get_type(void) { return ILogger::gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_log_ilog_manager_get_type(void) { return ILogManager::gtype(); }

gchar* tarvelin_rezezadovu_contracts_log_log_level_to_string(TarvelinRezezadovuContractsLogLogLevel self) {
    return gobj::guarded(__func__, [&] { return gobj::dup_string(log_level_to_string(self)); });
}
gchar* tarvelin_rezezadovu_contracts_log_log_level_to_number(TarvelinRezezadovuContractsLogLogLevel self) {
    return gobj::guarded(__func__, [&] { return gobj::dup_string(log_level_to_number(self)); });
}
gchar* tarvelin_rezezadovu_contracts_log_log_level_to_color(TarvelinRezezadovuContractsLogLogLevel self) {
    return gobj::guarded(__func__, [&] { return gobj::dup_string(log_level_to_color(self)); });
}

// ---- IFormatter

gchar* tarvelin_rezezadovu_contracts_log_iformatter_format(TarvelinRezezadovuContractsLogIFormatter* self,
                                                           TarvelinRezezadovuContractsLogLogLevel level,
                                                           const gchar* server, const gchar* name,
                                                           const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    return FORMATTER_DISPATCH(format, (gchar*)nullptr, level, server, name, format);
}

// ---- ILogHandler

void tarvelin_rezezadovu_contracts_log_ilog_handler_publish(TarvelinRezezadovuContractsLogILogHandler* self,
                                                            TarvelinRezezadovuContractsLogLogLevel level,
                                                            const gchar* server, const gchar* name, const gchar* format,
                                                            va_list args) {
    g_return_if_fail(self != NULL);
    HANDLER_CALL(publish, level, server, name, format, args);
}
gchar* tarvelin_rezezadovu_contracts_log_ilog_handler_recent(TarvelinRezezadovuContractsLogILogHandler* self,
                                                             gpointer reserved) {
    g_return_val_if_fail(self != NULL, NULL);
    return HANDLER_DISPATCH(recent, (gchar*)nullptr, reserved);
}
void tarvelin_rezezadovu_contracts_log_ilog_handler_close(TarvelinRezezadovuContractsLogILogHandler* self) {
    g_return_if_fail(self != NULL);
    HANDLER_CALL(close);
}
TarvelinRezezadovuContractsLogIFormatter* tarvelin_rezezadovu_contracts_log_ilog_handler_get_formatter(
    TarvelinRezezadovuContractsLogILogHandler* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return HANDLER_DISPATCH(get_formatter, (TarvelinRezezadovuContractsLogIFormatter*)nullptr);
}
void tarvelin_rezezadovu_contracts_log_ilog_handler_set_formatter(TarvelinRezezadovuContractsLogILogHandler* self,
                                                                  TarvelinRezezadovuContractsLogIFormatter* value) {
    g_return_if_fail(self != NULL);
    HANDLER_CALL(set_formatter, value);
}
TarvelinRezezadovuContractsLogLogLevel tarvelin_rezezadovu_contracts_log_ilog_handler_get_threshold(
    TarvelinRezezadovuContractsLogILogHandler* self) {
    g_return_val_if_fail(self != NULL, TarvelinRezezadovuContractsLogLogLevel(0));
    return HANDLER_DISPATCH(get_threshold, TarvelinRezezadovuContractsLogLogLevel(0));
}
void tarvelin_rezezadovu_contracts_log_ilog_handler_set_threshold(TarvelinRezezadovuContractsLogILogHandler* self,
                                                                  TarvelinRezezadovuContractsLogLogLevel value) {
    g_return_if_fail(self != NULL);
    HANDLER_CALL(set_threshold, value);
}

// ---- ILogger

void tarvelin_rezezadovu_contracts_log_ilogger_initialize(TarvelinRezezadovuContractsLogILogger* self,
                                                          const gchar* t_server, const gchar* t_name) {
    g_return_if_fail(self != NULL);
    LOGGER_CALL(initialize, t_server, t_name);
}
void tarvelin_rezezadovu_contracts_log_ilogger_close(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_if_fail(self != NULL);
    LOGGER_CALL(close);
}
void tarvelin_rezezadovu_contracts_log_ilogger_append_handler(TarvelinRezezadovuContractsLogILogger* self,
                                                              TarvelinRezezadovuContractsLogILogHandler* handler) {
    g_return_if_fail(self != NULL);
    LOGGER_CALL(append_handler, handler);
}
void tarvelin_rezezadovu_contracts_log_ilogger_delete_handler(TarvelinRezezadovuContractsLogILogger* self,
                                                              TarvelinRezezadovuContractsLogILogHandler* handler) {
    g_return_if_fail(self != NULL);
    LOGGER_CALL(delete_handler, handler);
}
void tarvelin_rezezadovu_contracts_log_ilogger_remove_handler_all(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_if_fail(self != NULL);
    LOGGER_CALL(remove_handler_all);
}
GeeHashSet* tarvelin_rezezadovu_contracts_log_ilogger_get_handlers(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return LOGGER_DISPATCH(get_handlers, (GeeHashSet*)nullptr);
}
gchar* tarvelin_rezezadovu_contracts_log_ilogger_recent(TarvelinRezezadovuContractsLogILogger* self,
                                                        gpointer reserved) {
    g_return_val_if_fail(self != NULL, NULL);
    return LOGGER_DISPATCH(recent, (gchar*)nullptr, reserved);
}

#define LOGGER_LEVEL_OPERATION(op)                                                                   \
    void tarvelin_rezezadovu_contracts_log_ilogger_##op(TarvelinRezezadovuContractsLogILogger* self, \
                                                        const gchar* t_server, const gchar* t_name,  \
                                                        const gchar* format, va_list args) {         \
        g_return_if_fail(self != NULL);                                                              \
        LOGGER_CALL(op, t_server, t_name, format, args);                                             \
    }
LOGGER_LEVEL_OPERATION(error)
LOGGER_LEVEL_OPERATION(critical)
LOGGER_LEVEL_OPERATION(warning)
LOGGER_LEVEL_OPERATION(message)
LOGGER_LEVEL_OPERATION(info)
LOGGER_LEVEL_OPERATION(debug)

const gchar* tarvelin_rezezadovu_contracts_log_ilogger_get_uuid(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return LOGGER_DISPATCH(get_uuid, (const gchar*)nullptr);
}
const gchar* tarvelin_rezezadovu_contracts_log_ilogger_get_name(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return LOGGER_DISPATCH(get_name, (const gchar*)nullptr);
}
const gchar* tarvelin_rezezadovu_contracts_log_ilogger_get_server(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return LOGGER_DISPATCH(get_server, (const gchar*)nullptr);
}

// ---- ILogManager

void tarvelin_rezezadovu_contracts_log_ilog_manager_initialize(TarvelinRezezadovuContractsLogILogManager* self,
                                                               const gchar* uuid_default,
                                                               TarvelinRezezadovuContractsLogLogLevel level,
                                                               const gchar* log_file_dir, gint64 size_max) {
    g_return_if_fail(self != NULL);
    MANAGER_CALL(initialize, uuid_default, level, log_file_dir, size_max);
}
TarvelinRezezadovuContractsLogILogger* tarvelin_rezezadovu_contracts_log_ilog_manager_open(
    TarvelinRezezadovuContractsLogILogManager* self, const gchar* uuid) {
    g_return_val_if_fail(self != NULL, NULL);
    return MANAGER_DISPATCH(open, (TarvelinRezezadovuContractsLogILogger*)nullptr, uuid);
}
void tarvelin_rezezadovu_contracts_log_ilog_manager_close(TarvelinRezezadovuContractsLogILogManager* self,
                                                          const gchar* uuid) {
    g_return_if_fail(self != NULL);
    MANAGER_CALL(close, uuid);
}
void tarvelin_rezezadovu_contracts_log_ilog_manager_shutdown(TarvelinRezezadovuContractsLogILogManager* self) {
    g_return_if_fail(self != NULL);
    MANAGER_CALL(shutdown);
}
TarvelinRezezadovuContractsLogILogger* tarvelin_rezezadovu_contracts_log_ilog_manager_get_main(
    TarvelinRezezadovuContractsLogILogManager* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return MANAGER_DISPATCH(get_main, (TarvelinRezezadovuContractsLogILogger*)nullptr);
}

}  // extern "C"
