#include "providers/supports/sqlite/key_option.hpp"

#include "providers/gobj/convert.hpp"
#include "providers/gobj/log.hpp"

TARVELIN_LOG_TAG("key_option")

namespace tarvelin::providers::supports::sqlite {

namespace {

constexpr std::string_view kSeparators = ",; ";

// Whether the first non-empty token from `start` on is a bare word (no "="): the sign
// of a key phrase that the separators cut after its first word.
bool bare_word_follows(std::string_view options, std::size_t start) {
    while (start < options.size()) {
        std::size_t end = options.find_first_of(kSeparators, start);
        if (end == std::string_view::npos) end = options.size();
        std::string_view token = options.substr(start, end - start);
        if (!token.empty()) return token.find('=') == std::string_view::npos;
        start = end + 1;
    }
    return false;
}

}  // namespace

std::string key_from_options(std::string_view options) {
    static constexpr std::string_view kMarker = "PASSWORD=";
    if (options.find(kMarker) == std::string_view::npos) return {};
    std::size_t start = 0;
    while (start <= options.size()) {
        std::size_t end = options.find_first_of(kSeparators, start);
        if (end == std::string_view::npos) end = options.size();
        std::string_view token = options.substr(start, end - start);
        if (token.find(kMarker) != std::string_view::npos) {
            std::size_t first = token.find('=');
            std::size_t second = token.find('=', first + 1);
            // Files encrypted with the cut key rely on it, so the cut stays; the user is told.
            if (bare_word_follows(options, end + 1)) {
                tlog_warning("The SQLite key option holds a blank, comma or semicolon: only its first word is "
                             "the key");
            }
            return std::string(token.substr(first + 1, second == std::string_view::npos ? std::string_view::npos
                                                                                           : second - first - 1));
        }
        start = end + 1;
    }
    return {};
}

std::string without_keys(std::string_view statements) {
    // The value of the key pragmas (any schema, "=" or call form) and of ATTACH ... KEY.
    static GRegex* const pattern = g_regex_new(
        R"((\bpragma\s+(?:[^\s=(;]+\s*\.\s*)?(?:hex)?(?:re)?key\s*(?:=\s*|\(\s*)|\battach\b[^;]*?\bkey\s+))"
        R"((?:[xX]?'(?:[^']|'')*'?|"(?:[^"]|"")*"?|[^\s;)]+))",
        GRegexCompileFlags(G_REGEX_CASELESS | G_REGEX_OPTIMIZE), GRegexMatchFlags(0), nullptr);
    std::string text(statements);
    gchar* masked = g_regex_replace(pattern, text.c_str(), static_cast<gssize>(text.size()), 0, "\\1***",
                                    GRegexMatchFlags(0), nullptr);
    if (!masked) return "***";  // never the text itself
    return gobj::take_string(masked);
}

}  // namespace tarvelin::providers::supports::sqlite
