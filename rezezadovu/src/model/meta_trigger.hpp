// A trigger: the clauses of every dialect. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_TRIGGER_PROPERTIES(P) \
    P(Text, kind, "kind", nullptr, RW, "", OnChange) \
    P(Text, target, "target", nullptr, RW, "", OnChange) \
    P(Text, body, "body", nullptr, RW, "", OnChange) \
    P(Text, definer, "definer", nullptr, RW, "", OnChange) \
    P(Text, timing, "timing", nullptr, RW, "", OnChange) \
    P(Text, event, "event", nullptr, RW, "", OnChange) \
    P(Text, when, "when", nullptr, RW, "", OnChange) \
    P(Text, order, "order", nullptr, RW, "", OnChange) \
    P(Text, trigger, "trigger", nullptr, RW, "", OnChange) \
    P(Text, columns, "columns", nullptr, RW, "", OnChange) \
    P(Text, deferrable, "deferrable", nullptr, RW, "", OnChange) \
    P(Text, deferred, "deferred", nullptr, RW, "", OnChange) \
    P(Text, function, "function", nullptr, RW, "", OnChange) \
    P(Text, arguments, "arguments", nullptr, RW, "", OnChange) \
    P(Text, for_each, "for-each", nullptr, RW, "ROW", OnChange) \
    P(Text, refer_table, "refer-table", nullptr, RW, "", OnChange) \
    P(Bool, constraint, "constraint", false, RW, false, OnChange) \
    P(Text, apply, "apply", nullptr, RW, "", OnChange) \
    P(Bool, enable, "enable", false, RW, false, OnChange)
// clang-format on

class TARVELIN_EXPORT MetaTrigger : public MetaObject {
public:
    using Self = MetaTrigger;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaTrigger>& c);
    static gobj::Ref<MetaTrigger> create(GType type = gtype());
    // Sets "name", then "body".
    static gobj::Ref<MetaTrigger> create_with_body(GType type, const char* name, const char* body);
    static gobj::Ref<MetaTrigger> create_with_names(GType type, const char* database, const char* schema,
                                                    const char* name);
    TARVELIN_META_TRIGGER_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_TRIGGER_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaTrigger, tarvelin::rezezadovu::meta_model::MetaTrigger)
