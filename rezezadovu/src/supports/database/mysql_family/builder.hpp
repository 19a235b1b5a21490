// The DDL the MySQL family's builders (MySQL, MariaDB) write alike: change states of a
// table's members, table options and the table script around its entries, trigger
// statements, views, routines and the text calling one, triggers, events, TLS and
// password clauses of accounts, database changes, drops, and the dispatch by kind.
// Names are backquoted and values quoted (mysql_family/statement.hpp), and so are the
// index entries that name a column (key_part); expressions, bodies, defaults and option
// values are SQL and are written as stored.
//
// Thread-safe: stateless; the parameter pattern is compiled once and only read.
#pragma once

#include <string>
#include <vector>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/supports/database/mysql_family/statement.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"

namespace tarvelin::rezezadovu::supports::database::mysql_family {

using Text = contracts::database::Text;

// ---- change states of a table's members

// Whether a member is written as an entry: a create text writes every member but the
// deleted ones; an alter text only the added and changed ones (an unchanged or uncompared
// member written without ADD or CHANGE would be invalid, or a duplicate).
bool written(meta_model::MetaObject& member, bool alter);
// Whether a member gets a drop line: deleted, or (`with_update`) changed and written again.
bool dropped(meta_model::MetaObject& member, bool with_update);

// The table's constraints of one class, in list order.
template <class T>
std::vector<gobj::Ref<T>> constraints_of(meta_model::MetaTable& table) {
    std::vector<gobj::Ref<T>> found;
    for (auto constraint : gobj::GeeArray<meta_model::MetaConstraint>::wrap(table.get_constraints()))
        if (auto* typed = dynamic_cast<T*>(constraint.get())) found.push_back(gobj::Ref<T>(*typed));
    return found;
}

// ---- small texts

// "`a`, `b`" from a column list "a, b" (split at ",", each part trimmed).
std::string column_list(const std::string& columns);
// An index entry as a key part: the column an entry names quoted, with its prefix length
// and order after it ("a(10) DESC" as "`a`(10) DESC"), so that no column name, however it
// is spelt, can end the list; a functional key part "(a + 1)" and an entry quoted
// already as written. With `table`, an entry that names none of its columns and is no
// plain name is an expression, written as it is; without one, every other entry names a
// column.
std::string key_part(const std::string& entry, meta_model::MetaTable* table);
// ";" when a body's last statement lacks its semicolon, else "".
std::string terminated(const std::string& body);
// An authentication plugin's name: a plain word as it is, anything else quoted.
std::string plugin_name(const std::string& plugin);
// A number attribute as digits: missing or unreadable values are 0.
std::string number_of(const gobj::StringMap& attributes, const char* key);
std::string printf_text(const char* format, auto... args) {
    return gobj::take_string(g_strdup_printf(format, args...));
}

// ---- tables

// An option's value as a table option clause writes it: quoted for COMPRESSION,
// DATA DIRECTORY, INDEX DIRECTORY and ENCRYPTION (once, when it came back quoted), as
// given otherwise.
std::string option_value(const std::string& key, const std::string& value);
// The table options in the map's order, then the comment: "K = v K = v COMMENT = 'c'"
// for a create text (the table's comment), "    K = v, COMMENT = 'c'" for an alter text
// (the "COMMENT" option), stripped.
std::string table_options(meta_model::MetaTable& table, bool alter);
// "    PRIMARY KEY (`b`, `a`(8)),\n": the key columns not being deleted in the key's own
// order ("primary-ordinal"; columns without one after those with one, each group in
// column order), each with its prefix length (attribute kPrimaryPrefix); "" for a table
// without a key.
std::string primary_key_entry(meta_model::MetaTable& table);
// The table's triggers as statements after the table's: drop lines (alter texts) and
// CREATE TRIGGER statements of the members written, then a blank line.
std::string trigger_statements(meta_model::MetaTable& table, bool alter);
// A column's type with its size: "VARCHAR(12)", "DECIMAL(10, 2)", "DATETIME(3)",
// "TINYINT(1)", "ENUM('a','b')". `translated`: the type was chosen for the column's
// DataType (a column of another product), and a type is widened, never narrowed: text
// without a length or longer than a row holds becomes LONGTEXT, bytes LONGBLOB, a number
// no DECIMAL holds LONGTEXT, a boolean of several bits (BIT(8) read as BOOLEAN) BIT(n),
// and an integer's length is no display width.
std::string sized_type(meta_model::MetaColumn& column, const std::string& type, bool translated);
// How a product writes a table's members.
struct TableStyle {
    // MariaDB: a single key column carries PRIMARY KEY inline (several make one entry); a
    // generated column says neither NULL nor NOT NULL; an index's USING comes before its
    // columns; a foreign key
    // is CONSTRAINT FOREIGN KEY `name`(...), naming a table of another schema with it.
    bool mariadb = false;
    // Checks say ENFORCED or NOT ENFORCED (MySQL 8 only).
    bool enforced_words = false;
};
// The CREATE TABLE script of the table (alter: its ALTER TABLE script, see table_script).
// Columns are typed by their raw types (`raw_types`, and always when altering), else by
// the connection's inspector for their DataType.
std::string table_text(meta_model::MetaTable& table, const gobj::Ref<IConnection>& connection, bool raw_types,
                       bool alter, const TableStyle& style);
// The CREATE TABLE (or ALTER TABLE) script around the entries: `clauses` is the entries'
// lines, each ending ",\n". An alter text with no entry and no option is only its
// trigger statements ("" when there are none).
std::string table_script(meta_model::MetaTable& table, std::string clauses, bool alter);

// ---- other objects

std::string view_text(meta_model::MetaView& view, bool alter);
std::string routine_text(meta_model::MetaFunction& function);
std::string trigger_text(meta_model::MetaTrigger& trigger);
std::string event_text(meta_model::MetaEvent& event, bool alter);
// "SELECT `schema`.`f`(args)" or "CALL `schema`.`p`(args)", after a "SET @name = value;"
// line for each INOUT parameter; a declaration the pattern cannot read is called with
// "_" and listed in `unmatched`.
struct Caller {
    std::string text;
    std::vector<std::string> unmatched;
};
Caller caller_text(meta_model::MetaFunction& function);
// The account's TLS requirement ("REQUIRE SSL ", "REQUIRE ISSUER '...' AND ... ", or "").
std::string tls_clause(const gobj::StringMap& attributes);
// The account's password expiry ("PASSWORD EXPIRE NEVER ", ..., or "").
std::string expiry_clause(const gobj::StringMap& attributes);
// ALTER DATABASE for the character set, collation and comment that changed; "" when none
// did. An attribute the new database lacks is left as it is.
std::string alter_database_text(meta_model::MetaDatabase& database_old, meta_model::MetaDatabase& database_new);
// DROP ... IF EXISTS of the object (an index ON its table; users and roles as accounts);
// a schema's contents, its events too when `schema_events`.
std::string drop_text(meta_model::MetaObject& object, bool schema_events);

// ---- dispatch by kind, through the builder's own operations (so a subclass's override
// runs); procedures are built as functions only `with_procedures`.
Text create_by_kind(SqlBuilder& builder, meta_model::MetaObject& object, bool raw_types, bool with_procedures);
Text patch_by_kind(SqlBuilder& builder, meta_model::MetaObject& object, bool raw_types, bool with_procedures);

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
