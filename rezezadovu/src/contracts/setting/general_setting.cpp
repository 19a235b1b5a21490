#include "rezezadovu/contracts/setting/general_setting.hpp"

#include "rezezadovu/contracts/serialization/iso8601.hpp"

TARVELIN_LOG_TAG("general_setting")

namespace tarvelin::rezezadovu::contracts::setting {

TARVELIN_GTYPE(GeneralSetting, "TarvelinRezezadovuContractsSettingGeneralSetting", gobj::Object, JsonPropertyHooks)

void GeneralSetting::describe(gobj::ClassSpec<GeneralSetting>& c) {
    using Self = GeneralSetting;
    TARVELIN_GENERAL_SETTING_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<GeneralSetting> GeneralSetting::create(GType type) { return gobj::create<GeneralSetting>(type); }

JsonNode* GeneralSetting::serialize_property(const gchar* name, const GValue* value, GParamSpec* pspec) {
    if (G_PARAM_SPEC_VALUE_TYPE(pspec) != G_TYPE_DATE_TIME) {
        return json_serializable_default_serialize_property(JSON_SERIALIZABLE(gobj()), name, value, pspec);
    }
    std::string text = serialization::format_iso8601(static_cast<GDateTime*>(g_value_get_boxed(value)));
    JsonNode* node = json_node_new(JSON_NODE_VALUE);
    json_node_set_string(node, text.c_str());
    return node;
}

gboolean GeneralSetting::deserialize_property(const gchar* name, GValue* value, GParamSpec* pspec, JsonNode* node) {
    if (G_PARAM_SPEC_VALUE_TYPE(pspec) != G_TYPE_DATE_TIME) {
        return json_serializable_default_deserialize_property(JSON_SERIALIZABLE(gobj()), name, value, pspec, node);
    }
    const char* text = node && JSON_NODE_HOLDS_VALUE(node) && json_node_get_value_type(node) == G_TYPE_STRING
                           ? json_node_get_string(node)
                           : nullptr;
    g_value_take_boxed(value, serialization::parse_iso8601(text));
    return TRUE;
}

}  // namespace tarvelin::rezezadovu::contracts::setting
