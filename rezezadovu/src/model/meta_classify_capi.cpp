// Log tag: meta_classify_capi
// The C face of grouping nodes and synonyms: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_synonym_get_type tarvelin_rezezadovu_meta_model_meta_synonym_construct
//   tarvelin_rezezadovu_meta_model_meta_synonym_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_classify_get_children tarvelin_rezezadovu_meta_model_meta_classify_set_children
//   tarvelin_rezezadovu_meta_model_meta_synonym_get_target tarvelin_rezezadovu_meta_model_meta_synonym_set_target
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_classify.hpp"

TARVELIN_LOG_TAG("meta_classify_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_classify_get_type(void) { return MetaClassify::gtype(); }

TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct(GType object_type,
    TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(label != NULL, NULL);
    return gobj::invoke<&MetaClassify::create>(G_STRFUNC, object_type, kind, database, schema, label);
}
TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new(
    TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label) {
    return tarvelin_rezezadovu_meta_model_meta_classify_construct(MetaClassify::gtype(), kind, database, schema, label);
}

TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct_with_model(
    GType object_type, TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema,
    const gchar* label, GListModel* list_model) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(label != NULL, NULL);
    g_return_val_if_fail(list_model != NULL, NULL);
    return gobj::invoke<&MetaClassify::create_with_model>(G_STRFUNC, object_type, kind, database, schema, label,
            list_model);
}
TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new_with_model(
    TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label,
    GListModel* list_model) {
    return tarvelin_rezezadovu_meta_model_meta_classify_construct_with_model(MetaClassify::gtype(), kind, database,
            schema, label, list_model);
}

TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct_with_array(
    GType object_type, TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema,
    const gchar* label, TarvelinRezezadovuMetaModelMetaObject** array, gint array_length1) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(label != NULL, NULL);
    return gobj::invoke<&MetaClassify::create_with_array>(G_STRFUNC, object_type, kind, database, schema, label, array,
            array_length1);
}
TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new_with_array(
    TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label,
    TarvelinRezezadovuMetaModelMetaObject** array, gint array_length1) {
    return tarvelin_rezezadovu_meta_model_meta_classify_construct_with_array(MetaClassify::gtype(), kind, database,
            schema, label, array, array_length1);
}

#define TARVELIN_CAPI_CLASS MetaClassify
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaClassify
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_classify
TARVELIN_META_CLASSIFY_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TARVELIN_CLASS_CAPI(MetaSynonym, TarvelinRezezadovuMetaModelMetaSynonym, tarvelin_rezezadovu_meta_model_meta_synonym)

TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_construct_with_names(
    GType object_type, const gchar* _schema, const gchar* _name) {
    g_return_val_if_fail(_schema != NULL, NULL);
    g_return_val_if_fail(_name != NULL, NULL);
    return gobj::invoke<&MetaSynonym::create_with_names>(G_STRFUNC, object_type, _schema, _name);
}
TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_new_with_names(const gchar* _schema,
    const gchar* _name) {
    return tarvelin_rezezadovu_meta_model_meta_synonym_construct_with_names(MetaSynonym::gtype(), _schema, _name);
}

#define TARVELIN_CAPI_CLASS MetaSynonym
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaSynonym
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_synonym
TARVELIN_META_SYNONYM_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
