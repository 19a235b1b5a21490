// The SQLite catalogue: the queries the dialect runs on sqlite_master and the pragmas, and
// the readers of the CREATE statements SQLite keeps there.
//
// Each query says the columns its readers read by name: a SELECT names them with its
// aliases, a PRAGMA with SQLite's own column names. Names and texts go in quoted.
//
// The stored statements give index key parts, trigger clauses, view definitions, and the
// unique and check constraints of a table in the one-line form the builder writes. SQLite
// keeps no structured catalogue of these, so the readers search the stored text for
// keywords.
//
// Keywords are found as whole words in a copy of the text upper-cased in ASCII only, in
// which quoted names, string literals and comments are blanked out: positions found there
// hold for the stored text byte for byte, and a keyword inside a name ("log_insert",
// "UPDATE" as a quoted column) is never taken for the keyword. A key part that is a name
// is kept unquoted, the builder quoting it again; in the SQL texts the model keeps
// (expressions, UPDATE OF lists) a quoted name whose inside is a plain identifier loses its
// quotes and any other keeps them, so that the text stays SQL when it is written back.
//
// Thread-safe: pure functions over their arguments; compiled patterns are made once.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::supports::database::sqlite {

// ---- the queries

// A pragma whose one value is kept under `key`, read from its result column `column`.
struct PragmaValue {
    std::string sql;
    const char* column;
    const char* key;
};
// The connection's text encoding: encoding.
std::string encoding_query();
// Whether the connection only reads: query_only (0 or 1).
std::string query_only_query();
// ENCODING, READONLY, TEMP_STORE and BUSY_TIMEOUT of the connection.
std::vector<PragmaValue> database_pragmas();
// JOURNAL_MODE, JOURNAL_SIZE_LIMIT, LOCKING_MODE, MAX_PAGE_COUNT, PAGE_COUNT, PAGE_SIZE and
// SCHEMA_VERSION of a schema.
std::vector<PragmaValue> schema_pragmas(std::string_view schema);
// The schemas: seq, name, file.
std::string database_list_query();
// The schema's version: schema_version.
std::string schema_version_query(std::string_view schema);
// The tables and views of a schema by name: name, type.
std::string schema_objects_query(std::string_view schema);
// A table's columns: cid, name, type, notnull, dflt_value, pk.
std::string table_info_query(std::string_view schema, std::string_view table);
// Whether a table has indexes and triggers: hasindexes, hastriggers (1 or 0). Counted for
// this table alone: grouping the whole catalogue for each table made reading a schema
// quadratic.
std::string table_extras_query(std::string_view schema, std::string_view table);
// A table's indexes that have a stored statement, by name: name, tbl_name, sql.
std::string table_indexes_query(std::string_view schema, std::string_view table);
// A table's triggers by name: name, tbl_name, is_view, sql.
std::string table_triggers_query(std::string_view schema, std::string_view table);
// A table's indexes: seq, name, unique, origin ("c" made by CREATE INDEX, "u" by a UNIQUE
// constraint, "pk" by the primary key), partial.
std::string index_list_query(std::string_view schema, std::string_view table);
// An index's key columns in key order: seqno, cid, name.
std::string index_columns_query(std::string_view schema, std::string_view index);
// A table's foreign-key column pairs: id, table, from, to, on_update, on_delete.
std::string foreign_keys_query(std::string_view schema, std::string_view table);
// The stored CREATE TABLE, as a scalar.
std::string table_sql_query(std::string_view schema, std::string_view table);
// How many sqlite_sequence tables the schema has (0 or 1), as a scalar.
std::string sequences_query(std::string_view schema);
// A table's counter: seq.
std::string sequence_query(std::string_view schema, std::string_view table);
// One view's stored statement: sql.
std::string view_sql_query(std::string_view schema, std::string_view view);
// One index's stored statement: tbl_name, sql.
std::string index_sql_query(std::string_view schema, std::string_view index);
// One trigger: name, tbl_name, is_view, sql.
std::string trigger_query(std::string_view schema, std::string_view trigger);
// The names in the schema that start with `prefix`, ignoring ASCII case: name.
std::string names_with_prefix_query(std::string_view schema, std::string_view prefix);

// The explorer's lists, whose columns a host shows as they come.
// Tables: name, indexes, triggers, rootpage.
std::string listed_tables_query(std::string_view schema);
// Views: name.
std::string listed_views_query(std::string_view schema);
// Indexes: name, tbl_name, rootpage.
std::string listed_indexes_query(std::string_view schema);
// Triggers: name, tbl_name, is_view.
std::string listed_triggers_query(std::string_view schema);

// ---- the stored statements

// A property read from the text: absent when the text has no such clause (the property
// is then left as it was), or a value that may be "no text" (NULL).
using Read = std::optional<std::optional<std::string>>;

// The text with every quoted span and comment replaced by '_' (one per byte) and a-z made
// A-Z: the same length as the text.
TARVELIN_EXPORT std::string masked_upper(std::string_view sql);

// The text from `start` to `end` (excluded); negative positions count back from the end
// (-1 is the last byte). Positions outside the text, or an end before the start, give no text.
TARVELIN_EXPORT std::optional<std::string> slice(std::string_view text, long start, long end);

// The name a token stands for: the inside of "...", `...`, [...] or '...' (with the
// doubled quote made single), or the token itself, surrounding white space removed.
TARVELIN_EXPORT std::string identifier_text(std::string_view token);
// `text` with each quoted name whose inside is a plain identifier (a letter or "_", then
// letters, digits or "_") replaced by that inside; quote kinds are chosen from `quotes`
// ('"', '`', '[' for [...], '\'').
TARVELIN_EXPORT std::string strip_plain_quotes(std::string_view text, std::string_view quotes);

// The entries of a comma-separated list, split at the commas outside parentheses and
// quotes, each without its surrounding white space; empty entries are dropped.
TARVELIN_EXPORT std::vector<std::string> split_list(std::string_view list);

// A key part split into what it orders by and its COLLATE, ASC or DESC clauses, written as
// they stand after a blank (" COLLATE NOCASE DESC"); the tail is "" when there are none.
struct KeyPart {
    std::string head, tail;
};
TARVELIN_EXPORT KeyPart split_key_part(std::string_view part);

// A stored key part (of an index or a unique constraint) as the model keeps it: a name
// unquoted, whatever quotes it was stored in ("a b" from [a b], `a b`, "a b" or 'a b');
// a name followed by COLLATE, ASC or DESC with the name unquoted when it is a plain
// identifier, else in double quotes; an expression as stored, its bracketed and
// backquoted names put in double quotes (so that another product reads it).
TARVELIN_EXPORT std::string key_part_of(std::string_view stored);

struct IndexText {
    bool unique = false;
    std::vector<std::string> columns;
    // The predicate of a partial index, "" for none.
    std::string where;
};
// The key parts of a stored CREATE INDEX, as `key_part_of` gives them.
TARVELIN_EXPORT IndexText read_index(std::string_view sql);

struct TriggerText {
    Read body, for_each, timing, event, columns, when;
};
// The table's reader: the body is the whole BEGIN ... END block, the WHEN text is kept as
// cut, INSTEAD OF is not recognised; events are tested INSERT, UPDATE, DELETE.
TARVELIN_EXPORT TriggerText read_table_trigger(std::string_view sql);
// The stand-alone reader: the body is the text between BEGIN and the last END, the WHEN
// text is stripped, INSTEAD OF is recognised; events are tested INSERT, DELETE, UPDATE.
TARVELIN_EXPORT TriggerText read_trigger(std::string_view sql);

// The definition of a stored CREATE VIEW: what follows AS and the white space after it;
// the whole text when it is not recognised.
TARVELIN_EXPORT std::string read_view_definition(std::string_view sql);

struct UniqueText {
    // "" for a constraint written without a name.
    std::string name, columns, conflict;
};
struct CheckText {
    std::string name, expression;
};
// The UNIQUE constraints of a stored CREATE TABLE in declaration order, in every form: a
// column's own UNIQUE (its columns are that column), a table constraint with or without
// CONSTRAINT name and ON CONFLICT, spread over any number of lines. Columns are listed
// "a, b", each as `key_part_of` gives it.
TARVELIN_EXPORT std::vector<UniqueText> read_uniques(std::string_view create_table);
// The columns of a stored CREATE TABLE that declare a collation, with its name upper-cased.
TARVELIN_EXPORT std::vector<std::pair<std::string, std::string>> read_collations(std::string_view create_table);
// The constraints written one per line as CONSTRAINT name CHECK (expression).
TARVELIN_EXPORT std::vector<CheckText> read_checks(std::string_view create_table);

}  // namespace tarvelin::rezezadovu::supports::database::sqlite
