/* The logging contracts: the level vocabulary, formatters, handlers, loggers and the
 * log manager. A record travels as a level, a server text, a name text, a printf-style
 * format and the argument list for that format; only the handler that writes the record
 * expands the format. */
#pragma once

#include <stdarg.h>
#include <tarvelin/providers/base.h>

G_BEGIN_DECLS

/* A lower number is more severe. */
typedef enum {
    TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_RISKY = 0,
    TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN = 1,
    TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_DEBUG = 2,
    /* Not a level: keeps every number up to it a valid value of the type, since levels
     * are compared as numbers and other numbers have text forms too. */
    TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_RANGE_ = 0x7fffffff
} TarvelinRezezadovuContractsLogLogLevel;

#define TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_LOG_LEVEL (tarvelin_rezezadovu_contracts_log_log_level_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_IFORMATTER (tarvelin_rezezadovu_contracts_log_iformatter_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOG_HANDLER (tarvelin_rezezadovu_contracts_log_ilog_handler_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOGGER (tarvelin_rezezadovu_contracts_log_ilogger_get_type())
#define TARVELIN_REZEZADOVU_CONTRACTS_LOG_TYPE_ILOG_MANAGER (tarvelin_rezezadovu_contracts_log_ilog_manager_get_type())

TARVELIN_API GType tarvelin_rezezadovu_contracts_log_log_level_get_type(void);
/**
 * tarvelin_rezezadovu_contracts_log_log_level_to_string:
 *
 * "risky", "plain", "debug".
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_log_log_level_to_string(TarvelinRezezadovuContractsLogLogLevel self);
/**
 * tarvelin_rezezadovu_contracts_log_log_level_to_number:
 *
 * The number in decimal.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_log_log_level_to_number(TarvelinRezezadovuContractsLogLogLevel self);
/**
 * tarvelin_rezezadovu_contracts_log_log_level_to_color:
 *
 * "red", "blue", "green"; "black" for any other number.
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_log_log_level_to_color(TarvelinRezezadovuContractsLogLogLevel self);

TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsLogIFormatter, tarvelin_rezezadovu_contracts_log_iformatter,
                           TARVELIN_REZEZADOVU_CONTRACTS_LOG, IFORMATTER)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsLogILogHandler, tarvelin_rezezadovu_contracts_log_ilog_handler,
                           TARVELIN_REZEZADOVU_CONTRACTS_LOG, ILOG_HANDLER)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsLogILogger, tarvelin_rezezadovu_contracts_log_ilogger,
                           TARVELIN_REZEZADOVU_CONTRACTS_LOG, ILOGGER)
TARVELIN_DECLARE_INTERFACE(TarvelinRezezadovuContractsLogILogManager, tarvelin_rezezadovu_contracts_log_ilog_manager,
                           TARVELIN_REZEZADOVU_CONTRACTS_LOG, ILOG_MANAGER)

struct _TarvelinRezezadovuContractsLogIFormatterInterface {
    GTypeInterface parent_iface;
    /* The line template for one record, the format left unexpanded; a new text. */
    gchar *(*format)(TarvelinRezezadovuContractsLogIFormatter *self, TarvelinRezezadovuContractsLogLogLevel level,
                     const gchar *server, const gchar *name, const gchar *format);
};

/**
 * tarvelin_rezezadovu_contracts_log_iformatter_format:
 * @self: (not nullable): the instance
 * @server: (not nullable): a text
 * @name: (not nullable): a text
 * @format: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_log_iformatter_format(TarvelinRezezadovuContractsLogIFormatter *self,
                                                                        TarvelinRezezadovuContractsLogLogLevel level,
                                                                        const gchar *server, const gchar *name,
                                                                        const gchar *format);

/* A handler may be given the same argument list as other handlers: it expands a copy
 * (va_copy) and leaves `args` as it found it. */
struct _TarvelinRezezadovuContractsLogILogHandlerInterface {
    GTypeInterface parent_iface;
    void (*publish)(TarvelinRezezadovuContractsLogILogHandler *self, TarvelinRezezadovuContractsLogLogLevel level,
                    const gchar *server, const gchar *name, const gchar *format, va_list args);
    /* `reserved` is not read. */
    gchar *(*recent)(TarvelinRezezadovuContractsLogILogHandler *self, gpointer reserved);
    void (*close)(TarvelinRezezadovuContractsLogILogHandler *self);
    TarvelinRezezadovuContractsLogIFormatter *(*get_formatter)(TarvelinRezezadovuContractsLogILogHandler *self);
    void (*set_formatter)(TarvelinRezezadovuContractsLogILogHandler *self,
                          TarvelinRezezadovuContractsLogIFormatter *value);
    TarvelinRezezadovuContractsLogLogLevel (*get_threshold)(TarvelinRezezadovuContractsLogILogHandler *self);
    void (*set_threshold)(TarvelinRezezadovuContractsLogILogHandler *self,
                          TarvelinRezezadovuContractsLogLogLevel value);
};

/**
 * tarvelin_rezezadovu_contracts_log_ilog_handler_publish:
 * @self: (not nullable): the instance
 * @server: (not nullable): a text
 * @name: (not nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilog_handler_publish(
    TarvelinRezezadovuContractsLogILogHandler *self, TarvelinRezezadovuContractsLogLogLevel level, const gchar *server,
    const gchar *name, const gchar *format, va_list args);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_handler_recent:
 * @self: (not nullable): the instance
 * @reserved: (nullable): unused, pass %NULL
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_log_ilog_handler_recent(
    TarvelinRezezadovuContractsLogILogHandler *self, gpointer reserved);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_handler_close:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilog_handler_close(TarvelinRezezadovuContractsLogILogHandler *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_handler_get_formatter:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsLogIFormatter *tarvelin_rezezadovu_contracts_log_ilog_handler_get_formatter(
    TarvelinRezezadovuContractsLogILogHandler *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_handler_set_formatter:
 * @self: (not nullable): the instance
 * @value: (nullable): a #TarvelinRezezadovuContractsLogIFormatter
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilog_handler_set_formatter(
    TarvelinRezezadovuContractsLogILogHandler *self, TarvelinRezezadovuContractsLogIFormatter *value);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_handler_get_threshold:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinRezezadovuContractsLogLogLevel
tarvelin_rezezadovu_contracts_log_ilog_handler_get_threshold(TarvelinRezezadovuContractsLogILogHandler *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_handler_set_threshold:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilog_handler_set_threshold(
    TarvelinRezezadovuContractsLogILogHandler *self, TarvelinRezezadovuContractsLogLogLevel value);

struct _TarvelinRezezadovuContractsLogILoggerInterface {
    GTypeInterface parent_iface;
    void (*initialize)(TarvelinRezezadovuContractsLogILogger *self, const gchar *t_server, const gchar *t_name);
    void (*close)(TarvelinRezezadovuContractsLogILogger *self);
    void (*append_handler)(TarvelinRezezadovuContractsLogILogger *self,
                           TarvelinRezezadovuContractsLogILogHandler *handler);
    void (*delete_handler)(TarvelinRezezadovuContractsLogILogger *self,
                           TarvelinRezezadovuContractsLogILogHandler *handler);
    void (*remove_handler_all)(TarvelinRezezadovuContractsLogILogger *self);
    /* The live set of handlers, as a new reference. */
    GeeHashSet *(*get_handlers)(TarvelinRezezadovuContractsLogILogger *self);
    gchar *(*recent)(TarvelinRezezadovuContractsLogILogger *self, gpointer reserved);
    void (*error)(TarvelinRezezadovuContractsLogILogger *self, const gchar *t_server, const gchar *t_name,
                  const gchar *format, va_list args);
    void (*critical)(TarvelinRezezadovuContractsLogILogger *self, const gchar *t_server, const gchar *t_name,
                     const gchar *format, va_list args);
    void (*warning)(TarvelinRezezadovuContractsLogILogger *self, const gchar *t_server, const gchar *t_name,
                    const gchar *format, va_list args);
    void (*message)(TarvelinRezezadovuContractsLogILogger *self, const gchar *t_server, const gchar *t_name,
                    const gchar *format, va_list args);
    void (*info)(TarvelinRezezadovuContractsLogILogger *self, const gchar *t_server, const gchar *t_name,
                 const gchar *format, va_list args);
    void (*debug)(TarvelinRezezadovuContractsLogILogger *self, const gchar *t_server, const gchar *t_name,
                  const gchar *format, va_list args);
    const gchar *(*get_uuid)(TarvelinRezezadovuContractsLogILogger *self);
    const gchar *(*get_name)(TarvelinRezezadovuContractsLogILogger *self);
    const gchar *(*get_server)(TarvelinRezezadovuContractsLogILogger *self);
};

/**
 * tarvelin_rezezadovu_contracts_log_ilogger_initialize:
 * @self: (not nullable): the instance
 * @t_server: (not nullable): a text
 * @t_name: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_initialize(TarvelinRezezadovuContractsLogILogger *self,
                                                                       const gchar *t_server, const gchar *t_name);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_close:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_close(TarvelinRezezadovuContractsLogILogger *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_append_handler:
 * @self: (not nullable): the instance
 * @handler: (not nullable): a #TarvelinRezezadovuContractsLogILogHandler
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_append_handler(
    TarvelinRezezadovuContractsLogILogger *self, TarvelinRezezadovuContractsLogILogHandler *handler);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_delete_handler:
 * @self: (not nullable): the instance
 * @handler: (not nullable): a #TarvelinRezezadovuContractsLogILogHandler
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_delete_handler(
    TarvelinRezezadovuContractsLogILogger *self, TarvelinRezezadovuContractsLogILogHandler *handler);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_remove_handler_all:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_remove_handler_all(
    TarvelinRezezadovuContractsLogILogger *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_get_handlers:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (element-type TarvelinRezezadovuContractsLogILogHandler) (nullable): a new reference
 */
TARVELIN_API GeeHashSet *tarvelin_rezezadovu_contracts_log_ilogger_get_handlers(
    TarvelinRezezadovuContractsLogILogger *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_recent:
 * @self: (not nullable): the instance
 * @reserved: (nullable): unused, pass %NULL
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_rezezadovu_contracts_log_ilogger_recent(TarvelinRezezadovuContractsLogILogger *self,
                                                                     gpointer reserved);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_error:
 * @self: (not nullable): the instance
 * @t_server: (not nullable): a text
 * @t_name: (not nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_error(TarvelinRezezadovuContractsLogILogger *self,
                                                                  const gchar *t_server, const gchar *t_name,
                                                                  const gchar *format, va_list args);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_critical:
 * @self: (not nullable): the instance
 * @t_server: (not nullable): a text
 * @t_name: (not nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_critical(TarvelinRezezadovuContractsLogILogger *self,
                                                                     const gchar *t_server, const gchar *t_name,
                                                                     const gchar *format, va_list args);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_warning:
 * @self: (not nullable): the instance
 * @t_server: (not nullable): a text
 * @t_name: (not nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_warning(TarvelinRezezadovuContractsLogILogger *self,
                                                                    const gchar *t_server, const gchar *t_name,
                                                                    const gchar *format, va_list args);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_message:
 * @self: (not nullable): the instance
 * @t_server: (not nullable): a text
 * @t_name: (not nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_message(TarvelinRezezadovuContractsLogILogger *self,
                                                                    const gchar *t_server, const gchar *t_name,
                                                                    const gchar *format, va_list args);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_info:
 * @self: (not nullable): the instance
 * @t_server: (not nullable): a text
 * @t_name: (not nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_info(TarvelinRezezadovuContractsLogILogger *self,
                                                                 const gchar *t_server, const gchar *t_name,
                                                                 const gchar *format, va_list args);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_debug:
 * @self: (not nullable): the instance
 * @t_server: (not nullable): a text
 * @t_name: (not nullable): a text
 * @format: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilogger_debug(TarvelinRezezadovuContractsLogILogger *self,
                                                                  const gchar *t_server, const gchar *t_name,
                                                                  const gchar *format, va_list args);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_get_uuid:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_log_ilogger_get_uuid(
    TarvelinRezezadovuContractsLogILogger *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_get_name:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_log_ilogger_get_name(
    TarvelinRezezadovuContractsLogILogger *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilogger_get_server:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_rezezadovu_contracts_log_ilogger_get_server(
    TarvelinRezezadovuContractsLogILogger *self);

struct _TarvelinRezezadovuContractsLogILogManagerInterface {
    GTypeInterface parent_iface;
    void (*initialize)(TarvelinRezezadovuContractsLogILogManager *self, const gchar *uuid_default,
                       TarvelinRezezadovuContractsLogLogLevel level, const gchar *log_file_dir, gint64 size_max);
    /* A new reference. */
    TarvelinRezezadovuContractsLogILogger *(*open)(TarvelinRezezadovuContractsLogILogManager *self, const gchar *uuid);
    void (*close)(TarvelinRezezadovuContractsLogILogManager *self, const gchar *uuid);
    void (*shutdown)(TarvelinRezezadovuContractsLogILogManager *self);
    /* Borrowed. */
    TarvelinRezezadovuContractsLogILogger *(*get_main)(TarvelinRezezadovuContractsLogILogManager *self);
};

/**
 * tarvelin_rezezadovu_contracts_log_ilog_manager_initialize:
 * @self: (not nullable): the instance
 * @uuid_default: (not nullable): a text
 * @log_file_dir: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilog_manager_initialize(
    TarvelinRezezadovuContractsLogILogManager *self, const gchar *uuid_default,
    TarvelinRezezadovuContractsLogLogLevel level, const gchar *log_file_dir, gint64 size_max);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_manager_open:
 * @self: (not nullable): the instance
 * @uuid: (not nullable): a text
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinRezezadovuContractsLogILogger *tarvelin_rezezadovu_contracts_log_ilog_manager_open(
    TarvelinRezezadovuContractsLogILogManager *self, const gchar *uuid);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_manager_close:
 * @self: (not nullable): the instance
 * @uuid: (not nullable): a text
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilog_manager_close(TarvelinRezezadovuContractsLogILogManager *self,
                                                                       const gchar *uuid);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_manager_shutdown:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_rezezadovu_contracts_log_ilog_manager_shutdown(
    TarvelinRezezadovuContractsLogILogManager *self);
/**
 * tarvelin_rezezadovu_contracts_log_ilog_manager_get_main:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps it alive
 */
TARVELIN_API TarvelinRezezadovuContractsLogILogger *tarvelin_rezezadovu_contracts_log_ilog_manager_get_main(
    TarvelinRezezadovuContractsLogILogManager *self);

G_END_DECLS
