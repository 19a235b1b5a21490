#include "rezezadovu/supports/database/postgresql/postgres_connection.hpp"

#include <tarvelin/providers/postgresql.h>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/supports/database/postgresql/postgres_adapter_12x.hpp"
#include "rezezadovu/supports/database/postgresql/postgres_adapter_9x.hpp"
#include "rezezadovu/supports/database/postgresql/postgres_inspector.hpp"
#include "rezezadovu/supports/database/postgresql/postgres_statement.hpp"

TARVELIN_LOG_TAG("postgres_connection")

namespace tarvelin::rezezadovu::supports::database::postgresql {

using foundation::LoggingService;

TARVELIN_GTYPE(PostgreSQLConnection, "TarvelinRezezadovuSupportsDatabasePostgreSQLConnection", ConnectionImpl)

gobj::Ref<PostgreSQLConnection> PostgreSQLConnection::create(GType type) {
    auto made = gobj::create<PostgreSQLConnection>(type);
    if (made)
        made->set_provider(gobj::Ref<IProvider>::adopt(tarvelin_providers_supports_postgre_sql_provider_new()));
    return made;
}

gobj::Ref<ConnectionImpl::IStatement> PostgreSQLConnection::statement() {
    return lazy(m_statement, [&] {
        return gobj::Ref<IStatement>(PostgreSQLStatement::create(PostgreSQLStatement::gtype(), self_link()));
    });
}

gobj::Ref<ConnectionImpl::IAdaptable> PostgreSQLConnection::adapter() {
    return lazy(m_adapter, [&] {
        return gobj::Ref<IAdaptable>(PostgreSQLAdapterV11x::create(PostgreSQLAdapterV11x::gtype(), self_link()));
    });
}

gobj::Ref<ConnectionImpl::IInspectable> PostgreSQLConnection::inspector() {
    return lazy(m_inspector, [&] {
        return gobj::Ref<IInspectable>(PostgreSQLInspector::create(PostgreSQLInspector::gtype(), self_link()));
    });
}

void PostgreSQLConnection::update_version() {
    auto value = execute_as_scalar("SHOW SERVER_VERSION;", false);
    std::string version = value ? value->to_string() : std::string();
    set_version(version);
    auto* record = get_server();
    const char* key = record ? tarvelin_providers_contracts_server_get_uuid(record) : nullptr;
    LoggingService::info(key, "Postgre server version: %s", version.c_str());

    gobj::Ref<IAdaptable> reader;
    if (version.starts_with("12."))
        reader = PostgreSQLAdapterV12x::create(PostgreSQLAdapterV12x::gtype(), self_link());
    else if (version.starts_with("9."))
        reader = PostgreSQLAdapterV9x::create(PostgreSQLAdapterV9x::gtype(), self_link());
    else
        reader = PostgreSQLAdapterV11x::create(PostgreSQLAdapterV11x::gtype(), self_link());
    const char* chosen = G_OBJECT_TYPE_NAME(reader.instance());
    replace(m_adapter, std::move(reader));
    LoggingService::info(key, "Postgre connection final: %s", chosen);
}

}  // namespace tarvelin::rezezadovu::supports::database::postgresql
