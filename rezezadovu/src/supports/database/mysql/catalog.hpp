// The catalogue queries only MySQL answers: the family's shared ones are in
// mysql_family/catalog.hpp. Names go in quoted; readers read the results by column name.
//
// Thread-safe: stateless.
#pragma once

#include <string>
#include <string_view>

namespace tarvelin::rezezadovu::supports::database::mysql {

// The table's CHECK constraints (8.x): CONSTRAINT_NAME, ENFORCED, CHECK_CLAUSE.
std::string checks_query(std::string_view schema, std::string_view table);
// The same for every table of the schema, each row naming its TABLE_NAME.
std::string schema_checks_query(std::string_view schema);
// One index from STATISTICS in key order, with its visibility and each part's
// EXPRESSION (8.x).
std::string index_query(std::string_view schema, std::string_view table, std::string_view name);
// The role edges of an account in both directions: user_from, user_to, WITH_ADMIN_OPTION.
std::string role_edges_query(std::string_view user, std::string_view host);

// The explorer's listings of roles (locked accounts without a password) and tablespaces
// whose name contains the schema's (5.x: INNODB_SYS_TABLESPACES; others add the general
// tablespaces).
std::string role_listing_query();
std::string tablespace_listing_query(std::string_view schema, bool v5x);

}  // namespace tarvelin::rezezadovu::supports::database::mysql
