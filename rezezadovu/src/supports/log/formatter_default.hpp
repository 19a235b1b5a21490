// The three line forms of a log record.
#pragma once

#include <tarvelin/rezezadovu/logging.h>

#include "rezezadovu/contracts/log/iformatter.hpp"

namespace tarvelin::rezezadovu::supports::log {

using contracts::log::LogLevel;

// Full line with date, server, name and level: the main log files. Thread-safe (no state).
class TARVELIN_EXPORT DefaultFormatter : public gobj::Object, public contracts::log::IFormatter {
public:
    static GType gtype();
    static gobj::Ref<DefaultFormatter> create(GType type = gtype());

    virtual std::string get_level_name(LogLevel level, const char* server, const char* name);
    std::string format(LogLevel level, const char* server, const char* name, const char* format) override;

protected:
    // `head` (with its own "%" made literal), then the caller's format, then a line break.
    static std::string line_template(const std::string& head, const char* format);
};

// Time and text only: the per-identifier temporary logs. Thread-safe.
class TARVELIN_EXPORT SimpleFormatter : public DefaultFormatter {
public:
    static GType gtype();
    static gobj::Ref<SimpleFormatter> create(GType type = gtype());
    std::string format(LogLevel level, const char* server, const char* name, const char* format) override;
};

// Fixed-width columns and a coloured level name, for a console. Thread-safe.
class TARVELIN_EXPORT ColorFormatter : public DefaultFormatter {
public:
    static GType gtype();
    static gobj::Ref<ColorFormatter> create(GType type = gtype());
    std::string get_level_name(LogLevel level, const char* server, const char* name) override;
    std::string format(LogLevel level, const char* server, const char* name, const char* format) override;
};

}  // namespace tarvelin::rezezadovu::supports::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogDefaultFormatter, tarvelin::rezezadovu::supports::log::DefaultFormatter)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogSimpleFormatter, tarvelin::rezezadovu::supports::log::SimpleFormatter)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogColorFormatter, tarvelin::rezezadovu::supports::log::ColorFormatter)
