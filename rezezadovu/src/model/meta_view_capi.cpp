// Log tag: meta_view_capi
// The C face of views and materialized views: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_view_get_type tarvelin_rezezadovu_meta_model_meta_view_construct
//   tarvelin_rezezadovu_meta_model_meta_view_new
//   tarvelin_rezezadovu_meta_model_materialized_get_type tarvelin_rezezadovu_meta_model_materialized_construct
//   tarvelin_rezezadovu_meta_model_materialized_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_view_get_definition tarvelin_rezezadovu_meta_model_meta_view_set_definition
//   tarvelin_rezezadovu_meta_model_meta_view_get_columns
//   tarvelin_rezezadovu_meta_model_materialized_get_table_space
//   tarvelin_rezezadovu_meta_model_materialized_set_table_space
//   tarvelin_rezezadovu_meta_model_materialized_get_definer tarvelin_rezezadovu_meta_model_materialized_set_definer
//   tarvelin_rezezadovu_meta_model_materialized_get_fill_factor
//   tarvelin_rezezadovu_meta_model_materialized_set_fill_factor
//   tarvelin_rezezadovu_meta_model_materialized_get_with_data tarvelin_rezezadovu_meta_model_materialized_set_with_data
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_view.hpp"

TARVELIN_LOG_TAG("meta_view_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaView, TarvelinRezezadovuMetaModelMetaView, tarvelin_rezezadovu_meta_model_meta_view)

TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_construct_with_names(GType object_type,
    const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaView::create_with_names>(G_STRFUNC, object_type, database, schema, name);
}
TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_new_with_names(const gchar* database,
    const gchar* schema, const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_view_construct_with_names(MetaView::gtype(), database, schema, name);
}

#define TARVELIN_CAPI_CLASS MetaView
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaView
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_view
TARVELIN_META_VIEW_DEFINITION(TARVELIN_PROPERTY_CAPI)
TARVELIN_META_VIEW_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TARVELIN_CLASS_CAPI(Materialized, TarvelinRezezadovuMetaModelMaterialized, tarvelin_rezezadovu_meta_model_materialized)

TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_construct_with_names(
    GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&Materialized::create_with_names>(G_STRFUNC, object_type, database, schema, name);
}
TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_new_with_names(
    const gchar* database, const gchar* schema, const gchar* name) {
    return tarvelin_rezezadovu_meta_model_materialized_construct_with_names(Materialized::gtype(), database, schema,
            name);
}

#define TARVELIN_CAPI_CLASS Materialized
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMaterialized
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_materialized
TARVELIN_MATERIALIZED_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
