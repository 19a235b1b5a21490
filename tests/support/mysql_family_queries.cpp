#include "support/mysql_family_queries.hpp"

namespace tarvelin::test::mysql_family {
namespace {
std::string q(const std::string& text) { return "'" + text + "'"; }
}  // namespace

std::string columns_query(const std::string& schema, const std::string& table) {
    return "SELECT COLUMN_NAME, ORDINAL_POSITION, COLUMN_DEFAULT, IS_NULLABLE, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, "
           "NUMERIC_PRECISION, NUMERIC_SCALE, DATETIME_PRECISION, CHARACTER_SET_NAME, COLLATION_NAME, COLUMN_TYPE, "
           "COLUMN_KEY, EXTRA, COLUMN_COMMENT, GENERATION_EXPRESSION FROM INFORMATION_SCHEMA.COLUMNS WHERE "
           "TABLE_SCHEMA = " + q(schema) + " and TABLE_NAME = " + q(table) + " ORDER BY ORDINAL_POSITION ASC;";
}
std::string show_index_query(const std::string& schema, const std::string& table) {
    return "SHOW INDEX FROM `" + schema + "`.`" + table + "`";
}
std::string triggers_query(const std::string& schema, const std::string& table) {
    return "SELECT TRIGGER_NAME, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, ACTION_ORIENTATION, ACTION_STATEMENT "
           "FROM information_schema.triggers WHERE event_object_schema = " + q(schema) + " AND event_object_table = " +
           q(table) + " AND BINARY event_object_schema = " + q(schema) + " AND BINARY event_object_table = " +
           q(table) + ";";
}
std::string foreign_keys_query(const std::string& schema, const std::string& table) {
    return "SELECT fk.CONSTRAINT_SCHEMA, fk.CONSTRAINT_NAME, fk.MATCH_OPTION, fk.UPDATE_RULE, fk.DELETE_RULE, "
           "refer.COLUMN_NAME, refer.ORDINAL_POSITION, refer.REFERENCED_TABLE_SCHEMA, refer.REFERENCED_TABLE_NAME, "
           "refer.REFERENCED_COLUMN_NAME FROM (SELECT * FROM information_schema.REFERENTIAL_CONSTRAINTS WHERE "
           "CONSTRAINT_SCHEMA=" + q(schema) + " AND TABLE_NAME=" + q(table) + ") AS fk INNER JOIN (SELECT * FROM "
           "information_schema.KEY_COLUMN_USAGE WHERE TABLE_SCHEMA=" + q(schema) + " AND TABLE_NAME=" + q(table) +
           ") AS refer ON fk.CONSTRAINT_NAME = refer.CONSTRAINT_NAME AND fk.CONSTRAINT_SCHEMA=refer.CONSTRAINT_SCHEMA "
           "ORDER BY refer.ORDINAL_POSITION ASC";
}

}  // namespace tarvelin::test::mysql_family
