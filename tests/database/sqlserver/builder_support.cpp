#include "builder_support.hpp"

#include <algorithm>
#include <sstream>

namespace tarvelin::test::sqlserver {

namespace {
std::string upper(const std::string& text) { return take(g_ascii_strup(text.c_str(), -1)); }
}  // namespace

BuilderFixture::BuilderFixture()
    : builder(gobj::Ref<gobj::Object>::adopt(tarvelin_rezezadovu_contracts_database_iconnection_builder(server.c()))) {}

std::string take(gchar* text) {
    if (!text) return "(null)";
    std::string out(text);
    g_free(text);
    return out;
}

gobj::Ref<MetaTable> table(const char* schema, const char* name) {
    return MetaTable::create_with_names(MetaTable::gtype(), "shop", schema, name);
}

gobj::Ref<MetaColumn> column(MetaTable& table, const char* name, const char* raw_type, gint64 length, guint8 scale,
                             DataType data_type) {
    auto c = table.new_column(name, data_type);
    c->set_raw_type(raw_type);
    c->set_length(length);
    c->set_scale(scale);
    return c;
}

void set_attribute(MetaObject& object, const char* key, const char* value) {
    gobj::StringMap::wrap(GEE_MAP(object.get_attributes())).set(key, value);
}

void set_option(MetaTable& table, const char* key, const char* value) {
    gobj::StringMap::wrap(GEE_MAP(table.get_options())).set(key, value);
}

namespace {
template <class T>
gobj::Ref<T> constrained(MetaTable& table, gobj::Ref<T> constraint) {
    gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints()).append(constraint);
    return constraint;
}
}  // namespace

gobj::Ref<MetaCheck> add_check(MetaTable& table, const char* name, const char* expression) {
    return constrained(table, MetaCheck::create_with_name(MetaCheck::gtype(), name, expression));
}

gobj::Ref<MetaUnique> add_unique(MetaTable& table, const char* name, const char* columns) {
    auto u = MetaUnique::create_with_name(MetaUnique::gtype(), name);
    u->set_columns(columns);
    return constrained(table, u);
}

gobj::Ref<MetaForeignKey> add_foreign_key(MetaTable& table, const char* name, const char* local, const char* schema,
                                          const char* refer, const char* columns) {
    auto fk = MetaForeignKey::create_with_name(MetaForeignKey::gtype(), name);
    fk->set_local_columns(local);
    fk->set_refer_schema(schema);
    fk->set_refer_table(refer);
    fk->set_refer_columns(columns);
    return constrained(table, fk);
}

gobj::Ref<MetaIndex> add_index(MetaTable& table, const char* name, std::vector<std::string> columns) {
    auto index = MetaIndex::create_with_names(MetaIndex::gtype(), "shop", table.get_schema(), table.get_name(), name);
    for (const auto& c : columns) gobj::StringArray::wrap(index->get_columns()).append(c);
    gobj::GeeArray<MetaIndex>::wrap(table.get_indexes()).append(index);
    return index;
}

gobj::Ref<MetaTrigger> add_trigger(MetaTable& table, const char* name, const char* timing, const char* event,
                                   const char* body) {
    auto trigger = MetaTrigger::create_with_body(MetaTrigger::gtype(), name, body);
    trigger->set_timing(timing);
    trigger->set_event(event);
    trigger->set_target(table.get_name());
    gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers()).append(trigger);
    return trigger;
}

void changed(MetaTable& table, const std::string& key, DataVersion version, MetaObject* member,
             std::vector<std::string> member_keys) {
    table.append_diff(key.c_str(), version);
    for (const auto& k : member_keys) member->append_diff(k.c_str(), TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
}

std::string mask_keys(const std::string& script) {
    static GRegex* const key = g_regex_new("PK__(.+?)__([0-9A-Fa-f]{20})", G_REGEX_OPTIMIZE, GRegexMatchFlags(0), nullptr);
    std::string out;
    std::size_t last = 0;
    GMatchInfo* info = nullptr;
    g_regex_match(key, script.c_str(), GRegexMatchFlags(0), &info);
    while (g_match_info_matches(info)) {
        gint start = 0, end = 0;
        g_match_info_fetch_pos(info, 0, &start, &end);
        std::string table = take(g_match_info_fetch(info, 1));
        std::string hmac = take(g_match_info_fetch(info, 2));
        EXPECT_EQ(hmac, upper(hmac)) << "the key's characters are upper case";
        out += script.substr(last, start - last) + "PK__" + table + "__<HMAC>";
        last = end;
        g_match_info_next(info, nullptr);
    }
    g_match_info_free(info);
    return out + script.substr(last);
}

void expect_script(const std::string& script, const std::string& name) {
    expect_data_file(script, "ddl/" + name + ".sql");
}

std::vector<std::string> sorted_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace tarvelin::test::sqlserver
