// A record (level, server, name, format) becomes a line template.
#pragma once

#include <string>

#include "rezezadovu/contracts/log/log_level.hpp"

namespace tarvelin::rezezadovu::contracts::log {

// Thread-safe: handlers format records from any thread.
class TARVELIN_EXPORT IFormatter : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsLogIFormatterInterface;
    static GType gtype();

    // The template keeps `format` unexpanded; null when an argument is missing.
    virtual std::optional<std::string> format(LogLevel level, const char* server, const char* name,
                                              const char* format) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->format = gobj::slot<T, &IFormatter::format>(vt->format);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::log
