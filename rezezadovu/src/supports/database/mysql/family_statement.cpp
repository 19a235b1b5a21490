#include "rezezadovu/supports/database/mysql/family_statement.hpp"

#include "providers/gobj/precondition.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/mysql/statement_texts.hpp"

TARVELIN_LOG_TAG("mysql_family_statement")

namespace tarvelin::rezezadovu::supports::database {

namespace texts = mysql::texts;
using Text = MySQLFamilyStatement::Text;

Text MySQLFamilyStatement::listing(gint* name_column, gint column, std::string text) {
    if (name_column) *name_column = column;
    return text;
}

Text MySQLFamilyStatement::build_connection_string(Server* server) {
    if (!TARVELIN_GIVEN(server)) return {};
    return texts::connection_string(*server);
}

// ---------------------------------------------------------------- listings

Text MySQLFamilyStatement::show_databases(gint* name_column) { return listing(name_column, 0, texts::show_databases()); }
Text MySQLFamilyStatement::show_tables(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_tables(database));
}
Text MySQLFamilyStatement::show_views(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_views(database));
}
Text MySQLFamilyStatement::show_table_spaces(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing(name_column, 0, texts::show_name_of(database));
}
Text MySQLFamilyStatement::show_table_schemas(const char* database, gint* name_column) {
    if (!TARVELIN_GIVEN(database)) return {};
    return listing(name_column, 0, texts::show_name_of(database));
}
Text MySQLFamilyStatement::show_checks(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_constraints(database, "CHECK"));
}
Text MySQLFamilyStatement::show_foreigns(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_constraints(database, "FOREIGN KEY"));
}
Text MySQLFamilyStatement::show_uniques(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_constraints(database, "UNIQUE"));
}
Text MySQLFamilyStatement::show_indexes(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_indexes(database));
}
Text MySQLFamilyStatement::show_triggers(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_triggers(database));
}
Text MySQLFamilyStatement::show_functions(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 1, texts::show_functions(database));
}
Text MySQLFamilyStatement::show_procedures(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 1, texts::show_procedures(database));
}
Text MySQLFamilyStatement::show_structure(const char* database, const char* user_schema, const char* table,
                                    gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return listing(name_column, 0, texts::show_structure(user_schema, table));
}
Text MySQLFamilyStatement::show_users(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_users());
}
Text MySQLFamilyStatement::show_roles(const char* database, const char* user_schema, gint* name_column) {
    if (!TARVELIN_GIVEN(database, user_schema)) return {};
    return listing(name_column, 0, texts::show_roles());
}
Text MySQLFamilyStatement::show_privileges(gint* name_column, gint* context_column) {
    if (context_column) *context_column = 1;
    return listing(name_column, 0, texts::show_privileges());
}
Text MySQLFamilyStatement::flush_privileges() { return texts::flush_privileges(); }

Text MySQLFamilyStatement::show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                                 gint* source_column) {
    if (!TARVELIN_GIVEN(database, user_schema, name)) return {};
    auto source = texts::show_source(type, user_schema, name);
    return listing(source_column, source.column, std::move(source.text));
}

// ---------------------------------------------------------------- object texts

Text MySQLFamilyStatement::change_database(const char* database) {
    if (!TARVELIN_GIVEN(database)) return {};
    return texts::change_database(database);
}
Text MySQLFamilyStatement::call_function(const char* database, const char* user_schema, const char* function,
                                   const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, function, parameters)) return {};
    return texts::call_function(user_schema, function, parameters);
}
Text MySQLFamilyStatement::call_procedure(const char* database, const char* user_schema, const char* procedure,
                                    const char* parameters) {
    if (!TARVELIN_GIVEN(database, user_schema, procedure, parameters)) return {};
    return texts::call_procedure(user_schema, procedure, parameters);
}
Text MySQLFamilyStatement::show_content(const char* database, const char* user_schema, const char* table,
                                  const char* columns, const char* where, const char* order, gint64 offset,
                                  gint limit) {
    if (!TARVELIN_GIVEN(database, user_schema, table, columns, where, order)) return {};
    return texts::show_content(user_schema, table, columns, where, order, offset, limit);
}
Text MySQLFamilyStatement::show_effected(const char* database, const char* user_schema, const char* table,
                                   const char* where) {
    if (!TARVELIN_GIVEN(database, user_schema, table, where)) return {};
    return texts::show_effected(user_schema, table, where);
}
Text MySQLFamilyStatement::show_relations(const char* database, const char* user_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return texts::show_relations(user_schema, table);
}
Text MySQLFamilyStatement::rename_object(DBObject type, const char* database, const char* user_schema,
                                   const char* old_name, const char* new_name) {
    if (!TARVELIN_GIVEN(database, user_schema, old_name, new_name)) return {};
    return texts::rename_object(type, old_name, new_name);
}
Text MySQLFamilyStatement::drop_object(DBObject type, const char* database, const char* user_schema,
                                 const char* object_name, const char* object_target) {
    if (!TARVELIN_GIVEN(database, user_schema, object_name, object_target)) return {};
    return texts::drop_object(type, user_schema, object_name, object_target);
}
Text MySQLFamilyStatement::empty_table(const char* database, const char* user_schema, const char* table) {
    if (!TARVELIN_GIVEN(database, user_schema, table)) return {};
    return texts::empty_table(user_schema, table);
}
Text MySQLFamilyStatement::build_explain(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    return texts::build_explain(statement, format);
}
Text MySQLFamilyStatement::build_analyze(const char* statement, const char* format) {
    if (!TARVELIN_GIVEN(statement, format)) return {};
    return texts::build_analyze(statement, format);
}
Text MySQLFamilyStatement::quote_identifier(const char* identifier, const char* schema) {
    if (!TARVELIN_GIVEN(identifier, schema)) return {};
    return texts::quote_identifier(identifier, schema);
}

Text MySQLFamilyStatement::pack_value(DataType type, const char* value) {
    if (!TARVELIN_GIVEN(value)) return {};
    std::string literal = helpers::DatabaseHelper::pack_value(type, value);
    // A quoted literal gets its backslashes doubled; bare numbers and X'..' hold none.
    if (literal.empty() || literal.front() != '\'') return literal;
    std::string out;
    for (char c : literal) {
        if (c == '\\') out += c;
        out += c;
    }
    return out;
}

// ---------------------------------------------------------------- accounts

Text MySQLFamilyStatement::show_user_detail(const char* database, const char* user_schema, const char* username) {
    if (!TARVELIN_GIVEN(database, user_schema, username)) return {};
    return texts::show_user_detail(username);
}
Text MySQLFamilyStatement::show_role_detail(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return texts::show_role_detail(rolename);
}
Text MySQLFamilyStatement::show_user_rights(const char* database, const char* user_schema, const char* username) {
    if (!TARVELIN_GIVEN(database, user_schema, username)) return {};
    return texts::show_user_rights(username);
}
Text MySQLFamilyStatement::show_role_rights(const char* database, const char* user_schema, const char* rolename) {
    if (!TARVELIN_GIVEN(database, user_schema, rolename)) return {};
    return texts::show_user_rights(rolename);
}
Text MySQLFamilyStatement::grant_user_rights(const char* database, const char* user_schema, const char* username,
                                       const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, username, object, rights)) return {};
    return texts::grant_user_rights(username, object, rights);
}
Text MySQLFamilyStatement::revoke_user_rights(const char* database, const char* user_schema, const char* username,
                                        const char* object, const char* rights) {
    if (!TARVELIN_GIVEN(database, user_schema, username, object, rights)) return {};
    return texts::revoke_user_rights(username, object, rights);
}

// ---------------------------------------------------------------- copy hooks

Statement::CopySession MySQLFamilyStatement::copy_session(const CopyTarget& target) {
    if (!target.any_source([](meta_model::MetaColumn& c) { return c.get_auto_increment(); })) return {};
    const std::string mode = dialect::text_of(dialect::query_scalar(connection(), "SELECT @@SESSION.sql_mode"));
    return {{"SET SESSION sql_mode = CONCAT_WS(',', NULLIF(@@SESSION.sql_mode, ''), 'NO_AUTO_VALUE_ON_ZERO')"},
            {"SET SESSION sql_mode = " + pack_value(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, mode.c_str()).value_or("")}};
}

}  // namespace tarvelin::rezezadovu::supports::database
