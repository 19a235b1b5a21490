// Log tag: meta_constraint_capi
// The C face of the constraints: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_constraint_get_type tarvelin_rezezadovu_meta_model_meta_constraint_construct
//   tarvelin_rezezadovu_meta_model_meta_constraint_new
//   tarvelin_rezezadovu_meta_model_primary_key_get_type tarvelin_rezezadovu_meta_model_primary_key_construct
//   tarvelin_rezezadovu_meta_model_primary_key_new
//   tarvelin_rezezadovu_meta_model_meta_check_get_type tarvelin_rezezadovu_meta_model_meta_check_construct
//   tarvelin_rezezadovu_meta_model_meta_check_new
//   tarvelin_rezezadovu_meta_model_meta_unique_get_type tarvelin_rezezadovu_meta_model_meta_unique_construct
//   tarvelin_rezezadovu_meta_model_meta_unique_new
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_type tarvelin_rezezadovu_meta_model_meta_foreign_key_construct
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_new
//   tarvelin_rezezadovu_meta_model_meta_exclude_get_type tarvelin_rezezadovu_meta_model_meta_exclude_construct
//   tarvelin_rezezadovu_meta_model_meta_exclude_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_check_get_enforced tarvelin_rezezadovu_meta_model_meta_check_set_enforced
//   tarvelin_rezezadovu_meta_model_meta_check_get_no_inherit tarvelin_rezezadovu_meta_model_meta_check_set_no_inherit
//   tarvelin_rezezadovu_meta_model_meta_check_get_check tarvelin_rezezadovu_meta_model_meta_check_set_check
//   tarvelin_rezezadovu_meta_model_meta_check_get_deferrable tarvelin_rezezadovu_meta_model_meta_check_set_deferrable
//   tarvelin_rezezadovu_meta_model_meta_unique_get_columns tarvelin_rezezadovu_meta_model_meta_unique_set_columns
//   tarvelin_rezezadovu_meta_model_meta_unique_get_conflict tarvelin_rezezadovu_meta_model_meta_unique_set_conflict
//   tarvelin_rezezadovu_meta_model_meta_unique_get_is_primary_key
//   tarvelin_rezezadovu_meta_model_meta_unique_set_is_primary_key
//   tarvelin_rezezadovu_meta_model_meta_unique_get_table_space
//   tarvelin_rezezadovu_meta_model_meta_unique_set_table_space
//   tarvelin_rezezadovu_meta_model_meta_unique_get_with tarvelin_rezezadovu_meta_model_meta_unique_set_with
//   tarvelin_rezezadovu_meta_model_meta_unique_get_include tarvelin_rezezadovu_meta_model_meta_unique_set_include
//   tarvelin_rezezadovu_meta_model_meta_unique_get_deferrable tarvelin_rezezadovu_meta_model_meta_unique_set_deferrable
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_database
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_database
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_schema
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_schema
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_table
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_table
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_local_columns
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_local_columns
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_columns
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_columns
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_match_method
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_match_method
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_delete_action
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_delete_action
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_update_action
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_update_action
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_get_deferrable
//   tarvelin_rezezadovu_meta_model_meta_foreign_key_set_deferrable
//   tarvelin_rezezadovu_meta_model_meta_exclude_get_index_method
//   tarvelin_rezezadovu_meta_model_meta_exclude_set_index_method
//   tarvelin_rezezadovu_meta_model_meta_exclude_get_table_space
//   tarvelin_rezezadovu_meta_model_meta_exclude_set_table_space
//   tarvelin_rezezadovu_meta_model_meta_exclude_get_with tarvelin_rezezadovu_meta_model_meta_exclude_set_with
//   tarvelin_rezezadovu_meta_model_meta_exclude_get_include tarvelin_rezezadovu_meta_model_meta_exclude_set_include
//   tarvelin_rezezadovu_meta_model_meta_exclude_get_where tarvelin_rezezadovu_meta_model_meta_exclude_set_where
//   tarvelin_rezezadovu_meta_model_meta_exclude_get_deferrable
//   tarvelin_rezezadovu_meta_model_meta_exclude_set_deferrable
//   tarvelin_rezezadovu_meta_model_meta_exclude_get_elements tarvelin_rezezadovu_meta_model_meta_exclude_set_elements
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/constraints/meta_constraint.hpp"

TARVELIN_LOG_TAG("meta_constraint_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaConstraint, TarvelinRezezadovuMetaModelMetaConstraint, tarvelin_rezezadovu_meta_model_meta_constraint)

TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_construct_with_names(
    GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaConstraint::create_with_names>(G_STRFUNC, object_type, name);
}
TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_new_with_names(
    const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_constraint_construct_with_names(MetaConstraint::gtype(), name);
}

TARVELIN_CLASS_CAPI(PrimaryKey, TarvelinRezezadovuMetaModelPrimaryKey, tarvelin_rezezadovu_meta_model_primary_key)

TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_construct_with_name(GType object_type,
    const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&PrimaryKey::create_with_name>(G_STRFUNC, object_type, name);
}
TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_new_with_name(const gchar* name) {
    return tarvelin_rezezadovu_meta_model_primary_key_construct_with_name(PrimaryKey::gtype(), name);
}

TARVELIN_CLASS_CAPI(MetaCheck, TarvelinRezezadovuMetaModelMetaCheck, tarvelin_rezezadovu_meta_model_meta_check)

TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_construct_with_name(GType object_type,
    const gchar* name, const gchar* expr) {
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(expr != NULL, NULL);
    return gobj::invoke<&MetaCheck::create_with_name>(G_STRFUNC, object_type, name, expr);
}
TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_new_with_name(const gchar* name,
    const gchar* expr) {
    return tarvelin_rezezadovu_meta_model_meta_check_construct_with_name(MetaCheck::gtype(), name, expr);
}

#define TARVELIN_CAPI_CLASS MetaCheck
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaCheck
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_check
TARVELIN_META_CHECK_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TARVELIN_CLASS_CAPI(MetaUnique, TarvelinRezezadovuMetaModelMetaUnique, tarvelin_rezezadovu_meta_model_meta_unique)

TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_construct_with_name(GType object_type,
    const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaUnique::create_with_name>(G_STRFUNC, object_type, name);
}
TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_new_with_name(const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_unique_construct_with_name(MetaUnique::gtype(), name);
}

#define TARVELIN_CAPI_CLASS MetaUnique
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaUnique
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_unique
TARVELIN_META_UNIQUE_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TARVELIN_CLASS_CAPI(MetaForeignKey, TarvelinRezezadovuMetaModelMetaForeignKey, tarvelin_rezezadovu_meta_model_meta_foreign_key)

TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_name(
    GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaForeignKey::create_with_name>(G_STRFUNC, object_type, name);
}
TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_name(
    const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_name(MetaForeignKey::gtype(), name);
}

TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_refer(
    GType object_type, const gchar* name, const gchar* refer_schema, const gchar* refere_table) {
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(refer_schema != NULL, NULL);
    g_return_val_if_fail(refere_table != NULL, NULL);
    return gobj::invoke<&MetaForeignKey::create_with_refer>(G_STRFUNC, object_type, name, refer_schema, refere_table);
}
TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_refer(
    const gchar* name, const gchar* refer_schema, const gchar* refere_table) {
    return tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_refer(MetaForeignKey::gtype(), name,
            refer_schema, refere_table);
}

#define TARVELIN_CAPI_CLASS MetaForeignKey
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaForeignKey
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_foreign_key
TARVELIN_META_FOREIGN_KEY_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TARVELIN_CLASS_CAPI(MetaExclude, TarvelinRezezadovuMetaModelMetaExclude, tarvelin_rezezadovu_meta_model_meta_exclude)

TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_construct_with_name(
    GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaExclude::create_with_name>(G_STRFUNC, object_type, name);
}
TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_new_with_name(const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_exclude_construct_with_name(MetaExclude::gtype(), name);
}

#define TARVELIN_CAPI_CLASS MetaExclude
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaExclude
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_exclude
TARVELIN_META_EXCLUDE_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
