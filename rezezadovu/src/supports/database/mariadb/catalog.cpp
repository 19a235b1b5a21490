#include "rezezadovu/supports/database/mariadb/catalog.hpp"

#include "rezezadovu/supports/database/mariadb/statement.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mariadb_catalog")

namespace tarvelin::rezezadovu::supports::database::mariadb {

using S = std::string;
using sv = std::string_view;

S checks_query(sv schema, sv table) {
    return "SELECT CONSTRAINT_NAME, CHECK_CLAUSE FROM information_schema.CHECK_CONSTRAINTS WHERE CONSTRAINT_SCHEMA=" +
           MariaDBStatement::literal(schema) + " AND TABLE_NAME=" + MariaDBStatement::literal(table) + ";";
}

S schema_checks_query(sv schema) {
    return "SELECT TABLE_NAME, CONSTRAINT_NAME, CHECK_CLAUSE FROM information_schema.CHECK_CONSTRAINTS WHERE "
           "CONSTRAINT_SCHEMA=" + MariaDBStatement::literal(schema) + ";";
}

S index_query(sv schema, sv table, sv name) {
    return "SELECT TABLE_NAME, NON_UNIQUE, INDEX_TYPE, INDEX_COMMENT, SEQ_IN_INDEX, COLUMN_NAME, SUB_PART, COLLATION FROM "
           "`information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = " +
           MariaDBStatement::literal(schema) + " AND TABLE_NAME = " + MariaDBStatement::literal(table) +
           " AND INDEX_NAME = " + MariaDBStatement::literal(name) + " ORDER BY SEQ_IN_INDEX ASC;";
}

S roles_mapping_query(sv where) {
    return "SELECT Role, CONCAT(USER, '@', HOST) username, Admin_option FROM `mysql`.`roles_mapping` WHERE " +
           S(where) + ";";
}

S package_listing_query(sv schema) {
    return "SELECT ROUTINE_NAME, SECURITY_TYPE, DEFINER, CREATED, LAST_ALTERED, ROUTINE_COMMENT FROM "
           "information_schema.ROUTINES WHERE ROUTINE_SCHEMA = " +
           MariaDBStatement::literal(schema) + " AND ROUTINE_TYPE = 'PACKAGE' ORDER BY ROUTINE_NAME ASC;";
}

S sequence_listing_query(sv schema) {
    return "SELECT t.TABLE_NAME, t.ROW_FORMAT, t.CREATE_TIME, t.UPDATE_TIME, t.`ENGINE`, t.TABLE_COLLATION, "
           "t.TABLE_COMMENT FROM information_schema.`TABLES` AS t WHERE t.TABLE_SCHEMA = " +
           MariaDBStatement::literal(schema) + " AND t.TABLE_TYPE = 'SEQUENCE' ORDER BY t.TABLE_NAME ASC;";
}

S role_listing_query() {
    return "SELECT User, default_role FROM mysql.user WHERE BINARY is_role IN ('Y', 'y') ORDER BY User ASC;";
}

}  // namespace tarvelin::rezezadovu::supports::database::mariadb
