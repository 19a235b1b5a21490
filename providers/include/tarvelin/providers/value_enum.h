/* Enumerated cells: enumeration, flags and set members. */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_ENUM (tarvelin_providers_contracts_value_enum_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_FLAGS (tarvelin_providers_contracts_value_flags_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_SET (tarvelin_providers_contracts_value_set_get_type())

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueEnum, tarvelin_providers_contracts_value_enum,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_ENUM, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueFlags, tarvelin_providers_contracts_value_flags,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_FLAGS, TarvelinProvidersContractsValueEnum)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueSet, tarvelin_providers_contracts_value_set,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_SET, TarvelinProvidersContractsValueEnum)

/**
 * tarvelin_providers_contracts_value_enum_new:
 * @enum_value: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueEnum *tarvelin_providers_contracts_value_enum_new(const gchar *enum_value);
/**
 * tarvelin_providers_contracts_value_enum_construct:
 * @enum_value: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueEnum *tarvelin_providers_contracts_value_enum_construct(
    GType object_type, const gchar *enum_value);
/**
 * tarvelin_providers_contracts_value_enum_initialize:
 * @self: (not nullable): the instance
 * @values: (array length=values_length1) (element-type utf8) (nullable): the items
 *
 * Appends copies of the names to the member list (nothing for a count below 1).
 */
TARVELIN_API void tarvelin_providers_contracts_value_enum_initialize(TarvelinProvidersContractsValueEnum *self,
                                                                    gchar **values, gint values_length1);
/* Borrowed; NULL when the value holds none. */
/**
 * tarvelin_providers_contracts_value_enum_get_itsvalue:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_value_enum_get_itsvalue(TarvelinProvidersContractsValueEnum *self);
/**
 * tarvelin_providers_contracts_value_enum_set_itsvalue:
 * @self: (not nullable): the instance
 * @value: (nullable): a text
 */
TARVELIN_API void tarvelin_providers_contracts_value_enum_set_itsvalue(TarvelinProvidersContractsValueEnum *self,
                                                                      const gchar *value);

/**
 * tarvelin_providers_contracts_value_flags_new:
 * @flag_value: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueFlags *tarvelin_providers_contracts_value_flags_new(const gchar *flag_value);
/**
 * tarvelin_providers_contracts_value_flags_construct:
 * @flag_value: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueFlags *tarvelin_providers_contracts_value_flags_construct(
    GType object_type, const gchar *flag_value);

/**
 * tarvelin_providers_contracts_value_set_new:
 * @set_value: (not nullable): a #GValue
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueSet *tarvelin_providers_contracts_value_set_new(const gchar *set_value);
/**
 * tarvelin_providers_contracts_value_set_construct:
 * @set_value: (not nullable): a #GValue
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueSet *tarvelin_providers_contracts_value_set_construct(
    GType object_type, const gchar *set_value);

G_END_DECLS
