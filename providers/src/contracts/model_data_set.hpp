// A list of result tables.
#pragma once

#include "providers/contracts/model_table.hpp"

namespace tarvelin::providers::contracts {

// A GListModel of its tables; callers edit "tables" directly and nothing is announced.
// Callers serialise.
class TARVELIN_EXPORT DataSetModel : public gobj::Object, public gobj::ListModel {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<DataSetModel>& c);
    static gobj::Ref<DataSetModel> create(GType type = gtype());

    DataSetModel();

    const gobj::GeeArray<TableModel>& get_tables() const { return tables_; }
    GeeArrayList* tables_list() const { return tables_.list(); }

    GType list_item_type() const override;
    guint list_n_items() const override;
    gpointer list_item(guint position) const override;

private:
    gobj::GeeArray<TableModel> tables_;
};

}  // namespace tarvelin::providers::contracts
