// The general and window preferences, with their own JSON hooks for the date-time.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "providers/gobj/property_row.hpp"
#include "providers/gobj/register.hpp"

// clang-format off
#define TARVELIN_GENERAL_SETTING_PROPERTIES(P) \
    P(Int, window_left, "window-left", 0, RW, 0, OnChange) \
    P(Int, window_top, "window-top", 0, RW, 0, OnChange) \
    P(Int, window_width, "window-width", 0, RW, 0, OnChange) \
    P(Int, window_height, "window-height", 0, RW, 0, OnChange) \
    P(Int, window_state, "window-state", 0, RW, 0, OnChange) \
    P(UInt, user_locale, "user-locale", 0, RW, 0, OnChange) \
    P(UInt, color_scheme, "color-scheme", 0, RW, 0, OnChange) \
    P(DateTime, broadcasting, "broadcasting", nullptr, RW, gobj::prop::now, OnChange) \
    P(Text, titlebar_background, "titlebar-background", nullptr, RW, "none", OnChange) \
    P(Bool, toolbar_main_icon, "toolbar-main-icon", false, RW, false, OnChange) \
    P(Bool, toolbar_main_text, "toolbar-main-text", true, RW, true, OnChange) \
    P(Bool, toolbar_minor_text, "toolbar-minor-text", true, RW, true, OnChange) \
    P(UInt, starter_page, "starter-page", 0, RW, 0, OnChange) \
    P(Double, connecton_icon_size, "connecton-icon-size", 96.0, RW, 96.0, OnChange) \
    P(UInt, snippet_mode, "snippet-mode", 1, RW, 1, OnChange) \
    P(Bool, check_updates_on_startup, "check-updates-on-startup", false, RW, false, OnChange)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

// json-glib's serialisable interface as a C++ interface; the other slots keep their
// json-glib defaults.
class TARVELIN_EXPORT JsonPropertyHooks : public gobj::Interface {
public:
    using Vtable = JsonSerializableIface;
    static GType gtype() noexcept { return JSON_TYPE_SERIALIZABLE; }

    virtual JsonNode* serialize_property(const gchar* name, const GValue* value, GParamSpec* pspec) = 0;
    virtual gboolean deserialize_property(const gchar* name, GValue* value, GParamSpec* pspec, JsonNode* node) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->serialize_property = gobj::slot<T, &JsonPropertyHooks::serialize_property>(vt->serialize_property);
        vt->deserialize_property = gobj::slot<T, &JsonPropertyHooks::deserialize_property>(vt->deserialize_property);
    }
};

class TARVELIN_EXPORT GeneralSetting : public gobj::Object, public JsonPropertyHooks {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<GeneralSetting>& c);
    static gobj::Ref<GeneralSetting> create(GType type = gtype());

    TARVELIN_GENERAL_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // The date-time is always written (ISO 8601, "" for none); text that does not
    // parse reads back as none.
    JsonNode* serialize_property(const gchar* name, const GValue* value, GParamSpec* pspec) override;
    gboolean deserialize_property(const gchar* name, GValue* value, GParamSpec* pspec, JsonNode* node) override;

private:
    TARVELIN_GENERAL_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSettingGeneralSetting, tarvelin::rezezadovu::contracts::setting::GeneralSetting)
