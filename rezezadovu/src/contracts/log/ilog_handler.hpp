// A sink that writes log records.
#pragma once

#include <string>

#include "rezezadovu/contracts/log/iformatter.hpp"

namespace tarvelin::rezezadovu::contracts::log {

// Thread-safe: loggers publish from any thread.
class TARVELIN_EXPORT ILogHandler : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsLogILogHandlerInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<ILogHandler>& spec);

    // The record's text, already expanded from its format; the dispatcher refuses a
    // missing server, name or format.
    virtual void publish(LogLevel level, const char* server, const char* name, gobj::VaText text) = 0;
    virtual std::string recent(gpointer reserved) = 0;
    virtual void close() = 0;
    // Borrowed: valid until the formatter is replaced.
    virtual TarvelinRezezadovuContractsLogIFormatter* get_formatter() const = 0;
    virtual void set_formatter(gobj::Ref<IFormatter> value) = 0;
    virtual LogLevel get_threshold() const = 0;
    virtual void set_threshold(LogLevel value) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->publish = gobj::slot<T, &ILogHandler::publish>(vt->publish);
        vt->recent = gobj::slot<T, &ILogHandler::recent>(vt->recent);
        vt->close = gobj::slot<T, &ILogHandler::close>(vt->close);
        vt->get_formatter = gobj::slot<T, &ILogHandler::get_formatter>(vt->get_formatter);
        vt->set_formatter = gobj::slot<T, &ILogHandler::set_formatter>(vt->set_formatter);
        vt->get_threshold = gobj::slot<T, &ILogHandler::get_threshold>(vt->get_threshold);
        vt->set_threshold = gobj::slot<T, &ILogHandler::set_threshold>(vt->set_threshold);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsLogILogHandlerInterface, tarvelin::rezezadovu::contracts::log::ILogHandler)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsLogILogHandler, tarvelin::rezezadovu::contracts::log::ILogHandler)
