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

TARVELIN_API TarvelinProvidersContractsValueEnum *tarvelin_providers_contracts_value_enum_new(const gchar *enum_value);
TARVELIN_API TarvelinProvidersContractsValueEnum *tarvelin_providers_contracts_value_enum_construct(
    GType object_type, const gchar *enum_value);
/* Appends copies of the names to the member list (nothing for a count below 1). */
TARVELIN_API void tarvelin_providers_contracts_value_enum_initialize(TarvelinProvidersContractsValueEnum *self,
                                                                    gchar **values, gint values_length1);
/* Borrowed; NULL when the value holds none. */
TARVELIN_API const gchar *tarvelin_providers_contracts_value_enum_get_itsvalue(TarvelinProvidersContractsValueEnum *self);
TARVELIN_API void tarvelin_providers_contracts_value_enum_set_itsvalue(TarvelinProvidersContractsValueEnum *self,
                                                                      const gchar *value);

TARVELIN_API TarvelinProvidersContractsValueFlags *tarvelin_providers_contracts_value_flags_new(const gchar *flag_value);
TARVELIN_API TarvelinProvidersContractsValueFlags *tarvelin_providers_contracts_value_flags_construct(
    GType object_type, const gchar *flag_value);

TARVELIN_API TarvelinProvidersContractsValueSet *tarvelin_providers_contracts_value_set_new(const gchar *set_value);
TARVELIN_API TarvelinProvidersContractsValueSet *tarvelin_providers_contracts_value_set_construct(
    GType object_type, const gchar *set_value);

G_END_DECLS
