// The pieces of the MySQL family's catalogue readers (MySQL, MariaDB) that turn server
// answers into catalogue objects: marks, attribute maps, the texts the readers parse
// (index kinds, view statements, routine and trigger bodies, table status, grant lines,
// role edges), and the catalogue reads both products answer alike. Kept apart from the
// readers' marks and sequence so each can be tested on its own texts.
//
// Thread-safe: stateless; the compiled patterns are made once and only read.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "rezezadovu/contracts/database/iconnection.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"

namespace tarvelin::rezezadovu::supports::database::mysql_family {

// ---- marks and maps

bool is_filled(meta_model::MetaObject& object);
void mark_filled(meta_model::MetaObject& object);
void set_attribute(meta_model::MetaObject& object, const std::string& key, const std::string& value);
void clear_map(GeeHashMap* map);
std::string joined(const std::vector<std::string>& parts, const std::string& separator);

// ---- texts the readers parse

// "UNIQUE" when NON_UNIQUE reads "0" (8.0 sends INT, 5.7 and MariaDB BIGINT); otherwise
// "FULLTEXT" or "SPATIAL" when the index type says so; otherwise `otherwise`.
std::string index_kind(const std::string& non_unique, const std::string& index_type, const std::string& otherwise);
// A trigger's statement without white space around it and without a BEGIN ... END around it.
std::string trigger_body(const std::string& statement);
// A routine's definition without a leading BEGIN and a trailing END (white space kept).
std::string routine_body(const std::string& definition);
// A SHOW CREATE VIEW statement into the view's definition and its "ALGORITHM",
// "DEFINER", "SECURITY" and "CHECK" attributes; a statement the pattern does not read
// becomes the whole definition.
void set_view_statement(meta_model::MetaView& view, const std::string& statement);
// A row of SHOW TABLE STATUS into the table's options (engine, character set, collation
// and the create options) and comment.
void set_table_status(meta_model::MetaTable& table, const dialect::CatalogRows::Row& row);
// Create options ("ROW_FORMAT=DYNAMIC PARTITIONED") into the options map, keys and values
// upper-cased; a part without "=" gets no value, an empty part is skipped.
void set_create_options(GeeHashMap* options, const std::string& create_options);
// Row 0 of the account detail query into the account's password and attributes;
// max_statement_time (MariaDB's) when the detail has it, and the password and lock state
// columns of newer servers as "NULL", "NULL" and "N" when it has not.
void set_user_detail(meta_model::MetaUser& user, const dialect::CatalogRows& detail);
// SHOW GRANTS lines into a privileges map: object (without backquotes) to rights, two
// lines on one object joined with ", ", WITH GRANT OPTION adding ", GRANT OPTION".
// Lines of other shapes (role grants, column rights, PROXY) are skipped.
void add_grants(GeeHashMap* privileges, const std::vector<std::string>& lines);

// ---- account queries

enum class AccountText { user_detail, role_detail, rights, role_rights };
// The connection statement's text for the account object (its database, schema, name).
std::string account_text(const gobj::Ref<contracts::database::IStatement>& statement, AccountText which,
                         meta_model::MetaObject& account);
// Runs the SHOW GRANTS text and adds its lines to the privileges map.
void read_privileges(const gobj::Ref<IConnection>& connection, const std::string& sql, GeeHashMap* privileges);

// ---- catalogue reads the family shares. Each appends to (or sets) what it reads and
// marks nothing; a query error is thrown unchanged. Those returning bool log a critical
// naming the row count they needed and give false when the catalogue has no such object.
// Given `reading` (a deep read of the object's schema), a read takes the object's share
// of a query for the whole schema instead of its own query.

// The object's rows of one kind: its share of the result of `all` while `reading` reads
// `schema` (rows told apart by `key_column`), else the result of `one`.
dialect::ObjectRows object_rows(const gobj::Ref<IConnection>& connection, dialect::SchemaRows* reading,
                                const std::string& schema, const std::string& key, std::string_view kind,
                                std::string_view key_column, const std::string& one,
                                const std::function<std::string()>& all);

// The schema's tables, views, functions, procedures and events, appended to its lists.
void list_schema(const gobj::Ref<IConnection>& connection, meta_model::MetaSchema& schema);
// How the products read a column.
struct ColumnRules {
    // MariaDB: enum-values are the text between the first "(" and the last ")" of an
    // enum or set type.
    bool mariadb = false;
};
// The table's columns from information_schema.COLUMNS, typed by the connection's
// inspector: an integer's display width and a BIT's width as length, "zerofill" as
// is-fill-zero, "on update current_timestamp" in any case as update-timestamp, and
// primary-ordinal the column's place in the primary key (counted in column order where the
// query does not join the key's rows).
void read_columns(const gobj::Ref<IConnection>& connection, meta_model::MetaTable& table, ColumnRules rules,
                  dialect::SchemaRows* reading = nullptr);
// SHOW INDEX: one index per key name but PRIMARY (whose Seq_in_index is each key
// column's primary-ordinal), its columns in key order.
void read_indexes(const gobj::Ref<IConnection>& connection, meta_model::MetaTable& table,
                  dialect::SchemaRows* reading = nullptr);
// An index entry of a column as the builders read it back: "name", "name(8)" with a
// prefix length, " DESC" after it for a descending part (collation "D").
std::string key_entry(const std::string& column, const std::string& prefix, const std::string& collation);
// An index entry of a functional key part: the expression in parentheses, " DESC" after
// it for a descending part.
std::string functional_entry(const std::string& expression, const std::string& collation);
// The table's triggers; with `owned` each also gets the table's database and schema, the
// table as its target, and its DEFINER.
void read_table_triggers(const gobj::Ref<IConnection>& connection, meta_model::MetaTable& table, bool owned,
                         dialect::SchemaRows* reading = nullptr);
// One foreign key per constraint, its columns joined with ", " in key order.
void read_foreign_keys(const gobj::Ref<IConnection>& connection, meta_model::MetaTable& table,
                       dialect::SchemaRows* reading = nullptr);
// SHOW CREATE VIEW into the view's definition and attributes.
bool read_view(const gobj::Ref<IConnection>& connection, meta_model::MetaView& view);
// The trigger's table, definer, timing, event, row orientation and body.
bool read_trigger(const gobj::Ref<IConnection>& connection, meta_model::MetaTrigger& trigger);
// The routine's kind, return type, attributes and body, and its parameters appended.
bool read_routine(const gobj::Ref<IConnection>& connection, meta_model::MetaFunction& function,
                  dialect::SchemaRows* reading = nullptr);
// The event's definer, body, kind, schedule, state, completion and comment; with
// `unwrap` the body loses a BEGIN ... END around it, as a routine's does (the builders
// write one around every event body, so a copied event reads as the original).
bool read_event(const gobj::Ref<IConnection>& connection, meta_model::MetaEvent& event, bool unwrap = false,
                dialect::SchemaRows* reading = nullptr);
// The fill of the object's kind through the reader's own operations (so a subclass's
// override runs): database, schema and table with `deep`; event, function, index, role,
// trigger, user and view; procedures only `with_procedures`; other kinds read nothing.
void fill_by_kind(contracts::database::IAdaptable& reader, meta_model::MetaObject& object, bool deep,
                  bool with_procedures);

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
