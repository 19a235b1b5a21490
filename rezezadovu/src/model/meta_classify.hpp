// Grouping nodes of a host's navigation tree, and synonyms. Single thread.
#pragma once

#include <vector>

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_CLASSIFY_PROPERTIES(P) \
    P(Model, children, "children", nullptr, RW, nullptr, OnChange)
#define TARVELIN_META_SYNONYM_PROPERTIES(P) \
    P(Text, target, "target", nullptr, RW, "", OnChange)
// clang-format on

class TARVELIN_EXPORT MetaClassify : public MetaObject {
public:
    using Self = MetaClassify;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaClassify>& c);
    // A node without children.
    static gobj::Ref<MetaClassify> create(GType type, DBObject kind, const char* database, const char* schema,
                                          const char* label);
    static gobj::Ref<MetaClassify> create_with_model(GType type, DBObject kind, const char* database,
                                                     const char* schema, const char* label, GListModel* model);
    // Children in a new list store of MetaObject, in array order; empty items are left out.
    static gobj::Ref<MetaClassify> create_with_array(GType type, DBObject kind, const char* database,
                                                     const char* schema, const char* label,
                                                     const std::vector<gobj::Ref<MetaObject>>& items);
    TARVELIN_META_CLASSIFY_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // The copy keeps the kind, which is not a property.
    gobj::Ref<MetaObject> clone() override;
    DBObject character() override { return kind_; }

private:
    static gobj::Ref<MetaClassify> labelled(GType type, const char* database, const char* schema, const char* label);
    TARVELIN_META_CLASSIFY_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
    DBObject kind_ = TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_UNKNOWN;
};

class TARVELIN_EXPORT MetaSynonym : public MetaObject {
public:
    using Self = MetaSynonym;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaSynonym>& c);
    static gobj::Ref<MetaSynonym> create(GType type = gtype());
    // Sets "schema", then "name"; "database" stays "".
    static gobj::Ref<MetaSynonym> create_with_names(GType type, const char* schema, const char* name);
    TARVELIN_META_SYNONYM_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_SYNONYM_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaClassify, tarvelin::rezezadovu::meta_model::MetaClassify)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaSynonym, tarvelin::rezezadovu::meta_model::MetaSynonym)
