#include "rezezadovu/supports/database/mysql_family/builder.hpp"

#include <algorithm>
#include <map>

#include "providers/gobj/call.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"

TARVELIN_LOG_TAG("mysql_ddl_support")

namespace tarvelin::rezezadovu::supports::database::mysql_family {

using namespace meta_model;
using helpers::DatabaseHelper;
using InspectorVtable = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

namespace {

constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

DataVersion state(MetaObject& o) { return o.get_version(); }

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

bool written(MetaObject& member, bool alter) {
    return alter ? (state(member) == kInsert || state(member) == kUpdate) : state(member) != kDelete;
}
bool dropped(MetaObject& member, bool with_update) {
    return state(member) == kDelete || (with_update && state(member) == kUpdate);
}

std::string column_list(const std::string& columns) {
    std::vector<std::string> names;
    for (const auto& part : split(columns, ',')) names.push_back(MySQLFamilyStatement::quoted(trimmed(part)));
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) out += (i ? ", " : "") + names[i];
    return out;
}

namespace {
// An entry "name(8) DESC" cut into its name and what follows it: a prefix length "(8)"
// and an order " ASC"/" DESC", each when present.
struct KeyEntry {
    std::string name, prefix, order;
};
KeyEntry key_entry_parts(const std::string& entry) {
    KeyEntry out{entry, "", ""};
    for (const char* order : {" ASC", " DESC"})
        if (ends_with(ascii_upper(out.name), order)) {
            out.order = out.name.substr(out.name.size() - std::string(order).size());
            out.name.resize(out.name.size() - out.order.size());
            break;
        }
    if (ends_with(out.name, ")")) {
        size_t open = out.name.rfind('(');
        std::string digits = open == std::string::npos ? "" : out.name.substr(open + 1, out.name.size() - open - 2);
        if (open != std::string::npos && open > 0 && !digits.empty() &&
            std::all_of(digits.begin(), digits.end(), [](char c) { return g_ascii_isdigit(c); })) {
            out.prefix = out.name.substr(open);
            out.name.resize(open);
        }
    }
    return out;
}
}  // namespace

std::string key_part(const std::string& entry, MetaTable* table) {
    if (table && table->get_column(entry.c_str())) return MySQLFamilyStatement::quoted(entry);
    // A functional key part is in parentheses, a quoted entry is SQL already.
    if (starts_with(entry, "(") || starts_with(entry, "`")) return entry;
    KeyEntry parts = key_entry_parts(entry);
    if (table) {
        if (table->get_column(parts.name.c_str()))
            return MySQLFamilyStatement::quoted(parts.name) + parts.prefix + parts.order;
        // Anything else but one plain name is SQL as read: an expression.
        bool plain = !entry.empty() && entry.find_first_of("()+-*/%<>=!&|^~'\"`,;: \t\r\n") == std::string::npos;
        return plain ? MySQLFamilyStatement::quoted(entry) : entry;
    }
    // Without the table every other entry names a column, however it is spelt.
    return MySQLFamilyStatement::quoted(parts.name) + parts.prefix + parts.order;
}

std::string terminated(const std::string& body) {
    std::string t = trimmed(body);
    return t.empty() || ends_with(t, ";") ? "" : ";";
}

std::string plugin_name(const std::string& plugin) {
    bool plain = !plugin.empty() &&
                 std::all_of(plugin.begin(), plugin.end(), [](char c) { return g_ascii_isalnum(c) || c == '_'; });
    return plain ? plugin : MySQLFamilyStatement::literal(plugin);
}

std::string number_of(const gobj::StringMap& attributes, const char* key) {
    return printf_text("%" G_GUINT64_FORMAT, g_ascii_strtoull(attributes.get_or(key, "0").c_str(), nullptr, 10));
}

// ---------------------------------------------------------------- tables

namespace {

using List = std::vector<std::string>;
const List kEnumSet = {"ENUM", "SET"};
const List kIntegers = {"TINYINT", "SMALLINT", "MEDIUMINT", "INT", "INTEGER", "BIGINT"};
const List kExact = {"DECIMAL", "NUMERIC"};
const List kApproximate = {"DOUBLE", "FLOAT", "REAL"};
const List kTemporal = {"DATETIME", "TIME", "TIMESTAMP"};
const List kCharacters = {"CHAR", "VARCHAR"};
const List kBytes = {"BINARY", "VARBINARY"};

// The longest VARCHAR every character set fits in a row (65,535 bytes at 4 bytes a
// character): a longer text of another product becomes LONGTEXT. No VARCHAR of the family
// is longer than a row's bytes.
constexpr gint64 kLongestVarchar = 16383;
constexpr gint64 kRowBytes = 65535;

}  // namespace

std::string sized_type(MetaColumn& column, const std::string& type, bool translated) {
    const std::string upper = ascii_upper(type);
    const gint64 length = column.get_length();
    const unsigned scale = column.get_scale();
    if (listed(kEnumSet, upper)) {
        std::string values = text(column.get_enum_values());
        if (!values.empty()) return type + "(" + values + ")";
        return translated ? std::string("LONGTEXT") : type;
    }
    if (upper == "BIT") return length > 0 ? printf_text("%s(%lld)", type.c_str(), (long long)length) : type;
    // The display width is the family's own (tinyint(1), zerofill): another product's
    // length on an integer means something else.
    if (listed(kIntegers, upper))
        return length > 0 && !translated ? printf_text("%s(%lld)", type.c_str(), (long long)length) : type;
    if (listed(kExact, upper)) {
        // An unbounded number (PostgreSQL numeric, SQLite NUMERIC) or one past DECIMAL's
        // 65 digits and 30 decimals has no decimal type to hold it: its text does.
        if (length <= 0 || length > 65 || scale > 30) return translated ? std::string("LONGTEXT") : type;
        return printf_text("%s(%lld, %u)", type.c_str(), (long long)length, scale);
    }
    // A FLOAT or DOUBLE without a scale is the plain type: (22, 0) would round it.
    if (listed(kApproximate, upper))
        return scale > 0 && length > 0 ? printf_text("%s(%lld, %u)", type.c_str(), (long long)length, scale) : type;
    // Fractions of a second: the digits the column declares. Another product's date-time
    // that declares none may still hold them (SQLite's texts, a reader that does not say):
    // it keeps the most the family holds rather than losing them.
    if (listed(kTemporal, upper)) {
        const unsigned digits = scale > 0 ? std::min(scale, 6u) : translated ? 6u : 0u;
        return digits > 0 ? printf_text("%s(%u)", type.c_str(), digits) : type;
    }
    // Text without a length, or longer than a row holds, is unbounded text: never a
    // shorter VARCHAR that rejects the longer values.
    if (listed(kCharacters, upper)) {
        if (length <= 0 || length > (translated ? kLongestVarchar : kRowBytes)) return "LONGTEXT";
        if (upper == "CHAR" && length > 255) return printf_text("VARCHAR(%lld)", (long long)length);
        return printf_text("%s(%lld)", type.c_str(), (long long)length);
    }
    if (listed(kBytes, upper)) {
        if (length <= 0 || length > (translated ? kLongestVarchar : kRowBytes)) return "LONGBLOB";
        if (upper == "BINARY" && length > 255) return printf_text("VARBINARY(%lld)", (long long)length);
        return printf_text("%s(%lld)", type.c_str(), (long long)length);
    }
    // A bit string wider than one bit is no boolean: TINYINT(1) would reject its values.
    if (translated && upper == "BOOLEAN" && length > 1 && length <= 64)
        return printf_text("BIT(%lld)", (long long)length);
    // A BLOB holds 65,535 bytes: longer or unbounded bytes of another product need LONGBLOB.
    if (translated && upper == "BLOB" && (length <= 0 || length > 65535)) return "LONGBLOB";
    // TEXT, BLOB and JSON types take no size (BLOB(255) would become TINYBLOB), nor do the
    // others.
    return type;
}

std::string option_value(const std::string& key, const std::string& value) {
    if (key != "COMPRESSION" && key != "DATA DIRECTORY" && key != "INDEX DIRECTORY" && key != "ENCRYPTION") return value;
    // Create options come back quoted ("ENCRYPTION='Y'"): quote the value once.
    std::string v = value;
    if (v.size() >= 2 && v.front() == '\'' && v.back() == '\'') v = v.substr(1, v.size() - 2);
    return MySQLFamilyStatement::literal(v);
}

std::string table_options(MetaTable& table, bool alter) {
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    std::string out = alter ? "    " : "";
    for (const auto& key : options.keys()) {
        auto value = options.get(key);
        if (key == "COMMENT" || !value || value->empty()) continue;
        out += key + " = " + option_value(key, *value) + (alter ? ", " : " ");
    }
    if (alter) {
        if (options.has("COMMENT"))
            out += "COMMENT = " + MySQLFamilyStatement::literal(options.get("COMMENT").value_or(""));
        else if (out.size() > 4)
            cut(out, 2);
    } else {
        if (std::string comment = text(table.get_comment()); !comment.empty())
            out += "COMMENT = " + MySQLFamilyStatement::literal(comment);
        else
            cut(out, 1);
    }
    return trimmed(out);
}

namespace {

// The key columns not being deleted in the key's own order.
std::vector<gobj::Ref<MetaColumn>> primary_columns(MetaTable& table) {
    std::vector<gobj::Ref<MetaColumn>> keys;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
        if (column->get_is_primary_key() && state(*column) != kDelete) keys.push_back(column);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        auto rank = [](const gobj::Ref<MetaColumn>& c) { return c->get_primary_ordinal() ? c->get_primary_ordinal() : 256; };
        return rank(a) < rank(b);
    });
    return keys;
}

// The column an index entry starts with: index entries are written as read, so one may be
// quoted (`a`, "a") or carry a length or order ("a(10) DESC").
std::string entry_column(const std::string& entry) {
    std::string item = trimmed(entry);
    if (!item.empty() && (item[0] == '`' || item[0] == '"')) {
        const char quote = item[0];
        std::string out;
        for (size_t i = 1; i < item.size(); ++i) {
            if (item[i] != quote) {
                out += item[i];
            } else if (i + 1 < item.size() && item[i + 1] == quote) {
                out += quote;
                ++i;
            } else {
                break;
            }
        }
        return out;
    }
    return item.substr(0, item.find_first_of(" (\t"));
}

// The column written AUTO_INCREMENT: the server takes one per table, and only one that
// leads a key (the primary key, an index or a unique constraint). A counting column of
// another product that is no such key (a second identity, an identity outside the key)
// is written as a plain column.
std::string counting_column(MetaTable& table) {
    std::vector<std::string> leaders;
    if (auto keys = primary_columns(table); !keys.empty()) leaders.push_back(text(keys.front()->get_name()));
    for (auto index : gobj::GeeArray<MetaIndex>::wrap(table.get_indexes()))
        if (state(*index) != kDelete)
            if (auto columns = gobj::StringArray::wrap(index->get_columns()).to_vector(); !columns.empty())
                leaders.push_back(entry_column(columns.front()));
    for (auto& unique : constraints_of<MetaUnique>(table))
        if (state(*unique) != kDelete) leaders.push_back(entry_column(split(text(unique->get_columns()), ',').front()));
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
        if (column->get_auto_increment() && state(*column) != kDelete) {
            const std::string name = text(column->get_name());
            return std::find(leaders.begin(), leaders.end(), name) != leaders.end() ? name : std::string();
        }
    return {};
}

}  // namespace

std::string primary_key_entry(MetaTable& table) {
    auto keys = primary_columns(table);
    if (keys.empty()) return {};
    std::string out = "    PRIMARY KEY (";
    for (size_t i = 0; i < keys.size(); ++i) {
        auto prefix = gobj::StringMap::wrap(GEE_MAP(keys[i]->get_attributes())).get(kPrimaryPrefix);
        out += (i ? ", " : "") + MySQLFamilyStatement::quoted(text(keys[i]->get_name())) +
               (prefix && !prefix->empty() ? "(" + *prefix + ")" : "");
    }
    return out + "),\n";
}

std::string trigger_statements(MetaTable& table, bool alter) {
    std::string out;
    std::string schema = text(table.get_schema());
    auto triggers = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
    if (alter)
        for (auto trigger : triggers)
            if (dropped(*trigger, true))
                out +=
                    "DROP TRIGGER IF EXISTS " + MySQLFamilyStatement::quoted(schema, text(trigger->get_name())) + ";\n";
    for (auto trigger : triggers) {
        if (!written(*trigger, alter)) continue;
        std::string body = text(trigger->get_body());
        out += "CREATE TRIGGER " + MySQLFamilyStatement::quoted(schema, text(trigger->get_name())) + "\n" +
               text(trigger->get_timing()) + " " + text(trigger->get_event()) + "\nON " +
               MySQLFamilyStatement::quoted(schema, text(table.get_name())) + " FOR EACH ROW\n" + body +
               terminated(body) + "\n\n";
    }
    if (!out.empty()) out += "\n";
    return out;
}

namespace {

const std::vector<std::string> kBtreeEngines = {"InnoDB", "MyISAM", "MEMORY", "NDB"};
const std::vector<std::string> kHashEngines = {"MEMORY", "NDB"};

// "    DROP <what> `name`,\n" for each member dropped.
template <class List>
std::string drop_lines(const List& members, const char* what, bool with_update) {
    std::string out;
    for (const auto& member : members)
        if (dropped(*member, with_update))
            out +=
                std::string("    DROP ") + what + " " + MySQLFamilyStatement::quoted(text(member->get_name())) + ",\n";
    return out;
}

// An entry's clauses closed: the last blank removed, ",\n" written.
std::string entry(std::string line) {
    cut(line, 1);
    return line + ",\n";
}

namespace {
// The fractions of a second a date-time type declares ("DATETIME(6)": 6), else 0.
unsigned fraction_digits(const std::string& type) {
    const size_t open = type.find('(');
    if (open == std::string::npos || !listed(kTemporal, ascii_upper(type.substr(0, open)))) return 0;
    return static_cast<unsigned>(g_ascii_strtoull(type.c_str() + open + 1, nullptr, 10));
}
}  // namespace

std::string column_entry(MetaColumn& column, const std::string& type, bool alter, bool inline_primary, bool counting,
                         const TableStyle& style) {
    std::string line = "    ";
    if (alter && state(column) == kInsert) line += "ADD COLUMN ";
    if (alter && state(column) == kUpdate) {
        std::string original = text(column.get_original());
        line += "CHANGE COLUMN " + MySQLFamilyStatement::quoted(original.empty() ? text(column.get_name()) : original) +
                " ";
    }
    line += MySQLFamilyStatement::quoted(text(column.get_name())) + " " + type + " ";
    if (column.get_is_unsigned()) line += "UNSIGNED ";
    if (column.get_is_fill_zero()) line += "ZEROFILL ";
    if (inline_primary) line += "PRIMARY KEY ";
    bool generated = column.get_is_virtual();
    if (generated) {
        if (column.get_is_generated_always()) line += "GENERATED ALWAYS ";
        line += "AS (" + text(column.get_expression()) + ") ";
        if (std::string kind = text(column.get_virtual_type()); !kind.empty()) line += kind + " ";
    }
    // A generated column has no default, and is nullable unless said otherwise (MariaDB
    // takes neither NULL nor NOT NULL there).
    if (column.get_not_null() && !(generated && style.mariadb))
        line += "NOT NULL ";
    else if (!generated)
        line += "NULL ";
    // The choice lists offer "EMPYT STRING" for the empty text.
    // The stamp's precision is the column's type's: the server takes no other.
    const unsigned digits = fraction_digits(type);
    const std::string stamp = digits ? printf_text("CURRENT_TIMESTAMP(%u)", digits) : std::string("CURRENT_TIMESTAMP");
    if (std::string value = text(column.get_default_value()); value == "EMPYT STRING" && !generated)
        line += "DEFAULT '' ";
    else if (!value.empty() && !generated)
        line += "DEFAULT " + (g_ascii_strcasecmp(value.c_str(), "CURRENT_TIMESTAMP") == 0 ? stamp : value) + " ";
    if (column.get_update_timestamp() && !generated) line += "ON UPDATE " + stamp + " ";
    if (counting) line += "AUTO_INCREMENT ";
    if (std::string comment = text(column.get_comment()); !comment.empty())
        line += "COMMENT " + MySQLFamilyStatement::literal(comment) + " ";
    if (std::string collation = text(column.get_collation()); !collation.empty())
        line += "COLLATE " + MySQLFamilyStatement::quoted(collation) + " ";
    if (alter) {
        std::string after = text(column.get_after());
        line += after.empty() ? "FIRST " : "AFTER " + MySQLFamilyStatement::quoted(after) + " ";
    }
    return entry(line);
}

template <class TypeOf>
std::string column_lines(MetaTable& table, const TypeOf& type_of, bool alter,
                         const TableStyle& style) {
    auto columns = gobj::GeeArray<MetaColumn>::wrap(table.get_columns());
    std::string out = alter ? drop_lines(columns, "COLUMN", false) : "";
    int keys = 0;
    bool prefixed = false;
    for (auto column : columns)
        if (column->get_is_primary_key() && written(*column, false)) {
            ++keys;
            prefixed = prefixed || gobj::StringMap::wrap(GEE_MAP(column->get_attributes())).has(kPrimaryPrefix);
        }
    // A key on a column's prefix has no inline form.
    bool inline_primary = !alter && style.mariadb && keys == 1 && !prefixed;
    const std::string counting = counting_column(table);
    for (auto column : columns)
        if (written(*column, alter))
            out += column_entry(*column, type_of(*column), alter, inline_primary && column->get_is_primary_key(),
                                !counting.empty() && text(column->get_name()) == counting, style);
    // Several key columns (MySQL: any) make one entry; alter texts leave the key alone.
    if (!alter && !inline_primary) out += primary_key_entry(table);
    return out;
}

// Key lengths for the columns a key of another product names whole, which the family
// keys only in part: column name -> "(n)".
using Prefixes = std::map<std::string, std::string>;

std::string index_lines(MetaTable& table, bool alter, const TableStyle& style, const Prefixes& prefixes = {}) {
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
    std::string out = alter ? drop_lines(indexes, "INDEX", true) : "";
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    std::string engine = options.has("ENGINE") ? options.get("ENGINE").value_or("") : "InnoDB";
    for (auto index : indexes) {
        if (!written(*index, alter)) continue;
        std::string kind = text(index->get_kind());
        std::string method = text(index->get_method());
        std::string using_method;
        // Only a method other than the engine's own: the catalogue names the method of
        // every index, and a USING the table never had would show in its definition.
        const bool memory = ascii_upper(engine) == "MEMORY" || ascii_upper(engine) == "HEAP";
        const bool own = method == (memory ? "HASH" : "BTREE");
        if (!own &&
            ((method == "BTREE" && listed(kBtreeEngines, engine)) || (method == "HASH" && listed(kHashEngines, engine))))
            using_method = "USING " + method + " ";
        std::string line = std::string("    ") + (alter ? "ADD " : "") + (kind.empty() ? "" : kind + " ") + "INDEX " +
                           MySQLFamilyStatement::quoted(text(index->get_name())) +
                           (style.mariadb ? " " + using_method : "") + "(";
        auto columns = gobj::StringArray::wrap(index->get_columns()).to_vector();
        for (size_t i = 0; i < columns.size(); ++i) {
            auto prefix = prefixes.find(columns[i]);
            line += (i ? ", " : "") + key_part(columns[i], &table) + (prefix == prefixes.end() ? "" : prefix->second);
        }
        line += ") ";
        if (index->get_key_block_size())
            line += printf_text("KEY_BLOCK_SIZE = %llu ", static_cast<unsigned long long>(index->get_key_block_size()));
        if (!style.mariadb) line += using_method;
        if (std::string parser = text(index->get_parser()); !style.mariadb && kind == "FULLTEXT" && !parser.empty())
            line += "WITH PARSER " + MySQLFamilyStatement::quoted(parser) + " ";
        if (std::string comment = text(index->get_comment()); !comment.empty())
            line += "COMMENT " + MySQLFamilyStatement::literal(comment) + " ";
        out += entry(line);
    }
    return out;
}

std::string foreign_lines(MetaTable& table, bool alter, const TableStyle& style) {
    auto keys = constraints_of<MetaForeignKey>(table);
    std::string out = alter ? drop_lines(keys, "FOREIGN KEY", true) : "";
    std::string schema = text(table.get_schema());
    for (auto& key : keys) {
        if (!written(*key, alter)) continue;
        std::string name = MySQLFamilyStatement::quoted(text(key->get_name()));
        std::string refer_schema = text(key->get_refer_schema()), refer_table = text(key->get_refer_table());
        bool elsewhere = style.mariadb && !refer_schema.empty() && refer_schema != schema;
        std::string line = std::string("    ") + (alter ? "ADD " : "") +
                           (style.mariadb ? "CONSTRAINT FOREIGN KEY " + name : "CONSTRAINT " + name + " FOREIGN KEY") +
                           "(" + column_list(text(key->get_local_columns())) + ") REFERENCES " +
                           (elsewhere ? MySQLFamilyStatement::quoted(refer_schema, refer_table)
                                      : MySQLFamilyStatement::quoted(refer_table)) +
                           "(" + column_list(text(key->get_refer_columns())) + ") ";
        if (std::string match = text(key->get_match_method()); !match.empty()) line += "MATCH " + match + " ";
        if (std::string action = text(key->get_update_action()); !action.empty()) line += "ON UPDATE " + action + " ";
        if (std::string action = text(key->get_delete_action()); !action.empty()) line += "ON DELETE " + action + " ";
        out += entry(line);
    }
    return out;
}

std::string check_lines(MetaTable& table, bool alter, const TableStyle& style) {
    auto checks = constraints_of<MetaCheck>(table);
    std::string out = alter ? drop_lines(checks, "CHECK", true) : "";
    for (auto& check : checks) {
        if (!written(*check, alter)) continue;
        std::string line = std::string("    ") + (alter ? "ADD " : "") + "CONSTRAINT " +
                           MySQLFamilyStatement::quoted(text(check->get_name())) + " CHECK (" +
                           text(check->get_check()) + ") ";
        if (style.enforced_words) line += check->get_enforced() ? "ENFORCED " : "NOT ENFORCED ";
        out += entry(line);
    }
    return out;
}

// Unique keys of another product (the family reads its own as indexes), as unique indexes.
std::string unique_lines(MetaTable& table) {
    std::string out;
    for (auto& unique : constraints_of<MetaUnique>(table)) {
        if (unique->get_is_primary_key() || state(*unique) == kDelete) continue;
        out += "    UNIQUE INDEX " + MySQLFamilyStatement::quoted(text(unique->get_name())) + " (" +
               column_list(text(unique->get_columns())) + "),\n";
    }
    return out;
}

// What a key of the family holds whole: 3,072 bytes in all (InnoDB's limit for a key and
// for each of its parts), at four bytes a character of utf8mb4.
constexpr gint64 kKeyBytes = 3072;
constexpr gint64 kCharacterBytes = 4;

bool unbounded_type(const std::string& type) { return type == "LONGTEXT" || type == "LONGBLOB"; }
gint64 unit_of(const std::string& type) { return type == "LONGTEXT" ? kCharacterBytes : 1; }

// The bytes a written type takes in a key.
gint64 key_bytes(const std::string& type) {
    const std::string upper = ascii_upper(type);
    const gint64 length = g_ascii_strtoll(type.c_str() + std::min(type.size(), type.find('(') + 1), nullptr, 10);
    if (starts_with(upper, "VARCHAR") || starts_with(upper, "CHAR")) return length * kCharacterBytes;
    if (starts_with(upper, "VARBINARY") || starts_with(upper, "BINARY")) return length;
    return 8;
}

struct KeyColumns {
    std::vector<std::string> columns;
    bool whole;  // a primary, unique or foreign key: it compares whole values
};

std::vector<KeyColumns> keys_of(MetaTable& table) {
    std::vector<KeyColumns> out;
    auto names = [](const std::string& list) {
        std::vector<std::string> columns;
        for (const auto& part : split(list, ',')) columns.push_back(trimmed(part));
        return columns;
    };
    KeyColumns primary{{}, true};
    for (auto& column : primary_columns(table)) primary.columns.push_back(text(column->get_name()));
    if (!primary.columns.empty()) out.push_back(primary);
    for (auto& unique : constraints_of<MetaUnique>(table))
        if (!unique->get_is_primary_key()) out.push_back({names(text(unique->get_columns())), true});
    for (auto& key : constraints_of<MetaForeignKey>(table)) out.push_back({names(text(key->get_local_columns())), true});
    for (auto index : gobj::GeeArray<MetaIndex>::wrap(table.get_indexes()))
        out.push_back({gobj::StringArray::wrap(index->get_columns()).to_vector(),
                       ascii_upper(text(index->get_kind())) == "UNIQUE"});
    return out;
}

// A key's share for each unbounded column in it: what the key's other columns leave,
// split evenly; each value of a column in `types` that is no key part stays out.
template <class Visit>
void share_keys(const std::vector<KeyColumns>& keys, const std::map<std::string, std::string>& types, const Visit& visit) {
    for (const auto& key : keys) {
        gint64 other = 0;
        std::vector<std::string> unbounded;
        for (const auto& name : key.columns) {
            auto type = types.find(name);
            if (type == types.end()) continue;
            if (unbounded_type(type->second))
                unbounded.push_back(name);
            else
                other += key_bytes(type->second);
        }
        for (const auto& name : unbounded) {
            const std::string& type = types.at(name);
            gint64 share = (kKeyBytes - other) / (static_cast<gint64>(unbounded.size()) * unit_of(type));
            visit(key, name, std::max<gint64>(share, 1));
        }
    }
}

}  // namespace

std::string table_text(MetaTable& table, const gobj::Ref<IConnection>& connection, bool raw_types, bool alter,
                       const TableStyle& style) {
    gobj::Ref<contracts::database::IInspectable> inspector;
    if (!raw_types && !alter) inspector = inspector_of(connection);
    auto mapped = [&](MetaColumn& column) -> std::string {
        if (raw_types || alter) return sized_type(column, text(column.get_raw_type()), false);
        if (!inspector) return {};
        return sized_type(column, gobj::call<&InspectorVtable::get_sql_type>(inspector, column.get_data_type()), true);
    };
    // A key of another product on an unbounded text or byte string: the family keys no
    // LONGTEXT whole. A primary, unique or foreign key compares whole values, so its column
    // becomes the longest VARCHAR (VARBINARY) the key holds: a prefix would take two values
    // alike in their first characters as equal. A plain key only finds rows, and keys a
    // prefix of the column, which stays unbounded.
    std::map<std::string, std::string> types;
    Prefixes prefixes;
    if (!raw_types && !alter) {
        for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
            types[text(column->get_name())] = mapped(*column);
        const auto keys = keys_of(table);
        std::map<std::string, gint64> bounded;
        share_keys(keys, types, [&](const KeyColumns& key, const std::string& name, gint64 share) {
            if (!key.whole) return;
            auto [at, fresh] = bounded.emplace(name, share);
            if (!fresh) at->second = std::min(at->second, share);
        });
        for (const auto& [name, length] : bounded)
            types[name] = printf_text(types[name] == "LONGTEXT" ? "VARCHAR(%lld)" : "VARBINARY(%lld)", (long long)length);
        share_keys(keys, types, [&](const KeyColumns&, const std::string& name, gint64 share) {
            auto [at, fresh] = prefixes.emplace(name, printf_text("(%lld)", (long long)share));
            if (!fresh && g_ascii_strtoll(at->second.c_str() + 1, nullptr, 10) > share)
                at->second = printf_text("(%lld)", (long long)share);
        });
    }
    auto type_of = [&](MetaColumn& column) -> std::string {
        auto known = types.find(text(column.get_name()));
        return known != types.end() ? known->second : mapped(column);
    };
    std::string clauses = column_lines(table, type_of, alter, style) + index_lines(table, alter, style, prefixes) +
                          (alter ? std::string() : unique_lines(table)) + foreign_lines(table, alter, style) +
                          check_lines(table, alter, style);
    return table_script(table, std::move(clauses), alter);
}

std::string table_script(MetaTable& table, std::string clauses, bool alter) {
    std::string name = MySQLFamilyStatement::quoted(text(table.get_schema()), text(table.get_name()));
    std::string options = table_options(table, alter);
    if (!alter) {
        std::string out = "CREATE TABLE IF NOT EXISTS " + name + " (\n" + clauses;
        if (out.size() > 2) cut(out, 2);
        out += "\n) " + options + ";\n" + trigger_statements(table, false);
        if (out.size() > 1) cut(out, 1);
        return out;
    }
    std::string out;
    if (options.size() >= 5)
        clauses += options;
    else
        cut(clauses, 2);
    if (!clauses.empty()) out = "ALTER TABLE " + name + "\n" + clauses + ";\n";
    return out + trigger_statements(table, true);
}

// ---------------------------------------------------------------- other objects

std::string view_text(MetaView& view, bool alter) {
    auto attributes = gobj::StringMap::wrap(GEE_MAP(view.get_attributes()));
    std::string out = alter ? "ALTER " : "CREATE ";
    if (auto algorithm = attributes.get("ALGORITHM")) out += "ALGORITHM = " + *algorithm + " ";
    if (auto user = attributes.get("DEFINER")) out += "DEFINER = " + account(*user) + " ";
    if (auto security = attributes.get("SECURITY")) out += "SQL SECURITY " + *security + " ";
    out += "VIEW " + MySQLFamilyStatement::quoted(text(view.get_schema()), text(view.get_name())) + " AS " +
           text(view.get_definition()) + "\n";
    if (auto check = attributes.get("CHECK")) out += "WITH " + *check + " CHECK OPTION";
    if (!ends_with(trimmed(out), ";")) out += ";";
    return out;
}

std::string routine_text(MetaFunction& function) {
    auto attributes = gobj::StringMap::wrap(GEE_MAP(function.get_attributes()));
    std::string out = "CREATE ";
    if (auto user = attributes.get("DEFINER")) out += "DEFINER = " + account(*user) + " ";
    out += std::string(function.get_is_function() ? "FUNCTION" : "PROCEDURE") + " " +
           MySQLFamilyStatement::quoted(text(function.get_name()));
    auto parameters = gobj::StringArray::wrap(function.get_parameters()).to_vector();
    if (parameters.empty()) {
        out += "() ";
    } else {
        out += "(";
        for (size_t i = 0; i < parameters.size(); ++i) out += (i ? ", " : "") + parameters[i];
        out += ") ";
    }
    if (function.get_is_function()) out += "RETURNS " + text(function.get_return_type()) + " ";
    for (const auto& key : attributes.keys()) {
        std::string value = attributes.get(key).value_or("");
        if (key == "DEFINER") continue;
        if (key == "DETERMINISTIC")
            out += std::string(value == "YES" ? "" : "NOT ") + "DETERMINISTIC ";
        else if (key == "DATA_ACCESS")
            out += value + " ";
        else if (key == "COMMENT")
            out += "COMMENT " + MySQLFamilyStatement::literal(value) + " ";
        else
            out += key + " " + value + " ";
    }
    cut(out, 1);
    std::string body = text(function.get_body());
    return out + "\nBEGIN\n  " + body + terminated(body) + "\nEND;";
}

Caller caller_text(MetaFunction& function) {
    Caller caller;
    std::string out = std::string(function.get_is_function() ? "SELECT " : "CALL ") +
                      MySQLFamilyStatement::quoted(text(function.get_schema()), text(function.get_name()));
    auto parameters = gobj::StringArray::wrap(function.get_parameters()).to_vector();
    if (parameters.empty()) {
        caller.text = out + "()";
        return caller;
    }
    std::string prefix;
    out += "(";
    for (const auto& parameter : parameters) {
        RegexMatch match(parameter_pattern(), parameter);
        std::string argument = "_";
        if (!match) {
            caller.unmatched.push_back(parameter);
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
    caller.text = prefix + out + ")";
    return caller;
}

std::string trigger_text(MetaTrigger& trigger) {
    std::string out = "CREATE ";
    if (std::string user = text(trigger.get_definer()); !user.empty()) out += "DEFINER = " + account(user) + " ";
    out += "TRIGGER " + MySQLFamilyStatement::quoted(text(trigger.get_name())) + " " + text(trigger.get_timing()) +
           " " + text(trigger.get_event()) + " ON " + MySQLFamilyStatement::quoted(text(trigger.get_target())) +
           " FOR EACH ROW ";
    if (std::string order = text(trigger.get_order()); !order.empty())
        out += order + " " + MySQLFamilyStatement::quoted(text(trigger.get_trigger())) + "\n";
    else
        out += "\n";
    std::string body = trimmed(text(trigger.get_body()));
    return out + "BEGIN\n " + body + terminated(body) + "\nEND;\n";
}

std::string event_text(MetaEvent& event, bool alter) {
    std::string out = alter ? "ALTER " : "CREATE ";
    std::string user = text(event.get_definer());
    if (!user.empty()) out += "DEFINER = " + account(user) + " ";
    out += alter ? "EVENT " : user.empty() ? "EVENT IF NOT EXISTS" : "EVENT IF NOT EXISTS ";
    out += MySQLFamilyStatement::quoted(text(event.get_schema()), text(event.get_name())) + "\n";
    out += "\tON SCHEDULE " + text(event.get_schedule()) + " ";
    out += "ON COMPLETION " + text(event.get_completion()) + " ";
    out += event_state(text(event.get_state())) + "\n";
    if (std::string comment = text(event.get_comment()); !comment.empty())
        out += "\tCOMMENT " + MySQLFamilyStatement::literal(comment) + "\n";
    std::string body = text(event.get_body());
    return out + "\tDO BEGIN\n\t\t" + body + terminated(body) + "\n\tEND\n";
}

std::string tls_clause(const gobj::StringMap& attributes) {
    std::string ssl = attributes.get_or("SSL_TYPE", "");
    if (ssl == "NONE") return "REQUIRE NONE ";
    if (ssl == "ANY") return "REQUIRE SSL ";
    if (ssl == "X509") return "REQUIRE X509 ";
    if (ssl != "SPECIFIED") return {};
    std::string out;
    const char* head = "REQUIRE ";
    for (auto [key, word] : {std::pair{"X509_ISSUER", "ISSUER"}, {"X509_SUBJECT", "SUBJECT"}, {"X509_CIPHER", "CIPHER"}}) {
        std::string value = attributes.get_or(key, "");
        if (value.empty()) continue;
        out += std::string(head) + word + " " + MySQLFamilyStatement::literal(value) + " ";
        head = "AND ";
    }
    return out;
}

std::string expiry_clause(const gobj::StringMap& attributes) {
    std::string policy = attributes.get_or("PASSWORD_POLICY", "");
    if (policy == "DEFAULT") return "PASSWORD EXPIRE DEFAULT ";
    if (policy == "IMMEDIATE") return "PASSWORD EXPIRE ";
    if (policy == "INTERVAL") return "PASSWORD EXPIRE INTERVAL " + number_of(attributes, "PASSWORD_LIFETIME") + " DAY ";
    if (policy == "NEVER") return "PASSWORD EXPIRE NEVER ";
    return {};
}

std::string alter_database_text(MetaDatabase& database_old, MetaDatabase& database_new) {
    auto before = gobj::StringMap::wrap(GEE_MAP(database_old.get_attributes()));
    auto after = gobj::StringMap::wrap(GEE_MAP(database_new.get_attributes()));
    std::string head = "ALTER DATABASE " + MySQLFamilyStatement::quoted(text(database_new.get_name())) + "\n";
    std::string out = head;
    for (const char* key : {"CHARACTER SET", "COLLATE"}) {
        auto value = after.get(key);
        if (value && before.get(key) != value)
            out += std::string("  ") + key + " = " + MySQLFamilyStatement::literal(*value) + "\n";
    }
    if (text(database_old.get_comment()) != text(database_new.get_comment()))
        out += "  COMMENT = " + MySQLFamilyStatement::literal(text(database_new.get_comment())) + "\n";
    if (out == head) return std::string();
    cut(out, 1);
    return out + ";";
}

std::string drop_text(MetaObject& object, bool schema_events) {
    std::string name = text(object.get_name());
    auto drop = [&](const char* what, const std::string& object_name) {
        return std::string("DROP ") + what + " IF EXISTS " + MySQLFamilyStatement::quoted(object_name) + ";";
    };
    switch (object.character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return drop("DATABASE", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return drop("EVENT", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return drop("FUNCTION", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX:
            return "DROP INDEX " + MySQLFamilyStatement::quoted(name) + " ON " +
                   MySQLFamilyStatement::quoted(text(dynamic_cast<MetaIndex&>(object).get_entity())) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE: return drop("PROCEDURE", name);
        // An account named without a host is the account of any host: `name`@`%`.
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return "DROP ROLE IF EXISTS " + account(name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: {
            auto& schema = dynamic_cast<MetaSchema&>(object);
            std::string out;
            for (auto table : gobj::GeeArray<MetaTable>::wrap(schema.get_tables()))
                out += drop("TABLE", text(table->get_name()));
            for (auto view : gobj::GeeArray<MetaView>::wrap(schema.get_views())) out += drop("VIEW", text(view->get_name()));
            for (GeeArrayList* routines : {schema.get_functions(), schema.get_procedures()})
                for (auto routine : gobj::GeeArray<MetaFunction>::wrap(routines))
                    out += drop(routine->get_is_function() ? "FUNCTION" : "PROCEDURE", text(routine->get_name()));
            if (schema_events)
                for (auto event : gobj::GeeArray<MetaEvent>::wrap(schema.get_events()))
                    out += drop("EVENT", text(event->get_name()));
            return out;
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return drop("TABLE", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return drop("TRIGGER", name);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return "DROP USER IF EXISTS " + account(name) + ";";
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return drop("VIEW", name);
        default: return std::string();
    }
}

// ---------------------------------------------------------------- dispatch

Text create_by_kind(SqlBuilder& builder, MetaObject& object, bool raw_types, bool with_procedures) {
    switch (object.character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return builder.create_database(dynamic_cast<MetaDatabase*>(&object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return builder.build_event(dynamic_cast<MetaEvent*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            if (!with_procedures) return std::string();
            [[fallthrough]];
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
            return builder.build_function(dynamic_cast<MetaFunction*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return builder.build_index(dynamic_cast<MetaIndex*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return builder.build_role(dynamic_cast<MetaRole*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return builder.build_schema(dynamic_cast<MetaSchema*>(&object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return builder.build_table(dynamic_cast<MetaTable*>(&object), raw_types);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return builder.build_trigger(dynamic_cast<MetaTrigger*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return builder.build_user(dynamic_cast<MetaUser*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return builder.build_view(dynamic_cast<MetaView*>(&object));
        default: return std::string();
    }
}

Text patch_by_kind(SqlBuilder& builder, MetaObject& object, bool raw_types, bool with_procedures) {
    DataVersion version = state(object);
    auto by_state = [&](auto create, auto update) -> Text {
        if (version == kInsert) return create();
        if (version == kUpdate) return update();
        if (version == kDelete) return builder.build_delete(&object);
        return std::string();
    };
    // A changed event or routine is dropped and made again.
    auto recreate = [&](auto create) {
        return [&builder, &object, create] { return builder.build_delete(&object).value_or("") + "\n" + create().value_or(""); };
    };
    switch (object.character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: {
            auto create = [&] { return builder.build_event(dynamic_cast<MetaEvent*>(&object)); };
            return by_state(create, recreate(create));
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            if (!with_procedures) return std::string();
            [[fallthrough]];
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: {
            auto create = [&] { return builder.build_function(dynamic_cast<MetaFunction*>(&object)); };
            return by_state(create, recreate(create));
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: {
            auto* table = dynamic_cast<MetaTable*>(&object);
            return by_state([&] { return builder.build_table(table, raw_types); },
                            [&] { return builder.patch_table(table); });
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: {
            auto* view = dynamic_cast<MetaView*>(&object);
            return by_state([&] { return builder.build_view(view); }, [&] { return builder.patch_view(view); });
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return builder.build_role(dynamic_cast<MetaRole*>(&object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return builder.build_user(dynamic_cast<MetaUser*>(&object));
        default: return std::string();
    }
}

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
