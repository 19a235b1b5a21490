// C face of the logging facade.
#include "providers/gobj/fundamental_capi.hpp"
#include "rezezadovu/foundation/logging_service.hpp"

TARVELIN_LOG_TAG("logging_service_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::foundation;

static_assert(sizeof(TarvelinRezezadovuFoundationLoggingService) == sizeof(gobj::FundamentalInstance));
static_assert(sizeof(TarvelinRezezadovuFoundationLoggingServiceClass) == sizeof(gobj::FundamentalClass));

extern "C" {

TARVELIN_FUNDAMENTAL_CAPI(LoggingService, tarvelin_rezezadovu_foundation_, logging_service)

TarvelinRezezadovuFoundationLoggingService* tarvelin_rezezadovu_foundation_logging_service_construct(
    GType object_type) {
    return static_cast<TarvelinRezezadovuFoundationLoggingService*>(LoggingService::create(object_type).release());
}
TarvelinRezezadovuFoundationLoggingService* tarvelin_rezezadovu_foundation_logging_service_new(void) {
    return tarvelin_rezezadovu_foundation_logging_service_construct(LoggingService::gtype());
}

void tarvelin_rezezadovu_foundation_logging_service_initialize(const gchar* uuid_default,
                                                               TarvelinRezezadovuContractsLogLogLevel level,
                                                               const gchar* log_file_dir, gint64 size_max) {
    gobj::guarded(__func__, [&] { LoggingService::initialize(uuid_default, level, log_file_dir, size_max); });
}
void tarvelin_rezezadovu_foundation_logging_service_shutdown(void) {
    gobj::guarded(__func__, [] { LoggingService::shutdown(); });
}

#define LOGGING_SERVICE_C_LEVEL(fn, OP)                                                                     \
    void tarvelin_rezezadovu_foundation_logging_service_##fn(const gchar* uuid, const gchar* format, ...) { \
        g_return_if_fail(format != NULL);                                                                   \
        va_list args;                                                                                       \
        va_start(args, format);                                                                             \
        LoggingService::log(LoggingService::Op::OP, uuid, format, args);                                    \
        va_end(args);                                                                                       \
    }
LOGGING_SERVICE_C_LEVEL(error, Error)
LOGGING_SERVICE_C_LEVEL(critical, Critical)
LOGGING_SERVICE_C_LEVEL(warning, Warning)
LOGGING_SERVICE_C_LEVEL(message, Message)
LOGGING_SERVICE_C_LEVEL(info, Info)
LOGGING_SERVICE_C_LEVEL(debug, Debug)

TarvelinRezezadovuContractsLogILogManager* tarvelin_rezezadovu_foundation_logging_service_get_manager(void) {
    return LoggingService::get_manager();
}

}  // extern "C"
