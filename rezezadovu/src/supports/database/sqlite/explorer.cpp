#include "rezezadovu/supports/database/sqlite/explorer.hpp"

#include "providers/contracts/value_string.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlite/catalog.hpp"

TARVELIN_LOG_TAG("sqlite_explorer")

namespace tarvelin::rezezadovu::supports::database {

using namespace sqlite;
using namespace dialect;
using providers::contracts::ColumnModel;
using providers::contracts::Server;
using providers::contracts::ValueString;

TARVELIN_GTYPE(SQLiteExplorer, "TarvelinRezezadovuSupportsDatabaseSQLiteExplorer", gobj::Object,
               contracts::database::IExplorable)

gobj::Ref<SQLiteExplorer> SQLiteExplorer::create(GType type, CConnection* conn) {
    return create_linked<SQLiteExplorer>(type, conn);
}

namespace {

constexpr auto kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;

// Titles for the table's columns, in order, as far as both reach.
void set_titles(TableModel& table, std::initializer_list<const char*> titles) {
    int i = 0;
    for (const char* title : titles) {
        if (i >= table.get_columns().size()) break;
        table.get_columns().at(i++)->set_title(std::string(title));
    }
}

// A table of STRING columns with these names.
gobj::Ref<TableModel> built(std::initializer_list<const char*> names) {
    auto table = TableModel::create();
    for (const char* name : names) table->get_columns().append(ColumnModel::create_full(name, kString));
    return table;
}

// Appends a row whose cells are the given values, by position.
void add_row(TableModel& table, std::initializer_list<gobj::Ref<ValueObject>> values) {
    auto row = table.new_row();
    int i = 0;
    for (const auto& v : values) row->set_value_at(i++, v);
    table.append(row);
}

gobj::Ref<ValueObject> text_value(const std::string& text) { return ValueString::create(text); }

}  // namespace

gobj::Ref<TableModel> SQLiteExplorer::load_objects(DBObject kind, const char* database, const char* schema,
                                                   const char* extra_data) {
    if (!TARVELIN_GIVEN(database, schema, extra_data)) return {};
    std::string name = *schema ? schema : "main";
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return databases();
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return schemas();
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: {
            auto table = query_model(connection(), listed_tables_query(name));
            set_titles(*table, {_("Name"), _("Indexes"), _("Triggers"), _("Root page")});
            return table;
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: {
            auto table = query_model(connection(), listed_views_query(name));
            set_titles(*table, {_("Name")});
            return table;
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: {
            auto table = query_model(connection(), listed_indexes_query(name));
            set_titles(*table, {_("Name"), _("Table name"), _("Root page")});
            return table;
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return triggers(name);
        default: return TableModel::create();
    }
}

gobj::Ref<TableModel> SQLiteExplorer::databases() {
    auto connection = require(this->connection());
    auto record = server_of(connection);
    const char* version =
        gobj::call<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::get_version, gobj::borrow>(connection);
    std::string encoding = CatalogRows(query_model(connection, encoding_query())).text(0, "encoding");
    std::string query_only = CatalogRows(query_model(connection, query_only_query())).text(0, "query_only");

    auto table = built({"name", "engine", "version", "encoding", "readonly"});
    add_row(*table, {text_value(record ? record->text_or_empty(Server::Text::filename) : std::string()),
                     text_value("SQLite database"), text_value(version ? version : ""),
                     text_value(encoding), text_value(query_only != "0" ? "YES" : "NO")});
    set_titles(*table, {_("Name"), _("Engine"), _("Version"), _("Encoding"), _("Readonly")});
    return table;
}

gobj::Ref<TableModel> SQLiteExplorer::schemas() {
    auto connection = require(this->connection());
    auto table = built({"name", "file", "version"});
    for (auto row : CatalogRows(query_model(connection, database_list_query()))) {
        CatalogRows version(query_model(connection, schema_version_query(row.text("name"))));
        add_row(*table, {row.cell("name"), row.cell("file"), version.cell(0, "schema_version")});
    }
    set_titles(*table, {_("Name"), _("File"), _("Version")});
    return table;
}

gobj::Ref<TableModel> SQLiteExplorer::triggers(const std::string& schema) {
    CatalogRows result(query_model(connection(), listed_triggers_query(schema)));
    auto table = TableModel::create();
    const auto& columns = result.table()->get_columns();
    for (int c = 0; c < 3 && c < columns.size(); ++c)
        table->get_columns().append(
            ColumnModel::create_full(columns.at(c)->get_name().value_or(""), columns.at(c)->get_data_type()));
    for (auto row : result) {
        const char* host = row.text("is_view") != "0" ? _("View") : _("Table");
        add_row(*table, {row.cell("name"), row.cell("tbl_name"), text_value(host)});
    }
    set_titles(*table, {_("Name"), _("Hoster name"), _("Hoster type")});
    return table;
}

void SQLiteExplorer::exec_command(DBObject, const char* database, const char* schema, const char* object,
                                  const char* extra_data, const char* command) {
    if (!TARVELIN_GIVEN(database, schema, object, extra_data, command)) return;
}

}  // namespace tarvelin::rezezadovu::supports::database
