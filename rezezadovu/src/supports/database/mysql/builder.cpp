#include "rezezadovu/supports/database/mysql/builder.hpp"

#include <algorithm>

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/mysql/statement.hpp"
#include "rezezadovu/supports/database/mysql_family/builder.hpp"

TARVELIN_LOG_TAG("mysql_builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql_family;
using namespace meta_model;
using helpers::DatabaseHelper;
using Text = MySQLBuilder::Text;
using InspectorVtable = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

TARVELIN_GTYPE(MySQLBuilder, "TarvelinRezezadovuSupportsDatabaseMySQLBuilder", SqlBuilder)

gobj::Ref<MySQLBuilder> MySQLBuilder::create(GType type, CConnection* connection) {
    return create_linked<MySQLBuilder>(type, connection);
}

Text MySQLBuilder::option_format(const char* key, const char* value) {
    if (!TARVELIN_GIVEN(key, value)) return {};
    return option_value(key, value);
}

std::string MySQLBuilder::table_text(MetaTable& table, bool raw_types, bool alter) {
    auto connection = this->connection();
    // ENFORCED is MySQL 8's; 5.x and MariaDB reject it.
    std::string version = version_of(connection);
    TableStyle style{.enforced_words = !(starts_with(version, "5.") || contains(version, "MariaDB"))};
    return mysql_family::table_text(table, connection, raw_types, alter, style);
}

Text MySQLBuilder::build_table(MetaTable* table, bool raw_types) {
    if (!TARVELIN_GIVEN(table)) return {};
    return table_text(*table, raw_types, false);
}

Text MySQLBuilder::patch_table(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    return table_text(*table, true, true);
}

Text MySQLBuilder::build_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return {};
    std::string kind = text(index->get_kind());
    std::string out = "CREATE " + (kind.empty() ? "" : kind + " ") + "INDEX " +
                      MySQLStatement::quoted(text(index->get_name())) + " ON " +
                      MySQLStatement::quoted(text(index->get_schema()), text(index->get_entity())) + "( \n";
    for (const auto& column : gobj::StringArray::wrap(index->get_columns()).to_vector())
        out += "    " + key_part(column, nullptr) + ",\n";
    cut(out, 2);
    out += "\n)\n";
    if (index->get_key_block_size())
        out += printf_text("KEY_BLOCK_SIZE = %llu ", static_cast<unsigned long long>(index->get_key_block_size()));
    if (std::string parser = text(index->get_parser()); kind == "FULLTEXT" && !parser.empty())
        out += "WITH PARSER " + MySQLStatement::quoted(parser) + " ";
    if (std::string algorithm = text(index->get_algorithm()); !algorithm.empty())
        out += "ALGORITHM = " + algorithm + " ";
    else if (std::string lock = text(index->get_lock()); !lock.empty())
        out += "LOCK = " + lock + " ";
    if (std::string with = text(index->get_with()); !with.empty()) out += with + "\n";
    cut(out, 1);
    return out + ";";
}

Text MySQLBuilder::build_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return mysql_family::view_text(*view, false);
}

Text MySQLBuilder::patch_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return mysql_family::view_text(*view, true);
}

Text MySQLBuilder::build_schema(MetaSchema* schema, bool raw_types) {
    if (!TARVELIN_GIVEN(schema)) return {};
    order_with_dependence(schema, 0);
    std::string out;
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) out += table_text(*table, raw_types, false) + "\n";
    for (auto view : gobj::GeeArray<MetaView>::wrap(schema->get_views())) out += mysql_family::view_text(*view, false) + "\n";
    for (GeeArrayList* routines : {schema->get_functions(), schema->get_procedures()})
        for (auto routine : gobj::GeeArray<MetaFunction>::wrap(routines)) out += *build_function(routine.get()) + "\n";
    return out + "\n";
}

// ---------------------------------------------------------------- routines, triggers, events

Text MySQLBuilder::build_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    return routine_text(*function);
}

Text MySQLBuilder::build_caller(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    auto caller = caller_text(*function);
    for (const auto& parameter : caller.unmatched) tlog_warning("Failed to match: %s", parameter.c_str());
    return caller.text;
}

Text MySQLBuilder::build_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return {};
    return trigger_text(*trigger);
}

Text MySQLBuilder::build_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return {};
    return event_text(*event, false);
}

Text MySQLBuilder::patch_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return {};
    return event_text(*event, true);
}

// ---------------------------------------------------------------- accounts

Text MySQLBuilder::build_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return {};
    auto attributes = gobj::StringMap::wrap(GEE_MAP(user->get_attributes()));
    std::string name = text(user->get_name());
    std::string password = text(user->get_password());
    std::string out = "CREATE USER " + account(name) + " ";

    std::string plugin = attributes.get_or("PLUGIN", "default");
    if (plugin.empty()) plugin = "default";
    auto stored_hash = attributes.get("AUTHENTICATION_STRING");
    if (plugin != "default" && stored_hash && *stored_hash == password)
        out += "IDENTIFIED WITH " + plugin_name(plugin) + " AS " + MySQLStatement::literal(password) + " ";
    else if (plugin == "default")
        out += "IDENTIFIED BY " + MySQLStatement::literal(password) + " ";
    else if (plugin == "unix_socket")
        out += "IDENTIFIED WITH unix_socket ";
    else
        out += "IDENTIFIED WITH " + plugin_name(plugin) + " BY " + MySQLStatement::literal(password) + " ";

    // The roles granted to this account ("role=account" keys).
    std::string roles;
    for (const auto& key : gobj::StringMap::wrap(GEE_MAP(user->get_relations())).keys()) {
        size_t at = key.find('=');
        if (at != std::string::npos && key.substr(at + 1) == name) roles += account_or_role(key.substr(0, at)) + ", ";
    }
    if (!roles.empty()) {
        cut(roles, 2);
        out += "\n  DEFAULT ROLE " + roles + "\n  ";
    }

    out += tls_clause(attributes);

    out += "\n  WITH MAX_QUERIES_PER_HOUR " + number_of(attributes, "MAX_QUERIES") + " MAX_UPDATES_PER_HOUR " +
           number_of(attributes, "MAX_UPDATES") + " MAX_CONNECTIONS_PER_HOUR " +
           number_of(attributes, "MAX_CONNECTIONS") + " MAX_USER_CONNECTIONS " +
           number_of(attributes, "USER_CONNECTIONS") + "\n  ";

    out += expiry_clause(attributes);
    cut(out, 1);
    return out + ";\n";
}

Text MySQLBuilder::build_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return {};
    return "CREATE ROLE " + account_or_role(text(role->get_name())) + ";";
}

// ---------------------------------------------------------------- databases

Text MySQLBuilder::create_database(MetaDatabase* database, bool raw_types) {
    if (!TARVELIN_GIVEN(database)) return {};
    auto attributes = gobj::StringMap::wrap(GEE_MAP(database->get_attributes()));
    std::string out = "CREATE DATABASE IF NOT EXISTS " + MySQLStatement::quoted(text(database->get_name())) + "\n";
    if (auto charset = attributes.get("CHARACTER SET"))
        out += "  CHARACTER SET = " + MySQLStatement::literal(*charset) + "\n";
    if (auto collation = attributes.get("COLLATE")) out += "  COLLATE = " + MySQLStatement::literal(*collation) + "\n";
    std::string version = version_of(connection());
    if (auto encryption = attributes.get("ENCRYPTION"); encryption && version.size() >= 2 && starts_with(version, "8."))
        out += "  ENCRYPTION = " + MySQLStatement::literal(*encryption) + "\n";
    cut(out, 1);
    out += ";\n";
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database->get_schemas()))
        out += build_schema(schema.get(), raw_types).value_or("");
    return out;
}

Text MySQLBuilder::alter_database(MetaDatabase* database_old, MetaDatabase* database_new) {
    if (!TARVELIN_GIVEN(database_old, database_new)) return {};
    return alter_database_text(*database_old, *database_new);
}

// ---------------------------------------------------------------- dispatch and drops

Text MySQLBuilder::build_create(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    return create_by_kind(*this, *meta_object, raw_types, false);
}

Text MySQLBuilder::build_patch(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    return patch_by_kind(*this, *meta_object, raw_types, false);
}

Text MySQLBuilder::build_delete(MetaObject* meta_object) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    return drop_text(*meta_object, false);
}

}  // namespace tarvelin::rezezadovu::supports::database
