// Log tag: meta_function
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_function.hpp"

TARVELIN_LOG_TAG("meta_function")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_GTYPE(MetaFunction, "TarvelinRezezadovuMetaModelMetaFunction", MetaObject)
TARVELIN_GTYPE(MetaEvent, "TarvelinRezezadovuMetaModelMetaEvent", MetaObject)

void MetaFunction::describe(gobj::ClassSpec<MetaFunction>& c) { TARVELIN_META_FUNCTION_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaFunction> MetaFunction::create(GType type) { return gobj::create<MetaFunction>(type); }
gobj::Ref<MetaFunction> MetaFunction::create_with_names(GType type, const char* database, const char* schema,
                                                        const char* name) {
    auto f = create(type);
    f->set_names(database, schema, name);
    return f;
}

gobj::Ref<MetaObject> MetaFunction::clone() {
    auto copy = clone_as(*this);
    json_form::copy_text_list(GEE_LIST(get_parameters()), GEE_COLLECTION(copy->get_parameters()));
    return copy;
}

void MetaFunction::reset() {
    if (get_parameters()) gee_abstract_collection_clear(GEE_ABSTRACT_COLLECTION(get_parameters()));
    MetaObject::reset();
}

DBObject MetaFunction::character() {
    return get_is_function() ? TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION
                             : TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE;
}

void MetaEvent::describe(gobj::ClassSpec<MetaEvent>& c) { TARVELIN_META_EVENT_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaEvent> MetaEvent::create(GType type) { return gobj::create<MetaEvent>(type); }
gobj::Ref<MetaEvent> MetaEvent::create_with_names(GType type, const char* database, const char* schema,
                                                  const char* name) {
    auto e = create(type);
    e->set_names(database, schema, name);
    return e;
}
DBObject MetaEvent::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EVENT; }

}  // namespace tarvelin::rezezadovu::meta_model
