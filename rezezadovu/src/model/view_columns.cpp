// Log tag: view_columns
#include "rezezadovu/model/view_columns.hpp"

#include <glib.h>

#include <array>
#include <string_view>

#include "providers/gobj/error.hpp"

TARVELIN_LOG_TAG("view_columns")

namespace tarvelin::rezezadovu::meta_model {

namespace {

constexpr const char* kSelectList = R"(select\s+(?<columns>[\w\s`'".,=()\[\]\*]+)\s+from)";
constexpr const char* kSelectItem =
    R"((?<expr1>[\w`'"\[\]]+\.[\w`'"\[\]]+\s+as\s+[\w`'"\[\]]+)[,\s]+|)"
    R"((?<expr2>[\w`'"\[\]]+\s+as\s+[\w`'"\[\]]+)[,\s]+|)"
    R"((?<expr3>[\w`'"\[\]]+\.[\w`'"\[\]]+)[,\s]+|)"
    R"((?<expr4>[\w`'"\[\]]+\.\*)[,\s]+|)"
    R"((?<expr5>\*)[,\s]+|)"
    R"((?<expr6>[\w`'"\[\]]+)[,\s]+)";
constexpr std::array<const char*, 6> kItemGroups = {"expr1", "expr2", "expr3", "expr4", "expr5", "expr6"};

// Compiled once per process and shared by every view.
GRegex* compiled(const char* pattern, gsize* slot) {
    if (g_once_init_enter(slot)) {
        GError* error = nullptr;
        GRegex* re = g_regex_new(pattern, GRegexCompileFlags(G_REGEX_CASELESS | G_REGEX_MULTILINE), GRegexMatchFlags(0),
                                 &error);
        if (!re) {
            tlog_critical("%s", error->message);
            g_error_free(error);
        }
        g_once_init_leave(slot, reinterpret_cast<gsize>(re));
    }
    return reinterpret_cast<GRegex*>(*slot);
}

GRegex* select_list() {
    static gsize slot = 0;
    return compiled(kSelectList, &slot);
}

GRegex* select_item() {
    static gsize slot = 0;
    return compiled(kSelectItem, &slot);
}

std::string stripped(const char* s) {
    std::string out(s ? s : "");
    const auto ws = " \t\n\r\f\v";
    auto b = out.find_first_not_of(ws);
    if (b == std::string::npos) return {};
    auto e = out.find_last_not_of(ws);
    return out.substr(b, e - b + 1);
}

// Where " as " starts in `item`, in any ASCII case; npos without one. Only ASCII letters
// are folded, so the position holds in the item as written.
size_t as_word_at(const std::string& item) {
    for (size_t at = 0; at + 4 <= item.size(); ++at)
        if (g_ascii_strncasecmp(item.c_str() + at, " as ", 4) == 0) return at;
    return std::string::npos;
}

DerivedColumn column_of(const std::string& item) {
    DerivedColumn c;
    const size_t p = as_word_at(item);
    std::string name;
    if (p == std::string::npos) {
        name = item;
        c.raw_type = item;
    } else {
        name = stripped(item.c_str() + p + 4);
        c.raw_type = stripped(item.substr(0, p).c_str());
    }
    // The name as the view gives it, without the quotes of any product around or in it.
    std::erase_if(name, [](char ch) { return std::string_view("`'\"[]").find(ch) != std::string_view::npos; });
    c.name = std::move(name);
    return c;
}

}  // namespace

std::optional<std::vector<DerivedColumn>> derive_view_columns(std::string_view definition) {
    GRegex* list_re = select_list();
    GRegex* item_re = select_item();
    if (!list_re || !item_re) return std::nullopt;
    std::string text(definition);

    GMatchInfo* list_match = nullptr;
    bool found = g_regex_match(list_re, text.c_str(), GRegexMatchFlags(0), &list_match);
    gchar* columns = found ? g_match_info_fetch_named(list_match, "columns") : nullptr;
    g_match_info_free(list_match);
    if (!columns) return std::nullopt;
    // A trailing blank gives the last item the separator expression B needs after it;
    // expression A hands the blank before FROM back to its own \s+.
    std::string list = std::string(columns) + " ";
    g_free(columns);

    GMatchInfo* item_match = nullptr;
    if (!g_regex_match(item_re, list.c_str(), GRegexMatchFlags(0), &item_match)) {
        g_match_info_free(item_match);
        return std::nullopt;
    }
    std::vector<DerivedColumn> out;
    while (g_match_info_matches(item_match)) {
        std::string item;
        for (const char* group : kItemGroups) {
            gchar* part = g_match_info_fetch_named(item_match, group);
            bool took_part = part && *part;
            if (took_part) item = stripped(part);
            g_free(part);
            if (took_part) break;
        }
        if (!item.empty()) out.push_back(column_of(item));
        GError* error = nullptr;
        if (!g_match_info_next(item_match, &error) && error) {
            tlog_warning("%s", error->message);
            g_error_free(error);
            break;
        }
    }
    g_match_info_free(item_match);
    return out;
}

}  // namespace tarvelin::rezezadovu::meta_model
