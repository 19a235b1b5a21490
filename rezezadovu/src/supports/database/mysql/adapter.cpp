#include "rezezadovu/supports/database/mysql/adapter.hpp"

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mysql_family/adapter.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mysql_adapter_8x")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql_family;
using namespace meta_model;

TARVELIN_GTYPE(MySQLAdapterV8x, "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x", Adapter)

gobj::Ref<MySQLAdapterV8x> MySQLAdapterV8x::create(GType type, CConnection* connection) {
    return create_linked<MySQLAdapterV8x>(type, connection);
}

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
        list_schema(connection, *schema);
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
    auto connection = require(this->connection());
    read_columns(connection, *table, {});
    tlog_debug("fill_schema_table_columns...[done]");
    if (deep) {
        read_indexes(connection, *table);
        tlog_debug("fill_schema_table_index...[done]");
        read_table_triggers(connection, *table, false);
        tlog_debug("fill_schema_table_trigger...[done]");
        read_foreign_keys(connection, *table);
        tlog_debug("fill_schema_table_foreign...[done]");
        fill_schema_table_check(table);
        tlog_debug("fill_schema_table_check...[done]");
        fill_schema_table_options(table);
        tlog_debug("fill_schema_table_options...[done]");
    }
    mark_filled(*table);
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
    if (read_view(require(this->connection()), *view)) mark_filled(*view);
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
    if (read_trigger(require(this->connection()), *trigger)) mark_filled(*trigger);
}

void MySQLAdapterV8x::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    if (is_filled(*function)) return;
    auto connection = require(this->connection());
    gobj::StringArray::wrap(function->get_parameters()).clear();
    if (read_routine(connection, *function)) mark_filled(*function);
}

void MySQLAdapterV8x::fill_meta_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return;
    read_event(require(this->connection()), *event);
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
    fill_by_kind(*this, *meta_object, deep, true);
}

}  // namespace tarvelin::rezezadovu::supports::database
