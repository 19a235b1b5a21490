// Log tag: meta_trigger_capi
// The C face of meta trigger classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_trigger.hpp"

TARVELIN_LOG_TAG("meta_trigger_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_trigger_get_type(void) { return MetaTrigger::gtype(); }

TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaTrigger*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaTrigger::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_new(void) { return tarvelin_rezezadovu_meta_model_meta_trigger_construct(MetaTrigger::gtype()); }

TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_body(GType object_type, const gchar* name, const gchar* body) {
    g_return_val_if_fail(name != NULL, NULL);
    g_return_val_if_fail(body != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaTrigger*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaTrigger::create_with_body(object_type, name, body).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_new_with_body(const gchar* name, const gchar* body) { return tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_body(MetaTrigger::gtype(), name, body); }

TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaTrigger*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaTrigger::create_with_names(object_type, database, schema, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaTrigger* tarvelin_rezezadovu_meta_model_meta_trigger_new_with_names(const gchar* database, const gchar* schema, const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_trigger_construct_with_names(MetaTrigger::gtype(), database, schema, name); }

const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_kind(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_kind();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_kind(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_kind(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_target(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_target();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_target(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_target(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_body(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_body();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_body(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_body(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_definer(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_definer();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_definer(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_definer(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_timing(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_timing();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_timing(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_timing(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_event(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_event();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_event(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_event(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_when(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_when();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_when(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_when(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_order(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_order();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_order(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_order(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_trigger(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_trigger();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_trigger(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_trigger(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_columns(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_columns();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_columns(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_columns(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_deferrable(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_deferrable();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_deferrable(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_deferrable(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_deferred(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_deferred();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_deferred(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_deferred(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_function(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_function();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_function(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_function(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_arguments(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_arguments();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_arguments(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_arguments(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_for_each(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_for_each();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_for_each(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_for_each(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_refer_table(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_refer_table();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_refer_table(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_refer_table(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_trigger_get_constraint(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaTrigger>(self)->get_constraint();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_constraint(TarvelinRezezadovuMetaModelMetaTrigger* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_constraint(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_trigger_get_apply(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaTrigger>(self)->get_apply();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_apply(TarvelinRezezadovuMetaModelMetaTrigger* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_apply(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_trigger_get_enable(TarvelinRezezadovuMetaModelMetaTrigger* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaTrigger>(self)->get_enable();
}
void tarvelin_rezezadovu_meta_model_meta_trigger_set_enable(TarvelinRezezadovuMetaModelMetaTrigger* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaTrigger>(self)->set_enable(value); });
}


}  // extern "C"
