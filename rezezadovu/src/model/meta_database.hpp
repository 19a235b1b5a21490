// The root of a catalogue tree and its schemas. Single thread.
#pragma once

#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/model/meta_view.hpp"

namespace tarvelin::rezezadovu::meta_model {

// clang-format off
#define TARVELIN_META_SCHEMA_PROPERTIES(P) \
    P(List, events, "events", nullptr, RW, json_form::new_object_list(MetaEvent::gtype()), Always) \
    P(List, functions, "functions", nullptr, RW, json_form::new_object_list(MetaFunction::gtype()), Always) \
    P(List, procedures, "procedures", nullptr, RW, json_form::new_object_list(MetaFunction::gtype()), Always) \
    P(List, tables, "tables", nullptr, RW, json_form::new_object_list(MetaTable::gtype()), Always) \
    P(List, miews, "miews", nullptr, RW, json_form::new_object_list(Materialized::gtype()), Always) \
    P(List, views, "views", nullptr, RW, json_form::new_object_list(MetaView::gtype()), Always)
// clang-format on

class TARVELIN_EXPORT MetaSchema : public MetaObject {
public:
    using Self = MetaSchema;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaSchema>& c);
    static gobj::Ref<MetaSchema> create(GType type = gtype());
    // "name" and "schema" are the schema's name.
    static gobj::Ref<MetaSchema> create_with_names(GType type, const char* database, const char* schema);
    TARVELIN_META_SCHEMA_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // All six lists are copied and emptied: adapters append to every one of them.
    gobj::Ref<MetaObject> clone() override;
    void reset() override;
    DBObject character() override;

private:
    TARVELIN_META_SCHEMA_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

// clang-format off
#define TARVELIN_META_DATABASE_PROPERTIES(P) \
    P(List, schemas, "schemas", nullptr, RW, json_form::new_object_list(MetaSchema::gtype()), Always)
// clang-format on

class TARVELIN_EXPORT MetaDatabase : public MetaObject {
public:
    using Self = MetaDatabase;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaDatabase>& c);
    static gobj::Ref<MetaDatabase> create(GType type = gtype());
    // "name", "schema" and "database" are all the given name.
    static gobj::Ref<MetaDatabase> create_with_name(GType type, const char* database);
    TARVELIN_META_DATABASE_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // The schema of exactly that name, or a new one appended.
    gobj::Ref<MetaSchema> append(const char* schema_name);

    gobj::Ref<MetaObject> clone() override;
    void reset() override;
    DBObject character() override;

private:
    TARVELIN_META_DATABASE_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaSchema, tarvelin::rezezadovu::meta_model::MetaSchema)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaDatabase, tarvelin::rezezadovu::meta_model::MetaDatabase)
