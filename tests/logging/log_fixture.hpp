// Fixtures of the logging suites: a scratch folder, file reading, and variadic wrappers
// over the va_list operations of the contracts; GLib log lines go to LogCapture.
#pragma once

#include <tarvelin/rezezadovu/container.h>
#include <tarvelin/rezezadovu/logging.h>

#include <regex>
#include <string>
#include <vector>

#include "providers/gobj/object.hpp"
#include "rezezadovu/contracts/log/iformatter.hpp"
#include "support/driver_checks.hpp"

namespace tarvelin::test {

// A new folder under the temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const;
    // Names of the entries, sorted.
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

// Records every GLib log message while it lives.
using LogRecorder = LogCapture;

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& content);
std::vector<std::string> lines_of(const std::string& text);
bool matches(const std::string& text, const std::string& pattern);

// Variadic faces of the va_list operations.
void handler_publish(gpointer handler, TarvelinRezezadovuContractsLogLogLevel level, const char* server,
                     const char* name, const char* format, ...);
void logger_info(gpointer logger, const char* server, const char* name, const char* format, ...);
void logger_debug(gpointer logger, const char* server, const char* name, const char* format, ...);

// A formatter whose template is the format and a line break: lines of exact length.
class PlainFormatter : public gobj::Object, public rezezadovu::contracts::log::IFormatter {
public:
    static GType gtype();
    std::string format(rezezadovu::contracts::log::LogLevel, const char*, const char*, const char* format) override {
        return std::string(format) + "\n";
    }
};

// Line patterns of the three formatters (the format already expanded).
inline const char* kDefaultLine = R"(\d{8} \d\d:\d\d:\d\d\.\d{3} \[[^\]]*\]\[[^\]]*\]\[(?:RISKY|PLAIN|DEBUG)\] )";
inline const char* kSimpleLine = R"(\d\d:\d\d:\d\d\.\d{3} )";

}  // namespace tarvelin::test
