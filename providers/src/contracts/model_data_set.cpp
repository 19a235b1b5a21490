#include "providers/contracts/model_data_set.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("model_data_set")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(DataSetModel, "TarvelinProvidersContractsDataSetModel", gobj::Object, gobj::ListModel)

void DataSetModel::describe(gobj::ClassSpec<DataSetModel>& c) {
    TARVELIN_DATA_SET_MODEL_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<DataSetModel> DataSetModel::create(GType type) { return gobj::create<DataSetModel>(type); }

GType DataSetModel::list_item_type() const { return TableModel::gtype(); }
guint DataSetModel::list_n_items() const { return static_cast<guint>(tables_.size()); }
gpointer DataSetModel::list_item(guint position) const {
    if (position >= list_n_items()) return nullptr;
    return tables_.at(static_cast<int>(position)).release();
}

}  // namespace tarvelin::providers::contracts
