// A list of result tables.
#pragma once

#include "providers/contracts/model_table.hpp"

namespace tarvelin::gobj::prop {
using TableList = Array<providers::contracts::TableModel>;
}

#define TARVELIN_DATA_SET_MODEL_PROPERTIES(P) \
    P(TableList, tables, "tables", nullptr, RO, gobj::prop::empty_list, OnChange)

namespace tarvelin::providers::contracts {

// A GListModel of its tables; callers edit "tables" directly and nothing is announced.
// Callers serialise.
class TARVELIN_EXPORT DataSetModel : public gobj::Object, public gobj::ListModel {
public:
    using Self = DataSetModel;
    static GType gtype();
    static void describe(gobj::ClassSpec<DataSetModel>& c);
    static gobj::Ref<DataSetModel> create(GType type = gtype());

    TARVELIN_DATA_SET_MODEL_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    GType list_item_type() const override;
    guint list_n_items() const override;
    gpointer list_item(guint position) const override;

private:
    TARVELIN_DATA_SET_MODEL_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::providers::contracts

TARVELIN_BIND_C_TYPE(TarvelinProvidersContractsDataSetModel, tarvelin::providers::contracts::DataSetModel)
