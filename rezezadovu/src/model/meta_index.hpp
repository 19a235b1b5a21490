// One index: kind, method, options and its key parts in order. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_INDEX_PROPERTIES(P) \
    P(Text, entity, "entity", "") \
    P(Text, klass, "class", "") \
    P(Text, method, "method", "") \
    P(Text, parser, "parser", "") \
    P(Text, algorithm, "algorithm", "") \
    P(Text, lock, "lock", "") \
    P(Text, where, "where", "") \
    P(Text, table_space, "table-space", "") \
    P(Text, with, "with", "") \
    P(Text, include, "include", "") \
    P(Text, kind, "kind", "") \
    P(Bool, is_concurrent, "is-concurrent", false) \
    P(Bool, is_only, "is-only", false) \
    P(Bool, is_visible, "is-visible", false) \
    P(Bool, is_clustered, "is-clustered", false) \
    P(UInt64, key_block_size, "key-block-size", 0) \
    P(List, columns, "columns", json_form::new_text_list())
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
    TARVELIN_META_INDEX_PROPERTIES(TARVELIN_META_ACCESSORS)

    // Adds a key part; no duplicate test, no notification.
    void append(const char* column);
    gobj::Ref<MetaObject> clone() override;
    DBObject character() override;

private:
    TARVELIN_META_INDEX_PROPERTIES(TARVELIN_META_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model
