// Views, which derive their column list from their definition, and materialized views.
// Single thread.
#pragma once

#include "rezezadovu/model/meta_column.hpp"

namespace tarvelin::rezezadovu::meta_model {

// The definition is computed: its setter also derives the columns, and notifies on
// every set.
// clang-format off
#define TARVELIN_META_VIEW_DEFINITION(P) \
    P(Text, definition, "definition", nullptr, RW, "", Always)
#define TARVELIN_META_VIEW_PROPERTIES(P) \
    P(List, columns, "columns", nullptr, RO, json_form::new_object_list(MetaColumn::gtype()), OnChange)
#define TARVELIN_MATERIALIZED_PROPERTIES(P) \
    P(Text, table_space, "table-space", nullptr, RW, "", OnChange) \
    P(Text, definer, "definer", nullptr, RW, "", OnChange) \
    P(Text, fill_factor, "fill-factor", nullptr, RW, "", OnChange) \
    P(Bool, with_data, "with-data", true, RW, true, OnChange)
// clang-format on

class TARVELIN_EXPORT MetaView : public MetaObject {
public:
    using Self = MetaView;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaView>& c);
    static gobj::Ref<MetaView> create(GType type = gtype());
    static gobj::Ref<MetaView> create_with_names(GType type, const char* database, const char* schema,
                                                 const char* name);

    TARVELIN_META_VIEW_DEFINITION(TARVELIN_PROPERTY_PSPEC)
    const char* get_definition() const { return gobj::prop::Text::get(definition_); }
    // Stores the text, derives the columns from its select list (a text without one
    // keeps the previous columns) and always notifies.
    void set_definition(const char* definition);
    TARVELIN_META_VIEW_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    DBObject character() override;

private:
    TARVELIN_META_VIEW_DEFINITION(TARVELIN_PROPERTY_STORAGE)
    TARVELIN_META_VIEW_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

class TARVELIN_EXPORT Materialized : public MetaView {
public:
    using Self = Materialized;
    static GType gtype();
    static void describe(gobj::ClassSpec<Materialized>& c);
    static gobj::Ref<Materialized> create(GType type = gtype());
    static gobj::Ref<Materialized> create_with_names(GType type, const char* database, const char* schema,
                                                     const char* name);
    TARVELIN_MATERIALIZED_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_MATERIALIZED_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaView, tarvelin::rezezadovu::meta_model::MetaView)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMaterialized, tarvelin::rezezadovu::meta_model::Materialized)
