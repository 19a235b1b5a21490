// What the cases do with catalogue objects: build them into scripts through the
// dialect's builder, read them back through its adapter, and compare them.
#pragma once

#include <string>
#include <vector>

#include "conformance/context.hpp"
#include "rezezadovu/model/meta_index.hpp"
#include "rezezadovu/model/meta_trigger.hpp"
#include "rezezadovu/model/meta_view.hpp"

namespace tarvelin::test::dialects {

using rezezadovu::meta_model::MetaIndex;
using rezezadovu::meta_model::MetaTrigger;
using rezezadovu::meta_model::MetaView;

// The builder's texts, through the IBuildable dispatchers.
std::string build_table(Context& ctx, MetaTable& table);
std::string patch_table(Context& ctx, MetaTable& table);
std::string build_index(Context& ctx, MetaIndex& index);
std::string build_view(Context& ctx, MetaView& view);
std::string build_trigger(Context& ctx, MetaTrigger& trigger);
std::string build_schema(Context& ctx, MetaSchema& schema);
std::string create_database(Context& ctx, MetaDatabase& database);
std::string alter_schema(Context& ctx, MetaSchema& before, MetaSchema& after);
std::string build_delete(Context& ctx, MetaObject& object);
// The statement's rename text of a table or view.
std::string rename_object(Context& ctx, TarvelinProvidersContractsDBObject kind, const std::string& from,
                          const std::string& to);

// Fills through the IAdaptable dispatchers; a fill's error fails the case.
void fill_table(Context& ctx, MetaTable& table, bool deep = true);
void fill_schema(Context& ctx, MetaSchema& schema, bool deep);
void fill_database(Context& ctx, MetaDatabase& database, bool deep);
// Through fill_meta_object, so the object's kind picks the fill.
void fill_object(Context& ctx, MetaObject& object, bool deep);

// A new table object of the case's schema, and the same table as the adapter reads it.
gobj::Ref<MetaTable> new_table(Context& ctx, const std::string& name);
gobj::Ref<MetaTable> read_table(Context& ctx, const std::string& name);
// The names of the tables or views the adapter lists in the case's schema, and of the
// schemas it lists in `database` (shallow reads).
std::vector<std::string> table_names(Context& ctx);
std::vector<std::string> view_names(Context& ctx);
std::vector<std::string> schema_names(Context& ctx, const std::string& database);

// Marks every column, index, trigger and constraint of `table` IDENTICAL, so a patch
// writes only what a case changes afterwards.
void settle(MetaTable& table);

// A table's names as one text: columns, then each index with its entries, then triggers.
std::string shape(MetaTable& table);

// The JSON form of an object (pretty), with each list of catalogue objects in name order,
// each text equal to one of `masked` replaced by "<masked>", and bodies without the white
// space around them.
std::string comparable_json(MetaObject& object, const std::vector<std::string>& masked = {});

}  // namespace tarvelin::test::dialects
