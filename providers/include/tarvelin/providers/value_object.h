/* The cell value contract (IValue), its base class, SQL NULL and the per-statement error. */
#pragma once

#include <tarvelin/providers/vocabulary.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_IVALUE (tarvelin_providers_contracts_ivalue_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_OBJECT (tarvelin_providers_contracts_value_object_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_NULL (tarvelin_providers_contracts_value_null_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_ERROR (tarvelin_providers_contracts_value_error_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersContractsIValue, tarvelin_providers_contracts_ivalue,
                           TARVELIN_PROVIDERS_CONTRACTS, IVALUE)
TARVELIN_DECLARE_ROOT_TYPE(TarvelinProvidersContractsValueObject, tarvelin_providers_contracts_value_object,
                           TARVELIN_PROVIDERS_CONTRACTS, VALUE_OBJECT)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueNull, tarvelin_providers_contracts_value_null,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_NULL, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueError, tarvelin_providers_contracts_value_error,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_ERROR, TarvelinProvidersContractsValueObject)

struct _TarvelinProvidersContractsIValueInterface {
    GTypeInterface parent_iface;
    void (*to_value)(TarvelinProvidersContractsIValue *self, GValue *result);
    gchar *(*to_string)(TarvelinProvidersContractsIValue *self);
    TarvelinProvidersContractsValueObject *(*clone)(TarvelinProvidersContractsIValue *self);
    gchar *(*dump)(TarvelinProvidersContractsIValue *self);
    const gchar *(*get_name)(TarvelinProvidersContractsIValue *self);
    TarvelinProvidersContractsDataType (*get_data_type)(TarvelinProvidersContractsIValue *self);
    gboolean (*get_is_null)(TarvelinProvidersContractsIValue *self);
};

/**
 * tarvelin_providers_contracts_ivalue_to_value:
 * @self: (not nullable): the instance
 * @result: (out caller-allocates): a zero-filled value to initialise
 */
TARVELIN_API void tarvelin_providers_contracts_ivalue_to_value(TarvelinProvidersContractsIValue *self, GValue *result);
/**
 * tarvelin_providers_contracts_ivalue_to_string:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_contracts_ivalue_to_string(TarvelinProvidersContractsIValue *self);
/**
 * tarvelin_providers_contracts_ivalue_clone:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_ivalue_clone(
    TarvelinProvidersContractsIValue *self);
/**
 * tarvelin_providers_contracts_ivalue_dump:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_contracts_ivalue_dump(TarvelinProvidersContractsIValue *self);
/**
 * tarvelin_providers_contracts_ivalue_get_name:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_ivalue_get_name(TarvelinProvidersContractsIValue *self);
/**
 * tarvelin_providers_contracts_ivalue_get_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_contracts_ivalue_get_data_type(
    TarvelinProvidersContractsIValue *self);
/**
 * tarvelin_providers_contracts_ivalue_get_is_null:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_ivalue_get_is_null(TarvelinProvidersContractsIValue *self);
/**
 * tarvelin_providers_contracts_ivalue_factory:
 * @text: (not nullable): a text
 *
 * A value of any data type from a text (NULL for the type's default value).
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_ivalue_factory(
    TarvelinProvidersContractsDataType data_type, const gchar *text);

/**
 * tarvelin_providers_contracts_value_object_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_value_object_new(void);
/**
 * tarvelin_providers_contracts_value_object_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_value_object_construct(GType object_type);
/**
 * tarvelin_providers_contracts_value_object_to_value:
 * @self: (not nullable): the instance
 * @result: (out caller-allocates): a zero-filled value to initialise
 */
TARVELIN_API void tarvelin_providers_contracts_value_object_to_value(TarvelinProvidersContractsValueObject *self,
                                                                      GValue *result);
/**
 * tarvelin_providers_contracts_value_object_to_string:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_contracts_value_object_to_string(TarvelinProvidersContractsValueObject *self);
/**
 * tarvelin_providers_contracts_value_object_clone:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_value_object_clone(
    TarvelinProvidersContractsValueObject *self);
/**
 * tarvelin_providers_contracts_value_object_dump:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_contracts_value_object_dump(TarvelinProvidersContractsValueObject *self);
/**
 * tarvelin_providers_contracts_value_object_get_name:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_value_object_get_name(TarvelinProvidersContractsValueObject *self);
/**
 * tarvelin_providers_contracts_value_object_get_data_type:
 * @self: (not nullable): the instance
 */
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_contracts_value_object_get_data_type(
    TarvelinProvidersContractsValueObject *self);
/**
 * tarvelin_providers_contracts_value_object_get_is_null:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_value_object_get_is_null(TarvelinProvidersContractsValueObject *self);

/**
 * tarvelin_providers_contracts_value_null_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueNull *tarvelin_providers_contracts_value_null_new(void);
/**
 * tarvelin_providers_contracts_value_null_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueNull *tarvelin_providers_contracts_value_null_construct(GType object_type);
/**
 * tarvelin_providers_contracts_value_null_get_itsvalue:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer none) (nullable): borrowed: the owner keeps the text
 */
TARVELIN_API const gchar *tarvelin_providers_contracts_value_null_get_itsvalue(TarvelinProvidersContractsValueNull *self);

/**
 * tarvelin_providers_contracts_value_error_new:
 * @message: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueError *tarvelin_providers_contracts_value_error_new(gint32 code,
                                                                                              const gchar *message);
/**
 * tarvelin_providers_contracts_value_error_construct:
 * @message: (not nullable): a text
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueError *tarvelin_providers_contracts_value_error_construct(
    GType object_type, gint32 code, const gchar *message);
/**
 * tarvelin_providers_contracts_value_error_get_itsvalue:
 * @self: (not nullable): the instance
 *
 * Returns: (transfer full) (nullable): a new text, freed with g_free()
 */
TARVELIN_API gchar *tarvelin_providers_contracts_value_error_get_itsvalue(TarvelinProvidersContractsValueError *self);

G_END_DECLS
