// Log tag: meta_classify_capi
// The C face of meta classify classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_classify.hpp"

TARVELIN_LOG_TAG("meta_classify_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_classify_get_type(void) { return MetaClassify::gtype(); }

TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct(GType object_type, TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(label != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaClassify*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaClassify::create(object_type, kind, database, schema, label).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new(TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label) { return tarvelin_rezezadovu_meta_model_meta_classify_construct(MetaClassify::gtype(), kind, database, schema, label); }
TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct_with_model(GType object_type, TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label, GListModel* list_model) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(label != NULL, NULL);
    g_return_val_if_fail(list_model != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaClassify*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaClassify::create_with_model(object_type, kind, database, schema, label, list_model).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new_with_model(TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label, GListModel* list_model) {
    return tarvelin_rezezadovu_meta_model_meta_classify_construct_with_model(MetaClassify::gtype(), kind, database, schema, label, list_model);
}
TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_construct_with_array(GType object_type, TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label, TarvelinRezezadovuMetaModelMetaObject** array, gint array_length1) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(label != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaClassify*>(gobj::guarded(G_STRFUNC, [&] {
        std::vector<MetaObject*> items;
        for (gint i = 0; array && i < array_length1; ++i) items.push_back(array[i] ? gobj::cast<MetaObject>(array[i]) : nullptr);
        return static_cast<gpointer>(MetaClassify::create_with_array(object_type, kind, database, schema, label, items).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaClassify* tarvelin_rezezadovu_meta_model_meta_classify_new_with_array(TarvelinProvidersContractsDBObject kind, const gchar* database, const gchar* schema, const gchar* label, TarvelinRezezadovuMetaModelMetaObject** array, gint array_length1) {
    return tarvelin_rezezadovu_meta_model_meta_classify_construct_with_array(MetaClassify::gtype(), kind, database, schema, label, array, array_length1);
}

GListModel* tarvelin_rezezadovu_meta_model_meta_classify_get_children(TarvelinRezezadovuMetaModelMetaClassify* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaClassify>(self)->get_children();
}
void tarvelin_rezezadovu_meta_model_meta_classify_set_children(TarvelinRezezadovuMetaModelMetaClassify* self, GListModel* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaClassify>(self)->set_children(value); });
}

GType tarvelin_rezezadovu_meta_model_meta_synonym_get_type(void) { return MetaSynonym::gtype(); }

TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaSynonym*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaSynonym::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_new(void) { return tarvelin_rezezadovu_meta_model_meta_synonym_construct(MetaSynonym::gtype()); }

TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_construct_with_names(GType object_type, const gchar* _schema, const gchar* _name) {
    g_return_val_if_fail(_schema != NULL, NULL);
    g_return_val_if_fail(_name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaSynonym*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaSynonym::create_with_names(object_type, _schema, _name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaSynonym* tarvelin_rezezadovu_meta_model_meta_synonym_new_with_names(const gchar* _schema, const gchar* _name) { return tarvelin_rezezadovu_meta_model_meta_synonym_construct_with_names(MetaSynonym::gtype(), _schema, _name); }

const gchar* tarvelin_rezezadovu_meta_model_meta_synonym_get_target(TarvelinRezezadovuMetaModelMetaSynonym* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaSynonym>(self)->get_target();
}
void tarvelin_rezezadovu_meta_model_meta_synonym_set_target(TarvelinRezezadovuMetaModelMetaSynonym* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaSynonym>(self)->set_target(value); });
}


}  // extern "C"
