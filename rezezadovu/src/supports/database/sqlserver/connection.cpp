#include "rezezadovu/supports/database/sqlserver/connection.hpp"

#include <tarvelin/providers/sqlserver.h>

#include <cstdio>

#include "providers/gobj/call.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/sqlserver/adapter_v10x.hpp"
#include "rezezadovu/supports/database/sqlserver/builder.hpp"
#include "rezezadovu/supports/database/sqlserver/catalog.hpp"
#include "rezezadovu/supports/database/sqlserver/explorer_v10x.hpp"
#include "rezezadovu/supports/database/sqlserver/inspector.hpp"
#include "rezezadovu/supports/database/sqlserver/statement.hpp"

TARVELIN_LOG_TAG("connection")

namespace tarvelin::rezezadovu::supports::database {

using IConnectionVt = TarvelinRezezadovuContractsDatabaseIConnectionInterface;

TARVELIN_GTYPE(SQLServerConnection, "TarvelinRezezadovuSupportsDatabaseSQLServerConnection", ConnectionImpl)

gobj::Ref<SQLServerConnection> SQLServerConnection::create(GType type) {
    auto made = gobj::create<SQLServerConnection>(type);
    if (made)
        made->set_provider(gobj::Ref<IProvider>::adopt(tarvelin_providers_supports_sql_server_provider_new()));
    return made;
}

ConnectionLink::CConnection* SQLServerConnection::self_as_connection() {
    return reinterpret_cast<ConnectionLink::CConnection*>(gobj());
}

// ---------------------------------------------------------------- dialect objects

gobj::Ref<ConnectionImpl::IAdaptable> SQLServerConnection::adapter() {
    return lazy(m_adapter, [&] {
        return gobj::Ref<IAdaptable>(SQLServerAdapter::create(SQLServerAdapter::gtype(), self_as_connection()));
    });
}

gobj::Ref<ConnectionImpl::IBuildable> SQLServerConnection::builder() {
    return lazy(m_builder, [&] {
        return gobj::Ref<IBuildable>(SQLServerBuilder::create(SQLServerBuilder::gtype(), self_as_connection()));
    });
}

gobj::Ref<ConnectionImpl::IExplorable> SQLServerConnection::explorer() {
    return lazy(m_explorer, [&] {
        return gobj::Ref<IExplorable>(SQLServerExplorer::create(SQLServerExplorer::gtype(), self_as_connection()));
    });
}

gobj::Ref<ConnectionImpl::IInspectable> SQLServerConnection::inspector() {
    return lazy(m_inspector, [&] {
        return gobj::Ref<IInspectable>(
            SQLServerInspector::create(SQLServerInspector::gtype(), self_as_connection()));
    });
}

gobj::Ref<ConnectionImpl::IStatement> SQLServerConnection::statement() {
    return lazy(m_statement, [&] {
        return gobj::Ref<IStatement>(
            SQLServerStatement::create(SQLServerStatement::gtype(), self_as_connection()));
    });
}

// ---------------------------------------------------------------- version step

void SQLServerConnection::update_version() {
    auto value = execute_as_scalar(sqlserver::kProductVersion, false);
    std::string version = value ? value->to_string() : std::string();
    set_version(version);
    // Fresh objects at every open, also when the variant stays: the explorer first.
    if (major_version(version.c_str()) <= 10) {
        replace(m_explorer, gobj::Ref<IExplorable>(
                                SQLServerExplorerV10x::create(SQLServerExplorerV10x::gtype(), self_as_connection())));
        replace(m_adapter, gobj::Ref<IAdaptable>(
                               SQLServerAdapterV10x::create(SQLServerAdapterV10x::gtype(), self_as_connection())));
    } else {
        replace(m_explorer, gobj::Ref<IExplorable>(
                                SQLServerExplorer::create(SQLServerExplorer::gtype(), self_as_connection())));
        replace(m_adapter, gobj::Ref<IAdaptable>(
                               SQLServerAdapter::create(SQLServerAdapter::gtype(), self_as_connection())));
    }
}

int SQLServerConnection::major_version(const char* version) {
    int major = 0, minor = 0;
    if (version) std::sscanf(version, "%d.%d", &major, &minor);
    return major;
}

gobj::Ref<ConnectionImpl::IConnection> SQLServerConnection::require(const ConnectionLink& link) {
    auto conn = link.connection();
    if (!conn) throw gobj::Error(G_IO_ERROR, G_IO_ERROR_CLOSED, _("the connection is gone"));
    return conn;
}

gobj::Ref<providers::contracts::TableModel> SQLServerConnection::model_of(const ConnectionLink& link,
                                                                         const std::string& sql) {
    return adopted<providers::contracts::TableModel>(
        gobj::call<&IConnectionVt::execute_as_model>(require(link), sql, false));
}

std::string SQLServerConnection::version_of(const ConnectionLink& link) {
    auto conn = link.connection();
    if (!conn) return std::string();
    const char* version = gobj::call<&IConnectionVt::get_version>(conn);
    return version ? version : "";
}

}  // namespace tarvelin::rezezadovu::supports::database
