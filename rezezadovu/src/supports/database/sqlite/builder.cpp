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

// "a, b" as "\"a\", \"b\""; "" when the list names no column.
std::string quoted_columns(const char* list) {
    std::string out;
    gchar** parts = g_strsplit(text(list).c_str(), ",", -1);
    bool any = false;
    for (gchar** p = parts; *p; ++p) {
        std::string name = strip(*p);
        any = any || !name.empty();
        out += double_quoted(name) + ", ";
    }
    g_strfreev(parts);
    if (!any) return {};
    cut(out, 2);
    return out;
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
    return std::string("DROP ") + what + " IF EXISTS " + backquoted(text(o.get_name())) + ";";
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

    std::string out = "CREATE TABLE IF NOT EXISTS " + double_quoted(text(table.get_name())) + " (\n";
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
        if (counting) type = "INTEGER";
        out += "    " + double_quoted(text(c->get_name())) + " " + type;
        if ((type == "VARCHAR" || type == "TEXT") && c->get_length() > 0)
            out += "(" + std::to_string(static_cast<unsigned long long>(c->get_length())) + ") ";
        else
            out += " ";
        if (c->get_not_null()) {
            out += "NOT NULL ";
            std::string conflict = text(c->get_conflict());
            if (!conflict.empty()) out += "ON CONFLICT " + conflict + " ";
        }
        std::string default_value = text(c->get_default_value());
        if (!default_value.empty()) out += "DEFAULT " + default_value + " ";
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
        out += "    PRIMARY KEY (";
        for (auto c : columns)
            if (c->get_is_primary_key() && kept(*c)) out += double_quoted(text(c->get_name())) + ", ";
        cut(out, 2);
        out += "),\n";
    }
    for (auto constraint : list_of<MetaConstraint>(table.get_constraints())) {
        if (auto* fk = dynamic_cast<MetaForeignKey*>(constraint.get())) {
            out += "    CONSTRAINT " + double_quoted(text(fk->get_name())) + " FOREIGN KEY(" +
                   quoted_columns(fk->get_local_columns()) + ")";
            out += " REFERENCES " + double_quoted(text(fk->get_refer_table()));
            std::string refer = quoted_columns(fk->get_refer_columns());
            if (!refer.empty()) out += "(" + refer + ")";
            std::string update = text(fk->get_update_action());
            if (!update.empty()) out += " ON UPDATE " + update;
            std::string remove = text(fk->get_delete_action());
            if (!remove.empty()) out += " ON DELETE " + remove;
            out += deferrable_clause(text(fk->get_deferrable()));
        } else if (auto* unique = dynamic_cast<MetaUnique*>(constraint.get())) {
            out += "    CONSTRAINT " + double_quoted(text(unique->get_name())) + " UNIQUE (" +
                   text(unique->get_columns()) + ")";
            std::string conflict = text(unique->get_conflict());
            out += conflict.empty() ? ",\n" : " ON CONFLICT " + conflict + ",\n";
        } else if (auto* check = dynamic_cast<MetaCheck*>(constraint.get())) {
            out += "    CONSTRAINT " + double_quoted(text(check->get_name())) + " CHECK (" + text(check->get_check()) +
                   "),\n";
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
        out += "INSERT INTO \"main\".\"sqlite_sequence\" (name, seq) VALUES (" + double_quoted(text(table.get_name())) +
               ", " + single_quoted(option(table, "AUTOINCREMENT_SEED")) + ");\n\n";
    return out;
}

std::string SQLiteBuilder::table_indexes(MetaTable& table, bool skip_deleted) {
    std::string out;
    for (auto index : list_of<MetaIndex>(table.get_indexes())) {
        if (skip_deleted && index->get_version() == kDelete) continue;
        out += "CREATE " + text(index->get_kind()) + " INDEX " + double_quoted(text(index->get_name())) + "\n";
        out += "ON " + double_quoted(text(table.get_name())) + " (\n";
        for (const auto& column : gobj::StringArray::wrap(index->get_columns()).to_vector())
            out += "    " + column + ",\n";
        cut(out, 2);
        std::string where = text(index->get_where());
        out += where.empty() ? "\n);\n\n" : "\n) WHERE " + where + ";\n\n";
    }
    return out;
}

std::string SQLiteBuilder::table_triggers(MetaTable& table, bool skip_deleted) {
    std::string out;
    for (auto trigger : list_of<MetaTrigger>(table.get_triggers())) {
        if (skip_deleted && trigger->get_version() == kDelete) continue;
        std::string event = text(trigger->get_event());
        std::string columns = text(trigger->get_columns());
        out += "CREATE TRIGGER " + double_quoted(text(trigger->get_name())) + "\n";
        out += text(trigger->get_timing()) + " " + event;
        if (event == "UPDATE" && !columns.empty()) out += " OF " + columns;
        out += "\nON " + double_quoted(text(table.get_name())) + "\n";
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
    out += "VIEW " + backquoted(text(view->get_name())) + " AS " + text(view->get_definition());
    std::string whole = strip(out);
    if (whole.empty() || whole.back() != ';') out += ";";
    return out + "\n\n";
}

Text SQLiteBuilder::build_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return {};
    std::string out = "CREATE ";
    if (!text(index->get_kind()).empty()) out += "UNIQUE ";
    out += "INDEX " + backquoted(text(index->get_name())) + " ON " + backquoted(text(index->get_entity())) + "( \n";
    for (const auto& column : gobj::StringArray::wrap(index->get_columns()).to_vector()) out += "    " + column + ",\n";
    cut(out, 2);
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
    std::string out = "CREATE TRIGGER " + backquoted(text(trigger->get_name())) + " ";
    out += text(trigger->get_timing()) + " " + event + " ";
    if (event.find("UPDATE") != std::string::npos && !columns.empty()) out += "OF " + columns + " ";
    out += "ON " + backquoted(text(trigger->get_target())) + " ";
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
    std::string out = "PRAGMA foreign_keys = OFF;\nPRAGMA legacy_alter_table = ON;\n";
    for (auto index : list_of<MetaIndex>(table->get_indexes()))
        if (index->get_version() != kInsert) out += "DROP INDEX " + double_quoted(text(index->get_name())) + ";\n";
    for (auto trigger : list_of<MetaTrigger>(table->get_triggers()))
        if (trigger->get_version() != kInsert) out += "DROP TRIGGER " + double_quoted(text(trigger->get_name())) + ";\n";
    std::string backup = backup_name(*table);
    g_object_set_data_full(table->gobj(), kBackup, g_strdup(backup.c_str()), g_free);
    out += "ALTER TABLE " + double_quoted(name) + " RENAME TO " + double_quoted(backup) + ";\n\n";
    out += table_schema(*table, true) + table_indexes(*table, true) + table_triggers(*table, true);
    out += table_transfer(*table);
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
        std::string name = double_quoted(text(c->get_name()));
        auto state = c->get_version();
        if (state == kIdentical) {
            target += name + ", ";
            source += name + ", ";
        } else if (state == kUpdate) {
            std::string original = text(c->get_original());
            target += name + ", ";
            source += (original.empty() ? name : double_quoted(original)) + ", ";
        } else if (state == kInsert && i > 0) {
            auto before = columns.at(i - 1);
            if (before->get_ordinal() == c->get_ordinal() && before->get_version() == kDelete) {
                target += name + ", ";
                source += double_quoted(text(before->get_name())) + ", ";
            }
        }
    }
    if (target.empty()) return {};
    cut(target, 2);
    cut(source, 2);
    auto statement = statement_of(connection());
    const char* schema = table.get_schema() ? table.get_schema() : "";
    auto quote = [&](const std::string& n) -> std::string {
        if (!statement) return double_quoted(n);
        return gobj::call<&TarvelinRezezadovuContractsDatabaseIStatementInterface::quote_identifier>(statement, n,
                                                                                                    schema);
    };
    const char* backup = static_cast<const char*>(g_object_get_data(table.gobj(), kBackup));
    return "INSERT INTO " + quote(text(table.get_name())) + " (" + target + ") SELECT " + source + " FROM " +
           quote(text(backup)) + ";\n";
}

}  // namespace tarvelin::rezezadovu::supports::database
