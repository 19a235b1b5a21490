// C face of the job contracts, the jobs and the comparison engine. TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_transform_patcher_get_type
//   tarvelin_rezezadovu_transform_patcher_construct
//   tarvelin_rezezadovu_transform_patcher_new
// and the property tables make
//   tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_source
//   tarvelin_rezezadovu_transform_structure_synchronizer_get_schema_target
//   tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_source
//   tarvelin_rezezadovu_transform_userdata_synchronizer_get_dataset_target
#include "rezezadovu/transform/structure_synchronizer.hpp"
#include "rezezadovu/transform/transfer.hpp"
#include "rezezadovu/transform/userdata_synchronizer.hpp"

TARVELIN_LOG_TAG("transform_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::transform;
using ITransformVt = TarvelinRezezadovuTransformITransformInterface;
using ISynchronizeVt = TarvelinRezezadovuTransformISynchronizeInterface;
using CDataVersion = TarvelinProvidersContractsDataVersion;

extern "C" {

// ---------------------------------------------------------------- ITransform, ISynchronize

GType tarvelin_rezezadovu_transform_itransform_get_type(void) { return ITransform::gtype(); }

void tarvelin_rezezadovu_transform_itransform_initialize(TarvelinRezezadovuTransformITransform* self, GError** error) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&ITransformVt::initialize>(G_STRFUNC, self, error);
}
void tarvelin_rezezadovu_transform_itransform_handle(TarvelinRezezadovuTransformITransform* self) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&ITransformVt::handle>(G_STRFUNC, self);
}
TarvelinRezezadovuContractsDatabaseIConnection* tarvelin_rezezadovu_transform_itransform_get_server_source(
    TarvelinRezezadovuTransformITransform* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ITransformVt::get_server_source>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_transform_itransform_set_server_source(TarvelinRezezadovuTransformITransform* self,
                                                                TarvelinRezezadovuContractsDatabaseIConnection* value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&ITransformVt::set_server_source>(G_STRFUNC, self, value);
}
TarvelinRezezadovuContractsDatabaseIConnection* tarvelin_rezezadovu_transform_itransform_get_server_target(
    TarvelinRezezadovuTransformITransform* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ITransformVt::get_server_target>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_transform_itransform_set_server_target(TarvelinRezezadovuTransformITransform* self,
                                                                TarvelinRezezadovuContractsDatabaseIConnection* value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&ITransformVt::set_server_target>(G_STRFUNC, self, value);
}
TarvelinRezezadovuContractsThreadProgress* tarvelin_rezezadovu_transform_itransform_get_progress(
    TarvelinRezezadovuTransformITransform* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ITransformVt::get_progress>(G_STRFUNC, self);
}
void tarvelin_rezezadovu_transform_itransform_set_progress(TarvelinRezezadovuTransformITransform* self,
                                                           TarvelinRezezadovuContractsThreadProgress* value) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&ITransformVt::set_progress>(G_STRFUNC, self, value);
}

GType tarvelin_rezezadovu_transform_isynchronize_get_type(void) { return ISynchronize::gtype(); }

GObject* tarvelin_rezezadovu_transform_isynchronize_preview(TarvelinRezezadovuTransformISynchronize* self,
                                                            GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ISynchronizeVt::preview>(G_STRFUNC, self, error);
}
GeeArrayList* tarvelin_rezezadovu_transform_isynchronize_generate(TarvelinRezezadovuTransformISynchronize* self,
                                                                  GError** error) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&ISynchronizeVt::generate>(G_STRFUNC, self, error);
}

// ---------------------------------------------------------------- the jobs

GType tarvelin_rezezadovu_transform_transfer_get_type(void) { return Transfer::gtype(); }
TarvelinRezezadovuTransformTransfer* tarvelin_rezezadovu_transform_transfer_construct(GType object_type,
                                                                                     GeeHashMap* _options) {
    g_return_val_if_fail(_options != NULL, NULL);
    return gobj::invoke<&Transfer::create>(G_STRFUNC, object_type, _options);
}
TarvelinRezezadovuTransformTransfer* tarvelin_rezezadovu_transform_transfer_new(GeeHashMap* _options) {
    return tarvelin_rezezadovu_transform_transfer_construct(Transfer::gtype(), _options);
}

GType tarvelin_rezezadovu_transform_structure_synchronizer_get_type(void) { return StructureSynchronizer::gtype(); }
TarvelinRezezadovuTransformStructureSynchronizer* tarvelin_rezezadovu_transform_structure_synchronizer_construct(
    GType object_type, GeeHashMap* _options) {
    g_return_val_if_fail(_options != NULL, NULL);
    return gobj::invoke<&StructureSynchronizer::create>(G_STRFUNC, object_type, _options);
}
TarvelinRezezadovuTransformStructureSynchronizer* tarvelin_rezezadovu_transform_structure_synchronizer_new(
    GeeHashMap* _options) {
    return tarvelin_rezezadovu_transform_structure_synchronizer_construct(StructureSynchronizer::gtype(), _options);
}
#define TARVELIN_CAPI_CLASS StructureSynchronizer
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuTransformStructureSynchronizer
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_transform_structure_synchronizer
TARVELIN_STRUCTURE_SYNCHRONIZER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_rezezadovu_transform_userdata_synchronizer_get_type(void) { return UserdataSynchronizer::gtype(); }
TarvelinRezezadovuTransformUserdataSynchronizer* tarvelin_rezezadovu_transform_userdata_synchronizer_construct(
    GType object_type, GeeHashMap* _options) {
    g_return_val_if_fail(_options != NULL, NULL);
    return gobj::invoke<&UserdataSynchronizer::create>(G_STRFUNC, object_type, _options);
}
TarvelinRezezadovuTransformUserdataSynchronizer* tarvelin_rezezadovu_transform_userdata_synchronizer_new(
    GeeHashMap* _options) {
    return tarvelin_rezezadovu_transform_userdata_synchronizer_construct(UserdataSynchronizer::gtype(), _options);
}
#define TARVELIN_CAPI_CLASS UserdataSynchronizer
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuTransformUserdataSynchronizer
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_transform_userdata_synchronizer
TARVELIN_USERDATA_SYNCHRONIZER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

// ---------------------------------------------------------------- Patcher

TARVELIN_CLASS_CAPI(Patcher, TarvelinRezezadovuTransformPatcher, tarvelin_rezezadovu_transform_patcher)

CDataVersion tarvelin_rezezadovu_transform_patcher_diff_object(TarvelinRezezadovuTransformPatcher* self,
                                                               GObject* object_source, GObject* object_target) {
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(object_source != NULL, CDataVersion(0));
    g_return_val_if_fail(object_target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_object>(G_STRFUNC, self, object_source, object_target);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_model(TarvelinRezezadovuTransformPatcher* self,
                                                              TarvelinRezezadovuMetaModelMetaObject* object_source,
                                                              TarvelinRezezadovuMetaModelMetaObject* object_target) {
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(object_source != NULL, CDataVersion(0));
    g_return_val_if_fail(object_target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_model>(G_STRFUNC, self, object_source, object_target);
}

// The structure and data comparisons: the patched result is NULL unless the result is UPDATE.
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_view(TarvelinRezezadovuTransformPatcher* self, TarvelinRezezadovuMetaModelMetaView* source,
    TarvelinRezezadovuMetaModelMetaView* target, gboolean with_names, TarvelinRezezadovuMetaModelMetaView** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_meta_view>(G_STRFUNC, self, source, target, with_names, patched);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_function(TarvelinRezezadovuTransformPatcher* self, TarvelinRezezadovuMetaModelMetaFunction* source,
    TarvelinRezezadovuMetaModelMetaFunction* target, gboolean with_names, TarvelinRezezadovuMetaModelMetaFunction** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_meta_function>(G_STRFUNC, self, source, target, with_names, patched);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_event(TarvelinRezezadovuTransformPatcher* self, TarvelinRezezadovuMetaModelMetaEvent* source,
    TarvelinRezezadovuMetaModelMetaEvent* target, gboolean with_names, TarvelinRezezadovuMetaModelMetaEvent** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_meta_event>(G_STRFUNC, self, source, target, with_names, patched);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_table(TarvelinRezezadovuTransformPatcher* self, TarvelinRezezadovuMetaModelMetaTable* source,
    TarvelinRezezadovuMetaModelMetaTable* target, gboolean with_names, TarvelinRezezadovuMetaModelMetaTable** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_meta_table>(G_STRFUNC, self, source, target, with_names, patched);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_schema(TarvelinRezezadovuTransformPatcher* self, TarvelinRezezadovuMetaModelMetaSchema* source,
    TarvelinRezezadovuMetaModelMetaSchema* target, gboolean with_names, TarvelinRezezadovuMetaModelMetaSchema** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_meta_schema>(G_STRFUNC, self, source, target, with_names, patched);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_meta_database(TarvelinRezezadovuTransformPatcher* self, TarvelinRezezadovuMetaModelMetaDatabase* source,
    TarvelinRezezadovuMetaModelMetaDatabase* target, gboolean with_names, TarvelinRezezadovuMetaModelMetaDatabase** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_meta_database>(G_STRFUNC, self, source, target, with_names, patched);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_row(TarvelinRezezadovuTransformPatcher* self, TarvelinProvidersContractsRowModel* source,
    TarvelinProvidersContractsRowModel* target, TarvelinProvidersContractsRowModel** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_data_row>(G_STRFUNC, self, source, target, patched);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_table(TarvelinRezezadovuTransformPatcher* self, TarvelinProvidersContractsTableModel* source,
    TarvelinProvidersContractsTableModel* target, TarvelinProvidersContractsTableModel** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_data_table>(G_STRFUNC, self, source, target, patched);
}
CDataVersion tarvelin_rezezadovu_transform_patcher_diff_data_set(TarvelinRezezadovuTransformPatcher* self, TarvelinProvidersContractsDataSetModel* source,
    TarvelinProvidersContractsDataSetModel* target, TarvelinProvidersContractsDataSetModel** patched) {
    if (patched) *patched = NULL;
    g_return_val_if_fail(self != NULL, CDataVersion(0));
    g_return_val_if_fail(source != NULL, CDataVersion(0));
    g_return_val_if_fail(target != NULL, CDataVersion(0));
    return gobj::invoke<&Patcher::diff_data_set>(G_STRFUNC, self, source, target, patched);
}

}  // extern "C"
