// The connection contract: dialect objects, open/reopen/close, synchronous and
// asynchronous execution, transactions, and the record, provider, status and version.
//
// Texts and records are taken as C pointers so that an implementation can log the
// critical of a missing one ("sql != NULL") itself; borrowed results (record, provider,
// version) are C pointers the connection keeps. Errors are thrown as gobj::Error.
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include "providers/contracts/face_provider.hpp"
#include "rezezadovu/contracts/database/db_status.hpp"
#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/contracts/database/icachable.hpp"

namespace tarvelin::rezezadovu::contracts::database {

class TARVELIN_EXPORT IConnection : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIConnectionInterface;
    using CSelf = TarvelinRezezadovuContractsDatabaseIConnection;
    using Server = providers::contracts::Server;
    using TableModel = providers::contracts::TableModel;
    using ValueObject = providers::contracts::ValueObject;
    using IDataReader = providers::contracts::IDataReader;
    static GType gtype();
    static void describe(gobj::InterfaceSpec<IConnection>& spec);

    virtual gobj::Ref<IAdaptable> adapter() = 0;
    virtual gobj::Ref<IBuildable> builder() = 0;
    virtual gobj::Ref<IExplorable> explorer() = 0;
    virtual gobj::Ref<IInspectable> inspector() = 0;
    virtual gobj::Ref<IStatement> statement() = 0;
    virtual gobj::Ref<IFormattable> formatter() = 0;
    virtual gobj::Ref<ICachable> cache() = 0;
    virtual void open(Server* server, GObject* user_object) = 0;
    virtual void reopen() = 0;
    virtual void open_async(Server* server, GObject* user_object, GAsyncReadyCallback callback, gpointer data) = 0;
    virtual void open_finish(GAsyncResult* result) = 0;
    virtual void reopen_async(GAsyncReadyCallback callback, gpointer data) = 0;
    virtual void reopen_finish(GAsyncResult* result) = 0;
    virtual void close() = 0;
    virtual void execute_no_query_async(const char* sql, GAsyncReadyCallback callback, gpointer data) = 0;
    virtual gint64 execute_no_query_finish(GAsyncResult* result) = 0;
    virtual gint64 execute_no_query(const char* sql, bool flag) = 0;
    virtual void execute_as_model_async(const char* sql, GAsyncReadyCallback callback, gpointer data) = 0;
    virtual gobj::Ref<TableModel> execute_as_model_finish(GAsyncResult* result) = 0;
    virtual gobj::Ref<TableModel> execute_as_model(const char* sql, bool flag) = 0;
    virtual void execute_as_scalar_async(const char* sql, GAsyncReadyCallback callback, gpointer data) = 0;
    virtual gobj::Ref<ValueObject> execute_as_scalar_finish(GAsyncResult* result) = 0;
    virtual gobj::Ref<ValueObject> execute_as_scalar(const char* sql, bool flag) = 0;
    virtual void execute_async(const char* statements, GAsyncReadyCallback callback, gpointer data) = 0;
    // A new NULL-terminated array of new references, its length in `length`.
    virtual GObject** execute_finish(GAsyncResult* result, gint* length) = 0;
    virtual GObject** execute(const char* statements, bool flag, gint* length) = 0;
    virtual gobj::Ref<IDataReader> execute_reader(const char* sql) = 0;
    virtual bool transaction() = 0;
    virtual void rollback() = 0;
    virtual void commit() = 0;
    virtual TarvelinProvidersContractsServer* get_server() = 0;
    virtual TarvelinProvidersContractsIProvider* get_provider() = 0;
    virtual DBStatus get_status() = 0;
    virtual void set_status(DBStatus value) = 0;
    virtual const char* get_version() = 0;

    template <class T>
    static void fill(Vtable* vt);
};

template <class T>
void IConnection::fill(Vtable* vt) {
    vt->adapter = gobj::slot<T, &IConnection::adapter>(vt->adapter);
    vt->builder = gobj::slot<T, &IConnection::builder>(vt->builder);
    vt->explorer = gobj::slot<T, &IConnection::explorer>(vt->explorer);
    vt->inspector = gobj::slot<T, &IConnection::inspector>(vt->inspector);
    vt->statement = gobj::slot<T, &IConnection::statement>(vt->statement);
    vt->formatter = gobj::slot<T, &IConnection::formatter>(vt->formatter);
    vt->cache = gobj::slot<T, &IConnection::cache>(vt->cache);
    vt->open = gobj::slot<T, &IConnection::open>(vt->open);
    vt->reopen = gobj::slot<T, &IConnection::reopen>(vt->reopen);
    vt->open_async = gobj::slot<T, &IConnection::open_async>(vt->open_async);
    vt->open_finish = gobj::slot<T, &IConnection::open_finish>(vt->open_finish);
    vt->reopen_async = gobj::slot<T, &IConnection::reopen_async>(vt->reopen_async);
    vt->reopen_finish = gobj::slot<T, &IConnection::reopen_finish>(vt->reopen_finish);
    vt->close = gobj::slot<T, &IConnection::close>(vt->close);
    vt->execute_no_query_async = gobj::slot<T, &IConnection::execute_no_query_async>(vt->execute_no_query_async);
    vt->execute_no_query_finish = gobj::slot<T, &IConnection::execute_no_query_finish>(vt->execute_no_query_finish);
    // A failed statement gives -1, not the empty 0 of other slots.
    vt->execute_no_query =
        gobj::slot<T, &IConnection::execute_no_query, gobj::empty_value<-1>>(vt->execute_no_query);
    vt->execute_as_model_async = gobj::slot<T, &IConnection::execute_as_model_async>(vt->execute_as_model_async);
    vt->execute_as_model_finish = gobj::slot<T, &IConnection::execute_as_model_finish>(vt->execute_as_model_finish);
    vt->execute_as_model = gobj::slot<T, &IConnection::execute_as_model>(vt->execute_as_model);
    vt->execute_as_scalar_async = gobj::slot<T, &IConnection::execute_as_scalar_async>(vt->execute_as_scalar_async);
    vt->execute_as_scalar_finish = gobj::slot<T, &IConnection::execute_as_scalar_finish>(vt->execute_as_scalar_finish);
    vt->execute_as_scalar = gobj::slot<T, &IConnection::execute_as_scalar>(vt->execute_as_scalar);
    vt->execute_async = gobj::slot<T, &IConnection::execute_async>(vt->execute_async);
    vt->execute_finish = gobj::slot<T, &IConnection::execute_finish>(vt->execute_finish);
    vt->execute = gobj::slot<T, &IConnection::execute>(vt->execute);
    vt->execute_reader = gobj::slot<T, &IConnection::execute_reader>(vt->execute_reader);
    vt->transaction = gobj::slot<T, &IConnection::transaction>(vt->transaction);
    vt->rollback = gobj::slot<T, &IConnection::rollback>(vt->rollback);
    vt->commit = gobj::slot<T, &IConnection::commit>(vt->commit);
    vt->get_server = gobj::slot<T, &IConnection::get_server, gobj::borrow>(vt->get_server);
    vt->get_provider = gobj::slot<T, &IConnection::get_provider, gobj::borrow>(vt->get_provider);
    vt->get_status = gobj::slot<T, &IConnection::get_status>(vt->get_status);
    vt->set_status = gobj::slot<T, &IConnection::set_status>(vt->set_status);
    vt->get_version = gobj::slot<T, &IConnection::get_version, gobj::borrow>(vt->get_version);
}

}  // namespace tarvelin::rezezadovu::contracts::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseIConnectionInterface,
                     tarvelin::rezezadovu::contracts::database::IConnection)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseIConnection,
                     tarvelin::rezezadovu::contracts::database::IConnection)
