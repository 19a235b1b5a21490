#include "rezezadovu/supports/database/mariadb/adapter.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/mysql_family/adapter.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mariadb_adapter")

namespace tarvelin::rezezadovu::supports::database {

using namespace mysql_family;
using namespace meta_model;

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
    auto grants = query_model(connection, "SELECT Role, CONCAT(USER, '@', HOST) username, Admin_option FROM "
                                          "`mysql`.`roles_mapping` WHERE " + where + ";");
    auto map = gobj::StringMap::wrap(GEE_MAP(relations));
    for (int r = 0; r < row_count(*grants); ++r)
        map.set(cell(*grants, 0, r) + "=" + cell(*grants, 1, r), cell(*grants, 2, r) == "Y" ? "true" : "false");
}
}  // namespace

// ---------------------------------------------------------------- database and schema

void MariaDBAdapter::read_database(MetaDatabase& database, bool deep, bool with_comment) {
    auto connection = require(this->connection());
    if (!is_filled(database)) {
        auto result = query_model(connection, std::string("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, "
                                                          "DEFAULT_COLLATION_NAME") +
                                                  (with_comment ? ", SCHEMA_COMMENT" : "") +
                                                  " FROM `information_schema`.`SCHEMATA` WHERE SCHEMA_NAME = " +
                                                  quoted(text(database.get_name())) + " ORDER BY SCHEMA_NAME ASC;");
        if (row_count(*result) > 0) {
            set_attribute(database, "CHARACTER SET", cell(*result, 1, 0));
            set_attribute(database, "COLLATE", cell(*result, 2, 0));
            if (with_comment) database.set_comment(cell(*result, 3, 0).c_str());
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
    read_columns(connection, *table, {.mariadb = true});
    tlog_debug("fill_schema_table_columns...[done]");
    if (deep) {
        read_indexes(connection, *table);
        tlog_debug("fill_schema_table_index...[done]");
        read_table_triggers(connection, *table, true);
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

gobj::Ref<MetaTable> MariaDBAdapter::fill_schema_table_check(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto connection = require(this->connection());
    // MariaDB names a check within its table (two tables may each have a check "c"), so
    // the checks are those of the table's own name; a join on the name alone read the
    // other table's as well. The one view of the catalogue also spares opening every
    // table of the schema.
    auto result = query_model(connection, "SELECT CONSTRAINT_NAME, CHECK_CLAUSE FROM information_schema.CHECK_CONSTRAINTS "
                                          "WHERE CONSTRAINT_SCHEMA=" + quoted(text(table->get_schema())) +
                                              " AND TABLE_NAME=" + quoted(text(table->get_name())) + ";");
    auto constraints = gobj::GeeArray<MetaConstraint>::wrap(table->get_constraints());
    for (int r = 0; r < row_count(*result); ++r) {
        auto check = MetaCheck::create_with_name(MetaCheck::gtype(), cell(*result, 0, r).c_str(),
                                                 cell(*result, 1, r).c_str());
        // MariaDB has no unenforced check.
        check->set_enforced(true);
        constraints.append(check);
    }
    return gobj::Ref<MetaTable>(*table);
}

gobj::Ref<MetaTable> MariaDBAdapter::fill_schema_table_options(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    auto connection = require(this->connection());
    // The table's own schema and exact name: "LIKE" in the current database would read
    // another table, or several (a_b matches axb).
    auto result = query_model(connection, "SHOW TABLE STATUS FROM " + backquoted(text(table->get_schema())) +
                                              " WHERE `Name` = " + quoted(text(table->get_name())) + ";");
    if (row_count(*result) == 1) set_table_status(*table, *result, false);
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
    auto result = query_model(connection, "SELECT TABLE_NAME, NON_UNIQUE, INDEX_TYPE, INDEX_COMMENT, SEQ_IN_INDEX, "
                                          "COLUMN_NAME FROM `information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = " +
                                              quoted(text(index->get_schema())) + " AND TABLE_NAME = " +
                                              quoted(text(index->get_entity())) + " AND INDEX_NAME = " +
                                              quoted(text(index->get_name())) + " ORDER BY SEQ_IN_INDEX ASC;");
    if (!TARVELIN_REQUIRE(row_count(*result) >= 1, "rows >= 1")) return;
    index->set_kind(index_kind(cell(*result, 1, 0), cell(*result, 2, 0), text(index->get_kind())).c_str());
    index->set_method(cell(*result, 2, 0).c_str());
    index->set_comment(cell(*result, 3, 0).c_str());
    for (int r = 0; r < row_count(*result); ++r) index->append(cell(*result, 5, r).c_str());
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
    if (read_routine(require(this->connection()), *function)) mark_filled(*function);
}

void MariaDBAdapter::fill_meta_event(MetaEvent* event) {
    if (!TARVELIN_GIVEN(event)) return;
    read_event(require(this->connection()), *event, true);
}

// ---------------------------------------------------------------- accounts

void MariaDBAdapter::fill_meta_user(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    if (is_filled(*user)) return;
    auto connection = require(this->connection());
    auto statement = statement_of(connection);
    auto detail = query_model(connection, account_text(statement, AccountText::user_detail, *user));
    if (row_count(*detail) > 0) set_user_detail(*user, *detail, true);
    load_relation(user);
    read_privileges(connection, account_text(statement, AccountText::rights, *user), user->get_privileges());
    mark_filled(*user);
}

void MariaDBAdapter::fill_meta_role(MetaRole* role) {
    if (!TARVELIN_GIVEN(role)) return;
    if (is_filled(*role)) return;
    auto connection = require(this->connection());
    auto statement = statement_of(connection);
    auto detail = query_model(connection, account_text(statement, AccountText::role_detail, *role));
    if (row_count(*detail) > 0) tlog_warning("Row count: %u", static_cast<unsigned>(row_count(*detail)));
    std::string name = text(role->get_name());
    read_roles_mapping(connection, "Role = " + quoted(name.substr(0, name.find('@'))), role->get_relations());
    read_privileges(connection, account_text(statement, AccountText::role_rights, *role), role->get_privileges());
    mark_filled(*role);
}

void MariaDBAdapter::load_relation(MetaUser* user) {
    if (!TARVELIN_GIVEN(user)) return;
    // A name without "@" is the account of any host, "%".
    Account account = split_account(text(user->get_name()));
    read_roles_mapping(require(this->connection()),
                       "USER = " + quoted(account.user) + " AND HOST = " + quoted(account.host), user->get_relations());
}

// ---------------------------------------------------------------- by kind

void MariaDBAdapter::fill_meta_object(MetaObject* meta_object, bool deep) {
    if (!TARVELIN_GIVEN(meta_object)) return;
    fill_by_kind(*this, *meta_object, deep, false);
}

}  // namespace tarvelin::rezezadovu::supports::database
