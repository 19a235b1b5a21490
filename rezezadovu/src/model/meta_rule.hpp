// A query-rewrite rule of a table. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_RULE_PROPERTIES(P) \
    P(Text, commands, "commands", "") \
    P(Text, action, "action", "") \
    P(Text, event, "event", "") \
    P(Text, where, "where", "") \
    P(Text, apply, "apply", "") \
    P(Bool, enable, "enable", false)
// clang-format on

class TARVELIN_EXPORT MetaRule : public MetaObject {
public:
    using Self = MetaRule;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaRule>& c);
    static gobj::Ref<MetaRule> create(GType type = gtype());
    static gobj::Ref<MetaRule> create_with_name(GType type, const char* name);
    TARVELIN_META_RULE_PROPERTIES(TARVELIN_META_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_RULE_PROPERTIES(TARVELIN_META_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model
