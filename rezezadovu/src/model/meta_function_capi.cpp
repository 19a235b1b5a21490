// Log tag: meta_function_capi
// The C face of meta function classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_function.hpp"

TARVELIN_LOG_TAG("meta_function_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_function_get_type(void) { return MetaFunction::gtype(); }

TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaFunction*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaFunction::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_new(void) { return tarvelin_rezezadovu_meta_model_meta_function_construct(MetaFunction::gtype()); }

TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaFunction*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaFunction::create_with_names(object_type, database, schema, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaFunction* tarvelin_rezezadovu_meta_model_meta_function_new_with_names(const gchar* database, const gchar* schema, const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_function_construct_with_names(MetaFunction::gtype(), database, schema, name); }

gboolean tarvelin_rezezadovu_meta_model_meta_function_get_is_function(TarvelinRezezadovuMetaModelMetaFunction* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaFunction>(self)->get_is_function();
}
void tarvelin_rezezadovu_meta_model_meta_function_set_is_function(TarvelinRezezadovuMetaModelMetaFunction* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaFunction>(self)->set_is_function(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_function_get_return_type(TarvelinRezezadovuMetaModelMetaFunction* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaFunction>(self)->get_return_type();
}
void tarvelin_rezezadovu_meta_model_meta_function_set_return_type(TarvelinRezezadovuMetaModelMetaFunction* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaFunction>(self)->set_return_type(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_function_get_body(TarvelinRezezadovuMetaModelMetaFunction* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaFunction>(self)->get_body();
}
void tarvelin_rezezadovu_meta_model_meta_function_set_body(TarvelinRezezadovuMetaModelMetaFunction* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaFunction>(self)->set_body(value); });
}
GeeArrayList* tarvelin_rezezadovu_meta_model_meta_function_get_parameters(TarvelinRezezadovuMetaModelMetaFunction* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaFunction>(self)->get_parameters();
}
void tarvelin_rezezadovu_meta_model_meta_function_set_parameters(TarvelinRezezadovuMetaModelMetaFunction* self, GeeArrayList* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaFunction>(self)->set_parameters(value); });
}

GType tarvelin_rezezadovu_meta_model_meta_event_get_type(void) { return MetaEvent::gtype(); }

TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaEvent*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaEvent::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_new(void) { return tarvelin_rezezadovu_meta_model_meta_event_construct(MetaEvent::gtype()); }

TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_construct_with_names(GType object_type, const gchar* database, const gchar* schema, const gchar* name) {
    g_return_val_if_fail(database != NULL, NULL);
    g_return_val_if_fail(schema != NULL, NULL);
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaEvent*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaEvent::create_with_names(object_type, database, schema, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaEvent* tarvelin_rezezadovu_meta_model_meta_event_new_with_names(const gchar* database, const gchar* schema, const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_event_construct_with_names(MetaEvent::gtype(), database, schema, name); }

const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_kind(TarvelinRezezadovuMetaModelMetaEvent* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaEvent>(self)->get_kind();
}
void tarvelin_rezezadovu_meta_model_meta_event_set_kind(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaEvent>(self)->set_kind(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_body(TarvelinRezezadovuMetaModelMetaEvent* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaEvent>(self)->get_body();
}
void tarvelin_rezezadovu_meta_model_meta_event_set_body(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaEvent>(self)->set_body(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_definer(TarvelinRezezadovuMetaModelMetaEvent* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaEvent>(self)->get_definer();
}
void tarvelin_rezezadovu_meta_model_meta_event_set_definer(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaEvent>(self)->set_definer(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_state(TarvelinRezezadovuMetaModelMetaEvent* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaEvent>(self)->get_state();
}
void tarvelin_rezezadovu_meta_model_meta_event_set_state(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaEvent>(self)->set_state(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_schedule(TarvelinRezezadovuMetaModelMetaEvent* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaEvent>(self)->get_schedule();
}
void tarvelin_rezezadovu_meta_model_meta_event_set_schedule(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaEvent>(self)->set_schedule(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_event_get_completion(TarvelinRezezadovuMetaModelMetaEvent* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaEvent>(self)->get_completion();
}
void tarvelin_rezezadovu_meta_model_meta_event_set_completion(TarvelinRezezadovuMetaModelMetaEvent* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaEvent>(self)->set_completion(value); });
}


}  // extern "C"
