// Log tag: meta_table_capi
// The C face of the table: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_table_get_type tarvelin_rezezadovu_meta_model_meta_table_construct
//   tarvelin_rezezadovu_meta_model_meta_table_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_table_get_constraints tarvelin_rezezadovu_meta_model_meta_table_set_constraints
//   tarvelin_rezezadovu_meta_model_meta_table_get_columns tarvelin_rezezadovu_meta_model_meta_table_set_columns
//   tarvelin_rezezadovu_meta_model_meta_table_get_indexes tarvelin_rezezadovu_meta_model_meta_table_set_indexes
//   tarvelin_rezezadovu_meta_model_meta_table_get_rules tarvelin_rezezadovu_meta_model_meta_table_set_rules
//   tarvelin_rezezadovu_meta_model_meta_table_get_triggers tarvelin_rezezadovu_meta_model_meta_table_set_triggers
//   tarvelin_rezezadovu_meta_model_meta_table_get_options tarvelin_rezezadovu_meta_model_meta_table_set_options
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_table.hpp"

TARVELIN_LOG_TAG("meta_table_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaTable, TarvelinRezezadovuMetaModelMetaTable, tarvelin_rezezadovu_meta_model_meta_table)

TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_construct_with_names(GType object_type,
    const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaTable::create_with_names>(G_STRFUNC, object_type, database, schema, name);
}
TarvelinRezezadovuMetaModelMetaTable* tarvelin_rezezadovu_meta_model_meta_table_new_with_names(const gchar* database,
    const gchar* schema, const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_table_construct_with_names(MetaTable::gtype(), database, schema, name);
}

#define TARVELIN_CAPI_CLASS MetaTable
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaTable
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_table
TARVELIN_META_TABLE_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_table_get_column(
    TarvelinRezezadovuMetaModelMetaTable* self, const gchar* name) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaTable::get_column>(G_STRFUNC, self, name);
}

TarvelinRezezadovuMetaModelMetaColumn* tarvelin_rezezadovu_meta_model_meta_table_new_column(
    TarvelinRezezadovuMetaModelMetaTable* self, const gchar* name, TarvelinProvidersContractsDataType data_type) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaTable::new_column>(G_STRFUNC, self, name, data_type);
}

void tarvelin_rezezadovu_meta_model_meta_table_reset_partial(TarvelinRezezadovuMetaModelMetaTable* self,
    TarvelinProvidersContractsDBObject kind) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&MetaTable::reset_partial>(G_STRFUNC, self, kind);
}

}  // extern "C"
