// The SQL Server texts of the statement contract: connection text, listings, object
// source and structure, content pages, accounts and rights, rename, drop and empty,
// routine calls, transaction verbs and identifier quoting. Builds text only; the texts do
// not depend on the server version.
//
// Quoting: quoted() is the one way a name goes into SQL Server text and literal() the one
// way a text does; quote_identifier and pack_value, and every builder, reader and
// browse list of the dialect, go through them. SQL fragments the caller passes
// (columns, where, order, parameters, rights) go in as given.
//
// Thread-safe: a statement holds nothing but its (weak) connection link.
#pragma once

#include <tarvelin/rezezadovu/sqlserver.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "rezezadovu/supports/database/statement.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SQLServerStatement : public Statement {
public:
    static GType gtype();
    static gobj::Ref<SQLServerStatement> create(GType type, CConnection* connection);

    // ---- quoting
    // "[name]" with each "]" inside doubled.
    static std::string quoted(std::string_view name);
    // "'text'" with each "'" inside doubled; N before it makes the Unicode literal.
    static std::string literal(std::string_view text);
    // `query` with each "%s" replaced by the next argument: "'%s'" by the argument as a
    // literal, "[%s]" as a quoted name, a bare "%s" as given (SQL).
    static std::string fill(std::string_view query, std::initializer_list<std::string_view> args);

    Text build_connection_string(Server* server) override;
    Text show_databases(gint* name_column) override;
    Text change_database(const char* database) override;
    Text show_tables(const char* database, const char* object_schema, gint* name_column) override;
    Text show_views(const char* database, const char* object_schema, gint* name_column) override;
    // No query: an empty text and -1 as the name column.
    Text show_table_spaces(const char* database, gint* name_column) override;
    Text show_table_schemas(const char* database, gint* name_column) override;
    Text show_indexes(const char* database, const char* user_schema, gint* name_column) override;
    Text show_triggers(const char* database, const char* user_schema, gint* name_column) override;
    Text show_functions(const char* database, const char* object_schema, gint* name_column) override;
    Text show_procedures(const char* database, const char* object_schema, gint* name_column) override;
    Text call_function(const char* database, const char* user_schema, const char* function,
                       const char* parameters) override;
    Text call_procedure(const char* database, const char* user_schema, const char* procedure,
                        const char* parameters) override;
    // Table, index, trigger and view sources; an empty text for every other kind. The index
    // query's three comparisons (schema, table, index) take database, user_schema and name.
    Text show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                     gint* name_column) override;
    Text show_structure(const char* database, const char* schema, const char* table, gint* name_column) override;
    // Paging only together with an ordering, which OFFSET needs.
    Text show_content(const char* database, const char* object_schema, const char* table, const char* columns,
                      const char* where, const char* order, gint64 offset, gint count) override;
    Text show_users(const char* database, const char* user_schema, gint* name_column) override;
    Text show_roles(const char* database, const char* user_schema, gint* name_column) override;
    Text show_user_detail(const char* database, const char* user_schema, const char* username) override;
    Text show_role_detail(const char* database, const char* user_schema, const char* rolename) override;
    Text show_user_rights(const char* database, const char* user_schema, const char* username) override;
    Text show_role_rights(const char* database, const char* user_schema, const char* rolename) override;
    Text grant_user_rights(const char* database, const char* user_schema, const char* username, const char* object,
                           const char* rights) override;
    Text revoke_user_rights(const char* database, const char* user_schema, const char* username, const char* object,
                            const char* rights) override;
    Text grant_role_rights(const char* database, const char* user_schema, const char* rolename, const char* object,
                           const char* rights) override;
    Text revoke_role_rights(const char* database, const char* user_schema, const char* rolename, const char* object,
                            const char* rights) override;
    Text show_privileges(gint* name_column, gint* context_column) override;
    Text show_effected(const char* database, const char* object_schema, const char* table,
                       const char* where) override;
    Text show_relations(const char* database, const char* object_schema, const char* table) override;
    Text rename_object(DBObject type, const char* database, const char* object_schema, const char* old_name,
                       const char* new_name) override;
    Text drop_object(DBObject type, const char* database, const char* object_schema, const char* object_name,
                     const char* object_target) override;
    Text empty_table(const char* database, const char* object_schema, const char* table) override;
    Text transaction(const char* name) override;
    Text rollback(const char* name) override;
    Text commit(const char* name) override;
    // Texts as N'...' (a plain literal loses what the code page lacks); binary values as
    // 0x and their hex digits when they are an even number of hex digits, otherwise quoted;
    // every other kind as the base writes it.
    Text pack_value(DataType type, const char* value) override;
    // "[schema].[identifier]", or "[identifier]" without a schema; "[]" for an empty
    // identifier whatever the schema.
    Text quote_identifier(const char* identifier, const char* schema) override;

    // The server refuses values for an identity column unless the session allows them for
    // that table: allowed while a table whose copied columns count by themselves fills.
    CopySession copy_session(const CopyTarget& target) override;
    // A new column only ever goes last.
    bool places_columns() const override { return false; }

private:
    Text grant_rights(const char* who, const char* object, const char* rights, const char* scope);
    Text revoke_rights(const char* who, const char* object, const char* rights, const char* scope);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSQLServerStatement,
                     tarvelin::rezezadovu::supports::database::SQLServerStatement)
