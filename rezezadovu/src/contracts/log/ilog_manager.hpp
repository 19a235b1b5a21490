// The main logger plus one logger per identifier.
#pragma once

#include "rezezadovu/contracts/log/ilogger.hpp"

namespace tarvelin::rezezadovu::contracts::log {

// Thread-safe, but for the borrowed main logger.
class TARVELIN_EXPORT ILogManager : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsLogILogManagerInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<ILogManager>& spec);

    virtual void initialize(const char* uuid_default, LogLevel level, const char* log_file_dir, gint64 size_max) = 0;
    virtual gobj::Ref<ILogger> open(const char* uuid) = 0;
    virtual void close(const char* uuid) = 0;
    virtual void shutdown() = 0;
    // Borrowed; null before initialize, and valid until the next initialize.
    virtual TarvelinRezezadovuContractsLogILogger* get_main() const = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->initialize = gobj::slot<T, &ILogManager::initialize>(vt->initialize);
        vt->open = gobj::slot<T, &ILogManager::open>(vt->open);
        vt->close = gobj::slot<T, &ILogManager::close>(vt->close);
        vt->shutdown = gobj::slot<T, &ILogManager::shutdown>(vt->shutdown);
        vt->get_main = gobj::slot<T, &ILogManager::get_main>(vt->get_main);
    }
};

}  // namespace tarvelin::rezezadovu::contracts::log

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsLogILogManagerInterface, tarvelin::rezezadovu::contracts::log::ILogManager)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsLogILogManager, tarvelin::rezezadovu::contracts::log::ILogManager)
