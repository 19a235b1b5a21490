// The data twin of StructureSynchronizer: compares a data set read through the source
// with one read through the target, position by position, and runs on the target the
// text the target's builder gives for each changed table. The adapters read no rows into
// the sets, so they stay as initialize leaves them (empty) unless a host adds tables
// through the two properties.
//
// Thread-safe as TransformJob.
#pragma once

#include "rezezadovu/transform/sync_job.hpp"

namespace tarvelin::gobj::prop {
using DataSetRef = ObjectRef<providers::contracts::DataSetModel, TarvelinProvidersContractsDataSetModel>;
}  // namespace tarvelin::gobj::prop

// clang-format off
#define TARVELIN_USERDATA_SYNCHRONIZER_PROPERTIES(P) \
    P(DataSetRef, dataset_source, "dataset-source", nullptr, RO, nullptr, OnChange) \
    P(DataSetRef, dataset_target, "dataset-target", nullptr, RO, nullptr, OnChange)
// clang-format on

namespace tarvelin::rezezadovu::transform {

class TARVELIN_EXPORT UserdataSynchronizer : public SyncJob {
public:
    using Self = UserdataSynchronizer;
    static GType gtype();
    static void describe(gobj::ClassSpec<UserdataSynchronizer>& c);
    static gobj::Ref<UserdataSynchronizer> create(GType type, GeeHashMap* options);

    TARVELIN_USERDATA_SYNCHRONIZER_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    void initialize() override;
    void handle() override;
    gobj::Ref<gobj::Object> preview() override;
    gobj::GPtr<GeeArrayList> generate() override;

private:
    // The patch text of each changed table, in order (empty texts too).
    std::vector<std::string> patch_texts(const Run& run);
    TARVELIN_USERDATA_SYNCHRONIZER_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::transform

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuTransformUserdataSynchronizer,
                     tarvelin::rezezadovu::transform::UserdataSynchronizer)
