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
    P(Bool, enforced, "enforced", false) \
    P(BoolTrue, no_inherit, "no-inherit", true) \
    P(Text, check, "check", "") \
    P(Text, deferrable, "deferrable", "")
#define TARVELIN_META_UNIQUE_PROPERTIES(P) \
    P(Text, columns, "columns", "") \
    P(Text, conflict, "conflict", "") \
    P(Bool, is_primary_key, "is-primary-key", false) \
    P(Text, table_space, "table-space", "") \
    P(Text, with, "with", "") \
    P(Text, include, "include", "") \
    P(Text, deferrable, "deferrable", "")
#define TARVELIN_META_FOREIGN_KEY_PROPERTIES(P) \
    P(Text, refer_database, "refer-database", "") \
    P(Text, refer_schema, "refer-schema", "") \
    P(Text, refer_table, "refer-table", "") \
    P(Text, local_columns, "local-columns", "") \
    P(Text, refer_columns, "refer-columns", "") \
    P(Text, match_method, "match-method", "") \
    P(Text, delete_action, "delete-action", "") \
    P(Text, update_action, "update-action", "") \
    P(Text, deferrable, "deferrable", "")
#define TARVELIN_META_EXCLUDE_PROPERTIES(P) \
    P(Text, index_method, "index-method", "") \
    P(Text, table_space, "table-space", "") \
    P(Text, with, "with", "") \
    P(Text, include, "include", "") \
    P(Text, where, "where", "") \
    P(Text, deferrable, "deferrable", "") \
    P(Text, elements, "elements", "")
// clang-format on

class TARVELIN_EXPORT MetaCheck : public MetaConstraint {
public:
    using Self = MetaCheck;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaCheck>& c);
    static gobj::Ref<MetaCheck> create(GType type = gtype());
    // Sets "name", then "check".
    static gobj::Ref<MetaCheck> create_with_name(GType type, const char* name, const char* expr);
    TARVELIN_META_CHECK_PROPERTIES(TARVELIN_META_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_CHECK_PROPERTIES(TARVELIN_META_STORAGE)
};

class TARVELIN_EXPORT MetaUnique : public MetaConstraint {
public:
    using Self = MetaUnique;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaUnique>& c);
    static gobj::Ref<MetaUnique> create(GType type = gtype());
    static gobj::Ref<MetaUnique> create_with_name(GType type, const char* name);
    TARVELIN_META_UNIQUE_PROPERTIES(TARVELIN_META_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_UNIQUE_PROPERTIES(TARVELIN_META_STORAGE)
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
    TARVELIN_META_FOREIGN_KEY_PROPERTIES(TARVELIN_META_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_FOREIGN_KEY_PROPERTIES(TARVELIN_META_STORAGE)
};

class TARVELIN_EXPORT MetaExclude : public MetaConstraint {
public:
    using Self = MetaExclude;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaExclude>& c);
    static gobj::Ref<MetaExclude> create(GType type = gtype());
    static gobj::Ref<MetaExclude> create_with_name(GType type, const char* name);
    TARVELIN_META_EXCLUDE_PROPERTIES(TARVELIN_META_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_EXCLUDE_PROPERTIES(TARVELIN_META_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model
