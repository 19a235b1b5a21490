// Log tag: meta_role_capi
// The C face of roles and users: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_role_get_type tarvelin_rezezadovu_meta_model_meta_role_construct
//   tarvelin_rezezadovu_meta_model_meta_role_new
//   tarvelin_rezezadovu_meta_model_meta_user_get_type tarvelin_rezezadovu_meta_model_meta_user_construct
//   tarvelin_rezezadovu_meta_model_meta_user_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_role_get_scope tarvelin_rezezadovu_meta_model_meta_role_set_scope
//   tarvelin_rezezadovu_meta_model_meta_role_get_password tarvelin_rezezadovu_meta_model_meta_role_set_password
//   tarvelin_rezezadovu_meta_model_meta_role_get_relations tarvelin_rezezadovu_meta_model_meta_role_set_relations
//   tarvelin_rezezadovu_meta_model_meta_role_get_privileges tarvelin_rezezadovu_meta_model_meta_role_set_privileges
//   tarvelin_rezezadovu_meta_model_meta_user_get_scope tarvelin_rezezadovu_meta_model_meta_user_set_scope
//   tarvelin_rezezadovu_meta_model_meta_user_get_default_schema
//   tarvelin_rezezadovu_meta_model_meta_user_set_default_schema
//   tarvelin_rezezadovu_meta_model_meta_user_get_password tarvelin_rezezadovu_meta_model_meta_user_set_password
//   tarvelin_rezezadovu_meta_model_meta_user_get_relations tarvelin_rezezadovu_meta_model_meta_user_set_relations
//   tarvelin_rezezadovu_meta_model_meta_user_get_privileges tarvelin_rezezadovu_meta_model_meta_user_set_privileges
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_role.hpp"

TARVELIN_LOG_TAG("meta_role_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaRole, TarvelinRezezadovuMetaModelMetaRole, tarvelin_rezezadovu_meta_model_meta_role)

TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_construct_with_names(GType object_type,
    const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope) {
    g_return_val_if_fail(_database != NULL, NULL);
    g_return_val_if_fail(_schema != NULL, NULL);
    g_return_val_if_fail(_name != NULL, NULL);
    g_return_val_if_fail(_scope != NULL, NULL);
    return gobj::invoke<&MetaRole::create_with_names>(G_STRFUNC, object_type, _database, _schema, _name, _scope);
}
TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_new_with_names(const gchar* _database,
    const gchar* _schema, const gchar* _name, const gchar* _scope) {
    return tarvelin_rezezadovu_meta_model_meta_role_construct_with_names(MetaRole::gtype(), _database, _schema, _name,
            _scope);
}

#define TARVELIN_CAPI_CLASS MetaRole
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaRole
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_role
TARVELIN_META_ROLE_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

TARVELIN_CLASS_CAPI(MetaUser, TarvelinRezezadovuMetaModelMetaUser, tarvelin_rezezadovu_meta_model_meta_user)

TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_construct_with_names(GType object_type,
    const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope) {
    g_return_val_if_fail(_database != NULL, NULL);
    g_return_val_if_fail(_schema != NULL, NULL);
    g_return_val_if_fail(_name != NULL, NULL);
    g_return_val_if_fail(_scope != NULL, NULL);
    return gobj::invoke<&MetaUser::create_with_names>(G_STRFUNC, object_type, _database, _schema, _name, _scope);
}
TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_new_with_names(const gchar* _database,
    const gchar* _schema, const gchar* _name, const gchar* _scope) {
    return tarvelin_rezezadovu_meta_model_meta_user_construct_with_names(MetaUser::gtype(), _database, _schema, _name,
            _scope);
}

#define TARVELIN_CAPI_CLASS MetaUser
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaUser
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_user
TARVELIN_META_USER_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
