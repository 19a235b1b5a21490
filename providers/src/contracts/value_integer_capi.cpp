// C face of the integer and boolean cells.
//
// The TARVELIN_SCALAR_VALUE_PROPERTIES rows make
//   tarvelin_providers_contracts_value_int8_get_itsvalue, tarvelin_providers_contracts_value_int8_set_itsvalue
//   tarvelin_providers_contracts_value_int16_get_itsvalue, tarvelin_providers_contracts_value_int16_set_itsvalue
//   tarvelin_providers_contracts_value_int32_get_itsvalue, tarvelin_providers_contracts_value_int32_set_itsvalue
//   tarvelin_providers_contracts_value_int64_get_itsvalue, tarvelin_providers_contracts_value_int64_set_itsvalue
//   tarvelin_providers_contracts_value_uint8_get_itsvalue, tarvelin_providers_contracts_value_uint8_set_itsvalue
//   tarvelin_providers_contracts_value_uint16_get_itsvalue, tarvelin_providers_contracts_value_uint16_set_itsvalue
//   tarvelin_providers_contracts_value_uint32_get_itsvalue, tarvelin_providers_contracts_value_uint32_set_itsvalue
//   tarvelin_providers_contracts_value_uint64_get_itsvalue, tarvelin_providers_contracts_value_uint64_set_itsvalue
//   tarvelin_providers_contracts_value_boolean_get_itsvalue, tarvelin_providers_contracts_value_boolean_set_itsvalue.
#include "providers/contracts/value_integer.hpp"

TARVELIN_LOG_TAG("value_integer_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::prop::HeldScalar;

static_assert(sizeof(TarvelinProvidersContractsIIntegerInterface) == sizeof(GTypeInterface) + sizeof(gpointer));
static_assert(sizeof(TarvelinProvidersContractsIUnsignedInterface) == sizeof(GTypeInterface) + sizeof(gpointer));
static_assert(sizeof(TarvelinProvidersContractsValueInt32) == sizeof(gobj::Instance));

extern "C" {

GType tarvelin_providers_contracts_iinteger_get_type(void) { return IInteger::gtype(); }
GType tarvelin_providers_contracts_iunsigned_get_type(void) { return IUnsigned::gtype(); }

gint64 tarvelin_providers_contracts_iinteger_to_integer(TarvelinProvidersContractsIInteger* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&TarvelinProvidersContractsIIntegerInterface::to_integer>(G_STRFUNC, self);
}
guint64 tarvelin_providers_contracts_iunsigned_to_unsigned(TarvelinProvidersContractsIUnsigned* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::dispatch<&TarvelinProvidersContractsIUnsignedInterface::to_unsigned>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueInt8
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueInt8
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_int8
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueInt8::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_int8_get_type(void) { return ValueInt8::gtype(); }
TarvelinProvidersContractsValueInt8* tarvelin_providers_contracts_value_int8_construct(GType object_type, gint8 value) {
    return gobj::invoke<&ValueInt8::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueInt8* tarvelin_providers_contracts_value_int8_new(gint8 value) {
    return tarvelin_providers_contracts_value_int8_construct(ValueInt8::gtype(), value);
}
gint8 tarvelin_providers_contracts_value_int8_get_int8(TarvelinProvidersContractsValueInt8* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueInt8::get_int8>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueInt16
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueInt16
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_int16
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueInt16::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_int16_get_type(void) { return ValueInt16::gtype(); }
TarvelinProvidersContractsValueInt16* tarvelin_providers_contracts_value_int16_construct(GType object_type,
                                                                                         gint16 value) {
    return gobj::invoke<&ValueInt16::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueInt16* tarvelin_providers_contracts_value_int16_new(gint16 value) {
    return tarvelin_providers_contracts_value_int16_construct(ValueInt16::gtype(), value);
}
gint16 tarvelin_providers_contracts_value_int16_get_int16(TarvelinProvidersContractsValueInt16* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueInt16::get_int16>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueInt32
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueInt32
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_int32
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueInt32::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_int32_get_type(void) { return ValueInt32::gtype(); }
TarvelinProvidersContractsValueInt32* tarvelin_providers_contracts_value_int32_construct(GType object_type,
                                                                                         gint32 value) {
    return gobj::invoke<&ValueInt32::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueInt32* tarvelin_providers_contracts_value_int32_new(gint32 value) {
    return tarvelin_providers_contracts_value_int32_construct(ValueInt32::gtype(), value);
}
gint32 tarvelin_providers_contracts_value_int32_get_int32(TarvelinProvidersContractsValueInt32* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueInt32::get_int32>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueInt64
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueInt64
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_int64
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueInt64::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_int64_get_type(void) { return ValueInt64::gtype(); }
TarvelinProvidersContractsValueInt64* tarvelin_providers_contracts_value_int64_construct(GType object_type,
                                                                                         gint64 value) {
    return gobj::invoke<&ValueInt64::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueInt64* tarvelin_providers_contracts_value_int64_new(gint64 value) {
    return tarvelin_providers_contracts_value_int64_construct(ValueInt64::gtype(), value);
}
gint64 tarvelin_providers_contracts_value_int64_get_int64(TarvelinProvidersContractsValueInt64* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueInt64::get_int64>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueUInt8
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueUInt8
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_uint8
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueUInt8::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_uint8_get_type(void) { return ValueUInt8::gtype(); }
TarvelinProvidersContractsValueUInt8* tarvelin_providers_contracts_value_uint8_construct(GType object_type,
                                                                                         guint8 value) {
    return gobj::invoke<&ValueUInt8::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueUInt8* tarvelin_providers_contracts_value_uint8_new(guint8 value) {
    return tarvelin_providers_contracts_value_uint8_construct(ValueUInt8::gtype(), value);
}
guint8 tarvelin_providers_contracts_value_uint8_get_uint8(TarvelinProvidersContractsValueUInt8* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueUInt8::get_uint8>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueUInt16
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueUInt16
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_uint16
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueUInt16::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_uint16_get_type(void) { return ValueUInt16::gtype(); }
TarvelinProvidersContractsValueUInt16* tarvelin_providers_contracts_value_uint16_construct(GType object_type,
                                                                                           guint16 value) {
    return gobj::invoke<&ValueUInt16::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueUInt16* tarvelin_providers_contracts_value_uint16_new(guint16 value) {
    return tarvelin_providers_contracts_value_uint16_construct(ValueUInt16::gtype(), value);
}
guint16 tarvelin_providers_contracts_value_uint16_get_uint16(TarvelinProvidersContractsValueUInt16* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueUInt16::get_uint16>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueUInt32
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueUInt32
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_uint32
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueUInt32::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_uint32_get_type(void) { return ValueUInt32::gtype(); }
TarvelinProvidersContractsValueUInt32* tarvelin_providers_contracts_value_uint32_construct(GType object_type,
                                                                                           guint32 value) {
    return gobj::invoke<&ValueUInt32::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueUInt32* tarvelin_providers_contracts_value_uint32_new(guint32 value) {
    return tarvelin_providers_contracts_value_uint32_construct(ValueUInt32::gtype(), value);
}
guint32 tarvelin_providers_contracts_value_uint32_get_uint32(TarvelinProvidersContractsValueUInt32* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueUInt32::get_uint32>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueUInt64
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueUInt64
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_uint64
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueUInt64::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_uint64_get_type(void) { return ValueUInt64::gtype(); }
TarvelinProvidersContractsValueUInt64* tarvelin_providers_contracts_value_uint64_construct(GType object_type,
                                                                                           guint64 value) {
    return gobj::invoke<&ValueUInt64::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueUInt64* tarvelin_providers_contracts_value_uint64_new(guint64 value) {
    return tarvelin_providers_contracts_value_uint64_construct(ValueUInt64::gtype(), value);
}
guint64 tarvelin_providers_contracts_value_uint64_get_uint64(TarvelinProvidersContractsValueUInt64* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueUInt64::get_uint64>(G_STRFUNC, self);
}

#define TARVELIN_CAPI_CLASS ValueBoolean
#define TARVELIN_CAPI_CTYPE TarvelinProvidersContractsValueBoolean
#define TARVELIN_CAPI_PREFIX tarvelin_providers_contracts_value_boolean
TARVELIN_SCALAR_VALUE_PROPERTIES(TARVELIN_PROPERTY_CAPI, HeldScalar<ValueBoolean::held_type>)
#undef TARVELIN_CAPI_CLASS
#undef TARVELIN_CAPI_CTYPE
#undef TARVELIN_CAPI_PREFIX

GType tarvelin_providers_contracts_value_boolean_get_type(void) { return ValueBoolean::gtype(); }
TarvelinProvidersContractsValueBoolean* tarvelin_providers_contracts_value_boolean_construct(GType object_type,
                                                                                             gboolean value) {
    return gobj::invoke<&ValueBoolean::create>(G_STRFUNC, value, object_type);
}
TarvelinProvidersContractsValueBoolean* tarvelin_providers_contracts_value_boolean_new(gboolean value) {
    return tarvelin_providers_contracts_value_boolean_construct(ValueBoolean::gtype(), value);
}
gboolean tarvelin_providers_contracts_value_boolean_get_boolean(TarvelinProvidersContractsValueBoolean* self) {
    g_return_val_if_fail(self != NULL, 0);
    return gobj::invoke<&ValueBoolean::get_boolean>(G_STRFUNC, self);
}

}  // extern "C"
