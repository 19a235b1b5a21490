// C face of the formatters, handlers, logger and log manager.
#include "rezezadovu/supports/log/formatter_default.hpp"
#include "rezezadovu/supports/log/handler_console.hpp"
#include "rezezadovu/supports/log/handler_delegate.hpp"
#include "rezezadovu/supports/log/handler_file_slice.hpp"
#include "rezezadovu/supports/log/handler_file_temp.hpp"
#include "rezezadovu/supports/log/manager.hpp"

TARVELIN_LOG_TAG("log_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::supports::log;
using gobj::cast;

static_assert(sizeof(TarvelinRezezadovuSupportsLogDefaultFormatter) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinRezezadovuSupportsLogDefaultFormatterClass) == sizeof(gobj::Class));
static_assert(sizeof(TarvelinRezezadovuSupportsLogLogger) == sizeof(gobj::Instance));

// get_type, new and construct of a class whose factory takes no argument.
#define LOG_CLASS_BASICS(Class, CType, prefix)                                                                     \
    TARVELIN_API GType prefix##_get_type(void) { return Class::gtype(); }                                          \
    CType* prefix##_construct(GType object_type) {                                                                 \
        return gobj::guarded(                                                                                      \
            __func__, [&] { return static_cast<CType*>(Class::create(object_type).release()); }, (CType*)nullptr); \
    }                                                                                                              \
    CType* prefix##_new(void) { return prefix##_construct(Class::gtype()); }

// The "formatter" and "threshold" accessors every handler class declares.
#define LOG_HANDLER_PROPERTIES(Class, CType, prefix)                                                            \
    TarvelinRezezadovuContractsLogIFormatter* prefix##_get_formatter(CType* self) {                             \
        g_return_val_if_fail(self != NULL, NULL);                                                               \
        return cast<Class>(self)->get_formatter();                                                              \
    }                                                                                                           \
    void prefix##_set_formatter(CType* self, TarvelinRezezadovuContractsLogIFormatter* value) {                 \
        g_return_if_fail(self != NULL);                                                                         \
        gobj::guarded(__func__, [&] {                                                                      \
            cast<Class>(self)->set_formatter(gobj::Ref<rezezadovu::contracts::log::IFormatter>::retain(value)); \
        });                                                                                                     \
    }                                                                                                           \
    TarvelinRezezadovuContractsLogLogLevel prefix##_get_threshold(CType* self) {                                \
        g_return_val_if_fail(self != NULL, TarvelinRezezadovuContractsLogLogLevel(0));                          \
        return cast<Class>(self)->get_threshold();                                                              \
    }                                                                                                           \
    void prefix##_set_threshold(CType* self, TarvelinRezezadovuContractsLogLogLevel value) {                    \
        g_return_if_fail(self != NULL);                                                                         \
        gobj::guarded(__func__, [&] { cast<Class>(self)->set_threshold(value); });                         \
    }

extern "C" {

// ---- formatters

LOG_CLASS_BASICS(DefaultFormatter, TarvelinRezezadovuSupportsLogDefaultFormatter,
                 tarvelin_rezezadovu_supports_log_default_formatter)
LOG_CLASS_BASICS(SimpleFormatter, TarvelinRezezadovuSupportsLogSimpleFormatter,
                 tarvelin_rezezadovu_supports_log_simple_formatter)
LOG_CLASS_BASICS(ColorFormatter, TarvelinRezezadovuSupportsLogColorFormatter,
                 tarvelin_rezezadovu_supports_log_color_formatter)

gchar* tarvelin_rezezadovu_supports_log_default_formatter_get_level_name(
    TarvelinRezezadovuSupportsLogDefaultFormatter* self, TarvelinRezezadovuContractsLogLogLevel level,
    const gchar* server, const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        __func__, [&] { return gobj::dup_string(cast<DefaultFormatter>(self)->get_level_name(level, server, name)); });
}
gchar* tarvelin_rezezadovu_supports_log_default_formatter_format(TarvelinRezezadovuSupportsLogDefaultFormatter* self,
                                                                 TarvelinRezezadovuContractsLogLogLevel level,
                                                                 const gchar* server, const gchar* name,
                                                                 const gchar* format) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(
        __func__, [&] { return gobj::dup_string(cast<DefaultFormatter>(self)->format(level, server, name, format)); });
}

// ---- slice file handler

LOG_CLASS_BASICS(SliceFileLogHandler, TarvelinRezezadovuSupportsLogSliceFileLogHandler,
                 tarvelin_rezezadovu_supports_log_slice_file_log_handler)
LOG_HANDLER_PROPERTIES(SliceFileLogHandler, TarvelinRezezadovuSupportsLogSliceFileLogHandler,
                       tarvelin_rezezadovu_supports_log_slice_file_log_handler)

void tarvelin_rezezadovu_supports_log_slice_file_log_handler_initialize(
    TarvelinRezezadovuSupportsLogSliceFileLogHandler* self, const gchar* name, const gchar* folder, gint64 size_max,
    GError** error) {
    g_return_if_fail(self != NULL);
    gobj::capi(G_STRFUNC, error, [&] { cast<SliceFileLogHandler>(self)->initialize(name, folder, size_max); });
}
void tarvelin_rezezadovu_supports_log_slice_file_log_handler_close(
    TarvelinRezezadovuSupportsLogSliceFileLogHandler* self) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<SliceFileLogHandler>(self)->close(); });
}

// ---- temporary file handler

LOG_CLASS_BASICS(TempFileLogHandler, TarvelinRezezadovuSupportsLogTempFileLogHandler,
                 tarvelin_rezezadovu_supports_log_temp_file_log_handler)
LOG_HANDLER_PROPERTIES(TempFileLogHandler, TarvelinRezezadovuSupportsLogTempFileLogHandler,
                       tarvelin_rezezadovu_supports_log_temp_file_log_handler)

void tarvelin_rezezadovu_supports_log_temp_file_log_handler_initialize(
    TarvelinRezezadovuSupportsLogTempFileLogHandler* self, const gchar* name) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<TempFileLogHandler>(self)->initialize(name); });
}
void tarvelin_rezezadovu_supports_log_temp_file_log_handler_publish(
    TarvelinRezezadovuSupportsLogTempFileLogHandler* self, TarvelinRezezadovuContractsLogLogLevel level,
    const gchar* server, const gchar* name, const gchar* format, va_list args) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<TempFileLogHandler>(self)->publish(level, server, name, format, args); });
}
gchar* tarvelin_rezezadovu_supports_log_temp_file_log_handler_recent(
    TarvelinRezezadovuSupportsLogTempFileLogHandler* self, gpointer reserved) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(cast<TempFileLogHandler>(self)->recent(reserved)); });
}
void tarvelin_rezezadovu_supports_log_temp_file_log_handler_close(
    TarvelinRezezadovuSupportsLogTempFileLogHandler* self) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<TempFileLogHandler>(self)->close(); });
}

// ---- console and delegate handlers

LOG_CLASS_BASICS(GLibLogHandler, TarvelinRezezadovuSupportsLogGLibLogHandler,
                 tarvelin_rezezadovu_supports_log_glib_log_handler)
LOG_HANDLER_PROPERTIES(GLibLogHandler, TarvelinRezezadovuSupportsLogGLibLogHandler,
                       tarvelin_rezezadovu_supports_log_glib_log_handler)
LOG_CLASS_BASICS(DelegateHandler, TarvelinRezezadovuSupportsLogDelegateHandler,
                 tarvelin_rezezadovu_supports_log_delegate_handler)
LOG_HANDLER_PROPERTIES(DelegateHandler, TarvelinRezezadovuSupportsLogDelegateHandler,
                       tarvelin_rezezadovu_supports_log_delegate_handler)

void tarvelin_rezezadovu_supports_log_delegate_handler_initialize(TarvelinRezezadovuSupportsLogDelegateHandler* self,
                                                                  GIOFunc func, gpointer func_target) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<DelegateHandler>(self)->initialize(func, func_target); });
}

// ---- logger and manager

TARVELIN_API GType tarvelin_rezezadovu_supports_log_logger_get_type(void) { return Logger::gtype(); }
TarvelinRezezadovuSupportsLogLogger* tarvelin_rezezadovu_supports_log_logger_construct(GType object_type,
                                                                                       const gchar* t_uuid) {
    return gobj::guarded(
        __func__,
        [&] {
            return static_cast<TarvelinRezezadovuSupportsLogLogger*>(Logger::create(t_uuid, object_type).release());
        },
        (TarvelinRezezadovuSupportsLogLogger*)nullptr);
}
TarvelinRezezadovuSupportsLogLogger* tarvelin_rezezadovu_supports_log_logger_new(const gchar* t_uuid) {
    return tarvelin_rezezadovu_supports_log_logger_construct(Logger::gtype(), t_uuid);
}

LOG_CLASS_BASICS(LogManager, TarvelinRezezadovuSupportsLogLogManager, tarvelin_rezezadovu_supports_log_log_manager)

}  // extern "C"
