#include "rezezadovu/supports/database/sqlserver/adapter.hpp"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/gee.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
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
using providers::contracts::TableModel;
using providers::contracts::ValueBoolean;
using providers::contracts::ValueObject;
using IConnectionVt = TarvelinRezezadovuContractsDatabaseIConnectionInterface;
using IInspectableVt = TarvelinRezezadovuContractsDatabaseIInspectableInterface;
using IIntegerVt = TarvelinProvidersContractsIIntegerInterface;

TARVELIN_GTYPE(SQLServerAdapter, "TarvelinRezezadovuSupportsDatabaseSQLServerAdapter", Adapter)

gobj::Ref<SQLServerAdapter> SQLServerAdapter::create(GType type, CConnection* connection) {
    return create_linked<SQLServerAdapter>(type, connection);
}

// ---------------------------------------------------------------- cells, marks and lists

namespace {

// A result table read by row and column; a cell outside it reads as NULL.
class Rows {
public:
    explicit Rows(gobj::Ref<TableModel> table) : table_(std::move(table)) {}
    guint count() const { return table_ ? table_->list_n_items() : 0; }
    gobj::Ref<ValueObject> cell(guint row, gint col) const {
        return table_ ? table_->get_value_at(col, static_cast<gint>(row)) : gobj::Ref<ValueObject>();
    }
    std::string text(guint row, gint col) const {
        auto v = cell(row, col);
        return v ? v->to_string() : std::string();
    }
    bool is_null(guint row, gint col) const {
        auto v = cell(row, col);
        return !v || v->get_is_null();
    }
    // A bit cell that holds true; any other cell counts as false.
    bool is_true(guint row, gint col) const {
        auto b = gobj::ref_cast<ValueBoolean>(cell(row, col));
        return b && b->get_boolean();
    }
    bool is_boolean(guint row, gint col) const { return static_cast<bool>(gobj::ref_cast<ValueBoolean>(cell(row, col))); }
    // The number of an integer cell; none for NULL and every other class.
    std::optional<gint64> integer(guint row, gint col) const {
        auto v = cell(row, col);
        if (!v || !G_TYPE_CHECK_INSTANCE_TYPE(v.instance(), providers::contracts::IInteger::gtype())) return {};
        return gobj::call<&IIntegerVt::to_integer>(v);
    }
    gint64 number(guint row, gint col) const { return g_ascii_strtoll(text(row, col).c_str(), nullptr, 10); }

private:
    gobj::Ref<TableModel> table_;
};

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

// The first column of every row.
std::vector<std::string> first_column(const Rows& rows) {
    std::vector<std::string> out;
    for (guint r = 0; r < rows.count(); ++r) out.push_back(rows.text(r, 0));
    return out;
}

// "name=state" entries of every row, joined by ",".
std::string permission_list(const Rows& rows, gint name_col, gint state_col) {
    std::vector<std::string> entries;
    for (guint r = 0; r < rows.count(); ++r) entries.push_back(rows.text(r, name_col) + "=" + rows.text(r, state_col));
    return joined(entries, ",");
}

// Per-securable permission lists of rows ordered by securable: each key gets its list,
// and `list_key` the keys in the order found.
template <class KeyOf>
void group_permissions(const Rows& rows, const gobj::StringMap& privileges, const char* list_key, KeyOf key_of,
                       gint name_col, gint state_col) {
    std::vector<std::string> keys;
    std::map<std::string, std::vector<std::string>> lists;
    for (guint r = 0; r < rows.count(); ++r) {
        std::string key = key_of(r);
        if (!lists.count(key)) keys.push_back(key);
        lists[key].push_back(rows.text(r, name_col) + "=" + rows.text(r, state_col));
    }
    for (const auto& key : keys) privileges.set(key, joined(lists[key], ","));
    if (!keys.empty()) privileges.set(list_key, joined(keys, ","));
}

// The critical of an answer with fewer rows than a fill needs; the texts name the check.
bool has_rows(const Rows& rows, const char* condition) {
    return TARVELIN_REQUIRE(rows.count() > 0, condition);
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

gobj::Ref<TableModel> SQLServerAdapter::run(std::string_view query, std::initializer_list<std::string_view> args) {
    return SQLServerConnection::model_of(*this, SQLServerStatement::fill(query, args));
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
    Rows db(run("SELECT database_id, name, compatibility_level, collation_name, user_access_desc, state_desc, "
                "recovery_model_desc, is_fulltext_enabled, is_read_only, is_distributor, create_date FROM "
                "SYS.DATABASES WHERE name='%s' ORDER BY database_id DESC;",
                {database->get_name()}));
    if (db.count() > 0) {
        auto a = attributes(*database);
        a.set("COMPATIBILITY LEVEL", db.text(0, 2));
        a.set("COLLATION", db.text(0, 3));
        a.set("USER ACCESS", db.text(0, 4));
        a.set("STATE", db.text(0, 5));
        a.set("RECOVERY MODEL", db.text(0, 6));
        a.set("FULLTEXT", db.text(0, 7));
        a.set("READONLY", db.text(0, 8));
        a.set("DISTRIBUTOR", db.text(0, 9));
    }
    Rows names(run("SELECT SCHEMA_NAME, SCHEMA_OWNER, DEFAULT_CHARACTER_SET_NAME FROM INFORMATION_SCHEMA.SCHEMATA "
                   "WHERE SCHEMA_NAME NOT LIKE 'db[_]%';",
                   {}));
    for (guint r = 0; r < names.count(); ++r) database->append(names.text(r, 0).c_str());
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
    Rows owner(run("SELECT SCHEMA_OWNER, DEFAULT_CHARACTER_SET_NAME FROM INFORMATION_SCHEMA.SCHEMATA WHERE "
                   "SCHEMA_NAME = '%s';",
                   {name}));
    if (owner.count() > 0) {
        attributes(*schema).set("OWNER", owner.text(0, 0));
        attributes(*schema).set("CHARACTER SET", owner.text(0, 1));
    }
    Rows comment(run("SELECT value FROM sys.extended_properties WHERE name='MS_Description' AND class_desc='SCHEMA' "
                     "AND major_id=SCHEMA_ID('%s')",
                     {name}));
    if (comment.count() > 0) schema->set_comment(comment.text(0, 0).c_str());

    Rows objects(run("SELECT name, type FROM SYS.all_objects WHERE type in ('U', 'V', 'IT', 'S') AND "
                     "SCHEMA_NAME(schema_id) = '%s';",
                     {name}));
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    auto views = gobj::GeeArray<MetaView>::wrap(schema->get_views());
    for (guint r = 0; r < objects.count(); ++r) {
        std::string object = objects.text(r, 0);
        if (stripped(objects.text(r, 1)) == "V")
            views.append(MetaView::create_with_names(MetaView::gtype(), database, name, object.c_str()));
        else
            tables.append(MetaTable::create_with_names(MetaTable::gtype(), database, name, object.c_str()));
    }

    Rows routines(run("SELECT name, type FROM SYS.all_objects WHERE type in ('AF', 'FN', 'FS', 'FT', 'IF', 'TF', "
                      "'P', 'PC', 'X') AND SCHEMA_NAME(schema_id) = '%s';",
                      {name}));
    auto functions = gobj::GeeArray<MetaFunction>::wrap(schema->get_functions());
    auto procedures = gobj::GeeArray<MetaFunction>::wrap(schema->get_procedures());
    for (guint r = 0; r < routines.count(); ++r) {
        auto f = MetaFunction::create_with_names(MetaFunction::gtype(), database, name, routines.text(r, 0).c_str());
        bool is_function =
            listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_FUNCTION, routines.text(r, 1));
        f->set_is_function(is_function);
        (is_function ? functions : procedures).append(f);
    }

    Rows events(run("SELECT object_id, OBJECT_NAME(object_id) as event_name, type_desc, event_group_type_desc FROM "
                    "sys.events WHERE OBJECT_SCHEMA_NAME(object_id) = '%s';",
                    {name}));
    auto event_list = gobj::GeeArray<MetaEvent>::wrap(schema->get_events());
    for (guint r = 0; r < events.count(); ++r)
        event_list.append(MetaEvent::create_with_names(MetaEvent::gtype(), database, name, events.text(r, 1).c_str()));

    if (deep) descend();
    mark_filled(*schema);
}

void SQLServerAdapter::load_relation(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    Rows rows(run("SELECT r.name AS rolename,u.name AS username FROM sys.database_role_members m LEFT JOIN "
                  "sys.database_principals u ON m.member_principal_id=u.principal_id LEFT JOIN "
                  "sys.database_principals r ON m.role_principal_id=r.principal_id WHERE u.name ='%s' ORDER BY u.name "
                  "OPTION (ROBUST PLAN)",
                  {user->get_name()}));
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)")) return;
    auto relations = map_of(user->get_relations());
    for (guint r = 0; r < rows.count(); ++r) relations.set(rows.text(r, 0) + "=" + rows.text(r, 1), "false");
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
    Rows rows(run("SELECT ac.column_id, ac.name, TYPE_NAME(ac.user_type_id) type, ac.max_length, ac.precision, "
                  "ac.scale, ac.is_nullable, dc.definition, ac.collation_name, CAST(ep.value AS NVARCHAR(MAX)) AS "
                  "comment FROM sys.all_columns ac LEFT JOIN sys.default_constraints dc ON ac.default_object_id = "
                  "dc.object_id LEFT JOIN sys.extended_properties ep ON (ep.class=1 AND ac.object_id=ep.major_id AND "
                  "ep.minor_id=ac.column_id AND ep.name='MS_Description') WHERE OBJECT_SCHEMA_NAME(ac.object_id) = "
                  "'%s' AND OBJECT_NAME(ac.object_id) = '%s' ORDER BY ac.column_id ASC;",
                  {schema, name}));
    auto columns = gobj::GeeArray<MetaColumn>::wrap(table.get_columns());
    for (guint r = 0; r < rows.count(); ++r) {
        std::string type = upper(rows.text(r, 2));
        auto data_type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        auto inspector = SQLServerConnection::adopted<contracts::database::IInspectable>(
            gobj::call<&IConnectionVt::inspector>(SQLServerConnection::require(*this)));
        if (inspector) data_type = gobj::call<&IInspectableVt::get_data_type>(inspector, type);
        auto column = table.new_column(rows.text(r, 1).c_str(), data_type);
        column->set_ordinal(static_cast<guint16>(rows.number(r, 0)));
        column->set_raw_type(type.c_str());
        gint64 length = rows.number(r, 3);
        if (listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_NUMERIC, type)) {
            length = rows.number(r, 4);
            column->set_scale(static_cast<guint8>(rows.number(r, 5)));
        } else if (listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_DATETIME, type)) {
            column->set_scale(static_cast<guint8>(rows.number(r, 5)));
        } else if ((type == "NCHAR" || type == "NVARCHAR") && length > 0) {
            // The catalogue counts bytes; lengths are kept in characters, as for every
            // other type and dialect (MAX stays -1).
            length /= 2;
        }
        column->set_length(length);
        // A NULL or non-bit answer counts as not nullable.
        column->set_not_null(!(rows.is_boolean(r, 6) && rows.is_true(r, 6)));
        if (!rows.is_null(r, 7)) column->set_default_value(rows.text(r, 7).c_str());
        column->set_collation(rows.text(r, 8).c_str());
        column->set_comment(rows.text(r, 9).c_str());
        if (r > 0 && columns.size() >= 2) column->set_after(columns.at(columns.size() - 2)->get_name());
    }

    Rows key(run("SELECT ix.name, ic.column_id, COL_NAME(ic.object_id, ic.column_id) as column_name, ic.key_ordinal "
                 "FROM sys.index_columns ic LEFT JOIN sys.indexes ix ON ic.object_id = ix.object_id AND ic.index_id = "
                 "ix.index_id WHERE OBJECT_SCHEMA_NAME(ic.object_id) = '%s' AND OBJECT_NAME(ic.object_id) = '%s' AND "
                 "ix.index_id > 0 AND ix.is_primary_key = 1 ORDER BY ic.key_ordinal ASC;",
                 {schema, name}));
    if (key.count() == 0) return;
    for (guint r = 0; r < key.count(); ++r) {
        gint64 id = key.number(r, 1);
        for (const auto& column : columns) {
            if (column->get_ordinal() != id) continue;
            column->set_is_primary_key(true);
            column->set_primary_ordinal(static_cast<guint8>(key.number(r, 3)));
            break;
        }
    }
    attributes(table).set("PRIMARY_KEY_NAME", key.text(0, 0));
}

namespace {

// The index-column query of a table's indexes; the filter after it picks the family.
constexpr const char* kIndexColumns =
    "SELECT ix.index_id, ix.name index_name, ix.type_desc, ix.is_unique, ix.is_disabled, ic.column_id, "
    "COL_NAME(ic.object_id, ic.column_id) as column_name, ic.key_ordinal, ic.is_descending_key,CAST(ep.value AS "
    "NVARCHAR(MAX)) AS comment FROM sys.index_columns ic LEFT JOIN sys.indexes ix ON ic.object_id = ix.object_id AND "
    "ic.index_id = ix.index_id LEFT JOIN sys.extended_properties ep ON (ep.class=7 AND ep.major_id=ix.object_id AND "
    "ep.minor_id=ix.index_id AND ep.name='MS_Description') WHERE OBJECT_SCHEMA_NAME(ic.object_id) = '%s' AND "
    "OBJECT_NAME(ic.object_id) = '%s' AND ";

// Rows of the index-column query (ordered by index, then key position) gathered by index
// name: the row that opened each index, and its key columns as "name ASC" or "name DESC".
struct KeyGroup {
    guint first;
    std::vector<std::string> columns;
};
std::vector<KeyGroup> key_groups(const Rows& rows) {
    std::vector<KeyGroup> groups;
    for (guint r = 0; r < rows.count(); ++r) {
        if (groups.empty() || rows.text(r, 1) != rows.text(groups.back().first, 1)) groups.push_back({r, {}});
        groups.back().columns.push_back(rows.text(r, 6) + (rows.is_true(r, 8) ? " DESC" : " ASC"));
    }
    return groups;
}

}  // namespace

void SQLServerAdapter::fill_schema_table_index(MetaTable& table) {
    Rows rows(run(std::string(kIndexColumns) +
                      "ix.is_primary_key = 0 AND ix.is_unique_constraint = 0 ORDER BY ix.index_id ASC, ic.key_ordinal "
                      "ASC;",
                  {table.get_schema(), table.get_name()}));
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
    for (const auto& group : key_groups(rows)) {
        guint r = group.first;
        auto index = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                  table.get_name(), rows.text(r, 1).c_str());
        std::string description = rows.text(r, 2);
        index->set_method(description.c_str());
        set_index_kind(*index, description);
        attributes(*index).set("UNIQUE", rows.text(r, 3));
        attributes(*index).set("STATE", rows.text(r, 4));
        index->set_comment(rows.text(r, 9).c_str());
        for (const auto& column : group.columns) index->append(column.c_str());
        indexes.append(index);
    }
}

void SQLServerAdapter::fill_schema_table_foreign(MetaTable& table) {
    Rows rows(run("SELECT fk.name,fk.type_desc,fk.delete_referential_action_desc,fk.update_referential_action_desc,"
                  "fk.is_disabled, CAST(ep.value AS VARCHAR(MAX)) AS comment, "
                  "COL_NAME(fc.parent_object_id,fc.parent_column_id) local_column,"
                  "OBJECT_SCHEMA_NAME(fc.referenced_object_id) refer_schema,ob.name "
                  "refer_table,COL_NAME(fc.referenced_object_id,fc.referenced_column_id) refer_column FROM "
                  "sys.foreign_key_columns fc LEFT JOIN sys.foreign_keys fk ON fc.constraint_object_id=fk.object_id "
                  "AND fc.parent_object_id=fk.parent_object_id LEFT JOIN sys.objects ob ON "
                  "fk.referenced_object_id=ob.object_id LEFT JOIN sys.extended_properties ep ON "
                  "(fc.constraint_object_id = ep.major_id AND ep.class = 1 AND ep.minor_id = 0 AND ep.name = "
                  "'MS_Description')WHERE OBJECT_SCHEMA_NAME(fc.parent_object_id)='%s' AND "
                  "OBJECT_NAME(fc.parent_object_id)='%s' ORDER BY fc.constraint_column_id ASC;",
                  {table.get_schema(), table.get_name()}));
    // Rows of different keys interleave (ordered by position in the key only).
    struct Key {
        gobj::Ref<MetaForeignKey> key;
        std::vector<std::string> local, refer;
    };
    std::vector<Key> keys;
    for (guint r = 0; r < rows.count(); ++r) {
        std::string name = rows.text(r, 0);
        auto it = std::find_if(keys.begin(), keys.end(), [&](const Key& k) { return name == k.key->get_name(); });
        if (it == keys.end()) {
            auto fk = MetaForeignKey::create_with_name(MetaForeignKey::gtype(), name.c_str());
            fk->set_delete_action(rows.text(r, 2).c_str());
            fk->set_update_action(rows.text(r, 3).c_str());
            attributes(*fk).set("STATE", rows.text(r, 4));
            fk->set_comment(rows.text(r, 5).c_str());
            fk->set_refer_schema(rows.text(r, 7).c_str());
            fk->set_refer_table(rows.text(r, 8).c_str());
            keys.push_back({fk, {}, {}});
            it = keys.end() - 1;
        }
        it->local.push_back(rows.text(r, 6));
        it->refer.push_back(rows.text(r, 9));
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
    Rows rows(run(std::string(kIndexColumns) + "ix.is_unique_constraint = 1 ORDER BY ix.index_id ASC, ic.key_ordinal ASC;",
                  {table->get_schema(), table->get_name()}));
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    for (const auto& group : key_groups(rows)) {
        guint r = group.first;
        auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), rows.text(r, 1).c_str());
        set_unique_kind(*unique, rows.text(r, 2));
        attributes(*unique).set("STATE", rows.text(r, 4));
        unique->set_comment(rows.text(r, 9).c_str());
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
    Rows rows(run("SELECT cc.object_id,cc.name,cc.type_desc,cc.is_disabled,cc.is_not_for_replication,cc.definition,"
                  "CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.check_constraints cc LEFT JOIN "
                  "sys.extended_properties ep ON (cc.object_id=ep.major_id AND ep.class=1 AND ep.minor_id=0 AND "
                  "ep.name='MS_Description') WHERE OBJECT_SCHEMA_NAME(cc.parent_object_id)='%s' AND "
                  "OBJECT_NAME(cc.parent_object_id)='%s' ORDER BY cc.name ASC;",
                  {table->get_schema(), table->get_name()}));
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    for (guint r = 0; r < rows.count(); ++r) {
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), rows.text(r, 1).c_str(),
                                                 check_expression(rows.text(r, 5)).c_str());
        attributes(*check).set("STATE", rows.text(r, 3));
        attributes(*check).set("REPLICATION", rows.is_true(r, 4) ? "true" : "false");
        check->set_comment(rows.text(r, 6).c_str());
        constraints.append(check);
    }
    return gobj::Ref<MetaTable>::retain(table->gobj());
}

gobj::Ref<MetaTable> SQLServerAdapter::fill_schema_table_options(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    const char* schema = table->get_schema();
    const char* name = table->get_name();
    auto options = map_of(table->get_options());
    Rows first(run("SELECT t.lock_escalation,ct.is_track_columns_updated_on,IDENT_CURRENT(QUOTENAME(s.name)+'.'+"
                   "QUOTENAME(ao.name)) AS current_value,CAST (ep.value AS NVARCHAR (MAX)) AS comment FROM "
                   "sys.all_objects ao LEFT JOIN sys.schemas s ON ao.schema_id=s.schema_id LEFT JOIN sys.tables t ON "
                   "ao.object_id=t.object_id LEFT JOIN sys.change_tracking_tables ct ON ct.object_id=ao.object_id LEFT "
                   "JOIN sys.extended_properties ep ON (ep.class=1 AND ao.object_id=ep.major_id AND ep.minor_id=0 AND "
                   "ep.name='MS_Description') WHERE s.name=N'%s' AND ao.name=N'%s'",
                   {schema, name}));
    if (first.count() == 1) {
        std::string lock = first.text(0, 0);
        if (lock == "0") options.set("LOCK_ESCALATION", "TABLE");
        if (lock == "1") options.set("LOCK_ESCALATION", "DISABLE");
        if (lock == "2") options.set("LOCK_ESCALATION", "AUTO");
        std::string tracked = first.text(0, 1);
        if (tracked == "false" || tracked == "true") {
            options.set("CHANGE_TRACKING", "true");
            options.set("TRACK_COLUMNS_UPDATED", tracked);
        }
        // IDENT_CURRENT is numeric(38, 0): the driver's decimal text carries a zero fraction.
        if (std::string ident = first.text(0, 2); !ident.empty()) {
            auto point = ident.find('.');
            if (point != std::string::npos && ident.find_first_not_of('0', point + 1) == std::string::npos)
                ident.erase(point);
            options.set("IDENT_CURRENT", ident);
        }
        table->set_comment(first.text(0, 3).c_str());
    }

    Rows space(run(
        "SELECT o.name,ds.data_space_name,ds.data_space_type,ds.data_space_column,t.lob_data_space_name,"
        "t.filestream_data_space_name,t.filestream_data_space_type FROM sys.objects o LEFT JOIN (SELECT "
        "i.object_id,d.name AS data_space_name,d.type AS data_space_type,dc.name AS data_space_column FROM sys.indexes "
        "i LEFT JOIN sys.data_spaces d ON d.data_space_id=i.data_space_id LEFT JOIN (SELECT "
        "ic.object_id,ic.index_id,tc.name FROM sys.index_columns ic LEFT JOIN sys.columns tc ON "
        "tc.object_id=ic.object_id AND tc.column_id=ic.column_id WHERE ic.partition_ordinal > 0) dc ON "
        "dc.object_id=i.object_id AND dc.index_id=i.index_id WHERE i.index_id < 2) ds ON o.object_id=ds.object_id "
        "LEFT JOIN (SELECT tbl.object_id,tbl.lock_escalation,lds.name AS lob_data_space_name,fds.name AS "
        "filestream_data_space_name,fds.type AS filestream_data_space_type FROM sys.tables tbl LEFT JOIN "
        "sys.data_spaces lds ON lds.data_space_id=tbl.lob_data_space_id LEFT JOIN sys.data_spaces fds ON "
        "fds.data_space_id=tbl.filestream_data_space_id) t ON t.object_id=o.object_id WHERE "
        "SCHEMA_NAME(o.schema_id)=N'%s' AND o.name=N'%s' AND o.type='U'",
        {schema, name}));
    if (space.count() == 1) {
        std::string type = space.text(0, 2);
        if (type == "FG" || type == "FD") {
            options.set("FILEGROUP_ON", space.text(0, 1));
            options.set("TEXTIMAGE_ON", space.text(0, 4));
        } else if (type == "PS") {
            options.set("PARTITION_SCHEMA", space.text(0, 1));
            options.set("PARTITION_COLUMN", space.text(0, 3));
        }
        std::string stream = space.text(0, 6);
        if (stream == "FD") options.set("FILESTREAM_ON", space.text(0, 5));
        if (stream == "PS") options.set("PARTITION_STREAM", space.text(0, 5));
    }

    // XML compression came with version 16.
    bool xml = SQLServerConnection::major_version(SQLServerConnection::version_of(*this).c_str()) > 15;
    Rows partitions(
        xml ? run("SELECT p.partition_number,p.data_compression,p.xml_compression FROM sys.partitions p INNER JOIN "
                  "sys.tables t ON p.object_id=t.object_id WHERE OBJECT_SCHEMA_NAME(t.object_id)=N'%s' AND "
                  "t.name=N'%s' AND p.index_id < 2 ORDER BY p.partition_number ASC",
                  {schema, name})
            : run("SELECT p.partition_number,p.data_compression FROM sys.partitions p INNER JOIN sys.tables t ON "
                  "p.object_id=t.object_id WHERE OBJECT_SCHEMA_NAME(t.object_id)=N'%s' AND t.name=N'%s' AND "
                  "p.index_id < 2 ORDER BY p.partition_number ASC",
                  {schema, name}));
    std::vector<std::string> data, xml_parts;
    for (guint r = 0; r < partitions.count(); ++r) {
        std::string code = partitions.text(r, 1);
        if (code != "0")
            data.push_back(partitions.text(r, 0) + "=" + code);
        else if (xml && partitions.is_true(r, 2))
            xml_parts.push_back(partitions.text(r, 0) + "=" + partitions.text(r, 2));
    }
    if (!data.empty()) options.set("DATA_COMPRESSION_PARTITIONS", joined(data, ","));
    if (!xml_parts.empty()) options.set("XML_COMPRESSION_PARTITIONS", joined(xml_parts, ","));
    return gobj::Ref<MetaTable>::retain(table->gobj());
}

// ---------------------------------------------------------------- triggers

const SQLServerAdapter::TriggerLayout& SQLServerAdapter::trigger_layout() {
    static const TriggerLayout layout{
        "SELECT tr.name,tr.type,po.type AS object_type,po.name AS "
        "object_name,OBJECTPROPERTY(tr.object_id,'ExecIsInsertTrigger') AS "
        "is_insert_trigger,OBJECTPROPERTY(tr.object_id,'ExecIsUpdateTrigger') AS "
        "is_update_trigger,OBJECTPROPERTY(tr.object_id,'ExecIsDeleteTrigger') AS "
        "is_delete_trigger,OBJECTPROPERTY(tr.object_id,'IsEncrypted') "
        "is_encrypted,tr.is_instead_of_trigger,tr.is_disabled,asm.definition,asm.execute_as_principal_id AS "
        "sql_principal_id,dp.name AS sql_principal_name,ao.name AS "
        "assembly_name,am.assembly_class,am.assembly_method,am.execute_as_principal_id AS clr_principal_id,dp2.name "
        "AS clr_principal_name,CAST (ep.value AS NVARCHAR (MAX)) AS comment FROM sys.triggers tr LEFT JOIN "
        "sys.all_objects po ON po.object_id=tr.parent_id LEFT JOIN sys.all_sql_modules asm ON "
        "tr.object_id=asm.object_id LEFT JOIN sys.database_principals dp ON "
        "dp.principal_id=asm.execute_as_principal_id LEFT JOIN sys.assembly_modules am ON am.object_id=tr.object_id "
        "LEFT JOIN sys.all_objects ao ON am.assembly_id=ao.object_id LEFT JOIN sys.database_principals dp2 ON "
        "dp2.principal_id=am.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON (ep.class=1 AND "
        "ep.major_id=tr.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE "
        "OBJECT_SCHEMA_NAME(tr.parent_id)='%s' AND OBJECT_NAME(tr.parent_id)='%s' ORDER BY tr.name ASC;",
        10, 12, 13, 17, 18};
    return layout;
}

gobj::Ref<MetaTable> SQLServerAdapter::fill_schema_table_trigger(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    return fill_triggers(*table, trigger_layout());
}

gobj::Ref<MetaTable> SQLServerAdapter::fill_triggers(MetaTable& table, const TriggerLayout& layout) {
    Rows rows(run(layout.query, {table.get_schema(), table.get_name()}));
    auto triggers = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
    std::vector<std::string> seen;
    // A flag read as an integer counts as set unless it is 0 (NULL included).
    auto flag = [&](guint r, gint col) {
        auto n = rows.integer(r, col);
        return !n || *n != 0;
    };
    for (guint r = 0; r < rows.count(); ++r) {
        std::string name = rows.text(r, 0);
        // A query that joins the trigger events gives a trigger once per event.
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) continue;
        seen.push_back(name);
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), name.c_str(),
                                                     body_after_header(rows.text(r, layout.definition)).c_str());
        trigger->set_target(table.get_name());
        auto a = attributes(*trigger);
        a.set("TARGET_TYPE", stripped(rows.text(r, 2)) == "U" ? "TABLE" : "VIEW");
        std::vector<std::string> events;
        if (flag(r, 4)) events.emplace_back("INSERT");
        if (flag(r, 5)) events.emplace_back("UPDATE");
        if (flag(r, 6)) events.emplace_back("DELETE");
        if (!events.empty()) trigger->set_event(joined(events, ",").c_str());
        if (flag(r, 7)) a.set("ENCRYPTION", "true");
        trigger->set_timing(rows.is_true(r, 8) ? "INSTEAD OF" : "AFTER");
        a.set("STATE", rows.text(r, 9));
        std::string principal;
        if (stripped(rows.text(r, 1)) != "TR") {
            a.set("DEFINITION_TYPE", "EXTERNAL");
            std::string assembly = rows.text(r, layout.assembly);
            if (!assembly.empty())
                trigger->set_function((assembly + "." + rows.text(r, layout.assembly + 1) + "." +
                                       rows.text(r, layout.assembly + 2))
                                          .c_str());
            principal = rows.text(r, layout.clr_principal);
        } else {
            a.set("DEFINITION_TYPE", "SQL");
            principal = rows.text(r, layout.sql_principal);
        }
        if (!principal.empty()) {
            if (listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_USER_LIST_INTERNAL, principal)) {
                a.set("EXECUTOR", principal);
            } else {
                a.set("EXECUTOR", "USER");
                a.set("EXECUTOR_USER", principal);
            }
        }
        trigger->set_comment(rows.text(r, layout.comment).c_str());
        triggers.append(trigger);
    }
    return gobj::Ref<MetaTable>::retain(table.gobj());
}

void SQLServerAdapter::fill_meta_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return;
    if (is_filled(*trigger)) return;
    Rows rows(run("SELECT OBJECT_NAME(tr.parent_id) as table_name, "
                  "te.type_desc,te.is_first,te.is_last,te.is_trigger_event,tr.is_instead_of_trigger,sm.definition,"
                  "CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.triggers tr LEFT JOIN sys.sql_modules sm ON "
                  "tr.object_id=sm.object_id LEFT JOIN sys.trigger_events te ON tr.object_id=te.object_id LEFT JOIN "
                  "sys.extended_properties ep ON (ep.class=1 AND ep.major_id=tr.object_id AND ep.minor_id=0 AND "
                  "ep.name='MS_Description') WHERE OBJECT_SCHEMA_NAME(tr.parent_id)='%s' AND tr.name ='%s';",
                  {trigger->get_schema(), trigger->get_name()}));
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp11_)")) return;
    trigger->set_target(rows.text(0, 0).c_str());
    trigger->set_event(rows.text(0, 1).c_str());
    trigger->set_body(body_after_header(rows.text(0, 6)).c_str());
    trigger->set_comment(stripped(rows.text(0, 7)).c_str());
    mark_filled(*trigger);
}

// ---------------------------------------------------------------- views and indexes

void SQLServerAdapter::fill_meta_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return;
    if (is_filled(*view)) return;
    Rows rows(run("SELECT ao.OBJECT_ID, am.definition, CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
                  "sys.all_objects ao LEFT JOIN sys.all_sql_modules am ON ao.OBJECT_ID = am.OBJECT_ID LEFT JOIN "
                  "sys.extended_properties ep ON ep.major_id=am.object_id AND ep.minor_id=0 AND "
                  "ep.name='MS_Description' WHERE type='V' AND SCHEMA_NAME(ao.schema_id) = '%s' AND ao.name = '%s';",
                  {view->get_schema(), view->get_name()}));
    if (!TARVELIN_REQUIRE(rows.count() == 1, "((guint) 1) == g_list_model_get_n_items ((GListModel*) _tmp12_)"))
        return;
    auto a = attributes(*view);
    a.set("OBJECT_ID", rows.text(0, 0));
    if (!rows.is_null(0, 2)) view->set_comment(rows.text(0, 2).c_str());

    std::string text = stripped(rows.text(0, 1));
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
    Rows rows(run("SELECT ind.type,ind.type_desc,ind.is_unique,ind.is_unique_constraint,ind.fill_factor,"
                  "ind.is_disabled,CAST(ep.value AS NVARCHAR(MAX)) AS comment,COL_NAME(inc.OBJECT_ID,inc.column_id) "
                  "c_name,inc.key_ordinal,inc.is_descending_key FROM sys.index_columns inc LEFT JOIN sys.indexes ind "
                  "ON (inc.OBJECT_ID=ind.OBJECT_ID AND inc.index_id=ind.index_id) LEFT JOIN sys.extended_properties "
                  "ep ON (ep.class=7 AND ep.major_id=ind.object_id AND ep.minor_id=ind.index_id AND "
                  "ep.name='MS_Description') WHERE OBJECT_SCHEMA_NAME(inc.object_id)='%s' AND "
                  "OBJECT_NAME(inc.object_id)='%s' AND ind.name ='%s' ORDER BY inc.index_id ASC,inc.index_column_id "
                  "ASC;",
                  {index->get_schema(), index->get_entity(), index->get_name()}));
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp13_)")) return;
    // The same kind and clustering as the table's index list gives, the description as method.
    std::string description = rows.text(0, 1);
    index->set_method(description.c_str());
    set_index_kind(*index, description);
    auto a = attributes(*index);
    if (rows.is_true(0, 2)) a.set("UNIQUE", "true");
    a.set("FILL FACTOR", rows.text(0, 4));
    a.set("ENABLE", rows.text(0, 5));
    index->set_comment(rows.text(0, 6).c_str());
    for (guint r = 0; r < rows.count(); ++r)
        index->append((rows.text(r, 7) + (rows.is_true(r, 9) ? " DESC" : " ASC")).c_str());
    mark_filled(*index);
}

// ---------------------------------------------------------------- routines

const SQLServerAdapter::RoutineLayout& SQLServerAdapter::routine_layout() {
    static const RoutineLayout layout{
        "SELECT ao.type,sm.definition,OBJECTPROPERTY(ao.object_id, 'IsEncrypted') as "
        "is_encrypted,OBJECTPROPERTY(ao.object_id, 'IsReplProc') as "
        "is_replication,sm.is_schema_bound,sm.is_recompiled,sm.null_on_null_input,sm.uses_native_compilation,dp.name "
        "AS executor,a.name AS assembly,am.assembly_class,am.assembly_method,ao.create_date,ao.modify_date,"
        "CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects ao LEFT JOIN sys.sql_modules sm ON "
        "sm.object_id=ao.object_id LEFT JOIN sys.database_principals dp ON dp.principal_id=sm.execute_as_principal_id "
        "LEFT JOIN sys.assembly_modules am ON am.object_id=ao.object_id LEFT JOIN sys.assemblies a ON "
        "a.assembly_id=am.assembly_id LEFT JOIN sys.extended_properties ep ON (ep.major_id=ao.object_id AND "
        "ep.minor_id=0 AND ep.name='MS_Description') WHERE SCHEMA_NAME(ao.schema_id)='%s' AND ao.name=N'%s'",
        7, 8, 9, 14};
    return layout;
}

void SQLServerAdapter::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    fill_routine(*function, routine_layout());
}

namespace {
// "name type" with the type's size as a declaration needs it: characters for the text
// types (the catalogue counts bytes of the national ones), (max) for MAX sizes, bytes
// for the binary types, (precision, scale) for exact numerics; " OUTPUT" for an output
// parameter.
std::string parameter_text(const Rows& rows, guint r) {
    std::string name = rows.text(r, 0), type = rows.text(r, 1), upper_type = upper(type);
    std::string text = name.empty() ? type : name + " " + type;
    gint64 length = rows.integer(r, 2).value_or(0);
    bool national = upper_type == "NCHAR" || upper_type == "NVARCHAR";
    bool sized = listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_CHARACTER, upper_type) ||
                 upper_type == "BINARY" || upper_type == "VARBINARY";
    if (sized) {
        text += length == -1 ? std::string("(max)")
                             : "(" + std::to_string(national ? length / 2 : length) + ")";
    } else if (upper_type == "DECIMAL" || upper_type == "NUMERIC") {
        text += "(" + rows.text(r, 3) + ", " + rows.text(r, 4) + ")";
    }
    if (!name.empty() && rows.is_true(r, 5)) text += " OUTPUT";
    return text;
}
}  // namespace

void SQLServerAdapter::fill_routine(MetaFunction& function, const RoutineLayout& layout) {
    if (is_filled(function)) return;
    const char* schema = function.get_schema();
    const char* name = function.get_name();
    Rows detail(run(layout.detail_query, {schema, name}));
    if (!has_rows(detail, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp12_)")) return;
    function.set_is_function(
        listed(TARVELIN_REZEZADOVU_SUPPORTS_DATABASE_SQL_SERVER_ADAPTER_TYPE_LIST_FUNCTION, stripped(detail.text(0, 0))));
    auto a = attributes(function);
    a.set("ENCRYPTION", detail.text(0, 2));
    a.set("REPLICATION", detail.text(0, 3));
    a.set("SCHEMABINDING", detail.text(0, 4));
    a.set("RECOMPILE", detail.text(0, 5));
    a.set("NULL_INPUT", detail.text(0, 6));
    if (layout.native_compilation >= 0) a.set("NATIVE_COMPILATION", detail.text(0, layout.native_compilation));
    if (!detail.is_null(0, layout.executor)) {
        a.set("EXECUTE_AS", "true");
        a.set("EXECUTOR", "USER");
        a.set("EXECUTOR_USER", detail.text(0, layout.executor));
    }
    static const char* const kAssembly[] = {"ASSEMBLY", "ASSEMBLY_CLASS", "ASSEMBLY_METHOD"};
    for (int i = 0; i < 3; ++i)
        if (!detail.is_null(0, layout.assembly + i)) a.set(kAssembly[i], detail.text(0, layout.assembly + i));
    function.set_comment(detail.text(0, layout.comment).c_str());
    function.set_body(body_after_header(detail.text(0, 1)).c_str());

    Rows parameters(run("SELECT ap.name, TYPE_NAME(ap.user_type_id) type, ap.max_length, ap.precision, ap.scale, "
                        "ap.is_output, ap.default_value FROM sys.all_parameters ap LEFT JOIN sys.all_objects ao ON "
                        "ao.object_id=ap.object_id WHERE OBJECT_SCHEMA_NAME(ao.object_id)='%s' AND ao.name='%s'",
                        {schema, name}));
    // A refill after reset starts from an empty list, not after the earlier texts.
    auto list = gobj::StringArray::wrap(function.get_parameters());
    list.clear();
    for (guint r = 0; r < parameters.count(); ++r) {
        std::string parameter = parameter_text(parameters, r);
        // The unnamed row is a function's result.
        if (parameters.text(r, 0).empty())
            function.set_return_type(parameter.c_str());
        else
            list.append(parameter);
        tlog_warning("Parameter: [%s] -> %s => %s", parameters.text(r, 0).c_str(), parameter.c_str(),
                   function.get_return_type());
    }
    mark_filled(function);
}

// ---------------------------------------------------------------- principals

void SQLServerAdapter::fill_meta_user(MetaUser* meta_user) {
    if (!TARVELIN_GIVEN(meta_user)) return;
    if (is_filled(*meta_user)) return;
    const char* name = meta_user->get_name();
    Rows containment(run("SELECT containment FROM sys.databases WHERE name = '%s'", {meta_user->get_database()}));
    bool contained = containment.count() == 1 && containment.text(0, 0) == "1";
    Rows user(run("SELECT dp.name,dp.type,dp.default_schema_name,dp.default_language_name,dp.sid,"
                  "dp.allow_encrypted_value_modifications,sp.name AS login,cert.name AS certificate,ak.name AS "
                  "asymmkey,CAST(ep.[value] AS NVARCHAR(MAX)) AS comment FROM sys.database_principals dp LEFT JOIN "
                  "sys.server_principals sp ON dp.sid=sp.sid LEFT JOIN sys.certificates cert ON dp.sid=cert.sid LEFT "
                  "JOIN sys.asymmetric_keys ak ON dp.sid=ak.sid LEFT JOIN sys.extended_properties ep ON "
                  "ep.major_id=dp.principal_id AND ep.class=4 AND ep.minor_id=0 AND ep.name='MS_Description' WHERE "
                  "dp.type IN ('S','U','G','C','K','E','X') AND dp.name =N'%s'",
                  {name}));
    if (!has_rows(user, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp28_)")) return;
    auto a = attributes(*meta_user);
    std::string type = stripped(user.text(0, 1));
    const char* authentication = type == "U" || type == "G"   ? "LOGIN"
                                 : type == "E" || type == "X" ? "EXTERNAL"
                                 : type == "K"                ? "ASYMMETRIC KEY"
                                 : type == "C"                ? "CERTIFICATE"
                                 : type == "S"                ? (contained ? "PASSWORD" : "LOGIN")
                                                              : nullptr;
    if (authentication) a.set("AUTHENTICATION", authentication);
    a.set("DEFAULT_SCHEMA", user.text(0, 2));
    if (!user.is_null(0, 3)) a.set("DEFAULT_LANGUAGE", user.text(0, 3));
    if (!user.is_null(0, 4)) a.set("SID", user.text(0, 4));
    a.set("ALLOW_ENCRYPTED_VALUE_MODIFICATIONS", user.text(0, 5));
    if (!user.is_null(0, 6)) a.set("LOGIN", user.text(0, 6));
    if (!user.is_null(0, 7)) a.set("CERTIFICATE", user.text(0, 7));
    if (!user.is_null(0, 8)) a.set("ASYMMETRIC_KEY", user.text(0, 8));
    meta_user->set_comment(user.text(0, 9).c_str());

    Rows schemas(run("SELECT SCHEMA_NAME FROM INFORMATION_SCHEMA.SCHEMATA WHERE SCHEMA_OWNER=N'%s' ORDER BY "
                     "SCHEMA_NAME ASC",
                     {name}));
    if (schemas.count() > 0) a.set("SCHEMAS", joined(first_column(schemas), ","));
    Rows roles(run("SELECT dpr.name AS rolename FROM sys.database_role_members drm INNER JOIN sys.database_principals "
                   "dpr ON drm.role_principal_id =dpr.principal_id INNER JOIN sys.database_principals dpu ON "
                   "drm.member_principal_id =dpu.principal_id WHERE dpu.name=N'%s' ORDER BY rolename ASC",
                   {name}));
    if (roles.count() > 0) a.set("ROLES", joined(first_column(roles), ","));

    auto privileges = map_of(meta_user->get_privileges());
    Rows database(run("SELECT dp.permission_name,dp.state FROM sys.database_permissions dp LEFT JOIN sys.sysusers u "
                      "ON u.uid=dp.grantee_principal_id WHERE dp.class_desc='DATABASE' AND u.name=N'%s'",
                      {name}));
    if (database.count() > 0) privileges.set("DATABASE", permission_list(database, 0, 1));
    Rows objects(run("SELECT ao.type,CASE WHEN class='3' THEN SCHEMA_NAME(dp.major_id) ELSE SCHEMA_NAME(ao.schema_id) "
                     "END AS SchemaName,CASE WHEN class='3' THEN '' ELSE ao.name END AS ObjectName,ac.name AS "
                     "ColumnName,dp.permission_name,dp.state FROM sys.database_permissions dp LEFT JOIN sys.sysusers u "
                     "ON u.uid=dp.grantee_principal_id LEFT JOIN sys.all_objects ao ON dp.major_id=ao.object_id LEFT "
                     "JOIN sys.all_columns ac ON dp.major_id=ac.object_id AND dp.minor_id=ac.column_id WHERE "
                     "dp.class_desc!='DATABASE' AND u.name=N'%s' ORDER BY SchemaName, ObjectName, ColumnName",
                     {name}));
    group_permissions(
        objects, privileges, "OBJECT",
        [&](guint r) {
            std::string key = objects.text(r, 1) + "." + objects.text(r, 2);
            if (!objects.is_null(r, 3)) key += "." + objects.text(r, 3);
            return key;
        },
        4, 5);
    mark_filled(*meta_user);
}

void SQLServerAdapter::fill_meta_login(MetaUser* meta_user) {
    if (!TARVELIN_GIVEN(meta_user)) return;
    if (is_filled(*meta_user)) return;
    const char* name = meta_user->get_name();
    Rows login(run("SELECT sp.name,sp.type,sp.is_disabled,sp.default_database_name,sp.default_language_name,"
                   "LOGINPROPERTY (sp.name,'IsLocked') AS "
                   "is_locked,l.is_policy_checked,l.is_expiration_checked,LOGINPROPERTY (sp.name,'IsExpired') AS "
                   "is_expired,LOGINPROPERTY (sp.name,'IsMustChange') AS is_must_changed,cert.name AS "
                   "certificate,ak.name AS asymmkey FROM sys.server_principals sp LEFT JOIN sys.sql_logins l ON "
                   "l.principal_id=sp.principal_id LEFT JOIN master.sys.certificates cert ON sp.sid=cert.sid LEFT JOIN "
                   "master.sys.asymmetric_keys ak ON sp.sid=ak.sid WHERE sp.type IN ('S','U','G','C','E','X','K') AND "
                   "sp.name=N'%s'",
                   {name}));
    if (!has_rows(login, "((guint) 0) < g_list_model_get_n_items ((GListModel*) _tmp10_)")) return;
    auto a = attributes(*meta_user);
    std::string type = stripped(login.text(0, 1));
    const char* authentication = type == "C"                  ? "CERTIFICATE"
                                 : type == "K"                ? "ASYMMETRIC KEY"
                                 : type == "S"                ? "PASSWORD"
                                 : type == "G" || type == "U" ? "WINDOWS"
                                 : type == "E" || type == "X" ? "EXTERNAL"
                                                              : nullptr;
    if (authentication) a.set("AUTHENTICATION", authentication);
    static const char* const kKeys[] = {"STATE",        "DEFAULT_DATABASE", "DEFAULT_LANGUAGE", "LOCKED",
                                        "CHECK_POLICY", "CHECK_EXPIRATION", "EXPIRED",          "MUST_CHANGE"};
    for (int i = 0; i < 8; ++i) a.set(kKeys[i], login.text(0, i + 2));
    if (!login.is_null(0, 10)) a.set("CERTIFICATE", login.text(0, 10));
    if (!login.is_null(0, 11)) a.set("ASYMMETRIC_KEY", login.text(0, 11));

    Rows credentials(run("SELECT cre.name AS credential FROM sys.server_principal_credentials spc INNER JOIN "
                         "sys.server_principals sp ON spc.principal_id=sp.principal_id INNER JOIN sys.credentials cre "
                         "ON spc.credential_id=cre.credential_id WHERE sp.name =N'%s';",
                         {name}));
    if (credentials.count() > 0) a.set("CREDENTIAL", joined(first_column(credentials), ","));
    Rows roles(run("SELECT spr.name AS rolename,spu.name AS loginname FROM sys.server_role_members srm LEFT JOIN "
                   "sys.server_principals spu ON srm.member_principal_id=spu.principal_id LEFT JOIN "
                   "sys.server_principals spr ON srm.role_principal_id=spr.principal_id WHERE spu.name=N'%s' ORDER BY "
                   "spu.name ASC OPTION (ROBUST PLAN)",
                   {name}));
    std::vector<std::string> role_names{"public"};
    for (const auto& role : first_column(roles)) role_names.push_back(role);
    a.set("ROLES", joined(role_names, ","));

    auto privileges = map_of(meta_user->get_privileges());
    Rows server(run("SELECT perm.permission_name,perm.state FROM sys.server_permissions perm INNER JOIN "
                    "sys.server_principals prin ON perm.grantee_principal_id=prin.principal_id WHERE prin.name=N'%s' "
                    "AND perm.class_desc='SERVER' ORDER BY perm.permission_name ASC",
                    {name}));
    if (server.count() > 0) privileges.set("SERVER", permission_list(server, 0, 1));
    Rows logins(run("SELECT login.name login_name,perm.permission_name,perm.state FROM sys.server_permissions perm "
                    "INNER JOIN sys.server_principals prin ON perm.grantee_principal_id=prin.principal_id LEFT JOIN "
                    "sys.server_principals login ON perm.major_id=login.principal_id WHERE prin.name=N'%s' AND "
                    "perm.class_desc='SERVER_PRINCIPAL' ORDER BY login.name ASC,perm.permission_name ASC",
                    {name}));
    group_permissions(logins, privileges, "LOGIN", [&](guint r) { return logins.text(r, 0); }, 1, 2);
    Rows endpoints(run("SELECT endpts.name endpoint,perm.permission_name,perm.state FROM sys.server_permissions perm "
                       "INNER JOIN sys.server_principals prin ON perm.grantee_principal_id=prin.principal_id LEFT JOIN "
                       "sys.endpoints endpts ON perm.major_id=endpts.endpoint_id WHERE prin.name=N'%s' AND "
                       "perm.class_desc='ENDPOINT' ORDER BY endpts.name ASC,perm.permission_name ASC",
                       {name}));
    group_permissions(endpoints, privileges, "ENDPOINT", [&](guint r) { return endpoints.text(r, 0); }, 1, 2);
    mark_filled(*meta_user);
}

// Roles: the builder reads a role's relations ("role=member") and attributes; the
// catalogue gives no admin option on SQL Server memberships, so every value is "false".
void SQLServerAdapter::fill_role_relations(MetaRole& role, const char* query) {
    Rows members(run(query, {role.get_name(), role.get_name()}));
    auto relations = map_of(role.get_relations());
    for (guint r = 0; r < members.count(); ++r)
        relations.set(members.text(r, 0) + "=" + members.text(r, 1), "false");
}

void SQLServerAdapter::fill_role_server(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return;
    if (is_filled(*role)) return;
    Rows found(run("SELECT p.name FROM sys.server_principals p WHERE p.type='R' AND p.name=N'%s'", {role->get_name()}));
    if (!has_rows(found, "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)")) return;
    fill_role_relations(*role,
                        "SELECT r.name AS rolename,m.name AS membername FROM sys.server_role_members srm INNER JOIN "
                        "sys.server_principals r ON srm.role_principal_id=r.principal_id INNER JOIN "
                        "sys.server_principals m ON srm.member_principal_id=m.principal_id WHERE r.name=N'%s' OR "
                        "m.name=N'%s' ORDER BY r.name ASC,m.name ASC");
    mark_filled(*role);
}

void SQLServerAdapter::fill_role_database(MetaRole* role, bool application) {
    if (!TARVELIN_GIVEN(role)) return;
    if (is_filled(*role)) return;
    Rows found(run(application
                       ? "SELECT dp.name,dp.default_schema_name,owner.name AS owner,CAST(ep.value AS NVARCHAR(MAX)) AS "
                         "comment FROM sys.database_principals dp LEFT JOIN sys.database_principals owner ON "
                         "dp.owning_principal_id=owner.principal_id LEFT JOIN sys.extended_properties ep ON "
                         "ep.major_id=dp.principal_id AND ep.class=4 AND ep.minor_id=0 AND ep.name='MS_Description' "
                         "WHERE dp.type='A' AND dp.name=N'%s'"
                       : "SELECT dp.name,dp.default_schema_name,owner.name AS owner,CAST(ep.value AS NVARCHAR(MAX)) AS "
                         "comment FROM sys.database_principals dp LEFT JOIN sys.database_principals owner ON "
                         "dp.owning_principal_id=owner.principal_id LEFT JOIN sys.extended_properties ep ON "
                         "ep.major_id=dp.principal_id AND ep.class=4 AND ep.minor_id=0 AND ep.name='MS_Description' "
                         "WHERE dp.type='R' AND dp.name=N'%s'",
                   {role->get_name()}));
    if (!has_rows(found, "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)")) return;
    auto a = attributes(*role);
    if (application)
        a.set("DEFAULT_SCHEMA", found.text(0, 1));
    else if (!found.is_null(0, 2))
        a.set("OWNER", found.text(0, 2));
    role->set_comment(found.text(0, 3).c_str());
    fill_role_relations(*role,
                        "SELECT r.name AS rolename,m.name AS membername FROM sys.database_role_members drm INNER JOIN "
                        "sys.database_principals r ON drm.role_principal_id=r.principal_id INNER JOIN "
                        "sys.database_principals m ON drm.member_principal_id=m.principal_id WHERE r.name=N'%s' OR "
                        "m.name=N'%s' ORDER BY r.name ASC,m.name ASC");
    mark_filled(*role);
}

// ---------------------------------------------------------------- synonyms and events

void SQLServerAdapter::fill_meta_synonym(MetaSynonym* synonym) {
    if (!TARVELIN_GIVEN(synonym)) return;
    if (is_filled(*synonym)) return;
    // A failure reaches the caller: the synonym stays unmarked.
    Rows rows(run("SELECT sy.base_object_name,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.synonyms sy LEFT "
                  "JOIN sys.extended_properties ep ON ep.major_id=sy.object_id AND ep.minor_id=0 AND "
                  "ep.name='MS_Description' WHERE SCHEMA_NAME(sy.schema_id)='%s' AND sy.name='%s'",
                  {synonym->get_schema(), synonym->get_name()}));
    if (!TARVELIN_REQUIRE(rows.count() == 1, "((guint) 1) == g_list_model_get_n_items ((GListModel*) _tmp12_)"))
        return;
    synonym->set_target(rows.text(0, 0).c_str());
    if (!rows.is_null(0, 1)) synonym->set_comment(rows.text(0, 1).c_str());
    mark_filled(*synonym);
}

// An event of the schema fill is a DML trigger's event list: its kind lists the events,
// its body and state are the trigger's.
void SQLServerAdapter::fill_meta_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return;
    if (is_filled(*event)) return;
    Rows rows(run("SELECT ev.type_desc,sm.definition,tr.is_disabled,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
                  "sys.events ev INNER JOIN sys.triggers tr ON tr.object_id=ev.object_id LEFT JOIN sys.sql_modules sm "
                  "ON sm.object_id=ev.object_id LEFT JOIN sys.extended_properties ep ON (ep.class=1 AND "
                  "ep.major_id=ev.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE "
                  "OBJECT_SCHEMA_NAME(ev.object_id)=N'%s' AND OBJECT_NAME(ev.object_id)=N'%s' ORDER BY ev.type ASC",
                  {event->get_schema(), event->get_name()}));
    if (!has_rows(rows, "((guint) 0) < g_list_model_get_n_items ((GListModel*) model)")) return;
    event->set_kind(joined(first_column(rows), ",").c_str());
    event->set_body(body_after_header(rows.text(0, 1)).c_str());
    event->set_state(rows.is_true(0, 2) ? "DISABLED" : "ENABLED");
    event->set_comment(rows.text(0, 3).c_str());
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
