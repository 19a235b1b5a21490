// What every MySQL dialect object shares: quoting names and values into MySQL texts,
// account names, small text helpers, and running catalogue queries through the
// connection that made the object.
//
// Every name goes into SQL between backquotes with the backquote doubled, every value
// between single quotes with the quote doubled and the backslash escaped (MySQL reads a
// backslash in a string as an escape unless NO_BACKSLASH_ESCAPES is set). So no name or
// value can end its quotes early in either mode; under NO_BACKSLASH_ESCAPES a value's
// backslashes would read doubled.
//
// Thread-safe: stateless.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "providers/contracts/model_table.hpp"
#include "rezezadovu/contracts/database/iconnection.hpp"

namespace tarvelin::rezezadovu::supports::database::mysql {

using providers::contracts::TableModel;
using providers::contracts::ValueObject;
using IConnection = contracts::database::IConnection;

// ---- quoting

// `name`, with backquotes inside doubled.
std::string backquoted(std::string_view name);
// `schema`.`name`.
std::string qualified(std::string_view schema, std::string_view name);
// 'text', with single quotes doubled and backslashes escaped.
std::string quoted(std::string_view text);
// The inside of quoted(): the text escaped, without the quotes.
std::string escaped(std::string_view text);
// '%text%' ESCAPE '!' for LIKE: the text's own % and _ match only themselves.
std::string like_containing(std::string_view text);

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

// ---- texts

std::string ascii_upper(std::string_view text);
bool contains(std::string_view text, std::string_view part);
bool starts_with(std::string_view text, std::string_view prefix);
bool ends_with(std::string_view text, std::string_view suffix);
// Without leading and trailing white space.
std::string trimmed(std::string_view text);
// The text split at every `separator`, each part kept as it is.
std::vector<std::string> split(std::string_view text, char separator);
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

// ---- connection

// The connection, or the error that it is gone.
gobj::Ref<IConnection> require(gobj::Ref<IConnection> connection);
// A synchronous query through the connection's own execution (so it is logged), with the
// flag FALSE. The connection's error is thrown unchanged.
gobj::Ref<TableModel> query_model(const gobj::Ref<IConnection>& connection, const std::string& sql);
gobj::Ref<ValueObject> query_scalar(const gobj::Ref<IConnection>& connection, const std::string& sql);
// The connection's version text ("" before any, or without a connection).
std::string version_of(const gobj::Ref<IConnection>& connection);
// The connection's statement and inspector (new references), or none.
gobj::Ref<contracts::database::IStatement> statement_of(const gobj::Ref<IConnection>& connection);
gobj::Ref<contracts::database::IInspectable> inspector_of(const gobj::Ref<IConnection>& connection);

// ---- results

int row_count(const TableModel& table);
int column_count(const TableModel& table);
// The text form of a cell; "" for an SQL NULL and outside the table.
std::string cell(const TableModel& table, int column, int row);
bool cell_is_null(const TableModel& table, int column, int row);
// A cell's text read as a number ("" and text that is not one read as 0).
guint64 cell_unsigned(const TableModel& table, int column, int row);
// The position of the result column named `name`, or -1.
int column_named(const TableModel& table, std::string_view name);
// The text form of a value; "" for none and for an SQL NULL.
std::string text_of(const gobj::Ref<ValueObject>& value);

}  // namespace tarvelin::rezezadovu::supports::database::mysql
