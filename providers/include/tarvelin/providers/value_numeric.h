/* Floating-point cells and the interface that reads any of them as a double. */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_INUMERIC (tarvelin_providers_contracts_inumeric_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_FLOAT (tarvelin_providers_contracts_value_float_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_DOUBLE (tarvelin_providers_contracts_value_double_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_MONEY (tarvelin_providers_contracts_value_money_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_DECIMAL (tarvelin_providers_contracts_value_decimal_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersContractsINumeric, tarvelin_providers_contracts_inumeric,
                           TARVELIN_PROVIDERS_CONTRACTS, INUMERIC)

struct _TarvelinProvidersContractsINumericInterface {
    GTypeInterface parent_iface;
    gdouble (*to_double)(TarvelinProvidersContractsINumeric *self);
};

/**
 * tarvelin_providers_contracts_inumeric_to_double:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_inumeric_to_double(TarvelinProvidersContractsINumeric *self);

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueFloat, tarvelin_providers_contracts_value_float,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_FLOAT, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueDouble, tarvelin_providers_contracts_value_double,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_DOUBLE, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueMoney, tarvelin_providers_contracts_value_money,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_MONEY, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueDecimal, tarvelin_providers_contracts_value_decimal,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_DECIMAL, TarvelinProvidersContractsValueObject)

/**
 * tarvelin_providers_contracts_value_float_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueFloat *tarvelin_providers_contracts_value_float_new(gfloat value);
/**
 * tarvelin_providers_contracts_value_float_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueFloat *tarvelin_providers_contracts_value_float_construct(
    GType object_type, gfloat value);
/**
 * tarvelin_providers_contracts_value_float_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gfloat tarvelin_providers_contracts_value_float_get_itsvalue(TarvelinProvidersContractsValueFloat *self);
/**
 * tarvelin_providers_contracts_value_float_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_float_set_itsvalue(TarvelinProvidersContractsValueFloat *self,
                                                                       gfloat value);

/**
 * tarvelin_providers_contracts_value_double_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDouble *tarvelin_providers_contracts_value_double_new(gdouble value);
/**
 * tarvelin_providers_contracts_value_double_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDouble *tarvelin_providers_contracts_value_double_construct(
    GType object_type, gdouble value);
/**
 * tarvelin_providers_contracts_value_double_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_value_double_get_itsvalue(
    TarvelinProvidersContractsValueDouble *self);
/**
 * tarvelin_providers_contracts_value_double_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_double_set_itsvalue(TarvelinProvidersContractsValueDouble *self,
                                                                        gdouble value);

/**
 * tarvelin_providers_contracts_value_money_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueMoney *tarvelin_providers_contracts_value_money_new(gdouble value);
/**
 * tarvelin_providers_contracts_value_money_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueMoney *tarvelin_providers_contracts_value_money_construct(
    GType object_type, gdouble value);
/**
 * tarvelin_providers_contracts_value_money_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_value_money_get_itsvalue(TarvelinProvidersContractsValueMoney *self);
/**
 * tarvelin_providers_contracts_value_money_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_money_set_itsvalue(TarvelinProvidersContractsValueMoney *self,
                                                                       gdouble value);

/**
 * tarvelin_providers_contracts_value_decimal_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDecimal *tarvelin_providers_contracts_value_decimal_new(gdouble value);
/**
 * tarvelin_providers_contracts_value_decimal_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueDecimal *tarvelin_providers_contracts_value_decimal_construct(
    GType object_type, gdouble value);
/**
 * tarvelin_providers_contracts_value_decimal_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gdouble tarvelin_providers_contracts_value_decimal_get_itsvalue(
    TarvelinProvidersContractsValueDecimal *self);
/**
 * tarvelin_providers_contracts_value_decimal_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_decimal_set_itsvalue(TarvelinProvidersContractsValueDecimal *self,
                                                                         gdouble value);

G_END_DECLS
