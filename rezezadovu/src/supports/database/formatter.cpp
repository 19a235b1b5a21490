#include "rezezadovu/supports/database/formatter.hpp"

#include <algorithm>

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
    {" GROUP\\s{1,}BY", "~::~GROUP BY ", true},
    {" HAVING ", "~::~HAVING ", true},
    {" IN ", " IN ", true},
    {" JOIN ", "~::~JOIN ", true},
    {" CROSS~::~{1,}JOIN ", "~::~CROSS JOIN ", true},
    {" INNER~::~{1,}JOIN ", "~::~INNER JOIN ", true},
    {" LEFT~::~{1,}JOIN ", "~::~LEFT JOIN ", true},
    {" RIGHT~::~{1,}JOIN ", "~::~RIGHT JOIN ", true},
    {" ON ", "~::~\tON ", true},
    {" OR ", "~::~\t\tOR ", true},
    {" ORDER\\s{1,}BY", "~::~ORDER BY ", true},
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
    {"\\s{0,}SELECT ", "SELECT ", true},
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
    GRegex* apostrophe = compile("\\'", true);
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
    std::string text = replace(p.whitespace, statements, " ");
    text = replace(p.apostrophe, text, std::string(kMarker) + "'");

    // Pieces at odd positions open a quoted literal and stay whole.
    std::vector<std::string> pieces;
    std::vector<std::string> parts = split_markers(text);
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i % 2) {
            pieces.push_back(std::move(parts[i]));
        } else {
            for (std::string& piece : split_sql(parts[i], tab)) pieces.push_back(std::move(piece));
        }
    }

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
        } else if (matches(p.apostrophe, piece)) {
            if (level < 1 && depth > 0) --depth;
            out += piece;
        } else {
            out += shift_[depth];
            out += piece;
            if (level < 1 && depth > 0) --depth;
        }
    }
    out = replace(p.leading_breaks, out, "");
    return replace(p.break_runs, out, "\n");
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
    std::string text = statements;
    try {
        require_utf8(text);
        text = replace(p.whitespace, text, " ");
        text = replace(p.space_before_open, text, "(");
        text = replace(p.space_before_close, text, ")");
    } catch (const gobj::Error& e) {
        tlog_warning("Failed to minify statements: %s", e.message().c_str());
    }
    return text;
}

}  // namespace tarvelin::rezezadovu::supports::database
