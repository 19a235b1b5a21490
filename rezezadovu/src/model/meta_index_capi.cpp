// Log tag: meta_index_capi
// The C face of the index: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_index_get_type tarvelin_rezezadovu_meta_model_meta_index_construct
//   tarvelin_rezezadovu_meta_model_meta_index_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_index_get_entity tarvelin_rezezadovu_meta_model_meta_index_set_entity
//   tarvelin_rezezadovu_meta_model_meta_index_get_class tarvelin_rezezadovu_meta_model_meta_index_set_class
//   tarvelin_rezezadovu_meta_model_meta_index_get_method tarvelin_rezezadovu_meta_model_meta_index_set_method
//   tarvelin_rezezadovu_meta_model_meta_index_get_parser tarvelin_rezezadovu_meta_model_meta_index_set_parser
//   tarvelin_rezezadovu_meta_model_meta_index_get_algorithm tarvelin_rezezadovu_meta_model_meta_index_set_algorithm
//   tarvelin_rezezadovu_meta_model_meta_index_get_lock tarvelin_rezezadovu_meta_model_meta_index_set_lock
//   tarvelin_rezezadovu_meta_model_meta_index_get_where tarvelin_rezezadovu_meta_model_meta_index_set_where
//   tarvelin_rezezadovu_meta_model_meta_index_get_table_space tarvelin_rezezadovu_meta_model_meta_index_set_table_space
//   tarvelin_rezezadovu_meta_model_meta_index_get_with tarvelin_rezezadovu_meta_model_meta_index_set_with
//   tarvelin_rezezadovu_meta_model_meta_index_get_include tarvelin_rezezadovu_meta_model_meta_index_set_include
//   tarvelin_rezezadovu_meta_model_meta_index_get_kind tarvelin_rezezadovu_meta_model_meta_index_set_kind
//   tarvelin_rezezadovu_meta_model_meta_index_get_is_concurrent
//   tarvelin_rezezadovu_meta_model_meta_index_set_is_concurrent
//   tarvelin_rezezadovu_meta_model_meta_index_get_is_only tarvelin_rezezadovu_meta_model_meta_index_set_is_only
//   tarvelin_rezezadovu_meta_model_meta_index_get_is_visible tarvelin_rezezadovu_meta_model_meta_index_set_is_visible
//   tarvelin_rezezadovu_meta_model_meta_index_get_is_clustered
//   tarvelin_rezezadovu_meta_model_meta_index_set_is_clustered
//   tarvelin_rezezadovu_meta_model_meta_index_get_key_block_size
//   tarvelin_rezezadovu_meta_model_meta_index_set_key_block_size
//   tarvelin_rezezadovu_meta_model_meta_index_get_columns tarvelin_rezezadovu_meta_model_meta_index_set_columns
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_index.hpp"

TARVELIN_LOG_TAG("meta_index_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaIndex, TarvelinRezezadovuMetaModelMetaIndex, tarvelin_rezezadovu_meta_model_meta_index)

TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_construct_with_names(GType object_type,
    const gchar* database, const gchar* schema, const gchar* entity, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(entity != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaIndex::create_with_names>(G_STRFUNC, object_type, database, schema, entity, name);
}
TarvelinRezezadovuMetaModelMetaIndex* tarvelin_rezezadovu_meta_model_meta_index_new_with_names(const gchar* database,
    const gchar* schema, const gchar* entity, const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_index_construct_with_names(MetaIndex::gtype(), database, schema, entity,
            name);
}

#define TARVELIN_CAPI_CLASS MetaIndex
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaIndex
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_index
TARVELIN_META_INDEX_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

void tarvelin_rezezadovu_meta_model_meta_index_append(TarvelinRezezadovuMetaModelMetaIndex* self, const gchar* column) {
    g_return_if_fail(self != NULL);
    g_return_if_fail(column != NULL);
    gobj::invoke<&MetaIndex::append>(G_STRFUNC, self, column);
}

}  // extern "C"
