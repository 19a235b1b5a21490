// What every MySQL-family dialect object (MySQL, MariaDB) shares: quoting names and
// values into MySQL texts, account names and small text helpers; the query and result
// helpers of every dialect (dialect_support.hpp) are named here too.
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

#include "rezezadovu/supports/database/dialect_support.hpp"

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

using dialect::cell;
using dialect::cell_is_null;
using dialect::cell_unsigned;
using dialect::column_count;
using dialect::column_named;
using dialect::inspector_of;
using dialect::query_model;
using dialect::query_scalar;
using dialect::require;
using dialect::row_count;
using dialect::statement_of;
using dialect::text_of;
using dialect::version_of;

}  // namespace tarvelin::rezezadovu::supports::database::mysql
