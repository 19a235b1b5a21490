#include "rezezadovu/transform/patcher.hpp"

#include <json-glib/json-glib.h>

#include <algorithm>

#include "providers/contracts/value_binary.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"

TARVELIN_LOG_TAG("patcher")

namespace tarvelin::rezezadovu::transform {

using namespace meta_model;
using providers::contracts::ValueBinary;
using providers::contracts::ValueObject;

TARVELIN_GTYPE(Patcher, "TarvelinRezezadovuTransformPatcher", gobj::Object)

gobj::Ref<Patcher> Patcher::create(GType type) { return gobj::create<Patcher>(type); }

namespace {

constexpr DataVersion kInitial = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL;
constexpr DataVersion kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr DataVersion kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr DataVersion kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr DataVersion kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

using Node = gobj::Owned<JsonNode, &json_node_unref>;

std::string text(const char* s) { return s ? s : ""; }

std::string json_text(JsonNode* node) { return gobj::take_string(json_to_string(node, FALSE)); }

// ---------------------------------------------------------------- catalogue JSON

// What the compared object's own "name" stands for, so that it follows the name swap.
enum class OwnName { Other, Schema, Database };

void swap_member(JsonObject* object, const char* member, const std::string& from, const std::string& to) {
    if (from.empty() || from == to || !json_object_has_member(object, member)) return;
    JsonNode* node = json_object_get_member(object, member);
    if (JSON_NODE_HOLDS_VALUE(node) && json_node_get_value_type(node) == G_TYPE_STRING &&
        from == text(json_node_get_string(node)))
        json_object_set_string_member(object, member, to.c_str());
}

// Drops change marks everywhere and, with `names`, reads the target's names as the source's.
void normalise(JsonNode* node, const NameSwap* names) {
    if (JSON_NODE_HOLDS_ARRAY(node)) {
        JsonArray* array = json_node_get_array(node);
        for (guint i = 0; i < json_array_get_length(array); ++i) normalise(json_array_get_element(array, i), names);
        return;
    }
    if (!JSON_NODE_HOLDS_OBJECT(node)) return;
    JsonObject* object = json_node_get_object(node);
    if (json_object_has_member(object, "version")) json_object_remove_member(object, "version");
    if (names) {
        swap_member(object, "database", names->target_database, names->source_database);
        swap_member(object, "refer-database", names->target_database, names->source_database);
        swap_member(object, "schema", names->target_schema, names->source_schema);
        swap_member(object, "refer-schema", names->target_schema, names->source_schema);
    }
    GList* members = json_object_get_members(object);
    for (GList* m = members; m; m = m->next)
        normalise(json_object_get_member(object, static_cast<const char*>(m->data)), names);
    g_list_free(members);
}

std::string catalogue_json(MetaObject& object, const NameSwap* names, OwnName own) {
    Node node(json_gobject_serialize(object.gobj()));
    normalise(node.get(), names);
    if (names && JSON_NODE_HOLDS_OBJECT(node.get())) {
        JsonObject* root = json_node_get_object(node.get());
        if (own == OwnName::Schema) swap_member(root, "name", names->target_schema, names->source_schema);
        if (own == OwnName::Database) swap_member(root, "name", names->target_database, names->source_database);
    }
    return json_text(node.get());
}

// The swap for comparing `source` with `target`, or none when names count as they are.
std::optional<NameSwap> swap_for(MetaObject& source, MetaObject& target, bool with_names) {
    if (with_names) return std::nullopt;
    return NameSwap{text(source.get_database()), text(source.get_schema()), text(target.get_database()),
                    text(target.get_schema())};
}

const NameSwap* ptr(const std::optional<NameSwap>& names) { return names ? &*names : nullptr; }

bool same_json(MetaObject& source, MetaObject& target, const NameSwap* names, OwnName own = OwnName::Other) {
    return catalogue_json(source, nullptr, own) == catalogue_json(target, names, own);
}

// ---------------------------------------------------------------- data JSON

// A value: its class, type and exact text (bytes as hexadecimal digits): the display text
// of a number keeps six decimals, so two numbers that differ past them would compare equal.
JsonNode* value_node(const gobj::Ref<ValueObject>& value) {
    JsonBuilder* b = json_builder_new();
    json_builder_begin_object(b);
    json_builder_set_member_name(b, "class");
    json_builder_add_string_value(b, value ? value->type_name() : "");
    if (value) {
        json_builder_set_member_name(b, "data-type");
        json_builder_add_int_value(b, value->get_data_type());
        json_builder_set_member_name(b, "is-null");
        json_builder_add_boolean_value(b, value->get_is_null());
        json_builder_set_member_name(b, "text");
        auto* bytes = dynamic_cast<ValueBinary*>(value.get());
        json_builder_add_string_value(b, (bytes ? bytes->to_hexadecimal() : value->exact_text()).c_str());
    }
    json_builder_end_object(b);
    JsonNode* node = json_builder_get_root(b);
    g_object_unref(b);
    return node;
}

// A node holding `object`, which it takes over.
JsonNode* object_node(JsonObject* object) {
    JsonNode* node = json_node_init_object(json_node_alloc(), object);
    json_object_unref(object);
    return node;
}

JsonNode* row_node(const Patcher::RowModel& row) {
    JsonArray* values = json_array_new();
    for (auto value : row.get_values()) json_array_add_element(values, value_node(value));
    JsonObject* object = json_object_new();
    json_object_set_array_member(object, "values", values);
    return object_node(object);
}

JsonNode* table_node(const Patcher::TableModel& table) {
    JsonArray* columns = json_array_new();
    for (auto column : table.get_columns()) {
        JsonObject* c = json_object_new();
        json_object_set_string_member(c, "name", column->get_name().value_or("").c_str());
        json_object_set_int_member(c, "data-type", column->get_data_type());
        json_array_add_object_element(columns, c);
    }
    JsonArray* rows = json_array_new();
    for (auto row : table.get_rows()) json_array_add_element(rows, row_node(*row));
    JsonObject* object = json_object_new();
    json_object_set_array_member(object, "columns", columns);
    json_object_set_array_member(object, "rows", rows);
    return object_node(object);
}

JsonNode* set_node(const Patcher::DataSetModel& set) {
    JsonArray* tables = json_array_new();
    for (auto table : set.get_tables()) json_array_add_element(tables, table_node(*table));
    JsonObject* object = json_object_new();
    json_object_set_array_member(object, "tables", tables);
    return object_node(object);
}

template <class F, class T>
std::string data_json(F make, const T& model) {
    Node node(make(model));
    return json_text(node.get());
}

// ---------------------------------------------------------------- members

template <class T>
gobj::GeeArray<T> list_of(GeeArrayList* list) {
    return gobj::GeeArray<T>::wrap(list);
}

template <class T>
gobj::Ref<T> named(const std::vector<gobj::Ref<T>>& items, const std::string& name) {
    for (const auto& item : items)
        if (text(item->get_name()) == name) return item;
    return {};
}

template <class T>
std::vector<gobj::Ref<T>> items_of(GeeArrayList* list, GType kind = T::gtype()) {
    std::vector<gobj::Ref<T>> out;
    for (auto item : list_of<MetaObject>(list))
        if (item && G_TYPE_CHECK_INSTANCE_TYPE(item.gobj(), kind)) out.push_back(gobj::ref_cast<T>(item));
    return out;
}

// Marks each member of `source` against the member of `target` with its name and puts
// it into `into`; target-only members come first (DELETE) when `deleted_first`, last
// otherwise.
void mark_members(const std::vector<gobj::Ref<MetaObject>>& source, const std::vector<gobj::Ref<MetaObject>>& target,
                  const NameSwap* names, bool deleted_first, const gobj::GeeArray<MetaObject>& into) {
    auto add_deleted = [&] {
        for (const auto& t : target) {
            if (named(source, text(t->get_name()))) continue;
            t->set_version(kDelete);
            into.append(t);
        }
    };
    if (deleted_first) add_deleted();
    for (const auto& s : source) {
        auto t = named(target, text(s->get_name()));
        s->set_version(!t ? kInsert : same_json(*s, *t, names) ? kIdentical : kUpdate);
        into.append(s);
    }
    if (!deleted_first) add_deleted();
}

std::vector<gobj::Ref<MetaObject>> all_of(GeeArrayList* list, GType kind = MetaObject::gtype()) {
    return items_of<MetaObject>(list, kind);
}

// ---------------------------------------------------------------- diff_model

bool is_catalogue(GObject* object) { return object && G_TYPE_CHECK_INSTANCE_TYPE(object, MetaObject::gtype()); }

void read_property(GObject* object, GParamSpec* pspec, GValue* value) {
    g_value_init(value, pspec->value_type);
    if (JSON_IS_SERIALIZABLE(object)) {
        json_serializable_get_property(JSON_SERIALIZABLE(object), pspec, value);
    } else {
        g_object_get_property(object, pspec->name, value);
    }
}

GType element_type(GeeArrayList* list) {
    GType type = G_TYPE_INVALID;
    g_object_get(list, "g-type", &type, nullptr);
    return type;
}

// The value's contents text without one enclosing pair of double quotes.
std::string contents_text(const GValue* value) {
    std::string s = gobj::take_string(g_strdup_value_contents(value));
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return s;
}

}  // namespace

std::string comparable_json(MetaObject& object, const NameSwap* names) {
    OwnName own = OwnName::Other;
    if (G_TYPE_CHECK_INSTANCE_TYPE(object.gobj(), MetaSchema::gtype())) own = OwnName::Schema;
    if (G_TYPE_CHECK_INSTANCE_TYPE(object.gobj(), MetaDatabase::gtype())) own = OwnName::Database;
    return catalogue_json(object, names, own);
}

DataVersion Patcher::diff_object(GObject* object_source, GObject* object_target) {
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(object_source), &n);
    DataVersion result = kIdentical;
    for (guint i = 0; i < n && result == kIdentical; ++i) {
        GParamSpec* pspec = specs[i];
        if (!(pspec->flags & G_PARAM_READABLE)) continue;
        GParamSpec* other = g_object_class_find_property(G_OBJECT_GET_CLASS(object_target), pspec->name);
        if (!other || other->value_type != pspec->value_type) {
            result = kUpdate;
            break;
        }
        GValue a = G_VALUE_INIT, b = G_VALUE_INIT;
        g_value_init(&a, pspec->value_type);
        g_value_init(&b, pspec->value_type);
        g_object_get_property(object_source, pspec->name, &a);
        g_object_get_property(object_target, pspec->name, &b);
        if (g_param_values_cmp(pspec, &a, &b) != 0) result = kUpdate;
        g_value_unset(&a);
        g_value_unset(&b);
    }
    g_free(specs);
    return result;
}

DataVersion Patcher::diff_model(MetaObject& object_source, MetaObject& object_target) {
    object_target.clear_diff();
    GObject* source = object_source.gobj();
    GObject* target = object_target.gobj();
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(source), &n);
    for (guint i = 0; i < n; ++i) {
        GParamSpec* pspec = specs[i];
        const std::string p = pspec->name;
        if (p == "version" || !(pspec->flags & G_PARAM_READABLE)) continue;
        GParamSpec* other = g_object_class_find_property(G_OBJECT_GET_CLASS(target), pspec->name);
        if (!other || other->value_type != pspec->value_type) continue;
        GValue a = G_VALUE_INIT, b = G_VALUE_INIT;
        read_property(source, pspec, &a);
        read_property(target, pspec, &b);
        auto record = [&](const std::string& key, DataVersion mark) { object_target.append_diff(key.c_str(), mark); };

        if (G_VALUE_HOLDS_OBJECT(&a)) {
            GObject* x = static_cast<GObject*>(g_value_get_object(&a));
            GObject* y = static_cast<GObject*>(g_value_get_object(&b));
            if (x && GEE_IS_MAP(x)) {
                auto from = gobj::StringMap::wrap(GEE_MAP(x));
                auto to = y && GEE_IS_MAP(y) ? gobj::StringMap::wrap(GEE_MAP(y)) : gobj::StringMap::create();
                for (const auto& key : from.keys()) {
                    std::string k = p + "." + key;
                    auto mine = from.get(key);
                    if (!to.has(key)) {
                        record(k, kDelete);
                        object_target.append_slice(k.c_str(), mine.value_or("").c_str());
                    } else if (to.get(key) != mine) {
                        record(k, kUpdate);
                        object_target.append_slice(k.c_str(), mine.value_or("").c_str());
                    }
                }
                for (const auto& key : to.keys())
                    if (!from.has(key)) record(p + "." + key, kInsert);
            } else if (x && GEE_IS_ARRAY_LIST(x)) {
                GType element = element_type(GEE_ARRAY_LIST(x));
                auto* other_list = y && GEE_IS_ARRAY_LIST(y) ? GEE_ARRAY_LIST(y) : nullptr;
                if (g_type_is_a(element, MetaObject::gtype())) {
                    auto mine = all_of(GEE_ARRAY_LIST(x));
                    auto theirs = other_list ? all_of(other_list) : std::vector<gobj::Ref<MetaObject>>();
                    auto same_place = [](MetaObject& s, MetaObject& t) {
                        return text(s.get_schema()) == text(t.get_schema()) && text(s.get_name()) == text(t.get_name());
                    };
                    for (const auto& s : mine) {
                        gobj::Ref<MetaObject> match;
                        for (const auto& t : theirs)
                            if (same_place(*s, *t)) {
                                match = t;
                                break;
                            }
                        if (!match) {
                            record(p + "." + text(s->get_name()), kDelete);
                        } else if (diff_model(*s, *match) == kUpdate) {
                            record(p + "." + text(s->get_name()), kUpdate);
                        }
                    }
                    for (const auto& t : theirs) {
                        bool found = false;
                        for (const auto& s : mine) found = found || same_place(*s, *t);
                        if (!found) record(p + "." + text(t->get_name()), kInsert);
                    }
                } else if (element == G_TYPE_STRING) {
                    auto mine = gobj::StringArray::wrap(GEE_ARRAY_LIST(x)).to_vector();
                    auto theirs = other_list ? gobj::StringArray::wrap(other_list).to_vector() : std::vector<std::string>();
                    auto holds = [](const std::vector<std::string>& v, const std::string& s) {
                        return std::find(v.begin(), v.end(), s) != v.end();
                    };
                    for (const auto& s : mine)
                        if (!holds(theirs, s)) record(p + "." + s, kDelete);
                    for (const auto& t : theirs)
                        if (!holds(mine, t)) record(p + "." + t, kInsert);
                }
            } else if (is_catalogue(x) && is_catalogue(y)) {
                if (diff_model(*gobj::cast<MetaObject>(x), *gobj::cast<MetaObject>(y)) == kUpdate) record(p, kUpdate);
            } else if (x && y) {
                if (diff_object(x, y) == kUpdate) record(p, kUpdate);
            } else if (x != y) {
                record(p, kUpdate);
            }
        } else if (g_param_values_cmp(pspec, &a, &b) != 0) {
            record(p, kUpdate);
            object_target.append_slice(p.c_str(), contents_text(&a).c_str());
        }
        g_value_unset(&a);
        g_value_unset(&b);
    }
    g_free(specs);
    return gee_map_get_size(GEE_MAP(object_target.diff())) > 0 ? kUpdate : kIdentical;
}

// ---------------------------------------------------------------- catalogue trees

namespace {
template <class T>
DataVersion compare_whole(T& source, T& target, bool with_names, gobj::Ref<T>& patched) {
    patched.reset();
    auto names = swap_for(source, target, with_names);
    return same_json(source, target, ptr(names)) ? kIdentical : kUpdate;
}
}  // namespace

DataVersion Patcher::diff_meta_view(MetaView& source, MetaView& target, bool with_names, gobj::Ref<MetaView>& patched) {
    return compare_whole(source, target, with_names, patched);
}
DataVersion Patcher::diff_meta_function(MetaFunction& source, MetaFunction& target, bool with_names,
                                        gobj::Ref<MetaFunction>& patched) {
    return compare_whole(source, target, with_names, patched);
}
DataVersion Patcher::diff_meta_event(MetaEvent& source, MetaEvent& target, bool with_names,
                                     gobj::Ref<MetaEvent>& patched) {
    return compare_whole(source, target, with_names, patched);
}

DataVersion Patcher::diff_meta_table(MetaTable& source, MetaTable& target, bool with_names,
                                     gobj::Ref<MetaTable>& patched) {
    patched.reset();
    auto names = swap_for(source, target, with_names);
    if (same_json(source, target, ptr(names))) return kIdentical;

    auto table = MetaTable::create_with_names(MetaTable::gtype(), target.get_database(), target.get_schema(),
                                              target.get_name());
    table->set_version(kUpdate);
    auto columns = list_of<MetaObject>(table->get_columns());
    auto indexes = list_of<MetaObject>(table->get_indexes());
    auto constraints = list_of<MetaObject>(table->get_constraints());
    auto triggers = list_of<MetaObject>(table->get_triggers());
    auto rules = list_of<MetaObject>(table->get_rules());
    const NameSwap* swap = ptr(names);

    mark_members(all_of(source.get_columns()), all_of(target.get_columns()), swap, true, columns);
    mark_members(all_of(source.get_indexes()), all_of(target.get_indexes()), swap, false, indexes);
    auto constraint_kind = [&](GType kind) {
        mark_members(all_of(source.get_constraints(), kind), all_of(target.get_constraints(), kind), swap, false,
                     constraints);
    };
    constraint_kind(MetaForeignKey::gtype());
    mark_members(all_of(source.get_triggers()), all_of(target.get_triggers()), swap, false, triggers);
    constraint_kind(MetaCheck::gtype());
    constraint_kind(MetaUnique::gtype());
    mark_members(all_of(source.get_rules()), all_of(target.get_rules()), swap, false, rules);
    constraint_kind(MetaExclude::gtype());

    auto mine = gobj::StringMap::wrap(GEE_MAP(source.get_options()));
    auto theirs = gobj::StringMap::wrap(GEE_MAP(target.get_options()));
    auto options = gobj::StringMap::wrap(GEE_MAP(table->get_options()));
    for (const auto& key : mine.keys()) {
        auto value = mine.get(key);
        if (!theirs.has(key) || theirs.get(key) != value) options.set(key, value.value_or(""));
    }
    if (text(source.get_comment()) != text(target.get_comment())) options.set("COMMENT", text(source.get_comment()));
    patched = table;
    return kUpdate;
}

DataVersion Patcher::diff_meta_schema(MetaSchema& source, MetaSchema& target, bool with_names,
                                      gobj::Ref<MetaSchema>& patched) {
    patched.reset();
    auto names = swap_for(source, target, with_names);
    if (same_json(source, target, ptr(names), OwnName::Schema)) return kIdentical;

    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), target.get_database(), target.get_name());
    // Each kind: the source's members in order, marked against the target's member of the
    // same name, then the target-only ones as DELETE.
    auto kind = [&](GeeArrayList* from, GeeArrayList* to, GeeArrayList* into, auto compare) {
        auto theirs = all_of(to);
        auto mine = all_of(from);
        auto out = list_of<MetaObject>(into);
        for (const auto& s : mine) {
            auto t = named(theirs, text(s->get_name()));
            if (!t) {
                s->set_version(kInsert);
                out.append(s);
                continue;
            }
            gobj::Ref<MetaObject> replacement;
            DataVersion mark = compare(*s, *t, replacement);
            if (replacement) {
                replacement->set_version(kUpdate);
                out.append(replacement);
            } else {
                s->set_version(mark);
                out.append(s);
            }
        }
        for (const auto& t : theirs) {
            if (named(mine, text(t->get_name()))) continue;
            t->set_version(kDelete);
            out.append(t);
        }
    };
    kind(source.get_events(), target.get_events(), schema->get_events(),
         [&](MetaObject& s, MetaObject& t, gobj::Ref<MetaObject>&) {
             gobj::Ref<MetaEvent> none;
             return diff_meta_event(static_cast<MetaEvent&>(s), static_cast<MetaEvent&>(t), with_names, none);
         });
    kind(source.get_functions(), target.get_functions(), schema->get_functions(),
         [&](MetaObject& s, MetaObject& t, gobj::Ref<MetaObject>&) {
             gobj::Ref<MetaFunction> none;
             return diff_meta_function(static_cast<MetaFunction&>(s), static_cast<MetaFunction&>(t), with_names,
                                       none);
         });
    kind(source.get_tables(), target.get_tables(), schema->get_tables(),
         [&](MetaObject& s, MetaObject& t, gobj::Ref<MetaObject>& replacement) {
             gobj::Ref<MetaTable> table;
             DataVersion mark =
                 diff_meta_table(static_cast<MetaTable&>(s), static_cast<MetaTable&>(t), with_names, table);
             replacement = table;
             return mark;
         });
    kind(source.get_views(), target.get_views(), schema->get_views(),
         [&](MetaObject& s, MetaObject& t, gobj::Ref<MetaObject>&) {
             gobj::Ref<MetaView> none;
             return diff_meta_view(static_cast<MetaView&>(s), static_cast<MetaView&>(t), with_names, none);
         });
    patched = schema;
    return kUpdate;
}

DataVersion Patcher::diff_meta_database(MetaDatabase& source, MetaDatabase& target, bool with_names,
                                        gobj::Ref<MetaDatabase>& patched) {
    patched.reset();
    auto names = swap_for(source, target, with_names);
    if (same_json(source, target, ptr(names), OwnName::Database)) return kIdentical;

    auto database = MetaDatabase::create_with_name(MetaDatabase::gtype(), target.get_name());
    auto out = list_of<MetaSchema>(database->get_schemas());
    auto mine = items_of<MetaSchema>(source.get_schemas());
    auto theirs = items_of<MetaSchema>(target.get_schemas());
    for (const auto& s : mine) {
        auto t = named(theirs, text(s->get_name()));
        if (!t) {
            s->set_version(kInsert);
            out.append(s);
            continue;
        }
        gobj::Ref<MetaSchema> schema;
        if (diff_meta_schema(*s, *t, with_names, schema) == kUpdate && schema) {
            schema->set_version(kUpdate);
            out.append(schema);
        }
    }
    for (const auto& t : theirs) {
        if (named(mine, text(t->get_name()))) continue;
        t->set_version(kDelete);
        out.append(t);
    }
    patched = database;
    return kUpdate;
}

// ---------------------------------------------------------------- data models

DataVersion Patcher::diff_data_row(RowModel& source, RowModel& target, gobj::Ref<RowModel>& patched) {
    patched.reset();
    if (data_json(row_node, source) == data_json(row_node, target)) return kIdentical;
    auto row = RowModel::create();
    const auto& mine = source.get_values();
    const auto& theirs = target.get_values();
    for (int i = 0; i < mine.size(); ++i) {
        auto s = mine.at(i);
        // A value the target lacks stands as the target's NULL, marked UPDATE.
        gobj::Ref<ValueObject> t = i < theirs.size() ? theirs.at(i) : gobj::Ref<ValueObject>();
        if (!t) t = gobj::ref_cast<ValueObject>(providers::contracts::ValueNull::create());
        bool same = s && G_OBJECT_TYPE(s.gobj()) == G_OBJECT_TYPE(t.gobj()) &&
                    data_json(value_node, s) == data_json(value_node, t);
        g_object_set_data(t.gobj(), "VERSION", GINT_TO_POINTER(same ? kIdentical : kUpdate));
        row->get_values().append(t);
    }
    patched = row;
    return kUpdate;
}

DataVersion Patcher::diff_data_table(TableModel& source, TableModel& target, gobj::Ref<TableModel>& patched) {
    patched.reset();
    if (data_json(table_node, source) == data_json(table_node, target)) return kIdentical;
    auto table = TableModel::create();
    const auto& mine = source.get_rows();
    const auto& theirs = target.get_rows();
    for (int i = 0; i < mine.size(); ++i) {
        auto s = mine.at(i);
        // A row the target lacks compares with an empty one: every value UPDATE.
        auto t = i < theirs.size() ? theirs.at(i) : RowModel::create();
        gobj::Ref<RowModel> row;
        DataVersion mark = diff_data_row(*s, *t, row);
        if (mark > kIdentical && row) {
            row->set_version(mark);
            table->get_rows().append(row);
        }
    }
    patched = table;
    return kUpdate;
}

DataVersion Patcher::diff_data_set(DataSetModel& source, DataSetModel& target, gobj::Ref<DataSetModel>& patched) {
    patched.reset();
    if (data_json(set_node, source) == data_json(set_node, target)) return kIdentical;
    auto set = DataSetModel::create();
    const auto& mine = source.get_tables();
    const auto& theirs = target.get_tables();
    for (int i = 0; i < mine.size(); ++i) {
        auto s = mine.at(i);
        auto t = i < theirs.size() ? theirs.at(i) : TableModel::create();
        gobj::Ref<TableModel> table;
        if (diff_data_table(*s, *t, table) > kIdentical && table) set->get_tables().append(table);
    }
    patched = set;
    return kUpdate;
}

}  // namespace tarvelin::rezezadovu::transform
