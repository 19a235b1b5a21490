// Log tag: meta_role_capi
// The C face of meta role classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_role.hpp"

TARVELIN_LOG_TAG("meta_role_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_role_get_type(void) { return MetaRole::gtype(); }

TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaRole*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaRole::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_new(void) { return tarvelin_rezezadovu_meta_model_meta_role_construct(MetaRole::gtype()); }

TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_construct_with_names(GType object_type, const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope) {
    g_return_val_if_fail(_database != NULL, NULL);
    g_return_val_if_fail(_schema != NULL, NULL);
    g_return_val_if_fail(_name != NULL, NULL);
    g_return_val_if_fail(_scope != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaRole*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaRole::create_with_names(object_type, _database, _schema, _name, _scope).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaRole* tarvelin_rezezadovu_meta_model_meta_role_new_with_names(const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope) { return tarvelin_rezezadovu_meta_model_meta_role_construct_with_names(MetaRole::gtype(), _database, _schema, _name, _scope); }

const gchar* tarvelin_rezezadovu_meta_model_meta_role_get_scope(TarvelinRezezadovuMetaModelMetaRole* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRole>(self)->get_scope();
}
void tarvelin_rezezadovu_meta_model_meta_role_set_scope(TarvelinRezezadovuMetaModelMetaRole* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRole>(self)->set_scope(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_role_get_password(TarvelinRezezadovuMetaModelMetaRole* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRole>(self)->get_password();
}
void tarvelin_rezezadovu_meta_model_meta_role_set_password(TarvelinRezezadovuMetaModelMetaRole* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRole>(self)->set_password(value); });
}
GeeHashMap* tarvelin_rezezadovu_meta_model_meta_role_get_relations(TarvelinRezezadovuMetaModelMetaRole* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRole>(self)->get_relations();
}
void tarvelin_rezezadovu_meta_model_meta_role_set_relations(TarvelinRezezadovuMetaModelMetaRole* self, GeeHashMap* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRole>(self)->set_relations(value); });
}
GeeHashMap* tarvelin_rezezadovu_meta_model_meta_role_get_privileges(TarvelinRezezadovuMetaModelMetaRole* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRole>(self)->get_privileges();
}
void tarvelin_rezezadovu_meta_model_meta_role_set_privileges(TarvelinRezezadovuMetaModelMetaRole* self, GeeHashMap* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRole>(self)->set_privileges(value); });
}

GType tarvelin_rezezadovu_meta_model_meta_user_get_type(void) { return MetaUser::gtype(); }

TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaUser*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaUser::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_new(void) { return tarvelin_rezezadovu_meta_model_meta_user_construct(MetaUser::gtype()); }

TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_construct_with_names(GType object_type, const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope) {
    g_return_val_if_fail(_database != NULL, NULL);
    g_return_val_if_fail(_schema != NULL, NULL);
    g_return_val_if_fail(_name != NULL, NULL);
    g_return_val_if_fail(_scope != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaUser*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaUser::create_with_names(object_type, _database, _schema, _name, _scope).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaUser* tarvelin_rezezadovu_meta_model_meta_user_new_with_names(const gchar* _database, const gchar* _schema, const gchar* _name, const gchar* _scope) { return tarvelin_rezezadovu_meta_model_meta_user_construct_with_names(MetaUser::gtype(), _database, _schema, _name, _scope); }

const gchar* tarvelin_rezezadovu_meta_model_meta_user_get_scope(TarvelinRezezadovuMetaModelMetaUser* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUser>(self)->get_scope();
}
void tarvelin_rezezadovu_meta_model_meta_user_set_scope(TarvelinRezezadovuMetaModelMetaUser* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUser>(self)->set_scope(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_user_get_default_schema(TarvelinRezezadovuMetaModelMetaUser* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUser>(self)->get_default_schema();
}
void tarvelin_rezezadovu_meta_model_meta_user_set_default_schema(TarvelinRezezadovuMetaModelMetaUser* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUser>(self)->set_default_schema(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_user_get_password(TarvelinRezezadovuMetaModelMetaUser* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUser>(self)->get_password();
}
void tarvelin_rezezadovu_meta_model_meta_user_set_password(TarvelinRezezadovuMetaModelMetaUser* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUser>(self)->set_password(value); });
}
GeeHashMap* tarvelin_rezezadovu_meta_model_meta_user_get_relations(TarvelinRezezadovuMetaModelMetaUser* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUser>(self)->get_relations();
}
void tarvelin_rezezadovu_meta_model_meta_user_set_relations(TarvelinRezezadovuMetaModelMetaUser* self, GeeHashMap* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUser>(self)->set_relations(value); });
}
GeeHashMap* tarvelin_rezezadovu_meta_model_meta_user_get_privileges(TarvelinRezezadovuMetaModelMetaUser* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUser>(self)->get_privileges();
}
void tarvelin_rezezadovu_meta_model_meta_user_set_privileges(TarvelinRezezadovuMetaModelMetaUser* self, GeeHashMap* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUser>(self)->set_privileges(value); });
}


}  // extern "C"
