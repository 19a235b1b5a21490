#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/transform/userdata_synchronizer.hpp"

TARVELIN_LOG_TAG("userdata_synchronizer")

namespace tarvelin::rezezadovu::transform {

using providers::contracts::DataSetModel;

TARVELIN_GTYPE(UserdataSynchronizer, "TarvelinRezezadovuTransformUserdataSynchronizer", gobj::Object, ITransform,
               ISynchronize)

void UserdataSynchronizer::describe(gobj::ClassSpec<UserdataSynchronizer>& c) {
    TARVELIN_USERDATA_SYNCHRONIZER_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<UserdataSynchronizer> UserdataSynchronizer::create(GType type, GeeHashMap* options) {
    auto job = gobj::create<UserdataSynchronizer>(type);
    if (job) job->set_options(options);
    return job;
}

void UserdataSynchronizer::initialize() {
    auto run = begin(G_STRFUNC);
    if (!run) return;
    set_dataset_source(DataSetModel::create());
    set_dataset_target(DataSetModel::create());
    gobj::call<&CAdaptableVt::fill_data_set>(adapter_of(run->source), get_dataset_source());
    gobj::call<&CAdaptableVt::fill_data_set>(adapter_of(run->target), get_dataset_target());
}

gobj::Ref<gobj::Object> UserdataSynchronizer::preview() {
    auto source = get_dataset_source(), target = get_dataset_target();
    if (!source || !target) return {};
    gobj::Ref<DataSetModel> patched;
    patcher().diff_data_set(*source, *target, patched);
    return patched;
}

std::vector<std::string> UserdataSynchronizer::patch_texts(const Run& run) {
    std::vector<std::string> texts;
    auto source = get_dataset_source(), target = get_dataset_target();
    if (!source || !target) return texts;
    gobj::Ref<DataSetModel> patched;
    if (patcher().diff_data_set(*source, *target, patched) != TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE ||
        !patched)
        return texts;
    auto builder = builder_of(run.target);
    for (auto table : patched->get_tables())
        texts.push_back(gobj::call<&CBuildableVt::patch_data_table>(builder, table));
    return texts;
}

gobj::GPtr<GeeArrayList> UserdataSynchronizer::generate() {
    auto texts = gobj::StringArray::create();
    if (auto run = begin(G_STRFUNC))
        for (const auto& text : patch_texts(*run)) texts.append(text);
    return gobj::GPtr<GeeArrayList>::retain(texts.list());
}

void UserdataSynchronizer::handle() {
    auto run = begin(G_STRFUNC);
    if (!run) return;
    start_clock();
    run_texts(*run, patch_texts(*run), option_true(option_key("OPTION", "RESULT", "CONTINUE")));
    finish(*run);
}

}  // namespace tarvelin::rezezadovu::transform
