#include "rezezadovu/supports/database/postgresql/connection.hpp"

#include <tarvelin/providers/postgresql.h>

#include "providers/gobj/i18n.hpp"
#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/supports/database/postgresql/adapter_v12x.hpp"
#include "rezezadovu/supports/database/postgresql/adapter_v9x.hpp"
#include "rezezadovu/supports/database/postgresql/builder.hpp"
#include "rezezadovu/supports/database/postgresql/explorer.hpp"
#include "rezezadovu/supports/database/postgresql/inspector.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

TARVELIN_LOG_TAG("postgres_connection")

namespace tarvelin::rezezadovu::supports::database {

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

gobj::Ref<ConnectionImpl::IBuildable> PostgreSQLConnection::builder() {
    return lazy(m_builder, [&] {
        return gobj::Ref<IBuildable>(PostgreSQLBuilder::create(PostgreSQLBuilder::gtype(), self_link()));
    });
}

gobj::Ref<ConnectionImpl::IExplorable> PostgreSQLConnection::explorer() {
    return lazy(m_explorer, [&] {
        return gobj::Ref<IExplorable>(PostgreSQLExplorer::create(PostgreSQLExplorer::gtype(), self_link()));
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

// ---------------------------------------------------------------- for the dialect's objects

namespace {
using IConnectionSlots = TarvelinRezezadovuContractsDatabaseIConnectionInterface;

// A new object a call handed back, as a Ref, whether the bridge gives a Ref or the C
// pointer.
template <class T, class R>
gobj::Ref<T> adopted(R result) {
    if constexpr (gobj::is_ref<R>::value) {
        return gobj::Ref<T>(std::move(result));
    } else {
        return gobj::Ref<T>::adopt((gpointer)result);
    }
}
}  // namespace

gobj::Ref<ConnectionImpl::IConnection> PostgreSQLConnection::require(const ConnectionLink& link) {
    auto conn = link.connection();
    if (!conn) throw gobj::Error(G_IO_ERROR, G_IO_ERROR_NOT_CONNECTED, _("the connection is gone"));
    return conn;
}

gobj::Ref<providers::contracts::TableModel> PostgreSQLConnection::model_of(const ConnectionLink& link,
                                                                          const std::string& sql) {
    return adopted<providers::contracts::TableModel>(
        gobj::call<&IConnectionSlots::execute_as_model>(require(link), sql, false));
}

std::string PostgreSQLConnection::version_of(const ConnectionLink& link) {
    auto conn = link.connection();
    const char* version = conn ? gobj::call<&IConnectionSlots::get_version>(conn) : nullptr;
    return version ? version : "";
}

gobj::Ref<ConnectionImpl::IInspectable> PostgreSQLConnection::inspector_of(const ConnectionLink& link) {
    return adopted<IInspectable>(gobj::call<&IConnectionSlots::inspector>(require(link)));
}

gobj::Ref<ConnectionImpl::IStatement> PostgreSQLConnection::statement_of(const ConnectionLink& link) {
    return adopted<IStatement>(gobj::call<&IConnectionSlots::statement>(require(link)));
}

}  // namespace tarvelin::rezezadovu::supports::database
