// Log tag: meta_database_capi
// The C face of meta database classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_database.hpp"

TARVELIN_LOG_TAG("meta_database_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_database_get_type(void) { return MetaDatabase::gtype(); }

TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaDatabase::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_new(void) { return tarvelin_rezezadovu_meta_model_meta_database_construct(MetaDatabase::gtype()); }

TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_construct_with_name(GType object_type, const gchar* database) {
    g_return_val_if_fail(database != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaDatabase*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaDatabase::create_with_name(object_type, database).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_new_with_name(const gchar* database) { return tarvelin_rezezadovu_meta_model_meta_database_construct_with_name(MetaDatabase::gtype(), database); }

GeeArrayList* tarvelin_rezezadovu_meta_model_meta_database_get_schemas(TarvelinRezezadovuMetaModelMetaDatabase* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaDatabase>(self)->get_schemas();
}
void tarvelin_rezezadovu_meta_model_meta_database_set_schemas(TarvelinRezezadovuMetaModelMetaDatabase* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaDatabase>(self)->set_schemas(value); });
}

GType tarvelin_rezezadovu_meta_model_meta_schema_get_type(void) { return MetaSchema::gtype(); }

TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaSchema*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaSchema::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_new(void) { return tarvelin_rezezadovu_meta_model_meta_schema_construct(MetaSchema::gtype()); }

TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_construct_with_names(GType object_type, const gchar* database, const gchar* schema) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaSchema*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaSchema::create_with_names(object_type, database, schema).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_new_with_names(const gchar* database, const gchar* schema) { return tarvelin_rezezadovu_meta_model_meta_schema_construct_with_names(MetaSchema::gtype(), database, schema); }

GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_events(TarvelinRezezadovuMetaModelMetaSchema* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaSchema>(self)->get_events();
}
void tarvelin_rezezadovu_meta_model_meta_schema_set_events(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaSchema>(self)->set_events(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_functions(TarvelinRezezadovuMetaModelMetaSchema* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaSchema>(self)->get_functions();
}
void tarvelin_rezezadovu_meta_model_meta_schema_set_functions(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaSchema>(self)->set_functions(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_procedures(TarvelinRezezadovuMetaModelMetaSchema* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaSchema>(self)->get_procedures();
}
void tarvelin_rezezadovu_meta_model_meta_schema_set_procedures(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaSchema>(self)->set_procedures(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_tables(TarvelinRezezadovuMetaModelMetaSchema* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaSchema>(self)->get_tables();
}
void tarvelin_rezezadovu_meta_model_meta_schema_set_tables(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaSchema>(self)->set_tables(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_miews(TarvelinRezezadovuMetaModelMetaSchema* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaSchema>(self)->get_miews();
}
void tarvelin_rezezadovu_meta_model_meta_schema_set_miews(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaSchema>(self)->set_miews(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_schema_get_views(TarvelinRezezadovuMetaModelMetaSchema* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaSchema>(self)->get_views();
}
void tarvelin_rezezadovu_meta_model_meta_schema_set_views(TarvelinRezezadovuMetaModelMetaSchema* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaSchema>(self)->set_views(value); });
}

TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_database_append(
    TarvelinRezezadovuMetaModelMetaDatabase* self, const gchar* schema_name) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(schema_name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaSchema*>(gobj::guarded(
        G_STRFUNC, [&] { return static_cast<gpointer>(gobj::cast<MetaDatabase>(self)->append(schema_name).release()); },
        gpointer(nullptr)));
}

}  // extern "C"
