// Log tag: meta_rule_capi
// The C face of the rule: preconditions, then the C++ member.
// TARVELIN_CLASS_CAPI makes
//   tarvelin_rezezadovu_meta_model_meta_rule_get_type tarvelin_rezezadovu_meta_model_meta_rule_construct
//   tarvelin_rezezadovu_meta_model_meta_rule_new
// The property tables make (getters, and setters of writable rows)
//   tarvelin_rezezadovu_meta_model_meta_rule_get_commands tarvelin_rezezadovu_meta_model_meta_rule_set_commands
//   tarvelin_rezezadovu_meta_model_meta_rule_get_action tarvelin_rezezadovu_meta_model_meta_rule_set_action
//   tarvelin_rezezadovu_meta_model_meta_rule_get_event tarvelin_rezezadovu_meta_model_meta_rule_set_event
//   tarvelin_rezezadovu_meta_model_meta_rule_get_where tarvelin_rezezadovu_meta_model_meta_rule_set_where
//   tarvelin_rezezadovu_meta_model_meta_rule_get_apply tarvelin_rezezadovu_meta_model_meta_rule_set_apply
//   tarvelin_rezezadovu_meta_model_meta_rule_get_enable tarvelin_rezezadovu_meta_model_meta_rule_set_enable
#include <tarvelin/rezezadovu/meta_model.h>

#include "rezezadovu/model/meta_rule.hpp"

TARVELIN_LOG_TAG("meta_rule_capi")

using namespace tarvelin;
using namespace tarvelin::rezezadovu::meta_model;

extern "C" {

TARVELIN_CLASS_CAPI(MetaRule, TarvelinRezezadovuMetaModelMetaRule, tarvelin_rezezadovu_meta_model_meta_rule)

TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_construct_with_name(GType object_type,
    const gchar* name) {
    g_return_val_if_fail(name != NULL, NULL);
    return gobj::invoke<&MetaRule::create_with_name>(G_STRFUNC, object_type, name);
}
TarvelinRezezadovuMetaModelMetaRule* tarvelin_rezezadovu_meta_model_meta_rule_new_with_name(const gchar* name) {
    return tarvelin_rezezadovu_meta_model_meta_rule_construct_with_name(MetaRule::gtype(), name);
}

#define TARVELIN_CAPI_CLASS MetaRule
#define TARVELIN_CAPI_CTYPE TarvelinRezezadovuMetaModelMetaRule
#define TARVELIN_CAPI_PREFIX tarvelin_rezezadovu_meta_model_meta_rule
TARVELIN_META_RULE_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

}  // extern "C"
