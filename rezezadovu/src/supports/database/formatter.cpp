#include "rezezadovu/supports/database/formatter.hpp"

#include <algorithm>
#include <string_view>

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("formatter")

namespace tarvelin::rezezadovu::supports::database {

using Text = Formatter::Text;

TARVELIN_GTYPE(Formatter, "TarvelinRezezadovuSupportsDatabaseFormatter", gobj::Object,
               contracts::database::IFormattable)

gobj::Ref<Formatter> Formatter::create(GType type) { return gobj::create<Formatter>(type); }

namespace {

constexpr const char* kMarker = "~::~";
// Stands for the tab argument in the keyword table's replacements.
constexpr char kTab = '\t';

struct Row {
    const char* pattern;
    const char* replacement;
    bool caseless;
};

// The keyword table, applied in this order.
constexpr Row kKeywordRows[] = {
    {"\\s{1,}", " ", false},
    {" AND ", "~::~\t\tAND ", true},
    {" BETWEEN ", "~::~\tBETWEEN ", true},
    {" CASE ", "~::~\tCASE ", true},
    {" ELSE ", "~::~\tELSE ", true},
    {" END ", "~::~\tEND ", true},
    {" FROM ", "~::~FROM ", true},
    {" GROUP\\s{1,}BY(?![\\w$])", "~::~GROUP BY ", true},
    {" HAVING ", "~::~HAVING ", true},
    {" IN ", " IN ", true},
    {" JOIN ", "~::~JOIN ", true},
    {" CROSS~::~{1,}JOIN ", "~::~CROSS JOIN ", true},
    {" INNER~::~{1,}JOIN ", "~::~INNER JOIN ", true},
    {" LEFT~::~{1,}JOIN ", "~::~LEFT JOIN ", true},
    {" RIGHT~::~{1,}JOIN ", "~::~RIGHT JOIN ", true},
    {" ON ", "~::~\tON ", true},
    {" OR ", "~::~\t\tOR ", true},
    {" ORDER\\s{1,}BY(?![\\w$])", "~::~ORDER BY ", true},
    {" OVER ", "~::~\tOVER ", true},
    {"\\(\\s{0,}SELECT ", "~::~(SELECT ", true},
    {"\\)\\s{0,}SELECT ", ")~::~SELECT ", true},
    {" THEN ", " THEN~::~\t", true},
    {" UNION ", "~::~UNION~::~", true},
    {" USING ", "~::~USING ", true},
    {" WHEN ", "~::~\tWHEN ", true},
    {" WHERE ", "~::~WHERE ", true},
    {" WITH ", "~::~WITH ", true},
    {" ALL ", " ALL ", true},
    {" AS ", " AS ", true},
    {" ASC ", " ASC ", true},
    {" DESC ", " DESC ", true},
    {" DISTINCT ", " DISTINCT ", true},
    {" EXISTS ", " EXISTS ", true},
    {" NOT ", " NOT ", true},
    {" NULL ", " NULL ", true},
    {" LIKE ", " LIKE ", true},
    // Not after a word, nor after a kept span (\x01 ends its stand-in), which may end in
    // one: "x SELECT" keeps its blank, and "preselect" is no keyword.
    {"(?<![\\w$\x01])\\s{0,}SELECT ", "SELECT ", true},
    {"(~::~){1,}", "~::~", false},
};
constexpr size_t kRowCount = sizeof kKeywordRows / sizeof kKeywordRows[0];

GRegex* compile(const char* pattern, bool caseless) {
    auto flags = GRegexCompileFlags(G_REGEX_OPTIMIZE | (caseless ? G_REGEX_CASELESS : 0));
    GError* error = nullptr;
    GRegex* regex = g_regex_new(pattern, flags, GRegexMatchFlags(0), &error);
    if (!regex) g_error("formatter pattern %s: %s", pattern, error->message);
    return regex;
}

// Every pattern but the comma one, compiled once per process and shared read-only.
struct Patterns {
    GRegex* whitespace = compile("\\s{1,}", false);
    GRegex* space_before_open = compile("\\s{1,}\\(", false);
    GRegex* space_before_close = compile("\\s{1,}\\)", false);
    GRegex* select_word = compile("\\s{0,}\\s{0,}SELECT\\s{0,}", false);
    GRegex* subquery_open = compile("\\s{0,}\\(\\s{0,}SELECT\\s{0,}", false);
    GRegex* leading_breaks = compile("^\\n{1,}", false);
    GRegex* break_runs = compile("\\n{1,}", false);
    std::array<GRegex*, kRowCount> rows{};
    Patterns() {
        for (size_t i = 0; i < kRowCount; ++i) rows[i] = compile(kKeywordRows[i].pattern, kKeywordRows[i].caseless);
    }
};

const Patterns& patterns() {
    static Patterns* shared = nullptr;
    if (g_once_init_enter(&shared)) g_once_init_leave(&shared, new Patterns());
    return *shared;
}

// GLib's engine reads its subject as UTF-8 without checking it; text that is not UTF-8
// is refused up front as the engine's own match failure would be.
void require_utf8(const std::string& text) {
    const char* end = nullptr;
    if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), &end)) return;
    throw gobj::Error(G_REGEX_ERROR, G_REGEX_ERROR_MATCH,
                      "invalid UTF-8 at byte " + std::to_string(end - text.data()) + " of the statements");
}

// Every match of `regex` in `text` replaced by the literal `replacement`; a failed match
// (text that is not UTF-8) is thrown.
std::string replace(const GRegex* regex, const std::string& text, const std::string& replacement) {
    GError* error = nullptr;
    gchar* result = g_regex_replace_literal(const_cast<GRegex*>(regex), text.c_str(), static_cast<gssize>(text.size()),
                                            0, replacement.c_str(), GRegexMatchFlags(0), &error);
    if (!result) throw gobj::Error(error);
    return gobj::take_string(result);
}

bool matches(const GRegex* regex, const std::string& text) {
    GError* error = nullptr;
    gboolean found = g_regex_match_full(regex, text.c_str(), static_cast<gssize>(text.size()), 0, GRegexMatchFlags(0),
                                        nullptr, &error);
    if (error) throw gobj::Error(error);
    return found;
}

// The pieces between markers, empty ones included.
std::vector<std::string> split_markers(const std::string& text) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t at; (at = text.find(kMarker, start)) != std::string::npos; start = at + 4)
        pieces.push_back(text.substr(start, at - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

// ---------------------------------------------------------------- what stays as it is

// How one dialect family reads quoted texts and comments. The formatter knows no dialect,
// so a byte stays as it is when any of them reads it inside a literal, a quoted name, a
// dollar-quoted body or a comment: whatever the dialect, its tokens come out unchanged.
struct Reading {
    bool backslash_escapes;   // '...' and "..." take \ escapes (MySQL, MariaDB)
    bool backquotes;          // `name`
    bool brackets;            // [name]
    bool dollar_quotes;       // $tag$ ... $tag$
    bool hash_comments;       // # to the end of the line
    bool nested_comments;     // /* /* */ */
    bool dashes_need_a_blank; // "--" opens a comment only before a blank or a control
};
constexpr Reading kReadings[] = {
    {false, false, false, true, false, true, false},  // PostgreSQL and standard SQL
    {true, true, false, false, true, false, true},    // MySQL, MariaDB
    {false, false, true, false, false, true, false},  // SQL Server
    {false, true, true, false, false, false, false},  // SQLite
};

// Stands for a kept span in the text the patterns see: no blank, keyword, parenthesis,
// comma or apostrophe, so no pattern matches or splits it. A \x01 of the input itself is
// kept as a span, so the code never holds one of its own.
constexpr char kKept = '\x01';

bool name_char(unsigned char c) { return g_ascii_isalnum(c) || c == '_' || c >= 0x80; }

// The end of a text quoted by `q` that starts at `at`: the quote doubled inside, or (with
// `backslashes`) escaped; the end of the text when it is not closed.
size_t quoted_end(std::string_view s, size_t at, char q, bool backslashes) {
    for (size_t i = at + 1; i < s.size(); ++i) {
        if (backslashes && s[i] == '\\') {
            ++i;
        } else if (s[i] == q) {
            if (i + 1 < s.size() && s[i + 1] == q) {
                ++i;
            } else {
                return i + 1;
            }
        }
    }
    return s.size();
}

// A line comment with the line break that ends it: minified, the break must stay.
size_t line_end(std::string_view s, size_t at) {
    size_t nl = s.find('\n', at);
    return nl == std::string_view::npos ? s.size() : nl + 1;
}

size_t block_end(std::string_view s, size_t at, bool nested) {
    int depth = 0;
    for (size_t i = at; i + 1 < s.size(); ++i) {
        if (s[i] == '/' && s[i + 1] == '*' && (nested || depth == 0)) {
            ++depth;
            ++i;
        } else if (s[i] == '*' && s[i + 1] == '/') {
            if (--depth == 0) return i + 2;
            ++i;
        }
    }
    return s.size();
}

// A dollar-quoted body starting at `at` ($$ or $tag$ with a tag that is a name), or 0.
size_t dollar_end(std::string_view s, size_t at) {
    if (at > 0 && (name_char(static_cast<unsigned char>(s[at - 1])) || s[at - 1] == '$')) return 0;
    size_t i = at + 1;
    if (i < s.size() && g_ascii_isdigit(s[i])) return 0;
    while (i < s.size() && name_char(static_cast<unsigned char>(s[i]))) ++i;
    if (i >= s.size() || s[i] != '$') return 0;
    std::string_view tag = s.substr(at, i + 1 - at);
    size_t close = s.find(tag, i + 1);
    return close == std::string_view::npos ? s.size() : close + tag.size();
}

// Marks the bytes one reading keeps.
void mark_kept(std::string_view s, const Reading& r, std::vector<bool>& kept) {
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        const char next = i + 1 < s.size() ? s[i + 1] : '\0';
        size_t end = 0;
        if (c == '\'' || c == '"') {
            end = quoted_end(s, i, c, r.backslash_escapes);
        } else if (c == '`' && r.backquotes) {
            end = quoted_end(s, i, '`', false);
        } else if (c == '[' && r.brackets) {
            end = quoted_end(s, i, ']', false);
        } else if (c == '-' && next == '-' &&
                   (!r.dashes_need_a_blank || i + 2 >= s.size() || static_cast<unsigned char>(s[i + 2]) <= ' ')) {
            end = line_end(s, i);
        } else if (c == '#' && r.hash_comments) {
            end = line_end(s, i);
        } else if (c == '/' && next == '*') {
            end = block_end(s, i, r.nested_comments);
        } else if (c == '$' && r.dollar_quotes) {
            end = dollar_end(s, i);
        } else if (c == kKept) {
            end = i + 1;
        }
        if (end > i) {
            std::fill(kept.begin() + static_cast<std::ptrdiff_t>(i), kept.begin() + static_cast<std::ptrdiff_t>(end),
                      true);
            i = end;
        } else {
            ++i;
        }
    }
}

// The text with each kept span replaced by its stand-in, and the spans.
struct Shielded {
    std::string code;
    std::vector<std::string> kept;
};

Shielded shield(std::string_view s) {
    std::vector<bool> kept(s.size(), false);
    for (const Reading& r : kReadings) mark_kept(s, r, kept);
    Shielded out;
    out.code.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        if (!kept[i]) {
            out.code += s[i++];
            continue;
        }
        size_t end = i;
        while (end < s.size() && kept[end]) ++end;
        out.code += kKept;
        out.code += std::to_string(out.kept.size());
        out.code += kKept;
        out.kept.emplace_back(s.substr(i, end - i));
        i = end;
    }
    return out;
}

// The spans put back. After one that ends a line (a line comment), the blanks and the one
// line break the layout put there go: the span's own break takes their place.
std::string unshield(const std::string& code, const std::vector<std::string>& kept) {
    std::string out;
    out.reserve(code.size());
    for (size_t i = 0; i < code.size();) {
        if (code[i] != kKept) {
            out += code[i++];
            continue;
        }
        size_t close = code.find(kKept, i + 1);
        const std::string& span = kept[std::stoul(code.substr(i + 1, close - i - 1))];
        out += span;
        i = close + 1;
        if (!span.empty() && span.back() == '\n') {
            while (i < code.size() && code[i] == ' ') ++i;
            if (i < code.size() && code[i] == '\n') ++i;
        }
    }
    return out;
}

}  // namespace

Formatter::Formatter() {
    shift_[0] = "\n";
    for (int i = 1; i <= kMaxDepth; ++i) shift_[i] = shift_[i - 1] + indent_;
}

void Formatter::option(const char* name, const char* value) {
    if (!TARVELIN_GIVEN(name, value)) return;
    std::lock_guard lock(options_lock_);
    options_.insert_or_assign(name, value);
}

std::optional<std::string> Formatter::option_value(const std::string& name) const {
    std::lock_guard lock(options_lock_);
    auto it = options_.find(name);
    if (it == options_.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> Formatter::split_sql(const std::string& text, const std::string& tab) {
    require_utf8(text);
    const Patterns& p = patterns();
    std::string out = text;
    for (size_t i = 0; i < kRowCount; ++i) {
        std::string replacement;
        for (const char* c = kKeywordRows[i].replacement; *c; ++c) {
            if (*c == kTab)
                replacement += tab;
            else
                replacement += *c;
        }
        out = replace(p.rows[i], out, replacement);
    }
    return split_markers(out);
}

std::string Formatter::layout(const std::string& statements) const {
    require_utf8(statements);
    const Patterns& p = patterns();
    const std::string tab = indent_;
    Shielded shielded = shield(statements);
    std::string text = replace(p.whitespace, shielded.code, " ");
    std::vector<std::string> pieces = split_sql(text, tab);

    gobj::Owned<GRegex, &g_regex_unref> comma(compile("\\,", false));
    const std::string comma_break = ",\n" + tab + tab;
    std::string out;
    out.reserve(statements.size() + statements.size() / 4);
    int level = 0;
    int depth = 0;
    for (std::string& piece : pieces) {
        level += static_cast<int>(std::count(piece.begin(), piece.end(), '(')) -
                 static_cast<int>(std::count(piece.begin(), piece.end(), ')'));
        if (matches(p.select_word, piece)) piece = replace(comma.get(), piece, comma_break);
        if (matches(p.subquery_open, piece)) {
            depth = std::min(depth + 1, kMaxDepth);
            out += shift_[depth];
            out += piece;
        } else {
            out += shift_[depth];
            out += piece;
            if (level < 1 && depth > 0) --depth;
        }
    }
    out = replace(p.leading_breaks, out, "");
    return unshield(replace(p.break_runs, out, "\n"), shielded.kept);
}

Text Formatter::beautify(const char* statements) {
    if (!TARVELIN_GIVEN(statements)) return {};
    try {
        return layout(statements);
    } catch (const gobj::Error&) {
        // Text the patterns cannot read is shown as it came.
        return std::string(statements);
    }
}

Text Formatter::minify(const char* statements) {
    if (!TARVELIN_GIVEN(statements)) return {};
    const Patterns& p = patterns();
    try {
        require_utf8(statements);
        Shielded shielded = shield(statements);
        std::string text = replace(p.whitespace, shielded.code, " ");
        text = replace(p.space_before_open, text, "(");
        text = replace(p.space_before_close, text, ")");
        return unshield(text, shielded.kept);
    } catch (const gobj::Error& e) {
        tlog_warning("Failed to minify statements: %s", e.message().c_str());
    }
    return std::string(statements);
}

}  // namespace tarvelin::rezezadovu::supports::database
