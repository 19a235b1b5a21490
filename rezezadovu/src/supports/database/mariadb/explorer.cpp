#include "rezezadovu/supports/database/mariadb/explorer.hpp"

#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mariadb/catalog.hpp"
#include "rezezadovu/supports/database/mariadb/connection.hpp"
#include "rezezadovu/supports/database/mysql_family/explorer.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mariadb_explorer")

namespace tarvelin::rezezadovu::supports::database {

using mysql_family::Listing;
using providers::contracts::TableModel;

TARVELIN_GTYPE(MariaDBExplorer, "TarvelinRezezadovuSupportsDatabaseMariaDBExplorer", gobj::Object,
               contracts::database::IExplorable)

gobj::Ref<MariaDBExplorer> MariaDBExplorer::create(GType type, CConnection* conn) {
    return create_linked<MariaDBExplorer>(type, conn);
}

namespace {

// The listing of `kind` for the schema, or none for a kind without one.
std::optional<Listing> listing_of(providers::contracts::DBObject kind, std::string_view schema, bool with_comment) {
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return with_comment ? mysql_family::database_listing("SCHEMA_COMMENT", N_("Comment")) : mysql_family::database_listing();
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return mysql_family::index_listing(schema, false);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE:
            return Listing{mariadb::package_listing_query(schema), {N_("Name"), N_("Security type"), N_("Definer"),
                                                                    N_("Create time"), N_("Modified time"),
                                                                    N_("Comment")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE:
            return Listing{mariadb::sequence_listing_query(schema),
                           {N_("Name"), N_("Row format"), N_("Create time"), N_("Update time"), N_("Engine"),
                            N_("Collation"), N_("Comment")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE:
            return Listing{mariadb::role_listing_query(), {N_("Name"), N_("Default role")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER:
            return mysql_family::user_listing("WHERE BINARY is_role IN ('N', 'n') ");
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE: return std::nullopt;
        default: return mysql_family::family_listing(kind, schema);
    }
}

}  // namespace

gobj::Ref<TableModel> MariaDBExplorer::load_objects(DBObject kind, const char* database, const char* schema,
                                                    const char* extra_data) {
    if (!TARVELIN_GIVEN(database, schema, extra_data)) return {};
    auto connection = this->connection();
    auto listing = listing_of(kind, schema, MariaDBConnection::from_10_5(dialect::version_of(connection)));
    if (!listing) return TableModel::create();
    return mysql_family::run_listing(connection, *listing);
}

void MariaDBExplorer::exec_command(DBObject, const char* database, const char* schema, const char* object,
                                   const char* extra_data, const char* command) {
    (void)TARVELIN_GIVEN(database, schema, object, extra_data, command);
}

}  // namespace tarvelin::rezezadovu::supports::database
