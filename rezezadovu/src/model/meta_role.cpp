// Log tag: meta_role
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_role.hpp"

TARVELIN_LOG_TAG("meta_role")

namespace tarvelin::rezezadovu::meta_model {

TARVELIN_GTYPE(MetaRole, "TarvelinRezezadovuMetaModelMetaRole", MetaObject)
TARVELIN_GTYPE(MetaUser, "TarvelinRezezadovuMetaModelMetaUser", MetaObject)

void MetaRole::describe(gobj::ClassSpec<MetaRole>& c) { TARVELIN_META_ROLE_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaRole> MetaRole::create(GType type) { return gobj::create<MetaRole>(type); }
gobj::Ref<MetaRole> MetaRole::create_with_names(GType type, const char* database, const char* schema, const char* name,
                                                const char* scope) {
    auto r = create(type);
    r->set_names(database, schema, name);
    r->set_scope(scope);
    return r;
}
gobj::Ref<MetaObject> MetaRole::clone() {
    auto copy = clone_as(*this);
    json_form::copy_text_map(GEE_MAP(get_privileges()), GEE_MAP(copy->get_privileges()));
    json_form::copy_text_map(GEE_MAP(get_relations()), GEE_MAP(copy->get_relations()));
    return copy;
}
DBObject MetaRole::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE; }

void MetaUser::describe(gobj::ClassSpec<MetaUser>& c) { TARVELIN_META_USER_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }
gobj::Ref<MetaUser> MetaUser::create(GType type) { return gobj::create<MetaUser>(type); }
gobj::Ref<MetaUser> MetaUser::create_with_names(GType type, const char* database, const char* schema, const char* name,
                                                const char* scope) {
    auto u = create(type);
    u->set_names(database, schema, name);
    u->set_scope(scope);
    return u;
}
gobj::Ref<MetaObject> MetaUser::clone() {
    auto copy = clone_as(*this);
    json_form::copy_text_map(GEE_MAP(get_privileges()), GEE_MAP(copy->get_privileges()));
    json_form::copy_text_map(GEE_MAP(get_relations()), GEE_MAP(copy->get_relations()));
    return copy;
}
DBObject MetaUser::character() { return TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER; }

}  // namespace tarvelin::rezezadovu::meta_model
