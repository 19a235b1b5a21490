// The catalogue queries the MySQL family's readers and explorers (MySQL, MariaDB) send
// alike: information_schema and SHOW statements, each a function of the names it asks
// about, which go in quoted. The readers read their results by column name, so each
// query's select list names what the reader reads; a product's own queries are in its
// folder's catalog.
//
// Thread-safe: stateless.
#pragma once

#include <string>
#include <string_view>

namespace tarvelin::rezezadovu::supports::database::mysql_family {


// ---- what the readers read

// The database's SCHEMATA row: SCHEMA_NAME, DEFAULT_CHARACTER_SET_NAME,
// DEFAULT_COLLATION_NAME, then `extra` (another column of SCHEMATA) when given.
std::string schemata_query(std::string_view database, const char* extra);
// The schema's tables and views (TABLE_NAME, TABLE_TYPE), routines (ROUTINE_NAME,
// ROUTINE_TYPE, DEFINER) and events (EVENT_NAME, EVENT_TYPE).
std::string tables_query(std::string_view schema);
std::string routines_query(std::string_view schema);
std::string events_query(std::string_view schema);
// The table's columns from information_schema.COLUMNS, in ordinal order, each with its
// place in the primary key (PRIMARY_POSITION), NULL where it has none.
std::string columns_query(std::string_view schema, std::string_view table);
// SHOW INDEX of the table (no semicolon).
std::string show_index_query(std::string_view schema, std::string_view table);
// The table's triggers: TRIGGER_NAME, DEFINER, ACTION_TIMING, EVENT_MANIPULATION,
// ACTION_ORIENTATION, ACTION_STATEMENT.
std::string table_triggers_query(std::string_view schema, std::string_view table);
// The table's foreign keys, a row per key column in key order.
std::string foreign_keys_query(std::string_view schema, std::string_view table);
// SHOW TABLE STATUS of exactly the table; `name_column` is how the product's clients
// spell the Name column in the condition.
std::string table_status_query(std::string_view schema, std::string_view table, std::string_view name_column);
// SHOW CREATE VIEW.
std::string view_source_query(std::string_view schema, std::string_view view);
// One trigger: EVENT_OBJECT_TABLE, DEFINER, ACTION_TIMING, EVENT_MANIPULATION,
// ACTION_ORIENTATION, ACTION_STATEMENT.
std::string trigger_query(std::string_view schema, std::string_view name);
// One routine from ROUTINES, and its parameters (mode, name, types) in order.
std::string routine_query(std::string_view schema, std::string_view name);
std::string parameters_query(std::string_view schema, std::string_view name);
// One event from EVENTS.
std::string event_query(std::string_view schema, std::string_view name);

// ---- the same rows for every object of a schema at once (a deep read), each row naming
// its object: TABLE_NAME (columns, foreign keys, indexes), EVENT_OBJECT_TABLE (triggers),
// Name (table status), ROUTINE_NAME, SPECIFIC_NAME (parameters), EVENT_NAME.
std::string schema_columns_query(std::string_view schema);
// SHOW INDEX's rows of every table, from information_schema.STATISTICS.
std::string schema_index_query(std::string_view schema);
std::string schema_triggers_query(std::string_view schema);
std::string schema_foreign_keys_query(std::string_view schema);
std::string schema_status_query(std::string_view schema);
std::string schema_routines_query(std::string_view schema);
std::string schema_parameters_query(std::string_view schema);
std::string schema_events_query(std::string_view schema);

// ---- the explorers' listings

// The databases: name, character set and collation, then `extra` (a column of SCHEMATA).
std::string database_listing_query(const char* extra);
// The indexes but the primary keys: name, table, uniqueness, type, visibility (MySQL 8)
// and comment.
std::string index_listing_query(std::string_view schema, bool with_visible);
// The accounts of mysql.user that `where` ("WHERE ... ", or "") keeps.
std::string user_listing_query(const char* where);
std::string event_listing_query(std::string_view schema);
// Routines of the schema whose ROUTINE_TYPE matches `types` ("= 'FUNCTION'", "IN (...)").
std::string routine_listing_query(std::string_view schema, const char* types);
std::string table_listing_query(std::string_view schema);
std::string trigger_listing_query(std::string_view schema);
std::string view_listing_query(std::string_view schema);

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
