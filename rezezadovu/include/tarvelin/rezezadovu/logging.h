/* The logging stack: formatters, handlers, the logger, the log manager and the facade
 * (LoggingService) through which the whole system logs. */
#pragma once

#include <tarvelin/rezezadovu/log_contracts.h>

G_BEGIN_DECLS

#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_DEFAULT_FORMATTER \
    (tarvelin_rezezadovu_supports_log_default_formatter_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_SIMPLE_FORMATTER \
    (tarvelin_rezezadovu_supports_log_simple_formatter_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_COLOR_FORMATTER \
    (tarvelin_rezezadovu_supports_log_color_formatter_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_SLICE_FILE_LOG_HANDLER \
    (tarvelin_rezezadovu_supports_log_slice_file_log_handler_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_TEMP_FILE_LOG_HANDLER \
    (tarvelin_rezezadovu_supports_log_temp_file_log_handler_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_GLIB_LOG_HANDLER \
    (tarvelin_rezezadovu_supports_log_glib_log_handler_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_DELEGATE_HANDLER \
    (tarvelin_rezezadovu_supports_log_delegate_handler_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_LOGGER (tarvelin_rezezadovu_supports_log_logger_get_type())
#define TARVELIN_REZEZADOVU_SUPPORTS_LOG_TYPE_LOG_MANAGER (tarvelin_rezezadovu_supports_log_log_manager_get_type())
#define TARVELIN_REZEZADOVU_FOUNDATION_TYPE_LOGGING_SERVICE (tarvelin_rezezadovu_foundation_logging_service_get_type())

TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsLogDefaultFormatter,
                           tarvelin_rezezadovu_supports_log_default_formatter, TARVELIN_REZEZADOVU_SUPPORTS_LOG,
                           DEFAULT_FORMATTER)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsLogSimpleFormatter,
                              tarvelin_rezezadovu_supports_log_simple_formatter, TARVELIN_REZEZADOVU_SUPPORTS_LOG,
                              SIMPLE_FORMATTER, TarvelinRezezadovuSupportsLogDefaultFormatter)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinRezezadovuSupportsLogColorFormatter,
                              tarvelin_rezezadovu_supports_log_color_formatter, TARVELIN_REZEZADOVU_SUPPORTS_LOG,
                              COLOR_FORMATTER, TarvelinRezezadovuSupportsLogDefaultFormatter)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsLogSliceFileLogHandler,
                           tarvelin_rezezadovu_supports_log_slice_file_log_handler, TARVELIN_REZEZADOVU_SUPPORTS_LOG,
                           SLICE_FILE_LOG_HANDLER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsLogTempFileLogHandler,
                           tarvelin_rezezadovu_supports_log_temp_file_log_handler, TARVELIN_REZEZADOVU_SUPPORTS_LOG,
                           TEMP_FILE_LOG_HANDLER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsLogGLibLogHandler,
                           tarvelin_rezezadovu_supports_log_glib_log_handler, TARVELIN_REZEZADOVU_SUPPORTS_LOG,
                           GLIB_LOG_HANDLER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsLogDelegateHandler,
                           tarvelin_rezezadovu_supports_log_delegate_handler, TARVELIN_REZEZADOVU_SUPPORTS_LOG,
                           DELEGATE_HANDLER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsLogLogger, tarvelin_rezezadovu_supports_log_logger,
                           TARVELIN_REZEZADOVU_SUPPORTS_LOG, LOGGER)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinRezezadovuSupportsLogLogManager, tarvelin_rezezadovu_supports_log_log_manager,
                           TARVELIN_REZEZADOVU_SUPPORTS_LOG, LOG_MANAGER)
TARVELIN_DECLARE_FUNDAMENTAL_TYPE(TarvelinRezezadovuFoundationLoggingService,
                                  tarvelin_rezezadovu_foundation_logging_service, TARVELIN_REZEZADOVU_FOUNDATION,
                                  LOGGING_SERVICE)

/* ---- formatters: a record becomes a line template */

/**
 * tarvelin_rezezadovu_supports_log_default_formatter_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogDefaultFormatter *tarvelin_rezezadovu_supports_log_default_formatter_new(
    void);
/**
 * tarvelin_rezezadovu_supports_log_default_formatter_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogDefaultFormatter *
tarvelin_rezezadovu_supports_log_default_formatter_construct(GType object_type);
/**
 * tarvelin_rezezadovu_supports_log_default_formatter_get_level_name:
 * @self: (not nullable): the instance
 * @server: (not nullable): a text
 * @name: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_log_default_formatter_get_level_name(
    TarvelinRezezadovuSupportsLogDefaultFormatter *self, TarvelinRezezadovuContractsLogLogLevel level,
    const gchar *server, const gchar *name);
/**
 * tarvelin_rezezadovu_supports_log_default_formatter_format:
 * @self: (not nullable): the instance
 * @server: (not nullable): a text
 * @name: (not nullable): a text
 * @format: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_log_default_formatter_format(
    TarvelinRezezadovuSupportsLogDefaultFormatter *self, TarvelinRezezadovuContractsLogLogLevel level,
    const gchar *server, const gchar *name, const gchar *format);
/**
 * tarvelin_rezezadovu_supports_log_simple_formatter_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogSimpleFormatter *tarvelin_rezezadovu_supports_log_simple_formatter_new(void);
/**
 * tarvelin_rezezadovu_supports_log_simple_formatter_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogSimpleFormatter *tarvelin_rezezadovu_supports_log_simple_formatter_construct(
    GType object_type);
/**
 * tarvelin_rezezadovu_supports_log_color_formatter_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogColorFormatter *tarvelin_rezezadovu_supports_log_color_formatter_new(void);
/**
 * tarvelin_rezezadovu_supports_log_color_formatter_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogColorFormatter *tarvelin_rezezadovu_supports_log_color_formatter_construct(
    GType object_type);

/* ---- handlers; each also answers the ILogHandler operations */

#define TARVELIN_REZEZADOVU_DECLARE_LOG_HANDLER_PROPERTIES(Type, prefix)                                   \
    TARVELIN_API TarvelinRezezadovuContractsLogIFormatter *prefix##_get_formatter(Type *self);             \
    TARVELIN_API void prefix##_set_formatter(Type *self, TarvelinRezezadovuContractsLogIFormatter *value); \
    TARVELIN_API TarvelinRezezadovuContractsLogLogLevel prefix##_get_threshold(Type *self);                \
    TARVELIN_API void prefix##_set_threshold(Type *self, TarvelinRezezadovuContractsLogLogLevel value);

/**
 * tarvelin_rezezadovu_supports_log_slice_file_log_handler_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogSliceFileLogHandler *
tarvelin_rezezadovu_supports_log_slice_file_log_handler_new(void);
/**
 * tarvelin_rezezadovu_supports_log_slice_file_log_handler_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogSliceFileLogHandler *
tarvelin_rezezadovu_supports_log_slice_file_log_handler_construct(GType object_type);
/* Opens (or resumes) the newest "<name>-NNN.log" in folder; size_max <= 0 never rotates. */
/**
 * tarvelin_rezezadovu_supports_log_slice_file_log_handler_initialize:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 * @folder: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_supports_log_slice_file_log_handler_initialize(
    TarvelinRezezadovuSupportsLogSliceFileLogHandler *self, const gchar *name, const gchar *folder, gint64 size_max,
    GError **error);
/**
 * tarvelin_rezezadovu_supports_log_slice_file_log_handler_close:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_log_slice_file_log_handler_close(
    TarvelinRezezadovuSupportsLogSliceFileLogHandler *self);
/**
 * tarvelin_rezezadovu_supports_log_slice_file_log_handler_get_formatter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_supports_log_slice_file_log_handler_set_formatter:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsLogIFormatter
 */
/**
 * tarvelin_rezezadovu_supports_log_slice_file_log_handler_get_threshold:
 * @self: (not nullable): the instance
 */
/**
 * tarvelin_rezezadovu_supports_log_slice_file_log_handler_set_threshold:
 * @self: (not nullable): the instance
 */
TARVELIN_REZEZADOVU_DECLARE_LOG_HANDLER_PROPERTIES(TarvelinRezezadovuSupportsLogSliceFileLogHandler,
                                                   tarvelin_rezezadovu_supports_log_slice_file_log_handler)

/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogTempFileLogHandler *
tarvelin_rezezadovu_supports_log_temp_file_log_handler_new(void);
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogTempFileLogHandler *
tarvelin_rezezadovu_supports_log_temp_file_log_handler_construct(GType object_type);
/* Creates "<name>-XXXXXX.log" in the temporary directory. */
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_initialize:
 * @self: (not nullable): the instance
 * @name: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_supports_log_temp_file_log_handler_initialize(
    TarvelinRezezadovuSupportsLogTempFileLogHandler *self, const gchar *name);
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_publish:
 * @self: (not nullable): the instance
 * @server: (not nullable): a text
 * @name: (not nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_supports_log_temp_file_log_handler_publish(
    TarvelinRezezadovuSupportsLogTempFileLogHandler *self, TarvelinRezezadovuContractsLogLogLevel level,
    const gchar *server, const gchar *name, const gchar *format, va_list args);
/* The whole file as text. */
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_recent:
 * @self: (not nullable): the instance
 * @reserved: (nullable): unused, pass %NULL
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_supports_log_temp_file_log_handler_recent(
    TarvelinRezezadovuSupportsLogTempFileLogHandler *self, gpointer reserved);
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_close:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_supports_log_temp_file_log_handler_close(
    TarvelinRezezadovuSupportsLogTempFileLogHandler *self);
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_get_formatter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_set_formatter:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsLogIFormatter
 */
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_get_threshold:
 * @self: (not nullable): the instance
 */
/**
 * tarvelin_rezezadovu_supports_log_temp_file_log_handler_set_threshold:
 * @self: (not nullable): the instance
 */
TARVELIN_REZEZADOVU_DECLARE_LOG_HANDLER_PROPERTIES(TarvelinRezezadovuSupportsLogTempFileLogHandler,
                                                   tarvelin_rezezadovu_supports_log_temp_file_log_handler)

/**
 * tarvelin_rezezadovu_supports_log_glib_log_handler_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogGLibLogHandler *tarvelin_rezezadovu_supports_log_glib_log_handler_new(void);
/**
 * tarvelin_rezezadovu_supports_log_glib_log_handler_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogGLibLogHandler *tarvelin_rezezadovu_supports_log_glib_log_handler_construct(
    GType object_type);
/**
 * tarvelin_rezezadovu_supports_log_glib_log_handler_get_formatter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_supports_log_glib_log_handler_set_formatter:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsLogIFormatter
 */
/**
 * tarvelin_rezezadovu_supports_log_glib_log_handler_get_threshold:
 * @self: (not nullable): the instance
 */
/**
 * tarvelin_rezezadovu_supports_log_glib_log_handler_set_threshold:
 * @self: (not nullable): the instance
 */
TARVELIN_REZEZADOVU_DECLARE_LOG_HANDLER_PROPERTIES(TarvelinRezezadovuSupportsLogGLibLogHandler,
                                                   tarvelin_rezezadovu_supports_log_glib_log_handler)

/**
 * tarvelin_rezezadovu_supports_log_delegate_handler_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogDelegateHandler *tarvelin_rezezadovu_supports_log_delegate_handler_new(void);
/**
 * tarvelin_rezezadovu_supports_log_delegate_handler_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogDelegateHandler *tarvelin_rezezadovu_supports_log_delegate_handler_construct(
    GType object_type);
/* Opens a scratch file and calls func from the default main context when it can be read. */
/**
 * tarvelin_rezezadovu_supports_log_delegate_handler_initialize:
 * @self: (not nullable): the instance
 * @func_target: (not nullable): a #gpointer
 */
TARVELIN_API void tarvelin_rezezadovu_supports_log_delegate_handler_initialize(
    TarvelinRezezadovuSupportsLogDelegateHandler *self, GIOFunc func, gpointer func_target);
/**
 * tarvelin_rezezadovu_supports_log_delegate_handler_get_formatter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
/**
 * tarvelin_rezezadovu_supports_log_delegate_handler_set_formatter:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsLogIFormatter
 */
/**
 * tarvelin_rezezadovu_supports_log_delegate_handler_get_threshold:
 * @self: (not nullable): the instance
 */
/**
 * tarvelin_rezezadovu_supports_log_delegate_handler_set_threshold:
 * @self: (not nullable): the instance
 */
TARVELIN_REZEZADOVU_DECLARE_LOG_HANDLER_PROPERTIES(TarvelinRezezadovuSupportsLogDelegateHandler,
                                                   tarvelin_rezezadovu_supports_log_delegate_handler)

/* ---- logger and manager */

/**
 * tarvelin_rezezadovu_supports_log_logger_new:
 * @t_uuid: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogLogger *tarvelin_rezezadovu_supports_log_logger_new(const gchar *t_uuid);
/**
 * tarvelin_rezezadovu_supports_log_logger_construct:
 * @t_uuid: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogLogger *tarvelin_rezezadovu_supports_log_logger_construct(
    GType object_type, const gchar *t_uuid);
/**
 * tarvelin_rezezadovu_supports_log_log_manager_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogLogManager *tarvelin_rezezadovu_supports_log_log_manager_new(void);
/**
 * tarvelin_rezezadovu_supports_log_log_manager_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuSupportsLogLogManager *tarvelin_rezezadovu_supports_log_log_manager_construct(
    GType object_type);

/* ---- the facade */

/**
 * tarvelin_rezezadovu_foundation_logging_service_ref:
 * @instance: (not nullable): the instance
 *
 * Returns: (transfer full): the instance, with a new reference
 */
TARVELIN_API gpointer tarvelin_rezezadovu_foundation_logging_service_ref(gpointer instance);
/**
 * tarvelin_rezezadovu_foundation_logging_service_unref:
 * @instance: (not nullable) (transfer full): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_unref(gpointer instance);
/**
 * tarvelin_rezezadovu_foundation_param_spec_logging_service:
 * @name: (not nullable): the property name
 * @nick: (nullable): a text
 * @blurb: (nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API GParamSpec *tarvelin_rezezadovu_foundation_param_spec_logging_service(const gchar *name, const gchar *nick,
                                                                                   const gchar *blurb,
                                                                                   GType object_type,
                                                                                   GParamFlags flags);
/**
 * tarvelin_rezezadovu_foundation_value_set_logging_service:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable): the instance to store
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_value_set_logging_service(GValue *value, gpointer v_object);
/**
 * tarvelin_rezezadovu_foundation_value_take_logging_service:
 * @value: (not nullable): a #GValue
 * @v_object: (nullable) (transfer full): the instance to store
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_value_take_logging_service(GValue *value, gpointer v_object);
/**
 * tarvelin_rezezadovu_foundation_value_get_logging_service:
 * @value: (not nullable): a #GValue
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API gpointer tarvelin_rezezadovu_foundation_value_get_logging_service(const GValue *value);
/**
 * tarvelin_rezezadovu_foundation_logging_service_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuFoundationLoggingService *tarvelin_rezezadovu_foundation_logging_service_new(void);
/**
 * tarvelin_rezezadovu_foundation_logging_service_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinRezezadovuFoundationLoggingService *tarvelin_rezezadovu_foundation_logging_service_construct(
    GType object_type);

/* Resolves ILogManager from Services (register it first) and opens the main log. */
/**
 * tarvelin_rezezadovu_foundation_logging_service_initialize:
 * @uuid_default: (not nullable): a text
 * @log_file_dir: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_initialize(
    const gchar *uuid_default, TarvelinRezezadovuContractsLogLogLevel level, const gchar *log_file_dir,
    gint64 size_max);
/**
 * tarvelin_rezezadovu_foundation_logging_service_shutdown:
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_shutdown(void);
/* A record for uuid (NULL: the main log only) goes to uuid's own log, then to the main log. */
/**
 * tarvelin_rezezadovu_foundation_logging_service_error:
 * @uuid: (nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_error(const gchar *uuid, const gchar *format, ...)
    G_GNUC_PRINTF(2, 3);
/**
 * tarvelin_rezezadovu_foundation_logging_service_critical:
 * @uuid: (nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_critical(const gchar *uuid, const gchar *format, ...)
    G_GNUC_PRINTF(2, 3);
/**
 * tarvelin_rezezadovu_foundation_logging_service_warning:
 * @uuid: (nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_warning(const gchar *uuid, const gchar *format, ...)
    G_GNUC_PRINTF(2, 3);
/**
 * tarvelin_rezezadovu_foundation_logging_service_message:
 * @uuid: (nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_message(const gchar *uuid, const gchar *format, ...)
    G_GNUC_PRINTF(2, 3);
/**
 * tarvelin_rezezadovu_foundation_logging_service_info:
 * @uuid: (nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_info(const gchar *uuid, const gchar *format, ...)
    G_GNUC_PRINTF(2, 3);
/**
 * tarvelin_rezezadovu_foundation_logging_service_debug:
 * @uuid: (nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_foundation_logging_service_debug(const gchar *uuid, const gchar *format, ...)
    G_GNUC_PRINTF(2, 3);
/**
 * tarvelin_rezezadovu_foundation_logging_service_get_manager:
 *
 * Borrowed; NULL before initialize.
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsLogILogManager *tarvelin_rezezadovu_foundation_logging_service_get_manager(
    void);

G_END_DECLS
