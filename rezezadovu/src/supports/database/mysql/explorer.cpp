#include "rezezadovu/supports/database/mysql/explorer.hpp"

#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mysql/catalog.hpp"
#include "rezezadovu/supports/database/mysql_family/explorer.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mysql_explorer")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql_family;

TARVELIN_GTYPE(MySQLExplorer, "TarvelinRezezadovuSupportsDatabaseMySQLExplorer", gobj::Object,
               contracts::database::IExplorable)

gobj::Ref<MySQLExplorer> MySQLExplorer::create(GType type, CConnection* conn) {
    return create_linked<MySQLExplorer>(type, conn);
}

namespace {

// The listing of `kind` for the schema, or none for a kind without one.
std::optional<Listing> listing_of(providers::contracts::DBObject kind, std::string_view schema, bool v5x) {
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return v5x ? database_listing() : database_listing("DEFAULT_ENCRYPTION", N_("Default encryption"));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return index_listing(schema, !v5x);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return Listing{mysql::role_listing_query(), {N_("Name")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE:
            if (v5x)
                return Listing{mysql::tablespace_listing_query(schema, true),
                               {N_("Name"), N_("Space type"), N_("Row format"), N_("File format"), N_("File size")}};
            return Listing{mysql::tablespace_listing_query(schema, false),
                           {N_("Name"), N_("Space type"), N_("State"), N_("Encryption"), N_("Row format"),
                            N_("File path"), N_("File size")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER:
            return user_listing(v5x ? "" : "WHERE 0 < LENGTH(authentication_string) ");
        default: return family_listing(kind, schema);
    }
}

}  // namespace

gobj::Ref<TableModel> MySQLExplorer::load_objects(DBObject kind, const char* database, const char* schema,
                                                  const char* extra_data) {
    if (!TARVELIN_GIVEN(database, schema, extra_data)) return {};
    auto connection = this->connection();
    std::string version = version_of(connection);
    auto listing = listing_of(kind, schema, version.size() >= 2 && starts_with(version, "5."));
    if (!listing) return TableModel::create();
    return run_listing(connection, *listing);
}

void MySQLExplorer::exec_command(DBObject, const char* database, const char* schema, const char* object,
                                 const char* extra_data, const char* command) {
    (void)TARVELIN_GIVEN(database, schema, object, extra_data, command);
}

}  // namespace tarvelin::rezezadovu::supports::database
