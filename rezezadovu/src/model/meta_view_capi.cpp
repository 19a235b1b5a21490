// Log tag: meta_view_capi
// The C face of meta view classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_view.hpp"

TARVELIN_LOG_TAG("meta_view_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_view_get_type(void) { return MetaView::gtype(); }

TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaView*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaView::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_new(void) { return tarvelin_rezezadovu_meta_model_meta_view_construct(MetaView::gtype()); }

TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaView*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaView::create_with_names(object_type, database, schema, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaView* tarvelin_rezezadovu_meta_model_meta_view_new_with_names(const gchar* database, const gchar* schema, const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_view_construct_with_names(MetaView::gtype(), database, schema, name); }

const gchar* tarvelin_rezezadovu_meta_model_meta_view_get_definition(TarvelinRezezadovuMetaModelMetaView* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaView>(self)->get_definition();
}
void tarvelin_rezezadovu_meta_model_meta_view_set_definition(TarvelinRezezadovuMetaModelMetaView* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaView>(self)->set_definition(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_view_get_columns(TarvelinRezezadovuMetaModelMetaView* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaView>(self)->get_columns();
}

GType tarvelin_rezezadovu_meta_model_materialized_get_type(void) { return Materialized::gtype(); }

TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMaterialized*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(Materialized::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_new(void) { return tarvelin_rezezadovu_meta_model_materialized_construct(Materialized::gtype()); }

TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMaterialized*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(Materialized::create_with_names(object_type, database, schema, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMaterialized* tarvelin_rezezadovu_meta_model_materialized_new_with_names(const gchar* database, const gchar* schema, const gchar* name) { return tarvelin_rezezadovu_meta_model_materialized_construct_with_names(Materialized::gtype(), database, schema, name); }

const gchar* tarvelin_rezezadovu_meta_model_materialized_get_table_space(TarvelinRezezadovuMetaModelMaterialized* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<Materialized>(self)->get_table_space();
}
void tarvelin_rezezadovu_meta_model_materialized_set_table_space(TarvelinRezezadovuMetaModelMaterialized* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<Materialized>(self)->set_table_space(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_materialized_get_definer(TarvelinRezezadovuMetaModelMaterialized* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<Materialized>(self)->get_definer();
}
void tarvelin_rezezadovu_meta_model_materialized_set_definer(TarvelinRezezadovuMetaModelMaterialized* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<Materialized>(self)->set_definer(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_materialized_get_fill_factor(TarvelinRezezadovuMetaModelMaterialized* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<Materialized>(self)->get_fill_factor();
}
void tarvelin_rezezadovu_meta_model_materialized_set_fill_factor(TarvelinRezezadovuMetaModelMaterialized* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<Materialized>(self)->set_fill_factor(value); });
}
gboolean tarvelin_rezezadovu_meta_model_materialized_get_with_data(TarvelinRezezadovuMetaModelMaterialized* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<Materialized>(self)->get_with_data();
}
void tarvelin_rezezadovu_meta_model_materialized_set_with_data(TarvelinRezezadovuMetaModelMaterialized* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<Materialized>(self)->set_with_data(value); });
}


}  // extern "C"
