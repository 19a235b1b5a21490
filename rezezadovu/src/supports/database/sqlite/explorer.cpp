#include "rezezadovu/supports/database/sqlite/explorer.hpp"

#include "providers/contracts/value_string.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlite/statement.hpp"

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

std::string tables_query(const std::string& s) {
    std::string m = backquoted(s) + ".sqlite_master";
    return "\r\nSELECT\r\n    m.name,\r\n    ifnull(i.indexes, 0) as indexes,\r\n    ifnull(t.triggers, 0) as "
           "triggers,\r\n    m.rootpage\r\nFROM\r\n    " +
           m +
           " m\r\n    LEFT OUTER JOIN ( SELECT tbl_name, count(*) indexes FROM " + m +
           " WHERE type = 'index' GROUP BY tbl_name ) i ON m.name = i.tbl_name\r\n    LEFT OUTER JOIN ( SELECT "
           "tbl_name, count(*) triggers FROM " +
           m +
           " WHERE type = 'trigger' GROUP BY tbl_name ) t ON m.name = t.tbl_name \r\nWHERE\r\n    m.type = 'table' "
           "\r\nORDER BY\r\n    m.name ASC;";
}

std::string triggers_query(const std::string& s) {
    std::string m = backquoted(s) + ".sqlite_master";
    return "\r\nSELECT\r\n    m.name AS name,\r\n    m.tbl_name AS tbl_name,\r\n    v.vname NOTNULL AS is_view\r\nFROM"
           "\r\n    " +
           m + " m\r\n    LEFT JOIN ( SELECT name AS vname FROM " + m +
           " WHERE type = 'view' ) v ON m.tbl_name = v.vname \r\nWHERE\r\n    type = 'trigger' \r\nORDER BY\r\n    "
           "name ASC;";
}

}  // namespace

gobj::Ref<TableModel> SQLiteExplorer::load_objects(DBObject kind, const char* database, const char* schema,
                                                   const char* extra_data) {
    if (!TARVELIN_GIVEN(database, schema, extra_data)) return {};
    std::string name = *schema ? schema : "main";
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return databases();
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return schemas();
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: {
            auto table = query_model(connection(), tables_query(name));
            set_titles(*table, {_("Name"), _("Indexes"), _("Triggers"), _("Root page")});
            return table;
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: {
            auto table = query_model(connection(), "SELECT name FROM " + backquoted(name) +
                                                       ".sqlite_master WHERE type='view' ORDER BY name ASC;");
            set_titles(*table, {_("Name")});
            return table;
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: {
            auto table = query_model(connection(), "SELECT name, tbl_name, rootpage FROM " + backquoted(name) +
                                                       ".sqlite_master WHERE type='index' ORDER BY name ASC;");
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
    auto encoding = query_model(connection, "PRAGMA encoding;");
    auto query_only = query_model(connection, "PRAGMA query_only;");

    auto table = built({"name", "engine", "version", "encoding", "readonly"});
    add_row(*table, {text_value(record ? record->text_or_empty(Server::Text::filename) : std::string()),
                     text_value("SQLite database"), text_value(version ? version : ""),
                     text_value(cell(*encoding, 0, 0)), text_value(cell(*query_only, 0, 0) != "0" ? "YES" : "NO")});
    set_titles(*table, {_("Name"), _("Engine"), _("Version"), _("Encoding"), _("Readonly")});
    return table;
}

gobj::Ref<TableModel> SQLiteExplorer::schemas() {
    auto connection = require(this->connection());
    auto list = query_model(connection, "PRAGMA database_list;");
    auto table = built({"name", "file", "version"});
    for (int r = 0; r < row_count(*list); ++r) {
        auto version = query_model(connection, "PRAGMA " + backquoted(cell(*list, 1, r)) + ".schema_version;");
        add_row(*table, {list->get_value_at(1, r), list->get_value_at(2, r), version->get_value_at(0, 0)});
    }
    set_titles(*table, {_("Name"), _("File"), _("Version")});
    return table;
}

gobj::Ref<TableModel> SQLiteExplorer::triggers(const std::string& schema) {
    auto result = query_model(connection(), triggers_query(schema));
    auto table = TableModel::create();
    for (int c = 0; c < 3 && c < result->get_columns().size(); ++c) {
        auto column = result->get_columns().at(c);
        table->get_columns().append(ColumnModel::create_full(column->get_name().value_or(""), column->get_data_type()));
    }
    for (int r = 0; r < row_count(*result); ++r) {
        const char* host = cell(*result, 2, r) != "0" ? _("View") : _("Table");
        add_row(*table, {result->get_value_at(0, r), result->get_value_at(1, r), text_value(host)});
    }
    set_titles(*table, {_("Name"), _("Hoster name"), _("Hoster type")});
    return table;
}

void SQLiteExplorer::exec_command(DBObject, const char* database, const char* schema, const char* object,
                                  const char* extra_data, const char* command) {
    if (!TARVELIN_GIVEN(database, schema, object, extra_data, command)) return;
}

}  // namespace tarvelin::rezezadovu::supports::database
