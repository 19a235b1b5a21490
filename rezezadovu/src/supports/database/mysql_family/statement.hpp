// The statement operations the MySQL family (MySQLStatement, MariaDBStatement) shares:
// the connection text for the driver, listings over information_schema and SHOW
// statements, sources, content pages, account detail and rights, grants, renames, drops
// and explains. Each override tests its arguments in order, then writes its out columns,
// then its text.
//
// A C++ base only: each product registers its own class (parent Statement) over it, and
// overrides what its server answers differently.
//
// The family's one way to write names and values into SQL is quoted() and literal(),
// which quote_identifier and pack_value use too, and which every builder, reader,
// explorer and catalogue text of the family calls. Every name goes between backquotes
// with the backquote doubled, every value between single quotes with the quote doubled
// and the backslash escaped (MySQL reads a backslash in a string as an escape unless
// NO_BACKSLASH_ESCAPES is set). So no name or value can end its quotes early in either
// mode; under NO_BACKSLASH_ESCAPES a value's backslashes would read doubled.
//
// Runs nothing. Thread-safe: holds only its (weak) connection link.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/statement.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLFamilyStatement : public Statement {
public:
    // `name`, with backquotes inside doubled.
    static std::string quoted(std::string_view name);
    // `schema`.`name`.
    static std::string quoted(std::string_view schema, std::string_view name);
    // 'text', with single quotes doubled and backslashes escaped.
    static std::string literal(std::string_view text);

    Text build_connection_string(Server* server) override;
    Text show_databases(gint* name_column) override;
    Text change_database(const char* database) override;
    Text show_tables(const char* database, const char* user_schema, gint* name_column) override;
    Text show_views(const char* database, const char* user_schema, gint* name_column) override;
    Text show_table_spaces(const char* database, gint* name_column) override;
    Text show_table_schemas(const char* database, gint* name_column) override;
    Text show_checks(const char* database, const char* user_schema, gint* name_column) override;
    Text show_foreigns(const char* database, const char* user_schema, gint* name_column) override;
    Text show_uniques(const char* database, const char* user_schema, gint* name_column) override;
    Text show_indexes(const char* database, const char* user_schema, gint* name_column) override;
    Text show_triggers(const char* database, const char* user_schema, gint* name_column) override;
    Text show_functions(const char* database, const char* user_schema, gint* name_column) override;
    Text show_procedures(const char* database, const char* user_schema, gint* name_column) override;
    Text call_function(const char* database, const char* user_schema, const char* function,
                       const char* parameters) override;
    Text call_procedure(const char* database, const char* user_schema, const char* procedure,
                        const char* parameters) override;
    // A user's source is "SHOW CREATE USER `user`@`host`;" in column 0.
    Text show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                     gint* source_column) override;
    Text show_structure(const char* database, const char* user_schema, const char* table, gint* name_column) override;
    Text show_content(const char* database, const char* user_schema, const char* table, const char* columns,
                      const char* where, const char* order, gint64 offset, gint limit) override;
    Text show_users(const char* database, const char* user_schema, gint* name_column) override;
    Text show_roles(const char* database, const char* user_schema, gint* name_column) override;
    Text show_user_detail(const char* database, const char* user_schema, const char* username) override;
    Text show_role_detail(const char* database, const char* user_schema, const char* rolename) override;
    Text show_user_rights(const char* database, const char* user_schema, const char* username) override;
    Text show_role_rights(const char* database, const char* user_schema, const char* rolename) override;
    Text grant_user_rights(const char* database, const char* user_schema, const char* username, const char* object,
                           const char* rights) override;
    Text revoke_user_rights(const char* database, const char* user_schema, const char* username, const char* object,
                            const char* rights) override;
    Text show_privileges(gint* name_column, gint* context_column) override;
    Text flush_privileges() override;
    Text show_effected(const char* database, const char* user_schema, const char* table, const char* where) override;
    Text show_relations(const char* database, const char* user_schema, const char* table) override;
    Text rename_object(DBObject type, const char* database, const char* user_schema, const char* old_name,
                       const char* new_name) override;
    Text drop_object(DBObject type, const char* database, const char* user_schema, const char* object_name,
                     const char* object_target) override;
    Text empty_table(const char* database, const char* user_schema, const char* table) override;
    Text build_explain(const char* statement, const char* format) override;
    Text build_analyze(const char* statement, const char* format) override;
    // quoted(): `identifier`, or `schema`.`identifier` when a schema is given.
    Text quote_identifier(const char* identifier, const char* schema) override;
    // Numbers and booleans bare, blobs as X'..', any other value through literal().
    Text pack_value(DataType type, const char* value) override;

    // A copied key of 0 stays 0 (the server would count it anew): while a table with a
    // counting column fills, the session's mode holds NO_AUTO_VALUE_ON_ZERO, and then the
    // mode it had again.
    CopySession copy_session(const CopyTarget& target) override;
    // A multi-row INSERT into an InnoDB table (the engine tables are made with) under a
    // strict mode fails whole; engine and mode are read through the connection.
    int copy_rows_per_insert(const CopyTarget& target) override;
    // Only InnoDB rolls back what it wrote.
    bool copy_in_transaction(const CopyTarget& target) override;

    // The text that shows an object's source and the column that holds it.
    struct Source {
        std::string text;
        int column;
    };

protected:
    // A listing's text after its argument test passed: the names' column, then the text.
    static Text listing(gint* name_column, gint column, std::string text);

    // The texts the products share, as plain functions of arguments already tested for
    // presence. Column lists, conditions, orders, rights, grant objects and parameter
    // lists are the caller's SQL and go in as given.
    //
    // "" and 1 for a kind without a source; a user's source is its CREATE USER text.
    static Source source_of(DBObject kind, std::string_view user_schema, std::string_view name);
    // "SHOW CREATE <what> `user_schema`.`name`;"
    static std::string show_create(std::string_view what, std::string_view user_schema, std::string_view name);
    static std::string drop_text(DBObject kind, std::string_view user_schema, std::string_view object_name,
                                 std::string_view object_target);
    // "<head> <statement>;" or "<head> FORMAT=<format> <statement>;" (format empty or not).
    static std::string explained(std::string_view head, std::string_view statement, std::string_view format);
    // GRANT and REVOKE to or from a grantee already written as SQL (an account, a role).
    static std::string grant_rights(std::string_view grantee, std::string_view object, std::string_view rights);
    static std::string revoke_rights(std::string_view grantee, std::string_view object, std::string_view rights);
};

}  // namespace tarvelin::rezezadovu::supports::database

// What every file of the MySQL family shares besides the statement: account names, small
// text helpers and pattern matches, and the dialects' query and result helpers.
namespace tarvelin::rezezadovu::supports::database::mysql_family {

using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using IConnection = contracts::database::IConnection;

// The column attribute holding the prefix length of a primary key on the column (a key
// on a BLOB or TEXT column indexes only a prefix); the readers set it, the builders write it.
inline constexpr const char* kPrimaryPrefix = "PRIMARY_PREFIX";

// ---- accounts

// An account name "user@host" split at "@" (a third part is dropped); a name without
// "@" is the user, with the host "%".
struct Account {
    std::string user;
    std::string host;
};
Account split_account(std::string_view name);
// `user`@`host` of split_account.
std::string account(std::string_view name);
// `user`@`host` of an account name, or `name` alone for a name without "@" (a role).
std::string account_or_role(std::string_view name);

// ---- texts

using dialect::ascii_upper;
bool contains(std::string_view text, std::string_view part);
bool starts_with(std::string_view text, std::string_view prefix);
bool ends_with(std::string_view text, std::string_view suffix);
// Without leading and trailing white space.
std::string trimmed(std::string_view text);
// The text split at every `separator`, each part kept as it is.
std::vector<std::string> split(std::string_view text, char separator);
// Whether `text` is one of `list`.
bool listed(const std::vector<std::string>& list, std::string_view text);
// A NULL text as "".
inline std::string text(const char* s) { return s ? s : ""; }
// Drops the last `n` characters (all of them when the text is shorter).
void cut(std::string& text, size_t n);

// ---- patterns

// One match of a pattern over a text it keeps; empty texts for groups that took no part.
class RegexMatch {
public:
    RegexMatch(GRegex* pattern, std::string text);
    ~RegexMatch();
    RegexMatch(const RegexMatch&) = delete;
    RegexMatch& operator=(const RegexMatch&) = delete;
    explicit operator bool() const { return matched_; }
    std::string named(const char* group) const;
    // The next match in the text; false when there is none.
    bool next();

private:
    std::string text_;
    GMatchInfo* info_ = nullptr;
    bool matched_ = false;
};

// ---- connection and results: the dialects' shared helpers

using dialect::inspector_of;
using dialect::query_model;
using dialect::require;
using dialect::statement_of;
using dialect::text_of;
using dialect::version_of;

}  // namespace tarvelin::rezezadovu::supports::database::mysql_family
