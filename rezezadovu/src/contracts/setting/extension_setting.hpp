// The the loaded plug-ins, as one text.
#pragma once

#include <tarvelin/rezezadovu/settings.h>

#include "providers/gobj/property_row.hpp"
#include "providers/gobj/register.hpp"

// clang-format off
#define TARVELIN_EXTENSION_SETTING_PROPERTIES(P) \
    P(Text, loaded_plugins, "loaded-plugins", nullptr, RW, "", OnChange)
// clang-format on

namespace tarvelin::rezezadovu::contracts::setting {

class TARVELIN_EXPORT ExtensionSetting : public gobj::Object {
public:
    static GType gtype();
    static void describe(gobj::ClassSpec<ExtensionSetting>& c);
    static gobj::Ref<ExtensionSetting> create(GType type = gtype());

    TARVELIN_EXTENSION_SETTING_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

private:
    TARVELIN_EXTENSION_SETTING_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
};

}  // namespace tarvelin::rezezadovu::contracts::setting

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsSettingExtensionSetting, tarvelin::rezezadovu::contracts::setting::ExtensionSetting)
