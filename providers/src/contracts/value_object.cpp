#include "providers/contracts/value_object.hpp"
#include "providers/gobj/register.hpp"

#include <glib/gprintf.h>

TARVELIN_LOG_TAG("value_object")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(IValue, "TarvelinProvidersContractsIValue", G_TYPE_OBJECT)
TARVELIN_GTYPE(ValueObject, "TarvelinProvidersContractsValueObject", gobj::Object, IValue)
TARVELIN_GTYPE(ValueNull, "TarvelinProvidersContractsValueNull", ValueObject)
TARVELIN_GTYPE(ValueError, "TarvelinProvidersContractsValueError", ValueObject)

void IValue::describe(gobj::InterfaceSpec<IValue>& spec) {
    spec.property<&IValue::get_name>(gobj::pspec::text("name", gobj::kRead));
    spec.property<&IValue::get_data_type>(gobj::pspec::enumeration(
        "data-type", data_type_gtype(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN, gobj::kRead));
    spec.property<&IValue::get_is_null>(gobj::pspec::boolean("is-null", gobj::kRead));
}

// ---------------------------------------------------------------- ValueObject

void ValueObject::describe(gobj::ClassSpec<ValueObject>& c) {
    install_name(c);
    install_data_type(c);
    install_is_null(c);
}

void ValueObject::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_STRING);
    g_value_set_string(result, "");
}
std::string ValueObject::to_string() const { return {}; }
gobj::Ref<ValueObject> ValueObject::create(GType type) { return gobj::create<ValueObject>(type); }
gobj::Ref<ValueObject> ValueObject::clone() const { return create(); }
std::string ValueObject::dump() const {
    std::string text = to_string();
    return gobj::take_string(g_strdup_printf("%s => %s", type_name(), text.c_str()));
}
const char* ValueObject::get_name() const { return "UNKNOWN"; }
DataType ValueObject::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN; }
bool ValueObject::get_is_null() const { return false; }

// ---------------------------------------------------------------- ValueNull

void ValueNull::describe(gobj::ClassSpec<ValueNull>& c) {
    install_name(c);
    c.property<&ValueNull::get_itsvalue>(gobj::pspec::text("itsvalue", gobj::kRead));
    install_data_type(c);
    install_is_null(c);
}
gobj::Ref<ValueNull> ValueNull::create(GType type) { return gobj::create<ValueNull>(type); }
void ValueNull::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_STRING);
    g_value_set_string(result, "NULL");
}
std::string ValueNull::to_string() const { return {}; }
gobj::Ref<ValueObject> ValueNull::clone() const { return create(); }
const char* ValueNull::get_name() const { return "NULL"; }
DataType ValueNull::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL; }
bool ValueNull::get_is_null() const { return true; }

// ---------------------------------------------------------------- ValueError

void ValueError::describe(gobj::ClassSpec<ValueError>& c) {
    install_name(c);
    c.property<&ValueError::get_itsvalue>(gobj::pspec::text("itsvalue", gobj::kRead));
    install_data_type(c);
    install_is_null(c);
}
gobj::Ref<ValueError> ValueError::create(gint32 code, std::string message, GType type) {
    auto v = gobj::create<ValueError>(type);
    v->code_ = code;
    v->message_ = std::move(message);
    return v;
}
void ValueError::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_ERROR);
    g_value_take_boxed(result, g_error_new_literal(g_quark_from_string("SQL"), code_, message_.c_str()));
}
std::string ValueError::to_string() const {
    return gobj::take_string(g_strdup_printf("%d:%s", code_, message_.c_str()));
}
gobj::Ref<ValueObject> ValueError::clone() const { return create(code_, message_); }
const char* ValueError::get_name() const { return "error"; }
DataType ValueError::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ERROR; }
bool ValueError::get_is_null() const { return false; }

}  // namespace tarvelin::providers::contracts
