// Log tag: meta_trigger_capi
// The C face of the trigger: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_type tarvelin_rezezadovu_meta_model_meta_trigger_construct
//   tarvelin_rezezadovu_meta_model_meta_trigger_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_kind tarvelin_rezezadovu_meta_model_meta_trigger_set_kind
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_target tarvelin_rezezadovu_meta_model_meta_trigger_set_target
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_body tarvelin_rezezadovu_meta_model_meta_trigger_set_body
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_definer tarvelin_rezezadovu_meta_model_meta_trigger_set_definer
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_timing tarvelin_rezezadovu_meta_model_meta_trigger_set_timing
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_event tarvelin_rezezadovu_meta_model_meta_trigger_set_event
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_when tarvelin_rezezadovu_meta_model_meta_trigger_set_when
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_order tarvelin_rezezadovu_meta_model_meta_trigger_set_order
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_trigger tarvelin_rezezadovu_meta_model_meta_trigger_set_trigger
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_columns tarvelin_rezezadovu_meta_model_meta_trigger_set_columns
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_deferrable
//   tarvelin_rezezadovu_meta_model_meta_trigger_set_deferrable
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_deferred tarvelin_rezezadovu_meta_model_meta_trigger_set_deferred
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_function tarvelin_rezezadovu_meta_model_meta_trigger_set_function
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_arguments tarvelin_rezezadovu_meta_model_meta_trigger_set_arguments
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_for_each tarvelin_rezezadovu_meta_model_meta_trigger_set_for_each
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_refer_table
//   tarvelin_rezezadovu_meta_model_meta_trigger_set_refer_table
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_constraint
//   tarvelin_rezezadovu_meta_model_meta_trigger_set_constraint
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_apply tarvelin_rezezadovu_meta_model_meta_trigger_set_apply
//   tarvelin_rezezadovu_meta_model_meta_trigger_get_enable tarvelin_rezezadovu_meta_model_meta_trigger_set_enable
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_trigger.hpp"

TARVELIN_LOG_TAG("meta_trigger_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaTrigger, TarvelinRezezadovuMetaModelMetaTrigger, tarvelin_rezezadovu_meta_model_meta_trigger)

TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_body(
    GType object_type, const gchar* name, const gchar* body) {
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(body != NULL, NULL);
    return gobj::invoke<&MetaTrigger::create_with_body>(G_STRFUNC, object_type, name, body);
}
TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_new_with_body(const gchar* name,
    const gchar* body) {
    return tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_body(MetaTrigger::gtype(), name, body);
}

TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_names(
    GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaTrigger::create_with_names>(G_STRFUNC, object_type, database, schema, name);
}
TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_new_with_names(
    const gchar* database, const gchar* schema, const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_names(MetaTrigger::gtype(), database, schema,
            name);
}

#define TARVELIN_CAPI_CLASS MetaTrigger
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaTrigger
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_trigger
TARVELIN_META_TRIGGER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
