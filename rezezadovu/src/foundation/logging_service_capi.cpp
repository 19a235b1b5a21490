// C face of the logging facade. TARVELIN_FUNDAMENTAL_CLASS_CAPI makes
//   tarvelin_rezezadovu_foundation_logging_service_get_type
//   tarvelin_rezezadovu_foundation_logging_service_ref
//   tarvelin_rezezadovu_foundation_logging_service_unref
//   tarvelin_rezezadovu_foundation_param_spec_logging_service
//   tarvelin_rezezadovu_foundation_value_set_logging_service
//   tarvelin_rezezadovu_foundation_value_take_logging_service
//   tarvelin_rezezadovu_foundation_value_get_logging_service
//   tarvelin_rezezadovu_foundation_logging_service_construct
//   tarvelin_rezezadovu_foundation_logging_service_new
#include <cstdarg>

#include "providers/gobj/fundamental_capi.hpp"
#include "rezezadovu/foundation/logging_service.hpp"

TARVELIN_LOG_TAG("logging_service_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::foundation;
using LoggerVtable = LoggingService::LoggerVtable;

static_assert(sizeof(TarvelinRezezadovuFoundationLoggingService) == sizeof(gobj::FundamentalInstance));
static_assert(sizeof(TarvelinRezezadovuFoundationLoggingServiceClass) == sizeof(gobj::FundamentalClass));

extern "C" {

TARVELIN_FUNDAMENTAL_CLASS_CAPI(LoggingService, TarvelinRezezadovuFoundationLoggingService,
                                tarvelin_rezezadovu_foundation_, logging_service)

void tarvelin_rezezadovu_foundation_logging_service_initialize(const gchar* uuid_default,
                                                               TarvelinRezezadovuContractsLogLogLevel level,
                                                               const gchar* log_file_dir, gint64 size_max) {
    gobj::invoke<&LoggingService::initialize>(G_STRFUNC, uuid_default, level, log_file_dir, size_max);
}
void tarvelin_rezezadovu_foundation_logging_service_shutdown(void) {
    gobj::invoke<&LoggingService::shutdown>(G_STRFUNC);
}

void tarvelin_rezezadovu_foundation_logging_service_error(const gchar* uuid, const gchar* format, ...) {
    g_return_if_fail(format != NULL);
    va_list args;
    va_start(args, format);
    gobj::invoke<&LoggingService::log<&LoggerVtable::error>>(G_STRFUNC, uuid, format, args);
    va_end(args);
}
void tarvelin_rezezadovu_foundation_logging_service_critical(const gchar* uuid, const gchar* format, ...) {
    g_return_if_fail(format != NULL);
    va_list args;
    va_start(args, format);
    gobj::invoke<&LoggingService::log<&LoggerVtable::critical>>(G_STRFUNC, uuid, format, args);
    va_end(args);
}
void tarvelin_rezezadovu_foundation_logging_service_warning(const gchar* uuid, const gchar* format, ...) {
    g_return_if_fail(format != NULL);
    va_list args;
    va_start(args, format);
    gobj::invoke<&LoggingService::log<&LoggerVtable::warning>>(G_STRFUNC, uuid, format, args);
    va_end(args);
}
void tarvelin_rezezadovu_foundation_logging_service_message(const gchar* uuid, const gchar* format, ...) {
    g_return_if_fail(format != NULL);
    va_list args;
    va_start(args, format);
    gobj::invoke<&LoggingService::log<&LoggerVtable::message>>(G_STRFUNC, uuid, format, args);
    va_end(args);
}
void tarvelin_rezezadovu_foundation_logging_service_info(const gchar* uuid, const gchar* format, ...) {
    g_return_if_fail(format != NULL);
    va_list args;
    va_start(args, format);
    gobj::invoke<&LoggingService::log<&LoggerVtable::info>>(G_STRFUNC, uuid, format, args);
    va_end(args);
}
void tarvelin_rezezadovu_foundation_logging_service_debug(const gchar* uuid, const gchar* format, ...) {
    g_return_if_fail(format != NULL);
    va_list args;
    va_start(args, format);
    gobj::invoke<&LoggingService::log<&LoggerVtable::debug>>(G_STRFUNC, uuid, format, args);
    va_end(args);
}

TarvelinRezezadovuContractsLogILogManager* tarvelin_rezezadovu_foundation_logging_service_get_manager(void) {
    return gobj::invoke<&LoggingService::get_manager>(G_STRFUNC);
}

}  // extern "C"
