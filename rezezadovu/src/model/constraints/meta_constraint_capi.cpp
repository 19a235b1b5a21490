// Log tag: meta_constraint_capi
// The C face of meta constraint classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/constraints/meta_constraint.hpp"

TARVELIN_LOG_TAG("meta_constraint_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_constraint_get_type(void) { return MetaConstraint::gtype(); }

TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaConstraint*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaConstraint::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_new(void) { return tarvelin_rezezadovu_meta_model_meta_constraint_construct(MetaConstraint::gtype()); }

TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_construct_with_names(GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaConstraint*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaConstraint::create_with_names(object_type, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaConstraint* tarvelin_rezezadovu_meta_model_meta_constraint_new_with_names(const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_constraint_construct_with_names(MetaConstraint::gtype(), name); }


GType tarvelin_rezezadovu_meta_model_primary_key_get_type(void) { return PrimaryKey::gtype(); }

TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelPrimaryKey*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(PrimaryKey::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_new(void) { return tarvelin_rezezadovu_meta_model_primary_key_construct(PrimaryKey::gtype()); }

TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_construct_with_name(GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelPrimaryKey*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(PrimaryKey::create_with_name(object_type, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelPrimaryKey* tarvelin_rezezadovu_meta_model_primary_key_new_with_name(const gchar* name) { return tarvelin_rezezadovu_meta_model_primary_key_construct_with_name(PrimaryKey::gtype(), name); }


GType tarvelin_rezezadovu_meta_model_meta_check_get_type(void) { return MetaCheck::gtype(); }

TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaCheck*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaCheck::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_new(void) { return tarvelin_rezezadovu_meta_model_meta_check_construct(MetaCheck::gtype()); }

TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_construct_with_name(GType object_type, const gchar* name, const gchar* expr) {
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(expr != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaCheck*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaCheck::create_with_name(object_type, name, expr).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaCheck* tarvelin_rezezadovu_meta_model_meta_check_new_with_name(const gchar* name, const gchar* expr) { return tarvelin_rezezadovu_meta_model_meta_check_construct_with_name(MetaCheck::gtype(), name, expr); }

gboolean tarvelin_rezezadovu_meta_model_meta_check_get_enforced(TarvelinRezezadovuMetaModelMetaCheck* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaCheck>(self)->get_enforced();
}
void tarvelin_rezezadovu_meta_model_meta_check_set_enforced(TarvelinRezezadovuMetaModelMetaCheck* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaCheck>(self)->set_enforced(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_check_get_no_inherit(TarvelinRezezadovuMetaModelMetaCheck* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaCheck>(self)->get_no_inherit();
}
void tarvelin_rezezadovu_meta_model_meta_check_set_no_inherit(TarvelinRezezadovuMetaModelMetaCheck* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaCheck>(self)->set_no_inherit(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_check_get_check(TarvelinRezezadovuMetaModelMetaCheck* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaCheck>(self)->get_check();
}
void tarvelin_rezezadovu_meta_model_meta_check_set_check(TarvelinRezezadovuMetaModelMetaCheck* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaCheck>(self)->set_check(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_check_get_deferrable(TarvelinRezezadovuMetaModelMetaCheck* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaCheck>(self)->get_deferrable();
}
void tarvelin_rezezadovu_meta_model_meta_check_set_deferrable(TarvelinRezezadovuMetaModelMetaCheck* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaCheck>(self)->set_deferrable(value); });
}

GType tarvelin_rezezadovu_meta_model_meta_unique_get_type(void) { return MetaUnique::gtype(); }

TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaUnique*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaUnique::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_new(void) { return tarvelin_rezezadovu_meta_model_meta_unique_construct(MetaUnique::gtype()); }

TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_construct_with_name(GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaUnique*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaUnique::create_with_name(object_type, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaUnique* tarvelin_rezezadovu_meta_model_meta_unique_new_with_name(const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_unique_construct_with_name(MetaUnique::gtype(), name); }

const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_columns(TarvelinRezezadovuMetaModelMetaUnique* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUnique>(self)->get_columns();
}
void tarvelin_rezezadovu_meta_model_meta_unique_set_columns(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUnique>(self)->set_columns(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_conflict(TarvelinRezezadovuMetaModelMetaUnique* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUnique>(self)->get_conflict();
}
void tarvelin_rezezadovu_meta_model_meta_unique_set_conflict(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUnique>(self)->set_conflict(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_unique_get_is_primary_key(TarvelinRezezadovuMetaModelMetaUnique* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaUnique>(self)->get_is_primary_key();
}
void tarvelin_rezezadovu_meta_model_meta_unique_set_is_primary_key(TarvelinRezezadovuMetaModelMetaUnique* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUnique>(self)->set_is_primary_key(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_table_space(TarvelinRezezadovuMetaModelMetaUnique* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUnique>(self)->get_table_space();
}
void tarvelin_rezezadovu_meta_model_meta_unique_set_table_space(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUnique>(self)->set_table_space(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_with(TarvelinRezezadovuMetaModelMetaUnique* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUnique>(self)->get_with();
}
void tarvelin_rezezadovu_meta_model_meta_unique_set_with(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUnique>(self)->set_with(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_include(TarvelinRezezadovuMetaModelMetaUnique* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUnique>(self)->get_include();
}
void tarvelin_rezezadovu_meta_model_meta_unique_set_include(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUnique>(self)->set_include(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_unique_get_deferrable(TarvelinRezezadovuMetaModelMetaUnique* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaUnique>(self)->get_deferrable();
}
void tarvelin_rezezadovu_meta_model_meta_unique_set_deferrable(TarvelinRezezadovuMetaModelMetaUnique* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaUnique>(self)->set_deferrable(value); });
}

GType tarvelin_rezezadovu_meta_model_meta_foreign_key_get_type(void) { return MetaForeignKey::gtype(); }

TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaForeignKey*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaForeignKey::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_new(void) { return tarvelin_rezezadovu_meta_model_meta_foreign_key_construct(MetaForeignKey::gtype()); }

TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_name(GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaForeignKey*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaForeignKey::create_with_name(object_type, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_name(const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_name(MetaForeignKey::gtype(), name); }

TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_refer(GType object_type, const gchar* name, const gchar* refer_schema, const gchar* refere_table) {
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(refer_schema != NULL, NULL);
    g_return_val_if_fail(refere_table != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaForeignKey*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaForeignKey::create_with_refer(object_type, name, refer_schema, refere_table).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaForeignKey* tarvelin_rezezadovu_meta_model_meta_foreign_key_new_with_refer(const gchar* name, const gchar* refer_schema, const gchar* refere_table) { return tarvelin_rezezadovu_meta_model_meta_foreign_key_construct_with_refer(MetaForeignKey::gtype(), name, refer_schema, refere_table); }

const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_database(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_refer_database();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_database(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_refer_database(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_schema(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_refer_schema();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_schema(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_refer_schema(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_table(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_refer_table();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_table(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_refer_table(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_local_columns(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_local_columns();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_local_columns(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_local_columns(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_refer_columns(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_refer_columns();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_refer_columns(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_refer_columns(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_match_method(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_match_method();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_match_method(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_match_method(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_delete_action(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_delete_action();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_delete_action(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_delete_action(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_update_action(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_update_action();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_update_action(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_update_action(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_foreign_key_get_deferrable(TarvelinRezezadovuMetaModelMetaForeignKey* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaForeignKey>(self)->get_deferrable();
}
void tarvelin_rezezadovu_meta_model_meta_foreign_key_set_deferrable(TarvelinRezezadovuMetaModelMetaForeignKey* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaForeignKey>(self)->set_deferrable(value); });
}

GType tarvelin_rezezadovu_meta_model_meta_exclude_get_type(void) { return MetaExclude::gtype(); }

TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaExclude*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaExclude::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_new(void) { return tarvelin_rezezadovu_meta_model_meta_exclude_construct(MetaExclude::gtype()); }

TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_construct_with_name(GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaExclude*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaExclude::create_with_name(object_type, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaExclude* tarvelin_rezezadovu_meta_model_meta_exclude_new_with_name(const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_exclude_construct_with_name(MetaExclude::gtype(), name); }

const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_index_method(TarvelinRezezadovuMetaModelMetaExclude* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaExclude>(self)->get_index_method();
}
void tarvelin_rezezadovu_meta_model_meta_exclude_set_index_method(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaExclude>(self)->set_index_method(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_table_space(TarvelinRezezadovuMetaModelMetaExclude* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaExclude>(self)->get_table_space();
}
void tarvelin_rezezadovu_meta_model_meta_exclude_set_table_space(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaExclude>(self)->set_table_space(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_with(TarvelinRezezadovuMetaModelMetaExclude* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaExclude>(self)->get_with();
}
void tarvelin_rezezadovu_meta_model_meta_exclude_set_with(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaExclude>(self)->set_with(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_include(TarvelinRezezadovuMetaModelMetaExclude* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaExclude>(self)->get_include();
}
void tarvelin_rezezadovu_meta_model_meta_exclude_set_include(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaExclude>(self)->set_include(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_where(TarvelinRezezadovuMetaModelMetaExclude* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaExclude>(self)->get_where();
}
void tarvelin_rezezadovu_meta_model_meta_exclude_set_where(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaExclude>(self)->set_where(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_deferrable(TarvelinRezezadovuMetaModelMetaExclude* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaExclude>(self)->get_deferrable();
}
void tarvelin_rezezadovu_meta_model_meta_exclude_set_deferrable(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaExclude>(self)->set_deferrable(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_exclude_get_elements(TarvelinRezezadovuMetaModelMetaExclude* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaExclude>(self)->get_elements();
}
void tarvelin_rezezadovu_meta_model_meta_exclude_set_elements(TarvelinRezezadovuMetaModelMetaExclude* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaExclude>(self)->set_elements(value); });
}


}  // extern "C"
