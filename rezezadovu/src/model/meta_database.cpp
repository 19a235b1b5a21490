// Log tag: meta_database
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_database.hpp"

#include <cstring>

TARVELIN_LOG_TAG("meta_database")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_GTYPE(MetaSchema, "TarvelinRezezadovuMetaModelMetaSchema", MetaObject)
TARVELIN_GTYPE(MetaDatabase, "TarvelinRezezadovuMetaModelMetaDatabase", MetaObject)

namespace {

void clone_children(GeeArrayList* from, GeeArrayList* into) {
    if (!from || !into) return;
    for (auto child : gobj::GeeArray<MetaObject>::wrap(from)) {
        if (child) gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(into), child->clone()->gobj());
    }
}

void clear(GeeArrayList* list) {
    if (list) gee_abstract_collection_clear(GEE_ABSTRACT_COLLECTION(list));
}

}  // namespace

void MetaSchema::describe(gobj::ClassSpec<MetaSchema>& c) { TARVELIN_META_SCHEMA_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaSchema> MetaSchema::create(GType type) { return gobj::create<MetaSchema>(type); }
gobj::Ref<MetaSchema> MetaSchema::create_with_names(GType type, const char* database, const char* schema) {
    auto s = create(type);
    s->set_names(database, schema, schema);
    return s;
}

gobj::Ref<MetaObject> MetaSchema::clone() {
    auto copy = clone_as(*this);
    clone_children(get_tables(), copy->get_tables());
    clone_children(get_views(), copy->get_views());
    clone_children(get_events(), copy->get_events());
    clone_children(get_functions(), copy->get_functions());
    clone_children(get_procedures(), copy->get_procedures());
    clone_children(get_miews(), copy->get_miews());
    return copy;
}

void MetaSchema::reset() {
    clear(get_events());
    clear(get_functions());
    clear(get_tables());
    clear(get_views());
    clear(get_procedures());
    clear(get_miews());
    MetaObject::reset();
}

DBObject MetaSchema::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA; }

void MetaDatabase::describe(gobj::ClassSpec<MetaDatabase>& c) { TARVELIN_META_DATABASE_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaDatabase> MetaDatabase::create(GType type) { return gobj::create<MetaDatabase>(type); }
gobj::Ref<MetaDatabase> MetaDatabase::create_with_name(GType type, const char* database) {
    auto d = create(type);
    d->set_names(database, database, database);
    return d;
}

gobj::Ref<MetaSchema> MetaDatabase::append(const char* schema_name) {
    if (get_schemas()) {
        for (auto schema : gobj::GeeArray<MetaSchema>::wrap(get_schemas())) {
            const char* n = schema ? schema->get_name() : nullptr;
            if (n && std::strcmp(n, schema_name) == 0) return schema;
        }
    }
    const char* db = get_name();
    auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), db ? db : "", schema_name);
    if (get_schemas()) gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(get_schemas()), schema->gobj());
    return schema;
}

gobj::Ref<MetaObject> MetaDatabase::clone() {
    auto copy = clone_as(*this);
    clone_children(get_schemas(), copy->get_schemas());
    return copy;
}

void MetaDatabase::reset() {
    clear(get_schemas());
    MetaObject::reset();
}

DBObject MetaDatabase::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE; }

}  // namespace tarvelin::rezezadovu::meta_model
