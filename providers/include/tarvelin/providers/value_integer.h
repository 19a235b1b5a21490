/* Integer and boolean cells, and the interfaces that read them as wide integers. */
#pragma once

#include <tarvelin/providers/value_object.h>

G_BEGIN_DECLS

#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_IINTEGER (tarvelin_providers_contracts_iinteger_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_IUNSIGNED (tarvelin_providers_contracts_iunsigned_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_INT8 (tarvelin_providers_contracts_value_int8_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_INT16 (tarvelin_providers_contracts_value_int16_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_INT32 (tarvelin_providers_contracts_value_int32_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_INT64 (tarvelin_providers_contracts_value_int64_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT8 (tarvelin_providers_contracts_value_uint8_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT16 (tarvelin_providers_contracts_value_uint16_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT32 (tarvelin_providers_contracts_value_uint32_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_UINT64 (tarvelin_providers_contracts_value_uint64_get_type())
#define TARVELIN_PROVIDERS_CONTRACTS_TYPE_VALUE_BOOLEAN (tarvelin_providers_contracts_value_boolean_get_type())

TARVELIN_DECLARE_INTERFACE(TarvelinProvidersContractsIInteger, tarvelin_providers_contracts_iinteger,
                           TARVELIN_PROVIDERS_CONTRACTS, IINTEGER)
TARVELIN_DECLARE_INTERFACE(TarvelinProvidersContractsIUnsigned, tarvelin_providers_contracts_iunsigned,
                           TARVELIN_PROVIDERS_CONTRACTS, IUNSIGNED)

struct _TarvelinProvidersContractsIIntegerInterface {
    GTypeInterface parent_iface;
    gint64 (*to_integer)(TarvelinProvidersContractsIInteger *self);
};
struct _TarvelinProvidersContractsIUnsignedInterface {
    GTypeInterface parent_iface;
    guint64 (*to_unsigned)(TarvelinProvidersContractsIUnsigned *self);
};

/**
 * tarvelin_providers_contracts_iinteger_to_integer:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint64 tarvelin_providers_contracts_iinteger_to_integer(TarvelinProvidersContractsIInteger *self);
/**
 * tarvelin_providers_contracts_iunsigned_to_unsigned:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_providers_contracts_iunsigned_to_unsigned(TarvelinProvidersContractsIUnsigned *self);

TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueInt8, tarvelin_providers_contracts_value_int8,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_INT8, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueInt16, tarvelin_providers_contracts_value_int16,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_INT16, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueInt32, tarvelin_providers_contracts_value_int32,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_INT32, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueInt64, tarvelin_providers_contracts_value_int64,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_INT64, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueUInt8, tarvelin_providers_contracts_value_uint8,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_UINT8, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueUInt16, tarvelin_providers_contracts_value_uint16,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_UINT16, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueUInt32, tarvelin_providers_contracts_value_uint32,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_UINT32, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueUInt64, tarvelin_providers_contracts_value_uint64,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_UINT64, TarvelinProvidersContractsValueObject)
TARVELIN_DECLARE_DERIVED_TYPE(TarvelinProvidersContractsValueBoolean, tarvelin_providers_contracts_value_boolean,
                              TARVELIN_PROVIDERS_CONTRACTS, VALUE_BOOLEAN, TarvelinProvidersContractsValueObject)

/* Constructors and setters take the held width: a wider argument keeps its low bits. */
/**
 * tarvelin_providers_contracts_value_int8_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueInt8 *tarvelin_providers_contracts_value_int8_new(gint8 value);
/**
 * tarvelin_providers_contracts_value_int8_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueInt8 *tarvelin_providers_contracts_value_int8_construct(GType object_type,
                                                                                                   gint8 value);
/**
 * tarvelin_providers_contracts_value_int8_get_int8:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint8 tarvelin_providers_contracts_value_int8_get_int8(TarvelinProvidersContractsValueInt8 *self);
/**
 * tarvelin_providers_contracts_value_int8_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint8 tarvelin_providers_contracts_value_int8_get_itsvalue(TarvelinProvidersContractsValueInt8 *self);
/**
 * tarvelin_providers_contracts_value_int8_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_int8_set_itsvalue(TarvelinProvidersContractsValueInt8 *self,
                                                                      gint8 value);

/**
 * tarvelin_providers_contracts_value_int16_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueInt16 *tarvelin_providers_contracts_value_int16_new(gint16 value);
/**
 * tarvelin_providers_contracts_value_int16_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueInt16 *tarvelin_providers_contracts_value_int16_construct(
    GType object_type, gint16 value);
/**
 * tarvelin_providers_contracts_value_int16_get_int16:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint16 tarvelin_providers_contracts_value_int16_get_int16(TarvelinProvidersContractsValueInt16 *self);
/**
 * tarvelin_providers_contracts_value_int16_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint16 tarvelin_providers_contracts_value_int16_get_itsvalue(TarvelinProvidersContractsValueInt16 *self);
/**
 * tarvelin_providers_contracts_value_int16_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_int16_set_itsvalue(TarvelinProvidersContractsValueInt16 *self,
                                                                       gint16 value);

/**
 * tarvelin_providers_contracts_value_int32_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueInt32 *tarvelin_providers_contracts_value_int32_new(gint32 value);
/**
 * tarvelin_providers_contracts_value_int32_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueInt32 *tarvelin_providers_contracts_value_int32_construct(
    GType object_type, gint32 value);
/**
 * tarvelin_providers_contracts_value_int32_get_int32:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_providers_contracts_value_int32_get_int32(TarvelinProvidersContractsValueInt32 *self);
/**
 * tarvelin_providers_contracts_value_int32_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint32 tarvelin_providers_contracts_value_int32_get_itsvalue(TarvelinProvidersContractsValueInt32 *self);
/**
 * tarvelin_providers_contracts_value_int32_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_int32_set_itsvalue(TarvelinProvidersContractsValueInt32 *self,
                                                                       gint32 value);

/**
 * tarvelin_providers_contracts_value_int64_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueInt64 *tarvelin_providers_contracts_value_int64_new(gint64 value);
/**
 * tarvelin_providers_contracts_value_int64_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueInt64 *tarvelin_providers_contracts_value_int64_construct(
    GType object_type, gint64 value);
/**
 * tarvelin_providers_contracts_value_int64_get_int64:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint64 tarvelin_providers_contracts_value_int64_get_int64(TarvelinProvidersContractsValueInt64 *self);
/**
 * tarvelin_providers_contracts_value_int64_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gint64 tarvelin_providers_contracts_value_int64_get_itsvalue(TarvelinProvidersContractsValueInt64 *self);
/**
 * tarvelin_providers_contracts_value_int64_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_int64_set_itsvalue(TarvelinProvidersContractsValueInt64 *self,
                                                                       gint64 value);

/**
 * tarvelin_providers_contracts_value_uint8_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUInt8 *tarvelin_providers_contracts_value_uint8_new(guint8 value);
/**
 * tarvelin_providers_contracts_value_uint8_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUInt8 *tarvelin_providers_contracts_value_uint8_construct(
    GType object_type, guint8 value);
/**
 * tarvelin_providers_contracts_value_uint8_get_uint8:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint8 tarvelin_providers_contracts_value_uint8_get_uint8(TarvelinProvidersContractsValueUInt8 *self);
/**
 * tarvelin_providers_contracts_value_uint8_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint8 tarvelin_providers_contracts_value_uint8_get_itsvalue(TarvelinProvidersContractsValueUInt8 *self);
/**
 * tarvelin_providers_contracts_value_uint8_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_uint8_set_itsvalue(TarvelinProvidersContractsValueUInt8 *self,
                                                                       guint8 value);

/**
 * tarvelin_providers_contracts_value_uint16_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUInt16 *tarvelin_providers_contracts_value_uint16_new(guint16 value);
/**
 * tarvelin_providers_contracts_value_uint16_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUInt16 *tarvelin_providers_contracts_value_uint16_construct(
    GType object_type, guint16 value);
/**
 * tarvelin_providers_contracts_value_uint16_get_uint16:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint16 tarvelin_providers_contracts_value_uint16_get_uint16(TarvelinProvidersContractsValueUInt16 *self);
/**
 * tarvelin_providers_contracts_value_uint16_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint16 tarvelin_providers_contracts_value_uint16_get_itsvalue(
    TarvelinProvidersContractsValueUInt16 *self);
/**
 * tarvelin_providers_contracts_value_uint16_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_uint16_set_itsvalue(TarvelinProvidersContractsValueUInt16 *self,
                                                                        guint16 value);

/**
 * tarvelin_providers_contracts_value_uint32_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUInt32 *tarvelin_providers_contracts_value_uint32_new(guint32 value);
/**
 * tarvelin_providers_contracts_value_uint32_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUInt32 *tarvelin_providers_contracts_value_uint32_construct(
    GType object_type, guint32 value);
/**
 * tarvelin_providers_contracts_value_uint32_get_uint32:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_providers_contracts_value_uint32_get_uint32(TarvelinProvidersContractsValueUInt32 *self);
/**
 * tarvelin_providers_contracts_value_uint32_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint32 tarvelin_providers_contracts_value_uint32_get_itsvalue(
    TarvelinProvidersContractsValueUInt32 *self);
/**
 * tarvelin_providers_contracts_value_uint32_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_uint32_set_itsvalue(TarvelinProvidersContractsValueUInt32 *self,
                                                                        guint32 value);

/**
 * tarvelin_providers_contracts_value_uint64_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUInt64 *tarvelin_providers_contracts_value_uint64_new(guint64 value);
/**
 * tarvelin_providers_contracts_value_uint64_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueUInt64 *tarvelin_providers_contracts_value_uint64_construct(
    GType object_type, guint64 value);
/**
 * tarvelin_providers_contracts_value_uint64_get_uint64:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_providers_contracts_value_uint64_get_uint64(TarvelinProvidersContractsValueUInt64 *self);
/**
 * tarvelin_providers_contracts_value_uint64_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API guint64 tarvelin_providers_contracts_value_uint64_get_itsvalue(
    TarvelinProvidersContractsValueUInt64 *self);
/**
 * tarvelin_providers_contracts_value_uint64_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_uint64_set_itsvalue(TarvelinProvidersContractsValueUInt64 *self,
                                                                        guint64 value);

/**
 * tarvelin_providers_contracts_value_boolean_new:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueBoolean *tarvelin_providers_contracts_value_boolean_new(gboolean value);
/**
 * tarvelin_providers_contracts_value_boolean_construct:
 *
 * Returns: (transfer full): a new reference
 */
TARVELIN_API TarvelinProvidersContractsValueBoolean *tarvelin_providers_contracts_value_boolean_construct(
    GType object_type, gboolean value);
/**
 * tarvelin_providers_contracts_value_boolean_get_boolean:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_value_boolean_get_boolean(
    TarvelinProvidersContractsValueBoolean *self);
/**
 * tarvelin_providers_contracts_value_boolean_get_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API gboolean tarvelin_providers_contracts_value_boolean_get_itsvalue(
    TarvelinProvidersContractsValueBoolean *self);
/**
 * tarvelin_providers_contracts_value_boolean_set_itsvalue:
 * @self: (not nullable): the instance
 */
TARVELIN_API void tarvelin_providers_contracts_value_boolean_set_itsvalue(TarvelinProvidersContractsValueBoolean *self,
                                                                         gboolean value);

G_END_DECLS
