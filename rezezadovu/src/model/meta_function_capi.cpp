// Log tag: meta_function_capi
// The C face of routines and events: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_function_get_type tarvelin_rezezadovu_meta_model_meta_function_construct
//   tarvelin_rezezadovu_meta_model_meta_function_new
//   tarvelin_rezezadovu_meta_model_meta_event_get_type tarvelin_rezezadovu_meta_model_meta_event_construct
//   tarvelin_rezezadovu_meta_model_meta_event_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_function_get_is_function
//   tarvelin_rezezadovu_meta_model_meta_function_set_is_function
//   tarvelin_rezezadovu_meta_model_meta_function_get_return_type
//   tarvelin_rezezadovu_meta_model_meta_function_set_return_type
//   tarvelin_rezezadovu_meta_model_meta_function_get_body tarvelin_rezezadovu_meta_model_meta_function_set_body
//   tarvelin_rezezadovu_meta_model_meta_function_get_parameters
//   tarvelin_rezezadovu_meta_model_meta_function_set_parameters
//   tarvelin_rezezadovu_meta_model_meta_event_get_kind tarvelin_rezezadovu_meta_model_meta_event_set_kind
//   tarvelin_rezezadovu_meta_model_meta_event_get_body tarvelin_rezezadovu_meta_model_meta_event_set_body
//   tarvelin_rezezadovu_meta_model_meta_event_get_definer tarvelin_rezezadovu_meta_model_meta_event_set_definer
//   tarvelin_rezezadovu_meta_model_meta_event_get_state tarvelin_rezezadovu_meta_model_meta_event_set_state
//   tarvelin_rezezadovu_meta_model_meta_event_get_schedule tarvelin_rezezadovu_meta_model_meta_event_set_schedule
//   tarvelin_rezezadovu_meta_model_meta_event_get_completion tarvelin_rezezadovu_meta_model_meta_event_set_completion
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_function.hpp"

TARVELIN_LOG_TAG("meta_function_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaFunction, TarvelinRezezadovuMetaModelMetaFunction, tarvelin_rezezadovu_meta_model_meta_function)

TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_construct_with_names(
    GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaFunction::create_with_names>(G_STRFUNC, object_type, database, schema, name);
}
TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_new_with_names(
    const gchar* database, const gchar* schema, const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_function_construct_with_names(MetaFunction::gtype(), database, schema,
            name);
}

#define TARVELIN_CAPI_CLASS MetaFunction
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaFunction
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_function
TARVELIN_META_FUNCTION_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TARVELIN_CLASS_CAPI(MetaEvent, TarvelinRezezadovuMetaModelMetaEvent, tarvelin_rezezadovu_meta_model_meta_event)

TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_construct_with_names(GType object_type,
    const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaEvent::create_with_names>(G_STRFUNC, object_type, database, schema, name);
}
TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_new_with_names(const gchar* database,
    const gchar* schema, const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_event_construct_with_names(MetaEvent::gtype(), database, schema, name);
}

#define TARVELIN_CAPI_CLASS MetaEvent
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaEvent
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_event
TARVELIN_META_EVENT_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
