#include "conformance/catalogue.hpp"

#include <json-glib/json-glib.h>

#include <algorithm>
#include <set>

#include "providers/gobj/gee.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"

namespace tarvelin::test::dialects {

using rezezadovu::meta_model::MetaColumn;
using rezezadovu::meta_model::MetaConstraint;

namespace {


template <class C>
C* c_of(MetaObject& object) {
    return reinterpret_cast<C*>(object.gobj());
}

void check(GError* error, const char* what, MetaObject& object) {
    if (!error) return;
    ADD_FAILURE() << what << " of " << object.get_name() << ": " << error->message;
    g_error_free(error);
}

}  // namespace

std::string build_table(Context& ctx, MetaTable& table) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_table(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaTable>(table), TRUE));
}
std::string patch_table(Context& ctx, MetaTable& table) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_patch_table(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaTable>(table)));
}
std::string build_index(Context& ctx, MetaIndex& index) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_index(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaIndex>(index)));
}
std::string build_view(Context& ctx, MetaView& view) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_view(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaView>(view)));
}
std::string build_trigger(Context& ctx, MetaTrigger& trigger) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_trigger(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaTrigger>(trigger)));
}
std::string build_schema(Context& ctx, MetaSchema& schema) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaSchema>(schema), TRUE));
}
std::string create_database(Context& ctx, MetaDatabase& database) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_create_database(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(database), TRUE));
}
std::string alter_schema(Context& ctx, MetaSchema& before, MetaSchema& after) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_alter_schema(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaSchema>(before),
        c_of<TarvelinRezezadovuMetaModelMetaSchema>(after)));
}
std::string build_delete(Context& ctx, MetaObject& object) {
    return take_text(tarvelin_rezezadovu_contracts_database_ibuildable_build_delete(
        ctx.builder(), c_of<TarvelinRezezadovuMetaModelMetaObject>(object)));
}
std::string rename_object(Context& ctx, TarvelinProvidersContractsDBObject kind, const std::string& from,
                          const std::string& to) {
    return take_text(tarvelin_rezezadovu_contracts_database_istatement_rename_object(
        ctx.statement(), kind, ctx.database.c_str(), ctx.schema.c_str(), from.c_str(), to.c_str()));
}

void fill_table(Context& ctx, MetaTable& table, bool deep) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_table(
        ctx.adapter(), c_of<TarvelinRezezadovuMetaModelMetaTable>(table), deep, &error);
    check(error, "fill_meta_table", table);
}
void fill_schema(Context& ctx, MetaSchema& schema, bool deep) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
        ctx.adapter(), c_of<TarvelinRezezadovuMetaModelMetaSchema>(schema), deep, &error);
    check(error, "fill_meta_schema", schema);
}
void fill_object(Context& ctx, MetaObject& object, bool deep) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_object(
        ctx.adapter(), c_of<TarvelinRezezadovuMetaModelMetaObject>(object), deep, &error);
    check(error, "fill_meta_object", object);
}
void fill_database(Context& ctx, MetaDatabase& database, bool deep) {
    GError* error = nullptr;
    tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_database(
        ctx.adapter(), c_of<TarvelinRezezadovuMetaModelMetaDatabase>(database), deep, &error);
    check(error, "fill_meta_database", database);
}

gobj::Ref<MetaTable> new_table(Context& ctx, const std::string& name) {
    return MetaTable::create_with_names(MetaTable::gtype(), ctx.database.c_str(), ctx.schema.c_str(), name.c_str());
}

gobj::Ref<MetaTable> read_table(Context& ctx, const std::string& name) {
    auto table = new_table(ctx, name);
    fill_table(ctx, *table);
    return table;
}

namespace {

template <class T>
std::vector<std::string> names_of(GeeArrayList* list) {
    std::vector<std::string> out;
    for (auto item : gobj::GeeArray<T>::wrap(list)) out.push_back(item->get_name() ? item->get_name() : "");
    std::sort(out.begin(), out.end());
    return out;
}

gobj::Ref<MetaSchema> listed_schema(Context& ctx) {
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), ctx.database.c_str(), ctx.schema.c_str());
    fill_schema(ctx, *schema, false);
    return schema;
}

}  // namespace

std::vector<std::string> table_names(Context& ctx) { return names_of<MetaTable>(listed_schema(ctx)->get_tables()); }
std::vector<std::string> view_names(Context& ctx) { return names_of<MetaView>(listed_schema(ctx)->get_views()); }
std::vector<std::string> schema_names(Context& ctx, const std::string& name) {
    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), name.c_str());
    fill_database(ctx, *database, false);
    return names_of<MetaSchema>(database->get_schemas());
}

void settle(MetaTable& table) {
    constexpr auto kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
    table.set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    for (auto c : gobj::GeeArray<MetaColumn>::wrap(table.get_columns())) c->set_version(kIdentical);
    for (auto i : gobj::GeeArray<MetaIndex>::wrap(table.get_indexes())) i->set_version(kIdentical);
    for (auto t : gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers())) t->set_version(kIdentical);
    for (auto k : gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints())) k->set_version(kIdentical);
}

std::string shape(MetaTable& table) {
    std::string out = "columns:";
    for (auto c : gobj::GeeArray<MetaColumn>::wrap(table.get_columns())) out += " [" + std::string(c->get_name()) + "]";
    for (auto i : gobj::GeeArray<MetaIndex>::wrap(table.get_indexes())) {
        out += "\nindex [" + std::string(i->get_name()) + "] on";
        for (const auto& entry : gobj::StringArray::wrap(i->get_columns()).to_vector()) out += " [" + entry + "]";
    }
    for (auto t : gobj::GeeArray<MetaTrigger>::wrap(table.get_triggers()))
        out += "\ntrigger [" + std::string(t->get_name()) + "]";
    return out;
}

namespace {

// The lists whose order is the reader's choice; columns keep theirs.
const std::set<std::string> kUnordered = {"schemas", "tables", "views",   "functions", "procedures",
                                          "indexes", "triggers", "rules", "constraints"};

std::string strip(const std::string& text) {
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string name_of(JsonNode* node) {
    if (!JSON_NODE_HOLDS_OBJECT(node)) return {};
    JsonObject* object = json_node_get_object(node);
    return json_object_has_member(object, "name") ? json_object_get_string_member(object, "name") : "";
}

void normalise(JsonNode* node, const std::vector<std::string>& masked) {
    if (JSON_NODE_HOLDS_ARRAY(node)) {
        JsonArray* array = json_node_get_array(node);
        for (guint i = 0; i < json_array_get_length(array); ++i) normalise(json_array_get_element(array, i), masked);
        return;
    }
    if (!JSON_NODE_HOLDS_OBJECT(node)) return;
    JsonObject* object = json_node_get_object(node);
    GList* members = json_object_get_members(object);
    for (GList* m = members; m; m = m->next) {
        // Setting a member replaces its name too: keep a copy.
        const std::string name = static_cast<const char*>(m->data);
        JsonNode* member = json_object_get_member(object, name.c_str());
        if (JSON_NODE_HOLDS_VALUE(member) && json_node_get_value_type(member) == G_TYPE_STRING) {
            std::string value = json_node_get_string(member);
            if (std::find(masked.begin(), masked.end(), value) != masked.end()) value = "<masked>";
            // Builders write routine and trigger bodies on lines of their own.
            if (name == "body") value = strip(value);
            json_object_set_string_member(object, name.c_str(), value.c_str());
            continue;
        }
        normalise(member, masked);
        if (JSON_NODE_HOLDS_ARRAY(member) && kUnordered.count(name)) {
            JsonArray* array = json_node_get_array(member);
            std::vector<JsonNode*> items;
            for (guint i = 0; i < json_array_get_length(array); ++i)
                items.push_back(json_node_ref(json_array_get_element(array, i)));
            std::stable_sort(items.begin(), items.end(),
                             [](JsonNode* a, JsonNode* b) { return name_of(a) < name_of(b); });
            JsonArray* sorted = json_array_new();
            for (JsonNode* item : items) json_array_add_element(sorted, item);
            json_object_set_array_member(object, name.c_str(), sorted);
        }
    }
    g_list_free(members);
}

}  // namespace

std::string comparable_json(MetaObject& object, const std::vector<std::string>& masked) {
    JsonNode* node = json_gobject_serialize(object.gobj());
    normalise(node, masked);
    gchar* text = json_to_string(node, TRUE);
    json_node_unref(node);
    return take_text(text);
}

}  // namespace tarvelin::test::dialects
