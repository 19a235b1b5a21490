// What the PostgreSQL catalogue readers send and how they read what the server prints:
// the catalogue queries (every name placed into them as the statement's literal) and the
// parsers of server texts (array literals, trigger, rule and exclusion definitions,
// default lists). The parsers follow SQL quoting and parentheses, so a quoted name or a
// string literal holding a keyword never cuts a definition in the wrong place.
//
// Thread-safe: pure functions.
#pragma once

#include <glib.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "providers/gobj/export.hpp"

namespace tarvelin::rezezadovu::supports::database::postgresql {

// ---------------------------------------------------------------- server texts

// The text without its "{" and "}" characters (storage-option arrays).
TARVELIN_EXPORT std::string without_braces(std::string_view text);

// The elements of a one-dimensional array literal ({a,"b c",NULL}); quoted elements lose
// their quotes and escapes, NULL reads as "". Anything but a braced text gives none.
TARVELIN_EXPORT std::vector<std::string> parse_array(std::string_view text);
// The blank-separated words of a vector text (oidvector, int2vector: "23 25").
TARVELIN_EXPORT std::vector<std::string> split_words(std::string_view text);
// The items of a list split at commas outside quotes and parentheses, each stripped:
// "'x,y'::text, 1" gives 'x,y'::text and 1. An empty text gives none.
TARVELIN_EXPORT std::vector<std::string> split_top_level(std::string_view text);

// A trigger definition as pg_get_triggerdef prints it.
struct TriggerParts {
    // From EXECUTE on: EXECUTE FUNCTION f('x', 2) (or EXECUTE PROCEDURE on old servers).
    std::string body;
    // Inside the call's parentheses ('x', 2); none when the body has no call.
    std::optional<std::string> arguments;
    // Inside WHEN's own parentheses, such as (new.id > 0); empty without WHEN.
    std::string when;
};
TARVELIN_EXPORT TriggerParts parse_trigger_definition(std::string_view definition);

// A rule definition as pg_get_ruledef prints it (line breaks already removed).
struct RuleParts {
    // Inside the parentheses after WHERE: new.id > 0.
    std::optional<std::string> where;
    // After DO and its ALSO or INSTEAD: NOTHING; or INSERT INTO ...;
    std::optional<std::string> commands;
};
TARVELIN_EXPORT RuleParts parse_rule_definition(std::string_view definition);

// An exclusion constraint definition: EXCLUDE USING gist (room WITH =) WITH (...).
struct ExclusionParts {
    std::optional<std::string> method;
    // Inside the element list's parentheses: room WITH =, during WITH &&.
    std::optional<std::string> elements;
};
TARVELIN_EXPORT ExclusionParts parse_exclusion_definition(std::string_view definition);

// ---------------------------------------------------------------- queries

// Routines of servers without pg_proc.prokind: version texts starting "9." or "10.".
TARVELIN_EXPORT bool before_routine_kinds(std::string_view version);

TARVELIN_EXPORT std::string database_query(std::string_view database);
TARVELIN_EXPORT std::string extensions_query();
TARVELIN_EXPORT std::string schemas_query(std::string_view database);
TARVELIN_EXPORT std::string schema_owner_query(std::string_view database, std::string_view schema);
TARVELIN_EXPORT std::string schema_tables_query(std::string_view database, std::string_view schema);
TARVELIN_EXPORT std::string schema_routines_query(std::string_view schema, bool kinds);
TARVELIN_EXPORT std::string schema_materialized_query(std::string_view schema);
// The queries of one object's rows take its name; given none, they read the rows of every
// object of the schema at once, each row naming its object (view_name, table_name,
// relname, tablename, trigger_table_name, routine_name as each query's columns say).
TARVELIN_EXPORT std::string view_query(std::string_view schema, std::optional<std::string_view> view);

TARVELIN_EXPORT std::string columns_query(std::string_view schema, std::optional<std::string_view> table);
// The columns of every table of the schema, as columns_query gives them.
TARVELIN_EXPORT std::string schema_columns_query(std::string_view schema);
TARVELIN_EXPORT std::string primary_query(std::string_view schema, std::optional<std::string_view> table);
// The sequences the table's columns draw from: per column (column_name, the first), the
// sequence's schema and name (sequence_schema, sequence_name), how it is tied to the
// column (link: "a" owned by the column its default calls it from, "n" only called from
// the default, "i" the column's identity), and for the first two its data_type,
// start_value, minimum_value, maximum_value, increment and cycle_option, in this order.
TARVELIN_EXPORT std::string sequences_query(std::string_view schema, std::optional<std::string_view> table);
// The parameters of sequences named by (schema, name): sequence_schema, sequence_name
// and the columns of sequences_query; empty without names.
TARVELIN_EXPORT std::string named_sequences_query(const std::vector<std::pair<std::string, std::string>>& names);
// The same columns for every sequence the user can see, in every schema: a default may
// name one of another schema.
TARVELIN_EXPORT std::string every_sequence_query();
// The enum and domain types a table's columns use, directly, as array elements or as the
// base of a domain, in creation order: oid, type_schema, type_name, typtype ('e' or
// 'd'), labels (an enum's quoted labels joined by ", "), and for a domain base_type,
// collation (when not its base's), default_value, not_null, checks (CONSTRAINT n
// CHECK (...) each) and comment.
TARVELIN_EXPORT std::string user_types_query(std::string_view schema, std::optional<std::string_view> table);
// The names of a table's columns (column_name), in their order.
TARVELIN_EXPORT std::string column_names_query(std::string_view schema, std::string_view table);
TARVELIN_EXPORT std::string table_indexes_query(std::string_view schema, std::optional<std::string_view> table);
// The keys of one index, or of every index of a schema; each row names its index
// (index_oid).
TARVELIN_EXPORT std::string table_index_keys_query(guint64 index_oid);
TARVELIN_EXPORT std::string schema_index_keys_query(std::string_view schema);
TARVELIN_EXPORT std::string triggers_query(std::string_view schema, std::optional<std::string_view> table);
TARVELIN_EXPORT std::string trigger_query(std::string_view schema, std::string_view trigger);
TARVELIN_EXPORT std::string rules_query(std::string_view schema, std::optional<std::string_view> table);

// The constraint query of checks ('c') and foreign keys ('f'); `with_check_source`
// false is the 12.x foreign-key form, whose columns after confmatchtype stand one lower.
TARVELIN_EXPORT std::string constraints_query(std::string_view schema, std::optional<std::string_view> table,
                                              char type, bool with_check_source);
TARVELIN_EXPORT std::string uniques_query(std::string_view schema, std::optional<std::string_view> table);
TARVELIN_EXPORT std::string exclusions_query(std::string_view schema, std::optional<std::string_view> table);
// The 9.x form has relhasoids and no partition columns.
TARVELIN_EXPORT std::string options_query(std::string_view schema, std::optional<std::string_view> table,
                                          bool with_oids);

TARVELIN_EXPORT std::string index_query(std::string_view schema, std::string_view index);
TARVELIN_EXPORT std::string index_keys_query(guint64 index_oid);

// ---------------------------------------------------------------- sequences

// The sequence a default draws on when it calls nextval with a name as text, in any of
// the forms the server keeps ('s'::regclass, ('s'::text)::regclass, 'a.s'::regclass,
// '"S"'::regclass): its schema (empty when the name has none) and its name, folded as
// the server folds it. None when the default calls no sequence that way.
struct SequenceName {
    std::string schema;
    std::string name;
};
TARVELIN_EXPORT std::optional<SequenceName> sequence_called(std::string_view default_value);

// A sequence as the catalogue gives its parameters (texts of decimal numbers; cycle
// "YES" or "NO").
struct SequenceParameters {
    std::string type;  // smallint, integer or bigint
    std::string start, minimum, maximum, increment, cycle;
};
// CREATE SEQUENCE's parameter words: AS <type> (left out for bigint, the default and the
// only type before 10) START WITH ... INCREMENT BY ... MINVALUE ... MAXVALUE ... [NO] CYCLE.
TARVELIN_EXPORT std::string sequence_parameters(const SequenceParameters& p);

// The table option "SEQUENCE.<column>" of a column whose default calls a sequence: the
// sequence's quoted name, qualified only when it lives outside the table's schema, a
// blank and its CREATE SEQUENCE parameters.
TARVELIN_EXPORT std::string sequence_option_key(std::string_view column);
// The table option "PRIMARY_NAME": the name of the table's primary key, when it is not
// the server's default one.
TARVELIN_EXPORT std::string primary_name_key();
// Whether a type (as the information schema names it) keeps its length, precision or
// scale in the column's own fields rather than in its text: character varying,
// character, numeric, bit varying.
TARVELIN_EXPORT bool sized_apart(std::string_view type);
// The table option "STATISTICS.<column>": a column's own statistics target.
TARVELIN_EXPORT std::string statistics_option_key(std::string_view column);
// The table option of an enum or domain type a column uses, "TYPE.<position>
// <qualified quoted name>" (the position, three digits, orders the types as they must
// be made): "ENUM (<labels>)" or "DOMAIN <what follows AS in CREATE DOMAIN>".
TARVELIN_EXPORT std::string type_option_key(int position, std::string_view schema, std::string_view name);
// Such a type's comment: the option "TYPE_COMMENT.<qualified quoted name>".
TARVELIN_EXPORT std::string type_comment_key(std::string_view schema, std::string_view name);
// The types of a table's options in their order: the qualified quoted name of each,
// its statement (CREATE TYPE ... AS ENUM or CREATE DOMAIN ..., without semicolon) and
// its comment statement when it has a comment.
struct UserType {
    std::string name;
    std::string statement;
    std::string comment;
};
TARVELIN_EXPORT std::vector<UserType> user_types(const std::vector<std::pair<std::string, std::string>>& options);
TARVELIN_EXPORT std::string sequence_option(std::string_view table_schema, std::string_view sequence_schema,
                                            std::string_view sequence, std::string_view parameters);
struct SequenceOption {
    std::string schema;  // empty: the table's own
    std::string name;
    std::string parameters;
};
// The option read back; none when it does not start with a quoted name.
TARVELIN_EXPORT std::optional<SequenceOption> parse_sequence_option(std::string_view option);

// The identity text of a column: GENERATED ALWAYS or GENERATED BY DEFAULT, and when its
// sequence differs from the one the server makes by default (name <table>_<column>_seq,
// start, increment, bounds of the column's type, no cycle), the whole clause
// GENERATED ... AS IDENTITY (<the options that differ>).
TARVELIN_EXPORT std::string identity_text(std::string_view generation, std::string_view table,
                                          std::string_view column, std::string_view sequence,
                                          const SequenceParameters& p);

// ---------------------------------------------------------------- accounts

// An account name as an access-list item writes it: bare when it is ASCII letters,
// digits and "_", otherwise between double quotes with its double quotes doubled.
TARVELIN_EXPORT std::string acl_name(std::string_view name);
// E'%...%' matching the account's name wherever it stands in the text form of an
// access-list array (the array's own quoting included), escaped for LIKE and for the
// E-string: its %, _ and backslashes match only themselves.
TARVELIN_EXPORT std::string acl_pattern(std::string_view name);
// Memberships of the account in both directions: role, member, admin option.
TARVELIN_EXPORT std::string memberships_query(std::string_view name);
// The privilege queries of an account, in reading order: databases, tablespaces,
// schemas, relations, columns, routines, languages, foreign servers, foreign-data
// wrappers. Without routine kinds (`kinds` false) the routine query takes its kind
// from proisagg.
TARVELIN_EXPORT std::vector<std::string> privilege_queries(std::string_view name, bool kinds);

TARVELIN_EXPORT std::string routine_query(std::string_view schema, std::optional<std::string_view> routine,
                                          bool kinds);
// Qualified names of the given type oids (decimal texts); empty without oids.
TARVELIN_EXPORT std::string type_names_query(const std::vector<std::string>& oids);
// Qualified names of every type the schema's routines take or return as parameters.
TARVELIN_EXPORT std::string schema_type_names_query(std::string_view schema);

}  // namespace tarvelin::rezezadovu::supports::database::postgresql
