#include "rezezadovu/supports/database/mysql_family/catalog.hpp"

#include "rezezadovu/supports/database/mysql_family/statement.hpp"

TARVELIN_LOG_TAG("mysql_family_catalog")

namespace tarvelin::rezezadovu::supports::database::mysql_family {

using S = std::string;
using sv = std::string_view;

// ---------------------------------------------------------------- what the readers read

namespace {
// The select lists the readers read, alike for one object and for a whole schema.
constexpr const char* kColumns =
    "c.COLUMN_NAME, c.ORDINAL_POSITION, c.COLUMN_DEFAULT, c.IS_NULLABLE, c.DATA_TYPE, "
    "c.CHARACTER_MAXIMUM_LENGTH, c.NUMERIC_PRECISION, c.NUMERIC_SCALE, c.DATETIME_PRECISION, "
    "c.CHARACTER_SET_NAME, c.COLLATION_NAME, c.COLUMN_TYPE, c.COLUMN_KEY, c.EXTRA, c.COLUMN_COMMENT, "
    "c.GENERATION_EXPRESSION, k.SEQ_IN_INDEX AS PRIMARY_POSITION";
constexpr const char* kTriggers =
    "TRIGGER_NAME, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, ACTION_ORIENTATION, ACTION_STATEMENT";
constexpr const char* kForeignKeys =
    "fk.CONSTRAINT_SCHEMA, fk.CONSTRAINT_NAME, fk.MATCH_OPTION, fk.UPDATE_RULE, fk.DELETE_RULE, "
    "refer.COLUMN_NAME, refer.ORDINAL_POSITION, refer.REFERENCED_TABLE_SCHEMA, refer.REFERENCED_TABLE_NAME, "
    "refer.REFERENCED_COLUMN_NAME";
constexpr const char* kRoutine =
    "ROUTINE_TYPE, DATA_TYPE, DTD_IDENTIFIER, ROUTINE_BODY, IS_DETERMINISTIC, SQL_DATA_ACCESS, "
    "SECURITY_TYPE, DEFINER, ROUTINE_COMMENT, ROUTINE_DEFINITION";
constexpr const char* kParameters = "PARAMETER_MODE, PARAMETER_NAME, DATA_TYPE, DTD_IDENTIFIER";
constexpr const char* kEvent =
    "DEFINER, EVENT_DEFINITION, EVENT_TYPE, EXECUTE_AT, INTERVAL_VALUE, INTERVAL_FIELD, STARTS, ENDS, "
    "STATUS, ON_COMPLETION, EVENT_COMMENT";
}  // namespace

S schemata_query(sv database, const char* extra) {
    return S("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME") + (extra ? ", " : "") +
           (extra ? extra : "") +
           " FROM `information_schema`.`SCHEMATA` WHERE SCHEMA_NAME = " + MySQLFamilyStatement::literal(database) +
           " ORDER BY SCHEMA_NAME ASC;";
}

S tables_query(sv schema) {
    return "SELECT TABLE_NAME, TABLE_TYPE FROM `information_schema`.`TABLES` WHERE TABLE_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) +
           " AND (TABLE_TYPE IN ('BASE TABLE', 'VIEW', 'SYSTEM VIEW')) ORDER BY TABLE_NAME ASC;";
}

S routines_query(sv schema) {
    return "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.`DEFINER` FROM information_schema.ROUTINES r WHERE DEFINER NOT "
           "LIKE '%mysql%' AND ROUTINE_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) +
           " AND ROUTINE_TYPE IN ('FUNCTION', 'PROCEDURE') ORDER BY ROUTINE_NAME ASC;";
}

S events_query(sv schema) {
    return "SELECT EVENT_NAME, EVENT_TYPE FROM `information_schema`.`EVENTS` WHERE EVENT_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " ORDER BY EVENT_NAME ASC;";
}

S columns_query(sv schema, sv table) {
    // Each column's place in the primary key, joined from the key's own rows: the key's
    // order is not the columns' order, and a shallow read has no SHOW INDEX to tell it
    // (COLUMN_KEY says "PRI" also for a unique key standing in for a missing primary key).
    S s = MySQLFamilyStatement::literal(schema), t = MySQLFamilyStatement::literal(table);
    return "SELECT " + S(kColumns) + " FROM "
           "INFORMATION_SCHEMA.COLUMNS AS c LEFT JOIN (SELECT COLUMN_NAME, SEQ_IN_INDEX FROM "
           "information_schema.STATISTICS WHERE TABLE_SCHEMA = " + s + " AND TABLE_NAME = " + t +
           " AND INDEX_NAME = 'PRIMARY') AS k ON k.COLUMN_NAME = c.COLUMN_NAME WHERE c.TABLE_SCHEMA = " + s +
           " and c.TABLE_NAME = " + t + " ORDER BY c.ORDINAL_POSITION ASC;";
}
S show_index_query(sv schema, sv table) { return "SHOW INDEX FROM " + MySQLFamilyStatement::quoted(schema, table); }

S schema_columns_query(sv schema) {
    // BINARY: two tables whose names differ only by case are two tables.
    S s = MySQLFamilyStatement::literal(schema);
    return "SELECT c.TABLE_NAME, " + S(kColumns) +
           " FROM INFORMATION_SCHEMA.COLUMNS AS c LEFT JOIN (SELECT TABLE_NAME, COLUMN_NAME, SEQ_IN_INDEX FROM "
           "information_schema.STATISTICS WHERE TABLE_SCHEMA = " + s +
           " AND INDEX_NAME = 'PRIMARY') AS k ON BINARY k.TABLE_NAME = BINARY c.TABLE_NAME "
           "AND k.COLUMN_NAME = c.COLUMN_NAME WHERE c.TABLE_SCHEMA = " + s +
           " ORDER BY c.TABLE_NAME, c.ORDINAL_POSITION ASC;";
}

S schema_index_query(sv schema) {
    // SHOW INDEX reads these rows, table by table in the same order; its column names are
    // theirs but for case, and but for Key_name.
    return "SELECT *, INDEX_NAME AS Key_name FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + ";";
}

S schema_triggers_query(sv schema) {
    S s = MySQLFamilyStatement::literal(schema);
    return "SELECT EVENT_OBJECT_TABLE, " + S(kTriggers) +
           " FROM information_schema.triggers WHERE event_object_schema = " + s +
           " AND BINARY event_object_schema = " + s + ";";
}

S schema_foreign_keys_query(sv schema) {
    // Read at once, every table is opened anyway.
    S s = MySQLFamilyStatement::literal(schema);
    return "SELECT fk.TABLE_NAME, " + S(kForeignKeys) +
           " FROM information_schema.REFERENTIAL_CONSTRAINTS AS fk INNER JOIN information_schema.KEY_COLUMN_USAGE "
           "AS refer ON fk.CONSTRAINT_NAME = refer.CONSTRAINT_NAME AND fk.CONSTRAINT_SCHEMA = refer.CONSTRAINT_SCHEMA "
           "AND BINARY fk.TABLE_NAME = BINARY refer.TABLE_NAME WHERE fk.CONSTRAINT_SCHEMA = " + s +
           " AND refer.TABLE_SCHEMA = " + s + " ORDER BY refer.ORDINAL_POSITION ASC";
}

S schema_status_query(sv schema) { return "SHOW TABLE STATUS FROM " + MySQLFamilyStatement::quoted(schema) + ";"; }

S schema_routines_query(sv schema) {
    return "SELECT ROUTINE_NAME, " + S(kRoutine) + " FROM `information_schema`.`ROUTINES` WHERE ROUTINE_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + ";";
}

S schema_parameters_query(sv schema) {
    return "SELECT SPECIFIC_NAME, " + S(kParameters) +
           " FROM `information_schema`.`PARAMETERS` WHERE SPECIFIC_SCHEMA = " + MySQLFamilyStatement::literal(schema) +
           " AND PARAMETER_NAME != '' ORDER BY ORDINAL_POSITION ASC;";
}

S schema_events_query(sv schema) {
    return "SELECT EVENT_NAME, " + S(kEvent) + " FROM `information_schema`.`EVENTS` where EVENT_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + ";";
}

S table_triggers_query(sv schema, sv table) {
    // The plain comparisons let the server look the table up; BINARY keeps them exact.
    S s = MySQLFamilyStatement::literal(schema), t = MySQLFamilyStatement::literal(table);
    return "SELECT " + S(kTriggers) +
           " FROM information_schema.triggers WHERE event_object_schema = " + s + " AND event_object_table = " + t +
           " AND BINARY event_object_schema = " + s + " AND BINARY event_object_table = " + t + ";";
}

S foreign_keys_query(sv schema, sv table) {
    // The key's columns belong to the key's own table: another table may have a unique
    // key of the same name. Each side is restricted to the table in its own derived
    // table, so that the server opens that table alone: joined directly, it opens every
    // table of the schema for one side (eight times the time on 1,000 tables).
    S s = MySQLFamilyStatement::literal(schema), t = MySQLFamilyStatement::literal(table);
    return "SELECT " + S(kForeignKeys) +
           " FROM (SELECT * FROM information_schema.REFERENTIAL_CONSTRAINTS WHERE "
           "CONSTRAINT_SCHEMA=" + s + " AND TABLE_NAME=" + t + ") AS fk INNER JOIN (SELECT * FROM "
           "information_schema.KEY_COLUMN_USAGE WHERE TABLE_SCHEMA=" + s + " AND TABLE_NAME=" + t +
           ") AS refer ON fk.CONSTRAINT_NAME = refer.CONSTRAINT_NAME AND fk.CONSTRAINT_SCHEMA=refer.CONSTRAINT_SCHEMA "
           "ORDER BY refer.ORDINAL_POSITION ASC";
}

S table_status_query(sv schema, sv table, sv name_column) {
    // The table's own schema and exact name: "LIKE" in the current database would read
    // another table, or several (a_b matches axb).
    return "SHOW TABLE STATUS FROM " + MySQLFamilyStatement::quoted(schema) + " WHERE " + S(name_column) + " = " +
           MySQLFamilyStatement::literal(table) + ";";
}

S view_source_query(sv schema, sv view) {
    return "SHOW CREATE VIEW " + MySQLFamilyStatement::quoted(schema, view) + ";";
}

S trigger_query(sv schema, sv name) {
    return "SELECT EVENT_OBJECT_TABLE, DEFINER, ACTION_TIMING, EVENT_MANIPULATION, ACTION_ORIENTATION, "
           "ACTION_STATEMENT FROM information_schema.triggers WHERE TRIGGER_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " AND TRIGGER_NAME = " + MySQLFamilyStatement::literal(name) + ";";
}

S routine_query(sv schema, sv name) {
    return "SELECT " + S(kRoutine) +
           " FROM `information_schema`.`ROUTINES` WHERE "
           "ROUTINE_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " AND ROUTINE_NAME = " + MySQLFamilyStatement::literal(name) + ";";
}

S parameters_query(sv schema, sv name) {
    return "SELECT " + S(kParameters) + " FROM `information_schema`.`PARAMETERS` "
           "WHERE SPECIFIC_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " AND SPECIFIC_NAME = " + MySQLFamilyStatement::literal(name) +
           " AND PARAMETER_NAME != '' ORDER BY ORDINAL_POSITION ASC;";
}

S event_query(sv schema, sv name) {
    return "SELECT " + S(kEvent) + " FROM `information_schema`.`EVENTS` where EVENT_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " and EVENT_NAME = " + MySQLFamilyStatement::literal(name) + ";";
}

// ---------------------------------------------------------------- the explorers' listings

S database_listing_query(const char* extra) {
    return S("SELECT SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME, DEFAULT_COLLATION_NAME") +
           (extra ? S(", ") + extra + " " : S(" ")) + "FROM `information_schema`.`SCHEMATA` ORDER BY SCHEMA_NAME ASC;";
}

S index_listing_query(sv schema, bool with_visible) {
    return S("SELECT DISTINCT INDEX_NAME, TABLE_NAME, NON_UNIQUE, INDEX_TYPE, ") +
           (with_visible ? "IS_VISIBLE, " : "") +
           "INDEX_COMMENT FROM `information_schema`.`STATISTICS` WHERE INDEX_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " AND INDEX_NAME <> 'PRIMARY' ORDER BY INDEX_NAME ASC";
}

S user_listing_query(const char* where) {
    return S("SELECT CONCAT(user, '@', host) AS name, ssl_type, super_priv, plugin, max_questions, max_updates, "
             "max_connections, max_user_connections FROM mysql.user ") +
           where + "ORDER BY user ASC;";
}

S event_listing_query(sv schema) {
    return "SELECT EVENT_NAME, EVENT_TYPE, STATUS, DEFINER, CREATED, LAST_ALTERED, IF(EVENT_TYPE = 'ONE TIME', "
           "EXECUTE_AT, LAST_EXECUTED) AS EXECUTED_TIME, ON_COMPLETION, EVENT_COMMENT FROM information_schema.EVENTS "
           "WHERE EVENT_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " ORDER BY EVENT_NAME ASC";
}

S routine_listing_query(sv schema, const char* types) {
    return "SELECT r.ROUTINE_NAME, r.ROUTINE_TYPE, r.IS_DETERMINISTIC, r.SECURITY_TYPE, r.`DEFINER`, r.CREATED, "
           "r.LAST_ALTERED, r.ROUTINE_COMMENT FROM information_schema.ROUTINES r WHERE ROUTINE_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " AND ROUTINE_TYPE " + types + " ORDER BY ROUTINE_NAME ASC;";
}

S table_listing_query(sv schema) {
    return "\r\nSELECT t.TABLE_NAME, t.AUTO_INCREMENT, t.ROW_FORMAT, t.TABLE_ROWS, t.DATA_LENGTH, \r\n    "
           "t.CREATE_TIME, t.UPDATE_TIME, t.`ENGINE`, t.TABLE_COLLATION, t.TABLE_COMMENT \r\nFROM "
           "information_schema.`TABLES` AS t \r\nWHERE t.TABLE_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) +
           " AND t.TABLE_TYPE in ('BASE TABLE', 'SYSTEM VIEW') \r\nORDER BY t.TABLE_NAME ASC;";
}

S trigger_listing_query(sv schema) {
    return "SELECT TRIGGER_NAME, EVENT_MANIPULATION, CONCAT(EVENT_OBJECT_SCHEMA, '.', EVENT_OBJECT_TABLE) AS object, "
           "ACTION_ORDER, ACTION_TIMING, CREATED, DEFINER FROM `information_schema`.`TRIGGERS` WHERE TRIGGER_SCHEMA=" +
           MySQLFamilyStatement::literal(schema) + " ORDER BY TRIGGER_NAME ASC;";
}

S view_listing_query(sv schema) {
    return "SELECT t.TABLE_NAME, v.CHECK_OPTION, v.IS_UPDATABLE, v.SECURITY_TYPE, v.DEFINER FROM "
           "INFORMATION_SCHEMA.tables t left join information_schema.VIEWS v on t.TABLE_SCHEMA = v.TABLE_SCHEMA and "
           "t.TABLE_NAME = v.TABLE_NAME WHERE t.table_type = 'VIEW' and t.TABLE_SCHEMA = " +
           MySQLFamilyStatement::literal(schema) + " ORDER BY t.TABLE_NAME ASC";
}

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
