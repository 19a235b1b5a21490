#include "rezezadovu/supports/database/mysql_family/explorer.hpp"

#include "providers/contracts/model_column.hpp"
#include "providers/gobj/i18n.hpp"
#include "rezezadovu/supports/database/mysql_family/catalog.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mysql_listings")

namespace tarvelin::rezezadovu::supports::database::mysql_family {

namespace {

const std::vector<const char*> kRoutineTitles = {N_("Name"),          N_("Type"),        N_("Deterministic"),
                                                 N_("Security type"), N_("Definer"),     N_("Create time"),
                                                 N_("Modified time"), N_("Comment")};

}  // namespace

std::optional<Listing> family_listing(providers::contracts::DBObject kind, std::string_view schema) {
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT:
            return Listing{event_listing_query(schema),
                           {N_("Name"), N_("Event type"), N_("Status"), N_("Definer"), N_("Create time"),
                            N_("Modified time"), N_("Executed time"), N_("Completion"), N_("Comment")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
            return Listing{routine_listing_query(schema, "= 'FUNCTION'"), kRoutineTitles};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            return Listing{routine_listing_query(schema, "= 'PROCEDURE'"), kRoutineTitles};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE:
            return Listing{routine_listing_query(schema, "IN ('FUNCTION', 'PROCEDURE')"), kRoutineTitles};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return Listing{table_listing_query(schema),
                           {N_("Name"), N_("Auto increment"), N_("Row format"), N_("Rows"), N_("Data length"),
                            N_("Create time"), N_("Update time"), N_("Engine"), N_("Collation"), N_("Comment")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return Listing{trigger_listing_query(schema), {N_("Name"), N_("Event"), N_("Object"), N_("Order"),
                                                           N_("Time"), N_("Created"), N_("Definer")}};
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return Listing{view_listing_query(schema),
                           {N_("Name"), N_("Check option"), N_("Updatable"), N_("Security type"), N_("Definer")}};
        default: return std::nullopt;
    }
}

Listing database_listing(const char* fourth, const char* fourth_title) {
    Listing listing{database_listing_query(fourth), {N_("Name"), N_("Default character"), N_("Default collation")}};
    if (fourth) listing.titles.push_back(fourth_title);
    return listing;
}

Listing index_listing(std::string_view schema, bool with_visible) {
    Listing listing{index_listing_query(schema, with_visible), {N_("Name"), N_("Table"), N_("Unique"), N_("Type")}};
    if (with_visible) listing.titles.push_back(N_("Visible"));
    listing.titles.push_back(N_("Comment"));
    return listing;
}

Listing user_listing(const char* where) {
    return Listing{user_listing_query(where),
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
