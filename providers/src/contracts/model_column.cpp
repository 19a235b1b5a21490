#include "providers/contracts/model_column.hpp"

TARVELIN_LOG_TAG("model_column")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(ColumnModel, "TarvelinProvidersContractsColumnModel", gobj::Object)

namespace {
GParamSpec* s_name;
GParamSpec* s_title;
GParamSpec* s_data_type;
GParamSpec* s_data_size;
constexpr GParamFlags kConstruct = GParamFlags(gobj::kReadWrite | G_PARAM_CONSTRUCT);
}  // namespace

void ColumnModel::describe(gobj::ClassSpec<ColumnModel>& c) {
    s_name = c.property<&ColumnModel::get_name, &ColumnModel::set_name>(gobj::pspec::text("name", kConstruct));
    s_title = c.property<&ColumnModel::get_title, &ColumnModel::set_title>(gobj::pspec::text("title", kConstruct));
    s_data_type = c.property<&ColumnModel::get_data_type, &ColumnModel::set_data_type>(gobj::pspec::enumeration(
        "data-type", data_type_gtype(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, kConstruct));
    // An unsigned long to the property system, as the size was always declared.
    s_data_size = c.property<&ColumnModel::get_data_size, &ColumnModel::set_data_size>(
        g_param_spec_ulong("data-size", "data-size", "data-size", 0, G_MAXULONG, 0, kConstruct));
}

gobj::Ref<ColumnModel> ColumnModel::create(GType type) { return create_full_size("", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, 0, type); }
gobj::Ref<ColumnModel> ColumnModel::create_with_type(DataType data_type, GType type) {
    return create_full_size("", data_type, 0, type);
}
gobj::Ref<ColumnModel> ColumnModel::create_full(std::string column_name, DataType data_type, GType type) {
    return create_full_size(std::move(column_name), data_type, 0, type);
}
gobj::Ref<ColumnModel> ColumnModel::create_full_size(std::string column_name, DataType data_type, guint64 data_size,
                                                     GType type) {
    auto c = gobj::create<ColumnModel>(type);
    if (!c) return c;
    c->set_name(std::move(column_name));
    c->set_data_type(data_type);
    c->set_data_size(data_size);
    return c;
}

void ColumnModel::set_name(std::optional<std::string> value) {
    if (gobj::assign(name_, std::move(value))) notify(s_name);
}
void ColumnModel::set_title(std::optional<std::string> value) {
    if (gobj::assign(title_, std::move(value))) notify(s_title);
}
void ColumnModel::set_data_type(DataType value) {
    if (gobj::assign(data_type_, value)) notify(s_data_type);
}
void ColumnModel::set_data_size(guint64 value) {
    if (gobj::assign(data_size_, value)) notify(s_data_size);
}

}  // namespace tarvelin::providers::contracts
