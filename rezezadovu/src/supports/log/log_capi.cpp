// C face of the formatters, handlers, logger and log manager. TARVELIN_CLASS_CAPI makes
// each class's get_type, construct and new, and each handler class's property rows its
// formatter and threshold accessors:
//   tarvelin_rezezadovu_supports_log_default_formatter_get_type
//   tarvelin_rezezadovu_supports_log_default_formatter_construct
//   tarvelin_rezezadovu_supports_log_default_formatter_new
//   tarvelin_rezezadovu_supports_log_simple_formatter_get_type
//   tarvelin_rezezadovu_supports_log_simple_formatter_construct
//   tarvelin_rezezadovu_supports_log_simple_formatter_new
//   tarvelin_rezezadovu_supports_log_color_formatter_get_type
//   tarvelin_rezezadovu_supports_log_color_formatter_construct
//   tarvelin_rezezadovu_supports_log_color_formatter_new
//   tarvelin_rezezadovu_supports_log_slice_file_log_handler_get_type
//   tarvelin_rezezadovu_supports_log_slice_file_log_handler_construct
//   tarvelin_rezezadovu_supports_log_slice_file_log_handler_new
//   tarvelin_rezezadovu_supports_log_slice_file_log_handler_get_formatter
//   tarvelin_rezezadovu_supports_log_slice_file_log_handler_set_formatter
//   tarvelin_rezezadovu_supports_log_slice_file_log_handler_get_threshold
//   tarvelin_rezezadovu_supports_log_slice_file_log_handler_set_threshold
//   tarvelin_rezezadovu_supports_log_temp_file_log_handler_get_type
//   tarvelin_rezezadovu_supports_log_temp_file_log_handler_construct
//   tarvelin_rezezadovu_supports_log_temp_file_log_handler_new
//   tarvelin_rezezadovu_supports_log_temp_file_log_handler_get_formatter
//   tarvelin_rezezadovu_supports_log_temp_file_log_handler_set_formatter
//   tarvelin_rezezadovu_supports_log_temp_file_log_handler_get_threshold
//   tarvelin_rezezadovu_supports_log_temp_file_log_handler_set_threshold
//   tarvelin_rezezadovu_supports_log_glib_log_handler_get_type
//   tarvelin_rezezadovu_supports_log_glib_log_handler_construct
//   tarvelin_rezezadovu_supports_log_glib_log_handler_new
//   tarvelin_rezezadovu_supports_log_glib_log_handler_get_formatter
//   tarvelin_rezezadovu_supports_log_glib_log_handler_set_formatter
//   tarvelin_rezezadovu_supports_log_glib_log_handler_get_threshold
//   tarvelin_rezezadovu_supports_log_glib_log_handler_set_threshold
//   tarvelin_rezezadovu_supports_log_delegate_handler_get_type
//   tarvelin_rezezadovu_supports_log_delegate_handler_construct
//   tarvelin_rezezadovu_supports_log_delegate_handler_new
//   tarvelin_rezezadovu_supports_log_delegate_handler_get_formatter
//   tarvelin_rezezadovu_supports_log_delegate_handler_set_formatter
//   tarvelin_rezezadovu_supports_log_delegate_handler_get_threshold
//   tarvelin_rezezadovu_supports_log_delegate_handler_set_threshold
//   tarvelin_rezezadovu_supports_log_log_manager_get_type
//   tarvelin_rezezadovu_supports_log_log_manager_construct
//   tarvelin_rezezadovu_supports_log_log_manager_new
#include "rezezadovu/supports/log/formatter_default.hpp"
#include "rezezadovu/supports/log/handler_console.hpp"
#include "rezezadovu/supports/log/handler_delegate.hpp"
#include "rezezadovu/supports/log/handler_file_slice.hpp"
#include "rezezadovu/supports/log/handler_file_temp.hpp"
#include "rezezadovu/supports/log/manager.hpp"

TARVELIN_LOG_TAG("log_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::log;

static_assert(sizeof(TarvelinRezezadovuSupportsLogDefaultFormatter) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuSupportsLogDefaultFormatterClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinRezezadovuSupportsLogLogger) == sizeof(gobj::Instance));

extern "C" {

// ---- formatters

TARVELIN_CLASS_CAPI(DefaultFormatter, TarvelinRezezadovuSupportsLogDefaultFormatter, tarvelin_rezezadovu_supports_log_default_formatter)
TARVELIN_CLASS_CAPI(SimpleFormatter, TarvelinRezezadovuSupportsLogSimpleFormatter, tarvelin_rezezadovu_supports_log_simple_formatter)
TARVELIN_CLASS_CAPI(ColorFormatter, TarvelinRezezadovuSupportsLogColorFormatter, tarvelin_rezezadovu_supports_log_color_formatter)

gchar* tarvelin_rezezadovu_supports_log_default_formatter_get_level_name(
    TarvelinRezezadovuSupportsLogDefaultFormatter* self, TarvelinRezezadovuContractsLogLogLevel level,
    const gchar* server, const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&DefaultFormatter::get_level_name>(G_STRFUNC, self, level, server, name);
}
gchar* tarvelin_rezezadovu_supports_log_default_formatter_format(TarvelinRezezadovuSupportsLogDefaultFormatter* self,
                                                                 TarvelinRezezadovuContractsLogLogLevel level,
                                                                 const gchar* server, const gchar* name,
                                                                 const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(server != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(format != NULL, NULL);
    return gobj::invoke<&DefaultFormatter::format>(G_STRFUNC, self, level, server, name, format);
}

// ---- slice file handler

#define TARVELIN_CAPI_CLASS SliceFileLogHandler
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuSupportsLogSliceFileLogHandler
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_supports_log_slice_file_log_handler
TARVELIN_CLASS_CAPI(SliceFileLogHandler, TarvelinRezezadovuSupportsLogSliceFileLogHandler, tarvelin_rezezadovu_supports_log_slice_file_log_handler)
TARVELIN_LOG_HANDLER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

void tarvelin_rezezadovu_supports_log_slice_file_log_handler_initialize(
    TarvelinRezezadovuSupportsLogSliceFileLogHandler* self, const gchar* name, const gchar* folder, gint64 size_max,
    GError** error) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(name != NULL);
    g_return_if_fail(folder != NULL);
    gobj::invoke<&SliceFileLogHandler::initialize>(G_STRFUNC, self, name, folder, size_max, error);
}
void tarvelin_rezezadovu_supports_log_slice_file_log_handler_close(
    TarvelinRezezadovuSupportsLogSliceFileLogHandler* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&SliceFileLogHandler::close>(G_STRFUNC, self);
}

// ---- temporary file handler

#define TARVELIN_CAPI_CLASS TempFileLogHandler
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuSupportsLogTempFileLogHandler
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_supports_log_temp_file_log_handler
TARVELIN_CLASS_CAPI(TempFileLogHandler, TarvelinRezezadovuSupportsLogTempFileLogHandler, tarvelin_rezezadovu_supports_log_temp_file_log_handler)
TARVELIN_LOG_HANDLER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

void tarvelin_rezezadovu_supports_log_temp_file_log_handler_initialize(
    TarvelinRezezadovuSupportsLogTempFileLogHandler* self, const gchar* name) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(name != NULL);
    gobj::invoke<&TempFileLogHandler::initialize>(G_STRFUNC, self, name);
}
void tarvelin_rezezadovu_supports_log_temp_file_log_handler_publish(
    TarvelinRezezadovuSupportsLogTempFileLogHandler* self, TarvelinRezezadovuContractsLogLogLevel level,
    const gchar* server, const gchar* name, const gchar* format, va_list args) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(server != NULL);
    g_return_if_fail(name != NULL);
    g_return_if_fail(format != NULL);
    gobj::invoke<&TempFileLogHandler::publish>(G_STRFUNC, self, level, server, name, format, args);
}
gchar* tarvelin_rezezadovu_supports_log_temp_file_log_handler_recent(
    TarvelinRezezadovuSupportsLogTempFileLogHandler* self, gpointer reserved) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&TempFileLogHandler::recent>(G_STRFUNC, self, reserved);
}
void tarvelin_rezezadovu_supports_log_temp_file_log_handler_close(
    TarvelinRezezadovuSupportsLogTempFileLogHandler* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&TempFileLogHandler::close>(G_STRFUNC, self);
}

// ---- console and delegate handlers

#define TARVELIN_CAPI_CLASS GLibLogHandler
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuSupportsLogGLibLogHandler
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_supports_log_glib_log_handler
TARVELIN_CLASS_CAPI(GLibLogHandler, TarvelinRezezadovuSupportsLogGLibLogHandler, tarvelin_rezezadovu_supports_log_glib_log_handler)
TARVELIN_LOG_HANDLER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX
#define TARVELIN_CAPI_CLASS DelegateHandler
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuSupportsLogDelegateHandler
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_supports_log_delegate_handler
TARVELIN_CLASS_CAPI(DelegateHandler, TarvelinRezezadovuSupportsLogDelegateHandler, tarvelin_rezezadovu_supports_log_delegate_handler)
TARVELIN_LOG_HANDLER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

void tarvelin_rezezadovu_supports_log_delegate_handler_initialize(TarvelinRezezadovuSupportsLogDelegateHandler* self,
                                                                  GIOFunc func, gpointer func_target) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(func != NULL);
    gobj::invoke<&DelegateHandler::initialize>(G_STRFUNC, self, func, func_target);
}

// ---- logger and manager

TARVELIN_API GType tarvelin_rezezadovu_supports_log_logger_get_type(void) { return Logger::gtype(); }
TarvelinRezezadovuSupportsLogLogger* tarvelin_rezezadovu_supports_log_logger_construct(GType object_type,
                                                                                       const gchar* t_uuid) {
    g_return_val_if_fail(t_uuid != NULL, NULL);
    return gobj::invoke<&Logger::construct>(G_STRFUNC, object_type, t_uuid);
}
TarvelinRezezadovuSupportsLogLogger* tarvelin_rezezadovu_supports_log_logger_new(const gchar* t_uuid) {
    return tarvelin_rezezadovu_supports_log_logger_construct(Logger::gtype(), t_uuid);
}

TARVELIN_CLASS_CAPI(LogManager, TarvelinRezezadovuSupportsLogLogManager, tarvelin_rezezadovu_supports_log_log_manager)

}  // extern "C"
