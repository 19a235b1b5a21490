#include "rezezadovu/supports/database/sqlserver/builder_parts.hpp"

#include <algorithm>

TARVELIN_LOG_TAG("builder")

namespace tarvelin::rezezadovu::supports::database::sqlserver {

std::string upper(std::string_view text) {
    return gobj::take_string(g_utf8_strup(std::string(text).c_str(), -1));
}

std::string trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\n\r\f\v";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return std::string();
    auto last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

void chop(std::string& text, std::size_t n) { text.erase(text.size() - std::min(n, text.size())); }

bool ends_with(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string joined(const std::vector<std::string>& items, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) out += separator;
        out += items[i];
    }
    return out;
}

std::vector<std::string> items(std::string_view list) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        auto comma = list.find(',', start);
        if (comma == std::string_view::npos) comma = list.size();
        std::string item = trimmed(list.substr(start, comma - start));
        if (!item.empty()) out.push_back(std::move(item));
        start = comma + 1;
    }
    return out;
}

bool has_item(const std::vector<std::string>& list, std::string_view item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// ---------------------------------------------------------------- key entries

namespace {
// The entry without its order word, and that word ("" without one).
std::pair<std::string, std::string> without_order(std::string_view entry) {
    std::string text = trimmed(entry);
    auto blank = text.find_last_of(" \t\r\n");
    if (blank != std::string::npos) {
        std::string word = upper(text.substr(blank + 1));
        if (word == "ASC" || word == "DESC") return {trimmed(text.substr(0, blank)), word};
    }
    return {text, std::string()};
}
bool names_column(std::string_view entry, const std::vector<std::string>& columns, bool ordered) {
    return has_item(columns, entry) || has_item(columns, trimmed(entry)) ||
           (ordered && has_item(columns, without_order(entry).first));
}
}  // namespace

std::string key_entry(std::string_view entry, const std::vector<std::string>& columns, bool ordered) {
    if (has_item(columns, entry)) return SQLServerStatement::quoted(entry);
    std::string text = trimmed(entry);
    if (!ordered || has_item(columns, text)) return SQLServerStatement::quoted(text);
    auto [name, order] = without_order(text);
    return order.empty() ? SQLServerStatement::quoted(name) : SQLServerStatement::quoted(name) + " " + order;
}

std::string key_list(std::string_view list, const std::vector<std::string>& columns, std::string_view separator,
                     bool ordered) {
    std::vector<std::string_view> pieces;
    for (std::size_t start = 0;;) {
        auto comma = list.find(',', start);
        pieces.push_back(list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        // The longest run of pieces from here that names a column is one entry.
        std::size_t last = i;
        for (std::size_t j = pieces.size(); j-- > i + 1;) {
            std::string_view run(pieces[i].data(), pieces[j].data() + pieces[j].size() - pieces[i].data());
            if (names_column(run, columns, ordered)) {
                last = j;
                break;
            }
        }
        std::string_view entry(pieces[i].data(), pieces[last].data() + pieces[last].size() - pieces[i].data());
        if (!trimmed(entry).empty()) entries.push_back(key_entry(entry, columns, ordered));
        i = last;
    }
    return joined(entries, separator);
}

std::vector<std::string> column_names(meta_model::MetaTable& table) {
    std::vector<std::string> names;
    for (auto column : gobj::GeeArray<meta_model::MetaColumn>::wrap(table.get_columns()))
        if (column) names.push_back(text_or_empty(column->get_name()));
    return names;
}

// ---------------------------------------------------------------- attributes and maps

gobj::StringMap attributes(const MetaObject& object) { return gobj::StringMap::wrap(GEE_MAP(object.get_attributes())); }

std::optional<std::string> attribute(const MetaObject& object, const char* key) { return attributes(object).get(key); }

std::string attribute_or_empty(const MetaObject& object, const char* key) {
    return attributes(object).get_or(key, "");
}

bool flag(const MetaObject& object, const char* key) { return attribute(object, key) == "true"; }

const char* on_off(const MetaObject& object, const char* key) { return flag(object, key) ? "ON" : "OFF"; }

std::string execute_as(const MetaObject& object) {
    auto who = attribute(object, "EXECUTOR_USER");
    if (!who) who = attribute(object, "EXECUTOR");
    if (!who) return std::string();
    std::string word = upper(*who);
    if (word == "CALLER" || word == "SELF" || word == "OWNER") return "EXECUTE AS " + word;
    return SQLServerStatement::fill("EXECUTE AS '%s'", {*who});
}

std::optional<std::string> earlier(const MetaObject& object, const std::string& key) {
    return gobj::StringMap::wrap(GEE_MAP(object.slice())).get(key);
}

bool Changes::has(const std::string& key) const { return gee_map_has_key(map_, key.c_str()); }

DataVersion Changes::get(const std::string& key) const {
    if (!has(key)) return TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL;
    return static_cast<DataVersion>(GPOINTER_TO_UINT(gee_map_get(map_, key.c_str())));
}

std::vector<std::string> Changes::keys() const { return gobj::StringMap::wrap(map_).keys(); }

void Changes::remove(const std::string& key) const { gee_map_unset(map_, key.c_str(), nullptr); }

bool Changes::empty() const { return gee_map_get_size(map_) == 0; }

void Changes::clear() const { gee_map_clear(map_); }

// ---------------------------------------------------------------- descriptions

namespace {
std::string level(const char* kind, std::string_view name) {
    return SQLServerStatement::fill("'%s', N'%s'", {kind, name});
}
}  // namespace

Description Description::schema(std::string_view schema) {
    return {level("SCHEMA", schema), SQLServerStatement::fill(",'SCHEMA', '%s', NULL, NULL, NULL, NULL", {schema})};
}

Description Description::object(std::string_view schema, const char* kind, std::string_view name) {
    std::string target = level("SCHEMA", schema) + ", " + level(kind, name);
    return {target, "," + target + ", NULL, NULL"};
}

Description Description::member(std::string_view schema, std::string_view table, const char* kind,
                                std::string_view name) {
    std::string target = level("SCHEMA", schema) + ", " + level("TABLE", table) + ", " + level(kind, name);
    return {target, "," + target};
}

Description Description::user(std::string_view name) {
    std::string target = level("USER", name) + ", NULL, NULL, NULL, NULL";
    return {target, ", " + target};
}

std::string Description::add(std::string_view description) const {
    return SQLServerStatement::fill("EXEC sp_addextendedproperty 'MS_Description', N'%s', ", {description}) + target_ +
           ";\n";
}

std::string Description::update_or_add(std::string_view description) const {
    return "IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description" + std::string("'") + listed_ +
           ")) > 0)\n" +
           SQLServerStatement::fill("\tEXEC sp_updateextendedproperty 'MS_Description', N'%s', ", {description}) +
           target_ + "\nELSE\n\t" + add(description);
}

std::string Description::drop() const { return "EXEC sp_dropextendedproperty 'MS_Description', " + target_ + ";\n"; }

}  // namespace tarvelin::rezezadovu::supports::database::sqlserver
