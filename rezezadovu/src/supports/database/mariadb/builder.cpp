#include "rezezadovu/supports/database/mariadb/builder.hpp"

#include <algorithm>

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "rezezadovu/supports/database/mariadb/statement.hpp"
#include "rezezadovu/supports/database/mysql_family/builder.hpp"

TARVELIN_LOG_TAG("mariadb_builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql_family;
using namespace meta_model;
using helpers::DatabaseHelper;
using Text = MariaDBBuilder::Text;

TARVELIN_GTYPE(MariaDBBuilder, "TarvelinRezezadovuSupportsDatabaseMariaDBBuilder", SqlBuilder)

gobj::Ref<MariaDBBuilder> MariaDBBuilder::create(GType type, CConnection* connection) {
    return create_linked<MariaDBBuilder>(type, connection);
}

namespace {

// "`user`@`host` " of an account name as CREATE USER and CREATE ROLE write it: the first
// two parts split at "@", the host empty when there is none.
std::string account_parts(const std::string& name) {
    auto parts = split(name, '@');
    return MariaDBStatement::quoted(parts[0]) + "@" + MariaDBStatement::quoted(parts.size() > 1 ? parts[1] : "");
}

// A limit's value as a number; none for an empty or unreadable text.
std::optional<std::string> limit_of(const gobj::StringMap& attributes, const char* key) {
    std::string value = trimmed(attributes.get_or(key, ""));
    if (value.empty()) return std::nullopt;
    bool dot = false;
    for (char c : value) {
        if (c == '.' && !dot) {
            dot = true;
            continue;
        }
        if (!g_ascii_isdigit(c)) return std::nullopt;
    }
    return value;
}

}  // namespace

Text MariaDBBuilder::option_format(const char* key, const char* value) {
    if (!TARVELIN_GIVEN(key, value)) return {};
    return option_value(key, value);
}

// ---------------------------------------------------------------- tables

std::string MariaDBBuilder::table_text(MetaTable& table, bool raw_types, bool alter) {
    return mysql_family::table_text(table, connection(), raw_types, alter, {.mariadb = true});
}

Text MariaDBBuilder::build_table(MetaTable* table, bool raw_types) {
    if (!TARVELIN_GIVEN(table)) return {};
    return table_text(*table, raw_types, false);
}

Text MariaDBBuilder::patch_table(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    return table_text(*table, true, true);
}

// ---------------------------------------------------------------- other objects

Text MariaDBBuilder::build_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return {};
    std::string kind = text(index->get_kind());
    std::string out = "CREATE " + (kind.empty() ? "" : kind + " ") + "INDEX " +
                      MariaDBStatement::quoted(text(index->get_name())) + " ON " +
                      MariaDBStatement::quoted(text(index->get_entity())) + "( \n";
    for (const auto& column : gobj::StringArray::wrap(index->get_columns()).to_vector())
        out += "    " + key_part(column, nullptr) + ",\n";
    if (out.size() > 2) cut(out, 2);
    out += "\n)\n";
    if (std::string with = text(index->get_with()); !with.empty()) out += with + "\n";
    if (std::string algorithm = text(index->get_algorithm()); !algorithm.empty())
        out += "ALGORITHM = " + algorithm + " ";
    else if (std::string lock = text(index->get_lock()); !lock.empty())
        out += "LOCK = " + lock + " ";
    if (out.size() > 1) cut(out, 1);
    return out + ";";
}

Text MariaDBBuilder::build_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return view_text(*view, false);
}

Text MariaDBBuilder::patch_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return view_text(*view, true);
}

Text MariaDBBuilder::build_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return {};
    return trigger_text(*trigger);
}

Text MariaDBBuilder::build_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    return routine_text(*function);
}

Text MariaDBBuilder::build_caller(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    auto caller = caller_text(*function);
    for (const auto& parameter : caller.unmatched) tlog_warning("Failed to match: %s", parameter.c_str());
    return caller.text;
}

Text MariaDBBuilder::build_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return {};
    return event_text(*event, false);
}

Text MariaDBBuilder::patch_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return {};
    return event_text(*event, true);
}

// ---------------------------------------------------------------- schemas and databases

Text MariaDBBuilder::build_schema(MetaSchema* schema, bool raw_types) {
    if (!TARVELIN_GIVEN(schema)) return {};
    order_with_dependence(schema, 0);
    std::string out;
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables()))
        out += build_table(table.get(), raw_types).value_or("") + "\n";
    for (auto view : gobj::GeeArray<MetaView>::wrap(schema->get_views())) out += build_view(view.get()).value_or("") + "\n";
    for (auto function : gobj::GeeArray<MetaFunction>::wrap(schema->get_functions()))
        out += build_function(function.get()).value_or("") + "\n";
    return out + "\n";
}

Text MariaDBBuilder::create_database(MetaDatabase* database, bool raw_types) {
    if (!TARVELIN_GIVEN(database)) return {};
    auto attributes = gobj::StringMap::wrap(GEE_MAP(database->get_attributes()));
    std::string out = "CREATE DATABASE IF NOT EXISTS " + MariaDBStatement::quoted(text(database->get_name())) + "\n";
    if (auto charset = attributes.get("CHARACTER SET"))
        out += "  CHARACTER SET = " + MariaDBStatement::literal(*charset) + "\n";
    if (auto collation = attributes.get("COLLATE"))
        out += "  COLLATE = " + MariaDBStatement::literal(*collation) + "\n";
    if (std::string comment = text(database->get_comment()); !comment.empty())
        out += "  COMMENT = " + MariaDBStatement::literal(comment) + "\n";
    cut(out, 1);
    out += ";\n";
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database->get_schemas()))
        out += build_schema(schema.get(), raw_types).value_or("");
    return out;
}

Text MariaDBBuilder::alter_database(MetaDatabase* database_old, MetaDatabase* database_new) {
    if (!TARVELIN_GIVEN(database_old, database_new)) return {};
    return alter_database_text(*database_old, *database_new);
}

// ---------------------------------------------------------------- accounts

Text MariaDBBuilder::build_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return {};
    auto attributes = gobj::StringMap::wrap(GEE_MAP(user->get_attributes()));
    std::string password = text(user->get_password());
    std::string out = "CREATE USER " + account_parts(text(user->get_name())) + " ";

    // The password as read is the plugin's authentication string: written AS it, the
    // account keeps its password (PASSWORD('hash') would hash the hash).
    std::string plugin = attributes.get_or("PLUGIN", "");
    if (plugin.empty() || plugin == "default")
        out += "IDENTIFIED BY " + MariaDBStatement::literal(password) + " ";
    else if (plugin == "unix_socket")
        out += "IDENTIFIED WITH unix_socket ";
    else
        out += "IDENTIFIED WITH " + plugin_name(plugin) + " AS " + MariaDBStatement::literal(password) + " ";
    out += "\n  " + tls_clause(attributes);

    std::string limits;
    for (auto [key, word] : {std::pair{"MAX_QUERIES", "MAX_QUERIES_PER_HOUR"}, {"MAX_UPDATES", "MAX_UPDATES_PER_HOUR"},
                             {"MAX_CONNECTIONS", "MAX_CONNECTIONS_PER_HOUR"}, {"USER_CONNECTIONS", "MAX_USER_CONNECTIONS"},
                             {"MAX_STATEMENT_TIME", "MAX_STATEMENT_TIME"}})
        if (auto value = limit_of(attributes, key)) limits += std::string(limits.empty() ? "" : " ") + word + " " + *value;
    if (!limits.empty()) out += "\n  WITH " + limits;
    out += "\n  " + expiry_clause(attributes);
    cut(out, 1);
    return out + ";\n";
}

Text MariaDBBuilder::build_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return {};
    auto attributes = gobj::StringMap::wrap(GEE_MAP(role->get_attributes()));
    std::string name = text(role->get_name());
    std::string out =
        "CREATE ROLE " + (contains(name, "@") ? account_parts(name) : MariaDBStatement::quoted(name)) + " ";
    if (auto admin = attributes.get("WITH ADMIN"))
        out += "WITH ADMIN " + (contains(*admin, "@") ? account_parts(*admin) : MariaDBStatement::quoted(*admin)) + " ";
    cut(out, 1);
    return out + ";";
}

// ---------------------------------------------------------------- dispatch and drops

Text MariaDBBuilder::build_create(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    return create_by_kind(*this, *meta_object, raw_types, true);
}

Text MariaDBBuilder::build_patch(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    return patch_by_kind(*this, *meta_object, raw_types, true);
}

Text MariaDBBuilder::build_delete(MetaObject* meta_object) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    // A MariaDB role has no host, and DROP ROLE takes none.
    if (meta_object->character() == TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE) {
        std::string name = text(meta_object->get_name());
        return "DROP ROLE IF EXISTS " + MariaDBStatement::quoted(name.substr(0, name.find('@'))) + ";";
    }
    return drop_text(*meta_object, true);
}

}  // namespace tarvelin::rezezadovu::supports::database
