#include "providers/contracts/model_row.hpp"

TARVELIN_LOG_TAG("model_row")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(RowModel, "TarvelinProvidersContractsRowModel", gobj::Object, gobj::ListModel)

namespace {
GParamSpec* s_version;
}

void RowModel::describe(gobj::ClassSpec<RowModel>& c) {
    c.property<&RowModel::values_list>(gobj::pspec::object("values", GEE_TYPE_ARRAY_LIST, gobj::kRead));
    s_version = c.property<&RowModel::get_version, &RowModel::set_version>(gobj::pspec::flags(
        "version", data_version_gtype(), TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, gobj::kReadWrite));
}

RowModel::RowModel() : values_(gobj::GeeArray<ValueObject>::create()) {}

gobj::Ref<RowModel> RowModel::create(GType type) { return gobj::create<RowModel>(type); }

gobj::Ref<ValueObject> RowModel::get_value_at(gint position) const {
    if (position < 0 || position >= values_.size()) return {};
    return values_.at(position);
}

bool RowModel::set_value_at(gint position, const gobj::Ref<ValueObject>& value) {
    if (position < 0 || position >= values_.size()) return false;
    values_.set(position, value);
    return true;
}

void RowModel::set_version(DataVersion value) {
    if (gobj::assign(version_, value)) notify(s_version);
}

gobj::Ref<RowModel> RowModel::clone() const {
    auto copy = create();
    copy->set_version(version_);
    for (const auto& v : values_) copy->values_.append(v ? v->clone() : gobj::Ref<ValueObject>());
    return copy;
}

GType RowModel::list_item_type() const { return ValueObject::gtype(); }
guint RowModel::list_n_items() const { return static_cast<guint>(values_.size()); }
gpointer RowModel::list_item(guint position) const {
    if (position >= list_n_items()) return nullptr;
    return values_.at(static_cast<int>(position)).release();
}

}  // namespace tarvelin::providers::contracts
