// The SQL Server DDL builder (IBuildable through SqlBuilder): Transact-SQL that creates,
// alters and drops databases, schemas, tables with their columns, keys, constraints,
// indexes, storage and triggers, views, functions, procedures, synonyms, logins, users
// and roles, with object descriptions kept as the extended property 'MS_Description'.
// It never runs what it writes; its one query is the collation list, read through the
// connection while a table is written or patched.
//
// The rules every text follows:
// - Names go in through SQLServerStatement::quoted (square brackets, "]" doubled); texts
//   (descriptions, passwords, names handed to the sp_* procedures, EXECUTE AS users)
//   through SQLServerStatement::literal (single quotes, "'" doubled). Every entry of an
//   index, its INCLUDE list, a unique constraint or a foreign key is a column name, quoted,
//   with its ASC or DESC after it. SQL the catalogue holds (checks, defaults, bodies,
//   definitions, index filters and options, the synonym target) goes in as stored.
// - A statement that must begin a batch (CREATE or ALTER of a view, routine or trigger)
//   is set apart by a line "GO" wherever the builder joins it with other statements, so
//   a host that runs a script batch by batch, split at those lines, runs it as written.
// - A flag attribute counts as set only when it is exactly "true" ("ENCRYPTION" of a
//   routine also when it is "1"); a missing key counts as not set.
// - patch_table reads the change maps of the table and its members and empties them, so
//   a second call on the same table writes nothing new.
//
// Callers serialise: a builder keeps nothing between calls, but build_schema reorders the
// schema's table list and patch_table empties change maps, in place and without a lock.
#pragma once

#include <tarvelin/rezezadovu/sqlserver.h>

#include <string>
#include <string_view>
#include <vector>

#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_classify.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLServerBuilder : public SqlBuilder {
public:
    using MetaObject = meta_model::MetaObject;
    using MetaDatabase = meta_model::MetaDatabase;
    using MetaSchema = meta_model::MetaSchema;
    using MetaTable = meta_model::MetaTable;
    using MetaColumn = meta_model::MetaColumn;
    using MetaIndex = meta_model::MetaIndex;
    using MetaTrigger = meta_model::MetaTrigger;
    using MetaView = meta_model::MetaView;
    using MetaFunction = meta_model::MetaFunction;
    using MetaUser = meta_model::MetaUser;
    using MetaRole = meta_model::MetaRole;
    using MetaSynonym = meta_model::MetaSynonym;

    static GType gtype();
    static gobj::Ref<SQLServerBuilder> create(GType type, CConnection* connection);

    // By kind: database, schema and table with raw_types, event (empty), function, index,
    // role, synonym, trigger, user, view; every other kind, procedures included, empty.
    Text build_create(MetaObject* meta_object, bool raw_types) override;
    // One DROP statement by kind, ending ";" without a line feed; a login (scope "server")
    // gives DROP LOGIN. Other kinds: empty.
    Text build_delete(MetaObject* meta_object) override;
    // By kind only (the change state is the caller's business; raw_types is not read).
    Text build_patch(MetaObject* meta_object, bool raw_types) override;
    // CREATE DATABASE, then, when a schema writes anything, USE of the new database and
    // each schema's script as its own batch. Other dialects' database keys and the
    // comment are not written.
    Text create_database(MetaDatabase* database, bool raw_types) override;
    // The rename, or nothing.
    Text alter_database(MetaDatabase* database_old, MetaDatabase* database_new) override;
    // CREATE SCHEMA, its description, then its tables in foreign-key order (the schema's
    // list is reordered in place), views and functions.
    Text build_schema(MetaSchema* schema, bool raw_types) override;
    // The new owner ([dbo] when the new schema names none) and the description.
    Text alter_schema(MetaSchema* schema_old, MetaSchema* schema_new) override;
    // raw_types true writes each column's raw type, false the inspector's type for its
    // value type; the size clause follows the type written.
    Text build_table(MetaTable* table, bool raw_types) override;
    // Empty, with a warning, for an index without columns.
    Text build_index(MetaIndex* index) override;
    Text build_view(MetaView* view) override;
    Text patch_view(MetaView* view) override;
    Text build_trigger(MetaTrigger* trigger) override;
    Text build_function(MetaFunction* function) override;
    Text patch_function(MetaFunction* function) override;
    // A function: SELECT of its result with the parsed arguments; a procedure: its OUTPUT
    // variables declared, EXEC with the arguments, then SELECT of the outputs.
    Text build_caller(MetaFunction* function) override;
    // The login script for scope "server", the database-user script otherwise.
    Text build_user(MetaUser* user) override;
    // CREATE [SERVER | APPLICATION] ROLE, then its members (relations "role=member").
    Text build_role(MetaRole* role) override;
    // Drops first, then column changes, the new primary key, constraints, options, index
    // creations, triggers, and at the end descriptions and enable/disable states.
    Text patch_table(MetaTable* table) override;

    // The login patch for scope "server", the database-user patch otherwise.
    Text patch_user(MetaUser* user);
    Text patch_meta_user(MetaUser* user);
    Text patch_meta_login(MetaUser* user);

    // Permissions of a principal. "DATABASE" and "SERVER" are standard classes (the
    // privilege list privileges[class]); "OBJECT", "ENDPOINT" and "LOGIN" list securables
    // (privileges[class] names them, privileges[securable] is each one's list). An OBJECT
    // securable is "schema.object", "schema.object.column" or "schema." (the schema).
    Text build_standard_permission_sql(MetaUser* user, const char* securable_class);
    Text build_permission_sql(MetaUser* user, const char* securable_class, const char* fullname);
    Text build_dynamic_permission_sql(MetaUser* user, const char* securable_class);
    // The statements that turn the earlier lists (the slice map) into the current ones.
    Text patch_standard_permission_sql(MetaUser* user, const char* securable_class);
    Text patch_dynamic_permission_sql(MetaUser* user, const char* securable_class);

    // "PK__<table>__" and the upper-cased second half of the hexadecimal HMAC-SHA1 of
    // `compact_time` ("%Y%m%d%H%M%S") keyed with the table name: the name build_table
    // gives a primary key, in the second it is written.
    static std::string primary_key_name(std::string_view table, std::string_view compact_time);

private:
    std::vector<std::string> load_collations();
    std::string column_type(MetaColumn& column, bool raw_types);
    std::string build_column_body(MetaColumn& column, std::string_view written_type,
                                  const std::vector<std::string>& collations, bool with_values);
    std::string build_primary_key(MetaTable& table, bool alter);
    std::string build_table_checks(MetaTable& table, bool patch);
    std::string build_table_uniques(MetaTable& table, bool patch);
    std::string build_table_foreigns(MetaTable& table, bool patch);
    std::string build_table_options(MetaTable& table);
    std::string build_table_indexes(MetaTable& table, bool patch);
    std::string build_index_body(MetaIndex& index, const std::vector<std::string>& columns);
    std::string build_index_patch(MetaTable& table, MetaIndex& index);
    std::string build_table_triggers(MetaTable& table, bool patch);
    std::string build_table_trigger_body(MetaTable& table, MetaTrigger& trigger, bool alter);
    std::string build_comment_for_columns(MetaTable& table, bool patch);
    std::string build_comment_for_constraints(MetaTable& table, bool patch);
    std::string build_state_statements(MetaTable& table, bool patch);
    std::string build_constraint_drops(MetaTable& table, bool primary_key_changed);
    std::string build_patch_columns(MetaTable& table, const std::vector<std::string>& collations);
    std::string build_table_options_patch(MetaTable& table);
    std::string build_synonym(MetaSynonym& synonym);

    std::string build_meta_user(MetaUser& user);
    std::string build_meta_login(MetaUser& user);

    std::string build_function_script(MetaFunction& function, bool alter);
    std::string build_procedure_script(MetaFunction& function, bool alter);
    std::string build_view_script(MetaView& view, bool alter);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerBuilder,
                     tarvelin::rezezadovu::supports::database::SQLServerBuilder)
