#include "rezezadovu/supports/database/mysql/connection.hpp"

#include <tarvelin/providers/mysql.h>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/supports/database/mysql/adapter_v5x.hpp"
#include "rezezadovu/supports/database/mysql/builder.hpp"
#include "rezezadovu/supports/database/mysql/explorer.hpp"
#include "rezezadovu/supports/database/mysql/inspector.hpp"
#include "rezezadovu/supports/database/mysql/statement.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mysql_connection")

namespace tarvelin::rezezadovu::supports::database {

using foundation::LoggingService;

TARVELIN_GTYPE(MySQLConnection, "TarvelinRezezadovuSupportsDatabaseMySQLConnection", ConnectionImpl)

gobj::Ref<MySQLConnection> MySQLConnection::create(GType type) { return gobj::create<MySQLConnection>(type); }

void MySQLConnection::constructed() {
    ConnectionImpl::constructed();
    set_provider(gobj::Ref<IProvider>::adopt(tarvelin_providers_supports_my_sql_provider_new()));
}

MySQLConnection::CSelf* MySQLConnection::self_c() { return reinterpret_cast<CSelf*>(gobj()); }

bool MySQLConnection::is_5x(const std::string& version) { return mysql_family::starts_with(version, "5."); }

gobj::Ref<ConnectionImpl::IAdaptable> MySQLConnection::adapter() {
    return lazy(m_adapter, [&] { return gobj::Ref<IAdaptable>(MySQLAdapterV8x::create(MySQLAdapterV8x::gtype(), self_c())); });
}
gobj::Ref<ConnectionImpl::IBuildable> MySQLConnection::builder() {
    return lazy(m_builder, [&] { return gobj::Ref<IBuildable>(MySQLBuilder::create(MySQLBuilder::gtype(), self_c())); });
}
gobj::Ref<ConnectionImpl::IExplorable> MySQLConnection::explorer() {
    return lazy(m_explorer,
                [&] { return gobj::Ref<IExplorable>(MySQLExplorer::create(MySQLExplorer::gtype(), self_c())); });
}
gobj::Ref<ConnectionImpl::IInspectable> MySQLConnection::inspector() {
    return lazy(m_inspector,
                [&] { return gobj::Ref<IInspectable>(MySQLInspector::create(MySQLInspector::gtype(), self_c())); });
}
gobj::Ref<ConnectionImpl::IStatement> MySQLConnection::statement() {
    return lazy(m_statement,
                [&] { return gobj::Ref<IStatement>(MySQLStatement::create(MySQLStatement::gtype(), self_c())); });
}

void MySQLConnection::update_version() {
    std::string version = mysql_family::text_of(execute_as_scalar("select version();", false));
    set_version(version);
    auto* server = get_server();
    LoggingService::warning(server ? tarvelin_providers_contracts_server_get_uuid(server) : nullptr,
                            "update_version: %s", version.c_str());
    gobj::Ref<IAdaptable> reader =
        is_5x(version) ? gobj::Ref<IAdaptable>(MySQLAdapterV5x::create(MySQLAdapterV5x::gtype(), self_c()))
                       : gobj::Ref<IAdaptable>(MySQLAdapterV8x::create(MySQLAdapterV8x::gtype(), self_c()));
    replace(m_adapter, std::move(reader));
}

}  // namespace tarvelin::rezezadovu::supports::database
