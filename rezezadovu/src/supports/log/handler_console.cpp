#include "rezezadovu/supports/log/handler_console.hpp"

#include "rezezadovu/supports/log/formatter_default.hpp"

TARVELIN_LOG_TAG("handler_console")

namespace tarvelin::rezezadovu::supports::log {

TARVELIN_GTYPE(GLibLogHandler, "TarvelinRezezadovuSupportsLogGLibLogHandler", gobj::Object, contracts::log::ILogHandler)

gobj::Ref<GLibLogHandler> GLibLogHandler::create(GType type) { return gobj::create<GLibLogHandler>(type); }

void GLibLogHandler::constructed() { default_formatter(DefaultFormatter::create()); }

void GLibLogHandler::publish(LogLevel level, const char*, const char*, gobj::VaText text) {
    switch (level) {
        case contracts::log::kRisky:
            g_log(nullptr, G_LOG_LEVEL_WARNING, "handler_console:23: %s", text.text.c_str());
            break;
        case contracts::log::kPlain:
            g_log(nullptr, G_LOG_LEVEL_MESSAGE, "handler_console:26: %s", text.text.c_str());
            break;
        case contracts::log::kDebug:
            g_log(nullptr, G_LOG_LEVEL_DEBUG, "handler_console:29: %s", text.text.c_str());
            break;
        default: break;  // no GLib level for other numbers
    }
}

}  // namespace tarvelin::rezezadovu::supports::log
