#include "providers/contracts/value_string.hpp"

#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_file.hpp"
#include "providers/gobj/register.hpp"

TARVELIN_LOG_TAG("value_string")

namespace tarvelin::providers::contracts {

TARVELIN_GTYPE(ValueString, "TarvelinProvidersContractsValueString", ValueObject)
TARVELIN_GTYPE(ValueXml, "TarvelinProvidersContractsValueXml", ValueString)
TARVELIN_GTYPE(ValueJson, "TarvelinProvidersContractsValueJson", ValueString)
TARVELIN_GTYPE(ValueUuid, "TarvelinProvidersContractsValueUuid", ValueString)
TARVELIN_GTYPE(ValueUtf16, "TarvelinProvidersContractsValueUtf16", ValueObject)

// ---------------------------------------------------------------- ValueString

void ValueString::describe(gobj::ClassSpec<ValueString>& c) {
    using Self = ValueString;
    install_name(c);
    TARVELIN_VALUE_STRING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    install_data_type(c);
}
gobj::Ref<ValueString> ValueString::create(std::string text, GType type) { return make<ValueString>(std::move(text), type); }

void ValueString::load(const char* filename, GAsyncReadyCallback callback, gpointer user_data) {
    value_file::load_lines(
        gobj(), filename, [this](std::string text) { itsvalue_ = std::move(text); }, callback, user_data);
}
void ValueString::load_finish(GAsyncResult* result) { value_file::finish(gobj(), result); }

void ValueString::save(const char* filename, GAsyncReadyCallback callback, gpointer user_data) {
    GBytes* data = nullptr;
    if (itsvalue_) {
        data = g_bytes_new(itsvalue_->data(), itsvalue_->size());
    } else {
        precondition_failed(G_STRFUNC, "self != NULL");  // no text: zero bytes
    }
    value_file::save_bytes(gobj(), filename, data, callback, user_data);
    if (data) g_bytes_unref(data);
}
void ValueString::save_finish(GAsyncResult* result) { value_file::finish(gobj(), result); }

void ValueString::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_STRING);
    g_value_set_string(result, get_itsvalue());
}
std::string ValueString::to_string() const { return itsvalue_.value_or(std::string()); }

gobj::Ref<ValueObject> ValueString::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_string_construct", "text != NULL",
                     [](const std::string& t) { return create(t); });
}
const char* ValueString::get_name() const { return "string"; }
DataType ValueString::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING; }

// ---------------------------------------------------------------- XML, JSON, UUID

void ValueXml::describe(gobj::ClassSpec<ValueXml>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueXml> ValueXml::create(std::string text, GType type) { return make<ValueXml>(std::move(text), type); }
gobj::Ref<ValueObject> ValueXml::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_xml_construct", "text != NULL",
                     [](const std::string& t) { return create(t); });
}
const char* ValueXml::get_name() const { return "xml"; }
DataType ValueXml::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML; }

void ValueJson::describe(gobj::ClassSpec<ValueJson>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueJson> ValueJson::create(std::string text, GType type) { return make<ValueJson>(std::move(text), type); }
gobj::Ref<ValueObject> ValueJson::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_json_construct", "text != NULL",
                     [](const std::string& t) { return create(t); });
}
const char* ValueJson::get_name() const { return "json"; }
DataType ValueJson::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON; }

void ValueUuid::describe(gobj::ClassSpec<ValueUuid>& c) {
    install_name(c);
    install_data_type(c);
}
gobj::Ref<ValueUuid> ValueUuid::create(GType type) {
    return make<ValueUuid>(gobj::take_string(g_uuid_string_random()), type);
}
gobj::Ref<ValueUuid> ValueUuid::create_uuid(std::string uuid, GType type) {
    return make<ValueUuid>(std::move(uuid), type);
}
gobj::Ref<ValueObject> ValueUuid::clone() const {
    return copy_text(itsvalue_, "tarvelin_providers_contracts_value_uuid_construct_uuid", "uuid != NULL",
                     [](const std::string& t) { return create_uuid(t); });
}
const char* ValueUuid::get_name() const { return "uuid"; }
DataType ValueUuid::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID; }

// ---------------------------------------------------------------- ValueUtf16

void ValueUtf16::describe(gobj::ClassSpec<ValueUtf16>& c) {
    using Self = ValueUtf16;
    install_name(c);
    TARVELIN_VALUE_UTF16_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
    install_data_type(c);
}
gobj::Ref<ValueUtf16> ValueUtf16::create(gunichar2* buffer, GType type) {
    auto v = gobj::create<ValueUtf16>(type);
    if (v) {
        v->itsvalue_.reset(buffer);
    } else {
        g_free(buffer);
    }
    return v;
}
gobj::Ref<ValueUtf16> ValueUtf16::create_string(const std::string& text, GType type) {
    // Invalid UTF-8 leaves the value without a buffer; the conversion error is dropped.
    return create(g_utf8_to_utf16(text.c_str(), static_cast<glong>(text.size()), nullptr, nullptr, nullptr), type);
}
std::optional<std::string> ValueUtf16::to_utf8() const {
    if (!itsvalue_) return std::nullopt;
    return gobj::take_optional(g_utf16_to_utf8(itsvalue_.get(), -1, nullptr, nullptr, nullptr));
}
void ValueUtf16::to_value(GValue* result) const {
    g_value_init(result, G_TYPE_STRING);
    if (auto text = to_utf8()) g_value_set_string(result, text->c_str());
}
std::string ValueUtf16::to_string() const {
    if (!itsvalue_) {
        precondition_failed(G_STRFUNC, "self != NULL");
        return {};
    }
    return to_utf8().value_or(std::string());
}
gobj::Ref<ValueObject> ValueUtf16::clone() const {
    return copy_text(to_utf8(), "tarvelin_providers_contracts_value_utf16_construct_string", "text != NULL",
                     [](const std::string& t) { return create_string(t); });
}
const char* ValueUtf16::get_name() const { return "wstring"; }
DataType ValueUtf16::get_data_type() const { return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_WSTRING; }

}  // namespace tarvelin::providers::contracts
