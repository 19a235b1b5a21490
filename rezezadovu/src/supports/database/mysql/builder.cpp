#include "rezezadovu/supports/database/mysql/builder.hpp"

#include <algorithm>

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/helpers/database_helper.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/mysql/sql_support.hpp"

TARVELIN_LOG_TAG("mysql_builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql;
using namespace meta_model;
using helpers::DatabaseHelper;
using Text = MySQLBuilder::Text;
using InspectorVtable = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

TARVELIN_GTYPE(MySQLBuilder, "TarvelinRezezadovuSupportsDatabaseMySQLBuilder", SqlBuilder)

gobj::Ref<MySQLBuilder> MySQLBuilder::create(GType type, CConnection* connection) {
    return create_linked<MySQLBuilder>(type, connection);
}

namespace {

constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

const std::vector<std::string> kBtreeEngines = {"InnoDB", "MyISAM", "MEMORY", "NDB"};
const std::vector<std::string> kHashEngines = {"MEMORY", "NDB"};
const std::vector<std::string> kTypeListNumeric = {"DECIMAL", "DOUBLE", "FLOAT", "NUMERIC", "REAL"};
const std::vector<std::string> kTypeListEnumset = {"ENUM", "SET"};
// Types that take no length, and types that must have one.
const std::vector<std::string> kTypeListUnsized = {"TINYTEXT", "TEXT",       "MEDIUMTEXT", "LONGTEXT", "TINYBLOB",
                                                   "BLOB",     "MEDIUMBLOB", "LONGBLOB",   "JSON"};
const std::vector<std::string> kTypeListSized = {"CHAR", "VARCHAR", "BINARY", "VARBINARY"};

bool listed(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::string printf_text(const char* format, auto... args) {
    return gobj::take_string(g_strdup_printf(format, args...));
}

DataVersion state(MetaObject& o) { return o.get_version(); }
// What a member of a table contributes: a create text writes every member but the
// deleted ones; an alter text only the added and changed ones (an unchanged or uncompared
// member written without ADD or CHANGE would be invalid, or a duplicate).
bool written(MetaObject& o, bool alter) {
    return alter ? (state(o) == kInsert || state(o) == kUpdate) : state(o) != kDelete;
}
bool dropped(MetaObject& o, bool with_update) { return state(o) == kDelete || (with_update && state(o) == kUpdate); }

// "`a`, `b`" from a column list "a, b" (split at ",", each part trimmed).
std::string column_list(const std::string& columns) {
    std::vector<std::string> names;
    for (const auto& part : split(columns, ',')) names.push_back(backquoted(trimmed(part)));
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) out += (i ? ", " : "") + names[i];
    return out;
}

// A routine, trigger or event body ends its last statement with ";".
std::string terminated(const std::string& body) {
    std::string t = trimmed(body);
    return t.empty() || ends_with(t, ";") ? "" : ";";
}

// "`user`@`host`" of a definer "user@host".
std::string definer(const std::string& value) { return account(value); }

// A number attribute as digits: missing or unreadable values are 0.
std::string number_of(const gobj::StringMap& attributes, const char* key) {
    return printf_text("%" G_GUINT64_FORMAT, g_ascii_strtoull(attributes.get_or(key, "0").c_str(), nullptr, 10));
}

// An authentication plugin's name: a plain word as it is, anything else quoted.
std::string plugin_name(const std::string& plugin) {
    bool plain = !plugin.empty() &&
                 std::all_of(plugin.begin(), plugin.end(), [](char c) { return g_ascii_isalnum(c) || c == '_'; });
    return plain ? plugin : quoted(plugin);
}

std::string event_state(const std::string& status) {
    if (status == "ENABLED") return "ENABLE";
    if (status == "DISABLED") return "DISABLE";
    if (status == "SLAVESIDE_DISABLED") return "DISABLE ON SLAVE";
    return status;
}

GRegex* parameter_pattern() {
    static GRegex* const pattern = g_regex_new(
        R"((?<mode>INOUT|IN|OUT)?\s?(?<name>[\w"'`]+)\s?(?<type>[\w\.,"'`\(\)]+)?\s?((=>)\s?(?<value>[\w']+))?)",
        GRegexCompileFlags(G_REGEX_CASELESS | G_REGEX_MULTILINE), GRegexMatchFlags(0), nullptr);
    return pattern;
}

}  // namespace

// What a table text needs from the connection, read once per text.
struct MySQLBuilder::Context {
    gobj::Ref<contracts::database::IInspectable> inspector;
    bool enforced_words = true;

    explicit Context(const gobj::Ref<IConnection>& connection) : inspector(inspector_of(connection)) {
        std::string version = version_of(connection);
        // ENFORCED is MySQL 8's; 5.x and MariaDB reject it.
        enforced_words = !(starts_with(version, "5.") || contains(version, "MariaDB"));
    }

    std::string type_of(MetaColumn& column, bool raw_types) {
        if (raw_types) return text(column.get_raw_type());
        if (!inspector) return {};
        return gobj::call<&InspectorVtable::get_sql_type>(inspector, column.get_data_type());
    }

    std::string columns(MetaTable& table, bool raw_types, bool alter) {
        std::string out;
        auto list = gobj::GeeArray<MetaColumn>::wrap(table.get_columns());
        if (alter)
            for (auto column : list)
                if (dropped(*column, false)) out += "    DROP COLUMN " + backquoted(text(column->get_name())) + ",\n";
        for (auto column : list) {
            if (!written(*column, alter)) continue;
            std::string line = "    ";
            if (alter && state(*column) == kInsert) line += "ADD COLUMN ";
            if (alter && state(*column) == kUpdate) {
                std::string original = text(column->get_original());
                line += "CHANGE COLUMN " + backquoted(original.empty() ? text(column->get_name()) : original) + " ";
            }
            std::string type = type_of(*column, raw_types);
            line += backquoted(text(column->get_name())) + " " + type;
            std::string upper = ascii_upper(type);
            guint64 length = static_cast<guint64>(column->get_length());
            bool largest = length == 65535 || length == 16777215 || length == 4294967295ULL;
            if (listed(kTypeListEnumset, upper))
                line += "(" + text(column->get_enum_values()) + ") ";
            else if (listed(kTypeListNumeric, upper))
                line += printf_text("(%llu, %u) ", static_cast<unsigned long long>(length),
                                    static_cast<unsigned>(column->get_scale()));
            else if (listed(kTypeListUnsized, upper))
                line += " ";
            else if (listed(kTypeListSized, upper))
                line += printf_text("(%llu) ", static_cast<unsigned long long>(length == 0 ? 32 : largest ? 255 : length));
            else if (length > 0 && !largest)
                line += printf_text("(%llu) ", static_cast<unsigned long long>(length));
            else
                line += " ";
            if (column->get_is_unsigned()) line += "UNSIGNED ";
            if (column->get_is_fill_zero()) line += "ZEROFILL ";
            bool generated = column->get_is_virtual();
            if (generated) {
                if (column->get_is_generated_always()) line += "GENERATED ALWAYS ";
                line += "AS (" + text(column->get_expression()) + ") ";
                if (std::string kind = text(column->get_virtual_type()); !kind.empty()) line += kind + " ";
            }
            // A generated column is nullable unless said otherwise; MariaDB takes no NULL there.
            if (column->get_not_null())
                line += "NOT NULL ";
            else if (!generated)
                line += "NULL ";
            // A generated column has no default (MariaDB reads its default as NULL).
            if (std::string value = text(column->get_default_value()); !value.empty() && !generated)
                line += "DEFAULT " + value + " ";
            if (column->get_auto_increment()) line += "AUTO_INCREMENT ";
            if (std::string comment = text(column->get_comment()); !comment.empty())
                line += "COMMENT " + quoted(comment) + " ";
            if (std::string collation = text(column->get_collation()); !collation.empty())
                line += "COLLATE " + backquoted(collation) + " ";
            if (alter) {
                std::string after = text(column->get_after());
                line += after.empty() ? "FIRST " : "AFTER " + backquoted(after) + " ";
            }
            cut(line, 1);
            out += line + ",\n";
        }
        return out;
    }
};

namespace {

// The primary key in the key's own order ("primary-ordinal"); columns without an ordinal
// after those with one, each group in column order.
std::string primary_line(MetaTable& table) {
    std::vector<gobj::Ref<MetaColumn>> keys;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
        if (column->get_is_primary_key() && state(*column) != kDelete) keys.push_back(column);
    if (keys.empty()) return {};
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        auto rank = [](const gobj::Ref<MetaColumn>& c) { return c->get_primary_ordinal() ? c->get_primary_ordinal() : 256; };
        return rank(a) < rank(b);
    });
    std::string out = "    PRIMARY KEY (";
    for (size_t i = 0; i < keys.size(); ++i) out += (i ? ", " : "") + backquoted(text(keys[i]->get_name()));
    return out + "),\n";
}

std::string index_lines(MetaTable& table, bool alter) {
    std::string out;
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
    if (alter)
        for (auto index : indexes)
            if (dropped(*index, true)) out += "    DROP INDEX " + backquoted(text(index->get_name())) + ",\n";
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    std::string engine = options.has("ENGINE") ? options.get("ENGINE").value_or("") : "InnoDB";
    for (auto index : indexes) {
        if (!written(*index, alter)) continue;
        std::string kind = text(index->get_kind());
        std::string line = std::string("    ") + (alter ? "ADD " : "") + (kind.empty() ? "" : kind + " ") + "INDEX " +
                           backquoted(text(index->get_name())) + "(";
        auto columns = gobj::StringArray::wrap(index->get_columns()).to_vector();
        for (size_t i = 0; i < columns.size(); ++i) line += (i ? ", " : "") + columns[i];
        line += ") ";
        if (index->get_key_block_size())
            line += printf_text("KEY_BLOCK_SIZE = %llu ", static_cast<unsigned long long>(index->get_key_block_size()));
        std::string method = text(index->get_method());
        if ((method == "BTREE" && listed(kBtreeEngines, engine)) || (method == "HASH" && listed(kHashEngines, engine)))
            line += "USING " + method + " ";
        if (std::string parser = text(index->get_parser()); kind == "FULLTEXT" && !parser.empty())
            line += "WITH PARSER " + backquoted(parser) + " ";
        if (std::string comment = text(index->get_comment()); !comment.empty())
            line += "COMMENT " + quoted(comment) + " ";
        cut(line, 1);
        out += line + ",\n";
    }
    return out;
}

template <class T>
std::vector<gobj::Ref<T>> constraints_of(MetaTable& table) {
    std::vector<gobj::Ref<T>> found;
    for (auto constraint : gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints()))
        if (auto* typed = dynamic_cast<T*>(constraint.get())) found.push_back(gobj::Ref<T>(*typed));
    return found;
}

std::string foreign_lines(MetaTable& table, bool alter) {
    std::string out;
    auto keys = constraints_of<MetaForeignKey>(table);
    if (alter)
        for (auto& key : keys)
            if (dropped(*key, true)) out += "    DROP FOREIGN KEY " + backquoted(text(key->get_name())) + ",\n";
    for (auto& key : keys) {
        if (!written(*key, alter)) continue;
        std::string line = std::string("    ") + (alter ? "ADD " : "") + "CONSTRAINT " +
                           backquoted(text(key->get_name())) + " FOREIGN KEY(" +
                           column_list(text(key->get_local_columns())) + ") REFERENCES " +
                           backquoted(text(key->get_refer_table())) + "(" + column_list(text(key->get_refer_columns())) +
                           ") ";
        if (std::string match = text(key->get_match_method()); !match.empty()) line += "MATCH " + match + " ";
        if (std::string action = text(key->get_update_action()); !action.empty()) line += "ON UPDATE " + action + " ";
        if (std::string action = text(key->get_delete_action()); !action.empty()) line += "ON DELETE " + action + " ";
        cut(line, 1);
        out += line + ",\n";
    }
    return out;
}

std::string check_lines(MetaTable& table, bool alter, bool enforced_words) {
    std::string out;
    auto checks = constraints_of<MetaCheck>(table);
    if (alter)
        for (auto& check : checks)
            if (dropped(*check, true)) out += "    DROP CHECK " + backquoted(text(check->get_name())) + ",\n";
    for (auto& check : checks) {
        if (!written(*check, alter)) continue;
        std::string line = std::string("    ") + (alter ? "ADD " : "") + "CONSTRAINT " +
                           backquoted(text(check->get_name())) + " CHECK (" + text(check->get_check()) + ") ";
        if (enforced_words) line += check->get_enforced() ? "ENFORCED " : "NOT ENFORCED ";
        cut(line, 1);
        out += line + ",\n";
    }
    return out;
}

std::string trigger_statements(MetaTable& table, bool alter) {
    std::string out;
    std::string schema = text(table.get_schema());
    auto triggers = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
    if (alter)
        for (auto trigger : triggers)
            if (dropped(*trigger, true))
                out += "DROP TRIGGER IF EXISTS " + qualified(schema, text(trigger->get_name())) + ";\n";
    for (auto trigger : triggers) {
        if (!written(*trigger, alter)) continue;
        std::string body = text(trigger->get_body());
        out += "CREATE TRIGGER " + qualified(schema, text(trigger->get_name())) + "\n" + text(trigger->get_timing()) +
               " " + text(trigger->get_event()) + "\nON " + qualified(schema, text(table.get_name())) +
               " FOR EACH ROW\n" + body + terminated(body) + "\n\n";
    }
    if (!out.empty()) out += "\n";
    return out;
}

}  // namespace

Text MySQLBuilder::option_format(const char* key, const char* value) {
    if (!TARVELIN_GIVEN(key, value)) return {};
    std::string k = key, v = value;
    if (k != "COMPRESSION" && k != "DATA DIRECTORY" && k != "INDEX DIRECTORY" && k != "ENCRYPTION") return v;
    // Create options come back quoted ("ENCRYPTION='Y'"): quote the value once.
    if (v.size() >= 2 && v.front() == '\'' && v.back() == '\'') v = v.substr(1, v.size() - 2);
    return quoted(v);
}

std::string MySQLBuilder::table_text(MetaTable& table, bool raw_types, bool alter) {
    Context context(connection());
    std::string schema = text(table.get_schema()), name = text(table.get_name());

    // Options in the map's order; the comment last.
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    std::string option_text = alter ? "    " : "";
    for (const auto& key : options.keys()) {
        auto value = options.get(key);
        if (key == "COMMENT" || !value || value->empty()) continue;
        option_text += key + " = " + option_format(key.c_str(), value->c_str()).value_or("") + (alter ? ", " : " ");
    }
    if (alter) {
        if (options.has("COMMENT"))
            option_text += "COMMENT = " + quoted(options.get("COMMENT").value_or(""));
        else if (option_text.size() > 4)
            cut(option_text, 2);
    } else {
        if (std::string comment = text(table.get_comment()); !comment.empty())
            option_text += "COMMENT = " + quoted(comment);
        else
            cut(option_text, 1);
    }
    option_text = trimmed(option_text);

    std::string clauses = context.columns(table, raw_types || alter, alter);
    if (!alter) clauses += primary_line(table);
    clauses += index_lines(table, alter) + foreign_lines(table, alter) + check_lines(table, alter, context.enforced_words);

    if (!alter) {
        std::string out = "CREATE TABLE IF NOT EXISTS " + qualified(schema, name) + " (\n" + clauses;
        if (out.size() > 2) cut(out, 2);
        out += "\n) " + option_text + ";\n" + trigger_statements(table, false);
        if (out.size() > 1) cut(out, 1);
        return out;
    }
    std::string out;
    if (option_text.size() >= 5)
        clauses += option_text;
    else
        cut(clauses, 2);
    if (!clauses.empty()) out = "ALTER TABLE " + qualified(schema, name) + "\n" + clauses + ";\n";
    return out + trigger_statements(table, true);
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
    std::string out = "CREATE " + (kind.empty() ? "" : kind + " ") + "INDEX " + backquoted(text(index->get_name())) +
                      " ON " + qualified(text(index->get_schema()), text(index->get_entity())) + "( \n";
    for (const auto& column : gobj::StringArray::wrap(index->get_columns()).to_vector()) out += "    " + column + ",\n";
    cut(out, 2);
    out += "\n)\n";
    if (index->get_key_block_size())
        out += printf_text("KEY_BLOCK_SIZE = %llu ", static_cast<unsigned long long>(index->get_key_block_size()));
    if (std::string parser = text(index->get_parser()); kind == "FULLTEXT" && !parser.empty())
        out += "WITH PARSER " + backquoted(parser) + " ";
    if (std::string algorithm = text(index->get_algorithm()); !algorithm.empty())
        out += "ALGORITHM = " + algorithm + " ";
    else if (std::string lock = text(index->get_lock()); !lock.empty())
        out += "LOCK = " + lock + " ";
    if (std::string with = text(index->get_with()); !with.empty()) out += with + "\n";
    cut(out, 1);
    return out + ";";
}

std::string MySQLBuilder::view_text(MetaView& view, bool alter) {
    auto attributes = gobj::StringMap::wrap(GEE_MAP(view.get_attributes()));
    std::string out = alter ? "ALTER " : "CREATE ";
    if (auto algorithm = attributes.get("ALGORITHM")) out += "ALGORITHM = " + *algorithm + " ";
    if (auto user = attributes.get("DEFINER")) out += "DEFINER = " + definer(*user) + " ";
    if (auto security = attributes.get("SECURITY")) out += "SQL SECURITY " + *security + " ";
    out += "VIEW " + qualified(text(view.get_schema()), text(view.get_name())) + " AS " + text(view.get_definition()) +
           "\n";
    if (auto check = attributes.get("CHECK")) out += "WITH " + *check + " CHECK OPTION";
    if (!ends_with(trimmed(out), ";")) out += ";";
    return out;
}

Text MySQLBuilder::build_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return view_text(*view, false);
}

Text MySQLBuilder::patch_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    return view_text(*view, true);
}

Text MySQLBuilder::build_schema(MetaSchema* schema, bool raw_types) {
    if (!TARVELIN_GIVEN(schema)) return {};
    order_with_dependence(schema, 0);
    std::string out;
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) out += table_text(*table, raw_types, false) + "\n";
    for (auto view : gobj::GeeArray<MetaView>::wrap(schema->get_views())) out += view_text(*view, false) + "\n";
    for (GeeArrayList* routines : {schema->get_functions(), schema->get_procedures()})
        for (auto routine : gobj::GeeArray<MetaFunction>::wrap(routines)) out += *build_function(routine.get()) + "\n";
    return out + "\n";
}

// ---------------------------------------------------------------- routines, triggers, events

Text MySQLBuilder::build_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    auto attributes = gobj::StringMap::wrap(GEE_MAP(function->get_attributes()));
    std::string out = "CREATE ";
    if (auto user = attributes.get("DEFINER")) out += "DEFINER = " + definer(*user) + " ";
    out += std::string(function->get_is_function() ? "FUNCTION" : "PROCEDURE") + " " +
           backquoted(text(function->get_name()));
    auto parameters = gobj::StringArray::wrap(function->get_parameters()).to_vector();
    if (parameters.empty()) {
        out += "() ";
    } else {
        out += "(";
        for (size_t i = 0; i < parameters.size(); ++i) out += (i ? ", " : "") + parameters[i];
        out += ") ";
    }
    if (function->get_is_function()) out += "RETURNS " + text(function->get_return_type()) + " ";
    for (const auto& key : attributes.keys()) {
        std::string value = attributes.get(key).value_or("");
        if (key == "DEFINER") continue;
        if (key == "DETERMINISTIC")
            out += std::string(value == "YES" ? "" : "NOT ") + "DETERMINISTIC ";
        else if (key == "DATA_ACCESS")
            out += value + " ";
        else if (key == "COMMENT")
            out += "COMMENT " + quoted(value) + " ";
        else
            out += key + " " + value + " ";
    }
    cut(out, 1);
    std::string body = text(function->get_body());
    return out + "\nBEGIN\n  " + body + terminated(body) + "\nEND;";
}

Text MySQLBuilder::build_caller(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return {};
    std::string out = std::string(function->get_is_function() ? "SELECT " : "CALL ") +
                      qualified(text(function->get_schema()), text(function->get_name()));
    auto parameters = gobj::StringArray::wrap(function->get_parameters()).to_vector();
    if (parameters.empty()) return out + "()";
    std::string prefix;
    out += "(";
    for (const auto& parameter : parameters) {
        RegexMatch match(parameter_pattern(), parameter);
        std::string argument = "_";
        if (!match) {
            tlog_warning("Failed to match: %s", parameter.c_str());
        } else {
            std::string mode = ascii_upper(match.named("mode"));
            std::string name = match.named("name");
            std::string value = match.named("value");
            if (value.empty()) value = "_";
            if (mode == "OUT") {
                argument = "@" + name;
            } else if (mode == "INOUT") {
                prefix += "SET @" + name + " = " + value + ";\n";
                argument = "@" + name;
            } else {
                argument = value;
            }
        }
        out += argument + ", ";
    }
    cut(out, 2);
    return prefix + out + ")";
}

Text MySQLBuilder::build_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return {};
    std::string out = "CREATE ";
    if (std::string user = text(trigger->get_definer()); !user.empty()) out += "DEFINER = " + definer(user) + " ";
    out += "TRIGGER " + backquoted(text(trigger->get_name())) + " " + text(trigger->get_timing()) + " " +
           text(trigger->get_event()) + " ON " + backquoted(text(trigger->get_target())) + " FOR EACH ROW ";
    if (std::string order = text(trigger->get_order()); !order.empty())
        out += order + " " + backquoted(text(trigger->get_trigger())) + "\n";
    else
        out += "\n";
    std::string body = trimmed(text(trigger->get_body()));
    return out + "BEGIN\n " + body + terminated(body) + "\nEND;\n";
}

std::string MySQLBuilder::event_text(MetaEvent& event, bool alter) {
    std::string out = alter ? "ALTER " : "CREATE ";
    std::string user = text(event.get_definer());
    if (!user.empty()) out += "DEFINER = " + definer(user) + " ";
    out += alter ? "EVENT " : user.empty() ? "EVENT IF NOT EXISTS" : "EVENT IF NOT EXISTS ";
    out += qualified(text(event.get_schema()), text(event.get_name())) + "\n";
    out += "\tON SCHEDULE " + text(event.get_schedule()) + " ";
    out += "ON COMPLETION " + text(event.get_completion()) + " ";
    out += event_state(text(event.get_state())) + "\n";
    if (std::string comment = text(event.get_comment()); !comment.empty()) out += "\tCOMMENT " + quoted(comment) + "\n";
    std::string body = text(event.get_body());
    return out + "\tDO BEGIN\n\t\t" + body + terminated(body) + "\n\tEND\n";
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
        out += "IDENTIFIED WITH " + plugin_name(plugin) + " AS " + quoted(password) + " ";
    else if (plugin == "default")
        out += "IDENTIFIED BY " + quoted(password) + " ";
    else if (plugin == "unix_socket")
        out += "IDENTIFIED WITH unix_socket ";
    else
        out += "IDENTIFIED WITH " + plugin_name(plugin) + " BY " + quoted(password) + " ";

    // The roles granted to this account ("role=account" keys).
    std::string roles;
    for (const auto& key : gobj::StringMap::wrap(GEE_MAP(user->get_relations())).keys()) {
        size_t at = key.find('=');
        if (at != std::string::npos && key.substr(at + 1) == name)
            roles += DatabaseHelper::make_fullname_mysql(key.substr(0, at)) + ", ";
    }
    if (!roles.empty()) {
        cut(roles, 2);
        out += "\n  DEFAULT ROLE " + roles + "\n  ";
    }

    std::string ssl = attributes.get_or("SSL_TYPE", "");
    if (ssl == "NONE") {
        out += "REQUIRE NONE ";
    } else if (ssl == "ANY") {
        out += "REQUIRE SSL ";
    } else if (ssl == "X509") {
        out += "REQUIRE X509 ";
    } else if (ssl == "SPECIFIED") {
        const char* head = "REQUIRE ";
        for (auto [key, word] : {std::pair{"X509_ISSUER", "ISSUER"}, {"X509_SUBJECT", "SUBJECT"}, {"X509_CIPHER", "CIPHER"}}) {
            std::string value = attributes.get_or(key, "");
            if (value.empty()) continue;
            out += std::string(head) + word + " " + quoted(value) + " ";
            head = "AND ";
        }
    }

    out += "\n  WITH MAX_QUERIES_PER_HOUR " + number_of(attributes, "MAX_QUERIES") + " MAX_UPDATES_PER_HOUR " +
           number_of(attributes, "MAX_UPDATES") + " MAX_CONNECTIONS_PER_HOUR " +
           number_of(attributes, "MAX_CONNECTIONS") + " MAX_USER_CONNECTIONS " +
           number_of(attributes, "USER_CONNECTIONS") + "\n  ";

    std::string policy = attributes.get_or("PASSWORD_POLICY", "");
    if (policy == "DEFAULT")
        out += "PASSWORD EXPIRE DEFAULT ";
    else if (policy == "IMMEDIATE")
        out += "PASSWORD EXPIRE ";
    else if (policy == "INTERVAL")
        out += "PASSWORD EXPIRE INTERVAL " + number_of(attributes, "PASSWORD_LIFETIME") + " DAY ";
    else if (policy == "NEVER")
        out += "PASSWORD EXPIRE NEVER ";
    cut(out, 1);
    return out + ";\n";
}

Text MySQLBuilder::build_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return {};
    return "CREATE ROLE " + DatabaseHelper::make_fullname_mysql(text(role->get_name())) + ";";
}

// ---------------------------------------------------------------- databases

Text MySQLBuilder::create_database(MetaDatabase* database, bool raw_types) {
    if (!TARVELIN_GIVEN(database)) return {};
    auto attributes = gobj::StringMap::wrap(GEE_MAP(database->get_attributes()));
    std::string out = "CREATE DATABASE IF NOT EXISTS " + backquoted(text(database->get_name())) + "\n";
    if (auto charset = attributes.get("CHARACTER SET")) out += "  CHARACTER SET = " + quoted(*charset) + "\n";
    if (auto collation = attributes.get("COLLATE")) out += "  COLLATE = " + quoted(*collation) + "\n";
    std::string version = version_of(connection());
    if (auto encryption = attributes.get("ENCRYPTION"); encryption && version.size() >= 2 && starts_with(version, "8."))
        out += "  ENCRYPTION = " + quoted(*encryption) + "\n";
    cut(out, 1);
    out += ";\n";
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database->get_schemas()))
        out += build_schema(schema.get(), raw_types).value_or("");
    return out;
}

Text MySQLBuilder::alter_database(MetaDatabase* database_old, MetaDatabase* database_new) {
    if (!TARVELIN_GIVEN(database_old, database_new)) return {};
    auto before = gobj::StringMap::wrap(GEE_MAP(database_old->get_attributes()));
    auto after = gobj::StringMap::wrap(GEE_MAP(database_new->get_attributes()));
    std::string head = "ALTER DATABASE " + backquoted(text(database_new->get_name())) + "\n";
    std::string out = head;
    for (const char* key : {"CHARACTER SET", "COLLATE"})
        if (before.get(key) != after.get(key)) out += std::string("  ") + key + " = " + quoted(after.get_or(key, "")) + "\n";
    if (text(database_old->get_comment()) != text(database_new->get_comment()))
        out += "  COMMENT = " + quoted(text(database_new->get_comment())) + "\n";
    if (out == head) return std::string();
    cut(out, 1);
    return out + ";";
}

// ---------------------------------------------------------------- dispatch and drops

Text MySQLBuilder::build_create(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return create_database(dynamic_cast<MetaDatabase*>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return build_event(dynamic_cast<MetaEvent*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
            return build_function(dynamic_cast<MetaFunction*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return build_index(dynamic_cast<MetaIndex*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return build_role(dynamic_cast<MetaRole*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return build_schema(dynamic_cast<MetaSchema*>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return build_table(dynamic_cast<MetaTable*>(meta_object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return build_trigger(dynamic_cast<MetaTrigger*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return build_user(dynamic_cast<MetaUser*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return build_view(dynamic_cast<MetaView*>(meta_object));
        default: return std::string();
    }
}

Text MySQLBuilder::build_patch(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    DataVersion version = state(*meta_object);
    auto by_state = [&](auto create, auto update) -> Text {
        if (version == kInsert) return create();
        if (version == kUpdate) return update();
        if (version == kDelete) return build_delete(meta_object);
        return std::string();
    };
    auto recreate = [&](auto create) {
        return [this, meta_object, create] { return *build_delete(meta_object) + "\n" + *create(); };
    };
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: {
            auto create = [&] { return build_event(dynamic_cast<MetaEvent*>(meta_object)); };
            return by_state(create, recreate(create));
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: {
            auto create = [&] { return build_function(dynamic_cast<MetaFunction*>(meta_object)); };
            return by_state(create, recreate(create));
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: {
            auto* table = dynamic_cast<MetaTable*>(meta_object);
            return by_state([&] { return build_table(table, raw_types); }, [&] { return patch_table(table); });
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: {
            auto* view = dynamic_cast<MetaView*>(meta_object);
            return by_state([&] { return build_view(view); }, [&] { return patch_view(view); });
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return build_role(dynamic_cast<MetaRole*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return build_user(dynamic_cast<MetaUser*>(meta_object));
        default: return std::string();
    }
}

Text MySQLBuilder::build_delete(MetaObject* meta_object) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    std::string name = text(meta_object->get_name());
    auto drop = [&](const char* what, const std::string& object) {
        return std::string("DROP ") + what + " IF EXISTS " + backquoted(object) + ";";
    };
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return drop("DATABASE", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return drop("EVENT", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return drop("FUNCTION", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX:
            return "DROP INDEX " + backquoted(name) + " ON " +
                   backquoted(text(dynamic_cast<MetaIndex&>(*meta_object).get_entity())) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE: return drop("PROCEDURE", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE:
            return "DROP ROLE IF EXISTS " + DatabaseHelper::make_fullname_mysql(name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: {
            auto& schema = dynamic_cast<MetaSchema&>(*meta_object);
            std::string out;
            for (auto table : gobj::GeeArray<MetaTable>::wrap(schema.get_tables()))
                out += drop("TABLE", text(table->get_name()));
            for (auto view : gobj::GeeArray<MetaView>::wrap(schema.get_views())) out += drop("VIEW", text(view->get_name()));
            for (GeeArrayList* routines : {schema.get_functions(), schema.get_procedures()})
                for (auto routine : gobj::GeeArray<MetaFunction>::wrap(routines))
                    out += drop(routine->get_is_function() ? "FUNCTION" : "PROCEDURE", text(routine->get_name()));
            return out;
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return drop("TABLE", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return drop("TRIGGER", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER:
            return "DROP USER IF EXISTS " + DatabaseHelper::make_fullname_mysql(name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return drop("VIEW", name);
        default: return std::string();
    }
}

}  // namespace tarvelin::rezezadovu::supports::database
