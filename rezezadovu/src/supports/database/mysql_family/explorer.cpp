#include "rezezadovu/supports/database/mysql_family/explorer.hpp"

#include "providers/contracts/model_column.hpp"
#include "providers/gobj/i18n.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mysql_listings")

namespace tarvelin::rezezadovu::supports::database::mysql_family {

namespace {

const std::vector<const char*> kRoutineTitles = {N_("Name"),          N_("Type"),        N_("Deterministic"),
                                                 N_("Security type"), N_("Definer"),     N_("Create time"),
                                                 N_("Modified time"), N_("Comment")};

std::string routines(std::string_view schema, const char* types) {
    return "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.IS_DETERMINISTIC, r.SECURITY_TYPE, r.`DEFINER`, r.CREATED, "
           "r.LAST_ALTERED, r.ROUTINE_COMMENT FROM information_schema.ROUTINES r WHERE ROUTINE_SCHEMA = " +
           quoted(schema) + " AND ROUTINE_TYPE " + types + " ORDER BY ROUTINE_NAME ASC;";
}

}  // namespace

std::optional<Listing> family_listing(providers::contracts::DBObject kind, std::string_view schema) {
    switch (kind) {
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
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return Listing{"\r\nSELECT t.TABLE_NAME, t.AUTO_INCREMENT, t.ROW_FORMAT, t.TABLE_ROWS, t.DATA_LENGTH, "
                           "\r\n    t.CREATE_TIME, t.UPDATE_TIME, t.`ENGINE`, t.TABLE_COLLATION, t.TABLE_COMMENT "
                           "\r\nFROM information_schema.`TABLES` AS t \r\nWHERE t.TABLE_SCHEMA = " +
                               quoted(schema) +
                               " AND t.TABLE_TYPE in ('BASE TABLE', 'SYSTEM VIEW') \r\nORDER BY t.TABLE_NAME ASC;",
                           {N_("Name"), N_("Auto increment"), N_("Row format"), N_("Rows"), N_("Data length"),
                            N_("Create time"), N_("Update time"), N_("Engine"), N_("Collation"), N_("Comment")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return Listing{"SELECT TRIGGER_NAME, EVENT_MANIPULATION, CONCAT(EVENT_OBJECT_SCHEMA, '.', "
                           "EVENT_OBJECT_TABLE) AS object, ACTION_ORDER, ACTION_TIMING, CREATED, DEFINER FROM "
                           "`information_schema`.`TRIGGERS` WHERE TRIGGER_SCHEMA=" +
                               quoted(schema) + " ORDER BY TRIGGER_NAME ASC;",
                           {N_("Name"), N_("Event"), N_("Object"), N_("Order"), N_("Time"), N_("Created"),
                            N_("Definer")}};
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

Listing database_listing(const char* fourth, const char* fourth_title) {
    Listing listing{"SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME",
                    {N_("Name"), N_("Default character"), N_("Default collation")}};
    if (fourth) {
        listing.sql += std::string(", ") + fourth + " ";
        listing.titles.push_back(fourth_title);
    } else {
        listing.sql += " ";
    }
    listing.sql += "FROM `information_schema`.`SCHEMATA` ORDER BY SCHEMA_NAME ASC;";
    return listing;
}

Listing index_listing(std::string_view schema, bool with_visible) {
    Listing listing{std::string("SELECT DISTINCT INDEX_NAME, TABLE_NAME, NON_UNIQUE, INDEX_TYPE, ") +
                        (with_visible ? "IS_VISIBLE, " : "") + "INDEX_COMMENT FROM `information_schema`.`STATISTICS` "
                        "WHERE INDEX_SCHEMA = " + quoted(schema) + " AND INDEX_NAME <> 'PRIMARY' ORDER BY INDEX_NAME ASC",
                    {N_("Name"), N_("Table"), N_("Unique"), N_("Type")}};
    if (with_visible) listing.titles.push_back(N_("Visible"));
    listing.titles.push_back(N_("Comment"));
    return listing;
}

Listing user_listing(const char* where) {
    return Listing{std::string("SELECT CONCAT(user, '@', host) AS name, ssl_type, super_priv, plugin, max_questions, "
                               "max_updates, max_connections, max_user_connections FROM mysql.user ") +
                       where + "ORDER BY user ASC;",
                   {N_("Name"), N_("SSL type"), N_("Super user"), N_("Auth plugin"), N_("Max queries per hour"),
                    N_("Max updates per hour"), N_("Max connections per hour"), N_("Max user connections")}};
}

gobj::Ref<TableModel> run_listing(const gobj::Ref<IConnection>& connection, const Listing& listing) {
    auto table = query_model(connection, listing.sql);
    size_t i = 0;
    for (auto column : table->get_columns()) {
        if (i >= listing.titles.size()) break;
        column->set_title(std::string(_(listing.titles[i++])));
    }
    return table;
}

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
