// A query-rewrite rule of a table. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_RULE_PROPERTIES(P) \
    P(Text, commands, "commands", nullptr, RW, "", OnChange) \
    P(Text, action, "action", nullptr, RW, "", OnChange) \
    P(Text, event, "event", nullptr, RW, "", OnChange) \
    P(Text, where, "where", nullptr, RW, "", OnChange) \
    P(Text, apply, "apply", nullptr, RW, "", OnChange) \
    P(Bool, enable, "enable", false, RW, false, OnChange)
// clang-format on

class TARVELIN_EXPORT MetaRule : public MetaObject {
public:
    using Self = MetaRule;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaRule>& c);
    static gobj::Ref<MetaRule> create(GType type = gtype());
    static gobj::Ref<MetaRule> create_with_name(GType type, const char* name);
    TARVELIN_META_RULE_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_RULE_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaRule, tarvelin::rezezadovu::meta_model::MetaRule)
