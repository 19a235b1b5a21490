#include "providers/contracts/model_column.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("model_column")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(ColumnModel, "TarvelinProvidersContractsColumnModel", gobj::Object)

void ColumnModel::describe(gobj::ClassSpec<ColumnModel>& c) {
    TARVELIN_COLUMN_MODEL_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<ColumnModel> ColumnModel::create(GType type) {
    return construct_full_size(type, "", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, 0);
}
gobj::Ref<ColumnModel> ColumnModel::create_with_type(DataType data_type) {
    return construct_full_size(gtype(), "", data_type, 0);
}
gobj::Ref<ColumnModel> ColumnModel::create_full(std::string column_name, DataType data_type) {
    return construct_full_size(gtype(), std::move(column_name), data_type, 0);
}
gobj::Ref<ColumnModel> ColumnModel::create_full_size(std::string column_name, DataType data_type, guint64 data_size) {
    return construct_full_size(gtype(), std::move(column_name), data_type, data_size);
}
gobj::Ref<ColumnModel> ColumnModel::construct_with_type(GType type, DataType data_type) {
    return construct_full_size(type, "", data_type, 0);
}
gobj::Ref<ColumnModel> ColumnModel::construct_full(GType type, std::string column_name, DataType data_type) {
    return construct_full_size(type, std::move(column_name), data_type, 0);
}
gobj::Ref<ColumnModel> ColumnModel::construct_full_size(GType type, std::string column_name, DataType data_type,
                                                        guint64 data_size) {
    auto c = gobj::create<ColumnModel>(type);
    if (!c) return c;
    c->set_name(std::move(column_name));
    c->set_data_type(data_type);
    c->set_data_size(data_size);
    return c;
}

}  // namespace tarvelin::providers::contracts
