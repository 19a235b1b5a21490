#include "rezezadovu/supports/database/mysql/catalog.hpp"

#include "rezezadovu/supports/database/mysql/statement.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mysql_catalog")

namespace tarvelin::rezezadovu::supports::database::mysql {

using S = std::string;
using sv = std::string_view;

namespace {
// '%text%' ESCAPE '!' for LIKE: the text's own % and _ match only themselves. "!" escapes
// the wildcards: the backslash would mean another thing under NO_BACKSLASH_ESCAPES.
S like_containing(sv text) {
    S pattern;
    for (char c : text) {
        if (c == '%' || c == '_' || c == '!') pattern += '!';
        pattern += c;
    }
    return MySQLStatement::literal("%" + pattern + "%") + " ESCAPE '!'";
}
}  // namespace

namespace {
S checks_select(const S& table_column, const S& filter) {
    return "SELECT " + table_column +
           "cons.CONSTRAINT_NAME, cons.ENFORCED, chks.CHECK_CLAUSE FROM information_schema.CHECK_CONSTRAINTS AS "
           "chks INNER JOIN information_schema.TABLE_CONSTRAINTS AS cons ON "
           "cons.CONSTRAINT_CATALOG=chks.CONSTRAINT_CATALOG "
           "AND cons.CONSTRAINT_SCHEMA=chks.CONSTRAINT_SCHEMA AND cons.CONSTRAINT_NAME=chks.CONSTRAINT_NAME WHERE "
           "cons.CONSTRAINT_TYPE='CHECK' AND " + filter + ";";
}
}  // namespace

S checks_query(sv schema, sv table) {
    return checks_select("", "cons.TABLE_SCHEMA=" + MySQLStatement::literal(schema) +
                                 " AND cons.TABLE_NAME=" + MySQLStatement::literal(table));
}

S schema_checks_query(sv schema) {
    return checks_select("cons.TABLE_NAME, ", "cons.TABLE_SCHEMA=" + MySQLStatement::literal(schema));
}

S index_query(sv schema, sv table, sv name) {
    return "SELECT TABLE_NAME, NON_UNIQUE, INDEX_TYPE, IS_VISIBLE, INDEX_COMMENT, SEQ_IN_INDEX, COLUMN_NAME, SUB_PART, COLLATION, "
           "EXPRESSION FROM `information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = " +
           MySQLStatement::literal(schema) + " AND TABLE_NAME = " + MySQLStatement::literal(table) +
           " AND INDEX_NAME = " + MySQLStatement::literal(name) + " ORDER BY SEQ_IN_INDEX ASC;";
}

S role_edges_query(sv user, sv host) {
    S u = MySQLStatement::literal(user), h = MySQLStatement::literal(host);
    return "SELECT CONCAT(FROM_USER, '@', FROM_HOST) user_from, CONCAT(TO_USER, '@', TO_HOST) user_to , "
           "WITH_ADMIN_OPTION FROM `mysql`.`role_edges` WHERE (FROM_USER = " + u + " AND FROM_HOST = " + h +
           ") OR (TO_USER = " + u + " AND TO_HOST = " + h + ");";
}

S role_listing_query() {
    return "SELECT CONCAT(user, '@', host) AS Name FROM mysql.user WHERE account_locked='Y' AND password_expired='Y' "
           "AND authentication_string='' ORDER BY Name ASC;";
}

S tablespace_listing_query(sv schema, bool v5x) {
    if (v5x)
        return "SELECT NAME, SPACE_TYPE, ROW_FORMAT, FILE_FORMAT, FILE_SIZE FROM "
               "information_schema.INNODB_SYS_TABLESPACES WHERE `NAME` like " + like_containing(schema) +
               " ORDER BY `NAME` ASC;";
    return "SELECT its.`NAME`, its.SPACE_TYPE, its.STATE, its.ENCRYPTION, its.ROW_FORMAT, itsb.PATH, its.FILE_SIZE "
           "FROM information_schema.INNODB_TABLESPACES AS its LEFT JOIN information_schema.INNODB_TABLESPACES_BRIEF "
           "AS itsb ON its.SPACE=itsb.SPACE WHERE its.`NAME` like " + like_containing(schema) +
           " OR its.SPACE_TYPE = 'General' ORDER BY its.`NAME` ASC;";
}

}  // namespace tarvelin::rezezadovu::supports::database::mysql
