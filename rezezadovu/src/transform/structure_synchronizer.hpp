// Makes one schema of the target like one schema of the source for the tables, views,
// functions and events the options select: creates what only the source has, changes
// what differs and drops what only the target has, with the target's builder and
// statement. preview and generate show the difference and the statements without
// running them.
//
// Thread-safe as TransformJob: initialize, preview, generate and handle run wholly on the
// calling thread, one at a time.
#pragma once

#include "rezezadovu/transform/patcher.hpp"
#include "rezezadovu/transform/sync_job.hpp"

namespace tarvelin::gobj::prop {
using MetaSchemaRef = ObjectRef<rezezadovu::meta_model::MetaSchema, TarvelinRezezadovuMetaModelMetaSchema>;
}  // namespace tarvelin::gobj::prop

// clang-format off
#define TARVELIN_STRUCTURE_SYNCHRONIZER_PROPERTIES(P) \
    P(MetaSchemaRef, schema_source, "schema-source", nullptr, RO, nullptr, OnChange) \
    P(MetaSchemaRef, schema_target, "schema-target", nullptr, RO, nullptr, OnChange)
// clang-format on

namespace tarvelin::rezezadovu::transform {

class TARVELIN_EXPORT StructureSynchronizer : public SyncJob {
public:
    using Self = StructureSynchronizer;
    static GType gtype();
    static void describe(gobj::ClassSpec<StructureSynchronizer>& c);
    static gobj::Ref<StructureSynchronizer> create(GType type, GeeHashMap* options);

    TARVELIN_STRUCTURE_SYNCHRONIZER_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    void initialize() override;
    void handle() override;
    gobj::Ref<gobj::Object> preview() override;
    gobj::GPtr<GeeArrayList> generate() override;

    // Before a table marked UPDATE reaches a builder's patch_table: the patched table's
    // change maps from its members' marks (columns., indexes., constraints., triggers.),
    // each changed member's own maps from the matching target member, options. for each
    // changed option, and the target's PRIMARY_KEY_NAME attribute; builders that read
    // the maps then see what the marks say.
    static void fill_change_maps(Patcher& patcher, meta_model::MetaTable& patched, meta_model::MetaTable& target);

private:
    void fill(const Run& run);
    // The patcher's comparison, the columns of both schemas first placed as the target
    // can place them.
    DataVersion compare(const Run& run, meta_model::MetaSchema& source, meta_model::MetaSchema& target,
                        gobj::Ref<meta_model::MetaSchema>& patched);
    TARVELIN_STRUCTURE_SYNCHRONIZER_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::transform

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuTransformStructureSynchronizer,
                     tarvelin::rezezadovu::transform::StructureSynchronizer)
