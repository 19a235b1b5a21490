// One index: kind, method, options and its key parts in order. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// The member `class` only ever appears pasted (get_class, set_class, class_), so the
// keyword makes valid names and the C accessors keep the property's name.
// clang-format off
#define TARVELIN_META_INDEX_PROPERTIES(P) \
    P(Text, entity, "entity", nullptr, RW, "", OnChange) \
    P(Text, class, "class", nullptr, RW, "", OnChange) \
    P(Text, method, "method", nullptr, RW, "", OnChange) \
    P(Text, parser, "parser", nullptr, RW, "", OnChange) \
    P(Text, algorithm, "algorithm", nullptr, RW, "", OnChange) \
    P(Text, lock, "lock", nullptr, RW, "", OnChange) \
    P(Text, where, "where", nullptr, RW, "", OnChange) \
    P(Text, table_space, "table-space", nullptr, RW, "", OnChange) \
    P(Text, with, "with", nullptr, RW, "", OnChange) \
    P(Text, include, "include", nullptr, RW, "", OnChange) \
    P(Text, kind, "kind", nullptr, RW, "", OnChange) \
    P(Bool, is_concurrent, "is-concurrent", false, RW, false, OnChange) \
    P(Bool, is_only, "is-only", false, RW, false, OnChange) \
    P(Bool, is_visible, "is-visible", false, RW, false, OnChange) \
    P(Bool, is_clustered, "is-clustered", false, RW, false, OnChange) \
    P(UInt64, key_block_size, "key-block-size", 0, RW, 0, OnChange) \
    P(List, columns, "columns", nullptr, RW, json_form::new_text_list(), Always)
// clang-format on

class TARVELIN_EXPORT MetaIndex : public MetaObject {
public:
    using Self = MetaIndex;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaIndex>& c);
    static gobj::Ref<MetaIndex> create(GType type = gtype());
    // Sets "name", then "entity", then "schema", then "database".
    static gobj::Ref<MetaIndex> create_with_names(GType type, const char* database, const char* schema,
                                                  const char* entity, const char* name);
    TARVELIN_META_INDEX_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // Adds a key part; no duplicate test, no notification.
    void append(const char* column);
    gobj::Ref<MetaObject> clone() override;
    DBObject character() override;

private:
    TARVELIN_META_INDEX_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaIndex, tarvelin::rezezadovu::meta_model::MetaIndex)
