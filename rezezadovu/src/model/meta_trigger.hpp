// A trigger: the clauses of every dialect. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_TRIGGER_PROPERTIES(P) \
    P(Text, kind, "kind", "") \
    P(Text, target, "target", "") \
    P(Text, body, "body", "") \
    P(Text, definer, "definer", "") \
    P(Text, timing, "timing", "") \
    P(Text, event, "event", "") \
    P(Text, when, "when", "") \
    P(Text, order, "order", "") \
    P(Text, trigger, "trigger", "") \
    P(Text, columns, "columns", "") \
    P(Text, deferrable, "deferrable", "") \
    P(Text, deferred, "deferred", "") \
    P(Text, function, "function", "") \
    P(Text, arguments, "arguments", "") \
    P(Text, for_each, "for-each", "ROW") \
    P(Text, refer_table, "refer-table", "") \
    P(Bool, constraint, "constraint", false) \
    P(Text, apply, "apply", "") \
    P(Bool, enable, "enable", false)
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
    TARVELIN_META_TRIGGER_PROPERTIES(TARVELIN_META_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_TRIGGER_PROPERTIES(TARVELIN_META_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model
