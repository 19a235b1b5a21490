// A named source of records: hands each record to every handler under its own lock.
//
// Lock order when logging: facade, then manager, then logger, then handler; a lock is
// only taken while holding those before it.
#pragma once

#include <gee.h>
#include <tarvelin/rezezadovu/logging.h>

#include <mutex>
#include <vector>

#include "rezezadovu/contracts/log/ilogger.hpp"

namespace tarvelin::rezezadovu::supports::log {

using contracts::log::LogLevel;

// Thread-safe, but for what it lends (see get_handlers and the texts).
class TARVELIN_EXPORT Logger : public gobj::Object, public contracts::log::ILogger {
public:
    static GType gtype();
    static gobj::Ref<Logger> create(const std::string& t_uuid) { return construct(gtype(), t_uuid); }
    static gobj::Ref<Logger> construct(GType type, const std::string& t_uuid);
    Logger();

    void initialize(const char* t_server, const char* t_name) override;
    void close() override;
    void append_handler(TarvelinRezezadovuContractsLogILogHandler* handler) override;
    void delete_handler(TarvelinRezezadovuContractsLogILogHandler* handler) override;
    void remove_handler_all() override;
    // The live set (a new reference to it, as the contract gives): the logger changes
    // and reads it under its lock, which a caller holding the set does not take, so a
    // caller reads or changes it only while no other thread uses this logger.
    GeeHashSet* get_handlers() override;
    std::string recent(gpointer reserved) override;
    void error(const char* t_server, const char* t_name, gobj::VaText text) override;
    void critical(const char* t_server, const char* t_name, gobj::VaText text) override;
    void warning(const char* t_server, const char* t_name, gobj::VaText text) override;
    void message(const char* t_server, const char* t_name, gobj::VaText text) override;
    void info(const char* t_server, const char* t_name, gobj::VaText text) override;
    void debug(const char* t_server, const char* t_name, gobj::VaText text) override;
    // Borrowed texts: server and name change only by initialize, which runs before the
    // logger is shared (the manager does so).
    const char* get_uuid() const override { return uuid_.c_str(); }
    const char* get_name() const override { return name_.c_str(); }
    const char* get_server() const override { return server_.c_str(); }

private:
    void publish(LogLevel level, const char* t_server, const char* t_name, const gobj::VaText& text);
    // The handlers as they are now; call under the lock.
    std::vector<gobj::GPtr<GObject>> snapshot() const;

    std::string uuid_;
    std::string name_;
    std::string server_;
    gobj::GPtr<GeeHashSet> handlers_;
    std::recursive_mutex lock_;
};

}  // namespace tarvelin::rezezadovu::supports::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsLogLogger, tarvelin::rezezadovu::supports::log::Logger)
