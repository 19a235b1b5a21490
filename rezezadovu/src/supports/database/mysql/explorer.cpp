#include "rezezadovu/supports/database/mysql/explorer.hpp"

#include "providers/contracts/model_column.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/mysql/sql_support.hpp"

TARVELIN_LOG_TAG("mysql_explorer")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql;

TARVELIN_GTYPE(MySQLExplorer, "TarvelinRezezadovuSupportsDatabaseMySQLExplorer", gobj::Object,
               contracts::database::IExplorable)

gobj::Ref<MySQLExplorer> MySQLExplorer::create(GType type, CConnection* conn) {
    return create_linked<MySQLExplorer>(type, conn);
}

namespace {

using Titles = std::vector<const char*>;

const Titles kRoutineTitles = {N_("Name"),         N_("Type"),        N_("Deterministic"), N_("Security type"),
                               N_("Definer"),      N_("Create time"), N_("Modified time"), N_("Comment")};
const Titles kUserTitles = {N_("Name"),
                            N_("SSL type"),
                            N_("Super user"),
                            N_("Auth plugin"),
                            N_("Max queries per hour"),
                            N_("Max updates per hour"),
                            N_("Max connections per hour"),
                            N_("Max user connections")};

struct Listing {
    std::string sql;
    Titles titles;
};

std::string routines(std::string_view schema, const char* types) {
    return "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.IS_DETERMINISTIC, r.SECURITY_TYPE, r.`DEFINER`, r.CREATED, "
           "r.LAST_ALTERED, r.ROUTINE_COMMENT FROM information_schema.ROUTINES r WHERE ROUTINE_SCHEMA = " +
           quoted(schema) + " AND ROUTINE_TYPE " + types + " ORDER BY ROUTINE_NAME ASC;";
}

std::string users(const char* where) {
    return std::string("SELECT CONCAT(user, '@', host) AS name, ssl_type, super_priv, plugin, max_questions, "
                       "max_updates, max_connections, max_user_connections FROM mysql.user ") +
           where + "ORDER BY user ASC;";
}

// The listing of `kind` for the schema, or none for a kind without one.
std::optional<Listing> listing_of(providers::contracts::DBObject kind, std::string_view schema, bool v5x) {
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            if (v5x)
                return Listing{"SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME FROM "
                               "`information_schema`.`SCHEMATA` ORDER BY SCHEMA_NAME ASC;",
                               {N_("Name"), N_("Default character"), N_("Default collation")}};
            return Listing{"SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME, DEFAULT_ENCRYPTION "
                           "FROM `information_schema`.`SCHEMATA` ORDER BY SCHEMA_NAME ASC;",
                           {N_("Name"), N_("Default character"), N_("Default collation"), N_("Default encryption")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT:
            return Listing{"SELECT EVENT_NAME, EVENT_TYPE, STATUS, DEFINER, CREATED, LAST_ALTERED, IF(EVENT_TYPE = "
                           "'ONE TIME', EXECUTE_AT, LAST_EXECUTED) AS EXECUTED_TIME, ON_COMPLETION, EVENT_COMMENT "
                           "FROM information_schema.EVENTS WHERE EVENT_SCHEMA = " +
                               quoted(schema) + " ORDER BY EVENT_NAME ASC",
                           {N_("Name"), N_("Event type"), N_("Status"), N_("Definer"), N_("Create time"),
                            N_("Modified time"), N_("Executed time"), N_("Completion"), N_("Comment")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return Listing{routines(schema, "= 'FUNCTION'"), kRoutineTitles};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            return Listing{routines(schema, "= 'PROCEDURE'"), kRoutineTitles};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE:
            return Listing{routines(schema, "IN ('FUNCTION', 'PROCEDURE')"), kRoutineTitles};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX:
            if (v5x)
                return Listing{"SELECT DISTINCT INDEX_NAME, TABLE_NAME, NON_UNIQUE, INDEX_TYPE, INDEX_COMMENT FROM "
                               "`information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = " +
                                   quoted(schema) + " AND INDEX_NAME <> 'PRIMARY' ORDER BY INDEX_NAME ASC",
                               {N_("Name"), N_("Table"), N_("Unique"), N_("Type"), N_("Comment")}};
            return Listing{"SELECT DISTINCT INDEX_NAME, TABLE_NAME, NON_UNIQUE, INDEX_TYPE, IS_VISIBLE, INDEX_COMMENT "
                           "FROM `information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = " +
                               quoted(schema) + " AND INDEX_NAME <> 'PRIMARY' ORDER BY INDEX_NAME ASC",
                           {N_("Name"), N_("Table"), N_("Unique"), N_("Type"), N_("Visible"), N_("Comment")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE:
            return Listing{"SELECT CONCAT(user, '@', host) AS Name FROM mysql.user WHERE account_locked='Y' AND "
                           "password_expired='Y' AND authentication_string='' ORDER BY Name ASC;",
                           {N_("Name")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return Listing{"\r\nSELECT t.TABLE_NAME, t.AUTO_INCREMENT, t.ROW_FORMAT, t.TABLE_ROWS, t.DATA_LENGTH, "
                           "\r\n    t.CREATE_TIME, t.UPDATE_TIME, t.`ENGINE`, t.TABLE_COLLATION, t.TABLE_COMMENT "
                           "\r\nFROM information_schema.`TABLES` AS t \r\nWHERE t.TABLE_SCHEMA = " +
                               quoted(schema) +
                               " AND t.TABLE_TYPE in ('BASE TABLE', 'SYSTEM VIEW') \r\nORDER BY t.TABLE_NAME ASC;",
                           {N_("Name"), N_("Auto increment"), N_("Row format"), N_("Rows"), N_("Data length"),
                            N_("Create time"), N_("Update time"), N_("Engine"), N_("Collation"), N_("Comment")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE:
            if (v5x)
                return Listing{"SELECT NAME, SPACE_TYPE, ROW_FORMAT, FILE_FORMAT, FILE_SIZE FROM "
                               "information_schema.INNODB_SYS_TABLESPACES WHERE `NAME` like " +
                                   like_containing(schema) + " ORDER BY `NAME` ASC;",
                               {N_("Name"), N_("Space type"), N_("Row format"), N_("File format"), N_("File size")}};
            return Listing{"SELECT its.`NAME`, its.SPACE_TYPE, its.STATE, its.ENCRYPTION, its.ROW_FORMAT, itsb.PATH, "
                           "its.FILE_SIZE FROM information_schema.INNODB_TABLESPACES AS its LEFT JOIN "
                           "information_schema.INNODB_TABLESPACES_BRIEF AS itsb ON its.SPACE=itsb.SPACE WHERE "
                           "its.`NAME` like " +
                               like_containing(schema) + " OR its.SPACE_TYPE = 'General' ORDER BY its.`NAME` ASC;",
                           {N_("Name"), N_("Space type"), N_("State"), N_("Encryption"), N_("Row format"),
                            N_("File path"), N_("File size")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return Listing{"SELECT TRIGGER_NAME, EVENT_MANIPULATION, CONCAT(EVENT_OBJECT_SCHEMA, '.', "
                           "EVENT_OBJECT_TABLE) AS object, ACTION_ORDER, ACTION_TIMING, CREATED, DEFINER FROM "
                           "`information_schema`.`TRIGGERS` WHERE TRIGGER_SCHEMA=" +
                               quoted(schema) + " ORDER BY TRIGGER_NAME ASC;",
                           {N_("Name"), N_("Event"), N_("Object"), N_("Order"), N_("Time"), N_("Created"),
                            N_("Definer")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER:
            return Listing{users(v5x ? "" : "WHERE 0 < LENGTH(authentication_string) "), kUserTitles};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return Listing{"SELECT t.TABLE_NAME, v.CHECK_OPTION, v.IS_UPDATABLE, v.SECURITY_TYPE, v.DEFINER FROM "
                           "INFORMATION_SCHEMA.tables t left join information_schema.VIEWS v on t.TABLE_SCHEMA = "
                           "v.TABLE_SCHEMA and t.TABLE_NAME = v.TABLE_NAME WHERE t.table_type = 'VIEW' and "
                           "t.TABLE_SCHEMA = " +
                               quoted(schema) + " ORDER BY t.TABLE_NAME ASC",
                           {N_("Name"), N_("Check option"), N_("Updatable"), N_("Security type"), N_("Definer")}};
        default: return std::nullopt;
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
    auto table = query_model(connection, listing->sql);
    int i = 0;
    for (auto column : table->get_columns()) {
        if (i >= static_cast<int>(listing->titles.size())) break;
        column->set_title(std::string(_(listing->titles[i++])));
    }
    return table;
}

void MySQLExplorer::exec_command(DBObject, const char* database, const char* schema, const char* object,
                                 const char* extra_data, const char* command) {
    (void)TARVELIN_GIVEN(database, schema, object, extra_data, command);
}

}  // namespace tarvelin::rezezadovu::supports::database
