#include "providers/contracts/value_enum.hpp"

#include "providers/contracts/value_support.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("value_enum")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(ValueEnum, "TarvelinProvidersContractsValueEnum", ValueObject)
TARVELIN_GTYPE(ValueFlags, "TarvelinProvidersContractsValueFlags", ValueEnum)
TARVELIN_GTYPE(ValueSet, "TarvelinProvidersContractsValueSet", ValueEnum)

void ValueEnum::describe(gobj::ClassSpec<ValueEnum>& c) {
    using Self = ValueEnum;
    install_name(c);
    TARVELIN_VALUE_ENUM_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    install_data_type(c);
}
gobj::Ref<ValueEnum> ValueEnum::create(std::string enum_value, GType type) {
    return make<ValueEnum>(std::move(enum_value), type);
}

void ValueEnum::initialize(const std::vector<std::string>& names) {
    members_.insert(members_.end(), names.begin(), names.end());
}

std::string ValueEnum::to_string() const {
    if (!itsvalue_) {
        precondition_failed(G_STRFUNC, "self != NULL");
        return {};
    }
    return *itsvalue_;
}
void ValueEnum::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_STRING);
    g_value_set_string(result, get_itsvalue());
}

// Copies start with an empty member list.
gobj::Ref<ValueObject> ValueEnum::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_enum_construct", "enum_value != NULL",
                     [](const std::string& t) { return create(t); });
}
const char* ValueEnum::get_name() const { return "enum"; }
DataType ValueEnum::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM; }

void ValueFlags::describe(gobj::ClassSpec<ValueFlags>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueFlags> ValueFlags::create(std::string flag_value, GType type) {
    return make<ValueFlags>(std::move(flag_value), type);
}
gobj::Ref<ValueObject> ValueFlags::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_flags_construct", "flag_value != NULL",
                     [](const std::string& t) { return create(t); });
}
const char* ValueFlags::get_name() const { return "flags"; }
DataType ValueFlags::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS; }

void ValueSet::describe(gobj::ClassSpec<ValueSet>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueSet> ValueSet::create(std::string set_value, GType type) {
    return make<ValueSet>(std::move(set_value), type);
}
gobj::Ref<ValueObject> ValueSet::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_set_construct", "set_value != NULL",
                     [](const std::string& t) { return create(t); });
}
const char* ValueSet::get_name() const { return "set"; }
DataType ValueSet::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET; }

}  // namespace tarvelin::providers::contracts
