#include "rezezadovu/helpers/helper_string.hpp"

#include <gee.h>

#include <algorithm>

TARVELIN_LOG_TAG("helper_string")

namespace tarvelin::rezezadovu::helpers {

TARVELIN_FUNDAMENTAL_GTYPE(StringHelper, "TarvelinRezezadovuHelpersStringHelper", "TarvelinRezezadovuHelpersParamSpecStringHelper")

gobj::Ref<StringHelper> StringHelper::create(GType type) { return gobj::create<StringHelper>(type); }

namespace {

// Both sides as given, or both upper-cased.
struct Folded {
    std::string text;
    Folded(std::string_view s, bool case_sensitive)
        : text(case_sensitive ? std::string(s) : StringHelper::upper(s)) {}
};

template <class Test>
int first_index(StringHelper::Texts array, Test test) {
    for (size_t i = 0; i < array.size(); ++i) {
        if (test(array[i])) return static_cast<int>(i);
    }
    return -1;
}

template <class Test>
int count_of(StringHelper::Texts array, Test test) {
    return static_cast<int>(std::count_if(array.begin(), array.end(), test));
}

bool starts_with(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool ends_with(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

std::string stripped(const std::string& s) {
    const char* ws = " \t\n\v\f\r";
    size_t b = s.find_first_not_of(ws);
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(ws) - b + 1);
}

}  // namespace

std::string StringHelper::upper(std::string_view text) {
    std::string s(text);
    gchar* u = g_utf8_validate(s.data(), static_cast<gssize>(s.size()), nullptr)
                   ? g_utf8_strup(s.data(), static_cast<gssize>(s.size()))
                   : g_ascii_strup(s.data(), static_cast<gssize>(s.size()));
    return gobj::take_string(u);
}

std::string StringHelper::stringify_data(GeeMap* data, std::string_view delimiter) {
    std::string out;
    GeeMapIterator* it = gee_map_map_iterator(data);
    bool first = true;
    while (gee_map_iterator_next(it)) {
        gchar* key = static_cast<gchar*>(gee_map_iterator_get_key(it));
        gchar* value = static_cast<gchar*>(gee_map_iterator_get_value(it));
        if (!first) out += delimiter;
        first = false;
        out += key ? key : "";
        out += '=';
        out += value ? value : "";
        g_free(key);
        g_free(value);
    }
    g_object_unref(it);
    return out;
}

gobj::GPtr<GeeHashMap> StringHelper::arraify_data(const std::string& connection, const std::string& delimiter) {
    auto map = gobj::GPtr<GeeHashMap>::adopt(gee_hash_map_new(G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free,
                                                             G_TYPE_STRING, (GBoxedCopyFunc)g_strdup, g_free, nullptr,
                                                             nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                             nullptr, nullptr));
    std::vector<std::string> pieces;
    if (delimiter.empty()) {
        pieces.push_back(connection);  // nothing to split at
    } else {
        for (size_t start = 0;;) {
            size_t at = connection.find(delimiter, start);
            pieces.push_back(connection.substr(start, at == std::string::npos ? std::string::npos : at - start));
            if (at == std::string::npos) break;
            start = at + delimiter.size();
        }
    }
    for (const std::string& piece : pieces) {
        if (piece.empty()) continue;
        size_t eq = piece.find('=');
        std::string key = piece.substr(0, eq);
        if (eq == std::string::npos) {
            gee_abstract_map_set(GEE_ABSTRACT_MAP(map.get()), key.c_str(), nullptr);
        } else {
            gee_abstract_map_set(GEE_ABSTRACT_MAP(map.get()), key.c_str(), piece.substr(eq + 1).c_str());
        }
    }
    return map;
}

bool StringHelper::contains_array(std::string_view text, Texts array, bool case_sensitive) {
    Folded t(text, case_sensitive);
    return first_index(array, [&](const std::string& e) {
               return t.text.find(Folded(e, case_sensitive).text) != std::string::npos;
           }) >= 0;
}

int StringHelper::index_with_array(std::string_view text, Texts array, bool case_sensitive) {
    Folded t(text, case_sensitive);
    for (const std::string& e : array) {
        size_t at = t.text.find(Folded(e, case_sensitive).text);
        if (at != std::string::npos) return static_cast<int>(at);
    }
    return -1;
}

int StringHelper::search_array(Texts array, std::string_view needle, bool case_sensitive) {
    std::string n(needle);
    return first_index(array, [&](const std::string& e) {
        return case_sensitive ? e == n : g_ascii_strcasecmp(e.c_str(), n.c_str()) == 0;
    });
}

int StringHelper::search_array_prefix(Texts array, std::string_view needle, bool case_sensitive) {
    Folded n(needle, case_sensitive);
    return first_index(array, [&](const std::string& e) { return starts_with(Folded(e, case_sensitive).text, n.text); });
}

int StringHelper::search_array_prefix_count(Texts array, std::string_view needle, bool case_sensitive) {
    Folded n(needle, case_sensitive);
    return count_of(array, [&](const std::string& e) { return starts_with(Folded(e, case_sensitive).text, n.text); });
}

int StringHelper::search_array_suffix(Texts array, std::string_view needle, bool case_sensitive) {
    Folded n(needle, case_sensitive);
    return first_index(array, [&](const std::string& e) { return ends_with(Folded(e, case_sensitive).text, n.text); });
}

int StringHelper::search_array_suffix_count(Texts array, std::string_view needle, bool case_sensitive) {
    Folded n(needle, case_sensitive);
    return count_of(array, [&](const std::string& e) { return ends_with(Folded(e, case_sensitive).text, n.text); });
}

bool StringHelper::prefix_with_array(std::string_view content, Texts array, bool case_sensitive) {
    Folded c(content, case_sensitive);
    return first_index(array, [&](const std::string& e) { return starts_with(c.text, Folded(e, case_sensitive).text); }) >= 0;
}

bool StringHelper::suffix_with_array(std::string_view content, Texts array, bool case_sensitive) {
    Folded c(content, case_sensitive);
    return first_index(array, [&](const std::string& e) { return ends_with(c.text, Folded(e, case_sensitive).text); }) >= 0;
}

std::optional<std::string> StringHelper::replace_array(std::string_view plain, Texts old_texts, Texts new_texts) {
    if (old_texts.size() != new_texts.size()) return std::nullopt;
    std::string text(plain);
    for (size_t i = 0; i < old_texts.size(); ++i) {
        const std::string& from = old_texts[i];
        const std::string& to = new_texts[i];
        if (text.empty() || from.empty() || from == to) continue;
        std::string out;
        size_t start = 0;
        for (size_t at; (at = text.find(from, start)) != std::string::npos; start = at + from.size()) {
            out.append(text, start, at - start);
            out += to;
        }
        out.append(text, start, std::string::npos);
        text = std::move(out);
    }
    return text;
}

void StringHelper::diff_array(Texts old_array, Texts new_array, std::vector<std::string>& same,
                              std::vector<std::string>& removed, std::vector<std::string>& added) {
    std::vector<std::string> olds, news;
    for (const std::string& e : old_array) olds.push_back(stripped(e));
    for (const std::string& e : new_array) news.push_back(stripped(e));
    auto contains = [](const std::vector<std::string>& list, const std::string& e) {
        return std::find(list.begin(), list.end(), e) != list.end();
    };
    same.clear();
    removed.clear();
    added.clear();
    for (const std::string& e : news) {
        if (e.empty()) continue;
        (contains(olds, e) ? same : added).push_back(e);
    }
    for (const std::string& e : olds) {
        if (!e.empty() && !contains(news, e)) removed.push_back(e);
    }
}

std::string StringHelper::trim_chars(const std::string& text, const std::string& chars) {
    std::string pattern = "^[" + chars + "]+|[" + chars + "]+$";
    GRegex* regex = g_regex_new(pattern.c_str(), GRegexCompileFlags(0), GRegexMatchFlags(0), nullptr);
    if (!regex) return text;
    gchar* out = g_regex_replace_literal(regex, text.c_str(), -1, 0, "", GRegexMatchFlags(0), nullptr);
    g_regex_unref(regex);
    return out ? gobj::take_string(out) : text;
}

namespace {

GRegex* word_pattern() {
    static GRegex* const regex =
        g_regex_new("[\\w']+", GRegexCompileFlags(G_REGEX_CASELESS | G_REGEX_MULTILINE), GRegexMatchFlags(0), nullptr);
    return regex;
}

gboolean capitalise(const GMatchInfo* info, GString* out, gpointer) {
    gchar* word = g_match_info_fetch(info, 0);
    gchar* lower = g_utf8_strdown(word, -1);
    const gchar* rest = g_utf8_next_char(lower);
    gchar* first = g_utf8_strup(lower, rest - lower);
    g_string_append(out, first);
    g_string_append(out, rest);
    g_free(first);
    g_free(lower);
    g_free(word);
    return FALSE;
}

}  // namespace

std::string StringHelper::proper_case(const std::string& text) {
    if (text.empty()) return text;
    GError* error = nullptr;
    gchar* out = g_regex_replace_eval(word_pattern(), text.c_str(), static_cast<gssize>(text.size()), 0,
                                      GRegexMatchFlags(0), &capitalise, nullptr, &error);
    if (!out) {
        tlog_debug("%s", error ? error->message : "");
        g_clear_error(&error);
        return text;
    }
    return gobj::take_string(out);
}

}  // namespace tarvelin::rezezadovu::helpers
