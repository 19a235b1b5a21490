// Log tag: meta_rule_capi
// The C face of meta rule classes: preconditions, then the C++ member.
#include <tarvelin/rezezadovu/meta_model.h>

#include <vector>

#include "rezezadovu/model/meta_rule.hpp"

TARVELIN_LOG_TAG("meta_rule_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

GType tarvelin_rezezadovu_meta_model_meta_rule_get_type(void) { return MetaRule::gtype(); }

TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_construct(GType object_type) {
    return static_cast<TarvelinRezezadovuMetaModelMetaRule*>(
        gobj::guarded(G_STRFUNC, [&] { return static_cast<gpointer>(MetaRule::create(object_type).release()); }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_new(void) { return tarvelin_rezezadovu_meta_model_meta_rule_construct(MetaRule::gtype()); }

TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_construct_with_name(GType object_type, const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return static_cast<TarvelinRezezadovuMetaModelMetaRule*>(gobj::guarded(G_STRFUNC, [&] {
        return static_cast<gpointer>(MetaRule::create_with_name(object_type, name).release());
    }, gpointer(nullptr)));
}
TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_new_with_name(const gchar* name) { return tarvelin_rezezadovu_meta_model_meta_rule_construct_with_name(MetaRule::gtype(), name); }

const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_commands(TarvelinRezezadovuMetaModelMetaRule* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRule>(self)->get_commands();
}
void tarvelin_rezezadovu_meta_model_meta_rule_set_commands(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRule>(self)->set_commands(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_action(TarvelinRezezadovuMetaModelMetaRule* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRule>(self)->get_action();
}
void tarvelin_rezezadovu_meta_model_meta_rule_set_action(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRule>(self)->set_action(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_event(TarvelinRezezadovuMetaModelMetaRule* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRule>(self)->get_event();
}
void tarvelin_rezezadovu_meta_model_meta_rule_set_event(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRule>(self)->set_event(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_where(TarvelinRezezadovuMetaModelMetaRule* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRule>(self)->get_where();
}
void tarvelin_rezezadovu_meta_model_meta_rule_set_where(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRule>(self)->set_where(value); });
}
const gchar* tarvelin_rezezadovu_meta_model_meta_rule_get_apply(TarvelinRezezadovuMetaModelMetaRule* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::cast<MetaRule>(self)->get_apply();
}
void tarvelin_rezezadovu_meta_model_meta_rule_set_apply(TarvelinRezezadovuMetaModelMetaRule* self, const gchar* value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRule>(self)->set_apply(value); });
}
gboolean tarvelin_rezezadovu_meta_model_meta_rule_get_enable(TarvelinRezezadovuMetaModelMetaRule* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::cast<MetaRule>(self)->get_enable();
}
void tarvelin_rezezadovu_meta_model_meta_rule_set_enable(TarvelinRezezadovuMetaModelMetaRule* self, gboolean value) {
    g_return_if_fail(self != NULL);
    gobj::guarded(G_STRFUNC, [&] { gobj::cast<MetaRule>(self)->set_enable(value); });
}


}  // extern "C"
