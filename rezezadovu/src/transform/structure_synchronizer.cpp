#include "rezezadovu/transform/structure_synchronizer.hpp"

#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_trigger.hpp"
#include "rezezadovu/model/meta_view.hpp"

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
    patcher().diff_meta_schema(*source, *target, false, patched);
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
    if (patcher().diff_meta_schema(*source, *target, false, patched) == kIdentical || !patched)
        return gobj::GPtr<GeeArrayList>::retain(texts.list());

    auto builder = builder_of(run->target);
    auto statement = statement_of(run->target);
    const std::string database = text(target->get_database()), schema = text(target->get_name());
    auto drop_text = [&](MetaObject& object) {
        return gobj::call<&CStatementVt::drop_object>(statement, object.character(), database, schema,
                                                      text(object.get_name()), "");
    };
    auto choose = [&](MetaObject& object, auto build) -> std::string {
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

    for (auto table : gobj::GeeArray<MetaTable>::wrap(patched->get_tables())) {
        if (!selected(*table)) continue;
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
