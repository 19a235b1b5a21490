#include "rezezadovu/supports/database/mariadb/connection.hpp"

#include <tarvelin/providers/mariadb.h>

#include <array>

#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/mariadb/adapter.hpp"
#include "rezezadovu/supports/database/mariadb/builder.hpp"
#include "rezezadovu/supports/database/mariadb/explorer.hpp"
#include "rezezadovu/supports/database/mariadb/inspector.hpp"
#include "rezezadovu/supports/database/mariadb/statement.hpp"

TARVELIN_LOG_TAG("mariadb_connection")

namespace tarvelin::rezezadovu::supports::database {

using foundation::LoggingService;

TARVELIN_GTYPE(MariaDBConnection, "TarvelinRezezadovuSupportsDatabaseMariaDBConnection", ConnectionImpl)

gobj::Ref<MariaDBConnection> MariaDBConnection::create(GType type) { return gobj::create<MariaDBConnection>(type); }

void MariaDBConnection::constructed() {
    ConnectionImpl::constructed();
    set_provider(gobj::Ref<IProvider>::adopt(tarvelin_providers_supports_maria_db_provider_new()));
}

bool MariaDBConnection::from_10_5(std::string_view version) {
    std::array<unsigned long, 3> numbers{0, 0, 0};
    size_t at = 0;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            if (at >= version.size() || version[at] != '.') break;
            ++at;
        }
        size_t start = at;
        unsigned long n = 0;
        while (at < version.size() && g_ascii_isdigit(version[at]) && n < 100000) n = n * 10 + (version[at++] - '0');
        if (at == start) {
            if (i == 0) return false;
            break;
        }
        numbers[i] = n;
    }
    return numbers >= std::array<unsigned long, 3>{10, 5, 0};
}

gobj::Ref<ConnectionImpl::IAdaptable> MariaDBConnection::adapter() {
    return lazy(m_adapter, [&] { return gobj::Ref<IAdaptable>(MariaDBAdapter::create(MariaDBAdapter::gtype(), c_self())); });
}
gobj::Ref<ConnectionImpl::IBuildable> MariaDBConnection::builder() {
    return lazy(m_builder, [&] { return gobj::Ref<IBuildable>(MariaDBBuilder::create(MariaDBBuilder::gtype(), c_self())); });
}
gobj::Ref<ConnectionImpl::IExplorable> MariaDBConnection::explorer() {
    return lazy(m_explorer,
                [&] { return gobj::Ref<IExplorable>(MariaDBExplorer::create(MariaDBExplorer::gtype(), c_self())); });
}
gobj::Ref<ConnectionImpl::IInspectable> MariaDBConnection::inspector() {
    return lazy(m_inspector,
                [&] { return gobj::Ref<IInspectable>(MariaDBInspector::create(MariaDBInspector::gtype(), c_self())); });
}
gobj::Ref<ConnectionImpl::IStatement> MariaDBConnection::statement() {
    return lazy(m_statement,
                [&] { return gobj::Ref<IStatement>(MariaDBStatement::create(MariaDBStatement::gtype(), c_self())); });
}

void MariaDBConnection::update_version() {
    std::string version = dialect::text_of(execute_as_scalar("select version();", false));
    set_version(version);
    auto* server = get_server();
    LoggingService::warning(server ? tarvelin_providers_contracts_server_get_uuid(server) : nullptr,
                            "update_version: %s", version.c_str());
    gobj::Ref<IAdaptable> reader =
        from_10_5(version)
            ? gobj::Ref<IAdaptable>(MariaDBAdapter::create(MariaDBAdapter::gtype(), c_self()))
            : gobj::Ref<IAdaptable>(MariaDBAdapterBelowV105::create(MariaDBAdapterBelowV105::gtype(), c_self()));
    replace(m_adapter, std::move(reader));
}

}  // namespace tarvelin::rezezadovu::supports::database
