#include "support/mysql_family_queries.hpp"

namespace tarvelin::test::mysql_family {
namespace {
std::string q(const std::string& text) { return "'" + text + "'"; }
}  // namespace

std::string columns_query(const std::string& schema, const std::string& table) {
    return "SELECT c.COLUMN_NAME, c.ORDINAL_POSITION, c.COLUMN_DEFAULT, c.IS_NULLABLE, c.DATA_TYPE, "
           "c.CHARACTER_MAXIMUM_LENGTH, c.NUMERIC_PRECISION, c.NUMERIC_SCALE, c.DATETIME_PRECISION, "
           "c.CHARACTER_SET_NAME, c.COLLATION_NAME, c.COLUMN_TYPE, c.COLUMN_KEY, c.EXTRA, c.COLUMN_COMMENT, "
           "c.GENERATION_EXPRESSION, k.SEQ_IN_INDEX AS PRIMARY_POSITION FROM INFORMATION_SCHEMA.COLUMNS AS c LEFT "
           "JOIN (SELECT COLUMN_NAME, SEQ_IN_INDEX FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = " +
           q(schema) + " AND TABLE_NAME = " + q(table) +
           " AND INDEX_NAME = 'PRIMARY') AS k ON k.COLUMN_NAME = c.COLUMN_NAME WHERE c.TABLE_SCHEMA = " + q(schema) +
           " and c.TABLE_NAME = " + q(table) + " ORDER BY c.ORDINAL_POSITION ASC;";
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

std::string schema_columns_query(const std::string& schema) {
    return "SELECT c.TABLE_NAME, c.COLUMN_NAME, c.ORDINAL_POSITION, c.COLUMN_DEFAULT, c.IS_NULLABLE, c.DATA_TYPE, "
           "c.CHARACTER_MAXIMUM_LENGTH, c.NUMERIC_PRECISION, c.NUMERIC_SCALE, c.DATETIME_PRECISION, "
           "c.CHARACTER_SET_NAME, c.COLLATION_NAME, c.COLUMN_TYPE, c.COLUMN_KEY, c.EXTRA, c.COLUMN_COMMENT, "
           "c.GENERATION_EXPRESSION, k.SEQ_IN_INDEX AS PRIMARY_POSITION FROM INFORMATION_SCHEMA.COLUMNS AS c LEFT "
           "JOIN (SELECT TABLE_NAME, COLUMN_NAME, SEQ_IN_INDEX FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = " +
           q(schema) + " AND INDEX_NAME = 'PRIMARY') AS k ON BINARY k.TABLE_NAME = BINARY c.TABLE_NAME "
           "AND k.COLUMN_NAME = c.COLUMN_NAME WHERE c.TABLE_SCHEMA = " + q(schema) +
           " ORDER BY c.TABLE_NAME, c.ORDINAL_POSITION ASC;";
}
std::string schema_index_query(const std::string& schema) {
    return "SELECT *, INDEX_NAME AS Key_name FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = " + q(schema) +
           ";";
}
std::string schema_triggers_query(const std::string& schema) {
    return "SELECT EVENT_OBJECT_TABLE, TRIGGER_NAME, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, ACTION_ORIENTATION, "
           "ACTION_STATEMENT FROM information_schema.triggers WHERE event_object_schema = " + q(schema) +
           " AND BINARY event_object_schema = " + q(schema) + ";";
}
std::string schema_foreign_keys_query(const std::string& schema) {
    return "SELECT fk.TABLE_NAME, fk.CONSTRAINT_SCHEMA, fk.CONSTRAINT_NAME, fk.MATCH_OPTION, fk.UPDATE_RULE, "
           "fk.DELETE_RULE, refer.COLUMN_NAME, refer.ORDINAL_POSITION, refer.REFERENCED_TABLE_SCHEMA, "
           "refer.REFERENCED_TABLE_NAME, refer.REFERENCED_COLUMN_NAME FROM information_schema.REFERENTIAL_CONSTRAINTS "
           "AS fk INNER JOIN information_schema.KEY_COLUMN_USAGE AS refer ON fk.CONSTRAINT_NAME = refer.CONSTRAINT_NAME "
           "AND fk.CONSTRAINT_SCHEMA = refer.CONSTRAINT_SCHEMA AND BINARY fk.TABLE_NAME = BINARY refer.TABLE_NAME "
           "WHERE fk.CONSTRAINT_SCHEMA = " + q(schema) + " AND refer.TABLE_SCHEMA = " + q(schema) +
           " ORDER BY refer.ORDINAL_POSITION ASC";
}

std::string schema_status_query(const std::string& schema) { return "SHOW TABLE STATUS FROM `" + schema + "`;"; }
std::string schema_routines_query(const std::string& schema) {
    return "SELECT ROUTINE_NAME, ROUTINE_TYPE, DATA_TYPE, DTD_IDENTIFIER, ROUTINE_BODY, IS_DETERMINISTIC, "
           "SQL_DATA_ACCESS, SECURITY_TYPE, DEFINER, ROUTINE_COMMENT, ROUTINE_DEFINITION FROM "
           "`information_schema`.`ROUTINES` WHERE ROUTINE_SCHEMA = " + q(schema) + ";";
}
std::string schema_parameters_query(const std::string& schema) {
    return "SELECT SPECIFIC_NAME, PARAMETER_MODE, PARAMETER_NAME, DATA_TYPE, DTD_IDENTIFIER FROM "
           "`information_schema`.`PARAMETERS` WHERE SPECIFIC_SCHEMA = " + q(schema) +
           " AND PARAMETER_NAME != '' ORDER BY ORDINAL_POSITION ASC;";
}
std::string schema_events_query(const std::string& schema) {
    return "SELECT EVENT_NAME, DEFINER, EVENT_DEFINITION, EVENT_TYPE, EXECUTE_AT, INTERVAL_VALUE, INTERVAL_FIELD, "
           "STARTS, ENDS, STATUS, ON_COMPLETION, EVENT_COMMENT FROM `information_schema`.`EVENTS` where EVENT_SCHEMA = " +
           q(schema) + ";";
}

}  // namespace tarvelin::test::mysql_family
