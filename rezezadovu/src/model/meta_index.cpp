// Log tag: meta_index
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_index.hpp"

TARVELIN_LOG_TAG("meta_index")

namespace tarvelin::rezezadovu::meta_model {

// Declares the serialisable interface again: its hooks are this class's overrides.
TARVELIN_GTYPE(MetaIndex, "TarvelinRezezadovuMetaModelMetaIndex", MetaObject, providers::contracts::Serializable)

void MetaIndex::describe(gobj::ClassSpec<MetaIndex>& c) { TARVELIN_META_INDEX_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaIndex> MetaIndex::create(GType type) { return gobj::create<MetaIndex>(type); }
gobj::Ref<MetaIndex> MetaIndex::create_with_names(GType type, const char* database, const char* schema,
                                                  const char* entity, const char* name) {
    auto i = create(type);
    i->set_name(name);
    i->set_entity(entity);
    i->set_schema(schema);
    i->set_database(database);
    return i;
}

void MetaIndex::append(const char* column) {
    if (get_columns()) gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(get_columns()), column);
}

gobj::Ref<MetaObject> MetaIndex::clone() {
    auto copy = clone_as(*this);
    json_form::copy_text_list(GEE_LIST(get_columns()), GEE_COLLECTION(copy->get_columns()));
    return copy;
}

DBObject MetaIndex::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX; }

}  // namespace tarvelin::rezezadovu::meta_model
