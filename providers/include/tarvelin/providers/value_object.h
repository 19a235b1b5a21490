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

TARVELIN_API void tarvelin_providers_contracts_ivalue_to_value(TarvelinProvidersContractsIValue *self, GValue *result);
TARVELIN_API gchar *tarvelin_providers_contracts_ivalue_to_string(TarvelinProvidersContractsIValue *self);
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_ivalue_clone(
    TarvelinProvidersContractsIValue *self);
TARVELIN_API gchar *tarvelin_providers_contracts_ivalue_dump(TarvelinProvidersContractsIValue *self);
TARVELIN_API const gchar *tarvelin_providers_contracts_ivalue_get_name(TarvelinProvidersContractsIValue *self);
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_contracts_ivalue_get_data_type(
    TarvelinProvidersContractsIValue *self);
TARVELIN_API gboolean tarvelin_providers_contracts_ivalue_get_is_null(TarvelinProvidersContractsIValue *self);
/* A value of any data type from a text (NULL for the type's default value). */
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_ivalue_factory(
    TarvelinProvidersContractsDataType data_type, const gchar *text);

TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_value_object_new(void);
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_value_object_construct(GType object_type);
TARVELIN_API void tarvelin_providers_contracts_value_object_to_value(TarvelinProvidersContractsValueObject *self,
                                                                      GValue *result);
TARVELIN_API gchar *tarvelin_providers_contracts_value_object_to_string(TarvelinProvidersContractsValueObject *self);
TARVELIN_API TarvelinProvidersContractsValueObject *tarvelin_providers_contracts_value_object_clone(
    TarvelinProvidersContractsValueObject *self);
TARVELIN_API gchar *tarvelin_providers_contracts_value_object_dump(TarvelinProvidersContractsValueObject *self);
TARVELIN_API const gchar *tarvelin_providers_contracts_value_object_get_name(TarvelinProvidersContractsValueObject *self);
TARVELIN_API TarvelinProvidersContractsDataType tarvelin_providers_contracts_value_object_get_data_type(
    TarvelinProvidersContractsValueObject *self);
TARVELIN_API gboolean tarvelin_providers_contracts_value_object_get_is_null(TarvelinProvidersContractsValueObject *self);

TARVELIN_API TarvelinProvidersContractsValueNull *tarvelin_providers_contracts_value_null_new(void);
TARVELIN_API TarvelinProvidersContractsValueNull *tarvelin_providers_contracts_value_null_construct(GType object_type);
TARVELIN_API const gchar *tarvelin_providers_contracts_value_null_get_itsvalue(TarvelinProvidersContractsValueNull *self);

TARVELIN_API TarvelinProvidersContractsValueError *tarvelin_providers_contracts_value_error_new(gint32 code,
                                                                                              const gchar *message);
TARVELIN_API TarvelinProvidersContractsValueError *tarvelin_providers_contracts_value_error_construct(
    GType object_type, gint32 code, const gchar *message);
TARVELIN_API gchar *tarvelin_providers_contracts_value_error_get_itsvalue(TarvelinProvidersContractsValueError *self);

G_END_DECLS
