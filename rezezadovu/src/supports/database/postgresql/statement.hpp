// PostgreSQL statement texts: the connection text, listings, sources, row pages, counts,
// renames, drops, grants, routine calls and explains, and the dialect's one way of
// writing a name (quoted) and a text (literal) into SQL, which its builder, readers and
// explorer use too. Arguments that are SQL by contract (columns, where, order, rights,
// object, parameters, statement) are written as given.
//
// Thread-safe: builds texts only; holds nothing but its (weak) connection link.
#pragma once

#include <tarvelin/rezezadovu/postgresql.h>

#include <string>
#include <string_view>

#include "rezezadovu/supports/database/statement.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT PostgreSQLStatement : public Statement {
public:
    static GType gtype();
    static gobj::Ref<PostgreSQLStatement> create(GType type, CConnection* connection);

    // A name between double quotes, each double quote inside doubled: "ta""b l'e".
    static std::string quoted(std::string_view name);
    // "schema"."name".
    static std::string qualified(std::string_view schema, std::string_view name);
    // A text between single quotes, each single quote inside doubled ('it''s'); the
    // server's standard strings take a backslash as it is.
    static std::string literal(std::string_view text);
    // A name as the server prints one in definitions: bare when it is a plain lower-case
    // identifier (as the server folds it) and no key word the server reserves anywhere
    // (order, user, int, ...), quoted otherwise; "pg_catalog.default" but
    // pg_catalog."C" for a schema and a name.
    static std::string printed(std::string_view name);
    static std::string printed(std::string_view schema, std::string_view name);

    Text build_connection_string(Server* server) override;
    Text show_databases(gint* name_column) override;
    Text change_database(const char* database) override;
    Text show_tables(const char* database, const char* user_schema, gint* name_column) override;
    Text show_views(const char* database, const char* user_schema, gint* name_column) override;
    Text show_table_spaces(const char* database, gint* name_column) override;
    Text show_table_schemas(const char* database, gint* name_column) override;
    Text show_checks(const char* database, const char* user_schema, gint* name_column) override;
    Text show_excludes(const char* database, const char* user_schema, gint* name_column) override;
    Text show_foreigns(const char* database, const char* user_schema, gint* name_column) override;
    Text show_rules(const char* database, const char* user_schema, gint* name_column) override;
    Text show_uniques(const char* database, const char* user_schema, gint* name_column) override;
    Text show_indexes(const char* database, const char* user_schema, gint* name_column) override;
    Text show_triggers(const char* database, const char* user_schema, gint* name_column) override;
    Text show_functions(const char* database, const char* user_schema, gint* name_column) override;
    Text show_procedures(const char* database, const char* user_schema, gint* name_column) override;
    Text call_function(const char* database, const char* user_schema, const char* function,
                       const char* parameters) override;
    Text call_procedure(const char* database, const char* user_schema, const char* procedure,
                        const char* parameters) override;
    Text show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                     gint* source_column) override;
    Text show_structure(const char* database, const char* user_schema, const char* table, gint* name_column) override;
    Text show_content(const char* database, const char* user_schema, const char* table, const char* columns,
                      const char* where, const char* order, gint64 offset, gint limit) override;
    Text show_users(const char* database, const char* user_schema, gint* name_column) override;
    Text show_roles(const char* database, const char* user_schema, gint* name_column) override;
    Text show_user_detail(const char* database, const char* user_schema, const char* username) override;
    Text show_role_detail(const char* database, const char* user_schema, const char* rolename) override;
    // WITH GRANT OPTION only when the rights list holds the item GRANT OPTION, which is
    // taken out of the list.
    Text grant_user_rights(const char* database, const char* user_schema, const char* username, const char* object,
                           const char* rights) override;
    Text revoke_user_rights(const char* database, const char* user_schema, const char* username, const char* object,
                            const char* rights) override;
    Text show_privileges(gint* name_column, gint* context_column) override;
    Text flush_privileges() override;
    Text show_effected(const char* database, const char* user_schema, const char* table, const char* where) override;
    Text show_relations(const char* database, const char* user_schema, const char* table) override;
    Text rename_object(DBObject type, const char* database, const char* user_schema, const char* old_name,
                       const char* new_name) override;
    Text drop_object(DBObject type, const char* database, const char* object_schema, const char* object_name,
                     const char* object_target) override;
    Text empty_table(const char* database, const char* user_schema, const char* table) override;
    // Bytes as a bytea literal '\x..'::bytea: X'..' is a bit string here; texts through
    // literal.
    Text pack_value(DataType type, const char* value) override;
    // quoted (and qualified with a non-empty schema).
    Text quote_identifier(const char* identifier, const char* schema) override;
    Text build_explain(const char* statement, const char* format) override;
    Text build_analyze(const char* statement, const char* format) override;

    // Values for a GENERATED ALWAYS identity are refused unless the INSERT says to take them.
    std::string copy_insert_clause(const CopyTarget& target) override;
    // Sequences do not see the values a copy writes: each one a copied column draws on
    // (from its default or as its identity) is moved past them, forwards only.
    std::vector<std::string> after_copy(const CopyTarget& target) override;
    // A new column only ever goes last.
    bool places_columns() const override { return false; }
    // A multi-row INSERT fails whole.
    int copy_rows_per_insert(const CopyTarget& target) override;
    bool copy_in_transaction(const CopyTarget&) override { return true; }
    // Rows through COPY (the provider's copy_in) where COPY stores what the INSERTs would:
    // every value NULL, a text (read by the column's input either way), bytes into bytea,
    // a number into a number column or a truth word into a boolean one; no identity
    // column that only the INSERT's clause may set; no rewrite rule on the table (COPY
    // does not see rules). Anything else: -1, for an INSERT.
    gint64 copy_rows(const CopyTarget& target, const std::vector<std::string>& columns,
                     const std::vector<std::vector<std::string>>& rows, const std::string& clause) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLStatement,
                     tarvelin::rezezadovu::supports::database::PostgreSQLStatement)
