// The SQL Server connection: ConnectionImpl over the SQL Server provider. It creates each
// dialect object on first request and keeps it, and after every successful open reads
// the server's product version and stores a fresh explorer and adapter of the variant
// for that version (the V10x ones for major version 10 and below). Everything else is
// ConnectionImpl's.
//
// Thread-safe as ConnectionImpl: the roles are created and replaced under its mutex.
#pragma once

#include <tarvelin/rezezadovu/sqlserver.h>

#include <string>

#include "rezezadovu/supports/database/connection_impl.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLServerConnection : public ConnectionImpl {
public:
    static GType gtype();
    // A connection of `type` (this class or a subtype) owning a new SQL Server provider.
    static gobj::Ref<SQLServerConnection> create(GType type = gtype());

    gobj::Ref<IAdaptable> adapter() override;
    gobj::Ref<IBuildable> builder() override;
    gobj::Ref<IExplorable> explorer() override;
    gobj::Ref<IInspectable> inspector() override;
    gobj::Ref<IStatement> statement() override;
    // Reads "SERVERPROPERTY('ProductVersion')"; a failure leaves the version text, the
    // explorer and the adapter as they were.
    void update_version() override;

    // The major number of a product version text ("%d.%d" read the scanf way); 0 when
    // the text does not begin with a number.
    static int major_version(const char* version);
    // The connection a dialect object was made for; an error once it is gone.
    static gobj::Ref<IConnection> require(const ConnectionLink& link);
    // That connection's version text; empty once it is gone.
    static std::string version_of(const ConnectionLink& link);
    // The result of `sql` run through that connection's synchronous model execution.
    static gobj::Ref<providers::contracts::TableModel> model_of(const ConnectionLink& link, const std::string& sql);

    // A new object a call handed back, as a Ref, whether the bridge already gives a Ref
    // or the C pointer.
    template <class T, class R>
    static gobj::Ref<T> adopted(R result) {
        if constexpr (gobj::is_ref<R>::value) {
            return gobj::Ref<T>(std::move(result));
        } else {
            return gobj::Ref<T>::adopt((gpointer)result);
        }
    }

private:
    ConnectionLink::CConnection* self_as_connection();
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerConnection,
                     tarvelin::rezezadovu::supports::database::SQLServerConnection)
