// C face of the spatial cells.
#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_geometry.hpp"

TARVELIN_LOG_TAG("value_geometry_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

extern "C" {

TARVELIN_TEXT_CONSTRUCTORS(ValueGeometry, TarvelinProvidersContractsValueGeometry,
                           tarvelin_providers_contracts_value_geometry, value)
TARVELIN_TEXT_CONSTRUCTORS(ValueGeography, TarvelinProvidersContractsValueGeography,
                           tarvelin_providers_contracts_value_geography, value)
TARVELIN_TEXT_ITSVALUE(ValueGeometry, TarvelinProvidersContractsValueGeometry,
                       tarvelin_providers_contracts_value_geometry)

gdouble tarvelin_providers_contracts_value_geography_latitude(TarvelinProvidersContractsValueGeography* self) {
    g_return_val_if_fail(self != NULL, 0.0);
    return gobj::guarded(G_STRFUNC, [&] { return cast<ValueGeography>(self)->latitude(); });
}
gdouble tarvelin_providers_contracts_value_geography_longitude(TarvelinProvidersContractsValueGeography* self) {
    g_return_val_if_fail(self != NULL, 0.0);
    return gobj::guarded(G_STRFUNC, [&] { return cast<ValueGeography>(self)->longitude(); });
}

}  // extern "C"
