#include "providers/contracts/model_row.hpp"

TARVELIN_LOG_TAG("model_row")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(RowModel, "TarvelinProvidersContractsRowModel", gobj::Object, gobj::ListModel)

void RowModel::describe(gobj::ClassSpec<RowModel>& c) { TARVELIN_ROW_MODEL_PROPERTIES(TARVELIN_PROPERTY_INSTALL) }

gobj::Ref<RowModel> RowModel::create(GType type) { return gobj::create<RowModel>(type); }

gobj::Ref<ValueObject> RowModel::get_value_at(gint position) const {
    if (position < 0 || position >= values_.size()) return {};
    return values_.at(position);
}

bool RowModel::replace_value(gint position, const gobj::Ref<ValueObject>& value) {
    if (position < 0 || position >= values_.size()) return false;
    values_.set(position, value);
    return true;
}

void RowModel::set_value_at(gint position, const gobj::Ref<ValueObject>& value) {
    if (!replace_value(position, value))
        g_return_if_fail_warning(nullptr, G_STRFUNC, "0 <= position && position < m_values.size");
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
