// The copy job: reads the source catalogue, keeps the schemas, tables and views the
// options select, renames them and their columns, optionally drops them on the target,
// creates them with the target's builder, then copies the rows of the selected tables
// page by page, each row counted with its own INSERT (several travel in one where the
// target's dialect allows).
//
// Thread-safe as TransformJob: handle runs wholly on the calling thread.
#pragma once

#include <set>
#include <utility>
#include <vector>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/transform/transform_job.hpp"

namespace tarvelin::rezezadovu::transform {

class TARVELIN_EXPORT Transfer : public TransformJob {
public:
    static GType gtype();
    static gobj::Ref<Transfer> create(GType type, GeeHashMap* options);

    // Nothing to prepare: the whole job runs in handle.
    void initialize() override {}
    void handle() override;

    // The pairs of a FIELDS value ("id=key;name=title"), source name first, blanks around
    // each name trimmed; `ignored` receives the entries without "=" (empty ones are not
    // reported).
    static std::vector<std::pair<std::string, std::string>> field_pairs(const std::string& fields,
                                                                        std::vector<std::string>* ignored = nullptr);

private:
    gobj::Ref<meta_model::MetaDatabase> load_meta_data(const Run& run, bool go_on);
    void do_restructure(const Run& run, meta_model::MetaDatabase& database);
    void trim_tables(const Run& run, meta_model::MetaSchema& schema);
    void trim_views(const Run& run, meta_model::MetaSchema& schema);
    // The FIELDS pairs of one object, with a progress line for each entry left out; "ALL"
    // (or no usable pair) gives none.
    std::vector<std::pair<std::string, std::string>> fields_of(const Run& run, const std::string& key,
                                                               const std::string& object);
    void run_script(const Run& run, bool go_on, const std::string& script, const char* what);
    void drop_objects(const Run& run, meta_model::MetaDatabase& database, bool go_on);
    void create_objects(const Run& run, meta_model::MetaDatabase& database, bool go_on);
    // A failed step for each index of the schema's tables missing on the target after its
    // CREATE ran (skipped as existing under another object of the name).
    void check_indexes(const Run& run, meta_model::MetaSchema& schema, bool go_on);

    // ---- the data copy
    void transfer_user_data(const Run& run, meta_model::MetaDatabase& database, bool go_on);
    struct TablePlan;
    TablePlan plan_of(const Run& run, meta_model::MetaSchema& schema, meta_model::MetaTable& table);
    void empty_target(const Run& run, meta_model::MetaSchema& schema, meta_model::MetaTable& table,
                      const TablePlan& plan);
    void transfer_userdata_table(const Run& run, meta_model::MetaSchema& schema, meta_model::MetaTable& table,
                                 const TablePlan& plan);
    // Writes one page; the rows written. A lost target is thrown after the page's rows
    // that did not arrive are counted.
    gint64 transfer_data_model(const Run& run, providers::contracts::TableModel& page, const TablePlan& plan);
};

}  // namespace tarvelin::rezezadovu::transform

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuTransformTransfer, tarvelin::rezezadovu::transform::Transfer)
