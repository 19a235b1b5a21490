// The tokens of an SQL text as one dialect family reads it, for checking that a layout
// changed nothing but the white space between tokens and the letter case of keywords:
// literals, quoted names, dollar-quoted bodies and comments are one token each, byte for
// byte; words are tokens, in upper case when they are keywords the formatter writes;
// numbers are tokens; every other character is a token of its own. White space is dropped.
//
//   for (SqlReading r : kSqlReadings) EXPECT_EQ(sql_tokens(out, r), sql_tokens(in, r));
//
// Header only: the formatter's fuzz target uses it without the test support library.
#pragma once

#include <glib.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelin::test {

enum class SqlReading { kPostgreSQL, kMySQL, kSQLServer, kSQLite };
inline constexpr std::array<SqlReading, 4> kSqlReadings{SqlReading::kPostgreSQL, SqlReading::kMySQL,
                                                        SqlReading::kSQLServer, SqlReading::kSQLite};

inline const char* sql_reading_name(SqlReading r) {
    switch (r) {
        case SqlReading::kPostgreSQL: return "PostgreSQL";
        case SqlReading::kMySQL: return "MySQL";
        case SqlReading::kSQLServer: return "SQL Server";
        default: return "SQLite";
    }
}

namespace sql_tokens_detail {

inline bool word_start(unsigned char c) { return g_ascii_isalpha(c) || c == '_' || c >= 0x80; }
inline bool word_char(unsigned char c) { return g_ascii_isalnum(c) || c == '_' || c == '$' || c >= 0x80; }

// The keywords the formatter may write in upper case.
inline bool keyword(const std::string& upper) {
    static const char* const words[] = {"ALL",  "AND",    "AS",    "ASC",   "BETWEEN", "BY",    "CASE",     "CROSS",
                                        "DESC", "DISTINCT", "ELSE", "END",  "EXISTS",  "FROM",  "GROUP",    "HAVING",
                                        "IN",   "INNER",  "JOIN",  "LEFT",  "LIKE",    "NOT",   "NULL",     "ON",
                                        "OR",   "ORDER",  "OVER",  "RIGHT", "SELECT",  "THEN",  "UNION",    "USING",
                                        "WHEN", "WHERE",  "WITH"};
    for (const char* w : words)
        if (upper == w) return true;
    return false;
}

// The end of a text quoted by `q` from `at`, the quote doubled inside or, with
// `backslashes`, escaped; the end of the text when it is not closed.
inline size_t quoted(std::string_view s, size_t at, char q, bool backslashes) {
    const char stops[] = {q, '\\'};
    const std::string_view stop(stops, backslashes ? 2 : 1);
    for (size_t i = s.find_first_of(stop, at + 1); i != std::string_view::npos; i = s.find_first_of(stop, i)) {
        // An escaped character, or the quote doubled: both stay inside.
        if (s[i] == '\\' || s.substr(i + 1, 1) == std::string_view(&q, 1)) {
            i += 2;
            continue;
        }
        return i + 1;
    }
    return s.size();
}

}  // namespace sql_tokens_detail

inline std::vector<std::string> sql_tokens(std::string_view s, SqlReading reading) {
    using namespace sql_tokens_detail;
    const bool pg = reading == SqlReading::kPostgreSQL, my = reading == SqlReading::kMySQL;
    const bool brackets = reading == SqlReading::kSQLServer || reading == SqlReading::kSQLite;
    const bool backquotes = my || reading == SqlReading::kSQLite;
    const bool nested = pg || reading == SqlReading::kSQLServer;
    std::vector<std::string> out;
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const char next = i + 1 < s.size() ? s[i + 1] : '\0';
        size_t end = i + 1;
        // As the formatter's patterns read white space (\s), the vertical tab included.
        if (g_ascii_isspace(c) || c == '\v') {
            ++i;
            continue;
        }
        if (c == '\'' || c == '"') {
            end = quoted(s, i, char(c), my);
        } else if (c == '`' && backquotes) {
            end = quoted(s, i, '`', false);
        } else if (c == '[' && brackets) {
            end = quoted(s, i, ']', false);
        } else if ((c == '-' && next == '-' &&
                    (!my || i + 2 >= s.size() || static_cast<unsigned char>(s[i + 2]) <= ' ')) ||
                   (c == '#' && my)) {
            end = s.find('\n', i);
            if (end == std::string_view::npos) end = s.size();
        } else if (c == '/' && next == '*') {
            int depth = 0;
            end = s.size();
            for (size_t j = i; j + 1 < s.size(); ++j) {
                if (s[j] == '/' && s[j + 1] == '*' && (nested || depth == 0)) {
                    ++depth;
                    ++j;
                } else if (s[j] == '*' && s[j + 1] == '/') {
                    ++j;
                    if (--depth == 0) {
                        end = j + 1;
                        break;
                    }
                }
            }
        } else if (c == '$' && pg && (i == 0 || !word_char(static_cast<unsigned char>(s[i - 1]))) &&
                   !g_ascii_isdigit(next)) {
            size_t t = i + 1;
            while (t < s.size() && word_char(static_cast<unsigned char>(s[t])) && s[t] != '$') ++t;
            if (t < s.size() && s[t] == '$') {
                std::string_view tag = s.substr(i, t + 1 - i);
                size_t close = s.find(tag, t + 1);
                end = close == std::string_view::npos ? s.size() : close + tag.size();
            }
        } else if (word_start(c)) {
            end = i;
            while (end < s.size() && word_char(static_cast<unsigned char>(s[end]))) ++end;
            std::string word(s.substr(i, end - i));
            gchar* upper = g_ascii_strup(word.c_str(), -1);
            if (keyword(upper)) word = upper;
            g_free(upper);
            out.push_back(std::move(word));
            i = end;
            continue;
        } else if (g_ascii_isdigit(c)) {
            // Digits, a point and digits, an exponent only with its digits ("1e-5", not "1e--");
            // letters after them start a word.
            auto digits = [&](size_t k) {
                while (k < s.size() && g_ascii_isdigit(s[k])) ++k;
                return k;
            };
            end = digits(i);
            if (end < s.size() && s[end] == '.') end = digits(end + 1);
            if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
                size_t k = end + 1;
                if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
                if (k < s.size() && g_ascii_isdigit(s[k])) end = digits(k);
            }
        }
        out.emplace_back(s.substr(i, end - i));
        i = end;
    }
    return out;
}

}  // namespace tarvelin::test
