// Log tag: meta_constraint
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"

TARVELIN_LOG_TAG("meta_constraint")

namespace tarvelin::rezezadovu::meta_model {

// Registered when the library loads, so a table's JSON can name any of them before one
// was made.
TARVELIN_GTYPE(MetaConstraint, "TarvelinRezezadovuMetaModelMetaConstraint", MetaObject)
TARVELIN_GTYPE(PrimaryKey, "TarvelinRezezadovuMetaModelPrimaryKey", MetaConstraint)
TARVELIN_GTYPE(MetaCheck, "TarvelinRezezadovuMetaModelMetaCheck", MetaConstraint)
TARVELIN_GTYPE(MetaUnique, "TarvelinRezezadovuMetaModelMetaUnique", MetaConstraint)
TARVELIN_GTYPE(MetaForeignKey, "TarvelinRezezadovuMetaModelMetaForeignKey", MetaConstraint)
TARVELIN_GTYPE(MetaExclude, "TarvelinRezezadovuMetaModelMetaExclude", MetaConstraint)

gobj::Ref<MetaConstraint> MetaConstraint::create(GType type) { return gobj::create<MetaConstraint>(type); }
gobj::Ref<MetaConstraint> MetaConstraint::create_with_names(GType type, const char* name) {
    auto c = create(type);
    c->set_name(name);
    return c;
}
DBObject MetaConstraint::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CONTRAINT; }

gobj::Ref<PrimaryKey> PrimaryKey::create(GType type) { return gobj::create<PrimaryKey>(type); }
gobj::Ref<PrimaryKey> PrimaryKey::create_with_name(GType type, const char* name) {
    auto c = create(type);
    c->set_name(name);
    return c;
}
DBObject PrimaryKey::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PRIMARY; }

void MetaCheck::describe(gobj::ClassSpec<MetaCheck>& c) { TARVELIN_META_CHECK_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaCheck> MetaCheck::create(GType type) { return gobj::create<MetaCheck>(type); }
gobj::Ref<MetaCheck> MetaCheck::create_with_name(GType type, const char* name, const char* expr) {
    auto c = create(type);
    c->set_name(name);
    c->set_check(expr);
    return c;
}
DBObject MetaCheck::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CHECK; }

void MetaUnique::describe(gobj::ClassSpec<MetaUnique>& c) { TARVELIN_META_UNIQUE_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaUnique> MetaUnique::create(GType type) { return gobj::create<MetaUnique>(type); }
gobj::Ref<MetaUnique> MetaUnique::create_with_name(GType type, const char* name) {
    auto c = create(type);
    c->set_name(name);
    return c;
}
DBObject MetaUnique::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNIQUE; }

void MetaForeignKey::describe(gobj::ClassSpec<MetaForeignKey>& c) {
    TARVELIN_META_FOREIGN_KEY_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}
gobj::Ref<MetaForeignKey> MetaForeignKey::create(GType type) { return gobj::create<MetaForeignKey>(type); }
gobj::Ref<MetaForeignKey> MetaForeignKey::create_with_name(GType type, const char* name) {
    auto c = create(type);
    c->set_name(name);
    return c;
}
gobj::Ref<MetaForeignKey> MetaForeignKey::create_with_refer(GType type, const char* name, const char* refer_schema,
                                                            const char* refer_table) {
    auto c = create(type);
    c->set_name(name);
    c->set_refer_schema(refer_schema);
    c->set_refer_table(refer_table);
    return c;
}
DBObject MetaForeignKey::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FOREIGN; }

void MetaExclude::describe(gobj::ClassSpec<MetaExclude>& c) { TARVELIN_META_EXCLUDE_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaExclude> MetaExclude::create(GType type) { return gobj::create<MetaExclude>(type); }
gobj::Ref<MetaExclude> MetaExclude::create_with_name(GType type, const char* name) {
    auto c = create(type);
    c->set_name(name);
    return c;
}
DBObject MetaExclude::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_EXCLUDE; }

}  // namespace tarvelin::rezezadovu::meta_model
