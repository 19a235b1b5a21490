// A table with its constraints, columns, indexes, rules, triggers and dialect options.
// Single thread.
#pragma once

#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/model/meta_column.hpp"
#include "rezezadovu/model/meta_index.hpp"
#include "rezezadovu/model/meta_rule.hpp"
#include "rezezadovu/model/meta_trigger.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_TABLE_PROPERTIES(P) \
    P(List, constraints, "constraints", nullptr, RW, json_form::new_object_list(MetaConstraint::gtype()), Always) \
    P(List, columns, "columns", nullptr, RW, json_form::new_object_list(MetaColumn::gtype()), Always) \
    P(List, indexes, "indexes", nullptr, RW, json_form::new_object_list(MetaIndex::gtype()), Always) \
    P(List, rules, "rules", nullptr, RW, json_form::new_object_list(MetaRule::gtype()), Always) \
    P(List, triggers, "triggers", nullptr, RW, json_form::new_object_list(MetaTrigger::gtype()), Always) \
    P(Map, options, "options", nullptr, RW, json_form::new_text_map(), Always)
// clang-format on

class TARVELIN_EXPORT MetaTable : public MetaObject {
public:
    using Self = MetaTable;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaTable>& c);
    static gobj::Ref<MetaTable> create(GType type = gtype());
    static gobj::Ref<MetaTable> create_with_names(GType type, const char* database, const char* schema,
                                                  const char* name);
    TARVELIN_META_TABLE_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // The first column of exactly that name.
    gobj::Ref<MetaColumn> get_column(const char* name) const;
    // A new column with an empty raw type, appended to "columns".
    gobj::Ref<MetaColumn> new_column(const char* name, DataType data_type);
    // Removes one family of children: checks, columns, exclusions, foreign keys or
    // unique constraints; any other kind changes nothing.
    void reset_partial(DBObject kind);

    gobj::Ref<MetaObject> clone() override;
    void reset() override;
    DBObject character() override;

private:
    TARVELIN_META_TABLE_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaTable, tarvelin::rezezadovu::meta_model::MetaTable)
