// What every log handler keeps: its formatter and threshold, declared again by each
// handler class (default PLAIN), and the way a record becomes a line.
//
// Lock order when logging: facade, then manager, then logger, then handler; a lock is
// only taken while holding those before it.
#pragma once

#include <tarvelin/rezezadovu/logging.h>

#include <mutex>
#include <optional>
#include <string>

#include "rezezadovu/contracts/log/ilog_handler.hpp"

namespace tarvelin::gobj::prop {
using LogFormatterRef = ObjectRef<rezezadovu::contracts::log::IFormatter, TarvelinRezezadovuContractsLogIFormatter>;
}  // namespace tarvelin::gobj::prop

// The properties of every handler class, with accessors of their own (HandlerProperties).
// clang-format off
#define TARVELIN_LOG_HANDLER_PROPERTIES(P) \
    P(LogFormatterRef, formatter, "formatter", nullptr, RW, nullptr, OnChange) \
    P(LogLevelKind, threshold, "threshold", TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN, RW, \
      TARVELIN_REZEZADOVU_CONTRACTS_LOG_LOG_LEVEL_PLAIN, OnChange)
// clang-format on

namespace tarvelin::rezezadovu::supports::log {

using contracts::log::LogLevel;

// Thread-safe: every handler serialises its operations on the lock kept here.
class TARVELIN_EXPORT HandlerBase : public gobj::Object, public contracts::log::ILogHandler {
protected:
    // Held by each handler's publish, recent, close and initialize, and by the
    // accessors; recursive, as publishing may rotate and initializing sets the
    // formatter.
    std::recursive_mutex& lock() const { return lock_; }
    // The line for a record, or nothing when its level is above the threshold. The
    // formatter is held for the call, so a concurrent set_formatter cannot drop it.
    std::optional<std::string> make_line(LogLevel level, const char* server, const char* name,
                                         const std::string& text) const;
    // Reports a failed close as the warning "<tag>: Error in FileHandler.close: ..." (an
    // input/output failure) or as an unexpected error; frees `error`.
    static void report_close_error(GError* error, const char* tag);
    // Installs `made` unless construction already set a formatter.
    void default_formatter(gobj::Ref<contracts::log::IFormatter> made);

    // Under the lock.
    gobj::Ref<contracts::log::IFormatter> formatter_;
    LogLevel threshold_ = contracts::log::kPlain;

private:
    mutable std::recursive_mutex lock_;
};

// The formatter and threshold properties of the handler class T, read and written under
// the handler's lock. Thread-safe.
template <class T>
class HandlerProperties : public HandlerBase {
public:
    using Self = T;
    TARVELIN_LOG_HANDLER_PROPERTIES(TARVELIN_PROPERTY_PSPEC)
    static void describe(gobj::ClassSpec<T>& c) { TARVELIN_LOG_HANDLER_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }

    // Borrowed: it stays valid only until the formatter is replaced, so a caller that
    // swaps formatters on one thread and reads them on another serialises the two.
    // Records in flight keep the formatter they started with.
    TarvelinRezezadovuContractsLogIFormatter* get_formatter() const override {
        std::lock_guard guard(lock());
        return static_cast<TarvelinRezezadovuContractsLogIFormatter*>(formatter_.instance());
    }
    void set_formatter(gobj::Ref<contracts::log::IFormatter> value) override {
        {
            std::lock_guard guard(lock());
            if (value.instance() == formatter_.instance()) return;
            // `value` leaves with the previous formatter, released after the lock.
            std::swap(formatter_, value);
        }
        notify(formatter_pspec);
    }
    LogLevel get_threshold() const override {
        std::lock_guard guard(lock());
        return threshold_;
    }
    void set_threshold(LogLevel value) override {
        bool changed;
        {
            std::lock_guard guard(lock());
            changed = gobj::assign(threshold_, value);
        }
        if (changed) notify(threshold_pspec);
    }
};

}  // namespace tarvelin::rezezadovu::supports::log
