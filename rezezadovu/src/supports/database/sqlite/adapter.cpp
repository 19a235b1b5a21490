#include "rezezadovu/supports/database/sqlite/adapter.hpp"

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sqlite/catalog.hpp"
#include "rezezadovu/supports/database/sqlite/statement.hpp"

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
std::string master_of(MetaObject& o) { return backquoted(schema_of(o)) + ".sqlite_master"; }

void set_attribute(MetaObject& o, const std::string& key, const std::string& value) {
    gobj::StringMap::wrap(GEE_MAP(o.get_attributes())).set(key, value);
}

// Runs each pragma and stores its first cell as the attribute named with it.
void read_pragmas(const gobj::Ref<IConnection>& connection, MetaObject& o,
                  std::initializer_list<std::pair<std::string, const char*>> pragmas) {
    for (const auto& [sql, key] : pragmas) {
        auto result = query_model(connection, sql);
        set_attribute(o, key, cell(*result, 0, 0));
    }
}

// The number in the first "(digits)" of a declared type, 0 without one.
gint64 declared_length(const std::string& declared) {
    static GRegex* const pattern = g_regex_new("\\(([0-9]+)\\)", GRegexCompileFlags(0), GRegexMatchFlags(0), nullptr);
    GMatchInfo* info = nullptr;
    gint64 length = 0;
    if (g_regex_match(pattern, declared.c_str(), GRegexMatchFlags(0), &info))
        length = g_ascii_strtoll(gobj::take_string(g_match_info_fetch(info, 1)).c_str(), nullptr, 10);
    g_match_info_free(info);
    return length;
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
        read_pragmas(connection, *database,
                     {{"PRAGMA encoding;", "ENCODING"},
                      {"PRAGMA query_only;", "READONLY"},
                      {"PRAGMA temp_store;", "TEMP_STORE"},
                      {"PRAGMA busy_timeout;", "BUSY_TIMEOUT"}});
        auto list = query_model(connection, "PRAGMA database_list;");
        for (int r = 0; r < row_count(*list); ++r) database->append(cell(*list, 1, r).c_str());
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
        std::string s = backquoted(text(schema->get_name()));
        read_pragmas(connection, *schema,
                     {{"PRAGMA " + s + ".journal_mode;", "JOURNAL_MODE"},
                      {"PRAGMA " + s + ".journal_size_limit;", "JOURNAL_SIZE_LIMIT"},
                      {"PRAGMA " + s + ".locking_mode;", "LOCKING_MODE"},
                      {"PRAGMA " + s + ".max_page_count;", "MAX_PAGE_COUNT"},
                      {"PRAGMA " + s + ".page_count;", "PAGE_COUNT"},
                      {"PRAGMA " + s + ".page_size;", "PAGE_SIZE"},
                      {"PRAGMA " + s + ".schema_version;", "SCHEMA_VERSION"}});
        auto list = query_model(connection, "SELECT name, type FROM " + s +
                                                ".sqlite_master WHERE type in ('table', 'view') ORDER BY name ASC;");
        for (int r = 0; r < row_count(*list); ++r) {
            std::string name = cell(*list, 0, r);
            if (cell(*list, 1, r) == "table")
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
    auto info = query_model(connection, "PRAGMA " + backquoted(schema_of(table)) + ".table_info(" +
                                            backquoted(text(table.get_name())) + ");");
    auto inspector = inspector_of(connection);
    for (int r = 0; r < row_count(*info); ++r) {
        std::string declared = cell(*info, 2, r);
        std::string raw_type = declared.substr(0, declared.find('('));
        auto data_type = inspector ? gobj::call<&InspectorVtable::get_data_type>(inspector, raw_type)
                                   : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        auto column = table.new_column(cell(*info, 1, r).c_str(), data_type);
        gint64 pk = cell_integer(*info, 5, r);
        column->set_length(declared_length(declared));
        column->set_raw_type(raw_type.c_str());
        column->set_default_value(cell(*info, 4, r).c_str());
        column->set_not_null(cell(*info, 3, r) == "1");
        column->set_ordinal(static_cast<guint16>(cell_integer(*info, 0, r) + 1));
        column->set_is_primary_key(pk > 0);
        column->set_primary_ordinal(static_cast<guint8>(pk));
    }
}

void SQLiteAdapter::fill_indexes_and_triggers(MetaTable& table) {
    auto connection = require(this->connection());
    std::string m = master_of(table);
    std::string name = single_quoted(text(table.get_name()));
    // Whether the table has indexes and triggers, counted for this table alone (grouping
    // the whole catalogue for each table made reading a schema quadratic).
    auto presence = query_model(connection, "SELECT m.name AS name, (SELECT count(*) > 0 FROM " + m +
                                                " WHERE type = 'index' AND tbl_name = m.name) AS hasindexes, "
                                                "(SELECT count(*) > 0 FROM " + m +
                                                " WHERE type = 'trigger' AND tbl_name = m.name) AS hastriggers FROM " +
                                                m + " m WHERE m.type = 'table' AND m.name = " + name);
    if (row_count(*presence) == 0) return;

    if (cell(*presence, 1, 0) == "1") {
        auto indexes = query_model(connection, "SELECT name, tbl_name, sql FROM " + m +
                                                   " WHERE type = 'index' AND tbl_name = " + name +
                                                   " AND sql IS NOT NULL AND sql != '' ORDER BY name, tbl_name ASC");
        auto list = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
        for (int r = 0; r < row_count(*indexes); ++r) {
            auto index = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                      table.get_name(), cell(*indexes, 0, r).c_str());
            apply_index(*index, read_index(cell(*indexes, 2, r), "\"'["));
            list.append(index);
        }
    }
    if (cell(*presence, 2, 0) == "1") {
        auto triggers = query_model(
            connection, "SELECT m.name as name, m.tbl_name as tbl_name, v.vname NOTNULL as is_view, m.sql as sql FROM " +
                            m + " m LEFT JOIN (SELECT name vname FROM " + m +
                            " WHERE type = 'view') v ON m.tbl_name = v.vname WHERE type= 'trigger' AND m.tbl_name = " +
                            name + " ORDER BY name, tbl_name ASC");
        auto list = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
        for (int r = 0; r < row_count(*triggers); ++r) {
            TriggerText t = read_table_trigger(cell(*triggers, 3, r));
            auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), cell(*triggers, 0, r).c_str(),
                                                         t.body && *t.body ? t.body->value().c_str() : nullptr);
            apply_trigger(*trigger, t);
            list.append(trigger);
        }
    }
}

void SQLiteAdapter::fill_foreign_keys(MetaTable& table) {
    auto connection = require(this->connection());
    auto rows = query_model(connection, "PRAGMA " + backquoted(schema_of(table)) + ".foreign_key_list(" +
                                            single_quoted(text(table.get_name())) + ");");
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
    for (int r = 0; r < row_count(*rows); ++r) {
        gint64 id = cell_integer(*rows, 0, r);
        if (id != previous) {
            finish();
            gchar* name = g_strdup_printf("foreign_key_%02d", static_cast<int>(id));
            keys.push_back(MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), name, table.get_schema(),
                                                             cell(*rows, 2, r).c_str()));
            g_free(name);
            keys.back()->set_update_action(cell(*rows, 5, r).c_str());
            keys.back()->set_delete_action(cell(*rows, 6, r).c_str());
            previous = id;
        }
        local += cell(*rows, 3, r) + ", ";
        refer += cell(*rows, 4, r) + ", ";
    }
    finish();
    // SQLite numbers the keys from the last declared one, and the builder writes them in
    // list order: listed in declaration order, a table written back keeps its numbering.
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) constraints.append(*key);
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
    std::string name = single_quoted(text(table.get_name()));
    std::string sql = text_of(query_scalar(connection, "SELECT sql FROM " + master_of(table) +
                                                          " WHERE type = 'table' AND name = " + name + ";"));
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    for (const auto& u : read_uniques(sql)) {
        auto unique = MetaUnique::create_with_name(MetaUnique::gtype(), u.name.c_str());
        unique->set_columns(u.columns.c_str());
        unique->set_conflict(u.conflict.c_str());
        constraints.append(unique);
    }
    for (const auto& c : read_checks(sql))
        constraints.append(MetaCheck::create_with_name(MetaCheck::gtype(), c.name.c_str(), c.expression.c_str()));

    auto options = gobj::StringMap::wrap(GEE_MAP(table.get_options()));
    const std::string masked = masked_upper(sql);
    if (masked.find("WITHOUT ROWID") != std::string::npos) options.set("WITHOUTROWID", "true");
    // AUTOINCREMENT stands only on a lone INTEGER PRIMARY KEY: that column counts.
    if (has_word(masked, "AUTOINCREMENT")) {
        std::vector<gobj::Ref<MetaColumn>> keys;
        for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
            if (column->get_is_primary_key()) keys.push_back(column);
        if (keys.size() == 1) keys[0]->set_auto_increment(true);
    }
    std::string schema = backquoted(schema_of(table));
    auto sequences = query_scalar(connection, "SELECT count(name) FROM " + schema +
                                                  ".sqlite_master WHERE type = 'table' AND name = 'sqlite_sequence';");
    if (g_ascii_strtoll(text_of(sequences).c_str(), nullptr, 10) > 0) {
        auto seq = query_model(connection, "SELECT seq FROM " + schema + ".sqlite_sequence WHERE name = " + name);
        if (row_count(*seq) > 0) options.set("AUTOINCREMENT", cell(*seq, 0, 0));
    }
}

// ---------------------------------------------------------------- stand-alone objects

void SQLiteAdapter::fill_meta_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return;
    if (filled(*view)) return;
    set_attribute(*view, "TEMPORARY", g_ascii_strcasecmp(text(view->get_schema()).c_str(), "temp") == 0 ? "true"
                                                                                                          : "false");
    auto result = query_model(require(connection()), "SELECT sql FROM " + master_of(*view) +
                                                         " WHERE type = 'view' and name = " +
                                                         single_quoted(text(view->get_name())));
    if (row_count(*result) > 0) view->set_definition(read_view_definition(cell(*result, 0, 0)).c_str());
    mark(*view);
}

void SQLiteAdapter::fill_meta_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return;
    if (filled(*index)) return;
    auto result = query_model(require(connection()), "SELECT tbl_name, sql FROM " + master_of(*index) +
                                                         " WHERE type = 'index' AND name = " +
                                                         single_quoted(text(index->get_name())) +
                                                         " AND sql IS NOT NULL AND sql != '';");
    gobj::StringArray::wrap(index->get_columns()).clear();
    if (row_count(*result) > 0) apply_index(*index, read_index(cell(*result, 1, 0), "\""));
    mark(*index);
}

void SQLiteAdapter::fill_meta_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return;
    if (filled(*trigger)) return;
    std::string m = master_of(*trigger);
    auto result = query_model(require(connection()),
                              "SELECT m.name as name, m.tbl_name as tbl_name, v.vname NOTNULL as is_view, m.sql as sql "
                              "FROM " +
                                  m + " m LEFT JOIN (SELECT name vname FROM " + m +
                                  " WHERE type = 'view') v ON m.tbl_name = v.vname WHERE type= 'trigger' AND m.name = " +
                                  single_quoted(text(trigger->get_name())) + " ORDER BY name, tbl_name ASC");
    if (!TARVELIN_REQUIRE(row_count(*result) > 0, "table.rows.size > 0")) return;
    trigger->set_target(cell(*result, 1, 0).c_str());
    trigger->set_kind(cell(*result, 2, 0) == "0" ? "TABLE" : "VIEW");
    TriggerText t = read_trigger(cell(*result, 3, 0));
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
