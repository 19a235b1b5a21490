// Log tag: meta_database_capi
// The C face of databases and schemas: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_database_get_type tarvelin_rezezadovu_meta_model_meta_database_construct
//   tarvelin_rezezadovu_meta_model_meta_database_new
//   tarvelin_rezezadovu_meta_model_meta_schema_get_type tarvelin_rezezadovu_meta_model_meta_schema_construct
//   tarvelin_rezezadovu_meta_model_meta_schema_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_database_get_schemas tarvelin_rezezadovu_meta_model_meta_database_set_schemas
//   tarvelin_rezezadovu_meta_model_meta_schema_get_events tarvelin_rezezadovu_meta_model_meta_schema_set_events
//   tarvelin_rezezadovu_meta_model_meta_schema_get_functions tarvelin_rezezadovu_meta_model_meta_schema_set_functions
//   tarvelin_rezezadovu_meta_model_meta_schema_get_procedures tarvelin_rezezadovu_meta_model_meta_schema_set_procedures
//   tarvelin_rezezadovu_meta_model_meta_schema_get_tables tarvelin_rezezadovu_meta_model_meta_schema_set_tables
//   tarvelin_rezezadovu_meta_model_meta_schema_get_miews tarvelin_rezezadovu_meta_model_meta_schema_set_miews
//   tarvelin_rezezadovu_meta_model_meta_schema_get_views tarvelin_rezezadovu_meta_model_meta_schema_set_views
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_database.hpp"

TARVELIN_LOG_TAG("meta_database_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaDatabase, TarvelinRezezadovuMetaModelMetaDatabase, tarvelin_rezezadovu_meta_model_meta_database)

TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_construct_with_name(
    GType object_type, const gchar* database) {
    g_return_val_if_fail(database != NULL, NULL);
    return gobj::invoke<&MetaDatabase::create_with_name>(G_STRFUNC, object_type, database);
}
TarvelinRezezadovuMetaModelMetaDatabase* tarvelin_rezezadovu_meta_model_meta_database_new_with_name(
    const gchar* database) {
    return tarvelin_rezezadovu_meta_model_meta_database_construct_with_name(MetaDatabase::gtype(), database);
}

#define TARVELIN_CAPI_CLASS MetaDatabase
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaDatabase
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_database
TARVELIN_META_DATABASE_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_database_append(
    TarvelinRezezadovuMetaModelMetaDatabase* self, const gchar* schema_name) {
    g_return_val_if_fail(self != NULL, NULL);
    g_return_val_if_fail(schema_name != NULL, NULL);
    return gobj::invoke<&MetaDatabase::append>(G_STRFUNC, self, schema_name);
}

TARVELIN_CLASS_CAPI(MetaSchema, TarvelinRezezadovuMetaModelMetaSchema, tarvelin_rezezadovu_meta_model_meta_schema)

TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_construct_with_names(
    GType object_type, const gchar* database, const gchar* schema) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    return gobj::invoke<&MetaSchema::create_with_names>(G_STRFUNC, object_type, database, schema);
}
TarvelinRezezadovuMetaModelMetaSchema* tarvelin_rezezadovu_meta_model_meta_schema_new_with_names(const gchar* database,
    const gchar* schema) {
    return tarvelin_rezezadovu_meta_model_meta_schema_construct_with_names(MetaSchema::gtype(), database, schema);
}

#define TARVELIN_CAPI_CLASS MetaSchema
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaSchema
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_schema
TARVELIN_META_SCHEMA_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
