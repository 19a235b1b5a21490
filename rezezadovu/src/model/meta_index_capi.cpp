// Log tag: meta_index_capi
// The C face of meta index classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_index.hpp"

TARVELIN_LOG_TAG("meta_index_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_index_get_type(void) { return MetaIndex::gtype(); }

TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaIndex*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaIndex::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_new(void) { return tarvelin_rezezadovu_meta_model_meta_index_construct(MetaIndex::gtype()); }

TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* entity, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(entity != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaIndex*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaIndex::create_with_names(object_type, database, schema, entity, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_new_with_names(const gchar* database, const gchar* schema, const gchar* entity, const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_index_construct_with_names(MetaIndex::gtype(), database, schema, entity, name); }

const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_entity(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_entity();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_entity(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_entity(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_class(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_klass();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_class(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_klass(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_method(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_method();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_method(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_method(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_parser(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_parser();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_parser(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_parser(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_algorithm(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_algorithm();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_algorithm(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_algorithm(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_lock(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_lock();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_lock(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_lock(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_where(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_where();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_where(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_where(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_table_space(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_table_space();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_table_space(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_table_space(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_with(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_with();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_with(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_with(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_include(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_include();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_include(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_include(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_index_get_kind(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_kind();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_kind(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_kind(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_index_get_is_concurrent(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaIndex>(self)->get_is_concurrent();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_is_concurrent(TarvelinRezezadovuMetaModelMetaIndex* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_is_concurrent(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_index_get_is_only(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaIndex>(self)->get_is_only();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_is_only(TarvelinRezezadovuMetaModelMetaIndex* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_is_only(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_index_get_is_visible(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaIndex>(self)->get_is_visible();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_is_visible(TarvelinRezezadovuMetaModelMetaIndex* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_is_visible(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_index_get_is_clustered(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaIndex>(self)->get_is_clustered();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_is_clustered(TarvelinRezezadovuMetaModelMetaIndex* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_is_clustered(value); });
}
guint64 tarvelin_rezezadovu_meta_model_meta_index_get_key_block_size(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::cast<MetaIndex>(self)->get_key_block_size();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_key_block_size(TarvelinRezezadovuMetaModelMetaIndex* self, guint64 value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_key_block_size(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_index_get_columns(TarvelinRezezadovuMetaModelMetaIndex* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaIndex>(self)->get_columns();
}
void tarvelin_rezezadovu_meta_model_meta_index_set_columns(TarvelinRezezadovuMetaModelMetaIndex* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->set_columns(value); });
}

void tarvelin_rezezadovu_meta_model_meta_index_append(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* column) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(column != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaIndex>(self)->append(column); });
}

}  // extern "C"
