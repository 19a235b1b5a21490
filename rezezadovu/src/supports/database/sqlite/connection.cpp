#include "rezezadovu/supports/database/sqlite/connection.hpp"

#include <tarvelin/providers/sqlite.h>

#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlite/adapter.hpp"
#include "rezezadovu/supports/database/sqlite/builder.hpp"
#include "rezezadovu/supports/database/sqlite/explorer.hpp"
#include "rezezadovu/supports/database/sqlite/inspector.hpp"
#include "rezezadovu/supports/database/sqlite/statement.hpp"

TARVELIN_LOG_TAG("sqlite_connection")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(SQLiteConnection, "TarvelinRezezadovuSupportsDatabaseSQLiteConnection", ConnectionImpl)

gobj::Ref<SQLiteConnection> SQLiteConnection::create(GType type) { return gobj::create<SQLiteConnection>(type); }

void SQLiteConnection::constructed() {
    ConnectionImpl::constructed();
    set_provider(gobj::Ref<IProvider>::adopt(tarvelin_providers_supports_sq_lite_provider_new()));
}

SQLiteConnection::CSelf* SQLiteConnection::self_c() { return reinterpret_cast<CSelf*>(gobj()); }

gobj::Ref<ConnectionImpl::IAdaptable> SQLiteConnection::adapter() {
    return lazy(m_adapter, [&] { return gobj::Ref<IAdaptable>(SQLiteAdapter::create(SQLiteAdapter::gtype(), self_c())); });
}
gobj::Ref<ConnectionImpl::IBuildable> SQLiteConnection::builder() {
    return lazy(m_builder, [&] { return gobj::Ref<IBuildable>(SQLiteBuilder::create(SQLiteBuilder::gtype(), self_c())); });
}
gobj::Ref<ConnectionImpl::IExplorable> SQLiteConnection::explorer() {
    return lazy(m_explorer,
                [&] { return gobj::Ref<IExplorable>(SQLiteExplorer::create(SQLiteExplorer::gtype(), self_c())); });
}
gobj::Ref<ConnectionImpl::IInspectable> SQLiteConnection::inspector() {
    return lazy(m_inspector,
                [&] { return gobj::Ref<IInspectable>(SQLiteInspector::create(SQLiteInspector::gtype(), self_c())); });
}
gobj::Ref<ConnectionImpl::IStatement> SQLiteConnection::statement() {
    return lazy(m_statement,
                [&] { return gobj::Ref<IStatement>(SQLiteStatement::create(SQLiteStatement::gtype(), self_c())); });
}

void SQLiteConnection::update_version() {
    set_version(dialect::text_of(execute_as_scalar("SELECT sqlite_version();", false)));
}

}  // namespace tarvelin::rezezadovu::supports::database
