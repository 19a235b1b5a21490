// Views, which derive their column list from their definition, and materialized views.
// Single thread.
#pragma once

#include "rezezadovu/model/meta_column.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_VIEW_PROPERTIES(P) \
    P(Text, definition, "definition", "") \
    P(ReadOnlyList, columns, "columns", json_form::new_object_list(MetaColumn::gtype()))
#define TARVELIN_MATERIALIZED_PROPERTIES(P) \
    P(Text, table_space, "table-space", "") \
    P(Text, definer, "definer", "") \
    P(Text, fill_factor, "fill-factor", "") \
    P(BoolTrue, with_data, "with-data", true)
// clang-format on

class TARVELIN_EXPORT MetaView : public MetaObject {
public:
    using Self = MetaView;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaView>& c);
    static gobj::Ref<MetaView> create(GType type = gtype());
    static gobj::Ref<MetaView> create_with_names(GType type, const char* database, const char* schema,
                                                 const char* name);

    const char* get_definition() const { return gobj::c_str(definition_); }
    // Stores the text, derives the columns from its select list (a text without one
    // keeps the previous columns) and always notifies.
    void set_definition(const char* definition);
    GeeArrayList* get_columns() const { return columns_.get(); }
    static inline GParamSpec* s_definition = nullptr;

    DBObject character() override;

private:
    std::optional<std::string> definition_{""};
    gobj::GPtr<GeeArrayList> columns_{gobj::GPtr<GeeArrayList>::adopt(json_form::new_object_list(MetaColumn::gtype()))};
};

class TARVELIN_EXPORT Materialized : public MetaView {
public:
    using Self = Materialized;
    static GType gtype();
    static void describe(gobj::ClassSpec<Materialized>& c);
    static gobj::Ref<Materialized> create(GType type = gtype());
    static gobj::Ref<Materialized> create_with_names(GType type, const char* database, const char* schema,
                                                     const char* name);
    TARVELIN_MATERIALIZED_PROPERTIES(TARVELIN_META_ACCESSORS)

private:
    TARVELIN_MATERIALIZED_PROPERTIES(TARVELIN_META_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model
