// Log tag: meta_trigger
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_trigger.hpp"

TARVELIN_LOG_TAG("meta_trigger")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_GTYPE(MetaTrigger, "TarvelinRezezadovuMetaModelMetaTrigger", MetaObject)

void MetaTrigger::describe(gobj::ClassSpec<MetaTrigger>& c) { TARVELIN_META_TRIGGER_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaTrigger> MetaTrigger::create(GType type) { return gobj::create<MetaTrigger>(type); }
gobj::Ref<MetaTrigger> MetaTrigger::create_with_body(GType type, const char* name, const char* body) {
    auto t = create(type);
    t->set_name(name);
    t->set_body(body);
    return t;
}
gobj::Ref<MetaTrigger> MetaTrigger::create_with_names(GType type, const char* database, const char* schema,
                                                      const char* name) {
    auto t = create(type);
    t->set_names(database, schema, name);
    return t;
}
DBObject MetaTrigger::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER; }

}  // namespace tarvelin::rezezadovu::meta_model
