// The base DDL builder of every dialect: IBuildable with an empty text for each of its 24
// operations (after testing its objects), and order_with_dependence, which every dialect's
// build_schema calls (with index 0) before writing the tables. A dialect builder derives
// from it and overrides what its product supports; it reaches the connection's inspector
// and statement through connection() and gobj::call:
//
//   Text build_table(MetaTable* table, bool raw_types) override {
//       if (!TARVELIN_GIVEN(table)) return {};
//       ...
//   }
//
// Every interface slot and every exported tarvelin_rezezadovu_supports_database_sql_builder_*
// function calls the C++ virtual of the same name.
//
// Callers serialise: the builder holds no state, but order_with_dependence reorders a
// schema's table list in place without a lock.
#pragma once

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT SqlBuilder : public gobj::Object, public contracts::database::IBuildable, public ConnectionLink {
public:
    using Text = contracts::database::Text;

    static GType gtype();
    // A new builder of `type` (SqlBuilder or a dialect's) linked to `conn`.
    static gobj::Ref<SqlBuilder> create(GType type, CConnection* conn);

    Text build_create(meta_model::MetaObject* meta_object, bool raw_types) override;
    Text build_delete(meta_model::MetaObject* meta_object) override;
    Text build_patch(meta_model::MetaObject* meta_object, bool raw_types) override;
    Text build_normal(TableModel* table, const char* action) override;
    Text alter_database(meta_model::MetaDatabase* database_old, meta_model::MetaDatabase* database_new) override;
    Text create_database(meta_model::MetaDatabase* database, bool raw_types) override;
    Text alter_schema(meta_model::MetaSchema* schema_old, meta_model::MetaSchema* schema_new) override;
    Text build_schema(meta_model::MetaSchema* schema, bool raw_types) override;
    Text build_table(meta_model::MetaTable* table, bool raw_types) override;
    Text build_view(meta_model::MetaView* view) override;
    Text build_index(meta_model::MetaIndex* index) override;
    Text build_trigger(meta_model::MetaTrigger* trigger) override;
    Text build_function(meta_model::MetaFunction* function) override;
    Text build_user(meta_model::MetaUser* user) override;
    Text build_role(meta_model::MetaRole* role) override;
    Text build_script(DataSetModel* dataset) override;
    Text build_caller(meta_model::MetaFunction* function) override;
    Text build_event(meta_model::MetaEvent* event) override;
    Text patch_event(meta_model::MetaEvent* event) override;
    Text patch_function(meta_model::MetaFunction* func) override;
    Text patch_script(meta_model::MetaDatabase* database) override;
    Text patch_table(meta_model::MetaTable* table) override;
    Text patch_view(meta_model::MetaView* view) override;
    Text patch_data_table(TableModel* model) override;

    // Reorders the schema's own table list from `index` on so that each table follows the
    // tables its foreign keys reference ("refer-table": the first table of that name in
    // the list; only the name is compared). Tables before `index` stay and count as
    // placed; the others are taken in list order, each after its references (in
    // constraint order, transitively, depth first). A table already placed or on the
    // current path is not visited again, so cycles end and every table stays exactly once.
    // A list without references, and a list where `index` + 1 reaches its size (or a
    // negative `index`), is left as it is.
    virtual void order_with_dependence(meta_model::MetaSchema* schema, gint index);
    // The reordering itself, for callers without a builder (the transfer job orders the
    // tables it empties and fills the way the builders order the tables they create).
    static void order_by_dependence(meta_model::MetaSchema& schema, gint index);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseSqlBuilder, tarvelin::rezezadovu::supports::database::SqlBuilder)
