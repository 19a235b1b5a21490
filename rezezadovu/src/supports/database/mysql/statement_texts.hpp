// The MySQL statement texts, as plain functions of their arguments: MySQLStatement
// writes them, and a dialect of the same family (MariaDB) writes the ones it shares
// from here. Arguments are the texts the caller gave, already tested for presence.
// Names go in backquoted, values quoted (sql_support.hpp); column lists, conditions,
// orders, rights, grant objects and parameter lists are the caller's SQL and go in as
// given.
//
// Thread-safe: stateless.
#pragma once

#include <string>
#include <string_view>

#include "providers/contracts/face_server.hpp"
#include "providers/contracts/vocabulary.hpp"

namespace tarvelin::rezezadovu::supports::database::mysql::texts {

using providers::contracts::DBObject;
using Server = providers::contracts::Server;
using sv = std::string_view;

std::string connection_string(const Server& server);

// Listings: their names are in column 0, except the routine listings (column 1).
std::string show_databases();
std::string show_tables(sv database);
std::string show_views(sv database);
std::string show_name_of(sv database);  // show_table_spaces and show_table_schemas
std::string show_constraints(sv database, sv constraint_type);  // "CHECK", "FOREIGN KEY", "UNIQUE"
std::string show_indexes(sv database);
std::string show_triggers(sv database);
std::string show_functions(sv database);
std::string show_procedures(sv database);
std::string show_structure(sv user_schema, sv table);
std::string show_users();
std::string show_roles();
std::string show_privileges();
std::string flush_privileges();

std::string change_database(sv database);
std::string call_function(sv user_schema, sv function, sv parameters);
std::string call_procedure(sv user_schema, sv procedure, sv parameters);

// The text that shows an object's source and the column that holds it; "" and 1 for a
// kind without one. A user's source is its CREATE USER text.
struct Source {
    std::string text;
    int column;
};
Source show_source(DBObject kind, sv user_schema, sv name);
// "SHOW CREATE <what> `user_schema`.`name`;"
std::string show_create(sv what, sv user_schema, sv name);

std::string show_content(sv user_schema, sv table, sv columns, sv where, sv order, gint64 offset, gint limit);
std::string show_effected(sv user_schema, sv table, sv where);
std::string show_relations(sv user_schema, sv table);
std::string empty_table(sv user_schema, sv table);
std::string rename_object(DBObject kind, sv old_name, sv new_name);
std::string drop_object(DBObject kind, sv user_schema, sv object_name, sv object_target);
std::string build_explain(sv statement, sv format);
std::string build_analyze(sv statement, sv format);
// "<head> <statement>;" or "<head> FORMAT=<format> <statement>;" (format empty or not).
std::string explained(sv head, sv statement, sv format);
std::string quote_identifier(sv identifier, sv schema);

// Accounts: "user@host", the host "%" when the name has none.
std::string show_user_detail(sv username);
std::string show_role_detail(sv rolename);
std::string show_user_rights(sv username);
std::string grant_user_rights(sv username, sv object, sv rights);
std::string revoke_user_rights(sv username, sv object, sv rights);
// The same to or from a grantee already written as SQL (an account, a role).
std::string grant_rights(sv grantee, sv object, sv rights);
std::string revoke_rights(sv grantee, sv object, sv rights);

}  // namespace tarvelin::rezezadovu::supports::database::mysql::texts
