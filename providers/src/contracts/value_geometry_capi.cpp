// C face of the spatial cells.
//
// The TARVELIN_VALUE_GEOMETRY_PROPERTIES row makes tarvelin_providers_contracts_value_geometry_get_itsvalue
// and tarvelin_providers_contracts_value_geometry_set_itsvalue.
#include "providers/contracts/value_geometry.hpp"

TARVELIN_LOG_TAG("value_geometry_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

extern "C" {

#define TARVELIN_CAPI_CLASS ValueGeometry
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueGeometry
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_geometry
TARVELIN_VALUE_GEOMETRY_PROPERTIES(TARVELIN_PROPERTY_CAPI)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_geometry_get_type(void) { return ValueGeometry::gtype(); }
TarvelinProvidersContractsValueGeometry* tarvelin_providers_contracts_value_geometry_construct(GType object_type,
                                                                                             const gchar* value) {
    g_return_val_if_fail(value != NULL, NULL);
    return gobj::invoke<&ValueGeometry::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueGeometry* tarvelin_providers_contracts_value_geometry_new(const gchar* value) {
    return tarvelin_providers_contracts_value_geometry_construct(ValueGeometry::gtype(), value);
}

GType tarvelin_providers_contracts_value_geography_get_type(void) { return ValueGeography::gtype(); }
TarvelinProvidersContractsValueGeography* tarvelin_providers_contracts_value_geography_construct(GType object_type,
                                                                                               const gchar* value) {
    g_return_val_if_fail(value != NULL, NULL);
    return gobj::invoke<&ValueGeography::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueGeography* tarvelin_providers_contracts_value_geography_new(const gchar* value) {
    return tarvelin_providers_contracts_value_geography_construct(ValueGeography::gtype(), value);
}
gdouble tarvelin_providers_contracts_value_geography_latitude(TarvelinProvidersContractsValueGeography* self) {
    g_return_val_if_fail(self != NULL, 0.0);
    return gobj::invoke<&ValueGeography::latitude>(G_STRFUNC, self);
}
gdouble tarvelin_providers_contracts_value_geography_longitude(TarvelinProvidersContractsValueGeography* self) {
    g_return_val_if_fail(self != NULL, 0.0);
    return gobj::invoke<&ValueGeography::longitude>(G_STRFUNC, self);
}

}  // extern "C"
