// The provider contract between the connection layer and a database driver.
//
// A driver derives its provider from gobj::Object and IProvider and implements the
// eleven operations; failures are thrown as gobj::Error and reach C callers as GError
// with the empty result (NULL, -1 for execute_affect, FALSE for transaction). The
// exported dispatchers check the required texts and the server ("statement != NULL",
// ...) before any implementation runs, so a driver receives them present. "is-opened"
// reads get_is_opened.
//
// Code that holds a provider calls it with gobj::call through the interface structure,
// so a provider written in C by a host is reached the same way:
//   auto table = gobj::call<&IProvider::Vtable::execute_model>(provider, sql, true);
#pragma once

#include <tarvelin/providers/face_provider.h>

#include <string>
#include <vector>

#include "providers/contracts/face_reader.hpp"
#include "providers/contracts/face_server.hpp"
#include "providers/contracts/model_table.hpp"

namespace tarvelin::providers::contracts {

// Callers serialise, unless the driver says it takes its own lock (most do).
class TARVELIN_EXPORT IProvider : public gobj::Interface {
public:
    using Vtable = TarvelinProvidersContractsIProviderInterface;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<IProvider>& spec);

    // Connects with the record's parameters; the text is required but means nothing to
    // any driver. A provider holding a connection closes it first.
    virtual void open(Server& server, const std::string& connection_string) = 0;
    virtual void close() = 0;
    // One statement that yields rows; no result columns is a failure (code -1).
    virtual gobj::Ref<TableModel> execute_model(const std::string& statement, bool flag) = 0;
    virtual gint64 execute_affect(const std::string& statement, bool flag) = 0;
    virtual gobj::Ref<ValueObject> execute_scalar(const std::string& statement, bool flag) = 0;
    // One object per statement result: TableModel, ValueUInt64 or ValueError.
    virtual std::vector<gobj::Ref<gobj::Object>> execute_statements(const std::string& statements, bool flag) = 0;
    virtual gobj::Ref<IDataReader> execute_reader(const std::string& statement) = 0;
    virtual bool transaction() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool get_is_opened() = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->open = gobj::slot<T, &IProvider::open>(vt->open);
        vt->close = gobj::slot<T, &IProvider::close>(vt->close);
        vt->execute_model = gobj::slot<T, &IProvider::execute_model>(vt->execute_model);
        // A failure gives -1, as an empty slot does.
        vt->execute_affect = gobj::slot<T, &IProvider::execute_affect, gobj::empty_value<-1>>(vt->execute_affect);
        vt->execute_scalar = gobj::slot<T, &IProvider::execute_scalar>(vt->execute_scalar);
        vt->execute_statements = gobj::slot<T, &IProvider::execute_statements>(vt->execute_statements);
        vt->execute_reader = gobj::slot<T, &IProvider::execute_reader>(vt->execute_reader);
        vt->transaction = gobj::slot<T, &IProvider::transaction>(vt->transaction);
        vt->commit = gobj::slot<T, &IProvider::commit>(vt->commit);
        vt->rollback = gobj::slot<T, &IProvider::rollback>(vt->rollback);
        vt->get_is_opened = gobj::slot<T, &IProvider::get_is_opened>(vt->get_is_opened);
    }
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIProviderInterface, tarvelin::providers::contracts::IProvider)
TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsIProvider, tarvelin::providers::contracts::IProvider)
