// C face of the value contract and its general members.
//
// TARVELIN_CLASS_CAPI makes tarvelin_providers_contracts_value_object_get_type,
// tarvelin_providers_contracts_value_object_construct, tarvelin_providers_contracts_value_object_new,
// tarvelin_providers_contracts_value_null_get_type, tarvelin_providers_contracts_value_null_construct
// and tarvelin_providers_contracts_value_null_new.
#include "providers/contracts/value_support.hpp"

TARVELIN_LOG_TAG("value_object_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using IValueVtable = TarvelinProvidersContractsIValueInterface;

static_assert(sizeof(TarvelinProvidersContractsValueObject) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsValueObjectClass) == sizeof(gobj::Class));

extern "C" {

// ---------------------------------------------------------------- IValue

GType tarvelin_providers_contracts_ivalue_get_type(void) { return IValue::gtype(); }

void tarvelin_providers_contracts_ivalue_to_value(TarvelinProvidersContractsIValue* self, GValue* result) {
    g_return_if_fail(self != NULL);
    gobj::dispatch<&IValueVtable::to_value>(G_STRFUNC, self, result);
}
gchar* tarvelin_providers_contracts_ivalue_to_string(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&IValueVtable::to_string>(G_STRFUNC, self);
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_ivalue_clone(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&IValueVtable::clone>(G_STRFUNC, self);
}
gchar* tarvelin_providers_contracts_ivalue_dump(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&IValueVtable::dump>(G_STRFUNC, self);
}
const gchar* tarvelin_providers_contracts_ivalue_get_name(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::dispatch<&IValueVtable::get_name>(G_STRFUNC, self);
}
TarvelinProvidersContractsDataType tarvelin_providers_contracts_ivalue_get_data_type(
    TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::dispatch<&IValueVtable::get_data_type>(G_STRFUNC, self);
}
gboolean tarvelin_providers_contracts_ivalue_get_is_null(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::dispatch<&IValueVtable::get_is_null>(G_STRFUNC, self);
}

TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_ivalue_factory(
    TarvelinProvidersContractsDataType data_type, const gchar* text) {
    return gobj::invoke<&IValue::factory>(G_STRFUNC, number_of(data_type), text);
}

// ---------------------------------------------------------------- ValueObject

TARVELIN_CLASS_CAPI(ValueObject, TarvelinProvidersContractsValueObject, tarvelin_providers_contracts_value_object)

void tarvelin_providers_contracts_value_object_to_value(TarvelinProvidersContractsValueObject* self, GValue* result) {
    g_return_if_fail(self != NULL);
    gobj::invoke<&ValueObject::to_value>(G_STRFUNC, self, result);
}
gchar* tarvelin_providers_contracts_value_object_to_string(TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ValueObject::to_string>(G_STRFUNC, self);
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_value_object_clone(
    TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ValueObject::clone>(G_STRFUNC, self);
}
gchar* tarvelin_providers_contracts_value_object_dump(TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ValueObject::dump>(G_STRFUNC, self);
}
const gchar* tarvelin_providers_contracts_value_object_get_name(TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ValueObject::get_name, gobj::borrow>(G_STRFUNC, self);
}
TarvelinProvidersContractsDataType tarvelin_providers_contracts_value_object_get_data_type(
    TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::invoke<&ValueObject::get_data_type>(G_STRFUNC, self);
}
gboolean tarvelin_providers_contracts_value_object_get_is_null(TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::invoke<&ValueObject::get_is_null>(G_STRFUNC, self);
}

// ---------------------------------------------------------------- ValueNull, ValueError

TARVELIN_CLASS_CAPI(ValueNull, TarvelinProvidersContractsValueNull, tarvelin_providers_contracts_value_null)

const gchar* tarvelin_providers_contracts_value_null_get_itsvalue(TarvelinProvidersContractsValueNull* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ValueNull::get_itsvalue, gobj::borrow>(G_STRFUNC, self);
}

GType tarvelin_providers_contracts_value_error_get_type(void) { return ValueError::gtype(); }
TarvelinProvidersContractsValueError* tarvelin_providers_contracts_value_error_construct(GType object_type, gint32 code,
                                                                                       const gchar* message) {
    g_return_val_if_fail(message != NULL, NULL);
    return gobj::invoke<&ValueError::create>(G_STRFUNC, code, message, object_type);
}
TarvelinProvidersContractsValueError* tarvelin_providers_contracts_value_error_new(gint32 code, const gchar* message) {
    return tarvelin_providers_contracts_value_error_construct(ValueError::gtype(), code, message);
}
gchar* tarvelin_providers_contracts_value_error_get_itsvalue(TarvelinProvidersContractsValueError* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::invoke<&ValueError::get_itsvalue>(G_STRFUNC, self);
}

}  // extern "C"
