// The SQL Server catalogue reader (IAdaptable): fills databases, schemas, tables with
// their columns, keys, indexes, triggers, constraints and options, views, single indexes
// and triggers, routines, users, logins, roles, synonyms and events in place.
//
// The rules every fill follows:
// - Names go into the catalogue queries through the statement's quoting (a ' doubled
//   inside '...' and N'...'); no query names a database, so each reads the database the
//   connection currently uses.
// - A completed fill marks the object with the object data "FILLED"; a marked object is
//   not filled again until reset, except that a deep database or schema fill still
//   descends into the children. A table filled shallow (columns and primary key) is
//   marked too, so a later deep fill of it does nothing.
// - A failing query is passed on at once: the object stays unmarked and keeps what the
//   fill had added so far. An object the catalogue does not know logs a critical and
//   stays unmarked, without an error.
// - Children are appended without looking for existing ones (schemas excepted, found by
//   name): a fill is meant for a fresh or reset object.
//
// Single thread per call: fills run synchronously on the caller's thread through the
// connection's execution; the adapter keeps no state between calls.
#pragma once

#include <tarvelin/rezezadovu/sqlserver.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_classify.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/adapter.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLServerAdapter : public Adapter {
public:
    using TableModel = providers::contracts::TableModel;
    using MetaObject = meta_model::MetaObject;
    using MetaDatabase = meta_model::MetaDatabase;
    using MetaSchema = meta_model::MetaSchema;
    using MetaTable = meta_model::MetaTable;
    using MetaView = meta_model::MetaView;
    using MetaIndex = meta_model::MetaIndex;
    using MetaTrigger = meta_model::MetaTrigger;
    using MetaFunction = meta_model::MetaFunction;
    using MetaUser = meta_model::MetaUser;
    using MetaRole = meta_model::MetaRole;
    using MetaEvent = meta_model::MetaEvent;
    using MetaSynonym = meta_model::MetaSynonym;

    static GType gtype();
    static gobj::Ref<SQLServerAdapter> create(GType type, CConnection* connection);

    // Attributes of the database, then its schemas (found or created by name); deep: each
    // schema deep as well.
    void fill_meta_database(MetaDatabase* database, bool deep) override;
    // Owner, character set and comment, then its tables (user, internal and system
    // tables), views, functions, procedures and events; deep: tables (deep), views and
    // functions, not procedures or events.
    void fill_meta_schema(MetaSchema* schema, bool deep) override;
    // Columns and primary key; deep: also indexes, triggers, checks, foreign keys, unique
    // constraints, options and the table's comment, in that order.
    void fill_meta_table(MetaTable* table, bool deep) override;
    // Definition (the SELECT after the header), the options of its WITH clause and
    // "WITH CHECK OPTION" as attributes "true", its object id and comment.
    void fill_meta_view(MetaView* view) override;
    // The index of its table (entity) and name: kind and clustering as the table fill
    // gives them, the type description as method, "UNIQUE", "FILL FACTOR", "ENABLE",
    // comment and key columns.
    void fill_meta_index(MetaIndex* index) override;
    // The trigger of its schema and name: target table, one event, body and comment.
    void fill_meta_trigger(MetaTrigger* trigger) override;
    // Function or procedure, module options, executor, assembly binding, comment, body,
    // parameters (the list is emptied first) and return type.
    void fill_meta_function(MetaFunction* function) override;
    // A database user: authentication, defaults, mapped login, certificate or key, owned
    // schemas, roles, and permissions on the database and on objects.
    void fill_meta_user(MetaUser* meta_user) override;
    // The trigger events of a schema's event entry: kind (its events), body, state and
    // comment.
    void fill_meta_event(MetaEvent* event) override;
    // Fills the object by its kind (a login for a user whose scope is "server", a role by
    // its scope); the deep flag reaches database, schema and table fills only.
    void fill_meta_object(MetaObject* meta_object, bool deep) override;

    // The database roles of a user as relations "role=user" = "false"; no mark.
    virtual void load_relation(MetaUser* user);
    // Each adds one family of members to the table and gives it back; none on failure.
    virtual gobj::Ref<MetaTable> fill_schema_table_trigger(MetaTable* table);
    virtual gobj::Ref<MetaTable> fill_schema_table_check(MetaTable* table);
    virtual gobj::Ref<MetaTable> fill_schema_table_unique(MetaTable* table);
    // Lock escalation, change tracking, identity value, comment, storage places and
    // partition compression.
    gobj::Ref<MetaTable> fill_schema_table_options(MetaTable* table);

    // The text after the AS that ends a trigger's, routine's or view's header: the first
    // whole-word AS outside brackets, quotes, comments and parentheses that is neither the
    // AS of EXECUTE AS nor the AS of a parameter's "@name AS type"; stripped. Without such
    // an AS, the whole definition, stripped.
    static std::string body_after_header(std::string_view definition);

protected:
    // Runs `query` with its "%s" filled (SQLServerStatement::fill); its rows by name.
    dialect::CatalogRows run(std::string_view query, std::initializer_list<std::string_view> args);
    // A routine from `detail_query` (the plain servers' or the older servers' form, which
    // lacks the native-compilation column).
    void fill_routine(MetaFunction& function, const char* detail_query);
    // A table's triggers from `query`; a trigger the query gives once per event is
    // listed once.
    gobj::Ref<MetaTable> fill_triggers(MetaTable& table, const char* query);

private:
    void fill_schema_table_columns(MetaTable& table);
    void fill_schema_table_index(MetaTable& table);
    void fill_schema_table_foreign(MetaTable& table);
    void fill_meta_login(MetaUser* meta_user);
    void fill_meta_synonym(MetaSynonym* synonym);
    void fill_role_server(MetaRole* role);
    void fill_role_database(MetaRole* role, bool application);
    // Members of the role and the roles it belongs to, from one membership view.
    void fill_role_relations(MetaRole& role, const char* query);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerAdapter,
                     tarvelin::rezezadovu::supports::database::SQLServerAdapter)
