#include "rezezadovu/supports/database/mysql/adapter.hpp"

#include "providers/gobj/call.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mysql/catalog.hpp"
#include "rezezadovu/supports/database/mysql_family/adapter.hpp"
#include "rezezadovu/supports/database/mysql_family/catalog.hpp"

TARVELIN_LOG_TAG("mysql_adapter_8x")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql_family;
using namespace meta_model;
using dialect::CatalogRows;

TARVELIN_GTYPE(MySQLAdapterV8x, "TarvelinRezezadovuSupportsDatabaseMySQLAdapterV8x", Adapter)

gobj::Ref<MySQLAdapterV8x> MySQLAdapterV8x::create(GType type, CConnection* connection) {
    return create_linked<MySQLAdapterV8x>(type, connection);
}

namespace {
// The role edges of the account name ("user@host", the host "%" without one) into a
// relations map: "from=to" to "true" with the admin option, "false" without.
void read_role_edges(const gobj::Ref<IConnection>& connection, const std::string& name, GeeHashMap* relations) {
    Account a = split_account(name);
    auto map = gobj::StringMap::wrap(GEE_MAP(relations));
    for (auto edge : CatalogRows(query_model(connection, mysql::role_edges_query(a.user, a.host))))
        map.set(edge.text("user_from") + "=" + edge.text("user_to"),
                edge.text("WITH_ADMIN_OPTION") == "Y" ? "true" : "false");
}
}  // namespace

// ---------------------------------------------------------------- database and schema

void MySQLAdapterV8x::read_database(MetaDatabase& database, bool deep, bool v5x) {
    auto connection = require(this->connection());
    if (!is_filled(database)) {
        CatalogRows result(
            query_model(connection, schemata_query(text(database.get_name()), v5x ? nullptr : "DEFAULT_ENCRYPTION")));
        if (v5x && !TARVELIN_REQUIRE(result.size() == 1, "rows == 1")) return;
        if (!result.empty()) {
            set_attribute(database, "CHARACTER SET", result[0].text("DEFAULT_CHARACTER_SET_NAME"));
            set_attribute(database, "COLLATE", result[0].text("DEFAULT_COLLATION_NAME"));
            if (!v5x) set_attribute(database, "ENCRYPTION", result[0].text("DEFAULT_ENCRYPTION"));
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
        dialect::SchemaReading scope(reading_, text(schema->get_name()));
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
    read_columns(connection, *table, {}, reading());
    tlog_debug("fill_schema_table_columns...[done]");
    if (deep) {
        read_indexes(connection, *table);
        tlog_debug("fill_schema_table_index...[done]");
        read_table_triggers(connection, *table, false, reading());
        tlog_debug("fill_schema_table_trigger...[done]");
        read_foreign_keys(connection, *table, reading());
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
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    const std::string schema = text(table->get_schema()), name = text(table->get_name());
    for (auto row : object_rows(connection, reading(), schema, name, "checks", "TABLE_NAME",
                                mysql::checks_query(schema, name), [&] { return mysql::schema_checks_query(schema); })) {
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), row.text("CONSTRAINT_NAME").c_str(),
                                                 row.text("CHECK_CLAUSE").c_str());
        check->set_enforced(trimmed(row.text("ENFORCED")) == "YES");
        constraints.append(check);
    }
    return gobj::Ref<MetaTable>(*table);
}

gobj::Ref<MetaTable> MySQLAdapterV8x::fill_schema_table_options(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto connection = require(this->connection());
    const std::string schema = text(table->get_schema()), name = text(table->get_name());
    auto status = object_rows(connection, reading(), schema, name, "status", "Name",
                              table_status_query(schema, name, "Name"), [&] { return schema_status_query(schema); });
    if (status.size() == 1) set_table_status(*table, status[0]);
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
    CatalogRows result(query_model(connection, mysql::index_query(text(index->get_schema()), text(index->get_entity()),
                                                                  text(index->get_name()))));
    if (!TARVELIN_REQUIRE(result.size() >= 1, "rows >= 1")) return;
    auto first = result[0];
    index->set_kind(index_kind(first.text("NON_UNIQUE"), first.text("INDEX_TYPE"), text(index->get_kind())).c_str());
    index->set_method(first.text("INDEX_TYPE").c_str());
    index->set_is_visible(first.text("IS_VISIBLE") == "YES");
    index->set_comment(first.text("INDEX_COMMENT").c_str());
    for (auto row : result) {
        if (!row.is_null("COLUMN_NAME"))
            index->append(key_entry(row.text("COLUMN_NAME"), row.text("SUB_PART"),
                                    row.text("COLLATION"))
                              .c_str());
        else if (!row.is_null("EXPRESSION"))
            index->append(functional_entry(row.text("EXPRESSION"), row.text("COLLATION")).c_str());
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
    if (read_routine(connection, *function, reading())) mark_filled(*function);
}

void MySQLAdapterV8x::fill_meta_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return;
    read_event(require(this->connection()), *event, false, reading());
}

// ---------------------------------------------------------------- accounts

void MySQLAdapterV8x::fill_meta_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    if (is_filled(*user)) return;
    auto connection = require(this->connection());
    auto statement = statement_of(connection);
    clear_map(user->get_privileges());
    clear_map(user->get_relations());
    CatalogRows detail(query_model(connection, account_text(statement, AccountText::user_detail, *user)));
    if (!detail.empty()) set_user_detail(*user, detail);
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
    CatalogRows detail(query_model(connection, account_text(statement, AccountText::role_detail, *role)));
    if (!detail.empty()) tlog_message("Row count: %u", static_cast<unsigned>(detail.size()));
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
