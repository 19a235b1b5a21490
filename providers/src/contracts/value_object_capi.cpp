// C face of the value contract and its general members.
#include "providers/contracts/value_object.hpp"

TARVELIN_LOG_TAG("value_object_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::cast;

static_assert(sizeof(TarvelinProvidersContractsValueObject) == sizeof(gobj::Instance));
static_assert(sizeof(TarvelinProvidersContractsValueObjectClass) == sizeof(gobj::Class));

#define IVALUE_DISPATCH(slot, empty, ...)                                                                      \
    gobj::dispatch(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IVALUE, self, &TarvelinProvidersContractsIValueInterface::slot, \
                   empty __VA_OPT__(, ) __VA_ARGS__)

extern "C" {

TARVELIN_API GType tarvelin_providers_contracts_ivalue_get_type(void) { return IValue::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_value_object_get_type(void) { return ValueObject::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_value_null_get_type(void) { return ValueNull::gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_value_error_get_type(void) { return ValueError::gtype(); }

void tarvelin_providers_contracts_ivalue_to_value(TarvelinProvidersContractsIValue* self, GValue* result) {
    g_return_if_fail(self != NULL);
    gobj::dispatch_void(TARVELIN_PROVIDERS_CONTRACTS_TYPE_IVALUE, self,
                        &TarvelinProvidersContractsIValueInterface::to_value, result);
}
gchar* tarvelin_providers_contracts_ivalue_to_string(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return IVALUE_DISPATCH(to_string, nullptr);
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_ivalue_clone(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return IVALUE_DISPATCH(clone, nullptr);
}
gchar* tarvelin_providers_contracts_ivalue_dump(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return IVALUE_DISPATCH(dump, nullptr);
}
const gchar* tarvelin_providers_contracts_ivalue_get_name(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return IVALUE_DISPATCH(get_name, nullptr);
}
TarvelinProvidersContractsDataType tarvelin_providers_contracts_ivalue_get_data_type(
    TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return IVALUE_DISPATCH(get_data_type, TarvelinProvidersContractsDataType(0));
}
gboolean tarvelin_providers_contracts_ivalue_get_is_null(TarvelinProvidersContractsIValue* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return IVALUE_DISPATCH(get_is_null, FALSE);
}

TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_value_object_new(void) {
    return tarvelin_providers_contracts_value_object_construct(ValueObject::gtype());
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_value_object_construct(GType object_type) {
    return static_cast<TarvelinProvidersContractsValueObject*>(gobj::create<ValueObject>(object_type).release());
}
void tarvelin_providers_contracts_value_object_to_value(TarvelinProvidersContractsValueObject* self, GValue* result) {
    g_return_if_fail(self != NULL);
    gobj::guarded(__func__, [&] { cast<ValueObject>(self)->to_value(result); });
}
gchar* tarvelin_providers_contracts_value_object_to_string(TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(cast<ValueObject>(self)->to_string()); });
}
TarvelinProvidersContractsValueObject* tarvelin_providers_contracts_value_object_clone(
    TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersContractsValueObject*>(cast<ValueObject>(self)->clone().release());
    });
}
gchar* tarvelin_providers_contracts_value_object_dump(TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(cast<ValueObject>(self)->dump()); });
}
const gchar* tarvelin_providers_contracts_value_object_get_name(TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return cast<ValueObject>(self)->get_name(); });
}
TarvelinProvidersContractsDataType tarvelin_providers_contracts_value_object_get_data_type(
    TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, TarvelinProvidersContractsDataType(0));
    return gobj::guarded(__func__, [&] { return cast<ValueObject>(self)->get_data_type(); });
}
gboolean tarvelin_providers_contracts_value_object_get_is_null(TarvelinProvidersContractsValueObject* self) {
    g_return_val_if_fail(self != NULL, FALSE);
    return gobj::guarded(__func__, [&] { return gboolean(cast<ValueObject>(self)->get_is_null()); });
}

TarvelinProvidersContractsValueNull* tarvelin_providers_contracts_value_null_new(void) {
    return tarvelin_providers_contracts_value_null_construct(ValueNull::gtype());
}
TarvelinProvidersContractsValueNull* tarvelin_providers_contracts_value_null_construct(GType object_type) {
    return static_cast<TarvelinProvidersContractsValueNull*>(ValueNull::create(object_type).release());
}
const gchar* tarvelin_providers_contracts_value_null_get_itsvalue(TarvelinProvidersContractsValueNull* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return "NULL";
}

TarvelinProvidersContractsValueError* tarvelin_providers_contracts_value_error_construct(GType object_type, gint32 code,
                                                                                       const gchar* message) {
    g_return_val_if_fail(message != NULL, NULL);
    return gobj::guarded(__func__, [&] {
        return static_cast<TarvelinProvidersContractsValueError*>(
            ValueError::create(code, message, object_type).release());
    });
}
TarvelinProvidersContractsValueError* tarvelin_providers_contracts_value_error_new(gint32 code, const gchar* message) {
    return tarvelin_providers_contracts_value_error_construct(ValueError::gtype(), code, message);
}
gchar* tarvelin_providers_contracts_value_error_get_itsvalue(TarvelinProvidersContractsValueError* self) {
    g_return_val_if_fail(self != NULL, NULL);
    return gobj::guarded(__func__, [&] { return gobj::dup_string(cast<ValueError>(self)->get_itsvalue()); });
}

}  // extern "C"
