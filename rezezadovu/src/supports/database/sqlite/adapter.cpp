#include "rezezadovu/supports/database/sqlite/adapter.hpp"

#include <algorithm>

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlite/catalog.hpp"

TARVELIN_LOG_TAG("sqlite_adapter")

namespace tarvelin::rezezadovu::supports::database {

using namespace sqlite;
using namespace dialect;
using namespace meta_model;

TARVELIN_GTYPE(SQLiteAdapter, "TarvelinRezezadovuSupportsDatabaseSQLiteAdapter", Adapter)

gobj::Ref<SQLiteAdapter> SQLiteAdapter::create(GType type, CConnection* connection) {
    return create_linked<SQLiteAdapter>(type, connection);
}

namespace {

using InspectorVtable = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

bool filled(MetaObject& o) { return g_object_get_data(o.gobj(), kFilled) != nullptr; }
void mark(MetaObject& o) { g_object_set_data(o.gobj(), kFilled, GINT_TO_POINTER(1)); }

std::string text(const char* s) { return s ? s : ""; }
// The schema an object lives in; "main" when it names none.
std::string schema_of(MetaObject& o) {
    std::string s = text(o.get_schema());
    return s.empty() ? "main" : s;
}

void set_attribute(MetaObject& o, const std::string& key, const std::string& value) {
    gobj::StringMap::wrap(GEE_MAP(o.get_attributes())).set(key, value);
}

// Runs each pragma and stores its value as the attribute named with it.
void read_pragmas(const gobj::Ref<IConnection>& connection, MetaObject& o, const std::vector<PragmaValue>& pragmas) {
    for (const auto& pragma : pragmas) {
        CatalogRows rows(query_model(connection, pragma.sql));
        set_attribute(o, pragma.key, rows.text(0, pragma.column));
    }
}

// The size of a declared type: the first number in its parentheses (a length, or a
// precision) and the second (a scale), 0 for what it does not give.
struct DeclaredSize {
    gint64 length = 0;
    guint8 scale = 0;
};
DeclaredSize declared_size(const std::string& declared) {
    static GRegex* const pattern = g_regex_new("\\(\\s*([0-9]+)\\s*(?:,\\s*([0-9]+)\\s*)?\\)", GRegexCompileFlags(0),
                                               GRegexMatchFlags(0), nullptr);
    GMatchInfo* info = nullptr;
    DeclaredSize size;
    if (g_regex_match(pattern, declared.c_str(), GRegexMatchFlags(0), &info)) {
        size.length = g_ascii_strtoll(gobj::take_string(g_match_info_fetch(info, 1)).c_str(), nullptr, 10);
        size.scale = static_cast<guint8>(
            g_ascii_strtoull(gobj::take_string(g_match_info_fetch(info, 2)).c_str(), nullptr, 10));
    }
    g_match_info_free(info);
    return size;
}

std::string trimmed(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r\n\f\v");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r\n\f\v") - a + 1);
}

// Sets a text property read from a stored statement, when the statement had that clause.
template <class Setter>
void apply_read(const Read& value, Setter set) {
    if (value) set(value->has_value() ? value->value().c_str() : nullptr);
}

void apply_trigger(MetaTrigger& trigger, const TriggerText& t) {
    apply_read(t.for_each, [&](const char* v) { trigger.set_for_each(v); });
    apply_read(t.timing, [&](const char* v) { trigger.set_timing(v); });
    apply_read(t.event, [&](const char* v) { trigger.set_event(v); });
    apply_read(t.columns, [&](const char* v) { trigger.set_columns(v); });
    apply_read(t.when, [&](const char* v) { trigger.set_when(v); });
}

void apply_index(MetaIndex& index, const IndexText& t) {
    if (t.unique) index.set_kind("UNIQUE");
    for (const auto& column : t.columns) index.append(column.c_str());
    if (!t.where.empty()) index.set_where(t.where.c_str());
}

}  // namespace

// ---------------------------------------------------------------- database and schema

void SQLiteAdapter::fill_meta_database(MetaDatabase* database, bool deep) {
    if (!TARVELIN_GIVEN(database)) return;
    auto connection = require(this->connection());
    if (!filled(*database)) {
        read_pragmas(connection, *database, database_pragmas());
        for (auto row : CatalogRows(query_model(connection, database_list_query())))
            database->append(row.text("name").c_str());
    }
    if (deep)
        for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database->get_schemas())) fill_meta_schema(schema.get(), deep);
    mark(*database);
}

void SQLiteAdapter::fill_meta_schema(MetaSchema* schema, bool deep) {
    if (!TARVELIN_GIVEN(schema)) return;
    auto connection = require(this->connection());
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    auto views = gobj::GeeArray<MetaView>::wrap(schema->get_views());
    if (!filled(*schema)) {
        tables.clear();
        views.clear();
        const std::string name_of_schema = text(schema->get_name());
        read_pragmas(connection, *schema, schema_pragmas(name_of_schema));
        for (auto row : CatalogRows(query_model(connection, schema_objects_query(name_of_schema)))) {
            std::string name = row.text("name");
            if (row.text("type") == "table")
                tables.append(MetaTable::create_with_names(MetaTable::gtype(), schema->get_database(),
                                                           schema->get_name(), name.c_str()));
            else
                views.append(MetaView::create_with_names(MetaView::gtype(), schema->get_database(),
                                                         schema->get_name(), name.c_str()));
        }
    }
    if (deep) {
        for (auto table : tables) fill_meta_table(table.get(), deep);
        for (auto view : views) fill_meta_view(view.get());
    }
    mark(*schema);
}

// ---------------------------------------------------------------- tables

void SQLiteAdapter::fill_meta_table(MetaTable* table, bool deep) {
    if (!TARVELIN_GIVEN(table)) return;
    if (filled(*table)) return;
    gobj::GeeArray<MetaColumn>::wrap(table->get_columns()).clear();
    if (deep) {
        gobj::GeeArray<MetaIndex>::wrap(table->get_indexes()).clear();
        gobj::GeeArray<MetaTrigger>::wrap(table->get_triggers()).clear();
        table->reset_partial(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN);
        table->reset_partial(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNIQUE);
        table->reset_partial(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK);
    }
    fill_columns(*table);
    if (deep) {
        fill_indexes_and_triggers(*table);
        fill_foreign_keys(*table);
        fill_stored_table(*table);
    }
    mark(*table);
}

void SQLiteAdapter::fill_columns(MetaTable& table) {
    auto connection = require(this->connection());
    CatalogRows info(query_model(connection, table_info_query(schema_of(table), text(table.get_name()))));
    auto inspector = inspector_of(connection);
    for (auto row : info) {
        // The declared type is kept whole ("varchar(128)", "NUMERIC(10,2)", "UNSIGNED BIG
        // INT"): SQLite gives it back as written and a script writes it so again. Its size
        // is also read, for builders of other products.
        const std::string declared = trimmed(row.text("type"));
        const std::string type_name = trimmed(declared.substr(0, declared.find('(')));
        auto data_type = inspector ? gobj::call<&InspectorVtable::get_data_type>(inspector, type_name)
                                   : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        auto column = table.new_column(row.text("name").c_str(), data_type);
        gint64 pk = row.number("pk");
        const DeclaredSize size = declared_size(declared);
        column->set_length(size.length);
        column->set_scale(size.scale);
        column->set_raw_type(declared.c_str());
        column->set_default_value(row.text("dflt_value").c_str());
        column->set_not_null(row.text("notnull") == "1");
        column->set_ordinal(static_cast<guint16>(row.number("cid") + 1));
        column->set_is_primary_key(pk > 0);
        column->set_primary_ordinal(static_cast<guint8>(pk));
    }
}

void SQLiteAdapter::fill_indexes_and_triggers(MetaTable& table) {
    auto connection = require(this->connection());
    const std::string schema = schema_of(table), name = text(table.get_name());
    CatalogRows presence(query_model(connection, table_extras_query(schema, name)));
    if (presence.empty()) return;

    if (presence.text(0, "hasindexes") == "1") {
        auto list = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
        for (auto row : CatalogRows(query_model(connection, table_indexes_query(schema, name)))) {
            auto index = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                      table.get_name(), row.text("name").c_str());
            apply_index(*index, read_index(row.text("sql")));
            list.append(index);
        }
    }
    if (presence.text(0, "hastriggers") == "1") {
        auto list = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
        for (auto row : CatalogRows(query_model(connection, table_triggers_query(schema, name)))) {
            TriggerText t = read_table_trigger(row.text("sql"));
            auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), row.text("name").c_str(),
                                                         t.body && *t.body ? t.body->value().c_str() : nullptr);
            apply_trigger(*trigger, t);
            list.append(trigger);
        }
    }
}

void SQLiteAdapter::fill_foreign_keys(MetaTable& table) {
    auto connection = require(this->connection());
    CatalogRows rows(query_model(connection, foreign_keys_query(schema_of(table), text(table.get_name()))));
    // One key per id, its column pairs in the rows' order.
    std::vector<gobj::Ref<MetaForeignKey>> keys;
    std::string local, refer;
    auto finish = [&] {
        if (keys.empty() || local.empty()) return;
        keys.back()->set_local_columns(local.substr(0, local.size() - 2).c_str());
        keys.back()->set_refer_columns(refer.substr(0, refer.size() - 2).c_str());
        local.clear();
        refer.clear();
    };
    gint64 previous = -1;
    for (auto row : rows) {
        gint64 id = row.number("id");
        if (id != previous) {
            finish();
            gchar* name = g_strdup_printf("foreign_key_%02d", static_cast<int>(id));
            keys.push_back(MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), name, table.get_schema(),
                                                             row.text("table").c_str()));
            g_free(name);
            keys.back()->set_update_action(row.text("on_update").c_str());
            keys.back()->set_delete_action(row.text("on_delete").c_str());
            previous = id;
        }
        local += row.text("from") + ", ";
        refer += row.text("to") + ", ";
    }
    finish();
    // In SQLite's id order, each key's place is its id (the builder keeps that).
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    for (const auto& key : keys) constraints.append(key);
}

namespace {
bool has_word(const std::string& text, std::string_view word) {
    auto part_of_name = [](char c) { return g_ascii_isalnum(c) || c == '_'; };
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const size_t end = at + word.size();
        if ((at == 0 || !part_of_name(text[at - 1])) && (end == text.size() || !part_of_name(text[end]))) return true;
    }
    return false;
}
}  // namespace

void SQLiteAdapter::fill_stored_table(MetaTable& table) {
    auto connection = require(this->connection());
    const std::string schema = schema_of(table), name = text(table.get_name());
    std::string sql = text_of(query_scalar(connection, table_sql_query(schema, name)));
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    fill_uniques(table, sql);
    for (const auto& [column, collation] : read_collations(sql))
        if (auto c = table.get_column(column.c_str())) c->set_collation(collation.c_str());
    for (const auto& c : read_checks(sql))
        constraints.append(MetaCheck::create_with_name(MetaCheck::gtype(), c.name.c_str(), c.expression.c_str()));

    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    const std::string masked = masked_upper(sql);
    if (masked.find("WITHOUT ROWID") != std::string::npos) options.set("WITHOUTROWID", "true");
    std::vector<gobj::Ref<MetaColumn>> keys;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
        if (column->get_is_primary_key()) keys.push_back(column);
    // AUTOINCREMENT stands only on a lone INTEGER PRIMARY KEY: that column counts.
    if (has_word(masked, "AUTOINCREMENT") && keys.size() == 1) keys[0]->set_auto_increment(true);
    // A lone INTEGER PRIMARY KEY of a rowid table is the rowid: it counts without the word.
    if (keys.size() == 1 && !options.has("WITHOUTROWID") &&
        g_ascii_strcasecmp(text(keys[0]->get_raw_type()).c_str(), "INTEGER") == 0)
        set_attribute(*keys[0], dialect::kCountsItself, "true");
    auto sequences = query_scalar(connection, sequences_query(schema));
    if (g_ascii_strtoll(text_of(sequences).c_str(), nullptr, 10) > 0) {
        CatalogRows seq(query_model(connection, sequence_query(schema, name)));
        if (!seq.empty()) options.set("AUTOINCREMENT", seq.text(0, "seq"));
    }
}

namespace {
std::string lower(const std::string& s) { return gobj::take_string(g_ascii_strdown(s.c_str(), -1)); }

// The names a unique constraint's columns stand for, lower-cased ("a, b COLLATE NOCASE"
// gives a and b), to match them with an index's columns.
std::vector<std::string> unique_heads(const std::string& columns) {
    std::vector<std::string> heads;
    for (const auto& part : split_list(columns)) heads.push_back(lower(identifier_text(split_key_part(part).head)));
    return heads;
}
}  // namespace

void SQLiteAdapter::fill_uniques(MetaTable& table, const std::string& sql) {
    // SQLite makes an index for every UNIQUE constraint, whatever its form: those indexes
    // say which constraints there are and on what columns; the stored text only names them
    // and gives their conflict clauses.
    auto connection = require(this->connection());
    const std::string schema = schema_of(table), name = text(table.get_name());
    struct Made {
        std::string index;
        std::vector<std::string> columns;
        bool used = false;
    };
    std::vector<Made> made;
    for (auto row : CatalogRows(query_model(connection, index_list_query(schema, name)))) {
        if (row.text("origin") != "u") continue;
        Made m{row.text("name"), {}};
        for (auto column : CatalogRows(query_model(connection, index_columns_query(schema, m.index))))
            m.columns.push_back(column.text("name"));
        made.push_back(std::move(m));
    }
    // sqlite_autoindex_<table>_<n> count in declaration order.
    auto number = [](const std::string& index) { return g_ascii_strtoll(index.c_str() + index.rfind('_') + 1, nullptr, 10); };
    std::stable_sort(made.begin(), made.end(), [&](const Made& a, const Made& b) { return number(a.index) < number(b.index); });

    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    auto add = [&](const std::string& constraint, const std::string& columns, const std::string& conflict) {
        auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), constraint.c_str());
        unique->set_columns(columns.c_str());
        unique->set_conflict(conflict.c_str());
        constraints.append(unique);
    };
    // A constraint without a name gets the one another product would give it.
    auto named = [&](const std::string& given, const std::vector<std::string>& columns) {
        if (!given.empty()) return given;
        std::string out = name;
        for (const auto& c : columns) out += "_" + c;
        return out + "_key";
    };
    for (const auto& u : read_uniques(sql)) {
        const auto heads = unique_heads(u.columns);
        for (auto& m : made) {
            std::vector<std::string> columns;
            for (const auto& c : m.columns) columns.push_back(lower(c));
            if (m.used || columns != heads) continue;
            m.used = true;
            add(named(u.name, m.columns), u.columns, u.conflict);
            break;
        }
    }
    // What the text did not show (a form the reader does not know) still keeps its columns.
    for (const auto& m : made) {
        if (m.used) continue;
        std::string columns;
        for (const auto& c : m.columns) columns += (columns.empty() ? "" : ", ") + c;
        add(named("", m.columns), columns, "");
    }
}

// ---------------------------------------------------------------- stand-alone objects

void SQLiteAdapter::fill_meta_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return;
    if (filled(*view)) return;
    set_attribute(*view, "TEMPORARY", g_ascii_strcasecmp(text(view->get_schema()).c_str(), "temp") == 0 ? "true"
                                                                                                          : "false");
    CatalogRows result(query_model(require(connection()), view_sql_query(schema_of(*view), text(view->get_name()))));
    if (!result.empty()) view->set_definition(read_view_definition(result.text(0, "sql")).c_str());
    mark(*view);
}

void SQLiteAdapter::fill_meta_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return;
    if (filled(*index)) return;
    CatalogRows result(query_model(require(connection()), index_sql_query(schema_of(*index), text(index->get_name()))));
    gobj::StringArray::wrap(index->get_columns()).clear();
    if (!result.empty()) apply_index(*index, read_index(result.text(0, "sql")));
    mark(*index);
}

void SQLiteAdapter::fill_meta_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return;
    if (filled(*trigger)) return;
    CatalogRows result(
        query_model(require(connection()), trigger_query(schema_of(*trigger), text(trigger->get_name()))));
    if (!TARVELIN_REQUIRE(!result.empty(), "table.rows.size > 0")) return;
    trigger->set_target(result.text(0, "tbl_name").c_str());
    trigger->set_kind(result.text(0, "is_view") == "0" ? "TABLE" : "VIEW");
    TriggerText t = read_trigger(result.text(0, "sql"));
    apply_read(t.body, [&](const char* v) { trigger->set_body(v); });
    apply_trigger(*trigger, t);
    mark(*trigger);
}

void SQLiteAdapter::fill_meta_object(MetaObject* meta_object, bool deep) {
    if (!TARVELIN_GIVEN(meta_object)) return;
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return fill_meta_database(dynamic_cast<MetaDatabase*>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return fill_meta_index(dynamic_cast<MetaIndex*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return fill_meta_schema(dynamic_cast<MetaSchema*>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return fill_meta_table(dynamic_cast<MetaTable*>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return fill_meta_trigger(dynamic_cast<MetaTrigger*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return fill_meta_view(dynamic_cast<MetaView*>(meta_object));
        default: return;
    }
}

}  // namespace tarvelin::rezezadovu::supports::database
