#include "rezezadovu/supports/database/mariadb/adapter.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mariadb/catalog.hpp"
#include "rezezadovu/supports/database/mariadb/statement.hpp"
#include "rezezadovu/supports/database/mysql_family/adapter.hpp"
#include "rezezadovu/supports/database/mysql_family/catalog.hpp"

TARVELIN_LOG_TAG("mariadb_adapter")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql_family;
using namespace meta_model;
using dialect::CatalogRows;

TARVELIN_GTYPE(MariaDBAdapter, "TarvelinRezezadovuSupportsDatabaseMariaDBAdapter", Adapter)
TARVELIN_GTYPE(MariaDBAdapterBelowV105, "TarvelinRezezadovuSupportsDatabaseMariaDBAdapterBelowV105", MariaDBAdapter)

gobj::Ref<MariaDBAdapter> MariaDBAdapter::create(GType type, CConnection* connection) {
    return create_linked<MariaDBAdapter>(type, connection);
}
gobj::Ref<MariaDBAdapterBelowV105> MariaDBAdapterBelowV105::create(GType type, CConnection* connection) {
    return create_linked<MariaDBAdapterBelowV105>(type, connection);
}

namespace {
// The role grants of mysql.roles_mapping that `where` selects into a relations map:
// "role=user@host" to "true" with the admin option, "false" without.
void read_roles_mapping(const gobj::Ref<IConnection>& connection, const std::string& where, GeeHashMap* relations) {
    auto map = gobj::StringMap::wrap(GEE_MAP(relations));
    for (auto grant : CatalogRows(query_model(connection, mariadb::roles_mapping_query(where))))
        map.set(grant.text("Role") + "=" + grant.text("username"), grant.text("Admin_option") == "Y" ? "true" : "false");
}
}  // namespace

// ---------------------------------------------------------------- database and schema

void MariaDBAdapter::read_database(MetaDatabase& database, bool deep, bool with_comment) {
    auto connection = require(this->connection());
    if (!is_filled(database)) {
        CatalogRows result(
            query_model(connection, schemata_query(text(database.get_name()), with_comment ? "SCHEMA_COMMENT" : nullptr)));
        if (!result.empty()) {
            set_attribute(database, "CHARACTER SET", result[0].text("DEFAULT_CHARACTER_SET_NAME"));
            set_attribute(database, "COLLATE", result[0].text("DEFAULT_COLLATION_NAME"));
            if (with_comment) database.set_comment(result[0].text("SCHEMA_COMMENT").c_str());
        }
        // A MariaDB database is its own schema.
        database.append(database.get_name());
    }
    if (deep)
        for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas())) fill_meta_schema(schema.get(), deep);
    mark_filled(database);
}

void MariaDBAdapter::fill_meta_database(MetaDatabase* database, bool deep) {
    if (!TARVELIN_GIVEN(database)) return;
    read_database(*database, deep, true);
}

void MariaDBAdapterBelowV105::fill_meta_database(MetaDatabase* database, bool deep) {
    if (!TARVELIN_GIVEN(database)) return;
    read_database(*database, deep, false);
}

void MariaDBAdapter::fill_meta_schema(MetaSchema* schema, bool deep) {
    if (!TARVELIN_GIVEN(schema)) return;
    auto connection = require(this->connection());
    if (!is_filled(*schema)) list_schema(connection, *schema);
    if (deep) {
        // Each kind of row once for the whole schema, handed out object by object.
        dialect::SchemaReading reading(reading_, text(schema->get_name()));
        for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) fill_meta_table(table.get(), deep);
        for (auto view : gobj::GeeArray<MetaView>::wrap(schema->get_views())) fill_meta_view(view.get());
        for (auto event : gobj::GeeArray<MetaEvent>::wrap(schema->get_events())) fill_meta_event(event.get());
        for (auto function : gobj::GeeArray<MetaFunction>::wrap(schema->get_functions()))
            fill_meta_function(function.get());
    }
    mark_filled(*schema);
}

// ---------------------------------------------------------------- tables

void MariaDBAdapter::fill_meta_table(MetaTable* table, bool deep) {
    if (!TARVELIN_GIVEN(table)) return;
    if (is_filled(*table)) return;
    auto connection = require(this->connection());
    read_columns(connection, *table, {.mariadb = true}, reading_.get());
    tlog_debug("fill_schema_table_columns...[done]");
    if (deep) {
        read_indexes(connection, *table, reading_.get());
        tlog_debug("fill_schema_table_index...[done]");
        read_table_triggers(connection, *table, true, reading_.get());
        tlog_debug("fill_schema_table_trigger...[done]");
        read_foreign_keys(connection, *table, reading_.get());
        tlog_debug("fill_schema_table_foreign...[done]");
        fill_schema_table_check(table);
        tlog_debug("fill_schema_table_check...[done]");
        fill_schema_table_options(table);
        tlog_debug("fill_schema_table_options...[done]");
    }
    mark_filled(*table);
}

gobj::Ref<MetaTable> MariaDBAdapter::fill_schema_table_check(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto connection = require(this->connection());
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    const std::string schema = text(table->get_schema()), name = text(table->get_name());
    for (auto row : object_rows(connection, reading_.get(), schema, name, "checks", "TABLE_NAME",
                                mariadb::checks_query(schema, name),
                                [&] { return mariadb::schema_checks_query(schema); })) {
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), row.text("CONSTRAINT_NAME").c_str(),
                                                 row.text("CHECK_CLAUSE").c_str());
        // MariaDB has no unenforced check.
        check->set_enforced(true);
        constraints.append(check);
    }
    return gobj::Ref<MetaTable>(*table);
}

gobj::Ref<MetaTable> MariaDBAdapter::fill_schema_table_options(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto connection = require(this->connection());
    const std::string schema = text(table->get_schema()), name = text(table->get_name());
    auto status = object_rows(connection, reading_.get(), schema, name, "status", "Name",
                              table_status_query(schema, name, "`Name`"),
                              [&] { return schema_status_query(schema); });
    if (status.size() == 1) set_table_status(*table, status[0]);
    return gobj::Ref<MetaTable>(*table);
}

// ---------------------------------------------------------------- other objects

void MariaDBAdapter::fill_meta_view(MetaView* view) {
    if (!TARVELIN_GIVEN(view)) return;
    if (is_filled(*view)) return;
    if (read_view(require(this->connection()), *view)) mark_filled(*view);
}

void MariaDBAdapter::fill_meta_index(MetaIndex* index) {
    if (!TARVELIN_GIVEN(index)) return;
    if (is_filled(*index)) return;
    auto connection = require(this->connection());
    CatalogRows result(query_model(
        connection, mariadb::index_query(text(index->get_schema()), text(index->get_entity()), text(index->get_name()))));
    if (!TARVELIN_REQUIRE(result.size() >= 1, "rows >= 1")) return;
    auto first = result[0];
    index->set_kind(index_kind(first.text("NON_UNIQUE"), first.text("INDEX_TYPE"), text(index->get_kind())).c_str());
    index->set_method(first.text("INDEX_TYPE").c_str());
    index->set_comment(first.text("INDEX_COMMENT").c_str());
    for (auto row : result)
        index->append(key_entry(row.text("COLUMN_NAME"), row.text("SUB_PART"),
                                row.text("COLLATION"))
                          .c_str());
    mark_filled(*index);
}

void MariaDBAdapter::fill_meta_trigger(MetaTrigger* trigger) {
    if (!TARVELIN_GIVEN(trigger)) return;
    if (is_filled(*trigger)) return;
    if (read_trigger(require(this->connection()), *trigger)) mark_filled(*trigger);
}

void MariaDBAdapter::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    if (is_filled(*function)) return;
    if (read_routine(require(this->connection()), *function, reading_.get())) mark_filled(*function);
}

void MariaDBAdapter::fill_meta_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return;
    read_event(require(this->connection()), *event, true, reading_.get());
}

// ---------------------------------------------------------------- accounts

void MariaDBAdapter::fill_meta_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    if (is_filled(*user)) return;
    auto connection = require(this->connection());
    auto statement = statement_of(connection);
    CatalogRows detail(query_model(connection, account_text(statement, AccountText::user_detail, *user)));
    if (!detail.empty()) set_user_detail(*user, detail);
    load_relation(user);
    read_privileges(connection, account_text(statement, AccountText::rights, *user), user->get_privileges());
    mark_filled(*user);
}

void MariaDBAdapter::fill_meta_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return;
    if (is_filled(*role)) return;
    auto connection = require(this->connection());
    auto statement = statement_of(connection);
    CatalogRows detail(query_model(connection, account_text(statement, AccountText::role_detail, *role)));
    if (!detail.empty()) tlog_warning("Row count: %u", static_cast<unsigned>(detail.size()));
    std::string name = text(role->get_name());
    read_roles_mapping(connection, "Role = " + MariaDBStatement::literal(name.substr(0, name.find('@'))),
                       role->get_relations());
    read_privileges(connection, account_text(statement, AccountText::role_rights, *role), role->get_privileges());
    mark_filled(*role);
}

void MariaDBAdapter::load_relation(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    // A name without "@" is the account of any host, "%".
    Account account = split_account(text(user->get_name()));
    read_roles_mapping(
        require(this->connection()),
        "USER = " + MariaDBStatement::literal(account.user) + " AND HOST = " + MariaDBStatement::literal(account.host),
        user->get_relations());
}

// ---------------------------------------------------------------- by kind

void MariaDBAdapter::fill_meta_object(MetaObject* meta_object, bool deep) {
    if (!TARVELIN_GIVEN(meta_object)) return;
    fill_by_kind(*this, *meta_object, deep, false);
}

}  // namespace tarvelin::rezezadovu::supports::database
