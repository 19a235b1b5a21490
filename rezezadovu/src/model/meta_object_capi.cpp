// Log tag: meta_object_capi
// The C face of the catalogue object and the copy contract: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_object_get_type tarvelin_rezezadovu_meta_model_meta_object_construct
//   tarvelin_rezezadovu_meta_model_meta_object_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_object_get_database tarvelin_rezezadovu_meta_model_meta_object_set_database
//   tarvelin_rezezadovu_meta_model_meta_object_get_schema tarvelin_rezezadovu_meta_model_meta_object_set_schema
//   tarvelin_rezezadovu_meta_model_meta_object_get_name tarvelin_rezezadovu_meta_model_meta_object_set_name
//   tarvelin_rezezadovu_meta_model_meta_object_get_comment tarvelin_rezezadovu_meta_model_meta_object_set_comment
//   tarvelin_rezezadovu_meta_model_meta_object_get_attributes tarvelin_rezezadovu_meta_model_meta_object_set_attributes
//   tarvelin_rezezadovu_meta_model_meta_object_get_original tarvelin_rezezadovu_meta_model_meta_object_set_original
//   tarvelin_rezezadovu_meta_model_meta_object_get_version tarvelin_rezezadovu_meta_model_meta_object_set_version
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_object.hpp"

TARVELIN_LOG_TAG("meta_object_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaObject, TarvelinRezezadovuMetaModelMetaObject, tarvelin_rezezadovu_meta_model_meta_object)

#define TARVELIN_CAPI_CLASS MetaObject
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaObject
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_object
TARVELIN_META_OBJECT_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_rezezadovu_meta_model_imeta_data_get_type(void) { return IMetaData::gtype(); }

TarvelinRezezadovuMetaModelIMetaData* tarvelin_rezezadovu_meta_model_imeta_data_clone(
    TarvelinRezezadovuMetaModelIMetaData* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&TarvelinRezezadovuMetaModelIMetaDataInterface::clone>(G_STRFUNC, self);
}

void tarvelin_rezezadovu_meta_model_imeta_data_reset(TarvelinRezezadovuMetaModelIMetaData* self) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&TarvelinRezezadovuMetaModelIMetaDataInterface::reset>(G_STRFUNC, self);
}

TarvelinRezezadovuMetaModelMetaObject* tarvelin_rezezadovu_meta_model_meta_object_clone(
    TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&MetaObject::clone>(G_STRFUNC, self);
}

void tarvelin_rezezadovu_meta_model_meta_object_reset(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&MetaObject::reset>(G_STRFUNC, self);
}

TarvelinProvidersContractsDBObject tarvelin_rezezadovu_meta_model_meta_object_character(
    TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN);
    return gobj::invoke<&MetaObject::character>(G_STRFUNC, self);
}

JsonNode* tarvelin_rezezadovu_meta_model_meta_object_serialize_property(TarvelinRezezadovuMetaModelMetaObject* self,
    const gchar* property_name, const GValue* value, GParamSpec* pspec) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(property_name != NULL, NULL);
    g_return_val_if_fail(value != NULL, NULL);
    g_return_val_if_fail(pspec != NULL, NULL);
    return gobj::invoke<&MetaObject::serialize_property>(G_STRFUNC, self, property_name, value, pspec);
}

gboolean tarvelin_rezezadovu_meta_model_meta_object_deserialize_property(TarvelinRezezadovuMetaModelMetaObject* self,
    const gchar* property_name, GValue* value, GParamSpec* pspec, JsonNode* property_node) {
    g_return_val_if_fail(self != NULL, FALSE);
    g_return_val_if_fail(property_name != NULL, FALSE);
    // The value is filled in place: without one there is nowhere to read into.
    g_return_val_if_fail(value != NULL, FALSE);
    g_return_val_if_fail(pspec != NULL, FALSE);
    g_return_val_if_fail(property_node != NULL, FALSE);
    return gobj::invoke<&MetaObject::deserialize_property>(G_STRFUNC, self, property_name, value, pspec, property_node);
}

GeeHashMap* tarvelin_rezezadovu_meta_model_meta_object_diff(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&MetaObject::diff, gobj::add_ref>(G_STRFUNC, self);
}

GeeHashMap* tarvelin_rezezadovu_meta_model_meta_object_slice(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&MetaObject::slice, gobj::add_ref>(G_STRFUNC, self);
}

void tarvelin_rezezadovu_meta_model_meta_object_append_diff(TarvelinRezezadovuMetaModelMetaObject* self,
    const gchar* key, TarvelinProvidersContractsDataVersion version) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(key != NULL);
    gobj::invoke<&MetaObject::append_diff>(G_STRFUNC, self, key, version);
}

void tarvelin_rezezadovu_meta_model_meta_object_append_slice(TarvelinRezezadovuMetaModelMetaObject* self,
    const gchar* key, const gchar* value) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(key != NULL);
    g_return_if_fail(value != NULL);
    gobj::invoke<&MetaObject::append_slice>(G_STRFUNC, self, key, value);
}

void tarvelin_rezezadovu_meta_model_meta_object_clear_diff(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&MetaObject::clear_diff>(G_STRFUNC, self);
}

void tarvelin_rezezadovu_meta_model_meta_object_clear_slice(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&MetaObject::clear_slice>(G_STRFUNC, self);
}

}  // extern "C"
