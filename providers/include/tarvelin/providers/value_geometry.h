/* Spatial cells: geometry and geography texts. */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOMETRY (tarvelin_providers_contracts_value_geometry_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_GEOGRAPHY (tarvelin_providers_contracts_value_geography_get_type())

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueGeometry, tarvelin_providers_contracts_value_geometry,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_GEOMETRY, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueGeography, tarvelin_providers_contracts_value_geography,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_GEOGRAPHY, TarvelinProvidersContractsValueGeometry)

/**
 * tarvelin_providers_contracts_value_geometry_new:
 * @value: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueGeometry *tarvelin_providers_contracts_value_geometry_new(
    const gchar *value);
/**
 * tarvelin_providers_contracts_value_geometry_construct:
 * @value: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueGeometry *tarvelin_providers_contracts_value_geometry_construct(
    GType object_type, const gchar *value);
/* Borrowed; NULL when the value holds none. */
/**
 * tarvelin_providers_contracts_value_geometry_get_itsvalue:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_value_geometry_get_itsvalue(
    TarvelinProvidersContractsValueGeometry *self);
/**
 * tarvelin_providers_contracts_value_geometry_set_itsvalue:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_value_geometry_set_itsvalue(
    TarvelinProvidersContractsValueGeometry *self, const gchar *value);

/**
 * tarvelin_providers_contracts_value_geography_new:
 * @value: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueGeography *tarvelin_providers_contracts_value_geography_new(
    const gchar *value);
/**
 * tarvelin_providers_contracts_value_geography_construct:
 * @value: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueGeography *tarvelin_providers_contracts_value_geography_construct(
    GType object_type, const gchar *value);
/**
 * tarvelin_providers_contracts_value_geography_latitude:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_value_geography_latitude(
    TarvelinProvidersContractsValueGeography *self);
/**
 * tarvelin_providers_contracts_value_geography_longitude:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_value_geography_longitude(
    TarvelinProvidersContractsValueGeography *self);

G_END_DECLS
