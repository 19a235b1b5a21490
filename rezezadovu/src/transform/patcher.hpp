// The comparison engine: two catalogue objects, trees or data models, with change marks
// that say what the target needs to become like the source.
//
// Two objects are equal when their JSON texts are (the catalogue's own JSON for catalogue
// objects; for data models, the tables with their columns and rows and every value with
// its class). A change mark already set by an earlier comparison ("version") never makes
// two objects differ, nor does a column's number: columns are matched by name and where
// one stands is its "after" (the column before it). With `with_names` false the target's database and schema names
// count as the source's: only the values of "database", "schema", "refer-database" and
// "refer-schema" members (and the compared schema's or database's own name) are read as
// the source's, never text inside definitions, comments or other names; members of
// compared tables are compared the same way.
//
// Single thread per comparison; a Patcher holds no state, so one serves any number of
// callers, but the compared objects are marked in place and must not be used elsewhere
// meanwhile.
#pragma once

#include <tarvelin/rezezadovu/transform.h>

#include "providers/contracts/model_data_set.hpp"
#include "rezezadovu/model/meta_database.hpp"

namespace tarvelin::rezezadovu::transform {

using meta_model::DataVersion;

class TARVELIN_EXPORT Patcher : public gobj::Object {
public:
    using TableModel = providers::contracts::TableModel;
    using RowModel = providers::contracts::RowModel;
    using DataSetModel = providers::contracts::DataSetModel;

    static GType gtype();
    static gobj::Ref<Patcher> create(GType type = gtype());

    // Property by property, with each specification's own value comparison.
    DataVersion diff_object(GObject* object_source, GObject* object_target);
    // Deep; fills the target's difference and slice maps (an entry only the source has
    // is DELETE, one only the target has INSERT).
    DataVersion diff_model(meta_model::MetaObject& object_source, meta_model::MetaObject& object_target);

    DataVersion diff_meta_view(meta_model::MetaView& source, meta_model::MetaView& target, bool with_names,
                               gobj::Ref<meta_model::MetaView>& patched);
    DataVersion diff_meta_function(meta_model::MetaFunction& source, meta_model::MetaFunction& target,
                                   bool with_names, gobj::Ref<meta_model::MetaFunction>& patched);
    DataVersion diff_meta_event(meta_model::MetaEvent& source, meta_model::MetaEvent& target, bool with_names,
                                gobj::Ref<meta_model::MetaEvent>& patched);
    DataVersion diff_meta_table(meta_model::MetaTable& source, meta_model::MetaTable& target, bool with_names,
                                gobj::Ref<meta_model::MetaTable>& patched);
    DataVersion diff_meta_schema(meta_model::MetaSchema& source, meta_model::MetaSchema& target, bool with_names,
                                 gobj::Ref<meta_model::MetaSchema>& patched);
    DataVersion diff_meta_database(meta_model::MetaDatabase& source, meta_model::MetaDatabase& target,
                                   bool with_names, gobj::Ref<meta_model::MetaDatabase>& patched);

    // By position; a target shorter than the source counts each missing entry as UPDATE.
    DataVersion diff_data_row(RowModel& source, RowModel& target, gobj::Ref<RowModel>& patched);
    DataVersion diff_data_table(TableModel& source, TableModel& target, gobj::Ref<TableModel>& patched);
    DataVersion diff_data_set(DataSetModel& source, DataSetModel& target, gobj::Ref<DataSetModel>& patched);
};

// The JSON text the comparisons read: of a catalogue object without its change marks and,
// with `names` given, with the target's database and schema names read as the source's.
struct NameSwap {
    std::string source_database, source_schema, target_database, target_schema;
};
TARVELIN_EXPORT std::string comparable_json(meta_model::MetaObject& object, const NameSwap* names = nullptr);

}  // namespace tarvelin::rezezadovu::transform

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuTransformPatcher, tarvelin::rezezadovu::transform::Patcher)
