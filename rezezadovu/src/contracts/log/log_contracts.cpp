// The level vocabulary and the four logging contracts registered with GLib's type system.
#include "rezezadovu/contracts/log/ilog_manager.hpp"

TARVELIN_LOG_TAG("log_contracts")

namespace tarvelin::rezezadovu::contracts::log {

namespace {
const GEnumValue log_level_values[] = {
    {kRisky, "TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_RISKY", "risky"},
    {kPlain, "TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN", "plain"},
    {kDebug, "TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_DEBUG", "debug"},
    {0, nullptr, nullptr},
};
}  // namespace

GType log_level_gtype() {
    static const GType t = gobj::register_enum("TarvelinRezezadovuContractsLogLogLevel", log_level_values);
    return t;
}
[[maybe_unused]] static const GType tarvelin_registered_log_level = log_level_gtype();

std::string log_level_to_string(LogLevel level) {
    for (const GEnumValue* v = log_level_values; v->value_nick; ++v) {
        if (v->value == static_cast<gint>(level)) return v->value_nick;
    }
    return log_level_to_number(level);
}

std::string log_level_to_number(LogLevel level) {
    return gobj::take_string(g_strdup_printf("%i", static_cast<gint>(level)));
}

std::string log_level_to_color(LogLevel level) {
    switch (level) {
        case kRisky: return "red";
        case kPlain: return "blue";
        case kDebug: return "green";
        default: return "black";
    }
}

TARVELIN_INTERFACE_GTYPE(IFormatter, "TarvelinRezezadovuContractsLogIFormatter", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(ILogHandler, "TarvelinRezezadovuContractsLogILogHandler", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(ILogger, "TarvelinRezezadovuContractsLogILogger", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(ILogManager, "TarvelinRezezadovuContractsLogILogManager", G_TYPE_OBJECT)

void ILogHandler::describe(gobj::InterfaceSpec<ILogHandler>& spec) {
    spec.property<&ILogHandler::get_formatter, &ILogHandler::set_formatter>(
        gobj::pspec::object("formatter", IFormatter::gtype(), gobj::kReadWrite));
    spec.property<&ILogHandler::get_threshold, &ILogHandler::set_threshold>(
        gobj::pspec::enumeration("threshold", log_level_gtype(), kRisky, gobj::kReadWrite));
}

void ILogger::describe(gobj::InterfaceSpec<ILogger>& spec) {
    spec.property<&ILogger::get_uuid>(gobj::pspec::text("uuid", gobj::kRead));
    spec.property<&ILogger::get_name>(gobj::pspec::text("name", gobj::kRead));
    spec.property<&ILogger::get_server>(gobj::pspec::text("server", gobj::kRead));
}

void ILogManager::describe(gobj::InterfaceSpec<ILogManager>& spec) {
    spec.property<&ILogManager::get_main>(gobj::pspec::object("main", ILogger::gtype(), gobj::kRead));
}

}  // namespace tarvelin::rezezadovu::contracts::log
