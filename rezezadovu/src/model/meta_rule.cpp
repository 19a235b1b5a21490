// Log tag: meta_rule
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_rule.hpp"

TARVELIN_LOG_TAG("meta_rule")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_GTYPE(MetaRule, "TarvelinRezezadovuMetaModelMetaRule", MetaObject)

void MetaRule::describe(gobj::ClassSpec<MetaRule>& c) { TARVELIN_META_RULE_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaRule> MetaRule::create(GType type) { return gobj::create<MetaRule>(type); }
gobj::Ref<MetaRule> MetaRule::create_with_name(GType type, const char* name) {
    auto r = create(type);
    r->set_name(name);
    return r;
}
DBObject MetaRule::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_RULE; }

}  // namespace tarvelin::rezezadovu::meta_model
