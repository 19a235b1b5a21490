// The statement operations the MySQL family (MySQLStatement, MariaDBStatement) shares,
// over the texts of statement_texts.hpp: the connection text for the driver, listings
// over information_schema and SHOW statements, sources, content pages, account detail
// and rights, grants, renames, drops and explains. Each override tests its arguments in
// order, then writes its out columns, then its text.
//
// A C++ base only: each product registers its own class (parent Statement) over it, and
// overrides what its server answers differently.
//
// String literals double the backslash as well as the quote (pack_value too): MySQL
// reads a backslash in a string as an escape unless NO_BACKSLASH_ESCAPES is set.
//
// Runs nothing. Thread-safe: holds only its (weak) connection link.
#pragma once

#include "rezezadovu/supports/database/statement.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLFamilyStatement : public Statement {
public:
    Text build_connection_string(Server* server) override;
    Text show_databases(gint* name_column) override;
    Text change_database(const char* database) override;
    Text show_tables(const char* database, const char* user_schema, gint* name_column) override;
    Text show_views(const char* database, const char* user_schema, gint* name_column) override;
    Text show_table_spaces(const char* database, gint* name_column) override;
    Text show_table_schemas(const char* database, gint* name_column) override;
    Text show_checks(const char* database, const char* user_schema, gint* name_column) override;
    Text show_foreigns(const char* database, const char* user_schema, gint* name_column) override;
    Text show_uniques(const char* database, const char* user_schema, gint* name_column) override;
    Text show_indexes(const char* database, const char* user_schema, gint* name_column) override;
    Text show_triggers(const char* database, const char* user_schema, gint* name_column) override;
    Text show_functions(const char* database, const char* user_schema, gint* name_column) override;
    Text show_procedures(const char* database, const char* user_schema, gint* name_column) override;
    Text call_function(const char* database, const char* user_schema, const char* function,
                       const char* parameters) override;
    Text call_procedure(const char* database, const char* user_schema, const char* procedure,
                        const char* parameters) override;
    // A user's source is "SHOW CREATE USER `user`@`host`;" in column 0.
    Text show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                     gint* source_column) override;
    Text show_structure(const char* database, const char* user_schema, const char* table, gint* name_column) override;
    Text show_content(const char* database, const char* user_schema, const char* table, const char* columns,
                      const char* where, const char* order, gint64 offset, gint limit) override;
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
    Text show_privileges(gint* name_column, gint* context_column) override;
    Text flush_privileges() override;
    Text show_effected(const char* database, const char* user_schema, const char* table, const char* where) override;
    Text show_relations(const char* database, const char* user_schema, const char* table) override;
    Text rename_object(DBObject type, const char* database, const char* user_schema, const char* old_name,
                       const char* new_name) override;
    Text drop_object(DBObject type, const char* database, const char* user_schema, const char* object_name,
                     const char* object_target) override;
    Text empty_table(const char* database, const char* user_schema, const char* table) override;
    Text build_explain(const char* statement, const char* format) override;
    Text build_analyze(const char* statement, const char* format) override;
    Text quote_identifier(const char* identifier, const char* schema) override;
    Text pack_value(DataType type, const char* value) override;

    // A copied key of 0 stays 0 (the server would count it anew): while a table with a
    // counting column fills, the session's mode holds NO_AUTO_VALUE_ON_ZERO, and then the
    // mode it had again.
    CopySession copy_session(const CopyTarget& target) override;

protected:
    // A listing's text after its argument test passed: the names' column, then the text.
    static Text listing(gint* name_column, gint column, std::string text);
};

}  // namespace tarvelin::rezezadovu::supports::database
