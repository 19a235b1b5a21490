#include "rezezadovu/transform/structure_synchronizer.hpp"

#include <algorithm>
#include <set>

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_trigger.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/statement.hpp"

TARVELIN_LOG_TAG("structure_synchronizer")

namespace tarvelin::rezezadovu::transform {

using namespace meta_model;

TARVELIN_GTYPE(StructureSynchronizer, "TarvelinRezezadovuTransformStructureSynchronizer", gobj::Object, ITransform,
               ISynchronize)

void StructureSynchronizer::describe(gobj::ClassSpec<StructureSynchronizer>& c) {
    TARVELIN_STRUCTURE_SYNCHRONIZER_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<StructureSynchronizer> StructureSynchronizer::create(GType type, GeeHashMap* options) {
    auto job = gobj::create<StructureSynchronizer>(type);
    if (job) job->set_options(options);
    return job;
}

namespace {

constexpr DataVersion kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr DataVersion kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;
constexpr DataVersion kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr DataVersion kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;

std::string text(const char* s) { return s ? s : ""; }

std::string nick(DBObject kind) { return providers::contracts::db_object_to_string(kind).value_or(""); }

// The first member of `list` with the name and class of `like`.
gobj::Ref<MetaObject> counterpart(GeeArrayList* list, MetaObject& like) {
    for (auto item : gobj::GeeArray<MetaObject>::wrap(list))
        if (text(item->get_name()) == text(like.get_name()) && G_OBJECT_TYPE(item.gobj()) == G_OBJECT_TYPE(like.gobj()))
            return item;
    return {};
}

// What names the source's own database and schema becomes the target's: in an object
// and its members, their own places ("database", "schema"), where their keys point
// ("refer-database", "refer-schema"), and names qualified with them in their texts
// (definitions, defaults, bodies), so that what is made on the target refers to the
// target, never back into the source.
class Retarget {
public:
    Retarget(std::string source_database, std::string source_schema, std::string target_database,
             std::string target_schema)
        : database_{std::move(source_database), std::move(target_database)},
          schema_{std::move(source_schema), std::move(target_schema)} {}

    void apply(GObject* object) const {
        guint n = 0;
        GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(object), &n);
        for (guint i = 0; i < n; ++i) {
            GParamSpec* pspec = specs[i];
            const std::string p = pspec->name;
            if ((pspec->flags & G_PARAM_READWRITE) != G_PARAM_READWRITE || p == "name" || p == "original") continue;
            if (pspec->value_type == G_TYPE_STRING) {
                gchar* value = nullptr;
                g_object_get(object, pspec->name, &value, nullptr);
                std::string before = gobj::take_string(value), after = before;
                if (p == "database" || p == "refer-database")
                    after = before == database_.first ? database_.second : before;
                else if (p == "schema" || p == "refer-schema")
                    after = before == schema_.first ? schema_.second : before;
                else
                    after = in_text(before);
                if (after != before) g_object_set(object, pspec->name, after.c_str(), nullptr);
            } else if (g_type_is_a(pspec->value_type, GEE_TYPE_ARRAY_LIST)) {
                GeeArrayList* list = nullptr;
                g_object_get(object, pspec->name, &list, nullptr);
                if (!list) continue;
                GType element = G_TYPE_INVALID;
                g_object_get(list, "g-type", &element, nullptr);
                if (g_type_is_a(element, MetaObject::gtype()))
                    for (auto item : gobj::GeeArray<MetaObject>::wrap(list))
                        if (item) apply(item.gobj());
                g_object_unref(list);
            }
        }
        g_free(specs);
    }

private:
    std::string in_text(std::string s) const {
        for (const auto& [from, to] : {schema_, database_}) {
            if (from.empty() || from == to) continue;
            for (const auto& [open, close] : {std::pair<std::string, std::string>{"\"", "\""}, {"`", "`"}, {"[", "]"}})
                replace_all(s, open + from + close + ".", open + to + close + ".", false);
            replace_all(s, from + ".", to + ".", true);
        }
        return s;
    }

    static bool word_char(char c) { return g_ascii_isalnum(c) || c == '_' || c == '$'; }

    // Every `from` in `s` by `to`; `alone`: only where no name goes on before it.
    static void replace_all(std::string& s, const std::string& from, const std::string& to, bool alone) {
        for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at)) {
            const char before = at ? s[at - 1] : ' ';
            if (alone && (word_char(before) || before == '"' || before == '`' || before == ']' || before == '.')) {
                at += from.size();
                continue;
            }
            s.replace(at, from.size(), to);
            at += to.size();
        }
    }

    std::pair<std::string, std::string> database_, schema_;
};

// The tables that `table`'s foreign keys point to (keys being dropped included).
std::set<std::string> referred(MetaTable& table) {
    std::set<std::string> out;
    for (auto c : gobj::GeeArray<MetaObject>::wrap(table.get_constraints()))
        if (auto* key = dynamic_cast<MetaForeignKey*>(c.get())) out.insert(text(key->get_refer_table()));
    return out;
}

// The patched tables in an order the target takes: a new table after the new tables it
// points to, a table being dropped after the tables that point to it; otherwise as
// listed. A cycle keeps the listed order for the tables in it.
std::vector<gobj::Ref<MetaTable>> in_dependence_order(GeeArrayList* tables) {
    std::vector<gobj::Ref<MetaTable>> rest;
    for (auto t : gobj::GeeArray<MetaTable>::wrap(tables)) rest.push_back(t);
    auto waits = [&](MetaTable& x) {
        const std::string name = text(x.get_name());
        for (const auto& other : rest) {
            if (other.get() == &x) continue;
            if (x.get_version() == kInsert && referred(x).count(text(other->get_name())) &&
                other->get_version() == kInsert)
                return true;
            if (x.get_version() == kDelete && referred(*other).count(name)) return true;
        }
        return false;
    };
    std::vector<gobj::Ref<MetaTable>> out;
    while (!rest.empty()) {
        auto next = std::find_if(rest.begin(), rest.end(), [&](const auto& t) { return !waits(*t); });
        if (next == rest.end()) next = rest.begin();
        out.push_back(*next);
        rest.erase(next);
    }
    return out;
}

// Each table's columns placed by the column before them ("after"), from their order,
// where the target can place a column; where it cannot, the order says nothing.
void place_columns(MetaSchema* schema, bool places) {
    if (!schema) return;
    for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) {
        std::vector<gobj::Ref<MetaColumn>> columns;
        for (auto c : gobj::GeeArray<MetaColumn>::wrap(table->get_columns())) columns.push_back(c);
        std::stable_sort(columns.begin(), columns.end(),
                         [](const auto& a, const auto& b) { return a->get_ordinal() < b->get_ordinal(); });
        std::string before;
        for (const auto& c : columns) {
            c->set_after(places ? before.c_str() : "");
            before = text(c->get_name());
        }
    }
}

bool target_places_columns(const gobj::Ref<IConnection>& target) {
    auto* statement = supports::database::Statement::of(statement_of(target));
    return statement && statement->places_columns();
}

}  // namespace

void StructureSynchronizer::fill_change_maps(Patcher& patcher, MetaTable& patched, MetaTable& target) {
    patched.clear_diff();
    struct Kind {
        const char* prefix;
        GeeArrayList* members;
        GeeArrayList* theirs;
    };
    for (const Kind& kind : {Kind{"columns.", patched.get_columns(), target.get_columns()},
                             Kind{"indexes.", patched.get_indexes(), target.get_indexes()},
                             Kind{"constraints.", patched.get_constraints(), target.get_constraints()},
                             Kind{"triggers.", patched.get_triggers(), target.get_triggers()}}) {
        for (auto member : gobj::GeeArray<MetaObject>::wrap(kind.members)) {
            DataVersion mark = member->get_version();
            if (mark != kInsert && mark != kDelete && mark != kUpdate) continue;
            patched.append_diff((kind.prefix + text(member->get_name())).c_str(), mark);
            if (mark != kUpdate) continue;
            // Compared in reverse, so the member's maps say what the target needs.
            if (auto old = counterpart(kind.theirs, *member)) patcher.diff_model(*old, *member);
        }
    }
    auto options = gobj::StringMap::wrap(GEE_MAP(patched.get_options()));
    auto before = gobj::StringMap::wrap(GEE_MAP(target.get_options()));
    for (const auto& key : options.keys()) {
        std::string change = "options." + key;
        auto old = before.get(key);
        patched.append_diff(change.c_str(), old ? kUpdate : kInsert);
        if (old) patched.append_slice(change.c_str(), old->c_str());
    }
    auto mine = gobj::StringMap::wrap(GEE_MAP(patched.get_attributes()));
    if (auto key = gobj::StringMap::wrap(GEE_MAP(target.get_attributes())).get("PRIMARY_KEY_NAME"))
        mine.set("PRIMARY_KEY_NAME", *key);
}

void StructureSynchronizer::fill(const Run& run) {
    auto source = get_schema_source(), target = get_schema_target();
    gobj::call<&CAdaptableVt::fill_meta_schema>(adapter_of(run.source), source, true);
    gobj::call<&CAdaptableVt::fill_meta_schema>(adapter_of(run.target), target, true);
}

DataVersion StructureSynchronizer::compare(const Run& run, MetaSchema& source, MetaSchema& target,
                                           gobj::Ref<MetaSchema>& patched) {
    const bool places = target_places_columns(run.target);
    place_columns(&source, places);
    place_columns(&target, places);
    return patcher().diff_meta_schema(source, target, false, patched);
}

void StructureSynchronizer::initialize() {
    auto run = begin(G_STRFUNC);
    if (!run) return;
    set_schema_source(MetaSchema::create_with_names(MetaSchema::gtype(),
                                                    option_or(option_key("OPTION", "SOURCE", "DATABASE"), "").c_str(),
                                                    option_or(option_key("OPTION", "SOURCE", "SCHEMA"), "").c_str()));
    set_schema_target(MetaSchema::create_with_names(MetaSchema::gtype(),
                                                    option_or(option_key("OPTION", "TARGET", "DATABASE"), "").c_str(),
                                                    option_or(option_key("OPTION", "TARGET", "SCHEMA"), "").c_str()));
    fill(*run);
}

// Reads both schemas afresh, the source first.
static void refill(MetaSchema* source, MetaSchema* target) {
    if (source) source->reset();
    if (target) target->reset();
}

gobj::Ref<gobj::Object> StructureSynchronizer::preview() {
    auto run = begin(G_STRFUNC);
    if (!run) return {};
    auto source = get_schema_source(), target = get_schema_target();
    if (!source || !target) throw gobj::Error("default", -1, _("The job has not been initialized."));
    gobj::Ref<MetaSchema> patched;
    compare(*run, *source, *target, patched);
    refill(source.get(), target.get());
    fill(*run);
    return patched;
}

gobj::GPtr<GeeArrayList> StructureSynchronizer::generate() {
    auto run = begin(G_STRFUNC);
    if (!run) return {};
    auto source = get_schema_source(), target = get_schema_target();
    if (!source || !target) throw gobj::Error("default", -1, _("The job has not been initialized."));
    refill(source.get(), target.get());
    fill(*run);

    auto texts = gobj::StringArray::create();
    gobj::Ref<MetaSchema> patched;
    if (compare(*run, *source, *target, patched) == kIdentical || !patched)
        return gobj::GPtr<GeeArrayList>::retain(texts.list());

    auto builder = builder_of(run->target);
    auto statement = statement_of(run->target);
    const std::string database = text(target->get_database()), schema = text(target->get_name());
    auto drop_text = [&](MetaObject& object) {
        return gobj::call<&CStatementVt::drop_object>(statement, object.character(), database, schema,
                                                      text(object.get_name()), "");
    };
    const Retarget retarget(text(source->get_database()), text(source->get_name()), database, schema);
    auto choose = [&](MetaObject& object, auto build) -> std::string {
        retarget.apply(object.gobj());
        object.set_database(database.c_str());
        object.set_schema(schema.c_str());
        switch (object.get_version()) {
            case kInsert: return build(object);
            case kUpdate: return drop_text(object) + "\n" + build(object);
            case kDelete: return drop_text(object);
            default: return "";
        }
    };
    auto selected = [&](MetaObject& object) {
        return option(option_key("OPTION", nick(object.character() == TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE
                                                     ? TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION
                                                     : object.character()),
                                 text(object.get_name())))
            .has_value();
    };
    auto add = [&](const std::string& sql) {
        if (!sql.empty()) texts.append(sql);
    };

    for (const auto& table : in_dependence_order(patched->get_tables())) {
        if (!selected(*table)) continue;
        if (table->get_version() != kDelete) retarget.apply(table->gobj());
        table->set_database(database.c_str());
        table->set_schema(schema.c_str());
        switch (table->get_version()) {
            case kInsert: add(gobj::call<&CBuildableVt::build_table>(builder, table, true)); break;
            case kUpdate: {
                gobj::Ref<MetaObject> old = counterpart(target->get_tables(), *table);
                if (old) fill_change_maps(patcher(), *table, static_cast<MetaTable&>(*old));
                add(gobj::call<&CBuildableVt::patch_table>(builder, table));
                break;
            }
            case kDelete: add(drop_text(*table)); break;
            default: break;
        }
    }
    for (auto view : gobj::GeeArray<MetaView>::wrap(patched->get_views()))
        if (selected(*view))
            add(choose(*view, [&](MetaObject&) { return std::string(gobj::call<&CBuildableVt::build_view>(builder, view)); }));
    for (auto function : gobj::GeeArray<MetaFunction>::wrap(patched->get_functions()))
        if (selected(*function))
            add(choose(*function,
                       [&](MetaObject&) { return std::string(gobj::call<&CBuildableVt::build_function>(builder, function)); }));
    for (auto event : gobj::GeeArray<MetaEvent>::wrap(patched->get_events()))
        if (selected(*event))
            add(choose(*event, [&](MetaObject&) { return std::string(gobj::call<&CBuildableVt::build_event>(builder, event)); }));
    return gobj::GPtr<GeeArrayList>::retain(texts.list());
}

void StructureSynchronizer::handle() {
    auto run = begin(G_STRFUNC);
    if (!run) return;
    start_clock();
    const bool go_on = option_true(option_key("OPTION", "RESULT", "CONTINUE"));
    std::vector<std::string> texts;
    try {
        auto list = gobj::GPtr<GeeArrayList>::adopt(
            gobj::call<&TarvelinRezezadovuTransformISynchronizeInterface::generate>(*this));
        if (list) texts = gobj::StringArray::wrap(list.get()).to_vector();
    } catch (const gobj::Error& e) {
        TARVELIN_UNCAUGHT(e);
        finish(*run);
        return;
    }
    run_texts(*run, texts, go_on);
    finish(*run);
}

}  // namespace tarvelin::rezezadovu::transform
