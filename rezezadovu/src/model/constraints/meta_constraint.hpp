// Table-level constraints: the base and its five kinds. Clause texts are kept as the
// adapters read them and the builders write them. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

class TARVELIN_EXPORT MetaConstraint : public MetaObject {
public:
    using Self = MetaConstraint;
    static GType gtype();
    static gobj::Ref<MetaConstraint> create(GType type = gtype());
    static gobj::Ref<MetaConstraint> create_with_names(GType type, const char* name);
    DBObject character() override;
};

class TARVELIN_EXPORT PrimaryKey : public MetaConstraint {
public:
    using Self = PrimaryKey;
    static GType gtype();
    static gobj::Ref<PrimaryKey> create(GType type = gtype());
    static gobj::Ref<PrimaryKey> create_with_name(GType type, const char* name);
    DBObject character() override;
};

// clang-format off
#define TARVELIN_META_CHECK_PROPERTIES(P) \
    P(Bool, enforced, "enforced", false, RW, false, OnChange) \
    P(Bool, no_inherit, "no-inherit", true, RW, true, OnChange) \
    P(Text, check, "check", nullptr, RW, "", OnChange) \
    P(Text, deferrable, "deferrable", nullptr, RW, "", OnChange)
#define TARVELIN_META_UNIQUE_PROPERTIES(P) \
    P(Text, columns, "columns", nullptr, RW, "", OnChange) \
    P(Text, conflict, "conflict", nullptr, RW, "", OnChange) \
    P(Bool, is_primary_key, "is-primary-key", false, RW, false, OnChange) \
    P(Text, table_space, "table-space", nullptr, RW, "", OnChange) \
    P(Text, with, "with", nullptr, RW, "", OnChange) \
    P(Text, include, "include", nullptr, RW, "", OnChange) \
    P(Text, deferrable, "deferrable", nullptr, RW, "", OnChange)
#define TARVELIN_META_FOREIGN_KEY_PROPERTIES(P) \
    P(Text, refer_database, "refer-database", nullptr, RW, "", OnChange) \
    P(Text, refer_schema, "refer-schema", nullptr, RW, "", OnChange) \
    P(Text, refer_table, "refer-table", nullptr, RW, "", OnChange) \
    P(Text, local_columns, "local-columns", nullptr, RW, "", OnChange) \
    P(Text, refer_columns, "refer-columns", nullptr, RW, "", OnChange) \
    P(Text, match_method, "match-method", nullptr, RW, "", OnChange) \
    P(Text, delete_action, "delete-action", nullptr, RW, "", OnChange) \
    P(Text, update_action, "update-action", nullptr, RW, "", OnChange) \
    P(Text, deferrable, "deferrable", nullptr, RW, "", OnChange)
#define TARVELIN_META_EXCLUDE_PROPERTIES(P) \
    P(Text, index_method, "index-method", nullptr, RW, "", OnChange) \
    P(Text, table_space, "table-space", nullptr, RW, "", OnChange) \
    P(Text, with, "with", nullptr, RW, "", OnChange) \
    P(Text, include, "include", nullptr, RW, "", OnChange) \
    P(Text, where, "where", nullptr, RW, "", OnChange) \
    P(Text, deferrable, "deferrable", nullptr, RW, "", OnChange) \
    P(Text, elements, "elements", nullptr, RW, "", OnChange)
// clang-format on

class TARVELIN_EXPORT MetaCheck : public MetaConstraint {
public:
    using Self = MetaCheck;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaCheck>& c);
    static gobj::Ref<MetaCheck> create(GType type = gtype());
    // Sets "name", then "check".
    static gobj::Ref<MetaCheck> create_with_name(GType type, const char* name, const char* expr);
    TARVELIN_META_CHECK_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_CHECK_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

class TARVELIN_EXPORT MetaUnique : public MetaConstraint {
public:
    using Self = MetaUnique;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaUnique>& c);
    static gobj::Ref<MetaUnique> create(GType type = gtype());
    static gobj::Ref<MetaUnique> create_with_name(GType type, const char* name);
    TARVELIN_META_UNIQUE_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_UNIQUE_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

class TARVELIN_EXPORT MetaForeignKey : public MetaConstraint {
public:
    using Self = MetaForeignKey;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaForeignKey>& c);
    static gobj::Ref<MetaForeignKey> create(GType type = gtype());
    static gobj::Ref<MetaForeignKey> create_with_name(GType type, const char* name);
    // Sets "name", then "refer-schema", then "refer-table".
    static gobj::Ref<MetaForeignKey> create_with_refer(GType type, const char* name, const char* refer_schema,
                                                       const char* refer_table);
    TARVELIN_META_FOREIGN_KEY_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_FOREIGN_KEY_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

class TARVELIN_EXPORT MetaExclude : public MetaConstraint {
public:
    using Self = MetaExclude;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaExclude>& c);
    static gobj::Ref<MetaExclude> create(GType type = gtype());
    static gobj::Ref<MetaExclude> create_with_name(GType type, const char* name);
    TARVELIN_META_EXCLUDE_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_EXCLUDE_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaConstraint, tarvelin::rezezadovu::meta_model::MetaConstraint)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelPrimaryKey, tarvelin::rezezadovu::meta_model::PrimaryKey)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaCheck, tarvelin::rezezadovu::meta_model::MetaCheck)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaUnique, tarvelin::rezezadovu::meta_model::MetaUnique)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaForeignKey, tarvelin::rezezadovu::meta_model::MetaForeignKey)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaExclude, tarvelin::rezezadovu::meta_model::MetaExclude)
