// Stored routines (functions and procedures, told apart by "is-function") and scheduled
// events. Single thread.
#pragma once

#include "rezezadovu/model/meta_object.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_FUNCTION_PROPERTIES(P) \
    P(Bool, is_function, "is-function", false, RW, false, OnChange) \
    P(Text, return_type, "return-type", nullptr, RW, "", OnChange) \
    P(Text, body, "body", nullptr, RW, "", OnChange) \
    P(List, parameters, "parameters", nullptr, RW, json_form::new_text_list(), Always)
#define TARVELIN_META_EVENT_PROPERTIES(P) \
    P(Text, kind, "kind", nullptr, RW, "", OnChange) \
    P(Text, body, "body", nullptr, RW, "", OnChange) \
    P(Text, definer, "definer", nullptr, RW, "", OnChange) \
    P(Text, state, "state", nullptr, RW, "", OnChange) \
    P(Text, schedule, "schedule", nullptr, RW, "", OnChange) \
    P(Text, completion, "completion", nullptr, RW, "", OnChange)
// clang-format on

class TARVELIN_EXPORT MetaFunction : public MetaObject {
public:
    using Self = MetaFunction;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaFunction>& c);
    static gobj::Ref<MetaFunction> create(GType type = gtype());
    static gobj::Ref<MetaFunction> create_with_names(GType type, const char* database, const char* schema,
                                                     const char* name);
    TARVELIN_META_FUNCTION_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    gobj::Ref<MetaObject> clone() override;
    // Also empties "parameters": adapters append them, so a re-read would duplicate them.
    void reset() override;
    // FUNCTION while "is-function", PROCEDURE otherwise.
    DBObject character() override;

private:
    TARVELIN_META_FUNCTION_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

class TARVELIN_EXPORT MetaEvent : public MetaObject {
public:
    using Self = MetaEvent;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaEvent>& c);
    static gobj::Ref<MetaEvent> create(GType type = gtype());
    static gobj::Ref<MetaEvent> create_with_names(GType type, const char* database, const char* schema,
                                                  const char* name);
    TARVELIN_META_EVENT_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)
    DBObject character() override;

private:
    TARVELIN_META_EVENT_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaFunction, tarvelin::rezezadovu::meta_model::MetaFunction)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaEvent, tarvelin::rezezadovu::meta_model::MetaEvent)
