// Tables of the SQL Server builder: CREATE TABLE with its columns, keys, constraints,
// inline indexes, storage and triggers; standalone and patch indexes; the enable/disable
// state statements; and the table patch.
#include <algorithm>
#include <map>

#include "providers/contracts/model_table.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/helpers/helper_date_time.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlserver/builder.hpp"
#include "rezezadovu/supports/database/sqlserver/builder_parts.hpp"
#include "rezezadovu/supports/database/sqlserver/connection.hpp"

TARVELIN_LOG_TAG("builder")

namespace {
// The types written with their length in parentheses (no terminating entry).
const gchar* const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_BUILDER_SIZABLE_TYPES[6] = {
    "CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "BINARY", "VARBINARY"};
}  // namespace

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using namespace sqlserver;
using Text = SQLServerBuilder::Text;
using IConnectionVt = TarvelinRezezadovuContractsDatabaseIConnectionInterface;
using IInspectableVt = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

namespace {

constexpr DataVersion kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr DataVersion kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;
constexpr DataVersion kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr DataVersion kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;

std::string number(gint64 n) { return gobj::take_string(g_strdup_printf("%" G_GINT64_FORMAT, n)); }

// The size clause of a column by the type written: the length, (MAX) for the variable
// types without a length or beyond their limit, precision and scale for exact numerics,
// otherwise a single blank.
std::string size_clause(const std::string& type, gint64 length, guint scale) {
    const auto& sizable = TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_BUILDER_SIZABLE_TYPES;
    if (std::find(std::begin(sizable), std::end(sizable), type) != std::end(sizable)) {
        bool variable = type == "VARCHAR" || type == "NVARCHAR" || type == "VARBINARY";
        gint64 limit = type == "NVARCHAR" ? 4000 : 8000;
        if (variable && (length <= 0 || length > limit)) return "(MAX) ";
        return length > 0 ? "(" + number(length) + ") " : " ";
    }
    if (type == "DECIMAL" || type == "NUMERIC") {
        // Without a precision (another product's unbounded numeric) the widest, with room
        // for decimals: DECIMAL alone would keep none.
        if (length <= 0) return "(38, " + number(scale > 0 ? scale : 10) + ") ";
        return "(" + number(length) + ", " + number(scale) + ") ";
    }
    return " ";
}

// A column default as written after DEFAULT.
std::string default_text(const std::string& value) { return value == "EMPYT STRING" ? "''" : value; }

// A collation name, which goes in without quotes: letters, digits and underscores only.
bool plain_word(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return g_ascii_isalnum(c) || c == '_'; });
}

// NO_ACTION and SET_NULL as the catalogue names them; T-SQL writes them with a blank.
std::string referential_action(std::string action) {
    std::replace(action.begin(), action.end(), '_', ' ');
    return action;
}

// A compression kind as the WITH list wants it: the catalogue's codes become words.
std::string compression_word(const std::string& kind) {
    static const std::map<std::string, std::string> words = {
        {"0", "NONE"}, {"1", "ROW"}, {"2", "PAGE"}, {"3", "COLUMNSTORE"}, {"4", "COLUMNSTORE_ARCHIVE"},
        {"true", "ON"}, {"false", "OFF"}};
    auto it = words.find(kind);
    return it == words.end() ? kind : it->second;
}

// "    NAME = KIND ON PARTITIONS (p,q),\n" per kind, kinds in order of first appearance.
std::string make_compression_sql(const std::string& name, const std::string& values) {
    std::vector<std::pair<std::string, std::vector<std::string>>> kinds;
    for (const auto& item : items(values)) {
        auto eq = item.find('=');
        std::string partition = trimmed(item.substr(0, eq));
        std::string kind = eq == std::string::npos ? std::string() : compression_word(trimmed(item.substr(eq + 1)));
        auto it = std::find_if(kinds.begin(), kinds.end(), [&](const auto& k) { return k.first == kind; });
        if (it == kinds.end()) it = kinds.insert(kinds.end(), {kind, {}});
        it->second.push_back(partition);
    }
    std::string sql;
    for (const auto& [kind, partitions] : kinds)
        sql += "    " + name + " = " + kind + " ON PARTITIONS (" + joined(partitions, ",") + "),\n";
    return sql;
}

// The child name of a change key: everything after the first ".".
std::string member_name(const std::string& key) {
    auto dot = key.find('.');
    return dot == std::string::npos ? std::string() : key.substr(dot + 1);
}
bool starts_with(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }
bool any_key_starting(const std::vector<std::string>& keys, std::string_view prefix) {
    return std::any_of(keys.begin(), keys.end(), [&](const std::string& k) { return starts_with(k, prefix); });
}

template <class T>
gobj::Ref<T> named(const std::vector<gobj::Ref<T>>& list, const std::string& name) {
    for (const auto& item : list)
        if (name == text_or_empty(item->get_name())) return item;
    return {};
}

// A member whose changes go beyond its description and state, which a patch writes by
// dropping and creating it again.
bool recreated(const MetaObject& member) {
    for (const auto& key : Changes(member).keys())
        if (key != "comment" && key != "attributes.STATE") return true;
    return false;
}
bool description_only(const MetaObject& member) {
    auto keys = Changes(member).keys();
    return keys.size() == 1 && keys.front() == "comment";
}

// Drops the handled key of a member, and the member's key of the table once the member
// has no changes left.
void settle(const Changes& table_changes, const std::string& table_key, const MetaObject& member, const char* key) {
    Changes own(member);
    own.remove(key);
    if (own.empty()) table_changes.remove(table_key);
}

struct TableNames {
    explicit TableNames(MetaTable& table)
        : schema(text_or_empty(table.get_schema())), name(text_or_empty(table.get_name())),
          qualified_name(qualified(schema, name)) {}
    std::string schema, name, qualified_name;
    std::string alter() const { return "ALTER TABLE " + qualified_name + " "; }
};

// The schema of a table's trigger: its own, or the table's when it names none (a DML
// trigger always lives in its table's schema).
std::string trigger_schema(MetaTrigger& trigger, const TableNames& t) {
    std::string own = text_or_empty(trigger.get_schema());
    return own.empty() ? t.schema : own;
}

// The column list and the clauses after it of the patch and inline index forms.
std::string index_columns(MetaIndex& index, const std::vector<std::string>& columns) {
    std::vector<std::string> entries;
    for (const auto& entry : gobj::StringArray::wrap(index.get_columns()).to_vector())
        entries.push_back(key_entry(entry, columns));
    return "(" + joined(entries, ", ") + ") ";
}
std::string index_tail(MetaIndex& index, const std::vector<std::string>& columns) {
    std::string sql;
    std::string include = text_or_empty(index.get_include());
    std::string where = text_or_empty(index.get_where());
    std::string with = text_or_empty(index.get_with());
    std::string space = text_or_empty(index.get_table_space());
    std::string stream = attribute_or_empty(index, "FILESTREAM");
    if (!include.empty()) sql += "INCLUDE (" + key_list(include, columns, ", ", false) + ") ";
    if (!where.empty()) sql += "WHERE " + where + " ";
    if (!with.empty()) sql += "WITH (" + with + ") ";
    if (!space.empty()) sql += "ON " + space + " ";
    if (!stream.empty()) sql += "FILESTREAM_ON " + stream + " ";
    return sql;
}
// An index without columns writes nothing (the model requires one); said once per form.
bool has_columns(MetaIndex& index) {
    if (gobj::StringArray::wrap(index.get_columns()).size() > 0) return true;
    tlog_warning("Index %s has no columns; it is not written.", text_or_empty(index.get_name()).c_str());
    return false;
}
std::string unique_and_clustering(MetaIndex& index) {
    return std::string(flag(index, "UNIQUE") ? "UNIQUE " : "") +
           (index.get_is_clustered() ? "CLUSTERED " : "NONCLUSTERED ");
}

}  // namespace

// ---------------------------------------------------------------- columns

std::string SQLServerBuilder::primary_key_name(std::string_view table, std::string_view compact_time) {
    std::string hmac = gobj::take_string(g_compute_hmac_for_data(
        G_CHECKSUM_SHA1, reinterpret_cast<const guchar*>(table.data()), table.size(),
        reinterpret_cast<const guchar*>(compact_time.data()), compact_time.size()));
    return "PK__" + std::string(table) + "__" + upper(hmac.substr(20, 20));
}

std::vector<std::string> SQLServerBuilder::load_collations() {
    std::vector<std::string> names;
    try {
        auto inspector = SQLServerConnection::adopted<contracts::database::IInspectable>(
            gobj::call<&IConnectionVt::inspector>(SQLServerConnection::require(*this)));
        if (!inspector) return names;
        auto queries = gobj::call<&IInspectableVt::support>(inspector, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_META_TYPE_COLLATION);
        if (queries.empty()) return names;
        for (auto row : dialect::CatalogRows(SQLServerConnection::model_of(*this, queries.front())))
            names.push_back(row.text("name"));
    } catch (const gobj::Error& e) {
        TARVELIN_UNCAUGHT(e);
        names.clear();
    }
    return names;
}

std::string SQLServerBuilder::column_type(MetaColumn& column, bool raw_types) {
    std::string raw = text_or_empty(column.get_raw_type());
    if (raw_types && !raw.empty()) return raw;
    // A column without a raw type takes the inspector's type for its value type too.
    auto conn = connection();
    if (!conn) return raw;
    auto inspector = SQLServerConnection::adopted<contracts::database::IInspectable>(
        gobj::call<&IConnectionVt::inspector>(conn));
    if (!inspector) return raw;
    return gobj::call<&IInspectableVt::get_sql_type>(inspector, column.get_data_type());
}

std::string SQLServerBuilder::build_column_body(MetaColumn& column, std::string_view written_type,
                                                const std::vector<std::string>& collations, bool with_values) {
    std::string sql = size_clause(upper(written_type), column.get_length(), column.get_scale());
    if (flag(column, "FILESTREAM")) sql += "FILESTREAM ";
    std::string collation = text_or_empty(column.get_collation());
    if (!collation.empty() && has_item(collations, collation)) sql += "COLLATE " + collation + " ";
    if (flag(column, "SPARSE")) sql += "SPARSE ";
    if (auto mask = attribute(column, "MASKED"))
        sql += SQLServerStatement::fill("MASKED WITH (FUNCTION = '%s') ", {*mask});
    std::string fallback = text_or_empty(column.get_default_value());
    if (!fallback.empty()) {
        sql += "DEFAULT " + default_text(fallback) + " ";
        if (with_values) sql += "WITH VALUES ";
    }
    std::string identity = text_or_empty(column.get_identity());
    const bool counting = !identity.empty() || (column.get_auto_increment() && fallback.empty());
    if (!identity.empty())
        sql += "IDENTITY " + identity + " ";
    else if (counting)
        sql += "IDENTITY(1,1) ";  // another product's counting column
    if (flag(column, "REPLICATION")) sql += "NOT FOR REPLICATION ";
    if (auto method = attribute(column, "VERSION_METHOD")) {
        sql += "GENERATED ALWAYS AS " + *method + " ";
        if (auto position = attribute(column, "VERSION_POSITION")) sql += *position + " ";
    }
    // An identity is never null (SQLite's counting key reads as nullable).
    sql += column.get_not_null() || counting ? "NOT NULL " : "NULL ";
    if (flag(column, "ROWGUIDCOL")) sql += "ROWGUIDCOL ";
    chop(sql, 1);
    return sql + ",\n";
}

std::string SQLServerBuilder::build_primary_key(MetaTable& table, bool alter) {
    std::vector<std::string> keys;
    for (auto column : members<MetaColumn>(table.get_columns()))
        if (column->get_is_primary_key()) keys.push_back(SQLServerStatement::quoted(text_or_empty(column->get_name())));
    if (keys.empty()) return std::string();
    TableNames t(table);
    std::string name = primary_key_name(t.name, helpers::DateTimeHelper::datetime_as_compact());
    return (alter ? t.alter() + "ADD " : std::string("    ")) + "CONSTRAINT " + SQLServerStatement::quoted(name) +
           " PRIMARY KEY (" + joined(keys, ", ") + (alter ? ");\n" : "),\n");
}

// ---------------------------------------------------------------- constraints

namespace {

// Inline: four blanks and ",\n"; in a patch: ALTER TABLE ... ADD and ";\n".
std::string constraint_clause(const TableNames& t, std::string body, bool patch) {
    chop(body, 1);
    return patch ? t.alter() + "ADD " + body + ";\n" : "    " + body + ",\n";
}

std::string check_body(MetaCheck& check, const std::vector<std::string>&) {
    return "CONSTRAINT " + SQLServerStatement::quoted(text_or_empty(check.get_name())) + " " +
           (flag(check, "REPLICATION") ? "NOT FOR REPLICATION " : "") + "CHECK (" + text_or_empty(check.get_check()) +
           ") ";
}

std::string unique_body(MetaUnique& unique, const std::vector<std::string>& columns) {
    std::string sql = "CONSTRAINT " + SQLServerStatement::quoted(text_or_empty(unique.get_name())) + " UNIQUE " +
                      (flag(unique, "CLUSTERED") ? "CLUSTERED " : "NONCLUSTERED ") + "(" +
                      key_list(text_or_empty(unique.get_columns()), columns, ",") + ") ";
    if (auto fill_factor = attribute(unique, "WITH_FILLFACTOR")) sql += "WITH FILLFACTOR = " + *fill_factor + " ";
    if (auto options = attribute(unique, "WITH_INDEX_OPTIONS")) sql += "WITH (" + *options + ") ";
    std::string space = text_or_empty(unique.get_table_space());
    if (!space.empty()) sql += "ON " + space + " ";
    return sql;
}

// The referenced table's columns are not at hand: its entries are names as they stand.
std::string foreign_body(MetaForeignKey& key, const std::vector<std::string>& columns) {
    std::string sql = "CONSTRAINT " + SQLServerStatement::quoted(text_or_empty(key.get_name())) + " FOREIGN KEY(" +
                      key_list(text_or_empty(key.get_local_columns()), columns, ",") + ") REFERENCES " +
                      qualified(text_or_empty(key.get_refer_schema()), text_or_empty(key.get_refer_table())) + "(" +
                      key_list(text_or_empty(key.get_refer_columns()), {}, ",") + ") ";
    std::string on_delete = text_or_empty(key.get_delete_action());
    std::string on_update = text_or_empty(key.get_update_action());
    if (!on_delete.empty()) sql += "ON DELETE " + referential_action(on_delete) + " ";
    if (!on_update.empty()) sql += "ON UPDATE " + referential_action(on_update) + " ";
    if (flag(key, "REPLICATION")) sql += "NOT FOR REPLICATION ";
    return sql;
}

// The constraints of class T: all of them inline; in a patch those whose key is present
// with a change other than IDENTICAL and DELETE, and after a re-created one its
// description, which the drop took with it.
template <class T, class Body>
std::string constraints_of(MetaTable& table, bool patch, Body body) {
    TableNames t(table);
    Changes changes(table);
    const auto columns = column_names(table);
    std::string sql;
    for (auto constraint : members<MetaConstraint>(table.get_constraints())) {
        if (!is<T>(constraint)) continue;
        auto& typed = static_cast<T&>(*constraint);
        std::string name = text_or_empty(typed.get_name());
        if (patch) {
            std::string key = "constraints." + name;
            DataVersion change = changes.get(key);
            if (!changes.has(key) || change == kIdentical || change == kDelete) continue;
            sql += constraint_clause(t, body(typed, columns), true);
            std::string comment = text_or_empty(typed.get_comment());
            if (change == kUpdate && !comment.empty())
                sql += Description::member(t.schema, t.name, "CONSTRAINT", name).add(comment);
            continue;
        }
        sql += constraint_clause(t, body(typed, columns), false);
    }
    return sql;
}

}  // namespace

std::string SQLServerBuilder::build_table_checks(MetaTable& table, bool patch) {
    return constraints_of<MetaCheck>(table, patch, check_body);
}
std::string SQLServerBuilder::build_table_uniques(MetaTable& table, bool patch) {
    return constraints_of<MetaUnique>(table, patch, unique_body);
}
std::string SQLServerBuilder::build_table_foreigns(MetaTable& table, bool patch) {
    return constraints_of<MetaForeignKey>(table, patch, foreign_body);
}

// ---------------------------------------------------------------- storage

std::string SQLServerBuilder::build_table_options(MetaTable& table) {
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    std::string clauses, with;
    auto place = [&](const char* key, const char* keyword) {
        if (auto value = options.get(key))
            clauses += std::string("  ") + keyword + SQLServerStatement::quoted(*value) + " \n";
    };
    place("FILEGROUP_ON", "ON ");
    place("TEXTIMAGE_ON", "TEXTIMAGE_ON ");
    place("FILESTREAM_ON", "FILESTREAM_ON ");
    auto scheme = options.get("PARTITION_SCHEMA");
    auto column = options.get("PARTITION_COLUMN");
    if (scheme && column)
        clauses += "  ON " + SQLServerStatement::quoted(*scheme) + "(" + SQLServerStatement::quoted(*column) + ") \n";
    place("PARTITION_STREAM", "FILESTREAM_ON ");

    auto compression = [&](const std::string& name) {
        auto partitions = options.get(name + "_PARTITIONS");
        auto whole = options.get(name);
        if (partitions) {
            with += make_compression_sql(name, *partitions);
        } else if (whole) {
            with += "    " + name + " = " + compression_word(*whole) + ",\n";
        }
    };
    compression("DATA_COMPRESSION");
    compression("XML_COMPRESSION");
    if (options.has("SYSTEM_VERSIONING")) {
        with += "    SYSTEM_VERSIONING = ON";
        auto history_schema = options.get("HISTORY_TABLE_SCHEMA");
        auto history_name = options.get("HISTORY_TABLE_NAME");
        if (history_schema && history_name) {
            with += " ( HISTORY_TABLE = " + qualified(*history_schema, *history_name);
            if (auto check = options.get("DATA_CONSISTENCY_CHECK"))
                with += std::string(", DATA_CONSISTENCY_CHECK = ") + (*check == "true" ? "ON" : "OFF");
            with += " )";
        }
        with += ",\n";
    }

    if (!with.empty()) {
        chop(with, 2);
        return clauses + "  WITH (\n" + with + "\n  );\n";
    }
    chop(clauses, 2);
    return clauses + ";\n";
}

// ---------------------------------------------------------------- indexes

Text SQLServerBuilder::build_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return {};
    if (!has_columns(*index)) return std::string();
    std::string kind = text_or_empty(index->get_kind());
    // Uniqueness and clustering are part of the index, also when it stands alone.
    std::string sql = "CREATE " + std::string(flag(*index, "UNIQUE") ? "UNIQUE " : "") +
                      (index->get_is_clustered() ? "CLUSTERED " : "") + (kind.empty() ? "" : kind + " ") + "INDEX " +
                      SQLServerStatement::quoted(text_or_empty(index->get_name())) + " ON " +
                      qualified(text_or_empty(index->get_schema()), text_or_empty(index->get_entity())) + "( \n";
    // The table's columns are not at hand: every entry is a name (SQL Server keys hold
    // columns only).
    for (const auto& column : gobj::StringArray::wrap(index->get_columns()).to_vector())
        sql += "    " + key_entry(column, {}) + ",\n";
    chop(sql, 2);
    sql += "\n) ";
    std::string include = text_or_empty(index->get_include());
    std::string where = text_or_empty(index->get_where());
    std::string with = text_or_empty(index->get_with());
    if (!include.empty()) sql += "INCLUDE (" + key_list(include, {}, ", ", false) + ") ";
    if (!where.empty()) sql += "WHERE " + where + " ";
    if (!with.empty()) sql += "WITH " + with + " ";
    chop(sql, 1);
    return sql + ";";
}

std::string SQLServerBuilder::build_index_patch(MetaTable& table, MetaIndex& index) {
    if (!has_columns(index)) return std::string();
    TableNames t(table);
    std::string name = text_or_empty(index.get_name());
    std::string kind = text_or_empty(index.get_kind());
    const auto columns = column_names(table);
    std::string sql = "CREATE " + unique_and_clustering(index) + (kind.empty() ? "" : kind + " ") + "INDEX " +
                      SQLServerStatement::quoted(name) + " ON " + t.qualified_name + " " +
                      index_columns(index, columns) + index_tail(index, columns);
    chop(sql, 1);
    sql += ";\n";
    if (flag(index, "STATE"))
        sql += "ALTER INDEX " + SQLServerStatement::quoted(name) + " ON " + t.qualified_name + " DISABLE;\n";
    std::string comment = text_or_empty(index.get_comment());
    if (!comment.empty()) sql += Description::member(t.schema, t.name, "INDEX", name).add(comment);
    return sql;
}

std::string SQLServerBuilder::build_index_body(MetaIndex& index, const std::vector<std::string>& columns) {
    if (!has_columns(index)) return std::string();
    std::string kind = text_or_empty(index.get_kind());
    std::string sql = "    INDEX " + SQLServerStatement::quoted(text_or_empty(index.get_name())) + " " +
                      unique_and_clustering(index) + (kind.empty() ? "" : kind + " ") + index_columns(index, columns) +
                      index_tail(index, columns);
    chop(sql, 1);
    return sql + ",\n";
}

std::string SQLServerBuilder::build_table_indexes(MetaTable& table, bool patch) {
    std::string sql;
    auto indexes = members<MetaIndex>(table.get_indexes());
    if (!patch) {
        const auto columns = column_names(table);
        for (const auto& index : indexes) sql += build_index_body(*index, columns);
        return sql;
    }
    // Deleted and re-created indexes were dropped with the constraints.
    TableNames t(table);
    Changes changes(table);
    for (const auto& index : indexes) {
        std::string key = "indexes." + text_or_empty(index->get_name());
        if (!changes.has(key)) continue;
        DataVersion change = changes.get(key);
        if (change == kInsert) {
            sql += build_index_patch(table, *index);
        } else if (change == kUpdate) {
            if (description_only(*index)) {
                sql += Description::member(t.schema, t.name, "INDEX", text_or_empty(index->get_name()))
                           .patch(text_or_empty(index->get_comment()));
            } else {
                sql += build_index_patch(table, *index);
            }
        }
    }
    return sql;
}

// ---------------------------------------------------------------- triggers

std::string SQLServerBuilder::build_table_trigger_body(MetaTable& table, MetaTrigger& trigger, bool alter) {
    TableNames t(table);
    std::string sql = std::string(alter ? "ALTER" : "CREATE") + " TRIGGER " +
                      SQLServerStatement::quoted(text_or_empty(trigger.get_name())) + " ON " + t.qualified_name + "\n";
    std::vector<std::string> options;
    if (flag(trigger, "ENCRYPTION")) options.push_back("ENCRYPTION");
    std::string executor = execute_as(trigger);
    if (!executor.empty()) options.push_back(executor);
    if (!options.empty()) sql += "  WITH " + joined(options, ",") + "\n";
    sql += "  " + text_or_empty(trigger.get_timing()) + " " + text_or_empty(trigger.get_event()) + "\n";
    if (flag(trigger, "WITH_APPEND")) sql += "  WITH APPEND\n";
    if (flag(trigger, "REPLICATION")) sql += "  NOT FOR REPLICATION\n";
    if (attribute(trigger, "DEFINITION_TYPE") == "EXTERNAL") {
        sql += "  EXTERNAL NAME " + text_or_empty(trigger.get_function()) + "\n";
    } else {
        sql += "  AS " + text_or_empty(trigger.get_body()) + "\n";
    }
    return sql + "GO\n";
}

std::string SQLServerBuilder::build_table_triggers(MetaTable& table, bool patch) {
    TableNames t(table);
    Changes changes(table);
    std::string sql;
    // CREATE and ALTER TRIGGER must begin a batch; each trigger text ends its own.
    auto trigger_text = [&](MetaTrigger& trigger, bool alter) {
        if (!ends_with(sql, "GO\n")) sql += "GO\n";
        sql += build_table_trigger_body(table, trigger, alter);
    };
    auto triggers = members<MetaTrigger>(table.get_triggers());
    for (const auto& trigger : triggers) {
        std::string name = text_or_empty(trigger->get_name());
        std::string comment = text_or_empty(trigger->get_comment());
        Description description = Description::member(t.schema, t.name, "TRIGGER", name);
        std::string key = "triggers." + name;
        DataVersion change = patch ? changes.get(key) : kInsert;
        if (patch && !changes.has(key)) continue;
        if (change == kInsert) {
            trigger_text(*trigger, false);
            if (!comment.empty()) sql += description.add(comment);
        } else if (change == kUpdate) {
            Changes own(*trigger);
            if (!description_only(*trigger)) trigger_text(*trigger, true);
            if (own.has("comment")) sql += description.patch(comment);
        } else if (change == kDelete) {
            sql += "DROP TRIGGER IF EXISTS " + qualified(trigger_schema(*trigger, t), name) + ";\n";
        }
    }
    if (patch) {
        // Deleted triggers are no longer in the list: their key names them.
        for (const auto& key : changes.keys()) {
            if (!starts_with(key, "triggers.") || changes.get(key) != kDelete) continue;
            if (!named(triggers, member_name(key)))
                sql += "DROP TRIGGER IF EXISTS " + qualified(t.schema, member_name(key)) + ";\n";
        }
    }
    return sql;
}

// ---------------------------------------------------------------- descriptions

std::string SQLServerBuilder::build_comment_for_columns(MetaTable& table, bool patch) {
    TableNames t(table);
    Changes changes(table);
    std::string sql;
    for (auto column : members<MetaColumn>(table.get_columns())) {
        std::string name = text_or_empty(column->get_name());
        std::string comment = text_or_empty(column->get_comment());
        Description description = Description::member(t.schema, t.name, "COLUMN", name);
        if (!patch) {
            if (!comment.empty()) sql += description.add(comment);
            continue;
        }
        std::string key = "columns." + name;
        if (!changes.has(key)) continue;
        DataVersion change = changes.get(key);
        if (change == kInsert && !comment.empty()) sql += description.add(comment);
        if (change == kUpdate && Changes(*column).has("comment")) {
            sql += description.patch(comment);
            settle(changes, key, *column, "comment");
        }
    }
    std::string comment = text_or_empty(table.get_comment());
    Description description = Description::object(t.schema, "TABLE", t.name);
    if (!patch) {
        if (!comment.empty()) sql += description.add(comment);
    } else if (changes.has("comment")) {
        sql += description.patch(comment);
    }
    return sql;
}

std::string SQLServerBuilder::build_comment_for_constraints(MetaTable& table, bool patch) {
    TableNames t(table);
    Changes changes(table);
    std::string sql;
    // In a patch a new or re-created member is described where it is created: only
    // members that stay get their description changed here.
    auto describe = [&](MetaObject& member, const std::string& key, const char* level, bool described_on_insert) {
        std::string name = text_or_empty(member.get_name());
        std::string comment = text_or_empty(member.get_comment());
        Description description = Description::member(t.schema, t.name, level, name);
        if (!patch) {
            if (!comment.empty()) sql += description.add(comment);
            return;
        }
        if (!changes.has(key)) return;
        DataVersion change = changes.get(key);
        if (change == kInsert && !described_on_insert && !comment.empty()) sql += description.add(comment);
        if (change == kUpdate && Changes(member).has("comment")) {
            if (!recreated(member)) sql += description.patch(comment);
            settle(changes, key, member, "comment");
        }
    };
    for (auto constraint : members<MetaConstraint>(table.get_constraints())) {
        // The primary key is written from the columns, under a name of its own.
        if (is<PrimaryKey>(constraint) || is<MetaExclude>(constraint)) continue;
        describe(*constraint, "constraints." + text_or_empty(constraint->get_name()), "CONSTRAINT", false);
    }
    for (auto index : members<MetaIndex>(table.get_indexes()))
        describe(*index, "indexes." + text_or_empty(index->get_name()), "INDEX", true);
    return sql;
}

// ---------------------------------------------------------------- states

std::string SQLServerBuilder::build_state_statements(MetaTable& table, bool patch) {
    TableNames t(table);
    Changes changes(table);
    std::string indexes, constraints, triggers;
    // What a member's change asks for: -1 nothing, 0 enable, 1 disable. An update also
    // gives up its handled state change.
    auto decide = [&](MetaObject& member, const std::string& key, bool update_needs_state) -> int {
        bool disabled = flag(member, "STATE");
        if (!patch) return disabled ? 1 : -1;
        DataVersion change = changes.get(key);
        if (!changes.has(key)) return -1;
        if (change == kInsert) return disabled ? 1 : -1;
        if (change != kUpdate) return -1;
        if (update_needs_state && !Changes(member).has("attributes.STATE")) return -1;
        settle(changes, key, member, "attributes.STATE");
        return disabled ? 1 : 0;
    };

    for (auto index : members<MetaIndex>(table.get_indexes())) {
        std::string name = text_or_empty(index->get_name());
        std::string key = "indexes." + name;
        if (patch) {
            DataVersion change = changes.has(key) ? changes.get(key) : kIdentical;
            std::string text = gobj::take_string(tarvelin_providers_contracts_data_version_to_string(change));
            tlog_message("%s => %s", key.c_str(), text.c_str());
        }
        // A new index is disabled by its creation text already.
        if (patch && changes.get(key) == kInsert) continue;
        int state = decide(*index, key, false);
        if (state >= 0)
            indexes += "ALTER INDEX " + SQLServerStatement::quoted(name) + " ON " + t.qualified_name +
                       (state ? " DISABLE;\n" : " REBUILD;\n");
    }
    for (auto constraint : members<MetaConstraint>(table.get_constraints())) {
        if (!is<MetaCheck>(constraint) && !is<MetaForeignKey>(constraint)) continue;
        std::string name = text_or_empty(constraint->get_name());
        int state = decide(*constraint, "constraints." + name, false);
        if (state >= 0)
            constraints +=
                t.alter() + (state ? "NOCHECK" : "CHECK") + " CONSTRAINT " + SQLServerStatement::quoted(name) + ";\n";
    }
    for (auto trigger : members<MetaTrigger>(table.get_triggers())) {
        std::string name = text_or_empty(trigger->get_name());
        int state = decide(*trigger, "triggers." + name, true);
        if (state >= 0)
            triggers += std::string(state ? "DISABLE" : "ENABLE") + " TRIGGER " +
                        qualified(trigger_schema(*trigger, t), name) + " ON " + t.qualified_name + ";\n";
    }
    return indexes + constraints + triggers;
}

// ---------------------------------------------------------------- the table

Text SQLServerBuilder::build_table(MetaTable* table, bool raw_types) {
    if (!TARVELIN_GIVEN(table)) return {};
    TableNames t(*table);
    std::string sql = "CREATE TABLE " + t.qualified_name + " (\n";
    auto collations = load_collations();
    for (auto column : members<MetaColumn>(table->get_columns())) {
        std::string type = column_type(*column, raw_types);
        sql += "    " + SQLServerStatement::quoted(text_or_empty(column->get_name())) + " " + type +
               build_column_body(*column, type, collations, false);
    }
    sql += build_primary_key(*table, false);
    sql += build_table_checks(*table, false) + build_table_uniques(*table, false) + build_table_foreigns(*table, false) +
           build_table_indexes(*table, false);
    chop(sql, 2);
    sql += "\n  ) \n";
    std::string storage = build_table_options(*table);
    if (storage.size() < 5) {
        chop(sql, 2);
        sql += ";\n";
    } else {
        sql += storage;
    }
    sql += build_table_triggers(*table, false) + build_comment_for_columns(*table, false) +
           build_comment_for_constraints(*table, false) + build_state_statements(*table, false);
    if (!sql.empty()) sql.back() = '\n';
    return sql;
}

// ---------------------------------------------------------------- the patch

std::string SQLServerBuilder::build_constraint_drops(MetaTable& table, bool primary_key_changed) {
    TableNames t(table);
    Changes changes(table);
    std::string sql;
    auto primary_key = attribute(table, "PRIMARY_KEY_NAME");
    if (primary_key_changed && primary_key && !primary_key->empty())
        sql += t.alter() + "DROP CONSTRAINT " + SQLServerStatement::quoted(*primary_key) + ";\n";

    auto constraints = members<MetaConstraint>(table.get_constraints());
    for (const auto& constraint : constraints) {
        std::string name = text_or_empty(constraint->get_name());
        DataVersion change = changes.get("constraints." + name);
        if (change == kDelete || change == kUpdate)
            sql += t.alter() + "DROP CONSTRAINT " + SQLServerStatement::quoted(name) + ";\n";
    }
    auto indexes = members<MetaIndex>(table.get_indexes());
    auto drop_index = [&](const std::string& name) {
        sql += "DROP INDEX IF EXISTS " + SQLServerStatement::quoted(name) + " ON " + t.qualified_name + ";\n";
    };
    for (const auto& index : indexes) {
        std::string name = text_or_empty(index->get_name());
        DataVersion change = changes.get("indexes." + name);
        if (change == kDelete || (change == kUpdate && !description_only(*index))) drop_index(name);
    }
    // Deleted members are no longer in the lists: their keys name them.
    auto keys = changes.keys();
    std::sort(keys.begin(), keys.end());
    for (const auto& key : keys) {
        if (changes.get(key) != kDelete) continue;
        std::string name = member_name(key);
        if (starts_with(key, "constraints.") && !named(constraints, name))
            sql += t.alter() + "DROP CONSTRAINT " + SQLServerStatement::quoted(name) + ";\n";
        if (starts_with(key, "indexes.") && !named(indexes, name)) drop_index(name);
    }
    return sql;
}

std::string SQLServerBuilder::build_patch_columns(MetaTable& table, const std::vector<std::string>& collations) {
    TableNames t(table);
    Changes changes(table);
    auto columns = members<MetaColumn>(table.get_columns());
    std::vector<std::string> dropped;
    std::string added, altered;
    int defaults = 0;
    for (const auto& key : changes.keys()) {
        if (!starts_with(key, "columns.")) continue;
        std::string name = member_name(key);
        DataVersion change = changes.get(key);
        if (change == kDelete) {
            dropped.push_back(SQLServerStatement::quoted(name));
            continue;
        }
        auto column = named(columns, name);
        if (!column) continue;
        std::string type = column_type(*column, true);
        std::string column_ref = t.alter() + "ALTER COLUMN " + SQLServerStatement::quoted(name) + " ";
        if (change == kInsert) {
            std::string body = build_column_body(*column, type, collations, flag(*column, "WITH_VALUES"));
            chop(body, 2);
            added += t.alter() + "ADD " + SQLServerStatement::quoted(name) + " " + type + body + ";\n";
            continue;
        }
        if (change != kUpdate) continue;
        Changes own(*column);
        tlog_message("Column diffs: %s -> %s", name.c_str(), own.listed().c_str());

        // A changed default replaces the column's default constraint, whatever its name.
        bool default_changed = own.has("default_value") || own.has("default-value");
        if (default_changed) {
            std::string var = "@default_" + number(++defaults);
            std::string table_object = "OBJECT_ID(N" + SQLServerStatement::literal(t.qualified_name) + ")";
            // The constraint's name is only known on the server, which brackets it.
            altered += "DECLARE " + var + " nvarchar(max) = (SELECT N" +
                       SQLServerStatement::literal("ALTER TABLE " + t.qualified_name + " DROP CONSTRAINT ") +
                       " + QUOTENAME(name) FROM sys.default_constraints WHERE parent_object_id = " + table_object +
                       " AND parent_column_id = COLUMNPROPERTY(" + table_object + ", N" +
                       SQLServerStatement::literal(name) + ", 'ColumnId'));\n";
            altered += "IF " + var + " IS NOT NULL EXEC sp_executesql " + var + ";\n";
        }

        std::string text = type + size_clause(upper(type), column->get_length(), column->get_scale());
        std::string collation = text_or_empty(column->get_collation());
        if (own.has("collation") && plain_word(collation)) text += "COLLATE " + collation + " ";
        text += column->get_not_null() ? "NOT NULL " : "NULL ";
        altered += column_ref + text + ";\n";

        auto toggle = [&](const char* key, const char* attribute_key, const std::string& clause) {
            std::string change_key = std::string("attributes.") + key;
            if (!own.has(change_key)) return;
            bool add = own.get(change_key) != kDelete && flag(*column, attribute_key);
            altered += column_ref + (add ? "ADD " : "DROP ") + clause + ";\n";
        };
        toggle("ROWGUIDCOL", "ROWGUIDCOL", "ROWGUIDCOL");
        toggle("REPLICATION", "REPLICATION", "NOT FOR REPLICATION");
        toggle("SPARSE", "SPARSE", "SPARSE");
        if (own.has("attributes.MASKED")) {
            std::string mask = attribute_or_empty(*column, "MASKED");
            if (own.get("attributes.MASKED") != kDelete && !mask.empty())
                altered += column_ref + SQLServerStatement::fill("ADD MASKED WITH (FUNCTION = '%s');\n", {mask});
            else
                altered += column_ref + "DROP MASKED;\n";
        }
        std::string fallback = text_or_empty(column->get_default_value());
        if (default_changed && !fallback.empty())
            altered += t.alter() + "ADD DEFAULT " + default_text(fallback) + " FOR " +
                       SQLServerStatement::quoted(name) + ";\n";
    }
    std::string sql;
    if (!dropped.empty()) sql += t.alter() + "DROP COLUMN " + joined(dropped, ", ") + ";\n";
    return sql + added + altered;
}

std::string SQLServerBuilder::build_table_options_patch(MetaTable& table) {
    TableNames t(table);
    Changes changes(table);
    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    std::string sql;
    // Change tracking and lock escalation are separate forms of ALTER TABLE.
    if (changes.has("options.CHANGE_TRACKING")) {
        bool enable = options.get("CHANGE_TRACKING") == "true";
        sql += t.alter() + (enable ? "ENABLE" : "DISABLE") + " CHANGE_TRACKING";
        if (auto columns = options.get("TRACK_COLUMNS_UPDATED"); enable && columns)
            sql += std::string(" WITH ( TRACK_COLUMNS_UPDATED = ") + (*columns == "true" ? "ON" : "OFF") + " )";
        sql += ";\n";
    }
    if (changes.has("options.LOCK_ESCALATION"))
        sql += t.alter() + "SET (LOCK_ESCALATION = " + options.get_or("LOCK_ESCALATION", "AUTO") + " );\n";
    return sql;
}

Text SQLServerBuilder::patch_table(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    Changes changes(*table);
    auto first_keys = changes.keys();
    tlog_message("table diffs: %s", joined(first_keys, ", ").c_str());

    std::string column_comments = build_comment_for_columns(*table, true);
    // The key changes when a column joins or leaves it.
    bool primary_key_changed = false;
    auto columns = members<MetaColumn>(table->get_columns());
    for (const auto& column : columns) {
        std::string key = "columns." + text_or_empty(column->get_name());
        if (changes.get(key) == kInsert && column->get_is_primary_key()) primary_key_changed = true;
        Changes own(*column);
        if (own.empty()) continue;
        for (const char* flag_key : {"is-primary-key", "primary-ordinal"}) {
            if (!own.has(flag_key)) continue;
            own.remove(flag_key);
            primary_key_changed = true;
        }
        if (own.empty()) changes.remove(key);
    }
    std::string member_comments = build_comment_for_constraints(*table, true);
    std::string states = build_state_statements(*table, true);

    std::string sql = build_constraint_drops(*table, primary_key_changed);
    if (any_key_starting(first_keys, "columns.")) sql += build_patch_columns(*table, load_collations());
    if (primary_key_changed) sql += build_primary_key(*table, true);

    auto keys = changes.keys();
    tlog_message("table diffs: %s", joined(keys, ", ").c_str());
    if (any_key_starting(keys, "constraints."))
        sql += build_table_checks(*table, true) + build_table_uniques(*table, true) + build_table_foreigns(*table, true);
    if (any_key_starting(keys, "options.")) sql += build_table_options_patch(*table);
    if (any_key_starting(keys, "indexes.")) sql += build_table_indexes(*table, true);
    if (any_key_starting(keys, "triggers.")) sql += build_table_triggers(*table, true);
    sql += column_comments + member_comments + states;

    // Everything the maps asked for is written: a second patch writes nothing new.
    for (const auto& column : columns) Changes(*column).clear();
    for (auto constraint : members<MetaConstraint>(table->get_constraints())) Changes(*constraint).clear();
    for (auto index : members<MetaIndex>(table->get_indexes())) Changes(*index).clear();
    for (auto trigger : members<MetaTrigger>(table->get_triggers())) Changes(*trigger).clear();
    changes.clear();
    return sql;
}

}  // namespace tarvelin::rezezadovu::supports::database
