#include "providers/contracts/model_data_set.hpp"

TARVELIN_LOG_TAG("model_data_set")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(DataSetModel, "TarvelinProvidersContractsDataSetModel", gobj::Object, gobj::ListModel)

void DataSetModel::describe(gobj::ClassSpec<DataSetModel>& c) {
    c.property<&DataSetModel::tables_list>(gobj::pspec::object("tables", GEE_TYPE_ARRAY_LIST, gobj::kRead));
}

DataSetModel::DataSetModel() : tables_(gobj::GeeArray<TableModel>::create()) {}

gobj::Ref<DataSetModel> DataSetModel::create(GType type) { return gobj::create<DataSetModel>(type); }

GType DataSetModel::list_item_type() const { return TableModel::gtype(); }
guint DataSetModel::list_n_items() const { return static_cast<guint>(tables_.size()); }
gpointer DataSetModel::list_item(guint position) const {
    if (position >= list_n_items()) return nullptr;
    return tables_.at(static_cast<int>(position)).release();
}

}  // namespace tarvelin::providers::contracts
