#include "rezezadovu/supports/database/sqlserver/adapter.hpp"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "providers/gobj/call.hpp"
#include "providers/gobj/gee.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlserver/catalog.hpp"
#include "rezezadovu/supports/database/sqlserver/connection.hpp"
#include "rezezadovu/supports/database/sqlserver/statement.hpp"

TARVELIN_LOG_TAG("adapter")

extern "C" {
const gchar* const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_USER_LIST_INTERNAL[3] = {"CALLER", "SELF",
                                                                                                  "OWNER"};
const gchar* const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_FUNCTION[6] = {
    "AF", "FN", "FS", "FT", "IF", "TF"};
const gchar* const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_NUMERIC[5] = {
    "DECIMAL", "DOUBLE", "FLOAT", "NUMERIC", "REAL"};
const gchar* const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_DATETIME[4] = {
    "DATE", "TIME", "DATETIME", "TIMESTAMP"};
const gchar* const TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_CHARACTER[4] = {
    "CHAR", "VARCHAR", "NCHAR", "NVARCHAR"};
}

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;
using namespace sqlserver;
using dialect::CatalogRows;
using providers::contracts::TableModel;
using IConnectionVt = TarvelinRezezadovuContractsDatabaseIConnectionInterface;
using IInspectableVt = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

TARVELIN_GTYPE(SQLServerAdapter, "TarvelinRezezadovuSupportsDatabaseSQLServerAdapter", Adapter)

gobj::Ref<SQLServerAdapter> SQLServerAdapter::create(GType type, CConnection* connection) {
    return create_linked<SQLServerAdapter>(type, connection);
}

// ---------------------------------------------------------------- cells, marks and lists

namespace {

bool is_filled(const MetaObject& object) { return g_object_get_data(object.gobj(), kFilled) != nullptr; }
void mark_filled(const MetaObject& object) { g_object_set_data(object.gobj(), kFilled, GINT_TO_POINTER(1)); }

gobj::StringMap attributes(const MetaObject& object) { return gobj::StringMap::wrap(GEE_MAP(object.get_attributes())); }
gobj::StringMap map_of(GeeHashMap* map) { return gobj::StringMap::wrap(GEE_MAP(map)); }

template <std::size_t N>
bool listed(const gchar* const (&list)[N], std::string_view text) {
    return std::any_of(std::begin(list), std::end(list), [&](const char* e) { return text == e; });
}

std::string upper(const std::string& text) { return gobj::take_string(g_utf8_strup(text.c_str(), -1)); }

std::string stripped(std::string_view text) {
    auto first = text.find_first_not_of(" \t\n\r\f\v");
    if (first == std::string_view::npos) return std::string();
    auto last = text.find_last_not_of(" \t\n\r\f\v");
    return std::string(text.substr(first, last - first + 1));
}

std::string joined(const std::vector<std::string>& items, const char* separator) {
    std::string out;
    for (const auto& item : items) {
        if (!out.empty() || &item != &items.front()) out += separator;
        out += item;
    }
    return out;
}

// The column `column` of every row.
std::vector<std::string> column_of(const CatalogRows& rows, std::string_view column) {
    std::vector<std::string> out;
    for (auto row : rows) out.push_back(row.text(column));
    return out;
}

// A permission entry "name=state" of a row of permission_name and state.
std::string permission_entry(const CatalogRows::Row& row) {
    return row.text("permission_name") + "=" + row.text("state");
}

// The entries of every row, joined by ",".
std::string permission_list(const CatalogRows& rows) {
    std::vector<std::string> entries;
    for (auto row : rows) entries.push_back(permission_entry(row));
    return joined(entries, ",");
}

// Per-securable permission lists of rows ordered by securable: each key gets its list,
// and `list_key` the keys in the order found.
template <class KeyOf>
void group_permissions(const CatalogRows& rows, const gobj::StringMap& privileges, const char* list_key, KeyOf key_of) {
    std::vector<std::string> keys;
    std::map<std::string, std::vector<std::string>> lists;
    for (auto row : rows) {
        std::string key = key_of(row);
        if (!lists.count(key)) keys.push_back(key);
        lists[key].push_back(permission_entry(row));
    }
    for (const auto& key : keys) privileges.set(key, joined(lists[key], ","));
    if (!keys.empty()) privileges.set(list_key, joined(keys, ","));
}

// The critical of an answer with fewer rows than a fill needs; the texts name the check.
bool has_rows(const CatalogRows& rows, const char* condition) {
    return TARVELIN_REQUIRE(rows.size() > 0, condition);
}

// An object of class T, or nothing for an object of another class.
template <class T>
T* as(MetaObject* object) {
    return object && G_TYPE_CHECK_INSTANCE_TYPE(object->gobj(), T::gtype()) ? static_cast<T*>(object) : nullptr;
}

// Index kinds by type description: (kind, clustered) for the table's index list, and the
// "KIND" and "CLUSTERED" attributes of a unique constraint.
struct IndexType {
    const char* description;
    const char* kind;            // nullptr: not set
    std::optional<bool> clustered;
    const char* unique_kind;     // nullptr: not set
};
constexpr IndexType kIndexTypes[] = {
    {"HEAP", "", false, "HEAP"},
    {"CLUSTERED", "", true, nullptr},
    {"NONCLUSTERED", "", false, nullptr},
    {"XML", "XML", std::nullopt, "XML"},
    {"SPATIAL", "SPATIAL", std::nullopt, "SPATIAL"},
    {"CLUSTERED COLUMNSTORE", "COLUMNSTORE", true, "COLUMNSTORE"},
    {"NONCLUSTERED COLUMNSTORE", "COLUMNSTORE", false, "COLUMNSTORE"},
    {"NONCLUSTERED HASH", "HASH", false, "HASH"},
};
const IndexType* index_type(std::string_view description) {
    for (const auto& t : kIndexTypes)
        if (description == t.description) return &t;
    return nullptr;
}
// HEAP is no clustering of a unique constraint: it gets "KIND" only.
void set_unique_kind(const MetaObject& unique, std::string_view description) {
    const IndexType* t = index_type(description);
    if (!t) return;
    if (t->unique_kind) attributes(unique).set("KIND", t->unique_kind);
    if (t->clustered && description != "HEAP") attributes(unique).set("CLUSTERED", *t->clustered ? "true" : "false");
}
void set_index_kind(MetaIndex& index, std::string_view description) {
    const IndexType* t = index_type(description);
    if (!t) return;
    index.set_kind(t->kind);
    if (t->clustered) index.set_is_clustered(*t->clustered);
}

// ---------------------------------------------------------------- definitions

bool word_char(unsigned char c) { return g_ascii_isalnum(c) || c == '_' || c == '@' || c == '#' || c == '$' || c >= 0x80; }

// Whole words outside quotes, brackets, comments and parentheses.
struct Word {
    std::size_t begin, end;
};
std::vector<Word> top_level_words(std::string_view s) {
    std::vector<Word> words;
    std::size_t i = 0, n = s.size();
    int depth = 0;
    auto skip_quoted = [&](char close) {
        for (++i; i < n; ++i) {
            if (s[i] != close) continue;
            if (i + 1 < n && s[i + 1] == close) {
                ++i;  // a doubled closer stays inside
                continue;
            }
            break;
        }
        ++i;
    };
    while (i < n) {
        char c = s[i];
        if (c == '-' && i + 1 < n && s[i + 1] == '-') {
            while (i < n && s[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < n && s[i + 1] == '*') {
            int nested = 0;
            while (i < n) {
                if (s[i] == '/' && i + 1 < n && s[i + 1] == '*') {
                    ++nested;
                    i += 2;
                } else if (s[i] == '*' && i + 1 < n && s[i + 1] == '/') {
                    i += 2;
                    if (--nested == 0) break;
                } else {
                    ++i;
                }
            }
        } else if (c == '\'') {
            skip_quoted('\'');
        } else if (c == '"') {
            skip_quoted('"');
        } else if (c == '[') {
            skip_quoted(']');
        } else if (c == '(') {
            ++depth;
            ++i;
        } else if (c == ')') {
            depth = std::max(0, depth - 1);
            ++i;
        } else if (word_char(static_cast<unsigned char>(c))) {
            std::size_t begin = i;
            while (i < n && word_char(static_cast<unsigned char>(s[i]))) ++i;
            if (depth == 0) words.push_back({begin, i});
        } else {
            ++i;
        }
    }
    return words;
}

bool is_word(std::string_view s, const Word& w, const char* word) {
    return w.end - w.begin == std::strlen(word) && g_ascii_strncasecmp(s.data() + w.begin, word, w.end - w.begin) == 0;
}

// The index in `words` of the AS that ends the header, or none.
std::optional<std::size_t> header_as(std::string_view s, const std::vector<Word>& words) {
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (!is_word(s, words[k], "AS")) continue;
        if (k > 0) {
            const Word& before = words[k - 1];
            if (is_word(s, before, "EXECUTE") || is_word(s, before, "EXEC") || s[before.begin] == '@') continue;
        }
        return k;
    }
    return std::nullopt;
}

}  // namespace

std::string SQLServerAdapter::body_after_header(std::string_view definition) {
    auto words = top_level_words(definition);
    auto k = header_as(definition, words);
    return stripped(k ? definition.substr(words[*k].end) : definition);
}

dialect::CatalogRows SQLServerAdapter::run(std::string_view query, std::initializer_list<std::string_view> args) {
    return CatalogRows(SQLServerConnection::model_of(*this, SQLServerStatement::fill(query, args)));
}

// ---------------------------------------------------------------- databases and schemas

void SQLServerAdapter::fill_meta_database(MetaDatabase* database, bool deep) {
    if (!TARVELIN_GIVEN(database)) return;
    gobj::GeeArray<MetaSchema> schemas = gobj::GeeArray<MetaSchema>::wrap(database->get_schemas());
    auto descend = [&] {
        for (const auto& schema : schemas) fill_meta_schema(schema.get(), true);
    };
    if (is_filled(*database)) {
        if (deep) descend();
        return;
    }
    auto db = run(kDatabase, {database->get_name()});
    if (!db.empty()) {
        auto row = db[0];
        auto a = attributes(*database);
        a.set("COMPATIBILITY LEVEL", row.text("compatibility_level"));
        a.set("COLLATION", row.text("collation_name"));
        a.set("USER ACCESS", row.text("user_access_desc"));
        a.set("STATE", row.text("state_desc"));
        a.set("RECOVERY MODEL", row.text("recovery_model_desc"));
        a.set("FULLTEXT", row.text("is_fulltext_enabled"));
        a.set("READONLY", row.text("is_read_only"));
        a.set("DISTRIBUTOR", row.text("is_distributor"));
    }
    for (const auto& name : column_of(run(kSchemata, {}), "SCHEMA_NAME")) database->append(name.c_str());
    if (deep) descend();
    mark_filled(*database);
}

void SQLServerAdapter::fill_meta_schema(MetaSchema* schema, bool deep) {
    if (!TARVELIN_GIVEN(schema)) return;
    auto descend = [&] {
        for (const auto& table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) fill_meta_table(table.get(), true);
        for (const auto& view : gobj::GeeArray<MetaView>::wrap(schema->get_views())) fill_meta_view(view.get());
        for (const auto& function : gobj::GeeArray<MetaFunction>::wrap(schema->get_functions()))
            fill_meta_function(function.get());
    };
    if (is_filled(*schema)) {
        if (deep) descend();
        return;
    }
    const char* name = schema->get_name();
    const char* database = schema->get_database();
    auto owner = run(kSchemaOwner, {name});
    if (!owner.empty()) {
        attributes(*schema).set("OWNER", owner[0].text("SCHEMA_OWNER"));
        attributes(*schema).set("CHARACTER SET", owner[0].text("DEFAULT_CHARACTER_SET_NAME"));
    }
    auto comment = run(kSchemaComment, {name});
    if (!comment.empty()) schema->set_comment(comment[0].text("value").c_str());

    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    auto views = gobj::GeeArray<MetaView>::wrap(schema->get_views());
    for (auto row : run(kSchemaObjects, {name})) {
        std::string object = row.text("name");
        if (stripped(row.text("type")) == "V")
            views.append(MetaView::create_with_names(MetaView::gtype(), database, name, object.c_str()));
        else
            tables.append(MetaTable::create_with_names(MetaTable::gtype(), database, name, object.c_str()));
    }

    auto functions = gobj::GeeArray<MetaFunction>::wrap(schema->get_functions());
    auto procedures = gobj::GeeArray<MetaFunction>::wrap(schema->get_procedures());
    for (auto row : run(kSchemaRoutines, {name})) {
        auto f = MetaFunction::create_with_names(MetaFunction::gtype(), database, name, row.text("name").c_str());
        bool is_function =
            listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_FUNCTION, row.text("type"));
        f->set_is_function(is_function);
        (is_function ? functions : procedures).append(f);
    }

    auto event_list = gobj::GeeArray<MetaEvent>::wrap(schema->get_events());
    for (const auto& event : column_of(run(kSchemaEvents, {name}), "event_name"))
        event_list.append(MetaEvent::create_with_names(MetaEvent::gtype(), database, name, event.c_str()));

    if (deep) descend();
    mark_filled(*schema);
}

void SQLServerAdapter::load_relation(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    auto rows = run(kUserRelations, {user->get_name()});
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)")) return;
    auto relations = map_of(user->get_relations());
    for (auto row : rows) relations.set(row.text("rolename") + "=" + row.text("username"), "false");
}

// ---------------------------------------------------------------- tables

void SQLServerAdapter::fill_meta_table(MetaTable* table, bool deep) {
    if (!TARVELIN_GIVEN(table)) return;
    if (is_filled(*table)) return;
    fill_schema_table_columns(*table);
    tlog_debug("fill_schema_table_columns...[done]");
    if (!deep) {
        mark_filled(*table);
        return;
    }
    fill_schema_table_index(*table);
    fill_schema_table_trigger(table);
    fill_schema_table_check(table);
    fill_schema_table_foreign(*table);
    fill_schema_table_unique(table);
    fill_schema_table_options(table);
    tlog_debug("fill_schema_table_options...[done]");
    mark_filled(*table);
}

void SQLServerAdapter::fill_schema_table_columns(MetaTable& table) {
    const char* schema = table.get_schema();
    const char* name = table.get_name();
    auto rows = run(kTableColumns, {schema, name});
    auto columns = gobj::GeeArray<MetaColumn>::wrap(table.get_columns());
    for (auto row : rows) {
        std::string type = upper(row.text("type"));
        auto data_type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        auto inspector = SQLServerConnection::adopted<contracts::database::IInspectable>(
            gobj::call<&IConnectionVt::inspector>(SQLServerConnection::require(*this)));
        if (inspector) data_type = gobj::call<&IInspectableVt::get_data_type>(inspector, type);
        auto column = table.new_column(row.text("name").c_str(), data_type);
        column->set_ordinal(static_cast<guint16>(row.number("column_id")));
        column->set_raw_type(type.c_str());
        gint64 length = row.number("max_length");
        if (listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_NUMERIC, type)) {
            length = row.number("precision");
            column->set_scale(static_cast<guint8>(row.number("scale")));
        } else if (listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_DATETIME, type)) {
            column->set_scale(static_cast<guint8>(row.number("scale")));
        } else if ((type == "NCHAR" || type == "NVARCHAR") && length > 0) {
            // The catalogue counts bytes; lengths are kept in characters, as for every
            // other type and dialect (MAX stays -1).
            length /= 2;
        }
        column->set_length(length);
        // A NULL or non-bit answer counts as not nullable.
        column->set_not_null(!(row.is_boolean("is_nullable") && row.boolean("is_nullable")));
        if (!row.is_null("definition")) column->set_default_value(row.text("definition").c_str());
        column->set_collation(row.text("collation_name").c_str());
        column->set_comment(row.text("comment").c_str());
        if (row.index() > 0 && columns.size() >= 2) column->set_after(columns.at(columns.size() - 2)->get_name());
    }

    auto key = run(kPrimaryKey, {schema, name});
    if (key.empty()) return;
    for (auto row : key) {
        gint64 id = row.number("column_id");
        for (const auto& column : columns) {
            if (column->get_ordinal() != id) continue;
            column->set_is_primary_key(true);
            column->set_primary_ordinal(static_cast<guint8>(row.number("key_ordinal")));
            break;
        }
    }
    attributes(table).set("PRIMARY_KEY_NAME", key[0].text("name"));
}

namespace {

// Rows of an index-column query (ordered by index, then key position) gathered by index
// name: the row that opened each index, and its key columns as "name ASC" or "name DESC".
struct KeyGroup {
    int first;
    std::vector<std::string> columns;
};
std::vector<KeyGroup> key_groups(const CatalogRows& rows) {
    std::vector<KeyGroup> groups;
    for (auto row : rows) {
        if (groups.empty() || row.text("index_name") != rows[groups.back().first].text("index_name"))
            groups.push_back({row.index(), {}});
        groups.back().columns.push_back(row.text("column_name") +
                                        (row.boolean("is_descending_key") ? " DESC" : " ASC"));
    }
    return groups;
}

}  // namespace

void SQLServerAdapter::fill_schema_table_index(MetaTable& table) {
    auto rows = run(kTableIndexes, {table.get_schema(), table.get_name()});
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
    for (const auto& group : key_groups(rows)) {
        auto row = rows[group.first];
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                  table.get_name(), row.text("index_name").c_str());
        std::string description = row.text("type_desc");
        index->set_method(description.c_str());
        set_index_kind(*index, description);
        attributes(*index).set("UNIQUE", row.text("is_unique"));
        attributes(*index).set("STATE", row.text("is_disabled"));
        index->set_comment(row.text("comment").c_str());
        for (const auto& column : group.columns) index->append(column.c_str());
        indexes.append(index);
    }
}

void SQLServerAdapter::fill_schema_table_foreign(MetaTable& table) {
    auto rows = run(kTableForeignKeys, {table.get_schema(), table.get_name()});
    // Rows of different keys interleave (ordered by position in the key only).
    struct Key {
        gobj::Ref<MetaForeignKey> key;
        std::vector<std::string> local, refer;
    };
    std::vector<Key> keys;
    for (auto row : rows) {
        std::string name = row.text("name");
        auto it = std::find_if(keys.begin(), keys.end(), [&](const Key& k) { return name == k.key->get_name(); });
        if (it == keys.end()) {
            auto fk = MetaForeignKey::create_with_name(MetaForeignKey::gtype(), name.c_str());
            fk->set_delete_action(row.text("delete_referential_action_desc").c_str());
            fk->set_update_action(row.text("update_referential_action_desc").c_str());
            attributes(*fk).set("STATE", row.text("is_disabled"));
            fk->set_comment(row.text("comment").c_str());
            fk->set_refer_schema(row.text("refer_schema").c_str());
            fk->set_refer_table(row.text("refer_table").c_str());
            keys.push_back({fk, {}, {}});
            it = keys.end() - 1;
        }
        it->local.push_back(row.text("local_column"));
        it->refer.push_back(row.text("refer_column"));
    }
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    for (auto& k : keys) {
        k.key->set_local_columns(joined(k.local, ",").c_str());
        k.key->set_refer_columns(joined(k.refer, ",").c_str());
        constraints.append(k.key);
    }
}

// ---------------------------------------------------------------- constraints and options

gobj::Ref<MetaTable> SQLServerAdapter::fill_schema_table_unique(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto rows = run(kTableUniques, {table->get_schema(), table->get_name()});
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    for (const auto& group : key_groups(rows)) {
        auto row = rows[group.first];
        auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), row.text("index_name").c_str());
        set_unique_kind(*unique, row.text("type_desc"));
        attributes(*unique).set("STATE", row.text("is_disabled"));
        unique->set_comment(row.text("comment").c_str());
        unique->set_columns(joined(group.columns, ",").c_str());
        constraints.append(unique);
    }
    return gobj::Ref<MetaTable>::retain(table->gobj());
}

namespace {
// The expression inside the one pair of parentheses that encloses a whole definition, or
// the definition itself. Parentheses inside quotes and brackets do not count.
std::string check_expression(const std::string& definition) {
    std::size_t n = definition.size();
    if (n < 2 || definition.front() != '(' || definition.back() != ')') return definition;
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < n; ++i) {
        char c = definition[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '[') {
            quote = ']';
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0 && i + 1 < n) {
            return definition;  // the first pair closes before the end: (a) OR (b)
        }
    }
    return depth == 0 ? definition.substr(1, n - 2) : definition;
}
}  // namespace

gobj::Ref<MetaTable> SQLServerAdapter::fill_schema_table_check(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto rows = run(kTableChecks, {table->get_schema(), table->get_name()});
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    for (auto row : rows) {
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), row.text("name").c_str(),
                                                 check_expression(row.text("definition")).c_str());
        attributes(*check).set("STATE", row.text("is_disabled"));
        attributes(*check).set("REPLICATION", row.boolean("is_not_for_replication") ? "true" : "false");
        check->set_comment(row.text("comment").c_str());
        constraints.append(check);
    }
    return gobj::Ref<MetaTable>::retain(table->gobj());
}

gobj::Ref<MetaTable> SQLServerAdapter::fill_schema_table_options(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    const char* schema = table->get_schema();
    const char* name = table->get_name();
    auto options = map_of(table->get_options());
    if (auto first = run(kTableOptions, {schema, name}); first.size() == 1) {
        auto row = first[0];
        std::string lock = row.text("lock_escalation");
        if (lock == "0") options.set("LOCK_ESCALATION", "TABLE");
        if (lock == "1") options.set("LOCK_ESCALATION", "DISABLE");
        if (lock == "2") options.set("LOCK_ESCALATION", "AUTO");
        std::string tracked = row.text("is_track_columns_updated_on");
        if (tracked == "false" || tracked == "true") {
            options.set("CHANGE_TRACKING", "true");
            options.set("TRACK_COLUMNS_UPDATED", tracked);
        }
        // IDENT_CURRENT is numeric(38, 0): the driver's decimal text carries a zero fraction.
        if (std::string ident = row.text("current_value"); !ident.empty()) {
            auto point = ident.find('.');
            if (point != std::string::npos && ident.find_first_not_of('0', point + 1) == std::string::npos)
                ident.erase(point);
            options.set("IDENT_CURRENT", ident);
        }
        table->set_comment(row.text("comment").c_str());
    }

    if (auto space = run(kTableSpaces, {schema, name}); space.size() == 1) {
        auto row = space[0];
        std::string type = row.text("data_space_type");
        if (type == "FG" || type == "FD") {
            options.set("FILEGROUP_ON", row.text("data_space_name"));
            options.set("TEXTIMAGE_ON", row.text("lob_data_space_name"));
        } else if (type == "PS") {
            options.set("PARTITION_SCHEMA", row.text("data_space_name"));
            options.set("PARTITION_COLUMN", row.text("data_space_column"));
        }
        std::string stream = row.text("filestream_data_space_type");
        if (stream == "FD") options.set("FILESTREAM_ON", row.text("filestream_data_space_name"));
        if (stream == "PS") options.set("PARTITION_STREAM", row.text("filestream_data_space_name"));
    }

    // XML compression came with version 16.
    bool xml = SQLServerConnection::major_version(SQLServerConnection::version_of(*this).c_str()) > 15;
    std::vector<std::string> data, xml_parts;
    for (auto row : run(xml ? kTablePartitionsXml : kTablePartitions, {schema, name})) {
        std::string partition = row.text("partition_number");
        std::string code = row.text("data_compression");
        if (code != "0")
            data.push_back(partition + "=" + code);
        else if (xml && row.boolean("xml_compression"))
            xml_parts.push_back(partition + "=" + row.text("xml_compression"));
    }
    if (!data.empty()) options.set("DATA_COMPRESSION_PARTITIONS", joined(data, ","));
    if (!xml_parts.empty()) options.set("XML_COMPRESSION_PARTITIONS", joined(xml_parts, ","));
    return gobj::Ref<MetaTable>::retain(table->gobj());
}

// ---------------------------------------------------------------- triggers

gobj::Ref<MetaTable> SQLServerAdapter::fill_schema_table_trigger(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    return fill_triggers(*table, kTableTriggers);
}

gobj::Ref<MetaTable> SQLServerAdapter::fill_triggers(MetaTable& table, const char* query) {
    auto rows = run(query, {table.get_schema(), table.get_name()});
    auto triggers = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
    std::vector<std::string> seen;
    for (auto row : rows) {
        // A flag read as an integer counts as set unless it is 0 (NULL included).
        auto flag = [&](std::string_view column) {
            auto n = row.integer(column);
            return !n || *n != 0;
        };
        std::string name = row.text("name");
        // A query that joins the trigger events gives a trigger once per event.
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) continue;
        seen.push_back(name);
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), name.c_str(),
                                                     body_after_header(row.text("definition")).c_str());
        trigger->set_target(table.get_name());
        auto a = attributes(*trigger);
        a.set("TARGET_TYPE", stripped(row.text("object_type")) == "U" ? "TABLE" : "VIEW");
        std::vector<std::string> events;
        if (flag("is_insert_trigger")) events.emplace_back("INSERT");
        if (flag("is_update_trigger")) events.emplace_back("UPDATE");
        if (flag("is_delete_trigger")) events.emplace_back("DELETE");
        if (!events.empty()) trigger->set_event(joined(events, ",").c_str());
        if (flag("is_encrypted")) a.set("ENCRYPTION", "true");
        trigger->set_timing(row.boolean("is_instead_of_trigger") ? "INSTEAD OF" : "AFTER");
        a.set("STATE", row.text("is_disabled"));
        std::string principal;
        if (stripped(row.text("type")) != "TR") {
            a.set("DEFINITION_TYPE", "EXTERNAL");
            std::string assembly = row.text("assembly_name");
            if (!assembly.empty())
                trigger->set_function(
                    (assembly + "." + row.text("assembly_class") + "." + row.text("assembly_method")).c_str());
            principal = row.text("clr_principal_name");
        } else {
            a.set("DEFINITION_TYPE", "SQL");
            principal = row.text("sql_principal_name");
        }
        if (!principal.empty()) {
            if (listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_USER_LIST_INTERNAL, principal)) {
                a.set("EXECUTOR", principal);
            } else {
                a.set("EXECUTOR", "USER");
                a.set("EXECUTOR_USER", principal);
            }
        }
        trigger->set_comment(row.text("comment").c_str());
        triggers.append(trigger);
    }
    return gobj::Ref<MetaTable>::retain(table.gobj());
}

void SQLServerAdapter::fill_meta_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return;
    if (is_filled(*trigger)) return;
    auto rows = run(kTrigger, {trigger->get_schema(), trigger->get_name()});
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp11_)")) return;
    auto row = rows[0];
    trigger->set_target(row.text("table_name").c_str());
    trigger->set_event(row.text("type_desc").c_str());
    trigger->set_body(body_after_header(row.text("definition")).c_str());
    trigger->set_comment(stripped(row.text("comment")).c_str());
    mark_filled(*trigger);
}

// ---------------------------------------------------------------- views and indexes

void SQLServerAdapter::fill_meta_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return;
    if (is_filled(*view)) return;
    auto rows = run(kView, {view->get_schema(), view->get_name()});
    if (!TARVELIN_REQUIRE(rows.size() == 1, "((guint) 1) == g_list_model_get_n_items ((GListModel*) _tmp12_)"))
        return;
    auto row = rows[0];
    auto a = attributes(*view);
    a.set("OBJECT_ID", row.text("OBJECT_ID"));
    if (!row.is_null("comment")) view->set_comment(row.text("comment").c_str());

    std::string text = stripped(row.text("definition"));
    static constexpr std::string_view kCheckOption = "WITH CHECK OPTION";
    if (text.find(kCheckOption) != std::string::npos) {
        a.set("WITH CHECK OPTION", "true");
        for (auto at = text.find(kCheckOption); at != std::string::npos; at = text.find(kCheckOption, at))
            text.erase(at, kCheckOption.size());
        text = stripped(text);
    }
    // The header is CREATE [OR ALTER] VIEW name [WITH options]; the definition is what
    // follows the AS that ends it.
    auto words = top_level_words(text);
    auto as_at = header_as(text, words);
    std::size_t view_at = words.size() > 1 && is_word(text, words[0], "CREATE") && is_word(text, words[1], "VIEW") ? 1
                          : words.size() > 3 && is_word(text, words[0], "CREATE") && is_word(text, words[1], "OR") &&
                                  is_word(text, words[3], "VIEW")
                              ? 3
                              : 0;
    if (!as_at || view_at == 0 || *as_at <= view_at) {
        view->set_definition(text.c_str());
        mark_filled(*view);
        return;
    }
    std::string options;
    for (std::size_t k = view_at + 1; k < *as_at; ++k) {
        if (!is_word(text, words[k], "WITH")) continue;
        options = stripped(std::string_view(text).substr(words[k].end, words[*as_at].begin - words[k].end));
        break;
    }
    tlog_message("View options: [%s]", options.c_str());
    if (options.find(',') != std::string::npos) {
        gchar** pieces = g_strsplit(options.c_str(), ",", -1);
        for (gchar** p = pieces; *p; ++p)
            if (std::string option = stripped(*p); !option.empty()) a.set(option, "true");
        g_strfreev(pieces);
    } else if (!options.empty()) {
        a.set(options, "true");
    }
    std::string sql = stripped(std::string_view(text).substr(words[*as_at].end));
    if (!sql.empty() && sql.back() == ';') sql.pop_back();
    view->set_definition(stripped(sql).c_str());
    mark_filled(*view);
}

void SQLServerAdapter::fill_meta_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return;
    if (is_filled(*index)) return;
    auto rows = run(kIndex, {index->get_schema(), index->get_entity(), index->get_name()});
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp13_)")) return;
    auto first = rows[0];
    // The same kind and clustering as the table's index list gives, the description as method.
    std::string description = first.text("type_desc");
    index->set_method(description.c_str());
    set_index_kind(*index, description);
    auto a = attributes(*index);
    if (first.boolean("is_unique")) a.set("UNIQUE", "true");
    a.set("FILL FACTOR", first.text("fill_factor"));
    a.set("ENABLE", first.text("is_disabled"));
    index->set_comment(first.text("comment").c_str());
    for (auto row : rows)
        index->append((row.text("c_name") + (row.boolean("is_descending_key") ? " DESC" : " ASC")).c_str());
    mark_filled(*index);
}

// ---------------------------------------------------------------- routines

void SQLServerAdapter::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    fill_routine(*function, kRoutine);
}

namespace {
// "name type" with the type's size as a declaration needs it: characters for the text
// types (the catalogue counts bytes of the national ones), (max) for MAX sizes, bytes
// for the binary types, (precision, scale) for exact numerics; " OUTPUT" for an output
// parameter.
std::string parameter_text(const CatalogRows::Row& row) {
    std::string name = row.text("name"), type = row.text("type"), upper_type = upper(type);
    std::string text = name.empty() ? type : name + " " + type;
    gint64 length = row.integer_or_zero("max_length");
    bool national = upper_type == "NCHAR" || upper_type == "NVARCHAR";
    bool sized = listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_CHARACTER, upper_type) ||
                 upper_type == "BINARY" || upper_type == "VARBINARY";
    if (sized) {
        text += length == -1 ? std::string("(max)")
                             : "(" + std::to_string(national ? length / 2 : length) + ")";
    } else if (upper_type == "DECIMAL" || upper_type == "NUMERIC") {
        text += "(" + row.text("precision") + ", " + row.text("scale") + ")";
    }
    if (!name.empty() && row.boolean("is_output")) text += " OUTPUT";
    return text;
}
}  // namespace

void SQLServerAdapter::fill_routine(MetaFunction& function, const char* detail_query) {
    if (is_filled(function)) return;
    const char* schema = function.get_schema();
    const char* name = function.get_name();
    auto rows = run(detail_query, {schema, name});
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp12_)")) return;
    auto detail = rows[0];
    function.set_is_function(listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_FUNCTION,
                                    stripped(detail.text("type"))));
    auto a = attributes(function);
    a.set("ENCRYPTION", detail.text("is_encrypted"));
    a.set("REPLICATION", detail.text("is_replication"));
    a.set("SCHEMABINDING", detail.text("is_schema_bound"));
    a.set("RECOMPILE", detail.text("is_recompiled"));
    a.set("NULL_INPUT", detail.text("null_on_null_input"));
    // The older servers' query has no such column.
    if (detail.has("uses_native_compilation")) a.set("NATIVE_COMPILATION", detail.text("uses_native_compilation"));
    if (!detail.is_null("executor")) {
        a.set("EXECUTE_AS", "true");
        a.set("EXECUTOR", "USER");
        a.set("EXECUTOR_USER", detail.text("executor"));
    }
    static const std::pair<const char*, const char*> kAssembly[] = {
        {"ASSEMBLY", "assembly"}, {"ASSEMBLY_CLASS", "assembly_class"}, {"ASSEMBLY_METHOD", "assembly_method"}};
    for (const auto& [key, column] : kAssembly)
        if (!detail.is_null(column)) a.set(key, detail.text(column));
    function.set_comment(detail.text("comment").c_str());
    function.set_body(body_after_header(detail.text("definition")).c_str());

    auto parameters = run(kRoutineParameters, {schema, name});
    // A refill after reset starts from an empty list, not after the earlier texts.
    auto list = gobj::StringArray::wrap(function.get_parameters());
    list.clear();
    for (auto row : parameters) {
        std::string parameter = parameter_text(row);
        // The unnamed row is a function's result.
        if (row.text("name").empty())
            function.set_return_type(parameter.c_str());
        else
            list.append(parameter);
        tlog_warning("Parameter: [%s] -> %s => %s", row.text("name").c_str(), parameter.c_str(),
                   function.get_return_type());
    }
    mark_filled(function);
}

// ---------------------------------------------------------------- principals

void SQLServerAdapter::fill_meta_user(MetaUser* meta_user) {
    if (!TARVELIN_GIVEN(meta_user)) return;
    if (is_filled(*meta_user)) return;
    const char* name = meta_user->get_name();
    auto containment = run(kContainment, {meta_user->get_database()});
    bool contained = containment.size() == 1 && containment[0].text("containment") == "1";
    auto users = run(kUser, {name});
    if (!has_rows(users, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp28_)")) return;
    auto user = users[0];
    auto a = attributes(*meta_user);
    std::string type = stripped(user.text("type"));
    const char* authentication = type == "U" || type == "G"   ? "LOGIN"
                                 : type == "E" || type == "X" ? "EXTERNAL"
                                 : type == "K"                ? "ASYMMETRIC KEY"
                                 : type == "C"                ? "CERTIFICATE"
                                 : type == "S"                ? (contained ? "PASSWORD" : "LOGIN")
                                                              : nullptr;
    if (authentication) a.set("AUTHENTICATION", authentication);
    a.set("DEFAULT_SCHEMA", user.text("default_schema_name"));
    if (!user.is_null("default_language_name")) a.set("DEFAULT_LANGUAGE", user.text("default_language_name"));
    if (!user.is_null("sid")) a.set("SID", user.text("sid"));
    a.set("ALLOW_ENCRYPTED_VALUE_MODIFICATIONS", user.text("allow_encrypted_value_modifications"));
    if (!user.is_null("login")) a.set("LOGIN", user.text("login"));
    if (!user.is_null("certificate")) a.set("CERTIFICATE", user.text("certificate"));
    if (!user.is_null("asymmkey")) a.set("ASYMMETRIC_KEY", user.text("asymmkey"));
    meta_user->set_comment(user.text("comment").c_str());

    if (auto schemas = column_of(run(kUserSchemas, {name}), "SCHEMA_NAME"); !schemas.empty())
        a.set("SCHEMAS", joined(schemas, ","));
    if (auto roles = column_of(run(kUserRoles, {name}), "rolename"); !roles.empty()) a.set("ROLES", joined(roles, ","));

    auto privileges = map_of(meta_user->get_privileges());
    if (auto database = run(kUserDatabasePermissions, {name}); !database.empty())
        privileges.set("DATABASE", permission_list(database));
    group_permissions(run(kUserObjectPermissions, {name}), privileges, "OBJECT", [](const CatalogRows::Row& row) {
        std::string key = row.text("SchemaName") + "." + row.text("ObjectName");
        if (!row.is_null("ColumnName")) key += "." + row.text("ColumnName");
        return key;
    });
    mark_filled(*meta_user);
}

void SQLServerAdapter::fill_meta_login(MetaUser* meta_user) {
    if (!TARVELIN_GIVEN(meta_user)) return;
    if (is_filled(*meta_user)) return;
    const char* name = meta_user->get_name();
    auto logins = run(kLogin, {name});
    if (!has_rows(logins, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp10_)")) return;
    auto login = logins[0];
    auto a = attributes(*meta_user);
    std::string type = stripped(login.text("type"));
    const char* authentication = type == "C"                  ? "CERTIFICATE"
                                 : type == "K"                ? "ASYMMETRIC KEY"
                                 : type == "S"                ? "PASSWORD"
                                 : type == "G" || type == "U" ? "WINDOWS"
                                 : type == "E" || type == "X" ? "EXTERNAL"
                                                              : nullptr;
    if (authentication) a.set("AUTHENTICATION", authentication);
    static const std::pair<const char*, const char*> kKeys[] = {
        {"STATE", "is_disabled"},
        {"DEFAULT_DATABASE", "default_database_name"},
        {"DEFAULT_LANGUAGE", "default_language_name"},
        {"LOCKED", "is_locked"},
        {"CHECK_POLICY", "is_policy_checked"},
        {"CHECK_EXPIRATION", "is_expiration_checked"},
        {"EXPIRED", "is_expired"},
        {"MUST_CHANGE", "is_must_changed"}};
    for (const auto& [key, column] : kKeys) a.set(key, login.text(column));
    if (!login.is_null("certificate")) a.set("CERTIFICATE", login.text("certificate"));
    if (!login.is_null("asymmkey")) a.set("ASYMMETRIC_KEY", login.text("asymmkey"));

    if (auto credentials = column_of(run(kLoginCredentials, {name}), "credential"); !credentials.empty())
        a.set("CREDENTIAL", joined(credentials, ","));
    std::vector<std::string> role_names{"public"};
    for (const auto& role : column_of(run(kLoginRoles, {name}), "rolename")) role_names.push_back(role);
    a.set("ROLES", joined(role_names, ","));

    auto privileges = map_of(meta_user->get_privileges());
    if (auto server = run(kLoginServerPermissions, {name}); !server.empty())
        privileges.set("SERVER", permission_list(server));
    group_permissions(run(kLoginLoginPermissions, {name}), privileges, "LOGIN",
                      [](const CatalogRows::Row& row) { return row.text("login_name"); });
    group_permissions(run(kLoginEndpointPermissions, {name}), privileges, "ENDPOINT",
                      [](const CatalogRows::Row& row) { return row.text("endpoint"); });
    mark_filled(*meta_user);
}

// Roles: the builder reads a role's relations ("role=member") and attributes; the
// catalogue gives no admin option on SQL Server memberships, so every value is "false".
void SQLServerAdapter::fill_role_relations(MetaRole& role, const char* query) {
    auto relations = map_of(role.get_relations());
    for (auto row : run(query, {role.get_name(), role.get_name()}))
        relations.set(row.text("rolename") + "=" + row.text("membername"), "false");
}

void SQLServerAdapter::fill_role_server(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return;
    if (is_filled(*role)) return;
    if (!has_rows(run(kServerRole, {role->get_name()}), "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)"))
        return;
    fill_role_relations(*role, kServerRoleMembers);
    mark_filled(*role);
}

void SQLServerAdapter::fill_role_database(MetaRole* role, bool application) {
    if (!TARVELIN_GIVEN(role)) return;
    if (is_filled(*role)) return;
    auto found = run(application ? kApplicationRole : kDatabaseRole, {role->get_name()});
    if (!has_rows(found, "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)")) return;
    auto row = found[0];
    auto a = attributes(*role);
    if (application)
        a.set("DEFAULT_SCHEMA", row.text("default_schema_name"));
    else if (!row.is_null("owner"))
        a.set("OWNER", row.text("owner"));
    role->set_comment(row.text("comment").c_str());
    fill_role_relations(*role, kDatabaseRoleMembers);
    mark_filled(*role);
}

// ---------------------------------------------------------------- synonyms and events

void SQLServerAdapter::fill_meta_synonym(MetaSynonym* synonym) {
    if (!TARVELIN_GIVEN(synonym)) return;
    if (is_filled(*synonym)) return;
    // A failure reaches the caller: the synonym stays unmarked.
    auto rows = run(kSynonym, {synonym->get_schema(), synonym->get_name()});
    if (!TARVELIN_REQUIRE(rows.size() == 1, "((guint) 1) == g_list_model_get_n_items ((GListModel*) _tmp12_)"))
        return;
    synonym->set_target(rows[0].text("base_object_name").c_str());
    if (!rows[0].is_null("comment")) synonym->set_comment(rows[0].text("comment").c_str());
    mark_filled(*synonym);
}

// An event of the schema fill is a DML trigger's event list: its kind lists the events,
// its body and state are the trigger's.
void SQLServerAdapter::fill_meta_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return;
    if (is_filled(*event)) return;
    auto rows = run(kEvent, {event->get_schema(), event->get_name()});
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)")) return;
    event->set_kind(joined(column_of(rows, "type_desc"), ",").c_str());
    event->set_body(body_after_header(rows[0].text("definition")).c_str());
    event->set_state(rows[0].boolean("is_disabled") ? "DISABLED" : "ENABLED");
    event->set_comment(rows[0].text("comment").c_str());
    mark_filled(*event);
}

// ---------------------------------------------------------------- by kind

void SQLServerAdapter::fill_meta_object(MetaObject* meta_object, bool deep) {
    if (!TARVELIN_GIVEN(meta_object)) return;
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return fill_meta_database(as<MetaDatabase>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return fill_meta_event(as<MetaEvent>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return fill_meta_function(as<MetaFunction>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return fill_meta_index(as<MetaIndex>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: {
            auto* role = as<MetaRole>(meta_object);
            std::string_view scope = role && role->get_scope() ? role->get_scope() : "";
            if (scope == "server") return fill_role_server(role);
            if (scope == "database") return fill_role_database(role, false);
            if (scope == "application") return fill_role_database(role, true);
            return;
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return fill_meta_schema(as<MetaSchema>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SYNONYM: return fill_meta_synonym(as<MetaSynonym>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return fill_meta_table(as<MetaTable>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return fill_meta_trigger(as<MetaTrigger>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: {
            auto* user = as<MetaUser>(meta_object);
            const char* scope = user ? user->get_scope() : nullptr;
            if (scope && std::string_view(scope) == "server") return fill_meta_login(user);
            return fill_meta_user(user);
        }
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return fill_meta_view(as<MetaView>(meta_object));
        default: return;
    }
}

}  // namespace tarvelin::rezezadovu::supports::database
