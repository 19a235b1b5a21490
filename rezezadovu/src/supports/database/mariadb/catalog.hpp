// The catalogue queries only MariaDB answers: the family's shared ones are in
// mysql_family/catalog.hpp. Names go in quoted; readers read the results by column name.
//
// Thread-safe: stateless.
#pragma once

#include <string>
#include <string_view>

namespace tarvelin::rezezadovu::supports::database::mariadb {

// The table's CHECK constraints: CONSTRAINT_NAME, CHECK_CLAUSE. MariaDB names a check
// within its table, so they are read from CHECK_CONSTRAINTS by the table's own name.
std::string checks_query(std::string_view schema, std::string_view table);
// The checks of every table of the schema, each row naming its table (TABLE_NAME).
std::string schema_checks_query(std::string_view schema);
// One index from STATISTICS in key order.
std::string index_query(std::string_view schema, std::string_view table, std::string_view name);
// The role grants of mysql.roles_mapping that `where` selects: Role, username (the
// grantee as user@host), Admin_option.
std::string roles_mapping_query(std::string_view where);

// The explorer's listings of packages, sequences and roles.
std::string package_listing_query(std::string_view schema);
std::string sequence_listing_query(std::string_view schema);
std::string role_listing_query();

}  // namespace tarvelin::rezezadovu::supports::database::mariadb
