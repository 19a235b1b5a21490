// A named source of records with a set of handlers.
#pragma once

#include <string>

#include "rezezadovu/contracts/log/ilog_handler.hpp"

namespace tarvelin::rezezadovu::contracts::log {

// Thread-safe, but for what it lends: the live handler set and the texts.
class TARVELIN_EXPORT ILogger : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsLogILoggerInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<ILogger>& spec);

    virtual void initialize(const char* t_server, const char* t_name) = 0;
    virtual void close() = 0;
    virtual void append_handler(TarvelinRezezadovuContractsLogILogHandler* handler) = 0;
    virtual void delete_handler(TarvelinRezezadovuContractsLogILogHandler* handler) = 0;
    virtual void remove_handler_all() = 0;
    // The live set, as a new reference; a caller reads or changes it only while no other
    // thread uses the logger.
    virtual GeeHashSet* get_handlers() = 0;
    virtual std::string recent(gpointer reserved) = 0;
    // Server and name come from the caller, not from the logger; the text is the record's,
    // already expanded. The dispatchers refuse a missing server, name or format.
    virtual void error(const char* t_server, const char* t_name, gobj::VaText text) = 0;
    virtual void critical(const char* t_server, const char* t_name, gobj::VaText text) = 0;
    virtual void warning(const char* t_server, const char* t_name, gobj::VaText text) = 0;
    virtual void message(const char* t_server, const char* t_name, gobj::VaText text) = 0;
    virtual void info(const char* t_server, const char* t_name, gobj::VaText text) = 0;
    virtual void debug(const char* t_server, const char* t_name, gobj::VaText text) = 0;
    virtual const char* get_uuid() const = 0;
    virtual const char* get_name() const = 0;
    virtual const char* get_server() const = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->initialize = gobj::slot<T, &ILogger::initialize>(vt->initialize);
        vt->close = gobj::slot<T, &ILogger::close>(vt->close);
        vt->append_handler = gobj::slot<T, &ILogger::append_handler>(vt->append_handler);
        vt->delete_handler = gobj::slot<T, &ILogger::delete_handler>(vt->delete_handler);
        vt->remove_handler_all = gobj::slot<T, &ILogger::remove_handler_all>(vt->remove_handler_all);
        vt->get_handlers = gobj::slot<T, &ILogger::get_handlers>(vt->get_handlers);
        vt->recent = gobj::slot<T, &ILogger::recent>(vt->recent);
        vt->error = gobj::slot<T, &ILogger::error>(vt->error);
        vt->critical = gobj::slot<T, &ILogger::critical>(vt->critical);
        vt->warning = gobj::slot<T, &ILogger::warning>(vt->warning);
        vt->message = gobj::slot<T, &ILogger::message>(vt->message);
        vt->info = gobj::slot<T, &ILogger::info>(vt->info);
        vt->debug = gobj::slot<T, &ILogger::debug>(vt->debug);
        vt->get_uuid = gobj::slot<T, &ILogger::get_uuid>(vt->get_uuid);
        vt->get_name = gobj::slot<T, &ILogger::get_name>(vt->get_name);
        vt->get_server = gobj::slot<T, &ILogger::get_server>(vt->get_server);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsLogILoggerInterface, tarvelin::rezezadovu::contracts::log::ILogger)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsLogILogger, tarvelin::rezezadovu::contracts::log::ILogger)
