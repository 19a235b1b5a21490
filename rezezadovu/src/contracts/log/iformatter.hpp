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

    // The line template: the record's head (its own "%" made literal), then `format`
    // unexpanded. The dispatcher refuses a missing argument.
    virtual std::string format(LogLevel level, const char* server, const char* name, const char* format) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->format = gobj::slot<T, &IFormatter::format>(vt->format);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsLogIFormatterInterface, tarvelin::rezezadovu::contracts::log::IFormatter)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsLogIFormatter, tarvelin::rezezadovu::contracts::log::IFormatter)
