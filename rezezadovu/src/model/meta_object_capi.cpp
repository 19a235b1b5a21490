// Log tag: meta_object_capi
// The C face of meta object classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_object.hpp"

TARVELIN_LOG_TAG("meta_object_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_object_get_type(void) { return MetaObject::gtype(); }

TarvelinRezezadovuMetaModelMetaObject* tarvelin_rezezadovu_meta_model_meta_object_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaObject*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaObject::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaObject* tarvelin_rezezadovu_meta_model_meta_object_new(void) { return tarvelin_rezezadovu_meta_model_meta_object_construct(MetaObject::gtype()); }

const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_database(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaObject>(self)->get_database();
}
void tarvelin_rezezadovu_meta_model_meta_object_set_database(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->set_database(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_schema(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaObject>(self)->get_schema();
}
void tarvelin_rezezadovu_meta_model_meta_object_set_schema(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->set_schema(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_name(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaObject>(self)->get_name();
}
void tarvelin_rezezadovu_meta_model_meta_object_set_name(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->set_name(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_comment(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaObject>(self)->get_comment();
}
void tarvelin_rezezadovu_meta_model_meta_object_set_comment(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->set_comment(value); });
}
GeeHashMap* tarvelin_rezezadovu_meta_model_meta_object_get_attributes(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaObject>(self)->get_attributes();
}
void tarvelin_rezezadovu_meta_model_meta_object_set_attributes(TarvelinRezezadovuMetaModelMetaObject* self, GeeHashMap* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->set_attributes(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_object_get_original(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaObject>(self)->get_original();
}
void tarvelin_rezezadovu_meta_model_meta_object_set_original(TarvelinRezezadovuMetaModelMetaObject* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->set_original(value); });
}
TarvelinProvidersContractsDataVersion tarvelin_rezezadovu_meta_model_meta_object_get_version(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL);
    return gobj::cast<MetaObject>(self)->get_version();
}
void tarvelin_rezezadovu_meta_model_meta_object_set_version(TarvelinRezezadovuMetaModelMetaObject* self, TarvelinProvidersContractsDataVersion value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->set_version(value); });
}

GType tarvelin_rezezadovu_meta_model_imeta_data_get_type(void) { return IMetaData::gtype(); }

TarvelinRezezadovuMetaModelIMetaData* tarvelin_rezezadovu_meta_model_imeta_data_clone(
    TarvelinRezezadovuMetaModelIMetaData* self) {
    g_return_val_if_fail(self != NULL, NULL);
    auto* iface = TARVELIN_REZEZADOVU_META_MODEL_IMETA_DATA_GET_IFACE(self);
    return iface->clone ? iface->clone(self) : NULL;
}

void tarvelin_rezezadovu_meta_model_imeta_data_reset(TarvelinRezezadovuMetaModelIMetaData* self) {
    g_return_if_fail(self != NULL);
    auto* iface = TARVELIN_REZEZADOVU_META_MODEL_IMETA_DATA_GET_IFACE(self);
    if (iface->reset) iface->reset(self);
}

TarvelinRezezadovuMetaModelMetaObject* tarvelin_rezezadovu_meta_model_meta_object_clone(
    TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaObject*>(gobj::guarded(
        G_STRFUNC, [&] { return static_cast<gpointer>(gobj::cast<MetaObject>(self)->clone().release()); },
        gpointer(nullptr)));
}

void tarvelin_rezezadovu_meta_model_meta_object_reset(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->reset(); });
}

TarvelinProvidersContractsDBObject tarvelin_rezezadovu_meta_model_meta_object_character(
    TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN);
    return gobj::guarded(G_STRFUNC, [&] { return gobj::cast<MetaObject>(self)->character(); },
                         TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN);
}

JsonNode* tarvelin_rezezadovu_meta_model_meta_object_serialize_property(TarvelinRezezadovuMetaModelMetaObject* self,
                                                                        const gchar* property_name,
                                                                        const GValue* value, GParamSpec* pspec) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(property_name != NULL, NULL);
    g_return_val_if_fail(value != NULL, NULL);
    g_return_val_if_fail(pspec != NULL, NULL);
    return gobj::guarded(
        G_STRFUNC, [&] { return gobj::cast<MetaObject>(self)->serialize_property(property_name, value, pspec); },
        (JsonNode*)nullptr);
}

gboolean tarvelin_rezezadovu_meta_model_meta_object_deserialize_property(TarvelinRezezadovuMetaModelMetaObject* self,
                                                                         const gchar* property_name, GValue* value,
                                                                         GParamSpec* pspec, JsonNode* property_node) {
    g_return_val_if_fail(self != NULL, FALSE);
    g_return_val_if_fail(property_name != NULL, FALSE);
    // The value is filled in place: without one there is nowhere to read into.
    g_return_val_if_fail(value != NULL, FALSE);
    g_return_val_if_fail(pspec != NULL, FALSE);
    g_return_val_if_fail(property_node != NULL, FALSE);
    return gobj::guarded(
        G_STRFUNC,
        [&] {
            return gboolean(gobj::cast<MetaObject>(self)->deserialize_property(property_name, value, pspec,
                                                                               property_node));
        },
        gboolean(FALSE));
}

GeeHashMap* tarvelin_rezezadovu_meta_model_meta_object_diff(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return GEE_HASH_MAP(g_object_ref(gobj::cast<MetaObject>(self)->diff()));
}

GeeHashMap* tarvelin_rezezadovu_meta_model_meta_object_slice(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return GEE_HASH_MAP(g_object_ref(gobj::cast<MetaObject>(self)->slice()));
}

void tarvelin_rezezadovu_meta_model_meta_object_append_diff(TarvelinRezezadovuMetaModelMetaObject* self,
                                                            const gchar* key,
                                                            TarvelinProvidersContractsDataVersion version) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(key != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->append_diff(key, version); });
}

void tarvelin_rezezadovu_meta_model_meta_object_append_slice(TarvelinRezezadovuMetaModelMetaObject* self,
                                                             const gchar* key, const gchar* value) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(key != NULL);
    g_return_if_fail(value != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->append_slice(key, value); });
}

void tarvelin_rezezadovu_meta_model_meta_object_clear_diff(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->clear_diff(); });
}

void tarvelin_rezezadovu_meta_model_meta_object_clear_slice(TarvelinRezezadovuMetaModelMetaObject* self) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaObject>(self)->clear_slice(); });
}

}  // extern "C"
