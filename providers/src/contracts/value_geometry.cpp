#include "providers/contracts/value_geometry.hpp"

#include "providers/contracts/value_support.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("value_geometry")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(ValueGeometry, "TarvelinProvidersContractsValueGeometry", ValueObject)
TARVELIN_GTYPE(ValueGeography, "TarvelinProvidersContractsValueGeography", ValueGeometry)

void ValueGeometry::describe(gobj::ClassSpec<ValueGeometry>& c) {
    using Self = ValueGeometry;
    install_name(c);
    TARVELIN_VALUE_GEOMETRY_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    install_data_type(c);
}
gobj::Ref<ValueGeometry> ValueGeometry::create(std::string value, GType type) {
    return make<ValueGeometry>(std::move(value), type);
}
std::string ValueGeometry::to_string() const { return itsvalue_.value_or(std::string()); }
void ValueGeometry::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_STRING);
    g_value_set_string(result, get_itsvalue());
}
gobj::Ref<ValueObject> ValueGeometry::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_geometry_construct", "value != NULL",
                     [](const std::string& t) { return create(t); });
}
const char* ValueGeometry::get_name() const { return "geometry"; }
DataType ValueGeometry::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOMETRY; }

void ValueGeography::describe(gobj::ClassSpec<ValueGeography>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueGeography> ValueGeography::create(std::string value, GType type) {
    return make<ValueGeography>(std::move(value), type);
}

double ValueGeography::coordinate(const char* group) const {
    if (!itsvalue_ || itsvalue_->empty()) return 0;
    // Compiled once: the pattern is constant and GRegex matching is thread-safe.
    static GRegex* const pattern = g_regex_new("(?<left>[\\d\\.]+),\\s*(?<right>[\\d\\.]+)", G_REGEX_MULTILINE,
                                               GRegexMatchFlags(0), nullptr);
    if (!pattern) return 0;
    GMatchInfo* match = nullptr;
    double result = 0;
    if (g_regex_match(pattern, itsvalue_->c_str(), GRegexMatchFlags(0), &match)) {
        gchar* number = g_match_info_fetch_named(match, group);
        if (number) result = g_ascii_strtod(number, nullptr);
        g_free(number);
    }
    g_match_info_free(match);
    return result;
}
double ValueGeography::latitude() const { return coordinate("left"); }
double ValueGeography::longitude() const { return coordinate("right"); }

gobj::Ref<ValueObject> ValueGeography::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_geography_construct", "value != NULL",
                     [](const std::string& t) { return create(t); });
}
const char* ValueGeography::get_name() const { return "geography"; }
DataType ValueGeography::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_GEOGRAPHY; }

}  // namespace tarvelin::providers::contracts
