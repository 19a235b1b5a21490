// The PostgreSQL DDL builder: table creation and alteration scripts (columns, primary
// key, constraints, options, comments, and the table's indexes, triggers and rules),
// schema, database, view, index, trigger, routine, role and user texts, the drop texts,
// the patch chosen by an object's change state, and the call text of a routine.
//
// Names are written through the statement's quoted (double quotes doubled) and qualified
// with their schema; comments, passwords, versions and dates through its literal (single
// quotes doubled). Column lists kept as names (key, unique, INCLUDE and UPDATE OF
// columns) are written one quoted name each, and so is every index key that names a
// column. Types, expressions, defaults and bodies are SQL and are written as stored.
//
// Apart from the collation names, which each table script asks the server for once
// (through the inspector's first COLLATION choice), the builder only makes text; it
// changes nothing it is given except the table order of a schema it scripts.
//
// Callers serialise: build_schema reorders the schema's table list without a lock.
#pragma once

#include <tarvelin/rezezadovu/postgresql.h>

#include <set>
#include <string>
#include <vector>

#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT PostgreSQLBuilder : public SqlBuilder {
public:
    using Text = contracts::database::Text;
    using MetaObject = meta_model::MetaObject;
    using MetaDatabase = meta_model::MetaDatabase;
    using MetaSchema = meta_model::MetaSchema;
    using MetaTable = meta_model::MetaTable;
    using MetaColumn = meta_model::MetaColumn;
    using MetaView = meta_model::MetaView;
    using MetaIndex = meta_model::MetaIndex;
    using MetaTrigger = meta_model::MetaTrigger;
    using MetaFunction = meta_model::MetaFunction;
    using MetaUser = meta_model::MetaUser;
    using MetaRole = meta_model::MetaRole;
    using Collations = std::vector<std::string>;

    static GType gtype();
    static gobj::Ref<PostgreSQLBuilder> create(GType type, CConnection* connection);

    // By kind: a database, schema, table, view (a materialized one too), index, trigger,
    // function, role or user; empty for any other kind (procedures included).
    Text build_create(MetaObject* meta_object, bool raw_types) override;
    // DROP ... IF EXISTS of a database, event, function, procedure, index, schema,
    // table, trigger, user, view or materialized view; empty for other kinds.
    Text build_delete(MetaObject* meta_object) override;
    // By the object's change state: INSERT creates, DELETE drops; UPDATE alters a
    // table, replaces a view, and drops and creates an event, function or materialized
    // view. Roles and users get their creation text whatever their state.
    Text build_patch(MetaObject* meta_object, bool raw_types) override;

    // Option, owner, tablespace, comment and extension changes; what PostgreSQL cannot
    // change on a database (encoding, locales, template) becomes "-- " comment lines.
    Text alter_database(MetaDatabase* database_old, MetaDatabase* database_new) override;
    // CREATE DATABASE (to run on its own, before connecting to the database), its
    // comment and extensions, then the scripts of its schemas.
    Text create_database(MetaDatabase* database, bool raw_types) override;
    Text alter_schema(meta_model::MetaSchema* schema_old, meta_model::MetaSchema* schema_new) override;
    // The schema, its tables in foreign-key order (without their triggers and rules),
    // views and functions, then the tables' triggers and rules, which may call the
    // functions and name any table.
    Text build_schema(MetaSchema* schema, bool raw_types) override;
    Text build_table(MetaTable* table, bool raw_types) override;
    Text build_view(MetaView* view) override;
    Text build_index(MetaIndex* index) override;
    Text build_trigger(MetaTrigger* trigger) override;
    Text build_function(MetaFunction* function) override;
    Text build_user(MetaUser* user) override;
    Text build_role(MetaRole* role) override;
    Text build_caller(MetaFunction* function) override;
    // RENAME COLUMN statements, then one ALTER TABLE for the column, constraint and
    // option changes, the comments, and the index, trigger and rule changes.
    Text patch_table(MetaTable* table) override;
    // The view script opened with CREATE OR REPLACE.
    Text patch_view(MetaView* view) override;

    // The server's collation names (the first column of the inspector's first COLLATION
    // choice, run as a query); a failing query is logged and gives none.
    Collations load_collations();

private:
    // The CREATE TABLE statement with its owner and comments, without the table's
    // indexes, triggers and rules.
    // The enum and domain types its columns use come first, each once: `made` holds the
    // types a script wrote already.
    std::string build_table_statement(MetaTable& table, bool raw_types, std::set<std::string>& made);
    std::string build_table_columns(MetaTable& table, bool raw_types, const Collations& collations);
    std::string build_column_body(MetaColumn& column, const Collations& collations);
    std::string build_table_checks(MetaTable& table, bool alter);
    std::string build_table_uniques(MetaTable& table, bool alter);
    std::string build_table_excludes(MetaTable& table, bool alter);
    std::string build_table_foreigns(MetaTable& table, bool alter);
    std::string build_table_options(MetaTable& table, bool alter);
    std::string build_comment_for_columns(MetaTable& table, bool alter);
    std::string build_comment_for_constraints(MetaTable& table, bool alter);
    std::string build_patch_columns(MetaTable& table, const Collations& collations);
    std::string build_constraint_drop_sql(MetaTable& table);
    // Creation scripts make every child not marked DELETE; alteration scripts the
    // INITIAL, INSERT and UPDATE ones. Both drop the DELETE and UPDATE ones first.
    std::string build_table_indexes(MetaTable& table, bool alter);
    // `columns`: the names of the index's table, when known, by which its keys that name
    // a column are told from expressions.
    std::string build_index_body(MetaIndex& index, const std::string& schema, const std::string& table_name,
                                 const std::vector<std::string>& columns);
    std::string build_table_triggers(MetaTable& table, bool alter);
    std::string build_table_rules(MetaTable& table, bool alter);
    std::string build_view_script(MetaView& view, bool replace);
    std::string build_account(MetaObject& account, const char* password, GeeMap* relations);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLBuilder,
                     tarvelin::rezezadovu::supports::database::PostgreSQLBuilder)
