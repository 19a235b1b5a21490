#include "rezezadovu/supports/database/mysql/sql_support.hpp"

#include <algorithm>

#include "rezezadovu/supports/database/database_helper.hpp"

TARVELIN_LOG_TAG("mysql_support")

namespace tarvelin::rezezadovu::supports::database::mysql {

using helpers::DatabaseHelper;

std::string backquoted(std::string_view name) { return DatabaseHelper::quote(name, '`'); }
std::string qualified(std::string_view schema, std::string_view name) {
    return backquoted(schema) + "." + backquoted(name);
}

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\'' || c == '\\') out += c;
        out += c;
    }
    return out;
}
std::string quoted(std::string_view text) { return "'" + escaped(text) + "'"; }

std::string like_containing(std::string_view text) {
    // "!" escapes the wildcards: the backslash would mean another thing under
    // NO_BACKSLASH_ESCAPES.
    std::string pattern;
    for (char c : text) {
        if (c == '%' || c == '_' || c == '!') pattern += '!';
        pattern += c;
    }
    return quoted("%" + pattern + "%") + " ESCAPE '!'";
}

Account split_account(std::string_view name) {
    size_t at = name.find('@');
    if (at == std::string_view::npos) return {std::string(name), "%"};
    std::string_view host = name.substr(at + 1);
    return {std::string(name.substr(0, at)), std::string(host.substr(0, host.find('@')))};
}

std::string account(std::string_view name) {
    Account a = split_account(name);
    return backquoted(a.user) + "@" + backquoted(a.host);
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }
bool starts_with(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }
bool ends_with(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool listed(const std::vector<std::string>& list, std::string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::string trimmed(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && g_ascii_isspace(text[begin])) ++begin;
    while (end > begin && g_ascii_isspace(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

void cut(std::string& text, size_t n) { text.resize(text.size() > n ? text.size() - n : 0); }

// ---------------------------------------------------------------- patterns

RegexMatch::RegexMatch(GRegex* regex, std::string text) : text_(std::move(text)) {
    if (regex) matched_ = g_regex_match(regex, text_.c_str(), GRegexMatchFlags(0), &info_);
}
RegexMatch::~RegexMatch() {
    if (info_) g_match_info_free(info_);
}
std::string RegexMatch::named(const char* group) const {
    return matched_ ? gobj::take_string(g_match_info_fetch_named(info_, group)) : std::string();
}
bool RegexMatch::next() {
    matched_ = matched_ && g_match_info_next(info_, nullptr);
    return matched_;
}

}  // namespace tarvelin::rezezadovu::supports::database::mysql
