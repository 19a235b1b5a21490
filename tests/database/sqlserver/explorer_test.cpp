// The SQL Server explorers: every listing of both sends its exact query (data/
// explorer_listings.json holds them) and titles as many columns as the result has; the
// dispatch by kind and extra data; the version gate of sequences; the login command.
#include <json-glib/json-glib.h>

#include <map>

#include "sqlserver_support.hpp"

using namespace tarvelin;
using namespace tarvelin::test;
using namespace tarvelin::test::sqlserver;
using CExplorer = TarvelinRezezadovuSupportsDatabaseSQLServerExplorer;
using CExplorable = TarvelinRezezadovuContractsDatabaseIExplorable;
using TableModel = providers::contracts::TableModel;
using DBObject = providers::contracts::DBObject;

namespace {

struct Listing {
    std::string query;
    std::vector<std::string> titles;
};

// The listings of data/explorer_listings.json: "plain" and "v10x".
std::map<std::string, Listing> listings(const char* variant) {
    std::map<std::string, Listing> out;
    JsonParser* parser = json_parser_new();
    std::string text = read_data("explorer_listings.json");
    EXPECT_TRUE(json_parser_load_from_data(parser, text.c_str(), -1, nullptr));
    JsonObject* all = json_object_get_object_member(json_node_get_object(json_parser_get_root(parser)), variant);
    GList* names = json_object_get_members(all);
    for (GList* n = names; n; n = n->next) {
        auto* name = static_cast<const char*>(n->data);
        JsonObject* l = json_object_get_object_member(all, name);
        Listing listing{json_object_get_string_member(l, "query"), {}};
        JsonArray* titles = json_object_get_array_member(l, "titles");
        for (guint i = 0; i < json_array_get_length(titles); ++i)
            listing.titles.emplace_back(json_array_get_string_element(titles, i));
        out[name] = listing;
    }
    g_list_free(names);
    g_object_unref(parser);
    return out;
}

// What the version-10 explorer sends: its own twelve listings, the plain ones otherwise.
std::map<std::string, Listing> listings_of_v10x() {
    auto all = listings("plain");
    for (auto& [name, listing] : listings("v10x")) all[name] = listing;
    return all;
}

using Dispatcher = TarvelinProvidersContractsTableModel* (*)(CExplorer*, const gchar*, GError**);
#define TARVELIN_LISTING(name) {#name, &tarvelin_rezezadovu_supports_database_sql_server_explorer_##name}
const std::map<std::string, Dispatcher> kDispatchers = {
    TARVELIN_LISTING(load_tables),         TARVELIN_LISTING(load_views),
    TARVELIN_LISTING(load_routines),       TARVELIN_LISTING(load_functions),
    TARVELIN_LISTING(load_procedures),     TARVELIN_LISTING(load_indexes),
    TARVELIN_LISTING(load_roles_server),   TARVELIN_LISTING(load_roles_database),
    TARVELIN_LISTING(load_roles_application), TARVELIN_LISTING(load_logins),
    TARVELIN_LISTING(load_users),          TARVELIN_LISTING(load_tablespaces),
    TARVELIN_LISTING(load_events),         TARVELIN_LISTING(load_triggers),
    TARVELIN_LISTING(load_databases),      TARVELIN_LISTING(load_schemas),
    TARVELIN_LISTING(load_assemblys),      TARVELIN_LISTING(load_devices),
    TARVELIN_LISTING(load_endpoints),      TARVELIN_LISTING(load_servers),
    TARVELIN_LISTING(load_statisticses),   TARVELIN_LISTING(load_synonyms),
    TARVELIN_LISTING(load_sequences),      TARVELIN_LISTING(load_types),
    TARVELIN_LISTING(load_partition_function), TARVELIN_LISTING(load_partition_scheme),
};
#undef TARVELIN_LISTING

// A result of `n` text columns and one row.
void answer(ScriptedProvider& p, const std::string& sql, std::size_t n) {
    std::vector<ScriptedColumn> columns;
    ScriptedRow row;
    for (std::size_t i = 0; i < n; ++i) {
        columns.emplace_back("c" + std::to_string(i), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING, "nvarchar");
        row.emplace_back("v" + std::to_string(i));
    }
    p.answer_rows(sql, std::move(columns), {row});
}

std::vector<std::string> titles_of(TarvelinProvidersContractsTableModel* model) {
    std::vector<std::string> out;
    auto table = gobj::Ref<TableModel>::adopt(model);
    for (auto column : table->get_columns()) {
        gchar* title = nullptr;
        g_object_get(column.gobj(), "title", &title, nullptr);
        out.emplace_back(title ? title : "(unset)");
        g_free(title);
    }
    return out;
}

struct Explorer {
    explicit Explorer(const char* version) : server(version) {
        explorer = gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_explorer(server.c()));
    }
    CExplorer* c() const { return reinterpret_cast<CExplorer*>(explorer.gobj()); }
    CExplorable* i() const { return reinterpret_cast<CExplorable*>(explorer.gobj()); }
    // load_objects: the titles, or "(no table)" and the error.
    std::vector<std::string> load(DBObject kind, const char* extra = "", const char* schema = "dbo") {
        GError* error = nullptr;
        auto* model = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(i(), kind, "shop", schema, extra,
                                                                                      &error);
        if (!model) return {"(no table)", describe(error)};
        EXPECT_EQ(error, nullptr);
        return titles_of(model);
    }
    Scripted server;
    gobj::Ref<gobj::Object> explorer;
};

std::vector<std::string> one(const std::string& s) { return {s}; }

}  // namespace

TEST(SqlServerExplorer, EveryListingSendsItsQueryAndTitlesItsColumns) {
    struct Variant {
        const char* version;
        const char* type_name;
        std::map<std::string, Listing> listings;
    } variants[] = {
        {"15.0.2000.5", "TarvelinRezezadovuSupportsDatabaseSQLServerExplorer", listings("plain")},
        {"10.50.6000.34", "TarvelinRezezadovuSupportsDatabaseSQLServerExplorerV10x", listings_of_v10x()},
    };
    for (auto& v : variants) {
        Explorer e(v.version);
        ASSERT_STREQ(G_OBJECT_TYPE_NAME(e.explorer.gobj()), v.type_name);
        ASSERT_EQ(v.listings.size(), 26u);
        for (const auto& [name, listing] : v.listings) {
            SCOPED_TRACE(std::string(v.version) + " " + name);
            std::string sql = fill(listing.query, {"dbo"});
            answer(*e.server.provider, sql, listing.titles.size());
            e.server.provider->clear_log();
            GError* error = nullptr;
            auto titles = titles_of(kDispatchers.at(name)(e.c(), "dbo", &error));
            EXPECT_EQ(describe(error), "(none)");
            EXPECT_EQ(e.server.provider->statements(), one(sql));
            EXPECT_EQ(titles, listing.titles);
        }
    }
}

// A result with fewer columns than titles gets a title on each of its columns only.
TEST(SqlServerExplorer, TitlesStopAtTheLastColumn) {
    Explorer e("15.0.2000.5");
    auto devices = listings("plain").at("load_devices");
    answer(*e.server.provider, devices.query, 2);
    EXPECT_EQ(titles_of(tarvelin_rezezadovu_supports_database_sql_server_explorer_load_devices(e.c(), "x", nullptr)),
              (std::vector<std::string>{"Name", "Physical name"}));
}

TEST(SqlServerExplorer, KindsChooseTheirListings) {
    auto plain = listings("plain");
    struct Route {
        DBObject kind;
        const char* extra;
        const char* listing;
    } routes[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ASSEMBLY, "", "load_assemblys"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE, "", "load_databases"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DEVICE, "", "load_devices"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ENDPOINT, "", "load_endpoints"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT, "", "load_events"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION, "", "load_functions"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX, "", "load_indexes"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_FUNCTION, "", "load_partition_function"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PARTITION_SCHEME, "", "load_partition_scheme"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE, "", "load_procedures"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE, "server", "load_roles_server"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE, "database", "load_roles_database"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE, "application", "load_roles_application"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE, "Database", "load_roles_server"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE, "", "load_roles_server"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE, "", "load_routines"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA, "", "load_schemas"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE, "", "load_sequences"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SERVER, "", "load_servers"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_STATISTICS, "", "load_statisticses"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM, "", "load_synonyms"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "", "load_tables"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE, "", "load_tablespaces"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER, "", "load_triggers"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TYPE, "", "load_types"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "", "load_users"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "Server", "load_users"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "server", "load_logins"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW, "", "load_views"},
    };
    Explorer e("11.0.7001.0");
    for (const auto& [name, listing] : plain) answer(*e.server.provider, fill(listing.query, {"dbo"}), listing.titles.size());
    for (const auto& r : routes) {
        SCOPED_TRACE(std::string(r.listing) + " for \"" + r.extra + "\"");
        e.server.provider->clear_log();
        EXPECT_EQ(e.load(r.kind, r.extra), plain.at(r.listing).titles);
        EXPECT_EQ(e.server.provider->statements(), one(fill(plain.at(r.listing).query, {"dbo"})));
    }
}

// Kinds without a listing give an empty table: no columns, no rows, no query, no error.
TEST(SqlServerExplorer, KindsWithoutAListingGiveAnEmptyTable) {
    Explorer e("15.0.2000.5");
    for (int kind : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 13, 16, 17, 20, 21, 22, 23, 24, 27, 29, 30, 33, 43}) {
        SCOPED_TRACE(kind);
        GError* error = nullptr;
        auto* model = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
            e.i(), static_cast<DBObject>(kind), "shop", "dbo", "", &error);
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(error, nullptr);
        EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(model)), 0u);
        EXPECT_TRUE(titles_of(model).empty());
    }
    EXPECT_TRUE(e.server.provider->statements().empty());
}

// Sequences came with version 11: before, and before any open, no query is sent.
TEST(SqlServerExplorer, SequencesAreGatedByTheServerVersion) {
    const char* sequences = "load_sequences";
    auto query = fill(listings("plain").at(sequences).query, {"dbo"});
    struct Gate {
        const char* version;
        bool asks;
    } gates[] = {{"10.50.6000.34", false}, {"9.00.5000.00", false}, {nullptr, false}, {"11.0.7001.0", true},
                 {"15.0.2000.5", true}};
    for (const auto& g : gates) {
        SCOPED_TRACE(g.version ? g.version : "NULL");
        Explorer e(g.version);
        answer(*e.server.provider, query, 10);
        auto titles = e.load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE);
        EXPECT_EQ(titles.size(), g.asks ? 10u : 0u);
        EXPECT_EQ(e.server.provider->statements().size(), g.asks ? 1u : 0u);
        // The public listing itself skips the gate.
        e.server.provider->clear_log();
        GError* error = nullptr;
        g_object_unref(tarvelin_rezezadovu_supports_database_sql_server_explorer_load_sequences(e.c(), "dbo", &error));
        EXPECT_EQ(e.server.provider->statements(), one(query));
    }
    // A connection never opened has no version text.
    auto provider = ScriptedProvider::create();
    auto connection = scripted_connection(provider);
    auto* explorer = tarvelin_rezezadovu_contracts_database_iconnection_explorer(c_of(connection));
    auto* model = tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
        reinterpret_cast<CExplorable*>(explorer), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE, "shop", "dbo", "",
        nullptr);
    EXPECT_EQ(g_list_model_get_n_items(G_LIST_MODEL(model)), 0u);
    EXPECT_TRUE(provider->statements().empty());
    g_object_unref(model);
    g_object_unref(explorer);
}

TEST(SqlServerExplorer, SchemaIsQuotedAndErrorsReachTheCaller) {
    Explorer e("15.0.2000.5");
    auto tables = listings("plain").at("load_tables");
    std::string sql = fill(tables.query, {"O'Brien"});
    EXPECT_NE(sql.find("s.name ='O''Brien'"), std::string::npos);
    e.server.provider->answer_error(sql, gobj::Error("TDSDB", 208, "Invalid object name 'x'."));
    EXPECT_EQ(e.load(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "", "O'Brien"),
              (std::vector<std::string>{"(no table)", "TDSDB 208 Invalid object name 'x'."}));
    EXPECT_EQ(e.server.provider->statements(), one(sql));
}

TEST(SqlServerExplorer, MissingArgumentsAreRefused) {
    Explorer e("15.0.2000.5");
    LogCapture log;
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_explorer_load_databases(e.c(), nullptr, nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_explorer_load_databases(nullptr, "dbo", nullptr), nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_contracts_database_iexplorable_load_objects(
                  e.i(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE, "shop", "dbo", nullptr, nullptr),
              nullptr);
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(e.i(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER,
                                                                    "shop", "dbo", "appl", "server", nullptr, nullptr);
    EXPECT_EQ(tarvelin_rezezadovu_supports_database_sql_server_explorer_new(nullptr), nullptr);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'schema != NULL'"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'self != NULL'"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'extra_data != NULL'"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'command != NULL'"), 1);
    EXPECT_EQ(log.count(G_LOG_LEVEL_CRITICAL, "'conn != NULL'"), 1);
    EXPECT_TRUE(e.server.provider->statements().empty());
}

// Only a login (user, extra data "server") can be enabled or disabled; its name goes in
// brackets.
TEST(SqlServerExplorer, LoginCommandRunsOnlyForLogins) {
    struct Command {
        DBObject kind;
        const char* object;
        const char* extra;
        const char* command;
        const char* sent;  // nullptr: nothing runs
    } commands[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "appl", "server", "enable", "ALTER LOGIN [appl] ENABLE"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "a]b", "server", "disable", "ALTER LOGIN [a]]b] DISABLE"},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "appl", "database", "enable", nullptr},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "appl", "server", "Enable", nullptr},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER, "appl", "server", "drop", nullptr},
        {TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE, "appl", "server", "enable", nullptr},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(std::string(c.object) + " " + c.extra + " " + c.command);
        Explorer e("15.0.2000.5");
        if (c.sent) e.server.provider->answer_affected(c.sent, 0);
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(e.i(), c.kind, "shop", "dbo", c.object, c.extra,
                                                                        c.command, &error);
        EXPECT_EQ(describe(error), "(none)");
        EXPECT_EQ(e.server.provider->statements(), c.sent ? one(c.sent) : std::vector<std::string>{});
    }
    Explorer e("15.0.2000.5");
    e.server.provider->answer_error("ALTER LOGIN [sa] DISABLE", gobj::Error("TDSDB", 15151, "Cannot alter the login."));
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iexplorable_exec_command(e.i(), TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER,
                                                                    "shop", "dbo", "sa", "server", "disable", &error);
    EXPECT_EQ(describe(error), "TDSDB 15151 Cannot alter the login.");
}
