// Forwards each record to the GLib log, wherever the host sends that.
#pragma once

#include "rezezadovu/supports/log/handler_base.hpp"

namespace tarvelin::rezezadovu::supports::log {

// Thread-safe.
class TARVELIN_EXPORT GLibLogHandler : public HandlerProperties<GLibLogHandler> {
public:
    static GType gtype();
    static gobj::Ref<GLibLogHandler> create(GType type = gtype());

    // Every level is forwarded; the threshold and the formatter are not consulted.
    void publish(LogLevel level, const char* server, const char* name, gobj::VaText text) override;
    std::string recent(gpointer) override { return {}; }
    void close() override {}

    void constructed() override;
};

}  // namespace tarvelin::rezezadovu::supports::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogGLibLogHandler, tarvelin::rezezadovu::supports::log::GLibLogHandler)
