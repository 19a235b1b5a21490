// Log tag: meta_table_capi
// The C face of meta table classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_table.hpp"

TARVELIN_LOG_TAG("meta_table_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_table_get_type(void) { return MetaTable::gtype(); }

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaTable*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaTable::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_new(void) { return tarvelin_rezezadovu_meta_model_meta_table_construct(MetaTable::gtype()); }

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaTable*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaTable::create_with_names(object_type, database, schema, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_new_with_names(const gchar* database, const gchar* schema, const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_table_construct_with_names(MetaTable::gtype(), database, schema, name); }

GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_constraints(TarvelinRezezadovuMetaModelMetaTable* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTable>(self)->get_constraints();
}
void tarvelin_rezezadovu_meta_model_meta_table_set_constraints(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTable>(self)->set_constraints(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_columns(TarvelinRezezadovuMetaModelMetaTable* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTable>(self)->get_columns();
}
void tarvelin_rezezadovu_meta_model_meta_table_set_columns(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTable>(self)->set_columns(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_indexes(TarvelinRezezadovuMetaModelMetaTable* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTable>(self)->get_indexes();
}
void tarvelin_rezezadovu_meta_model_meta_table_set_indexes(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTable>(self)->set_indexes(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_rules(TarvelinRezezadovuMetaModelMetaTable* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTable>(self)->get_rules();
}
void tarvelin_rezezadovu_meta_model_meta_table_set_rules(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTable>(self)->set_rules(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_table_get_triggers(TarvelinRezezadovuMetaModelMetaTable* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTable>(self)->get_triggers();
}
void tarvelin_rezezadovu_meta_model_meta_table_set_triggers(TarvelinRezezadovuMetaModelMetaTable* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTable>(self)->set_triggers(value); });
}
GeeHashMap* tarvelin_rezezadovu_meta_model_meta_table_get_options(TarvelinRezezadovuMetaModelMetaTable* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTable>(self)->get_options();
}
void tarvelin_rezezadovu_meta_model_meta_table_set_options(TarvelinRezezadovuMetaModelMetaTable* self, GeeHashMap* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTable>(self)->set_options(value); });
}

TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_table_get_column(
    TarvelinRezezadovuMetaModelMetaTable* self, const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaColumn*>(gobj::guarded(
        G_STRFUNC, [&] { return static_cast<gpointer>(gobj::cast<MetaTable>(self)->get_column(name).release()); },
        gpointer(nullptr)));
}

TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_table_new_column(
    TarvelinRezezadovuMetaModelMetaTable* self, const gchar* name, TarvelinProvidersContractsDataType data_type) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaColumn*>(gobj::guarded(
        G_STRFUNC,
        [&] { return static_cast<gpointer>(gobj::cast<MetaTable>(self)->new_column(name, data_type).release()); },
        gpointer(nullptr)));
}

void tarvelin_rezezadovu_meta_model_meta_table_reset_partial(TarvelinRezezadovuMetaModelMetaTable* self,
                                                             TarvelinProvidersContractsDBObject kind) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTable>(self)->reset_partial(kind); });
}

}  // extern "C"
