#include "rezezadovu/supports/database/sqlite/builder.hpp"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <set>

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/helpers/helper_date_time.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlite/catalog.hpp"
#include "rezezadovu/supports/database/sqlite/statement.hpp"

TARVELIN_LOG_TAG("sqlite_builder")

namespace tarvelin::rezezadovu::supports::database {

using namespace sqlite;
using namespace dialect;
using namespace meta_model;
using Text = SQLiteBuilder::Text;

TARVELIN_GTYPE(SQLiteBuilder, "TarvelinRezezadovuSupportsDatabaseSQLiteBuilder", SqlBuilder)

gobj::Ref<SQLiteBuilder> SQLiteBuilder::create(GType type, CConnection* connection) {
    return create_linked<SQLiteBuilder>(type, connection);
}

namespace {

constexpr auto kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr auto kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;
constexpr auto kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;

std::string text(const char* s) { return s ? s : ""; }
void cut(std::string& s, size_t n) { s.erase(s.size() - std::min(n, s.size())); }

std::string strip(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r\n\f\v");
    if (a == std::string::npos) return {};
    size_t b = s.find_last_not_of(" \t\r\n\f\v");
    return s.substr(a, b - a + 1);
}

// The parts of a list joined by `separator`, each written by `write`.
template <class Write>
std::string joined(const std::vector<std::string>& parts, const char* separator, Write write) {
    std::string out;
    for (const auto& part : parts) out += (out.empty() ? "" : separator) + write(part);
    return out;
}

// A foreign key's column list ("a, b"), every entry a name: SQLite takes no expression there.
std::string quoted_columns(const char* list) {
    return joined(split_list(text(list)), ", ", [](const std::string& name) { return SQLiteStatement::quoted(name); });
}

// The names of a table's columns, compared as SQLite compares names (ASCII letters
// without case); unknown when the builder cannot see the table.
class ColumnNames {
public:
    ColumnNames() = default;
    explicit ColumnNames(std::vector<std::string> names) : names_(std::move(names)), known_(true) {}
    bool known() const { return known_; }
    bool has(const std::string& name) const {
        for (const auto& n : names_)
            if (g_ascii_strcasecmp(n.c_str(), name.c_str()) == 0) return true;
        return false;
    }

private:
    std::vector<std::string> names_;
    bool known_ = false;
};

ColumnNames columns_of(MetaTable& table) {
    std::vector<std::string> names;
    for (auto c : gobj::GeeArray<MetaColumn>::wrap(table.get_columns())) names.push_back(text(c->get_name()));
    return ColumnNames(std::move(names));
}

// The columns of a table as the builder's connection sees them; unknown when the table is
// not there (the text may be meant for another database).
ColumnNames catalogue_columns(const gobj::Ref<IConnection>& connection, const char* schema, const char* table) {
    std::vector<std::string> names;
    try {
        const std::string in = text(schema).empty() ? "main" : text(schema);
        for (auto row : CatalogRows(query_model(connection, table_info_query(in, text(table)))))
            names.push_back(row.text("name"));
    } catch (const gobj::Error&) {
        return {};
    }
    return names.empty() ? ColumnNames() : ColumnNames(std::move(names));
}

// What a part of a key could be without the table's columns: a name, unless it holds a
// parenthesis, a quote, a separator or an operator and so is an expression.
bool looks_like_name(const std::string& part) {
    return !part.empty() && part.find_first_of("()[]\"'`,;+-*/%<>=!|&~") == std::string::npos;
}

// One part of an index key, a unique constraint or an UPDATE OF list as SQL. A part that
// names a column of the table, alone or followed by COLLATE, ASC or DESC, has the name
// quoted, whatever the name holds; any other part is an expression (or a name already
// quoted) and is written as it stands. Without the table's columns a part that looks like
// a name is taken for one. A part that names no column is not quoted: in double quotes
// SQLite would take it for a string and index a constant.
std::string key_part_sql(const std::string& part, const ColumnNames& columns) {
    auto is_name = [&](const std::string& text) { return columns.known() ? columns.has(text) : looks_like_name(text); };
    if (columns.has(part)) return SQLiteStatement::quoted(part);
    KeyPart split = split_key_part(part);
    if (!split.tail.empty() && is_name(split.head)) return SQLiteStatement::quoted(split.head) + split.tail;
    return is_name(part) ? SQLiteStatement::quoted(part) : part;
}

std::string key_parts_sql(const std::vector<std::string>& parts, const ColumnNames& columns, const char* separator) {
    return joined(parts, separator, [&](const std::string& part) { return key_part_sql(part, columns); });
}

// An integer column by its value type or, for a type the value types do not place, by
// SQLite's own rule: a declared type holding INT has integer affinity.
bool integer_like(MetaColumn& column, const std::string& type) {
    const auto kind = column.get_data_type();
    if (kind >= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8 && kind <= TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64)
        return true;
    gchar* upper = g_ascii_strup(type.c_str(), -1);
    const bool found = std::strstr(upper, "INT") != nullptr;
    g_free(upper);
    return found;
}

bool matches(const char* pattern, const std::string& value) {
    return g_regex_match_simple(pattern, value.c_str(), G_REGEX_CASELESS, GRegexMatchFlags(0));
}

// Whether SQLite takes a default as it stands: a literal (a signed number, a string, a
// blob, NULL, TRUE, FALSE, CURRENT_TIME, CURRENT_DATE, CURRENT_TIMESTAMP), a lone name,
// or a text already in parentheses. Anything else is an expression, which SQLite takes
// only in parentheses; its catalogue gives it back without them.
bool default_as_it_stands(const std::string& value) {
    if (!value.empty() && value.front() == '(') {
        const std::string masked = masked_upper(value);
        int depth = 0;
        for (size_t i = 0; i < masked.size(); ++i) {
            if (masked[i] == '(') ++depth;
            if (masked[i] == ')' && --depth == 0) return i + 1 == masked.size();
        }
        return false;
    }
    return matches(R"(^[+-]?\s*(\d+(\.\d*)?|\.\d+)(e[+-]?\d+)?$|^[+-]?\s*0x[0-9a-f]+$)", value) ||
           matches(R"(^x?'([^']|'')*'$)", value) ||
           matches(R"(^("([^"]|"")*"|`([^`]|``)*`|\[[^\]]*\]|[a-z_][a-z0-9_$]*)$)", value);
}

// A size for a type that takes one ("(12)", "(10,2)"); "" for none.
std::string size_text(MetaColumn& column) {
    if (column.get_length() <= 0) return {};
    std::string out = "(" + std::to_string(static_cast<long long>(column.get_length()));
    if (column.get_scale() > 0) out += "," + std::to_string(column.get_scale());
    return out + ")";
}

// SQLite's numbers are 64-bit integers and doubles, and a column of numeric affinity
// turns every number it is given into one of them: an exact number of more digits than a
// double keeps (or of any number of digits) and an unsigned 64-bit integer lose digits
// there. Such a column is a decimal of text affinity, which keeps the digits it is sent
// (they compare as texts, and as numbers against a column of numeric affinity).
constexpr gint64 kDoubleDigits = 15;
bool needs_decimal_text(MetaColumn& column) {
    switch (column.get_data_type()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64: return true;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
            return column.get_length() <= 0 || column.get_length() > kDoubleDigits;
        default: return false;
    }
}

std::string option(MetaTable& table, const char* key) {
    return gobj::StringMap::wrap(GEE_MAP(table.get_options())).get(key).value_or("");
}
bool has_option(MetaTable& table, const char* key) {
    return gobj::StringMap::wrap(GEE_MAP(table.get_options())).has(key);
}
std::string attribute(MetaObject& o, const char* key) {
    return gobj::StringMap::wrap(GEE_MAP(o.get_attributes())).get(key).value_or("");
}

bool collation_known(const std::string& c) { return c == "BINARY" || c == "NOCASE" || c == "RTRIM"; }

std::string deferrable_clause(const std::string& d) {
    if (d == "NOT") return " NOT DEFERRABLE,\n";
    if (d == "NOTHING") return " DEFERRABLE,\n";
    if (d == "INITIALLY IMMEDIATE") return " DEFERRABLE INITIALLY IMMEDIATE,\n";
    if (d == "INITIALLY DEFERRED") return " DEFERRABLE INITIALLY DEFERRED,\n";
    return ",\n";
}

std::string drop_text(const char* what, MetaObject& o) {
    return std::string("DROP ") + what + " IF EXISTS " + SQLiteStatement::quoted(text(o.get_name())) + ";";
}

template <class T>
gobj::GeeArray<T> list_of(GeeArrayList* list) {
    return gobj::GeeArray<T>::wrap(list);
}

// Backup names handed out by this process, lower-cased (SQLite compares names so).
std::mutex g_backups_lock;
std::set<std::string> g_backups;

std::string lower(const std::string& s) {
    std::string out(s);
    for (char& c : out) c = g_ascii_tolower(c);
    return out;
}

}  // namespace

// ---------------------------------------------------------------- dispatch by kind

Text SQLiteBuilder::build_create(MetaObject* meta_object, bool raw_types) {
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

Text SQLiteBuilder::build_delete(MetaObject* meta_object) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return drop_text("INDEX", *meta_object);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return drop_text("TABLE", *meta_object);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return drop_text("TRIGGER", *meta_object);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return drop_text("VIEW", *meta_object);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: {
            auto* schema = dynamic_cast<MetaSchema*>(meta_object);
            if (!schema) return std::string();
            std::string out;
            for (auto t : list_of<MetaTable>(schema->get_tables())) out += drop_text("TABLE", *t);
            for (auto v : list_of<MetaView>(schema->get_views())) out += drop_text("VIEW", *v);
            return out;
        }
        default: return std::string();
    }
}

Text SQLiteBuilder::build_patch(MetaObject* meta_object, bool raw_types) {
    if (!TARVELIN_GIVEN(meta_object)) return {};
    auto state = meta_object->get_version();
    auto kind = meta_object->character();
    auto drop_and_create = [&](auto build) -> Text {
        if (state == kInsert) return build();
        if (state == kUpdate) return build_delete(meta_object).value_or("") + "\n" + build().value_or("");
        if (state == kDelete) return build_delete(meta_object);
        return std::string();
    };
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: {
            auto* table = dynamic_cast<MetaTable*>(meta_object);
            if (state == kInsert) return build_table(table, raw_types);
            if (state == kUpdate) return patch_table(table);
            if (state == kDelete) return build_delete(meta_object);
            return std::string();
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW:
            return drop_and_create([&] { return build_view(dynamic_cast<MetaView*>(meta_object)); });
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
            return drop_and_create([&] { return build_function(dynamic_cast<MetaFunction*>(meta_object)); });
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT:
            return drop_and_create([&] { return build_event(dynamic_cast<MetaEvent*>(meta_object)); });
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return build_role(dynamic_cast<MetaRole*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return build_user(dynamic_cast<MetaUser*>(meta_object));
        default: return std::string();
    }
}

// ---------------------------------------------------------------- scripts

Text SQLiteBuilder::create_database(MetaDatabase* database, bool raw_types) {
    if (!TARVELIN_GIVEN(database)) return {};
    std::string out;
    for (auto schema : list_of<MetaSchema>(database->get_schemas())) out += build_schema(schema.get(), raw_types).value_or("");
    return out;
}

Text SQLiteBuilder::build_schema(MetaSchema* schema, bool raw_types) {
    if (!TARVELIN_GIVEN(schema)) return {};
    order_with_dependence(schema, 0);
    std::string out;
    for (auto t : list_of<MetaTable>(schema->get_tables())) {
        // SQLite's own tables (sqlite_sequence, sqlite_stat1, ...) are listed by the reader
        // but cannot be created: the library makes them itself.
        if (g_ascii_strncasecmp(text(t->get_name()).c_str(), "sqlite_", 7) == 0) continue;
        out += build_table(t.get(), raw_types).value_or("");
    }
    for (auto v : list_of<MetaView>(schema->get_views())) out += build_view(v.get()).value_or("");
    for (auto f : list_of<MetaFunction>(schema->get_functions())) out += build_function(f.get()).value_or("");
    return out;
}

Text SQLiteBuilder::build_table(MetaTable* table, bool raw_types) {
    if (!TARVELIN_GIVEN(table)) return {};
    std::string out = table_schema(*table, raw_types) + table_indexes(*table, false) + table_triggers(*table, false);
    cut(out, 1);
    return out + "\n";
}

std::string SQLiteBuilder::table_schema(MetaTable& table, bool raw_types) {
    auto columns = list_of<MetaColumn>(table.get_columns());
    auto kept = [](MetaColumn& c) { return c.get_version() != kDelete; };
    int keys = 0;
    for (auto c : columns)
        if (c->get_is_primary_key() && kept(*c)) ++keys;
    gobj::Ref<contracts::database::IInspectable> inspector;
    if (!raw_types) inspector = inspector_of(connection());

    std::string out = "CREATE TABLE IF NOT EXISTS " + SQLiteStatement::quoted(text(table.get_name())) + " (\n";
    bool inline_key = false;
    for (auto c : columns) {
        if (!kept(*c)) continue;
        std::string type = text(c->get_raw_type());
        if (!raw_types) {
            type = inspector ? gobj::call<&TarvelinRezezadovuContractsDatabaseIInspectableInterface::get_sql_type>(
                                   inspector, c->get_data_type())
                             : std::string();
        }
        // SQLite counts only in a lone key column declared INTEGER (the rowid itself):
        // AUTOINCREMENT anywhere else makes the whole statement fail.
        const bool counting = keys == 1 && c->get_is_primary_key() && c->get_auto_increment() && integer_like(*c, type);
        if (counting) {
            type = "INTEGER";
        } else if (!raw_types && needs_decimal_text(*c)) {
            type = c->get_data_type() == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64 ? "DECIMAL_TEXT(20)"
                                                                                      : "DECIMAL_TEXT" + size_text(*c);
        } else if (!raw_types && keys == 1 && c->get_is_primary_key() && g_ascii_strcasecmp(type.c_str(), "INTEGER") == 0) {
            // A lone INTEGER key would become the rowid, which refuses the other kinds of
            // value an INT key of another table holds and fills itself in: only a counting
            // column may become it.
            type = "INT";
        } else if (!type.empty() && type.find('(') == std::string::npos && !size_text(*c).empty()) {
            // A size read elsewhere travels. SQLite's own types are read whole, and an
            // integer type keeps none: INTEGER(11) PRIMARY KEY would not be the rowid.
            if (!raw_types && type == "TEXT")
                type = "VARCHAR" + size_text(*c);  // unbounded text stays TEXT
            else if (!raw_types ? type == "NUMERIC" : !integer_like(*c, type))
                type += size_text(*c);
        }
        out += "    " + SQLiteStatement::quoted(text(c->get_name())) + " " + type + " ";
        if (c->get_not_null()) {
            out += "NOT NULL ";
            std::string conflict = text(c->get_conflict());
            if (!conflict.empty()) out += "ON CONFLICT " + conflict + " ";
        }
        std::string default_value = text(c->get_default_value());
        if (!default_value.empty())
            out += "DEFAULT " + (default_as_it_stands(default_value) ? default_value : "(" + default_value + ")") + " ";
        std::string collation = text(c->get_collation());
        if (collation_known(collation)) out += "COLLATE " + collation + " ";
        if (c->get_is_primary_key()) {
            if (keys == 1) {
                out += "PRIMARY KEY ";
                inline_key = true;
            }
            if (counting) {
                out += "AUTOINCREMENT ";
                gobj::StringMap::wrap(GEE_MAP(table.get_options())).set("AUTOINCREMENT", "true");
            }
        }
        cut(out, 1);
        out += ",\n";
    }
    if (keys > 0 && !inline_key) {
        // In key order: the key's index, and so what it orders and finds, follow it.
        std::vector<gobj::Ref<MetaColumn>> key;
        for (auto c : columns)
            if (c->get_is_primary_key() && kept(*c)) key.push_back(c);
        std::stable_sort(key.begin(), key.end(), [](const auto& a, const auto& b) {
            return a->get_primary_ordinal() < b->get_primary_ordinal();
        });
        out += "    PRIMARY KEY (";
        for (const auto& c : key) out += SQLiteStatement::quoted(text(c->get_name())) + ", ";
        cut(out, 2);
        out += "),\n";
    }
    // SQLite numbers a table's foreign keys from the last declared one: written last first,
    // each key gets its place in the list as its id, and reads back in the same order.
    std::vector<gobj::Ref<MetaConstraint>> constraints;
    // A constraint being dropped is not written, as a column being dropped is not.
    for (auto constraint : list_of<MetaConstraint>(table.get_constraints()))
        if (constraint->get_version() != kDelete) constraints.push_back(constraint);
    std::stable_partition(constraints.begin(), constraints.end(),
                          [](const auto& c) { return dynamic_cast<MetaForeignKey*>(c.get()) != nullptr; });
    const auto keys_end = std::find_if(constraints.begin(), constraints.end(),
                                       [](const auto& c) { return !dynamic_cast<MetaForeignKey*>(c.get()); });
    std::reverse(constraints.begin(), keys_end);
    for (const auto& constraint : constraints) {
        if (auto* fk = dynamic_cast<MetaForeignKey*>(constraint.get())) {
            out += "    CONSTRAINT " + SQLiteStatement::quoted(text(fk->get_name())) + " FOREIGN KEY(" +
                   quoted_columns(fk->get_local_columns()) + ")";
            out += " REFERENCES " + SQLiteStatement::quoted(text(fk->get_refer_table()));
            std::string refer = quoted_columns(fk->get_refer_columns());
            if (!refer.empty()) out += "(" + refer + ")";
            std::string update = text(fk->get_update_action());
            if (!update.empty()) out += " ON UPDATE " + update;
            std::string remove = text(fk->get_delete_action());
            if (!remove.empty()) out += " ON DELETE " + remove;
            out += deferrable_clause(text(fk->get_deferrable()));
        } else if (auto* unique = dynamic_cast<MetaUnique*>(constraint.get())) {
            const std::string name = text(unique->get_name());
            out += "    " + (name.empty() ? "" : "CONSTRAINT " + SQLiteStatement::quoted(name) + " ") + "UNIQUE (" +
                   key_parts_sql(split_list(text(unique->get_columns())), columns_of(table), ", ") + ")";
            std::string conflict = text(unique->get_conflict());
            out += conflict.empty() ? ",\n" : " ON CONFLICT " + conflict + ",\n";
        } else if (auto* check = dynamic_cast<MetaCheck*>(constraint.get())) {
            out += "    CONSTRAINT " + SQLiteStatement::quoted(text(check->get_name())) + " CHECK (" +
                   text(check->get_check()) + "),\n";
        }
    }
    if (std::count(out.begin(), out.end(), '\n') + 1 > 2) cut(out, 2);
    out += "\n) ";
    if (has_option(table, "WITHOUTROWID") && option(table, "WITHOUTROWID") == "true") {
        out += "WITHOUT ROWID;\n\n";
    } else {
        cut(out, 1);
        out += ";\n\n";
    }
    if (has_option(table, "AUTOINCREMENT_SEED") && option(table, "AUTOINCREMENT") == "true")
        out += "INSERT INTO \"main\".\"sqlite_sequence\" (name, seq) VALUES (" +
               SQLiteStatement::literal(text(table.get_name())) + ", " +
               SQLiteStatement::literal(option(table, "AUTOINCREMENT_SEED")) + ");\n\n";
    return out;
}

std::string SQLiteBuilder::table_indexes(MetaTable& table, bool skip_deleted) {
    std::string out;
    for (auto index : list_of<MetaIndex>(table.get_indexes())) {
        if (skip_deleted && index->get_version() == kDelete) continue;
        out +=
            "CREATE " + text(index->get_kind()) + " INDEX " + SQLiteStatement::quoted(text(index->get_name())) + "\n";
        out += "ON " + SQLiteStatement::quoted(text(table.get_name())) + " (\n    ";
        out += key_parts_sql(gobj::StringArray::wrap(index->get_columns()).to_vector(), columns_of(table), ",\n    ");
        std::string where = text(index->get_where());
        out += where.empty() ? "\n);\n\n" : "\n) WHERE " + where + ";\n\n";
    }
    return out;
}

std::string SQLiteBuilder::table_triggers(MetaTable& table, bool skip_deleted) {
    std::string out;
    const ColumnNames names = columns_of(table);
    for (auto trigger : list_of<MetaTrigger>(table.get_triggers())) {
        if (skip_deleted && trigger->get_version() == kDelete) continue;
        std::string event = text(trigger->get_event());
        std::string columns = key_parts_sql(split_list(text(trigger->get_columns())), names, ", ");
        out += "CREATE TRIGGER " + SQLiteStatement::quoted(text(trigger->get_name())) + "\n";
        out += text(trigger->get_timing()) + " " + event;
        if (event == "UPDATE" && !columns.empty()) out += " OF " + columns;
        out += "\nON " + SQLiteStatement::quoted(text(table.get_name())) + "\n";
        if (!text(trigger->get_for_each()).empty()) out += "FOR EACH ROW\n";
        // The reader keeps the white space before BEGIN in the WHEN text; without it the
        // line break below would add to it at every round.
        std::string when = text(trigger->get_when());
        when.erase(when.find_last_not_of(" \t\r\n\f\v") + 1);
        if (!when.empty()) out += "WHEN " + when + "\n";
        out += text(trigger->get_body()) + ";\n\n";
    }
    return out;
}

// ---------------------------------------------------------------- stand-alone objects

Text SQLiteBuilder::build_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return {};
    std::string out = "CREATE ";
    if (attribute(*view, "TEMPORARY") == "true") out += "TEMPORARY ";
    out += "VIEW " + SQLiteStatement::quoted(text(view->get_name())) + " AS " + text(view->get_definition());
    std::string whole = strip(out);
    if (whole.empty() || whole.back() != ';') out += ";";
    return out + "\n\n";
}

Text SQLiteBuilder::build_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return {};
    std::string out = "CREATE ";
    if (!text(index->get_kind()).empty()) out += "UNIQUE ";
    out += "INDEX " + SQLiteStatement::quoted(text(index->get_name())) + " ON " +
           SQLiteStatement::quoted(text(index->get_entity())) + "( \n    ";
    out += key_parts_sql(gobj::StringArray::wrap(index->get_columns()).to_vector(),
                         catalogue_columns(connection(), index->get_schema(), index->get_entity()), ",\n    ");
    out += "\n) ";
    std::string where = text(index->get_where());
    if (!where.empty()) out += "WHERE " + where + " ";
    cut(out, 1);
    return out + ";";
}

Text SQLiteBuilder::build_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return {};
    std::string event = text(trigger->get_event());
    std::string columns = text(trigger->get_columns());
    if (!columns.empty())
        columns = key_parts_sql(split_list(columns),
                                catalogue_columns(connection(), trigger->get_schema(), trigger->get_target()), ", ");
    std::string out = "CREATE TRIGGER " + SQLiteStatement::quoted(text(trigger->get_name())) + " ";
    out += text(trigger->get_timing()) + " " + event + " ";
    if (event.find("UPDATE") != std::string::npos && !columns.empty()) out += "OF " + columns + " ";
    out += "ON " + SQLiteStatement::quoted(text(trigger->get_target())) + " ";
    std::string when = text(trigger->get_when());
    if (!when.empty()) out += "WHEN " + when + "\n";
    std::string body = strip(text(trigger->get_body()));
    if (body.empty() || body.back() != ';') body += ";";
    return out + "BEGIN\n " + body + "\nEND;\n";
}

// ---------------------------------------------------------------- rebuild

Text SQLiteBuilder::patch_table(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto columns = list_of<MetaColumn>(table->get_columns());
    std::vector<gobj::Ref<MetaColumn>> sorted;
    for (auto c : columns) sorted.push_back(c);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a->get_ordinal() < b->get_ordinal(); });
    columns.clear();
    for (const auto& c : sorted) columns.append(c);

    std::string name = text(table->get_name());
    // The switches hold for the connection and cannot change inside a transaction: set
    // around it. The rebuild itself is one transaction, so that a copy the new table
    // refuses (a NOT NULL column without a default on a filled table) leaves the table as
    // it was; the copy aside is dropped once the rows are in.
    std::string out = "PRAGMA foreign_keys = OFF;\nPRAGMA legacy_alter_table = ON;\nBEGIN TRANSACTION;\n";
    for (auto index : list_of<MetaIndex>(table->get_indexes()))
        if (index->get_version() != kInsert)
            out += "DROP INDEX " + SQLiteStatement::quoted(text(index->get_name())) + ";\n";
    for (auto trigger : list_of<MetaTrigger>(table->get_triggers()))
        if (trigger->get_version() != kInsert)
            out += "DROP TRIGGER " + SQLiteStatement::quoted(text(trigger->get_name())) + ";\n";
    std::string backup = backup_name(*table);
    g_object_set_data_full(table->gobj(), kBackup, g_strdup(backup.c_str()), g_free);
    out += "ALTER TABLE " + SQLiteStatement::quoted(name) + " RENAME TO " + SQLiteStatement::quoted(backup) + ";\n\n";
    out += table_schema(*table, true) + table_indexes(*table, true) + table_triggers(*table, true);
    out += table_transfer(*table);
    out += "DROP TABLE " + SQLiteStatement::quoted(backup) + ";\nCOMMIT;\n";
    return out + "PRAGMA legacy_alter_table = OFF;\nPRAGMA foreign_keys = ON;";
}

std::string SQLiteBuilder::backup_name(MetaTable& table) {
    std::string base = text(table.get_name()) + "_old_" +
                       helpers::DateTimeHelper::datetime_as_string("%Y%m%d%H%M%S").value_or("");
    std::set<std::string> taken;
    try {
        std::string schema = text(table.get_schema());
        CatalogRows names(query_model(connection(), names_with_prefix_query(schema.empty() ? "main" : schema, base)));
        for (auto row : names) taken.insert(lower(row.text("name")));
    } catch (const gobj::Error&) {
        // Without the catalogue, the names this process handed out still keep apart.
    }
    std::lock_guard guard(g_backups_lock);
    std::string candidate = base;
    for (int i = 1; taken.count(lower(candidate)) || g_backups.count(lower(candidate)); ++i)
        candidate = base + "_" + std::to_string(i);
    g_backups.insert(lower(candidate));
    return candidate;
}

std::string SQLiteBuilder::table_transfer(MetaTable& table) {
    auto columns = list_of<MetaColumn>(table.get_columns());
    std::string target, source;
    for (int i = 0; i < columns.size(); ++i) {
        auto c = columns.at(i);
        std::string name = SQLiteStatement::quoted(text(c->get_name()));
        auto state = c->get_version();
        if (state == kIdentical) {
            target += name + ", ";
            source += name + ", ";
        } else if (state == kUpdate) {
            std::string original = text(c->get_original());
            target += name + ", ";
            source += (original.empty() ? name : SQLiteStatement::quoted(original)) + ", ";
        } else if (state == kInsert && i > 0) {
            auto before = columns.at(i - 1);
            if (before->get_ordinal() == c->get_ordinal() && before->get_version() == kDelete) {
                target += name + ", ";
                source += SQLiteStatement::quoted(text(before->get_name())) + ", ";
            }
        }
    }
    if (target.empty()) return {};
    cut(target, 2);
    cut(source, 2);
    const char* backup = static_cast<const char*>(g_object_get_data(table.gobj(), kBackup));
    return "INSERT INTO " + SQLiteStatement::quoted(text(table.get_name())) + " (" + target + ") SELECT " + source +
           " FROM " + SQLiteStatement::quoted(text(backup)) + ";\n";
}

}  // namespace tarvelin::rezezadovu::supports::database
