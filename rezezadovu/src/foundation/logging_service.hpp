// The logging facade: the single entry point through which the system logs.
//
// Lock order when logging: facade, then manager, then logger, then handler; a lock is
// only taken while holding those before it.
#pragma once

#include <tarvelin/rezezadovu/logging.h>

#include "providers/gobj/fundamental.hpp"
#include "rezezadovu/contracts/log/ilog_manager.hpp"

namespace tarvelin::rezezadovu::foundation {

// Thread-safe.
class TARVELIN_EXPORT LoggingService : public gobj::Fundamental {
public:
    using LogLevel = contracts::log::LogLevel;
    using LoggerVtable = TarvelinRezezadovuContractsLogILoggerInterface;

    static GType gtype();
    static gobj::Ref<LoggingService> create(GType type = gtype());

    // Resolves ILogManager from Services on first use and (re)initialises it.
    static void initialize(const char* uuid_default, LogLevel level, const char* log_file_dir, gint64 size_max);
    static void shutdown();

    // A record for `uuid` goes to that identifier's log, then to the main log; a null
    // uuid, or the default one, to the main log only.
    static void error(const char* uuid, const char* format, ...) G_GNUC_PRINTF(2, 3);
    static void critical(const char* uuid, const char* format, ...) G_GNUC_PRINTF(2, 3);
    static void warning(const char* uuid, const char* format, ...) G_GNUC_PRINTF(2, 3);
    static void message(const char* uuid, const char* format, ...) G_GNUC_PRINTF(2, 3);
    static void info(const char* uuid, const char* format, ...) G_GNUC_PRINTF(2, 3);
    static void debug(const char* uuid, const char* format, ...) G_GNUC_PRINTF(2, 3);
    // The same with the record's text, through the logger operation Op (one of
    // LoggerVtable's error, critical, warning, message, info and debug).
    template <auto Op>
    static void log(const char* uuid, gobj::VaText text);

    // Users of an identifier's log (connections opened with a server record): the
    // identifier's logger, made on its first record, lives while it has a user; the
    // last release closes it and removes its temporary file. Counting uses, not
    // waiting, keeps a logger alive for as long as any job of any user may write to
    // it. The default identifier and "" are not counted.
    static void hold(const std::string& uuid);
    static void release(const std::string& uuid);

    // Borrowed, read without the lock: the manager is resolved once and kept for the
    // process.
    static TarvelinRezezadovuContractsLogILogManager* get_manager();
};

}  // namespace tarvelin::rezezadovu::foundation

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuFoundationLoggingService, tarvelin::rezezadovu::foundation::LoggingService)
