// Accounts and roles with their memberships and granted rights. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_ROLE_PROPERTIES(P) \
    P(Text, scope, "scope", nullptr, RW, "", OnChange) \
    P(Text, password, "password", nullptr, RW, "", OnChange) \
    P(Map, relations, "relations", nullptr, RW, json_form::new_text_map(), Always) \
    P(Map, privileges, "privileges", nullptr, RW, json_form::new_text_map(), Always)
#define TARVELIN_META_USER_PROPERTIES(P) \
    P(Text, scope, "scope", nullptr, RW, "", OnChange) \
    P(Text, default_schema, "default-schema", nullptr, RW, "", OnChange) \
    P(Text, password, "password", nullptr, RW, "", OnChange) \
    P(Map, relations, "relations", nullptr, RW, json_form::new_text_map(), Always) \
    P(Map, privileges, "privileges", nullptr, RW, json_form::new_text_map(), Always)
// clang-format on

class TARVELIN_EXPORT MetaRole : public MetaObject {
public:
    using Self = MetaRole;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaRole>& c);
    static gobj::Ref<MetaRole> create(GType type = gtype());
    // Sets "name", "schema", "database", then "scope".
    static gobj::Ref<MetaRole> create_with_names(GType type, const char* database, const char* schema,
                                                 const char* name, const char* scope);
    TARVELIN_META_ROLE_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    gobj::Ref<MetaObject> clone() override;
    DBObject character() override;

private:
    TARVELIN_META_ROLE_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

class TARVELIN_EXPORT MetaUser : public MetaObject {
public:
    using Self = MetaUser;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaUser>& c);
    static gobj::Ref<MetaUser> create(GType type = gtype());
    static gobj::Ref<MetaUser> create_with_names(GType type, const char* database, const char* schema,
                                                 const char* name, const char* scope);
    TARVELIN_META_USER_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    gobj::Ref<MetaObject> clone() override;
    DBObject character() override;

private:
    TARVELIN_META_USER_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaRole, tarvelin::rezezadovu::meta_model::MetaRole)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaUser, tarvelin::rezezadovu::meta_model::MetaUser)
