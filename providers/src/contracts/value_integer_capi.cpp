// C face of the integer and boolean cells.
#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_integer.hpp"

TARVELIN_LOG_TAG("value_integer_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

static_assert(sizeof(TarvelinProvidersContractsIIntegerInterface) == sizeof(GTypeInterface) + sizeof(gpointer));
static_assert(sizeof(TarvelinProvidersContractsIUnsignedInterface) == sizeof(GTypeInterface) + sizeof(gpointer));
static_assert(sizeof(TarvelinProvidersContractsValueInt32) == sizeof(gobj::Instance));

// The scalar set plus the typed getter.
#define TARVELIN_INTEGER_CAPI(Class, CType, prefix, held, typed)                                             \
    TARVELIN_SCALAR_VALUE_CAPI(Class, CType, prefix, held)                                                    \
    held prefix##_##typed(CType* self) {                                                                      \
        g_return_val_if_fail(self != NULL, held(0));                                                          \
        return static_cast<held>(cast<Class>(self)->get_itsvalue());                                          \
    }

extern "C" {

TARVELIN_API GType tarvelin_providers_contracts_iinteger_get_type(void) { return IInteger::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_iunsigned_get_type(void) { return IUnsigned::gtype(); }

gint64 tarvelin_providers_contracts_iinteger_to_integer(TarvelinProvidersContractsIInteger* self) {
    g_return_val_if_fail(self != NULL, 0);
    return IInteger::to_integer_of(self);
}
guint64 tarvelin_providers_contracts_iunsigned_to_unsigned(TarvelinProvidersContractsIUnsigned* self) {
    g_return_val_if_fail(self != NULL, 0);
    return IUnsigned::to_unsigned_of(self);
}

TARVELIN_INTEGER_CAPI(ValueInt8, TarvelinProvidersContractsValueInt8, tarvelin_providers_contracts_value_int8, gint8,
                      get_int8)
TARVELIN_INTEGER_CAPI(ValueInt16, TarvelinProvidersContractsValueInt16, tarvelin_providers_contracts_value_int16,
                      gint16, get_int16)
TARVELIN_INTEGER_CAPI(ValueInt32, TarvelinProvidersContractsValueInt32, tarvelin_providers_contracts_value_int32,
                      gint32, get_int32)
TARVELIN_INTEGER_CAPI(ValueInt64, TarvelinProvidersContractsValueInt64, tarvelin_providers_contracts_value_int64,
                      gint64, get_int64)
TARVELIN_INTEGER_CAPI(ValueUInt8, TarvelinProvidersContractsValueUInt8, tarvelin_providers_contracts_value_uint8,
                      guint8, get_uint8)
TARVELIN_INTEGER_CAPI(ValueUInt16, TarvelinProvidersContractsValueUInt16, tarvelin_providers_contracts_value_uint16,
                      guint16, get_uint16)
TARVELIN_INTEGER_CAPI(ValueUInt32, TarvelinProvidersContractsValueUInt32, tarvelin_providers_contracts_value_uint32,
                      guint32, get_uint32)
TARVELIN_INTEGER_CAPI(ValueUInt64, TarvelinProvidersContractsValueUInt64, tarvelin_providers_contracts_value_uint64,
                      guint64, get_uint64)

TARVELIN_INTEGER_CAPI(ValueBoolean, TarvelinProvidersContractsValueBoolean,
                      tarvelin_providers_contracts_value_boolean, gboolean, get_boolean)

}  // extern "C"
