#include "rezezadovu/supports/database/mysql/adapter_v8x.hpp"

#include <map>

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/mysql/adapter_support.hpp"
#include "rezezadovu/supports/database/mysql/sql_support.hpp"

TARVELIN_LOG_TAG("mysql_adapter_8x")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql;
using namespace meta_model;
using InspectorVtable = TarvelinRezezadovuContractsDatabaseIInspectableInterface;

TARVELIN_GTYPE(MySQLAdapterV8x, "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x", Adapter)

gobj::Ref<MySQLAdapterV8x> MySQLAdapterV8x::create(GType type, CConnection* connection) {
    return create_linked<MySQLAdapterV8x>(type, connection);
}

namespace {

const std::vector<std::string> kTypeListNumeric = {"DECIMAL", "DOUBLE", "FLOAT", "NUMERIC", "REAL"};
const std::vector<std::string> kTypeListDatetime = {"DATE", "TIME", "DATETIME", "TIMESTAMP"};

bool listed(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

GRegex* enum_pattern() {
    static GRegex* const pattern = g_regex_new(R"((enum|set)\((?<values>[\w\',\-\s]+)\))", GRegexCompileFlags(0),
                                               GRegexMatchFlags(0), nullptr);
    return pattern;
}

}  // namespace

// ---------------------------------------------------------------- database and schema

void MySQLAdapterV8x::read_database(MetaDatabase& database, bool deep, bool v5x) {
    auto connection = require(this->connection());
    if (!is_filled(database)) {
        std::string columns = "SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME";
        if (!v5x) columns += ", DEFAULT_ENCRYPTION";
        auto result = query_model(connection, "SELECT " + columns + " FROM `information_schema`.`SCHEMATA` WHERE "
                                                  "SCHEMA_NAME = " + quoted(text(database.get_name())) +
                                                  " ORDER BY SCHEMA_NAME ASC;");
        if (v5x && !TARVELIN_REQUIRE(row_count(*result) == 1, "rows == 1")) return;
        if (row_count(*result) > 0) {
            set_attribute(database, "CHARACTER SET", cell(*result, 1, 0));
            set_attribute(database, "COLLATE", cell(*result, 2, 0));
            if (!v5x) set_attribute(database, "ENCRYPTION", cell(*result, 3, 0));
        }
        database.append(database.get_name());
    }
    if (deep)
        for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas())) fill_meta_schema(schema.get(), deep);
    mark_filled(database);
}

void MySQLAdapterV8x::fill_meta_database(MetaDatabase* database, bool deep) {
    if (!TARVELIN_GIVEN(database)) return;
    read_database(*database, deep, false);
}

void MySQLAdapterV8x::fill_meta_schema(MetaSchema* schema, bool deep) {
    if (!TARVELIN_GIVEN(schema)) return;
    auto connection = require(this->connection());
    auto tables = gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
    auto views = gobj::GeeArray<MetaView>::wrap(schema->get_views());
    auto functions = gobj::GeeArray<MetaFunction>::wrap(schema->get_functions());
    auto procedures = gobj::GeeArray<MetaFunction>::wrap(schema->get_procedures());
    auto events = gobj::GeeArray<MetaEvent>::wrap(schema->get_events());
    if (!is_filled(*schema)) {
        for (GeeArrayList* list : {schema->get_tables(), schema->get_views(), schema->get_functions(),
                                   schema->get_procedures(), schema->get_events()})
            gee_collection_clear(GEE_COLLECTION(list));
        const char* database = schema->get_database();
        const char* name = schema->get_name();
        std::string literal = quoted(text(name));

        auto listed_tables = query_model(connection, "SELECT TABLE_NAME, TABLE_TYPE FROM `information_schema`.`TABLES` "
                                                     "WHERE TABLE_SCHEMA = " + literal +
                                                         " AND (TABLE_TYPE IN ('BASE TABLE', 'VIEW', 'SYSTEM VIEW')) "
                                                         "ORDER BY TABLE_NAME ASC;");
        for (int r = 0; r < row_count(*listed_tables); ++r) {
            std::string table = cell(*listed_tables, 0, r);
            if (cell(*listed_tables, 1, r) == "VIEW")
                views.append(MetaView::create_with_names(MetaView::gtype(), database, name, table.c_str()));
            else
                tables.append(MetaTable::create_with_names(MetaTable::gtype(), database, name, table.c_str()));
        }

        auto routines = query_model(connection, "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.`DEFINER` FROM "
                                                "information_schema.ROUTINES r WHERE DEFINER NOT LIKE '%mysql%' AND "
                                                "ROUTINE_SCHEMA = " + literal +
                                                    " AND ROUTINE_TYPE IN ('FUNCTION', 'PROCEDURE') ORDER BY "
                                                    "ROUTINE_NAME ASC;");
        for (int r = 0; r < row_count(*routines); ++r) {
            auto routine = MetaFunction::create_with_names(MetaFunction::gtype(), database, name,
                                                           cell(*routines, 0, r).c_str());
            bool is_function = cell(*routines, 1, r) == "FUNCTION";
            routine->set_is_function(is_function);
            (is_function ? functions : procedures).append(routine);
        }

        auto listed_events = query_model(connection, "SELECT EVENT_NAME, EVENT_TYPE FROM `information_schema`.`EVENTS` "
                                                     "WHERE EVENT_SCHEMA = " + literal + " ORDER BY EVENT_NAME ASC;");
        for (int r = 0; r < row_count(*listed_events); ++r)
            events.append(MetaEvent::create_with_names(MetaEvent::gtype(), database, name,
                                                       cell(*listed_events, 0, r).c_str()));
    }
    if (deep) {
        for (auto table : tables) fill_meta_table(table.get(), deep);
        for (auto view : views) fill_meta_view(view.get());
        for (auto event : events) fill_meta_event(event.get());
        for (auto function : functions) fill_meta_function(function.get());
        for (auto procedure : procedures) fill_meta_function(procedure.get());
    }
    mark_filled(*schema);
}

// ---------------------------------------------------------------- tables

void MySQLAdapterV8x::fill_meta_table(MetaTable* table, bool deep) {
    if (!TARVELIN_GIVEN(table)) return;
    if (is_filled(*table)) return;
    gobj::GeeArray<MetaColumn>::wrap(table->get_columns()).clear();
    if (deep) {
        gobj::GeeArray<MetaIndex>::wrap(table->get_indexes()).clear();
        gobj::GeeArray<MetaTrigger>::wrap(table->get_triggers()).clear();
        table->reset_partial(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN);
        table->reset_partial(TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK);
    }
    fill_columns(*table);
    tlog_debug("fill_schema_table_columns...[done]");
    if (deep) {
        fill_indexes(*table);
        tlog_debug("fill_schema_table_index...[done]");
        fill_triggers(*table);
        tlog_debug("fill_schema_table_trigger...[done]");
        fill_foreign_keys(*table);
        tlog_debug("fill_schema_table_foreign...[done]");
        fill_schema_table_check(table);
        tlog_debug("fill_schema_table_check...[done]");
        fill_schema_table_options(table);
        tlog_debug("fill_schema_table_options...[done]");
    }
    mark_filled(*table);
}

void MySQLAdapterV8x::fill_columns(MetaTable& table) {
    auto connection = require(this->connection());
    auto result = query_model(
        connection,
        "SELECT COLUMN_NAME, ORDINAL_POSITION, COLUMN_DEFAULT, IS_NULLABLE, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, "
        "NUMERIC_PRECISION, NUMERIC_SCALE, DATETIME_PRECISION, CHARACTER_SET_NAME, COLLATION_NAME, COLUMN_TYPE, "
        "COLUMN_KEY, EXTRA, COLUMN_COMMENT, GENERATION_EXPRESSION FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_SCHEMA = " +
            quoted(text(table.get_schema())) + " and TABLE_NAME = " + quoted(text(table.get_name())) +
            " ORDER BY ORDINAL_POSITION ASC;");
    auto inspector = inspector_of(connection);
    guint8 primary_ordinal = 1;
    std::string previous;
    for (int r = 0; r < row_count(*result); ++r) {
        auto at = [&](int column) { return cell(*result, column, r); };
        std::string raw_type = ascii_upper(at(4));
        DataType data_type = inspector ? gobj::call<&InspectorVtable::get_data_type>(inspector, raw_type)
                                       : TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
        std::string name = at(0);
        auto column = table.new_column(name.c_str(), data_type);
        column->set_ordinal(static_cast<guint16>(cell_unsigned(*result, 1, r)));
        column->set_default_value(at(2).c_str());
        column->set_not_null(at(3) == "NO");
        column->set_raw_type(raw_type.c_str());
        column->set_length(static_cast<gint64>(cell_unsigned(*result, 5, r)));
        if (listed(kTypeListNumeric, raw_type)) {
            column->set_length(static_cast<gint64>(cell_unsigned(*result, 6, r)));
            column->set_scale(static_cast<guint8>(cell_unsigned(*result, 7, r)));
        } else if (listed(kTypeListDatetime, raw_type)) {
            column->set_scale(static_cast<guint8>(cell_unsigned(*result, 8, r)));
        }
        column->set_charset(at(9).c_str());
        column->set_collation(at(10).c_str());

        std::string column_type = at(11);
        RegexMatch values(enum_pattern(), column_type);
        if (values) column->set_enum_values(values.named("values").c_str());
        column->set_is_unsigned(contains(column_type, "unsigned"));

        if (contains(at(12), "PRI")) {
            column->set_is_primary_key(true);
            column->set_primary_ordinal(primary_ordinal++);
        }
        std::string extra = at(13);
        column->set_auto_increment(contains(extra, "auto_increment"));
        // MariaDB writes "on update current_timestamp()".
        column->set_update_timestamp(contains(ascii_upper(extra), "CURRENT_TIMESTAMP"));
        column->set_comment(at(14).c_str());
        std::string expression = at(15);
        column->set_expression(expression.c_str());
        if (!expression.empty()) {
            column->set_is_virtual(true);
            column->set_is_generated_always(true);
            std::string storage = ascii_upper(extra);
            column->set_virtual_type(contains(storage, "STORED") || contains(storage, "PERSISTENT") ? "STORED"
                                                                                                   : "VIRTUAL");
        }
        if (r > 0) column->set_after(previous.c_str());
        previous = name;
    }
}

void MySQLAdapterV8x::fill_indexes(MetaTable& table) {
    auto connection = require(this->connection());
    auto result = query_model(connection, "SHOW INDEX FROM " + qualified(text(table.get_schema()), text(table.get_name())));
    // Visibility: MySQL 8 says "Visible", MariaDB "Ignored"; older servers have neither
    // and every index is visible.
    int visible = column_named(*result, "Visible");
    int ignored = column_named(*result, "Ignored");
    int expression = column_named(*result, "Expression");
    auto indexes = gobj::GeeArray<MetaIndex>::wrap(table.get_indexes());
    gobj::Ref<MetaIndex> current;
    std::string previous;
    for (int r = 0; r < row_count(*result); ++r) {
        std::string key = cell(*result, 2, r);
        if (ascii_upper(trimmed(key)) == "PRIMARY") {
            // The key's own order, which may differ from the columns' order.
            if (auto column = table.get_column(cell(*result, 4, r).c_str()))
                column->set_primary_ordinal(static_cast<guint8>(cell_unsigned(*result, 3, r)));
            continue;
        }
        if (!current || key != previous) {
            if (current) indexes.append(current);
            current = MetaIndex::create_with_names(MetaIndex::gtype(), table.get_database(), table.get_schema(),
                                                   table.get_name(), key.c_str());
            previous = key;
            current->set_method(cell(*result, 10, r).c_str());
            current->set_comment(cell(*result, 12, r).c_str());
            current->set_kind(index_kind(cell(*result, 1, r), cell(*result, 10, r), "").c_str());
            current->set_is_visible(visible >= 0   ? cell(*result, visible, r) == "YES"
                                    : ignored >= 0 ? cell(*result, ignored, r) != "YES"
                                                   : true);
        }
        if (!cell_is_null(*result, 4, r) || expression < 0)
            current->append(cell(*result, 4, r).c_str());
        else
            current->append(cell(*result, expression, r).c_str());
    }
    if (current) indexes.append(current);
}

void MySQLAdapterV8x::fill_triggers(MetaTable& table) {
    auto connection = require(this->connection());
    // The plain comparisons let the server look the table up; BINARY keeps them exact.
    std::string schema = quoted(text(table.get_schema())), name = quoted(text(table.get_name()));
    auto result = query_model(connection, "SELECT TRIGGER_NAME, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, "
                                          "ACTION_ORIENTATION, ACTION_STATEMENT FROM information_schema.triggers "
                                          "WHERE event_object_schema = " + schema + " AND event_object_table = " +
                                              name + " AND BINARY event_object_schema = " + schema +
                                              " AND BINARY event_object_table = " + name + ";");
    auto triggers = gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers());
    for (int r = 0; r < row_count(*result); ++r) {
        auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), cell(*result, 0, r).c_str(),
                                                     cell(*result, 5, r).c_str());
        trigger->set_timing(cell(*result, 2, r).c_str());
        trigger->set_event(cell(*result, 3, r).c_str());
        trigger->set_for_each(trimmed(cell(*result, 4, r)).c_str());
        triggers.append(trigger);
    }
}

void MySQLAdapterV8x::fill_foreign_keys(MetaTable& table) {
    auto connection = require(this->connection());
    // The key's columns belong to the key's own table: another table may have a unique
    // key of the same name. Naming that table also spares the server opening every table
    // of the schema for KEY_COLUMN_USAGE (a third of the time on 200 tables).
    std::string schema = quoted(text(table.get_schema())), name = quoted(text(table.get_name()));
    auto result = query_model(
        connection,
        "SELECT fk.CONSTRAINT_SCHEMA, fk.CONSTRAINT_NAME, fk.MATCH_OPTION, fk.UPDATE_RULE, fk.DELETE_RULE, "
        "refer.COLUMN_NAME, refer.ORDINAL_POSITION, refer.REFERENCED_TABLE_SCHEMA, refer.REFERENCED_TABLE_NAME, "
        "refer.REFERENCED_COLUMN_NAME FROM information_schema.REFERENTIAL_CONSTRAINTS AS fk INNER JOIN "
        "information_schema.KEY_COLUMN_USAGE AS refer ON fk.CONSTRAINT_NAME = refer.CONSTRAINT_NAME AND "
        "fk.CONSTRAINT_SCHEMA=refer.CONSTRAINT_SCHEMA AND fk.TABLE_NAME=refer.TABLE_NAME WHERE "
        "fk.CONSTRAINT_SCHEMA=" + schema + " AND fk.TABLE_NAME=" + name + " AND refer.TABLE_SCHEMA=" + schema +
            " AND refer.TABLE_NAME=" + name + " ORDER BY refer.ORDINAL_POSITION ASC");
    // One constraint per key, in order of first appearance; the rows come in key order,
    // so each key's columns are joined in that order.
    struct Key {
        gobj::Ref<MetaForeignKey> constraint;
        std::vector<std::string> local, refer;
    };
    std::vector<Key> keys;
    std::map<std::string, size_t> position;
    for (int r = 0; r < row_count(*result); ++r) {
        std::string name = cell(*result, 1, r);
        auto [found, added] = position.emplace(name, keys.size());
        if (added) {
            auto key = MetaForeignKey::create_with_name(MetaForeignKey::gtype(), name.c_str());
            std::string match = cell(*result, 2, r);
            key->set_match_method(match == "NONE" ? "" : match.c_str());
            key->set_update_action(cell(*result, 3, r).c_str());
            key->set_delete_action(cell(*result, 4, r).c_str());
            key->set_refer_schema(cell(*result, 7, r).c_str());
            key->set_refer_table(cell(*result, 8, r).c_str());
            keys.push_back({key, {}, {}});
        }
        keys[found->second].local.push_back(cell(*result, 5, r));
        keys[found->second].refer.push_back(cell(*result, 9, r));
    }
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints());
    for (auto& key : keys) {
        key.constraint->set_local_columns(joined(key.local, ", ").c_str());
        key.constraint->set_refer_columns(joined(key.refer, ", ").c_str());
        constraints.append(key.constraint);
    }
}

gobj::Ref<MetaTable> MySQLAdapterV8x::fill_schema_table_check(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto connection = require(this->connection());
    auto result = query_model(
        connection,
        "SELECT cons.CONSTRAINT_NAME, cons.ENFORCED, chks.CHECK_CLAUSE FROM information_schema.CHECK_CONSTRAINTS AS "
        "chks INNER JOIN information_schema.TABLE_CONSTRAINTS AS cons ON cons.CONSTRAINT_CATALOG=chks.CONSTRAINT_CATALOG "
        "AND cons.CONSTRAINT_SCHEMA=chks.CONSTRAINT_SCHEMA AND cons.CONSTRAINT_NAME=chks.CONSTRAINT_NAME WHERE "
        "cons.CONSTRAINT_TYPE='CHECK' AND cons.TABLE_SCHEMA=" + quoted(text(table->get_schema())) +
            " AND cons.TABLE_NAME=" + quoted(text(table->get_name())) + ";");
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    for (int r = 0; r < row_count(*result); ++r) {
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), cell(*result, 0, r).c_str(),
                                                 cell(*result, 2, r).c_str());
        check->set_enforced(trimmed(cell(*result, 1, r)) == "YES");
        constraints.append(check);
    }
    return gobj::Ref<MetaTable>(*table);
}

gobj::Ref<MetaTable> MySQLAdapterV8x::fill_schema_table_options(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto connection = require(this->connection());
    // The table's own schema and exact name: "LIKE" in the current database would read
    // another table, or several.
    auto result = query_model(connection, "SHOW TABLE STATUS FROM " + backquoted(text(table->get_schema())) +
                                              " WHERE Name = " + quoted(text(table->get_name())) + ";");
    if (row_count(*result) == 1) set_table_status(*table, *result);
    return gobj::Ref<MetaTable>(*table);
}

// ---------------------------------------------------------------- other objects

void MySQLAdapterV8x::fill_meta_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return;
    if (is_filled(*view)) return;
    auto connection = require(this->connection());
    auto result = query_model(connection, "SHOW CREATE VIEW " +
                                              qualified(text(view->get_schema()), text(view->get_name())) + ";");
    if (!TARVELIN_REQUIRE(row_count(*result) == 1, "rows == 1")) return;
    set_view_statement(*view, cell(*result, 1, 0));
    mark_filled(*view);
}

void MySQLAdapterV8x::fill_meta_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return;
    if (is_filled(*index)) return;
    auto connection = require(this->connection());
    gobj::StringArray::wrap(index->get_columns()).clear();
    auto result = query_model(connection, "SELECT TABLE_NAME, NON_UNIQUE, INDEX_TYPE, IS_VISIBLE, INDEX_COMMENT, "
                                          "SEQ_IN_INDEX, COLUMN_NAME, EXPRESSION FROM `information_schema`.`STATISTICS` "
                                          "WHERE INDEX_SCHEMA = " + quoted(text(index->get_schema())) +
                                              " AND TABLE_NAME = " + quoted(text(index->get_entity())) +
                                              " AND INDEX_NAME = " + quoted(text(index->get_name())) +
                                              " ORDER BY SEQ_IN_INDEX ASC;");
    if (!TARVELIN_REQUIRE(row_count(*result) >= 1, "rows >= 1")) return;
    index->set_kind(index_kind(cell(*result, 1, 0), cell(*result, 2, 0), text(index->get_kind())).c_str());
    index->set_method(cell(*result, 2, 0).c_str());
    index->set_is_visible(cell(*result, 3, 0) == "YES");
    index->set_comment(cell(*result, 4, 0).c_str());
    for (int r = 0; r < row_count(*result); ++r) {
        if (!cell_is_null(*result, 6, r))
            index->append(cell(*result, 6, r).c_str());
        else if (!cell_is_null(*result, 7, r))
            index->append(cell(*result, 7, r).c_str());
    }
    mark_filled(*index);
}

void MySQLAdapterV8x::fill_meta_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return;
    if (is_filled(*trigger)) return;
    auto connection = require(this->connection());
    auto result = query_model(connection, "SELECT EVENT_OBJECT_TABLE, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, "
                                          "ACTION_ORIENTATION, ACTION_STATEMENT FROM information_schema.triggers WHERE "
                                          "TRIGGER_SCHEMA = " + quoted(text(trigger->get_schema())) +
                                              " AND TRIGGER_NAME = " + quoted(text(trigger->get_name())) + ";");
    if (!TARVELIN_REQUIRE(row_count(*result) >= 1, "rows >= 1")) return;
    trigger->set_target(cell(*result, 0, 0).c_str());
    trigger->set_definer(cell(*result, 1, 0).c_str());
    trigger->set_timing(cell(*result, 2, 0).c_str());
    trigger->set_event(cell(*result, 3, 0).c_str());
    trigger->set_for_each(trimmed(cell(*result, 4, 0)).c_str());
    trigger->set_body(trigger_body(cell(*result, 5, 0)).c_str());
    mark_filled(*trigger);
}

void MySQLAdapterV8x::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    if (is_filled(*function)) return;
    auto connection = require(this->connection());
    auto parameters = gobj::StringArray::wrap(function->get_parameters());
    parameters.clear();
    std::string schema = quoted(text(function->get_schema()));
    std::string name = quoted(text(function->get_name()));
    auto result = query_model(connection, "SELECT ROUTINE_TYPE, DATA_TYPE, DTD_IDENTIFIER, ROUTINE_BODY, "
                                          "IS_DETERMINISTIC, SQL_DATA_ACCESS, SECURITY_TYPE, DEFINER, ROUTINE_COMMENT, "
                                          "ROUTINE_DEFINITION FROM `information_schema`.`ROUTINES` WHERE "
                                          "ROUTINE_SCHEMA = " + schema + " AND ROUTINE_NAME = " + name + ";");
    if (!TARVELIN_REQUIRE(row_count(*result) >= 1, "rows >= 1")) return;
    function->set_is_function(cell(*result, 0, 0) == "FUNCTION");
    function->set_return_type(cell(*result, 2, 0).c_str());
    set_attribute(*function, "LANGUAGE", cell(*result, 3, 0));
    set_attribute(*function, "DETERMINISTIC", cell(*result, 4, 0));
    set_attribute(*function, "DATA_ACCESS", cell(*result, 5, 0));
    set_attribute(*function, "SQL SECURITY", cell(*result, 6, 0));
    set_attribute(*function, "DEFINER", cell(*result, 7, 0));
    set_attribute(*function, "COMMENT", cell(*result, 8, 0));
    function->set_body(routine_body(cell(*result, 9, 0)).c_str());

    // A routine without parameters has an empty list here, and is filled all the same.
    auto listed = query_model(connection, "SELECT PARAMETER_MODE, PARAMETER_NAME, DATA_TYPE, DTD_IDENTIFIER FROM "
                                          "`information_schema`.`PARAMETERS` WHERE SPECIFIC_SCHEMA = " + schema +
                                              " AND SPECIFIC_NAME = " + name +
                                              " AND PARAMETER_NAME != '' ORDER BY ORDINAL_POSITION ASC;");
    for (int r = 0; r < row_count(*listed); ++r)
        parameters.append(cell(*listed, 0, r) + " " + cell(*listed, 1, r) + " " + cell(*listed, 3, r));
    mark_filled(*function);
}

void MySQLAdapterV8x::fill_meta_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return;
    auto connection = require(this->connection());
    auto result = query_model(connection, "SELECT DEFINER, EVENT_DEFINITION, EVENT_TYPE, EXECUTE_AT, INTERVAL_VALUE, "
                                          "INTERVAL_FIELD, STARTS, ENDS, STATUS, ON_COMPLETION, EVENT_COMMENT FROM "
                                          "`information_schema`.`EVENTS` where EVENT_SCHEMA = " +
                                              quoted(text(event->get_schema())) + " and EVENT_NAME = " +
                                              quoted(text(event->get_name())) + ";");
    if (!TARVELIN_REQUIRE(row_count(*result) >= 1, "rows >= 1")) return;
    event->set_definer(cell(*result, 0, 0).c_str());
    event->set_body(cell(*result, 1, 0).c_str());
    event->set_kind(cell(*result, 2, 0).c_str());
    std::string schedule;
    if (cell_is_null(*result, 3, 0)) {
        schedule = "EVERY " + cell(*result, 4, 0) + " " + cell(*result, 5, 0);
        if (!cell_is_null(*result, 6, 0)) schedule += " STARTS " + quoted(cell(*result, 6, 0));
        if (!cell_is_null(*result, 7, 0)) schedule += " ENDS " + quoted(cell(*result, 7, 0));
    } else {
        schedule = "AT " + quoted(cell(*result, 3, 0));
    }
    event->set_schedule(schedule.c_str());
    event->set_state(cell(*result, 8, 0).c_str());
    event->set_completion(cell(*result, 9, 0).c_str());
    event->set_comment(cell(*result, 10, 0).c_str());
}

// ---------------------------------------------------------------- accounts

void MySQLAdapterV8x::fill_meta_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    if (is_filled(*user)) return;
    auto connection = require(this->connection());
    auto statement = statement_of(connection);
    clear_map(user->get_privileges());
    clear_map(user->get_relations());
    auto detail = query_model(connection, account_text(statement, AccountText::user_detail, *user));
    if (row_count(*detail) > 0) set_user_detail(*user, *detail);
    load_relation(user);
    read_privileges(connection, account_text(statement, AccountText::rights, *user), user->get_privileges());
    mark_filled(*user);
}

void MySQLAdapterV8x::fill_meta_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return;
    if (is_filled(*role)) return;
    auto connection = require(this->connection());
    auto statement = statement_of(connection);
    clear_map(role->get_privileges());
    clear_map(role->get_relations());
    auto detail = query_model(connection, account_text(statement, AccountText::role_detail, *role));
    if (row_count(*detail) > 0) tlog_message("Row count: %u", static_cast<unsigned>(row_count(*detail)));
    read_role_edges(connection, text(role->get_name()), role->get_relations());
    read_privileges(connection, account_text(statement, AccountText::rights, *role), role->get_privileges());
    mark_filled(*role);
}

void MySQLAdapterV8x::load_relation(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    read_role_edges(require(this->connection()), text(user->get_name()), user->get_relations());
}

// ---------------------------------------------------------------- by kind

void MySQLAdapterV8x::fill_meta_object(MetaObject* meta_object, bool deep) {
    if (!TARVELIN_GIVEN(meta_object)) return;
    switch (meta_object->character()) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE:
            return fill_meta_database(dynamic_cast<MetaDatabase*>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT: return fill_meta_event(dynamic_cast<MetaEvent*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION:
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE:
            return fill_meta_function(dynamic_cast<MetaFunction*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return fill_meta_index(dynamic_cast<MetaIndex*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return fill_meta_role(dynamic_cast<MetaRole*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA:
            return fill_meta_schema(dynamic_cast<MetaSchema*>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE:
            return fill_meta_table(dynamic_cast<MetaTable*>(meta_object), deep);
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER:
            return fill_meta_trigger(dynamic_cast<MetaTrigger*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return fill_meta_user(dynamic_cast<MetaUser*>(meta_object));
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return fill_meta_view(dynamic_cast<MetaView*>(meta_object));
        default: return;
    }
}

}  // namespace tarvelin::rezezadovu::supports::database
