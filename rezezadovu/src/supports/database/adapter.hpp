// The base catalogue adapter of every dialect: IAdaptable with a default for each of its
// 13 operations. The fills read nothing and change nothing (they only test their object);
// fill_data_set runs the object's own fill_data_table over each table of a data set and
// stops at the first failure. A dialect adapter derives from it and overrides the fills
// its product supports, running its catalogue queries through connection():
//
//   void fill_meta_table(MetaTable* table, bool deep) override {
//       if (!TARVELIN_GIVEN(table)) return;
//       auto model = gobj::call<&TarvelinRezezadovuContractsDatabaseIConnectionInterface::execute_as_model>(
//           connection(), sql, true);   // throws the connection's error
//       ...
//   }
//
// Every interface slot and every exported tarvelin_rezezadovu_supports_database_adapter_*
// function calls the C++ virtual of the same name. Failures are thrown as gobj::Error and
// reach the caller's GError unchanged; what a fill wrote before failing stays.
//
// Callers serialise: the adapter holds no state, but the objects it fills are changed in
// place without a lock.
#pragma once

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT Adapter : public gobj::Object, public contracts::database::IAdaptable, public ConnectionLink {
public:
    static GType gtype();
    // A new adapter of `type` (Adapter or a dialect's) linked to `connection`.
    static gobj::Ref<Adapter> create(GType type, CConnection* connection);

    void fill_meta_database(meta_model::MetaDatabase* database, bool deep) override;
    void fill_meta_schema(meta_model::MetaSchema* schema, bool deep) override;
    void fill_meta_table(meta_model::MetaTable* table, bool deep) override;
    void fill_meta_view(meta_model::MetaView* view) override;
    void fill_meta_index(meta_model::MetaIndex* index) override;
    void fill_meta_trigger(meta_model::MetaTrigger* trigger) override;
    void fill_meta_function(meta_model::MetaFunction* function) override;
    void fill_meta_user(meta_model::MetaUser* user) override;
    void fill_meta_role(meta_model::MetaRole* role) override;
    void fill_meta_event(meta_model::MetaEvent* event) override;
    void fill_meta_object(meta_model::MetaObject* meta_object, bool deep) override;
    void fill_data_table(TableModel* table) override;
    // fill_data_table (this object's) for each table of the data set's own list, in
    // order; the first failure is thrown and the tables after it are not visited.
    void fill_data_set(DataSetModel* dataset) override;
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabaseAdapter, tarvelin::rezezadovu::supports::database::Adapter)
