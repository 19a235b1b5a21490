#include "rezezadovu/supports/database/sqlite/catalog.hpp"

#include <glib.h>

#include "providers/gobj/convert.hpp"
#include "providers/gobj/log.hpp"
#include "rezezadovu/supports/database/sqlite/statement.hpp"

TARVELIN_LOG_TAG("sqlite_catalog")

namespace tarvelin::rezezadovu::supports::database::sqlite {

namespace {

constexpr size_t npos = std::string::npos;

bool is_word(char c) { return g_ascii_isalnum(c) || c == '_' || c == '$' || (static_cast<unsigned char>(c) & 0x80); }

// The end (excluded) of the quoted span opening at `i`, or the end of the text.
size_t quoted_end(std::string_view s, size_t i) {
    char close = s[i] == '[' ? ']' : s[i];
    for (size_t j = i + 1; j < s.size(); ++j) {
        if (s[j] != close) continue;
        if (close != ']' && j + 1 < s.size() && s[j + 1] == close) {
            ++j;
            continue;
        }
        return j + 1;
    }
    return s.size();
}

bool opens_quote(char c) { return c == '"' || c == '`' || c == '\'' || c == '['; }

struct Span {
    size_t start = npos, end = npos;
    explicit operator bool() const { return start != npos; }
};

// The first whole-word occurrence of `phrase` (words separated by single blanks, matched
// by any run of white space) in the masked text, at `from` or later.
Span find_phrase(std::string_view masked, std::string_view phrase, size_t from = 0) {
    for (size_t i = from; i < masked.size(); ++i) {
        if (i > 0 && is_word(masked[i - 1])) continue;
        size_t j = i, k = 0;
        bool ok = true;
        while (k < phrase.size()) {
            if (phrase[k] == ' ') {
                if (j >= masked.size() || !g_ascii_isspace(masked[j])) {
                    ok = false;
                    break;
                }
                while (j < masked.size() && g_ascii_isspace(masked[j])) ++j;
                ++k;
            } else if (j < masked.size() && masked[j] == phrase[k]) {
                ++j;
                ++k;
            } else {
                ok = false;
                break;
            }
        }
        if (ok && (j >= masked.size() || !is_word(masked[j]))) return {i, j};
    }
    return {};
}

// The last whole-word occurrence of one word at `from` or later.
Span rfind_word(std::string_view masked, std::string_view word, size_t from = 0) {
    Span last;
    for (Span s = find_phrase(masked, word, from); s; s = find_phrase(masked, word, s.start + 1)) last = s;
    return last;
}

// The position of the parenthesis that closes the one at `open`, or npos.
size_t closing_paren(std::string_view masked, size_t open) {
    int depth = 0;
    for (size_t i = open; i < masked.size(); ++i) {
        if (masked[i] == '(') ++depth;
        if (masked[i] == ')' && --depth == 0) return i;
    }
    return npos;
}

// Pieces of `text` between the commas outside parentheses.
std::vector<std::string> split_top(std::string_view text, std::string_view masked) {
    std::vector<std::string> out;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < masked.size(); ++i) {
        if (masked[i] == '(') ++depth;
        if (masked[i] == ')') --depth;
        if (masked[i] == ',' && depth == 0) {
            out.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    out.emplace_back(text.substr(start));
    return out;
}

std::string strip(std::string_view text) {
    size_t a = 0, b = text.size();
    while (a < b && g_ascii_isspace(text[a])) ++a;
    while (b > a && g_ascii_isspace(text[b - 1])) --b;
    return std::string(text.substr(a, b - a));
}

bool plain_identifier(std::string_view s) {
    if (s.empty() || !(g_ascii_isalpha(s[0]) || s[0] == '_')) return false;
    for (char c : s)
        if (!(g_ascii_isalnum(c) || c == '_')) return false;
    return true;
}

// The inside of a parenthesised text that starts the (stripped) text, or the text itself.
std::string inside_parens(const std::string& text) {
    if (text.empty() || text[0] != '(') return text;
    std::string masked = masked_upper(text);
    size_t close = closing_paren(masked, 0);
    if (close == npos) return text.substr(1);
    return strip(std::string_view(text).substr(1, close - 1));
}

struct Statement {
    std::string_view sql;
    std::string masked;
    long b;  // the first BEGIN, or -1
    std::string head;

    explicit Statement(std::string_view text) : sql(text), masked(masked_upper(text)) {
        Span begin = find_phrase(masked, "BEGIN");
        b = begin ? long(begin.start) : -1;
        head = slice(masked, 0, b - 1).value_or("");
    }
    bool has(std::string_view phrase) const { return bool(find_phrase(head, phrase)); }
    std::optional<std::string> cut(long start, long end) const { return slice(sql, start, end); }

    // The columns of UPDATE OF: from after OF to the head's last ON that follows.
    Read update_columns(std::string_view quotes) const {
        Span of = find_phrase(head, "UPDATE OF");
        if (!of) return std::nullopt;
        size_t start = of.end;
        if (start < sql.size() && g_ascii_isspace(sql[start])) ++start;
        Span on = rfind_word(head, "ON", start);
        long end = -1;
        if (on) end = long(on.start > 0 && g_ascii_isspace(sql[on.start - 1]) ? on.start - 1 : on.start);
        auto text = cut(long(start), end);
        if (!text) return std::optional<std::string>();
        return std::optional<std::string>(strip_plain_quotes(*text, quotes));
    }
    // The WHEN text: from after WHEN to the first BEGIN.
    Read when_text(bool stripped) const {
        Span when = find_phrase(head, "WHEN");
        if (!when) return std::nullopt;
        auto text = cut(long(when.start) + 5, b);
        if (text && stripped) text = strip(*text);
        return text;
    }
};

GRegex* compile(const char* pattern, int flags) {
    GError* error = nullptr;
    GRegex* r = g_regex_new(pattern, GRegexCompileFlags(flags), GRegexMatchFlags(0), &error);
    if (error) {
        tlog_critical("%s", error->message);
        g_error_free(error);
    }
    return r;
}

#define TARVELIN_SQL_QUOTED R"re("(?:[^"]|"")*"|`(?:[^`]|``)*`|\[[^\]]*\]|'(?:[^']|'')*')re"
#define TARVELIN_SQL_NAME "(?:" TARVELIN_SQL_QUOTED R"re(|[^\s("`'\[\];.,]+(?=[\s(.])))re"

GRegex* view_pattern() {
    static GRegex* const r = compile(
        R"re(\A\s*CREATE\s+(?:TEMP(?:ORARY)?\s+)?VIEW\s+(?:IF\s+NOT\s+EXISTS\s+)?)re"
        "(?:" TARVELIN_SQL_NAME R"re(\s*\.\s*)?)re" TARVELIN_SQL_NAME
        R"re(\s*(?:\((?:)re" TARVELIN_SQL_QUOTED R"re(|[^()"`'\[])*\)\s*)?AS(?![\w$])\s*(?<definition>[\s\S]*$))re",
        G_REGEX_CASELESS | G_REGEX_MULTILINE);
    return r;
}

GRegex* check_pattern() {
    static GRegex* const r = compile(
        R"re(CONSTRAINT\s*(?<name>)re" TARVELIN_SQL_QUOTED R"re(|[^\s"`'\[(]+)\s*CHECK(?<expr>.*))re", G_REGEX_MULTILINE);
    return r;
}

std::string named(GMatchInfo* info, const char* name) { return gobj::take_string(g_match_info_fetch_named(info, name)); }

// "<schema>".sqlite_master.
std::string master(std::string_view schema) { return SQLiteStatement::quoted(schema) + ".sqlite_master"; }

}  // namespace

// ---------------------------------------------------------------- queries

std::string encoding_query() { return "PRAGMA encoding;"; }
std::string query_only_query() { return "PRAGMA query_only;"; }

std::vector<PragmaValue> database_pragmas() {
    return {{encoding_query(), "encoding", "ENCODING"},
            {query_only_query(), "query_only", "READONLY"},
            {"PRAGMA temp_store;", "temp_store", "TEMP_STORE"},
            {"PRAGMA busy_timeout;", "timeout", "BUSY_TIMEOUT"}};
}

std::vector<PragmaValue> schema_pragmas(std::string_view schema) {
    std::vector<PragmaValue> out = {{"journal_mode", "journal_mode", "JOURNAL_MODE"},
                                    {"journal_size_limit", "journal_size_limit", "JOURNAL_SIZE_LIMIT"},
                                    {"locking_mode", "locking_mode", "LOCKING_MODE"},
                                    {"max_page_count", "max_page_count", "MAX_PAGE_COUNT"},
                                    {"page_count", "page_count", "PAGE_COUNT"},
                                    {"page_size", "page_size", "PAGE_SIZE"},
                                    {"schema_version", "schema_version", "SCHEMA_VERSION"}};
    for (auto& pragma : out) pragma.sql = "PRAGMA " + SQLiteStatement::quoted(schema) + "." + pragma.sql + ";";
    return out;
}

std::string database_list_query() { return "PRAGMA database_list;"; }

std::string schema_version_query(std::string_view schema) {
    return "PRAGMA " + SQLiteStatement::quoted(schema) + ".schema_version;";
}

std::string schema_objects_query(std::string_view schema) {
    return "SELECT name AS name, type AS type FROM " + master(schema) +
           " WHERE type in ('table', 'view') ORDER BY name ASC;";
}

std::string table_info_query(std::string_view schema, std::string_view table) {
    return "PRAGMA " + SQLiteStatement::quoted(schema) + ".table_info(" + SQLiteStatement::quoted(table) + ");";
}

std::string table_extras_query(std::string_view schema, std::string_view table) {
    const std::string m = master(schema);
    return "SELECT m.name AS name, (SELECT count(*) > 0 FROM " + m +
           " WHERE type = 'index' AND tbl_name = m.name) AS hasindexes, (SELECT count(*) > 0 FROM " + m +
           " WHERE type = 'trigger' AND tbl_name = m.name) AS hastriggers FROM " + m +
           " m WHERE m.type = 'table' AND m.name = " + SQLiteStatement::literal(table);
}

std::string table_indexes_query(std::string_view schema, std::string_view table) {
    return "SELECT name AS name, tbl_name AS tbl_name, sql AS sql FROM " + master(schema) +
           " WHERE type = 'index' AND tbl_name = " + SQLiteStatement::literal(table) +
           " AND sql IS NOT NULL AND sql != '' ORDER BY name, tbl_name ASC";
}

namespace {
// Triggers with whether their host is a view, under a filter on the trigger's table.
std::string triggers_where(std::string_view schema, const std::string& filter) {
    const std::string m = master(schema);
    return "SELECT m.name as name, m.tbl_name as tbl_name, v.vname NOTNULL as is_view, m.sql as sql FROM " + m +
           " m LEFT JOIN (SELECT name vname FROM " + m +
           " WHERE type = 'view') v ON m.tbl_name = v.vname WHERE type= 'trigger' AND " + filter +
           " ORDER BY name, tbl_name ASC";
}
}  // namespace

std::string table_triggers_query(std::string_view schema, std::string_view table) {
    return triggers_where(schema, "m.tbl_name = " + SQLiteStatement::literal(table));
}

std::string index_list_query(std::string_view schema, std::string_view table) {
    return "PRAGMA " + SQLiteStatement::quoted(schema) + ".index_list(" + SQLiteStatement::literal(table) + ");";
}

std::string index_columns_query(std::string_view schema, std::string_view index) {
    return "PRAGMA " + SQLiteStatement::quoted(schema) + ".index_info(" + SQLiteStatement::literal(index) + ");";
}

std::string foreign_keys_query(std::string_view schema, std::string_view table) {
    return "PRAGMA " + SQLiteStatement::quoted(schema) + ".foreign_key_list(" + SQLiteStatement::literal(table) + ");";
}

std::string table_sql_query(std::string_view schema, std::string_view table) {
    return "SELECT sql FROM " + master(schema) + " WHERE type = 'table' AND name = " + SQLiteStatement::literal(table) +
           ";";
}

std::string sequences_query(std::string_view schema) {
    return "SELECT count(name) FROM " + master(schema) + " WHERE type = 'table' AND name = 'sqlite_sequence';";
}

std::string sequence_query(std::string_view schema, std::string_view table) {
    return "SELECT seq AS seq FROM " + SQLiteStatement::quoted(schema) +
           ".sqlite_sequence WHERE name = " + SQLiteStatement::literal(table);
}

std::string view_sql_query(std::string_view schema, std::string_view view) {
    return "SELECT sql AS sql FROM " + master(schema) +
           " WHERE type = 'view' and name = " + SQLiteStatement::literal(view);
}

std::string index_sql_query(std::string_view schema, std::string_view index) {
    return "SELECT tbl_name AS tbl_name, sql AS sql FROM " + master(schema) +
           " WHERE type = 'index' AND name = " + SQLiteStatement::literal(index) +
           " AND sql IS NOT NULL AND sql != '';";
}

std::string trigger_query(std::string_view schema, std::string_view trigger) {
    return triggers_where(schema, "m.name = " + SQLiteStatement::literal(trigger));
}

std::string names_with_prefix_query(std::string_view schema, std::string_view prefix) {
    return "SELECT name AS name FROM " + master(schema) + " WHERE substr(name, 1, length(" +
           SQLiteStatement::literal(prefix) + ")) = " + SQLiteStatement::literal(prefix) + " COLLATE NOCASE;";
}

std::string listed_tables_query(std::string_view schema) {
    const std::string m = master(schema);
    return "\r\nSELECT\r\n    m.name,\r\n    ifnull(i.indexes, 0) as indexes,\r\n    ifnull(t.triggers, 0) as "
           "triggers,\r\n    m.rootpage\r\nFROM\r\n    " +
           m +
           " m\r\n    LEFT OUTER JOIN ( SELECT tbl_name, count(*) indexes FROM " + m +
           " WHERE type = 'index' GROUP BY tbl_name ) i ON m.name = i.tbl_name\r\n    LEFT OUTER JOIN ( SELECT "
           "tbl_name, count(*) triggers FROM " +
           m +
           " WHERE type = 'trigger' GROUP BY tbl_name ) t ON m.name = t.tbl_name \r\nWHERE\r\n    m.type = 'table' "
           "\r\nORDER BY\r\n    m.name ASC;";
}

std::string listed_views_query(std::string_view schema) {
    return "SELECT name FROM " + master(schema) + " WHERE type='view' ORDER BY name ASC;";
}

std::string listed_indexes_query(std::string_view schema) {
    return "SELECT name, tbl_name, rootpage FROM " + master(schema) + " WHERE type='index' ORDER BY name ASC;";
}

std::string listed_triggers_query(std::string_view schema) {
    const std::string m = master(schema);
    return "\r\nSELECT\r\n    m.name AS name,\r\n    m.tbl_name AS tbl_name,\r\n    v.vname NOTNULL AS is_view\r\nFROM"
           "\r\n    " +
           m + " m\r\n    LEFT JOIN ( SELECT name AS vname FROM " + m +
           " WHERE type = 'view' ) v ON m.tbl_name = v.vname \r\nWHERE\r\n    type = 'trigger' \r\nORDER BY\r\n    "
           "name ASC;";
}

// ---------------------------------------------------------------- stored statements

std::string masked_upper(std::string_view sql) {
    std::string out(sql.size(), ' ');
    size_t i = 0;
    while (i < sql.size()) {
        char c = sql[i];
        size_t end = i + 1;
        char fill = 0;
        if (opens_quote(c)) {
            end = quoted_end(sql, i);
            fill = '_';
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            end = sql.find('\n', i);
            end = end == npos ? sql.size() : end;
            fill = ' ';
        } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
            end = sql.find("*/", i + 2);
            end = end == npos ? sql.size() : end + 2;
            fill = ' ';
        }
        if (fill) {
            for (size_t j = i; j < end; ++j) out[j] = fill;
        } else {
            out[i] = g_ascii_toupper(c);
        }
        i = end;
    }
    return out;
}

std::optional<std::string> slice(std::string_view text, long start, long end) {
    long n = long(text.size());
    if (start < 0) start += n;
    if (end < 0) end += n;
    if (start < 0 || end < 0 || start > n || end > n || end < start) return std::nullopt;
    return std::string(text.substr(size_t(start), size_t(end - start)));
}

std::string identifier_text(std::string_view token) {
    std::string t = strip(token);
    if (t.size() >= 2 && opens_quote(t[0]) && quoted_end(t, 0) == t.size()) {
        char close = t[0] == '[' ? ']' : t[0];
        std::string inner = t.substr(1, t.size() - 2);
        if (close == ']') return inner;
        std::string out;
        for (size_t i = 0; i < inner.size(); ++i) {
            out += inner[i];
            if (inner[i] == close && i + 1 < inner.size() && inner[i + 1] == close) ++i;
        }
        return out;
    }
    return t;
}

std::string strip_plain_quotes(std::string_view text, std::string_view quotes) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (!opens_quote(c)) {
            out += c;
            ++i;
            continue;
        }
        size_t end = quoted_end(text, i);
        std::string_view token = text.substr(i, end - i);
        std::string inner = identifier_text(token);
        bool closed = end - i >= 2 && text[end - 1] == (c == '[' ? ']' : c);
        if (closed && quotes.find(c) != npos && plain_identifier(inner))
            out += inner;
        else
            out += token;
        i = end;
    }
    return out;
}

std::vector<std::string> split_list(std::string_view list) {
    std::vector<std::string> out;
    for (const std::string& piece : split_top(list, masked_upper(list))) {
        std::string entry = strip(piece);
        if (!entry.empty()) out.push_back(std::move(entry));
    }
    return out;
}

KeyPart split_key_part(std::string_view part) {
    const std::string masked = masked_upper(part);
    size_t end = masked.find_last_not_of(" \t\r\n\f\v") + 1;  // npos + 1 is 0
    size_t cut = end;
    // Where the last word of masked[0, at) starts, when something stands before it; npos otherwise.
    auto last_word = [&](size_t at) -> size_t {
        size_t start = at;
        while (start > 0 && !g_ascii_isspace(masked[start - 1])) --start;
        return start > 0 && start < at ? start : npos;
    };
    auto word_is = [&](size_t start, size_t at, std::string_view word) {
        return std::string_view(masked).substr(start, at - start) == word;
    };
    auto blank_before = [&](size_t start) {
        while (start > 0 && g_ascii_isspace(masked[start - 1])) --start;
        return start;
    };
    if (size_t w = last_word(cut); w != npos && (word_is(w, cut, "ASC") || word_is(w, cut, "DESC")))
        cut = blank_before(w);
    if (size_t collation = last_word(cut); collation != npos) {
        size_t before = blank_before(collation);
        if (size_t w = last_word(before); w != npos && word_is(w, before, "COLLATE")) cut = blank_before(w);
    }
    std::string head = strip(part.substr(0, cut));
    if (cut == end || head.empty()) return {strip(part), ""};
    return {head, std::string(part.substr(cut, end - cut))};
}

namespace {
bool whole_quoted(std::string_view text) {
    return text.size() >= 2 && opens_quote(text[0]) && quoted_end(text, 0) == text.size() &&
           text.back() == (text[0] == '[' ? ']' : text[0]);
}
}  // namespace

std::string key_part_of(std::string_view stored) {
    const std::string part = strip(stored);
    if (whole_quoted(part)) return identifier_text(part);
    if (part.find_first_of("\"`'[") == npos) return part;
    KeyPart split = split_key_part(part);
    if (!split.tail.empty() && whole_quoted(split.head)) {
        std::string name = identifier_text(split.head);
        return (plain_identifier(name) ? name : SQLiteStatement::quoted(name)) + split.tail;
    }
    std::string out;
    for (size_t i = 0; i < part.size();) {
        if (part[i] != '[' && part[i] != '`') {
            size_t next = part[i] == '"' || part[i] == '\'' ? quoted_end(part, i) : i + 1;
            out.append(part, i, next - i);
            i = next;
            continue;
        }
        size_t end = quoted_end(part, i);
        out += SQLiteStatement::quoted(identifier_text(std::string_view(part).substr(i, end - i)));
        i = end;
    }
    return out;
}

IndexText read_index(std::string_view sql) {
    IndexText index;
    std::string masked = masked_upper(sql);
    index.unique = bool(find_phrase(masked, "UNIQUE INDEX"));
    size_t open = masked.find('(');
    size_t start = open == npos ? 0 : open + 1;
    size_t close = open == npos ? npos : closing_paren(masked, open);
    std::optional<std::string> list;
    std::string list_masked;
    if (close != npos) {
        list = std::string(sql.substr(start, close - start));
        list_masked = masked.substr(start, close - start);
        Span where = find_phrase(masked, "WHERE", close + 1);
        if (where && strip(std::string_view(masked).substr(close + 1, where.start - close - 1)).empty())
            index.where = strip(sql.substr(where.end));
    } else {
        list = slice(sql, long(start), -1);
        list_masked = slice(masked, long(start), -1).value_or("");
    }
    if (!list) return index;
    for (const std::string& piece : split_top(*list, list_masked)) index.columns.push_back(key_part_of(piece));
    return index;
}

TriggerText read_table_trigger(std::string_view sql) {
    Statement s(sql);
    TriggerText t;
    t.body = s.cut(s.b, long(sql.size()));
    t.for_each = std::optional<std::string>(s.has("FOR EACH") ? "ROW" : "");
    if (s.has("AFTER"))
        t.timing = std::optional<std::string>("AFTER");
    else if (s.has("BEFORE"))
        t.timing = std::optional<std::string>("BEFORE");
    if (s.has("INSERT")) {
        t.event = std::optional<std::string>("INSERT");
    } else if (s.has("UPDATE")) {
        t.event = std::optional<std::string>("UPDATE");
        t.columns = s.update_columns("\"");
    } else if (s.has("DELETE")) {
        t.event = std::optional<std::string>("DELETE");
    }
    t.when = s.when_text(false);
    return t;
}

TriggerText read_trigger(std::string_view sql) {
    Statement s(sql);
    TriggerText t;
    Span end = rfind_word(s.masked, "END");
    t.body = s.cut(s.b + 5, end ? long(end.start) : -1);
    t.for_each = std::optional<std::string>(s.has("FOR EACH") ? "ROW" : "");
    if (s.has("AFTER"))
        t.timing = std::optional<std::string>("AFTER");
    else if (s.has("BEFORE"))
        t.timing = std::optional<std::string>("BEFORE");
    else if (s.has("INSTEAD"))
        t.timing = std::optional<std::string>("INSTEAD OF");
    if (s.has("INSERT")) {
        t.event = std::optional<std::string>("INSERT");
    } else if (s.has("DELETE")) {
        t.event = std::optional<std::string>("DELETE");
    } else if (s.has("UPDATE")) {
        t.event = std::optional<std::string>("UPDATE");
        t.columns = s.update_columns("\"`");
    }
    t.when = s.when_text(true);
    return t;
}

std::string read_view_definition(std::string_view sql) {
    std::string text(sql);
    GRegex* pattern = view_pattern();
    GMatchInfo* info = nullptr;
    if (pattern && g_regex_match(pattern, text.c_str(), GRegexMatchFlags(0), &info)) text = named(info, "definition");
    g_match_info_free(info);
    return text;
}

namespace {
// The position of the first character at `from` or later that is not white space.
size_t skip_blanks(std::string_view masked, size_t from) {
    while (from < masked.size() && g_ascii_isspace(masked[from])) ++from;
    return from;
}
// The end of the word or quoted name starting at `from` (quoted names are blanked out in
// the masked text, so one scan serves both).
size_t token_end(std::string_view masked, size_t from) {
    size_t end = from;
    while (end < masked.size() && !g_ascii_isspace(masked[end]) && masked[end] != '(' && masked[end] != ',') ++end;
    return end;
}

// The entries of a CREATE TABLE's list (column definitions and table constraints), each
// with its masked text.
struct Entry {
    std::string text, masked;
    // Whether it is a table constraint rather than a column.
    bool constraint() const {
        const std::string_view m = std::string_view(masked).substr(skip_blanks(masked, 0));
        for (std::string_view word : {"CONSTRAINT", "PRIMARY", "UNIQUE", "CHECK", "FOREIGN"})
            if (find_phrase(m, word).start == 0) return true;
        return false;
    }
    // The column's name, for a column definition.
    std::string column() const {
        size_t first = skip_blanks(masked, 0);
        return identifier_text(std::string_view(text).substr(first, token_end(masked, first) - first));
    }
};
std::vector<Entry> table_entries(std::string_view create_table) {
    std::vector<Entry> out;
    const std::string masked = masked_upper(create_table);
    const size_t open = masked.find('(');
    const size_t close = open == npos ? npos : closing_paren(masked, open);
    if (close == npos) return out;
    const std::string_view body = create_table.substr(open + 1, close - open - 1);
    const std::string_view body_masked = std::string_view(masked).substr(open + 1, close - open - 1);
    size_t at = 0;
    for (std::string& piece : split_top(body, body_masked)) {
        std::string entry_masked(body_masked.substr(at, piece.size()));
        at += piece.size() + 1;
        out.push_back({std::move(piece), std::move(entry_masked)});
    }
    return out;
}
}  // namespace

std::vector<UniqueText> read_uniques(std::string_view create_table) {
    std::vector<UniqueText> out;
    for (const Entry& e : table_entries(create_table)) {
        const std::string_view entry = e.text, entry_masked = e.masked;
        Span unique = find_phrase(entry_masked, "UNIQUE");
        if (!unique) continue;
        UniqueText u;
        // CONSTRAINT name, when it stands right before UNIQUE.
        for (Span c = find_phrase(entry_masked, "CONSTRAINT"); c && c.start < unique.start;
             c = find_phrase(entry_masked, "CONSTRAINT", c.end)) {
            size_t name_start = skip_blanks(entry_masked, c.end), name_end = token_end(entry_masked, name_start);
            if (skip_blanks(entry_masked, name_end) == unique.start)
                u.name = identifier_text(entry.substr(name_start, name_end - name_start));
        }
        size_t after = unique.end;
        if (e.constraint()) {
            size_t paren = skip_blanks(entry_masked, unique.end);
            if (paren >= entry_masked.size() || entry_masked[paren] != '(') continue;
            size_t end = closing_paren(entry_masked, paren);
            if (end == npos) continue;
            for (const std::string& part : split_list(entry.substr(paren + 1, end - paren - 1)))
                u.columns += (u.columns.empty() ? "" : ", ") + key_part_of(part);
            after = end + 1;
        } else {
            u.columns = e.column();
        }
        Span conflict = find_phrase(entry_masked, "ON CONFLICT", after);
        if (conflict && skip_blanks(entry_masked, after) == conflict.start) {
            size_t word = skip_blanks(entry_masked, conflict.end);
            u.conflict = std::string(entry_masked.substr(word, token_end(entry_masked, word) - word));
        }
        out.push_back(std::move(u));
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> read_collations(std::string_view create_table) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const Entry& e : table_entries(create_table)) {
        if (e.constraint()) continue;
        // Outside parentheses: a COLLATE inside a CHECK or a default belongs to an expression.
        int depth = 0;
        for (size_t i = 0; i < e.masked.size(); ++i) {
            if (e.masked[i] == '(') ++depth;
            if (e.masked[i] == ')') --depth;
            if (depth != 0 || find_phrase(e.masked, "COLLATE", i).start != i) continue;
            size_t word = skip_blanks(e.masked, i + 7);
            // Collation names hold no case in SQLite.
            std::string name = identifier_text(e.text.substr(word, token_end(e.masked, word) - word));
            out.emplace_back(e.column(), gobj::take_string(g_ascii_strup(name.c_str(), -1)));
            break;
        }
    }
    return out;
}

std::vector<CheckText> read_checks(std::string_view create_table) {
    std::vector<CheckText> out;
    std::string text(create_table);
    GRegex* pattern = check_pattern();
    std::string masked = masked_upper(text);
    gint from = 0;
    while (pattern && from < gint(text.size())) {
        GMatchInfo* info = nullptr;
        if (!g_regex_match_full(pattern, text.c_str(), gssize(text.size()), from, GRegexMatchFlags(0), &info,
                                nullptr)) {
            g_match_info_free(info);
            break;
        }
        gint expr_start = 0, expr_end = 0;
        g_match_info_fetch_named_pos(info, "expr", &expr_start, &expr_end);
        CheckText c;
        c.name = identifier_text(named(info, "name"));
        std::string expr = strip(named(info, "expr"));
        g_match_info_free(info);
        // The expression ends with its parentheses; the rest of the line may hold more.
        from = expr_end;
        if (!expr.empty() && expr[0] == '(') {
            size_t lead = size_t(expr_start);
            while (lead < text.size() && g_ascii_isspace(text[lead])) ++lead;
            size_t close = closing_paren(masked, lead);
            if (close != npos) from = gint(close + 1);
            c.expression = inside_parens(expr);
        } else {
            if (!expr.empty() && expr.back() == ',') expr.pop_back();
            c.expression = strip(expr);
        }
        out.push_back(std::move(c));
    }
    return out;
}

}  // namespace tarvelin::rezezadovu::supports::database::sqlite
