// What every log handler keeps: its formatter and threshold, declared again by each
// handler class (default PLAIN), and the way a record becomes a line.
//
// Lock order when logging: facade, then manager, then logger, then handler; a lock is
// only taken while holding those before it.
#pragma once

#include <tarvelin/rezezadovu/logging.h>

#include <cstdarg>
#include <mutex>
#include <optional>
#include <string>

#include "rezezadovu/contracts/log/ilog_handler.hpp"

namespace tarvelin::rezezadovu::supports::log {

using contracts::log::LogLevel;

// Thread-safe: every handler serialises its operations on the lock kept here.
class TARVELIN_EXPORT HandlerBase : public gobj::Object, public contracts::log::ILogHandler {
public:
    // Borrowed: it stays valid only until the formatter is replaced, so a caller that
    // swaps formatters on one thread and reads them on another serialises the two.
    // Records in flight keep the formatter they started with.
    TarvelinRezezadovuContractsLogIFormatter* get_formatter() const override;
    void set_formatter(gobj::Ref<contracts::log::IFormatter> value) override;
    LogLevel get_threshold() const override;
    void set_threshold(LogLevel value) override;

    template <class T>
    static void install_properties(gobj::ClassSpec<T>& c) {
        c.template property<&HandlerBase::get_formatter, &HandlerBase::set_formatter>(
            gobj::pspec::object("formatter", contracts::log::IFormatter::gtype(), gobj::kReadWrite));
        c.template property<&HandlerBase::get_threshold, &HandlerBase::set_threshold>(gobj::pspec::enumeration(
            "threshold", contracts::log::log_level_gtype(), contracts::log::kPlain, gobj::kReadWrite));
    }

protected:
    // Held by each handler's publish, recent, close and initialize, and by the
    // accessors here; recursive, as publishing may rotate and initializing sets the
    // formatter.
    std::recursive_mutex& lock() const { return lock_; }
    // Logs the missing one of server, name and format as a critical.
    static bool record_ok(const char* server, const char* name, const char* format);
    // The line for a record, or nothing when its level is above the threshold. Expands
    // a copy of `args`; the formatter is held for the call, so a concurrent
    // set_formatter cannot drop it.
    std::optional<std::string> make_line(LogLevel level, const char* server, const char* name, const char* format,
                                         va_list args) const;
    // The text of a record without any template.
    static std::string expand(const char* format, va_list args);
    // Reports a failed close as the warning "<tag>: Error in FileHandler.close: ..." (an
    // input/output failure) or as an unexpected error; frees `error`.
    static void report_close_error(GError* error, const char* tag);
    // Installs `made` unless construction already set a formatter.
    void default_formatter(gobj::Ref<contracts::log::IFormatter> made);

private:
    gobj::Ref<contracts::log::IFormatter> formatter_;
    LogLevel threshold_ = contracts::log::kPlain;
    mutable std::recursive_mutex lock_;
};

}  // namespace tarvelin::rezezadovu::supports::log
