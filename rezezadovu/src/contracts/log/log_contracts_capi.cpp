// C face of the logging contracts: each dispatcher checks its arguments and calls the slot.
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/contracts/log/ilog_manager.hpp"

TARVELIN_LOG_TAG("log_contracts_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::contracts::log;
using FormatterVtable = TarvelinRezezadovuContractsLogIFormatterInterface;
using HandlerVtable = TarvelinRezezadovuContractsLogILogHandlerInterface;
using LoggerVtable = TarvelinRezezadovuContractsLogILoggerInterface;
using ManagerVtable = TarvelinRezezadovuContractsLogILogManagerInterface;

extern "C" {

TARVELIN_API GType tarvelin_rezezadovu_contracts_log_log_level_get_type(void) { return log_level_gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_log_iformatter_get_type(void) { return IFormatter::gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_log_ilog_handler_get_type(void) { return ILogHandler::gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_log_ilogger_get_type(void) { return ILogger::gtype(); }
TARVELIN_API GType tarvelin_rezezadovu_contracts_log_ilog_manager_get_type(void) { return ILogManager::gtype(); }

gchar* tarvelin_rezezadovu_contracts_log_log_level_to_string(TarvelinRezezadovuContractsLogLogLevel self) {
    return gobj::invoke<&log_level_to_string>(G_STRFUNC, self);
}
gchar* tarvelin_rezezadovu_contracts_log_log_level_to_number(TarvelinRezezadovuContractsLogLogLevel self) {
    return gobj::invoke<&log_level_to_number>(G_STRFUNC, self);
}
gchar* tarvelin_rezezadovu_contracts_log_log_level_to_color(TarvelinRezezadovuContractsLogLogLevel self) {
    return gobj::invoke<&log_level_to_color>(G_STRFUNC, self);
}

// ---- IFormatter

gchar* tarvelin_rezezadovu_contracts_log_iformatter_format(TarvelinRezezadovuContractsLogIFormatter* self,
                                                           TarvelinRezezadovuContractsLogLogLevel level,
                                                           const gchar* server, const gchar* name,
                                                           const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    if (!TARVELIN_GIVEN(server, name, format)) return nullptr;
    return gobj::dispatch<&FormatterVtable::format>(G_STRFUNC, self, level, server, name, format);
}

// ---- ILogHandler

void tarvelin_rezezadovu_contracts_log_ilog_handler_publish(TarvelinRezezadovuContractsLogILogHandler* self,
                                                            TarvelinRezezadovuContractsLogLogLevel level,
                                                            const gchar* server, const gchar* name, const gchar* format,
                                                            va_list args) {
    g_return_if_fail(self != NULL);
    if (!TARVELIN_GIVEN(server, name, format)) return;
    gobj::dispatch<&HandlerVtable::publish>(G_STRFUNC, self, level, server, name, format, args);
}
gchar* tarvelin_rezezadovu_contracts_log_ilog_handler_recent(TarvelinRezezadovuContractsLogILogHandler* self,
                                                             gpointer reserved) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&HandlerVtable::recent>(G_STRFUNC, self, reserved);
}
void tarvelin_rezezadovu_contracts_log_ilog_handler_close(TarvelinRezezadovuContractsLogILogHandler* self) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&HandlerVtable::close>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsLogIFormatter* tarvelin_rezezadovu_contracts_log_ilog_handler_get_formatter(
    TarvelinRezezadovuContractsLogILogHandler* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&HandlerVtable::get_formatter>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_contracts_log_ilog_handler_set_formatter(TarvelinRezezadovuContractsLogILogHandler* self,
                                                                  TarvelinRezezadovuContractsLogIFormatter* value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&HandlerVtable::set_formatter>(G_STRFUNC, self, value);
}
TarvelinRezezadovuContractsLogLogLevel tarvelin_rezezadovu_contracts_log_ilog_handler_get_threshold(
    TarvelinRezezadovuContractsLogILogHandler* self) {
    g_return_val_if_fail(self != NULL, TarvelinRezezadovuContractsLogLogLevel(0));
    return gobj::dispatch<&HandlerVtable::get_threshold>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_contracts_log_ilog_handler_set_threshold(TarvelinRezezadovuContractsLogILogHandler* self,
                                                                  TarvelinRezezadovuContractsLogLogLevel value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&HandlerVtable::set_threshold>(G_STRFUNC, self, value);
}

// ---- ILogger

void tarvelin_rezezadovu_contracts_log_ilogger_initialize(TarvelinRezezadovuContractsLogILogger* self,
                                                          const gchar* t_server, const gchar* t_name) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(t_server != NULL);
    g_return_if_fail(t_name != NULL);
    gobj::dispatch<&LoggerVtable::initialize>(G_STRFUNC, self, t_server, t_name);
}
void tarvelin_rezezadovu_contracts_log_ilogger_close(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&LoggerVtable::close>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_contracts_log_ilogger_append_handler(TarvelinRezezadovuContractsLogILogger* self,
                                                              TarvelinRezezadovuContractsLogILogHandler* handler) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(handler != NULL);
    gobj::dispatch<&LoggerVtable::append_handler>(G_STRFUNC, self, handler);
}
void tarvelin_rezezadovu_contracts_log_ilogger_delete_handler(TarvelinRezezadovuContractsLogILogger* self,
                                                              TarvelinRezezadovuContractsLogILogHandler* handler) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(handler != NULL);
    gobj::dispatch<&LoggerVtable::delete_handler>(G_STRFUNC, self, handler);
}
void tarvelin_rezezadovu_contracts_log_ilogger_remove_handler_all(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&LoggerVtable::remove_handler_all>(G_STRFUNC, self);
}
GeeHashSet* tarvelin_rezezadovu_contracts_log_ilogger_get_handlers(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&LoggerVtable::get_handlers>(G_STRFUNC, self);
}
gchar* tarvelin_rezezadovu_contracts_log_ilogger_recent(TarvelinRezezadovuContractsLogILogger* self,
                                                        gpointer reserved) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&LoggerVtable::recent>(G_STRFUNC, self, reserved);
}

void tarvelin_rezezadovu_contracts_log_ilogger_error(TarvelinRezezadovuContractsLogILogger* self,
                                                     const gchar* t_server, const gchar* t_name, const gchar* format,
                                                     va_list args) {
    g_return_if_fail(self != NULL);
    if (!TARVELIN_GIVEN(t_server, t_name, format)) return;
    gobj::dispatch<&LoggerVtable::error>(G_STRFUNC, self, t_server, t_name, format, args);
}
void tarvelin_rezezadovu_contracts_log_ilogger_critical(TarvelinRezezadovuContractsLogILogger* self,
                                                        const gchar* t_server, const gchar* t_name,
                                                        const gchar* format, va_list args) {
    g_return_if_fail(self != NULL);
    if (!TARVELIN_GIVEN(t_server, t_name, format)) return;
    gobj::dispatch<&LoggerVtable::critical>(G_STRFUNC, self, t_server, t_name, format, args);
}
void tarvelin_rezezadovu_contracts_log_ilogger_warning(TarvelinRezezadovuContractsLogILogger* self,
                                                       const gchar* t_server, const gchar* t_name, const gchar* format,
                                                       va_list args) {
    g_return_if_fail(self != NULL);
    if (!TARVELIN_GIVEN(t_server, t_name, format)) return;
    gobj::dispatch<&LoggerVtable::warning>(G_STRFUNC, self, t_server, t_name, format, args);
}
void tarvelin_rezezadovu_contracts_log_ilogger_message(TarvelinRezezadovuContractsLogILogger* self,
                                                       const gchar* t_server, const gchar* t_name, const gchar* format,
                                                       va_list args) {
    g_return_if_fail(self != NULL);
    if (!TARVELIN_GIVEN(t_server, t_name, format)) return;
    gobj::dispatch<&LoggerVtable::message>(G_STRFUNC, self, t_server, t_name, format, args);
}
void tarvelin_rezezadovu_contracts_log_ilogger_info(TarvelinRezezadovuContractsLogILogger* self,
                                                    const gchar* t_server, const gchar* t_name, const gchar* format,
                                                    va_list args) {
    g_return_if_fail(self != NULL);
    if (!TARVELIN_GIVEN(t_server, t_name, format)) return;
    gobj::dispatch<&LoggerVtable::info>(G_STRFUNC, self, t_server, t_name, format, args);
}
void tarvelin_rezezadovu_contracts_log_ilogger_debug(TarvelinRezezadovuContractsLogILogger* self,
                                                     const gchar* t_server, const gchar* t_name, const gchar* format,
                                                     va_list args) {
    g_return_if_fail(self != NULL);
    if (!TARVELIN_GIVEN(t_server, t_name, format)) return;
    gobj::dispatch<&LoggerVtable::debug>(G_STRFUNC, self, t_server, t_name, format, args);
}

const gchar* tarvelin_rezezadovu_contracts_log_ilogger_get_uuid(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&LoggerVtable::get_uuid>(G_STRFUNC, self);
}
const gchar* tarvelin_rezezadovu_contracts_log_ilogger_get_name(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&LoggerVtable::get_name>(G_STRFUNC, self);
}
const gchar* tarvelin_rezezadovu_contracts_log_ilogger_get_server(TarvelinRezezadovuContractsLogILogger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&LoggerVtable::get_server>(G_STRFUNC, self);
}

// ---- ILogManager

void tarvelin_rezezadovu_contracts_log_ilog_manager_initialize(TarvelinRezezadovuContractsLogILogManager* self,
                                                               const gchar* uuid_default,
                                                               TarvelinRezezadovuContractsLogLogLevel level,
                                                               const gchar* log_file_dir, gint64 size_max) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(uuid_default != NULL);
    g_return_if_fail(log_file_dir != NULL);
    gobj::dispatch<&ManagerVtable::initialize>(G_STRFUNC, self, uuid_default, level, log_file_dir, size_max);
}
TarvelinRezezadovuContractsLogILogger* tarvelin_rezezadovu_contracts_log_ilog_manager_open(
    TarvelinRezezadovuContractsLogILogManager* self, const gchar* uuid) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(uuid != NULL, NULL);
    return gobj::dispatch<&ManagerVtable::open>(G_STRFUNC, self, uuid);
}
void tarvelin_rezezadovu_contracts_log_ilog_manager_close(TarvelinRezezadovuContractsLogILogManager* self,
                                                          const gchar* uuid) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(uuid != NULL);
    gobj::dispatch<&ManagerVtable::close>(G_STRFUNC, self, uuid);
}
void tarvelin_rezezadovu_contracts_log_ilog_manager_shutdown(TarvelinRezezadovuContractsLogILogManager* self) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&ManagerVtable::shutdown>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsLogILogger* tarvelin_rezezadovu_contracts_log_ilog_manager_get_main(
    TarvelinRezezadovuContractsLogILogManager* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ManagerVtable::get_main>(G_STRFUNC, self);
}

}  // extern "C"
